#include "moduleoptions.h"

#include <QCommandLineParser>

namespace {

bool toInt(const QString &text, int min, int max, int *out)
{
    bool ok = false;
    const int v = text.toInt(&ok, 0);
    if (!ok || v < min || v > max)
        return false;
    *out = v;
    return true;
}


// "MS" alone (every time) or "P:MS".
bool toShareAndTime(const QString &text, bool shareRequired, double *probability, int *ms)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() == 1 && !shareRequired) {
        *probability = 1;
        return toInt(parts[0], 0, 600000, ms);
    }
    return parts.size() == 2 && ModuleOptions::toProbability(parts[0], probability) && toInt(parts[1], 0, 600000, ms);
}

} // namespace

bool ModuleOptions::toProbability(const QString &text, double *out)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !(v >= 0 && v <= 1))
        return false;
    *out = v;
    return true;
}

bool ModuleOptions::toSlaveList(const QString &text, QVector<int> *out)
{
    QVector<int> list;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.split(QLatin1Char('-'));
        int first = 0;
        int last = 0;
        if (ends.size() > 2 || !toInt(ends.first(), 1, 247, &first)
            || !toInt(ends.last(), first, 247, &last))
            return false;
        for (int slave = first; slave <= last; ++slave) {
            if (list.contains(slave))
                return false;
            list.append(slave);
        }
    }
    *out = list;
    return true;
}

bool ModuleOptions::parse(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Virtual Orvalis module: a Modbus RTU slave on a serial port."));
    const QCommandLineOption helpOption(QStringList{"h", "help"}, QStringLiteral("Show this help."));
    const QCommandLineOption portOption("port", "Serial device to serve on (full path).", "PATH");
    const QCommandLineOption slaveOption("slave", "Slave address (247).", "N", "247");
    const QCommandLineOption slavesOption("slaves", "Host a module at each address of LIST (110-114,247).", "LIST");
    const QCommandLineOption baudOption("baud", "Baud rate (19200).", "N", "19200");
    const QCommandLineOption parityOption("parity", "none, even or odd (even).", "PARITY", "even");
    const QCommandLineOption logOption("log", "Write every request as a JSON line to FILE.", "FILE");
    const QCommandLineOption imageOption("image-out", "Write a received firmware image to FILE.", "FILE");
    const QCommandLineOption controlOption("control", "Accept control commands on this local socket.", "SOCKET_PATH");
    const QCommandLineOption resetOption("reset-time", "Silent time of a reset in ms (300).", "MS", "300");
    const QCommandLineOption silentOption("silent", "Start without answering requests.");
    const QCommandLineOption delayOption("delay", "Answer after MS milliseconds.", "MS", "0");
    const QCommandLineOption corruptOption("corrupt-crc", "Send answers with a wrong CRC.");
    const QCommandLineOption exceptionOption("exception", "Answer requests covering ADDR with exception CODE.", "ADDR:CODE");
    const QCommandLineOption lineBaudOption("line-baud", "Frames take their time on a line at N baud (0: off).", "N", "0");
    const QCommandLineOption latencyOption("latency", "Answer after a time drawn from MIN to MAX ms.", "MIN-MAX");
    const QCommandLineOption lateOption("late", "Send a share P (0 to 1) of the answers MS later.", "P:MS");
    const QCommandLineOption duplicateOption("duplicate", "Send every answer (or a share P) again MS after it.", "[P:]MS");
    const QCommandLineOption noiseOption("noise", "Flip a bit in each answer byte with probability RATE.", "RATE", "0");
    const QCommandLineOption seedOption("seed", "Seed of the random choices (default: a fresh one).", "N");
    const QCommandLineOption toolEndOption("tool-end", "The tool's end of the line: answer only requests sent at the module's baud rate and parity.", "PATH");
    parser.addOptions({helpOption, portOption, slaveOption, slavesOption, baudOption, parityOption, logOption,
                       imageOption, controlOption, resetOption, silentOption, delayOption,
                       corruptOption, exceptionOption, lineBaudOption, latencyOption, lateOption,
                       duplicateOption, noiseOption, seedOption, toolEndOption});

    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet(helpOption)) {
        help = true;
        *error = parser.helpText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument: ") + parser.positionalArguments().first();
        return false;
    }

    port = parser.value(portOption);
    if (port.isEmpty()) {
        *error = QStringLiteral("--port PATH is required");
        return false;
    }
    int slave = 0;
    if (!toInt(parser.value(slaveOption), 1, 247, &slave)) {
        *error = QStringLiteral("--slave must be 1 to 247");
        return false;
    }
    slaves = {slave};
    if (parser.isSet(slavesOption)) {
        if (parser.isSet(slaveOption)) {
            *error = QStringLiteral("give --slave or --slaves, not both");
            return false;
        }
        if (!toSlaveList(parser.value(slavesOption), &slaves)) {
            *error = QStringLiteral("--slaves takes addresses and ranges from 1 to 247, each once (110-114,247)");
            return false;
        }
    }
    if (!toInt(parser.value(baudOption), 1, 4000000, &baudRate)) {
        *error = QStringLiteral("--baud must be a positive number");
        return false;
    }
    const QString parityText = parser.value(parityOption).toLower();
    if (parityText == QLatin1String("none")) {
        parity = QSerialPort::NoParity;
        parityCode = 0;
    } else if (parityText == QLatin1String("even")) {
        parity = QSerialPort::EvenParity;
        parityCode = 1;
    } else if (parityText == QLatin1String("odd")) {
        parity = QSerialPort::OddParity;
        parityCode = 2;
    } else {
        *error = QStringLiteral("--parity must be none, even or odd");
        return false;
    }
    logFile = parser.value(logOption);
    imageOut = parser.value(imageOption);
    controlSocket = parser.value(controlOption);
    toolEnd = parser.value(toolEndOption);
    if (!toInt(parser.value(resetOption), 0, 600000, &resetTime)) {
        *error = QStringLiteral("--reset-time must be a number of milliseconds");
        return false;
    }
    silent = parser.isSet(silentOption);
    if (!toInt(parser.value(delayOption), 0, 600000, &latencyMin)) {
        *error = QStringLiteral("--delay must be a number of milliseconds");
        return false;
    }
    latencyMax = latencyMin;
    if (parser.isSet(latencyOption)) {
        const QStringList range = parser.value(latencyOption).split(QLatin1Char('-'));
        if (parser.isSet(delayOption)) {
            *error = QStringLiteral("give --delay or --latency, not both");
            return false;
        }
        if (range.size() != 2 || !toInt(range[0], 0, 600000, &latencyMin)
            || !toInt(range[1], latencyMin, 600000, &latencyMax)) {
            *error = QStringLiteral("--latency takes MIN-MAX milliseconds, MIN <= MAX");
            return false;
        }
    }
    if (!toInt(parser.value(lineBaudOption), 0, 4000000, &lineBaud)) {
        *error = QStringLiteral("--line-baud must be a baud rate, or 0");
        return false;
    }
    if (parser.isSet(lateOption)
        && !toShareAndTime(parser.value(lateOption), true, &lateProbability, &lateMs)) {
        *error = QStringLiteral("--late takes P:MS, P from 0 to 1");
        return false;
    }
    if (parser.isSet(duplicateOption)
        && !toShareAndTime(parser.value(duplicateOption), false, &duplicateProbability, &duplicateMs)) {
        *error = QStringLiteral("--duplicate takes MS or P:MS, P from 0 to 1");
        return false;
    }
    if (!toProbability(parser.value(noiseOption), &noiseRate)) {
        *error = QStringLiteral("--noise takes a rate from 0 to 1");
        return false;
    }
    if (parser.isSet(seedOption)) {
        bool ok = false;
        seed = parser.value(seedOption).toUInt(&ok, 0);
        if (!ok) {
            *error = QStringLiteral("--seed must be a number from 0 to 4294967295");
            return false;
        }
        seedSet = true;
    }
    corruptCrc = parser.isSet(corruptOption);
    for (const QString &value : parser.values(exceptionOption)) {
        const QStringList parts = value.split(QLatin1Char(':'));
        int address = 0;
        int code = 0;
        if (parts.size() != 2 || !toInt(parts[0], 0, 65535, &address) || !toInt(parts[1], 1, 255, &code)) {
            *error = QStringLiteral("--exception takes ADDR:CODE, got ") + value;
            return false;
        }
        exceptions.append({address, code});
    }
    return true;
}
