#include "backend/backend.h"

#include "app/translate.h"
#include "backend/backendlog.h"
#include "backend/wordcodec.h"
#include "link/modbus.h"
#include "link/modbuscommand.h"
#include "link/portdirectory.h"
#include "link/tmodbus.h"
#include "update/firmwareupdate.h"

#include <QDebug>
#include <QTimer>

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
    connect(firmwareUpdate, &FirmwareUpdate::updateSuccess, this, &Backend::onUpdateSuccess);
    connect(firmwareUpdate, &FirmwareUpdate::updateProgress, this, &Backend::updateProgress);
    connect(this, &Backend::processCmdEnd, worker, &TModbus::onNextStepAvailable);
    connect(worker, &TModbus::commandFinish, this, &Backend::commandFinish);

    auto *pollTimer = new QTimer(this);
    connect(pollTimer, &QTimer::timeout, this, &Backend::onPollTimer);
    pollTimer->start(2000);
}

Backend::~Backend() = default;

void Backend::post(const ModbusCommand &cmd)
{
    // A Backend made by the type registration has no link to post to.
    if (!worker)
        return;
    worker->addCommand(cmd);
    ++postedRecords;
}

void Backend::postBatch(const QVector<ModbusCommand> &records, Batch batch)
{
    if (records.isEmpty() || !worker) {
        if (batch.done)
            batch.done();
        return;
    }
    const quint64 first = postedRecords;
    for (const ModbusCommand &cmd : records)
        post(cmd);
    routes.append({first, postedRecords, std::move(batch)});
}

QString Backend::ctRatioText(int code)
{
    return WordCodec::ctRatioText(code);
}

QString Backend::parityText(int parity)
{
    return parity <= 0 ? tr("none") : parity == 1 ? tr("even") : tr("odd");
}

void Backend::refreshSerialPortList()
{
    // Numbered by the port directory, so that names other than "COM" and a
    // number (ttyUSB0, a virtual line) keep a number of their own.
    m_lstDevices = PortDirectory::shared().refresh();
    emit lstDevicesChanged();
}

void Backend::switchLanguage()
{
    qCDebug(backendLog) << "Backend::switchLanguage" << m_currentLanguage;
    if (translate)
        translate->setLanguageCode(m_currentLanguage != 0 ? 1 : 0);
}

void Backend::startUpdate(QString filename)
{
    qCDebug(backendLog).noquote() << "StartUpdate " + filename;
    if (!firmwareUpdate)
        return;
    if (beforeUpdate && beforeUpdate(filename))
        return;
    firmwareUpdate->start(filename);
}

void Backend::continueUpdate(const QString &file, const QByteArray &image, FirmwareUpdate::FailReason refused)
{
    if (firmwareUpdate)
        firmwareUpdate->start(file, image, refused);
}

bool Backend::updateRunning() const
{
    return firmwareUpdate && firmwareUpdate->isRunning();
}

QVariantMap Backend::linkSettings() const
{
    if (!m_connectionState || link.port < 0)
        return {};
    return {{QStringLiteral("portIndex"), m_lstDevices.indexOf(link.port)},
            {QStringLiteral("slaveAddress"), link.slave},
            {QStringLiteral("baudrate"), Modbus::baudRateForIndex(link.baudIndex)},
            {QStringLiteral("parity"), link.parity}};
}

void Backend::keepLinkSettings()
{
    qCDebug(backendLog) << "Backend::keepLinkSettings";
    movedTo = {};
}

// A module in its bootloader answers only the bootloader's registers: the
// pages' reads and writes are not sent, and a page that waits is let go.
bool Backend::leftToBootloader(const char *operation, bool releaseWait)
{
    if (!m_moduleInBootloader)
        return false;
    qCDebug(backendLog) << operation << "- the module is in its bootloader, nothing sent";
    if (releaseWait)
        emit loadRegisterFinish();
    return true;
}
