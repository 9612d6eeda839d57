#include "request.h"

#include <QModbusPdu>

namespace {

constexpr int IllegalFunction = 1;
constexpr int IllegalDataValue = 3;

quint16 wordAt(const QByteArray &data, int at)
{
    return quint16((quint8(data.at(at)) << 8) | quint8(data.at(at + 1)));
}

} // namespace

Request Request::fromPdu(const QModbusPdu &pdu)
{
    Request r;
    r.function = pdu.functionCode();
    const QByteArray data = pdu.data();
    const auto need = [&](int bytes) {
        if (data.size() >= bytes)
            return true;
        r.formatException = IllegalDataValue;
        return false;
    };

    switch (r.function) {
    case ReadCoils:
    case ReadHoldingRegisters:
        if (!need(4))
            break;
        r.address = wordAt(data, 0);
        r.count = wordAt(data, 2);
        if (r.count < 1 || r.count > (r.function == ReadCoils ? 2000 : 125))
            r.formatException = IllegalDataValue;
        break;
    case WriteSingleCoil:
        if (!need(4))
            break;
        r.address = wordAt(data, 0);
        r.count = 1;
        switch (wordAt(data, 2)) {
        case 0xFF00: r.values = {1}; break;
        case 0x0000: r.values = {0}; break;
        default: r.formatException = IllegalDataValue; break;
        }
        break;
    case WriteSingleRegister:
        if (!need(4))
            break;
        r.address = wordAt(data, 0);
        r.count = 1;
        r.values = {wordAt(data, 2)};
        break;
    case WriteMultipleCoils: {
        if (!need(5))
            break;
        r.address = wordAt(data, 0);
        r.count = wordAt(data, 2);
        const int bytes = quint8(data.at(4));
        if (r.count < 1 || r.count > 1968 || bytes != (r.count + 7) / 8 || data.size() < 5 + bytes) {
            r.formatException = IllegalDataValue;
            break;
        }
        for (int n = 0; n < r.count; ++n)
            r.values.append((quint8(data.at(5 + n / 8)) >> (n % 8)) & 1);
        break;
    }
    case WriteMultipleRegisters: {
        if (!need(5))
            break;
        r.address = wordAt(data, 0);
        r.count = wordAt(data, 2);
        const int bytes = quint8(data.at(4));
        if (r.count < 1 || r.count > 123 || bytes != 2 * r.count || data.size() < 5 + bytes) {
            r.formatException = IllegalDataValue;
            break;
        }
        for (int n = 0; n < r.count; ++n)
            r.values.append(wordAt(data, 5 + 2 * n));
        break;
    }
    default:
        // Input reads look like holding reads; keep their range for the log.
        if ((r.function == 2 || r.function == 4) && data.size() >= 4) {
            r.address = wordAt(data, 0);
            r.count = wordAt(data, 2);
        }
        r.formatException = IllegalFunction;
        break;
    }
    return r;
}

bool Request::isWrite() const
{
    return function == WriteSingleCoil || function == WriteSingleRegister
           || function == WriteMultipleCoils || function == WriteMultipleRegisters;
}

bool Request::isCoilRequest() const
{
    return function == ReadCoils || function == WriteSingleCoil || function == WriteMultipleCoils;
}

bool Request::covers(int reg) const
{
    return count > 0 && reg >= address && reg < address + count;
}
