#pragma once

#include <QHash>
#include <QVector>
#include <QtGlobal>

// Sparse store of the module's coils and holding registers. Only addresses that
// were defined exist; everything else is outside the map and the bus gets
// "illegal data address" for it.
class RegisterMap
{
public:
    enum class Table { Coils, Holding };
    enum class Access { ReadOnly, ReadWrite };

    void define(Table table, int first, int count, Access access, quint16 initial = 0);

    // True when every address of [first, first + count) is defined.
    bool isMapped(Table table, int first, int count) const;
    // True when every address of the range is defined and writable from the bus.
    bool isWritable(Table table, int first, int count) const;
    bool contains(Table table, int address) const;

    quint16 value(Table table, int address) const;
    QVector<quint16> values(Table table, int first, int count) const;
    // Stores regardless of the bus access right; undefined addresses are ignored.
    void setValue(Table table, int address, quint16 value);
    void setValues(Table table, int first, const QVector<quint16> &values);

    // IEEE 754 single in two registers, most significant word first.
    void setFloat(int address, float value);
    float floatAt(int address) const;

private:
    struct Cell
    {
        quint16 value = 0;
        bool writable = false;
    };

    const QHash<int, Cell> &cells(Table table) const;
    QHash<int, Cell> &cells(Table table);

    QHash<int, Cell> m_coils;
    QHash<int, Cell> m_holding;
};
