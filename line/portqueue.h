#ifndef LINE_PORTQUEUE_H
#define LINE_PORTQUEUE_H

#include "backend/backend.h"
#include "link/modbus.h"
#include "link/modbuscommand.h"

#include <QList>
#include <QObject>

// The line's requests while no module is connected: a client of its own on
// the port, taking batches as Backend::postBatch does, one record at a time.
// Each record goes to its getOtherSlave() with its own time-out.
class PortQueue : public QObject
{
    Q_OBJECT
public:
    explicit PortQueue(QObject *parent = nullptr);
    ~PortQueue() override;

    // `port` is a number of the port directory; indexes as the connection page's.
    bool open(int port, int baudIndex, int parity, QString *error);
    // Lets the port go at once: every record not yet back ends unsent.
    void close();
    bool isOpen() const { return opened; }
    bool idle() const { return batches.isEmpty(); }

    // Records that cannot go out (the port is closed) end with ConnectionError.
    void postBatch(const QVector<ModbusCommand> &records, Backend::Batch batch);

    Modbus &client() { return modbus; }

private:
    struct Pending {
        QVector<ModbusCommand> records;
        Backend::Batch batch;
        int next = 0;
    };
    void sendNext();
    void onRequestEnd();
    void endUnsent(Pending pending, int error);

    QList<Pending> batches;
    ModbusCommand current; // the client holds a pointer to it while it is out
    bool inFlight = false;
    bool opened = false;
    Modbus modbus; // after `current`: it goes first
};

#endif
