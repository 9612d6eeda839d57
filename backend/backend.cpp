#include "backend/backend.h"

#include "app/translate.h"
#include "backend/registers.h"
#include "link/modbuscommand.h"
#include "link/portdirectory.h"
#include "link/tmodbus.h"
#include "update/firmwareupdate.h"

#include <QDebug>
#include <QMetaEnum>
#include <QModbusDevice>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <iterator>

using namespace Registers;

namespace {

QString dec(int x)
{
    return QString::number(x);
}

QString padded(int x, int width)
{
    return QStringLiteral("%1").arg(x, width, 10, QLatin1Char('0'));
}

QString d2(int x)
{
    return padded(x, 2);
}

QString d4(int x)
{
    return padded(x, 4);
}

// The float in two registers, most significant word first.
float registerFloat(const QVector<quint16> &v, int i)
{
    const quint32 bits = quint32(v[i]) << 16 | v[i + 1];
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QStringList floats(const QVector<quint16> &v, int first, int count, int decimals)
{
    QStringList texts;
    for (int k = 0; k < count; ++k)
        texts.append(QString::number(double(registerFloat(v, first + 2 * k)), 'f', decimals));
    return texts;
}

// Module time words 1 to 3: day/month/two-digit year hour:minute.
QString dateTimeText(quint16 a, quint16 b, quint16 c)
{
    return d2(b & 0x1F) + "/" + d2((b >> 8) & 0x0F) + "/" + d2(c & 0x7F) + " "
           + d2((a >> 8) & 0x1F) + ":" + d2(a & 0x3F);
}

ModbusCommand read(int kind, int type, int address, int count)
{
    return ModbusCommand(kind, address, count, type, 0);
}

ModbusCommand write(int kind, int type, int address, const QVector<quint16> &values)
{
    ModbusCommand cmd(kind, address, values.size(), type, 1);
    cmd.addValues(values);
    return cmd;
}

ModbusCommand marker(int kind)
{
    return ModbusCommand(kind, 0, 0, 0, 0);
}

// Words each block needs before it can be decoded.
int wordsNeeded(int address)
{
    switch (address) {
    case M_COIL_MODULE_STATUS:
    case M_COIL_SYNCHRONIZATION:
    case M_REG_FIRMWARE_VERSION:
    case M_COIL_TEMPERATURE_STATUS:
        return 1;
    case M_COIL_ACTIVE_POWER_CALC:
        return 2;
    case M_COIL_FUSE_BLOWN:
    case M_REG_FSD_ID:
        return 3;
    case M_REG_MEAN_TIMESTAMP:
        return 4;
    case M_REG_VOLTAGE_LN:
    case M_REG_COS_PHI:
        return 6;
    case M_REG_LAST_BOOT:
        return 8;
    case M_REG_MODULE_TIME:
    case M_REG_VOLTAGE_LL:
        return 9;
    case M_REG_TEMPERATURE_THRESHOLD:
        return 11;
    case M_REG_CT_RATIO:
        return 12;
    case M_REG_INSTANT_VALUES:
    case M_REG_MEAN_VALUES:
        return 24;
    case M_REG_MIN_MAX_VALUES:
        return 48;
    default:
        return 0;
    }
}

// What a block holds, for the log.
const char *blockName(int address)
{
    switch (address) {
    case M_COIL_MODULE_STATUS: return "module status";
    case M_COIL_SYNCHRONIZATION: return "clock synchronization";
    case M_REG_LAST_BOOT: return "last boot and versions";
    case M_REG_FIRMWARE_VERSION: return "firmware version";
    case M_REG_MODULE_TIME: return "module time and serial settings";
    case M_COIL_FUSE_BLOWN: return "fuses";
    case M_REG_INSTANT_VALUES: return "instant values";
    case M_REG_MEAN_TIMESTAMP: return "time of the means";
    case M_REG_MEAN_VALUES: return "mean values";
    case M_REG_MIN_MAX_VALUES: return "minimum and maximum values";
    case M_COIL_ACTIVE_POWER_CALC: return "active power calculation and frequency";
    case M_REG_CT_RATIO: return "transformer ratios and thresholds";
    case M_REG_VOLTAGE_LN: return "phase-to-neutral voltages";
    case M_REG_COS_PHI: return "power factors";
    case M_REG_VOLTAGE_LL: return "phase-to-phase voltages and temperature";
    case M_REG_TEMPERATURE_THRESHOLD: return "temperature threshold, serial number, installation date";
    case M_COIL_TEMPERATURE_STATUS: return "temperature status";
    case M_REG_FSD_ID: return "FSD ID";
    default: return nullptr;
    }
}

} // namespace

Backend::Backend(QObject *parent) : QObject(parent) {}

Backend::Backend(TModbus *worker, Translate *translate, FirmwareUpdate *firmwareUpdate,
                 QObject *parent)
    : QObject(parent), worker(worker), translate(translate), firmwareUpdate(firmwareUpdate)
{
    firmwareUpdate->setTModbus(worker);
    setCurrentLanguage(translate->languageCode());

    auto blanks = [](int n) { return QStringList(QVector<QString>(n).toList()); };
    m_fusesStatus = blanks(3);
    m_intensity = blanks(4);
    m_intensityMean = blanks(4);
    m_intensityMin = blanks(8);
    m_currentPhi = blanks(3);
    m_voltageValuesN = blanks(3);
    m_voltageValues = blanks(3);
    m_activeReactivePower = blanks(8);
    m_activeReactivePowerMean = blanks(8);
    m_activeReactivePowerMin = blanks(16);

    connect(firmwareUpdate, &FirmwareUpdate::updateFail, this, &Backend::onUpdateFail);
    connect(firmwareUpdate, &FirmwareUpdate::updateSuccess, this, &Backend::updateSuccess);
    connect(firmwareUpdate, &FirmwareUpdate::updateProgress, this, &Backend::updateProgress);
    connect(this, &Backend::processCmdEnd, worker, &TModbus::onNextStepAvailable);
    connect(worker, &TModbus::commandFinish, this, &Backend::commandFinish);

    auto *pollTimer = new QTimer(this);
    connect(pollTimer, &QTimer::timeout, this, &Backend::onPollTimer);
    pollTimer->start(2000);
}

void Backend::post(const ModbusCommand &cmd)
{
    // A Backend made by the type registration has no link to post to.
    if (!worker)
        return;
    worker->addCommand(cmd);
    ++postedRecords;
}

QString Backend::ctRatioText(int code)
{
    switch (code) {
    case 800:
        return QStringLiteral("400/5A");
    case 1200:
        return QStringLiteral("600/5A");
    case 4000:
        return QStringLiteral("400/1A");
    case 6000:
        return QStringLiteral("600/1A");
    default:
        return QStringLiteral("-");
    }
}

void Backend::refreshSerialPortList()
{
    // Numbered by the port directory, so that names other than "COM" and a
    // number (ttyUSB0, a virtual line) keep a number of their own.
    m_lstDevices = PortDirectory::shared().refresh();
    emit lstDevicesChanged();
}

void Backend::connectDevice(int indexList, int slaveAddress, int baudrate, int parity)
{
    setModuleStatus(true);
    setFuseBlowL1(false);
    setFuseBlowL2(false);
    setFuseBlowL3(false);
    setTemperatureStatus(false);
    setModuleStatusKnown(true);
    setFusesKnown(true);
    setTemperatureStatusKnown(true);

    if (indexList < 0 || indexList >= m_lstDevices.size()) {
        qDebug() << "Backend::connectDevice - no port at index" << indexList;
        emit connectionEnd(false);
        return;
    }
    ModbusCommand cmd(Connect, M_REG_STATUS, 1, HoldingRegisters, 0);
    cmd.addValues({quint16(m_lstDevices[indexList]), quint16(slaveAddress), quint16(baudrate),
                   quint16(parity)});
    post(cmd);
}

void Backend::disconnectDevice()
{
    post(marker(Disconnect));
}

void Backend::refreshHomePage()
{
    qDebug() << "Backend::refreshHomePage";
    post(read(Request, HoldingRegisters, M_REG_TEMPERATURE_THRESHOLD, 11));
    post(read(Request, HoldingRegisters, M_REG_CT_RATIO, 12));
    post(read(Request, HoldingRegisters, M_REG_FSD_ID, 3));
    post(read(LastRequest, HoldingRegisters, M_REG_FIRMWARE_VERSION, 1));
    post(marker(RefreshEnd));
}

void Backend::applyHomePage()
{
    qDebug() << "Backend::applyHomePage" << m_installationDate << m_ctPhaseA1Int
             << m_temperatureThresholdValue << m_fsdid;

    const QStringList parts = m_installationDate.split(QLatin1Char('/'));
    if (parts.size() == 3) {
        post(write(Request, HoldingRegisters, M_REG_INSTALLATION_DATE,
                   {quint16(parts[2].toInt()), quint16(parts[1].toInt()), quint16(parts[0].toInt())}));
    }

    // Values that were never read are not written back.
    if (m_ctPhaseA1Int >= 0 && !unread.contains(M_REG_CT_RATIO)) {
        const quint16 ratio = quint16(m_ctPhaseA1Int);
        post(write(Request, HoldingRegisters, M_REG_CT_RATIO, {ratio, 0, ratio, 0, ratio, 0}));
    } else {
        qDebug() << "Backend::applyHomePage - transformer ratio unknown, not written";
    }

    if (!unread.contains(M_REG_FSD_ID)) {
        const QByteArray text = m_fsdid.left(5).toLatin1();
        auto c = [&](int i) { return i < text.size() ? quint16(quint8(text[i])) : quint16(0); };
        post(write(Request, HoldingRegisters, M_REG_FSD_ID,
                   {quint16(c(0) << 8 | c(1)), quint16(c(2) << 8 | c(3)), quint16(c(4) << 8)}));
    } else {
        qDebug() << "Backend::applyHomePage - FSD ID unknown, not written";
    }

    // The last record must still end the page's wait: an unknown value is read
    // back from the module instead of written.
    if (m_temperatureThresholdValue >= 0) {
        post(write(LastRequest, HoldingRegisters, M_REG_TEMPERATURE_THRESHOLD,
                   {quint16(m_temperatureThresholdValue)}));
    } else {
        qDebug() << "Backend::applyHomePage - temperature threshold unknown, read back instead";
        post(read(LastRequest, HoldingRegisters, M_REG_TEMPERATURE_THRESHOLD, 11));
    }
    post(marker(ApplyEnd));
}

void Backend::refreshCommunicationPage()
{
    qDebug() << "Backend::refreshCommunicationPage";
    setPassword(0);
    post(read(Request, Coils, M_COIL_SYNCHRONIZATION, 1));
    post(read(Request, HoldingRegisters, M_REG_LAST_BOOT, 8));
    post(read(Request, HoldingRegisters, M_REG_MODULE_TIME, 9));
    post(read(Request, Coils, M_COIL_ACTIVE_POWER_CALC, 2));
    post(read(LastRequest, HoldingRegisters, M_REG_CT_RATIO, 12));
    post(marker(RefreshEnd));
}

void Backend::applyCommunicationPage()
{
    qDebug() << "Backend::applyCommunicationPage" << m_timeDurationMeans << m_minimumTimeMessage
             << m_callMonitoringTime;
    // Values that were never read (−1, or a block whose read failed) are not written back.
    if (m_timeDurationMeans >= 0)
        post(write(Request, HoldingRegisters, M_REG_MEAN_DURATION, {quint16(m_timeDurationMeans)}));
    else
        qDebug() << "Backend::applyCommunicationPage - mean duration unknown, not written";
    post(write(Request, HoldingRegisters, M_REG_PASSWORD_RESET, {quint16(m_password)}));
    if (!unread.contains(M_COIL_ACTIVE_POWER_CALC)) {
        post(write(Request, Coils, M_COIL_ACTIVE_POWER_CALC,
                   {quint16(m_activePowerCalculatedOn ? 1 : 0), quint16(m_frequency ? 1 : 0)}));
    } else {
        qDebug() << "Backend::applyCommunicationPage - power calculation unknown, not written";
    }
    const int limits[] = {m_limitVoltage, m_limitVoltageDuration, m_limitCurrent,
                          m_limitCurrentDuration, m_minimumTimeMessage, m_callMonitoringTime};
    if (std::all_of(std::begin(limits), std::end(limits), [](int x) { return x >= 0; })) {
        post(write(Request, HoldingRegisters, M_REG_VOLTAGE_THRESHOLD,
                   {quint16(m_limitVoltage), quint16(m_limitVoltageDuration), quint16(m_limitCurrent),
                    quint16(m_limitCurrentDuration), quint16(m_minimumTimeMessage),
                    quint16(m_callMonitoringTime * 10)}));
    } else {
        qDebug() << "Backend::applyCommunicationPage - thresholds unknown, not written";
    }
    if (m_parity >= 0 && m_baudrate >= 0 && m_slaveAddress >= 0) {
        post(write(LastRequest, HoldingRegisters, M_REG_PARITY,
                   {quint16(m_parity), quint16(quint32(m_baudrate) >> 16),
                    quint16(m_baudrate & 0xFFFF), quint16(m_slaveAddress)}));
    } else {
        qDebug() << "Backend::applyCommunicationPage - serial settings unknown, read back instead";
        post(read(LastRequest, HoldingRegisters, M_REG_MODULE_TIME, 9));
    }
    post(marker(ApplyEnd));
}

void Backend::refreshMeasurementPage()
{
    qDebug() << "Backend::refreshMeasurementPage";
    postMeasurementReads(LastRequest);
}

// The seven measurement blocks; the last one's kind tells whether the page waits for it.
void Backend::postMeasurementReads(int lastKind)
{
    post(read(Request, HoldingRegisters, M_REG_INSTANT_VALUES, 24));
    post(read(Request, HoldingRegisters, M_REG_MEAN_TIMESTAMP, 4));
    post(read(Request, HoldingRegisters, M_REG_MEAN_VALUES, 24));
    post(read(Request, HoldingRegisters, M_REG_MIN_MAX_VALUES, 48));
    post(read(Request, HoldingRegisters, M_REG_VOLTAGE_LN, 6));
    post(read(Request, HoldingRegisters, M_REG_COS_PHI, 6));
    post(read(lastKind, HoldingRegisters, M_REG_VOLTAGE_LL, 9));
}

void Backend::refreshChartsValuePage()
{
    post(read(LastRequest, HoldingRegisters, M_REG_VOLTAGE_LN, 6));
}

void Backend::switchLanguage()
{
    qDebug() << "Backend::switchLanguage" << m_currentLanguage;
    if (translate)
        translate->setLanguageCode(m_currentLanguage != 0 ? 1 : 0);
}

void Backend::startUpdate(QString filename)
{
    qDebug().noquote() << "StartUpdate " + filename;
    if (firmwareUpdate)
        firmwareUpdate->start(filename);
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

void Backend::setModuleTime()
{
    const QDateTime now = clock();
    const QDate date = now.date();
    const QTime time = now.time();
    post(write(Request, HoldingRegisters, M_REG_MODULE_TIME,
               {quint16(time.second() * 1000 + time.msec()),
                quint16(time.hour() << 8 | time.minute()),
                quint16((date.month() & 0x0F) << 8 | (date.dayOfWeek() & 7) << 5 | (date.day() & 0x1F)),
                quint16(date.toString(QStringLiteral("yy")).toInt())}));
    post(read(Request, Coils, M_COIL_SYNCHRONIZATION, 1));
    post(read(LastRequest, HoldingRegisters, M_REG_MODULE_TIME, 9));
}

void Backend::onPollTimer()
{
    if (!m_connectionState || firmwareUpdate->isRunning())
        return;
    // A slow module would otherwise see the queue grow by a poll every tick,
    // and refreshes and applies wait behind all of it.
    if (pollInProgress())
        return;
    post(read(Request, Coils, M_COIL_MODULE_STATUS, 1));
    post(read(Request, Coils, M_COIL_FUSE_BLOWN, 3));
    post(read(Request, Coils, M_COIL_TEMPERATURE_STATUS, 1));
    // All plain requests: the poll never raises loadRegisterFinish.
    if (m_measurementEnable)
        postMeasurementReads(Request);
    pollEnd = postedRecords;
}

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
                post(marker(Disconnect));
        }
        return;
    }
    ++finishedRecords;

    if (error != 0) {
        qDebug() << "Backend::commandFinish - CMD FINISH"
                 << QMetaEnum::fromType<QModbusDevice::Error>().valueToKey(error);
    }

    if (error == QModbusDevice::ConnectionError || error == QModbusDevice::UnknownError
        || error == QModbusDevice::TimeoutError) {
        if (m_connectionState) {
            setConnectionState(false);
            emit connectionError();
        } else if (cmd->getConnectResult() == 2) {
            emit connectionEnd(false);
        }
    } else {
        if (cmd->getIsWrite() == 0)
            decodeReply(cmd);
        switch (kind) {
        case Connect: {
            const bool connected = cmd->getConnectResult() == 0;
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
    emit processCmdEnd();
}

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
    const int needed = wordsNeeded(address);
    if (!ok || v.size() != needed) {
        if (const char *name = blockName(address)) {
            if (ok)
                qDebug() << "Backend::decodeReply -" << name << "read" << v.size() << "words of" << needed;
            else
                qDebug() << "Backend::decodeReply -" << name << "not read";
            showUnread(address);
        }
        return;
    }
    unread.remove(address);

    switch (address) {
    case M_COIL_MODULE_STATUS:
        setModuleStatus(v[0] == 1);
        setModuleStatusKnown(true);
        break;
    case M_COIL_SYNCHRONIZATION:
        setSynchronization(v[0] == 0 ? QStringLiteral("Synchronized")
                                     : QStringLiteral("No synchronization"));
        break;
    case M_REG_LAST_BOOT:
        setLastBoot(d2(v[3]) + "/" + d2(v[4]) + "/" + d2(v[5]) + " " + d2(v[2]) + ":" + d2(v[1]));
        setFirmwareVersion(dec(v[6]));
        setHardwareVersion(dec(v[7]));
        break;
    case M_REG_FIRMWARE_VERSION:
        setFirmwareVersion(dec(v[0]));
        break;
    case M_REG_MODULE_TIME:
        setDateHour(dateTimeText(v[1], v[2], v[3]));
        setTimeDurationMeans(v[4]);
        setParity(v[5]);
        setBaudrate(int(quint32(v[6]) << 16 | v[7]));
        setSlaveAddress(v[8]);
        break;
    case M_COIL_FUSE_BLOWN:
        setFusesStatus({dec(v[0]), dec(v[1]), dec(v[2])});
        setFuseBlowL1(v[0] == 1);
        setFuseBlowL2(v[1] == 1);
        setFuseBlowL3(v[2] == 1);
        setFusesKnown(true);
        break;
    case M_REG_INSTANT_VALUES:
        setIntensity(floats(v, 0, 4, 2));
        setActiveReactivePower(floats(v, 8, 8, 1));
        break;
    case M_REG_MEAN_TIMESTAMP:
        setTimeAndDateOfMeanValues(dateTimeText(v[1], v[2], v[3]));
        break;
    case M_REG_MEAN_VALUES:
        setIntensityMean(floats(v, 0, 4, 2));
        setActiveReactivePowerMean(floats(v, 8, 8, 1));
        break;
    case M_REG_MIN_MAX_VALUES:
        setIntensityMin(floats(v, 0, 8, 2));
        setActiveReactivePowerMin(floats(v, 16, 16, 1));
        break;
    case M_COIL_ACTIVE_POWER_CALC:
        setActivePowerCalculatedOn(v[0] == 1);
        setFrequency(v[1] == 1);
        break;
    case M_REG_CT_RATIO:
        setCtPhaseA1Int(v[0]);
        setCtPhaseA1(ctRatioText(v[0]));
        setCtPhaseA2(ctRatioText(v[2]));
        setCtPhaseA3(ctRatioText(v[4]));
        setLimitVoltage(v[6]);
        setLimitVoltageDuration(v[7]);
        setLimitCurrent(v[8]);
        setLimitCurrentDuration(v[9]);
        setMinimumTimeMessage(v[10]);
        setCallMonitoringTime(v[11] / 10);
        break;
    case M_REG_VOLTAGE_LN:
        setVoltageValuesN(floats(v, 0, 3, 2));
        break;
    case M_REG_COS_PHI:
        setCurrentPhi(floats(v, 0, 3, 2));
        break;
    case M_REG_VOLTAGE_LL:
        setTemperatureMeasurement(QStringLiteral("%1°C").arg(dec(v[8])));
        setVoltageValues(floats(v, 0, 3, 2));
        break;
    case M_REG_TEMPERATURE_THRESHOLD:
        setTemperatureThresholdValue(v[0]);
        setInstallationDate(d2(v[10]) + "/" + d2(v[9]) + "/" + d4(v[8]));
        setSerialNumber(d2(v[3]) + d2(v[4]) + dec(v[5]) + dec(v[6]) + d4(v[7]));
        break;
    case M_COIL_TEMPERATURE_STATUS:
        setTemperatureStatus(v[0] == 1);
        setTemperatureStatusKnown(true);
        break;
    case M_REG_FSD_ID: {
        QString text;
        const quint8 bytes[] = {quint8(v[0] >> 8), quint8(v[0]), quint8(v[1] >> 8), quint8(v[1]),
                                quint8(v[2] >> 8)};
        for (quint8 b : bytes) {
            if (b != 0)
                text.append(QChar::fromLatin1(char(b)));
        }
        setFsdid(text);
        break;
    }
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
    auto errors = [&err](int n) { return QStringList(QVector<QString>(n, err).toList()); };
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
        setIntensity(errors(4));
        setActiveReactivePower(errors(8));
        break;
    case M_REG_MEAN_TIMESTAMP:
        setTimeAndDateOfMeanValues(err);
        break;
    case M_REG_MEAN_VALUES:
        setIntensityMean(errors(4));
        setActiveReactivePowerMean(errors(8));
        break;
    case M_REG_MIN_MAX_VALUES:
        setIntensityMin(errors(8));
        setActiveReactivePowerMin(errors(16));
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
        setVoltageValuesN(errors(3));
        break;
    case M_REG_COS_PHI:
        setCurrentPhi(errors(3));
        break;
    case M_REG_VOLTAGE_LL:
        setVoltageValues(errors(3));
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
