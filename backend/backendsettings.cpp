// The module's settings and a file: save, compare, restore, and the copy kept
// before a firmware update. The reads and writes are ordinary records in the
// worker's queue; the job knows its own by their place in the posting order.

#include "backend/backend.h"

#include "diagnostics/csvtext.h"
#include "backend/modulesettings.h"
#include "backend/registers.h"
#include "backend/registertable.h"
#include "backend/settingsjob.h"
#include "link/modbus.h"
#include "link/modbuscommand.h"
#include "update/firmwareupdate.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QModbusDevice>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

using namespace Registers;

namespace {

// The blocks a settings job reads, and where their words go.
struct ReadBlock {
    int address;
    QVector<quint16> ModuleSettings::ReadWords::*words;
};
const ReadBlock readBlocks[] = {
    {M_REG_TEMPERATURE_THRESHOLD, &ModuleSettings::ReadWords::homeSettings},
    {M_REG_CT_RATIO, &ModuleSettings::ReadWords::ctRatioAndThresholds},
    {M_REG_FSD_ID, &ModuleSettings::ReadWords::fsdId},
    {M_REG_MODULE_TIME, &ModuleSettings::ReadWords::moduleTime},
    {M_COIL_ACTIVE_POWER_CALC, &ModuleSettings::ReadWords::powerCalculation},
    {M_REG_LAST_BOOT, &ModuleSettings::ReadWords::lastBoot},
};

QString errorText(int error)
{
    switch (error) {
    case QModbusDevice::TimeoutError:
        return Backend::tr("no answer");
    case QModbusDevice::ProtocolError:
        return Backend::tr("refused by the module or answered wrongly");
    case QModbusDevice::ReplyAbortedError:
        return Backend::tr("given up before it was sent");
    default:
        return Backend::tr("the link failed");
    }
}

// The names blockName() takes from the register table, for the catalogue.
const char *const translatedBlockNames[] = {
    QT_TRANSLATE_NOOP("Backend", "Temperature threshold, serial number, installation date"),
    QT_TRANSLATE_NOOP("Backend", "Transformer ratios and thresholds"),
    QT_TRANSLATE_NOOP("Backend", "FSD ID"),
    QT_TRANSLATE_NOOP("Backend", "Module time and serial settings"),
    QT_TRANSLATE_NOOP("Backend", "Active power calculation and frequency"),
    QT_TRANSLATE_NOOP("Backend", "Last boot and versions"),
    QT_TRANSLATE_NOOP("Backend", "Installation date"),
    QT_TRANSLATE_NOOP("Backend", "Transformer ratios"),
    QT_TRANSLATE_NOOP("Backend", "Temperature threshold"),
    QT_TRANSLATE_NOOP("Backend", "Time duration for means"),
    QT_TRANSLATE_NOOP("Backend", "Thresholds"),
    QT_TRANSLATE_NOOP("Backend", "Serial settings"),
};

QString blockName(int address, bool write)
{
    const RegisterTable::Block *b = write ? RegisterTable::write(address) : RegisterTable::read(address);
    return b ? Backend::tr(b->name.toUtf8().constData()) : QString::number(address);
}

// "No differences", or one line per setting; a file of another module says so first.
QStringList comparisonLines(const ModuleSettings::Comparison &c, const ModuleSettings &file,
                            const ModuleSettings &module)
{
    QStringList lines;
    if (c.otherModule)
        lines << Backend::tr("This file is from another module: serial number %1 (this module: %2).")
                     .arg(file.serialNumber, module.serialNumber);
    if (c.differences.isEmpty())
        lines << Backend::tr("No differences");
    for (const ModuleSettings::Difference &d : c.differences)
        lines << ModuleSettings::differenceText(d);
    return lines;
}

// The file's serial settings that differ from the module's, when a restore
// leaves them out: the operator is told what stays as it is.
QStringList serialLeftOut(const ModuleSettings &file, const ModuleSettings &module, bool includeSerial)
{
    if (includeSerial)
        return {};
    QStringList lines;
    const QVector<ModuleSettings::Setting> &all = ModuleSettings::settings();
    for (const ModuleSettings::Difference &d : ModuleSettings::compare(file, module, true).differences) {
        const auto s = std::find_if(all.begin(), all.end(), [&](const ModuleSettings::Setting &x) { return x.key == d.key; });
        if (s != all.end() && s->serial)
            lines << ModuleSettings::differenceText(d);
    }
    if (!lines.isEmpty())
        lines.prepend(Backend::tr("Serial settings left out (file → module):"));
    return lines;
}

const int backupsKept = 10;

} // namespace

Backend::~Backend() = default;

QString Backend::updateBackupFolder()
{
    // Not under the program's own name: the window and orvalis-cli share it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/orvalis/settings-before-update");
}

void Backend::saveModuleSettings(const QString &file)
{
    auto job = std::make_unique<SettingsJob>();
    job->kind = SettingsJob::Kind::Save;
    job->path = CsvText::localPath(file);
    // A name chosen without an ending gets the usual one ("x." too, not "x..json").
    if (!job->path.isEmpty() && QFileInfo(job->path).suffix().isEmpty())
        job->path += job->path.endsWith(QLatin1Char('.')) ? QStringLiteral("json") : QStringLiteral(".json");
    startSettingsJob(std::move(job));
}

void Backend::compareModuleSettings(const QString &file)
{
    auto job = std::make_unique<SettingsJob>();
    job->kind = SettingsJob::Kind::Compare;
    job->path = CsvText::localPath(file);
    startSettingsJob(std::move(job));
}

void Backend::restoreModuleSettings(const QString &file, bool includeSerial)
{
    auto job = std::make_unique<SettingsJob>();
    job->kind = SettingsJob::Kind::Restore;
    job->path = CsvText::localPath(file);
    job->includeSerial = includeSerial;
    startSettingsJob(std::move(job));
}

void Backend::backUpThenUpdate(const QString &fileName, const QByteArray &image)
{
    auto job = std::make_unique<SettingsJob>();
    job->kind = SettingsJob::Kind::BeforeUpdate;
    job->path = fileName;
    job->image = image;
    startSettingsJob(std::move(job));
}

void Backend::startSettingsJob(std::unique_ptr<SettingsJob> job)
{
    qDebug().noquote() << "Backend::moduleSettings" << int(job->kind) << job->path << job->includeSerial;
    const bool before = job->kind == SettingsJob::Kind::BeforeUpdate;
    if (settingsJob) {
        qDebug() << "Backend::moduleSettings - another settings job is running";
        if (!before)
            emit moduleSettingsEnd(SettingsFailed, tr("Another operation on a settings file is running."), {});
        return;
    }
    if (!m_connectionState || !worker) {
        if (!before)
            emit moduleSettingsEnd(SettingsFailed, tr("Not connected to a module."), {});
        return;
    }
    if (!before && m_moduleInBootloader) {
        emit moduleSettingsEnd(SettingsFailed, tr("The module is in its bootloader: run the firmware update again."), {});
        return;
    }
    if (!before && job->path.isEmpty()) {
        emit moduleSettingsEnd(SettingsFailed, tr("No file was chosen."), {});
        return;
    }
    if (job->kind == SettingsJob::Kind::Compare || job->kind == SettingsJob::Kind::Restore) {
        QString error;
        if (!ModuleSettings::load(job->path, &job->file, &error)) {
            emit moduleSettingsEnd(SettingsFailed,
                                   job->kind == SettingsJob::Kind::Restore
                                       ? tr("The file was refused; nothing was written to the module.")
                                       : tr("The file was refused."),
                                   {error});
            return;
        }
    }
    settingsJob = std::move(job);
    emit settingsFileBusyChanged();
    postSettingsReads();
}

void Backend::postSettingsReads()
{
    SettingsJob &job = *settingsJob;
    if (job.step == SettingsJob::Step::Reading)
        job.first = postedRecords;
    job.words = {};
    for (const ReadBlock &b : readBlocks) {
        const RegisterTable::Block *block = RegisterTable::read(b.address);
        post(ModbusCommand(Request, b.address, block->count, block->type, 0));
    }
    job.last = postedRecords;
}

void Backend::settingsRecordFinished(ModbusCommand *cmd)
{
    SettingsJob &job = *settingsJob;
    const int error = cmd->getError();
    if (cmd->getIsWrite()) {
        const QString name = blockName(cmd->getAddress(), true);
        if (error == 0)
            job.written << tr("%1: written.").arg(name);
        else if (error == QModbusDevice::TimeoutError)
            // The request went out; whether the module took it, only a read can tell.
            job.uncertain << tr("%1: no answer; the module may or may not have taken it.").arg(name);
        else
            job.writeErrors << tr("%1: not written (%2).").arg(name, errorText(error));
        return;
    }
    for (const ReadBlock &b : readBlocks) {
        if (b.address != cmd->getAddress())
            continue;
        if (error != 0)
            job.unreadBlocks << tr("%1: not read (%2).").arg(blockName(b.address, false), errorText(error));
        else
            job.words.*b.words = cmd->getValues();
    }
}

void Backend::settingsStepDone()
{
    SettingsJob &job = *settingsJob;
    const bool restore = job.kind == SettingsJob::Kind::Restore;
    if (!job.writeErrors.isEmpty() || !job.uncertain.isEmpty()) {
        // Each block once: taken, perhaps taken, or not written.
        // Once given up, the read-back that was never sent tells nothing more.
        const QStringList account = job.written + job.uncertain + job.writeErrors
                                    + (job.givenUp ? QStringList() : job.unreadBlocks);
        if (job.givenUp)
            finishSettingsJob(SettingsFailed,
                              tr("Given up: %1 of %2 blocks were written.").arg(job.written.size()).arg(job.writes),
                              account);
        else
            finishSettingsJob(SettingsFailed, tr("The module did not take every setting."), account);
        return;
    }
    if (job.step == SettingsJob::Step::WritingAndReadingBack && job.linkMoves) {
        finishSettingsJob(SettingsDone,
                          tr("The file's settings were written (blocks written: %1). The module now answers at "
                             "slave address %2, %3 baud, parity %4 only, so it was not read back: connect at these "
                             "settings and compare again.")
                              .arg(job.writes)
                              .arg(job.file.slaveAddress)
                              .arg(job.file.baudRate)
                              .arg(job.file.valueText(QStringLiteral("parity"))),
                          job.written);
        return;
    }
    ModuleSettings module;
    QString error;
    if (job.kind == SettingsJob::Kind::BeforeUpdate) {
        backupPath.clear();
        backupError = !job.unreadBlocks.isEmpty() ? job.unreadBlocks.join(QLatin1Char(' ')) : QString();
    }
    if (!job.unreadBlocks.isEmpty()
        || !ModuleSettings::fromWords(job.words, clock().toUTC(), &module, &error)) {
        const QStringList why = job.unreadBlocks.isEmpty() ? QStringList{error} : job.unreadBlocks;
        if (job.kind == SettingsJob::Kind::BeforeUpdate && backupError.isEmpty())
            backupError = error;
        if (job.step == SettingsJob::Step::WritingAndReadingBack && job.givenUp)
            finishSettingsJob(SettingsFailed,
                              tr("Given up: every block was written (%1); the module was not read back.")
                                  .arg(job.writes),
                              job.written);
        else if (job.step == SettingsJob::Step::WritingAndReadingBack && job.serialWritten)
            // A module that takes its new line settings at once answers on them only.
            finishSettingsJob(SettingsFailed,
                              tr("The settings were written; the module no longer answers on this line's settings. "
                                 "Connect with slave address %1, %2 baud, parity %3 and compare again.")
                                  .arg(job.file.slaveAddress)
                                  .arg(job.file.baudRate)
                                  .arg(job.file.valueText(QStringLiteral("parity"))),
                              job.written + why);
        else if (job.step == SettingsJob::Step::WritingAndReadingBack)
            finishSettingsJob(SettingsFailed, tr("The settings were written but could not be read back."),
                              job.written + why);
        else if (restore)
            finishSettingsJob(SettingsFailed, tr("The module could not be read; nothing was written to it."), why);
        else
            finishSettingsJob(SettingsFailed, tr("The module could not be read."), why);
        return;
    }

    switch (job.kind) {
    case SettingsJob::Kind::BeforeUpdate:
        finishSettingsJob(saveBeforeUpdate(module) ? SettingsDone : SettingsFailed, {});
        return;
    case SettingsJob::Kind::Save:
        if (!module.save(job.path, &error))
            finishSettingsJob(SettingsFailed, tr("The settings were not saved."), {error});
        else
            finishSettingsJob(SettingsDone, tr("The module's settings were saved to %1.").arg(job.path),
                              {tr("Serial number: %1").arg(module.serialNumber)});
        return;
    case SettingsJob::Kind::Compare: {
        const ModuleSettings::Comparison c = ModuleSettings::compare(job.file, module, true);
        finishSettingsJob(c.differences.isEmpty() ? SettingsDone : SettingsDiffer,
                          c.differences.isEmpty() ? tr("The module holds the file's settings.")
                                                  : tr("Settings that differ: %1 (file → module).")
                                                        .arg(c.differences.size()),
                          comparisonLines(c, job.file, module));
        return;
    }
    case SettingsJob::Kind::Restore:
        break;
    }

    if (job.step == SettingsJob::Step::Reading) {
        const QVector<ModuleSettings::Write> writes = ModuleSettings::restoreWrites(job.file, module, job.includeSerial);
        if (writes.isEmpty()) {
            const QStringList leftOut = serialLeftOut(job.file, module, job.includeSerial);
            if (!leftOut.isEmpty())
                finishSettingsJob(SettingsDone,
                                  tr("Nothing was written: the module holds the file's settings except its serial "
                                     "settings, which were left out as asked."),
                                  leftOut);
            else
                finishSettingsJob(SettingsDone,
                                  tr("Nothing was written: the module already holds the file's settings."),
                                  comparisonLines(ModuleSettings::compare(job.file, module, job.includeSerial),
                                                  job.file, module));
            return;
        }
        job.step = SettingsJob::Step::WritingAndReadingBack;
        job.first = postedRecords;
        job.writes = writes.size();
        for (const ModuleSettings::Write &w : writes) {
            if (w.address == M_REG_PARITY) {
                job.serialWritten = true;
                job.linkMoves = job.file.slaveAddress != link.slave || job.file.parity != link.parity
                                || job.file.baudRate != Modbus::baudRateForIndex(link.baudIndex);
            }
            ModbusCommand cmd(Request, w.address, w.values.size(), w.registerType, 1);
            cmd.addValues(w.values);
            post(cmd);
        }
        // The serial settings go last; a module that took other ones than the
        // link's answers at those only, so it is not read back here.
        if (job.linkMoves)
            job.last = postedRecords;
        else
            postSettingsReads();
        return;
    }

    const ModuleSettings::Comparison c = ModuleSettings::compare(job.file, module, job.includeSerial);
    if (c.differences.isEmpty())
        finishSettingsJob(SettingsDone, tr("The file's settings were written to the module and read back (blocks written: %1).")
                                    .arg(job.writes),
                          comparisonLines(c, job.file, module) + serialLeftOut(job.file, module, job.includeSerial));
    else
        finishSettingsJob(SettingsFailed, tr("The settings were written, but the module still differs."),
                          comparisonLines(c, job.file, module));
}

void Backend::finishSettingsJob(int outcome, const QString &message, const QStringList &details)
{
    const std::unique_ptr<SettingsJob> job = std::move(settingsJob);
    emit settingsFileBusyChanged();
    qDebug().noquote() << "Backend::moduleSettings - end" << outcome << message << details.join(QStringLiteral(" | "));
    if (job->kind == SettingsJob::Kind::BeforeUpdate) {
        // Nothing goes to the bootloader once the operator gave up, nor without
        // the copy that was promised.
        if (job->givenUp)
            firmwareUpdate->start(job->path, {}, FirmwareUpdate::FailReason::Cancelled);
        else if (outcome != SettingsDone && updateNeedsBackup)
            firmwareUpdate->start(job->path, {}, FirmwareUpdate::FailReason::NoBackup);
        else
            firmwareUpdate->start(job->path, job->image, FirmwareUpdate::FailReason::NoReason);
        return;
    }
    emit moduleSettingsEnd(outcome, message, details);
    endOfSerialWrite();
}

QVariantMap Backend::serialSettingsInFile(const QString &file) const
{
    ModuleSettings settings;
    QString error;
    if (!ModuleSettings::load(CsvText::localPath(file), &settings, &error))
        return {};
    return {{QStringLiteral("slaveAddress"), settings.slaveAddress},
            {QStringLiteral("baudrate"), settings.baudRate},
            {QStringLiteral("parity"), settings.parity}};
}

bool Backend::saveBeforeUpdate(const ModuleSettings &module)
{
    const QString folder = backupFolder.isEmpty() ? updateBackupFolder() : backupFolder;
    // Characters a file name cannot hold on every system are left out.
    QString serial = module.serialNumber;
    serial.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    if (serial.isEmpty())
        serial = QStringLiteral("unknown");
    const QString name = QStringLiteral("%1-%2.json")
                             .arg(serial, module.readAt.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    // A folder that cannot be made fails the save, which tells why.
    QDir().mkpath(folder);
    if (!module.save(folder + QLatin1Char('/') + name, &backupError)) {
        qDebug().noquote() << "Backend::saveBeforeUpdate - not saved:" << backupError;
        return false;
    }
    backupError.clear();
    backupPath = folder + QLatin1Char('/') + name;
    qDebug().noquote() << "Backend::saveBeforeUpdate -" << backupPath;

    // The names sort by time; the oldest of this module's go, only once the
    // new one is in place.
    QDir dir(folder);
    const QStringList mine =
        dir.entryList({serial + QStringLiteral("-*.json")}, QDir::Files, QDir::Name);
    for (int i = 0; i < mine.size() - backupsKept; ++i)
        dir.remove(mine[i]);
    return true;
}
