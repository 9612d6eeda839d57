#pragma once

#include <QVector>

class QModbusPdu;

// One Modbus request as the module understands it, taken apart from its PDU.
class Request
{
public:
    enum Function {
        ReadCoils = 1,
        ReadHoldingRegisters = 3,
        WriteSingleCoil = 5,
        WriteSingleRegister = 6,
        WriteMultipleCoils = 15,
        WriteMultipleRegisters = 16,
    };

    static Request fromPdu(const QModbusPdu &pdu);

    bool isWrite() const;
    bool isCoilRequest() const;
    // True when [address, address + count) contains `register`.
    bool covers(int reg) const;

    int function = 0;
    int address = 0;
    int count = 0;
    // Words written, or 0/1 per coil for coil writes; empty for reads.
    QVector<quint16> values;
    // Exception the request earns before any register is looked at:
    // 1 for a function the module lacks, 3 for a malformed quantity or value.
    int formatException = 0;
};
