#include "workerrecorder.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

WorkerRecorder::WorkerRecorder(TModbus &worker) : worker(worker)
{
    connect(&worker, &TModbus::commandFinish, this, [this](ModbusCommand *cmd) {
        finished.append({cmd->getKind(), cmd->getAddress(), cmd->getError(),
                         cmd->getConnectResult(), cmd->getValues()});
        steps.append(QStringLiteral("finish %1").arg(cmd->getKind()));
        if (onFinish)
            onFinish(cmd);
        // Like the program's own consumers: the firmware update releases its own.
        if (releaseFirmware || cmd->getKind() != Firmware)
            this->worker.onNextStepAvailable();
        if (waiting)
            waiting->quit();
    });
    connect(&worker, &TModbus::sendRequest, this, [this] { steps.append(QStringLiteral("request")); });
    connect(&worker, &TModbus::connectDevice, this, [this] { steps.append(QStringLiteral("connect")); });
    connect(&worker, &TModbus::disconnectDevice, this,
            [this] { steps.append(QStringLiteral("disconnect")); });
}

// A real event loop, not QTest::qWaitFor: its 10 ms naps would make every
// timer of the serial client late and stretch its retries past the watchdog.
bool WorkerRecorder::waitFor(int count, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (finished.size() < count) {
        const int left = ms - int(clock.elapsed());
        if (left <= 0)
            return false;
        QEventLoop loop;
        QTimer::singleShot(left, &loop, &QEventLoop::quit);
        waiting = &loop;
        loop.exec();
        waiting = nullptr;
    }
    return true;
}

bool WorkerRecorder::connectTo(int port)
{
    worker.addCommand(connectCommand(port));
    return waitFor(finished.size() + 1) && finished.last().connectResult == 0;
}

ModbusCommand connectCommand(int port, int baudIndex, int parityIndex)
{
    ModbusCommand cmd(Connect, 50521, 1, 4, 0);
    cmd.addValues({quint16(port), 247, quint16(baudIndex), quint16(parityIndex)});
    return cmd;
}
