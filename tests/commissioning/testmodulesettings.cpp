#include "testmodulesettings.h"

#include "support/fullfolder.h"

#include "commissioning/modulesettings.h"
#include "backend/registers.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <sys/stat.h>

using Words = QVector<quint16>;
using Writes = QVector<ModuleSettings::Write>;
Q_DECLARE_METATYPE(ModuleSettings::Write)

namespace {

ModuleSettings sample()
{
    ModuleSettings s;
    s.temperatureThreshold = 70;
    s.transformerRatioL1 = 800;
    s.transformerRatioL2 = 4000;
    s.transformerRatioL3 = 6000;
    s.fsdId = "AB12";
    s.installationDate = QDate(2021, 6, 9);
    s.meanDuration = 15;
    s.activePowerOnFundamental = true;
    s.frequency60Hz = false;
    s.voltageThreshold = 230;
    s.voltageThresholdDuration = 10;
    s.currentThreshold = 100;
    s.currentThresholdDuration = 20;
    s.minimumTimeBetweenMessages = 60;
    s.callMonitoringTime = 600;
    s.parity = 1;
    s.baudRate = 19200;
    s.slaveAddress = 120;
    s.serialNumber = "070123450012";
    s.firmwareVersion = "12";
    s.hardwareVersion = "3";
    s.lastBoot = "03/07/24 14:05";
    s.readAt = QDateTime(QDate(2024, 5, 2), QTime(9, 30, 0, 250), Qt::UTC);
    return s;
}

QJsonObject sampleJson()
{
    return QJsonDocument::fromJson(sample().toJson()).object();
}

// The sample's JSON with one setting's value replaced (undefined: the entry removed).
QByteArray withSetting(const QString &key, const QJsonValue &value)
{
    QJsonObject root = sampleJson();
    QJsonArray list = root["settings"].toArray();
    for (int i = 0; i < list.size(); ++i) {
        QJsonObject entry = list[i].toObject();
        if (entry["key"].toString() != key)
            continue;
        if (value.isUndefined()) {
            list.removeAt(i);
        } else {
            entry["value"] = value;
            list[i] = entry;
        }
    }
    root["settings"] = list;
    return QJsonDocument(root).toJson();
}

QByteArray withField(const QString &field, const QJsonValue &value)
{
    QJsonObject root = sampleJson();
    if (value.isUndefined())
        root.remove(field);
    else
        root[field] = value;
    return QJsonDocument(root).toJson();
}

ModuleSettings parsed(const QByteArray &json)
{
    ModuleSettings s;
    QString error;
    if (!ModuleSettings::fromJson(json, &s, &error))
        qWarning() << error;
    return s;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void TestModuleSettings::roundTrip()
{
    ModuleSettings back;
    QString error;
    QVERIFY2(ModuleSettings::fromJson(sample().toJson(), &back, &error), qPrintable(error));
    QCOMPARE(back.toJson(), sample().toJson());
    QVERIFY(back == sample());

    // A time read in another zone is the same moment once written in UTC.
    ModuleSettings local = sample();
    local.readAt = local.readAt.toOffsetFromUtc(2 * 3600);
    QVERIFY(ModuleSettings::fromJson(local.toJson(), &back, &error));
    QCOMPARE(back.readAt, sample().readAt);
    QVERIFY(sample().toJson().contains("\"readAt\": \"2024-05-02T09:30:00.250Z\""));
}

void TestModuleSettings::fromWords()
{
    ModuleSettings::ReadWords w;
    w.homeSettings = {70, 0, 45, 7, 1, 23, 45, 12, 2021, 6, 9};
    // Call monitoring in tenths of a second: 6005 is 600 s.
    w.ctRatioAndThresholds = {800, 0, 4000, 0, 6000, 0, 230, 10, 100, 20, 60, 6005};
    w.fsdId = {0x4142, 0x3132, 0x0000};
    w.moduleTime = {0, 0x0E05, 0x0123, 24, 15, 1, 0, 19200, 120};
    w.powerCalculation = {1, 0};
    w.lastBoot = {0, 5, 14, 3, 7, 24, 12, 3};
    ModuleSettings s;
    QString error;
    QVERIFY2(ModuleSettings::fromWords(w, sample().readAt, &s, &error), qPrintable(error));
    QVERIFY(s == sample());
    QVERIFY(s.problem().isEmpty());

    // 115200 Bd needs both words; a module at address 1 is read, then named as out of range.
    w.moduleTime = {0, 0, 0, 0, 15, 1, 1, 49664, 1};
    QVERIFY(ModuleSettings::fromWords(w, QDateTime(), &s, &error));
    QCOMPARE(s.baudRate, 115200);
    QVERIFY2(s.problem().contains("slaveAddress"), qPrintable(s.problem()));

    w.fsdId = {0x4142, 0x3132};
    const ModuleSettings before = s;
    QVERIFY(!ModuleSettings::fromWords(w, QDateTime(), &s, &error));
    QVERIFY2(error.contains("FSD ID") && error.contains("2 words"), qPrintable(error));
    QVERIFY(s == before);
}

void TestModuleSettings::namesAndUnits()
{
    QStringList lines;
    for (const ModuleSettings::Setting &s : ModuleSettings::settings())
        lines << s.key + "|" + s.name + "|" + s.unit + (s.serial ? "|serial" : "");
    QCOMPARE(lines, (QStringList{
                        "fsdId|FSD ID|",
                        "installationDate|Installation date|",
                        "transformerRatioL1|CT ratio phase 1|",
                        "transformerRatioL2|CT ratio phase 2|",
                        "transformerRatioL3|CT ratio phase 3|",
                        "temperatureThreshold|Temperature threshold|°C",
                        "meanDuration|Time duration for means|min",
                        "activePowerOnFundamental|Active power on the fundamental|",
                        "frequency60Hz|60 Hz|",
                        "voltageThreshold|Voltage threshold|V",
                        "voltageThresholdDuration|Voltage threshold duration|s",
                        "currentThreshold|Current threshold|A",
                        "currentThresholdDuration|Current threshold duration|s",
                        "minimumTimeBetweenMessages|Minimum time between messages|s",
                        "callMonitoringTime|Call monitoring time|s",
                        "parity|Parity||serial",
                        "baudRate|Baud rate|Bd|serial",
                        "slaveAddress|Slave address||serial",
                    }));
}

void TestModuleSettings::edges_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("accepted");
    const struct {
        const char *key;
        QJsonValue value;
        bool accepted;
    } rows[] = {
        {"temperatureThreshold", 59, false}, {"temperatureThreshold", 60, true},
        {"temperatureThreshold", 90, true},  {"temperatureThreshold", 91, false},
        {"meanDuration", 0, false},          {"meanDuration", 1, true},
        {"meanDuration", 60, true},          {"meanDuration", 61, false},
        {"callMonitoringTime", 0, false},    {"callMonitoringTime", 1, true},
        {"callMonitoringTime", 6000, true},  {"callMonitoringTime", 6001, false},
        {"minimumTimeBetweenMessages", 0, false}, {"minimumTimeBetweenMessages", 1, true},
        {"minimumTimeBetweenMessages", 3600, true}, {"minimumTimeBetweenMessages", 3601, false},
        {"voltageThreshold", -1, false},     {"voltageThreshold", 0, true},
        {"currentThresholdDuration", 65535, true}, {"currentThresholdDuration", 65536, false},
        {"voltageThreshold", 1e12, false},
        {"slaveAddress", 109, false},        {"slaveAddress", 110, true},
        {"slaveAddress", 149, true},         {"slaveAddress", 150, false},
        {"slaveAddress", 246, false},        {"slaveAddress", 247, true},
        {"slaveAddress", 248, false},        {"baudRate", 9600, false},
        {"baudRate", 115200, true},          {"parity", 0, true},
        {"parity", 2, true},                 {"parity", 3, false},
        {"transformerRatioL1", 700, false},  {"transformerRatioL1", 10, true},
        {"transformerRatioL2", 6000, true},  {"transformerRatioL3", 0, false},
        {"transformerRatioL3", 800, true},   {"fsdId", "", true},
        {"fsdId", "aZ09x", true},            {"fsdId", "ABCDEF", false},
        {"fsdId", "A-B", false},             {"fsdId", "Ä1", false},
        {"installationDate", "2024-02-29", true}, {"installationDate", "2021-02-30", false},
        {"frequency60Hz", true, true},
    };
    for (const auto &r : rows) {
        const QString value = QString::fromUtf8(QJsonDocument(QJsonArray{r.value}).toJson(QJsonDocument::Compact));
        QTest::addRow("%s %s", r.key, qPrintable(value)) << r.key << r.value << r.accepted;
    }
}

void TestModuleSettings::edges()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(bool, accepted);
    ModuleSettings s;
    QString error;
    QCOMPARE(ModuleSettings::fromJson(withSetting(key, value), &s, &error), accepted);
    if (!accepted) {
        // The error names the setting by its label, its key beside for the hand-editor.
        const auto &all = ModuleSettings::settings();
        const auto setting = std::find_if(all.begin(), all.end(), [&](const ModuleSettings::Setting &x) { return x.key == key; });
        QVERIFY(setting != all.end());
        QVERIFY2(error.startsWith("Setting \"" + setting->name + "\" (" + key + "): "), qPrintable(error));
        return;
    }
    // What was read is what is written again.
    const QJsonArray list = QJsonDocument::fromJson(s.toJson()).object()["settings"].toArray();
    const auto entry = std::find_if(list.begin(), list.end(), [&](const QJsonValue &e) { return e["key"] == key; });
    QVERIFY(entry != list.end());
    QCOMPARE((*entry)["value"], value);
}

void TestModuleSettings::refused_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");
    QTest::newRow("version 3") << withField("version", 3) << "version 3 is not supported";
    QTest::newRow("version 0") << withField("version", 0) << "version 0 is not supported";
    // Version 1 knew one ratio only.
    QTest::newRow("version 1, three ratios") << withField("version", 1) << "(transformerRatio) is missing";
    QTest::newRow("version as text") << withField("version", "1") << "\"version\" must be a number";
    QTest::newRow("other format") << withField("format", "orvalis-log") << "not a module settings file";
    QTest::newRow("no format") << withField("format", QJsonValue::Undefined) << "\"format\" is missing";
    QTest::newRow("no readAt") << withField("readAt", QJsonValue::Undefined) << "\"readAt\" is missing";
    QTest::newRow("bad readAt") << withField("readAt", "yesterday") << "\"readAt\" is not an ISO 8601";
    QTest::newRow("no module") << withField("module", QJsonValue::Undefined) << "\"module\" is missing";
    QTest::newRow("serial number a number")
        << withField("module", QJsonObject{{"serialNumber", 7}, {"firmwareVersion", "1"},
                                           {"hardwareVersion", "1"}, {"lastBoot", ""}})
        << "\"module.serialNumber\" must be text";
    QTest::newRow("no settings") << withField("settings", QJsonValue::Undefined) << "\"settings\" is missing";
    QTest::newRow("settings an object") << withField("settings", QJsonObject{}) << "\"settings\" must be a list";
    QTest::newRow("setting missing") << withSetting("slaveAddress", QJsonValue::Undefined)
                                     << "Setting \"Slave address\" (slaveAddress) is missing";
    QTest::newRow("threshold as text") << withSetting("temperatureThreshold", "70") << "whole number";
    QTest::newRow("threshold 70.5") << withSetting("temperatureThreshold", 70.5) << "whole number";
    QTest::newRow("flag as number") << withSetting("frequency60Hz", 1) << "\"60 Hz\" (frequency60Hz): the value must be true";
    QTest::newRow("date as number") << withSetting("installationDate", 20210609) << "\"Installation date\" (installationDate): the value";
    QTest::newRow("slave 109") << withSetting("slaveAddress", 109) << "109 is not allowed (allowed: 110 to 149 or 247)";
    QTest::newRow("baud 9600") << withSetting("baudRate", 9600)
                               << "9600 is not allowed (allowed: 19200, 38400, 57600 or 115200)";
    QTest::newRow("parity 3") << withSetting("parity", 3) << "\"Parity\" (parity): 3 is not allowed (allowed: 0 to 2)";
    QTest::newRow("30 February") << withSetting("installationDate", "2021-02-30") << "\"Installation date\" (installationDate): not a valid";
    QTest::newRow("FSD ID six") << withSetting("fsdId", "ABCDEF") << "\"FSD ID\" (fsdId): \"ABCDEF\" is not 0 to 5 letters";
    // A newer tool's setting is kept, but a setting of this one must be there.
    QTest::newRow("unknown in place of one") << withSetting("parity", QJsonValue::Undefined).replace("\"baudRate\"", "\"speed\"")
                                             << "(parity) is missing";
    QTest::newRow("repeated setting") << withSetting("parity", QJsonValue::Undefined).replace("\"baudRate\"", "\"fsdId\"")
                                      << "\"FSD ID\" (fsdId) appears more than once";
    QTest::newRow("empty") << QByteArray() << "The file is empty.";
    QTest::newRow("blank") << QByteArray(" \n") << "The file is empty.";
    const QByteArray whole = sample().toJson();
    QTest::newRow("truncated") << whole.left(whole.size() / 2) << "Not valid JSON at byte";
    QTest::newRow("list") << QByteArray("[1, 2]") << "does not hold a JSON object";
}

void TestModuleSettings::refused()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    // Nothing of a refused file is taken.
    ModuleSettings s = sample();
    s.voltageThreshold = 1;
    const ModuleSettings before = s;
    QString text;
    QVERIFY(!ModuleSettings::fromJson(json, &s, &text));
    QVERIFY2(text.contains(error), qPrintable(text));
    QVERIFY(s == before);
}

void TestModuleSettings::fileRefused()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray json = sample().toJson();
    auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    };
    // Whitespace keeps it valid JSON: only the size counts.
    write("limit.json", json + QByteArray(ModuleSettings::maxFileSize - json.size(), ' '));
    write("over.json", json + QByteArray(ModuleSettings::maxFileSize - json.size() + 1, ' '));
    write("empty.json", {});
    QVERIFY(QDir(dir.path()).mkdir("folder.json"));

    ModuleSettings s;
    QString error;
    QVERIFY2(ModuleSettings::load(dir.filePath("limit.json"), &s, &error), qPrintable(error));
    QVERIFY(s == sample());

    const struct {
        QString path;
        const char *error;
    } cases[] = {
        {dir.filePath("over.json"), "larger than 64 KiB"},
        {dir.filePath("empty.json"), "The file is empty."},
        {dir.filePath("folder.json"), "is a folder"},
        {dir.filePath("none.json"), "no such file"},
        {"/dev/null", "not a plain file"},
    };
    for (const auto &c : cases) {
        ModuleSettings untouched = sample();
        QVERIFY(!ModuleSettings::load(c.path, &untouched, &error));
        QVERIFY2(error.startsWith(c.path + ": ") && error.contains(c.error), qPrintable(error));
        QVERIFY(untouched == sample());
    }
}

void TestModuleSettings::differences()
{
    ModuleSettings module = sample();
    module.voltageThreshold = 240;
    module.fsdId = "";
    module.transformerRatioL1 = 1200;
    module.transformerRatioL3 = 10;
    module.activePowerOnFundamental = false;
    module.parity = 2;
    module.readAt = QDateTime::currentDateTimeUtc();

    const auto withoutSerial = ModuleSettings::compare(sample(), module, false);
    QStringList texts;
    for (const ModuleSettings::Difference &d : withoutSerial.differences)
        texts << ModuleSettings::differenceText(d);
    QCOMPARE(texts, (QStringList{"FSD ID: AB12 → (empty)", "CT ratio phase 1: 400/5A → 600/5A",
                                 "CT ratio phase 3: 600/1A → -", "Active power on the fundamental: yes → no",
                                 "Voltage threshold: 230 V → 240 V"}));
    QVERIFY(!withoutSerial.otherModule);
    const ModuleSettings::Difference &voltage = withoutSerial.differences[4];
    QCOMPARE(QStringList({voltage.key, voltage.name, voltage.unit, voltage.fileValue, voltage.moduleValue}),
             (QStringList{"voltageThreshold", "Voltage threshold", "V", "230", "240"}));

    module.serialNumber = "070123450013";
    const auto withSerial = ModuleSettings::compare(sample(), module, true);
    QCOMPARE(withSerial.differences.size(), 6);
    QCOMPARE(ModuleSettings::differenceText(withSerial.differences.last()), QStringLiteral("Parity: even → odd"));
    QVERIFY(withSerial.otherModule);

    // Identity and time of reading alone are no difference of settings.
    QVERIFY(ModuleSettings::compare(sample(), module, false).differences.size() == 5);
    module = sample();
    module.firmwareVersion = "13";
    module.readAt = QDateTime();
    QVERIFY(ModuleSettings::compare(sample(), module, true).differences.isEmpty());
    QCOMPARE(ModuleSettings::differenceText({"temperatureThreshold", "Temperature threshold", "°C", "70", "75"}),
             QStringLiteral("Temperature threshold: 70 °C → 75 °C"));
}

void TestModuleSettings::restoreWrites_data()
{
    using namespace Registers;
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("moduleValue");
    QTest::addColumn<bool>("includeSerial");
    QTest::addColumn<Writes>("writes");
    const Writes thresholds{{M_REG_VOLTAGE_THRESHOLD, HoldingRegisters, {230, 10, 100, 20, 60, 6000}}};
    QTest::newRow("all equal") << "parity" << QJsonValue(1) << true << Writes{};
    QTest::newRow("date") << "installationDate" << QJsonValue("2020-01-01") << false
                          << Writes{{M_REG_INSTALLATION_DATE, HoldingRegisters, {2021, 6, 9}}};
    // Each phase's ratio is the file's, whichever phase differs.
    const Writes ratios{{M_REG_CT_RATIO, HoldingRegisters, {800, 0, 4000, 0, 6000, 0}}};
    QTest::newRow("ratio L1") << "transformerRatioL1" << QJsonValue(10) << false << ratios;
    QTest::newRow("ratio L2") << "transformerRatioL2" << QJsonValue(800) << false << ratios;
    QTest::newRow("ratio L3") << "transformerRatioL3" << QJsonValue(4000) << false << ratios;
    QTest::newRow("FSD ID") << "fsdId" << QJsonValue("X") << false
                            << Writes{{M_REG_FSD_ID, HoldingRegisters, {0x4142, 0x3132, 0}}};
    QTest::newRow("temperature") << "temperatureThreshold" << QJsonValue(80) << false
                                 << Writes{{M_REG_TEMPERATURE_THRESHOLD, HoldingRegisters, {70}}};
    QTest::newRow("means") << "meanDuration" << QJsonValue(5) << false
                           << Writes{{M_REG_MEAN_DURATION, HoldingRegisters, {15}}};
    QTest::newRow("60 Hz") << "frequency60Hz" << QJsonValue(true) << false
                           << Writes{{M_COIL_ACTIVE_POWER_CALC, Coils, {1, 0}}};
    QTest::newRow("voltage") << "voltageThreshold" << QJsonValue(240) << false << thresholds;
    QTest::newRow("call monitoring") << "callMonitoringTime" << QJsonValue(1) << false << thresholds;
    QTest::newRow("slave left out") << "slaveAddress" << QJsonValue(130) << false << Writes{};
    QTest::newRow("slave") << "slaveAddress" << QJsonValue(130) << true
                           << Writes{{M_REG_PARITY, HoldingRegisters, {1, 0, 19200, 120}}};
    QTest::newRow("baud") << "baudRate" << QJsonValue(115200) << true
                          << Writes{{M_REG_PARITY, HoldingRegisters, {1, 0, 19200, 120}}};
}

void TestModuleSettings::restoreWrites()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, moduleValue);
    QFETCH(bool, includeSerial);
    QFETCH(Writes, writes);
    const ModuleSettings module = parsed(withSetting(key, moduleValue));
    QCOMPARE(ModuleSettings::restoreWrites(sample(), module, includeSerial), writes);
}

void TestModuleSettings::restoreOrder()
{
    using namespace Registers;
    ModuleSettings file = sample();
    file.baudRate = 115200;
    ModuleSettings module;
    module.frequency60Hz = true;
    QVector<int> addresses;
    for (const ModuleSettings::Write &w : ModuleSettings::restoreWrites(file, module, true))
        addresses << w.address;
    QCOMPARE(addresses, (QVector<int>{M_REG_INSTALLATION_DATE, M_REG_CT_RATIO, M_REG_FSD_ID,
                                      M_REG_TEMPERATURE_THRESHOLD, M_REG_MEAN_DURATION, M_COIL_ACTIVE_POWER_CALC,
                                      M_REG_VOLTAGE_THRESHOLD, M_REG_PARITY}));
    QCOMPARE(ModuleSettings::restoreWrites(file, module, true).last().values, (Words{1, 1, 49664, 120}));
}

void TestModuleSettings::oneRatioFile()
{
    // A file of version 1, with the one ratio it held.
    auto oldFile = [](const QJsonValue &ratio) {
        QJsonObject root = sampleJson();
        root["version"] = 1;
        QJsonArray list;
        for (const QJsonValue &e : root["settings"].toArray()) {
            if (!e["key"].toString().startsWith("transformerRatio"))
                list.append(e);
        }
        if (!ratio.isUndefined())
            list.append(QJsonObject{{"key", "transformerRatio"}, {"value", ratio}});
        root["settings"] = list;
        return QJsonDocument(root).toJson();
    };
    ModuleSettings s;
    QString error;
    QVERIFY2(ModuleSettings::fromJson(oldFile(1200), &s, &error), qPrintable(error));
    QCOMPARE((QVector<int>{s.transformerRatioL1, s.transformerRatioL2, s.transformerRatioL3}),
             (QVector<int>{1200, 1200, 1200}));
    ModuleSettings rest = s;
    rest.transformerRatioL1 = 800;
    rest.transformerRatioL2 = 4000;
    rest.transformerRatioL3 = 6000;
    QVERIFY(rest == sample());
    // Written to a module as before: the one ratio on every phase.
    QCOMPARE(ModuleSettings::restoreWrites(s, sample(), false),
             (Writes{{Registers::M_REG_CT_RATIO, Registers::HoldingRegisters, {1200, 0, 1200, 0, 1200, 0}}}));
    // Saved again, it is a file of this version.
    QVERIFY(s.toJson().contains("\"version\": 2"));
    QVERIFY(s.toJson().contains("\"transformerRatioL3\""));

    QVERIFY(!ModuleSettings::fromJson(oldFile(700), &s, &error));
    QVERIFY2(error.startsWith("Setting \"Transformer ratios\" (transformerRatio): 700 is not allowed"), qPrintable(error));
    QVERIFY(!ModuleSettings::fromJson(oldFile(QJsonValue::Undefined), &s, &error));
    QCOMPARE(error, QStringLiteral("Setting \"Transformer ratios\" (transformerRatio) is missing."));
}

void TestModuleSettings::atomicSave()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("module.json");
    QString error;
    QVERIFY(QFile(path).open(QIODevice::WriteOnly)); // an older file is replaced
    QVERIFY2(sample().save(path, &error), qPrintable(error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"module.json"});
    QCOMPARE(readAll(path), sample().toJson());

    const QString nowhere = dir.filePath("missing/module.json");
    QVERIFY(!sample().save(nowhere, &error));
    QVERIFY2(error.startsWith(nowhere + ": cannot be written"), qPrintable(error));
    QVERIFY(!sample().save(dir.path(), &error));

    // Settings a load would refuse are not written, and the old file stays.
    ModuleSettings wrong = sample();
    wrong.meanDuration = 0;
    QVERIFY(!wrong.save(path, &error));
    QVERIFY2(error.contains("Setting \"Time duration for means\" (meanDuration): 0 is not allowed"), qPrintable(error));
    QCOMPARE(readAll(path), sample().toJson());

    // A replaced file keeps its permissions; through a link, the linked file is replaced.
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    const QFile::Permissions mode = QFile::permissions(path);
    const QString link = dir.filePath("link.json");
    QVERIFY(QFile::link(path, link));
    ModuleSettings other = sample();
    other.meanDuration = 30;
    QVERIFY2(other.save(link, &error), qPrintable(error));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readAll(path), other.toJson());
    QCOMPARE(QFile::permissions(path), mode);

    // A pipe (or a device) is not replaced by a file.
    const QString pipe = dir.filePath("pipe");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(!sample().save(pipe, &error));
    QVERIFY2(error.endsWith(": Not a plain file"), qPrintable(error));
    QVERIFY(!QFileInfo(pipe).isFile() && QFileInfo::exists(pipe));
}

void TestModuleSettings::fullDiskKeepsTheOldFile()
{
    FullFolder full("module.json", sample().toJson());
    if (!full.problem().isEmpty())
        QSKIP(qPrintable(full.problem()));
    ModuleSettings other = sample();
    other.meanDuration = 30;
    QString error;
    QVERIFY(!other.save(full.filePath("module.json"), &error));
    QVERIFY2(error.endsWith(": cannot be written: No space left on device"), qPrintable(error));
    QCOMPARE(full.changed(), QString());
}

void TestModuleSettings::unknownSettingsKept()
{
    QJsonObject root = QJsonDocument::fromJson(sample().toJson()).object();
    QJsonArray list = root["settings"].toArray();
    const QJsonObject future{{"key", "harmonicLimit"}, {"name", "Harmonic limit"}, {"unit", "%"}, {"value", 8}};
    list.append(future);
    root["settings"] = list;
    ModuleSettings s;
    QString error;
    QVERIFY2(ModuleSettings::fromJson(QJsonDocument(root).toJson(), &s, &error), qPrintable(error));
    QCOMPARE(s.unknownKeys(), QStringList{"harmonicLimit"});
    // Written back as it came, never among the writes to a module.
    const QJsonArray again = QJsonDocument::fromJson(s.toJson()).object()["settings"].toArray();
    QCOMPARE(again.last().toObject(), future);
    ModuleSettings module = sample();
    module.temperatureThreshold = 61;
    QCOMPARE(ModuleSettings::restoreWrites(s, module, true).size(), 1);
    // Twice is refused as a known setting would be.
    list.append(future);
    root["settings"] = list;
    QVERIFY(!ModuleSettings::fromJson(QJsonDocument(root).toJson(), &s, &error));
    QVERIFY2(error.contains("\"harmonicLimit\" appears more than once"), qPrintable(error));
}

void TestModuleSettings::onlyChosenSettings()
{
    ModuleSettings module = sample();
    ModuleSettings file = module;
    file.voltageThreshold = module.voltageThreshold + 10;
    file.currentThreshold = module.currentThreshold + 5;
    file.temperatureThreshold = module.temperatureThreshold == 60 ? 61 : 60;
    file.slaveAddress = module.slaveAddress == 247 ? 120 : 247;
    // The voltage threshold alone: its block carries the module's other thresholds.
    const ModuleSettings mixed = ModuleSettings::only(file, module, {"voltageThreshold"});
    const QVector<ModuleSettings::Write> writes = ModuleSettings::restoreWrites(mixed, module, true);
    QCOMPARE(writes.size(), 1);
    QCOMPARE(writes[0].address, 50507);
    QCOMPARE(int(writes[0].values[0]), file.voltageThreshold);
    QCOMPARE(int(writes[0].values[2]), module.currentThreshold);
    // The table lists every setting, the chosen one no longer differing.
    const QVector<ModuleSettings::Difference> table = ModuleSettings::table(file, mixed);
    QCOMPARE(table.size(), ModuleSettings::settings().size());
    QStringList differing;
    for (const ModuleSettings::Difference &d : table) {
        if (d.differs)
            differing << d.key;
    }
    QCOMPARE(differing, (QStringList{"temperatureThreshold", "currentThreshold", "slaveAddress"}));
}
