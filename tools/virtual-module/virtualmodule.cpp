#include "virtualmodule.h"

#include "checksum.h"
#include "request.h"
#include "requestlog.h"

#include <QFile>
#include <QJsonArray>
#include <QLoggingCategory>
#include <QModbusPdu>
#include <QRandomGenerator>
#include <QSerialPort>

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

VirtualModule::VirtualModule(const QElapsedTimer &runTime, QObject *parent)
    : QModbusRtuSerialSlave(parent)
    , m_runTime(runTime)
{
    // Answers held back or damaged bypass the framework and go out on its
    // own port.
    m_port = findChild<QSerialPort *>();
    setSeed(QRandomGenerator::system()->generate());

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

void VirtualModule::setLineSettings(int slave, int parityCode, int baudRate)
{
    m_baudRate = baudRate;
    m_parityCode = parityCode;
    m_map.setValues(Table::Holding, Parity, {quint16(parityCode), quint16(quint32(baudRate) >> 16),
                                             quint16(baudRate & 0xFFFF), quint16(slave)});
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

void VirtualModule::dropLine()
{
    disconnectDevice();
}

bool VirtualModule::plugLine(QString *error)
{
    if (state() == QModbusDevice::ConnectedState)
        return true;
    if (!connectDevice() || state() != QModbusDevice::ConnectedState) {
        *error = errorString();
        return false;
    }
    return true;
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

QModbusResponse VirtualModule::processRequest(const QModbusPdu &pdu)
{
    const qint64 heard = now();
    const Request request = Request::fromPdu(pdu);
    const bool broadcast = processesBroadcast();

    // Sent at another baud rate or parity, the frame reaches a real module as
    // garbage: it acts on nothing and answers nothing.
    if (m_toolEnd) {
        ToolEnd::Settings tool;
        const bool known = m_toolEnd->read(&tool);
        if (!known || !lineMatches(tool)) {
            log(request, QStringLiteral("line settings differ"),
                {{"line", known ? tool.text() : QStringLiteral("unknown")}});
            return {};
        }
    }

    // A resetting module hears nothing; a silenced one hears but never answers.
    if (m_silent || m_mode == Mode::Resetting) {
        log(request, QStringLiteral("silent"));
        return {};
    }

    const QModbusResponse response = execute(request);
    if (broadcast) {
        log(request, QStringLiteral("silent"));
        return response; // the framework sends nothing for a broadcast
    }

    // Drawn in a fixed order so that a seed repeats the same run.
    const int latency = m_latencyMin == m_latencyMax
                            ? m_latencyMin
                            : std::uniform_int_distribution<int>(m_latencyMin, m_latencyMax)(m_random);
    const bool late = chance(m_lateProbability);
    const bool duplicated = chance(m_duplicateProbability);

    QString answer = response.isException()
                         ? QStringLiteral("exception %1").arg(int(response.exceptionCode()))
                         : QStringLiteral("normal");
    if (m_corrupt)
        answer = QStringLiteral("corrupt");
    else if (latency > 0)
        answer = QStringLiteral("delayed");

    // Plain answers go through the framework, unless one still waiting must
    // go out first.
    if (!m_corrupt && latency == 0 && !late && !duplicated && m_noiseRate <= 0 && m_lineBaud == 0
        && m_pending == 0) {
        log(request, answer, {{"due", heard / 1000.0}, {"faults", QJsonArray()}});
        return response;
    }

    // The tool wrote the request at once; on the line it takes its time,
    // and the silence after it ends the frame.
    const QByteArray adu = frame(response, m_corrupt);
    const qint64 start = heard + frameTime(pdu.size() + 3) + silenceTime()
                         + 1000 * qint64(latency + (late ? m_lateMs : 0));
    int flipped = 0;
    const qint64 due = transmit(adu, start, &flipped);
    if (duplicated)
        transmit(adu, due + 1000 * qint64(m_duplicateMs), &flipped);

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
    return {};
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
    adu.append(char(serverAddress()));
    adu.append(char(quint8(response.functionCode()) | (response.isException() ? 0x80 : 0)));
    adu.append(response.data());
    quint16 crc = Checksum::modbusCrc16(adu);
    if (corrupt)
        crc ^= 0xFFFF;
    adu.append(char(crc & 0xFF));
    adu.append(char(crc >> 8));
    return adu;
}

qint64 VirtualModule::transmit(const QByteArray &adu, qint64 start, int *flipped)
{
    // One frame at a time on the line, each after the silence that ends the last.
    start = qMax(start, m_lineFreeAt + silenceTime());
    QByteArray sent = adu;
    if (m_noiseRate > 0) {
        for (int i = 0; i < sent.size(); ++i) {
            if (chance(m_noiseRate)) {
                sent[i] = char(quint8(sent[i]) ^ (1 << std::uniform_int_distribution<int>(0, 7)(m_random)));
                ++*flipped;
            }
        }
    }
    m_lineFreeAt = start + frameTime(sent.size());
    writeAt(sent, m_lineFreeAt);
    return m_lineFreeAt;
}

void VirtualModule::writeAt(const QByteArray &adu, qint64 due)
{
    const qint64 left = due - now();
    if (left <= 0) {
        if (m_port && m_port->isOpen())
            m_port->write(adu);
        return;
    }
    // Timers may fire a little early; then wait for the rest.
    ++m_pending;
    QTimer::singleShot(int((left + 999) / 1000), Qt::PreciseTimer, this, [this, adu, due] {
        --m_pending;
        writeAt(adu, due);
    });
}

qint64 VirtualModule::frameTime(int bytes) const
{
    // 11 bits a character: start, 8 data, parity or a second stop, stop.
    return m_lineBaud > 0 ? (qint64(bytes) * 11 * 1000000 + m_lineBaud - 1) / m_lineBaud : 0;
}

qint64 VirtualModule::silenceTime() const
{
    // 3.5 characters, but no less than the 1.75 ms a line above 19200 baud keeps.
    if (m_lineBaud <= 0)
        return 0;
    return qMax<qint64>((qint64(35) * 11 * 100000 + m_lineBaud - 1) / m_lineBaud, 1750);
}

bool VirtualModule::chance(double probability)
{
    if (probability <= 0)
        return false;
    if (probability >= 1)
        return true;
    return std::uniform_real_distribution<double>(0, 1)(m_random) < probability;
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

void VirtualModule::setSeed(quint32 seed)
{
    m_seed = seed;
    m_random.seed(seed);
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
        m_log->record(processesBroadcast() ? 0 : serverAddress(), request, answer, extra);
}
