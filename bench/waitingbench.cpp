// What the waiting popup costs while a request runs: the program itself
// (runApplication, its resource tree and QML) with a driver hooked in that
// holds the main window still, then with the waiting popup open over it, in
// turns, and prints the process's share of one core in each state. Needs a
// display with OpenGL: run it under Xvfb, where Mesa draws with llvmpipe.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" bench_waiting [--seconds S] [--rounds N]

#include "app/startup.h"
#include "tools/drive/eventwait.h"
#include "tools/drive/windowdriver.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <atomic>
#include <mutex>
#include <time.h>

namespace {

int seconds = 10;
int rounds = 2;
// Both written by the render thread.
std::atomic<qint64> frames{0};
std::mutex rendererMutex;
QString renderer;

void say(const QString &line)
{
    QTextStream(stdout) << line << Qt::endl;
}

double processCpuSeconds()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

double wallSeconds()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

struct Share
{
    double cpu = 0; // % of one core
    double fps = 0;
};

Share measure(const QString &state)
{
    settle(1000); // past the popup's fade
    const double cpu0 = processCpuSeconds(), wall0 = wallSeconds();
    const qint64 frames0 = frames.load();
    settle(seconds * 1000);
    const double wall = wallSeconds() - wall0;
    const Share share{100.0 * (processCpuSeconds() - cpu0) / wall, (frames.load() - frames0) / wall};
    say(QStringLiteral("  %1 %2 % of a core, %3 frames/s").arg(state, -14).arg(share.cpu, 6, 'f', 1)
            .arg(share.fps, 5, 'f', 1));
    return share;
}

void drive()
{
    QQuickWindow *window = nullptr;
    if (!waitUntil([&] { return (window = findWindow([](QQuickWindow *w) {
                                     return !w->flags().testFlag(Qt::SplashScreen);
                                 })) != nullptr; },
                   20000)) {
        say(QStringLiteral("error: the main window did not show"));
        QCoreApplication::exit(3);
        return;
    }
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [] { ++frames; }, Qt::DirectConnection);
    // Which OpenGL draws: llvmpipe is the software renderer this is about.
    QObject::connect(window, &QQuickWindow::beforeRendering, window, [] {
        std::lock_guard<std::mutex> lock(rendererMutex);
        auto *context = QOpenGLContext::currentContext();
        if (context && renderer.isEmpty())
            renderer = QString::fromLatin1(reinterpret_cast<const char *>(
                context->functions()->glGetString(GL_RENDERER)));
    }, Qt::DirectConnection);
    QObject *popup = window->findChild<QObject *>(QStringLiteral("popupWaiting"));
    if (!popup) {
        say(QStringLiteral("error: no waiting popup"));
        QCoreApplication::exit(3);
        return;
    }
    settle(2000); // the first frames and the port list
    say(QStringLiteral("%1 s per state:").arg(seconds));
    double idle = 0, waiting = 0;
    for (int r = 0; r < rounds; ++r) {
        idle += measure(QStringLiteral("window")).cpu;
        QMetaObject::invokeMethod(popup, "open");
        waiting += measure(QStringLiteral("window+waiting")).cpu;
        QMetaObject::invokeMethod(popup, "close");
    }
    idle /= rounds;
    waiting /= rounds;
    say(QStringLiteral("mean: window %1 %, with the waiting popup %2 %: the popup costs %3 % of a core "
                       "(ratio %4)")
            .arg(idle, 0, 'f', 1).arg(waiting, 0, 'f', 1).arg(waiting - idle, 0, 'f', 1)
            .arg(idle > 0 ? waiting / idle : 0.0, 0, 'f', 2));
    std::lock_guard<std::mutex> lock(rendererMutex);
    say(QStringLiteral("renderer: %1").arg(renderer.isEmpty() ? QStringLiteral("not OpenGL") : renderer));
    QCoreApplication::exit(0);
}

void hook()
{
    QTimer::singleShot(0, drive);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(hook)

int main(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--seconds") == 0)
            seconds = qMax(1, QByteArray(argv[++i]).toInt());
        else if (qstrcmp(argv[i], "--rounds") == 0)
            rounds = qMax(1, QByteArray(argv[++i]).toInt());
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        say(QStringLiteral("no DISPLAY: run it under xvfb-run"));
        return 2;
    }
    // Quiet, and with settings apart from the user's.
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    int qtArgc = 1;
    return runApplication(qtArgc, argv, QUrl(QStringLiteral("qrc:/screen/VSplashScreen.qml")));
}
