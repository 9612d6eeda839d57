#include "report/commissioningreport.h"

#include "backend/backend.h"
#include "backend/measurementtable.h"
#include "backend/registers.h"
#include "backend/registertable.h"
#include "backend/settingstable.h"
#include "commissioning/modulesettings.h"
#include "commissioning/settingsfiles.h"
#include "diagnostics/alarmhistory.h"
#include "files/filewrite.h"
#include "line/linemodules.h"
#include "link/modbus.h"
#include "link/modbuscommand.h"
#include "link/portdirectory.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMap>
#include <QPointer>

#include <iterator>

Q_LOGGING_CATEGORY(reportLog, "orvalis.report", QtWarningMsg)

using namespace Registers;

namespace {

// The last minutes of voltages the picture shows.
const qint64 voltageWindowMs = 10 * 60 * 1000;


// Where a page column goes in the report's four: the phases, then neutral or the sum.
int columnOf(const QString &head)
{
    static const QMap<QString, int> columns{
        {"L1", 0}, {"Phase 1", 0}, {"P1", 0}, {"Q1", 0}, {"V1N", 0}, {"V12", 0},
        {"L2", 1}, {"Phase 2", 1}, {"P2", 1}, {"Q2", 1}, {"V2N", 1}, {"V23", 1},
        {"L3", 2}, {"Phase 3", 2}, {"P3", 2}, {"Q3", 2}, {"V3N", 2}, {"V31", 2},
        {"Neutral", 3}, {QStringLiteral("ΣP"), 3}, {QStringLiteral("ΣQ"), 3}};
    return columns.value(head, -1);
}

QString measurementLabel(const MeasurementTable::Quantity &q)
{
    if (q.property == QLatin1String("voltageValuesN"))
        return CommissioningReport::tr("Voltage L-N");
    if (q.property == QLatin1String("voltageValues"))
        return CommissioningReport::tr("Voltage L-L");
    return QCoreApplication::translate("VMeasurement", q.label.toUtf8().constData());
}

} // namespace

struct CommissioningReport::Job {
    bool line = false;
    QString path;
    ReportHeader header;
    bool hasReference = false;
    ModuleSettings reference;
    QVector<int> slaves;
    int index = 0;
    QVector<ReportModule> modules;
    ModuleSettings settings; // of the module in work
    QStringList settingsProblems;
    bool settingsRead = false;
};

CommissioningReport::CommissioningReport(Backend *backend, LineModules *line, AlarmHistory *history,
                                         const Modbus *client, const QString &toolVersion, QObject *parent)
    : QObject(parent), backend(backend), line(line), history(history), client(client), version(toolVersion)
{
    files = std::make_unique<SettingsFiles>(
        backend, [line](const QVector<ModbusCommand> &records, Backend::Batch batch) {
            line->postRecords(records, std::move(batch));
        });
    connect(backend, &Backend::measurementsRead, this, &CommissioningReport::noteVoltages);
}

CommissioningReport::~CommissioningReport() = default;

int CommissioningReport::done() const
{
    return job ? job->index : 0;
}

int CommissioningReport::total() const
{
    return job ? job->slaves.size() : 0;
}

void CommissioningReport::workOn(const QVariantList &slaves)
{
    chosen.clear();
    for (const QVariant &s : slaves)
        chosen.append(s.toInt());
}

// The connected module's voltages as the poll or the page reads them.
void CommissioningReport::noteVoltages()
{
    const int slave = backend->connectionState() ? backend->linkSettings().value(QStringLiteral("slaveAddress")).toInt() : 0;
    if (slave != voltagesOf) {
        voltages.clear();
        voltagesOf = slave;
    }
    const QStringList v = backend->voltageValuesN();
    if (v.size() < 3)
        return;
    ReportModule::Sample sample;
    sample.at = QDateTime::currentDateTime();
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        sample.volts[i] = v[i].toDouble(&ok);
        if (!ok)
            return;
    }
    voltages.append(sample);
    while (!voltages.isEmpty() && voltages.first().at.msecsTo(sample.at) > voltageWindowMs)
        voltages.removeFirst();
}

void CommissioningReport::writeModule(const QString &file, const QString &site, const QString &technician,
                                      const QString &reference)
{
    start(false, file, site, technician, reference);
}

void CommissioningReport::writeLine(const QString &file, const QString &site, const QString &technician,
                                    const QString &reference)
{
    start(true, file, site, technician, reference);
}

QString CommissioningReport::lineText() const
{
    const int port = line->portNumber();
    const int baud = SettingsTable::baudRates().value(line->baudIndex());
    return tr("port %1 (%2), %3 baud, parity %4")
        .arg(port)
        .arg(PortDirectory::shared().portName(port))
        .arg(baud)
        .arg(Backend::parityText(line->parityIndex()));
}

void CommissioningReport::start(bool lineReport, const QString &file, const QString &site,
                                const QString &technician, const QString &reference)
{
    const QVector<int> slaves = std::exchange(chosen, {});
    if (job) {
        emit reportEnd(false, tr("A report is being written already."));
        return;
    }
    auto next = std::make_unique<Job>();
    next->line = lineReport;
    next->path = FileWrite::localPath(file);
    if (next->path.isEmpty()) {
        emit reportEnd(false, tr("No file was chosen."));
        return;
    }
    const QString referencePath = FileWrite::localPath(reference);
    if (!referencePath.isEmpty()) {
        QString error;
        if (!ModuleSettings::load(referencePath, &next->reference, &error)) {
            emit reportEnd(false, tr("The reference file was refused: %1").arg(error));
            return;
        }
        next->hasReference = true;
    }
    if (lineReport) {
        next->slaves = slaves;
        if (next->slaves.isEmpty()) {
            for (const LineModules::Module &m : line->found()) {
                if (m.ticked)
                    next->slaves.append(m.slave);
            }
        }
        if (next->slaves.isEmpty()) {
            emit reportEnd(false, tr("No module is ticked."));
            return;
        }
    } else {
        if (!backend->connectionState()) {
            emit reportEnd(false, tr("Not connected to a module."));
            return;
        }
        next->slaves = {backend->linkSettings().value(QStringLiteral("slaveAddress")).toInt()};
    }
    next->header.site = site;
    next->header.technician = technician;
    next->header.at = QDateTime::currentDateTime();
    next->header.toolVersion = version;
    next->header.line = lineText();
    next->header.referenceFile = referencePath;
    qCDebug(reportLog).noquote() << "CommissioningReport:" << next->path << "modules" << next->slaves;
    job = std::move(next);
    emit busyChanged();
    emit progressChanged();
    readNext();
}

void CommissioningReport::readNext()
{
    if (job->index >= job->slaves.size()) {
        QString error;
        if (!ReportDocument::write(job->path, job->header, job->modules, &error))
            end(false, tr("The report was not written: %1").arg(error));
        else
            end(true, tr("The report was written to %1.").arg(job->path));
        return;
    }
    const int slave = job->slaves[job->index];
    job->settingsRead = false;
    job->settingsProblems.clear();
    files->setSlave(slave);
    files->readModule([this, slave](const ModuleSettings *module, const QStringList &problems) {
        moduleRead(slave, module, problems);
    });
}

void CommissioningReport::moduleRead(int slave, const ModuleSettings *module, const QStringList &problems)
{
    if (!job)
        return;
    job->settingsRead = module != nullptr;
    job->settings = module ? *module : ModuleSettings();
    job->settingsProblems = problems;
    QVector<ModbusCommand> reads;
    // Beside the settings: the measurement page's blocks and the lamps'.
    QVector<int> addresses(std::begin(MeasurementBlocks), std::end(MeasurementBlocks));
    addresses += QVector<int>(std::begin(AlarmCoils), std::end(AlarmCoils));
    for (int address : addresses) {
        const RegisterTable::Block *block = RegisterTable::read(address);
        reads.append(ModbusCommand(Request, address, block->count, block->type, 0));
    }
    auto got = std::make_shared<QVector<ModbusCommand>>();
    // The line may give the records back after this report is gone (its port closing).
    line->post(slave, reads,
               {[got](ModbusCommand *cmd) { got->append(*cmd); },
                [self = QPointer<CommissioningReport>(this), got] {
                    if (self)
                        self->blocksRead(*got);
                }});
}

void CommissioningReport::blocksRead(const QVector<ModbusCommand> &records)
{
    if (!job)
        return;
    const int slave = job->slaves[job->index];
    QMap<int, QVector<quint16>> words;
    QStringList unread;
    for (const ModbusCommand &cmd : records) {
        const RegisterTable::Block *block = RegisterTable::read(cmd.getAddress());
        if (cmd.getError() == 0 && block && cmd.getValues().size() == block->count)
            words.insert(cmd.getAddress(), cmd.getValues());
        else if (block)
            unread << QCoreApplication::translate("RegisterTable", block->name.toUtf8().constData());
    }

    ReportModule m;
    m.slaveAddress = slave;
    const ModuleSettings &s = job->settings;
    const LineModules::Module *seen = nullptr;
    for (const LineModules::Module &x : line->found()) {
        if (x.slave == slave)
            seen = &x;
    }
    if (job->settingsRead) {
        m.serialNumber = s.serialNumber;
        m.fsdId = s.fsdId;
        m.firmwareVersion = s.firmwareVersion;
        m.hardwareVersion = s.hardwareVersion;
        m.lastBoot = s.lastBoot;
        m.installationDate = s.valueText(QStringLiteral("installationDate"));
        // Another module's file: its identity and serial settings are its own.
        const bool sameModule = !job->hasReference || job->reference.serialNumber == s.serialNumber;
        const QVector<ModuleSettings::Difference> rows =
            ModuleSettings::table(job->hasReference ? job->reference : s, s);
        for (const ModuleSettings::Difference &d : rows) {
            const SettingsTable::Setting *t = SettingsTable::find(d.key);
            const bool differs = job->hasReference && d.differs && (sameModule || !(t && t->ownToModule()));
            m.settings.append({d.name, d.moduleValue, d.unit, job->hasReference ? d.fileValue : QString(), differs});
            m.differences += differs;
        }
        m.hasReference = job->hasReference;
    } else {
        if (seen) {
            m.serialNumber = seen->serialNumber;
            m.fsdId = seen->fsdId;
            m.firmwareVersion = seen->firmwareVersion;
        }
        m.settingsProblem = job->settingsProblems.join(QLatin1Char(' '));
    }

    // The measurement page's rows, their columns in four: the phases, then neutral or the sum.
    m.measurementHeads = QStringList{tr("L1"), tr("L2"), tr("L3"), tr("N / Σ")};
    QVector<QString> order;
    QMap<QString, ReportModule::Measurement> rows;
    for (const MeasurementTable::Quantity &q : MeasurementTable::quantities()) {
        if (q.row == QLatin1String("fuses") || !words.contains(q.block->address))
            continue;
        const int column = columnOf(q.column);
        const QString key = q.property + QLatin1Char('/') + q.row;
        if (column < 0 || q.element < 0)
            continue;
        if (!rows.contains(key)) {
            order.append(key);
            rows.insert(key, {measurementLabel(q), q.unit(), QStringList{QString(), QString(), QString(), QString()}});
        }
        const QStringList texts = MeasurementTable::texts(q.property, words.value(q.block->address));
        rows[key].values[column] = texts.value(q.element);
    }
    for (const QString &key : order)
        m.measurements.append(rows.value(key));
    if (words.contains(M_REG_VOLTAGE_LL)) {
        const BlockWords w(QStringLiteral("voltagesLL"), words.value(M_REG_VOLTAGE_LL));
        m.measurements.append({tr("Temperature"), w.field(QStringLiteral("temperature")).unit,
                               {w.text(QStringLiteral("temperature")), QString(), QString(), QString()}});
    }
    if (words.contains(M_REG_MEAN_TIMESTAMP))
        m.meansTime = BlockWords(QStringLiteral("meanTimestamp"), words.value(M_REG_MEAN_TIMESTAMP))
                          .text(QStringLiteral("date and time"));
    if (m.measurements.isEmpty())
        m.measurementsProblem = tr("Not read: %1.").arg(unread.join(QStringLiteral(", ")));

    // The lamps as read now.
    using A = AlarmHistory;
    const auto lamp = [&](A::Alarm alarm, int address, const QString &field) {
        const bool known = words.contains(address);
        const RegisterTable::Block *block = RegisterTable::read(address);
        const bool flag = known && BlockWords(*block, words.value(address)).flag(field);
        // Module status 1 is the module working; the others are alarms when set.
        const bool raised = known && (alarm == A::ModuleStatus ? !flag : flag);
        m.alarms.append({A::whatText(alarm), A::stateText(alarm, !known ? A::Unknown : raised ? A::Raised : A::Ok), raised});
    };
    lamp(A::ModuleStatus, M_COIL_MODULE_STATUS, QStringLiteral("module status"));
    lamp(A::FuseL1, M_COIL_FUSE_BLOWN, QStringLiteral("fuse L1 blown"));
    lamp(A::FuseL2, M_COIL_FUSE_BLOWN, QStringLiteral("fuse L2 blown"));
    lamp(A::FuseL3, M_COIL_FUSE_BLOWN, QStringLiteral("fuse L3 blown"));
    lamp(A::Temperature, M_COIL_TEMPERATURE_STATUS, QStringLiteral("temperature alarm"));
    QStringList raised;
    for (const ReportModule::Alarm &a : m.alarms) {
        if (a.active)
            raised << a.name;
    }
    const bool unknown = !words.contains(M_COIL_MODULE_STATUS) || !words.contains(M_COIL_FUSE_BLOWN)
                         || !words.contains(M_COIL_TEMPERATURE_STATUS);
    m.alarmSummary = !raised.isEmpty() ? raised.join(QStringLiteral(", "))
                     : unknown         ? A::stateText(A::ModuleStatus, A::Unknown)
                                       : A::stateText(A::ModuleStatus, A::Ok);

    // What the program itself saw of the connected module.
    const bool connected = backend->connectionState()
                           && backend->linkSettings().value(QStringLiteral("slaveAddress")).toInt() == slave;
    if (connected) {
        m.alarmHistory = history ? history->lines() : QStringList();
        if (voltagesOf == slave)
            m.voltages = voltages;
        const LinkStatistics &st = client->statistics();
        const auto count = [](int n) { return QString::number(n); };
        m.linkStatistics = {{tr("Requests"), count(st.requests)},
                            {tr("Answered"), count(st.answered)},
                            {tr("Time-outs"), count(st.errors[Exchange::Timeout])},
                            {tr("Garbled answers"), count(st.errors[Exchange::Garbled])},
                            {tr("Exceptions"), count(st.errors[Exchange::Exception])},
                            {tr("Unfit answers"), count(st.errors[Exchange::Unfit])},
                            {tr("Link lost"), count(st.errors[Exchange::LinkLost])},
                            {tr("Late answers"), count(st.errors[Exchange::LateAnswer])},
                            {tr("Resends"), count(st.resends)},
                            {tr("Round trip, mean"), tr("%1 ms").arg(st.meanMs(), 0, 'f', 1)},
                            {tr("Round trip, worst"), tr("%1 ms").arg(st.worstMs, 0, 'f', 1)}};
    }
    job->modules.append(m);
    ++job->index;
    emit progressChanged();
    readNext();
}

void CommissioningReport::end(bool ok, const QString &message)
{
    job.reset();
    emit busyChanged();
    emit progressChanged();
    emit reportEnd(ok, message);
}
