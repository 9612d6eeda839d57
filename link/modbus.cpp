#include "link/modbus.h"

#include "link/linklog.h"
#include "link/modbuscommand.h"
#include "link/portdirectory.h"
#include "link/replycheck.h"

#include <QDataStream>
#include <QDateTime>
#include <QDebug>
#include <QModbusDataUnit>
#include <QModbusReply>
#include <QSerialPort>
#include <QTimer>

namespace {
// The function code byte as it came on the line. Qt's serial client makes a
// reply's code from a signed byte, so an exception answer holds a value that
// QModbusPdu::FunctionCode cannot: Qt's own serialisation writes the byte,
// our code never reads it through the enum.
quint8 functionByte(const QModbusPdu &pdu)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << pdu;
    return bytes.isEmpty() ? 0 : quint8(bytes.at(0));
}
}

Modbus::Modbus(QObject *parent) : QObject(parent)
{
    // Qt's client keeps reporting a vanished line in a tight loop and never
    // finishes the pending reply; closing the port at once ends both.
    connect(&master, &QModbusDevice::errorOccurred, this, &Modbus::onLineError);
    lineClock.start();
    quietTimer.setSingleShot(true);
    quietTimer.setTimerType(Qt::PreciseTimer);
    connect(&quietTimer, &QTimer::timeout, this, &Modbus::onQuietCheck);
}

Modbus::~Modbus()
{
    // The client aborts its replies while it is destroyed after this body;
    // nothing of that may reach a record whose worker has gone.
    if (reply)
        reply->disconnect(this);
    master.disconnect(this);
    currentCommand = nullptr;
}

int Modbus::baudRateForIndex(int index)
{
    switch (index) {
    case 0:
        return QSerialPort::Baud19200;
    case 1:
        return QSerialPort::Baud38400;
    case 2:
        return QSerialPort::Baud57600;
    default:
        return QSerialPort::Baud115200;
    }
}

int Modbus::parityForIndex(int index)
{
    switch (index) {
    case 0:
        return QSerialPort::NoParity;
    case 1:
        return QSerialPort::EvenParity;
    default:
        return QSerialPort::OddParity;
    }
}

void Modbus::connectDevice(int comPort, int slaveAddress, int baudrate, int parity, bool *state)
{
    const QString portName = PortDirectory::shared().portName(comPort);
    this->slaveAddress = slaveAddress;

    master.setConnectionParameter(QModbusDevice::SerialPortNameParameter, portName);
    master.setConnectionParameter(QModbusDevice::SerialParityParameter, parityForIndex(parity));
    master.setConnectionParameter(QModbusDevice::SerialBaudRateParameter, baudRateForIndex(baudrate));
    setProbing(probeTimeout);
    master.setConnectionParameter(QModbusDevice::SerialDataBitsParameter, QSerialPort::Data8);
    master.setConnectionParameter(QModbusDevice::SerialStopBitsParameter, QSerialPort::OneStop);

    *state = master.connectDevice();
    // The client makes its port on the first connect. Heard after the client's
    // own reader, so each arrival is seen once the client has dealt with it.
    QSerialPort *port = serialPort();
    if (port && port != watchedPort) {
        watchedPort = port;
        connect(port, &QIODevice::readyRead, this, &Modbus::onLineActivity);
        connect(port, &QIODevice::bytesWritten, this, [this](qint64 n) { guard.bytesWritten(n); });
    }
    lastPortPath = portName;
    if (*state) {
        guard.linkOpened();
        replyJustFinished = false;
        stats = LinkStatistics();
        loss = LinkLoss::None;
        lastOpenFailure = OpenFailure::None;
        lastOpenError.clear();
    } else {
        // The port's own words say why: permission, busy, missing.
        const bool portSays = port && port->error() != QSerialPort::NoError;
        lastOpenError = portSays ? port->errorString() : master.errorString();
        lastOpenFailure = OpenFailure::classify(portSays ? port->error() : QSerialPort::UnknownError,
                                                OpenFailure::inspect(portName));
        qCDebug(linkLog).noquote() << "Modbus cannot open" << portName << "-" << lastOpenError;
    }
    emit onConnectDeviceEnd();
}

void Modbus::setProbing(int timeoutMs)
{
    probeTimeout = timeoutMs;
    master.setTimeout(probeTimeout > 0 ? probeTimeout : 500);
    master.setNumberOfRetries(probeTimeout > 0 ? 0 : 20);
}

void Modbus::disconnectDevice()
{
    qCDebug(linkLog) << "Modbus::disconnectDevice()";
    quietTimer.stop();
    master.disconnectDevice();
    emit onDisconnectDeviceEnd();
}

void Modbus::sendRequest(ModbusCommand *cmd)
{
    currentCommand = cmd;
    reply = nullptr;

    if (master.state() != QModbusDevice::ConnectedState) {
        qCDebug(linkLog) << "Modbus bad connection state" << master.state();
        requestStartedAt = QDateTime::currentMSecsSinceEpoch();
        requestClock.start();
        record(Exchange::NotSent);
        endRequest();
        return;
    }
    waitingSince = lineClock.elapsed();
    onQuietCheck();
}

void Modbus::onQuietCheck()
{
    if (!currentCommand || reply)
        return;
    const qint64 now = lineClock.elapsed();
    const qint64 budget = LongestQuietWait - (now - waitingSince);
    // A probe's line has no answers of earlier requests to wait for.
    const qint64 left = probeTimeout > 0 ? 0 : guard.waitLeft(now);
    if (left > 0 && budget > 0) {
        quietTimer.start(int(qMin(left, budget)));
        return;
    }
    if (left > 0)
        qCDebug(linkLog) << "Modbus line never fell silent; sending anyway";
    guard.released();
    transmit();
}

// The client's serial port: its traffic tells when the line is quiet.
QSerialPort *Modbus::serialPort() const
{
    return master.findChild<QSerialPort *>();
}

static QModbusDataUnit requestUnit(const ModbusCommand &cmd)
{
    const auto type = static_cast<QModbusDataUnit::RegisterType>(cmd.getRegisterType());
    if (cmd.getIsWrite() != 0)
        return QModbusDataUnit(type, cmd.getAddress(), cmd.getValues());
    return QModbusDataUnit(type, cmd.getAddress(), static_cast<quint16>(cmd.getCount()));
}

// Bytes on the wire of one send of the request: slave, function, data, CRC.
static int frameBytes(const ModbusCommand &cmd)
{
    const int n = cmd.getValues().size();
    if (cmd.getIsWrite() == 0 || n <= 1)
        return 8;
    if (cmd.getRegisterType() == QModbusDataUnit::Coils)
        return 9 + (n + 7) / 8;
    return 9 + 2 * n;
}

void Modbus::transmit()
{
    ModbusCommand *cmd = currentCommand;
    const bool write = cmd->getIsWrite() != 0;
    guard.requestSent(lineClock.elapsed(), frameBytes(*cmd));
    requestStartedAt = QDateTime::currentMSecsSinceEpoch();
    requestClock.start();
    heardDuringRequest = false;
    const int slave = cmd->getOtherSlave() > 0 ? cmd->getOtherSlave() : slaveAddress;
    // The client takes the retries as it queues the request and the time-out
    // once the frame is out: the link's own come back when the request ends.
    if (cmd->getOtherTimeout() > 0) {
        master.setTimeout(cmd->getOtherTimeout());
        master.setNumberOfRetries(cmd->getOtherResends());
        ownTimeoutSet = true;
    }
    if (write)
        reply = master.sendWriteRequest(requestUnit(*cmd), slave);
    else
        reply = master.sendReadRequest(requestUnit(*cmd), slave);

    if (!reply) {
        qCDebug(linkLog) << "Modbus reply nullptr";
    } else if (reply->isFinished()) {
        qCDebug(linkLog) << "Modbus request already finished";
        delete reply;
        reply = nullptr;
    } else {
        connect(reply, &QModbusReply::finished, this,
                write ? &Modbus::onWriteReady : &Modbus::onReadReady);
        timer = new QTimer(this);
        timer->setSingleShot(true);
        // A coarse timer may fire up to 5 % early, before the client's own
        // time-out, and turn a silent module's time-out into a lost link.
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(watchdogInterval);
        connect(timer, &QTimer::timeout, this, &Modbus::onRequestTimeout);
        timer->start();
        return;
    }
    endRequest();
}

// A request that never went out ends with the unknown error.
void Modbus::endRequest()
{
    restoreTimeout();
    if (currentCommand)
        currentCommand->setError(QModbusDevice::UnknownError);
    currentCommand = nullptr;
    emit onRequestEnd();
}

void Modbus::afterRequest(int error, bool refused)
{
    LineGuard::End end = LineGuard::End::Answered;
    if (refused)
        end = LineGuard::End::Refused;
    else if (error == QModbusDevice::TimeoutError || error == QModbusDevice::ConnectionError)
        end = LineGuard::End::NoAnswer;
    guard.requestEnded(lineClock.elapsed(), end);
}

void Modbus::record(Exchange::Outcome outcome, const QVector<quint16> &readValues, int exceptionCode)
{
    const ModbusCommand *cmd = currentCommand;
    if (!cmd)
        return;
    const double ms = requestClock.isValid() ? double(requestClock.nsecsElapsed()) / 1e6 : 0;
    const int sends = outcome == Exchange::NotSent ? 0 : guard.sendsOfLastRequest();
    ++stats.requests;
    stats.resends += qMax(0, sends - 1);
    if (outcome == Exchange::Answered) {
        ++stats.answered;
        if (cmd->getIsWrite() == 0)
            stats.lastReadAt = QDateTime::currentMSecsSinceEpoch();
        stats.totalMs += ms;
        stats.worstMs = qMax(stats.worstMs, ms);
    } else {
        ++stats.errors[outcome];
    }
    if (!monitoring)
        return;
    Exchange e;
    e.at = requestStartedAt;
    e.write = cmd->getIsWrite() != 0;
    e.registerType = cmd->getRegisterType();
    e.slave = cmd->getOtherSlave() > 0 ? cmd->getOtherSlave() : slaveAddress;
    e.address = cmd->getAddress();
    // An answered write has had the answer's words added to its own.
    const QVector<quint16> written = cmd->getValues().mid(0, cmd->getValues().size() - readValues.size());
    e.count = e.write ? written.size() : cmd->getCount();
    e.function = Exchange::functionCode(e.registerType, e.write, e.count);
    e.values = e.write ? written : readValues;
    e.roundTripMs = ms;
    e.sends = sends;
    e.outcome = outcome;
    e.exceptionCode = exceptionCode;
    emit exchanged(e);
}

void Modbus::onLineActivity()
{
    const bool answer = reply || replyJustFinished;
    if (reply)
        heardDuringRequest = true;
    replyJustFinished = false;
    if (master.state() != QModbusDevice::ConnectedState)
        return;
    if (guard.bytesArrived(lineClock.elapsed(), answer)) {
        qCDebug(linkLog) << "Modbus late answer discarded";
        ++stats.errors[Exchange::LateAnswer];
        if (monitoring) {
            Exchange e;
            e.at = QDateTime::currentMSecsSinceEpoch();
            e.outcome = Exchange::LateAnswer;
            emit exchanged(e);
        }
    }
}

void Modbus::onReadReady()
{
    onReplyFinished(sender());
}

void Modbus::onWriteReady()
{
    onReplyFinished(sender());
}

void Modbus::onReplyFinished(QObject *from)
{
    stopWatchdog();
    ModbusCommand *cmd = currentCommand;
    int error = QModbusDevice::UnknownError;
    bool refused = false;
    Exchange::Outcome outcome = Exchange::LinkLost;
    int exceptionCode = 0;
    QVector<quint16> readValues;
    auto *finished = qobject_cast<QModbusReply *>(from);
    if (!finished) {
        qCDebug(linkLog) << "error! reply not created";
    } else {
        error = finished->error();
        const QString rejected = error == QModbusDevice::NoError && cmd
                                     ? ReplyCheck::mismatch(finished->rawResult(), requestUnit(*cmd))
                                     : QString();
        refused = !rejected.isEmpty();
        if (refused) {
            // Another request's answer: the module is there, this block was not read.
            qCDebug(linkLog).noquote() << "Modbus reply does not fit the request at"
                                       << (cmd ? cmd->getAddress() : -1) << "-" << rejected;
            error = QModbusDevice::ProtocolError;
        }
        if (cmd && error == QModbusDevice::NoError)
            cmd->addValues(finished->result().values());
        const QModbusResponse raw = finished->rawResult();
        if (refused)
            outcome = Exchange::Unfit;
        else if (error == QModbusDevice::NoError)
            outcome = Exchange::Answered;
        else if (error == QModbusDevice::ProtocolError && (functionByte(raw) & QModbusPdu::ExceptionByte)) {
            outcome = Exchange::Exception;
            exceptionCode = raw.data().isEmpty() ? int(QModbusPdu::ExtendedException) : quint8(raw.data().at(0));
        } else if (error == QModbusDevice::ProtocolError)
            outcome = Exchange::Unfit;
        else if (error == QModbusDevice::TimeoutError)
            outcome = heardDuringRequest ? Exchange::Garbled : Exchange::Timeout;
        // Another module of the line that is silent says nothing about the link.
        if (error == QModbusDevice::TimeoutError && !(cmd && cmd->getOtherSlave() > 0))
            noteLoss(unanswered());
        if (error == QModbusDevice::NoError)
            readValues = finished->result().values();
        finished->disconnect(this);
        finished->deleteLater();
        // The client answers from its reader, which this object hears right after.
        replyJustFinished = error != QModbusDevice::TimeoutError;
    }
    if (cmd)
        cmd->setError(error);
    if (finished == reply)
        reply = nullptr;
    restoreTimeout();
    afterRequest(error, refused);
    record(outcome, readValues, exceptionCode);
    currentCommand = nullptr;
    emit onRequestEnd();
}

void Modbus::onRequestTimeout()
{
    qCDebug(linkLog) << "Modbus timeout";
    noteLoss(unanswered());
    abandonRequest(QModbusDevice::ConnectionError);
}

void Modbus::onLineError(QModbusDevice::Error error)
{
    if (error != QModbusDevice::ReadError && error != QModbusDevice::ConnectionError)
        return;
    if (master.state() != QModbusDevice::ConnectedState)
        return;
    qCDebug(linkLog) << "Modbus line lost:" << error << master.errorString();
    noteLoss(LinkLoss::AdapterGone);
    if (reply || (currentCommand && quietTimer.isActive()))
        abandonRequest(QModbusDevice::ConnectionError);
    master.disconnectDevice();
}

// Ends the request in flight without its reply; a late finished reaches nobody.
void Modbus::abandonRequest(int error)
{
    ModbusCommand *cmd = currentCommand;
    if (cmd)
        cmd->setError(error);
    if (reply) {
        reply->disconnect();
        reply->deleteLater();
        reply = nullptr;
    }
    stopWatchdog();
    quietTimer.stop();
    restoreTimeout();
    afterRequest(error, false);
    if (cmd)
        record(Exchange::LinkLost);
    currentCommand = nullptr;
    emit onRequestEnd();
}

void Modbus::restoreTimeout()
{
    if (!ownTimeoutSet)
        return;
    ownTimeoutSet = false;
    setProbing(probeTimeout);
}

void Modbus::noteLoss(LinkLoss::Cause cause)
{
    if (loss == LinkLoss::None)
        loss = cause;
}

// A request that got no frame it could take: silence, or bytes that never
// made a frame with a right CRC (Qt's client drops those without a word).
LinkLoss::Cause Modbus::unanswered() const
{
    return heardDuringRequest ? LinkLoss::Garbled : LinkLoss::NoAnswer;
}

void Modbus::stopWatchdog()
{
    if (timer) {
        timer->stop();
        timer->deleteLater();
        timer = nullptr;
    }
}
