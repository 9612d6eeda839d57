#include "testsettingstable.h"

#include "backend/registertable.h"
#include "backend/settingstable.h"
#include "link/modbus.h"

#include <QtTest>

using IntList = QVector<int>;

void TestSettingsTable::ranges_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<IntList>("choices");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("digits");
    const IntList none;
    const IntList ratios = {10, 800, 1200, 4000, 6000};
    QTest::newRow("fsdId") << 1 << 0 << none << "" << 5;
    QTest::newRow("installationDate") << 1 << 0 << none << "" << 0;
    QTest::newRow("transformerRatioL1") << 1 << 0 << ratios << "" << 0;
    QTest::newRow("transformerRatioL2") << 1 << 0 << ratios << "" << 0;
    QTest::newRow("transformerRatioL3") << 1 << 0 << ratios << "" << 0;
    QTest::newRow("temperatureThreshold") << 60 << 90 << none << "°C" << 2;
    QTest::newRow("meanDuration") << 1 << 60 << none << "min" << 2;
    QTest::newRow("activePowerOnFundamental") << 1 << 0 << none << "" << 0;
    QTest::newRow("frequency60Hz") << 1 << 0 << none << "" << 0;
    QTest::newRow("voltageThreshold") << 0 << 65535 << none << "V" << 5;
    QTest::newRow("voltageThresholdDuration") << 0 << 65535 << none << "s" << 5;
    QTest::newRow("currentThreshold") << 0 << 65535 << none << "A" << 5;
    QTest::newRow("currentThresholdDuration") << 0 << 65535 << none << "s" << 5;
    QTest::newRow("minimumTimeBetweenMessages") << 1 << 3600 << none << "s" << 4;
    QTest::newRow("callMonitoringTime") << 1 << 6000 << none << "s" << 4;
    QTest::newRow("parity") << 0 << 2 << none << "" << 0;
    QTest::newRow("baudRate") << 1 << 0 << IntList{19200, 38400, 57600, 115200} << "Bd" << 0;
    QTest::newRow("slaveAddress") << 110 << 149 << IntList{247} << "" << 0;
}

void TestSettingsTable::ranges()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(IntList, choices);
    QFETCH(QString, unit);
    QFETCH(int, digits);
    const SettingsTable::Setting *s = SettingsTable::find(QLatin1String(QTest::currentDataTag()));
    QVERIFY(s);
    QCOMPARE(s->min, min);
    QCOMPARE(s->max, max);
    QCOMPARE(s->choices, choices);
    QCOMPARE(s->unit, unit);
    QCOMPARE(s->digits, digits);
    // The same through what QML gets.
    SettingsTable published;
    if (min <= max) {
        QVERIFY(published.allows(s->key, min) && published.allows(s->key, max));
        QVERIFY(!published.allows(s->key, min - 1) && !published.allows(s->key, max + 1));
    }
    for (int c : choices)
        QVERIFY(published.allows(s->key, c));
    QCOMPARE(published.setting(s->key).value("digits").toInt(), digits);
}

void TestSettingsTable::addressRule_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<bool>("allowed");
    for (int a : {0, 1, 109, 150, 246, 248, 255})
        QTest::addRow("%d", a) << a << false;
    for (int a : {110, 128, 149, 247})
        QTest::addRow("%d", a) << a << true;
}

void TestSettingsTable::addressRule()
{
    QFETCH(int, address);
    QFETCH(bool, allowed);
    QCOMPARE(SettingsTable::slaveAddressAllowed(address), allowed);
    QCOMPARE(SettingsTable::find("slaveAddress")->allows(address), allowed);
    QCOMPARE(SettingsTable::slaveAddresses().contains(address), allowed);
}

void TestSettingsTable::linesSettings()
{
    QCOMPARE(SettingsTable::slaveAddresses().size(), 41);
    QCOMPARE(SettingsTable::slaveAddresses().last(), 247);
    QCOMPARE(SettingsTable::baudRates(), (IntList{19200, 38400, 57600, 115200}));
    QCOMPARE(SettingsTable::parityNames(), (QStringList{"none", "even", "odd"}));
    // The link opens the line at the rate of the same index.
    for (int i = 0; i < SettingsTable::baudRates().size(); ++i)
        QCOMPARE(Modbus::baudRateForIndex(i), SettingsTable::baudRates()[i]);
    SettingsTable published;
    QCOMPARE(published.baudRateTexts(), (QStringList{"19200", "38400", "57600", "115200"}));
    QCOMPARE(published.baudRateIndex(57600), 2);
    QCOMPARE(published.baudRateIndex(9600), 3); // shown as the last entry
}

// Every setting's blocks and fields are the register table's, and its file
// name is the written field's name.
void TestSettingsTable::blocksAndTexts()
{
    QCOMPARE(SettingsTable::all().size(), 18);
    for (const SettingsTable::Setting &s : SettingsTable::all()) {
        const RegisterTable::Block *write = RegisterTable::byKey(s.block);
        const RegisterTable::Block *read = RegisterTable::byKey(s.readBlock);
        QVERIFY2(write && write->access == RegisterTable::Access::Write, qPrintable(s.key));
        QVERIFY2(read && read->access == RegisterTable::Access::Read, qPrintable(s.key));
        const QString name = s.field.isEmpty() ? write->name : s.field.left(1).toUpper() + s.field.mid(1);
        QCOMPARE(QString::fromUtf8(s.name.source), name);
        QCOMPARE(QString::fromLatin1(s.name.context), QStringLiteral("ModuleSettings"));
        QVERIFY2(std::any_of(read->fields.begin(), read->fields.end(),
                             [&](const RegisterTable::Field &f) { return f.name == s.readField; }),
                 qPrintable(s.key));
        QVERIFY2(s.label.source, qPrintable(s.key + " has no page label"));
        QVERIFY(!s.label.translated().isEmpty());
    }
}
