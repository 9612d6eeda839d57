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

    // A module of the line, maybe another than the link's: the request goes
    // to `slave`, waits `timeoutMs` for each answer and is sent again
    // `resends` times when a time-out is set, and a module of the line that
    // does not answer leaves the link to the connected one as it is. 0 is the
    // link's own slave and way.
    void setOtherSlave(int slave, int timeoutMs = 0, int resends = 0)
    {
        otherSlave = slave;
        otherTimeout = timeoutMs;
        otherResends = resends;
    }
    // How the line's work waits for a module that may have gone silent: a
    // few resends, not the link's twenty.
    static constexpr int LineTimeoutMs = 500;
    static constexpr int LineResends = 2;
    int getOtherSlave() const { return otherSlave; }
    int getOtherTimeout() const { return otherTimeout; }
    int getOtherResends() const { return otherResends; }

private:
    int address;
    int count;
    int registerType;
    QVector<quint16> values;
    int kind;
    int error = 0;
    int connectResult = 0;
    int isWrite;
    int otherSlave = 0;
    int otherTimeout = 0;
    int otherResends = 0;
};

Q_DECLARE_METATYPE(ModbusCommand *)

#endif
