#include "line/linemodules.h"

#include "backend/backend.h"
#include "backend/registers.h"
#include "backend/registertable.h"
#include "backend/settingstable.h"
#include "commissioning/settingsfiles.h"
#include "diagnostics/linescanner.h"
#include "files/filewrite.h"
#include "line/portqueue.h"
#include "link/modbus.h"
#include "link/modbuscommand.h"
#include "update/firmwareupdate.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMetaEnum>
#include <QModbusDevice>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <functional>
#include <memory>

Q_LOGGING_CATEGORY(lineLog, "orvalis.line", QtWarningMsg)

using namespace Registers;

namespace {

// A round of the lamps starts at most this often: as the connected module's poll.
const int roundMs = 2000;
// Before the line's own port is opened again after the module's link closed:
// the worker may be about to open it for the next connect.
const int portRetryMs = 200;

enum class Read { Probe, Serial, FsdId, Firmware, Status, Fuses, Temperature };

int readAddress(Read r)
{
    switch (r) {
    case Read::Probe:
        return M_REG_STATUS;
    case Read::Serial:
        return M_REG_TEMPERATURE_THRESHOLD;
    case Read::FsdId:
        return M_REG_FSD_ID;
    case Read::Firmware:
        return M_REG_FIRMWARE_VERSION;
    case Read::Status:
        return M_COIL_MODULE_STATUS;
    case Read::Fuses:
        return M_COIL_FUSE_BLOWN;
    case Read::Temperature:
        return M_COIL_TEMPERATURE_STATUS;
    }
    return 0;
}

// A batch through Backend's queue one record at a time, so that the pages'
// requests wait for one of the line's at most; after a record that got no
// answer or was cancelled the rest end unsent, as the line's own client does.
void postOneByOne(Backend *backend, const QVector<ModbusCommand> &records, Backend::Batch batch)
{
    struct Sequence {
        QVector<ModbusCommand> records;
        Backend::Batch batch;
        int next = 0;
    };
    auto seq = std::make_shared<Sequence>(Sequence{records, std::move(batch), 0});
    auto step = std::make_shared<std::function<void()>>();
    *step = [backend, seq, weakStep = std::weak_ptr<std::function<void()>>(step)] {
        if (seq->next >= seq->records.size()) {
            if (seq->batch.done)
                seq->batch.done();
            return;
        }
        const auto self = weakStep.lock();
        backend->postBatch({seq->records[seq->next]},
                           {[seq](ModbusCommand *cmd) {
                                ModbusCommand &mine = seq->records[seq->next];
                                mine = *cmd;
                                if (seq->batch.finished)
                                    seq->batch.finished(&mine);
                            },
                            [seq, self] {
                                const int error = seq->records[seq->next].getError();
                                ++seq->next;
                                if (error == QModbusDevice::TimeoutError || error == QModbusDevice::ReplyAbortedError) {
                                    for (; seq->next < seq->records.size(); ++seq->next) {
                                        seq->records[seq->next].setError(QModbusDevice::ReplyAbortedError);
                                        if (seq->batch.finished)
                                            seq->batch.finished(&seq->records[seq->next]);
                                    }
                                }
                                (*self)();
                            }});
    };
    (*step)();
}

} // namespace

// One read of the round or of the search.
struct LineRead {
    int slave;
    Read read;
};

struct LineModules::Work {
    enum class Kind { Save, CompareFolder, CompareFile, Restore, Update };
    Kind kind = Kind::Save;
    QString path;
    QVector<int> slaves;
    int index = 0;
    bool cancelled = false;
    bool inModule = false;
    double moduleProgress = 0;
    // Update: the module connected when the work began (0 none), and where it stands.
    int connectedBefore = 0;
    enum class Step { Connecting, SettingClock, Updating } step = Step::Connecting;
};

struct LineModules::Engine {
    PortQueue port;
    std::unique_ptr<SettingsFiles> files;
    // The line: port number, page indexes of baud rate and parity.
    int portNumber = -1;
    int baudIndex = 0;
    int parity = 1;
    QVector<LineRead> todo;
    bool reading = false; // a read of the round or the search is out
    bool searching = false;
    int searchDone = 0;
    int searchTotal = 0;
    bool withoutView = false; // a search for the command line: one round, no more
    QElapsedTimer roundClock;
    QTimer nextRound;
};

LineModules::LineModules(Backend *backend, SettingsFiles *settingsFiles, QObject *parent)
    : QObject(parent), backend(backend), files(settingsFiles), engine(std::make_unique<Engine>())
{
    Engine &e = *engine;
    e.files = std::make_unique<SettingsFiles>(
        backend,
        [this](const QVector<ModbusCommand> &records, Backend::Batch batch) { postRecords(records, std::move(batch)); },
        this);
    connect(e.files.get(), &SettingsFiles::settingsEnd, this,
            [this](int outcome, const QString &message, const QStringList &details) {
                if (work && work->inModule && work->kind != Work::Kind::Update)
                    moduleEnded(outcome, message, details);
            });
    e.nextRound.setSingleShot(true);
    connect(&e.nextRound, &QTimer::timeout, this, &LineModules::startRound);

    // The worker's connect opens the port: the line's own client lets it go first.
    connect(backend, &Backend::connectStarting, this, [this] { engine->port.close(); });
    connect(backend, &Backend::connectionEnd, this, &LineModules::onConnectionEnd);
    connect(backend, &Backend::connectionStateChanged, this, [this] {
        if (this->backend->connectionState())
            takeLinkSettings();
        emit changed();
        postNext();
    });
    connect(backend, &Backend::loadRegisterFinish, this, [this] {
        if (work && work->step == Work::Step::SettingClock)
            startModuleUpdate();
    });
    connect(backend, &Backend::connectionError, this, [this] {
        if (work && work->inModule && work->step == Work::Step::SettingClock)
            moduleEnded(Failed, tr("The link to the module was lost."), {});
    });
    connect(backend, &Backend::updateSuccess, this, [this] { onUpdateEnd(true); });
    connect(backend, &Backend::updateFail, this, [this] { onUpdateEnd(false); });
    connect(backend, &Backend::updateProgress, this, [this](float p) {
        if (work && work->kind == Work::Kind::Update) {
            work->moduleProgress = qBound(0.0, double(p), 1.0);
            emit changed();
        }
    });
    // The connected module's lamps are the pages' own.
    for (auto sig : {&Backend::moduleStatusChanged, &Backend::fuseBlowL1Changed, &Backend::fuseBlowL2Changed,
                     &Backend::fuseBlowL3Changed, &Backend::temperatureStatusChanged})
        connect(backend, sig, this, &LineModules::changed);
}

void LineModules::postRecords(const QVector<ModbusCommand> &records, Backend::Batch batch)
{
    if (viaBackend()) {
        postOneByOne(backend, records, std::move(batch));
        return;
    }
    portReady();
    engine->port.postBatch(records, std::move(batch));
}

void LineModules::post(int slave, const QVector<ModbusCommand> &records, Backend::Batch batch)
{
    QVector<ModbusCommand> addressed = records;
    for (ModbusCommand &cmd : addressed)
        cmd.setOtherSlave(slave, 500, 2);
    postRecords(addressed, std::move(batch));
}

int LineModules::portNumber() const
{
    return engine->portNumber;
}

int LineModules::baudIndex() const
{
    return engine->baudIndex;
}

int LineModules::parityIndex() const
{
    return engine->parity;
}

LineModules::~LineModules()
{
    engine->port.close();
}

bool LineModules::finding() const
{
    return engine->searching;
}

int LineModules::findDone() const
{
    return engine->searchDone;
}

int LineModules::findTotal() const
{
    return engine->searchTotal;
}

int LineModules::connectedSlave() const
{
    return backend->connectionState() ? backend->linkSettings().value(QStringLiteral("slaveAddress")).toInt() : 0;
}

QVariantList LineModules::modules() const
{
    const int connectedTo = connectedSlave();
    QVariantList list;
    for (const Module &m : line) {
        const bool connected = m.slave == connectedTo;
        QVariantMap map{{QStringLiteral("slaveAddress"), m.slave},
                        {QStringLiteral("serialNumber"), m.serialNumber},
                        {QStringLiteral("fsdId"), m.fsdId},
                        {QStringLiteral("firmwareVersion"), m.firmwareVersion},
                        {QStringLiteral("bootloader"), connected ? backend->moduleInBootloader() : m.bootloader},
                        {QStringLiteral("answering"), connected || m.answering},
                        {QStringLiteral("connected"), connected},
                        {QStringLiteral("ticked"), m.ticked},
                        {QStringLiteral("lampsKnown"), connected ? backend->moduleStatusKnown() : m.lampsKnown},
                        {QStringLiteral("moduleStatus"), connected ? backend->moduleStatus() : m.moduleStatus},
                        {QStringLiteral("fuseBlowL1"), connected ? backend->fuseBlowL1() : m.fuseBlown[0]},
                        {QStringLiteral("fuseBlowL2"), connected ? backend->fuseBlowL2() : m.fuseBlown[1]},
                        {QStringLiteral("fuseBlowL3"), connected ? backend->fuseBlowL3() : m.fuseBlown[2]},
                        {QStringLiteral("temperatureStatus"),
                         connected ? backend->temperatureStatus() : m.temperatureStatus}};
        list.append(map);
    }
    return list;
}

QString LineModules::workTitle() const
{
    if (!work)
        return {};
    switch (work->kind) {
    case Work::Kind::Save:
        return tr("Saving the settings");
    case Work::Kind::CompareFolder:
    case Work::Kind::CompareFile:
        return tr("Comparing the settings");
    case Work::Kind::Restore:
        return tr("Writing the file's settings");
    case Work::Kind::Update:
        return tr("Updating the firmware");
    }
    return {};
}

bool LineModules::updating() const
{
    return work && work->kind == Work::Kind::Update;
}

void LineModules::workOn(const QVariantList &slaves)
{
    chosenSlaves.clear();
    for (const QVariant &s : slaves)
        chosenSlaves.append(s.toInt());
}

int LineModules::workDone() const
{
    return work ? work->index : 0;
}

int LineModules::workTotal() const
{
    return work ? work->slaves.size() : 0;
}

int LineModules::workSlave() const
{
    return work && work->index < work->slaves.size() ? work->slaves[work->index] : 0;
}

double LineModules::workModuleProgress() const
{
    return work ? work->moduleProgress : 0;
}

QVariantList LineModules::results() const
{
    QVariantList list;
    for (const Result &r : resultList)
        list.append(QVariantMap{{QStringLiteral("slaveAddress"), r.slave},
                                {QStringLiteral("serialNumber"), r.serialNumber},
                                {QStringLiteral("outcome"), r.outcome},
                                {QStringLiteral("text"), r.text},
                                {QStringLiteral("details"), r.details}});
    return list;
}

LineModules::Module *LineModules::module(int slave)
{
    const auto it = std::find_if(line.begin(), line.end(), [slave](const Module &m) { return m.slave == slave; });
    return it == line.end() ? nullptr : &*it;
}

int LineModules::portIndex() const
{
    return backend->lstDevices().indexOf(engine->portNumber);
}

// The connected module's line is the one the view shows.
void LineModules::takeLinkSettings()
{
    const QVariantMap link = backend->linkSettings();
    if (link.isEmpty())
        return;
    const int index = link.value(QStringLiteral("portIndex")).toInt();
    const int port = backend->lstDevices().value(index, -1);
    const int baudIndex = qMax(0, SettingsTable::baudRates().indexOf(link.value(QStringLiteral("baudrate")).toInt()));
    const int parity = link.value(QStringLiteral("parity")).toInt();
    if (port != engine->portNumber || baudIndex != engine->baudIndex || parity != engine->parity) {
        // Another line: what was found belongs to the old one.
        line.clear();
        previous = 0;
    }
    engine->portNumber = port;
    engine->baudIndex = baudIndex;
    engine->parity = parity;
}

void LineModules::open(int indexList, int baudIndex, int parityIndex)
{
    Engine &e = *engine;
    if (backend->connectionState()) {
        takeLinkSettings();
    } else {
        const int port = backend->lstDevices().value(indexList, -1);
        if (port != e.portNumber || baudIndex != e.baudIndex || parityIndex != e.parity) {
            line.clear();
            previous = 0;
        }
        e.portNumber = port;
        e.baudIndex = baudIndex;
        e.parity = parityIndex;
    }
    isActive = true;
    e.withoutView = false;
    emit changed();
    if (line.isEmpty())
        find();
    else
        startRound();
}

void LineModules::close()
{
    isActive = false;
    engine->nextRound.stop();
    if (!engine->searching)
        engine->todo.clear();
    // The connection page's Search and connect need the port.
    if (!engine->searching && !work)
        engine->port.close();
    emit changed();
}

void LineModules::findOnPort(int port, int baudRate, int parity)
{
    Engine &e = *engine;
    e.portNumber = port;
    e.baudIndex = qMax(0, SettingsTable::baudRates().indexOf(baudRate));
    e.parity = parity;
    e.withoutView = true;
    line.clear();
    find();
}

void LineModules::find()
{
    Engine &e = *engine;
    if (e.searching || work)
        return;
    e.nextRound.stop();
    e.todo.clear();
    QVector<int> addresses = SettingsTable::slaveAddresses();
    if (!addresses.contains(SettingsTable::defaultSlaveAddress()))
        addresses.append(SettingsTable::defaultSlaveAddress());
    for (int a : addresses)
        e.todo.append({a, Read::Probe});
    e.searching = true;
    e.searchDone = 0;
    e.searchTotal = addresses.size();
    qCDebug(lineLog) << "LineModules::find on port" << e.portNumber << "-" << addresses.size() << "addresses";
    emit changed();
    postNext();
}

void LineModules::endSearch(const QString &error)
{
    Engine &e = *engine;
    e.searching = false;
    e.todo.clear();
    // The connection page may want the port now; the command line's work follows at once.
    if (!isActive && !work && !e.withoutView)
        e.port.close();
    emit changed();
    emit findEnded(error);
    if (isActive && error.isEmpty())
        startRound();
}

// The connected module's own requests go through Backend's queue; so do the
// others' while it is connected, one record at a time between its own.
bool LineModules::viaBackend() const
{
    return backend->connectionState();
}

// The line's own client on the port, while no module is connected and the
// worker is done with the port.
bool LineModules::portReady()
{
    Engine &e = *engine;
    if (e.port.isOpen())
        return true;
    if (backend->recordsPosted() != backend->recordsFinished())
        return false;
    QString error;
    if (e.port.open(e.portNumber, e.baudIndex, e.parity, &error))
        return true;
    qCDebug(lineLog).noquote() << "LineModules: cannot open port" << e.portNumber << "-" << error;
    if (e.searching)
        endSearch(error.isEmpty() ? QStringLiteral("?") : error);
    return false;
}

void LineModules::startRound()
{
    Engine &e = *engine;
    if (e.searching || e.reading || !isActive)
        return;
    e.todo.clear();
    const int connectedTo = connectedSlave();
    for (const Module &m : line) {
        if (m.slave == connectedTo)
            continue;
        if (m.bootloader) {
            // Its application's lamps answer nothing: whether it is still there, and still in it.
            e.todo.append({m.slave, Read::Probe});
            continue;
        }
        if (!m.identityKnown)
            e.todo += {{m.slave, Read::Serial}, {m.slave, Read::FsdId}, {m.slave, Read::Firmware}};
        e.todo += {{m.slave, Read::Status}, {m.slave, Read::Fuses}, {m.slave, Read::Temperature}};
    }
    e.roundClock.start();
    postNext();
}

void LineModules::postNext()
{
    Engine &e = *engine;
    if (e.reading)
        return;
    // An update talks to the connected module alone; a line operation has the line to itself.
    const bool paused = work || backend->updateRunning() || (viaBackend() && backend->moduleInBootloader());
    if (paused && !e.searching)
        return;
    if (e.todo.isEmpty()) {
        if (e.searching) {
            endSearch({});
            return;
        }
        qint64 roundTook = roundMs;
        if (e.roundClock.isValid()) {
            roundTook = e.roundClock.elapsed();
            e.roundClock.invalidate();
            emit roundEnded();
        }
        if (isActive && !e.nextRound.isActive())
            e.nextRound.start(int(qMax<qint64>(0, roundMs - roundTook)));
        return;
    }
    if (!viaBackend() && !portReady()) {
        // The worker still has the port, or it would not open: try again shortly.
        if (e.searching || isActive)
            QTimer::singleShot(portRetryMs, this, &LineModules::postNext);
        return;
    }
    const LineRead next = e.todo.takeFirst();
    postRead(next.slave, int(next.read));
}

bool LineModules::postRead(int slave, int readIndex)
{
    Engine &e = *engine;
    const Read r = Read(readIndex);
    const RegisterTable::Block *block = RegisterTable::read(readAddress(r));
    ModbusCommand cmd(Request, block->address, block->count, block->type, 0);
    const int baudRate = SettingsTable::baudRates().value(e.baudIndex, 19200);
    // A probe as the search's: once, a short wait. A module found gets one resend.
    if (r == Read::Probe)
        cmd.setOtherSlave(slave, LineScanner::probeTimeout(baudRate), 0);
    else
        cmd.setOtherSlave(slave, 3 * LineScanner::probeTimeout(baudRate), 1);
    e.reading = true;
    auto result = std::make_shared<ModbusCommand>();
    Backend::Batch batch{[result](ModbusCommand *c) { *result = *c; },
                         [this, result, slave, readIndex] {
                             engine->reading = false;
                             readEnded(*result, slave, readIndex);
                             // From the back of the event queue: the worker takes the pages' records first.
                             QTimer::singleShot(0, this, &LineModules::postNext);
                         }};
    if (viaBackend())
        backend->postBatch({cmd}, std::move(batch));
    else
        e.port.postBatch({cmd}, std::move(batch));
    return true;
}

void LineModules::readEnded(const ModbusCommand &cmd, int slave, int readIndex)
{
    Engine &e = *engine;
    const Read r = Read(readIndex);
    const int error = cmd.getError();
    const QVector<quint16> &words = cmd.getValues();
    if (r == Read::Probe && e.searching)
        ++e.searchDone;
    // Cut short by a connect or a cancel: it says nothing about the module.
    if (error == QModbusDevice::ReplyAbortedError) {
        if (e.searching)
            e.todo.prepend({slave, r});
        if (r == Read::Probe && e.searching)
            --e.searchDone;
        return;
    }
    Module *m = module(slave);
    if (error == QModbusDevice::TimeoutError || error == QModbusDevice::ConnectionError
        || error == QModbusDevice::UnknownError) {
        if (m && m->answering) {
            qCDebug(lineLog) << "LineModules: module" << slave << "stopped answering";
            m->answering = false;
        }
        // The rest of its round waits for the next.
        e.todo.erase(std::remove_if(e.todo.begin(), e.todo.end(), [slave](const LineRead &x) { return x.slave == slave; }),
                     e.todo.end());
        emit changed();
        return;
    }
    if (!m && r == Read::Probe && error == 0) {
        Module found;
        found.slave = slave;
        line.append(found);
        std::sort(line.begin(), line.end(), [](const Module &a, const Module &b) { return a.slave < b.slave; });
        m = module(slave);
        qCDebug(lineLog) << "LineModules: module at" << slave;
    }
    if (!m) {
        emit changed();
        return;
    }
    m->answering = true;
    if (error != 0) {
        // A refusal: in its bootloader the application's registers are not there.
        if (r == Read::Status || r == Read::Fuses || r == Read::Temperature)
            m->lampsKnown = false;
        emit changed();
        return;
    }
    switch (r) {
    case Read::Probe: {
        const bool bootloader = words.value(0) == 1;
        const bool wasBootloader = m->bootloader;
        m->bootloader = bootloader;
        if (bootloader)
            m->lampsKnown = false;
        // Found now, or back from its bootloader: its identity and lamps are
        // read after the search's last probe, or at once.
        if (!bootloader && (e.searching || wasBootloader)) {
            QVector<LineRead> reads;
            if (!m->identityKnown || wasBootloader)
                reads += {{slave, Read::Serial}, {slave, Read::FsdId}, {slave, Read::Firmware}};
            reads += {{slave, Read::Status}, {slave, Read::Fuses}, {slave, Read::Temperature}};
            if (e.searching)
                e.todo += reads;
            else
                e.todo = reads + e.todo;
        }
        break;
    }
    case Read::Serial:
        m->serialNumber = BlockWords(QStringLiteral("homeSettings"), words).text(QStringLiteral("serial number"));
        break;
    case Read::FsdId:
        m->fsdId = BlockWords(QStringLiteral("fsdId"), words).text(QStringLiteral("FSD ID"));
        break;
    case Read::Firmware:
        m->firmwareVersion = BlockWords(QStringLiteral("firmwareVersion"), words).text(QStringLiteral("firmware version"));
        m->identityKnown = true;
        break;
    case Read::Status:
        m->moduleStatus = BlockWords(QStringLiteral("moduleStatus"), words).flag(QStringLiteral("module status"));
        break;
    case Read::Fuses: {
        const BlockWords w(QStringLiteral("fuses"), words);
        m->fuseBlown[0] = w.flag(QStringLiteral("fuse L1 blown"));
        m->fuseBlown[1] = w.flag(QStringLiteral("fuse L2 blown"));
        m->fuseBlown[2] = w.flag(QStringLiteral("fuse L3 blown"));
        break;
    }
    case Read::Temperature:
        m->temperatureStatus = BlockWords(QStringLiteral("temperatureStatus"), words).flag(QStringLiteral("temperature alarm"));
        m->lampsKnown = true;
        break;
    }
    emit changed();
}

void LineModules::setTicked(int slave, bool ticked)
{
    if (Module *m = module(slave)) {
        m->ticked = ticked;
        emit changed();
    }
}

void LineModules::setAllTicked(bool ticked)
{
    for (Module &m : line)
        m.ticked = ticked;
    emit changed();
}

void LineModules::choose(int slave)
{
    const int current = connectedSlave();
    if (work || slave == current || portIndex() < 0)
        return;
    qCDebug(lineLog) << "LineModules::choose" << slave << "from" << current;
    if (current > 0) {
        previous = current;
        backend->disconnectDevice();
    }
    engine->port.close();
    backend->connectDevice(portIndex(), slave, engine->baudIndex, engine->parity);
    emit changed();
}

void LineModules::back()
{
    if (previous > 0)
        choose(previous);
}

void LineModules::onConnectionEnd(bool connected)
{
    if (!work || work->kind != Work::Kind::Update || !work->inModule || work->step != Work::Step::Connecting)
        return;
    if (!connected) {
        moduleEnded(Failed, tr("The module did not answer the connect."), {});
        return;
    }
    // The connect sets the module's clock first, as every connect does; a
    // bootloader has none, and its update starts at once.
    work->step = Work::Step::SettingClock;
    QTimer::singleShot(0, this, [this] {
        if (work && work->step == Work::Step::SettingClock && backend->moduleInBootloader())
            startModuleUpdate();
    });
}

void LineModules::startModuleUpdate()
{
    work->step = Work::Step::Updating;
    backend->startUpdate(work->path);
}

void LineModules::saveAll(const QString &folder)
{
    startWork(int(Work::Kind::Save), folder);
}

void LineModules::compareAll(const QString &path)
{
    const bool folder = QFileInfo(FileWrite::localPath(path)).isDir();
    startWork(int(folder ? Work::Kind::CompareFolder : Work::Kind::CompareFile), path);
}

void LineModules::restoreAll(const QString &file)
{
    startWork(int(Work::Kind::Restore), file);
}

void LineModules::updateAll(const QString &image)
{
    startWork(int(Work::Kind::Update), image);
}

void LineModules::cancel()
{
    if (work) {
        work->cancelled = true;
        emit changed();
    }
}

void LineModules::startWork(int kind, const QString &path)
{
    // Chosen for this operation only.
    const QVector<int> chosen = std::exchange(chosenSlaves, {});
    if (work || engine->searching) {
        emit workEnded(0, tr("Another operation on the line is running."));
        return;
    }
    auto next = std::make_unique<Work>();
    next->kind = Work::Kind(kind);
    next->path = FileWrite::localPath(path);
    next->slaves = chosen;
    if (next->slaves.isEmpty()) {
        for (const Module &m : line) {
            if (m.ticked)
                next->slaves.append(m.slave);
        }
    }
    if (next->slaves.isEmpty()) {
        emit workEnded(0, tr("No module is ticked."));
        return;
    }
    if (next->path.isEmpty()) {
        emit workEnded(0, tr("No file was chosen."));
        return;
    }
    if (next->kind == Work::Kind::Update) {
        // An image that no module would take is refused before any of them is touched.
        QByteArray image;
        FirmwareUpdate::FailReason why;
        if (!FirmwareUpdate::readImage(next->path, &image, &why)) {
            emit workEnded(0, tr("The firmware image cannot be used: %1").arg(updateFailText(int(why))));
            return;
        }
        next->connectedBefore = connectedSlave();
        // Each module's result tells what was kept; nothing is asked in between.
        files->setCompareAfterUpdate(false);
    }
    qCDebug(lineLog).noquote() << "LineModules: work" << kind << next->path << "on" << next->slaves;
    resultList.clear();
    engine->nextRound.stop();
    work = std::move(next);
    emit changed();
    // Behind the read of the round that may be out.
    QTimer::singleShot(0, this, &LineModules::nextModule);
}

void LineModules::nextModule()
{
    if (!work || work->inModule)
        return;
    if (engine->reading) {
        // The round's read still out: the line is the work's once it is back.
        QTimer::singleShot(20, this, &LineModules::nextModule);
        return;
    }
    if (work->index >= work->slaves.size() || work->cancelled) {
        endWork();
        return;
    }
    const int slave = work->slaves[work->index];
    const Module *m = module(slave);
    work->inModule = true;
    work->moduleProgress = 0;
    emit changed();
    if (!m) {
        moduleEnded(Failed, tr("No module was found at this address."), {});
        return;
    }
    SettingsFiles *lineFiles = engine->files.get();
    lineFiles->setSlave(slave);
    switch (work->kind) {
    case Work::Kind::Save:
        lineFiles->saveInto(work->path);
        return;
    case Work::Kind::CompareFolder:
        if (m->serialNumber.isEmpty())
            moduleEnded(Failed, tr("Its serial number is not known, so its file cannot be named."), {});
        else
            lineFiles->compare(SettingsFiles::fileInFolder(work->path, m->serialNumber));
        return;
    case Work::Kind::CompareFile:
        lineFiles->compareCopy(work->path);
        return;
    case Work::Kind::Restore:
        lineFiles->restoreCopy(work->path);
        return;
    case Work::Kind::Update:
        if (connectedSlave() == slave) {
            startModuleUpdate();
            return;
        }
        work->step = Work::Step::Connecting;
        if (connectedSlave() > 0)
            backend->disconnectDevice();
        engine->port.close();
        backend->connectDevice(portIndex(), slave, engine->baudIndex, engine->parity);
        return;
    }
}

void LineModules::moduleEnded(int outcome, const QString &text, const QStringList &details)
{
    if (!work || !work->inModule)
        return;
    const int slave = work->slaves[work->index];
    const Module *m = module(slave);
    resultList.append({slave, m ? m->serialNumber : QString(), outcome, text, details});
    qCDebug(lineLog).noquote() << "LineModules: module" << slave << "outcome" << outcome << text;
    work->inModule = false;
    ++work->index;
    emit changed();
    // Not from inside the operation that has just told its end.
    QTimer::singleShot(0, this, &LineModules::nextModule);
}

void LineModules::onUpdateEnd(bool success)
{
    if (!work || work->kind != Work::Kind::Update || !work->inModule || work->step != Work::Step::Updating)
        return;
    const int slave = work->slaves[work->index];
    if (Module *m = module(slave))
        m->identityKnown = false; // another firmware version now
    QStringList details;
    if (!files->updateBackupPath().isEmpty())
        details << tr("Its settings were kept in %1 before the update.").arg(files->updateBackupPath());
    else if (!files->updateBackupError().isEmpty())
        details << tr("Its settings could not be kept before the update: %1").arg(files->updateBackupError());
    if (success)
        moduleEnded(Done, tr("The firmware update is done."), details);
    else
        moduleEnded(Failed,
                    tr("The firmware update failed: %1")
                        .arg(updateFailText(QMetaEnum::fromType<FirmwareUpdate::FailReason>().keyToValue(
                            backend->updateFailReason().toLatin1().constData()))),
                    details);
}

QString LineModules::updateFailText(int reason)
{
    using Reason = FirmwareUpdate::FailReason;
    switch (Reason(reason)) {
    case Reason::EmptyImage:
        return tr("the image is empty.");
    case Reason::ImageTooLarge:
        return tr("the image is too large.");
    case Reason::Unreadable:
        return tr("the image file could not be read.");
    case Reason::LinkLost:
        return tr("the link to the module was lost.");
    case Reason::ModuleRefused:
        return tr("the module refused a step of it.");
    case Reason::NoBootloader:
        return tr("the module did not start its bootloader.");
    case Reason::ImageRejected:
        return tr("the bootloader did not start the new firmware.");
    case Reason::Cancelled:
        return tr("it was stopped.");
    case Reason::NoBackup:
        return tr("its settings could not be kept, so nothing was sent to the bootloader.");
    default:
        return tr("the image could not be sent.");
    }
}

void LineModules::endWork()
{
    if (!work)
        return;
    const std::unique_ptr<Work> ended = std::move(work);
    for (int i = ended->index; i < ended->slaves.size(); ++i) {
        const Module *m = module(ended->slaves[i]);
        resultList.append({ended->slaves[i], m ? m->serialNumber : QString(), Failed,
                           tr("Not started: the operation was cancelled."), {}});
    }
    int done = 0;
    int differ = 0;
    for (const Result &r : resultList) {
        done += r.outcome == Done;
        differ += r.outcome == Differ;
    }
    const int failed = resultList.size() - done - differ;
    const QString summary = tr("Modules done: %1 of %2; differ: %3; failed: %4.")
                                .arg(done)
                                .arg(resultList.size())
                                .arg(differ)
                                .arg(failed);
    qCDebug(lineLog).noquote() << "LineModules: work ended -" << summary;
    // An update leaves the line as it found it: the module connected before, or none.
    if (ended->kind == Work::Kind::Update) {
        files->setCompareAfterUpdate(true);
        const int now = connectedSlave();
        if (ended->connectedBefore > 0 && now != ended->connectedBefore) {
            if (now > 0)
                backend->disconnectDevice();
            backend->connectDevice(portIndex(), ended->connectedBefore, engine->baudIndex, engine->parity);
        } else if (ended->connectedBefore == 0 && now > 0) {
            backend->disconnectDevice();
        }
    }
    emit changed();
    emit workEnded(differ + failed, summary);
    if (!isActive && !engine->withoutView)
        engine->port.close();
    postNext();
    if (isActive)
        startRound();
}
