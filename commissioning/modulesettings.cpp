#include "commissioning/modulesettings.h"

#include "files/filewrite.h"
#include "backend/registers.h"
#include "backend/registertable.h"
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

enum class Kind { Number, Flag, Text, Date };

// One setting: its key, the write block that carries it (its name and unit
// come from that block's field in the register table) and what it may hold.
struct Descriptor {
    const char *key = nullptr;
    Kind kind = Kind::Number;
    const char *block = nullptr;
    const char *field = nullptr; // null: the block's own name
    bool serial = false;
    int min = 1, max = 0; // min > max: no range, only the choices
    QVector<int> choices;
    int ModuleSettings::*number = nullptr;
    bool ModuleSettings::*flag = nullptr;
};

Descriptor plain(const char *key, Kind kind, const char *block, const char *field)
{
    Descriptor d;
    d.key = key;
    d.kind = kind;
    d.block = block;
    d.field = field;
    return d;
}

Descriptor number(const char *key, const char *block, const char *field, int ModuleSettings::*member,
                  int min, int max, QVector<int> choices = {}, bool serial = false)
{
    Descriptor d = plain(key, Kind::Number, block, field);
    d.number = member;
    d.min = min;
    d.max = max;
    d.choices = std::move(choices);
    d.serial = serial;
    return d;
}

Descriptor flag(const char *key, const char *field, bool ModuleSettings::*member)
{
    Descriptor d = plain(key, Kind::Flag, "powerCalculationWrite", field);
    d.flag = member;
    return d;
}

using S = ModuleSettings;

// 10 is the home page's empty choice.
Descriptor ratio(const char *key, const char *field, int ModuleSettings::*member)
{
    return number(key, "ctRatio", field, member, 1, 0, QVector<int>{10} + WordCodec::ctRatioCodes());
}

const QVector<Descriptor> &descriptors()
{
    static const QVector<Descriptor> all = {
        plain("fsdId", Kind::Text, "fsdIdWrite", "FSD ID"),
        plain("installationDate", Kind::Date, "installationDate", nullptr),
        ratio("transformerRatioL1", "CT ratio phase 1", &S::transformerRatioL1),
        ratio("transformerRatioL2", "CT ratio phase 2", &S::transformerRatioL2),
        ratio("transformerRatioL3", "CT ratio phase 3", &S::transformerRatioL3),
        number("temperatureThreshold", "temperatureThreshold", "temperature threshold", &S::temperatureThreshold,
               60, 90),
        number("meanDuration", "meanDuration", "time duration for means", &S::meanDuration, 1, 60),
        flag("activePowerOnFundamental", "active power on the fundamental", &S::activePowerOnFundamental),
        flag("frequency60Hz", "60 Hz", &S::frequency60Hz),
        number("voltageThreshold", "thresholds", "voltage threshold", &S::voltageThreshold, 0, 65535),
        number("voltageThresholdDuration", "thresholds", "voltage threshold duration",
               &S::voltageThresholdDuration, 0, 65535),
        number("currentThreshold", "thresholds", "current threshold", &S::currentThreshold, 0, 65535),
        number("currentThresholdDuration", "thresholds", "current threshold duration",
               &S::currentThresholdDuration, 0, 65535),
        number("minimumTimeBetweenMessages", "thresholds", "minimum time between messages",
               &S::minimumTimeBetweenMessages, 1, 3600),
        number("callMonitoringTime", "thresholds", "call monitoring time", &S::callMonitoringTime, 1, 6000),
        number("parity", "serialSettings", "parity", &S::parity, 0, 2, {}, true),
        number("baudRate", "serialSettings", "baud rate", &S::baudRate, 1, 0, {19200, 38400, 57600, 115200},
               true),
        number("slaveAddress", "serialSettings", "slave address", &S::slaveAddress, 110, 149, {247}, true),
    };
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
            if (d.number == &S::transformerRatioL1)
                list.append(ratio("transformerRatio", nullptr, &S::transformerRatioL1));
            else if (!isRatio(d))
                list.append(d);
        }
        return list;
    }();
    return version == oneRatioVersion ? oneRatio : descriptors();
}

// The names settings() takes from the register table, for the catalogue.
const char *const translatedNames[] = {
    QT_TRANSLATE_NOOP("ModuleSettings", "FSD ID"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Installation date"),
    QT_TRANSLATE_NOOP("ModuleSettings", "CT ratio phase 1"),
    QT_TRANSLATE_NOOP("ModuleSettings", "CT ratio phase 2"),
    QT_TRANSLATE_NOOP("ModuleSettings", "CT ratio phase 3"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Temperature threshold"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Time duration for means"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Active power on the fundamental"),
    QT_TRANSLATE_NOOP("ModuleSettings", "60 Hz"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Voltage threshold"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Voltage threshold duration"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Current threshold"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Current threshold duration"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Minimum time between messages"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Call monitoring time"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Parity"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Baud rate"),
    QT_TRANSLATE_NOOP("ModuleSettings", "Slave address"),
    // The one ratio of a file of the first version.
    QT_TRANSLATE_NOOP("ModuleSettings", "Transformer ratios"),
};

// The write blocks in the order Backend's applies post them.
const char *const restoreOrder[] = {"installationDate", "ctRatio",       "fsdIdWrite",
                                    "temperatureThreshold", "meanDuration", "powerCalculationWrite",
                                    "thresholds",       "serialSettings"};

ModuleSettings::Setting describe(const Descriptor &d)
{
    const RegisterTable::Block *block = RegisterTable::byKey(QLatin1String(d.block));
    Q_ASSERT(block);
    QString name = block ? block->name : QString();
    QString unit;
    if (d.field && block) {
        for (const RegisterTable::Field &f : block->fields) {
            if (f.name == QLatin1String(d.field)) {
                name = f.name.left(1).toUpper() + f.name.mid(1);
                unit = f.unit;
            }
        }
    }
    return {QLatin1String(d.key), name, unit, d.serial};
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
        .arg(ModuleSettings::tr(describe(d).name.toUtf8().constData()), QLatin1String(d.key));
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

    ModuleSettings s;
    const QVector<quint16> &home = w.homeSettings;
    s.temperatureThreshold = home[0];
    s.serialNumber = WordCodec::serialNumberText(home.mid(3, 5));
    s.installationDate = QDate(home[8], home[9], home[10]);

    const QVector<quint16> &ct = w.ctRatioAndThresholds;
    s.transformerRatioL1 = ct[0];
    s.transformerRatioL2 = ct[2];
    s.transformerRatioL3 = ct[4];
    s.voltageThreshold = ct[6];
    s.voltageThresholdDuration = ct[7];
    s.currentThreshold = ct[8];
    s.currentThresholdDuration = ct[9];
    s.minimumTimeBetweenMessages = ct[10];
    s.callMonitoringTime = WordCodec::callMonitoringSeconds(ct[11]);

    s.fsdId = WordCodec::fsdIdText(w.fsdId[0], w.fsdId[1], w.fsdId[2]);

    const QVector<quint16> &time = w.moduleTime;
    s.meanDuration = time[4];
    s.parity = time[5];
    s.baudRate = int(WordCodec::toUnsigned32(time[6], time[7]));
    s.slaveAddress = time[8];

    s.activePowerOnFundamental = w.powerCalculation[0] == 1;
    s.frequency60Hz = w.powerCalculation[1] == 1;

    const QVector<quint16> &boot = w.lastBoot;
    s.lastBoot = WordCodec::lastBootText(boot[1], boot[2], boot[3], boot[4], boot[5]);
    s.firmwareVersion = WordCodec::dec(boot[6]);
    s.hardwareVersion = WordCodec::dec(boot[7]);

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
        if (d == expected.end())
            return fail(ModuleSettings::tr("Field \"%1\": unknown setting \"%2\".").arg(place, key));
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
        if (!seen.contains(QLatin1String(d.key)))
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
        if (key != QLatin1String(d.key))
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
            changed.insert(QLatin1String(d.block));
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
