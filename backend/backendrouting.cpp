// Where a finished command goes: link state, end signals, decoding.

#include "backend/backend.h"

#include "backend/backendlog.h"
#include "backend/registers.h"
#include "link/modbus.h"
#include "link/modbuscommand.h"
#include "link/tmodbus.h"
#include "update/firmwareupdate.h"

#include <QDebug>
#include <QMetaEnum>
#include <QModbusDevice>

#include <algorithm>

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
    // Queued or on the line when the operator cancelled.
    const bool cancelled = finishedRecords <= cancelledUpTo;
    const bool cutShort = lastAborted;
    lastAborted = error == QModbusDevice::ReplyAbortedError;
    // A companion's record: its batch hears it first.
    const auto isMine = [this](const Route &r) { return finishedRecords > r.first && finishedRecords <= r.last; };
    const auto route = std::find_if(routes.cbegin(), routes.cend(), isMine);
    const bool companionRecord = route != routes.cend();
    const bool batchEnds = companionRecord && finishedRecords == route->last;
    if (companionRecord && route->batch.finished) {
        const auto finished = route->batch.finished;
        finished(cmd);
    }

    if (error != 0) {
        qCDebug(backendLog) << "Backend::commandFinish - CMD FINISH"
                            << QMetaEnum::fromType<QModbusDevice::Error>().valueToKey(error);
    }

    if (kind == Connect && cancelled) {
        // Nobody waits for it any more: it leaves no link behind.
        qCDebug(backendLog) << "Backend::commandFinish - cancelled connect ended" << cmd->getConnectResult();
        if (error == 0 && cmd->getConnectResult() == Connected)
            post(ModbusCommand(Disconnect, 0, 0, 0, 0));
    } else if (error == QModbusDevice::ConnectionError || error == QModbusDevice::UnknownError
        || (error == QModbusDevice::TimeoutError && cmd->getOtherSlave() == 0)) {
        if (m_connectionState) {
            setConnectionState(false);
            emit connectionError();
        } else if (cmd->getConnectResult() == ProbeFailed) {
            emit connectAttemptEnded(*cmd);
            emit connectionEnd(false);
        }
    } else {
        // A companion's reads leave the pages and their unapplied edits alone.
        if (cmd->getIsWrite() == 0 && !companionRecord)
            decodeReply(cmd);
        else if (error == 0)
            noteSerialWrite(*cmd);
        switch (kind) {
        case Connect: {
            const bool connected = cmd->getConnectResult() == Connected;
            const QVector<quint16> &v = cmd->getValues();
            // The probe's word follows the four connection words: 1 is the bootloader.
            const bool bootloader = connected && v.size() > 4 && v[4] == 1;
            if (connected)
                link = {v.value(0), v.value(1), v.value(2), v.value(3)};
            if (bootloader) {
                qCDebug(backendLog) << "Backend: the module is in its bootloader";
                // Its application's alarms are not known: the lamps show nothing.
                setModuleStatusKnown(false);
                setFusesKnown(false);
                setTemperatureStatusKnown(false);
            }
            update(m_moduleInBootloader, bootloader, &Backend::moduleInBootloaderChanged);
            clockPending = bootloader;
            emit connectAttemptEnded(*cmd);
            emit connectionEnd(connected);
            setConnectionState(connected);
            // A bootloader has no clock: it is set once the update is through.
            if (connected && !bootloader)
                setModuleTime();
            break;
        }
        case Disconnect:
            emit disconnectionEnd();
            setConnectionState(false);
            setLinkDown();
            break;
        // The edits of a sequence cut short stay edits.
        case RefreshEnd:
            if (!cutShort)
                emit refreshEnd();
            break;
        case ApplyEnd:
            if (!cutShort)
                emit applyEnd();
            // Serial settings the module took move it, cut short or not.
            endOfSerialWrite();
            break;
        default:
            break;
        }
    }

    // The voltage block closes every round of measurements; no companion reads it.
    if ((kind == Request || kind == LastRequest) && cmd->getAddress() == Registers::M_REG_VOLTAGE_LL
        && cmd->getIsWrite() == 0 && !companionRecord)
        emit measurementsRead();
    if (kind == LastRequest)
        emit loadRegisterFinish();
    if (batchEnds) {
        // Out of the list first: what `done` posts is a batch of its own.
        const auto it = std::find_if(routes.begin(), routes.end(), isMine);
        const Batch batch = it->batch;
        routes.erase(it);
        if (batch.done)
            batch.done();
    }
    emit processCmdEnd();
}

void Backend::setLinkDown()
{
    update(m_moduleInBootloader, false, &Backend::moduleInBootloaderChanged);
    clockPending = false;
}

// A write of the module's own serial settings that it took: unless they are
// the link's, it now answers at them only.
void Backend::noteSerialWrite(const ModbusCommand &cmd)
{
    const QVector<quint16> &v = cmd.getValues();
    if (!cmd.getIsWrite() || cmd.getAddress() != Registers::M_REG_PARITY || v.size() < 4 || link.port < 0
        || (cmd.getOtherSlave() > 0 && cmd.getOtherSlave() != link.slave))
        return;
    const int parity = v[0];
    const int baudrate = int(quint32(v[1]) << 16 | v[2]);
    const int slave = v[3];
    if (parity == link.parity && baudrate == Modbus::baudRateForIndex(link.baudIndex) && slave == link.slave)
        return;
    // The poll waits for the answer only where someone is there to give it.
    const bool asked = isSignalConnected(QMetaMethod::fromSignal(&Backend::serialSettingsWritten));
    qCDebug(backendLog) << "Backend: serial settings written" << slave << baudrate << parity
                        << "asked" << asked;
    movedTo = {true, asked, slave, baudrate, parity};
}

// Told once the apply or the restore has ended.
void Backend::endOfSerialWrite()
{
    if (!movedTo.pending)
        return;
    movedTo.pending = false;
    emit serialSettingsWritten(movedTo.slave, movedTo.baudrate, movedTo.parity);
}

void Backend::onUpdateSuccess()
{
    update(m_moduleInBootloader, false, &Backend::moduleInBootloaderChanged);
    // The connect found the bootloader and left the clock alone; nobody waits for it.
    if (clockPending && m_connectionState)
        postClock(Request);
    clockPending = false;
    emit updateSuccess();
}

// The reason first: the interface reads it when updateFail arrives.
void Backend::onUpdateFail()
{
    const FirmwareUpdate::FailReason why = firmwareUpdate->failReason();
    // The module took the reset and did not come back to its application.
    if (m_connectionState && firmwareUpdate->bootloaderEntered() && why != FirmwareUpdate::FailReason::NoBootloader)
        update(m_moduleInBootloader, true, &Backend::moduleInBootloaderChanged);
    update(m_updateFailReason,
           why == FirmwareUpdate::FailReason::NoReason
               ? QString()
               : QString::fromLatin1(QMetaEnum::fromType<FirmwareUpdate::FailReason>().valueToKey(int(why))),
           &Backend::updateFailReasonChanged);
    emit updateFail();
}
