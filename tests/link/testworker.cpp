#include "testworker.h"

#include "link/tmodbus.h"
#include "support/workerrecorder.h"

#include <QtTest>

#include <thread>

namespace {

using Recorder = WorkerRecorder;
using Finished = WorkerRecorder::Finished;

ModbusCommand read(int kind, int address)
{
    return ModbusCommand(kind, address, 1, 4, 0);
}

} // namespace

void TestWorker::backToBackCommandsRunInOrder()
{
    TModbus worker;
    Recorder recorder(worker);
    for (int i = 0; i < 3; ++i)
        QTest::ignoreMessage(QtDebugMsg, "Modbus bad connection state QModbusDevice::UnconnectedState");
    worker.addCommand(read(Request, 100));
    worker.addCommand(read(LastRequest, 200));
    worker.addCommand(ModbusCommand(ApplyEnd, 0, 0, 0, 0));
    worker.addCommand(read(Request, 300));
    QVERIFY(recorder.waitFor(4));

    QCOMPARE(recorder.finished.size(), 4);
    QCOMPARE(recorder.finished[0].address, 100);
    QCOMPARE(recorder.finished[1].address, 200);
    QCOMPARE(recorder.finished[2].kind, int(ApplyEnd));
    QCOMPARE(recorder.finished[3].address, 300);
    // Each command's client step and consumer are over before the next one starts,
    // and an error 8 on a closed port does not make the worker disconnect.
    QCOMPARE(recorder.steps, (QStringList{"request", "finish 2", "request", "finish 4", "finish 6",
                                          "request", "finish 2"}));
    for (const Finished &f : {recorder.finished[0], recorder.finished[1], recorder.finished[3]}) {
        QCOMPARE(f.error, int(QModbusDevice::UnknownError));
        QVERIFY(f.values.isEmpty());
    }
    QCOMPARE(recorder.finished[2].error, 0);
}

void TestWorker::cancelledRecordsComeBackUnsent()
{
    TModbus worker;
    Recorder recorder(worker);
    // Cancelled as the first ends: the rest were queued by then. A record
    // queued afterwards runs as usual.
    recorder.onFinish = [&](ModbusCommand *cmd) {
        if (cmd->getAddress() == 1)
            worker.cancelQueued();
        if (cmd->getAddress() == 3)
            worker.addCommand(read(Request, 4));
    };
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Modbus bad connection state"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Modbus bad connection state"));
    worker.addCommand(read(Request, 1));
    worker.addCommand(read(Request, 2));
    worker.addCommand(ModbusCommand(RefreshEnd, 0, 0, 0, 0));
    worker.addCommand(read(LastRequest, 3));
    QVERIFY(recorder.waitFor(5));
    const QList<int> errors = {recorder.finished[1].error, recorder.finished[2].error, recorder.finished[3].error};
    QCOMPARE(errors, (QList<int>{QModbusDevice::ReplyAbortedError, 0, QModbusDevice::ReplyAbortedError}));
    QCOMPARE(recorder.finished[4].address, 4);
    QCOMPARE(recorder.finished[4].error, int(QModbusDevice::UnknownError));
    // Only the first and the last reached the client.
    QCOMPARE(recorder.steps.count(QStringLiteral("request")), 2);
}

void TestWorker::markerWaitsForEverythingBeforeIt()
{
    TModbus worker;
    Recorder recorder(worker);
    QStringList consumed;
    // A slow consumer: the marker must still wait for it.
    recorder.onFinish = [&](ModbusCommand *cmd) {
        QThread::msleep(20);
        consumed.append(QString::number(cmd->getKind()));
    };
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Modbus bad connection state"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Modbus bad connection state"));
    worker.addCommand(read(Request, 1));
    worker.addCommand(read(LastRequest, 2));
    worker.addCommand(ModbusCommand(RefreshEnd, 0, 0, 0, 0));
    QVERIFY(recorder.waitFor(3));
    QCOMPARE(consumed, (QStringList{"2", "4", "5"}));
}

void TestWorker::followUpsRunAfterWhatIsQueued()
{
    TModbus worker;
    Recorder recorder(worker);
    recorder.onFinish = [&](ModbusCommand *cmd) {
        if (cmd->getAddress() == 1)
            worker.addCommand(read(Request, 3));
    };
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Modbus bad connection state"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Modbus bad connection state"));
    worker.addCommand(read(Request, 1));
    worker.addCommand(ModbusCommand(RefreshEnd, 2, 0, 0, 0));
    QVERIFY(recorder.waitFor(3));
    QCOMPARE(recorder.finished[0].address, 1);
    QCOMPARE(recorder.finished[1].address, 2);
    QCOMPARE(recorder.finished[2].address, 3);
}

void TestWorker::unknownKindsAreDropped()
{
    TModbus worker;
    Recorder recorder(worker);
    worker.addCommand(ModbusCommand(3, 11, 1, 4, 0));
    worker.addCommand(ModbusCommand(8, 12, 1, 4, 0));
    worker.addCommand(ModbusCommand(-1, 13, 1, 4, 0));
    worker.addCommand(ModbusCommand(ApplyEnd, 14, 0, 0, 0));
    QVERIFY(recorder.waitFor(1));
    QTest::qWait(50);
    QCOMPARE(recorder.finished.size(), 1);
    QCOMPARE(recorder.finished[0].address, 14);
    QCOMPARE(recorder.steps, QStringList{"finish 6"});
}

void TestWorker::connectOnUnopenablePort()
{
    qunsetenv("ORVALIS_SERIAL_PORTS");
    TModbus worker;
    Recorder recorder(worker);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("no port numbered 65001"));
    QTest::ignoreMessage(QtDebugMsg, "Modbus::disconnectDevice()");
    ModbusCommand cmd(Connect, 50521, 1, 4, 0);
    cmd.addValues({65001, 247, 0, 1});
    worker.addCommand(cmd);
    QVERIFY(recorder.waitFor(1));
    QCOMPARE(recorder.steps, (QStringList{"connect", "disconnect", "finish 0"}));
    QCOMPARE(recorder.finished[0].connectResult, 1);
    QCOMPARE(recorder.finished[0].error, 0);
    // Nothing read: the values are the four connection words only.
    QCOMPARE(recorder.finished[0].values, (QVector<quint16>{65001, 247, 0, 1}));
}

void TestWorker::strayStepIsIgnored()
{
    TModbus worker;
    Recorder recorder(worker);
    QTest::ignoreMessage(QtDebugMsg, "TModbus: step given twice");
    worker.onNextStepAvailable();

    // Had the stray give been kept, the worker would not wait for the marker's
    // consumer and would already be sending the next request.
    std::atomic<bool> requestSent{false};
    connect(&worker, &TModbus::sendRequest, &worker, [&] { requestSent = true; },
            Qt::DirectConnection);
    bool ranAhead = true;
    recorder.onFinish = [&](ModbusCommand *cmd) {
        if (cmd->getKind() == RefreshEnd) {
            QThread::msleep(100);
            ranAhead = requestSent;
        }
    };
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Modbus bad connection state"));
    worker.addCommand(ModbusCommand(RefreshEnd, 0, 0, 0, 0));
    worker.addCommand(read(Request, 5));
    QVERIFY(recorder.waitFor(2));
    QVERIFY(!ranAhead);
    QCOMPARE(recorder.steps, (QStringList{"finish 5", "request", "finish 2"}));
}

void TestWorker::producersOnOtherThreads()
{
    TModbus worker;
    Recorder recorder(worker);
    const int perThread = 50;
    auto produce = [&](int base) {
        for (int i = 0; i < perThread; ++i)
            worker.addCommand(ModbusCommand(RefreshEnd, base + i, 0, 0, 0));
    };
    // Plain threads: the sanitizer follows their start and join.
    std::thread a(produce, 1000);
    std::thread b(produce, 2000);
    a.join();
    b.join();
    QVERIFY(recorder.waitFor(2 * perThread));
    // Nothing lost, and each producer's commands keep their order.
    int lastA = 999, lastB = 1999;
    for (const Finished &f : recorder.finished) {
        int &last = f.address < 2000 ? lastA : lastB;
        QCOMPARE(f.address, last + 1);
        last = f.address;
    }
    QCOMPARE(lastA, 1000 + perThread - 1);
    QCOMPARE(lastB, 2000 + perThread - 1);
}

void TestWorker::laterConsumerSeesEveryRecord()
{
    // The first consumer releases the worker through a queued connection, as the
    // firmware update does; the one connected after it must still read each
    // record before the worker moves on and reuses it.
    TModbus worker;
    QObject first;
    QObject second;
    QList<int> seenFirst, seenSecond;
    connect(&worker, &TModbus::commandFinish, &first,
            [&](ModbusCommand *cmd) {
                seenFirst.append(cmd->getAddress());
                QMetaObject::invokeMethod(&worker, &TModbus::onNextStepAvailable,
                                          Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    const int count = 20000;
    QEventLoop loop;
    connect(&worker, &TModbus::commandFinish, &second, [&](ModbusCommand *cmd) {
        seenSecond.append(cmd->getAddress());
        if (seenSecond.size() == count)
            loop.quit();
    });
    for (int i = 0; i < count; ++i)
        worker.addCommand(ModbusCommand(RefreshEnd, i, 0, 0, 0));
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    QList<int> expected;
    for (int i = 0; i < count; ++i)
        expected.append(i);
    QCOMPARE(seenFirst, expected);
    QCOMPARE(seenSecond, expected);
}

void TestWorker::requestRecordsReachQueuedConsumersBeforeTheNextRequest()
{
    // A request's record goes to the consumers from the client's thread. The
    // first consumer gives the next step at once, from inside that delivery,
    // as Backend does; the one connected after it through a queued connection
    // must still read each record before the worker takes the next request
    // into the same record, and the worker must not send it before then.
    TModbus worker;
    QObject first;
    QObject second;
    QList<int> seenFirst, seenSecond;
    QList<int> sentWhileUnread;
    int sent = 0;
    connect(&worker, &TModbus::sendRequest, &first, [&](ModbusCommand *cmd) {
        if (seenSecond.size() < sent)
            sentWhileUnread.append(cmd->getAddress());
        ++sent;
    });
    connect(&worker, &TModbus::commandFinish, &first, [&](ModbusCommand *cmd) {
        seenFirst.append(cmd->getAddress());
        worker.onNextStepAvailable();
    });
    const int count = 2000;
    QEventLoop loop;
    connect(&worker, &TModbus::commandFinish, &second,
            [&](ModbusCommand *cmd) {
                seenSecond.append(cmd->getAddress());
                QCOMPARE(cmd->getError(), int(QModbusDevice::UnknownError));
                if (seenSecond.size() == count)
                    loop.quit();
            },
            Qt::QueuedConnection);
    // Every request fails on the closed line with a debug line of its own.
    QLoggingCategory::setFilterRules(QStringLiteral("orvalis.link.debug=false"));
    for (int i = 0; i < count; ++i)
        worker.addCommand(read(i % 2 ? Request : LastRequest, i));
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    QLoggingCategory::setFilterRules(QString());
    QList<int> expected;
    for (int i = 0; i < count; ++i)
        expected.append(i);
    QCOMPARE(seenFirst, expected);
    QCOMPARE(seenSecond, expected);
    QCOMPARE(sent, count);
    QVERIFY2(sentWhileUnread.isEmpty(), qPrintable(QString::number(sentWhileUnread.size())));
}
