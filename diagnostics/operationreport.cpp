#include "diagnostics/operationreport.h"

#include "backend/backend.h"
#include "backend/registertable.h"
#include "link/modbuscommand.h"
#include "link/tmodbus.h"

#include <QCoreApplication>
#include <QModbusDevice>

namespace {

// Write blocks the settings file never names; the others are in its list.
const char *const translatedBlockNames[] = {
    QT_TRANSLATE_NOOP("Backend", "Password reset"),
    QT_TRANSLATE_NOOP("Backend", "Module clock"),
};

QString writtenName(int address)
{
    const RegisterTable::Block *b = RegisterTable::write(address);
    return b ? QCoreApplication::translate("Backend", b->name.toUtf8().constData()) : QString::number(address);
}

} // namespace

OperationReport::OperationReport(Backend *backend, TModbus *worker, QObject *parent)
    : QObject(parent), backend(backend)
{
    Q_UNUSED(translatedBlockNames);
    // Made after Backend's: each record reaches this once Backend has counted it.
    connect(worker, &TModbus::commandFinish, this, &OperationReport::onFinished);
}

void OperationReport::begin()
{
    written.clear();
    notWritten.clear();
    uncertain.clear();
}

void OperationReport::cancel()
{
    if (m_cancelling)
        return;
    m_cancelling = true;
    emit cancellingChanged();
    cancelTarget = backend->recordsPosted();
    backend->cancelQueued();
    if (backend->recordsFinished() >= cancelTarget)
        endCancel();
}

void OperationReport::onFinished(ModbusCommand *cmd)
{
    const int kind = cmd->getKind();
    if (kind == Firmware)
        return;
    const int error = cmd->getError();
    if (cmd->getIsWrite()) {
        const QString name = writtenName(cmd->getAddress());
        if (error == 0)
            written << QCoreApplication::translate("Backend", "%1: written.").arg(name);
        else if (error == QModbusDevice::TimeoutError)
            uncertain << QCoreApplication::translate("Backend", "%1: no answer; the module may or may not have taken it.")
                             .arg(name);
        else if (error == QModbusDevice::ReplyAbortedError)
            notWritten << tr("%1: not written, cancelled before it was sent.").arg(name);
        else
            notWritten << tr("%1: not written, refused by the module.").arg(name);
    }
    if (kind == ApplyEnd && !m_cancelling) {
        emit applied(notWritten.isEmpty() && uncertain.isEmpty(), written + uncertain + notWritten);
        begin();
    }
    if (m_cancelling && backend->recordsFinished() >= cancelTarget)
        endCancel();
}

void OperationReport::endCancel()
{
    m_cancelling = false;
    const int blocks = written.size() + uncertain.size() + notWritten.size();
    const QString message = blocks == 0 ? tr("Cancelled: nothing was written to the module.")
                                        : tr("Cancelled: %1 of %2 blocks were written.").arg(written.size()).arg(blocks);
    const QStringList details = written + uncertain + notWritten;
    begin();
    emit cancellingChanged();
    emit cancelEnded(message, details);
}
