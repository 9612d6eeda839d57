#pragma once

#include "bootloader.h"
#include "measurements.h"
#include "moduleclock.h"
#include "registermap.h"

#include <QElapsedTimer>
#include <QMap>
#include <QModbusRtuSerialSlave>
#include <QTimer>

class QSerialPort;
class Request;
class RequestLog;

// The module as a Modbus RTU slave: its register map, its clock and
// measurements, its bootloader, and the faults a test can switch on.
class VirtualModule : public QModbusRtuSerialSlave
{
    Q_OBJECT

public:
    enum class Mode { Application, Resetting, Bootloader };
    enum class TemperatureAlarm { Auto, Off, On };
    using Table = RegisterMap::Table;

    // `runTime` started with the program; the request log and the simulated
    // measurements count from it.
    explicit VirtualModule(const QElapsedTimer &runTime, QObject *parent = nullptr);

    // The line settings the module was started with, as its own registers
    // report them (parity code 0 none, 1 even, 2 odd).
    void setLineSettings(int slave, int parityCode, int baudRate);
    void setRequestLog(RequestLog *log) { m_log = log; }
    void setResetTime(int ms) { m_resetTime = ms; }
    void setImageOutput(const QString &path) { m_imageOutput = path; }

    Mode mode() const { return m_mode; }

    void setSilent(bool on) { m_silent = on; }
    void setDelay(int ms) { m_delay = ms; }
    void setCorruptCrc(bool on) { m_corrupt = on; }
    void setForcedException(int address, int code) { m_forcedExceptions.insert(address, code); }
    void clearForcedException(int address) { m_forcedExceptions.remove(address); }
    void clearForcedExceptions() { m_forcedExceptions.clear(); }

    void dropLine();
    bool plugLine(QString *error);

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

protected:
    QModbusResponse processRequest(const QModbusPdu &request) override;

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
    void sendLater(const QByteArray &adu, int delay);
    void log(const Request &request, const QString &answer);

    const QElapsedTimer &m_runTime;
    QSerialPort *m_port = nullptr;
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
    int m_delay = 0;
    bool m_corrupt = false;
    QMap<int, int> m_forcedExceptions;
    TemperatureAlarm m_temperatureAlarm = TemperatureAlarm::Auto;
    bool m_frozen = false;
};
