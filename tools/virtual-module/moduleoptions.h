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

    // A probability from 0 to 1, as the line faults take it.
    static bool toProbability(const QString &text, double *out);

    bool help = false;

    // A table of slave addresses and ranges ("110-114,247"); false for a bad one.
    static bool toSlaveList(const QString &text, QVector<int> *out);

    QString port;
    // The modules on the line, in the order given; the first answers control
    // commands that name no slave.
    QVector<int> slaves{247};
    int baudRate = 19200;
    QSerialPort::Parity parity = QSerialPort::EvenParity;
    int parityCode = 1; // as the module's parity register reports it
    QString logFile;
    QString imageOut;
    QString controlSocket;
    QString toolEnd; // empty: any line settings reach the module
    int resetTime = 300;
    bool silent = false;
    // --delay MS and --latency MIN-MAX both set the answer time; MIN == MAX is fixed.
    int latencyMin = 0;
    int latencyMax = 0;
    bool corruptCrc = false;
    int lineBaud = 0; // 0: frames arrive at once
    double lateProbability = 0;
    int lateMs = 0;
    double duplicateProbability = 0;
    int duplicateMs = 0;
    double noiseRate = 0;
    bool seedSet = false;
    quint32 seed = 0;
    QVector<QPair<int, int>> exceptions; // address, exception code
};
