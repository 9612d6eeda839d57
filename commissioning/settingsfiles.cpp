#include "commissioning/settingsfiles.h"

#include "commissioning/commissioninglog.h"

#include "backend/backend.h"
#include "commissioning/modulesettings.h"
#include "backend/registers.h"
#include "backend/registertable.h"
#include "backend/settingstable.h"
#include "files/filewrite.h"
#include "link/modbuscommand.h"
#include "update/firmwareupdate.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QModbusDevice>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

using namespace Registers;

// An operation under way.
struct SettingsFiles::Job {
    enum class Kind { Save, Compare, Restore, BeforeUpdate, AfterUpdate, Read };
    enum class Step { Reading, WritingAndReadingBack };

    Kind kind = Kind::Save;
    QString path; // the settings file, or the firmware image before an update
    ModuleSettings file;
    bool includeSerial = false;
    bool intoFolder = false; // path is a folder, the file named by the serial number
    bool copy = false;       // the file's identity and serial settings are the module's
    bool selective = false;  // only the settings of `only` are written
    QStringList only;
    ModuleSettings original; // the file as loaded, for the table
    std::function<void(const ModuleSettings *, const QStringList &)> read; // Read: told the module's settings
    QByteArray image; // the firmware, read before the settings

    Step step = Step::Reading;
    ModuleSettings::ReadWords words;
    QStringList unreadBlocks;
    QStringList written;     // blocks the module acknowledged
    QStringList writeErrors; // blocks not written
    QStringList uncertain;   // blocks sent without an answer: taken or not, nobody knows
    int writes = 0;
    bool givenUp = false;
    bool serialWritten = false; // the module's own line settings were among the writes
    bool linkMoves = false;     // ... and they are not the link's
};

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
        return SettingsFiles::tr("no answer");
    case QModbusDevice::ProtocolError:
        return SettingsFiles::tr("refused by the module or answered wrongly");
    case QModbusDevice::ReplyAbortedError:
        return SettingsFiles::tr("given up before it was sent");
    default:
        return SettingsFiles::tr("the link failed");
    }
}

// The names blockName() takes from the register table, for the catalogue; the
// operation report names the blocks of an apply from the same list.
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
    return b ? QCoreApplication::translate("Backend", b->name.toUtf8().constData()) : QString::number(address);
}

// "No differences", or one line per setting; a file of another module says so first.
QStringList comparisonLines(const ModuleSettings::Comparison &c, const ModuleSettings &file,
                            const ModuleSettings &module)
{
    QStringList lines;
    if (c.otherModule)
        lines << SettingsFiles::tr("This file is from another module: serial number %1 (this module: %2).")
                     .arg(file.serialNumber, module.serialNumber);
    if (c.differences.isEmpty())
        lines << SettingsFiles::tr("No differences");
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
        lines.prepend(SettingsFiles::tr("Serial settings left out (file → module):"));
    return lines;
}

const int backupsKept = 10;

// The words the read gave at `address` (`count` of them, of `type`), or none.
QVector<quint16> wordsRead(const ModuleSettings::ReadWords &read, int type, int address, int count)
{
    for (const ReadBlock &b : readBlocks) {
        const RegisterTable::Block *block = RegisterTable::read(b.address);
        const QVector<quint16> &words = read.*b.words;
        if (block->type == type && address >= block->address && address + count <= block->address + block->count
            && words.size() == block->count)
            return words.mid(address - block->address, count);
    }
    return {};
}

// Each write carries the module's own words but for the fields of the chosen settings.
void keepModuleWords(QVector<ModuleSettings::Write> *writes, const ModuleSettings::ReadWords &read,
                     const QStringList &chosen)
{
    for (ModuleSettings::Write &w : *writes) {
        QVector<quint16> words = wordsRead(read, w.registerType, w.address, w.values.size());
        const RegisterTable::Block *block = RegisterTable::write(w.address);
        if (words.isEmpty() || !block)
            continue;
        for (const QString &key : chosen) {
            const SettingsTable::Setting *s = SettingsTable::find(key);
            if (!s || s->block != block->key)
                continue;
            for (const RegisterTable::Field &f : block->fields) {
                if (!s->field.isEmpty() && f.name != s->field)
                    continue;
                for (int i = f.offset; i < f.offset + f.words && i < words.size(); ++i)
                    words[i] = w.values[i];
            }
        }
        w.values = words;
    }
}

// A serial number as part of a file name: characters a file name cannot
// hold on every system are left out.
QString fileNamePart(QString serial)
{
    serial.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    return serial.isEmpty() ? QStringLiteral("unknown") : serial;
}

// The file's settings but the module's own identity and serial settings:
// what a file of another module gives this one.
ModuleSettings copyFor(const ModuleSettings &file, const ModuleSettings &module)
{
    QStringList copied;
    for (const SettingsTable::Setting &s : SettingsTable::all()) {
        if (!s.ownToModule())
            copied << s.key;
    }
    return ModuleSettings::only(file, module, copied);
}

} // namespace

SettingsFiles::SettingsFiles(Backend *backend, QObject *parent) : QObject(parent), backend(backend)
{
    // Either may go first when the program ends.
    backend->setBeforeUpdate([self = QPointer<SettingsFiles>(this)](const QString &fileName) {
        return self && self->beforeUpdate(fileName);
    });
    // A new firmware may have reset settings: they are read again and
    // compared with the copy kept before it.
    connect(backend, &Backend::updateSuccess, this, [this] {
        if (!compareAfterUpdate || backupPath.isEmpty() || job || !this->backend->connectionState())
            return;
        auto next = std::make_unique<Job>();
        next->kind = Job::Kind::AfterUpdate;
        next->path = backupPath;
        startJob(std::move(next));
    });
    connect(backend, &Backend::queueCancelled, this, [this] {
        if (job)
            job->givenUp = true;
    });
}

SettingsFiles::SettingsFiles(Backend *backend, Post post, QObject *parent)
    : QObject(parent), backend(backend), linePost(std::move(post))
{
    connect(backend, &Backend::queueCancelled, this, [this] {
        if (job)
            job->givenUp = true;
    });
}

SettingsFiles::~SettingsFiles() = default;

QString SettingsFiles::fileInFolder(const QString &folder, const QString &serialNumber)
{
    return QDir(folder).filePath(fileNamePart(serialNumber) + QStringLiteral(".json"));
}

void SettingsFiles::saveInto(const QString &folder)
{
    auto next = std::make_unique<Job>();
    next->kind = Job::Kind::Save;
    next->path = FileWrite::localPath(folder);
    next->intoFolder = true;
    startJob(std::move(next));
}

void SettingsFiles::restoreOnly(const QString &file, const QStringList &keys)
{
    auto next = std::make_unique<Job>();
    next->kind = Job::Kind::Restore;
    next->path = FileWrite::localPath(file);
    next->selective = true;
    next->only = keys;
    for (const ModuleSettings::Setting &s : ModuleSettings::settings())
        next->includeSerial = next->includeSerial || (s.serial && keys.contains(s.key));
    startJob(std::move(next));
}

void SettingsFiles::readModule(std::function<void(const ModuleSettings *, const QStringList &)> done)
{
    auto next = std::make_unique<Job>();
    next->kind = Job::Kind::Read;
    next->read = std::move(done);
    if (job) {
        next->read(nullptr, {tr("Another operation on a settings file is running.")});
        return;
    }
    startJob(std::move(next));
}

void SettingsFiles::compareCopy(const QString &file)
{
    auto next = std::make_unique<Job>();
    next->kind = Job::Kind::Compare;
    next->path = FileWrite::localPath(file);
    next->copy = true;
    startJob(std::move(next));
}

void SettingsFiles::restoreCopy(const QString &file)
{
    auto next = std::make_unique<Job>();
    next->kind = Job::Kind::Restore;
    next->path = FileWrite::localPath(file);
    next->copy = true;
    startJob(std::move(next));
}

QString SettingsFiles::updateBackupFolder()
{
    // Not under the program's own name: the window and orvalis-cli share it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/orvalis/settings-before-update");
}

void SettingsFiles::save(const QString &file)
{
    auto next = std::make_unique<Job>();
    next->kind = Job::Kind::Save;
    next->path = FileWrite::localPath(file);
    // A name chosen without an ending gets the usual one ("x." too, not "x..json").
    if (!next->path.isEmpty() && QFileInfo(next->path).suffix().isEmpty())
        next->path += next->path.endsWith(QLatin1Char('.')) ? QStringLiteral("json") : QStringLiteral(".json");
    startJob(std::move(next));
}

void SettingsFiles::compare(const QString &file)
{
    auto next = std::make_unique<Job>();
    next->kind = Job::Kind::Compare;
    next->path = FileWrite::localPath(file);
    startJob(std::move(next));
}

void SettingsFiles::restore(const QString &file, bool includeSerial)
{
    auto next = std::make_unique<Job>();
    next->kind = Job::Kind::Restore;
    next->path = FileWrite::localPath(file);
    next->includeSerial = includeSerial;
    startJob(std::move(next));
}

// The settings are kept first, in case the new firmware resets them; the
// update starts once they are read, whether or not that worked.
bool SettingsFiles::beforeUpdate(const QString &fileName)
{
    backupPath.clear();
    backupError.clear();
    if (backend->updateRunning())
        return false;
    // A bootloader answers none of the settings' registers: there is nothing
    // to keep, and the update is the way out.
    if (backend->moduleInBootloader()) {
        backupError = tr("The module is in its bootloader: its settings cannot be read.");
        return false;
    }
    // Read now, as an update that starts at once would: the file may change or
    // go while the settings are read. An image refused at once needs no copy.
    QByteArray image;
    FirmwareUpdate::FailReason why;
    if (!backend->connectionState() || job || !FirmwareUpdate::readImage(fileName, &image, &why))
        return false;
    auto next = std::make_unique<Job>();
    next->kind = Job::Kind::BeforeUpdate;
    next->path = fileName;
    next->image = image;
    startJob(std::move(next));
    return true;
}

void SettingsFiles::startJob(std::unique_ptr<Job> next)
{
    qCDebug(commissioningLog).noquote() << "SettingsFiles::start" << int(next->kind) << next->path << next->includeSerial;
    // None of these is an operation of the operator's: they end without settingsEnd.
    const bool before = next->kind == Job::Kind::BeforeUpdate || next->kind == Job::Kind::AfterUpdate
                        || next->kind == Job::Kind::Read;
    if (next->kind == Job::Kind::Read && !linePost && !backend->connectionState()) {
        next->read(nullptr, {tr("Not connected to a module.")});
        return;
    }
    if (job) {
        qCDebug(commissioningLog) << "SettingsFiles::start - another operation is running";
        if (!before)
            emit settingsEnd(Failed, tr("Another operation on a settings file is running."), {});
        return;
    }
    if (!linePost && !backend->connectionState()) {
        if (!before)
            emit settingsEnd(Failed, tr("Not connected to a module."), {});
        return;
    }
    if (!linePost && !before && backend->moduleInBootloader()) {
        emit settingsEnd(Failed, tr("The module is in its bootloader: run the firmware update again."), {});
        return;
    }
    if (!before && next->path.isEmpty()) {
        emit settingsEnd(Failed, tr("No file was chosen."), {});
        return;
    }
    if (next->kind == Job::Kind::Compare || next->kind == Job::Kind::Restore || next->kind == Job::Kind::AfterUpdate) {
        QString error;
        if (!ModuleSettings::load(next->path, &next->file, &error)) {
            if (before)
                return;
            emit settingsEnd(Failed,
                             next->kind == Job::Kind::Restore
                                 ? tr("The file was refused; nothing was written to the module.")
                                 : tr("The file was refused."),
                             {error});
            return;
        }
        next->original = next->file;
    }
    job = std::move(next);
    emit busyChanged();
    postStep(settingsReads());
}

// The reads of the settings' blocks, whose words come anew with each.
QVector<ModbusCommand> SettingsFiles::settingsReads()
{
    job->words = {};
    QVector<ModbusCommand> reads;
    for (const ReadBlock &b : readBlocks) {
        const RegisterTable::Block *block = RegisterTable::read(b.address);
        reads.append(ModbusCommand(Request, b.address, block->count, block->type, 0));
    }
    return reads;
}

void SettingsFiles::postStep(const QVector<ModbusCommand> &records)
{
    Backend::Batch batch{[this](ModbusCommand *cmd) { recordFinished(cmd); }, [this] { stepDone(); }};
    if (!linePost) {
        backend->postBatch(records, std::move(batch));
        return;
    }
    // A module of a line may have gone silent: a few resends, not the link's twenty.
    QVector<ModbusCommand> addressed = records;
    for (ModbusCommand &cmd : addressed)
        cmd.setOtherSlave(slave, ModbusCommand::LineTimeoutMs, ModbusCommand::LineResends);
    linePost(addressed, std::move(batch));
}

void SettingsFiles::recordFinished(ModbusCommand *cmd)
{
    Job &job = *this->job;
    const int error = cmd->getError();
    if (cmd->getIsWrite()) {
        const QString name = blockName(cmd->getAddress(), true);
        if (error == 0)
            // Worded as the operation report words an apply's blocks.
            job.written << QCoreApplication::translate("Backend", "%1: written.").arg(name);
        else if (error == QModbusDevice::TimeoutError)
            // The request went out; whether the module took it, only a read can tell.
            job.uncertain << QCoreApplication::translate("Backend", "%1: no answer; the module may or may not have taken it.")
                                 .arg(name);
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

void SettingsFiles::stepDone()
{
    Job &job = *this->job;
    const bool restore = job.kind == Job::Kind::Restore;
    if (!job.writeErrors.isEmpty() || !job.uncertain.isEmpty()) {
        // Each block once: taken, perhaps taken, or not written.
        // Once given up, the read-back that was never sent tells nothing more.
        const QStringList account = job.written + job.uncertain + job.writeErrors
                                    + (job.givenUp ? QStringList() : job.unreadBlocks);
        if (job.givenUp)
            finish(Failed,
                              tr("Given up: %1 of %2 blocks were written.").arg(job.written.size()).arg(job.writes),
                              account);
        else
            finish(Failed, tr("The module did not take every setting."), account);
        return;
    }
    if (job.step == Job::Step::WritingAndReadingBack && job.linkMoves) {
        finish(Done,
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
    if (job.kind == Job::Kind::BeforeUpdate) {
        backupPath.clear();
        backupError = !job.unreadBlocks.isEmpty() ? job.unreadBlocks.join(QLatin1Char(' ')) : QString();
    }
    if (!job.unreadBlocks.isEmpty()
        || !ModuleSettings::fromWords(job.words, backend->now().toUTC(), &module, &error)) {
        const QStringList why = job.unreadBlocks.isEmpty() ? QStringList{error} : job.unreadBlocks;
        if (job.kind == Job::Kind::BeforeUpdate && backupError.isEmpty())
            backupError = error;
        if (job.step == Job::Step::WritingAndReadingBack && job.givenUp)
            finish(Failed,
                              tr("Given up: every block was written (%1); the module was not read back.")
                                  .arg(job.writes),
                              job.written);
        else if (job.step == Job::Step::WritingAndReadingBack && job.serialWritten)
            // A module that takes its new line settings at once answers on them only.
            finish(Failed,
                              tr("The settings were written; the module no longer answers on this line's settings. "
                                 "Connect with slave address %1, %2 baud, parity %3 and compare again.")
                                  .arg(job.file.slaveAddress)
                                  .arg(job.file.baudRate)
                                  .arg(job.file.valueText(QStringLiteral("parity"))),
                              job.written + why);
        else if (job.step == Job::Step::WritingAndReadingBack)
            finish(Failed, tr("The settings were written but could not be read back."),
                              job.written + why);
        else if (restore)
            finish(Failed, tr("The module could not be read; nothing was written to it."), why);
        else
            finish(Failed, tr("The module could not be read."), why);
        return;
    }

    // The identity and serial settings come from the first read, so that a
    // read-back compares with what was meant to be written; so do the
    // settings not chosen.
    if (job.copy && job.step == Job::Step::Reading)
        job.file = copyFor(job.file, module);
    if (job.selective && job.step == Job::Step::Reading)
        job.file = ModuleSettings::only(job.file, module, job.only);
    if (job.kind == Job::Kind::Compare || job.kind == Job::Kind::Restore || job.kind == Job::Kind::AfterUpdate)
        setComparison(job.path, job.copy ? job.file : job.original, module);
    if (job.intoFolder) {
        job.path = fileInFolder(job.path, module.serialNumber);
        job.intoFolder = false;
    }

    switch (job.kind) {
    case Job::Kind::Read: {
        const auto done = job.read;
        finish(Done, {});
        done(&module, {});
        return;
    }
    case Job::Kind::BeforeUpdate:
        finish(saveBeforeUpdate(module) ? Done : Failed, {});
        return;
    case Job::Kind::AfterUpdate: {
        const bool changed = !ModuleSettings::compare(job.file, module, true).differences.isEmpty();
        qCDebug(commissioningLog) << "SettingsFiles: after the update the settings" << (changed ? "differ" : "are kept");
        finish(changed ? Differ : Done, {});
        if (changed)
            emit changedByUpdate();
        return;
    }
    case Job::Kind::Save:
        if (!module.save(job.path, &error))
            finish(Failed, tr("The settings were not saved."), {error});
        else
            finish(Done, tr("The module's settings were saved to %1.").arg(job.path),
                              {tr("Serial number: %1").arg(module.serialNumber)});
        return;
    case Job::Kind::Compare: {
        const ModuleSettings::Comparison c = ModuleSettings::compare(job.file, module, true);
        finish(c.differences.isEmpty() ? Done : Differ,
                          c.differences.isEmpty() ? tr("The module holds the file's settings.")
                                                  : tr("Settings that differ: %1 (file → module).")
                                                        .arg(c.differences.size()),
                          comparisonLines(c, job.file, module) + fileNotes(job.original, module));
        return;
    }
    case Job::Kind::Restore:
        break;
    }

    if (job.step == Job::Step::Reading) {
        QVector<ModuleSettings::Write> writes = ModuleSettings::restoreWrites(job.file, module, job.includeSerial);
        // The settings not chosen keep the very words the module holds,
        // which its decoded value may not give back (a tenth of a second).
        if (job.selective)
            keepModuleWords(&writes, job.words, job.only);
        if (writes.isEmpty()) {
            const QStringList leftOut = serialLeftOut(job.file, module, job.includeSerial);
            if (!leftOut.isEmpty())
                finish(Done,
                                  tr("Nothing was written: the module holds the file's settings except its serial "
                                     "settings, which were left out as asked."),
                                  leftOut);
            else
                finish(Done,
                                  tr("Nothing was written: the module already holds the file's settings."),
                                  comparisonLines(ModuleSettings::compare(job.file, module, job.includeSerial),
                                                  job.file, module));
            return;
        }
        // Said before anything is written: the operator may stop here.
        const QStringList notes = fileNotes(job.original, module);
        if (!notes.isEmpty())
            emit notice(notes.join(QLatin1Char('\n')));
        job.step = Job::Step::WritingAndReadingBack;
        job.writes = writes.size();
        const QVariantMap link = backend->linkSettings();
        QVector<ModbusCommand> records;
        for (const ModuleSettings::Write &w : writes) {
            if (w.address == M_REG_PARITY) {
                job.serialWritten = true;
                job.linkMoves = job.file.slaveAddress != link.value(QStringLiteral("slaveAddress")).toInt()
                                || job.file.parity != link.value(QStringLiteral("parity")).toInt()
                                || job.file.baudRate != link.value(QStringLiteral("baudrate")).toInt();
            }
            ModbusCommand cmd(Request, w.address, w.values.size(), w.registerType, 1);
            cmd.addValues(w.values);
            records.append(cmd);
        }
        // The serial settings go last; a module that took other ones than the
        // link's answers at those only, so it is not read back here.
        if (!job.linkMoves)
            records += settingsReads();
        postStep(records);
        return;
    }

    const ModuleSettings::Comparison c = ModuleSettings::compare(job.file, module, job.includeSerial);
    if (c.differences.isEmpty())
        finish(Done, tr("The file's settings were written to the module and read back (blocks written: %1).")
                                    .arg(job.writes),
                          comparisonLines(c, job.file, module) + serialLeftOut(job.file, module, job.includeSerial)
                              + fileNotes(job.original, module));
    else
        finish(Failed, tr("The settings were written, but the module still differs."),
                          comparisonLines(c, job.file, module));
}

void SettingsFiles::finish(int outcome, const QString &message, const QStringList &details)
{
    const std::unique_ptr<Job> ended = std::move(job);
    emit busyChanged();
    qCDebug(commissioningLog).noquote() << "SettingsFiles - end" << outcome << message << details.join(QStringLiteral(" | "));
    if (ended->kind == Job::Kind::BeforeUpdate) {
        // Nothing goes to the bootloader once the operator gave up, nor without
        // the copy that was promised.
        if (ended->givenUp)
            backend->continueUpdate(ended->path, {}, FirmwareUpdate::FailReason::Cancelled);
        else if (outcome != Done && updateNeedsBackup)
            backend->continueUpdate(ended->path, {}, FirmwareUpdate::FailReason::NoBackup);
        else
            backend->continueUpdate(ended->path, ended->image, FirmwareUpdate::FailReason::NoReason);
        return;
    }
    if (ended->kind == Job::Kind::AfterUpdate)
        return;
    if (ended->kind == Job::Kind::Read) {
        // Done is told by the caller of finish, with the module.
        if (outcome != Done)
            ended->read(nullptr, QStringList{message} + details);
        return;
    }
    emit settingsEnd(outcome, message, details);
    backend->endOfSerialWrite();
}

void SettingsFiles::setComparison(const QString &file, const ModuleSettings &fileSettings, const ModuleSettings &module)
{
    comparisonRows.clear();
    for (const ModuleSettings::Difference &d : ModuleSettings::table(fileSettings, module))
        comparisonRows.append(QVariantMap{{QStringLiteral("key"), d.key},
                                          {QStringLiteral("name"), d.name},
                                          {QStringLiteral("unit"), d.unit},
                                          {QStringLiteral("fileValue"), d.fileValue},
                                          {QStringLiteral("moduleValue"), d.moduleValue},
                                          {QStringLiteral("differs"), d.differs},
                                          {QStringLiteral("serial"), d.serial}});
    comparedFile = file;
    comparedFileFirmware = fileSettings.firmwareVersion;
    comparedModuleFirmware = module.firmwareVersion;
    comparedUnknown = fileSettings.unknownKeys();
    emit comparisonChanged();
}

// What the operator should know of a file before it is written: another
// firmware version, and settings this version does not know.
QStringList SettingsFiles::fileNotes(const ModuleSettings &file, const ModuleSettings &module)
{
    QStringList notes;
    if (!file.firmwareVersion.isEmpty() && file.firmwareVersion != module.firmwareVersion)
        notes << tr("The file was read from firmware version %1; the module runs %2.")
                     .arg(file.firmwareVersion, module.firmwareVersion);
    if (!file.unknownSettings.isEmpty())
        notes << tr("Not written, as this version of the tool does not know them: %1.")
                     .arg(file.unknownKeys().join(QStringLiteral(", ")));
    return notes;
}

QVariantMap SettingsFiles::serialSettingsInFile(const QString &file) const
{
    ModuleSettings settings;
    QString error;
    if (!ModuleSettings::load(FileWrite::localPath(file), &settings, &error))
        return {};
    return {{QStringLiteral("slaveAddress"), settings.slaveAddress},
            {QStringLiteral("baudrate"), settings.baudRate},
            {QStringLiteral("parity"), settings.parity}};
}

bool SettingsFiles::saveBeforeUpdate(const ModuleSettings &module)
{
    const QString folder = backupFolder.isEmpty() ? updateBackupFolder() : backupFolder;
    const QString serial = fileNamePart(module.serialNumber);
    const QString name = QStringLiteral("%1-%2.json")
                             .arg(serial, module.readAt.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    // A folder that cannot be made fails the save, which tells why.
    QDir().mkpath(folder);
    if (!module.save(folder + QLatin1Char('/') + name, &backupError)) {
        qCDebug(commissioningLog).noquote() << "SettingsFiles::saveBeforeUpdate - not saved:" << backupError;
        return false;
    }
    backupError.clear();
    backupPath = folder + QLatin1Char('/') + name;
    qCDebug(commissioningLog).noquote() << "SettingsFiles::saveBeforeUpdate -" << backupPath;

    // The names sort by time; the oldest of this module's go, only once the
    // new one is in place.
    QDir dir(folder);
    const QStringList mine =
        dir.entryList({serial + QStringLiteral("-*.json")}, QDir::Files, QDir::Name);
    for (int i = 0; i < mine.size() - backupsKept; ++i)
        dir.remove(mine[i]);
    return true;
}
