#pragma once

#include "bootloader.h"
#include "measurements.h"
#include "moduleclock.h"
#include "registermap.h"
#include "toolend.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QMap>
#include <QModbusPdu>
#include <QTimer>

class ModuleLine;
class Request;
class RequestLog;

// The module as a Modbus RTU slave on a line: its register map, its clock and
// measurements, its bootloader, and the faults a test can switch on.
class VirtualModule : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Application, Resetting, Bootloader };
    enum class TemperatureAlarm { Auto, Off, On };
    using Table = RegisterMap::Table;

    // `runTime` started with the program; the request log and the simulated
    // measurements count from it.
    VirtualModule(const QElapsedTimer &runTime, ModuleLine &line, int slave, QObject *parent = nullptr);

    int slave() const { return m_slave; }
    // The line settings the module was started with, as its own registers
    // report them (parity code 0 none, 1 even, 2 odd).
    void setLineSettings(int parityCode, int baudRate);
    // Modules on one line left the factory one after another: the n-th (from
    // 0) has its own serial number and FSD ID.
    void setNumberOnLine(int n);
    void setRequestLog(RequestLog *log) { m_log = log; }
    void setResetTime(int ms) { m_resetTime = ms; }
    void setImageOutput(const QString &path) { m_imageOutput = path; }

    Mode mode() const { return m_mode; }

    void setSilent(bool on) { m_silent = on; }
    // The time the module takes to answer: fixed (delay) or drawn uniformly
    // from [minMs, maxMs] for each answer.
    void setDelay(int ms) { setLatency(ms, ms); }
    void setLatency(int minMs, int maxMs);
    void setCorruptCrc(bool on) { m_corrupt = on; }

    // A share of the answers comes `ms` later than the others.
    void setLate(double probability, int ms);
    // A share of the answers goes out again `ms` after it is complete.
    void setDuplicate(double probability, int ms);
    void setForcedException(int address, int code) { m_forcedExceptions.insert(address, code); }
    void clearForcedException(int address) { m_forcedExceptions.remove(address); }
    void clearForcedExceptions() { m_forcedExceptions.clear(); }

    void setModuleStatus(bool ok);
    void setFuseBlown(int phase, bool blown);
    void setTemperatureAlarm(TemperatureAlarm alarm) { m_temperatureAlarm = alarm; }
    // While frozen the simulation leaves the measurement registers alone, so
    // values stored from the control channel stay put.
    void setMeasurementsFrozen(bool frozen) { m_frozen = frozen; }

    // Control-channel access, past the bus access rights. In the bootloader
    // its own registers shadow the application's.
    bool peek(Table table, int address, int count, QVector<quint16> *values);
    bool poke(Table table, int address, const QVector<quint16> &values);

    // A request framed off the line for this module, or a broadcast.
    void handle(const QModbusRequest &pdu, bool broadcast);

private:
    void defineApplicationMap();
    void sampleMeasurements();
    void refreshDynamicRegisters();
    void recordBoot();

    QModbusResponse execute(const Request &request);
    QModbusResponse executeApplication(const Request &request);
    QModbusResponse executeBootloader(const Request &request);
    QModbusResponse readResponse(const RegisterMap &map, const Request &request) const;
    QModbusResponse writeResponse(const Request &request) const;
    // Returns false when the written clock words do not form a valid time.
    bool writeClockWords(int address, const QVector<quint16> &values);
    void finishTransfer(const Bootloader::WriteResult &result);

    void startReset(Mode next, bool updated);
    QByteArray frame(const QModbusResponse &response, bool corrupt) const;
    bool lineMatches(const ToolEnd::Settings &tool) const;
    void log(const Request &request, const QString &answer, const QJsonObject &extra = {});

    const QElapsedTimer &m_runTime;
    ModuleLine &m_line;
    const int m_slave;
    bool m_broadcast = false;
    RequestLog *m_log = nullptr;

    RegisterMap m_map;
    ModuleClock m_clock;
    Measurements m_measurements;
    Bootloader m_bootloader;
    QTimer m_sampleTimer;
    QTimer m_resetTimer;

    Mode m_mode = Mode::Application;
    Mode m_modeAfterReset = Mode::Application;
    bool m_updateAfterReset = false;
    int m_resetTime = 300;
    QString m_imageOutput;

    bool m_silent = false;
    int m_latencyMin = 0;
    int m_latencyMax = 0;
    bool m_corrupt = false;
    // The line the module runs on, as started; a write of its serial
    // registers is only stored.
    int m_baudRate = 19200;
    int m_parityCode = 1;
    double m_lateProbability = 0;
    int m_lateMs = 0;
    double m_duplicateProbability = 0;
    int m_duplicateMs = 0;
    QMap<int, int> m_forcedExceptions;
    TemperatureAlarm m_temperatureAlarm = TemperatureAlarm::Auto;
    bool m_frozen = false;
};
