#include "backend/registertable.h"

#include <algorithm>

using namespace Registers;

namespace {

using Access = RegisterTable::Access;
using Field = RegisterTable::Field;

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
        {"voltage threshold", 0, 1, "V", 1},
        {"voltage threshold duration", 1, 1, "s", 1},
        {"current threshold", 2, 1, "A", 1},
        {"current threshold duration", 3, 1, "s", 1},
        {"minimum time between messages", 4, 1, "s", 1},
        {"call monitoring time", 5, 1, "s", 10},
    };
    // Named as the communication page shows them; each code is followed by a
    // word that is always 0, so it is one word, not a 32-bit number.
    const QVector<Field> ctRead = QVector<Field>{{"CT ratio phase 1", 0, 1, "", 1},
                                                 {"CT ratio phase 2", 2, 1, "", 1},
                                                 {"CT ratio phase 3", 4, 1, "", 1}}
                                  + shifted(thresholds, 6);
    const QVector<Field> measurements =
        floats({"current L1", "current L2", "current L3", "current N"}, "A")
        + shifted(floats({"active power L1", "active power L2", "active power L3", "active power total"}, "W"), 8)
        + shifted(floats({"reactive power L1", "reactive power L2", "reactive power L3",
                          "reactive power total"},
                         "var"),
                  16);
    const QVector<Field> extremes =
        floats({"current min L1", "current min L2", "current min L3", "current min N", "current max L1",
                "current max L2", "current max L3", "current max N"},
               "A")
        + shifted(floats({"power 1", "power 2", "power 3", "power 4", "power 5", "power 6", "power 7",
                          "power 8", "power 9", "power 10", "power 11", "power 12", "power 13",
                          "power 14", "power 15", "power 16"},
                         ""),
                  16);

    return {
        {"moduleStatus", "Module status", M_COIL_MODULE_STATUS, Coils, 1, Access::Read, words({"module status"})},
        {"synchronization", "Clock synchronization", M_COIL_SYNCHRONIZATION, Coils, 1, Access::Read,
         words({"not synchronized"})},
        {"passwordReset", "Password reset", M_REG_PASSWORD_RESET, HoldingRegisters, 1, Access::Write,
         words({"password reset"})},
        {"lastBoot", "Last boot and versions", M_REG_LAST_BOOT, HoldingRegisters, 8, Access::Read,
         words({"milliseconds", "minute", "hour", "day", "month", "year", "firmware version",
                "hardware version"})},
        {"firmwareVersion", "Firmware version", M_REG_FIRMWARE_VERSION, HoldingRegisters, 1, Access::Read,
         words({"firmware version"})},
        {"moduleClock", "Module clock", M_REG_MODULE_TIME, HoldingRegisters, 4, Access::Write,
         words({"milliseconds", "hour and minute", "month, weekday and day", "year"})},
        {"moduleTime", "Module time and serial settings", M_REG_MODULE_TIME, HoldingRegisters, 9, Access::Read,
         {{"milliseconds", 0, 1, "ms", 1},
          {"hour and minute", 1, 1, "", 1},
          {"month, weekday and day", 2, 1, "", 1},
          {"year", 3, 1, "", 1},
          {"time duration for means", 4, 1, "min", 1},
          {"parity", 5, 1, "", 1},
          {"baud rate", 6, 2, "Bd", 1},
          {"slave address", 8, 1, "", 1}}},
        {"meanDuration", "Time duration for means", M_REG_MEAN_DURATION, HoldingRegisters, 1, Access::Write,
         {{"time duration for means", 0, 1, "min", 1}}},
        {"serialSettings", "Serial settings", M_REG_PARITY, HoldingRegisters, 4, Access::Write,
         {{"parity", 0, 1, "", 1}, {"baud rate", 1, 2, "Bd", 1}, {"slave address", 3, 1, "", 1}}},
        {"fuses", "Fuses", M_COIL_FUSE_BLOWN, Coils, 3, Access::Read,
         words({"fuse L1 blown", "fuse L2 blown", "fuse L3 blown"})},
        {"instantValues", "Instant values", M_REG_INSTANT_VALUES, HoldingRegisters, 24, Access::Read, measurements},
        {"meanTimestamp", "Time of the means", M_REG_MEAN_TIMESTAMP, HoldingRegisters, 4, Access::Read,
         words({"milliseconds", "hour and minute", "month, weekday and day", "year"})},
        {"meanValues", "Mean values", M_REG_MEAN_VALUES, HoldingRegisters, 24, Access::Read, measurements},
        {"extremes", "Minimum and maximum values", M_REG_MIN_MAX_VALUES, HoldingRegisters, 48, Access::Read,
         extremes},
        {"powerCalculation", "Active power calculation and frequency", M_COIL_ACTIVE_POWER_CALC, Coils, 2,
         Access::Read, words({"active power on the fundamental", "60 Hz"})},
        {"powerCalculationWrite", "Active power calculation and frequency", M_COIL_ACTIVE_POWER_CALC, Coils, 2,
         Access::Write, words({"active power on the fundamental", "60 Hz"})},
        {"ctRatioAndThresholds", "Transformer ratios and thresholds", M_REG_CT_RATIO, HoldingRegisters, 12,
         Access::Read, ctRead},
        {"ctRatio", "Transformer ratios", M_REG_CT_RATIO, HoldingRegisters, 6, Access::Write,
         ctRead.mid(0, 3)},
        {"thresholds", "Thresholds", M_REG_VOLTAGE_THRESHOLD, HoldingRegisters, 6, Access::Write, thresholds},
        {"bootStatus", "Bootloader status", M_REG_STATUS, HoldingRegisters, 1, Access::Read,
         words({"in bootloader"})},
        {"bootReset", "Reset to the bootloader", M_REG_RESET, HoldingRegisters, 1, Access::Write,
         words({"reset"})},
        {"bootLengthHigh", "Image length, high word", M_REG_APP_LENGTH_MSB, HoldingRegisters, 1, Access::Write,
         {{"image length bits 31 to 16", 0, 1, "B", 1}}},
        {"bootLengthLow", "Image length, low word", M_REG_APP_LENGTH_LSB, HoldingRegisters, 1, Access::Write,
         {{"image length bits 15 to 0", 0, 1, "B", 1}}},
        {"bootChecksumHigh", "Image CRC-32, high word", M_REG_CHECKSUM_MSB, HoldingRegisters, 1, Access::Write,
         words({"CRC-32 bits 31 to 16"})},
        {"bootChecksumLow", "Image CRC-32, low word", M_REG_CHECKSUM_LSB, HoldingRegisters, 1, Access::Write,
         words({"CRC-32 bits 15 to 0"})},
        {"bootImageBlock", "Image block", M_REG_APP_DATA, HoldingRegisters, 10, Access::Write,
         {{"offset", 0, 2, "B", 1}, {"16 image bytes", 2, 8, "", 1}}},
        {"voltagesLN", "Phase-to-neutral voltages", M_REG_VOLTAGE_LN, HoldingRegisters, 6, Access::Read,
         floats({"voltage L1-N", "voltage L2-N", "voltage L3-N"}, "V")},
        {"powerFactors", "Power factors", M_REG_COS_PHI, HoldingRegisters, 6, Access::Read,
         floats({"cos phi L1", "cos phi L2", "cos phi L3"}, "")},
        {"voltagesLL", "Phase-to-phase voltages and temperature", M_REG_VOLTAGE_LL, HoldingRegisters, 9,
         Access::Read,
         floats({"voltage L1-L2", "voltage L2-L3", "voltage L3-L1"}, "V")
             + QVector<Field>{{"", 6, 2, "", 1}, {"temperature", 8, 1, "°C", 1}}},
        {"homeSettings", "Temperature threshold, serial number, installation date", M_REG_TEMPERATURE_THRESHOLD,
         HoldingRegisters, 11, Access::Read,
         {{"temperature threshold", 0, 1, "°C", 1},
          {"temperature status", 1, 1, "", 1},
          {"temperature", 2, 1, "°C", 1},
          {"serial number", 3, 5, "", 1},
          {"installation year", 8, 1, "", 1},
          {"installation month", 9, 1, "", 1},
          {"installation day", 10, 1, "", 1}}},
        {"temperatureThreshold", "Temperature threshold", M_REG_TEMPERATURE_THRESHOLD, HoldingRegisters, 1,
         Access::Write, {{"temperature threshold", 0, 1, "°C", 1}}},
        {"temperatureStatus", "Temperature status", M_COIL_TEMPERATURE_STATUS, Coils, 1, Access::Read,
         words({"temperature alarm"})},
        {"installationDate", "Installation date", M_REG_INSTALLATION_DATE, HoldingRegisters, 3, Access::Write,
         words({"year", "month", "day"})},
        {"fsdId", "FSD ID", M_REG_FSD_ID, HoldingRegisters, 3, Access::Read, {{"FSD ID", 0, 3, "", 1}}},
        {"fsdIdWrite", "FSD ID", M_REG_FSD_ID, HoldingRegisters, 3, Access::Write, {{"FSD ID", 0, 3, "", 1}}},
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
