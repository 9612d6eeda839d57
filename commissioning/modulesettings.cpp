#include "commissioning/modulesettings.h"

#include "files/filewrite.h"
#include "backend/registers.h"
#include "backend/registertable.h"
#include "backend/settingstable.h"
#include "backend/wordcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>

using namespace Registers;

namespace {

const char *const formatName = "orvalis-module-settings";
// Version 1 held one transformer ratio, the one of phase 1.
const int formatVersion = 2;
const int oneRatioVersion = 1;

using Kind = SettingsTable::Kind;
using S = ModuleSettings;

// One setting as the settings table describes it, with the member that holds it.
struct Descriptor {
    QString key;
    Kind kind = Kind::Number;
    QString block; // the write block that carries it
    bool serial = false;
    int min = 1, max = 0; // min > max: no range, only the choices
    QVector<int> choices;
    const char *name = nullptr; // source text, context ModuleSettings
    QString unit;
    const SettingsTable::Setting *setting = nullptr;
    int ModuleSettings::*number = nullptr;
    bool ModuleSettings::*flag = nullptr;
};

// The member of each setting of the table that has one of these types.
const struct {
    const char *key;
    int ModuleSettings::*number;
    bool ModuleSettings::*flag;
} members[] = {
    {"transformerRatioL1", &S::transformerRatioL1, nullptr},
    {"transformerRatioL2", &S::transformerRatioL2, nullptr},
    {"transformerRatioL3", &S::transformerRatioL3, nullptr},
    {"temperatureThreshold", &S::temperatureThreshold, nullptr},
    {"meanDuration", &S::meanDuration, nullptr},
    {"activePowerOnFundamental", nullptr, &S::activePowerOnFundamental},
    {"frequency60Hz", nullptr, &S::frequency60Hz},
    {"voltageThreshold", &S::voltageThreshold, nullptr},
    {"voltageThresholdDuration", &S::voltageThresholdDuration, nullptr},
    {"currentThreshold", &S::currentThreshold, nullptr},
    {"currentThresholdDuration", &S::currentThresholdDuration, nullptr},
    {"minimumTimeBetweenMessages", &S::minimumTimeBetweenMessages, nullptr},
    {"callMonitoringTime", &S::callMonitoringTime, nullptr},
    {"parity", &S::parity, nullptr},
    {"baudRate", &S::baudRate, nullptr},
    {"slaveAddress", &S::slaveAddress, nullptr},
};

Descriptor describeSetting(const SettingsTable::Setting &t)
{
    Descriptor d;
    d.key = t.key;
    d.kind = t.kind;
    d.block = t.block;
    d.serial = t.serial;
    d.min = t.min;
    d.max = t.max;
    d.choices = t.choices;
    d.name = t.name.source;
    d.unit = t.unit;
    d.setting = &t;
    for (const auto &m : members) {
        if (t.key == QLatin1String(m.key)) {
            d.number = m.number;
            d.flag = m.flag;
        }
    }
    Q_ASSERT(t.kind != Kind::Number || d.number);
    Q_ASSERT(t.kind != Kind::Flag || d.flag);
    return d;
}

const QVector<Descriptor> &descriptors()
{
    static const QVector<Descriptor> all = [] {
        QVector<Descriptor> list;
        for (const SettingsTable::Setting &t : SettingsTable::all())
            list.append(describeSetting(t));
        return list;
    }();
    return all;
}

bool isRatio(const Descriptor &d)
{
    return d.number == &S::transformerRatioL1 || d.number == &S::transformerRatioL2
           || d.number == &S::transformerRatioL3;
}

// The entries a file of `version` holds: version 1 had one ratio in place of
// the three, and restore wrote it to every phase, so it is read as all three.
const QVector<Descriptor> &descriptorsOf(int version)
{
    static const QVector<Descriptor> oneRatio = [] {
        QVector<Descriptor> list;
        for (const Descriptor &d : descriptors()) {
            if (d.number == &S::transformerRatioL1) {
                Descriptor one = d;
                one.key = QStringLiteral("transformerRatio");
                // The one ratio of a file of the first version.
                one.name = QT_TRANSLATE_NOOP("ModuleSettings", "Transformer ratios");
                list.append(one);
            } else if (!isRatio(d)) {
                list.append(d);
            }
        }
        return list;
    }();
    return version == oneRatioVersion ? oneRatio : descriptors();
}

// The write blocks in the order Backend's applies post them.
const char *const restoreOrder[] = {"installationDate", "ctRatio",       "fsdIdWrite",
                                    "temperatureThreshold", "meanDuration", "powerCalculationWrite",
                                    "thresholds",       "serialSettings"};

ModuleSettings::Setting describe(const Descriptor &d)
{
    return {d.key, QString::fromUtf8(d.name), d.unit, d.serial};
}

QString allowedText(const Descriptor &d)
{
    QStringList parts;
    if (d.min <= d.max)
        parts << ModuleSettings::tr("%1 to %2").arg(d.min).arg(d.max);
    for (int c : d.choices)
        parts << QString::number(c);
    if (parts.size() == 1)
        return parts[0];
    const QString last = parts.takeLast();
    return parts.join(QStringLiteral(", ")) + ModuleSettings::tr(" or ") + last;
}

bool fsdIdAllowed(const QString &text)
{
    if (text.size() > 5)
        return false;
    for (QChar c : text) {
        const bool ascii = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!ascii)
            return false;
    }
    return true;
}

// The setting as the operator knows it, then its key for whoever edits the file by hand.
QString settingLabel(const Descriptor &d)
{
    return ModuleSettings::tr("\"%1\" (%2)")
        .arg(ModuleSettings::tr(describe(d).name.toUtf8().constData()), d.key);
}

QString settingError(const Descriptor &d, const QString &what)
{
    return ModuleSettings::tr("Setting %1: %2.").arg(settingLabel(d), what);
}

// Empty when the value is one the module takes.
QString check(const Descriptor &d, const ModuleSettings &s)
{
    switch (d.kind) {
    case Kind::Number: {
        const int v = s.*d.number;
        if ((d.min <= v && v <= d.max) || d.choices.contains(v))
            return {};
        return settingError(d, ModuleSettings::tr("%1 is not allowed (allowed: %2)").arg(v).arg(allowedText(d)));
    }
    case Kind::Flag:
        return {};
    case Kind::Text:
        if (fsdIdAllowed(s.fsdId))
            return {};
        return settingError(d, ModuleSettings::tr("\"%1\" is not 0 to 5 letters and digits").arg(s.fsdId));
    case Kind::Date:
        if (s.installationDate.isValid())
            return {};
        return settingError(d, ModuleSettings::tr("not a valid date"));
    }
    return {};
}

QJsonValue jsonValue(const Descriptor &d, const ModuleSettings &s)
{
    switch (d.kind) {
    case Kind::Number:
        return s.*d.number;
    case Kind::Flag:
        return s.*d.flag;
    case Kind::Text:
        return s.fsdId;
    case Kind::Date:
        return s.installationDate.toString(Qt::ISODate);
    }
    return {};
}

// Takes a value of the right type into `s`; the range is checked after.
QString takeJsonValue(const Descriptor &d, const QJsonValue &v, ModuleSettings *s)
{
    switch (d.kind) {
    case Kind::Number: {
        const double x = v.toDouble();
        if (!v.isDouble() || x != std::floor(x))
            return settingError(d, ModuleSettings::tr("the value must be a whole number"));
        // Checked here, as it would not fit an int.
        if (std::fabs(x) > 1e9)
            return settingError(d, ModuleSettings::tr("%1 is not allowed (allowed: %2)").arg(x).arg(allowedText(d)));
        s->*d.number = int(x);
        return {};
    }
    case Kind::Flag:
        if (!v.isBool())
            return settingError(d, ModuleSettings::tr("the value must be true or false"));
        s->*d.flag = v.toBool();
        return {};
    case Kind::Text:
        if (!v.isString())
            return settingError(d, ModuleSettings::tr("the value must be text"));
        s->fsdId = v.toString();
        return {};
    case Kind::Date:
        if (!v.isString())
            return settingError(d, ModuleSettings::tr("the value must be a date as \"yyyy-MM-dd\""));
        s->installationDate = QDate::fromString(v.toString(), QStringLiteral("yyyy-MM-dd"));
        return {};
    }
    return {};
}

QVector<quint16> blockWords(const QString &block, const ModuleSettings &s)
{
    if (block == QLatin1String("installationDate")) {
        const QDate &d = s.installationDate;
        return {quint16(d.year()), quint16(d.month()), quint16(d.day())};
    }
    if (block == QLatin1String("ctRatio"))
        return WordCodec::ctRatioWords(s.transformerRatioL1, s.transformerRatioL2, s.transformerRatioL3);
    if (block == QLatin1String("fsdIdWrite"))
        return WordCodec::fsdIdWords(s.fsdId);
    if (block == QLatin1String("temperatureThreshold"))
        return {quint16(s.temperatureThreshold)};
    if (block == QLatin1String("meanDuration"))
        return {quint16(s.meanDuration)};
    if (block == QLatin1String("powerCalculationWrite"))
        return {quint16(s.activePowerOnFundamental ? 1 : 0), quint16(s.frequency60Hz ? 1 : 0)};
    if (block == QLatin1String("thresholds"))
        return WordCodec::thresholdWords(s.voltageThreshold, s.voltageThresholdDuration, s.currentThreshold,
                                         s.currentThresholdDuration, s.minimumTimeBetweenMessages,
                                         s.callMonitoringTime);
    if (block == QLatin1String("serialSettings"))
        return WordCodec::serialSettingsWords(s.parity, s.baudRate, s.slaveAddress);
    Q_ASSERT(false);
    return {};
}

const char *const identityKeys[] = {"serialNumber", "firmwareVersion", "hardwareVersion", "lastBoot"};

template <typename Settings>
auto identityFields(Settings &s)
{
    return std::array<decltype(&s.serialNumber), 4>{&s.serialNumber, &s.firmwareVersion, &s.hardwareVersion,
                                                     &s.lastBoot};
}

} // namespace

const QVector<ModuleSettings::Setting> &ModuleSettings::settings()
{
    static const QVector<Setting> all = [] {
        QVector<Setting> list;
        for (const Descriptor &d : descriptors())
            list.append(describe(d));
        return list;
    }();
    return all;
}

bool ModuleSettings::fromWords(const ReadWords &w, const QDateTime &readAt, ModuleSettings *out,
                               QString *error)
{
    const struct {
        int address;
        const QVector<quint16> &words;
    } blocks[] = {{M_REG_TEMPERATURE_THRESHOLD, w.homeSettings}, {M_REG_CT_RATIO, w.ctRatioAndThresholds},
                  {M_REG_FSD_ID, w.fsdId},                       {M_REG_MODULE_TIME, w.moduleTime},
                  {M_COIL_ACTIVE_POWER_CALC, w.powerCalculation}, {M_REG_LAST_BOOT, w.lastBoot}};
    for (const auto &b : blocks) {
        const RegisterTable::Block *block = RegisterTable::read(b.address);
        if (b.words.size() != block->count) {
            *error = ModuleSettings::tr("%1: %2 words read, %3 expected.")
                         .arg(block->name)
                         .arg(b.words.size())
                         .arg(block->count);
            return false;
        }
    }

    auto read = [&](const QString &key) {
        for (const auto &b : blocks) {
            if (RegisterTable::read(b.address)->key == key)
                return BlockWords(key, b.words);
        }
        Q_ASSERT(false);
        return BlockWords(key, {});
    };

    // Each setting from the field the settings table names.
    ModuleSettings s;
    for (const Descriptor &d : descriptors()) {
        const BlockWords words = read(d.setting->readBlock);
        const QString &field = d.setting->readField;
        switch (d.kind) {
        case Kind::Number:
            s.*d.number = words.number(field);
            break;
        case Kind::Flag:
            s.*d.flag = words.flag(field);
            break;
        case Kind::Text:
            s.fsdId = words.text(field);
            break;
        case Kind::Date:
            s.installationDate = words.date(field);
            break;
        }
    }

    const BlockWords home = read(QStringLiteral("homeSettings"));
    s.serialNumber = home.text(QStringLiteral("serial number"));
    const BlockWords boot = read(QStringLiteral("lastBoot"));
    s.lastBoot = boot.text(QStringLiteral("last boot"));
    s.firmwareVersion = boot.text(QStringLiteral("firmware version"));
    s.hardwareVersion = boot.text(QStringLiteral("hardware version"));

    s.readAt = readAt;
    *out = s;
    return true;
}

QString ModuleSettings::problem() const
{
    for (const Descriptor &d : descriptors()) {
        const QString e = check(d, *this);
        if (!e.isEmpty())
            return e;
    }
    return {};
}

QByteArray ModuleSettings::toJson() const
{
    QJsonObject module;
    for (int i = 0; i < 4; ++i)
        module.insert(QLatin1String(identityKeys[i]), *identityFields(*this)[i]);

    QJsonArray list;
    const QVector<Setting> &described = settings();
    for (int i = 0; i < descriptors().size(); ++i) {
        list.append(QJsonObject{{"key", described[i].key},
                                {"name", described[i].name},
                                {"unit", described[i].unit},
                                {"value", jsonValue(descriptors()[i], *this)}});
    }
    // A newer tool's settings go back into the file as they came.
    for (const QJsonValue &entry : unknownSettings)
        list.append(entry);

    const QJsonObject root{{"format", QLatin1String(formatName)},
                           {"version", formatVersion},
                           {"readAt", readAt.toUTC().toString(Qt::ISODateWithMs)},
                           {"module", module},
                           {"settings", list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ModuleSettings::fromJson(const QByteArray &json, ModuleSettings *out, QString *error)
{
    auto fail = [error](const QString &text) {
        *error = text;
        return false;
    };
    if (json.trimmed().isEmpty())
        return fail(ModuleSettings::tr("The file is empty."));
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError)
        return fail(ModuleSettings::tr("Not valid JSON at byte %1: %2.").arg(parse.offset).arg(parse.errorString()));
    if (!doc.isObject())
        return fail(ModuleSettings::tr("The file does not hold a JSON object."));
    const QJsonObject root = doc.object();

    auto missing = [](const char *field) { return ModuleSettings::tr("Field \"%1\" is missing.").arg(field); };
    auto wrongType = [](const char *field, const char *type) {
        return ModuleSettings::tr("Field \"%1\" must be %2.").arg(QLatin1String(field), ModuleSettings::tr(type));
    };

    // The format first: another kind of JSON file is named as such.
    if (!root.contains("format"))
        return fail(missing("format"));
    if (root["format"].toString() != QLatin1String(formatName))
        return fail(ModuleSettings::tr("Field \"format\" is not \"%1\": not a module settings file.").arg(formatName));
    if (!root.contains("version"))
        return fail(missing("version"));
    if (!root["version"].isDouble())
        return fail(wrongType("version", QT_TRANSLATE_NOOP("ModuleSettings", "a number")));
    const double version = root["version"].toDouble();
    if (version != formatVersion && version != oneRatioVersion)
        return fail(ModuleSettings::tr("Field \"version\": version %1 is not supported (this tool reads version %2).")
                        .arg(root["version"].toDouble())
                        .arg(formatVersion));

    ModuleSettings s;
    if (!root.contains("readAt"))
        return fail(missing("readAt"));
    if (!root["readAt"].isString())
        return fail(wrongType("readAt", QT_TRANSLATE_NOOP("ModuleSettings", "text")));
    s.readAt = QDateTime::fromString(root["readAt"].toString(), Qt::ISODate);
    if (!s.readAt.isValid())
        return fail(ModuleSettings::tr("Field \"readAt\" is not an ISO 8601 date and time."));

    if (!root.contains("module"))
        return fail(missing("module"));
    if (!root["module"].isObject())
        return fail(wrongType("module", QT_TRANSLATE_NOOP("ModuleSettings", "an object")));
    const QJsonObject module = root["module"].toObject();
    for (int i = 0; i < 4; ++i) {
        const QString field = QStringLiteral("module.") + QLatin1String(identityKeys[i]);
        const QJsonValue v = module[QLatin1String(identityKeys[i])];
        if (v.isUndefined())
            return fail(missing(qPrintable(field)));
        if (!v.isString())
            return fail(wrongType(qPrintable(field), QT_TRANSLATE_NOOP("ModuleSettings", "text")));
        *identityFields(s)[i] = v.toString();
    }

    if (!root.contains("settings"))
        return fail(missing("settings"));
    if (!root["settings"].isArray())
        return fail(wrongType("settings", QT_TRANSLATE_NOOP("ModuleSettings", "a list")));
    const QJsonArray list = root["settings"].toArray();
    const QVector<Descriptor> &expected = descriptorsOf(int(version));
    QSet<QString> seen;
    for (int i = 0; i < list.size(); ++i) {
        const QString place = QStringLiteral("settings[%1]").arg(i);
        if (!list[i].isObject())
            return fail(ModuleSettings::tr("Field \"%1\" must be an object.").arg(place));
        const QJsonObject entry = list[i].toObject();
        if (!entry["key"].isString())
            return fail(ModuleSettings::tr("Field \"%1.key\" is missing or not text.").arg(place));
        const QString key = entry["key"].toString();
        const auto d = std::find_if(expected.begin(), expected.end(),
                                    [&](const Descriptor &x) { return key == x.key; });
        if (d == expected.end()) {
            // A newer tool's setting: kept for the file, never sent.
            if (seen.contains(key))
                return fail(ModuleSettings::tr("Setting \"%1\" appears more than once.").arg(key));
            seen.insert(key);
            s.unknownSettings.append(entry);
            continue;
        }
        if (seen.contains(key))
            return fail(ModuleSettings::tr("Setting %1 appears more than once.").arg(settingLabel(*d)));
        seen.insert(key);
        if (!entry.contains("value"))
            return fail(ModuleSettings::tr("Setting %1: field \"value\" is missing.").arg(settingLabel(*d)));
        QString e = takeJsonValue(*d, entry["value"], &s);
        if (e.isEmpty())
            e = check(*d, s);
        if (!e.isEmpty())
            return fail(e);
    }
    for (const Descriptor &d : expected) {
        if (!seen.contains(d.key))
            return fail(ModuleSettings::tr("Setting %1 is missing.").arg(settingLabel(d)));
    }
    if (version == oneRatioVersion)
        s.transformerRatioL2 = s.transformerRatioL3 = s.transformerRatioL1;
    *out = s;
    return true;
}

bool ModuleSettings::save(const QString &path, QString *error) const
{
    const QString wrong = problem();
    if (!wrong.isEmpty()) {
        *error = ModuleSettings::tr("%1: not saved: %2").arg(path, wrong);
        return false;
    }
    QString reason;
    if (!FileWrite::whole(path, toJson(), &reason)) {
        *error = ModuleSettings::tr("%1: cannot be written: %2").arg(path, reason);
        return false;
    }
    return true;
}

bool ModuleSettings::load(const QString &path, ModuleSettings *out, QString *error)
{
    auto fail = [&](const QString &text) {
        *error = path + QStringLiteral(": ") + text;
        return false;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(ModuleSettings::tr("no such file."));
    if (info.isDir())
        return fail(ModuleSettings::tr("is a folder, not a file."));
    // A device or a pipe could block or never end.
    if (!info.isFile())
        return fail(ModuleSettings::tr("is not a plain file."));
    const QString tooLarge = ModuleSettings::tr("is larger than %1 KiB, too large for a settings file.")
                                 .arg(maxFileSize / 1024);
    if (info.size() > maxFileSize)
        return fail(tooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(ModuleSettings::tr("cannot be read: %1").arg(file.errorString()));
    // It may have grown since it was looked at.
    const QByteArray json = file.read(maxFileSize + 1);
    if (json.size() > maxFileSize)
        return fail(tooLarge);
    QString parseError;
    if (!fromJson(json, out, &parseError))
        return fail(parseError);
    return true;
}

QString ModuleSettings::valueText(const QString &key) const
{
    for (const Descriptor &d : descriptors()) {
        if (key != d.key)
            continue;
        switch (d.kind) {
        case Kind::Number: {
            const int v = this->*d.number;
            if (isRatio(d))
                return WordCodec::ctRatioText(v);
            if (d.number == &S::parity && v >= 0 && v <= 2)
                return QStringList{ModuleSettings::tr("none"), ModuleSettings::tr("even"), ModuleSettings::tr("odd")}[v];
            return WordCodec::dec(v);
        }
        case Kind::Flag:
            return this->*d.flag ? ModuleSettings::tr("yes") : ModuleSettings::tr("no");
        case Kind::Text:
            return fsdId.isEmpty() ? ModuleSettings::tr("(empty)") : fsdId;
        case Kind::Date:
            if (!installationDate.isValid())
                return ModuleSettings::tr("(none)");
            return WordCodec::installationDateText(quint16(installationDate.year()),
                                                   quint16(installationDate.month()),
                                                   quint16(installationDate.day()));
        }
    }
    return {};
}

ModuleSettings::Comparison ModuleSettings::compare(const ModuleSettings &file, const ModuleSettings &module,
                                                   bool includeSerial)
{
    Comparison c;
    const QVector<Setting> &described = settings();
    for (int i = 0; i < descriptors().size(); ++i) {
        const Descriptor &d = descriptors()[i];
        if ((d.serial && !includeSerial) || jsonValue(d, file) == jsonValue(d, module))
            continue;
        const Setting &s = described[i];
        c.differences.append({s.key, tr(s.name.toUtf8().constData()), s.unit, file.valueText(s.key),
                              module.valueText(s.key)});
    }
    c.otherModule = file.serialNumber != module.serialNumber;
    return c;
}

QString ModuleSettings::differenceText(const Difference &d)
{
    const QString unit = d.unit.isEmpty() ? QString() : QStringLiteral(" ") + d.unit;
    return QStringLiteral("%1: %2%3 → %4%3").arg(d.name, d.fileValue, unit, d.moduleValue);
}

QVector<ModuleSettings::Write> ModuleSettings::restoreWrites(const ModuleSettings &file,
                                                             const ModuleSettings &module, bool includeSerial)
{
    QSet<QString> changed;
    for (const Descriptor &d : descriptors()) {
        if ((!d.serial || includeSerial) && jsonValue(d, file) != jsonValue(d, module))
            changed.insert(d.block);
    }
    QVector<Write> writes;
    for (const char *key : restoreOrder) {
        if (!changed.contains(QLatin1String(key)))
            continue;
        const RegisterTable::Block *block = RegisterTable::byKey(QLatin1String(key));
        Q_ASSERT(block && block->access == RegisterTable::Access::Write);
        const QVector<quint16> values = blockWords(QLatin1String(key), file);
        Q_ASSERT(values.size() == block->count);
        writes.append({block->address, block->type, values});
    }
    return writes;
}

bool ModuleSettings::operator==(const ModuleSettings &o) const
{
    for (const Descriptor &d : descriptors()) {
        if (jsonValue(d, *this) != jsonValue(d, o))
            return false;
    }
    return serialNumber == o.serialNumber && firmwareVersion == o.firmwareVersion
           && hardwareVersion == o.hardwareVersion && lastBoot == o.lastBoot && readAt == o.readAt;
}

QStringList ModuleSettings::unknownKeys() const
{
    QStringList keys;
    for (const QJsonValue &entry : unknownSettings)
        keys << entry.toObject().value(QStringLiteral("key")).toString();
    return keys;
}

ModuleSettings ModuleSettings::defaults(const QDate &today)
{
    ModuleSettings s;
    for (const Descriptor &d : descriptors()) {
        if (d.number)
            s.*d.number = d.setting->factory;
        else if (d.flag)
            s.*d.flag = d.setting->factory == 1;
    }
    s.installationDate = today;
    return s;
}

bool ModuleSettings::setValue(const QString &key, const QJsonValue &value, QString *error)
{
    const auto d = std::find_if(descriptors().begin(), descriptors().end(),
                                [&](const Descriptor &x) { return x.key == key; });
    if (d == descriptors().end()) {
        *error = ModuleSettings::tr("Unknown setting \"%1\".").arg(key);
        return false;
    }
    ModuleSettings changed = *this;
    QString e = takeJsonValue(*d, value, &changed);
    if (e.isEmpty())
        e = check(*d, changed);
    if (!e.isEmpty()) {
        *error = e;
        return false;
    }
    *this = changed;
    return true;
}

QJsonValue ModuleSettings::value(const QString &key) const
{
    for (const Descriptor &d : descriptors()) {
        if (d.key == key)
            return jsonValue(d, *this);
    }
    return {};
}

QString ModuleSettings::problemOf(const QString &key) const
{
    for (const Descriptor &d : descriptors()) {
        if (d.key == key)
            return check(d, *this);
    }
    return {};
}

QVector<ModuleSettings::Difference> ModuleSettings::table(const ModuleSettings &file, const ModuleSettings &module)
{
    QVector<Difference> rows;
    const QVector<Setting> &described = settings();
    for (int i = 0; i < descriptors().size(); ++i) {
        const Descriptor &d = descriptors()[i];
        const Setting &s = described[i];
        rows.append({s.key, tr(s.name.toUtf8().constData()), s.unit, file.valueText(s.key), module.valueText(s.key),
                     jsonValue(d, file) != jsonValue(d, module), d.serial});
    }
    return rows;
}

ModuleSettings ModuleSettings::only(const ModuleSettings &file, const ModuleSettings &module, const QStringList &keys)
{
    ModuleSettings mixed = module;
    for (const Descriptor &d : descriptors()) {
        if (keys.contains(d.key))
            takeJsonValue(d, jsonValue(d, file), &mixed);
    }
    return mixed;
}
