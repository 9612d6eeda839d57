#include "commissioning/settingsdocument.h"

#include "backend/settingstable.h"
#include "backend/wordcodec.h"
#include "files/filewrite.h"

#include <QDate>

#include <algorithm>
#include <cstring>
#include <QDateTime>
#include <QFileInfo>

namespace {

// The page a setting is shown on: its label's catalogue context.
QString sectionOf(const SettingsTable::Setting &s)
{
    return QLatin1String(s.label.context) == QLatin1String("VCommunication") ? QStringLiteral("communication")
                                                                              : QStringLiteral("home");
}

// Ratios, parities and baud rates are picked, not typed.
bool isChoice(const SettingsTable::Setting &s)
{
    return s.kind == SettingsTable::Kind::Number && (s.min > s.max || s.key == QLatin1String("parity"));
}

QVector<int> choiceValues(const SettingsTable::Setting &s)
{
    if (s.min > s.max)
        return s.choices;
    QVector<int> values;
    for (int v = s.min; v <= s.max; ++v)
        values.append(v);
    return values;
}

QString choiceText(const SettingsTable::Setting &s, int value)
{
    if (s.block == QLatin1String("ctRatio"))
        return WordCodec::ctRatioText(value);
    if (s.key == QLatin1String("parity"))
        return QStringList{ModuleSettings::tr("none"), ModuleSettings::tr("even"), ModuleSettings::tr("odd")}.value(value);
    return QString::number(value);
}

QString kindName(const SettingsTable::Setting &s)
{
    if (isChoice(s))
        return QStringLiteral("choice");
    switch (s.kind) {
    case SettingsTable::Kind::Number:
        return QStringLiteral("number");
    case SettingsTable::Kind::Flag:
        return QStringLiteral("flag");
    case SettingsTable::Kind::Text:
        return QStringLiteral("text");
    case SettingsTable::Kind::Date:
        return QStringLiteral("date");
    }
    return {};
}

} // namespace

SettingsDocument::SettingsDocument(QObject *parent) : QObject(parent) {}

bool SettingsDocument::valid() const
{
    return opened && refused.isEmpty() && doc.problem().isEmpty();
}

QStringList SettingsDocument::unknownKeys() const
{
    return doc.unknownKeys();
}

QVariantList SettingsDocument::entries() const
{
    QVariantList list;
    if (!opened)
        return list;
    for (const SettingsTable::Setting &s : SettingsTable::all()) {
        const QJsonValue v = doc.value(s.key);
        QVariant value;
        QVariantList choices;
        if (isChoice(s)) {
            const QVector<int> values = choiceValues(s);
            for (int c : values)
                choices.append(choiceText(s, c));
            value = values.indexOf(v.toInt());
        } else if (s.kind == SettingsTable::Kind::Flag) {
            value = v.toBool();
        } else if (s.kind == SettingsTable::Kind::Number) {
            value = QString::number(v.toInt());
        } else {
            value = v.toString();
        }
        if (typed.contains(s.key))
            value = typed.value(s.key);
        QString why;
        if (refused.contains(s.key))
            why = s.error.source ? s.error.translated() : ModuleSettings::tr("This value is not allowed.");
        // A label the page shares between settings (the three phases' ratios) gives way to the name.
        const bool shared = std::count_if(SettingsTable::all().begin(), SettingsTable::all().end(),
                                          [&](const SettingsTable::Setting &o) { return o.label.source && s.label.source
                                                                                    && qstrcmp(o.label.source, s.label.source) == 0; }) > 1;
        list.append(QVariantMap{{QStringLiteral("key"), s.key},
                                {QStringLiteral("section"), sectionOf(s)},
                                {QStringLiteral("label"), shared || !s.label.source ? s.name.translated() : s.label.translated()},
                                {QStringLiteral("unit"), s.pageUnit.translated()},
                                {QStringLiteral("kind"), kindName(s)},
                                {QStringLiteral("value"), value},
                                {QStringLiteral("choices"), choices},
                                {QStringLiteral("digits"), s.digits},
                                {QStringLiteral("serial"), s.serial},
                                {QStringLiteral("hint"), s.error.translated()},
                                {QStringLiteral("error"), why}});
    }
    return list;
}

bool SettingsDocument::openFile(const QString &file)
{
    const QString path = FileWrite::localPath(file);
    ModuleSettings loaded;
    QString why;
    if (path.isEmpty() || !ModuleSettings::load(path, &loaded, &why)) {
        error = path.isEmpty() ? tr("No file was chosen.") : why;
        emit changed();
        return false;
    }
    doc = loaded;
    filePath = path;
    opened = true;
    isModified = false;
    refused.clear();
    typed.clear();
    error.clear();
    emit changed();
    return true;
}

void SettingsDocument::newFile()
{
    doc = ModuleSettings::defaults(QDate::currentDate());
    doc.readAt = QDateTime::currentDateTimeUtc();
    filePath.clear();
    opened = true;
    isModified = true;
    refused.clear();
    typed.clear();
    error.clear();
    emit changed();
}

void SettingsDocument::setValue(const QString &key, const QVariant &value)
{
    const SettingsTable::Setting *s = SettingsTable::find(key);
    if (!opened || !s)
        return;
    QJsonValue json;
    bool readable = true;
    if (isChoice(*s)) {
        const QVector<int> values = choiceValues(*s);
        const int index = value.toInt();
        readable = index >= 0 && index < values.size();
        json = values.value(index);
    } else if (s->kind == SettingsTable::Kind::Flag) {
        json = value.toBool();
    } else if (s->kind == SettingsTable::Kind::Number) {
        json = value.toString().trimmed().toInt(&readable);
    } else if (s->kind == SettingsTable::Kind::Date && value.canConvert<QDate>() && value.type() != QVariant::String) {
        json = value.toDate().toString(Qt::ISODate);
    } else {
        json = value.toString().trimmed();
    }
    QString why;
    if (readable && doc.setValue(key, json, &why)) {
        refused.removeAll(key);
        typed.remove(key);
    } else {
        // Kept as typed, so the operator sees what is wrong with it.
        if (!refused.contains(key))
            refused.append(key);
        typed.insert(key, value.toString());
    }
    isModified = true;
    emit changed();
}

bool SettingsDocument::setFileValue(const QString &key, const QString &value, QString *why)
{
    if (!opened) {
        *why = tr("No file is open.");
        return false;
    }
    // As the file writes it, by the kind of the setting: an FSD ID of digits stays text.
    const SettingsTable::Setting *s = SettingsTable::find(key);
    QJsonValue json(value);
    if (s && s->kind == SettingsTable::Kind::Flag && (value == QLatin1String("true") || value == QLatin1String("false")))
        json = value == QLatin1String("true");
    bool whole = false;
    const int number = value.trimmed().toInt(&whole);
    if (s && s->kind == SettingsTable::Kind::Number && whole)
        json = number;
    if (!doc.setValue(key, json, why))
        return false;
    isModified = true;
    emit changed();
    return true;
}

bool SettingsDocument::save()
{
    if (filePath.isEmpty()) {
        error = tr("The file has no name yet: save it as a new file.");
        emit changed();
        return false;
    }
    return saveAs(filePath);
}

bool SettingsDocument::saveAs(const QString &file)
{
    QString path = FileWrite::localPath(file);
    if (!opened || path.isEmpty()) {
        error = tr("No file was chosen.");
        emit changed();
        return false;
    }
    if (!refused.isEmpty()) {
        error = tr("Correct the values marked before saving.");
        emit changed();
        return false;
    }
    // A name chosen without an ending gets the usual one.
    if (QFileInfo(path).suffix().isEmpty())
        path += path.endsWith(QLatin1Char('.')) ? QStringLiteral("json") : QStringLiteral(".json");
    QString why;
    if (!doc.save(path, &why)) {
        error = why;
        emit changed();
        return false;
    }
    filePath = path;
    isModified = false;
    error.clear();
    emit changed();
    return true;
}

void SettingsDocument::close()
{
    doc = ModuleSettings();
    filePath.clear();
    opened = false;
    isModified = false;
    refused.clear();
    typed.clear();
    error.clear();
    emit changed();
}
