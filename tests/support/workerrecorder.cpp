#include "workerrecorder.h"

#include <QtTest>

WorkerRecorder::WorkerRecorder(TModbus &worker) : worker(worker)
{
    connect(&worker, &TModbus::commandFinish, this, [this](ModbusCommand *cmd) {
        finished.append({cmd->getKind(), cmd->getAddress(), cmd->getError(),
                         cmd->getConnectResult(), cmd->getValues()});
        steps.append(QStringLiteral("finish %1").arg(cmd->getKind()));
        if (onFinish)
            onFinish(cmd);
        this->worker.onNextStepAvailable();
    });
    connect(&worker, &TModbus::sendRequest, this, [this] { steps.append(QStringLiteral("request")); });
    connect(&worker, &TModbus::connectDevice, this, [this] { steps.append(QStringLiteral("connect")); });
    connect(&worker, &TModbus::disconnectDevice, this,
            [this] { steps.append(QStringLiteral("disconnect")); });
}

bool WorkerRecorder::waitFor(int count, int ms)
{
    return QTest::qWaitFor([&] { return finished.size() >= count; }, ms);
}
