// Words of a finished read into the properties the pages show.

#include "backend/backend.h"

#include "backend/backendlog.h"
#include "backend/measurementtable.h"
#include "backend/registertable.h"
#include "backend/wordcodec.h"
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

    switch (address) {
    case M_COIL_MODULE_STATUS:
        setModuleStatus(v[0] == 1);
        setModuleStatusKnown(true);
        break;
    case M_COIL_SYNCHRONIZATION:
        // The source text: the page shows it through the catalogue.
        setSynchronization(v[0] == 0 ? QStringLiteral(QT_TRANSLATE_NOOP("Backend", "Synchronized"))
                                     : QStringLiteral(QT_TRANSLATE_NOOP("Backend", "No synchronization")));
        break;
    case M_REG_LAST_BOOT:
        setLastBoot(WordCodec::lastBootText(v[1], v[2], v[3], v[4], v[5]));
        setFirmwareVersion(WordCodec::dec(v[6]));
        setHardwareVersion(WordCodec::dec(v[7]));
        break;
    case M_REG_FIRMWARE_VERSION:
        setFirmwareVersion(WordCodec::dec(v[0]));
        break;
    case M_REG_MODULE_TIME:
        setDateHour(WordCodec::dateTimeText(v[1], v[2], v[3]));
        setTimeDurationMeans(v[4]);
        setParity(v[5]);
        setBaudrate(int(WordCodec::toUnsigned32(v[6], v[7])));
        setSlaveAddress(v[8]);
        break;
    case M_COIL_FUSE_BLOWN:
        setFusesStatus({WordCodec::dec(v[0]), WordCodec::dec(v[1]), WordCodec::dec(v[2])});
        setFuseBlowL1(v[0] == 1);
        setFuseBlowL2(v[1] == 1);
        setFuseBlowL3(v[2] == 1);
        setFusesKnown(true);
        break;
    case M_REG_INSTANT_VALUES:
        setIntensity(MeasurementTable::texts(QStringLiteral("intensity"), v));
        setActiveReactivePower(MeasurementTable::texts(QStringLiteral("activeReactivePower"), v));
        break;
    case M_REG_MEAN_TIMESTAMP:
        setTimeAndDateOfMeanValues(WordCodec::dateTimeText(v[1], v[2], v[3]));
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
        setActivePowerCalculatedOn(v[0] == 1);
        setFrequency(v[1] == 1);
        break;
    case M_REG_CT_RATIO:
        setCtPhaseA1Int(v[0]);
        setCtPhaseA1(WordCodec::ctRatioText(v[0]));
        setCtPhaseA2(WordCodec::ctRatioText(v[2]));
        setCtPhaseA3(WordCodec::ctRatioText(v[4]));
        setLimitVoltage(v[6]);
        setLimitVoltageDuration(v[7]);
        setLimitCurrent(v[8]);
        setLimitCurrentDuration(v[9]);
        setMinimumTimeMessage(v[10]);
        setCallMonitoringTime(WordCodec::callMonitoringSeconds(v[11]));
        break;
    case M_REG_VOLTAGE_LN:
        setVoltageValuesN(MeasurementTable::texts(QStringLiteral("voltageValuesN"), v));
        break;
    case M_REG_COS_PHI:
        setCurrentPhi(MeasurementTable::texts(QStringLiteral("currentPhi"), v));
        break;
    case M_REG_VOLTAGE_LL:
        setTemperatureMeasurement(QStringLiteral("%1°C").arg(WordCodec::dec(v[8])));
        setVoltageValues(MeasurementTable::texts(QStringLiteral("voltageValues"), v));
        break;
    case M_REG_TEMPERATURE_THRESHOLD:
        setTemperatureThresholdValue(v[0]);
        setInstallationDate(WordCodec::installationDateText(v[8], v[9], v[10]));
        setSerialNumber(WordCodec::serialNumberText(v.mid(3, 5)));
        break;
    case M_COIL_TEMPERATURE_STATUS:
        setTemperatureStatus(v[0] == 1);
        setTemperatureStatusKnown(true);
        break;
    case M_REG_FSD_ID:
        setFsdid(WordCodec::fsdIdText(v[0], v[1], v[2]));
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
