// Words of a finished read into the properties the pages show.

#include "backend/backend.h"

#include "backend/backendlog.h"
#include "backend/measurementtable.h"
#include "backend/registertable.h"
#include "link/modbuscommand.h"

#include <QDebug>
#include <QModbusDevice>

using namespace Registers;

void Backend::decodeReply(ModbusCommand *cmd)
{
    const int address = cmd->getAddress();
    const bool ok = cmd->getError() == 0;
    // Only the words read, after the connection words of a connect.
    QVector<quint16> v = cmd->getValues();
    if (cmd->getKind() == Connect)
        v = v.mid(4);

    // A failed read carries no words, and a reply of another length is not
    // this block's: either way the fields show that the value is unknown.
    const RegisterTable::Block *block = RegisterTable::read(address);
    if (!block)
        return; // the connect probe, markers
    // A read cancelled before it was sent learnt nothing: what is shown only
    // (alarms, measurements, versions) stays as it was, and the next poll
    // reads it again. A block an apply writes back is still marked unknown.
    if (cmd->getError() == QModbusDevice::ReplyAbortedError && !RegisterTable::write(address))
        return;
    if (!ok || v.size() != block->count) {
        if (ok)
            qCDebug(backendLog).noquote() << "Backend::decodeReply -" << block->name << "read" << v.size()
                                          << "words of" << block->count;
        else
            qCDebug(backendLog).noquote() << "Backend::decodeReply -" << block->name << "not read";
        showUnread(address);
        return;
    }
    unread.remove(address);

    // Each value at the position the register table gives its field.
    const BlockWords w(*block, v);
    auto f = [](const char *name) { return QLatin1String(name); };
    switch (address) {
    case M_COIL_MODULE_STATUS:
        setModuleStatus(w.flag(f("module status")));
        setModuleStatusKnown(true);
        break;
    case M_COIL_SYNCHRONIZATION:
        // The source text: the page shows it through the catalogue.
        setSynchronization(w.number(f("not synchronized")) == 0
                               ? QStringLiteral(QT_TRANSLATE_NOOP("Backend", "Synchronized"))
                               : QStringLiteral(QT_TRANSLATE_NOOP("Backend", "No synchronization")));
        break;
    case M_REG_LAST_BOOT:
        setLastBoot(w.text(f("last boot")));
        setFirmwareVersion(w.text(f("firmware version")));
        setHardwareVersion(w.text(f("hardware version")));
        break;
    case M_REG_FIRMWARE_VERSION:
        setFirmwareVersion(w.text(f("firmware version")));
        break;
    case M_REG_MODULE_TIME:
        setDateHour(w.text(f("date and time")));
        setTimeDurationMeans(w.number(f("time duration for means")));
        setParity(w.number(f("parity")));
        setBaudrate(w.number(f("baud rate")));
        setSlaveAddress(w.number(f("slave address")));
        break;
    case M_COIL_FUSE_BLOWN: {
        const char *const fuses[] = {"fuse L1 blown", "fuse L2 blown", "fuse L3 blown"};
        setFusesStatus({w.text(f(fuses[0])), w.text(f(fuses[1])), w.text(f(fuses[2]))});
        setFuseBlowL1(w.flag(f(fuses[0])));
        setFuseBlowL2(w.flag(f(fuses[1])));
        setFuseBlowL3(w.flag(f(fuses[2])));
        setFusesKnown(true);
        break;
    }
    case M_REG_INSTANT_VALUES:
        setIntensity(MeasurementTable::texts(QStringLiteral("intensity"), v));
        setActiveReactivePower(MeasurementTable::texts(QStringLiteral("activeReactivePower"), v));
        break;
    case M_REG_MEAN_TIMESTAMP:
        setTimeAndDateOfMeanValues(w.text(f("date and time")));
        break;
    case M_REG_MEAN_VALUES:
        setIntensityMean(MeasurementTable::texts(QStringLiteral("intensityMean"), v));
        setActiveReactivePowerMean(MeasurementTable::texts(QStringLiteral("activeReactivePowerMean"), v));
        break;
    case M_REG_MIN_MAX_VALUES:
        setIntensityMin(MeasurementTable::texts(QStringLiteral("intensityMin"), v));
        setActiveReactivePowerMin(MeasurementTable::texts(QStringLiteral("activeReactivePowerMin"), v));
        break;
    case M_COIL_ACTIVE_POWER_CALC:
        setActivePowerCalculatedOn(w.flag(f("active power on the fundamental")));
        setFrequency(w.flag(f("60 Hz")));
        break;
    case M_REG_CT_RATIO:
        setCtPhaseA1Int(w.number(f("CT ratio phase 1")));
        setCtPhaseA1(w.text(f("CT ratio phase 1")));
        setCtPhaseA2(w.text(f("CT ratio phase 2")));
        setCtPhaseA3(w.text(f("CT ratio phase 3")));
        setLimitVoltage(w.number(f("voltage threshold")));
        setLimitVoltageDuration(w.number(f("voltage threshold duration")));
        setLimitCurrent(w.number(f("current threshold")));
        setLimitCurrentDuration(w.number(f("current threshold duration")));
        setMinimumTimeMessage(w.number(f("minimum time between messages")));
        setCallMonitoringTime(w.number(f("call monitoring time")));
        break;
    case M_REG_VOLTAGE_LN:
        setVoltageValuesN(MeasurementTable::texts(QStringLiteral("voltageValuesN"), v));
        break;
    case M_REG_COS_PHI:
        setCurrentPhi(MeasurementTable::texts(QStringLiteral("currentPhi"), v));
        break;
    case M_REG_VOLTAGE_LL:
        setTemperatureMeasurement(QStringLiteral("%1°C").arg(w.text(f("temperature"))));
        setVoltageValues(MeasurementTable::texts(QStringLiteral("voltageValues"), v));
        break;
    case M_REG_TEMPERATURE_THRESHOLD:
        setTemperatureThresholdValue(w.number(f("temperature threshold")));
        setInstallationDate(w.text(f("installation date")));
        setSerialNumber(w.text(f("serial number")));
        break;
    case M_COIL_TEMPERATURE_STATUS:
        setTemperatureStatus(w.flag(f("temperature alarm")));
        setTemperatureStatusKnown(true);
        break;
    case M_REG_FSD_ID:
        setFsdid(w.text(f("FSD ID")));
        break;
    default:
        break;
    }
}

// A block that could not be read: its fields show empty (a −1 number), its
// measurements "Error", its alarm lamp nothing, rather than an old value.
void Backend::showUnread(int address)
{
    unread.insert(address);
    const QString err = QStringLiteral("Error");
    auto errors = [&err](const QString &property) {
        return QStringList(QVector<QString>(MeasurementTable::elements(property), err).toList());
    };
    switch (address) {
    case M_COIL_MODULE_STATUS:
        setModuleStatusKnown(false);
        break;
    case M_COIL_SYNCHRONIZATION:
        setSynchronization(QString());
        break;
    case M_REG_LAST_BOOT:
        setLastBoot(QString());
        setFirmwareVersion(QString());
        setHardwareVersion(QString());
        break;
    case M_REG_FIRMWARE_VERSION:
        setFirmwareVersion(QString());
        break;
    case M_REG_MODULE_TIME:
        setDateHour(QString());
        setTimeDurationMeans(-1);
        setParity(-1);
        setBaudrate(-1);
        setSlaveAddress(-1);
        break;
    case M_COIL_FUSE_BLOWN:
        setFusesStatus({QString(), QString(), QString()});
        setFusesKnown(false);
        break;
    case M_REG_INSTANT_VALUES:
        setIntensity(errors(QStringLiteral("intensity")));
        setActiveReactivePower(errors(QStringLiteral("activeReactivePower")));
        break;
    case M_REG_MEAN_TIMESTAMP:
        setTimeAndDateOfMeanValues(err);
        break;
    case M_REG_MEAN_VALUES:
        setIntensityMean(errors(QStringLiteral("intensityMean")));
        setActiveReactivePowerMean(errors(QStringLiteral("activeReactivePowerMean")));
        break;
    case M_REG_MIN_MAX_VALUES:
        setIntensityMin(errors(QStringLiteral("intensityMin")));
        setActiveReactivePowerMin(errors(QStringLiteral("activeReactivePowerMin")));
        break;
    case M_REG_CT_RATIO:
        setCtPhaseA1Int(-1);
        setCtPhaseA1(QString());
        setCtPhaseA2(QString());
        setCtPhaseA3(QString());
        setLimitVoltage(-1);
        setLimitVoltageDuration(-1);
        setLimitCurrent(-1);
        setLimitCurrentDuration(-1);
        setMinimumTimeMessage(-1);
        setCallMonitoringTime(-1);
        break;
    case M_REG_VOLTAGE_LN:
        setVoltageValuesN(errors(QStringLiteral("voltageValuesN")));
        break;
    case M_REG_COS_PHI:
        setCurrentPhi(errors(QStringLiteral("currentPhi")));
        break;
    case M_REG_VOLTAGE_LL:
        setVoltageValues(errors(QStringLiteral("voltageValues")));
        break;
    case M_REG_TEMPERATURE_THRESHOLD:
        setTemperatureThresholdValue(-1);
        setInstallationDate(QString());
        setSerialNumber(QString());
        break;
    case M_COIL_TEMPERATURE_STATUS:
        setTemperatureStatus(false);
        setTemperatureStatusKnown(false);
        break;
    case M_REG_FSD_ID:
        setFsdid(QString());
        break;
    default:
        break;
    }
}
