#ifndef BACKEND_H
#define BACKEND_H

// backend/ holds what the pages need of the module: Backend, the register
// map and its tables, the command sequences of each operation and the
// decoding of the replies. The work beyond the pages lives above it, in
// diagnostics/ and commissioning/, and reaches the worker queue through
// Backend's companion interface (postBatch and the hooks below).

#include "update/firmwareupdate.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

#include <functional>
#include <memory>

class ModbusCommand;
class TModbus;
class Translate;

// What the interface sees of the module: the last known state of the link and
// of the module's registers, and the operations that turn into commands.
class Backend : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool connectionState READ connectionState WRITE setConnectionState NOTIFY connectionStateChanged)
    Q_PROPERTY(QList<int> lstDevices READ lstDevices NOTIFY lstDevicesChanged)
    Q_PROPERTY(QString firmwareVersion READ firmwareVersion WRITE setFirmwareVersion NOTIFY firmwareVersionChanged)
    Q_PROPERTY(QString synchronization READ synchronization WRITE setSynchronization NOTIFY synchronizationChanged)
    Q_PROPERTY(int password READ password WRITE setPassword NOTIFY passwordChanged)
    Q_PROPERTY(QString lastBoot READ lastBoot WRITE setLastBoot NOTIFY lastBootChanged)
    Q_PROPERTY(QString hardwareVersion READ hardwareVersion WRITE setHardwareVersion NOTIFY hardwareVersionChanged)
    Q_PROPERTY(QString dateHour READ dateHour WRITE setDateHour NOTIFY dateHourChanged)
    Q_PROPERTY(int timeDurationMeans READ timeDurationMeans WRITE setTimeDurationMeans NOTIFY timeDurationMeansChanged)
    Q_PROPERTY(bool activePowerCalculatedOn READ activePowerCalculatedOn WRITE setActivePowerCalculatedOn NOTIFY activePowerCalculatedOnChanged)
    Q_PROPERTY(bool frequency READ frequency WRITE setFrequency NOTIFY frequencyChanged)
    Q_PROPERTY(int slaveAddress READ slaveAddress WRITE setSlaveAddress NOTIFY slaveAddressChanged)
    Q_PROPERTY(int baudrate READ baudrate WRITE setBaudrate NOTIFY baudrateChanged)
    Q_PROPERTY(int parity READ parity WRITE setParity NOTIFY parityChanged)
    Q_PROPERTY(QString ctPhaseA1 READ ctPhaseA1 WRITE setCtPhaseA1 NOTIFY ctPhaseA1Changed)
    Q_PROPERTY(QString ctPhaseA2 READ ctPhaseA2 WRITE setCtPhaseA2 NOTIFY ctPhaseA2Changed)
    Q_PROPERTY(QString ctPhaseA3 READ ctPhaseA3 WRITE setCtPhaseA3 NOTIFY ctPhaseA3Changed)
    Q_PROPERTY(int limitVoltage READ limitVoltage WRITE setLimitVoltage NOTIFY limitVoltageChanged)
    Q_PROPERTY(int limitVoltageDuration READ limitVoltageDuration WRITE setLimitVoltageDuration NOTIFY limitVoltageDurationChanged)
    Q_PROPERTY(int limitCurrent READ limitCurrent WRITE setLimitCurrent NOTIFY limitCurrentChanged)
    Q_PROPERTY(int limitCurrentDuration READ limitCurrentDuration WRITE setLimitCurrentDuration NOTIFY limitCurrentDurationChanged)
    Q_PROPERTY(int minimumTimeMessage READ minimumTimeMessage WRITE setMinimumTimeMessage NOTIFY minimumTimeMessageChanged)
    Q_PROPERTY(int callMonitoringTime READ callMonitoringTime WRITE setCallMonitoringTime NOTIFY callMonitoringTimeChanged)
    Q_PROPERTY(QStringList fusesStatus READ fusesStatus WRITE setFusesStatus NOTIFY fusesStatusChanged)
    Q_PROPERTY(QStringList intensity READ intensity WRITE setIntensity NOTIFY intensityChanged)
    Q_PROPERTY(QStringList intensityMean READ intensityMean WRITE setIntensityMean NOTIFY intensityMeanChanged)
    Q_PROPERTY(QStringList intensityMin READ intensityMin WRITE setIntensityMin NOTIFY intensityMinChanged)
    Q_PROPERTY(QStringList currentPhi READ currentPhi WRITE setCurrentPhi NOTIFY currentPhiChanged)
    Q_PROPERTY(QStringList voltageValuesN READ voltageValuesN WRITE setVoltageValuesN NOTIFY voltageValuesNChanged)
    Q_PROPERTY(QStringList voltageValues READ voltageValues WRITE setVoltageValues NOTIFY voltageValuesChanged)
    Q_PROPERTY(QStringList activeReactivePower READ activeReactivePower WRITE setActiveReactivePower NOTIFY activeReactivePowerChanged)
    Q_PROPERTY(QStringList activeReactivePowerMean READ activeReactivePowerMean WRITE setActiveReactivePowerMean NOTIFY activeReactivePowerMeanChanged)
    Q_PROPERTY(QStringList activeReactivePowerMin READ activeReactivePowerMin WRITE setActiveReactivePowerMin NOTIFY activeReactivePowerMinChanged)
    Q_PROPERTY(QString timeAndDateOfMeanValues READ timeAndDateOfMeanValues WRITE setTimeAndDateOfMeanValues NOTIFY timeAndDateOfMeanValuesChanged)
    Q_PROPERTY(QString temperatureMeasurement READ temperatureMeasurement WRITE setTemperatureMeasurement NOTIFY temperatureMeasurementChanged)
    Q_PROPERTY(QString serialNumber READ serialNumber WRITE setSerialNumber NOTIFY serialNumberChanged)
    Q_PROPERTY(QString installationDate READ installationDate WRITE setInstallationDate NOTIFY installationDateChanged)
    Q_PROPERTY(QString productNumber READ productNumber WRITE setProductNumber NOTIFY productNumberChanged)
    Q_PROPERTY(int temperatureThresholdValue READ temperatureThresholdValue WRITE setTemperatureThresholdValue NOTIFY temperatureThresholdValueChanged)
    Q_PROPERTY(int ctPhaseA1Int READ ctPhaseA1Int WRITE setCtPhaseA1Int NOTIFY ctPhaseA1IntChanged)
    Q_PROPERTY(bool moduleStatus READ moduleStatus WRITE setModuleStatus NOTIFY moduleStatusChanged)
    Q_PROPERTY(bool fuseBlowL1 READ fuseBlowL1 WRITE setFuseBlowL1 NOTIFY fuseBlowL1Changed)
    Q_PROPERTY(bool fuseBlowL2 READ fuseBlowL2 WRITE setFuseBlowL2 NOTIFY fuseBlowL2Changed)
    Q_PROPERTY(bool fuseBlowL3 READ fuseBlowL3 WRITE setFuseBlowL3 NOTIFY fuseBlowL3Changed)
    Q_PROPERTY(bool temperatureStatus READ temperatureStatus WRITE setTemperatureStatus NOTIFY temperatureStatusChanged)
    Q_PROPERTY(int currentLanguage READ currentLanguage WRITE setCurrentLanguage NOTIFY currentLanguageChanged)
    Q_PROPERTY(int baudrateConnectionPage READ baudrateConnectionPage WRITE setBaudrateConnectionPage NOTIFY baudrateConnectionPageChanged)
    Q_PROPERTY(int parityConnectionPage READ parityConnectionPage WRITE setParityConnectionPage NOTIFY parityConnectionPageChanged)
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(QString fsdid READ fsdid WRITE setFsdid NOTIFY fsdidChanged)
    Q_PROPERTY(bool measurementEnable READ measurementEnable WRITE setMeasurementEnable NOTIFY measurementEnableChanged)
    Q_PROPERTY(bool chartsEnable READ chartsEnable WRITE setChartsEnable NOTIFY chartsEnableChanged)
    // False while the last read of that alarm block failed: its lamp then shows nothing.
    Q_PROPERTY(bool moduleStatusKnown READ moduleStatusKnown WRITE setModuleStatusKnown NOTIFY moduleStatusKnownChanged)
    Q_PROPERTY(bool fusesKnown READ fusesKnown WRITE setFusesKnown NOTIFY fusesKnownChanged)
    Q_PROPERTY(bool temperatureStatusKnown READ temperatureStatusKnown WRITE setTemperatureStatusKnown NOTIFY temperatureStatusKnownChanged)
    // Why the last update was refused ("EmptyImage", "ImageTooLarge"), empty for
    // any other failure; set before updateFail.
    Q_PROPERTY(QString updateFailReason READ updateFailReason NOTIFY updateFailReasonChanged)

public:
    explicit Backend(QObject *parent = nullptr);
    Backend(TModbus *worker, Translate *translate, FirmwareUpdate *firmwareUpdate,
            QObject *parent = nullptr);
    ~Backend() override;

    bool connectionState() const { return m_connectionState; }
    QList<int> lstDevices() const { return m_lstDevices; }
    QString firmwareVersion() const { return m_firmwareVersion; }
    QString synchronization() const { return m_synchronization; }
    int password() const { return m_password; }
    QString lastBoot() const { return m_lastBoot; }
    QString hardwareVersion() const { return m_hardwareVersion; }
    QString dateHour() const { return m_dateHour; }
    int timeDurationMeans() const { return m_timeDurationMeans; }
    bool activePowerCalculatedOn() const { return m_activePowerCalculatedOn; }
    bool frequency() const { return m_frequency; }
    int slaveAddress() const { return m_slaveAddress; }
    int baudrate() const { return m_baudrate; }
    int parity() const { return m_parity; }
    QString ctPhaseA1() const { return m_ctPhaseA1; }
    QString ctPhaseA2() const { return m_ctPhaseA2; }
    QString ctPhaseA3() const { return m_ctPhaseA3; }
    int limitVoltage() const { return m_limitVoltage; }
    int limitVoltageDuration() const { return m_limitVoltageDuration; }
    int limitCurrent() const { return m_limitCurrent; }
    int limitCurrentDuration() const { return m_limitCurrentDuration; }
    int minimumTimeMessage() const { return m_minimumTimeMessage; }
    int callMonitoringTime() const { return m_callMonitoringTime; }
    QStringList fusesStatus() const { return m_fusesStatus; }
    QStringList intensity() const { return m_intensity; }
    QStringList intensityMean() const { return m_intensityMean; }
    QStringList intensityMin() const { return m_intensityMin; }
    QStringList currentPhi() const { return m_currentPhi; }
    QStringList voltageValuesN() const { return m_voltageValuesN; }
    QStringList voltageValues() const { return m_voltageValues; }
    QStringList activeReactivePower() const { return m_activeReactivePower; }
    QStringList activeReactivePowerMean() const { return m_activeReactivePowerMean; }
    QStringList activeReactivePowerMin() const { return m_activeReactivePowerMin; }
    QString timeAndDateOfMeanValues() const { return m_timeAndDateOfMeanValues; }
    QString temperatureMeasurement() const { return m_temperatureMeasurement; }
    QString serialNumber() const { return m_serialNumber; }
    QString installationDate() const { return m_installationDate; }
    QString productNumber() const { return m_productNumber; }
    int temperatureThresholdValue() const { return m_temperatureThresholdValue; }
    int ctPhaseA1Int() const { return m_ctPhaseA1Int; }
    bool moduleStatus() const { return m_moduleStatus; }
    bool fuseBlowL1() const { return m_fuseBlowL1; }
    bool fuseBlowL2() const { return m_fuseBlowL2; }
    bool fuseBlowL3() const { return m_fuseBlowL3; }
    bool temperatureStatus() const { return m_temperatureStatus; }
    int currentLanguage() const { return m_currentLanguage; }
    int baudrateConnectionPage() const { return m_baudrateConnectionPage; }
    int parityConnectionPage() const { return m_parityConnectionPage; }
    QString language() const { return m_language; }
    QString fsdid() const { return m_fsdid; }
    bool measurementEnable() const { return m_measurementEnable; }
    bool chartsEnable() const { return m_chartsEnable; }

    void setConnectionState(bool value) { update(m_connectionState, value, &Backend::connectionStateChanged); }
    void setFirmwareVersion(const QString &value) { update(m_firmwareVersion, value, &Backend::firmwareVersionChanged); }
    void setSynchronization(const QString &value) { update(m_synchronization, value, &Backend::synchronizationChanged); }
    void setPassword(int value) { update(m_password, value, &Backend::passwordChanged); }
    void setLastBoot(const QString &value) { update(m_lastBoot, value, &Backend::lastBootChanged); }
    void setHardwareVersion(const QString &value) { update(m_hardwareVersion, value, &Backend::hardwareVersionChanged); }
    void setDateHour(const QString &value) { update(m_dateHour, value, &Backend::dateHourChanged); }
    void setTimeDurationMeans(int value) { update(m_timeDurationMeans, value, &Backend::timeDurationMeansChanged); }
    void setActivePowerCalculatedOn(bool value) { update(m_activePowerCalculatedOn, value, &Backend::activePowerCalculatedOnChanged); }
    void setFrequency(bool value) { update(m_frequency, value, &Backend::frequencyChanged); }
    void setSlaveAddress(int value) { update(m_slaveAddress, value, &Backend::slaveAddressChanged); }
    void setBaudrate(int value) { update(m_baudrate, value, &Backend::baudrateChanged); }
    void setParity(int value) { update(m_parity, value, &Backend::parityChanged); }
    void setCtPhaseA1(const QString &value) { update(m_ctPhaseA1, value, &Backend::ctPhaseA1Changed); }
    void setCtPhaseA2(const QString &value) { update(m_ctPhaseA2, value, &Backend::ctPhaseA2Changed); }
    void setCtPhaseA3(const QString &value) { update(m_ctPhaseA3, value, &Backend::ctPhaseA3Changed); }
    void setLimitVoltage(int value) { update(m_limitVoltage, value, &Backend::limitVoltageChanged); }
    void setLimitVoltageDuration(int value) { update(m_limitVoltageDuration, value, &Backend::limitVoltageDurationChanged); }
    void setLimitCurrent(int value) { update(m_limitCurrent, value, &Backend::limitCurrentChanged); }
    void setLimitCurrentDuration(int value) { update(m_limitCurrentDuration, value, &Backend::limitCurrentDurationChanged); }
    void setMinimumTimeMessage(int value) { update(m_minimumTimeMessage, value, &Backend::minimumTimeMessageChanged); }
    void setCallMonitoringTime(int value) { update(m_callMonitoringTime, value, &Backend::callMonitoringTimeChanged); }
    void setFusesStatus(const QStringList &value) { update(m_fusesStatus, value, &Backend::fusesStatusChanged); }
    void setIntensity(const QStringList &value) { update(m_intensity, value, &Backend::intensityChanged); }
    void setIntensityMean(const QStringList &value) { update(m_intensityMean, value, &Backend::intensityMeanChanged); }
    void setIntensityMin(const QStringList &value) { update(m_intensityMin, value, &Backend::intensityMinChanged); }
    void setCurrentPhi(const QStringList &value) { update(m_currentPhi, value, &Backend::currentPhiChanged); }
    void setVoltageValuesN(const QStringList &value) { update(m_voltageValuesN, value, &Backend::voltageValuesNChanged); }
    void setVoltageValues(const QStringList &value) { update(m_voltageValues, value, &Backend::voltageValuesChanged); }
    void setActiveReactivePower(const QStringList &value) { update(m_activeReactivePower, value, &Backend::activeReactivePowerChanged); }
    void setActiveReactivePowerMean(const QStringList &value) { update(m_activeReactivePowerMean, value, &Backend::activeReactivePowerMeanChanged); }
    void setActiveReactivePowerMin(const QStringList &value) { update(m_activeReactivePowerMin, value, &Backend::activeReactivePowerMinChanged); }
    void setTimeAndDateOfMeanValues(const QString &value) { update(m_timeAndDateOfMeanValues, value, &Backend::timeAndDateOfMeanValuesChanged); }
    void setTemperatureMeasurement(const QString &value) { update(m_temperatureMeasurement, value, &Backend::temperatureMeasurementChanged); }
    void setSerialNumber(const QString &value) { update(m_serialNumber, value, &Backend::serialNumberChanged); }
    void setInstallationDate(const QString &value) { update(m_installationDate, value, &Backend::installationDateChanged); }
    void setProductNumber(const QString &value) { update(m_productNumber, value, &Backend::productNumberChanged); }
    void setTemperatureThresholdValue(int value) { update(m_temperatureThresholdValue, value, &Backend::temperatureThresholdValueChanged); }
    void setCtPhaseA1Int(int value) { update(m_ctPhaseA1Int, value, &Backend::ctPhaseA1IntChanged); }
    void setModuleStatus(bool value) { update(m_moduleStatus, value, &Backend::moduleStatusChanged); }
    void setFuseBlowL1(bool value) { update(m_fuseBlowL1, value, &Backend::fuseBlowL1Changed); }
    void setFuseBlowL2(bool value) { update(m_fuseBlowL2, value, &Backend::fuseBlowL2Changed); }
    void setFuseBlowL3(bool value) { update(m_fuseBlowL3, value, &Backend::fuseBlowL3Changed); }
    void setTemperatureStatus(bool value) { update(m_temperatureStatus, value, &Backend::temperatureStatusChanged); }
    void setCurrentLanguage(int value) { update(m_currentLanguage, value, &Backend::currentLanguageChanged); }
    void setBaudrateConnectionPage(int value) { update(m_baudrateConnectionPage, value, &Backend::baudrateConnectionPageChanged); }
    void setParityConnectionPage(int value) { update(m_parityConnectionPage, value, &Backend::parityConnectionPageChanged); }
    void setLanguage(const QString &value) { update(m_language, value, &Backend::languageChanged); }
    void setFsdid(const QString &value) { update(m_fsdid, value, &Backend::fsdidChanged); }
    void setMeasurementEnable(bool value) { update(m_measurementEnable, value, &Backend::measurementEnableChanged); }
    void setChartsEnable(bool value) { update(m_chartsEnable, value, &Backend::chartsEnableChanged); }
    bool moduleStatusKnown() const { return m_moduleStatusKnown; }
    bool fusesKnown() const { return m_fusesKnown; }
    bool temperatureStatusKnown() const { return m_temperatureStatusKnown; }
    void setModuleStatusKnown(bool value) { update(m_moduleStatusKnown, value, &Backend::moduleStatusKnownChanged); }
    void setFusesKnown(bool value) { update(m_fusesKnown, value, &Backend::fusesKnownChanged); }
    void setTemperatureStatusKnown(bool value) { update(m_temperatureStatusKnown, value, &Backend::temperatureStatusKnownChanged); }
    QString updateFailReason() const { return m_updateFailReason; }
    // Records of the last poll still queued or running.
    bool pollInProgress() const { return finishedRecords < pollEnd; }

    Q_INVOKABLE void refreshSerialPortList();
    Q_INVOKABLE void connectDevice(int indexList, int slaveAddress, int baudrate, int parity);
    Q_INVOKABLE void disconnectDevice();
    Q_INVOKABLE void refreshHomePage();
    Q_INVOKABLE void applyHomePage();
    Q_INVOKABLE void refreshCommunicationPage();
    Q_INVOKABLE void applyCommunicationPage();
    Q_INVOKABLE void refreshMeasurementPage();
    Q_INVOKABLE void switchLanguage();
    Q_INVOKABLE void startUpdate(QString filename);
    Q_INVOKABLE void setModuleTime();
    Q_INVOKABLE void refreshChartsValuePage();

    // The module runs its bootloader (the connect's probe read 1 at 50521, or an
    // update left it there): only a firmware update talks to it, the pages are
    // neither read nor written and the poll waits. Like the values, it stays as
    // it was when the link is lost; a disconnect or a connect clears it.
    // Published by LinkState; moduleInBootloaderChanged tells.
    bool moduleInBootloader() const { return m_moduleInBootloader; }
    // The open link's settings: portIndex (in lstDevices), slaveAddress,
    // baudrate (bit/s) and parity (0 none, 1 even, 2 odd); empty while not connected.
    Q_INVOKABLE QVariantMap linkSettings() const;
    // After serialSettingsWritten, the link keeps its parameters and the poll
    // goes on at them (the module may no longer answer there).
    Q_INVOKABLE void keepLinkSettings();

    // Stops the work under way without cutting a request short: records still
    // queued end unsent, an update posts nothing more, the poll stops, and a
    // settings operation ends with its account of what the module took.
    // Until the next connect.
    void giveUp();
    // The window's cancel, and part of giveUp: every record queued so far ends
    // unsent and the one on the line ends as it will. A settings operation ends
    // with its account; a refresh or apply cut short emits no refreshEnd or
    // applyEnd; a connect under way ends without connectionEnd and, should it
    // have connected, closes its link again. The poll goes on.
    void cancelQueued();
    // Records posted to the worker and finished, counted alike: once the
    // second reaches what the first was, everything posted by then is back.
    quint64 recordsPosted() const { return postedRecords; }
    quint64 recordsFinished() const { return finishedRecords; }

    void commandFinish(ModbusCommand *cmd);

    // Lets tests fix the computer's clock; the program never calls it.
    void setClock(std::function<QDateTime()> now) { clock = std::move(now); }
    QDateTime now() const { return clock(); }

    // For companions: objects beside Backend that work on the same worker
    // queue (the settings files, ...), so that one record at a time goes on
    // the line and Backend's counting, cancel and sequencing hold for theirs.
    //
    // A batch goes to the queue in one go. Each of its records, as it
    // finishes, goes to `finished` before Backend's own handling (Backend
    // decodes none of its reads into the pages and tells no measurementsRead
    // for them; a connection error still drops the link). Once its last record
    // is back, `done` runs before the worker takes the next one, so a batch it
    // posts follows at once. A cancel (cancelQueued) tells queueCancelled
    // first; the batch's queued records then come back unsent, through
    // `finished` and `done` as ever.
    struct Batch {
        std::function<void(ModbusCommand *)> finished;
        std::function<void()> done;
    };
    void postBatch(const QVector<ModbusCommand> &records, Batch batch);
    // A companion's operation has ended: serial settings its writes moved the
    // module to are told now (serialSettingsWritten), after its own end.
    void endOfSerialWrite();
    // Asked as an update starts, before anything is sent: true when it has
    // taken the update over (it then calls continueUpdate once), false to let
    // the update start at once. SettingsFiles keeps the settings this way.
    void setBeforeUpdate(std::function<bool(const QString &file)> hook) { beforeUpdate = std::move(hook); }
    // Starts the update held back by beforeUpdate with the image read then,
    // or fails it at once for `refused` (any reason but NoReason).
    void continueUpdate(const QString &file, const QByteArray &image, FirmwareUpdate::FailReason refused);
    bool updateRunning() const;

    static QString ctRatioText(int code);
    // "none", "even" or "odd" in the interface language; 2 and above are odd, as on the line.
    static QString parityText(int parity);

signals:
    void updateFail();
    void updateSuccess();
    void updateProgress(float progression);
    void connectionStateChanged();
    void processCmdEnd();
    void lstDevicesChanged();
    void connectionStateChange(bool state);
    void connectionEnd(bool state);
    void disconnectionEnd();
    void refreshEnd();
    void applyEnd();
    void connectionError();
    void loadRegisterFinish();
    void firmwareVersionChanged();
    void synchronizationChanged();
    void passwordChanged();
    void lastBootChanged();
    void hardwareVersionChanged();
    void dateHourChanged();
    void timeDurationMeansChanged();
    void activePowerCalculatedOnChanged();
    void frequencyChanged();
    void slaveAddressChanged();
    void baudrateChanged();
    void parityChanged();
    void ctPhaseA2Changed();
    void ctPhaseA3Changed();
    void limitVoltageChanged();
    void limitVoltageDurationChanged();
    void limitCurrentChanged();
    void limitCurrentDurationChanged();
    void minimumTimeMessageChanged();
    void callMonitoringTimeChanged();
    void fusesStatusChanged();
    void intensityChanged();
    void intensityMeanChanged();
    void intensityMinChanged();
    void currentPhiChanged();
    void voltageValuesNChanged();
    void voltageValuesChanged();
    void activeReactivePowerChanged();
    void activeReactivePowerMeanChanged();
    void activeReactivePowerMinChanged();
    void timeAndDateOfMeanValuesChanged();
    void temperatureMeasurementChanged();
    void serialNumberChanged();
    void installationDateChanged();
    void productNumberChanged();
    void temperatureThresholdValueChanged();
    void ctPhaseA1Changed();
    void ctPhaseA1IntChanged();
    void moduleStatusChanged();
    void fuseBlowL1Changed();
    void fuseBlowL2Changed();
    void fuseBlowL3Changed();
    void temperatureStatusChanged();
    void currentLanguageChanged();
    void baudrateConnectionPageChanged();
    void parityConnectionPageChanged();
    void languageChanged();
    void fsdidChanged();
    void measurementEnableChanged();
    void chartsEnableChanged();
    void moduleStatusKnownChanged();
    void fusesKnownChanged();
    void temperatureStatusKnownChanged();
    void updateFailReasonChanged();
    // A round of measurements is in: the last block of a poll or of
    // refreshMeasurementPage has finished, read or not. Blocks that failed
    // show "Error"; after a lost link it comes with connectionState false.
    void measurementsRead();
    void moduleInBootloaderChanged();
    // A connect ended with this record (before connectionEnd): what it found.
    void connectAttemptEnded(const ModbusCommand &record);
    // connectDevice was called; the port is wanted for the link.
    void connectStarting();
    // cancelQueued: what is queued will come back unsent.
    void queueCancelled();
    // An apply or a restore wrote serial settings other than the link's: the
    // module now answers at these only. Comes after the operation's own end
    // (applyEnd, moduleSettingsEnd). While it has a receiver, the poll waits
    // for the answer: keepLinkSettings() or the next connect.
    void serialSettingsWritten(int slaveAddress, int baudrate, int parity);

private:
    template<typename T>
    void update(T &field, const T &value, void (Backend::*notify)())
    {
        if (field == value)
            return;
        field = value;
        emit(this->*notify)();
    }

    void onPollTimer();
    void decodeReply(ModbusCommand *cmd);
    void showUnread(int address);
    void post(const ModbusCommand &cmd);
    void postMeasurementReads(int lastKind);
    void postClock(int lastKind);
    void onUpdateFail();
    void onUpdateSuccess();
    bool leftToBootloader(const char *operation, bool releaseWait);
    void noteSerialWrite(const ModbusCommand &cmd);
    void setLinkDown();


    TModbus *worker = nullptr;
    Translate *translate = nullptr;
    FirmwareUpdate *firmwareUpdate = nullptr;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };

    bool m_connectionState = false;
    QList<int> m_lstDevices;
    QString m_firmwareVersion;
    QString m_synchronization;
    int m_password = 0;
    QString m_lastBoot;
    QString m_hardwareVersion;
    QString m_dateHour;
    int m_timeDurationMeans = 5;
    bool m_activePowerCalculatedOn = false;
    bool m_frequency = false;
    int m_slaveAddress = 247;
    int m_baudrate = 19200;
    int m_parity = 1;
    QString m_ctPhaseA1;
    QString m_ctPhaseA2;
    QString m_ctPhaseA3;
    int m_limitVoltage = 1;
    int m_limitVoltageDuration = 1;
    int m_limitCurrent = 1;
    int m_limitCurrentDuration = 1;
    int m_minimumTimeMessage = 2;
    int m_callMonitoringTime = 10;
    QStringList m_fusesStatus;
    QStringList m_intensity;
    QStringList m_intensityMean;
    QStringList m_intensityMin;
    QStringList m_currentPhi;
    QStringList m_voltageValuesN;
    QStringList m_voltageValues;
    QStringList m_activeReactivePower;
    QStringList m_activeReactivePowerMean;
    QStringList m_activeReactivePowerMin;
    QString m_timeAndDateOfMeanValues;
    QString m_temperatureMeasurement;
    QString m_serialNumber;
    QString m_installationDate;
    QString m_productNumber;
    int m_temperatureThresholdValue = 60;
    int m_ctPhaseA1Int = 0;
    bool m_moduleStatus = false;
    bool m_fuseBlowL1 = false;
    bool m_fuseBlowL2 = false;
    bool m_fuseBlowL3 = false;
    bool m_temperatureStatus = false;
    int m_currentLanguage = 0;
    int m_baudrateConnectionPage = 19200;
    int m_parityConnectionPage = 1;
    QString m_language = QStringLiteral("en_EN");
    QString m_fsdid;
    bool m_measurementEnable = false;
    bool m_chartsEnable = false;
    bool m_moduleStatusKnown = true;
    bool m_fusesKnown = true;
    bool m_temperatureStatusKnown = true;
    QString m_updateFailReason;

    // Records posted and finished, and where the last poll ends: a poll is
    // posted only once the previous one is through, whatever the module's pace.
    quint64 postedRecords = 0;
    quint64 finishedRecords = 0;
    quint64 pollEnd = 0;
    // Blocks whose last read failed; an apply never writes their stale or empty values back.
    QSet<int> unread;

    bool givenUp = false;
    // Companions' batches under way: their records finish as numbers first + 1 to last.
    struct Route {
        quint64 first = 0;
        quint64 last = 0;
        Batch batch;
    };
    QVector<Route> routes;
    std::function<bool(const QString &)> beforeUpdate;
    // Records numbered up to this were queued or on the line at the last cancel.
    quint64 cancelledUpTo = 0;
    // The record finished last came back unsent: a marker after it ends
    // nothing, its sequence was cut short.
    bool lastAborted = false;

    bool m_moduleInBootloader = false;
    bool clockPending = false; // a connect in the bootloader set no clock
    // The open link, as connected (port number, slave address, page indexes).
    struct Link {
        int port = -1;
        int slave = 0;
        int baudIndex = 0;
        int parity = 0;
    } link;
    // Serial settings written that move the module off the link.
    struct MovedTo {
        bool pending = false; // serialSettingsWritten still to come
        bool held = false;    // the poll waits
        int slave = 0;
        int baudrate = 0;
        int parity = 0;
    } movedTo;
};

#endif
