#include "link/exchange.h"

#include <QCoreApplication>

int Exchange::functionCode(int registerType, bool write, int count)
{
    const bool coils = registerType == 2;
    if (!write)
        return coils ? 1 : 3;
    if (count == 1)
        return coils ? 5 : 6;
    return coils ? 15 : 16;
}

QString Exchange::exceptionMeaning(int code)
{
    switch (code) {
    case 1:
        return QCoreApplication::translate("Exchange", "illegal function");
    case 2:
        return QCoreApplication::translate("Exchange", "illegal data address");
    case 3:
        return QCoreApplication::translate("Exchange", "illegal data value");
    case 4:
        return QCoreApplication::translate("Exchange", "server device failure");
    case 5:
        return QCoreApplication::translate("Exchange", "acknowledge");
    case 6:
        return QCoreApplication::translate("Exchange", "server device busy");
    default:
        return QCoreApplication::translate("Exchange", "unknown exception");
    }
}

QString Exchange::outcomeText(Outcome outcome, int exceptionCode)
{
    switch (outcome) {
    case Answered:
        return QCoreApplication::translate("Exchange", "answered");
    case Timeout:
        return QCoreApplication::translate("Exchange", "time-out");
    case Garbled:
        return QCoreApplication::translate("Exchange", "garbled answer (wrong CRC)");
    case Exception:
        return QCoreApplication::translate("Exchange", "exception %1 (%2)")
            .arg(exceptionCode)
            .arg(exceptionMeaning(exceptionCode));
    case Unfit:
        return QCoreApplication::translate("Exchange", "wrong length or another request's answer");
    case LinkLost:
        return QCoreApplication::translate("Exchange", "link lost");
    case NotSent:
        return QCoreApplication::translate("Exchange", "not sent: no link");
    case LateAnswer:
        return QCoreApplication::translate("Exchange", "late answer discarded");
    }
    return {};
}
