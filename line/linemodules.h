#ifndef LINE_LINEMODULES_H
#define LINE_LINEMODULES_H

// line/ holds the work on every module of one RS-485 line: finding them,
// their alarm lamps kept fresh, switching the connected one, and the same
// settings or firmware work done on each in turn.

#include "backend/backend.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVector>

#include <memory>

class Backend;
class ModbusCommand;
class SettingsFiles;

// The modules of the line the connection page names (or the connected
// module's line). While connected, every request to the others goes through
// Backend's worker queue, one record at a time between the pages' own; while
// not, through a client of its own on the port, which a connect takes back.
class LineModules : public QObject
{
    Q_OBJECT
    // The view is open: the lamps are read round-robin.
    Q_PROPERTY(bool active READ active NOTIFY changed)
    // Finding the modules: addresses tried of how many.
    Q_PROPERTY(bool finding READ finding NOTIFY changed)
    Q_PROPERTY(int findDone READ findDone NOTIFY changed)
    Q_PROPERTY(int findTotal READ findTotal NOTIFY changed)
    // One map per module found, by slave address: slaveAddress, serialNumber,
    // fsdId, firmwareVersion, bootloader, answering (false once it stopped),
    // connected, ticked, lampsKnown and the lamps as Backend names them:
    // moduleStatus, fuseBlowL1, fuseBlowL2, fuseBlowL3, temperatureStatus.
    Q_PROPERTY(QVariantList modules READ modules NOTIFY changed)
    // Where "back" goes: the module connected before the last switch, 0 for none.
    Q_PROPERTY(int previousSlave READ previousSlave NOTIFY changed)
    // The operation on the ticked modules: its name in the interface language,
    // modules done of how many, the one in work and its own progress (0..1).
    Q_PROPERTY(bool working READ working NOTIFY changed)
    // The operation is a firmware update: closing the program would cut one short.
    Q_PROPERTY(bool updating READ updating NOTIFY changed)
    Q_PROPERTY(QString workTitle READ workTitle NOTIFY changed)
    Q_PROPERTY(int workDone READ workDone NOTIFY changed)
    Q_PROPERTY(int workTotal READ workTotal NOTIFY changed)
    Q_PROPERTY(int workSlave READ workSlave NOTIFY changed)
    Q_PROPERTY(double workModuleProgress READ workModuleProgress NOTIFY changed)
    // One map per module of the last operation: slaveAddress, serialNumber,
    // outcome (0 done, 1 differs, 2 failed), text (one line) and details
    // (a list of lines: the differences or the reason).
    Q_PROPERTY(QVariantList results READ results NOTIFY changed)

public:
    enum Outcome { Done = 0, Differ = 1, Failed = 2 };
    Q_ENUM(Outcome)

    struct Module {
        int slave = 0;
        QString serialNumber;
        QString fsdId;
        QString firmwareVersion;
        bool bootloader = false;
        bool answering = true;
        bool ticked = true;
        bool identityKnown = false;
        bool lampsKnown = false;
        bool moduleStatus = false;
        bool fuseBlown[3] = {false, false, false};
        bool temperatureStatus = false;
    };
    struct Result {
        int slave = 0;
        QString serialNumber;
        int outcome = Failed;
        QString text;
        QStringList details;
    };

    LineModules(Backend *backend, SettingsFiles *settingsFiles, QObject *parent = nullptr);
    ~LineModules() override;

    bool active() const { return isActive; }
    bool finding() const;
    int findDone() const;
    int findTotal() const;
    QVariantList modules() const;
    int previousSlave() const { return previous; }
    bool working() const { return work != nullptr; }
    bool updating() const;
    QString workTitle() const;
    int workDone() const;
    int workTotal() const;
    int workSlave() const;
    double workModuleProgress() const;
    QVariantList results() const;

    const QVector<Module> &found() const { return line; }
    const QVector<Result> &lastResults() const { return resultList; }

    // Opens the view on the line of the connected module, or, when not
    // connected, on the port at `indexList` of Backend's lstDevices at the
    // page's baud rate and parity (indexes of the page's lists). Finds the
    // modules when none were found on that line yet.
    Q_INVOKABLE void open(int indexList, int baudIndex, int parityIndex);
    // The view is closed: the lamps are no longer read.
    Q_INVOKABLE void close();
    // Finds the modules again, every address the connection page admits.
    Q_INVOKABLE void find();
    // Without the view: the line at port number `port` (not an index), for the command line.
    void findOnPort(int port, int baudRate, int parity);

    Q_INVOKABLE void setTicked(int slave, bool ticked);
    Q_INVOKABLE void setAllTicked(bool ticked);
    // Makes `slave` the connected module; back() returns to the one before.
    Q_INVOKABLE void choose(int slave);
    Q_INVOKABLE void back();

    // The operations on the ticked modules (or `slaves` when given), one
    // module after another; each ends with workEnded. A file, folder or image
    // is a path or a file: URL.
    //   saveAll     one file per module, named by its serial number
    //   compareAll  a folder: each module with its own file; a file: each with it
    //   restoreAll  the file's settings, without identity (FSD ID, installation
    //               date) and serial settings; each module is read back after
    //   updateAll   the firmware image, each module's settings kept before
    Q_INVOKABLE void saveAll(const QString &folder);
    Q_INVOKABLE void compareAll(const QString &path);
    Q_INVOKABLE void restoreAll(const QString &file);
    Q_INVOKABLE void updateAll(const QString &image);
    // The next operation works on these modules instead of the ticked ones.
    void setSlaves(const QVector<int> &slaves) { chosenSlaves = slaves; }
    // The same from the view: the modules the operator confirmed.
    Q_INVOKABLE void workOn(const QVariantList &slaves);
    // Stops after the module in work.
    Q_INVOKABLE void cancel();

    // For the line's other readers (the report): records to the module at
    // `slave` go as the line's own do, through Backend's queue one at a time
    // while a module is connected, through the line's port otherwise.
    void post(int slave, const QVector<ModbusCommand> &records, Backend::Batch batch);
    // Records already addressed (ModbusCommand::setOtherSlave).
    void postRecords(const QVector<ModbusCommand> &records, Backend::Batch batch);
    // The line's settings as its view shows them: port number, page indexes of baud rate and parity.
    int portNumber() const;
    int baudIndex() const;
    int parityIndex() const;

signals:
    void changed();
    // The modules have been found (or the line could not be opened: `error`).
    void findEnded(const QString &error);
    // Every module but the connected one has been read once more.
    void roundEnded();
    // The end of an operation: how many modules failed or differ, and one line.
    void workEnded(int notDone, const QString &summary);

private:
    struct Work;
    struct Engine;
    void startRound();
    void postNext();
    void readEnded(const ModbusCommand &cmd, int slave, int read);
    bool postRead(int slave, int read);
    bool viaBackend() const;
    bool portReady();
    void endSearch(const QString &error);
    Module *module(int slave);
    int portIndex() const;
    void takeLinkSettings();
    void startWork(int kind, const QString &path);
    void nextModule();
    void moduleEnded(int outcome, const QString &text, const QStringList &details);
    void endWork();
    void onConnectionEnd(bool connected);
    void onUpdateEnd(bool success);
    void startModuleUpdate();
    int connectedSlave() const;
    static QString updateFailText(int reason);

    Backend *backend;
    SettingsFiles *files;
    std::unique_ptr<Engine> engine;
    QVector<Module> line;
    QVector<Result> resultList;
    QVector<int> chosenSlaves;
    std::unique_ptr<Work> work;
    bool isActive = false;
    int previous = 0;
};

#endif
