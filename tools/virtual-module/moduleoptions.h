#pragma once

#include <QPair>
#include <QSerialPort>
#include <QString>
#include <QStringList>
#include <QVector>

// Command line of the virtual module.
class ModuleOptions
{
public:
    // Returns false with a message in `error` for unusable arguments; a
    // request for help also returns false, sets `help` and puts the usage
    // text in `error`.
    bool parse(const QStringList &arguments, QString *error);

    bool help = false;

    QString port;
    int slave = 247;
    int baudRate = 19200;
    QSerialPort::Parity parity = QSerialPort::EvenParity;
    int parityCode = 1; // as the module's parity register reports it
    QString logFile;
    QString imageOut;
    QString controlSocket;
    int resetTime = 300;
    bool silent = false;
    int delay = 0;
    bool corruptCrc = false;
    QVector<QPair<int, int>> exceptions; // address, exception code
};
