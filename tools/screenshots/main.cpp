// The program itself, with a driver that walks through the pages (clicking
// as the operator would) and writes a PNG of each, at 1024 x 768 and 800 x 600.
// Run by scripts/screenshots under Xvfb against the virtual module.
#include "app/startup.h"
#include "tools/drive/eventwait.h"
#include "tools/drive/windowdriver.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <functional>

namespace {

QString outDir;
int failures = 0;

void say(const QString &line)
{
    QTextStream(stdout) << line << Qt::endl;
}

void shoot(QQuickWindow *window, const QString &name)
{
    QTest::qWait(400); // animations and the last frame
    const QString path = QDir(outDir).filePath(name + QStringLiteral(".png"));
    if (window->grabWindow().save(path)) {
        say(QStringLiteral("wrote ") + path);
    } else {
        say(QStringLiteral("could not write ") + path);
        ++failures;
    }
}

QQuickItem *item(QQuickWindow *window, const QString &name)
{
    QQuickItem *found = findItem(window, name);
    if (!found) {
        say(QStringLiteral("no item named ") + name);
        ++failures;
    }
    return found;
}

void click(QQuickWindow *window, const QString &name)
{
    QQuickItem *target = item(window, name);
    if (!target)
        return;
    clickItem(window, target);
}

void control(const QString &command)
{
    const QString socket = qEnvironmentVariable("ORVALIS_MODULE_CONTROL");
    const QString script = QCoreApplication::applicationDirPath()
                           + QStringLiteral("/../tools/virtual-module/control");
    QProcess::execute(script, QStringList{QStringLiteral("--socket"), socket} + command.split(' '));
}

QObject *popup(QQuickWindow *window, const QString &name)
{
    QObject *found = window->findChild<QObject *>(name);
    if (!found) {
        say(QStringLiteral("no popup named ") + name);
        ++failures;
    }
    return found;
}

bool opened(QObject *popup)
{
    return popup && popup->property("opened").toBool();
}

// A button of an open popup, where several popups have one of that name.
void clickIn(QQuickWindow *window, QObject *popup, const QString &name)
{
    QQuickItem *content = popup ? popup->property("contentItem").value<QQuickItem *>() : nullptr;
    QQuickItem *button = content ? content->findChild<QQuickItem *>(name) : nullptr;
    if (!button) {
        say(QStringLiteral("no button ") + name);
        ++failures;
        return;
    }
    clickItem(window, button);
}

void selectModulePort(QQuickWindow *window)
{
    const QString entry = qEnvironmentVariable("ORVALIS_SERIAL_PORTS").section(QLatin1Char('='), 0, 0);
    QQuickItem *box = item(window, QStringLiteral("portSelector"));
    if (!box)
        return;
    const int index = portEntryIndex(box, entry);
    if (index >= 0) {
        box->setProperty("currentIndex", index);
        return;
    }
    say(QStringLiteral("the module's port is not listed"));
    ++failures;
}

// The hidden charts page: revealed by five quick clicks on the menu logo, all
// twelve charts plotting the module's voltages, then one chart alone.
void shootCharts(QQuickWindow *window, const QString &tag)
{
    QQuickItem *entry = item(window, QStringLiteral("entryCharts"));
    if (entry && !entry->isVisible()) {
        for (int i = 0; i < 5; ++i)
            click(window, QStringLiteral("menuLogo"));
    }
    click(window, QStringLiteral("entryCharts"));
    const QStringList lines{QStringLiteral("lineVoltage"), QStringLiteral("lineCurrent"),
                            QStringLiteral("lineActive"), QStringLiteral("lineReactive")};
    for (const QString &name : lines) {
        QQuickItem *line = item(window, name);
        if (!line)
            continue;
        // Row of the line, its row of cells, each cell's box.
        QQuickItem *cells = line->childItems().value(0)->childItems().value(1);
        for (QQuickItem *cell : cells->childItems()) {
            QQuickItem *box = cell->childItems().value(0);
            if (box->property("checked").toBool())
                continue;
            const QPointF centre = box->mapToScene(QPointF(box->width() / 2, box->height() / 2));
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
        }
    }
    shoot(window, tag + QStringLiteral("-15-charts-selection"));
    click(window, QStringLiteral("startButton"));
    QTest::qWait(8500); // eight samples, one a second
    shoot(window, tag + QStringLiteral("-16-charts-all"));
    click(window, QStringLiteral("chart5"));
    QTest::qWait(1500);
    shoot(window, tag + QStringLiteral("-17-charts-one-alone"));
    click(window, QStringLiteral("chart5"));
    click(window, QStringLiteral("closeCharts"));
}

// The bus monitor over the measurement page, held still, the extremes' row
// picked so that it shows whole below the list.
void shootMonitor(QQuickWindow *window, const QString &tag)
{
    click(window, QStringLiteral("entryMeasurement"));
    waitIdle(window, 15000);
    click(window, QStringLiteral("busMonitorButton"));
    QTest::qWait(2500); // a poll
    click(window, QStringLiteral("pauseButton"));
    auto *monitor = qobject_cast<QAbstractItemModel *>(
        qmlContext(window)->contextProperty(QStringLiteral("busMonitor")).value<QObject *>());
    QQuickItem *list = item(window, QStringLiteral("busMonitorList"));
    if (monitor && list) {
        const int address = monitor->roleNames().key("address");
        for (int row = monitor->rowCount() - 1; row >= 0; --row) {
            if (monitor->index(row, 0).data(address).toString().startsWith(QLatin1String("36924 "))) {
                list->setProperty("currentIndex", row);
                QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, row), Q_ARG(int, 2));
                break;
            }
        }
    }
    shoot(window, tag + QStringLiteral("-22-bus-monitor"));
    click(window, QStringLiteral("pauseButton"));
    clickIn(window, popup(window, QStringLiteral("popupBusMonitor")), QStringLiteral("closeButton"));
    QTest::qWait(300);
}

// The line view from the top bar: the modules of the line once found, their
// lamps read, one with a blown fuse.
void shootLineView(QQuickWindow *window, const QString &tag)
{
    control(QStringLiteral("slave 112 alarm fuse 2 1"));
    click(window, QStringLiteral("lineViewButton"));
    QObject *lines = qmlContext(window)->contextProperty(QStringLiteral("lineModules")).value<QObject *>();
    if (!waitUntil([lines] { return lines && !lines->property("finding").toBool(); }, 30000)) {
        say(QStringLiteral("the line's modules were not found"));
        ++failures;
    }
    QTest::qWait(2500); // a round of the lamps
    shoot(window, tag + QStringLiteral("-31-line-view"));
    clickIn(window, popup(window, QStringLiteral("popupLineView")), QStringLiteral("closeButton"));
    control(QStringLiteral("slave 112 alarm fuse 2 0"));
    QTest::qWait(300);
}

void walk()
{
    QQuickWindow *splash = nullptr;
    waitUntil([&] { return (splash = findWindow([](QQuickWindow *w) {
                              return w->flags().testFlag(Qt::SplashScreen);
                          })) != nullptr; },
            3000);
    if (splash)
        shoot(splash, QStringLiteral("00-splash"));

    QQuickWindow *window = nullptr;
    if (!waitUntil([&] { return (window = findWindow([](QQuickWindow *w) {
                                   return w->title() == QLatin1String("Orvalis Software");
                               })) != nullptr; },
                 5000)) {
        say(QStringLiteral("the main window did not show"));
        QCoreApplication::exit(1);
        return;
    }
    QObject *backend = qmlContext(window)->contextProperty(QStringLiteral("backend")).value<QObject *>();
    auto connected = [backend] { return backend->property("connectionState").toBool(); };
    // On the virtual module's line, as the operator would pick it.
    auto connectToModule = [&] {
        click(window, QStringLiteral("entryConnection"));
        selectModulePort(window);
        click(window, QStringLiteral("connectButton"));
        if (!waitUntil(connected, 10000)) {
            say(QStringLiteral("no connection to the module"));
            ++failures;
        }
        waitIdle(window, 15000);
    };

    // The module's states that need the module's help: left in its bootloader,
    // and its serial settings changed.
    auto shootModuleStates = [&](const QString &tag) {
        // An update the bootloader refuses leaves the module there: the next
        // connect names it, and a good update brings it back.
        if (QObject *firmware = window->findChild<QObject *>(QStringLiteral("popupFirmwareUpdate"))) {
            QFile image(QDir(outDir).filePath(QStringLiteral("image.bin")));
            if (image.open(QIODevice::WriteOnly) && image.write(QByteArray(100, '\x5a')) == 100) {
                image.close();
                control(QStringLiteral("exception 50525 4"));
                QMetaObject::invokeMethod(firmware, "open");
                firmware->setProperty("filename", image.fileName());
                click(window, QStringLiteral("updateButton"));
                QObject *alert = popup(window, QStringLiteral("popupAlert"));
                waitUntil([&] { return opened(alert); }, 30000);
                control(QStringLiteral("exception clear"));
                clickIn(window, alert, QStringLiteral("okButton"));
                waitUntil([&] { return !connected() && !opened(alert); }, 5000);
                waitIdle(window, 15000);
                QTest::qWait(500);
                connectToModule();
                waitUntil([&] { return opened(alert); }, 5000);
                shoot(window, tag + QStringLiteral("-27-bootloader-alert"));
                clickIn(window, alert, QStringLiteral("okButton"));
                waitUntil([&] { return !opened(alert); }, 5000);
                waitIdle(window, 15000);
                QTest::qWait(300);
                click(window, QStringLiteral("entryMain"));
                shoot(window, tag + QStringLiteral("-28-bootloader-main"));
                QMetaObject::invokeMethod(firmware, "open");
                firmware->setProperty("filename", image.fileName());
                click(window, QStringLiteral("updateButton"));
                waitUntil([&] { QObject *n = window->findChild<QObject *>(QStringLiteral("notice"));
                                return n && n->property("visible").toBool(); }, 30000);
                waitIdle(window, 15000);
                image.remove();
            }
        }
        // The module's own serial settings: confirmed before they are written,
        // then a reconnect at them is offered.
        click(window, QStringLiteral("entryCommunication"));
        waitIdle(window, 15000);
        QQuickItem *communicationPage = item(window, QStringLiteral("communicationPage"));
        QQuickItem *baudrate
            = communicationPage ? communicationPage->findChild<QQuickItem *>(QStringLiteral("baudrate")) : nullptr;
        QObject *box = baudrate ? baudrate->property("cb").value<QObject *>() : nullptr;
        if (box) {
            if (QQuickItem *settings = item(window, QStringLiteral("settings")))
                settings->setProperty("isOpen", true);
            box->setProperty("currentIndex", box->property("currentIndex").toInt() + 2);
            click(window, QStringLiteral("applyButton"));
            QObject *confirm = popup(window, QStringLiteral("popupSerialSettings"));
            waitUntil([&] { return opened(confirm); }, 5000);
            shoot(window, tag + QStringLiteral("-29-serial-settings-confirm"));
            clickIn(window, confirm, QStringLiteral("yesButton"));
            QObject *reconnect = popup(window, QStringLiteral("popupReconnect"));
            waitUntil([&] { return opened(reconnect); }, 10000);
            shoot(window, tag + QStringLiteral("-30-reconnect-question"));
            clickIn(window, reconnect, QStringLiteral("noButton"));
            waitUntil([&] { return !opened(reconnect); }, 5000);
            waitIdle(window, 15000);
            // Back at the settings the rest of the walk connects with.
            control(QStringLiteral("set 31506 0 19200"));
            QMetaObject::invokeMethod(backend, "disconnectDevice");
            waitUntil([&] { return !connected(); }, 5000);
            waitIdle(window, 15000);
            QTest::qWait(500);
            connectToModule();
            if (QQuickItem *settings = item(window, QStringLiteral("settings")))
                settings->setProperty("isOpen", false);
        } else {
            say(QStringLiteral("no baud rate on the communication page"));
            ++failures;
        }
    };

    // English at both sizes, then German at both (its longer texts must fit too).
    // ORVALIS_SHOTS=monitor: only the bus monitor, at the smallest and a large
    // window in both languages.
    // ORVALIS_SHOTS=states: only the module's states, at the smallest window.
    // ORVALIS_SHOTS=line: only the line view, at the smallest window.
    const bool monitorOnly = qEnvironmentVariable("ORVALIS_SHOTS") == QLatin1String("monitor");
    const bool statesOnly = qEnvironmentVariable("ORVALIS_SHOTS") == QLatin1String("states");
    const bool lineOnly = qEnvironmentVariable("ORVALIS_SHOTS") == QLatin1String("line");
    const QList<QPair<QSize, int>> passes
        = statesOnly || lineOnly ? QList<QPair<QSize, int>>{{QSize(800, 600), 0}, {QSize(800, 600), 1}}
        : monitorOnly ? QList<QPair<QSize, int>>{{QSize(800, 600), 0}, {QSize(800, 600), 1},
                                                 {QSize(1920, 1080), 0}, {QSize(1920, 1080), 1}}
                      : QList<QPair<QSize, int>>{{QSize(1024, 768), 0}, {QSize(800, 600), 0},
                                                 {QSize(1024, 768), 1}, {QSize(800, 600), 1}};
    for (const auto &pass : passes) {
        const QSize size = pass.first;
        if (backend->property("currentLanguage").toInt() != pass.second) {
            backend->setProperty("currentLanguage", pass.second);
            QMetaObject::invokeMethod(backend, "switchLanguage");
        }
        window->resize(size);
        QTest::qWait(300);
        const QString tag = QStringLiteral("%1%2x%3")
                                .arg(pass.second == 1 ? QStringLiteral("de-") : QString())
                                .arg(size.width())
                                .arg(size.height());

        if (monitorOnly) {
            if (!connected())
                connectToModule();
            shootMonitor(window, tag);
            continue;
        }
        if (statesOnly) {
            if (!connected())
                connectToModule();
            shootModuleStates(tag);
            continue;
        }
        if (lineOnly) {
            if (!connected())
                connectToModule();
            shootLineView(window, tag);
            continue;
        }

        // Disconnected.
        click(window, QStringLiteral("entryConnection"));
        shoot(window, tag + QStringLiteral("-01-connection"));
        click(window, QStringLiteral("connectionParameters"));
        shoot(window, tag + QStringLiteral("-02-connection-parameters"));
        // The keyboard's place: Tab from the menu to the Connection button.
        // Without a window manager nothing gives the window the keyboard.
        window->requestActivate();
        QTest::qWaitForWindowActive(window, 2000);
        for (int i = 0; i < 20; ++i) {
            QQuickItem *focus = window->activeFocusItem();
            if (focus && focus->objectName() == QLatin1String("key") && focus->parentItem()
                && focus->parentItem()->objectName() == QLatin1String("connectButton"))
                break;
            QTest::keyClick(window, Qt::Key_Tab);
        }
        shoot(window, tag + QStringLiteral("-02-keyboard-focus"));
        click(window, QStringLiteral("connectionParameters"));
        click(window, QStringLiteral("entryMain"));
        shoot(window, tag + QStringLiteral("-03-main-disconnected"));
        click(window, QStringLiteral("entryAlarm"));
        shoot(window, tag + QStringLiteral("-04-alarm-disconnected"));
        click(window, QStringLiteral("entrySettings"));
        shoot(window, tag + QStringLiteral("-05-settings"));

        // Connected.
        connectToModule();
        shoot(window, tag + QStringLiteral("-06-connection-connected"));
        control(QStringLiteral("alarm fuse 2 1"));
        click(window, QStringLiteral("entryAlarm"));
        QTest::qWait(4500); // two polls
        shoot(window, tag + QStringLiteral("-07-alarm-fuse-blown"));
        // The measurement page, a few sections open at a time (it scrolls).
        click(window, QStringLiteral("entryMeasurement"));
        waitIdle(window, 15000);
        const QList<QPair<QString, QStringList>> sections{
            {QStringLiteral("-12-measurement-currents"),
             {QStringLiteral("measurementFuses"), QStringLiteral("measurementCurrents")}},
            {QStringLiteral("-13-measurement-powers"), {QStringLiteral("measurementPowers")}},
            {QStringLiteral("-14-measurement-voltages"), {QStringLiteral("measurementVoltages")}}};
        for (const auto &shot : sections) {
            for (const QString &name : shot.second)
                if (QQuickItem *section = item(window, name))
                    section->setProperty("isOpen", true);
            shoot(window, tag + shot.first);
            for (const QString &name : shot.second)
                if (QQuickItem *section = item(window, name))
                    section->setProperty("isOpen", false);
        }
        control(QStringLiteral("alarm fuse 2 0"));
        click(window, QStringLiteral("entryMain"));
        waitIdle(window, 15000);
        shoot(window, tag + QStringLiteral("-08-main-connected"));
        shootMonitor(window, tag);
        shootLineView(window, tag);
        click(window, QStringLiteral("entryMain"));
        waitIdle(window, 15000);
        // A slow module: the wait says what for, then offers Cancel, which
        // lets the request on the line end and says what was written.
        control(QStringLiteral("delay 1500"));
        click(window, QStringLiteral("applyButton"));
        QTest::qWait(3300);
        shoot(window, tag + QStringLiteral("-22-waiting-cancel"));
        click(window, QStringLiteral("cancelButton"));
        shoot(window, tag + QStringLiteral("-23-cancelling"));
        waitUntil([&] { QObject *a = window->findChild<QObject *>(QStringLiteral("popupAlert"));
                        return a && a->property("opened").toBool(); }, 10000);
        shoot(window, tag + QStringLiteral("-24-cancelled"));
        click(window, QStringLiteral("okButton"));
        control(QStringLiteral("delay 0"));
        waitIdle(window, 15000);
        click(window, QStringLiteral("applyButton"));
        waitUntil([&] { QObject *n = window->findChild<QObject *>(QStringLiteral("notice"));
                        return n && n->property("visible").toBool(); }, 10000);
        shoot(window, tag + QStringLiteral("-25-apply-notice"));
        QObject *firmware = window->findChild<QObject *>(QStringLiteral("popupFirmwareUpdate"));
        if (firmware) {
            QMetaObject::invokeMethod(firmware, "open");
            shoot(window, tag + QStringLiteral("-09-firmware-popup"));
            // A small image, as if chosen: the update's end names the settings copy.
            QFile image(QDir(outDir).filePath(QStringLiteral("image.bin")));
            if (image.open(QIODevice::WriteOnly) && image.write(QByteArray(100, '\x5a')) == 100) {
                image.close();
                firmware->setProperty("filename", image.fileName());
                click(window, QStringLiteral("updateButton"));
                waitUntil([&] { QObject *n = window->findChild<QObject *>(QStringLiteral("notice"));
                                return n && n->property("visible").toBool(); }, 30000);
                waitIdle(window, 15000);
                shoot(window, tag + QStringLiteral("-26-update-notice"));
                image.remove();
            } else {
                QMetaObject::invokeMethod(firmware, "close");
            }
        }
        shootModuleStates(tag);
        // The communication page, read from the module, a few sections at a
        // time; then two fields in error, put right again by a refresh.
        waitIdle(window, 15000);
        click(window, QStringLiteral("entryCommunication"));
        waitIdle(window, 15000);
        const QList<QPair<QString, QStringList>> communication{
            {QStringLiteral("-18-communication-general"), {QStringLiteral("general")}},
            {QStringLiteral("-19-communication-settings"),
             {QStringLiteral("settings"), QStringLiteral("ctPhases")}},
            {QStringLiteral("-20-communication-thresholds"),
             {QStringLiteral("thresholds"), QStringLiteral("others")}}};
        for (const auto &shot : communication) {
            for (const QString &name : shot.second)
                if (QQuickItem *section = item(window, name))
                    section->setProperty("isOpen", true);
            shoot(window, tag + shot.first);
            if (shot.first.endsWith(QLatin1String("thresholds"))) {
                QQuickItem *voltage = item(window, QStringLiteral("limitVoltage"));
                QQuickItem *message = item(window, QStringLiteral("minimumTimeMessage"));
                QQuickItem *monitoring = item(window, QStringLiteral("callMonitoringTime"));
                if (voltage && message && monitoring) {
                    voltage->setProperty("_text", QStringLiteral("70000"));
                    message->setProperty("_text", QStringLiteral("0"));
                    // Five digits in a field of four: kept, and in error.
                    monitoring->setProperty("_text", QStringLiteral("12345"));
                    shoot(window, tag + QStringLiteral("-21-communication-errors"));
                    // Apply names the fields in error.
                    click(window, QStringLiteral("applyButton"));
                    shoot(window, tag + QStringLiteral("-22-apply-names-the-fields"));
                    click(window, QStringLiteral("okButton"));
                    // Closing with the changes not applied asks; Escape keeps the window.
                    window->close();
                    shoot(window, tag + QStringLiteral("-23-close-with-changes"));
                    QTest::keyClick(window, Qt::Key_Escape);
                    QTest::qWait(300);
                    click(window, QStringLiteral("refreshButton"));
                    waitIdle(window, 15000);
                }
            }
            for (const QString &name : shot.second)
                if (QQuickItem *section = item(window, name))
                    section->setProperty("isOpen", false);
        }
        waitIdle(window, 15000);
        // Qt's own file dialog, in the interface's language.
        click(window, QStringLiteral("entrySettings"));
        if (QQuickItem *save = item(window, QStringLiteral("saveSettings"))) {
            clickItem(window, save->property("btn").value<QQuickItem *>(), 1000);
            QQuickWindow *dialog = findWindow([window](QQuickWindow *w) { return w != window; });
            if (dialog)
                shoot(dialog, tag + QStringLiteral("-24-file-dialog"));
            if (QObject *lazy = window->findChild<QObject *>(QStringLiteral("settingsFileDialog")))
                QMetaObject::invokeMethod(lazy, "close");
        }
        shootCharts(window, tag);

        // The module falls silent: after the client's resends the alert says
        // why, and the pages keep their values, greyed.
        click(window, QStringLiteral("entryMeasurement"));
        waitIdle(window, 15000);
        QQuickItem *currents = item(window, QStringLiteral("measurementCurrents"));
        if (currents)
            currents->setProperty("isOpen", true);
        control(QStringLiteral("silent on"));
        if (!waitUntil([&] { return !connected(); }, 15000)) {
            say(QStringLiteral("the silent module was not noticed"));
            ++failures;
        }
        shoot(window, tag + QStringLiteral("-22-link-lost-alert"));
        click(window, QStringLiteral("okButton"));
        shoot(window, tag + QStringLiteral("-23-measurement-stale"));
        if (currents)
            currents->setProperty("isOpen", false);
        click(window, QStringLiteral("entryMain"));
        shoot(window, tag + QStringLiteral("-24-main-stale"));
        control(QStringLiteral("silent off"));

        click(window, QStringLiteral("entryConnection"));
        if (connected()) {
            click(window, QStringLiteral("connectButton"));
            waitUntil([&] { return !connected(); }, 5000);
        }
        QTest::qWait(500);

        // An alert: the slave address out of range.
        click(window, QStringLiteral("connectionParameters"));
        QQuickItem *address = item(window, QStringLiteral("slaveAddress"));
        if (address) {
            address->setProperty("_text", QStringLiteral("300"));
            shoot(window, tag + QStringLiteral("-10-slave-address-error"));
            click(window, QStringLiteral("connectButton"));
            shoot(window, tag + QStringLiteral("-11-alert"));
            click(window, QStringLiteral("okButton"));
            address->setProperty("_text", QStringLiteral("247"));
        }
        click(window, QStringLiteral("connectionParameters"));
    }
    backend->setProperty("currentLanguage", 0);
    QMetaObject::invokeMethod(backend, "switchLanguage");
    say(QStringLiteral("%1 problem(s)").arg(failures));
    QCoreApplication::exit(failures == 0 ? 0 : 1);
}

void startDriver()
{
    QTimer::singleShot(200, walk);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriver)

int main(int argc, char *argv[])
{
    if (argc < 2) {
        QTextStream(stderr) << "usage: orvalis-screenshots OUTPUT_DIR\n";
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    int qtArgc = 1;
    return runApplication(qtArgc, argv, QUrl(QStringLiteral("qrc:/screen/VSplashScreen.qml")));
}
