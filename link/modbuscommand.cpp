#include "link/modbuscommand.h"

ModbusCommand::ModbusCommand(int kind, int address, int count, int registerType, int isWrite)
    : address(address), count(count), registerType(registerType), kind(kind), isWrite(isWrite)
{
}

void ModbusCommand::addValue(quint16 value)
{
    values.append(value);
}

void ModbusCommand::addValues(const QVector<quint16> &words)
{
    values += words;
}

void ModbusCommand::setError(const int &newError)
{
    error = newError;
}

void ModbusCommand::setConnectResult(int result)
{
    connectResult = result;
}
