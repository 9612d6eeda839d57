// The line's modules in-process, on a line of five virtual modules: found,
// kept fresh, switched to, and the connected module's own traffic untouched.

#include "backendrig.h"

#include "commissioning/settingsfiles.h"
#include "line/linemodules.h"
#include "tools/drive/eventwait.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QVector<int> lineSlaves{110, 111, 112, 113, 114};

QVector<int> slavesOf(const QVector<LineModules::Module> &modules)
{
    QVector<int> slaves;
    for (const LineModules::Module &m : modules)
        slaves.append(m.slave);
    return slaves;
}

const LineModules::Module *find(const LineModules &line, int slave)
{
    for (const LineModules::Module &m : line.found()) {
        if (m.slave == slave)
            return &m;
    }
    return nullptr;
}

// Every module but `except` has its identity and lamps read.
bool allRead(const LineModules &line, int except = 0)
{
    if (line.finding() || line.found().size() != lineSlaves.size())
        return false;
    return std::all_of(line.found().begin(), line.found().end(), [except](const LineModules::Module &m) {
        return m.slave == except || (m.identityKnown && m.lampsKnown);
    });
}

// "fn addr count" of each request to `slave` since `from` in the module's log.
QStringList requestsTo(const VirtualLine &line, int slave, int from)
{
    QStringList texts;
    const QList<QJsonObject> log = line.requests();
    for (int i = from; i < log.size(); ++i) {
        const QJsonObject &r = log[i];
        if (r[QStringLiteral("slave")].toInt() == slave)
            texts << QStringLiteral("%1 %2 %3").arg(r[QStringLiteral("fn")].toInt()).arg(r[QStringLiteral("addr")].toInt()).arg(r[QStringLiteral("count")].toInt());
    }
    return texts;
}

int connectedSlave(Backend &backend)
{
    return backend.connectionState() ? backend.linkSettings().value(QStringLiteral("slaveAddress")).toInt() : 0;
}

} // namespace

class TestLineModules : public QObject
{
    Q_OBJECT

private slots:
    void findsTheLineAndMarksASilentModule();
    void connectedModulesTrafficIsItsOwn();
    void chooseSwitchesAndBackReturns();
    void savingWhileConnectedFailsASilentModuleAlone();
};

void TestLineModules::findsTheLineAndMarksASilentModule()
{
    BackendRig rig({QStringLiteral("--slaves"), QStringLiteral("110-114")});
    QVERIFY(rig.startLine());
    rig.backend.refreshSerialPortList();
    SettingsFiles files(&rig.backend);
    LineModules line(&rig.backend, &files);
    line.open(rig.backend.lstDevices().indexOf(rig.line.portNumber()), 0, 1);
    QVERIFY(waitUntil([&] { return allRead(line); }, 15000));
    QCOMPARE(slavesOf(line.found()), lineSlaves);
    QCOMPARE(find(line, 111)->serialNumber.size(), 12);
    QVERIFY(find(line, 111)->serialNumber != find(line, 112)->serialNumber);

    QVERIFY(rig.control({QStringLiteral("slave 112 silent on"), QStringLiteral("slave 113 alarm fuse 1 on")}));
    QVERIFY(waitUntil([&] { return !find(line, 112)->answering && find(line, 113)->fuseBlown[0]; }, 8000));
    // Marked, not dropped; the others stay fresh.
    QCOMPARE(slavesOf(line.found()), lineSlaves);
    QVERIFY(find(line, 111)->answering && find(line, 114)->answering);
    QVERIFY(rig.control({QStringLiteral("slave 112 silent off"), QStringLiteral("slave 114 alarm temperature on")}));
    QVERIFY(waitUntil([&] { return find(line, 112)->answering && find(line, 114)->temperatureStatus; }, 8000));
}

void TestLineModules::connectedModulesTrafficIsItsOwn()
{
    BackendRig rig({QStringLiteral("--slaves"), QStringLiteral("110-114")});
    QVERIFY(rig.connectModule(110));
    QSignalSpy refreshed(&rig.backend, &Backend::refreshEnd);
    const auto refresh = [&] {
        // The connect's clock read-back may still be on the line.
        waitUntil([&] { return rig.backend.recordsPosted() == rig.backend.recordsFinished(); }, 5000);
        const int from = rig.line.requests().size();
        const int before = refreshed.count();
        rig.backend.refreshHomePage();
        if (!waitUntil([&] { return refreshed.count() > before; }, 10000))
            return QStringList{QStringLiteral("no refreshEnd")};
        QStringList own = requestsTo(rig.line, 110, from);
        // The poll's lamps may fall into either run.
        own.removeAll(QStringLiteral("1 30000 1"));
        own.removeAll(QStringLiteral("1 32311 3"));
        own.removeAll(QStringLiteral("1 50574 1"));
        return own;
    };
    const QStringList alone = refresh();
    QCOMPARE(alone.size(), 4);

    SettingsFiles files(&rig.backend);
    LineModules line(&rig.backend, &files);
    const int from = rig.line.requests().size();
    line.open(0, 0, 0); // connected: the link's own line, whatever the page says
    QVERIFY(waitUntil([&] { return allRead(line, 110); }, 15000));
    QCOMPARE(slavesOf(line.found()), lineSlaves);
    QCOMPARE(refresh(), alone);

    // The others' reads go one at a time: the poll's three reads are never split.
    const QList<QJsonObject> log = rig.line.requests();
    int pollReadsInARow = 0;
    for (int i = from; i < log.size(); ++i) {
        const bool ownLamp = log[i][QStringLiteral("slave")].toInt() == 110 && log[i][QStringLiteral("fn")].toInt() == 1;
        if (ownLamp && log[i][QStringLiteral("addr")].toInt() == 30000)
            pollReadsInARow = 1;
        else if (pollReadsInARow > 0 && pollReadsInARow < 3) {
            QVERIFY2(ownLamp, "a read of another module split the poll");
            ++pollReadsInARow;
        }
    }
    QVERIFY(requestsTo(rig.line, 113, from).size() >= 6);
    QVERIFY(rig.backend.connectionState());
}

void TestLineModules::chooseSwitchesAndBackReturns()
{
    BackendRig rig({QStringLiteral("--slaves"), QStringLiteral("110-114")});
    QVERIFY(rig.connectModule(110));
    SettingsFiles files(&rig.backend);
    LineModules line(&rig.backend, &files);
    line.open(0, 0, 0);
    QVERIFY(waitUntil([&] { return allRead(line, 110); }, 15000));

    line.choose(112);
    QVERIFY(waitUntil([&] { return connectedSlave(rig.backend) == 112; }, 10000));
    QCOMPARE(line.previousSlave(), 110);
    // The pages now read the module chosen.
    QSignalSpy refreshed(&rig.backend, &Backend::refreshEnd);
    rig.backend.refreshHomePage();
    QVERIFY(refreshed.wait(10000));
    QCOMPARE(rig.backend.serialNumber(), find(line, 112)->serialNumber);
    const QVariantList shown = line.modules();
    QCOMPARE(shown.size(), 5);
    QVERIFY(shown[2].toMap().value(QStringLiteral("connected")).toBool());
    QVERIFY(!shown[0].toMap().value(QStringLiteral("connected")).toBool());

    line.back();
    QVERIFY(waitUntil([&] { return connectedSlave(rig.backend) == 110; }, 10000));
    QCOMPARE(line.previousSlave(), 112);
}

void TestLineModules::savingWhileConnectedFailsASilentModuleAlone()
{
    BackendRig rig({QStringLiteral("--slaves"), QStringLiteral("110-114")});
    QVERIFY(rig.connectModule(110));
    SettingsFiles files(&rig.backend);
    LineModules line(&rig.backend, &files);
    line.open(0, 0, 0);
    QVERIFY(waitUntil([&] { return allRead(line, 110); }, 15000));
    QVERIFY(rig.control({QStringLiteral("slave 112 silent on")}));
    QTemporaryDir folder;
    QSignalSpy ended(&line, &LineModules::workEnded);
    QElapsedTimer clock;
    clock.start();
    line.saveAll(folder.path());
    QVERIFY(ended.wait(30000));
    QCOMPARE(ended.first().first().toInt(), 1);
    QVector<int> outcomes;
    for (const LineModules::Result &r : line.lastResults())
        outcomes.append(r.outcome);
    QCOMPARE(outcomes, (QVector<int>{LineModules::Done, LineModules::Done, LineModules::Failed, LineModules::Done,
                                     LineModules::Done}));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 4);
    // One unanswered read, not six: the rest of the silent module's are not sent.
    QVERIFY2(clock.elapsed() < 6000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(rig.backend.connectionState());
}

QTEST_GUILESS_MAIN(TestLineModules)
#include "testlinemodules.moc"
