// CPU use of the program (share of one core) with all twelve charts of the
// charts page plotting the virtual module's voltages, against the same program
// connected and idle on the connection page, in one run; and how long one
// redraw of all twelve charts takes, from the end of the read to the frame on
// screen. The program is driven as the operator would: port, Connect, five
// clicks on the menu logo, the charts entry, every box, Start.
//
//   bench_charts [SECONDS]    (60 by default, for each of the two measurements)
//
// It needs a screen: under Xvfb (xvfb-run) as the program runs on a desktop,
// or offscreen with the software renderer as the tests run.

#include "app/startup.h"
#include "backend/backend.h"
#include "support/virtualline.h"
#include "tools/drive/eventwait.h"
#include "tools/drive/windowdriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMutex>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <numeric>

namespace {

int seconds = 60;
std::unique_ptr<VirtualLine> line;
int exitCode = 0;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

void fail(const QString &why)
{
    out() << "bench_charts: " << why << Qt::endl;
    exitCode = 1;
    QCoreApplication::exit(1);
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Share of one core used by the whole process (every thread) over the period.
double cpuShare(int periodSeconds)
{
    QElapsedTimer wall;
    wall.start();
    const double before = cpuSeconds();
    QTest::qWait(periodSeconds * 1000);
    return (cpuSeconds() - before) / (double(wall.nsecsElapsed()) / 1e9);
}

bool click(QQuickWindow *window, QQuickItem *target)
{
    if (!target)
        return false;
    clickItem(window, target, 50);
    return true;
}

bool click(QQuickWindow *window, const QString &name)
{
    return click(window, findItem(window, name));
}

bool selectModulePort(QQuickWindow *window)
{
    QQuickItem *box = findItem(window, QStringLiteral("portSelector"));
    if (!box)
        return false;
    const int index = portEntryIndex(box, QString::number(line->portNumber()));
    if (index < 0)
        return false;
    box->setProperty("currentIndex", index);
    return true;
}

// Checks every box of the selection, cell by cell as the page reads them.
bool checkAllBoxes(QQuickWindow *window)
{
    int checked = 0;
    for (const char *name : {"lineVoltage", "lineCurrent", "lineActive", "lineReactive"}) {
        QQuickItem *row = findItem(window, QLatin1String(name));
        if (!row || row->childItems().isEmpty() || row->childItems()[0]->childItems().size() < 2)
            return false;
        for (QQuickItem *cell : row->childItems()[0]->childItems()[1]->childItems()) {
            QQuickItem *box = cell->childItems().value(0);
            if (box && !box->property("checked").toBool())
                click(window, box);
            checked += box && box->property("checked").toBool() ? 1 : 0;
        }
    }
    return checked == 12;
}

void run()
{
    QQuickWindow *window = nullptr;
    if (!waitUntil([&] {
            window = findWindow([](QQuickWindow *w) { return w->title() == QLatin1String("Orvalis Software"); });
            return window != nullptr;
        }, 10000))
        return fail(QStringLiteral("the main window did not show"));
    window->resize(1024, 768);
    QObject *backend = qmlContext(window)->contextProperty(QStringLiteral("backend")).value<QObject *>();
    if (!waitUntil([&] { return findItem(window, QStringLiteral("portSelector")) != nullptr; }, 5000))
        return fail(QStringLiteral("no port selector"));
    QTest::qWait(500);

    if (!selectModulePort(window))
        return fail(QStringLiteral("the module's port is not listed"));
    click(window, QStringLiteral("connectButton"));
    if (!waitUntil([&] { return backend->property("connectionState").toBool(); }, 10000))
        return fail(QStringLiteral("no connection to the module"));
    QTest::qWait(2000);

    out() << "measuring " << seconds << " s idle on the connection page, connected" << Qt::endl;
    const double idle = cpuShare(seconds);

    // The charts and Chart.js are made when the page is first shown, not at start.
    if (findItem(window, QStringLiteral("chart1")))
        return fail(QStringLiteral("the charts were made before their page was shown"));

    for (int i = 0; i < 5; ++i)
        click(window, QStringLiteral("menuLogo"));
    if (!click(window, QStringLiteral("entryCharts")) || !checkAllBoxes(window))
        return fail(QStringLiteral("the charts page could not be set up"));

    // One redraw: from the end of the read (the page's own handler has run
    // by then and asked the twelve charts to draw) to the frame that shows it.
    QMutex mutex;
    QElapsedTimer clock;
    clock.start();
    qint64 sampleAt = -1;
    QVector<double> redrawMs;
    auto *context = new QObject(window);
    // Connected after the page's handler, so it runs once the charts are asked to draw.
    QObject::connect(qobject_cast<Backend *>(backend), &Backend::loadRegisterFinish, context, [&] {
        QMutexLocker lock(&mutex);
        sampleAt = clock.nsecsElapsed();
    });
    // On the render thread where there is one.
    QObject::connect(window, &QQuickWindow::frameSwapped, context, [&] {
        QMutexLocker lock(&mutex);
        if (sampleAt >= 0) {
            redrawMs.append(double(clock.nsecsElapsed() - sampleAt) / 1e6);
            sampleAt = -1;
        }
    }, Qt::DirectConnection);

    click(window, QStringLiteral("startButton"));
    QQuickItem *stack = findItem(window, QStringLiteral("stackLayoutCharts"));
    if (!stack || stack->property("currentIndex").toInt() != 1)
        return fail(QStringLiteral("Start did not show the charts"));
    QTest::qWait(3000); // the first samples: charts made, code warmed up
    {
        QMutexLocker lock(&mutex);
        redrawMs.clear();
    }

    // Every draw of a chart costs; more than one per chart and sample is waste.
    const auto draws = [window] {
        int total = 0;
        for (int n = 1; n <= 12; ++n) {
            QQuickItem *chart = findItem(window, QStringLiteral("chart%1").arg(n));
            QObject *canvas = chart ? chart->findChild<QObject *>(QStringLiteral("chart")) : nullptr;
            total += canvas ? canvas->property("drawCount").toInt() : 0;
        }
        return total;
    };
    // The first samples change the horizontal axis' labels in number, so the
    // charts lay themselves out anew; once they hold all their points they
    // do not. The two parts of the period are reported apart as well.
    int samples = 0;
    QElapsedTimer period;
    double fullAtCpu = -1;
    qint64 fullAtNs = -1;
    QQuickItem *firstChart = findItem(window, QStringLiteral("chart1"));
    QObject::connect(qobject_cast<Backend *>(backend), &Backend::loadRegisterFinish, context, [&] {
        ++samples;
        if (fullAtNs < 0 && firstChart
            && firstChart->property("chart_labels").toStringList().size() > 20) {
            fullAtCpu = cpuSeconds();
            fullAtNs = period.nsecsElapsed();
        }
    });
    const int drawsBefore = draws();

    out() << "measuring " << seconds << " s with all twelve charts plotting" << Qt::endl;
    period.start();
    const double cpuAtStart = cpuSeconds();
    const double plotting = cpuShare(seconds);
    const double cpuAtEnd = cpuSeconds();
    const qint64 periodNs = period.nsecsElapsed();
    const int drawn = draws() - drawsBefore;
    delete context;

    QVector<double> sorted;
    {
        QMutexLocker lock(&mutex);
        sorted = redrawMs;
    }
    std::sort(sorted.begin(), sorted.end());
    const QStringList labels =
        findItem(window, QStringLiteral("chart1"))->property("chart_labels").toStringList();

    out() << Qt::fixed;
    out().setRealNumberPrecision(1);
    out() << "CPU, share of one core, over " << seconds << " s each:" << Qt::endl;
    out() << "  idle on the connection page, connected:  " << idle * 100 << " %" << Qt::endl;
    out() << "  all twelve charts plotting:               " << plotting * 100 << " %" << Qt::endl;
    out() << "  the charts' own share:                    " << (plotting - idle) * 100 << " %"
          << "  (goal: at most 4 %)" << Qt::endl;
    if (fullAtNs > 0 && fullAtNs < periodNs) {
        const double fillingS = double(fullAtNs) / 1e9;
        const double fullS = double(periodNs - fullAtNs) / 1e9;
        out() << "  of which while the charts fill, " << fillingS << " s:  "
              << ((fullAtCpu - cpuAtStart) / fillingS - idle) * 100 << " %" << Qt::endl;
        out() << "  and once they are full, " << fullS << " s:        "
              << ((cpuAtEnd - fullAtCpu) / fullS - idle) * 100 << " %" << Qt::endl;
    }
    if (!sorted.isEmpty()) {
        const double mean = std::accumulate(sorted.begin(), sorted.end(), 0.0) / sorted.size();
        out() << "One redraw of all twelve charts, end of read to frame, over " << sorted.size()
              << " samples:" << Qt::endl;
        out() << "  mean " << mean << " ms, median " << sorted[sorted.size() / 2] << " ms, max "
              << sorted.last() << " ms" << Qt::endl;
    }
    out() << "points per chart at the end: " << labels.size() << Qt::endl;
    out() << "draws per chart and sample: " << (samples > 0 ? double(drawn) / (12.0 * samples) : 0.0)
          << "  (" << drawn << " draws, " << samples << " samples)" << Qt::endl;
    QCoreApplication::exit(0);
}

void startDriver()
{
    line = std::make_unique<VirtualLine>();
    if (!line->start()) {
        out() << "bench_charts: the virtual module did not start" << Qt::endl;
        std::exit(1);
    }
    QTimer::singleShot(200, run);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriver)

int main(int argc, char *argv[])
{
    if (argc > 1)
        seconds = std::max(1, QByteArray(argv[1]).toInt());
    qputenv("QT_LOGGING_RULES", qgetenv("BENCH_LOG").isEmpty() ? "*.debug=false" : "");
    int qtArgc = 1;
    const int result = runApplication(qtArgc, argv, QUrl(QStringLiteral("qrc:/screen/VSplashScreen.qml")));
    line.reset();
    return exitCode != 0 ? exitCode : result;
}
