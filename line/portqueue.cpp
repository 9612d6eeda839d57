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
    inFlight = true;
    modbus.sendRequest(&current);
}

void PortQueue::onRequestEnd()
{
    if (!inFlight || batches.isEmpty())
        return;
    inFlight = false;
    Pending &p = batches.first();
    p.records[p.next] = current;
    ModbusCommand *finished = &p.records[p.next];
    ++p.next;
    const bool last = p.next >= p.records.size();
    const Backend::Batch batch = p.batch;
    // Out of the list before `done`, which may post the next batch.
    QVector<ModbusCommand> records = p.records;
    if (last)
        batches.removeFirst();
    if (batch.finished)
        batch.finished(last ? &records[records.size() - 1] : finished);
    if (last && batch.done)
        batch.done();
    // A callback may have closed the port or sent already.
    if (!inFlight && opened)
        QTimer::singleShot(0, this, [this] {
            if (!inFlight)
                sendNext();
        });
}
