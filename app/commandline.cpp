#include "app/commandline.h"

#include "app/terminationwatch.h"
#include "app/version.h"
#include "app/translate.h"
#include "backend/backend.h"
#include "backend/measurementtable.h"
#include "backend/registers.h"
#include "backend/registertable.h"
#include "backend/settingstable.h"
#include "commissioning/modulesettings.h"
#include "commissioning/settingsdocument.h"
#include "commissioning/settingsfiles.h"
#include "diagnostics/linesearch.h"
#include "line/linemodules.h"
#include "report/commissioningreport.h"
#include "link/modbus.h"
#include "link/modbuscommand.h"
#include "link/portdirectory.h"
#include "link/tmodbus.h"
#include "update/firmwareupdate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QModbusDevice>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <algorithm>

#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

using namespace Registers;

namespace {

const QStringList commands = {"save", "compare", "restore", "read", "update", "scan",
                               "line", "save-all", "compare-all", "restore-all", "update-all", "set", "show",
                               "report", "report-all"};
// The commands on a settings file alone: no port, no module.
const QStringList fileCommands = {"set", "show"};
// The commands on every module of the line; `line` only lists them.
const QStringList lineCommands = {"line", "save-all", "compare-all", "restore-all", "update-all", "report-all"};
const QStringList pages = {"home", "communication", "measurement", "alarms"};
const QVector<int> &baudRates = SettingsTable::baudRates();
const QStringList &parities = SettingsTable::parityNames();

// How long to wait for disconnectionEnd before leaving anyway.
const int disconnectWaitMs = 5000;
// Above the client's 11 s watchdog: the request in flight has ended by then.
const int giveUpWaitMs = 15000;

// Text from a file or a module as it may go to a terminal: control characters
// (escape sequences, a newline that would forge a line of its own) escaped.
QString printable(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\n')
            shown += QLatin1String("\\n");
        else if (u == '\r')
            shown += QLatin1String("\\r");
        else if (u == '\t')
            shown += QLatin1String("\\t");
        else if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0x2028 || u == 0x2029)
            shown += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString signalName(int number)
{
    switch (number) {
#ifdef SIGTERM
    case SIGTERM:
        return QStringLiteral("SIGTERM");
#endif
#ifdef SIGINT
    case SIGINT:
        return QStringLiteral("SIGINT");
#endif
#ifdef SIGHUP
    case SIGHUP:
        return QStringLiteral("SIGHUP");
#endif
    default:
        return QStringLiteral("signal %1").arg(number);
    }
}

bool stderrIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr));
#else
    return isatty(fileno(stderr));
#endif
}

bool toNumber(const QString &text, int *out)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (ok)
        *out = v;
    return ok;
}

QString localPath(const QString &file)
{
    return file.startsWith(QLatin1String("file:")) ? QUrl(file).toLocalFile() : file;
}

QString errorText(int error)
{
    switch (error) {
    case QModbusDevice::TimeoutError:
        return QStringLiteral("no answer");
    case QModbusDevice::ProtocolError:
        return QStringLiteral("refused by the module or answered wrongly");
    case QModbusDevice::ReplyAbortedError:
        return QStringLiteral("given up before it was sent");
    default:
        return QStringLiteral("the link failed");
    }
}

// "a, b or c"
QString orList(const QStringList &items)
{
    return items.size() < 2 ? items.join(QString())
                            : QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", "))
                                  + QStringLiteral(" or ") + items.last();
}

QString baudRateList()
{
    QStringList rates;
    for (int rate : baudRates)
        rates << QString::number(rate);
    return orList(rates);
}

// "110 to 149", the range of the slave addresses beside the default.
QString addressRange()
{
    return QStringLiteral("%1 to %2").arg(SettingsTable::slaveAddressFirst()).arg(SettingsTable::slaveAddressLast());
}

// A setting's row as the page shows it: the page's label (in English) and the
// settings table's unit.
QString label(const char *key)
{
    return QString::fromUtf8(SettingsTable::find(QLatin1String(key))->label.source);
}

QString name(const char *key)
{
    return QString::fromUtf8(SettingsTable::find(QLatin1String(key))->name.source);
}

QString unit(const char *key)
{
    return SettingsTable::find(QLatin1String(key))->unit;
}

// A value with its unit; an unknown one (empty, "Error", −1) stays bare.
QString withUnit(const QString &value, const QString &unit)
{
    if (value.isEmpty() || value == QLatin1String("Error") || unit.isEmpty())
        return value;
    return value + QLatin1Char(' ') + unit;
}

QString number(int value, const QString &unit = QString())
{
    return value < 0 ? QString() : withUnit(QString::number(value), unit);
}

QString lamp(bool good, bool known, const char *goodText, const char *badText)
{
    if (!known)
        return QStringLiteral("unknown");
    return QLatin1String(good ? goodText : badText);
}


// "110-115,247": each address once, in the order given.
bool parseSlaves(const QString &text, QVector<int> *out)
{
    QVector<int> slaves;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.split(QLatin1Char('-'));
        int first = 0;
        int last = 0;
        if (ends.size() > 2 || !toNumber(ends.first(), &first) || !toNumber(ends.last(), &last) || first > last)
            return false;
        for (int a = first; a <= last; ++a) {
            if (!SettingsTable::slaveAddressAllowed(a))
                return false;
            if (!slaves.contains(a))
                slaves.append(a);
        }
    }
    *out = slaves;
    return !slaves.isEmpty();
}

} // namespace

CommandLine::CommandLine(QObject *parent) : QObject(parent), out(stdout), err(stderr)
{
    // The settings file and the values are UTF-8 (°C, →), whatever the locale.
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, &CommandLine::onGuardTimeout);
    disconnectWait.setSingleShot(true);
    connect(&disconnectWait, &QTimer::timeout, this, &CommandLine::disconnected);
    giveUpWait.setSingleShot(true);
    connect(&giveUpWait, &QTimer::timeout, this, [this] {
        err << "The operation gave no account of its end.\n";
        err.flush();
        finish(Failure);
    });
}

// The worker thread is stopped before the objects it talks to: Backend first.
CommandLine::~CommandLine()
{
    termination.reset();
    commissioningReport.reset();
    lineModules.reset();
    backend.reset();
    translate.reset();
    worker.reset();
}

QString CommandLine::usage()
{
    return QString(QStringLiteral(
        "Usage: orvalis-cli --port N [--slave A] [--baud B] [--parity P] COMMAND\n"
        "       orvalis-cli show FILE | set FILE KEY=VALUE...\n"
        "\n"
        "Commands:\n"
        "  save FILE                         read the module's settings into FILE (JSON)\n"
        "  compare FILE                      list the settings where the module differs from FILE\n"
        "  restore FILE [--serial-settings]  write the settings of FILE that differ; the module's\n"
        "                                    own parity, baud rate and address only when asked\n"
        "  restore FILE --only KEY[,KEY...]  write only these settings of FILE (the file's keys)\n"
        "  read PAGE                         print the values of a page: home, communication,\n"
        "                                    measurement or alarms\n"
        "  update IMAGE.bin [--no-backup]    send a firmware image; the settings are kept first,\n"
        "                                    and without that copy nothing is sent unless\n"
        "                                    --no-backup is given\n"
        "  scan [--first]                    look for modules on the port at every address, baud\n"
        "                                    rate and parity, the options' settings first, and\n"
        "                                    print each with its options; --first stops at the\n"
        "                                    first one found. Does not connect.\n"
        "\n"
        "  report FILE.pdf [--site TEXT] [--technician TEXT] [--reference FILE] [--language de|en]\n"
        "                                    the commissioning report of the module: identity,\n"
        "                                    settings (beside a reference file's), measurements,\n"
        "                                    alarms, the link's statistics and a place to sign\n"
        "\n"
        "A settings file alone (no --port, no module):\n"
        "  show FILE                         print its settings with their units\n"
        "  set FILE KEY=VALUE...             change settings in FILE, checked as the pages check\n"
        "                                    them (values as the file writes them: 75, true,\n"
        "                                    2024-05-02, ORV01)\n"
        "\n"
        "Every module of the line (the port at --baud and --parity, every address):\n"
        "  line                              list them: address, serial number, firmware, FSD ID\n"
        "                                    and alarms\n"
        "  save-all DIR                      save each one's settings into DIR, one file per\n"
        "                                    serial number\n"
        "  compare-all DIR|FILE              compare each with its own file in DIR, or with FILE\n"
        "  restore-all FILE                  write FILE to each, without its identity (FSD ID,\n"
        "                                    installation date) and serial settings; each is\n"
        "                                    read back\n"
        "  update-all IMAGE.bin [--no-backup]  update each in turn, its settings kept first\n"
        "  report-all FILE.pdf               the commissioning report of every module, a summary first\n"
        "  --slaves LIST                     only these, as 110-115,247 (default: all found)\n"
        "\n"
        "Options:\n"
        "  --port N      the port \"PC MODBUS PORT N\" of the program's port list\n"
        "  --slave A     the module's address, %1 or %2 (%2)\n"
        "  --baud B      %3 (%4)\n"
        "  --parity P    %5 (%6)\n"
        "  --timeout S   give up after S seconds (120; an update: by the image's size)\n"
        "  --verbose     the link's log on standard error\n"
        "  --help        this text\n"
        "  --            the arguments after it are not options (a file named \"-x\")\n"
        "\n"
        "Results go to standard output, messages to standard error. Exit status:\n"
        "0 done (compare: no differences; scan: a module found; the -all commands: on\n"
        "every module), 1 compare found differences, 2 failed (scan, line: nothing\n"
        "found), 3 usage error.\n"
        "SIGTERM, SIGINT and SIGHUP give up as --timeout does: what is queued is not\n"
        "sent, the request in flight ends, and what the module took is said.\n"))
        .arg(addressRange())
        .arg(SettingsTable::defaultSlaveAddress())
        .arg(baudRateList())
        .arg(baudRates.value(Options().baudIndex))
        .arg(orList(parities), parities.value(Options().parityIndex));
}

bool CommandLine::parse(const QStringList &arguments, Options *out, QString *error)
{
    Options o;
    QStringList positional;
    bool portGiven = false;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        if (optionsEnded) {
            positional << name;
            continue;
        }
        if (name == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString value;
        bool hasValue = false;
        const int eq = name.indexOf(QLatin1Char('='));
        if (name.startsWith(QLatin1String("--")) && eq > 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
            hasValue = true;
        }
        auto takeValue = [&]() {
            if (hasValue)
                return true;
            if (i + 1 >= arguments.size()) {
                *error = name + QStringLiteral(" needs a value");
                return false;
            }
            value = arguments[++i];
            return true;
        };

        // A flag given a value ("--serial-settings=no") is refused, not taken as set.
        const QList<QPair<QString, bool *>> flags = {
            {QStringLiteral("--help"), &o.help},          {QStringLiteral("-h"), &o.help},
            {QStringLiteral("--verbose"), &o.verbose},    {QStringLiteral("--serial-settings"), &o.includeSerial},
            {QStringLiteral("--first"), &o.first},        {QStringLiteral("--no-backup"), &o.noBackup}};
        const auto flag = std::find_if(flags.begin(), flags.end(), [&](const auto &f) { return f.first == name; });
        if (flag != flags.end()) {
            if (hasValue) {
                *error = name + QStringLiteral(" takes no value");
                return false;
            }
            *flag->second = true;
        } else if (name == QLatin1String("--port")) {
            if (!takeValue())
                return false;
            if (!toNumber(value, &o.port) || o.port < 1 || o.port > PortDirectory::lastNumber) {
                *error = QStringLiteral("--port takes a port number, 1 to %1").arg(PortDirectory::lastNumber);
                return false;
            }
            portGiven = true;
        } else if (name == QLatin1String("--slave")) {
            if (!takeValue())
                return false;
            if (!toNumber(value, &o.slave) || !SettingsTable::slaveAddressAllowed(o.slave)) {
                *error = QStringLiteral("--slave takes %1, or %2").arg(addressRange()).arg(SettingsTable::defaultSlaveAddress());
                return false;
            }
        } else if (name == QLatin1String("--baud")) {
            if (!takeValue())
                return false;
            int rate = 0;
            o.baudIndex = toNumber(value, &rate) ? baudRates.indexOf(rate) : -1;
            if (o.baudIndex < 0) {
                *error = QStringLiteral("--baud takes ") + baudRateList();
                return false;
            }
        } else if (name == QLatin1String("--parity")) {
            if (!takeValue())
                return false;
            o.parityIndex = parities.indexOf(value.toLower());
            if (o.parityIndex < 0) {
                *error = QStringLiteral("--parity takes ") + orList(parities);
                return false;
            }
        } else if (name == QLatin1String("--slaves")) {
            if (!takeValue())
                return false;
            if (!parseSlaves(value, &o.slaves)) {
                *error = QStringLiteral("--slaves takes addresses and ranges of %1, or %2, as 110-115,247")
                             .arg(addressRange())
                             .arg(SettingsTable::defaultSlaveAddress());
                return false;
            }
        } else if (name == QLatin1String("--site") || name == QLatin1String("--technician")
                   || name == QLatin1String("--reference")) {
            if (!takeValue())
                return false;
            (name == QLatin1String("--site") ? o.site : name == QLatin1String("--technician") ? o.technician : o.reference) = value;
        } else if (name == QLatin1String("--language")) {
            if (!takeValue())
                return false;
            if (value != QLatin1String("en") && value != QLatin1String("de")) {
                *error = QStringLiteral("--language takes en or de");
                return false;
            }
            o.language = value;
        } else if (name == QLatin1String("--only")) {
            if (!takeValue())
                return false;
            o.only = value.split(QLatin1Char(','));
            for (const QString &key : o.only) {
                if (!SettingsTable::find(key)) {
                    *error = QStringLiteral("--only takes the settings file's keys, such as temperatureThreshold; not ")
                             + key;
                    return false;
                }
            }
        } else if (name == QLatin1String("--timeout")) {
            if (!takeValue())
                return false;
            if (!toNumber(value, &o.timeoutSeconds) || o.timeoutSeconds < 1 || o.timeoutSeconds > 86400) {
                *error = QStringLiteral("--timeout takes 1 to 86400 seconds");
                return false;
            }
        } else if (name.startsWith(QLatin1Char('-')) && name.size() > 1) {
            *error = QStringLiteral("unknown option ") + name;
            return false;
        } else {
            positional << arguments[i];
        }
    }
    if (o.help) {
        *out = o;
        return true;
    }
    if (positional.isEmpty()) {
        *error = QStringLiteral("no command given");
        return false;
    }
    o.command = positional.takeFirst();
    if (!commands.contains(o.command)) {
        *error = QStringLiteral("unknown command ") + o.command;
        return false;
    }
    const int wanted = o.command == QLatin1String("scan") || o.command == QLatin1String("line") ? 0 : 1;
    // set FILE KEY=VALUE...: the values follow the file.
    if (o.command == QLatin1String("set") && positional.size() > 1) {
        o.values = positional.mid(1);
        positional = positional.mid(0, 1);
        for (const QString &v : o.values) {
            if (v.indexOf(QLatin1Char('=')) < 1) {
                *error = QStringLiteral("set takes KEY=VALUE, not ") + v;
                return false;
            }
        }
    } else if (o.command == QLatin1String("set") && positional.size() == 1) {
        *error = QStringLiteral("set needs KEY=VALUE after the file");
        return false;
    }
    if (positional.size() != wanted) {
        *error = positional.isEmpty() ? o.command + QStringLiteral(" needs ")
                                              + (o.command == QLatin1String("read") ? "a page" : "a file")
                                      : QStringLiteral("unexpected argument ") + positional[wanted];
        return false;
    }
    o.argument = positional.value(0);
    if (o.command == QLatin1String("read") && !pages.contains(o.argument)) {
        *error = QStringLiteral("read takes home, communication, measurement or alarms");
        return false;
    }
    if (o.includeSerial && o.command != QLatin1String("restore")) {
        *error = QStringLiteral("--serial-settings goes with restore only");
        return false;
    }
    if (o.first && o.command != QLatin1String("scan")) {
        *error = QStringLiteral("--first goes with scan only");
        return false;
    }
    if (!o.slaves.isEmpty() && (!lineCommands.contains(o.command) || o.command == QLatin1String("line"))) {
        *error = QStringLiteral("--slaves goes with the -all commands only");
        return false;
    }
    if (o.noBackup && o.command != QLatin1String("update") && o.command != QLatin1String("update-all")) {
        *error = QStringLiteral("--no-backup goes with update and update-all only");
        return false;
    }
    const bool reportCommand = o.command == QLatin1String("report") || o.command == QLatin1String("report-all");
    if (!reportCommand && (!o.site.isEmpty() || !o.technician.isEmpty() || !o.reference.isEmpty() || !o.language.isEmpty())) {
        *error = QStringLiteral("--site, --technician, --reference and --language go with report and report-all only");
        return false;
    }
    if (!o.only.isEmpty() && o.command != QLatin1String("restore")) {
        *error = QStringLiteral("--only goes with restore only");
        return false;
    }
    if (fileCommands.contains(o.command)) {
        if (portGiven) {
            *error = o.command + QStringLiteral(" works on the file alone: no --port");
            return false;
        }
        *out = o;
        return true;
    }
    if (!portGiven) {
        *error = QStringLiteral("--port is required");
        return false;
    }
    *out = o;
    return true;
}

int CommandLine::updateTimeoutSeconds(qint64 imageBytes)
{
    // About three times the time at 19200 baud, for a module that answers slowly.
    return int(60 + (imageBytes + 2047) / 2048 * 15);
}

int CommandLine::run(const QStringList &arguments)
{
    QString error;
    if (!parse(arguments, &options, &error)) {
        err << "orvalis-cli: " << error << "\n\n" << usage();
        err.flush();
        return UsageError;
    }
    if (options.help) {
        out << usage();
        out.flush();
        return Success;
    }
    // Backend and the link log every step; an operator asks for that with --verbose
    // (QT_LOGGING_RULES still wins).
    // Qt's Modbus client warns of every bad CRC on its own: part of the link's log too.
    if (!options.verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\nqt.modbus*=false"));

    if (fileCommands.contains(options.command))
        return runOnFile();
    // The report in the language asked for; the window's own choice stays as it is.
    if (options.language == QLatin1String("de")) {
        reportLanguage = std::make_unique<QTranslator>();
        if (reportLanguage->load(QStringLiteral("vordan_de"), QStringLiteral(":translate")))
            QCoreApplication::installTranslator(reportLanguage.get());
    }
    if (!checkBeforeConnecting())
        return Failure;

    firmwareUpdate = std::make_unique<FirmwareUpdate>();
    worker = std::make_unique<TModbus>();
    translate = std::make_unique<Translate>(nullptr, nullptr, 0);
    backend = std::make_unique<Backend>(worker.get(), translate.get(), firmwareUpdate.get());
    // The command line promises the copy before an update.
    settingsFiles = std::make_unique<SettingsFiles>(backend.get());
    settingsFiles->setUpdateNeedsBackup(!options.noBackup);
    lineSearch = std::make_unique<LineSearch>(backend.get());
    termination = std::make_unique<TerminationWatch>(nullptr);
    termination->setHandler([this](int number) { onTerminationSignal(number); });

    Backend *b = backend.get();
    connect(b, &Backend::connectionEnd, this, &CommandLine::onConnectionEnd);
    connect(b, &Backend::loadRegisterFinish, this, &CommandLine::onLoadRegisterFinish);
    connect(b, &Backend::connectionError, this, &CommandLine::onConnectionError);
    connect(b, &Backend::disconnectionEnd, this, &CommandLine::disconnected);
    connect(settingsFiles.get(), &SettingsFiles::settingsEnd, this, &CommandLine::onSettingsEnd);
    connect(settingsFiles.get(), &SettingsFiles::notice, this, [this](const QString &text) {
        err << printable(text) << "\n";
        err.flush();
    });
    connect(settingsFiles.get(), &SettingsFiles::changedByUpdate, this, &CommandLine::onChangedByUpdate);
    connect(b, &Backend::updateProgress, this, &CommandLine::onUpdateProgress);
    connect(b, &Backend::updateSuccess, this, [this] { onUpdateEnd(true); });
    connect(b, &Backend::updateFail, this, [this] { onUpdateEnd(false); });
    connect(lineSearch.get(), &LineSearch::changed, this, &CommandLine::onScanChanged);
    connect(lineSearch.get(), &LineSearch::finished, this, &CommandLine::onScanEnd);
    connect(b, &Backend::serialSettingsWritten, this, &CommandLine::onSerialSettingsWritten);
    // Connected after Backend: each record reaches this once Backend has decoded it.
    connect(worker.get(), &TModbus::commandFinish, this, &CommandLine::onRecordFinished);

    b->refreshSerialPortList();
    const int index = b->lstDevices().indexOf(options.port);
    if (index < 0) {
        QStringList listed;
        for (int n : b->lstDevices())
            listed << QString::number(n);
        err << "Port " << options.port << " is not in the port list (ports: "
            << (listed.isEmpty() ? QStringLiteral("none") : listed.join(QStringLiteral(", "))) << ").\n";
        err.flush();
        return Failure;
    }

    const bool scan = options.command == QLatin1String("scan");
    int timeout = options.timeoutSeconds;
    if (timeout == 0)
        timeout = options.command == QLatin1String("update")
                      ? updateTimeoutSeconds(QFileInfo(localPath(options.argument)).size())
                  : options.command == QLatin1String("update-all")
                      ? updateTimeoutSeconds(QFileInfo(localPath(options.argument)).size()) * SettingsTable::slaveAddresses().size()
                  : scan ? scanTimeoutSeconds
                  : lineCommands.contains(options.command) ? lineTimeoutSeconds
                         : defaultTimeoutSeconds;
    guard.start(timeout * 1000);

    const bool report = options.command == QLatin1String("report") || options.command == QLatin1String("report-all");
    if (report || lineCommands.contains(options.command)) {
        lineModules = std::make_unique<LineModules>(b, settingsFiles.get());
        connect(lineModules.get(), &LineModules::findEnded, this, &CommandLine::onLineFound);
        connect(lineModules.get(), &LineModules::workEnded, this, &CommandLine::onLineWorkEnded);
    }
    if (report) {
        commissioningReport = std::make_unique<CommissioningReport>(b, lineModules.get(), nullptr, worker->client(),
                                                                    QStringLiteral(ORVALIS_VERSION));
        connect(commissioningReport.get(), &CommissioningReport::reportEnd, this, &CommandLine::onReportEnd);
    }
    if (lineCommands.contains(options.command)) {
        stage = Stage::Line;
        connect(lineModules.get(), &LineModules::changed, this, [this] {
            if (lineModules->working())
                printLineResults();
        });
        QTimer::singleShot(0, this, [this] {
            lineModules->findOnPort(options.port, baudRates[options.baudIndex], options.parityIndex);
        });
        QCoreApplication::exec();
        out.flush();
        err.flush();
        return exitCode;
    }

    if (scan) {
        stage = Stage::Scanning;
        progressOnTerminal = stderrIsTerminal();
        // From the event loop, like the connect below: a port that does not
        // open ends the search within start.
        QTimer::singleShot(0, this, [this, index] {
            lineSearch->start(index, options.slave, options.baudIndex, options.parityIndex);
        });
        QCoreApplication::exec();
        out.flush();
        err.flush();
        return exitCode;
    }

    // From the event loop, so that an end signalled at once is still heard.
    QTimer::singleShot(0, this, [this, index] {
        backend->connectDevice(index, options.slave, options.baudIndex, options.parityIndex);
    });
    QCoreApplication::exec();
    out.flush();
    err.flush();
    return exitCode;
}

// What can be refused without the module is refused before a word goes on the bus.
bool CommandLine::checkBeforeConnecting()
{
    const QString path = localPath(options.argument);
    const bool compareAllFolder = options.command == QLatin1String("compare-all") && QFileInfo(path).isDir();
    if (options.command == QLatin1String("compare") || options.command == QLatin1String("restore")
        || options.command == QLatin1String("restore-all")
        || (options.command == QLatin1String("compare-all") && !compareAllFolder)) {
        ModuleSettings file;
        QString error;
        if (!ModuleSettings::load(path, &file, &error)) {
            err << (options.command == QLatin1String("restore")
                        ? "The file was refused; nothing was written to the module.\n"
                        : "The file was refused.\n")
                << "  " << printable(error) << "\n";
            err.flush();
            return false;
        }
    }
    if (options.command == QLatin1String("save-all") && !QFileInfo(path).isDir()) {
        err << "No folder at " << printable(path) << ".\n";
        err.flush();
        return false;
    }
    if (options.command == QLatin1String("update") || options.command == QLatin1String("update-all")) {
        // Refused before the line is opened, so nothing is sent and no copy is kept.
        QByteArray image;
        FirmwareUpdate::FailReason why;
        if (!QFileInfo::exists(path)) {
            err << "No firmware image at " << printable(path) << ".\n";
        } else if (!FirmwareUpdate::readImage(path, &image, &why)) {
            err << "The firmware update was refused: ";
            if (why == FirmwareUpdate::FailReason::EmptyImage) {
                err << "the image is empty.\n";
            } else if (why == FirmwareUpdate::FailReason::ImageTooLarge) {
                err << "the image is larger than 1 MiB (1048576 bytes), the most the module takes.\n";
            } else {
                QFile file(path);
                err << printable(path) << " cannot be read ("
                    << (!QFileInfo(path).isFile() ? QStringLiteral("not a plain file")
                        : file.open(QIODevice::ReadOnly) ? QStringLiteral("read error")
                                                         : file.errorString())
                    << ").\n";
            }
            err << "Nothing was sent to the module.\n";
        } else {
            return true;
        }
        err.flush();
        return false;
    }
    return true;
}

// The cause in terms an operator can act on; the window's own words point
// at its buttons.
QString CommandLine::openFailureText() const
{
    const Modbus *client = worker->client();
    switch (client->openFailure()) {
    case OpenFailure::PermissionDenied:
        return QStringLiteral("permission denied. Join the dialout group (sudo usermod -aG dialout $USER), "
                              "then log in again.");
    case OpenFailure::Busy:
        return QStringLiteral("another program holds it.");
    case OpenFailure::Missing:
        return QStringLiteral("there is no such device (an adapter unplugged?).");
    default:
        return client->openErrorText() + QLatin1Char('.');
    }
}

// " (garbled answers)" after "the link was lost": the cause as the window names it.
QString CommandLine::linkLossCause() const
{
    const QString cause = LinkLoss::causeText(worker->client()->lossCause());
    return cause.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(cause);
}

QString CommandLine::portText() const
{
    return QStringLiteral("port %1 (%2)").arg(options.port).arg(PortDirectory::shared().portName(options.port));
}

void CommandLine::onConnectionEnd(bool ok)
{
    if (stage != Stage::Connecting || !ok)
        return; // a failure is reported with the connect record's result
    connected = true;
    err << "Connected to slave address " << options.slave << " on " << portText() << ", "
        << baudRates[options.baudIndex] << " baud, parity " << parities[options.parityIndex] << ".\n";
    if (backend->moduleInBootloader()) {
        // Nothing but an update talks to a bootloader; no clock is set.
        if (options.command == QLatin1String("update")) {
            stage = Stage::Running;
            startCommand();
            return;
        }
        err << "The module is in its bootloader: run the firmware update again (orvalis-cli --port " << options.port
            << " --slave " << options.slave << " --baud " << baudRates[options.baudIndex] << " --parity "
            << parities[options.parityIndex] << " update IMAGE.bin).\n";
        err.flush();
        finish(Failure);
        return;
    }
    stage = Stage::SettingClock;
    err.flush();
}

// A restore moved the module to other serial settings than the link's.
void CommandLine::onSerialSettingsWritten(int slaveAddress, int baudrate, int parity)
{
    err << "The module now answers at its new serial settings; connect with: --port " << options.port
        << " --slave " << slaveAddress << " --baud " << baudrate << " --parity " << parities.value(parity, "odd")
        << "\n";
    err.flush();
}

// Connecting sets the module's clock; the command follows once that is through.
void CommandLine::onLoadRegisterFinish()
{
    if (stage != Stage::SettingClock)
        return;
    stage = Stage::Running;
    startCommand();
}

void CommandLine::onConnectionError()
{
    if (stage != Stage::SettingClock && stage != Stage::Running)
        return;
    err << "The link to the module was lost" << linkLossCause() << ".\n";
    err.flush();
    // A settings operation and an update still end with their own account.
    if (stage == Stage::SettingClock || options.command == QLatin1String("read"))
        finish(Failure);
}

void CommandLine::onRecordFinished(ModbusCommand *cmd)
{
    if (cmd->getKind() == Connect) {
        if (stage != Stage::Connecting || connected)
            return;
        if (cmd->getConnectResult() == PortNotOpened) {
            err << "The " << portText() << " could not be opened: " << openFailureText() << "\n";
        } else {
            err << "No answer from slave address " << options.slave << " at " << baudRates[options.baudIndex]
                << " baud, parity " << parities[options.parityIndex] << ".\n"
                << "To look for the module at every address, baud rate and parity, try: orvalis-cli --port "
                << options.port << " scan\n";
        }
        err.flush();
        finish(Failure);
        return;
    }
    if (stage != Stage::Running || options.command != QLatin1String("read"))
        return;

    const int kind = cmd->getKind();
    if ((kind == Request || kind == LastRequest) && !cmd->getIsWrite()) {
        if (cmd->getError() != 0) {
            const RegisterTable::Block *block = RegisterTable::read(cmd->getAddress());
            unreadBlocks << QStringLiteral("%1: not read (%2).")
                                .arg(block ? block->name : QString::number(cmd->getAddress()),
                                     errorText(cmd->getError()));
        }
        // The last read of the alarm poll.
        if (kind == Request && cmd->getAddress() == M_COIL_TEMPERATURE_STATUS)
            pollDone = true;
    }
    if ((kind == RefreshEnd && options.argument != QLatin1String("measurement"))
        || (kind == LastRequest && options.argument == QLatin1String("measurement")))
        pageRefreshDone = true;
    checkPageDone();
}

void CommandLine::startCommand()
{
    const QString &command = options.command;
    const QString &argument = options.argument;
    if (command == QLatin1String("save")) {
        settingsFiles->save(argument);
    } else if (command == QLatin1String("compare")) {
        settingsFiles->compare(argument);
    } else if (command == QLatin1String("report")) {
        commissioningReport->writeModule(argument, options.site, options.technician, options.reference);
    } else if (command == QLatin1String("restore") && !options.only.isEmpty()) {
        settingsFiles->restoreOnly(argument, options.only);
    } else if (command == QLatin1String("restore")) {
        settingsFiles->restore(argument, options.includeSerial);
    } else if (command == QLatin1String("read")) {
        // The alarm lamps, the home page's status and the fuses come with the
        // poll, every 2 s: one that ends after this point is waited for.
        pollDone = false;
        if (argument == QLatin1String("home"))
            backend->refreshHomePage();
        else if (argument == QLatin1String("communication"))
            backend->refreshCommunicationPage();
        else if (argument == QLatin1String("measurement"))
            backend->refreshMeasurementPage();
        else
            pageRefreshDone = true;
    } else {
        progressOnTerminal = stderrIsTerminal();
        if (backend->moduleInBootloader())
            err << "The module is in its bootloader: its settings cannot be kept. Sending " << argument << " ("
                << QFileInfo(localPath(argument)).size() << " bytes).\n";
        else
            err << "Keeping the module's settings, then sending " << argument << " ("
                << QFileInfo(localPath(argument)).size() << " bytes).\n";
        err.flush();
        backend->startUpdate(localPath(argument));
    }
}

void CommandLine::onSettingsEnd(int outcome, const QString &message, const QStringList &details)
{
    if (stage != Stage::Running && stage != Stage::GivingUp)
        return;
    giveUpWait.stop();
    err << printable(message) << "\n";
    // A comparison's lines are its result; anything else explains the message.
    const bool result = options.command == QLatin1String("compare") && outcome != SettingsFiles::Failed;
    for (const QString &line : details) {
        if (result)
            out << printable(line) << "\n";
        else
            err << "  " << printable(line) << "\n";
    }
    if (options.command == QLatin1String("restore") && !options.includeSerial
        && std::any_of(details.begin(), details.end(),
                       [](const QString &l) { return l == SettingsFiles::tr("Serial settings left out (file → module):"); }))
        err << "Add --serial-settings to write them too.\n";
    out.flush();
    err.flush();
    finish(outcome == SettingsFiles::Done ? Success
           : outcome == SettingsFiles::Differ ? Differences
                                                : Failure);
}

void CommandLine::checkPageDone()
{
    if (stage != Stage::Running || !pageRefreshDone)
        return;
    if (options.argument != QLatin1String("communication") && !pollDone)
        return;
    printPage();
    if (!unreadBlocks.isEmpty()) {
        err << "Some values could not be read:\n";
        for (const QString &line : unreadBlocks)
            err << "  " << line << "\n";
        err.flush();
        finish(Failure);
        return;
    }
    finish(Success);
}

void CommandLine::printPage()
{
    for (const auto &value : pageValues())
        out << value.first << ":" << (value.second.isEmpty() ? QString() : QLatin1Char(' ') + printable(value.second))
            << "\n";
    out.flush();
}

// The rows of each page as it shows them, in its order and its English words.
QList<QPair<QString, QString>> CommandLine::pageValues() const
{
    const Backend &b = *backend;
    QList<QPair<QString, QString>> rows;
    auto add = [&rows](const QString &name, const QString &value) { rows.append({name, value}); };
    const QString &page = options.argument;

    if (page == QLatin1String("home")) {
        add("Module serial number", b.serialNumber());
        add(label("fsdId"), b.fsdid());
        add(label("installationDate"), b.installationDate());
        add("Status", lamp(b.moduleStatus(), b.moduleStatusKnown(), "OK", "fault"));
        add(label("transformerRatioL1"), b.ctPhaseA1());
        add(label("temperatureThreshold"), number(b.temperatureThresholdValue(), unit("temperatureThreshold")));
        add("Firmware version", b.firmwareVersion());
    } else if (page == QLatin1String("communication")) {
        add("Last boot", b.lastBoot());
        add("Firmware version", b.firmwareVersion());
        add("Hardware version", b.hardwareVersion());
        add("Synchronization", b.synchronization());
        add("Date / hour", b.dateHour());
        add(label("meanDuration"), number(b.timeDurationMeans(), unit("meanDuration")));
        add(label("activePowerOnFundamental"), b.activePowerCalculatedOn() ? "Fundamental" : "Wideband");
        add(label("frequency60Hz"), b.frequency() ? "60 Hz" : "50 Hz");
        add(label("slaveAddress"), number(b.slaveAddress()));
        add(label("baudRate"), number(b.baudrate()));
        add(label("parity"), b.parity() >= 0 && b.parity() < parities.size()
                                 ? QStringList{"None", "Even", "Odd"}[b.parity()]
                                 : number(b.parity()));
        add(name("transformerRatioL1"), b.ctPhaseA1());
        add(name("transformerRatioL2"), b.ctPhaseA2());
        add(name("transformerRatioL3"), b.ctPhaseA3());
        // Each with its value and unit, as the page's rows.
        const std::pair<const char *, int> thresholds[] = {
            {"voltageThreshold", b.limitVoltage()},
            {"voltageThresholdDuration", b.limitVoltageDuration()},
            {"currentThreshold", b.limitCurrent()},
            {"currentThresholdDuration", b.limitCurrentDuration()},
            {"callMonitoringTime", b.callMonitoringTime()},
            {"minimumTimeBetweenMessages", b.minimumTimeMessage()}};
        for (const auto &t : thresholds)
            add(label(t.first), number(t.second, unit(t.first)));
    } else if (page == QLatin1String("measurement")) {
        // Each value under its row's label and column head; a phase reads as
        // a word of the line ("Fuses status phase 1"). A property of one text
        // carries its unit already.
        for (const MeasurementTable::Quantity &q : MeasurementTable::quantities()) {
            const QVariant shown = b.property(q.property.toLatin1().constData());
            if (q.element < 0) {
                add(q.label, shown.toString());
                continue;
            }
            QString column = q.column;
            if (column.startsWith(QLatin1String("Phase ")))
                column[0] = column[0].toLower();
            add(q.label + QLatin1Char(' ') + column, withUnit(shown.toStringList().value(q.element), q.unit()));
        }
    } else {
        add("Module status", lamp(b.moduleStatus(), b.moduleStatusKnown(), "OK", "fault"));
        add("Fuse status L1", lamp(!b.fuseBlowL1(), b.fusesKnown(), "OK", "blown"));
        add("Fuse status L2", lamp(!b.fuseBlowL2(), b.fusesKnown(), "OK", "blown"));
        add("Fuse status L3", lamp(!b.fuseBlowL3(), b.fusesKnown(), "OK", "blown"));
        add("Temperature status", lamp(!b.temperatureStatus(), b.temperatureStatusKnown(), "OK", "alarm"));
    }
    return rows;
}

void CommandLine::onUpdateProgress(float progression)
{
    if (stage != Stage::Running)
        return;
    showProgress(QStringLiteral("Updating the firmware"), int(progression * 100));
}

void CommandLine::showProgress(const QString &what, int percent)
{
    percent = qBound(0, percent, 100);
    if (progressOnTerminal) {
        if (percent == lastPercent)
            return;
        err << "\r" << what << ": " << percent << " %";
        progressLineOpen = true;
    } else {
        // A log gets one line per step of 10 %.
        if (lastPercent >= 0 && percent / 10 == lastPercent / 10)
            return;
        err << what << ": " << percent << " %\n";
    }
    err.flush();
    lastPercent = percent;
}

void CommandLine::endProgressLine()
{
    if (!progressLineOpen)
        return;
    err << "\n";
    err.flush();
    progressLineOpen = false;
}

void CommandLine::onScanChanged()
{
    if (stage != Stage::Scanning)
        return;
    printFoundModules();
    if (options.first && modulesPrinted > 0) {
        // Ends the search at once, with finished.
        lineSearch->cancel();
        return;
    }
    // Not before the first try: a port that does not open shows no progress.
    if (lineSearch->running() || lineSearch->done() > 0)
        showProgress(QStringLiteral("Searching port %1").arg(options.port),
                     lineSearch->total() > 0 ? lineSearch->done() * 100 / lineSearch->total() : 0);
}

// Each module once, as soon as the search knows it.
void CommandLine::printFoundModules()
{
    const QVariantList results = lineSearch->results();
    if (modulesPrinted >= results.size())
        return;
    // On a terminal the progress line would run into the result.
    endProgressLine();
    for (; modulesPrinted < results.size(); ++modulesPrinted) {
        const QVariantMap m = results[modulesPrinted].toMap();
        const QString slave = m.value(QStringLiteral("slaveAddress")).toString();
        const QString baud = m.value(QStringLiteral("baudrate")).toString();
        const QString parity = parities.value(m.value(QStringLiteral("parity")).toInt());
        const QString serial = printable(m.value(QStringLiteral("serialNumber")).toString());
        const QString firmware = printable(m.value(QStringLiteral("firmwareVersion")).toString());
        out << "slave " << slave << ", " << baud << " baud, parity " << parity << ", serial number "
            << (serial.isEmpty() ? QStringLiteral("?") : serial) << ", firmware "
            << (firmware.isEmpty() ? QStringLiteral("?") : firmware) << "; options: --slave " << slave
            << " --baud " << baud << " --parity " << parity << "\n";
    }
    out.flush();
}

void CommandLine::onScanEnd(bool cancelled, const QString &error)
{
    Q_UNUSED(cancelled)
    if (stage != Stage::Scanning)
        return;
    printFoundModules();
    endProgressLine();
    if (!error.isEmpty()) {
        err << "The port " << options.port << " could not be opened: " << error << "\n";
        err.flush();
        finish(Failure);
        return;
    }
    if (modulesPrinted == 0) {
        err << "Nothing found on " << portText() << ".\n";
        err.flush();
        finish(Failure);
        return;
    }
    err << (modulesPrinted == 1 ? QStringLiteral("1 module") : QStringLiteral("%1 modules").arg(modulesPrinted))
        << " found on " << portText() << (options.first ? "; the search stopped at the first.\n" : ".\n");
    err.flush();
    finish(Success);
}

void CommandLine::onUpdateEnd(bool success)
{
    // A stopped update is told once the request in flight is over.
    if (stage != Stage::Running)
        return;
    endProgressLine();
    using Reason = FirmwareUpdate::FailReason;
    const Reason why = firmwareUpdate->failReason();
    if (success) {
        err << "The firmware update is done.\n";
    } else if (why == Reason::NoBackup) {
        err << "The module's settings could not be kept, so the update was not started; nothing was sent to "
               "the bootloader.\n  "
            << printable(settingsFiles->updateBackupError())
            << "\nTo update without keeping them, add --no-backup.\n";
        err.flush();
        finish(Failure);
        return;
    } else {
        err << "The firmware update failed: ";
        switch (why) {
        case Reason::LinkLost:
            err << "the link to the module was lost" << linkLossCause();
            break;
        case Reason::ModuleRefused:
            err << "the module refused a step of it";
            break;
        case Reason::NoBootloader:
            err << "the module did not start its bootloader";
            break;
        case Reason::ImageRejected:
            err << "the bootloader did not start the new firmware";
            break;
        default:
            err << "the image could not be sent";
            break;
        }
        err << " after " << firmwareUpdate->confirmedBytes() << " of " << firmwareUpdate->imageBytes()
            << " bytes.\n";
        if (firmwareUpdate->bootloaderEntered())
            err << "The module is left in its bootloader: run the update again.\n";
    }
    reportBackup();
    err.flush();
    finish(success ? Success : Failure);
}

void CommandLine::reportBackup()
{
    if (!settingsFiles->updateBackupPath().isEmpty())
        err << "The module's settings were kept in " << settingsFiles->updateBackupPath() << " before the update.\n";
    else
        err << "The module's settings could not be kept before the update.\n  "
            << printable(settingsFiles->updateBackupError()) << "\n";
}

// Told once the request that was in flight has ended, when the disconnect
// queued behind it is through.
void CommandLine::reportStoppedUpdate()
{
    if (!firmwareUpdate->bootloaderEntered()) {
        err << "The update was stopped before the bootloader was started; the module runs its firmware as before.\n";
    } else {
        err << "The update was stopped after " << firmwareUpdate->confirmedBytes() << " of "
            << firmwareUpdate->imageBytes() << " bytes were taken.\n"
            << "The module is left in its bootloader: run the update again.\n";
    }
    if (!settingsFiles->updateBackupPath().isEmpty())
        err << "The module's settings were kept in " << settingsFiles->updateBackupPath() << ".\n";
}

void CommandLine::onGuardTimeout()
{
    if (stage == Stage::Disconnecting || stage == Stage::Done) {
        disconnected();
        return;
    }
    if (stage == Stage::GivingUp)
        return;
    endProgressLine();
    err << "No end after " << guard.interval() / 1000 << " s: giving up.\n";
    giveUp();
}

void CommandLine::onTerminationSignal(int number)
{
    if (stage == Stage::GivingUp || stage == Stage::Disconnecting || stage == Stage::Done)
        return;
    endProgressLine();
    err << "Stopped by " << signalName(number) << ": giving up.\n";
    giveUp();
}

// Nothing queued is sent after this; what is in flight ends, and the account
// says what the module took.
void CommandLine::giveUp()
{
    if (stage == Stage::Scanning) {
        err << lineSearch->done() << " of " << lineSearch->total() << " settings tried, "
            << (modulesPrinted > 0 ? "the search was not complete.\n" : "nothing found.\n");
        err.flush();
        finish(Failure);
        // Closes the port; its finished comes after the end and is not heard.
        lineSearch->cancel();
        return;
    }
    if (stage == Stage::Line) {
        // The module in work ends with its account, the others are not started.
        if (lineModules->working()) {
            lineModules->cancel();
            backend->giveUp();
            giveUpWait.start(giveUpWaitMs);
            return;
        }
        err << "Nothing was written to any module.\n";
        err.flush();
        finish(Failure);
        return;
    }
    const Stage was = stage;
    // Before the Backend hears of it: a cancelled update ends at once, and its
    // account waits for the block in flight.
    stage = Stage::GivingUp;
    updateGivenUp = was == Stage::Running && options.command == QLatin1String("update");
    if (backend)
        backend->giveUp();
    if (was == Stage::Running && options.command != QLatin1String("read") && !updateGivenUp) {
        // The settings operation ends with its own account.
        giveUpWait.start(giveUpWaitMs);
        err.flush();
        return;
    }
    if (was == Stage::SettingClock)
        err << "The module's clock may or may not have been set; nothing else was written.\n";
    else if (!updateGivenUp && (was == Stage::Running || was == Stage::Connecting))
        err << "Nothing was written to the module.\n";
    err.flush();
    finish(Failure);
}

void CommandLine::finish(int code)
{
    if (stage == Stage::Disconnecting || stage == Stage::Done)
        return;
    giveUpWait.stop();
    exitCode = code;
    // An update of the line connects to each module in turn.
    if (stage == Stage::Line || lineModules)
        connected = backend->connectionState();
    if (connected) {
        stage = Stage::Disconnecting;
        disconnectWait.start(disconnectWaitMs);
        backend->disconnectDevice();
        return;
    }
    stage = Stage::Done;
    QCoreApplication::exit(exitCode);
}

void CommandLine::disconnected()
{
    if (stage != Stage::Disconnecting)
        return;
    if (!disconnectWait.isActive()) {
        err << "The port was not closed in time.\n";
        err.flush();
    }
    disconnectWait.stop();
    guard.stop();
    if (updateGivenUp)
        reportStoppedUpdate();
    err.flush();
    stage = Stage::Done;
    QCoreApplication::exit(exitCode);
}

// One row per module: address, serial number, firmware, FSD ID and its lamps.
void CommandLine::printLine()
{
    for (const LineModules::Module &m : lineModules->found()) {
        const auto text = [](const QString &t) { return t.isEmpty() ? QStringLiteral("?") : printable(t); };
        QString alarms;
        if (!m.answering)
            alarms = QStringLiteral("not answering");
        else if (m.bootloader)
            alarms = QStringLiteral("in its bootloader");
        else
            alarms = QStringLiteral("status %1, fuses %2 %3 %4, temperature %5")
                         .arg(lamp(m.moduleStatus, m.lampsKnown, "OK", "fault"),
                              lamp(!m.fuseBlown[0], m.lampsKnown, "OK", "blown"),
                              lamp(!m.fuseBlown[1], m.lampsKnown, "OK", "blown"),
                              lamp(!m.fuseBlown[2], m.lampsKnown, "OK", "blown"),
                              lamp(!m.temperatureStatus, m.lampsKnown, "OK", "alarm"));
        out << "slave " << m.slave << ", serial number " << text(m.serialNumber) << ", firmware "
            << text(m.firmwareVersion) << ", FSD ID " << (m.fsdId.isEmpty() ? QStringLiteral("-") : printable(m.fsdId))
            << ", " << alarms << "\n";
    }
    out.flush();
}

void CommandLine::onLineFound(const QString &error)
{
    if (stage != Stage::Line)
        return;
    if (!error.isEmpty()) {
        err << "The " << portText() << " could not be opened: " << printable(error) << "\n";
        err.flush();
        finish(Failure);
        return;
    }
    const QVector<LineModules::Module> &found = lineModules->found();
    err << found.size() << (found.size() == 1 ? " module" : " modules") << " found on " << portText() << ", "
        << baudRates[options.baudIndex] << " baud, parity " << parities[options.parityIndex] << ".\n";
    err.flush();
    if (options.command == QLatin1String("line")) {
        printLine();
        finish(found.isEmpty() ? Failure : Success);
        return;
    }
    QVector<int> slaves = options.slaves;
    if (slaves.isEmpty()) {
        for (const LineModules::Module &m : found)
            slaves.append(m.slave);
    }
    if (slaves.isEmpty()) {
        err << "Nothing to do: no module answered.\n";
        err.flush();
        finish(Failure);
        return;
    }
    const QString &command = options.command;
    const QString &argument = options.argument;
    if (command == QLatin1String("report-all")) {
        commissioningReport->setSlaves(slaves);
        commissioningReport->writeLine(argument, options.site, options.technician, options.reference);
        return;
    }
    lineModules->setSlaves(slaves);
    if (command == QLatin1String("save-all"))
        lineModules->saveAll(argument);
    else if (command == QLatin1String("compare-all"))
        lineModules->compareAll(argument);
    else if (command == QLatin1String("restore-all"))
        lineModules->restoreAll(argument);
    else
        lineModules->updateAll(argument);
}

// One line per module on standard output as soon as it is through, its
// details indented below it.
void CommandLine::printLineResults()
{
    const char *const outcomes[] = {"done", "differs", "failed"};
    const QVector<LineModules::Result> &results = lineModules->lastResults();
    for (; resultsPrinted < results.size(); ++resultsPrinted) {
        const LineModules::Result &r = results[resultsPrinted];
        out << "slave " << r.slave << ", serial number "
            << (r.serialNumber.isEmpty() ? QStringLiteral("?") : printable(r.serialNumber)) << ": "
            << outcomes[qBound(0, r.outcome, 2)] << ": " << printable(r.text) << "\n";
        for (const QString &line : r.details)
            out << "    " << printable(line) << "\n";
    }
    out.flush();
}

void CommandLine::onLineWorkEnded(int notDone, const QString &summary)
{
    giveUpWait.stop();
    printLineResults();
    int failed = 0;
    for (const LineModules::Result &r : lineModules->lastResults())
        failed += r.outcome == LineModules::Failed;
    err << printable(summary) << "\n";
    err.flush();
    if (lineModules->lastResults().isEmpty())
        finish(Failure);
    else
        finish(notDone == 0 ? Success : failed == 0 ? Differences : Failure);
}

// set and show: the file alone, checked as the pages check their fields.
int CommandLine::runOnFile()
{
    SettingsDocument document;
    if (!document.openFile(options.argument)) {
        err << "The file was refused.\n  " << printable(document.lastError()) << "\n";
        err.flush();
        return Failure;
    }
    if (options.command == QLatin1String("set")) {
        const ModuleSettings before = document.settings();
        for (const QString &pair : options.values) {
            const int eq = pair.indexOf(QLatin1Char('='));
            QString why;
            if (!document.setFileValue(pair.left(eq), pair.mid(eq + 1), &why)) {
                err << printable(why) << "\nNothing was changed in " << printable(document.path()) << ".\n";
                err.flush();
                return Failure;
            }
        }
        if (!document.save()) {
            err << printable(document.lastError()) << "\n";
            err.flush();
            return Failure;
        }
        // What changed, as a compare says it: old value first.
        for (const ModuleSettings::Difference &d : ModuleSettings::compare(before, document.settings(), true).differences)
            out << printable(ModuleSettings::differenceText(d)) << "\n";
        out.flush();
        return Success;
    }
    const ModuleSettings &s = document.settings();
    err << "Read from the module with serial number " << printable(s.serialNumber) << ", firmware "
        << printable(s.firmwareVersion) << ", at " << s.readAt.toUTC().toString(Qt::ISODate) << ".\n";
    for (const ModuleSettings::Setting &setting : ModuleSettings::settings()) {
        const QString unit = setting.unit.isEmpty() ? QString() : QStringLiteral(" ") + setting.unit;
        out << printable(ModuleSettings::tr(setting.name.toUtf8().constData())) << ": "
            << printable(s.valueText(setting.key)) << unit << "\n";
    }
    for (const QString &key : s.unknownKeys())
        out << printable(key) << ": not known to this version; never written to a module\n";
    out.flush();
    err.flush();
    return Success;
}

// After an update: the settings the new firmware holds other than the copy kept before it.
void CommandLine::onChangedByUpdate()
{
    QStringList keys;
    err << "The update changed settings of the module (kept copy → module):\n";
    for (const QVariant &row : settingsFiles->comparison()) {
        const QVariantMap r = row.toMap();
        if (!r.value(QStringLiteral("differs")).toBool())
            continue;
        keys << r.value(QStringLiteral("key")).toString();
        ModuleSettings::Difference d;
        d.name = r.value(QStringLiteral("name")).toString();
        d.unit = r.value(QStringLiteral("unit")).toString();
        d.fileValue = r.value(QStringLiteral("fileValue")).toString();
        d.moduleValue = r.value(QStringLiteral("moduleValue")).toString();
        err << "  " << printable(ModuleSettings::differenceText(d)) << "\n";
    }
    err << "To write them back: orvalis-cli --port " << options.port << " --slave " << options.slave << " --baud "
        << baudRates[options.baudIndex] << " --parity " << parities[options.parityIndex] << " restore "
        << printable(settingsFiles->comparisonFile()) << " --only " << keys.join(QLatin1Char(',')) << "\n";
    err.flush();
}

void CommandLine::onReportEnd(bool ok, const QString &message)
{
    if (stage != Stage::Running && stage != Stage::Line)
        return;
    giveUpWait.stop();
    err << printable(message) << "\n";
    err.flush();
    finish(ok ? Success : Failure);
}
