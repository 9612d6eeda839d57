#ifndef BACKEND_SETTINGSTABLE_H
#define BACKEND_SETTINGSTABLE_H

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <QVector>

// The module's settings, each described once: the key the settings file uses,
// the block and field of the register table that carry it (written and read),
// what it may hold, its unit, and the source texts of its name, of its page
// label and unit and of the page's error text, each with the catalogue context
// it is translated in (QCoreApplication::translate(context, source, comment)).
// The settings file, its validation and comparison, the command line and the
// pages take these facts from here; so does the rule of the slave addresses,
// the baud rates and the parities the module and the connection page admit.
//
// Published to QML as `settingsTable` (an object of this class).
class SettingsTable : public QObject
{
    Q_OBJECT

public:
    enum class Kind { Number, Flag, Text, Date };

    // A text of the catalogue; no source: none.
    struct Text {
        const char *context = nullptr;
        const char *source = nullptr;
        const char *comment = nullptr; // the disambiguation, if any
        QString translated() const;
        QVariantMap toVariant() const;
    };

    struct Setting {
        QString key; // the settings file's
        Kind kind = Kind::Number;
        QString block;     // the write block (RegisterTable key) that carries it
        QString field;     // its field there; empty: the whole block
        QString readBlock; // the read block and field it is read from
        QString readField;
        bool serial = false; // one of the module's own line settings
        int min = 1, max = 0; // min > max: no range, only the choices
        QVector<int> choices;
        int digits = 0; // digits the page's field takes; 0: no filter
        QString unit;   // as the settings file and the command line write it (the field's)
        Text name;      // in the settings file and its messages (context ModuleSettings)
        Text label;     // the page's row, as today's page has it
        Text pageUnit;  // the unit beside the page's field
        Text error;     // the page's error text under the field
        // A number's or flag's value (1 true) as the module holds it from the
        // factory; -1 for the identity (FSD ID, installation date), which has none.
        int factory = -1;
        bool allows(int value) const;
        // The module's own: its identity (FSD ID, installation date) and its
        // line settings, never taken from another module's file.
        bool ownToModule() const { return serial || kind == Kind::Text || kind == Kind::Date; }
    };

    explicit SettingsTable(QObject *parent = nullptr);

    // Every setting, in the order of the pages (and of the settings file).
    static const QVector<Setting> &all();
    // The setting of `key`, or nullptr.
    static const Setting *find(const QString &key);

    // The slave addresses a module takes: a range and the default beside it.
    static int slaveAddressFirst() { return 110; }
    static int slaveAddressLast() { return 149; }
    static int defaultSlaveAddress() { return 247; }
    static bool slaveAddressAllowed(int address);
    // Every admitted address, the range first, then the default.
    static QVector<int> slaveAddresses();
    // The baud rates, in the order of the pages' lists (their index is the connect's).
    static const QVector<int> &baudRates();
    // Parity codes are the index: none, even, odd (the command line's words).
    static const QStringList &parityNames();

    // For QML: the setting as {key, min, max, choices, digits, unit, label,
    // pageUnit, error, name}, each text as {context, source, comment}.
    Q_INVOKABLE QVariantMap setting(const QString &key) const;
    Q_INVOKABLE bool allows(const QString &key, int value) const;
    Q_INVOKABLE bool addressAllowed(int address) const { return slaveAddressAllowed(address); }
    Q_INVOKABLE QVariantList baudRateList() const;
    Q_INVOKABLE QStringList baudRateTexts() const;
    // A rate outside the list is shown as the last entry.
    Q_INVOKABLE int baudRateIndex(int rate) const;
    Q_INVOKABLE int parityCount() const { return parityNames().size(); }
};

#endif
