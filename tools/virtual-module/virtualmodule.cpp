#include "virtualmodule.h"

#include "checksum.h"
#include "moduleline.h"
#include "request.h"
#include "requestlog.h"

#include <QFile>
#include <QJsonArray>
#include <QLoggingCategory>
#include <QModbusPdu>

// The virtual module's own lines, apart from the tool's layers when both log to one terminal.
Q_LOGGING_CATEGORY(moduleLog, "orvalis.virtualmodule")

namespace {

using Table = RegisterMap::Table;
using Access = RegisterMap::Access;

constexpr int IllegalDataAddress = 2;
constexpr int IllegalDataValue = 3;

// Coils
constexpr int ModuleStatus = 30000;
constexpr int Synchronization = 30002;
constexpr int FuseBlown = 32311;
constexpr int ActivePowerCalc = 50000;
constexpr int TemperatureStatus = 50574;

// Holding registers
constexpr int PasswordReset = 30501;
constexpr int LastBoot = 31000;
constexpr int FirmwareVersion = 31006;
constexpr int HardwareVersion = 31007;
constexpr int ModuleTime = 31500;
constexpr int MeanDuration = 31504;
constexpr int Parity = 31505;
constexpr int BaudRateHigh = 31506;
constexpr int SlaveAddress = 31508;
constexpr int CtRatio = 50501;
constexpr int Thresholds = 50507;
constexpr int TemperatureThreshold = 50573;
constexpr int Temperature = 50575;
constexpr int SerialNumber = 50576;
constexpr int InstallationDate = 50581;
constexpr int FsdId = 50589;

bool overlaps(int first, int count, int rangeFirst, int rangeCount)
{
    return first < rangeFirst + rangeCount && rangeFirst < first + count;
}

} // namespace

VirtualModule::VirtualModule(const QElapsedTimer &runTime, ModuleLine &line, int slave, QObject *parent)
    : QObject(parent)
    , m_runTime(runTime)
    , m_line(line)
    , m_slave(slave)
{
    defineApplicationMap();
    recordBoot();
    sampleMeasurements();

    m_sampleTimer.setInterval(1000);
    connect(&m_sampleTimer, &QTimer::timeout, this, &VirtualModule::sampleMeasurements);
    m_sampleTimer.start();

    m_resetTimer.setSingleShot(true);
    connect(&m_resetTimer, &QTimer::timeout, this, [this] {
        if (m_modeAfterReset == Mode::Bootloader) {
            m_bootloader.enter();
        } else {
            if (m_updateAfterReset) {
                const quint16 version = m_map.value(Table::Holding, FirmwareVersion);
                m_map.setValue(Table::Holding, FirmwareVersion, quint16(version + 1));
            }
            m_map.setValue(Table::Holding, Bootloader::Reset, 0);
            recordBoot();
        }
        m_mode = m_modeAfterReset;
    });
}

void VirtualModule::defineApplicationMap()
{
    const auto coil = [this](int a, int n, Access access, quint16 v) {
        m_map.define(Table::Coils, a, n, access, v);
    };
    coil(ModuleStatus, 1, Access::ReadOnly, 1);
    coil(Synchronization, 1, Access::ReadOnly, 1); // not synchronized until the clock is set
    coil(FuseBlown, 3, Access::ReadOnly, 0);
    coil(ActivePowerCalc, 1, Access::ReadWrite, 1);
    coil(ActivePowerCalc + 1, 1, Access::ReadWrite, 0);
    coil(TemperatureStatus, 1, Access::ReadOnly, 0);

    const auto reg = [this](int a, int n, Access access, quint16 v = 0) {
        m_map.define(Table::Holding, a, n, access, v);
    };
    const auto regs = [this](int a, Access access, const QVector<quint16> &values) {
        m_map.define(Table::Holding, a, values.size(), access);
        m_map.setValues(Table::Holding, a, values);
    };
    reg(PasswordReset, 1, Access::ReadWrite);
    reg(LastBoot, 6, Access::ReadOnly);
    reg(FirmwareVersion, 1, Access::ReadOnly, 112);
    reg(HardwareVersion, 1, Access::ReadOnly, 3);
    reg(ModuleTime, 4, Access::ReadWrite);
    regs(MeanDuration, Access::ReadWrite, {5, 1, 0, 19200, 247});
    regs(CtRatio, Access::ReadWrite, {1200, 0, 1200, 0, 1200, 0});
    regs(Thresholds, Access::ReadWrite, {1, 1, 1, 1, 2, 100});
    reg(Bootloader::Status, 1, Access::ReadOnly, 0);
    reg(Bootloader::Reset, 1, Access::ReadWrite, 0);

    reg(36812, 24, Access::ReadOnly); // instant values
    reg(36860, 4, Access::ReadOnly);  // time stamp of the means
    reg(36876, 24, Access::ReadOnly); // mean values
    reg(36924, 48, Access::ReadOnly); // extremes
    reg(50540, 6, Access::ReadOnly);  // phase-to-neutral voltages
    reg(50552, 6, Access::ReadOnly);  // power factors
    reg(50567, 6, Access::ReadOnly);  // phase-to-phase voltages
    reg(TemperatureThreshold, 1, Access::ReadWrite, 60);
    // The tool reads the alarm coil's address as a register inside two blocks.
    reg(TemperatureStatus, 1, Access::ReadOnly, 0);
    reg(Temperature, 1, Access::ReadOnly);
    regs(SerialNumber, Access::ReadOnly, {7, 1, 23, 45, 12});
    regs(InstallationDate, Access::ReadWrite, {2021, 6, 9});
    regs(FsdId, Access::ReadWrite, {quint16('O' << 8 | 'R'), quint16('V' << 8 | '0'), quint16('1' << 8)});
}

void VirtualModule::setLineSettings(int parityCode, int baudRate)
{
    m_baudRate = baudRate;
    m_parityCode = parityCode;
    m_map.setValues(Table::Holding, Parity, {quint16(parityCode), quint16(quint32(baudRate) >> 16),
                                             quint16(baudRate & 0xFFFF), quint16(m_slave)});
}

void VirtualModule::setNumberOnLine(int n)
{
    const int number = (n + 1) % 100;
    m_map.setValue(Table::Holding, SerialNumber + 4, quint16(12 + n));
    m_map.setValue(Table::Holding, FsdId + 1, quint16('V' << 8 | ('0' + number / 10)));
    m_map.setValue(Table::Holding, FsdId + 2, quint16(('0' + number % 10) << 8));
}

void VirtualModule::recordBoot()
{
    const QDateTime now = m_clock.now();
    const QTime t = now.time();
    const QDate d = now.date();
    m_map.setValues(Table::Holding, LastBoot, {quint16(t.second() * 1000 + t.msec()),
                                               quint16(t.minute()), quint16(t.hour()),
                                               quint16(d.day()), quint16(d.month()),
                                               quint16(d.year() % 100)});
}

void VirtualModule::sampleMeasurements()
{
    if (m_frozen)
        return;
    m_measurements.sample(m_runTime.elapsed() / 1000.0, m_clock.now(),
                          m_map.value(Table::Holding, MeanDuration));
    m_measurements.store(m_map);
}

void VirtualModule::refreshDynamicRegisters()
{
    m_map.setValues(Table::Holding, ModuleTime, ModuleClock::timeWords(m_clock.now()));
    bool alarm = m_map.value(Table::Holding, Temperature)
                 > m_map.value(Table::Holding, TemperatureThreshold);
    if (m_temperatureAlarm != TemperatureAlarm::Auto)
        alarm = m_temperatureAlarm == TemperatureAlarm::On;
    m_map.setValue(Table::Coils, TemperatureStatus, alarm);
    m_map.setValue(Table::Holding, TemperatureStatus, alarm);
}

void VirtualModule::setModuleStatus(bool ok)
{
    m_map.setValue(Table::Coils, ModuleStatus, ok);
}

void VirtualModule::setFuseBlown(int phase, bool blown)
{
    m_map.setValue(Table::Coils, FuseBlown + phase - 1, blown);
}

bool VirtualModule::peek(Table table, int address, int count, QVector<quint16> *values)
{
    refreshDynamicRegisters();
    values->clear();
    for (int a = address; a < address + count; ++a) {
        if (m_mode == Mode::Bootloader && m_bootloader.registers().contains(table, a))
            values->append(m_bootloader.registers().value(table, a));
        else if (m_map.contains(table, a))
            values->append(m_map.value(table, a));
        else
            return false;
    }
    return true;
}

bool VirtualModule::poke(Table table, int address, const QVector<quint16> &values)
{
    for (int i = 0; i < values.size(); ++i) {
        const int a = address + i;
        if (!(m_mode == Mode::Bootloader && m_bootloader.registers().contains(table, a))
            && !m_map.contains(table, a))
            return false;
    }
    if (table == Table::Holding && overlaps(address, values.size(), ModuleTime, 4)) {
        if (!writeClockWords(address, values))
            return false;
    }
    for (int i = 0; i < values.size(); ++i) {
        const int a = address + i;
        if (m_mode == Mode::Bootloader && m_bootloader.registers().contains(table, a))
            m_bootloader.registers().setValue(table, a, values.at(i));
        else
            m_map.setValue(table, a, values.at(i));
    }
    return true;
}

void VirtualModule::handle(const QModbusRequest &pdu, bool broadcast)
{
    const qint64 heard = m_line.now();
    const Request request = Request::fromPdu(pdu);
    m_broadcast = broadcast;

    // Sent at another baud rate or parity, the frame reaches a real module as
    // garbage: it acts on nothing and answers nothing.
    if (const ToolEnd *toolEnd = m_line.toolEnd()) {
        ToolEnd::Settings tool;
        const bool known = toolEnd->read(&tool);
        if (!known || !lineMatches(tool)) {
            log(request, QStringLiteral("line settings differ"),
                {{"line", known ? tool.text() : QStringLiteral("unknown")}});
            return;
        }
    }

    // A resetting module hears nothing; a silenced one hears but never answers.
    if (m_silent || m_line.silent() || m_mode == Mode::Resetting) {
        log(request, QStringLiteral("silent"));
        return;
    }

    const QModbusResponse response = execute(request);
    if (broadcast) {
        log(request, QStringLiteral("silent"));
        return; // nobody answers a broadcast
    }

    // Drawn in a fixed order so that a seed repeats the same run.
    const int latency = m_latencyMin == m_latencyMax ? m_latencyMin
                                                     : m_line.draw(m_latencyMin, m_latencyMax);
    const bool late = m_line.chance(m_lateProbability);
    const bool duplicated = m_line.chance(m_duplicateProbability);

    QString answer = response.isException()
                         ? QStringLiteral("exception %1").arg(int(response.exceptionCode()))
                         : QStringLiteral("normal");
    if (m_corrupt)
        answer = QStringLiteral("corrupt");
    else if (latency > 0)
        answer = QStringLiteral("delayed");

    // Plain answers go out at once, unless one still waiting must go first.
    if (!m_corrupt && latency == 0 && !late && !duplicated && m_line.noise() <= 0
        && m_line.lineBaud() == 0 && !m_line.answersPending()) {
        log(request, answer, {{"due", heard / 1000.0}, {"faults", QJsonArray()}});
        m_line.send(frame(response, false));
        return;
    }

    // The tool wrote the request at once; on the line it takes its time,
    // and the silence after it ends the frame.
    const QByteArray adu = frame(response, m_corrupt);
    const qint64 start = heard + m_line.frameTime(pdu.size() + 3) + m_line.silenceTime()
                         + 1000 * qint64(latency + (late ? m_lateMs : 0));
    int flipped = 0;
    const qint64 due = m_line.transmit(adu, start, &flipped);
    if (duplicated)
        m_line.transmit(adu, due + 1000 * qint64(m_duplicateMs), &flipped);

    QJsonArray faults;
    if (late)
        faults.append(QStringLiteral("late"));
    if (duplicated)
        faults.append(QStringLiteral("duplicated"));
    QJsonObject extra{{"due", due / 1000.0}};
    if (flipped > 0) {
        faults.append(QStringLiteral("noise"));
        extra.insert(QStringLiteral("flipped"), flipped);
    }
    extra.insert(QStringLiteral("faults"), faults);
    log(request, answer, extra);
}

QModbusResponse VirtualModule::execute(const Request &request)
{
    const auto function = QModbusPdu::FunctionCode(request.function);
    for (auto it = m_forcedExceptions.constBegin(); it != m_forcedExceptions.constEnd(); ++it) {
        if (request.covers(it.key()))
            return QModbusExceptionResponse(function, QModbusPdu::ExceptionCode(it.value()));
    }
    if (request.formatException)
        return QModbusExceptionResponse(function, QModbusPdu::ExceptionCode(request.formatException));
    return m_mode == Mode::Bootloader ? executeBootloader(request) : executeApplication(request);
}

QModbusResponse VirtualModule::executeApplication(const Request &request)
{
    const auto function = QModbusPdu::FunctionCode(request.function);
    const Table table = request.isCoilRequest() ? Table::Coils : Table::Holding;
    if (!m_map.isMapped(table, request.address, request.count))
        return QModbusExceptionResponse(function, QModbusPdu::IllegalDataAddress);

    if (!request.isWrite()) {
        refreshDynamicRegisters();
        return readResponse(m_map, request);
    }
    if (!m_map.isWritable(table, request.address, request.count))
        return QModbusExceptionResponse(function, QModbusPdu::IllegalDataAddress);

    if (table == Table::Holding) {
        if (overlaps(request.address, request.count, ModuleTime, 4)) {
            if (!writeClockWords(request.address, request.values))
                return QModbusExceptionResponse(function, QModbusPdu::IllegalDataValue);
            m_map.setValue(Table::Coils, Synchronization, 0);
        }
        if (overlaps(request.address, request.count, MeanDuration, 1))
            m_measurements.restartMeanPeriod();
    }
    m_map.setValues(table, request.address, request.values);

    if (table == Table::Holding && request.covers(Bootloader::Reset)
        && request.values.at(Bootloader::Reset - request.address) == 1)
        startReset(Mode::Bootloader, false);
    return writeResponse(request);
}

QModbusResponse VirtualModule::executeBootloader(const Request &request)
{
    const auto function = QModbusPdu::FunctionCode(request.function);
    const RegisterMap &registers = m_bootloader.registers();
    if (request.isCoilRequest() || !registers.isMapped(Table::Holding, request.address, request.count))
        return QModbusExceptionResponse(function, QModbusPdu::IllegalDataAddress);
    if (!request.isWrite())
        return readResponse(registers, request);
    if (!registers.isWritable(Table::Holding, request.address, request.count))
        return QModbusExceptionResponse(function, QModbusPdu::IllegalDataAddress);

    if (request.covers(Bootloader::Reset)
        && request.values.at(Bootloader::Reset - request.address) == 1) {
        startReset(Mode::Bootloader, false);
        return writeResponse(request);
    }
    const Bootloader::WriteResult result = m_bootloader.write(request.address, request.values);
    if (result.exception)
        return QModbusExceptionResponse(function, QModbusPdu::ExceptionCode(result.exception));
    if (result.closed)
        finishTransfer(result);
    return writeResponse(request);
}

void VirtualModule::finishTransfer(const Bootloader::WriteResult &result)
{
    if (!m_imageOutput.isEmpty()) {
        QFile out(m_imageOutput);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(m_bootloader.closedImage());
        else
            qCWarning(moduleLog, "cannot write image to %s: %s", qPrintable(m_imageOutput),
                      qPrintable(out.errorString()));
    }
    if (result.verified)
        startReset(Mode::Application, true);
}

bool VirtualModule::writeClockWords(int address, const QVector<quint16> &values)
{
    QVector<quint16> words = ModuleClock::timeWords(m_clock.now());
    for (int i = 0; i < values.size(); ++i) {
        const int word = address + i - ModuleTime;
        if (word >= 0 && word < 4)
            words[word] = values.at(i);
    }
    QDateTime time;
    if (!ModuleClock::fromTimeWords(words, &time))
        return false;
    m_clock.set(time);
    m_measurements.restartMeanPeriod();
    return true;
}

QModbusResponse VirtualModule::readResponse(const RegisterMap &map, const Request &request) const
{
    const auto function = QModbusPdu::FunctionCode(request.function);
    const Table table = request.isCoilRequest() ? Table::Coils : Table::Holding;
    const QVector<quint16> values = map.values(table, request.address, request.count);
    QByteArray data;
    if (table == Table::Coils) {
        QByteArray bits((request.count + 7) / 8, '\0');
        for (int n = 0; n < values.size(); ++n) {
            if (values.at(n))
                bits[n / 8] = char(quint8(bits[n / 8]) | (1 << (n % 8)));
        }
        data.append(char(bits.size()));
        data.append(bits);
    } else {
        data.append(char(2 * values.size()));
        for (const quint16 v : values) {
            data.append(char(v >> 8));
            data.append(char(v & 0xFF));
        }
    }
    return QModbusResponse(function, data);
}

QModbusResponse VirtualModule::writeResponse(const Request &request) const
{
    const auto function = QModbusPdu::FunctionCode(request.function);
    quint16 second = quint16(request.count);
    if (request.function == Request::WriteSingleCoil)
        second = request.values.at(0) ? 0xFF00 : 0x0000;
    else if (request.function == Request::WriteSingleRegister)
        second = request.values.at(0);
    QByteArray data;
    for (const quint16 w : {quint16(request.address), second}) {
        data.append(char(w >> 8));
        data.append(char(w & 0xFF));
    }
    return QModbusResponse(function, data);
}

void VirtualModule::startReset(Mode next, bool updated)
{
    m_mode = Mode::Resetting;
    m_modeAfterReset = next;
    m_updateAfterReset = updated;
    m_resetTimer.start(m_resetTime);
}

QByteArray VirtualModule::frame(const QModbusResponse &response, bool corrupt) const
{
    QByteArray adu;
    adu.append(char(m_slave));
    adu.append(char(quint8(response.functionCode()) | (response.isException() ? 0x80 : 0)));
    adu.append(response.data());
    quint16 crc = Checksum::modbusCrc16(adu);
    if (corrupt)
        crc ^= 0xFFFF;
    adu.append(char(crc & 0xFF));
    adu.append(char(crc >> 8));
    return adu;
}

void VirtualModule::setLatency(int minMs, int maxMs)
{
    m_latencyMin = minMs;
    m_latencyMax = maxMs;
}

void VirtualModule::setLate(double probability, int ms)
{
    m_lateProbability = probability;
    m_lateMs = ms;
}

void VirtualModule::setDuplicate(double probability, int ms)
{
    m_duplicateProbability = probability;
    m_duplicateMs = ms;
}

bool VirtualModule::lineMatches(const ToolEnd::Settings &tool) const
{
    // Stop bits do not matter: a receiver that wants one hears two as idle line.
    if (tool.baudRate != m_baudRate)
        return false;
    switch (tool.parity) {
    case ToolEnd::Parity::NoneOrEven: // a pseudo-terminal cannot tell them apart
        return m_parityCode == 0 || m_parityCode == 1;
    case ToolEnd::Parity::Odd: return m_parityCode == 2;
    case ToolEnd::Parity::Mark:
    case ToolEnd::Parity::Space: break;
    }
    return false;
}

void VirtualModule::log(const Request &request, const QString &answer, const QJsonObject &extra)
{
    if (m_log)
        m_log->record(m_broadcast ? 0 : m_slave, request, answer, extra);
}
