// The program itself, measured: start-up to the splash and to the main
// window, peak resident memory after a whole round of use, and the share of
// one core it takes in three steady states. One binary plays two parts: run
// plainly it starts the virtual module and launches itself, as the program
// with a driver hooked in (the same runApplication, resource tree and QML),
// once per figure. Needs a display: bench/run-program-bench gives it Xvfb.
// The reference is the same binary showing a minimal window with the same Qt
// modules and the Material style: what any such program costs here.
//
//   bench_program [--runs N] [--rounds N] [--seconds S] [startup] [memory] [parts] [cpu]

#include "app/startup.h"
#include "support/virtualline.h"
#include "tools/drive/eventwait.h"
#include "tools/drive/windowdriver.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJSValue>
#include <QMap>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlEngine>
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
#include <malloc.h>
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

enum class Role { Parent, Startup, Memory, Cpu, Reference, Parts };
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

// What the round is doing, and how much the peak rose while it did: sampled
// every 10 ms, so a peak that is gone by the step's end is still put to it.
QString phase = QStringLiteral("start");
struct Rise
{
    QString phase;
    qint64 kb = 0;
    QString at; // what was resident at the phase's highest point
};
QList<Rise> rises;
qint64 lastPeak = 0;

void samplePeak()
{
    const auto status = procStatus();
    const qint64 peak = status.value(QStringLiteral("VmHWM"));
    if (lastPeak > 0 && peak > lastPeak) {
        if (rises.isEmpty() || rises.last().phase != phase)
            rises << Rise{phase, 0, QString()};
        rises.last().kb += peak - lastPeak;
        const struct mallinfo2 info = mallinfo2();
        rises.last().at = QStringLiteral("anon=%1,file=%2,shmem=%3,malloc=%4+%5")
                              .arg(status.value(QStringLiteral("RssAnon")))
                              .arg(status.value(QStringLiteral("RssFile")))
                              .arg(status.value(QStringLiteral("RssShmem")))
                              .arg(qint64(info.uordblks / 1024)).arg(qint64(info.hblkhd / 1024));
    }
    lastPeak = peak;
}

void startPeakWatch()
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, samplePeak);
    timer->start(10);
    samplePeak();
}

void setPhase(const QString &name)
{
    samplePeak();
    phase = name;
}

void reportRises()
{
    samplePeak();
    for (const auto &r : rises)
        say(QStringLiteral("rise %1 %2 %3").arg(r.phase).arg(r.kb).arg(r.at));
}

void reportMemory(const QString &label)
{
    const auto status = procStatus();
    say(QStringLiteral("mem %1 %2 %3 %4 %5").arg(label).arg(status.value(QStringLiteral("VmHWM")))
            .arg(status.value(QStringLiteral("VmRSS"))).arg(status.value(QStringLiteral("RssAnon")))
            .arg(status.value(QStringLiteral("RssFile"))));
}

// Where the resident memory is: mappings by kind from /proc/self/smaps, the
// largest files, and what malloc holds (kB).
void reportBreakdown()
{
    QFile file(QStringLiteral("/proc/self/smaps"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QMap<QString, qint64> kinds, files;
    QString kind;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 5 && words[0].contains('-') && !words[0].endsWith(':')) {
            const QString path = words.size() >= 6 ? QString::fromLocal8Bit(words[5]) : QString();
            if (path.startsWith(QLatin1Char('/')))
                kind = QStringLiteral("file:") + path.section(QLatin1Char('/'), -1);
            else if (path.isEmpty())
                kind = QStringLiteral("anon");
            else
                kind = path; // [heap], [stack], [vvar] ...
        } else if (words.value(0) == "Rss:") {
            const qint64 kb = words.value(1).toLongLong();
            if (kind.startsWith(QLatin1String("file:")))
                files[kind.mid(5)] += kb;
            else
                kinds[kind] += kb;
        }
    }
    qint64 fileTotal = 0;
    for (qint64 kb : files)
        fileTotal += kb;
    kinds[QStringLiteral("files")] = fileTotal;
    for (auto it = kinds.begin(); it != kinds.end(); ++it)
        if (it.value() > 0)
            say(QStringLiteral("map %1 %2").arg(it.key()).arg(it.value()));
    QList<QPair<qint64, QString>> largest;
    for (auto it = files.begin(); it != files.end(); ++it)
        largest << qMakePair(it.value(), it.key());
    std::sort(largest.begin(), largest.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    for (int i = 0; i < qMin(12, largest.size()); ++i)
        say(QStringLiteral("file %1 %2").arg(largest[i].second).arg(largest[i].first));
    const struct mallinfo2 info = mallinfo2();
    say(QStringLiteral("malloc in-use %1 free %2 mmapped %3 threads %4")
            .arg(qint64(info.uordblks / 1024)).arg(qint64(info.fordblks / 1024)).arg(qint64(info.hblkhd / 1024))
            .arg(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()));
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
    setPhase(QStringLiteral("update:home-page"));
    openPage(window, QStringLiteral("entryMain"));
    QObject *popup = window->findChild<QObject *>(QStringLiteral("popupFirmwareUpdate"));
    if (!popup)
        fail(QStringLiteral("no firmware popup"));
    auto *startButton = qobject_cast<QQuickItem *>(
        item(window, QStringLiteral("startUpdate"))->property("btn").value<QObject *>());
    if (!startButton)
        fail(QStringLiteral("no start update button"));
    setPhase(QStringLiteral("update:popup"));
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
    setPhase(QStringLiteral("update:running"));
    clickItem(window, button);
    if (!popup->property("isInUpdate").toBool())
        fail(QStringLiteral("the update did not start"));
    const bool done = waitUntil([&] { return !popup->property("isInUpdate").toBool(); }, 120000);
    const qint64 elapsed = clock.elapsed();
    setPhase(QStringLiteral("update:after"));
    settle(200);
    QObject *alert = window->findChild<QObject *>(QStringLiteral("popupAlert"));
    const bool ok = done && isConnected(backend) && !(alert && alert->property("visible").toBool());
    if (ok)
        waitIdle(window); // the home page read again
    say(QStringLiteral("update %1 %2 ms firmware %3 -> %4").arg(ok ? "ok" : "FAILED")
            .arg(elapsed).arg(versionBefore, backend->property("firmwareVersion").toString()));
}

QObject *contextObject(QQuickWindow *window, const char *name)
{
    QObject *o = qmlContext(window)->contextProperty(QLatin1String(name)).value<QObject *>();
    if (!o)
        fail(QStringLiteral("no ") + QLatin1String(name));
    return o;
}

// A popup by its object name once it exists (some are made when first opened).
QObject *popupNamed(QQuickWindow *window, const QString &name, int timeoutMs = 3000)
{
    QObject *popup = nullptr;
    waitUntil([&] { return (popup = window->findChild<QObject *>(name)) != nullptr; }, timeoutMs);
    return popup;
}

QQuickItem *inPopup(QObject *popup, const QString &name)
{
    auto *content = qobject_cast<QQuickItem *>(popup->property("contentItem").value<QObject *>());
    QQuickItem *found = content ? content->findChild<QQuickItem *>(name) : nullptr;
    if (!found)
        fail(QStringLiteral("no item named ") + name + QStringLiteral(" in ") + popup->objectName());
    return found;
}

void closePopup(QQuickWindow *window, QObject *popup, const QString &button)
{
    clickItem(window, inPopup(popup, button));
    if (!waitUntil([&] { return !popup->property("visible").toBool(); }, 5000))
        fail(popup->objectName() + QStringLiteral(" did not close"));
}

// The line view from the top bar: the modules found, their lamps read for a
// few rounds, then closed.
void lineView(QQuickWindow *window)
{
    QObject *lineModules = contextObject(window, "lineModules");
    click(window, QStringLiteral("lineViewButton"));
    QObject *popup = popupNamed(window, QStringLiteral("popupLineView"));
    if (!popup || !waitUntil([&] { return popup->property("opened").toBool(); }, 5000))
        fail(QStringLiteral("the line view did not open"));
    if (!waitUntil([&] { return !lineModules->property("finding").toBool(); }, 30000))
        fail(QStringLiteral("the line view did not finish finding"));
    settle(3000); // the lamps' rounds
    say(QStringLiteral("note line view: %1 modules")
            .arg(lineModules->property("modules").toList().size()));
    reportMemory(QStringLiteral("line-view"));
    setPhase(QStringLiteral("line-view:closed"));
    closePopup(window, popup, QStringLiteral("closeButton"));
    settle(500);
}

// The commissioning report of the connected module from the settings page,
// written straight to a file (the save dialog is the operator's part), then closed.
void report(QQuickWindow *window)
{
    QObject *reportObject = contextObject(window, "commissioningReport");
    openPage(window, QStringLiteral("entrySettings"));
    QQuickItem *row = item(window, QStringLiteral("reportRow"));
    auto *button = qobject_cast<QQuickItem *>(row->property("btn").value<QObject *>());
    if (!button)
        fail(QStringLiteral("no report button"));
    // The row is below the page's fold: its button's own handler, as a click would.
    QJSValue onClick = button->property("onClick").value<QJSValue>();
    if (!button->isEnabled() || !onClick.isCallable())
        fail(QStringLiteral("the report button cannot be used"));
    onClick.call();
    QObject *popup = popupNamed(window, QStringLiteral("popupReport"));
    if (!popup || !waitUntil([&] { return popup->property("opened").toBool(); }, 5000))
        fail(QStringLiteral("the report popup did not open"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QMetaObject::invokeMethod(popup, "write", Q_ARG(QVariant, path));
    if (!popup->property("awaiting").toBool())
        fail(QStringLiteral("the report did not start"));
    if (!waitUntil([&] { return !popup->property("awaiting").toBool()
                                && !reportObject->property("busy").toBool(); }, 60000))
        fail(QStringLiteral("the report did not end"));
    say(QStringLiteral("note report %1: %2 bytes").arg(popup->property("resultOk").toBool() ? "ok" : "FAILED")
            .arg(QFileInfo(path).size()));
    reportMemory(QStringLiteral("report"));
    setPhase(QStringLiteral("report:closed"));
    closePopup(window, popup, QStringLiteral("closeReportButton"));
    settle(500);
}

void memoryRound(QQuickWindow *window, QObject *backend)
{
    reportMemory(QStringLiteral("shown"));
    startPeakWatch();
    setPhase(QStringLiteral("connect"));
    connectToModule(window, backend);
    reportMemory(QStringLiteral("connected"));
    setPhase(QStringLiteral("home+apply"));
    openPage(window, QStringLiteral("entryMain"));
    click(window, QStringLiteral("applyButton"));
    waitIdle(window);
    reportMemory(QStringLiteral("home+apply"));
    setPhase(QStringLiteral("communication"));
    openPage(window, QStringLiteral("entryCommunication"));
    reportMemory(QStringLiteral("communication"));
    setPhase(QStringLiteral("measurement"));
    openPage(window, QStringLiteral("entryMeasurement"));
    settle(4500); // two polls
    reportMemory(QStringLiteral("measurement"));
    setPhase(QStringLiteral("alarms"));
    openPage(window, QStringLiteral("entryAlarm"));
    reportMemory(QStringLiteral("alarms"));
    setPhase(QStringLiteral("settings"));
    openPage(window, QStringLiteral("entrySettings"));
    reportMemory(QStringLiteral("settings"));
    setPhase(QStringLiteral("charts"));
    startTwelveCharts(window);
    settle(25000); // past the twenty samples each chart keeps
    reportMemory(QStringLiteral("charts"));
    setPhase(QStringLiteral("charts-closed"));
    click(window, QStringLiteral("closeCharts"));
    firmwareUpdate(window, backend);
    reportMemory(QStringLiteral("update"));
    setPhase(QStringLiteral("line-view"));
    lineView(window);
    setPhase(QStringLiteral("report"));
    report(window);
    setPhase(QStringLiteral("end"));
    openPage(window, QStringLiteral("entryConnection"));
    settle(3000);
    reportMemory(QStringLiteral("end"));
    reportRises();
    reportBreakdown();
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

// What each part of the main window holds while hidden: the malloc'd memory
// and the resident size that go when it is deleted, the file dialogs first.
void partsOfWindow(QQuickWindow *window)
{
    settle(2000);
    QQmlEngine *engine = qmlEngine(window);
    auto measure = [engine] {
        engine->collectGarbage();
        settle(300);
        malloc_trim(0);
        return qMakePair(qint64(mallinfo2().uordblks / 1024), procStatus().value(QStringLiteral("VmRSS")));
    };
    auto drop = [&](const QString &label, const QList<QObject *> &objects) {
        const auto before = measure();
        for (QObject *o : objects)
            delete o;
        const auto after = measure();
        say(QStringLiteral("part %1 %2 %3").arg(label).arg(before.first - after.first).arg(before.second - after.second));
    };
    const auto start = measure();
    say(QStringLiteral("part whole-start %1 %2").arg(start.first).arg(start.second));
    QList<QObject *> dialogs;
    for (QObject *o : window->findChildren<QObject *>())
        if (QByteArray(o->metaObject()->className()).contains("FileDialog"))
            dialogs << o;
    // Only the outermost of nested dialog objects.
    QList<QObject *> outer;
    for (QObject *d : dialogs) {
        bool nested = false;
        for (QObject *p = d->parent(); p; p = p->parent())
            nested = nested || dialogs.contains(p);
        if (!nested)
            outer << d;
    }
    drop(QStringLiteral("file-dialogs(%1)").arg(outer.size()), outer);
    for (const char *name : {"popupBusMonitor", "popupFirmwareUpdate", "popupAlert", "popupWaiting",
                             "chartsPage", "settingsPage", "alarmPage", "measurementPage",
                             "communicationPage", "mainPage"}) {
        QObject *o = window->findChild<QObject *>(QLatin1String(name));
        if (o)
            drop(QLatin1String(name), {o});
    }
    const auto end = measure();
    say(QStringLiteral("part whole-end %1 %2").arg(end.first).arg(end.second));
}

void drive()
{
    QQuickWindow *window = nullptr;
    if (!waitUntil([&] { return windowFrameNs.load() != 0 && (window = mainWindow()) != nullptr; }, 20000))
        fail(QStringLiteral("the main window did not show"));
    QObject *backend = backendOf(window);
    if (role == Role::Parts)
        partsOfWindow(window);
    else if (role == Role::Memory)
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

// The reference: every module the program imports, the Material style from
// the same resource tree; a splash of the same size for a second, then a
// window of the same size with a label and a button.
const char referenceQml[] = R"(
import QtQml 2.15
import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Dialogs 1.3
import QtQuick.Controls 1.4 as C1
Window {
    id: splash
    flags: Qt.SplashScreen
    width: 500
    height: 190
    visible: true
    Text { anchors.centerIn: parent; text: "Reference" }
    Timer {
        interval: 1000
        running: true
        onTriggered: { splash.close(); main.show() }
    }
    ApplicationWindow {
        id: main
        width: 1024
        height: 768
        title: "Reference"
        ColumnLayout {
            anchors.centerIn: parent
            Label { text: "Reference window" }
            Button { text: "Button" }
        }
    }
}
)";

int runReference(int &argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData(referenceQml, QUrl(QStringLiteral("qrc:/reference.qml")));
    return engine.rootObjects().isEmpty() ? 1 : QGuiApplication::exec();
}

void hookChild()
{
    if (role == Role::Parent)
        return;
    qApp->installEventFilter(new FrameWatch);
    if (role == Role::Reference || role == Role::Startup) {
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
            if (role == Role::Reference) {
                settle(3000);
                reportMemory(QStringLiteral("end"));
                reportBreakdown();
            }
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
    // BENCH_CHILD_WRAPPER runs each child under a tool, e.g. "heaptrack -o /tmp/ht".
    QStringList wrapper = qEnvironmentVariable("BENCH_CHILD_WRAPPER").split(' ', Qt::SkipEmptyParts);
    if (!wrapper.isEmpty())
        process.start(wrapper.takeFirst(), wrapper + QStringList{QCoreApplication::applicationFilePath()} + args
                                               + extra);
    else
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

void warmCaches();

bool startup(int runs)
{
    warmCaches();
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

    // The same launches of the minimal splash and window: what a second
    // window's first frame costs here.
    QList<double> refToWindow, refFirstFrame, refLate;
    for (int i = 0; i < runs; ++i) {
        const Child c = runChild(QStringLiteral("reference"), {}, 30000);
        if (!c.ok || !c.times.contains(QStringLiteral("window"))) {
            say(QStringLiteral("  reference launch %1 failed").arg(i + 1));
            return false;
        }
        auto at = [&](const char *name) { return (c.times[QLatin1String(name)] - c.launchNs) / 1e6; };
        refToWindow << at("window");
        refFirstFrame << at("window") - at("surface");
        refLate << at("window") - at("splash") - 1000;
    }
    say(QStringLiteral("  reference (minimal splash, then window), to the window: ") + spread(refToWindow));
    say(QStringLiteral("    of which its show() to its first frame:                 ") + spread(refFirstFrame));
    const double late = median(splashToWindow) - 1000;
    say(QStringLiteral("  main window after the splash's 1000 ms: %1 ms (median), goal 60; "
                       "the reference's window after its splash's 1000 ms: %2 ms; ratio %3")
            .arg(late, 0, 'f', 1).arg(median(refLate), 0, 'f', 1)
            .arg(late / median(refLate), 0, 'f', 2));
    return true;
}

void printBreakdown(const Child &c, const QString &whose)
{
    QStringList kinds, files;
    for (const QStringList &l : c.lines) {
        if (l.value(0) == QLatin1String("map"))
            kinds << l.value(1) + QLatin1Char(' ') + l.value(2);
        else if (l.value(0) == QLatin1String("file"))
            files << l.value(1) + QLatin1Char(' ') + l.value(2);
        else if (l.value(0) == QLatin1String("malloc"))
            say(QStringLiteral("  %1, malloc (kB): %2").arg(whose, l.mid(1).join(' ')));
    }
    say(QStringLiteral("  %1, resident by mapping (kB): %2").arg(whose, kinds.join(", ")));
    say(QStringLiteral("  %1, largest files (kB): %2").arg(whose, files.join(", ")));
}

// The minimal window's peak, shown and after three seconds, in kB.
qint64 referencePeak()
{
    const Child c = runChild(QStringLiteral("reference"), {}, 30000);
    qint64 peak = 0;
    for (const QStringList &l : c.lines) {
        if (l.value(0) == QLatin1String("mem")) {
            say(QStringLiteral("  %1 %2 %3 %4 %5").arg(QStringLiteral("reference ") + l.value(1), -14)
                    .arg(l.value(2), 8).arg(l.value(3), 8).arg(l.value(4), 8).arg(l.value(5), 8));
            peak = qMax(peak, l.value(2).toLongLong());
        }
    }
    printBreakdown(c, QStringLiteral("reference"));
    return c.ok ? peak : 0;
}

qint64 peakOf(const Child &c)
{
    qint64 peak = 0;
    for (const QStringList &l : c.lines)
        if (l.value(0) == QLatin1String("mem"))
            peak = qMax(peak, l.value(2).toLongLong());
    return peak;
}

// The children keep their caches in a folder of this run (see main()): the
// QML compiled from the system's modules and Mesa's compiled shaders. A
// child that finds them empty compiles as it goes and peaks 7 to 15 MB
// higher, the reference as much as the program; one round each fills them,
// so every figure after is taken as at a second launch of the program.
void warmCaches()
{
    static bool warm = false;
    if (warm)
        return;
    warm = true;
    const Child reference = runChild(QStringLiteral("reference"), {}, 30000);
    const Child round = runChild(QStringLiteral("memory"), {}, 300000);
    say(QStringLiteral("caches filled by a first launch of each (not counted): peak %1 kB, reference %2 kB")
            .arg(peakOf(round)).arg(peakOf(reference)));
}

// Rounds of use, each between two launches of the reference. The peak of a
// round moves by a few MB from one to the next (a few MB the renderer and
// malloc take for a moment, in one step or another), so several rounds give
// the median, and the ratio is taken with the reference's median.
bool memory(int rounds)
{
    warmCaches();
    say(QStringLiteral("memory over %1 rounds of use (kB: VmHWM peak, then VmRSS now = RssAnon + RssFile + RssShmem):")
            .arg(rounds));
    say(QStringLiteral("  %1 %2 %3 %4 %5").arg(QStringLiteral("after"), -14).arg(QStringLiteral("VmHWM"), 8)
            .arg(QStringLiteral("VmRSS"), 8).arg(QStringLiteral("RssAnon"), 8).arg(QStringLiteral("RssFile"), 8));
    QList<double> references, peaks;
    const qint64 first = referencePeak();
    if (first <= 0)
        return false;
    references << first;
    bool ok = true;
    for (int round = 1; round <= rounds; ++round) {
        say(QStringLiteral("  round %1:").arg(round));
        const Child c = runChild(QStringLiteral("memory"), {}, 300000);
        qint64 peak = 0;
        QStringList rises;
        for (const QStringList &l : c.lines) {
            if (l.value(0) == QLatin1String("mem")) {
                say(QStringLiteral("  %1 %2 %3 %4 %5").arg(l.value(1), -14).arg(l.value(2), 8).arg(l.value(3), 8)
                        .arg(l.value(4), 8).arg(l.value(5), 8));
                peak = qMax(peak, l.value(2).toLongLong());
            } else if (l.value(0) == QLatin1String("update") || l.value(0) == QLatin1String("note")) {
                say(QStringLiteral("  ") + l.join(' '));
            } else if (l.value(0) == QLatin1String("rise")) {
                rises << QStringLiteral("%1 %2 (%3)").arg(l.value(1), l.value(2), l.value(3));
            }
        }
        say(QStringLiteral("  the peak's rises after the window showed, by what was under way (kB): ")
            + rises.join(", "));
        printBreakdown(c, QStringLiteral("the program at the end"));
        if (!c.ok) {
            say(QStringLiteral("  the round did not finish"));
            ok = false;
            continue;
        }
        peaks << double(peak);
        const qint64 reference = referencePeak();
        if (reference > 0)
            references << reference;
    }
    if (!ok || peaks.isEmpty())
        return false;
    QStringList peakList, referenceList;
    for (double p : peaks)
        peakList << QString::number(qint64(p));
    for (double r : references)
        referenceList << QString::number(qint64(r));
    say(QStringLiteral("peak after the round %1 kB (median; rounds %2), minimal window %3 kB (median; %4): ratio %5")
            .arg(qint64(median(peaks))).arg(peakList.join(QStringLiteral(", ")))
            .arg(qint64(median(references))).arg(referenceList.join(QStringLiteral(", ")))
            .arg(median(peaks) / median(references), 0, 'f', 3));
    return true;
}

bool windowParts()
{
    say(QStringLiteral("what the main window's parts hold once shown (kB: malloc'd, resident) that goes with them:"));
    const Child c = runChild(QStringLiteral("parts"), {}, 60000);
    for (const QStringList &l : c.lines)
        if (l.value(0) == QLatin1String("part"))
            say(QStringLiteral("  %1 %2 %3").arg(l.value(1), -24).arg(l.value(2), 8).arg(l.value(3), 8));
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
        role = mode == "startup"     ? Role::Startup
               : mode == "memory"    ? Role::Memory
               : mode == "reference" ? Role::Reference
               : mode == "parts"     ? Role::Parts
                                     : Role::Cpu;
        if (argc >= 5 && qstrcmp(argv[3], "--seconds") == 0)
            cpuSeconds = QByteArray(argv[4]).toInt();
        int qtArgc = 1;
        if (role == Role::Reference)
            return runReference(qtArgc, argv);
        return runApplication(qtArgc, argv, QUrl(QStringLiteral("qrc:/screen/VSplashScreen.qml")));
    }

    QCoreApplication app(argc, argv);
    int runs = 7, seconds = 60, rounds = 3;
    QStringList parts;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--runs"))
            runs = args.value(++i).toInt();
        else if (args[i] == QLatin1String("--rounds"))
            rounds = qMax(1, args.value(++i).toInt());
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
    // Caches of their own too, filled once before the figures: what other
    // programs of the machine did to the user's caches changes nothing here.
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    qunsetenv("MESA_SHADER_CACHE_DIR");
    // Five modules beside the one connected to (247), for the line view.
    VirtualLine line({QStringLiteral("--slaves"), QStringLiteral("110-114,247")});
    if (!line.start())
        return 1;

    say(QStringLiteral("load average before: %1").arg(loadAverage()));
    bool ok = true;
    for (const QString &part : parts) {
        if (part == QLatin1String("startup"))
            ok = startup(runs) && ok;
        else if (part == QLatin1String("memory"))
            ok = memory(rounds) && ok;
        else if (part == QLatin1String("parts"))
            ok = windowParts() && ok;
        else if (part == QLatin1String("cpu"))
            ok = cpu(seconds) && ok;
        else
            say(QStringLiteral("unknown part ") + part);
    }
    say(QStringLiteral("load average after: %1").arg(loadAverage()));
    return ok ? 0 : 1;
}
