#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include <limits>
#include <random>

class ToolEnd;
class VirtualModule;

// The RS-485 line the modules share: one serial port, the requests framed off
// it and handed to the module they address (every module for a broadcast), and
// the answers put back one at a time with the line's timing and faults.
class ModuleLine : public QObject
{
    Q_OBJECT

public:
    explicit ModuleLine(const QElapsedTimer &runTime, QObject *parent = nullptr);

    // The first module added answers the control commands given without a slave.
    void addModule(VirtualModule *module);
    VirtualModule *module(int slave) const { return m_modules.value(slave); }
    VirtualModule *firstModule() const { return m_order.value(0); }
    const QList<VirtualModule *> &modules() const { return m_order; }

    bool open(const QString &port, int baudRate, QSerialPort::Parity parity, QString *error);
    void drop();
    bool plug(QString *error);

    // With the tool's end given, a request the tool sent at another baud rate
    // or parity than the line's own is garbage: heard, never answered.
    void setToolEnd(const ToolEnd *end) { m_toolEnd = end; }
    const ToolEnd *toolEnd() const { return m_toolEnd; }

    void setSilent(bool on) { m_silent = on; }
    bool silent() const { return m_silent; }
    // Frames take their time on a line at `baud` (0: they arrive at once).
    void setLineBaud(int baud) { m_lineBaud = baud; }
    int lineBaud() const { return m_lineBaud; }
    int ownBaudRate() const { return m_baudRate; }
    // Each byte of an answer gets one bit flipped with probability `rate`.
    void setNoise(double rate) { m_noiseRate = rate; }
    double noise() const { return m_noiseRate; }
    void setSeed(quint32 seed);
    quint32 seed() const { return m_seed; }

    // The random choices of every module come from here, so that one seed
    // repeats a whole run of the line.
    bool chance(double probability);
    int draw(int min, int max);

    // True while an answer waits for its time: a later one must queue behind it.
    bool answersPending() const { return m_pending > 0; }
    // Writes `adu` at once.
    void send(const QByteArray &adu);
    // Puts `adu` on the line no earlier than `start` (us of run time) and
    // after the previous answer; returns when it has fully arrived.
    qint64 transmit(const QByteArray &adu, qint64 start, int *flipped);
    qint64 frameTime(int bytes) const;
    qint64 silenceTime() const;
    qint64 now() const { return m_runTime.nsecsElapsed() / 1000; }

private:
    void readRequests();
    void dispatch(const QByteArray &adu);
    void writeAt(const QByteArray &adu, qint64 due);

    const QElapsedTimer &m_runTime;
    QSerialPort m_port;
    QByteArray m_buffer;
    QTimer m_gapTimer;
    const ToolEnd *m_toolEnd = nullptr;
    QMap<int, VirtualModule *> m_modules;
    QList<VirtualModule *> m_order;

    int m_baudRate = 19200;
    bool m_silent = false;
    int m_lineBaud = 0;
    double m_noiseRate = 0;
    quint32 m_seed = 0;
    std::mt19937 m_random;
    // End of the last answer on the line, and answers not written yet.
    qint64 m_lineFreeAt = std::numeric_limits<qint64>::min() / 2;
    int m_pending = 0;
};
