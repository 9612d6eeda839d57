#include "testmeasurementtable.h"

#include "backend/measurementtable.h"
#include "backend/wordcodec.h"

#include <QtTest>

#include <algorithm>
#include <numeric>

using Words = QVector<quint16>;
using Statistic = MeasurementTable::Statistic;

Q_DECLARE_METATYPE(Statistic)

void TestMeasurementTable::rows_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<Statistic>("statistic");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QStringList>("heads");
    QTest::addColumn<QStringList>("symbols");
    QTest::addColumn<QString>("block");
    // The word of each cell in its block, and the element of the property the page shows.
    QTest::addColumn<QVector<int>>("words");
    QTest::addColumn<QVector<int>>("elements");

    const QStringList lines{"L1", "L2", "L3", "Neutral"};
    const QStringList phases{"Phase 1", "Phase 2", "Phase 3"};
    const QStringList active{"ΣP", "P1", "P2", "P3"};
    const QStringList reactive{"ΣQ", "Q1", "Q2", "Q3"};
    QTest::newRow("fuses") << "Fuses status" << Statistic::Instant << "" << phases
                           << QStringList{"Fuse L1 blown", "Fuse L2 blown", "Fuse L3 blown"} << "fuses"
                           << QVector<int>{0, 1, 2} << QVector<int>{0, 1, 2};
    QTest::newRow("current") << "Current" << Statistic::Instant << "A" << lines
                             << QStringList{"I1", "I2", "I3", "IN"} << "instantValues" << QVector<int>{0, 2, 4, 6}
                             << QVector<int>{0, 1, 2, 3};
    QTest::newRow("currentMean") << "Current mean" << Statistic::Mean << "A" << lines
                                 << QStringList{"I1 mean", "I2 mean", "I3 mean", "IN mean"} << "meanValues"
                                 << QVector<int>{0, 2, 4, 6} << QVector<int>{0, 1, 2, 3};
    QTest::newRow("currentMin") << "Current min" << Statistic::Min << "A" << lines
                                << QStringList{"I1 min", "I2 min", "I3 min", "IN min"} << "extremes"
                                << QVector<int>{0, 2, 4, 6} << QVector<int>{0, 1, 2, 3};
    QTest::newRow("currentMax") << "Current max" << Statistic::Max << "A" << lines
                                << QStringList{"I1 max", "I2 max", "I3 max", "IN max"} << "extremes"
                                << QVector<int>{8, 10, 12, 14} << QVector<int>{4, 5, 6, 7};
    QTest::newRow("cosPhi") << "Cosphi" << Statistic::Instant << "" << phases
                            << QStringList{"cos phi 1", "cos phi 2", "cos phi 3"} << "powerFactors"
                            << QVector<int>{0, 2, 4} << QVector<int>{0, 1, 2};
    // The instant and mean blocks: ΣP, ΣQ, then P1 to P3 and Q1 to Q3.
    QTest::newRow("active") << "Active Power" << Statistic::Instant << "W" << active
                            << QStringList{"P total", "P1", "P2", "P3"} << "instantValues"
                            << QVector<int>{8, 12, 14, 16} << QVector<int>{0, 2, 3, 4};
    QTest::newRow("reactiveMean") << "Reactive Power mean" << Statistic::Mean << "VAR" << reactive
                                  << QStringList{"Q total mean", "Q1 mean", "Q2 mean", "Q3 mean"} << "meanValues"
                                  << QVector<int>{10, 18, 20, 22} << QVector<int>{1, 5, 6, 7};
    // The extremes block: a (max, min) pair each, in the same order.
    QTest::newRow("activeMax") << "Active Power max" << Statistic::Max << "W" << active
                               << QStringList{"P total max", "P1 max", "P2 max", "P3 max"} << "extremes"
                               << QVector<int>{16, 24, 28, 32} << QVector<int>{0, 4, 6, 8};
    QTest::newRow("activeMin") << "Active Power min" << Statistic::Min << "W" << active
                               << QStringList{"P total min", "P1 min", "P2 min", "P3 min"} << "extremes"
                               << QVector<int>{18, 26, 30, 34} << QVector<int>{1, 5, 7, 9};
    QTest::newRow("reactiveMax") << "Reactive Power max" << Statistic::Max << "VAR" << reactive
                                 << QStringList{"Q total max", "Q1 max", "Q2 max", "Q3 max"} << "extremes"
                                 << QVector<int>{20, 36, 40, 44} << QVector<int>{2, 10, 12, 14};
    QTest::newRow("reactiveMin") << "Reactive Power min" << Statistic::Min << "VAR" << reactive
                                 << QStringList{"Q total min", "Q1 min", "Q2 min", "Q3 min"} << "extremes"
                                 << QVector<int>{22, 38, 42, 46} << QVector<int>{3, 11, 13, 15};
    QTest::newRow("meanTime") << "Time and date of mean values" << Statistic::Mean << "" << QStringList{""}
                              << QStringList{"Mean values time"} << "meanTimestamp" << QVector<int>{1}
                              << QVector<int>{-1};
    QTest::newRow("temperature") << "Temperature Measurement" << Statistic::Instant << "°C" << QStringList{""}
                                 << QStringList{"Temperature"} << "voltagesLL" << QVector<int>{8} << QVector<int>{-1};
}

void TestMeasurementTable::rows()
{
    QFETCH(QString, label);
    QFETCH(Statistic, statistic);
    QFETCH(QString, unit);
    QFETCH(QStringList, heads);
    QFETCH(QStringList, symbols);
    QFETCH(QString, block);
    QFETCH(QVector<int>, words);
    QFETCH(QVector<int>, elements);

    const auto cells = MeasurementTable::row(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(cells.size(), heads.size());
    for (int i = 0; i < cells.size(); ++i) {
        const MeasurementTable::Quantity &q = *cells[i];
        QCOMPARE(q.label, label);
        QCOMPARE(q.statistic, statistic);
        QCOMPARE(q.unit(), unit);
        QCOMPARE(q.column, heads[i]);
        QCOMPARE(q.symbol, symbols[i]);
        QCOMPARE(q.block->key, block);
        QCOMPARE(q.field->offset, words[i]);
        QCOMPARE(q.element, elements[i]);
    }
}

// Each element of a list property is one cell of the page, so the command
// line and the recorder miss none.
void TestMeasurementTable::everyElementShownOnce()
{
    const QStringList lists{"fusesStatus", "intensity", "intensityMean", "intensityMin", "currentPhi",
                            "voltageValuesN", "voltageValues", "activeReactivePower", "activeReactivePowerMean",
                            "activeReactivePowerMin"};
    int cells = 0;
    for (const QString &property : lists) {
        QVector<int> shown;
        for (const MeasurementTable::Quantity &q : MeasurementTable::quantities())
            if (q.property == property)
                shown.append(q.element);
        std::sort(shown.begin(), shown.end());
        QVector<int> all(MeasurementTable::elements(property));
        std::iota(all.begin(), all.end(), 0);
        QCOMPARE(shown, all);
        cells += shown.size();
    }
    // And two lines of one text: the time of the means and the temperature.
    QCOMPARE(MeasurementTable::quantities().size(), cells + 2);
}

void TestMeasurementTable::texts()
{
    // The extremes block with 0.5, 1.5, ... in its 24 floats.
    Words extremes;
    for (int k = 0; k < 24; ++k)
        extremes += WordCodec::fromFloat(k + 0.5f);
    const QStringList currents = MeasurementTable::texts("intensityMin", extremes);
    QCOMPARE(currents, (QStringList{"0.50", "1.50", "2.50", "3.50", "4.50", "5.50", "6.50", "7.50"}));
    const QStringList powers = MeasurementTable::texts("activeReactivePowerMin", extremes);
    QCOMPARE(powers.size(), 16);
    QCOMPARE(powers.first(), QStringLiteral("8.5"));
    QCOMPARE(powers.last(), QStringLiteral("23.5"));
    // A reply cut short, a text property and an unknown name give nothing.
    QVERIFY(MeasurementTable::texts("activeReactivePowerMin", extremes.mid(0, 47)).isEmpty());
    QVERIFY(MeasurementTable::texts("temperatureMeasurement", extremes).isEmpty());
    QVERIFY(MeasurementTable::texts("fusesStatus", {1, 0, 1}).isEmpty());
    QVERIFY(MeasurementTable::texts("nothing", extremes).isEmpty());
}

void TestMeasurementTable::pageRow()
{
    const MeasurementTable table;
    const QVariantMap voltage = table.pageRow("voltage");
    QCOMPARE(voltage.value("unit").toString(), QStringLiteral("V"));
    QCOMPARE(voltage.value("heads").toStringList(), (QStringList{"", "V1N", "V2N", "V3N", "V12", "V23", "V31"}));
    const QVariantList cells = voltage.value("cells").toList();
    QCOMPARE(cells.size(), 6);
    QCOMPARE(cells[2].toMap().value("property").toString(), QStringLiteral("voltageValuesN"));
    QCOMPARE(cells[3].toMap().value("property").toString(), QStringLiteral("voltageValues"));
    QCOMPARE(cells[3].toMap().value("element").toInt(), 0);
    QVERIFY(table.pageRow("nothing").isEmpty());
}
