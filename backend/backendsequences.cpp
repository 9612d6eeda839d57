// What each operation of the pages posts to the worker, in order.

#include "backend/backend.h"

#include "backend/backendlog.h"

#include "backend/registertable.h"
#include "backend/wordcodec.h"
#include "link/modbuscommand.h"
#include "link/tmodbus.h"
#include "update/firmwareupdate.h"

#include <QDebug>

#include <algorithm>
#include <iterator>

using namespace Registers;

namespace {

// Block sizes and register types come from the table; a block missing from it
// is a programming error the tests catch.
ModbusCommand read(int kind, int address)
{
    const RegisterTable::Block *b = RegisterTable::read(address);
    Q_ASSERT(b);
    return ModbusCommand(kind, address, b ? b->count : 0, b ? b->type : HoldingRegisters, 0);
}

ModbusCommand write(int kind, int address, const QVector<quint16> &values)
{
    const RegisterTable::Block *b = RegisterTable::write(address);
    Q_ASSERT(b && b->count == values.size());
    ModbusCommand cmd(kind, address, values.size(), b ? b->type : HoldingRegisters, 1);
    cmd.addValues(values);
    return cmd;
}

ModbusCommand marker(int kind)
{
    return ModbusCommand(kind, 0, 0, 0, 0);
}

} // namespace

void Backend::connectDevice(int indexList, int slaveAddress, int baudrate, int parity)
{
    givenUp = false;
    movedTo = {};
    setLinkDown();
    setModuleStatus(true);
    setFuseBlowL1(false);
    setFuseBlowL2(false);
    setFuseBlowL3(false);
    setTemperatureStatus(false);
    setModuleStatusKnown(true);
    setFusesKnown(true);
    setTemperatureStatusKnown(true);

    // A search holds the port; the operator who connects is done with it.
    emit connectStarting();
    if (indexList < 0 || indexList >= m_lstDevices.size()) {
        qCDebug(backendLog) << "Backend::connectDevice - no port at index" << indexList;
        emit connectionEnd(false);
        return;
    }
    ModbusCommand cmd = read(Connect, M_REG_STATUS);
    cmd.addValues({quint16(m_lstDevices[indexList]), quint16(slaveAddress), quint16(baudrate),
                   quint16(parity)});
    post(cmd);
}

void Backend::giveUp()
{
    qCDebug(backendLog) << "Backend::giveUp";
    givenUp = true;
    if (firmwareUpdate)
        firmwareUpdate->cancel();
    cancelQueued();
}

void Backend::cancelQueued()
{
    qCDebug(backendLog) << "Backend::cancelQueued" << finishedRecords << postedRecords;
    emit queueCancelled();
    cancelledUpTo = postedRecords;
    if (worker)
        worker->cancelQueued();
}

void Backend::disconnectDevice()
{
    post(marker(Disconnect));
}

void Backend::refreshHomePage()
{
    qCDebug(backendLog) << "Backend::refreshHomePage";
    if (leftToBootloader("Backend::refreshHomePage", true))
        return;
    post(read(Request, M_REG_TEMPERATURE_THRESHOLD));
    post(read(Request, M_REG_CT_RATIO));
    post(read(Request, M_REG_FSD_ID));
    post(read(LastRequest, M_REG_FIRMWARE_VERSION));
    post(marker(RefreshEnd));
}

void Backend::applyHomePage()
{
    qCDebug(backendLog) << "Backend::applyHomePage" << m_installationDate << m_ctPhaseA1Int
                        << m_temperatureThresholdValue << m_fsdid;
    if (leftToBootloader("Backend::applyHomePage", true))
        return;

    const QVector<quint16> date = WordCodec::installationDateWords(m_installationDate);
    if (!date.isEmpty())
        post(write(Request, M_REG_INSTALLATION_DATE, date));

    // Values that were never read are not written back.
    if (m_ctPhaseA1Int >= 0 && !unread.contains(M_REG_CT_RATIO)) {
        post(write(Request, M_REG_CT_RATIO, WordCodec::ctRatioWords(m_ctPhaseA1Int)));
    } else {
        qCDebug(backendLog) << "Backend::applyHomePage - transformer ratio unknown, not written";
    }

    if (!unread.contains(M_REG_FSD_ID)) {
        post(write(Request, M_REG_FSD_ID, WordCodec::fsdIdWords(m_fsdid)));
    } else {
        qCDebug(backendLog) << "Backend::applyHomePage - FSD ID unknown, not written";
    }

    // The last record must still end the page's wait: an unknown value is read
    // back from the module instead of written.
    if (m_temperatureThresholdValue >= 0) {
        post(write(LastRequest, M_REG_TEMPERATURE_THRESHOLD,
                   {quint16(m_temperatureThresholdValue)}));
    } else {
        qCDebug(backendLog) << "Backend::applyHomePage - temperature threshold unknown, read back instead";
        post(read(LastRequest, M_REG_TEMPERATURE_THRESHOLD));
    }
    post(marker(ApplyEnd));
}

void Backend::refreshCommunicationPage()
{
    qCDebug(backendLog) << "Backend::refreshCommunicationPage";
    if (leftToBootloader("Backend::refreshCommunicationPage", true))
        return;
    setPassword(0);
    post(read(Request, M_COIL_SYNCHRONIZATION));
    post(read(Request, M_REG_LAST_BOOT));
    post(read(Request, M_REG_MODULE_TIME));
    post(read(Request, M_COIL_ACTIVE_POWER_CALC));
    post(read(LastRequest, M_REG_CT_RATIO));
    post(marker(RefreshEnd));
}

void Backend::applyCommunicationPage()
{
    qCDebug(backendLog) << "Backend::applyCommunicationPage" << m_timeDurationMeans << m_minimumTimeMessage
                        << m_callMonitoringTime;
    if (leftToBootloader("Backend::applyCommunicationPage", true))
        return;
    // Values that were never read (−1, or a block whose read failed) are not written back.
    if (m_timeDurationMeans >= 0)
        post(write(Request, M_REG_MEAN_DURATION, {quint16(m_timeDurationMeans)}));
    else
        qCDebug(backendLog) << "Backend::applyCommunicationPage - mean duration unknown, not written";
    post(write(Request, M_REG_PASSWORD_RESET, {quint16(m_password)}));
    if (!unread.contains(M_COIL_ACTIVE_POWER_CALC)) {
        post(write(Request, M_COIL_ACTIVE_POWER_CALC,
                   {quint16(m_activePowerCalculatedOn ? 1 : 0), quint16(m_frequency ? 1 : 0)}));
    } else {
        qCDebug(backendLog) << "Backend::applyCommunicationPage - power calculation unknown, not written";
    }
    const int limits[] = {m_limitVoltage, m_limitVoltageDuration, m_limitCurrent,
                          m_limitCurrentDuration, m_minimumTimeMessage, m_callMonitoringTime};
    if (std::all_of(std::begin(limits), std::end(limits), [](int x) { return x >= 0; })) {
        post(write(Request, M_REG_VOLTAGE_THRESHOLD,
                   WordCodec::thresholdWords(m_limitVoltage, m_limitVoltageDuration, m_limitCurrent,
                                             m_limitCurrentDuration, m_minimumTimeMessage,
                                             m_callMonitoringTime)));
    } else {
        qCDebug(backendLog) << "Backend::applyCommunicationPage - thresholds unknown, not written";
    }
    if (m_parity >= 0 && m_baudrate >= 0 && m_slaveAddress >= 0) {
        post(write(LastRequest, M_REG_PARITY,
                   WordCodec::serialSettingsWords(m_parity, m_baudrate, m_slaveAddress)));
    } else {
        qCDebug(backendLog) << "Backend::applyCommunicationPage - serial settings unknown, read back instead";
        post(read(LastRequest, M_REG_MODULE_TIME));
    }
    post(marker(ApplyEnd));
}

void Backend::refreshMeasurementPage()
{
    qCDebug(backendLog) << "Backend::refreshMeasurementPage";
    if (leftToBootloader("Backend::refreshMeasurementPage", true))
        return;
    postMeasurementReads(LastRequest);
}

// The seven measurement blocks; the last one's kind tells whether the page waits for it.
void Backend::postMeasurementReads(int lastKind)
{
    for (int address : MeasurementBlocks)
        post(read(address == M_REG_VOLTAGE_LL ? lastKind : Request, address));
}

void Backend::refreshChartsValuePage()
{
    if (m_moduleInBootloader)
        return;
    post(read(LastRequest, M_REG_VOLTAGE_LN));
}

void Backend::setModuleTime()
{
    if (leftToBootloader("Backend::setModuleTime", true))
        return;
    postClock(LastRequest);
}

// The clock write and its read-back; the last one's kind tells whether a page waits for it.
void Backend::postClock(int lastKind)
{
    post(write(Request, M_REG_MODULE_TIME, WordCodec::clockWords(clock())));
    post(read(Request, M_COIL_SYNCHRONIZATION));
    post(read(lastKind, M_REG_MODULE_TIME));
}

void Backend::onPollTimer()
{
    // In the bootloader nothing of the application answers; after serial
    // settings that moved the module, the operator says first whether the link keeps its own.
    if (!m_connectionState || firmwareUpdate->isRunning() || givenUp || m_moduleInBootloader || movedTo.held)
        return;
    // A slow module would otherwise see the queue grow by a poll every tick,
    // and refreshes and applies wait behind all of it.
    if (pollInProgress())
        return;
    for (int address : AlarmCoils)
        post(read(Request, address));
    // All plain requests: the poll never raises loadRegisterFinish.
    if (m_measurementEnable)
        postMeasurementReads(Request);
    pollEnd = postedRecords;
}
