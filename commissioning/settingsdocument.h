#ifndef COMMISSIONING_SETTINGSDOCUMENT_H
#define COMMISSIONING_SETTINGSDOCUMENT_H

#include "commissioning/modulesettings.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>

// A settings file opened for editing, with or without a module: its values
// shown and changed as the pages would (labels, units, ranges and error
// texts from the settings table, in the interface language), saved back or
// as a new file. Published to QML as `settingsDocument`; `orvalis-cli set`
// edits through it too.
class SettingsDocument : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isOpen READ isOpen NOTIFY changed)
    // Where it is saved; empty for a new file not saved yet.
    Q_PROPERTY(QString path READ path NOTIFY changed)
    Q_PROPERTY(bool modified READ modified NOTIFY changed)
    // Every value is one the module takes: it may be saved.
    Q_PROPERTY(bool valid READ valid NOTIFY changed)
    // What the file says of the module it was read from (empty for a new file).
    Q_PROPERTY(QString serialNumber READ serialNumber NOTIFY changed)
    Q_PROPERTY(QString firmwareVersion READ firmwareVersion NOTIFY changed)
    // One map per setting, in the pages' order:
    //   key, section ("home" or "communication"), label, unit (the page's, in
    //   the interface language), kind ("number", "choice", "flag", "text" or
    //   "date"), value (the text the field shows: a number, the FSD ID, the
    //   date as yyyy-MM-dd; the index of the choice; true or false),
    //   choices (for "choice": the texts, in the order of their indexes),
    //   digits (how many a number field takes), serial (one of the module's
    //   own line settings), hint (the page's error text) and error (why the
    //   value is refused, empty while it is allowed).
    Q_PROPERTY(QVariantList entries READ entries NOTIFY changed)
    // Settings of a newer version of the tool that this one does not know:
    // kept in the file as they are, never written to a module.
    Q_PROPERTY(QStringList unknownKeys READ unknownKeys NOTIFY changed)
    // Why the last open or save failed, in the interface language.
    Q_PROPERTY(QString lastError READ lastError NOTIFY changed)

public:
    explicit SettingsDocument(QObject *parent = nullptr);

    bool isOpen() const { return opened; }
    QString path() const { return filePath; }
    bool modified() const { return isModified; }
    bool valid() const;
    QString serialNumber() const { return doc.serialNumber; }
    QString firmwareVersion() const { return doc.firmwareVersion; }
    QVariantList entries() const;
    QStringList unknownKeys() const;
    QString lastError() const { return error; }
    const ModuleSettings &settings() const { return doc; }

    // A path or a file: URL; false, with lastError, for a file that is refused.
    Q_INVOKABLE bool openFile(const QString &file);
    // The values a module holds from the factory; its identity (FSD ID,
    // installation date) empty and today.
    Q_INVOKABLE void newFile();
    // As the field gives it: the text of a number, FSD ID or date
    // (yyyy-MM-dd), the index of a choice, true or false for a flag. A value
    // the module does not take is kept and named in the entry's error, so the
    // operator sees what he typed; the file is not saved while one is.
    Q_INVOKABLE void setValue(const QString &key, const QVariant &value);
    // As the settings file writes it (orvalis-cli set KEY=VALUE): a whole
    // number (a ratio's or parity's code, a baud rate), true or false, the
    // FSD ID, a date as yyyy-MM-dd. False, with `why`, for an unknown key or
    // a value the module does not take; nothing is changed then.
    bool setFileValue(const QString &key, const QString &value, QString *why);
    Q_INVOKABLE bool save();
    Q_INVOKABLE bool saveAs(const QString &file);
    Q_INVOKABLE void close();

signals:
    void changed();

private:
    ModuleSettings doc;
    QString filePath;
    QString error;
    QStringList refused; // keys whose last value the module does not take
    QMap<QString, QString> typed; // their text as typed
    bool opened = false;
    bool isModified = false;
};

#endif
