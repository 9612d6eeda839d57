#include "link/modbus.h"

#include "link/modbuscommand.h"
#include "link/portdirectory.h"

#include <QDebug>
#include <QModbusDataUnit>
#include <QModbusReply>
#include <QSerialPort>
#include <QTimer>

Modbus::Modbus(QObject *parent) : QObject(parent)
{
    // Qt's client keeps reporting a vanished line in a tight loop and never
    // finishes the pending reply; closing the port at once ends both.
    connect(&master, &QModbusDevice::errorOccurred, this, &Modbus::onLineError);
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
    master.setTimeout(500);
    master.setNumberOfRetries(20);
    master.setConnectionParameter(QModbusDevice::SerialDataBitsParameter, QSerialPort::Data8);
    master.setConnectionParameter(QModbusDevice::SerialStopBitsParameter, QSerialPort::OneStop);

    *state = master.connectDevice();
    emit onConnectDeviceEnd();
}

void Modbus::disconnectDevice()
{
    qDebug() << "Modbus::disconnectDevice()";
    master.disconnectDevice();
    emit onDisconnectDeviceEnd();
}

void Modbus::sendRequest(ModbusCommand *cmd)
{
    currentCommand = cmd;
    reply = nullptr;

    if (master.state() != QModbusDevice::ConnectedState) {
        qDebug() << "Modbus bad connection state" << master.state();
    } else {
        const auto type = static_cast<QModbusDataUnit::RegisterType>(cmd->getRegisterType());
        const bool write = cmd->getIsWrite() != 0;
        if (write) {
            QModbusDataUnit unit(type, cmd->getAddress(), cmd->getValues());
            reply = master.sendWriteRequest(unit, slaveAddress);
        } else {
            QModbusDataUnit unit(type, cmd->getAddress(), static_cast<quint16>(cmd->getCount()));
            reply = master.sendReadRequest(unit, slaveAddress);
        }

        if (!reply) {
            qDebug() << "Modbus reply nullptr";
        } else if (reply->isFinished()) {
            qDebug() << "Modbus request already finished";
            delete reply;
            reply = nullptr;
        } else {
            connect(reply, &QModbusReply::finished, this,
                    write ? &Modbus::onWriteReady : &Modbus::onReadReady);
            timer = new QTimer(this);
            timer->setSingleShot(true);
            timer->setInterval(watchdogInterval);
            connect(timer, &QTimer::timeout, this, &Modbus::onRequestTimeout);
            timer->start();
            return;
        }
    }

    cmd->setError(QModbusDevice::UnknownError);
    currentCommand = nullptr;
    emit onRequestEnd();
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
    auto *finished = qobject_cast<QModbusReply *>(from);
    if (!finished) {
        qDebug() << "error! reply not created";
        if (cmd)
            cmd->setError(QModbusDevice::UnknownError);
    } else {
        const int error = finished->error();
        if (cmd) {
            cmd->setError(error);
            if (error == QModbusDevice::NoError)
                cmd->addValues(finished->result().values());
        }
        finished->disconnect(this);
        finished->deleteLater();
    }
    if (finished == reply)
        reply = nullptr;
    currentCommand = nullptr;
    emit onRequestEnd();
}

void Modbus::onRequestTimeout()
{
    qDebug() << "Modbus timeout";
    abandonRequest(QModbusDevice::ConnectionError);
}

void Modbus::onLineError(QModbusDevice::Error error)
{
    if (error != QModbusDevice::ReadError && error != QModbusDevice::ConnectionError)
        return;
    if (master.state() != QModbusDevice::ConnectedState)
        return;
    qDebug() << "Modbus line lost:" << error << master.errorString();
    if (reply)
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
    currentCommand = nullptr;
    emit onRequestEnd();
}

void Modbus::stopWatchdog()
{
    if (timer) {
        timer->stop();
        timer->deleteLater();
        timer = nullptr;
    }
}
