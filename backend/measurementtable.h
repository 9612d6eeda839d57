#ifndef BACKEND_MEASUREMENTTABLE_H
#define BACKEND_MEASUREMENTTABLE_H

#include "backend/registertable.h"

#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

// The module's measured quantities, one entry per value the measurement page
// shows, in the page's order: its label, statistic, the Backend property and
// element that carries it, the register field it is read from (and so its
// block, words and unit) and its decimals. The page, orvalis-cli, the recorder
// and the Backend's decoding take them from here. Labels and column heads are
// the page's texts, context "VMeasurement" in the catalogue.
class MeasurementTable : public QObject
{
    Q_OBJECT
public:
    enum class Statistic { Instant, Mean, Min, Max };

    struct Quantity {
        QString row;    // key of the page's row it is shown in
        QString label;  // the row's label
        QString column; // the column's head; empty for a value on its own line
        QString symbol; // short name, ASCII, statistic included: "I1 mean"
        Statistic statistic;
        QString property; // the Backend property the page shows
        int element;      // its element there; -1 for a property that is one text
        const RegisterTable::Block *block;
        const RegisterTable::Field *field;
        int decimals;

        QString unit() const { return field->unit; }
    };

    explicit MeasurementTable(QObject *parent = nullptr);

    static const QVector<Quantity> &quantities();
    // The quantities of one page row, in column order.
    static QVector<const Quantity *> row(const QString &key);
    // The texts of a list property from the words of its block's read, or
    // empty when the property is not one of floats in that block.
    static QStringList texts(const QString &property, const QVector<quint16> &blockWords);
    // Elements of a list property.
    static int elements(const QString &property);

    // For the page: { label, unit, heads: [...], cells: [{property, element}] },
    // source texts to be translated in context "VMeasurement".
    Q_INVOKABLE QVariantMap pageRow(const QString &key) const;
};

#endif
