#include "testsilentmodule.h"

#include "link/tmodbus.h"
#include "support/virtualline.h"
#include "support/workerrecorder.h"

#include <QtTest>

namespace {

ModbusCommand readHolding(int address, int count)
{
    return ModbusCommand(Request, address, count, 4, 0);
}

} // namespace

void TestSilentModule::silentModuleTimesOut()
{
    VirtualLine line;
    QVERIFY(line.start());
    TModbus worker;
    WorkerRecorder recorder(worker);
    QVERIFY(recorder.connectTo(line.portNumber()));
    QCOMPARE(line.command("silent on"), QStringLiteral("ok"));
    recorder.steps.clear();

    QElapsedTimer clock;
    clock.start();
    ModbusCommand first = readHolding(50540, 6);
    first.addValue(5);
    worker.addCommand(first);
    worker.addCommand(readHolding(50552, 6));
    QVERIFY(recorder.waitFor(2, 13000));
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed > 9000 && elapsed < 11500, qPrintable(QString::number(elapsed)));
    QCOMPARE(recorder.finished[1].error, int(QModbusDevice::TimeoutError));
    QCOMPARE(recorder.finished[1].values, QVector<quint16>{5});

    // The link is closed now: the next request fails at once, with no second disconnect.
    QVERIFY(recorder.waitFor(3, 1000));
    QCOMPARE(recorder.finished[2].error, int(QModbusDevice::UnknownError));
    QCOMPARE(recorder.steps, (QStringList{"request", "disconnect", "finish 2", "request", "finish 2"}));
}

// The second request is queued while the first is answered, so it goes out
// straight after the first's consumers, from the client's thread; when the
// module falls silent under it, the worker still closes the link before the
// record is finished, and only once.
void TestSilentModule::silentAfterAnAnswerClosesTheLinkOnce()
{
    VirtualLine line;
    QVERIFY(line.start());
    TModbus worker;
    WorkerRecorder recorder(worker);
    QVERIFY(recorder.connectTo(line.portNumber()));
    recorder.steps.clear();

    recorder.onFinish = [&](ModbusCommand *cmd) {
        if (cmd->getAddress() == 50540)
            QCOMPARE(line.command("silent on"), QStringLiteral("ok"));
    };
    worker.addCommand(readHolding(50540, 6));
    worker.addCommand(readHolding(50552, 6));
    worker.addCommand(readHolding(50560, 2));
    QVERIFY(recorder.waitFor(4, 14000));
    QCOMPARE(recorder.finished[1].error, 0);
    QCOMPARE(recorder.finished[1].values.size(), 6);
    QCOMPARE(recorder.finished[2].error, int(QModbusDevice::TimeoutError));
    QCOMPARE(recorder.finished[3].error, int(QModbusDevice::UnknownError));
    QCOMPARE(recorder.steps, (QStringList{"request", "finish 2", "request", "disconnect", "finish 2", "request",
                                          "finish 2"}));
}
