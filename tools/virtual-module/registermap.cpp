#include "registermap.h"

#include <cstring>

void RegisterMap::define(Table table, int first, int count, Access access, quint16 initial)
{
    auto &map = cells(table);
    for (int a = first; a < first + count; ++a)
        map.insert(a, Cell{initial, access == Access::ReadWrite});
}

bool RegisterMap::isMapped(Table table, int first, int count) const
{
    if (count <= 0)
        return false;
    const auto &map = cells(table);
    for (int a = first; a < first + count; ++a) {
        if (!map.contains(a))
            return false;
    }
    return true;
}

bool RegisterMap::isWritable(Table table, int first, int count) const
{
    if (count <= 0)
        return false;
    const auto &map = cells(table);
    for (int a = first; a < first + count; ++a) {
        const auto it = map.constFind(a);
        if (it == map.constEnd() || !it->writable)
            return false;
    }
    return true;
}

bool RegisterMap::contains(Table table, int address) const
{
    return cells(table).contains(address);
}

quint16 RegisterMap::value(Table table, int address) const
{
    return cells(table).value(address).value;
}

QVector<quint16> RegisterMap::values(Table table, int first, int count) const
{
    QVector<quint16> out;
    out.reserve(count);
    for (int a = first; a < first + count; ++a)
        out.append(value(table, a));
    return out;
}

void RegisterMap::setValue(Table table, int address, quint16 value)
{
    auto &map = cells(table);
    const auto it = map.find(address);
    if (it != map.end())
        it->value = (table == Table::Coils) ? quint16(value ? 1 : 0) : value;
}

void RegisterMap::setValues(Table table, int first, const QVector<quint16> &values)
{
    for (int i = 0; i < values.size(); ++i)
        setValue(table, first + i, values.at(i));
}

void RegisterMap::setFloat(int address, float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    setValue(Table::Holding, address, quint16(bits >> 16));
    setValue(Table::Holding, address + 1, quint16(bits & 0xFFFFu));
}

float RegisterMap::floatAt(int address) const
{
    const quint32 bits = (quint32(value(Table::Holding, address)) << 16)
                         | value(Table::Holding, address + 1);
    float out = 0;
    std::memcpy(&out, &bits, sizeof out);
    return out;
}

const QHash<int, RegisterMap::Cell> &RegisterMap::cells(Table table) const
{
    return table == Table::Coils ? m_coils : m_holding;
}

QHash<int, RegisterMap::Cell> &RegisterMap::cells(Table table)
{
    return table == Table::Coils ? m_coils : m_holding;
}
