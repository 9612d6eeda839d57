#include "link/tmodbus.h"

#include "link/linklog.h"
#include "link/tsan.h"

#include <QDebug>

TModbus::TModbus()
{
    qRegisterMetaType<ModbusCommand *>("ModbusCommand*");
    qRegisterMetaType<bool *>("bool*");
#ifdef ORVALIS_TSAN
    // Queued delivery hands the record and Qt's copy of the arguments over through
    // an event queue the sanitizer cannot see. These run first on this thread;
    // each waits until the worker has marked its emit done, then acquires it.
    auto handOver = [this] {
        ++received;
        while (emitted.load() < received)
            QThread::yieldCurrentThread();
        TSAN_ACQUIRE(this);
    };
    connect(this, &TModbus::sendRequest, this, handOver, Qt::QueuedConnection);
    connect(this, &TModbus::connectDevice, this, handOver, Qt::QueuedConnection);
    connect(this, &TModbus::disconnectDevice, this, handOver, Qt::QueuedConnection);
    connect(this, &TModbus::commandFinish, this, handOver, Qt::QueuedConnection);
#endif
    start();
}

TModbus::~TModbus()
{
    requestInterruption();
    TSAN_RELEASE(this); // the worker may leave a step early; what we wrote is its to drop
    pending.release();
    stepGate.release();
    wait();
    TSAN_ACQUIRE(this); // Qt's wait is not a join the sanitizer can see
}

void TModbus::addCommand(ModbusCommand cmd)
{
    queueMutex.lock();
    TSAN_ACQUIRE(&queueMutex); // QMutex waits on a futex the sanitizer cannot see
    queue.append(cmd);
    ++queuedTotal;
    TSAN_RELEASE(&queueMutex);
    queueMutex.unlock();
    pending.release();
}

void TModbus::cancelQueued()
{
    queueMutex.lock();
    TSAN_ACQUIRE(&queueMutex); // QMutex waits on a futex the sanitizer cannot see
    cancelledUpTo = queuedTotal;
    TSAN_RELEASE(&queueMutex);
    queueMutex.unlock();
}

void TModbus::onNextStepAvailable()
{
    // A give without a matching wait would let the worker skip a later step.
    if (!stepExpected.exchange(false)) {
        qCDebug(linkLog) << "TModbus: step given twice";
        return;
    }
    // Only the client reads the record of a client step, and it answers when
    // it is done with it.
    if (!finishing) {
        // The client answers on this thread. A request with nothing left to do
        // on the line goes to the consumers from here: a hand-over to the
        // worker and back would only delay the next request.
        ModbusCommand *cmd = finishAfterStep ? stepRecord.load() : nullptr;
        if (cmd && !closesLink(*cmd)) {
            finishing = true;
            stepExpected = true;
            if (cmd != &hereRecord)
                finishedHere = true;
            // From the event loop, as a queued delivery, not from inside the client.
            QMetaObject::invokeMethod(this, [this, cmd] { deliver(cmd); }, Qt::QueuedConnection);
            return;
        }
        // One of this thread's requests lost the link: the worker closes it and
        // hands the record over.
        if (cmd == &hereRecord)
            handedBack = &hereRecord;
        wakeWorker();
        return;
    }
    // A consumer of deliver() answered while later ones still wait for the record.
    if (delivering) {
        givenWhileDelivering = true;
        return;
    }
    // Every consumer reads a finished record, and one that answers through a
    // queued connection can do so before the worker has even posted the record
    // to the consumers connected after it. Wait until the emit is over, then give
    // the gate from the back of the event queue, behind every delivery.
    deliveryMutex.lock();
    deliveryMutex.unlock();
    openGateBehindDeliveries();
}

void TModbus::openGateBehindDeliveries()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!sendNextHere())
                wakeWorker();
        },
        Qt::QueuedConnection);
}

void TModbus::wakeWorker()
{
    finishAfterStep = false;
    stepRecord = nullptr;
    TSAN_RELEASE(this); // the worker reads the record after the gate opens
    stepGate.release();
}

bool TModbus::sendNextHere()
{
    if (isInterruptionRequested() || !pending.tryAcquire())
        return false;
    queueMutex.lock();
    TSAN_ACQUIRE(&queueMutex);
    const int kind = queue.first().getKind();
    // Only a request that goes on the line as it is; the worker takes the rest.
    const bool plain = (kind == Request || kind == LastRequest || kind == Firmware)
                       && takenTotal + 1 > cancelledUpTo;
    if (plain) {
        hereRecord = queue.takeFirst();
        ++takenTotal;
    }
    TSAN_RELEASE(&queueMutex);
    queueMutex.unlock();
    if (!plain) {
        pending.release();
        return false;
    }
    finishing = false;
    stepRecord = &hereRecord;
    finishAfterStep = true;
    stepExpected = true;
#ifdef ORVALIS_TSAN
    emitted.fetch_add(1);
#endif
    emit sendRequest(&hereRecord);
    return true;
}

void TModbus::deliver(ModbusCommand *cmd)
{
    delivering = true;
    givenWhileDelivering = false;
#ifdef ORVALIS_TSAN
    emitted.fetch_add(1);
#endif
    emit commandFinish(cmd);
    delivering = false;
    // Consumers that take it through a queued connection have it posted by now.
    if (givenWhileDelivering)
        openGateBehindDeliveries();
}

bool TModbus::closesLink(const ModbusCommand &cmd)
{
    const int error = cmd.getError();
    // A silent module of the line leaves the link to the connected one open.
    const bool otherSilent = cmd.getOtherSlave() > 0 && error == QModbusDevice::TimeoutError;
    return !otherSilent && (error == QModbusDevice::ConnectionError || error == QModbusDevice::TimeoutError);
}

template<typename Emit>
bool TModbus::step(Emit emitSignal, bool toConsumers)
{
    finishing = toConsumers;
    stepExpected = true;
    deliveryMutex.lock();
    emitSignal();
#ifdef ORVALIS_TSAN
    TSAN_RELEASE(this); // after the emit: Qt has copied the arguments by now
    emitted.fetch_add(1);
#endif
    deliveryMutex.unlock();
    stepGate.acquire();
    TSAN_ACQUIRE(this);
    return !isInterruptionRequested();
}

void TModbus::run()
{
    work();
    TSAN_RELEASE(this); // everything the worker did is over before wait() returns
}

void TModbus::work()
{
    connect(this, &TModbus::sendRequest, &modbus, &Modbus::sendRequest, Qt::QueuedConnection);
    connect(this, &TModbus::connectDevice, &modbus, &Modbus::connectDevice, Qt::QueuedConnection);
    connect(this, &TModbus::disconnectDevice, &modbus, &Modbus::disconnectDevice,
            Qt::QueuedConnection);
    connect(&modbus, &Modbus::onConnectDeviceEnd, this, &TModbus::onNextStepAvailable,
            Qt::QueuedConnection);
    // The client ends a request as the last thing it does with it, on this
    // object's thread: no trip through the event loop before the next step.
    connect(&modbus, &Modbus::onRequestEnd, this, &TModbus::onNextStepAvailable,
            Qt::DirectConnection);
    connect(&modbus, &Modbus::onDisconnectDeviceEnd, this, &TModbus::onNextStepAvailable,
            Qt::QueuedConnection);

    forever {
        if (ModbusCommand *back = handedBack.exchange(nullptr)) {
            TSAN_ACQUIRE(this);
            if (back->getKind() == Firmware)
                qCDebug(linkLog) << "Disconnect ?";
            if (!step([&] { emit disconnectDevice(); }) || !step([&] { emit commandFinish(back); }, true))
                return;
            continue;
        }
        pending.acquire();
        if (isInterruptionRequested())
            return;

        queueMutex.lock();
        TSAN_ACQUIRE(&queueMutex);
        ModbusCommand cmd = queue.takeFirst();
        const bool cancelled = ++takenTotal <= cancelledUpTo;
        TSAN_RELEASE(&queueMutex);
        queueMutex.unlock();

        switch (cmd.getKind()) {
        case Connect: {
            bool state = false;
            const QVector<quint16> params = cmd.getValues();
            if (!step([&] {
                    emit connectDevice(params.value(0), params.value(1), params.value(2),
                                       params.value(3), &state);
                }))
                return;
            if (!state) {
                cmd.setConnectResult(PortNotOpened);
                if (!step([&] { emit disconnectDevice(); }))
                    return;
                break;
            }
            if (!step([&] { emit sendRequest(&cmd); }))
                return;
            if (cmd.getError() != 0) {
                cmd.setConnectResult(ProbeFailed);
                if (!step([&] { emit disconnectDevice(); }))
                    return;
                qCDebug(linkLog) << "TModbus: end cmd error " << state;
            }
            break;
        }
        case Disconnect:
            if (!step([&] { emit disconnectDevice(); }))
                return;
            break;
        case Request:
        case LastRequest:
        case Firmware: {
            if (cancelled) {
                cmd.setError(QModbusDevice::ReplyAbortedError);
                break;
            }
            stepRecord = &cmd;
            finishAfterStep = true;
            const bool sent = step([&] { emit sendRequest(&cmd); });
            finishAfterStep = false;
            stepRecord = nullptr;
            if (!sent)
                return;
            // Its consumers have had it and are done with it.
            if (finishedHere.exchange(false))
                continue;
            if (closesLink(cmd)) {
                if (cmd.getKind() == Firmware)
                    qCDebug(linkLog) << "Disconnect ?";
                if (!step([&] { emit disconnectDevice(); }))
                    return;
            }
            break;
        }
        case RefreshEnd:
        case ApplyEnd:
            break;
        default:
            continue; // unknown kinds are dropped without a word
        }

        if (!step([&] { emit commandFinish(&cmd); }, true))
            return;
    }
}
