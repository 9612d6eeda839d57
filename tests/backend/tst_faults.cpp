#include "tst_faults.h"
#include "tst_slowmodule.h"

#include "app/translate.h"
#include "backend/backend.h"
#include "link/tmodbus.h"
#include "tools/drive/eventwait.h"
#include "support/virtualline.h"
#include "update/firmwareupdate.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// "fn addr count [values]", then " -> answer" unless the module answered normally.
QString text(const QJsonObject &r)
{
    QString t = QStringLiteral("%1 %2 %3")
                    .arg(r[QStringLiteral("fn")].toInt())
                    .arg(r[QStringLiteral("addr")].toInt())
                    .arg(r[QStringLiteral("count")].toInt());
    QStringList values;
    for (const QJsonValue &v : r[QStringLiteral("values")].toArray())
        values.append(QString::number(v.toInt()));
    if (!values.isEmpty())
        t += QLatin1Char(' ') + values.join(QLatin1Char(','));
    const QString answer = r[QStringLiteral("answer")].toString();
    if (answer != QLatin1String("normal"))
        t += QStringLiteral(" -> ") + answer;
    return t;
}

// The poll's reads, status and measurements, which may fall anywhere in a window.
bool isPoll(const QJsonObject &r)
{
    const int fn = r[QStringLiteral("fn")].toInt();
    const int addr = r[QStringLiteral("addr")].toInt();
    if (fn == 1)
        return addr == 30000 || addr == 32311 || addr == 50574;
    static const QList<int> measurements = {36812, 36860, 36876, 36924, 50540, 50552, 50567};
    return fn == 3 && measurements.contains(addr);
}

QStringList withoutPoll(const QList<QJsonObject> &log)
{
    QStringList result;
    for (const QJsonObject &r : log) {
        if (!isPoll(r))
            result.append(text(r));
    }
    return result;
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(random.bounded(256));
    return bytes;
}

// Every property but the link state, to show that a failure decoded nothing.
QVariantMap properties(const Backend &backend)
{
    QVariantMap values;
    const QMetaObject *meta = backend.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (QByteArray(p.name()) != "connectionState")
            values.insert(QString::fromLatin1(p.name()), p.read(&backend));
    }
    return values;
}

} // namespace

// The program's wiring; the line can be replaced when a test has killed it.
struct TestLineFaults::Rig {
    Rig() : translate(nullptr), backend(&worker, &translate, &update)
    {
        QObject::connect(&backend, &Backend::connectionEnd, &context,
                         [this](bool ok) { events << (ok ? "end true" : "end false"); });
        QObject::connect(&backend, &Backend::connectionStateChanged, &context, [this] {
            events << (backend.connectionState() ? "state true" : "state false");
        });
        QObject::connect(&backend, &Backend::connectionError, &context, [this] { events << "error"; });
        QObject::connect(&backend, &Backend::disconnectionEnd, &context,
                         [this] { events << "disconnected"; });
        QObject::connect(&backend, &Backend::loadRegisterFinish, &context, [this] { events << "load"; });
        QObject::connect(&backend, &Backend::refreshEnd, &context, [this] { events << "refresh"; });
        QObject::connect(&backend, &Backend::applyEnd, &context, [this] { events << "apply"; });
        QObject::connect(&backend, &Backend::updateFail, &context, [this] { events << "updateFail"; });
        QObject::connect(&backend, &Backend::updateSuccess, &context,
                         [this] { events << "updateSuccess"; });
    }

    bool newLine()
    {
        line.reset(new VirtualLine);
        return line->start();
    }

    bool control(const QStringList &commands)
    {
        for (const QString &c : commands) {
            const QString answer = line->command(c);
            if (answer != QLatin1String("ok")) {
                qWarning() << "module:" << c << "->" << answer;
                return false;
            }
        }
        return true;
    }

    QString get(const QString &range) { return line->command(QStringLiteral("get ") + range); }

    QList<QJsonObject> log() const { return line->requests(); }

    // Waits for the end of a poll tick, so that the next one is about 2 s away.
    bool afterPollTick()
    {
        line->mark();
        return waitUntil([this] {
            for (const QJsonObject &r : log()) {
                if (r[QStringLiteral("fn")].toInt() == 1 && r[QStringLiteral("addr")].toInt() == 50574)
                    return true;
            }
            return false;
        }, 3000);
    }

    // Until the module has heard nothing new for a while.
    bool quiet(int ms)
    {
        int before = -1;
        return waitUntil([&] {
            settle(250);
            const int now = log().size();
            const bool still = now == before;
            before = now;
            return still;
        }, ms);
    }

    std::unique_ptr<VirtualLine> line;
    FirmwareUpdate update;
    TModbus worker;
    Translate translate;
    Backend backend;
    QObject context;
    QStringList events;
    QTemporaryDir files;
    int recoveries = 0;
};

TestLineFaults::TestLineFaults() = default;
TestLineFaults::~TestLineFaults() = default;

void TestLineFaults::initTestCase()
{
    QVERIFY(dataHome.isValid());
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    rig.reset(new Rig);
    QVERIFY(rig->newLine());
}

void TestLineFaults::init()
{
    QVERIFY(rig);
    QVERIFY(rig->control({"silent off", "corrupt off", "delay 0", "exception clear", "plug"}));
    rig->worker.client()->setWatchdogInterval(11000);
    rig->backend.setMeasurementEnable(false);
    // Whatever an earlier, failed test left in the queue runs out first.
    if (rig->backend.connectionState())
        QVERIFY(rig->quiet(5000));
    rig->events.clear();
}

void TestLineFaults::cleanupTestCase()
{
    rig.reset();
}

bool TestLineFaults::connectBackend()
{
    Backend &backend = rig->backend;
    if (backend.connectionState())
        return true;
    backend.refreshSerialPortList();
    const int index = backend.lstDevices().indexOf(rig->line->portNumber());
    if (index < 0)
        return false;
    const int ends = rig->events.count("end true") + rig->events.count("end false");
    const int loads = rig->events.count("load");
    backend.connectDevice(index, 247, 0, 1);
    // A successful connect ends with the read-back of the module clock; a
    // bootloader has none.
    const bool ended = waitUntil([&] {
        const int now = rig->events.count("end true") + rig->events.count("end false");
        return now > ends
               && (!backend.connectionState() || backend.moduleInBootloader() || rig->events.count("load") > loads);
    }, 5000);
    if (!ended || !backend.connectionState())
        return false;
    rig->events.clear();
    return true;
}

// The common end of every fault: with the module healthy again the next
// connect works, and a page refresh brings the module's current values.
void TestLineFaults::checkRecovery()
{
    Backend &backend = rig->backend;
    QVERIFY(rig->control({"silent off", "corrupt off", "delay 0", "exception clear", "plug"}));
    rig->worker.client()->setWatchdogInterval(11000);
    QVERIFY2(connectBackend(), "the next connect failed");
    const int version = 300 + ++rig->recoveries;
    QVERIFY(rig->control({QStringLiteral("set 31006 %1").arg(version)}));
    rig->events.clear();
    backend.refreshHomePage();
    QVERIFY2(waitUntil([&] { return rig->events.contains("refresh"); }, 5000),
             qPrintable(rig->events.join(',')));
    QCOMPARE(rig->events, (QStringList{"load", "refresh"}));
    QCOMPARE(backend.firmwareVersion(), QString::number(version));
    QVERIFY(backend.connectionState());
}

// A module that stops answering in the middle of a refresh: the serial
// client's own retries give up after about 10.5 s (the one real time-out of
// the Backend path here), the link is dropped with one "Communication error".
void TestLineFaults::silenceDuringRefresh()
{
    QVERIFY(connectBackend());
    Backend &backend = rig->backend;
    QVERIFY(rig->control({"set 31006 211", "set 50589 0x5349 0x4c00 0"}));
    backend.refreshHomePage();
    QVERIFY(waitUntil([&] { return rig->events.contains("refresh"); }, 5000));
    QCOMPARE(backend.firmwareVersion(), QStringLiteral("211"));
    QVERIFY(rig->afterPollTick());
    QVERIFY(rig->control({"silent on", "set 31006 212", "set 50589 0x4e45 0x5700 0"}));

    rig->line->mark();
    rig->events.clear();
    QElapsedTimer clock;
    clock.start();
    backend.refreshHomePage();
    QVERIFY(waitUntil([&] { return rig->events.contains("refresh"); }, 16000));
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed > 9000 && elapsed < 12500, qPrintable(QString::number(elapsed)));
    // One alert; the rest of the sequence fails at once and still closes the popup.
    QCOMPARE(rig->events, (QStringList{"state false", "error", "load", "refresh"}));
    QVERIFY(!backend.connectionState());
    QCOMPARE(backend.firmwareVersion(), QStringLiteral("211"));
    QCOMPARE(backend.fsdid(), QStringLiteral("SIL"));

    // Only the first read ever reached the module, over and over.
    const QList<QJsonObject> sent = rig->log();
    QVERIFY2(sent.size() >= 2, qPrintable(QString::number(sent.size())));
    for (const QJsonObject &r : sent)
        QCOMPARE(text(r), QStringLiteral("3 50573 11 -> silent"));

    // Disconnected: nothing more goes out, the poll included.
    rig->line->mark();
    settle(2500);
    QVERIFY(rig->log().isEmpty());
    checkRecovery();
}

// A refused write in the middle of an apply is not a broken link: the rest of
// the sequence is still written, the page closes as usual and no alert comes.
void TestLineFaults::exceptionDuringApply()
{
    QVERIFY(connectBackend());
    Backend &backend = rig->backend;
    QVERIFY(rig->control({"exception 50507 4"}));
    const QString thresholds = rig->get("50507 6");
    backend.setTimeDurationMeans(11);
    backend.setPassword(0);
    backend.setActivePowerCalculatedOn(true);
    backend.setFrequency(false);
    backend.setLimitVoltage(7);
    backend.setLimitVoltageDuration(8);
    backend.setLimitCurrent(9);
    backend.setLimitCurrentDuration(10);
    backend.setMinimumTimeMessage(11);
    backend.setCallMonitoringTime(12);
    backend.setParity(2);
    backend.setBaudrate(115200);
    backend.setSlaveAddress(247);

    rig->line->mark();
    backend.applyCommunicationPage();
    QVERIFY(waitUntil([&] { return rig->events.contains("apply"); }, 5000));
    QCOMPARE(rig->events, (QStringList{"load", "apply"}));
    QCOMPARE(withoutPoll(rig->log()),
             (QStringList{"6 31504 1 11", "6 30501 1 0", "15 50000 2 1,0",
                          "16 50507 6 7,8,9,10,11,120 -> exception 4", "16 31505 4 2,1,49664,247"}));
    QCOMPARE(rig->get("31504"), QStringLiteral("ok 11"));
    QCOMPARE(rig->get("50507 6"), thresholds);
    QCOMPARE(rig->get("31505 4"), QStringLiteral("ok 2 1 49664 247"));
    QVERIFY(backend.connectionState());

    // The refused write is the one the page waits for.
    QVERIFY(rig->control({"exception clear", "exception 50573 4"}));
    backend.setInstallationDate(QStringLiteral("02/03/2025"));
    backend.setCtPhaseA1Int(800);
    backend.setFsdid(QStringLiteral("EX"));
    backend.setTemperatureThresholdValue(66);
    rig->events.clear();
    rig->line->mark();
    backend.applyHomePage();
    QVERIFY(waitUntil([&] { return rig->events.contains("apply"); }, 5000));
    QCOMPARE(rig->events, (QStringList{"load", "apply"}));
    QCOMPARE(withoutPoll(rig->log()),
             (QStringList{"16 50581 3 2025,3,2", "16 50501 6 800,0,800,0,800,0",
                          "16 50589 3 17752,0,0", "6 50573 1 66 -> exception 4"}));
    QVERIFY(backend.connectionState());
    checkRecovery();
}

// Answers with a wrong CRC are dropped by the serial client and retried; once
// they are good again the refresh completes with the right values.
void TestLineFaults::corruptedFramesAreRetried()
{
    QVERIFY(connectBackend());
    Backend &backend = rig->backend;
    QVERIFY(rig->control({"set 50501 4000 0 4000 0 4000 0 9 8 7 6 5 40"}));
    QVERIFY(rig->afterPollTick());
    QVERIFY(rig->control({"corrupt on"}));
    rig->line->mark();
    backend.refreshCommunicationPage();
    QVERIFY(waitUntil([&] {
        int corrupt = 0;
        for (const QJsonObject &r : rig->log())
            corrupt += r[QStringLiteral("answer")].toString() == QLatin1String("corrupt");
        return corrupt >= 2;
    }, 3000));
    QVERIFY(rig->control({"corrupt off"}));
    QVERIFY(waitUntil([&] { return rig->events.contains("refresh"); }, 5000));
    QCOMPARE(rig->events, (QStringList{"load", "refresh"}));

    QStringList sent = withoutPoll(rig->log());
    int corrupt = 0;
    while (!sent.isEmpty() && sent.first() == QLatin1String("1 30002 1 -> corrupt")) {
        sent.removeFirst();
        ++corrupt;
    }
    QVERIFY2(corrupt >= 2, qPrintable(sent.join(';')));
    QCOMPARE(sent, (QStringList{"1 30002 1", "3 31000 8", "3 31500 9", "1 50000 2", "3 50501 12"}));
    QCOMPARE(backend.ctPhaseA1(), QStringLiteral("400/1A"));
    QCOMPARE(backend.limitVoltage(), 9);
    QCOMPARE(backend.callMonitoringTime(), 4);
    QVERIFY(backend.connectionState());
    checkRecovery();
}

// Every answer to the connect probe corrupted: the client's retries run out
// (the second real time-out here) and the attempt ends in connectionEnd(false).
void TestLineFaults::corruptedProbeEndsTheConnect()
{
    Backend &backend = rig->backend;
    if (backend.connectionState()) {
        backend.disconnectDevice();
        QVERIFY(waitUntil([&] { return rig->events.contains("disconnected"); }, 3000));
    }
    QVERIFY(rig->control({"corrupt on"}));
    backend.refreshSerialPortList();
    const int index = backend.lstDevices().indexOf(rig->line->portNumber());
    QVERIFY(index >= 0);
    rig->line->mark();
    rig->events.clear();
    QElapsedTimer clock;
    clock.start();
    backend.connectDevice(index, 247, 0, 1);
    QVERIFY(waitUntil([&] { return rig->events.contains("end false"); }, 16000));
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed > 9000 && elapsed < 12500, qPrintable(QString::number(elapsed)));
    QCOMPARE(rig->events, QStringList{"end false"});
    QVERIFY(!backend.connectionState());
    const QList<QJsonObject> sent = rig->log();
    QVERIFY2(sent.size() >= 2, qPrintable(QString::number(sent.size())));
    for (const QJsonObject &r : sent)
        QCOMPARE(text(r), QStringLiteral("3 50521 1 -> corrupt"));
    checkRecovery();
}

// 400 ms is inside the client's 500 ms response time-out: no retry at all.
void TestLineFaults::delayJustUnderTheResponseTimeout()
{
    QVERIFY(connectBackend());
    Backend &backend = rig->backend;
    QVERIFY(rig->control({"set 31006 221", "set 50589 0x5544 0x4e00 0", "set 50573 61",
                          "set 50501 800 0 800 0 800 0 1 2 3 4 5 60"}));
    QVERIFY(rig->afterPollTick());
    QVERIFY(rig->control({"delay 400"}));
    rig->line->mark();
    backend.refreshHomePage();
    QVERIFY(waitUntil([&] { return rig->events.contains("refresh"); }, 6000));
    QCOMPARE(rig->events, (QStringList{"load", "refresh"}));
    QCOMPARE(withoutPoll(rig->log()),
             (QStringList{"3 50573 11 -> delayed", "3 50501 12 -> delayed", "3 50589 3 -> delayed",
                          "3 31006 1 -> delayed"}));
    QCOMPARE(backend.firmwareVersion(), QStringLiteral("221"));
    QCOMPARE(backend.fsdid(), QStringLiteral("UDN"));
    QCOMPARE(backend.temperatureThresholdValue(), 61);
    QCOMPARE(backend.ctPhaseA1(), QStringLiteral("400/5A"));
    QCOMPARE(backend.callMonitoringTime(), 6);
    QVERIFY(backend.connectionState());
    checkRecovery();
}

// 600 ms is past it: the client sends the request again, and the late answer
// to the first attempt arrives while the second is waiting. No request fails,
// so there is no alert; Modbus RTU answers carry no request number, so the
// values read meanwhile may belong to the request before. Once the module is
// in time again, the values are right.
void TestLineFaults::delayJustOverTheResponseTimeout()
{
    QVERIFY(connectBackend());
    Backend &backend = rig->backend;
    QVERIFY(rig->afterPollTick());
    QVERIFY(rig->control({"delay 600"}));
    rig->line->mark();
    backend.refreshHomePage();
    QVERIFY(waitUntil([&] { return rig->events.contains("refresh"); }, 15000));
    QVERIFY2(!rig->events.contains("error"), qPrintable(rig->events.join(',')));
    QCOMPARE(rig->events.count("load"), 1);
    QVERIFY(backend.connectionState());
    const QStringList sent = withoutPoll(rig->log());
    QVERIFY2(sent.count("3 50573 11 -> delayed") >= 2, qPrintable(sent.join(';')));

    // Late answers still on their way are gone after a quiet moment.
    QVERIFY(rig->control({"delay 0"}));
    settle(1500);
    QVERIFY(rig->control({"set 31006 231", "set 50589 0x4f56 0x4552 0", "set 50573 62"}));
    rig->events.clear();
    backend.refreshHomePage();
    QVERIFY(waitUntil([&] { return rig->events.contains("refresh"); }, 5000));
    QCOMPARE(rig->events, (QStringList{"load", "refresh"}));
    QCOMPARE(backend.firmwareVersion(), QStringLiteral("231"));
    QCOMPARE(backend.fsdid(), QStringLiteral("OVER"));
    QCOMPARE(backend.temperatureThresholdValue(), 62);
    checkRecovery();
}

// The module's line goes dead while the block that completes 2048 bytes is on
// its way, so the 2200 ms pause is running when the block fails. The watchdog
// is shortened to 1 s to fail it early in that pause: the client ends the
// request either way, and the update treats every error alike. The update
// fails ("Update error"), the link is marked down, and when the operator
// reconnects at once, before the pause is over, nothing of the failed update
// follows on the new link.
void TestLineFaults::lineDroppedInAFirmwareBlock()
{
    QVERIFY(connectBackend());
    Backend &backend = rig->backend;
    rig->worker.client()->setWatchdogInterval(1000);
    const QString path = rig->files.filePath(QStringLiteral("dropped.bin"));
    {
        QFile image(path);
        QVERIFY(image.open(QIODevice::WriteOnly));
        image.write(randomBytes(3000, 7));
    }
    int progress = 0;
    QObject context;
    connect(&backend, &Backend::updateProgress, &context, [&] {
        if (++progress == 128)
            QVERIFY(rig->control({"drop"}));
    });
    rig->line->mark();
    backend.startUpdate(path);
    QVERIFY(waitUntil([&] { return rig->events.contains("updateFail"); }, 10000));
    QElapsedTimer sinceFailure;
    sinceFailure.start();
    // The update looks at the failed block first, then the Backend marks the link down.
    QCOMPARE(rig->events, (QStringList{"updateFail", "state false"}));
    QVERIFY(!rig->update.isRunning());
    QVERIFY(!backend.connectionState());
    QCOMPARE(progress, 128);

    // The blocks that reached the module came in order and stop at the drop.
    quint32 expected = 0;
    for (const QJsonObject &r : rig->log()) {
        if (r[QStringLiteral("addr")].toInt() != 50527)
            continue;
        const QJsonArray v = r[QStringLiteral("values")].toArray();
        QCOMPARE(quint32(v[0].toInt()) << 16 | quint32(v[1].toInt()), expected);
        expected += 16;
    }
    QCOMPARE(expected, 16u * 127);

    // Line back and connected again while the pause still runs; past its end
    // nothing of the failed update goes out.
    QVERIFY(rig->control({"plug"}));
    rig->worker.client()->setWatchdogInterval(11000);
    QVERIFY(connectBackend());
    QVERIFY2(sinceFailure.elapsed() < 1000, qPrintable(QString::number(sinceFailure.elapsed())));
    QVERIFY(backend.moduleInBootloader());
    rig->line->mark();
    settle(2600);
    for (const QJsonObject &r : rig->log()) {
        const int addr = r[QStringLiteral("addr")].toInt();
        QVERIFY2(addr < 50521 || addr > 50527, qPrintable(text(r)));
    }
    QVERIFY(!rig->events.contains("updateSuccess"));

    // The module is left in its bootloader; a new update goes through.
    const QByteArray image = randomBytes(40, 8);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(image);
    }
    rig->events.clear();
    backend.startUpdate(path);
    QVERIFY(waitUntil([&] { return !rig->events.filter("update").isEmpty(); }, 10000));
    QCOMPARE(rig->events.filter("update"), QStringList{"updateSuccess"});
    QVERIFY(!backend.moduleInBootloader());
    QFile received(rig->line->imagePath());
    QVERIFY(received.open(QIODevice::ReadOnly));
    QCOMPARE(received.readAll(), image);
    checkRecovery();
}

// The adapter goes away with four operations queued behind a request in
// flight: one alert, every page still gets its end, nothing is decoded, and
// the worker goes on to serve a new line.
void TestLineFaults::queuedCommandsAfterTheLineWentAway()
{
    QVERIFY(connectBackend());
    Backend &backend = rig->backend;
    backend.setMeasurementEnable(true);
    QVERIFY(rig->control({"silent on"}));
    rig->line->mark();
    backend.refreshHomePage();
    backend.refreshCommunicationPage();
    backend.applyHomePage();
    backend.refreshMeasurementPage();
    // The worker now waits on the request in flight; nothing can be decoded.
    QVERIFY(waitUntil([&] { return !rig->log().isEmpty(); }, 3000));
    const QVariantMap before = properties(backend);

    QElapsedTimer clock;
    clock.start();
    rig->line->killLine();
    QVERIFY2(waitUntil([&] {
        return rig->events.count("refresh") == 2 && rig->events.count("apply") == 1
               && rig->events.count("load") == 4;
    }, 5000), qPrintable(rig->events.join(',')));
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(rig->events.mid(0, 2), (QStringList{"state false", "error"}));
    QCOMPARE(rig->events.count("error"), 1);
    QCOMPARE(rig->events.count("state false"), 1);
    QVERIFY(!backend.connectionState());
    QCOMPARE(properties(backend), before);

    // Posted while the link is down: failed at once, without a second alert.
    settle(300);
    rig->events.clear();
    backend.refreshHomePage();
    QVERIFY(waitUntil([&] { return rig->events.contains("refresh"); }, 2000));
    QCOMPARE(rig->events, (QStringList{"load", "refresh"}));

    backend.setMeasurementEnable(false);
    QVERIFY(rig->newLine());
    checkRecovery();
}

// Listed, then gone before the operator presses Connection.
void TestLineFaults::portVanishesBeforeConnecting()
{
    Backend &backend = rig->backend;
    if (backend.connectionState()) {
        backend.disconnectDevice();
        QVERIFY(waitUntil([&] { return rig->events.contains("disconnected"); }, 3000));
    }
    QVERIFY(rig->newLine());
    backend.refreshSerialPortList();
    const int index = backend.lstDevices().indexOf(rig->line->portNumber());
    QVERIFY(index >= 0);
    rig->line->killLine();
    rig->events.clear();
    backend.connectDevice(index, 247, 0, 1);
    QVERIFY(waitUntil([&] { return !rig->events.isEmpty(); }, 3000));
    settle(200);
    QCOMPARE(rig->events, QStringList{"end false"});
    QVERIFY(!backend.connectionState());
    QVERIFY(rig->newLine());
    checkRecovery();
}

// The image is read whole when the update starts; the file may go at once.
void TestLineFaults::imageFileVanishesAfterStart()
{
    QVERIFY(connectBackend());
    Backend &backend = rig->backend;
    const QByteArray image = randomBytes(100, 9);
    const QString path = rig->files.filePath(QStringLiteral("vanishing.bin"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(image);
    }
    backend.startUpdate(path);
    QVERIFY(QFile::remove(path));
    QVERIFY(waitUntil([&] { return !rig->events.filter("update").isEmpty(); }, 10000));
    QCOMPARE(rig->events.filter("update"), QStringList{"updateSuccess"});
    QFile received(rig->line->imagePath());
    QVERIFY(received.open(QIODevice::ReadOnly));
    QCOMPARE(received.readAll(), image);
    checkRecovery();
}

// The first argument picks a group ("line" or "input"), the rest goes to Qt Test.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("lang-config-child"))
        return langConfigChild();
    if (args.value(1) == QLatin1String("start-update-child"))
        return startUpdateChild(args.value(2));

    const QString group = args.size() > 1 && !args[1].startsWith('-') ? args.takeAt(1) : QString();
    int failed = 0;
    if (group.isEmpty() || group == QLatin1String("input")) {
        TestBadInput t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == QLatin1String("slow")) {
        TestSlowModule t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == QLatin1String("line")) {
        TestLineFaults t;
        failed += QTest::qExec(&t, args);
    }
    return failed == 0 ? 0 : 1;
}
