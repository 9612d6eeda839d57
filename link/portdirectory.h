#ifndef PORTDIRECTORY_H
#define PORTDIRECTORY_H

#include <QList>
#include <QMap>
#include <QString>

// Gives every serial port a number, the way the module's users know ports
// ("COM" followed by a number), and opens a number as exactly that port.
class PortDirectory
{
public:
    struct Port {
        QString name;     // what the system calls it ("ttyUSB0", "COM3")
        QString location; // what to open ("/dev/ttyUSB0", "COM3")
    };

    static PortDirectory &shared();

    // Reads the system's ports and ORVALIS_SERIAL_PORTS; returns the numbers
    // of the ports present now, system ports first in the system's order.
    QList<int> refresh();

    // The same from given inputs (tests use it directly).
    QList<int> update(const QList<Port> &systemPorts, const QString &extraPorts);

    // What the client opens for a port number.
    QString portName(int number);

    // What the system knows of a port, for the operator to tell adapters apart.
    struct Details {
        QString path;
        QString manufacturer; // USB adapters: maker, product and serial number
        QString product;
        QString serialNumber;
        int vendorId = -1;    // -1: none reported
        int productId = -1;
        bool present = false; // the device is there now
        bool busy = false;    // another program holds it (its lock file)
    };
    Details details(int number);

    // The devices present now, system ports and existing virtual lines: when it
    // changes, an adapter was plugged in or pulled.
    static QStringList presentDevices();

    // Number a system port name gets by rule, 0 when the rule has none.
    static int ruleNumber(const QString &name);

    static const int firstSpareNumber = 1000;
    static const int lastNumber = 65535;

private:
    int numberFor(const QString &location, const QString &name);
    int nextSpare() const;

    QMap<int, QString> locations;    // number -> location, kept for the whole run
    QMap<QString, int> numbers;      // location -> number
};

#endif
