#ifndef REPORT_COMMISSIONINGREPORT_H
#define REPORT_COMMISSIONINGREPORT_H

#include "report/reportdocument.h"

#include <QObject>
#include <QVector>

#include <functional>
#include <memory>

class AlarmHistory;
class Backend;
class LineModules;
class Modbus;
class ModbusCommand;
class ModuleSettings;
class SettingsFiles;

// The commissioning report of the connected module or of the line view's
// ticked modules: each module is read anew (settings, measurements, lamps)
// through the line's way to it, then the report is drawn and written whole.
// Published to QML as `commissioningReport`; orvalis-cli report and
// report-all drive the same.
class CommissioningReport : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // Modules read of how many.
    Q_PROPERTY(int done READ done NOTIFY progressChanged)
    Q_PROPERTY(int total READ total NOTIFY progressChanged)

public:
    CommissioningReport(Backend *backend, LineModules *line, AlarmHistory *history, const Modbus *client,
                        const QString &toolVersion, QObject *parent = nullptr);
    ~CommissioningReport() override;

    bool busy() const { return job != nullptr; }
    int done() const;
    int total() const;

    // The connected module's report. `reference` (a settings file, may be
    // empty) adds its values beside the module's, the differences marked.
    // Each ends with reportEnd.
    Q_INVOKABLE void writeModule(const QString &file, const QString &site, const QString &technician,
                                 const QString &reference);
    // The report of the modules ticked in the line view (or given to setSlaves).
    Q_INVOKABLE void writeLine(const QString &file, const QString &site, const QString &technician,
                               const QString &reference);
    // The next line report covers these modules instead of the ticked ones.
    void setSlaves(const QVector<int> &slaves) { chosen = slaves; }
    Q_INVOKABLE void workOn(const QVariantList &slaves);

signals:
    void busyChanged();
    void progressChanged();
    // `message` says where the report went or why there is none, in the interface language.
    void reportEnd(bool ok, const QString &message);

private:
    struct Job;
    void start(bool line, const QString &file, const QString &site, const QString &technician,
               const QString &reference);
    void readNext();
    void moduleRead(int slave, const ModuleSettings *settings, const QStringList &problems);
    void blocksRead(const QVector<ModbusCommand> &records);
    void end(bool ok, const QString &message);
    QString lineText() const;
    void noteVoltages();

    Backend *backend;
    LineModules *line;
    AlarmHistory *history;
    const Modbus *client;
    QString version;
    std::unique_ptr<SettingsFiles> files;
    std::unique_ptr<Job> job;
    QVector<int> chosen;
    // The connected module's phase-to-neutral voltages of the last minutes.
    QVector<ReportModule::Sample> voltages;
    int voltagesOf = 0; // the slave they were seen on
};

#endif
