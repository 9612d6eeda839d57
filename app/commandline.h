#ifndef APP_COMMANDLINE_H
#define APP_COMMANDLINE_H

#include <QDateTime>
#include <QObject>
#include <QPair>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <QVector>

#include <memory>

class Backend;
class CommissioningReport;
class LineModules;
class QTranslator;
class LineSearch;
class SettingsFiles;
class FirmwareUpdate;
class TerminationWatch;
class ModbusCommand;
class TModbus;
class Translate;

// orvalis-cli: the same Backend as the window, without one. Connects to a
// module, runs one command, disconnects; or searches a port for modules
// without connecting. Results go to standard output, everything said about
// the run to standard error.
class CommandLine : public QObject
{
    Q_OBJECT
public:
    enum ExitCode { Success = 0, Differences = 1, Failure = 2, UsageError = 3 };

    struct Options {
        int port = 0;
        int slave = 247;
        int baudIndex = 0;   // the connection page's order: 19200, 38400, 57600, 115200
        int parityIndex = 1; // none, even, odd
        QString command;     // save, compare, restore, read, update, scan, or line and the -all ones
        QVector<int> slaves; // the -all commands: only these modules
        QStringList only;    // restore: only these settings
        QStringList values;  // set: KEY=VALUE each
        QString site;        // report: the header's
        QString technician;
        QString reference;   // report: a settings file beside the module's
        QString language;    // report: en or de
        QString argument;    // its file, page or image
        bool includeSerial = false;
        bool noBackup = false; // update: go ahead when the settings cannot be kept
        bool first = false;  // scan: stop at the first module found
        int timeoutSeconds = 0; // 0: chosen for the command
        bool verbose = false;
        bool help = false;
    };

    // `arguments` without the program's name; false with `error` set on a usage error.
    static bool parse(const QStringList &arguments, Options *out, QString *error);
    static QString usage();

    // The settings operations and reads end within this unless told otherwise.
    static const int defaultTimeoutSeconds = 120;
    // A whole search takes about 45 s (492 probes of some 90 ms each); a real
    // line adds its own delays.
    static const int scanTimeoutSeconds = 120;
    // The settings of a whole line: forty modules, and a silent one takes 10 s.
    static const int lineTimeoutSeconds = 600;
    // An update gets this plus some per 2 KiB of image: a 2 KiB step takes
    // about 5.4 s on a line at 19200 baud.
    static int updateTimeoutSeconds(qint64 imageBytes);

    explicit CommandLine(QObject *parent = nullptr);
    ~CommandLine() override;

    // Parses the arguments, runs the command in the application's event loop
    // and returns the exit code. Needs a QCoreApplication.
    int run(const QStringList &arguments);

private:
    enum class Stage { Connecting, SettingClock, Running, Scanning, Line, GivingUp, Disconnecting, Done };

    bool checkBeforeConnecting();
    void onConnectionEnd(bool connected);
    void onLoadRegisterFinish();
    void onConnectionError();
    void onRecordFinished(ModbusCommand *cmd);
    void startCommand();
    void onSettingsEnd(int outcome, const QString &message, const QStringList &details);
    void onSerialSettingsWritten(int slaveAddress, int baudrate, int parity);
    void checkPageDone();
    void printPage();
    void onUpdateProgress(float progression);
    void showProgress(const QString &what, int percent);
    void endProgressLine();
    void onScanChanged();
    void printFoundModules();
    void onScanEnd(bool cancelled, const QString &error);
    void onUpdateEnd(bool success);
    void onLineFound(const QString &error);
    void onLineWorkEnded(int notDone, const QString &summary);
    void printLine();
    void printLineResults();
    int runOnFile();
    void onChangedByUpdate();
    void onReportEnd(bool ok, const QString &message);
    void reportBackup();
    void onGuardTimeout();
    void onTerminationSignal(int number);
    void giveUp();
    void reportStoppedUpdate();
    void finish(int code);
    void disconnected();

    QList<QPair<QString, QString>> pageValues() const;
    QString portText() const;
    QString openFailureText() const;
    QString linkLossCause() const;

    Options options;
    QTextStream out;
    QTextStream err;

    std::unique_ptr<FirmwareUpdate> firmwareUpdate;
    std::unique_ptr<TModbus> worker;
    std::unique_ptr<Translate> translate;
    std::unique_ptr<Backend> backend;
    std::unique_ptr<SettingsFiles> settingsFiles;
    std::unique_ptr<LineSearch> lineSearch;
    std::unique_ptr<LineModules> lineModules;
    std::unique_ptr<CommissioningReport> commissioningReport;
    std::unique_ptr<QTranslator> reportLanguage;
    std::unique_ptr<TerminationWatch> termination;

    Stage stage = Stage::Connecting;
    int exitCode = Failure;
    bool connected = false;
    QTimer guard;
    QTimer disconnectWait;
    // After giving up: the request in flight ends within the client's own
    // time-out, and the operation's account follows.
    QTimer giveUpWait;
    bool updateGivenUp = false;

    // read PAGE
    bool pageRefreshDone = false;
    bool pollDone = false;
    QStringList unreadBlocks;

    // scan
    int modulesPrinted = 0;
    // the -all commands
    int resultsPrinted = 0;

    // update and scan
    int lastPercent = -1;
    bool progressOnTerminal = false;
    bool progressLineOpen = false;
};

#endif
