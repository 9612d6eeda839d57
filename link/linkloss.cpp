#include "link/linkloss.h"

#include <QCoreApplication>

namespace LinkLoss {

QString causeText(Cause cause)
{
    switch (cause) {
    case NoAnswer:
        return QCoreApplication::translate("LinkLoss", "no answer");
    case Garbled:
        return QCoreApplication::translate("LinkLoss", "garbled answers");
    case AdapterGone:
        return QCoreApplication::translate("LinkLoss", "the adapter is gone");
    case None:
        break;
    }
    return {};
}

QString explanation(Cause cause, const QString &path)
{
    switch (cause) {
    case NoAnswer:
        return QCoreApplication::translate(
            "LinkLoss", "No answer: the module stopped answering, even to the repeated requests.");
    case Garbled:
        return QCoreApplication::translate(
            "LinkLoss", "Garbled answers: the module answered, but never with a frame whose checksum (CRC) "
                        "was right. Look for a loose wire, a missing line termination or interference.");
    case AdapterGone:
        return QCoreApplication::translate(
                   "LinkLoss", "The adapter is gone: %1 failed or was unplugged. Plug it in again and refresh "
                               "the port list.")
            .arg(path);
    case None:
        break;
    }
    return {};
}

} // namespace LinkLoss
