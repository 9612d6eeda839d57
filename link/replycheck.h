#ifndef LINK_REPLYCHECK_H
#define LINK_REPLYCHECK_H

#include <QModbusDataUnit>
#include <QModbusPdu>
#include <QString>

// Qt's client matches a response to its request by slave and function alone,
// so a late or repeated answer of another block with the same function passes
// for this one's. This checks what Qt does not: the length of a read, the echo
// of a write.
class ReplyCheck
{
public:
    // What is wrong with `response` as the answer to a request for `unit`, or
    // an empty text when it fits.
    static QString mismatch(const QModbusResponse &response, const QModbusDataUnit &unit);
};

#endif
