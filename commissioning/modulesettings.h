#ifndef COMMISSIONING_MODULESETTINGS_H
#define COMMISSIONING_MODULESETTINGS_H

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QVector>

// A module's settings as the pages write them, with the module's identity,
// kept in a file so that a module can be checked against it or restored.
//
// The file is UTF-8 JSON, indented so it can be read and edited by hand:
//
//   {
//       "format": "orvalis-module-settings",
//       "version": 2,
//       "readAt": "2024-05-02T09:30:00.000Z",      ISO 8601, in UTC
//       "module": {                                as read, never written back
//           "serialNumber": "070123450012",
//           "firmwareVersion": "12",
//           "hardwareVersion": "3",
//           "lastBoot": "03/07/24 14:05"
//       },
//       "settings": [
//           { "key": "temperatureThreshold", "name": "Temperature threshold",
//             "unit": "°C", "value": 70 },
//           ...
//       ]
//   }
//
// "settings" holds each key below exactly once, in any order. "name" and
// "unit" are there for the reader and are not read back. The keys, ranges,
// names and units are those of the settings table (backend/settingstable.h);
// the values:
//
//   temperatureThreshold        whole number, °C, 60 to 90
//   transformerRatioL1          one of 10 (none chosen), 800 (400/5A),
//   transformerRatioL2          1200 (600/5A), 4000 (400/1A), 6000 (600/1A);
//   transformerRatioL3          phases 1, 2 and 3
//   fsdId                       text, 0 to 5 letters (A-Z, a-z) and digits
//   installationDate            "yyyy-MM-dd", a real date
//   meanDuration                whole number, min, 1 to 60
//   activePowerOnFundamental    true or false
//   frequency60Hz               true or false
//   voltageThreshold            whole number, V, 0 to 65535
//   voltageThresholdDuration    whole number, s, 0 to 65535
//   currentThreshold            whole number, A, 0 to 65535
//   currentThresholdDuration    whole number, s, 0 to 65535
//   minimumTimeBetweenMessages  whole number, s, 1 to 3600
//   callMonitoringTime          whole number, s, 1 to 6000
//   parity                      0 none, 1 even, 2 odd
//   baudRate                    19200, 38400, 57600 or 115200
//   slaveAddress                110 to 149, or 247
//
// Version 1 files are read too: they hold "transformerRatio" in place of the
// three phases' ratios, and that one ratio is taken for all three (a restore
// wrote it to every phase).
//
// A file with another format name, another version, a missing or repeated
// entry, or a value of the wrong type or out of range is refused as a whole.
// An entry of a setting this version does not know (a newer tool's) is kept
// as it is, written back with the file and never written to a module. Files
// larger than 64 KiB are not read.
//
// Messages and the names in a comparison are in the interface language (the
// file itself is always in English).
class ModuleSettings
{
    Q_DECLARE_TR_FUNCTIONS(ModuleSettings)

public:
    // Values a module never takes: an unset object names them as out of range.
    int temperatureThreshold = -1;
    int transformerRatioL1 = -1;
    int transformerRatioL2 = -1;
    int transformerRatioL3 = -1;
    QString fsdId;
    QDate installationDate;
    int meanDuration = -1;
    bool activePowerOnFundamental = false;
    bool frequency60Hz = false;
    int voltageThreshold = -1;
    int voltageThresholdDuration = -1;
    int currentThreshold = -1;
    int currentThresholdDuration = -1;
    int minimumTimeBetweenMessages = -1;
    int callMonitoringTime = -1; // seconds
    int parity = -1;
    int baudRate = -1;
    int slaveAddress = -1;

    // Informational: what was read, never written to a module.
    QString serialNumber;
    QString firmwareVersion;
    QString hardwareVersion;
    QString lastBoot;
    QDateTime readAt;
    // Entries of settings this version does not know, as the file holds them.
    QJsonArray unknownSettings;
    QStringList unknownKeys() const;

    static const int maxFileSize = 64 * 1024;

    // What a module holds from the factory (the settings table's values); its
    // identity has none: no FSD ID, installed `today`.
    static ModuleSettings defaults(const QDate &today);
    // One setting as the file writes its value (a whole number, true or
    // false, text, a date as "yyyy-MM-dd"); false, with `error`, for an
    // unknown key or a value the module does not take, and nothing changes.
    bool setValue(const QString &key, const QJsonValue &value, QString *error);
    // The setting's value as the file writes it.
    QJsonValue value(const QString &key) const;
    // Why the value of `key` is not one the module takes; empty when it is.
    QString problemOf(const QString &key) const;

    struct Setting {
        QString key;
        QString name;
        QString unit;
        bool serial; // one of the module's own line settings
    };
    // Every setting, in the order of the pages.
    static const QVector<Setting> &settings();

    // The words of the blocks a refresh of both pages reads.
    struct ReadWords {
        QVector<quint16> homeSettings;         // 50573, 11 words
        QVector<quint16> ctRatioAndThresholds; // 50501, 12 words
        QVector<quint16> fsdId;                // 50589, 3 words
        QVector<quint16> moduleTime;           // 31500, 9 words
        QVector<quint16> powerCalculation;     // coils 50000, 2
        QVector<quint16> lastBoot;             // 31000, 8 words
    };
    // Decoded as Backend decodes them; false when a block has the wrong size.
    // The values are not checked: see problem().
    static bool fromWords(const ReadWords &words, const QDateTime &readAt, ModuleSettings *out,
                          QString *error);

    // The first setting out of range, as an error text; empty when all are fine.
    QString problem() const;

    QByteArray toJson() const;
    // `out` is only changed when the whole text is accepted.
    static bool fromJson(const QByteArray &json, ModuleSettings *out, QString *error);

    // Refuses settings out of range, so that every file written can be read.
    bool save(const QString &path, QString *error) const;
    static bool load(const QString &path, ModuleSettings *out, QString *error);

    // The setting's value as the pages show it, without its unit.
    QString valueText(const QString &key) const;

    struct Difference {
        QString key;
        QString name;
        QString unit;
        QString fileValue;
        QString moduleValue;
        bool differs = true;
        bool serial = false;
    };
    // Every setting, differing or not, in the order of settings().
    static QVector<Difference> table(const ModuleSettings &file, const ModuleSettings &module);
    // The file's values of `keys` only, the module's for the rest: what a
    // restore of some settings writes.
    static ModuleSettings only(const ModuleSettings &file, const ModuleSettings &module, const QStringList &keys);
    struct Comparison {
        QVector<Difference> differences; // in the order of settings()
        bool otherModule = false;        // the serial numbers differ
    };
    static Comparison compare(const ModuleSettings &file, const ModuleSettings &module, bool includeSerial);
    // "Voltage threshold: 230 V → 240 V"
    static QString differenceText(const Difference &d);

    // A block write, as Backend's applies post it.
    struct Write {
        int address;
        int registerType; // Registers::RegisterType
        QVector<quint16> values;
        bool operator==(const Write &o) const
        {
            return address == o.address && registerType == o.registerType && values == o.values;
        }
    };
    // The blocks holding a setting that differs, with the file's values, in
    // the order of the applies of the home page and then the communication page.
    static QVector<Write> restoreWrites(const ModuleSettings &file, const ModuleSettings &module,
                                        bool includeSerial);

    bool operator==(const ModuleSettings &o) const;
    bool operator!=(const ModuleSettings &o) const { return !(*this == o); }
};

#endif
