#include "testclient.h"

#include "link/modbus.h"
#include "link/tmodbus.h"
#include "support/virtualline.h"
#include "support/workerrecorder.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QSerialPort>
#include <QtTest>

#include <ctime>

namespace {

ModbusCommand readHolding(int address, int count)
{
    return ModbusCommand(Request, address, count, 4, 0);
}

ModbusCommand write(int type, int address, const QVector<quint16> &values)
{
    ModbusCommand cmd(Request, address, values.size(), type, 1);
    cmd.addValues(values);
    return cmd;
}

QVector<int> ints(const QJsonArray &array)
{
    QVector<int> result;
    for (const QJsonValue &v : array)
        result.append(v.toInt());
    return result;
}

bool waitForRequests(VirtualLine &line, int count, int ms = 3000)
{
    return QTest::qWaitFor([&] { return line.requests().size() >= count; }, ms);
}

// Opens the worker's link to the line; the recorder then holds the connect.
double cpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

void TestClient::lineSettingsFromIndexes()
{
    QCOMPARE(Modbus::baudRateForIndex(0), 19200);
    QCOMPARE(Modbus::baudRateForIndex(1), 38400);
    QCOMPARE(Modbus::baudRateForIndex(2), 57600);
    QCOMPARE(Modbus::baudRateForIndex(3), 115200);
    QCOMPARE(Modbus::baudRateForIndex(9), 115200);
    QCOMPARE(Modbus::parityForIndex(0), int(QSerialPort::NoParity));
    QCOMPARE(Modbus::parityForIndex(1), int(QSerialPort::EvenParity));
    QCOMPARE(Modbus::parityForIndex(2), int(QSerialPort::OddParity));
    QCOMPARE(Modbus::parityForIndex(5), int(QSerialPort::OddParity));

    VirtualLine line;
    QVERIFY(line.start());
    Modbus client;
    bool state = false;
    client.connectDevice(line.portNumber(), 247, 9, 5, &state);
    QVERIFY(state);
    const QModbusRtuSerialMaster &device = client.device();
    QCOMPARE(device.connectionParameter(QModbusDevice::SerialPortNameParameter).toString(),
             line.toolPath());
    QCOMPARE(device.connectionParameter(QModbusDevice::SerialBaudRateParameter).toInt(), 115200);
    QCOMPARE(device.connectionParameter(QModbusDevice::SerialParityParameter).toInt(),
             int(QSerialPort::OddParity));
    QCOMPARE(device.connectionParameter(QModbusDevice::SerialDataBitsParameter).toInt(), 8);
    QCOMPARE(device.connectionParameter(QModbusDevice::SerialStopBitsParameter).toInt(), 1);
    QCOMPARE(device.timeout(), 500);
    QCOMPARE(device.numberOfRetries(), 20);

    // The serial client refuses a second open while it is connected.
    bool again = true;
    client.connectDevice(line.portNumber(), 247, 0, 1, &again);
    QVERIFY(!again);
    QCOMPARE(client.device().state(), QModbusDevice::ConnectedState);
    QTest::ignoreMessage(QtDebugMsg, "Modbus::disconnectDevice()");
    client.disconnectDevice();
}

void TestClient::unopenablePortSaysWhy()
{
    VirtualLine line;
    QVERIFY(line.start());
    Modbus client;
    bool state = true;

    // Held by another program.
    QSerialPort other(line.toolPath());
    QVERIFY(other.open(QIODevice::ReadWrite));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Modbus cannot open .*tool[-\\d]+ - \\S.*"));
    client.connectDevice(line.portNumber(), 247, 0, 1, &state);
    QVERIFY(!state);
    other.close();

    // Gone.
    line.stop();
    state = true;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Modbus cannot open .* - .*(No such file|not exist)"));
    client.connectDevice(line.portNumber(), 247, 0, 1, &state);
    QVERIFY(!state);
}

void TestClient::requestWhileClosedEndsAtOnce()
{
    Modbus client;
    QSignalSpy ended(&client, &Modbus::onRequestEnd);
    ModbusCommand cmd = readHolding(50521, 1);
    cmd.addValue(42);
    QTest::ignoreMessage(QtDebugMsg, "Modbus bad connection state QModbusDevice::UnconnectedState");
    client.sendRequest(&cmd);
    QCOMPARE(ended.count(), 1); // before sendRequest returned
    QCOMPARE(cmd.getError(), int(QModbusDevice::UnknownError));
    QCOMPARE(cmd.getValues(), QVector<quint16>{42});
}

void TestClient::connectProbesAndAppendsAfterParameters()
{
    VirtualLine line;
    QVERIFY(line.start());
    TModbus worker;
    WorkerRecorder recorder(worker);
    worker.addCommand(connectCommand(line.portNumber(), 3, 2));
    QVERIFY(recorder.waitFor(1));
    QCOMPARE(recorder.steps, (QStringList{"connect", "request", "finish 0"}));
    const WorkerRecorder::Finished &done = recorder.finished[0];
    QCOMPARE(done.connectResult, 0);
    QCOMPARE(done.error, 0);
    // Four connection words, then the probe's one word: the module runs its application.
    QCOMPARE(done.values, (QVector<quint16>{quint16(line.portNumber()), 247, 3, 2, 0}));
    const QList<QJsonObject> sent = line.requests();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0]["fn"].toInt(), 3);
    QCOMPARE(sent[0]["addr"].toInt(), 50521);
    QCOMPARE(sent[0]["count"].toInt(), 1);
    QCOMPARE(sent[0]["slave"].toInt(), 247);
}

void TestClient::readsAndWritesReachTheModule()
{
    VirtualLine line;
    QVERIFY(line.start());
    TModbus worker;
    WorkerRecorder recorder(worker);
    QVERIFY(recorder.connectTo(line.portNumber()));
    line.mark();

    ModbusCommand measurements = readHolding(36812, 24);
    measurements.addValues({7, 8});
    worker.addCommand(measurements);
    worker.addCommand(write(4, 31504, {12}));
    worker.addCommand(write(4, 50507, {230, 3, 40, 4, 5, 600}));
    worker.addCommand(write(2, 50000, {1, 0}));
    worker.addCommand(readHolding(31504, 1));
    worker.addCommand(readHolding(50507, 6));
    worker.addCommand(ModbusCommand(LastRequest, 50000, 2, 2, 0));
    QVERIFY(recorder.waitFor(8));

    for (const auto &f : recorder.finished)
        QCOMPARE(f.error, 0);
    // A read appends exactly count words after what the record held.
    const QVector<quint16> block = recorder.finished[1].values;
    QCOMPARE(block.size(), 26);
    QCOMPARE(block.mid(0, 2), (QVector<quint16>{7, 8}));
    QCOMPARE(recorder.finished[5].values, QVector<quint16>{12});
    QCOMPARE(recorder.finished[6].values, (QVector<quint16>{230, 3, 40, 4, 5, 600}));
    QCOMPARE(recorder.finished[7].values, (QVector<quint16>{1, 0}));
    QCOMPARE(recorder.finished[7].kind, int(LastRequest));

    // The exact bus traffic: one frame per record, functions chosen by the client.
    const QList<QJsonObject> sent = line.requests();
    QCOMPARE(sent.size(), 7);
    const int functions[] = {3, 6, 16, 15, 3, 3, 1};
    const int addresses[] = {36812, 31504, 50507, 50000, 31504, 50507, 50000};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(sent[i]["fn"].toInt(), functions[i]);
        QCOMPARE(sent[i]["addr"].toInt(), addresses[i]);
    }
    QCOMPARE(sent[0]["count"].toInt(), 24);
    QCOMPARE(ints(sent[2]["values"].toArray()), (QVector<int>{230, 3, 40, 4, 5, 600}));
    QCOMPARE(ints(sent[3]["values"].toArray()), (QVector<int>{1, 0}));
    QCOMPARE(line.command("get 31504"), QStringLiteral("ok 12"));
}

void TestClient::exceptionAnswerKeepsTheLink()
{
    VirtualLine line;
    QVERIFY(line.start());
    TModbus worker;
    WorkerRecorder recorder(worker);
    QVERIFY(recorder.connectTo(line.portNumber()));
    QCOMPARE(line.command("exception 50540 4"), QStringLiteral("ok"));
    recorder.steps.clear();
    QList<Exchange> exchanges; // the refusals and their codes, as the bus monitor shows them
    worker.client()->setMonitoring(true);
    QObject::connect(worker.client(), &Modbus::exchanged, [&exchanges](const Exchange &e) { exchanges << e; });

    worker.addCommand(readHolding(50540, 6));
    worker.addCommand(readHolding(40000, 1)); // no such register
    worker.addCommand(readHolding(50552, 6));
    QVERIFY(recorder.waitFor(4));
    for (int i : {1, 2}) {
        const int error = recorder.finished[i].error;
        QVERIFY2(error != 0 && error != QModbusDevice::ConnectionError
                     && error != QModbusDevice::TimeoutError && error != QModbusDevice::UnknownError,
                 qPrintable(QString::number(error)));
        QVERIFY(recorder.finished[i].values.isEmpty());
    }
    QCOMPARE(recorder.finished[3].error, 0);
    QCOMPARE(recorder.finished[3].values.size(), 6);
    QVERIFY(!recorder.steps.contains("disconnect"));
    QCOMPARE(exchanges.size(), 3);
    const QVector<std::pair<Exchange::Outcome, int>> outcomes{
        {Exchange::Exception, 4}, {Exchange::Exception, 2}, {Exchange::Answered, 0}};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(int(exchanges[i].outcome), int(outcomes[i].first));
        QCOMPARE(exchanges[i].exceptionCode, outcomes[i].second);
    }
}

void TestClient::corruptedFrameIsRetried()
{
    VirtualLine line;
    QVERIFY(line.start());
    TModbus worker;
    WorkerRecorder recorder(worker);
    QVERIFY(recorder.connectTo(line.portNumber()));
    line.mark();
    QCOMPARE(line.command("corrupt on"), QStringLiteral("ok"));
    worker.addCommand(readHolding(50540, 6));
    QVERIFY(waitForRequests(line, 1));
    QCOMPARE(line.command("corrupt off"), QStringLiteral("ok"));
    QVERIFY(recorder.waitFor(2, 3000));

    // The client throws the bad frame away and its retry gets a good one.
    QCOMPARE(recorder.finished[1].error, 0);
    QCOMPARE(recorder.finished[1].values.size(), 6);
    const QList<QJsonObject> sent = line.requests();
    QVERIFY(sent.size() >= 2);
    QCOMPARE(sent.first()["answer"].toString(), QStringLiteral("corrupt"));
    QCOMPARE(sent.last()["answer"].toString(), QStringLiteral("normal"));
    QCOMPARE(sent.last()["addr"].toInt(), 50540);
}

// The line search's probes: one send each, without the new link's wait for
// silence, given up after their own time-out.
void TestClient::probeGoesOutOnceAndGivesUpSoon()
{
    VirtualLine line;
    QVERIFY(line.start());
    QCOMPARE(line.command("silent on"), QStringLiteral("ok"));
    Modbus client;
    client.setProbing(100);
    bool opened = false;
    client.connectDevice(line.portNumber(), 247, 0, 1, &opened);
    QVERIFY(opened);
    int ended = 0;
    QObject context;
    connect(&client, &Modbus::onRequestEnd, &context, [&] { ++ended; });
    line.mark();

    QElapsedTimer clock;
    clock.start();
    ModbusCommand silent = readHolding(50521, 1);
    client.sendRequest(&silent);
    QVERIFY(QTest::qWaitFor([&] { return ended == 1; }, 2000));
    QCOMPARE(silent.getError(), int(QModbusDevice::TimeoutError));
    QVERIFY2(clock.elapsed() < 400, qPrintable(QString::number(clock.elapsed())));
    QTest::qWait(300);
    QCOMPARE(line.requests().size(), 1);

    QCOMPARE(line.command("silent off"), QStringLiteral("ok"));
    ModbusCommand answered = readHolding(50521, 1);
    client.sendRequest(&answered);
    QVERIFY(QTest::qWaitFor([&] { return ended == 2; }, 2000));
    QCOMPARE(answered.getError(), 0);
    QCOMPARE(answered.getValues().size(), 1);
    client.disconnectDevice();
}

void TestClient::delayedAnswerArrives()
{
    VirtualLine line;
    QVERIFY(line.start());
    TModbus worker;
    WorkerRecorder recorder(worker);
    QVERIFY(recorder.connectTo(line.portNumber()));
    QCOMPARE(line.command("delay 300"), QStringLiteral("ok"));
    QElapsedTimer clock;
    clock.start();
    worker.addCommand(readHolding(50552, 6));
    QVERIFY(recorder.waitFor(2));
    QVERIFY(clock.elapsed() >= 300);
    QCOMPARE(recorder.finished[1].error, 0);
    QCOMPARE(recorder.finished[1].values.size(), 6);
}

void TestClient::watchdogEndsAHungRequest()
{
    VirtualLine line;
    QVERIFY(line.start());
    Modbus client;
    client.setWatchdogInterval(300);
    bool state = false;
    client.connectDevice(line.portNumber(), 247, 0, 1, &state);
    QVERIFY(state);
    QCOMPARE(line.command("silent on"), QStringLiteral("ok"));

    QSignalSpy ended(&client, &Modbus::onRequestEnd);
    ModbusCommand cmd = readHolding(50540, 6);
    QTest::ignoreMessage(QtDebugMsg, "Modbus timeout");
    client.sendRequest(&cmd);
    QVERIFY(ended.wait(2000));
    QCOMPARE(cmd.getError(), int(QModbusDevice::ConnectionError));

    // Closing the port makes the serial client finish the abandoned reply:
    // that late finish must reach nobody.
    QTest::ignoreMessage(QtDebugMsg, "Modbus::disconnectDevice()");
    client.disconnectDevice();
    QTest::qWait(200);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(cmd.getError(), int(QModbusDevice::ConnectionError));
    QVERIFY(cmd.getValues().isEmpty());
}

void TestClient::lineGoingAwayEndsTheRequestOnce()
{
    TModbus worker;
    WorkerRecorder recorder(worker);
    {
        VirtualLine line;
        QVERIFY(line.start());
        QVERIFY(recorder.connectTo(line.portNumber()));
        QCOMPARE(line.command("silent on"), QStringLiteral("ok"));
        line.mark();
        recorder.steps.clear();
        worker.addCommand(readHolding(50540, 6));
        QVERIFY(waitForRequests(line, 1));

        QElapsedTimer clock;
        clock.start();
        line.killLine();
        QVERIFY(recorder.waitFor(2, 3000));
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(recorder.finished[1].error, int(QModbusDevice::ConnectionError));
        QCOMPARE(recorder.steps, (QStringList{"request", "disconnect", "finish 2"}));

        // No busy loop left behind, and no second end of the same request.
        const double before = cpuSeconds();
        QTest::qWait(1000);
        QVERIFY2(cpuSeconds() - before < 0.2, "the client still spins on the dead line");
        QCOMPARE(recorder.finished.size(), 2);
    }

    VirtualLine fresh;
    QVERIFY(fresh.start());
    QVERIFY(recorder.connectTo(fresh.portNumber()));
}
