// Where a finished command goes: link state, end signals, decoding.

#include "backend/backend.h"

#include "backend/settingsjob.h"
#include "link/modbuscommand.h"
#include "update/firmwareupdate.h"

#include <QDebug>
#include <QMetaEnum>
#include <QModbusDevice>

void Backend::commandFinish(ModbusCommand *cmd)
{
    const int kind = cmd->getKind();
    const int error = cmd->getError();

    if (kind == Firmware) {
        if (error != 0 && m_connectionState) {
            setConnectionState(false);
            // The worker closes the line only on a lost link; after any other
            // failure it is still open and the next connect would be refused.
            if (error != QModbusDevice::ConnectionError && error != QModbusDevice::TimeoutError)
                post(ModbusCommand(Disconnect, 0, 0, 0, 0));
        }
        return;
    }
    ++finishedRecords;
    const bool settingsRecord =
        settingsJob && finishedRecords > settingsJob->first && finishedRecords <= settingsJob->last;
    if (settingsRecord)
        settingsRecordFinished(cmd);

    if (error != 0) {
        qDebug() << "Backend::commandFinish - CMD FINISH"
                 << QMetaEnum::fromType<QModbusDevice::Error>().valueToKey(error);
    }

    if (error == QModbusDevice::ConnectionError || error == QModbusDevice::UnknownError
        || error == QModbusDevice::TimeoutError) {
        if (m_connectionState) {
            setConnectionState(false);
            emit connectionError();
        } else if (cmd->getConnectResult() == ProbeFailed) {
            emit connectionEnd(false);
        }
    } else {
        // A settings job's reads leave the pages and their unapplied edits alone.
        if (cmd->getIsWrite() == 0 && !settingsRecord)
            decodeReply(cmd);
        switch (kind) {
        case Connect: {
            const bool connected = cmd->getConnectResult() == Connected;
            emit connectionEnd(connected);
            setConnectionState(connected);
            if (connected)
                setModuleTime();
            break;
        }
        case Disconnect:
            emit disconnectionEnd();
            setConnectionState(false);
            break;
        case RefreshEnd:
            emit refreshEnd();
            break;
        case ApplyEnd:
            emit applyEnd();
            break;
        default:
            break;
        }
    }

    if (kind == LastRequest)
        emit loadRegisterFinish();
    if (settingsRecord && finishedRecords == settingsJob->last)
        settingsStepDone();
    emit processCmdEnd();
}

// The reason first: the interface reads it when updateFail arrives.
void Backend::onUpdateFail()
{
    const FirmwareUpdate::FailReason why = firmwareUpdate->failReason();
    update(m_updateFailReason,
           why == FirmwareUpdate::FailReason::NoReason
               ? QString()
               : QString::fromLatin1(QMetaEnum::fromType<FirmwareUpdate::FailReason>().valueToKey(int(why))),
           &Backend::updateFailReasonChanged);
    emit updateFail();
}
