#include "testbackenddecode.h"

#include "app/translate.h"
#include "backend/backend.h"
#include "diagnostics/connecthelp.h"
#include "link/tmodbus.h"
#include "update/firmwareupdate.h"

#include <QMetaMethod>
#include <QtTest>

#include <cstring>

namespace {

// Records the names of the signals of Backend (and of a companion that
// listens to it) in the order they are emitted.
class SignalOrder : public QObject
{
    Q_OBJECT
public:
    explicit SignalOrder(Backend &backend) { listen(&backend); }
    void listen(QObject *source)
    {
        const QMetaObject *meta = source->metaObject();
        const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("record()"));
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                connect(source, meta->method(i), this, slot);
        }
    }
    QStringList names;

public slots:
    void record()
    {
        names.append(QString::fromLatin1(sender()->metaObject()->method(senderSignalIndex()).name()));
    }
};

// The program's objects, with Backend's release of the worker cut off: these
// records never went through the worker, so nobody waits for them.
struct Rig {
    Rig() { QObject::disconnect(&backend, &Backend::processCmdEnd, &worker, nullptr); }

    void finish(int kind, int address, const QVector<quint16> &words, int error = 0,
                int connectResult = 0, int isWrite = 0)
    {
        ModbusCommand cmd(kind, address, words.size(), 4, isWrite);
        cmd.addValues(words);
        cmd.setError(error);
        cmd.setConnectResult(connectResult);
        backend.commandFinish(&cmd);
    }
    void read(int address, const QVector<quint16> &words) { finish(Request, address, words); }

    FirmwareUpdate update;
    TModbus worker;
    Translate translate{nullptr};
    Backend backend{&worker, &translate, &update};
};

QVector<quint16> floatWords(std::initializer_list<float> values)
{
    QVector<quint16> words;
    for (float f : values) {
        quint32 bits;
        std::memcpy(&bits, &f, sizeof bits);
        words << quint16(bits >> 16) << quint16(bits & 0xFFFF);
    }
    return words;
}

} // namespace

void TestBackendDecode::initTestCase()
{
    QVERIFY(dataHome.isValid());
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
}

void TestBackendDecode::metaObjectTables()
{
    const QStringList properties = {
        "connectionState", "lstDevices", "firmwareVersion", "synchronization", "password",
        "lastBoot", "hardwareVersion", "dateHour", "timeDurationMeans", "activePowerCalculatedOn",
        "frequency", "slaveAddress", "baudrate", "parity", "ctPhaseA1", "ctPhaseA2", "ctPhaseA3",
        "limitVoltage", "limitVoltageDuration", "limitCurrent", "limitCurrentDuration",
        "minimumTimeMessage", "callMonitoringTime", "fusesStatus", "intensity", "intensityMean",
        "intensityMin", "currentPhi", "voltageValuesN", "voltageValues", "activeReactivePower",
        "activeReactivePowerMean", "activeReactivePowerMin", "timeAndDateOfMeanValues",
        "temperatureMeasurement", "serialNumber", "installationDate", "productNumber",
        "temperatureThresholdValue", "ctPhaseA1Int", "moduleStatus", "fuseBlowL1", "fuseBlowL2",
        "fuseBlowL3", "temperatureStatus", "currentLanguage", "baudrateConnectionPage",
        "parityConnectionPage", "language", "fsdid", "measurementEnable", "chartsEnable",
        "moduleStatusKnown", "fusesKnown", "temperatureStatusKnown", "updateFailReason"};
    const QStringList notifyOrder = {
        "firmwareVersion", "synchronization", "password", "lastBoot", "hardwareVersion",
        "dateHour", "timeDurationMeans", "activePowerCalculatedOn", "frequency", "slaveAddress",
        "baudrate", "parity", "ctPhaseA2", "ctPhaseA3", "limitVoltage", "limitVoltageDuration",
        "limitCurrent", "limitCurrentDuration", "minimumTimeMessage", "callMonitoringTime",
        "fusesStatus", "intensity", "intensityMean", "intensityMin", "currentPhi",
        "voltageValuesN", "voltageValues", "activeReactivePower", "activeReactivePowerMean",
        "activeReactivePowerMin", "timeAndDateOfMeanValues", "temperatureMeasurement",
        "serialNumber", "installationDate", "productNumber", "temperatureThresholdValue",
        "ctPhaseA1", "ctPhaseA1Int", "moduleStatus", "fuseBlowL1", "fuseBlowL2", "fuseBlowL3",
        "temperatureStatus", "currentLanguage", "baudrateConnectionPage", "parityConnectionPage",
        "language", "fsdid", "measurementEnable", "chartsEnable", "moduleStatusKnown",
        "fusesKnown", "temperatureStatusKnown", "updateFailReason"};
    QStringList signalNames = {"updateFail", "updateSuccess", "updateProgress",
                               "connectionStateChanged", "processCmdEnd", "lstDevicesChanged",
                               "connectionStateChange", "connectionEnd", "disconnectionEnd",
                               "refreshEnd", "applyEnd", "connectionError", "loadRegisterFinish"};
    for (const QString &p : notifyOrder)
        signalNames.append(p + "Changed");
    signalNames << "measurementsRead" << "moduleInBootloaderChanged" << "connectAttemptEnded" << "connectStarting"
                << "queueCancelled" << "serialSettingsWritten";
    const QStringList invokables = {
        "refreshSerialPortList", "connectDevice", "disconnectDevice", "refreshHomePage",
        "applyHomePage", "refreshCommunicationPage", "applyCommunicationPage",
        "refreshMeasurementPage", "switchLanguage", "startUpdate", "setModuleTime",
        "refreshChartsValuePage", "linkSettings", "keepLinkSettings"};

    const QMetaObject &meta = Backend::staticMetaObject;
    QStringList seenProperties;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        seenProperties.append(p.name());
        QVERIFY2(p.hasNotifySignal(), p.name());
        QCOMPARE(QString(p.notifySignal().name()), QString(p.name()) + "Changed");
        const QStringList readOnly = {"lstDevices", "updateFailReason"};
        QCOMPARE(p.isWritable(), !readOnly.contains(p.name()));
    }
    QCOMPARE(seenProperties, properties);

    QStringList seenSignals, seenMethods;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod m = meta.method(i);
        (m.methodType() == QMetaMethod::Signal ? seenSignals : seenMethods).append(m.name());
    }
    QCOMPARE(seenSignals, signalNames);
    QCOMPARE(seenMethods, invokables);

    QCOMPARE(meta.method(meta.indexOfSignal("updateProgress(float)")).parameterNames().size(), 1);
    QVERIFY(meta.indexOfSignal("connectionEnd(bool)") >= 0);
    QVERIFY(meta.indexOfSignal("connectionStateChange(bool)") >= 0);
    QVERIFY(meta.indexOfMethod("connectDevice(int,int,int,int)") >= 0);
    QVERIFY(meta.indexOfMethod("startUpdate(QString)") >= 0);
    QCOMPARE(QString(meta.property(meta.indexOfProperty("lstDevices")).typeName()), QString("QList<int>"));
    QCOMPARE(QString(meta.property(meta.indexOfProperty("intensity")).typeName()), QString("QStringList"));
}

void TestBackendDecode::startValues()
{
    Rig rig;
    Backend &b = rig.backend;
    QCOMPARE(b.intensity().size(), 4);
    QCOMPARE(b.intensity()[3], QString());
    QCOMPARE(b.activeReactivePowerMin().size(), 16);
    QCOMPARE(b.activeReactivePowerMin()[15], QString());
    QCOMPARE(b.intensityMin().size(), 8);
    QCOMPARE(b.fusesStatus().size(), 3);
    QCOMPARE(b.temperatureThresholdValue(), 60);
    QCOMPARE(b.timeDurationMeans(), 5);
    QCOMPARE(b.callMonitoringTime(), 10);
    QCOMPARE(b.minimumTimeMessage(), 2);
    QCOMPARE(b.slaveAddress(), 247);
    QCOMPARE(b.baudrate(), 19200);
    QCOMPARE(b.parity(), 1);
    QCOMPARE(b.language(), QStringLiteral("en_EN"));
    QVERIFY(!b.connectionState());

    // The one the type registration makes: no links, empty lists, nothing posted.
    Backend bare;
    QVERIFY(bare.intensity().isEmpty());
    QCOMPARE(bare.currentLanguage(), 0);
    QCOMPARE(bare.temperatureThresholdValue(), 60);
    bare.refreshHomePage();
    bare.switchLanguage();
    bare.startUpdate(QStringLiteral("/nonexistent"));
}

void TestBackendDecode::settersCompareFirst()
{
    Rig rig;
    Backend &b = rig.backend;
    QSignalSpy intensity(&b, &Backend::intensityChanged);
    QSignalSpy threshold(&b, &Backend::temperatureThresholdValueChanged);
    b.setIntensity({"1.00", "2.00", "3.00", "0.50"});
    b.setIntensity(QStringList{"1.00", "2.00", "3.00", "0.50"});
    QCOMPARE(intensity.count(), 1);
    b.setTemperatureThresholdValue(60);
    QCOMPARE(threshold.count(), 0);
    b.setTemperatureThresholdValue(61);
    QCOMPARE(threshold.count(), 1);

    // The same reading twice notifies once.
    const QVector<quint16> words = floatWords({1, 2, 3, 4, 10, 20, 30, 40, 50, 60, 70, 80});
    QSignalSpy power(&b, &Backend::activeReactivePowerChanged);
    rig.read(36812, words);
    rig.read(36812, words);
    QCOMPARE(power.count(), 1);
}

void TestBackendDecode::statusTexts()
{
    Rig rig;
    Backend &b = rig.backend;
    rig.read(30002, {0});
    QCOMPARE(b.synchronization(), QStringLiteral("Synchronized"));
    rig.read(30002, {1});
    QCOMPARE(b.synchronization(), QStringLiteral("No synchronization"));
    rig.read(30002, {7});
    QCOMPARE(b.synchronization(), QStringLiteral("No synchronization"));

    rig.read(30000, {1});
    QVERIFY(b.moduleStatus());
    rig.read(30000, {2});
    QVERIFY(!b.moduleStatus());

    rig.read(32311, {0, 1, 3});
    QCOMPARE(b.fusesStatus(), (QStringList{"0", "1", "3"}));
    QVERIFY(!b.fuseBlowL1());
    QVERIFY(b.fuseBlowL2());
    QVERIFY(!b.fuseBlowL3()); // only 1 means blown

    rig.read(50574, {1});
    QVERIFY(b.temperatureStatus());
    rig.read(50000, {1, 0});
    QVERIFY(b.activePowerCalculatedOn());
    QVERIFY(!b.frequency());
}

void TestBackendDecode::communicationBlocks()
{
    Rig rig;
    Backend &b = rig.backend;
    rig.read(31000, {0, 5, 14, 3, 7, 24, 112, 3});
    QCOMPARE(b.lastBoot(), QStringLiteral("03/07/24 14:05"));
    QCOMPARE(b.firmwareVersion(), QStringLiteral("112"));
    QCOMPARE(b.hardwareVersion(), QStringLiteral("3"));
    rig.finish(LastRequest, 31006, {113});
    QCOMPARE(b.firmwareVersion(), QStringLiteral("113"));

    rig.read(31500, {58250, 0x173B, 0x0CFF, 23, 15, 1, 0, 19200, 247});
    QCOMPARE(b.dateHour(), QStringLiteral("31/12/23 23:59"));
    QCOMPARE(b.timeDurationMeans(), 15);
    QCOMPARE(b.parity(), 1);
    QCOMPARE(b.baudrate(), 19200);
    QCOMPARE(b.slaveAddress(), 247);
    rig.read(31500, {0, 0x0105, 0x0161, 7, 5, 2, 1, 49664, 110});
    QCOMPARE(b.baudrate(), 115200);
    QCOMPARE(b.dateHour(), QStringLiteral("01/01/07 01:05"));

    rig.read(36860, {0, 0x0A1E, 0x0345, 26});
    QCOMPARE(b.timeAndDateOfMeanValues(), QStringLiteral("05/03/26 10:30"));
}

void TestBackendDecode::floatsAndExtremes()
{
    Rig rig;
    Backend &b = rig.backend;
    rig.read(50540, {0x4366, 0x0000, 0xC120, 0x0000, 0x4366, 0x8000});
    QCOMPARE(b.voltageValuesN(), (QStringList{"230.00", "-10.00", "230.50"}));

    QVector<quint16> instant = floatWords({12.5f, 3, 0.25f, 1, 230, -10, 1, 2, 3, 4, 5, 6});
    rig.read(36812, instant);
    QCOMPARE(b.intensity(), (QStringList{"12.50", "3.00", "0.25", "1.00"}));
    QCOMPARE(b.activeReactivePower(),
             (QStringList{"230.0", "-10.0", "1.0", "2.0", "3.0", "4.0", "5.0", "6.0"}));

    rig.read(36876, floatWords({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    QCOMPARE(b.intensityMean(), (QStringList{"1.00", "2.00", "3.00", "4.00"}));
    QCOMPARE(b.activeReactivePowerMean().last(), QStringLiteral("12.0"));

    QVector<quint16> extremes;
    QStringList currents, powers;
    for (int i = 0; i < 24; ++i) {
        extremes += floatWords({float(i) + 0.5f});
        (i < 8 ? currents : powers).append(QString::number(i + 0.5, 'f', i < 8 ? 2 : 1));
    }
    rig.read(36924, extremes);
    QCOMPARE(b.intensityMin(), currents);
    QCOMPARE(b.activeReactivePowerMin(), powers);

    rig.read(50552, floatWords({0.91f, 0.875f, 1}));
    QCOMPARE(b.currentPhi(), (QStringList{"0.91", "0.88", "1.00"}));

    rig.finish(LastRequest, 50567, floatWords({400, 401.25f, 399}) + QVector<quint16>{0, 0, 37});
    QCOMPARE(b.voltageValues(), (QStringList{"400.00", "401.25", "399.00"}));
    QCOMPARE(b.temperatureMeasurement(), QString::fromUtf8("37°C"));
}

void TestBackendDecode::ratiosAndThresholds()
{
    QCOMPARE(Backend::ctRatioText(800), QStringLiteral("400/5A"));
    QCOMPARE(Backend::ctRatioText(1200), QStringLiteral("600/5A"));
    QCOMPARE(Backend::ctRatioText(4000), QStringLiteral("400/1A"));
    QCOMPARE(Backend::ctRatioText(6000), QStringLiteral("600/1A"));
    QCOMPARE(Backend::ctRatioText(10), QStringLiteral("-"));
    QCOMPARE(Backend::ctRatioText(0), QStringLiteral("-"));

    Rig rig;
    Backend &b = rig.backend;
    rig.read(50501, {800, 0, 1200, 0, 10, 0, 230, 3, 40, 4, 5, 6005});
    QCOMPARE(b.ctPhaseA1(), QStringLiteral("400/5A"));
    QCOMPARE(b.ctPhaseA2(), QStringLiteral("600/5A"));
    QCOMPARE(b.ctPhaseA3(), QStringLiteral("-"));
    QCOMPARE(b.ctPhaseA1Int(), 800);
    QCOMPARE(b.limitVoltage(), 230);
    QCOMPARE(b.limitVoltageDuration(), 3);
    QCOMPARE(b.limitCurrent(), 40);
    QCOMPARE(b.limitCurrentDuration(), 4);
    QCOMPARE(b.minimumTimeMessage(), 5);
    QCOMPARE(b.callMonitoringTime(), 600);
    rig.read(50501, {800, 0, 1200, 0, 10, 0, 230, 3, 40, 4, 5, 65535});
    QCOMPARE(b.callMonitoringTime(), 6553);
}

void TestBackendDecode::identityBlock()
{
    Rig rig;
    Backend &b = rig.backend;
    SignalOrder order(b);
    rig.read(50573, {75, 0, 41, 7, 1, 23, 45, 12, 2021, 6, 9});
    QCOMPARE(b.temperatureThresholdValue(), 75);
    QCOMPARE(b.serialNumber(), QStringLiteral("070123450012"));
    QCOMPARE(b.installationDate(), QStringLiteral("09/06/2021"));
    QCOMPARE(order.names, (QStringList{"temperatureThresholdValueChanged", "installationDateChanged",
                                       "serialNumberChanged", "processCmdEnd"}));
}

void TestBackendDecode::fsdIdText()
{
    Rig rig;
    Backend &b = rig.backend;
    rig.read(50589, {0x4142, 0x3100, 0x4300});
    QCOMPARE(b.fsdid(), QStringLiteral("AB1C"));
    rig.read(50589, {0x4142, 0x4344, 0x4546});
    QCOMPARE(b.fsdid(), QStringLiteral("ABCDE")); // the low byte of the last word is not used
    rig.read(50589, {0, 0, 0});
    QCOMPARE(b.fsdid(), QString());
}

void TestBackendDecode::failedReadsKeepOrMarkValues()
{
    Rig rig;
    Backend &b = rig.backend;
    rig.read(50540, {0x4366, 0, 0x4366, 0, 0x4366, 0});
    rig.finish(Request, 50574, {1});
    const int protocolError = QModbusDevice::ProtocolError;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("CMD FINISH"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("CMD FINISH"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("CMD FINISH"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("CMD FINISH"));
    QSignalSpy finished(&b, &Backend::loadRegisterFinish);
    rig.finish(Request, 50540, {}, protocolError);
    rig.finish(LastRequest, 50567, {}, protocolError);
    rig.finish(Request, 50573, {}, protocolError);
    rig.finish(Request, 50574, {}, protocolError);
    // Nothing read is shown as if it had been: no old voltages, no "OK" lamp.
    QCOMPARE(b.voltageValuesN(), (QStringList{"Error", "Error", "Error"}));
    QCOMPARE(b.voltageValues(), (QStringList{"Error", "Error", "Error"}));
    QCOMPARE(b.temperatureThresholdValue(), -1);
    QCOMPARE(b.serialNumber(), QString());
    QVERIFY(!b.temperatureStatus());
    QVERIFY(!b.temperatureStatusKnown());
    QCOMPARE(finished.count(), 1);
    rig.read(50574, {0});
    QVERIFY(b.temperatureStatusKnown());
}

void TestBackendDecode::shortRepliesReadNothingPastTheEnd()
{
    Rig rig;
    Backend &b = rig.backend;
    const QStringList before = b.activeReactivePowerMin();
    // Blocks with fewer words than they need, as a misbehaving module could send.
    // Blocks with fewer or more words than asked, as a misbehaving line could
    // bring: never decoded, the block shows as unread.
    for (int address : {30000, 30002, 31000, 31006, 31500, 32311, 36812, 36860, 36876, 36924,
                        50000, 50501, 50540, 50552, 50567, 50573, 50574, 50589}) {
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("read 0 words of"));
        rig.read(address, {});
        const bool oneWord = address == 30000 || address == 30002 || address == 31006 || address == 50574;
        if (!oneWord)
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("read 1 words of"));
        rig.read(address, {1});
    }
    QCOMPARE(b.activeReactivePowerMin(), QStringList(QVector<QString>(16, "Error").toList()));
    QVERIFY(b.activeReactivePowerMin() != before);
    QCOMPARE(b.firmwareVersion(), QStringLiteral("1")); // 31006 has its one word
    QCOMPARE(b.temperatureThresholdValue(), -1);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("read 2 words of 1"));
    rig.read(31006, {7, 8});
    QCOMPARE(b.firmwareVersion(), QString());
}

void TestBackendDecode::connectionSignals()
{
    Rig rig;
    Backend &b = rig.backend;
    SignalOrder order(b);
    ConnectHelp help(&b, rig.worker.client(), nullptr);
    order.listen(&help);
    rig.finish(Connect, 50521, {90, 247, 0, 1}, 0, 1); // port not opened
    QCOMPARE(order.names, (QStringList{"connectAttemptEnded", "connectionEnd", "processCmdEnd"}));

    order.names.clear();
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("CMD FINISH"));
    rig.finish(Connect, 50521, {90, 247, 0, 1}, QModbusDevice::TimeoutError, 2); // probe failed
    // The reason is there when the alert reads it.
    QCOMPARE(order.names,
             (QStringList{"connectAttemptEnded", "connectionFailReasonChanged", "connectionEnd", "processCmdEnd"}));
    QCOMPARE(help.connectionFailReason().section('\n', 0, 0),
             QStringLiteral("No answer from slave address 247 at 19200 baud, parity even."));
    QVERIFY(!b.connectionState());

    order.names.clear();
    QSignalSpy ended(&b, &Backend::connectionEnd);
    rig.finish(Connect, 50521, {90, 247, 0, 1, 0}, 0, 0);
    QCOMPARE(order.names, (QStringList{"connectAttemptEnded", "connectionFailReasonChanged", "connectionEnd",
                                       "connectionStateChanged", "processCmdEnd"}));
    QVERIFY(help.connectionFailReason().isEmpty());
    QCOMPARE(ended.takeFirst().first().toBool(), true);
    QVERIFY(b.connectionState());

    order.names.clear();
    rig.finish(Disconnect, 0, {});
    QCOMPARE(order.names, (QStringList{"disconnectionEnd", "connectionStateChanged", "processCmdEnd"}));
    order.names.clear();
    rig.finish(Disconnect, 0, {});
    QCOMPARE(order.names, (QStringList{"disconnectionEnd", "processCmdEnd"}));

    order.names.clear();
    rig.finish(RefreshEnd, 0, {});
    rig.finish(ApplyEnd, 0, {});
    QCOMPARE(order.names, (QStringList{"refreshEnd", "processCmdEnd", "applyEnd", "processCmdEnd"}));
}

void TestBackendDecode::brokenLinkSignalOrder()
{
    Rig rig;
    Backend &b = rig.backend;
    rig.finish(Connect, 50521, {90, 247, 0, 1, 0});
    SignalOrder order(b);
    QTest::ignoreMessage(QtDebugMsg, "Backend::commandFinish - CMD FINISH TimeoutError");
    rig.finish(LastRequest, 50540, {}, QModbusDevice::TimeoutError);
    QCOMPARE(order.names, (QStringList{"connectionStateChanged", "connectionError",
                                       "loadRegisterFinish", "processCmdEnd"}));
    // Once down, further failures say nothing more about the link.
    order.names.clear();
    QTest::ignoreMessage(QtDebugMsg, "Backend::commandFinish - CMD FINISH UnknownError");
    rig.finish(Request, 50540, {}, QModbusDevice::UnknownError);
    QCOMPARE(order.names, QStringList{"processCmdEnd"});

    // An exception answer is not a broken link.
    rig.finish(Connect, 50521, {90, 247, 0, 1, 0});
    order.names.clear();
    QTest::ignoreMessage(QtDebugMsg, "Backend::commandFinish - CMD FINISH ProtocolError");
    rig.finish(LastRequest, 50552, {}, QModbusDevice::ProtocolError);
    QCOMPARE(order.names, (QStringList{"currentPhiChanged", "loadRegisterFinish", "processCmdEnd"}));
    QVERIFY(b.connectionState());
}

void TestBackendDecode::firmwareRecordsAreNotReleased()
{
    Rig rig;
    Backend &b = rig.backend;
    rig.finish(Connect, 50521, {90, 247, 0, 1, 0});
    SignalOrder order(b);
    rig.finish(Firmware, 50521, {1});
    QVERIFY(order.names.isEmpty());
    rig.finish(Firmware, 50527, {}, QModbusDevice::ProtocolError);
    QCOMPARE(order.names, QStringList{"connectionStateChanged"});
    QVERIFY(!b.connectionState());
}

void TestBackendDecode::portListAndConnectIndex()
{
    Rig rig;
    Backend &b = rig.backend;
    qputenv("ORVALIS_SERIAL_PORTS", "97=/tmp/orvalis-no-such-line");
    QSignalSpy changed(&b, &Backend::lstDevicesChanged);
    b.refreshSerialPortList();
    b.refreshSerialPortList();
    QCOMPARE(changed.count(), 2); // always, changed or not
    QVERIFY(b.lstDevices().contains(97));
    QVERIFY(!b.lstDevices().contains(0));
    qunsetenv("ORVALIS_SERIAL_PORTS");

    // An index outside the list ends the attempt at once instead of never.
    QSignalSpy ended(&b, &Backend::connectionEnd);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("no port at index"));
    b.connectDevice(b.lstDevices().size(), 247, 0, 1);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.first().first().toBool(), false);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("no port at index"));
    b.connectDevice(-1, 247, 0, 1);
    QCOMPARE(ended.count(), 2);
    QVERIFY(b.moduleStatus()); // the alarm view is still reset
}

void TestBackendDecode::switchLanguage()
{
    Rig rig;
    Backend &b = rig.backend;
    b.setCurrentLanguage(5);
    QTest::ignoreMessage(QtDebugMsg, "Backend::switchLanguage 5");
    b.switchLanguage();
    QCOMPARE(rig.translate.languageCode(), 1);
    b.setCurrentLanguage(0);
    QTest::ignoreMessage(QtDebugMsg, "Backend::switchLanguage 0");
    b.switchLanguage();
    QCOMPARE(rig.translate.languageCode(), 0);

    // A linked Backend starts with the language of the translator.
    rig.translate.setLanguageCode(1);
    FirmwareUpdate update;
    TModbus worker;
    Backend german(&worker, &rig.translate, &update);
    QCOMPARE(german.currentLanguage(), 1);
}

#include "testbackenddecode.moc"
