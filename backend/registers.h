#ifndef REGISTERS_H
#define REGISTERS_H

// The module's coils and holding registers, as they go into a request.
namespace Registers {

enum RegisterType { Coils = 2, HoldingRegisters = 4 };

enum Coil {
    M_COIL_MODULE_STATUS = 30000,
    M_COIL_SYNCHRONIZATION = 30002,
    M_COIL_FUSE_BLOWN = 32311, // phases 1 to 3
    M_COIL_ACTIVE_POWER_CALC = 50000,
    M_COIL_FREQUENCY = 50001,
    M_COIL_TEMPERATURE_STATUS = 50574,
};

enum HoldingRegister {
    M_REG_PASSWORD_RESET = 30501,
    M_REG_LAST_BOOT = 31000,
    M_REG_FIRMWARE_VERSION = 31006,
    M_REG_HARDWARE_VERSION = 31007,
    M_REG_MODULE_TIME = 31500, // four module time words
    M_REG_MEAN_DURATION = 31504,
    M_REG_PARITY = 31505,
    M_REG_BAUDRATE_MSB = 31506,
    M_REG_BAUDRATE_LSB = 31507,
    M_REG_SLAVE_ADDRESS = 31508,
    M_REG_INSTANT_VALUES = 36812,
    M_REG_MEAN_TIMESTAMP = 36860,
    M_REG_MEAN_VALUES = 36876,
    M_REG_MIN_MAX_VALUES = 36924,
    M_REG_CT_RATIO = 50501,
    M_REG_VOLTAGE_THRESHOLD = 50507,
    M_REG_VOLTAGE_THRESHOLD_DURATION = 50508,
    M_REG_CURRENT_THRESHOLD = 50509,
    M_REG_CURRENT_THRESHOLD_DURATION = 50510,
    M_REG_MIN_TIME_MESSAGE = 50511,
    M_REG_CALL_MONITORING_TIME = 50512,
    M_REG_STATUS = 50521,
    M_REG_RESET = 50522,
    M_REG_APP_LENGTH_MSB = 50523,
    M_REG_APP_LENGTH_LSB = 50524,
    M_REG_CHECKSUM_MSB = 50525,
    M_REG_CHECKSUM_LSB = 50526,
    M_REG_APP_DATA = 50527,
    M_REG_VOLTAGE_LN = 50540,
    M_REG_COS_PHI = 50552,
    M_REG_VOLTAGE_LL = 50567,
    M_REG_TEMPERATURE_THRESHOLD = 50573,
    M_REG_TEMPERATURE = 50575,
    M_REG_SERIAL_NUMBER = 50576,
    M_REG_INSTALLATION_DATE = 50581,
    M_REG_FSD_ID = 50589,
};

// The measurement page's blocks in the order a round reads them; the last
// one closes the round.
constexpr int MeasurementBlocks[] = {M_REG_INSTANT_VALUES, M_REG_MEAN_TIMESTAMP, M_REG_MEAN_VALUES,
                                     M_REG_MIN_MAX_VALUES, M_REG_VOLTAGE_LN,     M_REG_COS_PHI,
                                     M_REG_VOLTAGE_LL};
// The alarm lamps' coils, as the poll reads them.
constexpr int AlarmCoils[] = {M_COIL_MODULE_STATUS, M_COIL_FUSE_BLOWN, M_COIL_TEMPERATURE_STATUS};

} // namespace Registers

#endif
