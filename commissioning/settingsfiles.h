#ifndef COMMISSIONING_SETTINGSFILES_H
#define COMMISSIONING_SETTINGSFILES_H

// commissioning/ holds what brings a module into service beside the pages:
// its settings kept in a file, checked against it and written back from it
// (SettingsFiles, over the file format of ModuleSettings), and the copy of
// the settings kept before a firmware update. It works through Backend's
// companion interface, on the same worker queue as the pages.

#include "backend/backend.h"

#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <memory>

class ModbusCommand;
class ModuleSettings;

// The module's settings and a file: save, compare, restore, and the copy kept
// before a firmware update. Its reads and writes are ordinary records in the
// worker's queue, posted as Backend's companion.
class SettingsFiles : public QObject
{
    Q_OBJECT
    // True from the start of an operation until its settingsEnd.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // The last compare or restore, setting by setting, in the pages' order:
    // one map each with key, name, unit, fileValue, moduleValue (as the pages
    // show them, in the interface language), differs and serial (one of the
    // module's own line settings). Empty until one has run, and after a save.
    Q_PROPERTY(QVariantList comparison READ comparison NOTIFY comparisonChanged)
    // The file of that comparison, the firmware version it was read from and
    // the one the module runs: a restore across versions says so first.
    Q_PROPERTY(QString comparisonFile READ comparisonFile NOTIFY comparisonChanged)
    Q_PROPERTY(QString fileFirmware READ fileFirmware NOTIFY comparisonChanged)
    Q_PROPERTY(QString moduleFirmware READ moduleFirmware NOTIFY comparisonChanged)
    // Settings of the file this version does not know: never written.
    Q_PROPERTY(QStringList unknownKeys READ unknownKeys NOTIFY comparisonChanged)

public:
    // How an operation ended: done (for a compare, nothing differs), a
    // compare that found differences, or failed.
    enum Outcome { Done = 0, Differ = 1, Failed = 2 };
    Q_ENUM(Outcome)

    explicit SettingsFiles(Backend *backend, QObject *parent = nullptr);
    // For one module of a line after another: the records go to the module
    // set by setSlave through `post` (Backend::postBatch, or a port of the
    // line's own while not connected), whatever Backend's connection; the
    // copy before an update stays with the pages' instance.
    using Post = std::function<void(const QVector<ModbusCommand> &, Backend::Batch)>;
    SettingsFiles(Backend *backend, Post post, QObject *parent = nullptr);
    ~SettingsFiles() override;

    void setSlave(int address) { slave = address; }
    // Saves into `folder`, the file named by the module's serial number.
    void saveInto(const QString &folder);
    // A file of another module, compared or written: its identity (FSD ID,
    // installation date) and serial settings are left as the module has them.
    void compareCopy(const QString &file);
    void restoreCopy(const QString &file);
    // Reads the module's settings and tells them (or, with none, why not:
    // one line each), without a file and without settingsEnd.
    void readModule(std::function<void(const ModuleSettings *module, const QStringList &problems)> done);
    // The file a module's settings go to in `folder`.
    static QString fileInFolder(const QString &folder, const QString &serialNumber);

    bool busy() const { return job != nullptr; }

    // The module's settings and a file (a path or a file: URL). Each ends with
    // settingsEnd; a call while one runs, or while not connected, ends at once
    // without a word on the bus.
    //   save     reads the module, writes the file
    //   compare  reads the file and the module, lists what differs
    //   restore  writes the settings that differ (the serial settings only
    //            with includeSerial), reads them back and lists what still differs
    Q_INVOKABLE void save(const QString &file);
    Q_INVOKABLE void compare(const QString &file);
    Q_INVOKABLE void restore(const QString &file, bool includeSerial);
    // Writes only the settings of `keys` that differ (the serial settings too
    // when among them); the others of a block keep the module's values. Read
    // back and compared as restore is.
    Q_INVOKABLE void restoreOnly(const QString &file, const QStringList &keys);

    QVariantList comparison() const { return comparisonRows; }
    QString comparisonFile() const { return comparedFile; }
    QString fileFirmware() const { return comparedFileFirmware; }
    QString moduleFirmware() const { return comparedModuleFirmware; }
    QStringList unknownKeys() const { return comparedUnknown; }

    // The serial settings of a settings file, as Backend::linkSettings() names
    // them (without portIndex); empty for a file that is refused.
    Q_INVOKABLE QVariantMap serialSettingsInFile(const QString &file) const;

    // Where the settings are saved before each firmware update: one file per
    // module and update, the last ten of each module kept.
    static QString updateBackupFolder();
    // Tests only: another folder than updateBackupFolder().
    void setUpdateBackupFolder(const QString &folder) { backupFolder = folder; }
    // The copy kept before the last update, empty when none was; then why.
    Q_INVOKABLE QString updateBackupPath() const { return backupPath; }
    Q_INVOKABLE QString updateBackupError() const { return backupError; }
    // When set, an update whose settings could not be kept is not started
    // (it fails with NoBackup); the window's update goes ahead regardless.
    void setUpdateNeedsBackup(bool needed) { updateNeedsBackup = needed; }
    // Off while a line's modules are updated one after another: each is
    // left at once, and its own result says what was kept.
    void setCompareAfterUpdate(bool on) { compareAfterUpdate = on; }

signals:
    void busyChanged();
    // The end of an operation: its Outcome, one line that says what happened
    // and, below it, one line per difference or problem, all in the interface
    // language.
    void settingsEnd(int outcome, const QString &message, const QStringList &details);
    void comparisonChanged();
    // Before a restore writes: the file is of another firmware version, or
    // holds settings this version does not know (one line each).
    void notice(const QString &text);
    // After an update that succeeded the settings are read again and compared
    // with the copy kept before it; they differ: `comparison` lists them
    // against that copy (comparisonFile), for the operator to write back.
    // Nothing is written without his word.
    void changedByUpdate();

private:
    struct Job;
    bool beforeUpdate(const QString &fileName);
    void startJob(std::unique_ptr<Job> next);
    QVector<ModbusCommand> settingsReads();
    void postStep(const QVector<ModbusCommand> &records);
    void recordFinished(ModbusCommand *cmd);
    void stepDone();
    void finish(int outcome, const QString &message, const QStringList &details = {});
    bool saveBeforeUpdate(const ModuleSettings &module);
    void setComparison(const QString &file, const ModuleSettings &fileSettings, const ModuleSettings &module);
    static QStringList fileNotes(const ModuleSettings &file, const ModuleSettings &module);

    Backend *backend;
    Post linePost;
    int slave = 0;
    std::unique_ptr<Job> job;
    QString backupFolder;
    QString backupPath;
    QString backupError;
    bool updateNeedsBackup = false;
    bool compareAfterUpdate = true;
    QVariantList comparisonRows;
    QString comparedFile;
    QString comparedFileFirmware;
    QString comparedModuleFirmware;
    QStringList comparedUnknown;
};

#endif
