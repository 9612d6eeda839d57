#include "testrecorder.h"

#include "backendrig.h"

#include "app/translate.h"
#include "diagnostics/alarmhistory.h"
#include "backend/backend.h"
#include "diagnostics/csvtext.h"
#include "diagnostics/measurementrecorder.h"
#include "link/tmodbus.h"
#include "support/fullfolder.h"
#include "support/virtualline.h"
#include "tools/drive/eventwait.h"
#include "update/firmwareupdate.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// The measurement page, as VMeasurement.qml lays it out: which elements of
// which property it shows, and the columns they become.
struct PageRow {
    const char *property;
    QVector<int> at;
    QStringList columns;
};

const QList<PageRow> page = {
    {"fusesStatus", {0, 1, 2}, {"Fuse L1 blown", "Fuse L2 blown", "Fuse L3 blown"}},
    {"intensity", {0, 1, 2, 3}, {"I1 (A)", "I2 (A)", "I3 (A)", "IN (A)"}},
    {"intensityMean", {0, 1, 2, 3}, {"I1 mean (A)", "I2 mean (A)", "I3 mean (A)", "IN mean (A)"}},
    {"intensityMin", {0, 1, 2, 3}, {"I1 min (A)", "I2 min (A)", "I3 min (A)", "IN min (A)"}},
    {"intensityMin", {4, 5, 6, 7}, {"I1 max (A)", "I2 max (A)", "I3 max (A)", "IN max (A)"}},
    {"currentPhi", {0, 1, 2}, {"cos phi 1", "cos phi 2", "cos phi 3"}},
    {"voltageValuesN", {0, 1, 2}, {"U1N (V)", "U2N (V)", "U3N (V)"}},
    {"voltageValues", {0, 1, 2}, {"U12 (V)", "U23 (V)", "U31 (V)"}},
    {"activeReactivePower", {0, 2, 3, 4}, {"P total (W)", "P1 (W)", "P2 (W)", "P3 (W)"}},
    {"activeReactivePowerMean", {0, 2, 3, 4}, {"P total mean (W)", "P1 mean (W)", "P2 mean (W)", "P3 mean (W)"}},
    {"activeReactivePowerMin", {1, 5, 7, 9}, {"P total min (W)", "P1 min (W)", "P2 min (W)", "P3 min (W)"}},
    {"activeReactivePowerMin", {0, 4, 6, 8}, {"P total max (W)", "P1 max (W)", "P2 max (W)", "P3 max (W)"}},
    {"activeReactivePower", {1, 5, 6, 7}, {"Q total (VAR)", "Q1 (VAR)", "Q2 (VAR)", "Q3 (VAR)"}},
    {"activeReactivePowerMean", {1, 5, 6, 7},
     {"Q total mean (VAR)", "Q1 mean (VAR)", "Q2 mean (VAR)", "Q3 mean (VAR)"}},
    {"activeReactivePowerMin", {3, 11, 13, 15}, {"Q total min (VAR)", "Q1 min (VAR)", "Q2 min (VAR)", "Q3 min (VAR)"}},
    {"activeReactivePowerMin", {2, 10, 12, 14}, {"Q total max (VAR)", "Q1 max (VAR)", "Q2 max (VAR)", "Q3 max (VAR)"}},
};

QStringList header()
{
    QStringList columns{"Time"};
    for (const PageRow &r : page)
        columns += r.columns;
    return columns << "Mean values time" << QString::fromUtf8("Temperature (°C)");
}

// What a row must hold after the time: the properties as they are now, with
// what the page shows as "Error" empty, and the temperature empty with its block.
QStringList pageValues(const Backend &backend)
{
    auto known = [](const QString &v) { return v == QLatin1String("Error") ? QString() : v; };
    QStringList values;
    for (const PageRow &r : page) {
        const QStringList list = backend.property(r.property).toStringList();
        for (int i : r.at)
            values.append(known(list.value(i)));
    }
    values.append(known(backend.timeAndDateOfMeanValues()));
    QString temperature = backend.temperatureMeasurement();
    temperature.remove(QString::fromUtf8("°C"));
    values.append(backend.voltageValues().value(0) == QLatin1String("Error") ? QString() : temperature);
    return values;
}

QList<QStringList> readCsv(const QString &path)
{
    QFile file(path);
    QList<QStringList> lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    QByteArray bytes = file.readAll();
    // The byte-order mark once, at the start: a day's file opened again gets no second one.
    const QByteArray mark = CsvText::byteOrderMark();
    if (!bytes.startsWith(mark) || bytes.indexOf(mark, mark.size()) >= 0)
        lines.append({QStringLiteral("<byte-order mark missing or repeated>")});
    if (bytes.startsWith(mark))
        bytes.remove(0, mark.size());
    const QString text = QString::fromUtf8(bytes);
    if (!text.endsWith(QLatin1Char('\n')))
        lines.append({QStringLiteral("<cut short>")});
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines.append(line.split(QLatin1Char(',')));
    return lines;
}

// The history oldest first, one "what: state" each.
QStringList entries(const AlarmHistory &history)
{
    QStringList result;
    for (int row = history.count() - 1; row >= 0; --row) {
        const QModelIndex i = history.index(row);
        result.append(i.data(AlarmHistory::WhatRole).toString() + ": "
                      + i.data(AlarmHistory::StateRole).toString());
    }
    return result;
}

// The compare the history posts for itself.
void deliver()
{
    QCoreApplication::processEvents();
}

// A Backend without a link, its properties set directly, and a clock to move.
struct OffBus {
    explicit OffBus(bool connected = true) { backend.setConnectionState(connected); }
    QTemporaryDir folder;
    Backend backend;
    QDateTime now{QDate(2026, 12, 7), QTime(23, 59, 59)};
};

} // namespace

struct TestRecorder::Rig : BackendRig {
};

TestRecorder::TestRecorder() = default;
TestRecorder::~TestRecorder() = default;

void TestRecorder::initTestCase()
{
    QVERIFY(dir.isValid());
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    rig.reset(new Rig);
    QVERIFY(rig->startLine());
    // Above any temperature the module reaches, so that "auto" means no alarm.
    QVERIFY(rig->control({"set 50573 80"}));
}

void TestRecorder::cleanupTestCase()
{
    rig.reset();
}

bool TestRecorder::connectModule()
{
    Backend &backend = rig->backend;
    backend.refreshSerialPortList();
    const int index = backend.lstDevices().indexOf(rig->line.portNumber());
    QSignalSpy ended(&backend, &Backend::connectionEnd);
    QSignalSpy loaded(&backend, &Backend::loadRegisterFinish);
    backend.connectDevice(index, 247, 0, 1);
    return index >= 0 && waitUntil([&] { return ended.count() > 0 && loaded.count() > 0; }, 5000)
           && backend.connectionState();
}

void TestRecorder::alarmChangesFromTheModule()
{
    Backend &backend = rig->backend;
    AlarmHistory history(&backend);
    QVERIFY(connectModule());
    settle(4500); // two polls
    QCOMPARE(entries(history), QStringList());

    // One read apart each, so that the order is the module's.
    struct Step {
        QStringList commands;
        QStringList added;
    };
    const QList<Step> steps = {
        {{"setcoil 30000 0"}, {"Module status: fault"}},
        {{"setcoil 32311 0 1 0"}, {"Fuse L2: blown"}},
        {{"setcoil 32311 1 0 1"}, {"Fuse L1: blown", "Fuse L2: OK", "Fuse L3: blown"}},
        {{"alarm temperature 1"}, {"Temperature alarm: alarm"}},
        {{"exception 32311 4"}, {"Fuse L1: unknown", "Fuse L2: unknown", "Fuse L3: unknown"}},
        {{"exception clear"}, {"Fuse L1: blown", "Fuse L2: OK", "Fuse L3: blown"}},
        {{"setcoil 30000 1"}, {"Module status: OK"}},
    };
    QStringList expected;
    for (const Step &s : steps) {
        expected += s.added;
        QVERIFY(rig->control(s.commands));
        QVERIFY2(waitUntil([&] { return history.count() >= expected.size(); }, 5000),
                 qPrintable(s.commands.join(';')));
        QCOMPARE(entries(history), expected);
    }

    // A reconnect resets the lamps to OK unseen; the first poll finds the
    // module's alarms again.
    QSignalSpy disconnected(&backend, &Backend::disconnectionEnd);
    backend.disconnectDevice();
    QVERIFY(waitUntil([&] { return disconnected.count() > 0; }, 3000));
    QVERIFY(connectModule());
    settle(4500);
    expected << "Fuse L1: blown" << "Fuse L3: blown" << "Temperature alarm: alarm";
    QCOMPARE(entries(history), expected);

    QVERIFY(rig->control({"setcoil 32311 0 0 0", "alarm temperature auto"}));
    QVERIFY(waitUntil([&] { return !backend.temperatureStatus() && !backend.fuseBlowL1(); }, 5000));
}

void TestRecorder::recordingFollowsThePolls()
{
    Backend &backend = rig->backend;
    if (!backend.connectionState())
        QVERIFY(connectModule());
    backend.setMeasurementEnable(true);

    MeasurementRecorder recorder(&backend);
    const QDateTime base(QDate(2026, 12, 8), QTime(10, 0));
    int tick = 0;
    recorder.setClock([&] { return base.addSecs(++tick); });
    // What the properties showed at each round, with the time the recorder took.
    QList<QStringList> shown;
    QObject context;
    connect(&backend, &Backend::measurementsRead, &context, [&] {
        if (recorder.recording())
            shown.append(QStringList{QString::number(tick)} + pageValues(backend));
    });

    QVERIFY(recorder.start(QUrl::fromLocalFile(dir.filePath("polls.csv")).toString()));
    QVERIFY(recorder.recording());
    QCOMPARE(recorder.fileName(), dir.filePath("polls-2026-12-08.csv"));
    QVERIFY(waitUntil([&] { return shown.size() >= 2; }, 6000));

    // A refused voltage block: its row is written all the same.
    const int column = header().indexOf("U12 (V)");
    QVERIFY(rig->control({"exception 50567 4"}));
    QVERIFY(waitUntil([&] { return shown.last().value(column).isEmpty(); }, 6000));
    QVERIFY(rig->control({"exception clear"}));
    const int failed = shown.size() - 1;
    QVERIFY(waitUntil([&] { return shown.size() > failed + 1; }, 6000));

    QSignalSpy stopped(&recorder, &MeasurementRecorder::recordingChanged);
    backend.disconnectDevice();
    QVERIFY(waitUntil([&] { return !backend.connectionState(); }, 3000));
    QVERIFY(!recorder.recording());
    QCOMPARE(stopped.count(), 1);
    QVERIFY(recorder.error().isEmpty());
    backend.setMeasurementEnable(false);

    const QList<QStringList> lines = readCsv(recorder.fileName());
    QCOMPARE(lines.value(0), header());
    QCOMPARE(lines.size() - 1, shown.size());
    QCOMPARE(recorder.rows(), shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        const QStringList row = lines[i + 1];
        QCOMPARE(QDateTime::fromString(row.value(0), Qt::ISODate), base.addSecs(shown[i][0].toInt()));
        QVERIFY2(QRegularExpression("[+-]\\d\\d:\\d\\d$").match(row.value(0)).hasMatch(), qPrintable(row[0]));
        QCOMPARE(row.mid(1), shown[i].mid(1));
    }
    QVERIFY(!lines[failed + 1].value(header().indexOf("I1 (A)")).isEmpty());
    QVERIFY(lines[failed + 1].last().isEmpty());
    QVERIFY(!lines.last().last().isEmpty());
}

void TestRecorder::refusedStarts_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("name");
    QTest::newRow("disconnected") << false << "m.csv";
    QTest::newRow("no file") << true << "";
    QTest::newRow("missing folder") << true << "missing/m.csv";
}

void TestRecorder::refusedStarts()
{
    QFETCH(bool, connected);
    QFETCH(QString, name);
    OffBus o(connected);
    MeasurementRecorder recorder(&o.backend);
    QVERIFY(!recorder.start(name.isEmpty() ? name : o.folder.filePath(name)));
    QVERIFY(!recorder.recording());
    QVERIFY(!recorder.error().isEmpty());
    QCOMPARE(QDir(o.folder.path()).entryList(QDir::Files), QStringList());
}

void TestRecorder::dailyFileNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("extension") << "measurements.csv" << "measurements-2026-12-08.csv";
    QTest::newRow("none") << "/data/run.2/log" << "/data/run.2/log-2026-12-08.csv";
    QTest::newRow("two dots") << "site.a.txt" << "site.a-2026-12-08.txt";
}

void TestRecorder::dailyFileNames()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(MeasurementRecorder::dailyFileName(chosen, QDate(2026, 12, 8)), written);
}

void TestRecorder::newFileAtMidnight()
{
    OffBus o;
    MeasurementRecorder recorder(&o.backend);
    recorder.setClock([&] { return o.now; });
    QVERIFY(recorder.start(o.folder.filePath("m.csv")));
    emit o.backend.measurementsRead();
    o.now = QDateTime(QDate(2026, 12, 8), QTime(0, 0, 1));
    emit o.backend.measurementsRead();
    emit o.backend.measurementsRead();

    const QList<QStringList> before = readCsv(o.folder.filePath("m-2026-12-07.csv"));
    QCOMPARE(before.size(), 2);
    QCOMPARE(QDateTime::fromString(before[1][0], Qt::ISODate), QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59)));
    QCOMPARE(readCsv(o.folder.filePath("m-2026-12-08.csv")).size(), 3);
    QCOMPARE(recorder.fileName(), o.folder.filePath("m-2026-12-08.csv"));
    QCOMPARE(recorder.rows(), 3);

    // A new start the same day goes on in that day's file, under the one
    // header, after a row a crash cut short.
    recorder.stop();
    QFile day(o.folder.filePath("m-2026-12-08.csv"));
    QVERIFY(day.open(QIODevice::Append));
    day.write("2026-12-08T00:00:03+01:00,1");
    day.close();
    QVERIFY(recorder.start(o.folder.filePath("m.csv")));
    QCOMPARE(recorder.rows(), 0);
    emit o.backend.measurementsRead();
    const QList<QStringList> after = readCsv(day.fileName());
    QCOMPARE(after.size(), 5);
    QCOMPARE(after.count(after[0]), 1);
    QCOMPARE(after.last().size(), header().size());
}

void TestRecorder::fullDiskStopsRecording()
{
    if (!QFile::exists("/dev/full"))
        QSKIP("no /dev/full here");
    OffBus o;
    MeasurementRecorder recorder(&o.backend);
    recorder.setClock([&] { return o.now; });
    QVERIFY(recorder.start(o.folder.filePath("m.csv")));
    emit o.backend.measurementsRead();
    // The next day's file on a device that takes nothing.
    QVERIFY(QFile::link("/dev/full", o.folder.filePath("m-2026-12-08.csv")));
    o.now = o.now.addSecs(2);
    emit o.backend.measurementsRead();
    QVERIFY(!recorder.recording());
    QVERIFY2(recorder.error().contains("m-2026-12-08.csv: No space left on device"), qPrintable(recorder.error()));
    QCOMPARE(recorder.rows(), 1);
    QCOMPARE(readCsv(o.folder.filePath("m-2026-12-07.csv")).size(), 2);
}

void TestRecorder::fullDiskLeavesWholeRows()
{
    FullFolder full;
    if (!full.problem().isEmpty())
        QSKIP(qPrintable(full.problem()));
    OffBus o;
    MeasurementRecorder recorder(&o.backend);
    recorder.setClock([&] { return o.now; });
    QVERIFY(recorder.start(full.filePath("m.csv")));
    QVERIFY(full.fill());
    // Rows fill what is left of the file's last page, the last of them cut short.
    for (int i = 0; i < 100 && recorder.recording(); ++i)
        emit o.backend.measurementsRead();
    QVERIFY(!recorder.recording());
    QVERIFY2(recorder.error().endsWith("m-2026-12-07.csv: No space left on device"), qPrintable(recorder.error()));
    const QList<QStringList> lines = readCsv(recorder.fileName());
    QCOMPARE(lines.size(), recorder.rows() + 1);
    QCOMPARE(lines.last().size(), header().size());
}

void TestRecorder::lostFileStopsRecording_data()
{
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder removed") << false << "No such file or directory";
    QTest::newRow("file replaced") << true << "Replaced by another file";
}

void TestRecorder::lostFileStopsRecording()
{
    QFETCH(bool, replaced);
    QFETCH(QString, reason);
    OffBus o;
    MeasurementRecorder recorder(&o.backend);
    recorder.setClock([&] { return o.now; });
    QVERIFY(QDir(o.folder.path()).mkdir("run"));
    QVERIFY(recorder.start(o.folder.filePath("run/m.csv")));
    for (int i = 0; i < 3; ++i)
        emit o.backend.measurementsRead();
    const QString day = o.folder.filePath("run/m-2026-12-07.csv");
    if (replaced)
        QVERIFY(QFile::remove(day) && QFile(day).open(QIODevice::WriteOnly));
    else
        QVERIFY(QDir(o.folder.filePath("run")).removeRecursively());
    emit o.backend.measurementsRead();
    QVERIFY(!recorder.recording());
    QVERIFY2(recorder.error().endsWith("m-2026-12-07.csv: " + reason), qPrintable(recorder.error()));
    QCOMPARE(recorder.rows(), 3);
}

void TestRecorder::historyFromProperties()
{
    OffBus o(false);
    Backend &b = o.backend;
    AlarmHistory history(&b);
    history.setClock([&] { return o.now; });
    b.setModuleStatus(true);
    b.setFuseBlowL1(true);
    deliver();
    QCOMPARE(history.count(), 0); // not connected
    b.setConnectionState(true);
    deliver();
    QCOMPARE(history.count(), 0); // how it was at the connect

    b.setTemperatureStatus(true);
    deliver();
    // A failed temperature read clears the flag and then marks it unknown.
    b.setTemperatureStatus(false);
    b.setTemperatureStatusKnown(false);
    deliver();
    b.setModuleStatus(false);
    b.setFuseBlowL1(false);
    deliver();
    b.setFusesKnown(false);
    deliver();
    QCOMPARE(entries(history), (QStringList{"Temperature alarm: alarm", "Temperature alarm: unknown",
                                            "Module status: fault", "Fuse L1: OK", "Fuse L1: unknown",
                                            "Fuse L2: unknown", "Fuse L3: unknown"}));
    QList<bool> alarms;
    for (int row = history.count() - 1; row >= 0; --row)
        alarms << history.index(row).data(AlarmHistory::AlarmRole).toBool();
    QCOMPARE(alarms, (QList<bool>{true, false, true, false, false, false, false}));
    QCOMPARE(history.index(0).data(AlarmHistory::TimeRole).toDateTime(), o.now);
    QStringList roles;
    for (const QByteArray &name : history.roleNames())
        roles << name;
    roles.sort();
    QCOMPARE(roles, (QStringList{"alarm", "state", "time", "what"}));
}

void TestRecorder::historyIsCapped()
{
    OffBus o;
    AlarmHistory history(&o.backend);
    int i = 0;
    history.setClock([&] { return o.now.addSecs(i); });
    QSignalSpy removed(&history, &QAbstractItemModel::rowsRemoved);
    const int changes = AlarmHistory::capacity + 5;
    for (i = 0; i < changes; ++i) {
        o.backend.setFuseBlowL2(i % 2 == 0);
        deliver();
    }
    QCOMPARE(history.count(), AlarmHistory::capacity);
    QCOMPARE(removed.count(), 5);
    const QModelIndex newest = history.index(0);
    const QModelIndex oldest = history.index(AlarmHistory::capacity - 1);
    QCOMPARE(newest.data(AlarmHistory::TimeRole).toDateTime(), o.now.addSecs(changes - 1));
    QCOMPARE(newest.data(AlarmHistory::StateRole).toString(), QString("blown"));
    QCOMPARE(oldest.data(AlarmHistory::TimeRole).toDateTime(), o.now.addSecs(5));
    QCOMPARE(oldest.data(AlarmHistory::StateRole).toString(), QString("OK"));
}

void TestRecorder::historySavedAsCsv()
{
    OffBus o;
    AlarmHistory history(&o.backend);
    history.setClock([&] { return o.now; });
    o.backend.setFuseBlowL3(true);
    deliver();
    o.now = o.now.addSecs(90);
    o.backend.setModuleStatusKnown(false);
    deliver();

    const QString path = o.folder.filePath("alarms.csv");
    QVERIFY(history.save(QUrl::fromLocalFile(path).toString()));
    const QList<QStringList> lines = readCsv(path);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], (QStringList{"Time", "What", "State"}));
    QCOMPARE(lines[1].mid(1), (QStringList{"Fuse L3", "blown"}));
    QCOMPARE(lines[2].mid(1), (QStringList{"Module status", "unknown"}));
    QCOMPARE(QDateTime::fromString(lines[1][0], Qt::ISODate), o.now.addSecs(-90));
    QCOMPARE(QDateTime::fromString(lines[2][0], Qt::ISODate), o.now);

    QVERIFY(!history.save(o.folder.path())); // a folder
    QVERIFY(!history.error().isEmpty());
    QVERIFY(history.save(path));
    QVERIFY(history.error().isEmpty());

    FullFolder full("alarms.csv", "Time,What,State\n");
    if (full.problem().isEmpty()) {
        QVERIFY(!history.save(full.filePath("alarms.csv")));
        QVERIFY2(history.error().endsWith("alarms.csv: No space left on device"), qPrintable(history.error()));
        QCOMPARE(full.changed(), QString());
    }
    history.clear();
    QCOMPARE(history.count(), 0);
}
