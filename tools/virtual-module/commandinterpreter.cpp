#include "commandinterpreter.h"

#include "moduleline.h"
#include "moduleoptions.h"
#include "virtualmodule.h"

#include <QRegularExpression>

namespace {

const QString Ok = QStringLiteral("ok");

QString error(const QString &reason)
{
    return QStringLiteral("error ") + reason;
}

// Decimal or 0x-prefixed hexadecimal, within [min, max].
bool number(const QString &text, int min, int max, int *out)
{
    bool ok = false;
    const int v = text.toInt(&ok, 0);
    if (!ok || v < min || v > max)
        return false;
    *out = v;
    return true;
}

// "on"/"off" or "1"/"0".
bool onOff(const QString &text, bool *out)
{
    if (text == QLatin1String("on") || text == QLatin1String("1")) {
        *out = true;
        return true;
    }
    if (text == QLatin1String("off") || text == QLatin1String("0")) {
        *out = false;
        return true;
    }
    return false;
}


} // namespace

CommandInterpreter::CommandInterpreter(ModuleLine &line)
    : m_line(line)
{
}

QString CommandInterpreter::execute(const QString &line)
{
    QStringList args = line.trimmed().split(QRegularExpression(QStringLiteral("\\s+")),
                                            Qt::SkipEmptyParts);
    if (args.isEmpty())
        return error(QStringLiteral("empty command"));
    QString command = args.takeFirst().toLower();

    m_module = m_line.firstModule();
    const bool addressed = command == QLatin1String("slave");
    if (addressed) {
        int slave = 0;
        if (args.size() < 2 || !number(args[0], 1, 247, &slave))
            return error(QStringLiteral("usage: slave N COMMAND ..."));
        m_module = m_line.module(slave);
        if (!m_module)
            return error(QStringLiteral("no module at slave %1").arg(slave));
        args.removeFirst();
        command = args.takeFirst().toLower();
        static const QStringList lineWide{"line", "noise", "seed", "drop", "plug", "quit"};
        if (lineWide.contains(command))
            return error(command + QStringLiteral(" is the whole line's: give it without slave"));
    }

    if (command == QLatin1String("silent") || command == QLatin1String("corrupt")
        || command == QLatin1String("freeze")) {
        bool on = false;
        if (args.size() != 1 || !onOff(args[0], &on))
            return error(QStringLiteral("usage: %1 on|off").arg(command));
        if (command == QLatin1String("silent") && !addressed)
            m_line.setSilent(on);
        else if (command == QLatin1String("silent"))
            m_module->setSilent(on);
        else if (command == QLatin1String("corrupt"))
            m_module->setCorruptCrc(on);
        else
            m_module->setMeasurementsFrozen(on);
        return Ok;
    }
    if (command == QLatin1String("delay")) {
        int ms = 0;
        if (args.size() != 1 || !number(args[0], 0, 600000, &ms))
            return error(QStringLiteral("usage: delay MS"));
        m_module->setDelay(ms);
        return Ok;
    }
    if (command == QLatin1String("exception"))
        return exception(args);
    if (command == QLatin1String("line"))
        return lineTiming(args);
    if (command == QLatin1String("latency"))
        return latency(args);
    if (command == QLatin1String("late") || command == QLatin1String("duplicate"))
        return share(command, args);
    if (command == QLatin1String("noise"))
        return noise(args);
    if (command == QLatin1String("seed"))
        return seed(args);
    if (command == QLatin1String("alarm"))
        return alarm(args);
    if (command == QLatin1String("get"))
        return read(args, false);
    if (command == QLatin1String("getcoil"))
        return read(args, true);
    if (command == QLatin1String("set"))
        return write(args, false);
    if (command == QLatin1String("setcoil"))
        return write(args, true);
    if (command == QLatin1String("drop")) {
        m_line.drop();
        return Ok;
    }
    if (command == QLatin1String("plug")) {
        QString reason;
        if (!m_line.plug(&reason))
            return error(QStringLiteral("cannot open port: ") + reason);
        return Ok;
    }
    if (command == QLatin1String("mode")) {
        switch (m_module->mode()) {
        case VirtualModule::Mode::Application: return QStringLiteral("ok application");
        case VirtualModule::Mode::Bootloader: return QStringLiteral("ok bootloader");
        case VirtualModule::Mode::Resetting: break;
        }
        // Neither runs while the module restarts; it answers nothing on the bus.
        return QStringLiteral("ok resetting");
    }
    if (command == QLatin1String("quit")) {
        m_quit = true;
        return Ok;
    }
    return error(QStringLiteral("unknown command ") + command);
}

QString CommandInterpreter::alarm(const QStringList &args)
{
    bool on = false;
    if (args.size() == 2 && args[0] == QLatin1String("status") && onOff(args[1], &on)) {
        m_module->setModuleStatus(on);
        return Ok;
    }
    int phase = 0;
    if (args.size() == 3 && args[0] == QLatin1String("fuse") && number(args[1], 1, 3, &phase)
        && onOff(args[2], &on)) {
        m_module->setFuseBlown(phase, on);
        return Ok;
    }
    if (args.size() == 2 && args[0] == QLatin1String("temperature")) {
        if (args[1] == QLatin1String("auto")) {
            m_module->setTemperatureAlarm(VirtualModule::TemperatureAlarm::Auto);
            return Ok;
        }
        if (onOff(args[1], &on)) {
            m_module->setTemperatureAlarm(on ? VirtualModule::TemperatureAlarm::On
                                            : VirtualModule::TemperatureAlarm::Off);
            return Ok;
        }
    }
    return error(QStringLiteral("usage: alarm status 0|1 | alarm fuse 1|2|3 0|1 | "
                                "alarm temperature 0|1|auto"));
}

QString CommandInterpreter::exception(const QStringList &args)
{
    if (args.size() == 1 && args[0] == QLatin1String("clear")) {
        m_module->clearForcedExceptions();
        return Ok;
    }
    int address = 0;
    int code = 0;
    if (args.size() == 2 && number(args[0], 0, 65535, &address)) {
        if (args[1] == QLatin1String("off")) {
            m_module->clearForcedException(address);
            return Ok;
        }
        if (number(args[1], 1, 255, &code)) {
            m_module->setForcedException(address, code);
            return Ok;
        }
    }
    return error(QStringLiteral("usage: exception ADDR CODE | exception ADDR off | exception clear"));
}

QString CommandInterpreter::lineTiming(const QStringList &args)
{
    int baud = 0;
    if (args.size() == 1 && args[0] == QLatin1String("on")) {
        // A module's line runs at the rate it was set up for.
        m_line.setLineBaud(m_line.ownBaudRate());
        return Ok;
    }
    if (args.size() == 1 && args[0] == QLatin1String("off")) {
        m_line.setLineBaud(0);
        return Ok;
    }
    if (args.size() == 2 && args[0] == QLatin1String("baud")
        && (args[1] == QLatin1String("off") || number(args[1], 0, 4000000, &baud))) {
        m_line.setLineBaud(baud);
        return Ok;
    }
    return error(QStringLiteral("usage: line on|off | line baud N|off"));
}

QString CommandInterpreter::latency(const QStringList &args)
{
    int minMs = 0;
    int maxMs = 0;
    if (args.size() == 1 && args[0] == QLatin1String("off")) {
        m_module->setLatency(0, 0);
        return Ok;
    }
    if (args.size() == 2 && number(args[0], 0, 600000, &minMs) && number(args[1], minMs, 600000, &maxMs)) {
        m_module->setLatency(minMs, maxMs);
        return Ok;
    }
    return error(QStringLiteral("usage: latency MIN MAX | latency off"));
}

// "late P MS", "duplicate [P] MS", or either "off".
QString CommandInterpreter::share(const QString &command, const QStringList &args)
{
    const bool late = command == QLatin1String("late");
    double p = 1;
    int ms = 0;
    bool ok = false;
    if (args.size() == 1 && args[0] == QLatin1String("off")) {
        p = 0;
        ok = true;
    } else if (args.size() == 2) {
        ok = ModuleOptions::toProbability(args[0], &p) && number(args[1], 0, 600000, &ms);
    } else if (args.size() == 1 && !late) {
        ok = number(args[0], 0, 600000, &ms);
    }
    if (!ok)
        return error(late ? QStringLiteral("usage: late P MS | late off")
                          : QStringLiteral("usage: duplicate [P] MS | duplicate off"));
    if (late)
        m_module->setLate(p, ms);
    else
        m_module->setDuplicate(p, ms);
    return Ok;
}

QString CommandInterpreter::noise(const QStringList &args)
{
    double rate = 0;
    if (args.size() != 1 || (args[0] != QLatin1String("off") && !ModuleOptions::toProbability(args[0], &rate)))
        return error(QStringLiteral("usage: noise RATE | noise off"));
    m_line.setNoise(rate);
    return Ok;
}

QString CommandInterpreter::seed(const QStringList &args)
{
    if (args.isEmpty())
        return QStringLiteral("ok ") + QString::number(m_line.seed());
    bool ok = false;
    const quint32 value = args[0].toUInt(&ok, 0);
    if (args.size() != 1 || !ok)
        return error(QStringLiteral("usage: seed [N]"));
    m_line.setSeed(value);
    return Ok;
}

QString CommandInterpreter::read(const QStringList &args, bool coils)
{
    int address = 0;
    int count = 1;
    if (args.isEmpty() || args.size() > 2 || !number(args[0], 0, 65535, &address)
        || (args.size() == 2 && !number(args[1], 1, 2000, &count)))
        return error(QStringLiteral("usage: %1 ADDR [COUNT]").arg(coils ? "getcoil" : "get"));
    QVector<quint16> values;
    const auto table = coils ? VirtualModule::Table::Coils : VirtualModule::Table::Holding;
    if (!m_module->peek(table, address, count, &values))
        return error(QStringLiteral("unmapped address in %1..%2").arg(address).arg(address + count - 1));
    QString answer = Ok;
    for (const quint16 v : values)
        answer += QLatin1Char(' ') + QString::number(v);
    return answer;
}

QString CommandInterpreter::write(const QStringList &args, bool coils)
{
    int address = 0;
    QVector<quint16> values;
    bool ok = args.size() >= 2 && number(args[0], 0, 65535, &address);
    for (int i = 1; ok && i < args.size(); ++i) {
        int v = 0;
        ok = number(args[i], 0, coils ? 1 : 65535, &v);
        values.append(quint16(v));
    }
    if (!ok)
        return error(QStringLiteral("usage: %1 ADDR V1 [V2 ...]").arg(coils ? "setcoil" : "set"));
    const auto table = coils ? VirtualModule::Table::Coils : VirtualModule::Table::Holding;
    if (!m_module->poke(table, address, values))
        return error(QStringLiteral("unmapped address or invalid value in %1..%2")
                         .arg(address).arg(address + values.size() - 1));
    return Ok;
}
