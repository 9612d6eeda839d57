#include "backend/registertable.h"

#include "backend/wordcodec.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Registers;

namespace {

using Access = RegisterTable::Access;
using Field = RegisterTable::Field;
using Packing = RegisterTable::Packing;

// One word each, no unit, unscaled, named in order.
QVector<Field> words(std::initializer_list<const char *> names)
{
    QVector<Field> fields;
    int offset = 0;
    for (const char *n : names)
        fields.append({QString::fromLatin1(n), offset++, 1, QString(), 1});
    return fields;
}

// Floats in two words each, with one unit.
QVector<Field> floats(std::initializer_list<const char *> names, const char *unit)
{
    QVector<Field> fields;
    int offset = 0;
    for (const char *n : names) {
        fields.append({QString::fromLatin1(n), offset, 2, QString::fromUtf8(unit), 1, true});
        offset += 2;
    }
    return fields;
}

QVector<Field> shifted(QVector<Field> fields, int by)
{
    for (Field &f : fields)
        f.offset += by;
    return fields;
}

QVector<RegisterTable::Block> makeTable()
{
    const QVector<Field> thresholds = {
        {QT_TRANSLATE_NOOP("RegisterTable", "voltage threshold"), 0, 1, "V", 1},
        {QT_TRANSLATE_NOOP("RegisterTable", "voltage threshold duration"), 1, 1, "s", 1},
        {QT_TRANSLATE_NOOP("RegisterTable", "current threshold"), 2, 1, "A", 1},
        {QT_TRANSLATE_NOOP("RegisterTable", "current threshold duration"), 3, 1, "s", 1},
        {QT_TRANSLATE_NOOP("RegisterTable", "minimum time between messages"), 4, 1, "s", 1},
        {QT_TRANSLATE_NOOP("RegisterTable", "call monitoring time"), 5, 1, "s", 10},
    };
    // Named as the communication page shows them; each code is followed by a
    // word that is always 0, so it is one word, not a 32-bit number.
    const QVector<Field> ctRead
        = QVector<Field> {{QT_TRANSLATE_NOOP("RegisterTable", "CT ratio phase 1"), 0, 1, "", 1, false,
                              Packing::CtRatio},
              {QT_TRANSLATE_NOOP("RegisterTable", "CT ratio phase 2"), 2, 1, "", 1, false, Packing::CtRatio},
              {QT_TRANSLATE_NOOP("RegisterTable", "CT ratio phase 3"), 4, 1, "", 1, false, Packing::CtRatio}}
        + shifted(thresholds, 6);
    // The module's measured floats, in the order of its instant and mean
    // blocks: the currents, the totals of the powers, then each phase's. The
    // units are the measurement page's, translated with it.
    const char *const amperes = QT_TRANSLATE_NOOP("VMeasurement", "A");
    const char *const watts = QT_TRANSLATE_NOOP("VMeasurement", "W");
    const char *const vars = QT_TRANSLATE_NOOP("VMeasurement", "VAR");
    const char *const volts = QT_TRANSLATE_NOOP("VMeasurement", "V");
    const QVector<Field> measurements
        = floats({QT_TRANSLATE_NOOP("RegisterTable", "current L1"), QT_TRANSLATE_NOOP("RegisterTable", "current L2"),
                     QT_TRANSLATE_NOOP("RegisterTable", "current L3"), QT_TRANSLATE_NOOP("RegisterTable", "current N")},
              amperes)
        + shifted(floats({QT_TRANSLATE_NOOP("RegisterTable", "active power total")}, watts), 8)
        + shifted(floats({QT_TRANSLATE_NOOP("RegisterTable", "reactive power total")}, vars), 10)
        + shifted(floats({QT_TRANSLATE_NOOP("RegisterTable", "active power L1"),
                             QT_TRANSLATE_NOOP("RegisterTable", "active power L2"),
                             QT_TRANSLATE_NOOP("RegisterTable", "active power L3")},
                      watts),
            12)
        + shifted(floats({QT_TRANSLATE_NOOP("RegisterTable", "reactive power L1"),
                             QT_TRANSLATE_NOOP("RegisterTable", "reactive power L2"),
                             QT_TRANSLATE_NOOP("RegisterTable", "reactive power L3")},
                      vars),
            18);
    // The powers' extremes come as a (max, min) pair each, in the order above.
    auto extremePair = [](const char *max, const char *min, const char *unit, int offset) {
        return shifted(floats({max, min}, unit), offset);
    };
    const QVector<Field> extremes = floats({QT_TRANSLATE_NOOP("RegisterTable", "current min L1"),
                                               QT_TRANSLATE_NOOP("RegisterTable", "current min L2"),
                                               QT_TRANSLATE_NOOP("RegisterTable", "current min L3"),
                                               QT_TRANSLATE_NOOP("RegisterTable", "current min N"),
                                               QT_TRANSLATE_NOOP("RegisterTable", "current max L1"),
                                               QT_TRANSLATE_NOOP("RegisterTable", "current max L2"),
                                               QT_TRANSLATE_NOOP("RegisterTable", "current max L3"),
                                               QT_TRANSLATE_NOOP("RegisterTable", "current max N")},
                                        amperes)
        + extremePair(QT_TRANSLATE_NOOP("RegisterTable", "active power max total"),
            QT_TRANSLATE_NOOP("RegisterTable", "active power min total"), watts, 16)
        + extremePair(QT_TRANSLATE_NOOP("RegisterTable", "reactive power max total"),
            QT_TRANSLATE_NOOP("RegisterTable", "reactive power min total"), vars, 20)
        + extremePair(QT_TRANSLATE_NOOP("RegisterTable", "active power max L1"),
            QT_TRANSLATE_NOOP("RegisterTable", "active power min L1"), watts, 24)
        + extremePair(QT_TRANSLATE_NOOP("RegisterTable", "active power max L2"),
            QT_TRANSLATE_NOOP("RegisterTable", "active power min L2"), watts, 28)
        + extremePair(QT_TRANSLATE_NOOP("RegisterTable", "active power max L3"),
            QT_TRANSLATE_NOOP("RegisterTable", "active power min L3"), watts, 32)
        + extremePair(QT_TRANSLATE_NOOP("RegisterTable", "reactive power max L1"),
            QT_TRANSLATE_NOOP("RegisterTable", "reactive power min L1"), vars, 36)
        + extremePair(QT_TRANSLATE_NOOP("RegisterTable", "reactive power max L2"),
            QT_TRANSLATE_NOOP("RegisterTable", "reactive power min L2"), vars, 40)
        + extremePair(QT_TRANSLATE_NOOP("RegisterTable", "reactive power max L3"),
            QT_TRANSLATE_NOOP("RegisterTable", "reactive power min L3"), vars, 44);

    // Words 0 to 3 of the module time: the seconds in milliseconds, then the moment.
    const QVector<Field> moduleTime = {{QT_TRANSLATE_NOOP("RegisterTable", "milliseconds"), 0, 1, "ms", 1},
        {QT_TRANSLATE_NOOP("RegisterTable", "date and time"), 1, 3, "", 1, false, Packing::ModuleTime}};

    return {
        {"moduleStatus", QT_TRANSLATE_NOOP("RegisterTable", "Module status"), M_COIL_MODULE_STATUS, Coils, 1,
            Access::Read, words({QT_TRANSLATE_NOOP("RegisterTable", "module status")})},
        {"synchronization", QT_TRANSLATE_NOOP("RegisterTable", "Clock synchronization"), M_COIL_SYNCHRONIZATION, Coils,
            1, Access::Read, words({QT_TRANSLATE_NOOP("RegisterTable", "not synchronized")})},
        {"passwordReset", QT_TRANSLATE_NOOP("RegisterTable", "Password reset"), M_REG_PASSWORD_RESET, HoldingRegisters,
            1, Access::Write, words({QT_TRANSLATE_NOOP("RegisterTable", "password reset")})},
        {"lastBoot", QT_TRANSLATE_NOOP("RegisterTable", "Last boot and versions"), M_REG_LAST_BOOT, HoldingRegisters, 8,
            Access::Read,
            {{QT_TRANSLATE_NOOP("RegisterTable", "milliseconds"), 0, 1, "", 1},
                {QT_TRANSLATE_NOOP("RegisterTable", "last boot"), 1, 5, "", 1, false, Packing::LastBoot},
                {QT_TRANSLATE_NOOP("RegisterTable", "firmware version"), 6, 1, "", 1},
                {QT_TRANSLATE_NOOP("RegisterTable", "hardware version"), 7, 1, "", 1}}},
        {"firmwareVersion", QT_TRANSLATE_NOOP("RegisterTable", "Firmware version"), M_REG_FIRMWARE_VERSION,
            HoldingRegisters, 1, Access::Read, words({QT_TRANSLATE_NOOP("RegisterTable", "firmware version")})},
        {"moduleClock", QT_TRANSLATE_NOOP("RegisterTable", "Module clock"), M_REG_MODULE_TIME, HoldingRegisters, 4,
            Access::Write, moduleTime},
        {"moduleTime", QT_TRANSLATE_NOOP("RegisterTable", "Module time and serial settings"), M_REG_MODULE_TIME,
            HoldingRegisters, 9, Access::Read,
            moduleTime
                + QVector<Field> {{QT_TRANSLATE_NOOP("RegisterTable", "time duration for means"), 4, 1, "min", 1},
                    {QT_TRANSLATE_NOOP("RegisterTable", "parity"), 5, 1, "", 1},
                    {QT_TRANSLATE_NOOP("RegisterTable", "baud rate"), 6, 2, "Bd", 1},
                    {QT_TRANSLATE_NOOP("RegisterTable", "slave address"), 8, 1, "", 1}}},
        {"meanDuration", QT_TRANSLATE_NOOP("RegisterTable", "Time duration for means"), M_REG_MEAN_DURATION,
            HoldingRegisters, 1, Access::Write,
            {{QT_TRANSLATE_NOOP("RegisterTable", "time duration for means"), 0, 1, "min", 1}}},
        {"serialSettings", QT_TRANSLATE_NOOP("RegisterTable", "Serial settings"), M_REG_PARITY, HoldingRegisters, 4,
            Access::Write,
            {{QT_TRANSLATE_NOOP("RegisterTable", "parity"), 0, 1, "", 1},
                {QT_TRANSLATE_NOOP("RegisterTable", "baud rate"), 1, 2, "Bd", 1},
                {QT_TRANSLATE_NOOP("RegisterTable", "slave address"), 3, 1, "", 1}}},
        {"fuses", QT_TRANSLATE_NOOP("RegisterTable", "Fuses"), M_COIL_FUSE_BLOWN, Coils, 3, Access::Read,
            words({QT_TRANSLATE_NOOP("RegisterTable", "fuse L1 blown"),
                QT_TRANSLATE_NOOP("RegisterTable", "fuse L2 blown"),
                QT_TRANSLATE_NOOP("RegisterTable", "fuse L3 blown")})},
        {"instantValues", QT_TRANSLATE_NOOP("RegisterTable", "Instant values"), M_REG_INSTANT_VALUES, HoldingRegisters,
            24, Access::Read, measurements},
        {"meanTimestamp", QT_TRANSLATE_NOOP("RegisterTable", "Time of the means"), M_REG_MEAN_TIMESTAMP,
            HoldingRegisters, 4, Access::Read, moduleTime},
        {"meanValues", QT_TRANSLATE_NOOP("RegisterTable", "Mean values"), M_REG_MEAN_VALUES, HoldingRegisters, 24,
            Access::Read, measurements},
        {"extremes", QT_TRANSLATE_NOOP("RegisterTable", "Minimum and maximum values"), M_REG_MIN_MAX_VALUES,
            HoldingRegisters, 48, Access::Read, extremes},
        {"powerCalculation", QT_TRANSLATE_NOOP("RegisterTable", "Active power calculation and frequency"),
            M_COIL_ACTIVE_POWER_CALC, Coils, 2, Access::Read,
            words({QT_TRANSLATE_NOOP("RegisterTable", "active power on the fundamental"),
                QT_TRANSLATE_NOOP("RegisterTable", "60 Hz")})},
        {"powerCalculationWrite", QT_TRANSLATE_NOOP("RegisterTable", "Active power calculation and frequency"),
            M_COIL_ACTIVE_POWER_CALC, Coils, 2, Access::Write,
            words({QT_TRANSLATE_NOOP("RegisterTable", "active power on the fundamental"),
                QT_TRANSLATE_NOOP("RegisterTable", "60 Hz")})},
        {"ctRatioAndThresholds", QT_TRANSLATE_NOOP("RegisterTable", "Transformer ratios and thresholds"),
            M_REG_CT_RATIO, HoldingRegisters, 12, Access::Read, ctRead},
        {"ctRatio", QT_TRANSLATE_NOOP("RegisterTable", "Transformer ratios"), M_REG_CT_RATIO, HoldingRegisters, 6,
            Access::Write, ctRead.mid(0, 3)},
        {"thresholds", QT_TRANSLATE_NOOP("RegisterTable", "Thresholds"), M_REG_VOLTAGE_THRESHOLD, HoldingRegisters, 6,
            Access::Write, thresholds},
        {"bootStatus", QT_TRANSLATE_NOOP("RegisterTable", "Bootloader status"), M_REG_STATUS, HoldingRegisters, 1,
            Access::Read, words({QT_TRANSLATE_NOOP("RegisterTable", "in bootloader")})},
        {"bootReset", QT_TRANSLATE_NOOP("RegisterTable", "Reset to the bootloader"), M_REG_RESET, HoldingRegisters, 1,
            Access::Write, words({QT_TRANSLATE_NOOP("RegisterTable", "reset")})},
        {"bootLengthHigh", QT_TRANSLATE_NOOP("RegisterTable", "Image length, high word"), M_REG_APP_LENGTH_MSB,
            HoldingRegisters, 1, Access::Write,
            {{QT_TRANSLATE_NOOP("RegisterTable", "image length bits 31 to 16"), 0, 1, "B", 1}}},
        {"bootLengthLow", QT_TRANSLATE_NOOP("RegisterTable", "Image length, low word"), M_REG_APP_LENGTH_LSB,
            HoldingRegisters, 1, Access::Write,
            {{QT_TRANSLATE_NOOP("RegisterTable", "image length bits 15 to 0"), 0, 1, "B", 1}}},
        {"bootChecksumHigh", QT_TRANSLATE_NOOP("RegisterTable", "Image CRC-32, high word"), M_REG_CHECKSUM_MSB,
            HoldingRegisters, 1, Access::Write, words({QT_TRANSLATE_NOOP("RegisterTable", "CRC-32 bits 31 to 16")})},
        {"bootChecksumLow", QT_TRANSLATE_NOOP("RegisterTable", "Image CRC-32, low word"), M_REG_CHECKSUM_LSB,
            HoldingRegisters, 1, Access::Write, words({QT_TRANSLATE_NOOP("RegisterTable", "CRC-32 bits 15 to 0")})},
        {"bootImageBlock", QT_TRANSLATE_NOOP("RegisterTable", "Image block"), M_REG_APP_DATA, HoldingRegisters, 10,
            Access::Write,
            {{QT_TRANSLATE_NOOP("RegisterTable", "offset"), 0, 2, "B", 1},
                {QT_TRANSLATE_NOOP("RegisterTable", "16 image bytes"), 2, 8, "", 1}}},
        {"voltagesLN", QT_TRANSLATE_NOOP("RegisterTable", "Phase-to-neutral voltages"), M_REG_VOLTAGE_LN,
            HoldingRegisters, 6, Access::Read,
            floats(
                {QT_TRANSLATE_NOOP("RegisterTable", "voltage L1-N"), QT_TRANSLATE_NOOP("RegisterTable", "voltage L2-N"),
                    QT_TRANSLATE_NOOP("RegisterTable", "voltage L3-N")},
                volts)},
        {"powerFactors", QT_TRANSLATE_NOOP("RegisterTable", "Power factors"), M_REG_COS_PHI, HoldingRegisters, 6,
            Access::Read,
            floats({QT_TRANSLATE_NOOP("RegisterTable", "cos phi L1"), QT_TRANSLATE_NOOP("RegisterTable", "cos phi L2"),
                       QT_TRANSLATE_NOOP("RegisterTable", "cos phi L3")},
                "")},
        {"voltagesLL", QT_TRANSLATE_NOOP("RegisterTable", "Phase-to-phase voltages and temperature"), M_REG_VOLTAGE_LL,
            HoldingRegisters, 9, Access::Read,
            floats({QT_TRANSLATE_NOOP("RegisterTable", "voltage L1-L2"),
                       QT_TRANSLATE_NOOP("RegisterTable", "voltage L2-L3"),
                       QT_TRANSLATE_NOOP("RegisterTable", "voltage L3-L1")},
                volts)
                + QVector<Field> {{"", 6, 2, "", 1},
                    {QT_TRANSLATE_NOOP("RegisterTable", "temperature"), 8, 1, "°C", 1}}},
        {"homeSettings", QT_TRANSLATE_NOOP("RegisterTable", "Temperature threshold, serial number, installation date"),
            M_REG_TEMPERATURE_THRESHOLD, HoldingRegisters, 11, Access::Read,
            {{QT_TRANSLATE_NOOP("RegisterTable", "temperature threshold"), 0, 1, "°C", 1},
                {QT_TRANSLATE_NOOP("RegisterTable", "temperature status"), 1, 1, "", 1},
                {QT_TRANSLATE_NOOP("RegisterTable", "temperature"), 2, 1, "°C", 1},
                {QT_TRANSLATE_NOOP("RegisterTable", "serial number"), 3, 5, "", 1, false, Packing::SerialNumber},
                {QT_TRANSLATE_NOOP("RegisterTable", "installation date"), 8, 3, "", 1, false,
                    Packing::InstallationDate}}},
        {"temperatureThreshold", QT_TRANSLATE_NOOP("RegisterTable", "Temperature threshold"),
            M_REG_TEMPERATURE_THRESHOLD, HoldingRegisters, 1, Access::Write,
            {{QT_TRANSLATE_NOOP("RegisterTable", "temperature threshold"), 0, 1, "°C", 1}}},
        {"temperatureStatus", QT_TRANSLATE_NOOP("RegisterTable", "Temperature status"), M_COIL_TEMPERATURE_STATUS,
            Coils, 1, Access::Read, words({QT_TRANSLATE_NOOP("RegisterTable", "temperature alarm")})},
        {"installationDate", QT_TRANSLATE_NOOP("RegisterTable", "Installation date"), M_REG_INSTALLATION_DATE,
            HoldingRegisters, 3, Access::Write,
            {{QT_TRANSLATE_NOOP("RegisterTable", "installation date"), 0, 3, "", 1, false, Packing::InstallationDate}}},
        {"fsdId", QT_TRANSLATE_NOOP("RegisterTable", "FSD ID"), M_REG_FSD_ID, HoldingRegisters, 3, Access::Read,
            {{QT_TRANSLATE_NOOP("RegisterTable", "FSD ID"), 0, 3, "", 1, false, Packing::FsdId}}},
        {"fsdIdWrite", QT_TRANSLATE_NOOP("RegisterTable", "FSD ID"), M_REG_FSD_ID, HoldingRegisters, 3, Access::Write,
            {{QT_TRANSLATE_NOOP("RegisterTable", "FSD ID"), 0, 3, "", 1, false, Packing::FsdId}}},
    };
}

const RegisterTable::Block *find(Access access, int address)
{
    const auto &all = RegisterTable::blocks();
    auto it = std::find_if(all.begin(), all.end(), [&](const RegisterTable::Block &b) {
        return b.access == access && b.address == address;
    });
    return it == all.end() ? nullptr : &*it;
}

} // namespace

const QVector<RegisterTable::Block> &RegisterTable::blocks()
{
    static const QVector<Block> table = makeTable();
    return table;
}

const RegisterTable::Block *RegisterTable::read(int address)
{
    return find(Access::Read, address);
}

const RegisterTable::Block *RegisterTable::write(int address)
{
    return find(Access::Write, address);
}

const RegisterTable::Block *RegisterTable::byKey(const QString &key)
{
    const auto &all = blocks();
    auto it = std::find_if(all.begin(), all.end(), [&](const Block &b) { return b.key == key; });
    return it == all.end() ? nullptr : &*it;
}

int RegisterTable::readCount(int address)
{
    const Block *b = read(address);
    return b ? b->count : 0;
}

QString RegisterTable::translated(const QString &name)
{
    return QCoreApplication::translate("RegisterTable", name.toUtf8().constData());
}

BlockWords::BlockWords(const RegisterTable::Block &block, const QVector<quint16> &words)
    : block(&block), values(words)
{
    Q_ASSERT(words.size() == block.count);
}

BlockWords::BlockWords(const QString &key, const QVector<quint16> &words)
    : BlockWords(*RegisterTable::byKey(key), words)
{
    Q_ASSERT(block->access == RegisterTable::Access::Read);
}

const RegisterTable::Field &BlockWords::field(const QString &name) const
{
    auto it = std::find_if(block->fields.begin(), block->fields.end(),
                           [&](const RegisterTable::Field &f) { return f.name == name; });
    Q_ASSERT_X(it != block->fields.end(), "BlockWords::field", qPrintable(block->key + QLatin1Char(' ') + name));
    return *it;
}

QVector<quint16> BlockWords::words(const QString &name) const
{
    const RegisterTable::Field &f = field(name);
    return values.mid(f.offset, f.words);
}

int BlockWords::number(const QString &name) const
{
    const RegisterTable::Field &f = field(name);
    const quint32 raw = f.words == 2 ? WordCodec::toUnsigned32(values[f.offset], values[f.offset + 1])
                                     : values[f.offset];
    return int(raw / quint32(f.scale));
}

QString BlockWords::text(const QString &name) const
{
    const RegisterTable::Field &f = field(name);
    const QVector<quint16> w = values.mid(f.offset, f.words);
    switch (f.packing) {
    case RegisterTable::Packing::ModuleTime:
        return WordCodec::dateTimeText(w[0], w[1], w[2]);
    case RegisterTable::Packing::LastBoot:
        return WordCodec::lastBootText(w[0], w[1], w[2], w[3], w[4]);
    case RegisterTable::Packing::InstallationDate:
        return WordCodec::installationDateText(w[0], w[1], w[2]);
    case RegisterTable::Packing::FsdId:
        return WordCodec::fsdIdText(w[0], w[1], w[2]);
    case RegisterTable::Packing::SerialNumber:
        return WordCodec::serialNumberText(w);
    case RegisterTable::Packing::CtRatio:
        return WordCodec::ctRatioText(w[0]);
    case RegisterTable::Packing::None:
        break;
    }
    return WordCodec::dec(number(name));
}

QDate BlockWords::date(const QString &name) const
{
    const RegisterTable::Field &f = field(name);
    Q_ASSERT(f.packing == RegisterTable::Packing::InstallationDate);
    return QDate(values[f.offset], values[f.offset + 1], values[f.offset + 2]);
}

QStringList BlockWords::floatTexts(const QString &first, int count, int decimals) const
{
    return WordCodec::floatTexts(values, field(first).offset, count, decimals);
}
