#include "backend/measurementtable.h"

#include "backend/wordcodec.h"

#include <QVariantList>

#include <algorithm>

namespace {

using Quantity = MeasurementTable::Quantity;
using Statistic = MeasurementTable::Statistic;

// A Backend property and the run of fields of one block it is decoded from,
// starting at the field named.
struct Property {
    const char *name;
    const char *block;
    const char *firstField;
    int elements; // -1: one text, not a list
    int decimals;
};

const Property properties[] = {
    {"fusesStatus", "fuses", "fuse L1 blown", 3, 0},
    {"intensity", "instantValues", "current L1", 4, 2},
    {"activeReactivePower", "instantValues", "active power total", 8, 1},
    {"intensityMean", "meanValues", "current L1", 4, 2},
    {"activeReactivePowerMean", "meanValues", "active power total", 8, 1},
    {"intensityMin", "extremes", "current min L1", 8, 2},
    {"activeReactivePowerMin", "extremes", "active power max total", 16, 1},
    {"currentPhi", "powerFactors", "cos phi L1", 3, 2},
    {"voltageValuesN", "voltagesLN", "voltage L1-N", 3, 2},
    {"voltageValues", "voltagesLL", "voltage L1-L2", 3, 2},
    {"timeAndDateOfMeanValues", "meanTimestamp", "date and time", -1, 0},
    {"temperatureMeasurement", "voltagesLL", "temperature", -1, 0},
};

const Property &propertyNamed(const char *name)
{
    const auto *it = std::find_if(std::begin(properties), std::end(properties),
                                  [name](const Property &p) { return qstrcmp(p.name, name) == 0; });
    if (it == std::end(properties))
        qFatal("MeasurementTable: no property %s", name);
    return *it;
}

// Cells of one page row: the property's elements under their column heads.
// Symbols are short names without the statistic, which is added to them.
struct Row {
    const char *key;
    const char *label;
    Statistic statistic;
    const char *property;
    std::initializer_list<int> elements;
    std::initializer_list<const char *> heads;
    std::initializer_list<const char *> symbols;
};

const std::initializer_list<const char *> phases
    = {QT_TRANSLATE_NOOP("VMeasurement", "Phase 1"), QT_TRANSLATE_NOOP("VMeasurement", "Phase 2"),
       QT_TRANSLATE_NOOP("VMeasurement", "Phase 3")};
const std::initializer_list<const char *> lines
    = {QT_TRANSLATE_NOOP("VMeasurement", "L1"), QT_TRANSLATE_NOOP("VMeasurement", "L2"),
       QT_TRANSLATE_NOOP("VMeasurement", "L3"), QT_TRANSLATE_NOOP("VMeasurement", "Neutral")};
const std::initializer_list<const char *> currents = {"I1", "I2", "I3", "IN"};
const std::initializer_list<const char *> activeHeads
    = {QT_TRANSLATE_NOOP("VMeasurement", "ΣP"), QT_TRANSLATE_NOOP("VMeasurement", "P1"),
       QT_TRANSLATE_NOOP("VMeasurement", "P2"), QT_TRANSLATE_NOOP("VMeasurement", "P3")};
const std::initializer_list<const char *> active = {"P total", "P1", "P2", "P3"};
const std::initializer_list<const char *> reactiveHeads
    = {QT_TRANSLATE_NOOP("VMeasurement", "ΣQ"), QT_TRANSLATE_NOOP("VMeasurement", "Q1"),
       QT_TRANSLATE_NOOP("VMeasurement", "Q2"), QT_TRANSLATE_NOOP("VMeasurement", "Q3")};
const std::initializer_list<const char *> reactive = {"Q total", "Q1", "Q2", "Q3"};

// The extremes list holds (max, min) pairs for the powers.
const Row rows[] = {
    {"fuses", QT_TRANSLATE_NOOP("VMeasurement", "Fuses status"), Statistic::Instant, "fusesStatus", {0, 1, 2},
     phases, {"Fuse L1 blown", "Fuse L2 blown", "Fuse L3 blown"}},
    {"current", QT_TRANSLATE_NOOP("VMeasurement", "Current"), Statistic::Instant, "intensity", {0, 1, 2, 3}, lines,
     currents},
    {"currentMean", QT_TRANSLATE_NOOP("VMeasurement", "Current mean"), Statistic::Mean, "intensityMean",
     {0, 1, 2, 3}, lines, currents},
    {"currentMin", QT_TRANSLATE_NOOP("VMeasurement", "Current min"), Statistic::Min, "intensityMin", {0, 1, 2, 3},
     lines, currents},
    {"currentMax", QT_TRANSLATE_NOOP("VMeasurement", "Current max"), Statistic::Max, "intensityMin", {4, 5, 6, 7},
     lines, currents},
    {"cosPhi", QT_TRANSLATE_NOOP("VMeasurement", "Cosphi"), Statistic::Instant, "currentPhi", {0, 1, 2}, phases,
     {"cos phi 1", "cos phi 2", "cos phi 3"}},
    // One row on the page, which gives it no label: this one is orvalis-cli's.
    {"voltage", "Voltage", Statistic::Instant, "voltageValuesN", {0, 1, 2},
     {QT_TRANSLATE_NOOP("VMeasurement", "V1N"), QT_TRANSLATE_NOOP("VMeasurement", "V2N"),
      QT_TRANSLATE_NOOP("VMeasurement", "V3N")},
     {"U1N", "U2N", "U3N"}},
    {"voltage", "Voltage", Statistic::Instant, "voltageValues", {0, 1, 2},
     {QT_TRANSLATE_NOOP("VMeasurement", "V12"), QT_TRANSLATE_NOOP("VMeasurement", "V23"),
      QT_TRANSLATE_NOOP("VMeasurement", "V31")},
     {"U12", "U23", "U31"}},
    {"active", QT_TRANSLATE_NOOP("VMeasurement", "Active Power"), Statistic::Instant, "activeReactivePower",
     {0, 2, 3, 4}, activeHeads, active},
    {"activeMean", QT_TRANSLATE_NOOP("VMeasurement", "Active Power mean"), Statistic::Mean,
     "activeReactivePowerMean", {0, 2, 3, 4}, activeHeads, active},
    {"activeMin", QT_TRANSLATE_NOOP("VMeasurement", "Active Power min"), Statistic::Min, "activeReactivePowerMin",
     {1, 5, 7, 9}, activeHeads, active},
    {"activeMax", QT_TRANSLATE_NOOP("VMeasurement", "Active Power max"), Statistic::Max, "activeReactivePowerMin",
     {0, 4, 6, 8}, activeHeads, active},
    {"reactive", QT_TRANSLATE_NOOP("VMeasurement", "Reactive Power"), Statistic::Instant, "activeReactivePower",
     {1, 5, 6, 7}, reactiveHeads, reactive},
    {"reactiveMean", QT_TRANSLATE_NOOP("VMeasurement", "Reactive Power mean"), Statistic::Mean,
     "activeReactivePowerMean", {1, 5, 6, 7}, reactiveHeads, reactive},
    {"reactiveMin", QT_TRANSLATE_NOOP("VMeasurement", "Reactive Power min"), Statistic::Min,
     "activeReactivePowerMin", {3, 11, 13, 15}, reactiveHeads, reactive},
    {"reactiveMax", QT_TRANSLATE_NOOP("VMeasurement", "Reactive Power max"), Statistic::Max,
     "activeReactivePowerMin", {2, 10, 12, 14}, reactiveHeads, reactive},
    {"meanTime", QT_TRANSLATE_NOOP("VMeasurement", "Time and date of mean values"), Statistic::Mean,
     "timeAndDateOfMeanValues", {-1}, {""}, {"Mean values time"}},
    {"temperature", QT_TRANSLATE_NOOP("VMeasurement", "Temperature Measurement"), Statistic::Instant,
     "temperatureMeasurement", {-1}, {""}, {"Temperature"}},
};

// The field `steps` fields after the one named, in the block's order.
const RegisterTable::Field *fieldOf(const RegisterTable::Block *block, const char *first, int steps)
{
    const auto &fields = block->fields;
    const auto it = std::find_if(fields.begin(), fields.end(),
                                 [first](const RegisterTable::Field &f) { return f.name == QLatin1String(first); });
    const int at = int(it - fields.begin()) + steps;
    if (it == fields.end() || at >= fields.size())
        qFatal("MeasurementTable: no field %s + %d in %s", first, steps, qPrintable(block->key));
    return &fields[at];
}

QVector<Quantity> makeTable()
{
    static const char *const qualifiers[] = {"", " mean", " min", " max"};
    QVector<Quantity> table;
    for (const Row &r : rows) {
        const Property &p = propertyNamed(r.property);
        const RegisterTable::Block *block = RegisterTable::byKey(QLatin1String(p.block));
        if (!block)
            qFatal("MeasurementTable: no block %s", p.block);
        auto head = r.heads.begin();
        auto symbol = r.symbols.begin();
        for (int element : r.elements) {
            const bool single = element < 0;
            const QString name = QString::fromLatin1(*symbol++)
                                 + QLatin1String(single ? "" : qualifiers[int(r.statistic)]);
            table.append({QLatin1String(r.key), QString::fromUtf8(r.label), QString::fromUtf8(*head++), name,
                          r.statistic, QLatin1String(r.property), element, block,
                          fieldOf(block, p.firstField, qMax(element, 0)), p.decimals});
        }
    }
    return table;
}

} // namespace

MeasurementTable::MeasurementTable(QObject *parent) : QObject(parent) {}

const QVector<MeasurementTable::Quantity> &MeasurementTable::quantities()
{
    static const QVector<Quantity> table = makeTable();
    return table;
}

QVector<const MeasurementTable::Quantity *> MeasurementTable::row(const QString &key)
{
    QVector<const Quantity *> cells;
    for (const Quantity &q : quantities())
        if (q.row == key)
            cells.append(&q);
    return cells;
}

int MeasurementTable::elements(const QString &property)
{
    for (const Property &p : properties)
        if (property == QLatin1String(p.name))
            return p.elements;
    return -1;
}

QStringList MeasurementTable::texts(const QString &property, const QVector<quint16> &blockWords)
{
    QStringList texts;
    for (const Property &p : properties) {
        if (property != QLatin1String(p.name) || p.elements < 0)
            continue;
        const RegisterTable::Block *block = RegisterTable::byKey(QLatin1String(p.block));
        for (int k = 0; k < p.elements; ++k) {
            const RegisterTable::Field *f = fieldOf(block, p.firstField, k);
            if (!f->isFloat || f->offset + 1 >= blockWords.size())
                return {};
            texts.append(WordCodec::floatTexts(blockWords, f->offset, 1, p.decimals));
        }
    }
    return texts;
}

QVariantMap MeasurementTable::pageRow(const QString &key) const
{
    const auto cells = row(key);
    if (cells.isEmpty())
        return {};
    QStringList heads{QString()};
    QVariantList values;
    for (const Quantity *q : cells) {
        heads.append(q->column);
        values.append(QVariantMap{{QStringLiteral("property"), q->property}, {QStringLiteral("element"), q->element}});
    }
    return {{QStringLiteral("label"), cells.first()->label},
            {QStringLiteral("unit"), cells.first()->unit()},
            {QStringLiteral("heads"), heads},
            {QStringLiteral("cells"), values}};
}
