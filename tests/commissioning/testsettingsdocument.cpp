#include "testsettingsdocument.h"

#include "backend/settingstable.h"
#include "commissioning/settingsdocument.h"

#include <QFile>
#include <QtTest>

namespace {

QVariantMap entry(const SettingsDocument &doc, const QString &key)
{
    for (const QVariant &e : doc.entries()) {
        if (e.toMap()["key"] == key)
            return e.toMap();
    }
    return {};
}

} // namespace

void TestSettingsDocument::refusedWhereThePagesRefuse_data()
{
    // The field's text as typed, and as the file or the command line writes it.
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::newRow("temperature 59") << "temperatureThreshold" << "59" << false;
    QTest::newRow("temperature 60") << "temperatureThreshold" << "60" << true;
    QTest::newRow("temperature 90") << "temperatureThreshold" << "90" << true;
    QTest::newRow("temperature 91") << "temperatureThreshold" << "91" << false;
    QTest::newRow("means 0 min") << "meanDuration" << "0" << false;
    QTest::newRow("means 60 min") << "meanDuration" << "60" << true;
    QTest::newRow("call monitoring 6001 s") << "callMonitoringTime" << "6001" << false;
    QTest::newRow("voltage 65535 V") << "voltageThreshold" << "65535" << true;
    QTest::newRow("voltage 65536 V") << "voltageThreshold" << "65536" << false;
    QTest::newRow("slave 109") << "slaveAddress" << "109" << false;
    QTest::newRow("slave 149") << "slaveAddress" << "149" << true;
    QTest::newRow("slave 150") << "slaveAddress" << "150" << false;
    QTest::newRow("slave 247") << "slaveAddress" << "247" << true;
    QTest::newRow("FSD ID of five") << "fsdId" << "AB12C" << true;
    QTest::newRow("FSD ID of six") << "fsdId" << "AB12CD" << false;
    QTest::newRow("FSD ID of digits") << "fsdId" << "12345" << true;
    QTest::newRow("FSD ID with a dash") << "fsdId" << "AB-1" << false;
    QTest::newRow("29 February 2024") << "installationDate" << "2024-02-29" << true;
    QTest::newRow("29 February 2023") << "installationDate" << "2023-02-29" << false;
    QTest::newRow("empty number") << "currentThreshold" << "" << false;
}

void TestSettingsDocument::refusedWhereThePagesRefuse()
{
    QFETCH(QString, key);
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    // The settings table's own rule, where it has a range.
    const SettingsTable::Setting *s = SettingsTable::find(key);
    QVERIFY(s);
    bool number = false;
    const int value = typed.toInt(&number);
    if (s->kind == SettingsTable::Kind::Number && number)
        QCOMPARE(s->allows(value), taken);

    // The window's field.
    SettingsDocument doc;
    doc.newFile();
    doc.setValue(key, typed);
    const QVariantMap e = entry(doc, key);
    QCOMPARE(e["error"].toString().isEmpty(), taken);
    QCOMPARE(doc.valid(), taken);
    QCOMPARE(e["value"].toString(), typed); // kept as typed either way
    if (!taken)
        QVERIFY(!doc.saveAs(dir.filePath(QStringLiteral("refused.json"))));

    // orvalis-cli set, from another file.
    SettingsDocument cli;
    cli.newFile();
    const QJsonValue before = cli.settings().value(key);
    QString why;
    QCOMPARE(cli.setFileValue(key, typed, &why), taken);
    QCOMPARE(why.isEmpty(), taken);
    if (!taken)
        QCOMPARE(cli.settings().value(key), before);
}

void TestSettingsDocument::newFileSavedAndOpenedAgain()
{
    SettingsDocument doc;
    doc.newFile();
    QVERIFY(doc.modified() && doc.path().isEmpty() && doc.valid());
    QCOMPARE(entry(doc, "baudRate")["value"].toInt(), 0);                // 19200, the first of the list
    QCOMPARE(entry(doc, "transformerRatioL2")["choices"].toList().size(), SettingsTable::find("transformerRatioL2")->choices.size());
    QCOMPARE(entry(doc, "voltageThreshold")["section"].toString(), QStringLiteral("communication"));
    QCOMPARE(entry(doc, "temperatureThreshold")["section"].toString(), QStringLiteral("home"));
    // The three phases' ratios share the page's label: each is told apart.
    QSet<QString> ratioLabels;
    for (const char *key : {"transformerRatioL1", "transformerRatioL2", "transformerRatioL3"})
        ratioLabels.insert(entry(doc, key)["label"].toString());
    QCOMPARE(ratioLabels.size(), 3);
    QVERIFY(!doc.save()); // no name yet
    doc.setValue("parity", 2);
    doc.setValue("frequency60Hz", true);
    doc.setValue("temperatureThreshold", "75");
    const QString path = dir.filePath(QStringLiteral("office"));
    QVERIFY2(doc.saveAs(path), qPrintable(doc.lastError()));
    QCOMPARE(doc.path(), path + ".json");
    QVERIFY(!doc.modified());

    SettingsDocument again;
    QVERIFY(again.openFile(QUrl::fromLocalFile(path + ".json").toString()));
    QCOMPARE(again.settings().parity, 2);
    QCOMPARE(again.settings().frequency60Hz, true);
    QCOMPARE(again.settings().temperatureThreshold, 75);
    QVERIFY(!again.modified());
}

void TestSettingsDocument::refusedFileSaysWhy()
{
    const QString path = dir.filePath(QStringLiteral("broken.json"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("{\"format\": \"orvalis-module-settings\"");
    f.close();
    SettingsDocument doc;
    QVERIFY(!doc.openFile(path));
    QVERIFY(!doc.isOpen());
    QVERIFY2(doc.lastError().contains("Not valid JSON"), qPrintable(doc.lastError()));
}
