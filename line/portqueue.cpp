#include "line/portqueue.h"

#include <QModbusDevice>
#include <QTimer>

PortQueue::PortQueue(QObject *parent) : QObject(parent)
{
    connect(&modbus, &Modbus::onRequestEnd, this, &PortQueue::onRequestEnd);
}

PortQueue::~PortQueue()
{
    batches.clear();
    if (opened)
        modbus.disconnectDevice();
}

bool PortQueue::open(int port, int baudIndex, int parity, QString *error)
{
    close();
    bool ok = false;
    modbus.connectDevice(port, 0, baudIndex, parity, &ok);
    opened = ok;
    if (!ok && error)
        *error = modbus.openErrorText();
    return ok;
}

void PortQueue::close()
{
    const QList<Pending> left = batches;
    batches.clear();
    // A request out now ends unheard: its answer, should one come, finds no reader.
    inFlight = false;
    if (opened)
        modbus.disconnectDevice();
    opened = false;
    for (const Pending &p : left)
        endUnsent(p, QModbusDevice::ReplyAbortedError);
}

void PortQueue::postBatch(const QVector<ModbusCommand> &records, Backend::Batch batch)
{
    Pending p{records, std::move(batch), 0};
    if (!opened || records.isEmpty()) {
        // Not from inside the caller: it may post again from `done`.
        QTimer::singleShot(0, this, [this, p] { endUnsent(p, QModbusDevice::ConnectionError); });
        return;
    }
    batches.append(p);
    if (!inFlight)
        sendNext();
}

void PortQueue::endUnsent(Pending p, int error)
{
    for (int i = p.next; i < p.records.size(); ++i) {
        p.records[i].setError(error);
        if (p.batch.finished)
            p.batch.finished(&p.records[i]);
    }
    if (p.batch.done)
        p.batch.done();
}

void PortQueue::sendNext()
{
    if (batches.isEmpty() || !opened)
        return;
    Pending &p = batches.first();
    current = p.records[p.next];
    // A probe goes out at once, as the line search's: the line holds no
    // answers of ours to wait for, and a silent address costs its time-out only.
    modbus.setProbing(current.getOtherTimeout() > 0 && current.getOtherResends() == 0 ? current.getOtherTimeout() : 0);
    inFlight = true;
    modbus.sendRequest(&current);
}

void PortQueue::onRequestEnd()
{
    if (!inFlight || batches.isEmpty())
        return;
    inFlight = false;
    // A copy for the callbacks: they may post, or close the port.
    Pending p = batches.first();
    p.records[p.next] = current;
    int through = p.next + 1;
    // A module that did not answer gets nothing more of the batch: the rest
    // would only wait out its time-outs as well.
    if (current.getError() == QModbusDevice::TimeoutError) {
        for (int i = through; i < p.records.size(); ++i)
            p.records[i].setError(QModbusDevice::ReplyAbortedError);
        through = p.records.size();
    }
    const bool last = through >= p.records.size();
    if (last)
        batches.removeFirst();
    else
        batches.first().next = through;
    for (int i = p.next; i < through; ++i) {
        if (p.batch.finished)
            p.batch.finished(&p.records[i]);
    }
    if (last && p.batch.done)
        p.batch.done();
    // From the event loop: a callback may have closed the port or sent already.
    if (!inFlight && opened)
        QTimer::singleShot(0, this, [this] {
            if (!inFlight)
                sendNext();
        });
}
