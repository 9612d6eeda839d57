#include "backend/backend.h"

#include "app/translate.h"
#include "backend/backendlog.h"
#include "backend/settingsjob.h"
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

    auto *portWatch = new QTimer(this);
    connect(portWatch, &QTimer::timeout, this, &Backend::onPortWatch);
    portWatch->start(2000);
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
    presentPorts = PortDirectory::presentDevices();
    update(m_portListStale, false, &Backend::portListStaleChanged);
    emit lstDevicesChanged();
}

void Backend::onPortWatch()
{
    // The open port is not looked at, nor are the others while a link or a search runs.
    if (m_connectionState || scanRunning())
        return;
    update(m_portListStale, PortDirectory::presentDevices() != presentPorts, &Backend::portListStaleChanged);
}

QVariantMap Backend::portDetails(int indexList) const
{
    if (indexList < 0 || indexList >= m_lstDevices.size())
        return {};
    const PortDirectory::Details d = PortDirectory::shared().details(m_lstDevices[indexList]);
    auto hex = [](int id) { return id < 0 ? QString() : QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')); };
    return {{QStringLiteral("path"), d.path},
            {QStringLiteral("manufacturer"), d.manufacturer},
            {QStringLiteral("product"), d.product},
            {QStringLiteral("serialNumber"), d.serialNumber},
            {QStringLiteral("vendorId"), hex(d.vendorId)},
            {QStringLiteral("productId"), hex(d.productId)},
            {QStringLiteral("present"), d.present},
            {QStringLiteral("busy"), d.busy}};
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
    backupPath.clear();
    backupError.clear();
    // A bootloader answers none of the settings' registers: there is nothing
    // to keep, and the update is the way out.
    if (m_moduleInBootloader && !firmwareUpdate->isRunning()) {
        backupError = tr("The module is in its bootloader: its settings cannot be read.");
        firmwareUpdate->start(filename);
        return;
    }
    // The module's settings are kept first, in case the new firmware resets them;
    // the update starts once they are read, whether or not that worked.
    // Read now, as an update that starts at once would: the file may change or
    // go while the settings are read. An image refused at once needs no copy.
    QByteArray image;
    FirmwareUpdate::FailReason why;
    if (m_connectionState && !settingsJob && worker && !firmwareUpdate->isRunning()
        && FirmwareUpdate::readImage(filename, &image, &why)) {
        backUpThenUpdate(filename, image);
        return;
    }
    firmwareUpdate->start(filename);
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
