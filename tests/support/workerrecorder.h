#ifndef WORKERRECORDER_H
#define WORKERRECORDER_H

#include "link/tmodbus.h"

#include <QEventLoop>
#include <QObject>
#include <QStringList>

#include <functional>

// A consumer of the worker queue that records every step and finished command,
// then releases the worker, optionally after running a hook of the test's.
class WorkerRecorder : public QObject
{
public:
    struct Finished {
        int kind;
        int address;
        int error;
        int connectResult;
        QVector<quint16> values;
    };

    explicit WorkerRecorder(TModbus &worker);

    bool waitFor(int count, int ms = 5000);
    // Opens the link to slave 247 on the port numbered `port`; true once it is open.
    bool connectTo(int port);

    QList<Finished> finished;
    QStringList steps; // "connect", "request", "disconnect", "finish <kind>"
    std::function<void(ModbusCommand *)> onFinish;
    bool releaseFirmware = true;

private:
    TModbus &worker;
    QEventLoop *waiting = nullptr;
};

// The worker's connect to slave 247 on the port numbered `port`.
ModbusCommand connectCommand(int port, int baudIndex = 0, int parityIndex = 1);

#endif
