#ifndef DIAGNOSTICS_LINESCANNER_H
#define DIAGNOSTICS_LINESCANNER_H

#include "link/modbus.h"
#include "link/modbuscommand.h"
#include "link/openfailure.h"

#include <QObject>
#include <QVector>

// Looks for modules on one port at every baud rate, parity and slave address
// the connection page admits. Each try is the connect probe (one register at
// 50521) through a client of the link's own, probing: a short time-out, no
// resend and no wait for silence, so that a silent address costs as little as
// possible. A module that answers is asked for its serial number and firmware
// version.
class LineScanner : public QObject
{
    Q_OBJECT
public:
    struct Setting {
        int baudRate = 19200;
        int parity = 1; // 0 none, 1 even, 2 odd
        int address = 247;
        bool operator==(const Setting &o) const
        {
            return baudRate == o.baudRate && parity == o.parity && address == o.address;
        }
    };
    struct Found {
        Setting setting;
        QString serialNumber;    // empty when that read failed
        QString firmwareVersion;
    };

    // Every setting once: `first`, then 19200 even 247, then the rest, each
    // baud rate and parity through all addresses before the next.
    static QVector<Setting> order(const Setting &first);
    // How long a probe waits: both frames at that rate and the module's turnaround.
    static int probeTimeout(int baudRate);

    explicit LineScanner(QObject *parent = nullptr);
    ~LineScanner() override;

    // `port` is a number of the port directory.
    void start(int port, const QVector<Setting> &settings);
    void cancel();

    bool isRunning() const { return running; }
    int done() const { return next; }
    int total() const { return settings.size(); }
    const QVector<Found> &found() const { return modules; }
    // Why the port could not be opened, when a search ended with an error.
    OpenFailure::Kind openFailure() const { return client.openFailure(); }

signals:
    void progress();
    void moduleFound(const LineScanner::Found &module);
    // `error` is set when the port could not be opened (then nothing was tried).
    void finished(bool cancelled, const QString &error);

private:
    enum class Step { Probe, SerialNumber, Firmware };

    void tryNext();
    bool openLine(const Setting &line);
    void send(int address, int firstRegister, int count, int timeoutMs);
    void onRequestEnd();
    void answered(const QVector<quint16> &words);
    void end(bool cancelled, const QString &error = {});

    Modbus client;
    ModbusCommand request;
    int port = 0;
    bool lineOpen = false;
    Setting openAt; // the baud rate and parity the line is open at
    QVector<Setting> settings;
    QVector<Found> modules;
    int next = 0;
    bool running = false;
    Step step = Step::Probe;
    Setting current;
    int expectedWords = 0;
};

Q_DECLARE_METATYPE(LineScanner::Found)

#endif
