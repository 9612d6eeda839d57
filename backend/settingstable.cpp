#include "backend/settingstable.h"

#include "backend/registertable.h"
#include "backend/wordcodec.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

using Setting = SettingsTable::Setting;
using Kind = SettingsTable::Kind;
using Text = SettingsTable::Text;

// The page texts are those of the page's own QML file today, in its context,
// so that the catalogue keeps them where they are.
const char *const mainPage = "VMain";
const char *const communicationPage = "VCommunication";

struct Rows {
    QVector<Setting> list;

    // `block`/`field` is written, `readBlock`/`readField` read; an empty read
    // field is the written field's name.
    Setting &add(const char *key, Kind kind, const char *block, const char *field, const char *readBlock,
                 const char *readField, const char *name)
    {
        Setting s;
        s.key = QLatin1String(key);
        s.kind = kind;
        s.block = QLatin1String(block);
        s.field = QLatin1String(field);
        s.readBlock = QLatin1String(readBlock);
        s.readField = QLatin1String(readField);
        s.name = {"ModuleSettings", name};
        list.append(s);
        return list.last();
    }
};

// A text with a disambiguation: QT_TRANSLATE_NOOP3 gives {source, comment}.
struct SourceAndComment {
    const char *source;
    const char *comment;
};

Text noted(const char *context, SourceAndComment text)
{
    return {context, text.source, text.comment};
}

Setting &range(Setting &s, int min, int max, QVector<int> choices = {})
{
    s.min = min;
    s.max = max;
    s.choices = std::move(choices);
    return s;
}

Setting &page(Setting &s, Text label, int digits = 0, Text unit = {}, Text error = {})
{
    s.label = label;
    s.digits = digits;
    s.pageUnit = unit;
    s.error = error;
    return s;
}

// The unit the register table gives the written field.
QString fieldUnit(const Setting &s)
{
    const RegisterTable::Block *block = RegisterTable::byKey(s.block);
    Q_ASSERT(block);
    if (block && !s.field.isEmpty()) {
        for (const RegisterTable::Field &f : block->fields) {
            if (f.name == s.field)
                return f.unit;
        }
        Q_ASSERT(false);
    }
    return {};
}

QVector<Setting> makeTable()
{
    const char *const ct = "ctRatioAndThresholds";
    const char *const time = "moduleTime";
    Rows r;
    page(r.add("fsdId", Kind::Text, "fsdIdWrite", "FSD ID", "fsdId", "FSD ID",
               QT_TRANSLATE_NOOP("ModuleSettings", "FSD ID")),
         {mainPage, QT_TRANSLATE_NOOP("VMain", "FSD ID")}, 5);
    page(r.add("installationDate", Kind::Date, "installationDate", "", "homeSettings", "installation date",
               QT_TRANSLATE_NOOP("ModuleSettings", "Installation date")),
         {mainPage, QT_TRANSLATE_NOOP("VMain", "Installation date")});
    // 10 is the main page's empty choice. The page's one selection sets all three phases.
    const Text selection{mainPage, QT_TRANSLATE_NOOP("VMain", "Current transformer selection")};
    const QVector<int> ratios = QVector<int>{10} + WordCodec::ctRatioCodes();
    page(range(r.add("transformerRatioL1", Kind::Number, "ctRatio", "CT ratio phase 1", ct, "CT ratio phase 1",
                     QT_TRANSLATE_NOOP("ModuleSettings", "CT ratio phase 1")),
               1, 0, ratios),
         selection, 0, {},
         {mainPage, QT_TRANSLATE_NOOP("VMain", "Please select the current transformer")});
    page(range(r.add("transformerRatioL2", Kind::Number, "ctRatio", "CT ratio phase 2", ct, "CT ratio phase 2",
                     QT_TRANSLATE_NOOP("ModuleSettings", "CT ratio phase 2")),
               1, 0, ratios),
         selection);
    page(range(r.add("transformerRatioL3", Kind::Number, "ctRatio", "CT ratio phase 3", ct, "CT ratio phase 3",
                     QT_TRANSLATE_NOOP("ModuleSettings", "CT ratio phase 3")),
               1, 0, ratios),
         selection);
    page(range(r.add("temperatureThreshold", Kind::Number, "temperatureThreshold", "temperature threshold",
                     "homeSettings", "temperature threshold",
                     QT_TRANSLATE_NOOP("ModuleSettings", "Temperature threshold")),
               60, 90),
         {mainPage, QT_TRANSLATE_NOOP("VMain", "Temperature threshold value")}, 2,
         {mainPage, QT_TRANSLATE_NOOP("VMain", "°C")},
         {mainPage, QT_TRANSLATE_NOOP("VMain", "Value must be between 60 and 90 °C")});
    page(range(r.add("meanDuration", Kind::Number, "meanDuration", "time duration for means", time,
                     "time duration for means", QT_TRANSLATE_NOOP("ModuleSettings", "Time duration for means")),
               1, 60),
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Time duration for means")}, 2,
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "m")},
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Value must be between 1 and 60.")});
    page(r.add("activePowerOnFundamental", Kind::Flag, "powerCalculationWrite", "active power on the fundamental",
               "powerCalculation", "active power on the fundamental",
               QT_TRANSLATE_NOOP("ModuleSettings", "Active power on the fundamental")),
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Active power calculated on")});
    page(r.add("frequency60Hz", Kind::Flag, "powerCalculationWrite", "60 Hz", "powerCalculation", "60 Hz",
               QT_TRANSLATE_NOOP("ModuleSettings", "60 Hz")),
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Frequency")});

    // The four thresholds share their error text, told apart by the field's name.
    struct Threshold {
        const char *key, *field, *name;
        Text label, unit, error;
        int min, max, digits;
    };
    const Threshold thresholds[] = {
        {"voltageThreshold", "voltage threshold", QT_TRANSLATE_NOOP("ModuleSettings", "Voltage threshold"),
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Voltage threshold")},
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "V")},
         noted(communicationPage, QT_TRANSLATE_NOOP3("VCommunication", "Value must be between 0 and 65535.", "Voltage threshold")),
         0, 65535, 5},
        {"voltageThresholdDuration", "voltage threshold duration",
         QT_TRANSLATE_NOOP("ModuleSettings", "Voltage threshold duration"),
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Voltage threshold duration")},
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "s")},
         noted(communicationPage, QT_TRANSLATE_NOOP3("VCommunication", "Value must be between 0 and 65535.", "Voltage threshold duration")),
         0, 65535, 5},
        {"currentThreshold", "current threshold", QT_TRANSLATE_NOOP("ModuleSettings", "Current threshold"),
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Current threshold")},
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "A")},
         noted(communicationPage, QT_TRANSLATE_NOOP3("VCommunication", "Value must be between 0 and 65535.", "Current threshold")),
         0, 65535, 5},
        {"currentThresholdDuration", "current threshold duration",
         QT_TRANSLATE_NOOP("ModuleSettings", "Current threshold duration"),
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Current threshold duration")},
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "s")},
         noted(communicationPage, QT_TRANSLATE_NOOP3("VCommunication", "Value must be between 0 and 65535.", "Current threshold duration")),
         0, 65535, 5},
        {"minimumTimeBetweenMessages", "minimum time between messages",
         QT_TRANSLATE_NOOP("ModuleSettings", "Minimum time between messages"),
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Minimum time message")},
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "s")},
         noted(communicationPage, QT_TRANSLATE_NOOP3("VCommunication", "Value must be between 1 and 3600.", "Minimum time message")),
         1, 3600, 4},
        {"callMonitoringTime", "call monitoring time", QT_TRANSLATE_NOOP("ModuleSettings", "Call monitoring time"),
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Call monitoring time")},
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "s")},
         noted(communicationPage, QT_TRANSLATE_NOOP3("VCommunication", "Value must be between 1 and 6000.", "Call monitoring time")),
         1, 6000, 4},
    };
    for (const Threshold &t : thresholds)
        page(range(r.add(t.key, Kind::Number, "thresholds", t.field, ct, t.field, t.name), t.min, t.max), t.label,
             t.digits, t.unit, t.error);

    page(range(r.add("parity", Kind::Number, "serialSettings", "parity", time, "parity",
                     QT_TRANSLATE_NOOP("ModuleSettings", "Parity")),
               0, SettingsTable::parityNames().size() - 1),
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Parity")})
        .serial = true;
    page(range(r.add("baudRate", Kind::Number, "serialSettings", "baud rate", time, "baud rate",
                     QT_TRANSLATE_NOOP("ModuleSettings", "Baud rate")),
               1, 0, SettingsTable::baudRates()),
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Baudrate")})
        .serial = true;
    page(range(r.add("slaveAddress", Kind::Number, "serialSettings", "slave address", time, "slave address",
                     QT_TRANSLATE_NOOP("ModuleSettings", "Slave address")),
               SettingsTable::slaveAddressFirst(), SettingsTable::slaveAddressLast(),
               {SettingsTable::defaultSlaveAddress()}),
         {communicationPage, QT_TRANSLATE_NOOP("VCommunication", "Slave address")}, 0, {},
         {communicationPage,
          QT_TRANSLATE_NOOP("VCommunication", "Slave address must be between 110 and 149. Default value is : 247")})
        .serial = true;

    // What a module holds from the factory (600/5A on every phase, the
    // thresholds all but off, the line at 19200 baud, even parity, address 247).
    const QPair<const char *, int> factory[] = {
        {"transformerRatioL1", 1200},     {"transformerRatioL2", 1200},       {"transformerRatioL3", 1200},
        {"temperatureThreshold", 60},     {"meanDuration", 5},                {"activePowerOnFundamental", 1},
        {"frequency60Hz", 0},             {"voltageThreshold", 1},            {"voltageThresholdDuration", 1},
        {"currentThreshold", 1},          {"currentThresholdDuration", 1},    {"minimumTimeBetweenMessages", 2},
        {"callMonitoringTime", 10},       {"parity", 1},                      {"baudRate", 19200},
        {"slaveAddress", SettingsTable::defaultSlaveAddress()}};
    for (Setting &s : r.list) {
        s.unit = fieldUnit(s);
        for (const auto &f : factory) {
            if (s.key == QLatin1String(f.first))
                s.factory = f.second;
        }
    }
    return r.list;
}

} // namespace

QString SettingsTable::Text::translated() const
{
    return source ? QCoreApplication::translate(context, source, comment) : QString();
}

QVariantMap SettingsTable::Text::toVariant() const
{
    return {{QStringLiteral("context"), QString::fromLatin1(context)},
            {QStringLiteral("source"), QString::fromUtf8(source)},
            {QStringLiteral("comment"), QString::fromUtf8(comment)}};
}

bool SettingsTable::Setting::allows(int value) const
{
    return (min <= value && value <= max) || choices.contains(value);
}

SettingsTable::SettingsTable(QObject *parent) : QObject(parent) {}

const QVector<SettingsTable::Setting> &SettingsTable::all()
{
    static const QVector<Setting> table = makeTable();
    return table;
}

const SettingsTable::Setting *SettingsTable::find(const QString &key)
{
    const auto &list = all();
    auto it = std::find_if(list.begin(), list.end(), [&](const Setting &s) { return s.key == key; });
    return it == list.end() ? nullptr : &*it;
}

bool SettingsTable::slaveAddressAllowed(int address)
{
    return (address >= slaveAddressFirst() && address <= slaveAddressLast()) || address == defaultSlaveAddress();
}

QVector<int> SettingsTable::slaveAddresses()
{
    QVector<int> list;
    for (int a = slaveAddressFirst(); a <= slaveAddressLast(); ++a)
        list.append(a);
    list.append(defaultSlaveAddress());
    return list;
}

const QVector<int> &SettingsTable::baudRates()
{
    static const QVector<int> rates = {19200, 38400, 57600, 115200};
    return rates;
}

const QStringList &SettingsTable::parityNames()
{
    static const QStringList names = {QStringLiteral("none"), QStringLiteral("even"), QStringLiteral("odd")};
    return names;
}

QVariantMap SettingsTable::setting(const QString &key) const
{
    const Setting *s = find(key);
    if (!s)
        return {};
    QVariantList choices;
    for (int c : s->choices)
        choices.append(c);
    return {{QStringLiteral("key"), s->key},           {QStringLiteral("min"), s->min},
            {QStringLiteral("max"), s->max},           {QStringLiteral("choices"), choices},
            {QStringLiteral("digits"), s->digits},     {QStringLiteral("unit"), s->unit},
            {QStringLiteral("name"), s->name.toVariant()},
            {QStringLiteral("label"), s->label.toVariant()},
            {QStringLiteral("pageUnit"), s->pageUnit.toVariant()},
            {QStringLiteral("error"), s->error.toVariant()}};
}

bool SettingsTable::allows(const QString &key, int value) const
{
    const Setting *s = find(key);
    return s && s->allows(value);
}

QVariantList SettingsTable::baudRateList() const
{
    QVariantList list;
    for (int rate : baudRates())
        list.append(rate);
    return list;
}

QStringList SettingsTable::baudRateTexts() const
{
    QStringList list;
    for (int rate : baudRates())
        list.append(QString::number(rate));
    return list;
}

int SettingsTable::baudRateIndex(int rate) const
{
    const int index = baudRates().indexOf(rate);
    return index < 0 ? baudRates().size() - 1 : index;
}
