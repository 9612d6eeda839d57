#ifndef LINK_OPENFAILURE_H
#define LINK_OPENFAILURE_H

#include <QSerialPort>
#include <QString>

// Why a serial port could not be opened, in the terms an operator can act on.
// The serial port's own error does not tell a port the user may not open from
// one another program holds (both are PermissionError), so the device file is
// asked as well.
class OpenFailure
{
public:
    enum Kind { None, PermissionDenied, Busy, Missing, Other };

    // What the system says of the device file at `path`.
    struct DeviceFile {
        bool exists = false;
        bool accessible = false; // readable and writable by this user
    };
    static DeviceFile inspect(const QString &path);

    static Kind classify(QSerialPort::SerialPortError error, const DeviceFile &file);
};

#endif
