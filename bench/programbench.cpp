// The program itself, measured: start-up to the splash and to the main
// window, peak resident memory after a whole round of use, and the share of
// one core it takes in three steady states. One binary plays two parts: run
// plainly it starts the virtual module and launches itself, as the program
// with a driver hooked in (the same runApplication, resource tree and QML),
// once per figure. Needs a display: bench/run-program-bench gives it Xvfb.
//
//   bench_program [--runs N] [--seconds S] [startup] [memory] [cpu]

#include "app/startup.h"
#include "support/virtualline.h"
#include "tools/drive/eventwait.h"
#include "tools/drive/windowdriver.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <QProcess>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <functional>
#include <time.h>
#include <unistd.h>

namespace {

qint64 monotonicNs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void say(const QString &line)
{
    QTextStream(stdout) << line << Qt::endl;
}

// ---------------------------------------------------------------- the child

enum class Role { Parent, Startup, Memory, Cpu };
Role role = Role::Parent;
int cpuSeconds = 60;
qint64 mainEntryNs = 0;
std::atomic<qint64> splashFrameNs{0};
std::atomic<qint64> windowFrameNs{0};
// Frames the main window put on screen: drawing is most of the cost under a software renderer.
std::atomic<qint64> mainFrames{0};
qint64 windowSurfaceNs = 0;
qint64 windowExposeNs = 0;

[[noreturn]] void fail(const QString &why)
{
    say(QStringLiteral("error ") + why);
    ::_exit(3);
}

QQuickItem *item(QQuickWindow *window, const QString &name)
{
    QQuickItem *found = findItem(window, name);
    if (!found)
        fail(QStringLiteral("no item named ") + name);
    return found;
}

void click(QQuickWindow *window, const QString &name)
{
    clickItem(window, item(window, name));
}

void waitIdle(QQuickWindow *window)
{
    if (!::waitIdle(window, 30000))
        fail(QStringLiteral("a popup stayed open"));
}

QMap<QString, qint64> procStatus()
{
    QMap<QString, qint64> values;
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return values;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0)
            values.insert(QString::fromLatin1(line.left(colon)),
                          line.mid(colon + 1).trimmed().split(' ').value(0).toLongLong());
    }
    return values;
}

void reportMemory(const QString &label)
{
    const auto status = procStatus();
    say(QStringLiteral("mem %1 %2 %3 %4 %5").arg(label).arg(status.value(QStringLiteral("VmHWM")))
            .arg(status.value(QStringLiteral("VmRSS"))).arg(status.value(QStringLiteral("RssAnon")))
            .arg(status.value(QStringLiteral("RssFile"))));
}

// CPU time of every thread, by name, in clock ticks.
QMap<QString, qint64> threadTicks()
{
    QMap<QString, qint64> ticks;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(tasks.filePath(tid + QStringLiteral("/stat")));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray stat = file.readAll();
        const int open = stat.indexOf('('), close = stat.lastIndexOf(')');
        const QString name = QString::fromLatin1(stat.mid(open + 1, close - open - 1));
        const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
        // Fields from the state on: utime and stime are the 12th and 13th.
        ticks[name] += fields.value(11).toLongLong() + fields.value(12).toLongLong();
    }
    return ticks;
}

double processCpuSeconds()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// One state held for the given time: the share of one core, in quarters to
// see a drift, and which threads spent it.
void measureCpu(const QString &state, int seconds)
{
    settle(3000); // let the entry's reads and animations settle
    const QMap<QString, qint64> before = threadTicks();
    const double cpu0 = processCpuSeconds();
    const qint64 wall0 = monotonicNs();
    const qint64 frames0 = mainFrames.load();
    QStringList quarters;
    double last = cpu0;
    qint64 lastWall = wall0;
    for (int q = 0; q < 4; ++q) {
        settle(seconds * 250);
        const double cpu = processCpuSeconds();
        const qint64 wall = monotonicNs();
        quarters << QString::number(100.0 * (cpu - last) / ((wall - lastWall) / 1e9), 'f', 1);
        last = cpu;
        lastWall = wall;
    }
    const double share = 100.0 * (last - cpu0) / ((lastWall - wall0) / 1e9);
    const QMap<QString, qint64> after = threadTicks();
    QStringList threads;
    const double tick = double(sysconf(_SC_CLK_TCK));
    for (auto it = after.begin(); it != after.end(); ++it) {
        const qint64 spent = it.value() - before.value(it.key());
        if (spent > 0)
            threads << QStringLiteral("%1=%2").arg(it.key().simplified().replace(' ', '_'))
                           .arg(100.0 * spent / tick / ((lastWall - wall0) / 1e9), 0, 'f', 1);
    }
    say(QStringLiteral("cpu %1 %2 %3 %4 %5 frames=%6").arg(state).arg(share, 0, 'f', 2)
            .arg((lastWall - wall0) / 1e9, 0, 'f', 1).arg(quarters.join(',')).arg(threads.join(','))
            .arg(mainFrames.load() - frames0));
}

QQuickWindow *mainWindow()
{
    return findWindow([](QQuickWindow *w) { return !w->flags().testFlag(Qt::SplashScreen); });
}

QObject *backendOf(QQuickWindow *window)
{
    return qmlContext(window)->contextProperty(QStringLiteral("backend")).value<QObject *>();
}

bool isConnected(QObject *backend)
{
    return backend->property("connectionState").toBool();
}

void connectToModule(QQuickWindow *window, QObject *backend)
{
    click(window, QStringLiteral("entryConnection"));
    const QString number = qEnvironmentVariable("ORVALIS_SERIAL_PORTS").section(QLatin1Char('='), 0, 0);
    QQuickItem *box = item(window, QStringLiteral("portSelector"));
    const int index = portEntryIndex(box, number);
    if (index < 0)
        fail(QStringLiteral("the module's port is not listed"));
    box->setProperty("currentIndex", index);
    click(window, QStringLiteral("connectButton"));
    if (!waitUntil([&] { return isConnected(backend); }, 15000))
        fail(QStringLiteral("no connection to the module"));
    waitIdle(window);
}

void openPage(QQuickWindow *window, const QString &entry)
{
    click(window, entry);
    waitIdle(window);
}

// The hidden page: five quick clicks on the logo, every box ticked, Start.
void startTwelveCharts(QQuickWindow *window)
{
    QQuickItem *entry = item(window, QStringLiteral("entryCharts"));
    if (!entry->isVisible()) {
        for (int i = 0; i < 5; ++i)
            click(window, QStringLiteral("menuLogo"));
    }
    openPage(window, QStringLiteral("entryCharts"));
    int ticked = 0;
    for (const char *name : {"lineVoltage", "lineCurrent", "lineActive", "lineReactive"}) {
        const QList<QQuickItem *> all = item(window, QLatin1String(name))->findChildren<QQuickItem *>();
        for (QQuickItem *box : all) {
            // The boxes are the items with a checked state of their own.
            if (box->metaObject()->indexOfProperty("checked") < 0 || !box->isVisible())
                continue;
            if (!box->property("checked").toBool())
                clickItem(window, box);
            ticked += box->property("checked").toBool();
        }
    }
    if (ticked != 12)
        say(QStringLiteral("note %1 chart boxes ticked, not 12").arg(ticked));
    click(window, QStringLiteral("startButton"));
    if (!item(window, QStringLiteral("chartsView"))->isVisible())
        fail(QStringLiteral("the charts did not start"));
}

void firmwareUpdate(QQuickWindow *window, QObject *backend)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.bin"));
    QByteArray image(4096, Qt::Uninitialized);
    for (char &c : image)
        c = char(QRandomGenerator::global()->bounded(256));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        fail(QStringLiteral("cannot write the image"));
    file.close();

    // The popup's own Connections reach the outcome; we watch the popup.
    openPage(window, QStringLiteral("entryMain"));
    QObject *popup = window->findChild<QObject *>(QStringLiteral("popupFirmwareUpdate"));
    if (!popup)
        fail(QStringLiteral("no firmware popup"));
    auto *startButton = qobject_cast<QQuickItem *>(
        item(window, QStringLiteral("startUpdate"))->property("btn").value<QObject *>());
    if (!startButton)
        fail(QStringLiteral("no start update button"));
    clickItem(window, startButton);
    if (!waitUntil([&] { return popup->property("opened").toBool(); }, 3000))
        fail(QStringLiteral("the firmware popup did not open"));
    popup->setProperty("filename", path);
    QQuickItem *button = qobject_cast<QQuickItem *>(popup->property("contentItem").value<QObject *>())
                             ->findChild<QQuickItem *>(QStringLiteral("updateButton"));
    if (!button)
        fail(QStringLiteral("no update button"));
    const QString versionBefore = backend->property("firmwareVersion").toString();
    QElapsedTimer clock;
    clock.start();
    clickItem(window, button);
    if (!popup->property("isInUpdate").toBool())
        fail(QStringLiteral("the update did not start"));
    const bool done = waitUntil([&] { return !popup->property("isInUpdate").toBool(); }, 120000);
    const qint64 elapsed = clock.elapsed();
    settle(200);
    QObject *alert = window->findChild<QObject *>(QStringLiteral("popupAlert"));
    const bool ok = done && isConnected(backend) && !(alert && alert->property("visible").toBool());
    if (ok)
        waitIdle(window); // the home page read again
    say(QStringLiteral("update %1 %2 ms firmware %3 -> %4").arg(ok ? "ok" : "FAILED")
            .arg(elapsed).arg(versionBefore, backend->property("firmwareVersion").toString()));
}

void memoryRound(QQuickWindow *window, QObject *backend)
{
    reportMemory(QStringLiteral("shown"));
    connectToModule(window, backend);
    reportMemory(QStringLiteral("connected"));
    openPage(window, QStringLiteral("entryMain"));
    click(window, QStringLiteral("applyButton"));
    waitIdle(window);
    reportMemory(QStringLiteral("home+apply"));
    openPage(window, QStringLiteral("entryCommunication"));
    reportMemory(QStringLiteral("communication"));
    openPage(window, QStringLiteral("entryMeasurement"));
    settle(4500); // two polls
    reportMemory(QStringLiteral("measurement"));
    openPage(window, QStringLiteral("entryAlarm"));
    reportMemory(QStringLiteral("alarms"));
    openPage(window, QStringLiteral("entrySettings"));
    reportMemory(QStringLiteral("settings"));
    startTwelveCharts(window);
    settle(25000); // past the twenty samples each chart keeps
    reportMemory(QStringLiteral("charts"));
    click(window, QStringLiteral("closeCharts"));
    firmwareUpdate(window, backend);
    reportMemory(QStringLiteral("update"));
    openPage(window, QStringLiteral("entryConnection"));
    settle(3000);
    reportMemory(QStringLiteral("end"));
}

void cpuStates(QQuickWindow *window, QObject *backend)
{
    measureCpu(QStringLiteral("disconnected"), cpuSeconds);
    connectToModule(window, backend);
    measureCpu(QStringLiteral("connected-idle"), cpuSeconds);
    openPage(window, QStringLiteral("entryMeasurement"));
    measureCpu(QStringLiteral("measurement"), cpuSeconds);
    // The same with the bus monitor open over it, listing every exchange.
    click(window, QStringLiteral("busMonitorButton"));
    settle(500);
    measureCpu(QStringLiteral("measurement+monitor"), cpuSeconds);
    click(window, QStringLiteral("closeButton"));
    settle(500);
    // The sections open, as when watching the values: every poll redraws them.
    for (const char *name : {"measurementCurrents", "measurementVoltages", "measurementPowers"})
        item(window, QLatin1String(name))->setProperty("isOpen", true);
    measureCpu(QStringLiteral("measurement-open"), cpuSeconds);
    click(window, QStringLiteral("busMonitorButton"));
    settle(500);
    measureCpu(QStringLiteral("measurement-open+monitor"), cpuSeconds);
    click(window, QStringLiteral("closeButton"));
    settle(500);
    startTwelveCharts(window);
    measureCpu(QStringLiteral("charts-12"), cpuSeconds);
}

void drive()
{
    QQuickWindow *window = nullptr;
    if (!waitUntil([&] { return windowFrameNs.load() != 0 && (window = mainWindow()) != nullptr; }, 20000))
        fail(QStringLiteral("the main window did not show"));
    QObject *backend = backendOf(window);
    if (role == Role::Memory)
        memoryRound(window, backend);
    else
        cpuStates(window, backend);
    say(QStringLiteral("done"));
    QCoreApplication::exit(0);
}

// Every new Quick window: the first frame it puts on screen counts as shown.
class FrameWatch : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QQuickWindow *>(watched);
        const bool isMain = window && !window->flags().testFlag(Qt::SplashScreen);
        // The main window's surface is made when show() is called, that is
        // once the page tree is built; its expose comes when it is mapped.
        if (isMain && event->type() == QEvent::PlatformSurface && windowSurfaceNs == 0)
            windowSurfaceNs = monotonicNs();
        if (event->type() == QEvent::Expose) {
            if (isMain && windowExposeNs == 0)
                windowExposeNs = monotonicNs();
            if (window && !seen.contains(window)) {
                seen << window;
                if (isMain)
                    connect(window, &QQuickWindow::frameSwapped, window, [] { ++mainFrames; },
                            Qt::DirectConnection);
                std::atomic<qint64> &slot = window->flags().testFlag(Qt::SplashScreen) ? splashFrameNs
                                                                                       : windowFrameNs;
                auto once = std::make_shared<QMetaObject::Connection>();
                *once = connect(window, &QQuickWindow::frameSwapped, window, [&slot, once] {
                    qint64 expected = 0;
                    slot.compare_exchange_strong(expected, monotonicNs());
                    QObject::disconnect(*once);
                }, Qt::DirectConnection);
            }
        }
        return false;
    }
    QList<QObject *> seen;
};

void hookChild()
{
    if (role == Role::Parent)
        return;
    qApp->installEventFilter(new FrameWatch);
    if (role == Role::Startup) {
        // Reported from the main thread as soon as both frames are out.
        auto *poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, [poll] {
            if (splashFrameNs.load() == 0 || windowFrameNs.load() == 0)
                return;
            poll->stop();
            say(QStringLiteral("t main %1").arg(mainEntryNs));
            say(QStringLiteral("t splash %1").arg(splashFrameNs.load()));
            say(QStringLiteral("t surface %1").arg(windowSurfaceNs));
            say(QStringLiteral("t expose %1").arg(windowExposeNs));
            say(QStringLiteral("t window %1").arg(windowFrameNs.load()));
            reportMemory(QStringLiteral("shown"));
            QCoreApplication::exit(0);
        });
        poll->start(2);
    } else {
        QTimer::singleShot(0, drive);
    }
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(hookChild)

// ---------------------------------------------------------------- the parent

namespace {

struct Child
{
    qint64 launchNs = 0;
    QMap<QString, qint64> times;
    QList<QStringList> lines;
    bool ok = false;
};

Child runChild(const QString &mode, const QStringList &extra, int timeoutMs)
{
    Child child;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList args{QStringLiteral("--child"), mode};
    child.launchNs = monotonicNs();
    process.start(QCoreApplication::applicationFilePath(), args + extra);
    if (!process.waitForStarted(10000))
        return child;
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning && clock.elapsed() < timeoutMs) {
        process.waitForReadyRead(200);
        out += process.readAllStandardOutput();
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(3000);
    }
    out += process.readAllStandardOutput();
    for (const QByteArray &raw : out.split('\n')) {
        const QString line = QString::fromLocal8Bit(raw).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList words = line.split(' ');
        if (words.value(0) == QLatin1String("t"))
            child.times[words.value(1)] = words.value(2).toLongLong();
        else if (words.value(0) == QLatin1String("error"))
            say(QStringLiteral("  child (%1): %2").arg(mode, line));
        child.lines << words;
    }
    child.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return child;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QString spread(const QList<double> &values)
{
    return QStringLiteral("median %1 ms, min %2, max %3")
        .arg(median(values), 0, 'f', 1)
        .arg(*std::min_element(values.begin(), values.end()), 0, 'f', 1)
        .arg(*std::max_element(values.begin(), values.end()), 0, 'f', 1);
}

bool startup(int runs)
{
    say(QStringLiteral("start-up, %1 launches (ms from fork to the first frame on screen):").arg(runs));
    QList<double> toMain, toSplash, splashToWindow, toWindow, built, firstFrame;
    for (int i = 0; i < runs; ++i) {
        const Child c = runChild(QStringLiteral("startup"), {}, 30000);
        if (!c.ok || !c.times.contains(QStringLiteral("window"))) {
            say(QStringLiteral("  launch %1 failed").arg(i + 1));
            return false;
        }
        auto at = [&](const char *name) { return (c.times[QLatin1String(name)] - c.launchNs) / 1e6; };
        const double m = at("main"), s = at("splash"), w = at("window"), shown = at("surface");
        toMain << m;
        toSplash << s;
        splashToWindow << w - s;
        toWindow << w;
        built << shown - s;
        firstFrame << w - shown;
        qint64 hwm = 0;
        for (const QStringList &l : c.lines)
            if (l.value(0) == QLatin1String("mem"))
                hwm = l.value(2).toLongLong();
        say(QStringLiteral("  launch %1: main() %2, splash %3, main window %4 (splash to window %5: "
                           "built and shown %6, first frame %7), VmHWM %8 kB")
                .arg(i + 1).arg(m, 0, 'f', 1).arg(s, 0, 'f', 1).arg(w, 0, 'f', 1).arg(w - s, 0, 'f', 1)
                .arg(shown - s, 0, 'f', 1).arg(w - shown, 0, 'f', 1).arg(hwm));
    }
    say(QStringLiteral("  to main():                    ") + spread(toMain));
    say(QStringLiteral("  to the splash shown:          ") + spread(toSplash));
    say(QStringLiteral("  splash to main window:        ") + spread(splashToWindow));
    say(QStringLiteral("    of which the 1000 ms, the window built and show() called: ") + spread(built));
    say(QStringLiteral("    of which show() to its first frame:                       ") + spread(firstFrame));
    say(QStringLiteral("  to the main window:           ") + spread(toWindow));
    return true;
}

bool memory()
{
    say(QStringLiteral("memory over a round of use (kB: VmHWM peak, then VmRSS now = RssAnon + RssFile + RssShmem):"));
    say(QStringLiteral("  %1 %2 %3 %4 %5").arg(QStringLiteral("after"), -14).arg(QStringLiteral("VmHWM"), 8)
            .arg(QStringLiteral("VmRSS"), 8).arg(QStringLiteral("RssAnon"), 8).arg(QStringLiteral("RssFile"), 8));
    const Child c = runChild(QStringLiteral("memory"), {}, 300000);
    for (const QStringList &l : c.lines) {
        if (l.value(0) == QLatin1String("mem"))
            say(QStringLiteral("  %1 %2 %3 %4 %5").arg(l.value(1), -14).arg(l.value(2), 8).arg(l.value(3), 8)
                    .arg(l.value(4), 8).arg(l.value(5), 8));
        else if (l.value(0) == QLatin1String("update") || l.value(0) == QLatin1String("note"))
            say(QStringLiteral("  ") + l.join(' '));
    }
    if (!c.ok)
        say(QStringLiteral("  the round did not finish"));
    return c.ok;
}

bool cpu(int seconds)
{
    say(QStringLiteral("CPU, share of one core (user+system, all threads) over %1 s per state:").arg(seconds));
    const Child c = runChild(QStringLiteral("cpu"), {QStringLiteral("--seconds"), QString::number(seconds)},
                             (7 * (seconds + 10) + 60) * 1000);
    for (const QStringList &l : c.lines) {
        if (l.value(0) == QLatin1String("cpu"))
            say(QStringLiteral("  %1 %2 %  (over %3 s; %6; quarters %4; threads %5)")
                    .arg(l.value(1), -15).arg(l.value(2), 6).arg(l.value(3), l.value(4), l.value(5), l.value(6)));
        else if (l.value(0) == QLatin1String("note"))
            say(QStringLiteral("  ") + l.join(' '));
    }
    if (!c.ok)
        say(QStringLiteral("  the run did not finish"));
    return c.ok;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    file.open(QIODevice::ReadOnly);
    return QString::fromLatin1(file.readAll()).section(' ', 0, 2);
}

} // namespace

int main(int argc, char *argv[])
{
    mainEntryNs = monotonicNs();
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0) {
        const QByteArray mode = argv[2];
        role = mode == "startup" ? Role::Startup : mode == "memory" ? Role::Memory : Role::Cpu;
        if (argc >= 5 && qstrcmp(argv[3], "--seconds") == 0)
            cpuSeconds = QByteArray(argv[4]).toInt();
        int qtArgc = 1;
        return runApplication(qtArgc, argv, QUrl(QStringLiteral("qrc:/screen/VSplashScreen.qml")));
    }

    QCoreApplication app(argc, argv);
    int runs = 7, seconds = 60;
    QStringList parts;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--runs"))
            runs = args.value(++i).toInt();
        else if (args[i] == QLatin1String("--seconds"))
            seconds = args.value(++i).toInt();
        else
            parts << args[i];
    }
    if (parts.isEmpty())
        parts = QStringList{QStringLiteral("startup"), QStringLiteral("memory"), QStringLiteral("cpu")};
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        say(QStringLiteral("no DISPLAY: run it through bench/run-program-bench"));
        return 2;
    }

    // The children log nothing, keep their settings apart from the user's and
    // talk to a module of their own.
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    VirtualLine line;
    if (!line.start())
        return 1;

    say(QStringLiteral("load average before: %1").arg(loadAverage()));
    bool ok = true;
    for (const QString &part : parts) {
        if (part == QLatin1String("startup"))
            ok = startup(runs) && ok;
        else if (part == QLatin1String("memory"))
            ok = memory() && ok;
        else if (part == QLatin1String("cpu"))
            ok = cpu(seconds) && ok;
        else
            say(QStringLiteral("unknown part ") + part);
    }
    say(QStringLiteral("load average after: %1").arg(loadAverage()));
    return ok ? 0 : 1;
}
