#ifndef LINK_MODBUS_H
#define LINK_MODBUS_H

#include "link/exchange.h"
#include "link/lineguard.h"
#include "link/linkloss.h"
#include "link/openfailure.h"

#include <QModbusRtuSerialMaster>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class ModbusCommand;
class QModbusReply;
class QSerialPort;

// Serial Modbus RTU client. Runs on the user-interface thread; every request
// ends with exactly one onRequestEnd, whatever happens on the line.
class Modbus : public QObject
{
    Q_OBJECT
public:
    explicit Modbus(QObject *parent = nullptr);
    ~Modbus() override;

    static int baudRateForIndex(int index);
    static int parityForIndex(int index);

    // Lets tests reach the watchdog path without waiting 11 s; the program never calls it.
    void setWatchdogInterval(int ms) { watchdogInterval = ms; }

    const QModbusRtuSerialMaster &device() const { return master; }

    // Why the last connect could not open its port (None when it could), the
    // port's own words for it, and the device it tried.
    OpenFailure::Kind openFailure() const { return lastOpenFailure; }
    QString openErrorText() const { return lastOpenError; }
    QString openedPath() const { return lastPortPath; }

    // Each request's outcome goes out as `exchanged` only while monitoring is
    // on, so a closed monitor costs nothing; the counters are always kept.
    void setMonitoring(bool on) { monitoring = on; }
    bool isMonitoring() const { return monitoring; }
    const LinkStatistics &statistics() const { return stats; }

    // Why the link opened last went down, from what its last request met on
    // the line; None while it holds. The first cause seen counts: a pulled
    // adapter also ends the request in flight.
    LinkLoss::Cause lossCause() const { return loss; }

    // Probing a line whose settings are not known (the line search): each
    // request goes out once, at once (no wait for silence), and waits
    // `timeoutMs` for its answer. 0 is the link's own way, with resends.
    void setProbing(int timeoutMs);
    // The slave the next requests go to; connectDevice sets it too.
    void setSlaveAddress(int address) { slaveAddress = address; }

    // The longest a request waits for the line to fall silent.
    static constexpr int LongestQuietWait = 11000;

public slots:
    void connectDevice(int comPort, int slaveAddress, int baudrate, int parity, bool *state);
    void disconnectDevice();
    void sendRequest(ModbusCommand *cmd);

signals:
    void exchanged(const Exchange &exchange);
    void onConnectDeviceEnd();
    void onDisconnectDeviceEnd();
    void onRequestEnd();

public slots:
    void onReadReady();
    void onWriteReady();

private:
    void onRequestTimeout();
    void onReplyFinished(QObject *sender);
    void onLineError(QModbusDevice::Error error);
    void abandonRequest(int error);
    void stopWatchdog();
    void transmit();
    QSerialPort *serialPort() const;
    void endRequest();
    void onLineActivity();
    void onQuietCheck();
    qint64 quietWaitLeft() const;
    void afterRequest(int error, bool refused);
    void noteLoss(LinkLoss::Cause cause);
    void restoreTimeout();
    LinkLoss::Cause unanswered() const;
    void record(Exchange::Outcome outcome, const QVector<quint16> &readValues = {}, int exceptionCode = 0);

    int slaveAddress = 0;
    QModbusRtuSerialMaster master;
    ModbusCommand *currentCommand = nullptr;
    QTimer *timer = nullptr;
    QModbusReply *reply = nullptr;
    int watchdogInterval = 11000;
    int probeTimeout = 0;
    bool ownTimeoutSet = false; // a request's own time-out is in the client

    // Keeps late and repeated answers away from the next request.
    LineGuard guard;
    QElapsedTimer lineClock;
    QTimer quietTimer;
    qint64 waitingSince = 0;        // the request in hand waits for silence since
    bool replyJustFinished = false; // the client's reader has just ended a reply
    QSerialPort *watchedPort = nullptr;

    bool monitoring = false;
    LinkStatistics stats;
    QElapsedTimer requestClock;   // since the request in hand first went out
    qint64 requestStartedAt = 0;  // ms since the epoch
    bool heardDuringRequest = false;
    LinkLoss::Cause loss = LinkLoss::None;

    OpenFailure::Kind lastOpenFailure = OpenFailure::None;
    QString lastOpenError;
    QString lastPortPath;
};

#endif
