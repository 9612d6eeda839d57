#include "testbackendbus.h"

#include "backendrig.h"

#include "app/translate.h"
#include "backend/backend.h"
#include "link/tmodbus.h"
#include "tools/drive/eventwait.h"
#include "support/virtualline.h"
#include "update/firmwareupdate.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <functional>

namespace {

// One request as the module logged it.
struct Req {
    int fn;
    int addr;
    qint64 t;
    QString text; // "fn addr count [values]", plus " -> answer" unless answered normally
};

QString req(int fn, int addr, int count, const QVector<int> &values = {})
{
    QString text = QStringLiteral("%1 %2 %3").arg(fn).arg(addr).arg(count);
    QStringList words;
    for (int v : values)
        words.append(QString::number(v));
    if (!words.isEmpty())
        text += QLatin1Char(' ') + words.join(QLatin1Char(','));
    return text;
}

QString answered(const QString &request, const QString &answer)
{
    return request + QStringLiteral(" -> ") + answer;
}

QList<Req> parse(const QList<QJsonObject> &log)
{
    QList<Req> result;
    for (const QJsonObject &r : log) {
        QVector<int> values;
        for (const QJsonValue &v : r[QStringLiteral("values")].toArray())
            values.append(v.toInt());
        const int fn = r[QStringLiteral("fn")].toInt();
        const int addr = r[QStringLiteral("addr")].toInt();
        QString text = req(fn, addr, r[QStringLiteral("count")].toInt(), values);
        const QString answer = r[QStringLiteral("answer")].toString();
        if (answer != QLatin1String("normal"))
            text = answered(text, answer);
        result.append({fn, addr, qint64(r[QStringLiteral("t")].toDouble()), text});
    }
    return result;
}

QStringList texts(const QList<Req> &requests)
{
    QStringList result;
    for (const Req &r : requests)
        result.append(r.text);
    return result;
}

// The poll's status reads (measurementEnable false).
bool isPoll(const Req &r)
{
    return r.fn == 1 && (r.addr == 30000 || r.addr == 32311 || r.addr == 50574);
}

const QStringList statusReads = {req(1, 30000, 1), req(1, 32311, 3), req(1, 50574, 1)};
const QStringList measurementReads = {req(3, 36812, 24), req(3, 36860, 4), req(3, 36876, 24),
                                      req(3, 36924, 48), req(3, 50540, 6), req(3, 50552, 6),
                                      req(3, 50567, 9)};

// One operation's requests: a poll tick may run just before or just after it,
// never in between.
QStringList sequence(const QList<Req> &window)
{
    int first = 0;
    int last = window.size();
    while (first < last && isPoll(window[first]))
        ++first;
    while (last > first && isPoll(window[last - 1]))
        --last;
    return texts(window.mid(first, last - first));
}

// The window cut into poll ticks, each starting at its module status read;
// whatever comes before the first tick is left out.
QList<QList<Req>> ticks(const QList<Req> &window)
{
    QList<QList<Req>> result;
    for (const Req &r : window) {
        if (r.fn == 1 && r.addr == 30000)
            result.append(QList<Req>());
        if (!result.isEmpty())
            result.last().append(r);
    }
    return result;
}

// Until the module has heard nothing new for a while.
bool drained(const VirtualLine &line, int ms)
{
    int before = -1;
    return waitUntil([&] {
        settle(250);
        const int now = line.requests().size();
        const bool still = now == before;
        before = now;
        return still;
    }, ms);
}

float floatAt(const QVector<quint16> &words, int i)
{
    const quint32 bits = quint32(words[i]) << 16 | words[i + 1];
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QStringList fixed(const QVector<quint16> &words, int first, int count, int decimals)
{
    QStringList result;
    for (int k = 0; k < count; ++k)
        result.append(QString::asprintf("%.*f", decimals, double(floatAt(words, first + 2 * k))));
    return result;
}

bool allMatch(const QStringList &list, const QString &pattern)
{
    const QRegularExpression re(QRegularExpression::anchoredPattern(pattern));
    for (const QString &s : list) {
        if (!re.match(s).hasMatch())
            return false;
    }
    return !list.isEmpty();
}

} // namespace

// The program's wiring, with the virtual module at the other end of the line.
struct TestBackendBus::Rig : BackendRig {
    QVector<quint16> get(const QString &range)
    {
        QStringList parts = line.command(QStringLiteral("get ") + range).split(QLatin1Char(' '));
        QVector<quint16> words;
        if (parts.value(0) != QLatin1String("ok"))
            return words;
        for (int i = 1; i < parts.size(); ++i)
            words.append(quint16(parts[i].toUInt()));
        return words;
    }

    QList<Req> window() const { return parse(line.requests()); }
};

TestBackendBus::TestBackendBus() = default;
TestBackendBus::~TestBackendBus() = default;

void TestBackendBus::initTestCase()
{
    QVERIFY(dataHome.isValid());
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    rig.reset(new Rig);
    QVERIFY(rig->startLine());
    // Sunday 31 December 2023, 23:59:58.250 on the computer.
    rig->backend.setClock([] { return QDateTime(QDate(2023, 12, 31), QTime(23, 59, 58, 250)); });
}

void TestBackendBus::init()
{
    QVERIFY(rig);
    QVERIFY(rig->control({"exception clear", "silent off", "delay 0", "freeze off"}));
    rig->worker.client()->setWatchdogInterval(11000);
    rig->backend.setMeasurementEnable(false);
    // Records an earlier, failed test left in the queue must not land in this one's window.
    if (rig->backend.connectionState())
        QVERIFY(drained(rig->line, 3000));
}

void TestBackendBus::cleanupTestCase()
{
    rig.reset();
}

bool TestBackendBus::ensureConnected()
{
    Backend &backend = rig->backend;
    if (backend.connectionState())
        return true;
    backend.refreshSerialPortList();
    const int index = backend.lstDevices().indexOf(rig->line.portNumber());
    if (index < 0)
        return false;
    QSignalSpy ended(&backend, &Backend::connectionEnd);
    QSignalSpy loaded(&backend, &Backend::loadRegisterFinish);
    backend.connectDevice(index, 247, 0, 1);
    return waitUntil([&] { return ended.count() > 0 && loaded.count() > 0; }, 5000)
           && ended.first().first().toBool() && backend.connectionState();
}

void TestBackendBus::connectSetsTheModuleClock()
{
    Backend &backend = rig->backend;
    VirtualLine &line = rig->line;
    QVERIFY(!backend.connectionState());
    // Not synchronized until the clock is written; settings unlike the defaults.
    QVERIFY(rig->control({"setcoil 30002 1", "set 31504 9 2 1 49664 247"}));

    backend.refreshSerialPortList();
    const int index = backend.lstDevices().indexOf(line.portNumber());
    QVERIFY2(index >= 0, qPrintable(QString::number(line.portNumber())));

    QStringList order;
    QObject context;
    connect(&backend, &Backend::connectionEnd, &context,
            [&](bool ok) { order << (ok ? "end true" : "end false"); });
    connect(&backend, &Backend::connectionStateChanged, &context,
            [&] { order << (backend.connectionState() ? "state true" : "state false"); });
    connect(&backend, &Backend::loadRegisterFinish, &context, [&] { order << "load"; });

    line.mark();
    backend.connectDevice(index, 247, 0, 1);
    QVERIFY(waitUntil([&] { return order.contains("load"); }, 5000));
    QCOMPARE(order, (QStringList{"end true", "state true", "load"}));

    // Probe, then the clock without any user action, then its read-back.
    const QList<Req> sent = rig->window();
    QVERIFY(sent.size() >= 4);
    QCOMPARE(texts(sent.mid(0, 4)),
             (QStringList{req(3, 50521, 1), req(16, 31500, 4, {58250, 0x173B, 0x0CFF, 23}),
                          req(1, 30002, 1), req(3, 31500, 9)}));
    for (const Req &r : sent.mid(4))
        QVERIFY2(isPoll(r), qPrintable(r.text));

    // The module's clock runs on from the time written.
    QCOMPARE(backend.dateHour(), QStringLiteral("31/12/23 23:59"));
    QCOMPARE(backend.synchronization(), QStringLiteral("Synchronized"));
    QCOMPARE(backend.timeDurationMeans(), 9);
    QCOMPARE(backend.parity(), 2);
    QCOMPARE(backend.baudrate(), 115200);
    QCOMPARE(backend.slaveAddress(), 247);
    QVERIFY(backend.connectionState());
}

void TestBackendBus::homePage()
{
    QVERIFY(ensureConnected());
    Backend &backend = rig->backend;
    VirtualLine &line = rig->line;
    QVERIFY(rig->control({"set 50573 55", "set 50501 800 0 4000 0 6000 0 3 4 5 6 7 6005",
                          "set 50576 12 3 456 7 89", "set 50581 1999 12 1",
                          "set 50589 0x4142 0x3100 0x4300", "set 31006 215"}));

    QStringList order;
    QObject context;
    connect(&backend, &Backend::loadRegisterFinish, &context, [&] { order << "load"; });
    connect(&backend, &Backend::refreshEnd, &context, [&] { order << "refresh"; });
    connect(&backend, &Backend::applyEnd, &context, [&] { order << "apply"; });
    connect(&backend, &Backend::connectionError, &context, [&] { order << "error"; });

    const QStringList refreshReads = {req(3, 50573, 11), req(3, 50501, 12), req(3, 50589, 3),
                                      req(3, 31006, 1)};
    line.mark();
    backend.refreshHomePage();
    QVERIFY(waitUntil([&] { return order.contains("refresh"); }, 3000));
    QCOMPARE(order, (QStringList{"load", "refresh"}));
    QCOMPARE(sequence(rig->window()), refreshReads);

    QCOMPARE(line.command("get 31006"), QStringLiteral("ok 215"));
    QCOMPARE(backend.firmwareVersion(), QStringLiteral("215"));
    QCOMPARE(line.command("get 50576 5"), QStringLiteral("ok 12 3 456 7 89"));
    QCOMPARE(backend.serialNumber(), QStringLiteral("120345670089"));
    QCOMPARE(backend.installationDate(), QStringLiteral("01/12/1999"));
    QCOMPARE(backend.fsdid(), QStringLiteral("AB1C"));
    QCOMPARE(backend.temperatureThresholdValue(), 55);
    QCOMPARE(backend.ctPhaseA1Int(), 800);
    QCOMPARE(backend.ctPhaseA1(), QStringLiteral("400/5A"));
    QCOMPARE(backend.ctPhaseA2(), QStringLiteral("400/1A"));
    QCOMPARE(backend.ctPhaseA3(), QStringLiteral("600/1A"));
    QCOMPARE(backend.limitVoltage(), 3);
    QCOMPARE(backend.limitVoltageDuration(), 4);
    QCOMPARE(backend.limitCurrent(), 5);
    QCOMPARE(backend.limitCurrentDuration(), 6);
    QCOMPARE(backend.minimumTimeMessage(), 7);
    QCOMPARE(backend.callMonitoringTime(), 600);

    // A refused threshold block empties its fields and keeps the link and the rest.
    QVERIFY(rig->control({"exception 50573 4", "set 50589 0x5859 0 0"}));
    order.clear();
    line.mark();
    backend.refreshHomePage();
    QVERIFY(waitUntil([&] { return order.contains("refresh"); }, 3000));
    QCOMPARE(order, (QStringList{"load", "refresh"}));
    QCOMPARE(sequence(rig->window()),
             (QStringList{answered(refreshReads[0], "exception 4"), refreshReads[1],
                          refreshReads[2], refreshReads[3]}));
    QCOMPARE(backend.temperatureThresholdValue(), -1);
    QCOMPARE(backend.installationDate(), QString());
    QCOMPARE(backend.serialNumber(), QString());
    QCOMPARE(backend.fsdid(), QStringLiteral("XY"));
    QVERIFY(backend.connectionState());
    QVERIFY(rig->control({"exception clear"}));

    struct Apply {
        QString date;
        QString fsdid;
        int ratio;
        int threshold;
        QVector<int> dateWords; // empty: no date write
        QVector<int> fsdWords;
        QString moduleDate;     // what 50581 holds afterwards
    };
    const QList<Apply> applies = {
        {"05/03/2024", "AB12", 1200, 70, {2024, 3, 5}, {0x4142, 0x3132, 0x0000}, "ok 2024 3 5"},
        // No "/" at all, and five characters: the date is left alone.
        {"2024-03-05", "ABCDE", 800, 65, {}, {0x4142, 0x4344, 0x4500}, "ok 2024 3 5"},
        // Four parts; characters past the fifth are dropped.
        {"7/11/2030/1", "ABCDEFG", 6000, 40, {}, {0x4142, 0x4344, 0x4500}, "ok 2024 3 5"},
        {"1/2/2031", "Z", 4000, 75, {2031, 2, 1}, {0x5A00, 0x0000, 0x0000}, "ok 2031 2 1"},
    };
    for (const Apply &a : applies) {
        backend.setInstallationDate(a.date);
        backend.setFsdid(a.fsdid);
        backend.setCtPhaseA1Int(a.ratio);
        backend.setTemperatureThresholdValue(a.threshold);
        QStringList expected;
        if (!a.dateWords.isEmpty())
            expected << req(16, 50581, 3, a.dateWords);
        expected << req(16, 50501, 6, {a.ratio, 0, a.ratio, 0, a.ratio, 0})
                 << req(16, 50589, 3, a.fsdWords) << req(6, 50573, 1, {a.threshold});

        order.clear();
        line.mark();
        backend.applyHomePage();
        QVERIFY2(waitUntil([&] { return order.contains("apply"); }, 3000), qPrintable(a.date));
        QCOMPARE(order, (QStringList{"load", "apply"}));
        QCOMPARE(sequence(rig->window()), expected);

        QCOMPARE(line.command("get 50581 3"), a.moduleDate);
        QCOMPARE(line.command("get 50501 6"),
                 QStringLiteral("ok %1 0 %1 0 %1 0").arg(a.ratio));
        QCOMPARE(line.command("get 50589 3"), QStringLiteral("ok %1 %2 %3")
                                                  .arg(a.fsdWords[0])
                                                  .arg(a.fsdWords[1])
                                                  .arg(a.fsdWords[2]));
        QCOMPARE(line.command("get 50573"), QStringLiteral("ok %1").arg(a.threshold));
    }
}

void TestBackendBus::communicationPage()
{
    QVERIFY(ensureConnected());
    Backend &backend = rig->backend;
    VirtualLine &line = rig->line;
    QVERIFY(rig->control({"setcoil 30002 1", "set 31000 0 5 14 3 7 24", "set 31007 9",
                          "set 31504 15 2 0 19200 247", "setcoil 50000 1 1",
                          "set 50501 6000 0 6000 0 6000 0 9 8 7 6 5 1234"}));

    QStringList order;
    QObject context;
    connect(&backend, &Backend::passwordChanged, &context,
            [&] { order << QStringLiteral("password %1").arg(backend.password()); });
    connect(&backend, &Backend::loadRegisterFinish, &context, [&] { order << "load"; });
    connect(&backend, &Backend::refreshEnd, &context, [&] { order << "refresh"; });
    connect(&backend, &Backend::applyEnd, &context, [&] { order << "apply"; });

    backend.setPassword(1);
    order.clear();
    line.mark();
    backend.refreshCommunicationPage();
    // Cleared before any reply can have come back.
    QCOMPARE(backend.password(), 0);
    QVERIFY(waitUntil([&] { return order.contains("refresh"); }, 3000));
    QCOMPARE(order, (QStringList{"password 0", "load", "refresh"}));
    const QStringList refreshReads = {req(1, 30002, 1), req(3, 31000, 8), req(3, 31500, 9),
                                      req(1, 50000, 2), req(3, 50501, 12)};
    QCOMPARE(sequence(rig->window()), refreshReads);

    QCOMPARE(backend.synchronization(), QStringLiteral("No synchronization"));
    QCOMPARE(backend.lastBoot(), QStringLiteral("03/07/24 14:05"));
    QCOMPARE(backend.firmwareVersion(), QString::number(rig->get("31006").value(0)));
    QCOMPARE(backend.hardwareVersion(), QStringLiteral("9"));
    QVERIFY2(QRegularExpression("^\\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d$").match(backend.dateHour()).hasMatch(),
             qPrintable(backend.dateHour()));
    QCOMPARE(backend.timeDurationMeans(), 15);
    QCOMPARE(backend.parity(), 2);
    QCOMPARE(backend.baudrate(), 19200);
    QCOMPARE(backend.slaveAddress(), 247);
    QCOMPARE(backend.activePowerCalculatedOn(), true);
    QCOMPARE(backend.frequency(), true);
    QCOMPARE(backend.ctPhaseA1(), QStringLiteral("600/1A"));
    QCOMPARE(backend.ctPhaseA1Int(), 6000);
    QCOMPARE(backend.limitVoltage(), 9);
    QCOMPARE(backend.limitVoltageDuration(), 8);
    QCOMPARE(backend.limitCurrent(), 7);
    QCOMPARE(backend.limitCurrentDuration(), 6);
    QCOMPARE(backend.minimumTimeMessage(), 5);
    QCOMPARE(backend.callMonitoringTime(), 123);

    // A baud rate past 16 bits, the other coil states.
    QVERIFY(rig->control({"set 31505 0 1 49664 12", "setcoil 50000 0 0", "setcoil 30002 0"}));
    order.clear();
    line.mark();
    backend.refreshCommunicationPage();
    QVERIFY(waitUntil([&] { return order.contains("refresh"); }, 3000));
    QCOMPARE(sequence(rig->window()), refreshReads);
    QCOMPARE(backend.parity(), 0);
    QCOMPARE(backend.baudrate(), 115200);
    QCOMPARE(backend.slaveAddress(), 12);
    QCOMPARE(backend.activePowerCalculatedOn(), false);
    QCOMPARE(backend.frequency(), false);
    QCOMPARE(backend.synchronization(), QStringLiteral("Synchronized"));

    struct Apply {
        int means, password;
        bool activeOnFundamental, sixtyHertz;
        QVector<int> limits; // five limits, then the call monitoring time
        int parity, baudrate;
        QVector<int> limitWords, lineWords;
    };
    const QList<Apply> applies = {
        {7, 1, true, false, {2, 3, 4, 5, 6, 600}, 2, 19200, {2, 3, 4, 5, 6, 6000}, {2, 0, 19200, 247}},
        {60, 0, false, true, {10, 20, 30, 40, 50, 65}, 0, 115200, {10, 20, 30, 40, 50, 650}, {0, 1, 49664, 247}},
    };
    for (const Apply &a : applies) {
        backend.setTimeDurationMeans(a.means);
        backend.setPassword(a.password);
        backend.setActivePowerCalculatedOn(a.activeOnFundamental);
        backend.setFrequency(a.sixtyHertz);
        backend.setLimitVoltage(a.limits[0]);
        backend.setLimitVoltageDuration(a.limits[1]);
        backend.setLimitCurrent(a.limits[2]);
        backend.setLimitCurrentDuration(a.limits[3]);
        backend.setMinimumTimeMessage(a.limits[4]);
        backend.setCallMonitoringTime(a.limits[5]);
        backend.setParity(a.parity);
        backend.setBaudrate(a.baudrate);
        backend.setSlaveAddress(247);
        const QVector<int> coils = {a.activeOnFundamental ? 1 : 0, a.sixtyHertz ? 1 : 0};

        order.clear();
        line.mark();
        backend.applyCommunicationPage();
        QVERIFY(waitUntil([&] { return order.contains("apply"); }, 3000));
        QCOMPARE(order, (QStringList{"load", "apply"}));
        QCOMPARE(sequence(rig->window()),
                 (QStringList{req(6, 31504, 1, {a.means}), req(6, 30501, 1, {a.password}),
                              req(15, 50000, 2, coils), req(16, 50507, 6, a.limitWords),
                              req(16, 31505, 4, a.lineWords)}));

        QCOMPARE(line.command("get 31504 5"), QStringLiteral("ok %1 %2 %3 %4 %5")
                                                  .arg(a.means)
                                                  .arg(a.lineWords[0])
                                                  .arg(a.lineWords[1])
                                                  .arg(a.lineWords[2])
                                                  .arg(a.lineWords[3]));
        QCOMPARE(line.command("get 30501"), QStringLiteral("ok %1").arg(a.password));
        QCOMPARE(line.command("getcoil 50000 2"),
                 QStringLiteral("ok %1 %2").arg(coils[0]).arg(coils[1]));
        QCOMPARE(rig->get("50507 6"), (QVector<quint16>{quint16(a.limitWords[0]), quint16(a.limitWords[1]),
                                                        quint16(a.limitWords[2]), quint16(a.limitWords[3]),
                                                        quint16(a.limitWords[4]), quint16(a.limitWords[5])}));
    }

    // Blocks whose read was refused are not written back with unknown values;
    // the last one is read instead, so the page's wait still ends.
    QVERIFY(rig->control({"exception 31500 4", "exception 50501 4"}));
    order.clear();
    backend.refreshCommunicationPage();
    QVERIFY(waitUntil([&] { return order.contains("refresh"); }, 3000));
    QCOMPARE(backend.slaveAddress(), -1);
    QCOMPARE(backend.limitVoltage(), -1);
    QVERIFY(rig->control({"exception clear"}));
    order.clear();
    line.mark();
    backend.applyCommunicationPage();
    QVERIFY(waitUntil([&] { return order.contains("apply"); }, 3000));
    QCOMPARE(order, (QStringList{"load", "apply"}));
    QCOMPARE(sequence(rig->window()),
             (QStringList{req(6, 30501, 1, {0}), req(15, 50000, 2, {0, 1}), req(3, 31500, 9)}));
    QCOMPARE(backend.slaveAddress(), 247);
}

void TestBackendBus::measurementAndChartsPages()
{
    QVERIFY(ensureConnected());
    Backend &backend = rig->backend;
    VirtualLine &line = rig->line;
    // Still values, so that what was read can be read again for comparison.
    QVERIFY(rig->control({"freeze on"}));

    QList<int> readsAtLoad;
    QObject context;
    connect(&backend, &Backend::loadRegisterFinish, &context,
            [&] { readsAtLoad << sequence(rig->window()).size(); });
    QSignalSpy refreshEnds(&backend, &Backend::refreshEnd);
    QSignalSpy errors(&backend, &Backend::connectionError);

    line.mark();
    backend.refreshMeasurementPage();
    backend.refreshChartsValuePage();
    QVERIFY(waitUntil([&] { return readsAtLoad.size() >= 2; }, 4000));
    // The measurement page closes with its seventh read; no marker follows it.
    QCOMPARE(readsAtLoad, (QList<int>{7, 8}));
    QCOMPARE(refreshEnds.count(), 0);
    QCOMPARE(sequence(rig->window()), measurementReads + QStringList{req(3, 50540, 6)});

    const QVector<quint16> instant = rig->get("36812 24");
    const QVector<quint16> stamp = rig->get("36860 4");
    const QVector<quint16> means = rig->get("36876 24");
    const QVector<quint16> extremes = rig->get("36924 48");
    const QVector<quint16> lineToNeutral = rig->get("50540 6");
    const QVector<quint16> cosPhi = rig->get("50552 6");
    const QVector<quint16> lineToLine = rig->get("50567 9");
    QCOMPARE(extremes.size(), 48);
    QCOMPARE(lineToLine.size(), 9);

    QCOMPARE(backend.intensity(), fixed(instant, 0, 4, 2));
    QCOMPARE(backend.activeReactivePower(), fixed(instant, 8, 8, 1));
    QCOMPARE(backend.intensityMean(), fixed(means, 0, 4, 2));
    QCOMPARE(backend.activeReactivePowerMean(), fixed(means, 8, 8, 1));
    QCOMPARE(backend.intensityMin(), fixed(extremes, 0, 8, 2));
    QCOMPARE(backend.activeReactivePowerMin(), fixed(extremes, 16, 16, 1));
    QCOMPARE(backend.voltageValuesN(), fixed(lineToNeutral, 0, 3, 2));
    QCOMPARE(backend.currentPhi(), fixed(cosPhi, 0, 3, 2));
    QCOMPARE(backend.voltageValues(), fixed(lineToLine, 0, 3, 2));
    QCOMPARE(backend.temperatureMeasurement(),
             QString::number(lineToLine[8]) + QChar(0x00B0) + QLatin1Char('C'));
    QCOMPARE(backend.timeAndDateOfMeanValues(),
             QString::asprintf("%02d/%02d/%02d %02d:%02d", stamp[2] & 0x1F, (stamp[2] >> 8) & 0x0F,
                               stamp[3] & 0x7F, (stamp[1] >> 8) & 0x1F, stamp[1] & 0x3F));

    // The texts as the pages show them.
    QVERIFY2(allMatch(backend.intensity() + backend.intensityMin() + backend.currentPhi(),
                      "-?\\d+\\.\\d\\d"),
             qPrintable(backend.intensity().join(' ')));
    QVERIFY2(allMatch(backend.activeReactivePower() + backend.activeReactivePowerMin(), "-?\\d+\\.\\d"),
             qPrintable(backend.activeReactivePower().join(' ')));
    QVERIFY2(allMatch(backend.voltageValuesN() + backend.voltageValues(), "\\d+\\.\\d\\d"),
             qPrintable(backend.voltageValuesN().join(' ')));
    for (const QString &v : backend.voltageValuesN())
        QVERIFY2(v.toDouble() >= 200 && v.toDouble() <= 260, qPrintable(v));
    QVERIFY2(allMatch({backend.temperatureMeasurement()}, QStringLiteral("\\d+\u00B0C")),
             qPrintable(backend.temperatureMeasurement()));

    // A refused voltage block: marked, the link stays, the temperature is kept.
    const QString temperature = backend.temperatureMeasurement();
    QVERIFY(rig->control({"exception 50567 4"}));
    readsAtLoad.clear();
    line.mark();
    backend.refreshMeasurementPage();
    QVERIFY(waitUntil([&] { return !readsAtLoad.isEmpty(); }, 4000));
    QStringList refused = measurementReads;
    refused.last() = answered(refused.last(), "exception 4");
    QCOMPARE(sequence(rig->window()), refused);
    QCOMPARE(backend.voltageValues(), (QStringList{"Error", "Error", "Error"}));
    QCOMPARE(backend.temperatureMeasurement(), temperature);
    QVERIFY(backend.connectionState());
    QCOMPARE(errors.count(), 0);

    QVERIFY(rig->control({"exception clear"}));
    readsAtLoad.clear();
    backend.refreshMeasurementPage();
    QVERIFY(waitUntil([&] { return !readsAtLoad.isEmpty(); }, 4000));
    QCOMPARE(backend.voltageValues(), fixed(lineToLine, 0, 3, 2));
    QCOMPARE(refreshEnds.count(), 0);
}

void TestBackendBus::pollFollowsStateUpdateAndAlarms()
{
    QVERIFY(ensureConnected());
    Backend &backend = rig->backend;
    VirtualLine &line = rig->line;
    // Above any temperature the module reaches, so that "auto" means no alarm.
    QVERIFY(rig->control({"set 50573 80"}));

    // Status only: three coil reads a tick, a tick every 2 s.
    line.mark();
    QVERIFY(waitUntil([&] {
        const auto t = ticks(rig->window());
        return t.size() >= 2 && t[1].size() >= 3;
    }, 5000));
    QList<Req> sent = rig->window();
    QList<QList<Req>> tick = ticks(sent);
    QCOMPARE(tick.size(), 2);
    QCOMPARE(texts(tick[0]), statusReads);
    QCOMPARE(texts(tick[1]), statusReads);
    for (const Req &r : sent)
        QVERIFY2(isPoll(r), qPrintable(r.text));
    const qint64 gap = tick[1][0].t - tick[0][0].t;
    QVERIFY2(gap >= 1700 && gap <= 2300, qPrintable(QString::number(gap)));

    // With the measurement page shown: ten reads a tick, none of them closing a sequence.
    QSignalSpy loads(&backend, &Backend::loadRegisterFinish);
    backend.setMeasurementEnable(true);
    line.mark();
    QVERIFY(waitUntil([&] {
        const auto t = ticks(rig->window());
        return !t.isEmpty() && t[0].size() >= 10;
    }, 3000));
    settle(500);
    sent = rig->window();
    tick = ticks(sent);
    QCOMPARE(tick.size(), 1);
    QCOMPARE(texts(tick[0]), statusReads + measurementReads);
    QCOMPARE(sent.size(), 10);
    QCOMPARE(loads.count(), 0);
    backend.setMeasurementEnable(false);

    // A firmware update keeps the poll off the bus from its first request to its last.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile image(dir.filePath(QStringLiteral("image.bin")));
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.write(QByteArray("seventeen bytes..", 17));
    image.close();
    QSignalSpy succeeded(&backend, &Backend::updateSuccess);
    QSignalSpy failed(&backend, &Backend::updateFail);
    line.mark();
    backend.startUpdate(image.fileName());
    QVERIFY(waitUntil([&] { return succeeded.count() + failed.count() > 0; }, 10000));
    QCOMPARE(succeeded.count(), 1);
    QCOMPARE(failed.count(), 0);
    sent = rig->window();
    const auto isFirmware = [](const Req &r) { return r.fn != 1 && r.addr >= 50521 && r.addr <= 50527; };
    int first = -1;
    int last = -1;
    for (int i = 0; i < sent.size(); ++i) {
        if (isFirmware(sent[i])) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    QVERIFY(first >= 0);
    QCOMPARE(sent[first].text, req(6, 50522, 1, {1}));
    QCOMPARE(sent[last].text, req(3, 50521, 1));
    // Longer than a poll period, so at least one tick fell inside.
    QVERIFY2(sent[last].t - sent[first].t > 2000, qPrintable(QString::number(sent[last].t - sent[first].t)));
    for (int i = first; i <= last; ++i)
        QVERIFY2(isFirmware(sent[i]), qPrintable(sent[i].text));
    QVERIFY(backend.connectionState());

    // After the update the poll is back and follows the module's alarms.
    QVERIFY(rig->control({"alarm fuse 2 1", "alarm status 0", "alarm temperature 1"}));
    QVERIFY(waitUntil([&] {
        return backend.fuseBlowL2() && !backend.moduleStatus() && backend.temperatureStatus();
    }, 3000));
    QCOMPARE(backend.fusesStatus(), (QStringList{"0", "1", "0"}));
    QVERIFY(!backend.fuseBlowL1());
    QVERIFY(!backend.fuseBlowL3());

    QVERIFY(rig->control({"alarm fuse 2 0", "alarm fuse 3 1", "alarm status 1", "alarm temperature auto"}));
    QVERIFY(waitUntil([&] {
        return !backend.fuseBlowL2() && backend.moduleStatus() && !backend.temperatureStatus();
    }, 3000));
    QCOMPARE(backend.fusesStatus(), (QStringList{"0", "0", "1"}));
    QVERIFY(backend.fuseBlowL3());
    QVERIFY(rig->control({"alarm fuse 3 0"}));
}

void TestBackendBus::failedLastRequestDropsTheLink()
{
    QVERIFY(ensureConnected());
    Backend &backend = rig->backend;
    VirtualLine &line = rig->line;

    // Right after a tick's last read, so that the next tick is far off.
    line.mark();
    QVERIFY(waitUntil([&] {
        for (const Req &r : rig->window()) {
            if (r.fn == 1 && r.addr == 50574)
                return true;
        }
        return false;
    }, 3000));
    QVERIFY(rig->control({"silent on"}));
    rig->worker.client()->setWatchdogInterval(300);

    QStringList order;
    QObject context;
    connect(&backend, &Backend::connectionStateChanged, &context, [&] { order << "state"; });
    connect(&backend, &Backend::connectionError, &context, [&] { order << "error"; });
    connect(&backend, &Backend::loadRegisterFinish, &context, [&] { order << "load"; });
    connect(&backend, &Backend::processCmdEnd, &context, [&] { order << "released"; });
    line.mark();
    backend.refreshChartsValuePage();
    QVERIFY(waitUntil([&] { return order.contains("load"); }, 3000));
    // Releases before ours belong to the tick's records still being consumed.
    while (!order.isEmpty() && order.first() == QLatin1String("released"))
        order.removeFirst();
    QCOMPARE(order, (QStringList{"state", "error", "load", "released"}));
    QVERIFY(!backend.connectionState());
    QCOMPARE(texts(rig->window()), QStringList{answered(req(3, 50540, 6), "silent")});

    // Disconnected: the poll posts nothing at all.
    QSignalSpy released(&backend, &Backend::processCmdEnd);
    line.mark();
    settle(2300);
    QCOMPARE(released.count(), 0);
    QVERIFY(rig->window().isEmpty());
}

// The module refuses the reset: the update fails, the connection counts as
// lost, and the very next connect opens the line again.
void TestBackendBus::refusedUpdateLeavesTheLineFree()
{
    QVERIFY(ensureConnected());
    Backend &backend = rig->backend;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile image(dir.filePath(QStringLiteral("image.bin")));
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.write(QByteArray(17, 'x'));
    image.close();

    QVERIFY(rig->control({"exception 50522 4"}));
    QSignalSpy failed(&backend, &Backend::updateFail);
    QSignalSpy disconnected(&backend, &Backend::disconnectionEnd);
    backend.startUpdate(image.fileName());
    QVERIFY(waitUntil([&] { return failed.count() > 0; }, 10000));
    QVERIFY(!backend.connectionState());
    QVERIFY(waitUntil([&] { return disconnected.count() > 0; }, 3000));
    QCOMPARE(rig->worker.client()->device().state(), QModbusDevice::UnconnectedState);

    QVERIFY(rig->control({"exception clear"}));
    QSignalSpy ended(&backend, &Backend::connectionEnd);
    QSignalSpy loaded(&backend, &Backend::loadRegisterFinish);
    backend.connectDevice(backend.lstDevices().indexOf(rig->line.portNumber()), 247, 0, 1);
    QVERIFY(waitUntil([&] { return ended.count() > 0 && loaded.count() > 0; }, 5000));
    QCOMPARE(ended.first().first().toBool(), true);
    QVERIFY(backend.connectionState());
}

// The window's cancel: a connect under way ends without a word and leaves no
// link (the next connect opens the line again, no clock was set); a refresh
// cut short emits no refreshEnd, and the link stays.
void TestBackendBus::cancelLeavesNoLinkAndEndsNothing()
{
    Backend &backend = rig->backend;
    if (backend.connectionState()) {
        QSignalSpy down(&backend, &Backend::disconnectionEnd);
        backend.disconnectDevice();
        QVERIFY(down.wait(3000));
    }
    QVERIFY(rig->control({"delay 300"}));
    backend.refreshSerialPortList();
    const int index = backend.lstDevices().indexOf(rig->line.portNumber());
    QSignalSpy ended(&backend, &Backend::connectionEnd);
    QSignalSpy down(&backend, &Backend::disconnectionEnd);
    rig->line.mark();
    backend.connectDevice(index, 247, 0, 1);
    backend.cancelQueued();
    const quint64 posted = backend.recordsPosted();
    QVERIFY(waitUntil([&] { return backend.recordsFinished() >= posted && down.count() == 1; }, 5000));
    settle(500);
    QCOMPARE(ended.count(), 0);
    QVERIFY(!backend.connectionState());
    for (const Req &r : rig->window())
        QVERIFY2(r.fn == 3, qPrintable(QString::number(r.fn))); // the probe alone

    QVERIFY(rig->control({"delay 0"}));
    QVERIFY(ensureConnected());
    QVERIFY(rig->control({"delay 300"}));
    QSignalSpy refreshed(&backend, &Backend::refreshEnd);
    backend.refreshHomePage();
    backend.cancelQueued();
    const quint64 refreshPosted = backend.recordsPosted();
    QVERIFY(waitUntil([&] { return backend.recordsFinished() >= refreshPosted; }, 5000));
    settle(300);
    QCOMPARE(refreshed.count(), 0);
    QVERIFY(backend.connectionState());
    backend.refreshHomePage();
    QVERIFY(refreshed.wait(5000));
}

// A companion's records come back to it alone (the pages keep their values),
// and what it posts as a batch ends is a batch of its own; a cancel reaches the
// companion first, and its records still come back.
void TestBackendBus::companionBatchesKeepToThemselves()
{
    QVERIFY(ensureConnected());
    Backend &backend = rig->backend;
    const int pageThreshold = backend.temperatureThresholdValue();
    QVERIFY(rig->control({QStringLiteral("set 50573 %1").arg(pageThreshold == 85 ? 86 : 85)}));
    const QVector<quint16> moduleThreshold = rig->get(QStringLiteral("50573 1"));

    QStringList events;
    QVector<quint16> thresholdRead;
    auto finished = [&](ModbusCommand *cmd) {
        events << QStringLiteral("finished %1 error %2").arg(cmd->getAddress()).arg(cmd->getError());
        if (cmd->getAddress() == 50573)
            thresholdRead = cmd->getValues();
    };
    rig->line.mark();
    backend.postBatch({ModbusCommand(Request, 50573, 11, 4, 0)},
                      {finished, [&] {
                           events << "done 1";
                           backend.postBatch({ModbusCommand(Request, 50589, 3, 4, 0)},
                                             {finished, [&] { events << "done 2"; }});
                       }});
    QVERIFY(waitUntil([&] { return events.contains("done 2"); }, 5000));
    QCOMPARE(events, (QStringList{"finished 50573 error 0", "done 1", "finished 50589 error 0", "done 2"}));
    QCOMPARE(thresholdRead.value(0), moduleThreshold.value(0));
    QCOMPARE(backend.temperatureThresholdValue(), pageThreshold);
    const QStringList sent = texts(rig->window());
    QCOMPARE(sent.count(req(3, 50573, 11)), 1);
    QCOMPARE(sent.count(req(3, 50589, 3)), 1);

    // Cancelled: told first, every record back, done once.
    QVERIFY(rig->control({"delay 300"}));
    events.clear();
    QSignalSpy told(&backend, &Backend::queueCancelled);
    backend.postBatch({ModbusCommand(Request, 50573, 11, 4, 0), ModbusCommand(Request, 50589, 3, 4, 0)},
                      {finished, [&] { events << "done"; }});
    backend.cancelQueued();
    QCOMPARE(told.count(), 1);
    QVERIFY(waitUntil([&] { return events.contains("done"); }, 5000));
    QCOMPARE(events.size(), 3);
    QCOMPARE(events.last(), QStringLiteral("done"));
    QVERIFY(events.contains(QStringLiteral("finished 50589 error %1").arg(int(QModbusDevice::ReplyAbortedError))));
    QVERIFY(rig->control({"delay 0"}));
}
