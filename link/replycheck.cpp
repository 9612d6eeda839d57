#include "link/replycheck.h"

QString ReplyCheck::mismatch(const QModbusResponse &response, const QModbusDataUnit &unit)
{
    const QByteArray d = response.data();
    auto word = [&d](int i) { return int(quint8(d[i])) << 8 | quint8(d[i + 1]); };
    const int count = int(unit.valueCount());

    switch (response.functionCode()) {
    case QModbusPdu::ReadCoils:
    case QModbusPdu::ReadDiscreteInputs:
    case QModbusPdu::ReadHoldingRegisters:
    case QModbusPdu::ReadInputRegisters: {
        const bool bits = response.functionCode() == QModbusPdu::ReadCoils
                          || response.functionCode() == QModbusPdu::ReadDiscreteInputs;
        const int expected = bits ? (count + 7) / 8 : 2 * count;
        const int bytes = d.isEmpty() ? -1 : int(quint8(d[0]));
        if (bytes != expected || d.size() != 1 + bytes)
            return QStringLiteral("%1 data bytes where %2 were asked").arg(qMax(0, d.size() - 1)).arg(expected);
        return {};
    }
    case QModbusPdu::WriteSingleCoil:
    case QModbusPdu::WriteSingleRegister:
    case QModbusPdu::WriteMultipleCoils:
    case QModbusPdu::WriteMultipleRegisters: {
        if (d.size() != 4)
            return QStringLiteral("a write echo of %1 bytes").arg(d.size());
        const int address = word(0);
        if (address != unit.startAddress())
            return QStringLiteral("the echo of a write to %1").arg(address);
        const int second = word(2);
        int expected = count;
        if (response.functionCode() == QModbusPdu::WriteSingleRegister)
            expected = unit.value(0);
        else if (response.functionCode() == QModbusPdu::WriteSingleCoil)
            expected = unit.value(0) ? 0xFF00 : 0;
        if (second != expected)
            return QStringLiteral("a write echo carrying %1 where %2 was sent").arg(second).arg(expected);
        return {};
    }
    default:
        return {};
    }
}
