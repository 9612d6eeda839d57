#ifndef TMODBUS_H
#define TMODBUS_H

#include "link/modbus.h"
#include "link/modbuscommand.h"

#include <QList>
#include <QMutex>
#include <QSemaphore>
#include <QThread>

#include <atomic>

// Runs queued commands one at a time. The worker thread only sequences: the
// client and the consumers act on the user-interface thread while it waits.
// Requests that follow one another are sequenced from that thread itself, the
// worker still waiting: a round trip costs no thread hand-over.
class TModbus : public QThread
{
    Q_OBJECT
public:
    TModbus();
    // Stops the worker; the program itself keeps it for the whole run.
    ~TModbus() override;

    void addCommand(ModbusCommand cmd);
    // Every record queued so far and not yet taken ends at once with
    // ReplyAbortedError and puts nothing on the line; the one in flight ends
    // as it will. Consumers still get each record back, in order.
    void cancelQueued();

    Modbus *client() { return &modbus; }
    // Records queued and not yet taken by the worker.
    int queuedCommands() const { return pending.available(); }

signals:
    void sendRequest(ModbusCommand *cmd);
    void connectDevice(int comPort, int slaveAddress, int baudrate, int parity, bool *state);
    void disconnectDevice();
    void commandFinish(ModbusCommand *cmd);

public slots:
    void onNextStepAvailable();

protected:
    void run() override;

private:
    void work();

    // Emits one step's signal and waits until the other thread reports it done;
    // false when the worker is being stopped.
    template<typename Emit>
    bool step(Emit emitSignal, bool toConsumers = false);
    // Whether a request's record is followed by closing the link.
    static bool closesLink(const ModbusCommand &cmd);
    // On this thread: hands the record of a request that just ended to the
    // consumers, as the worker would have, without waking it in between.
    void deliver(ModbusCommand *cmd);
    void openGateBehindDeliveries();
    // After a record's consumers are done: sends the next queued request from
    // this thread while the worker still waits; false when the worker goes on.
    bool sendNextHere();
    void wakeWorker();

    QMutex queueMutex;
    QSemaphore stepGate{0};
    QSemaphore pending{0};
    QList<ModbusCommand> queue;
    // Under queueMutex: records ever queued, and the last of them cancelled.
    quint64 queuedTotal = 0;
    quint64 cancelledUpTo = 0;
    quint64 takenTotal = 0;
    Modbus modbus;
    QMutex deliveryMutex; // held while the worker emits a step
    std::atomic<bool> stepExpected{false};
    std::atomic<bool> finishing{false}; // the step in progress is commandFinish
    // Set by the worker for a request's client step: when it ends with the
    // record complete, this thread delivers the record itself (finishedHere).
    std::atomic<ModbusCommand *> stepRecord{nullptr};
    std::atomic<bool> finishAfterStep{false};
    std::atomic<bool> finishedHere{false};
    bool delivering = false;       // this thread is in deliver()'s emit
    bool givenWhileDelivering = false;
    // A request taken from the queue by this thread, and one of them handed to
    // the worker to close the link and finish.
    ModbusCommand hereRecord;
    std::atomic<ModbusCommand *> handedBack{nullptr};
    // Sanitizer builds only: signals emitted by the worker and taken by this thread.
    std::atomic<int> emitted{0};
    int received = 0;
};

#endif
