#ifndef MODBUSCOMMAND_H
#define MODBUSCOMMAND_H

#include <QMetaType>
#include <QVector>

enum CommandKind {
    Connect = 0,
    Disconnect = 1,
    Request = 2,
    LastRequest = 4,
    RefreshEnd = 5,
    ApplyEnd = 6,
    Firmware = 7
};

// What a Connect record's connectResult says.
enum ConnectResult {
    Connected = 0,
    PortNotOpened = 1,
    ProbeFailed = 2
};

// One queued Modbus operation and, once the worker is done with it, its outcome.
class ModbusCommand
{
public:
    ModbusCommand(int kind = Request, int address = 0, int count = 0, int registerType = 0,
                  int isWrite = 0);

    int getAddress() const { return address; }
    int getCount() const { return count; }
    int getRegisterType() const { return registerType; }
    const QVector<quint16> &getValues() const { return values; }
    int getKind() const { return kind; }
    int getError() const { return error; }
    int getConnectResult() const { return connectResult; }
    int getIsWrite() const { return isWrite; }

    void addValue(quint16 value);
    void addValues(const QVector<quint16> &words);
    void setError(const int &newError);
    void setConnectResult(int result);

private:
    int address;
    int count;
    int registerType;
    QVector<quint16> values;
    int kind;
    int error = 0;
    int connectResult = 0;
    int isWrite;
};

Q_DECLARE_METATYPE(ModbusCommand *)

#endif
