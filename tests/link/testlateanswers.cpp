#include "testlateanswers.h"

#include "link/tmodbus.h"
#include "support/virtualline.h"
#include "support/workerrecorder.h"

#include <QJsonArray>
#include <QtTest>

namespace {

struct Block {
    int type; // 2 coils, 4 holding registers
    int address;
    int count;
};

// Neighbours share a function and often a length (two 6-word blocks, three
// one-byte coil answers), so an answer taken for the wrong request would fit.
const Block reads[] = {{4, 50540, 6}, {4, 50552, 6}, {2, 30000, 1}, {2, 32311, 3},
                       {2, 50574, 1}, {4, 31006, 1}, {4, 50589, 3}, {4, 50573, 11}};

QVector<quint16> words(const QString &answer)
{
    QVector<quint16> values;
    const QStringList parts = answer.split(' ', Qt::SkipEmptyParts);
    for (int i = 1; i < parts.size(); ++i)
        values.append(quint16(parts[i].toUInt()));
    return values;
}

// Holds the measurements still and gives every block distinct words.
bool prepare(VirtualLine &line)
{
    const QStringList setup = {"freeze on", "alarm temperature 0", "set 50540 1 2 3 4 5 6",
                               "set 50552 11 12 13 14 15 16", "setcoil 30000 1",
                               "setcoil 32311 0 1 0", "set 31006 77"};
    for (const QString &c : setup) {
        if (line.command(c) != QLatin1String("ok"))
            return false;
    }
    return true;
}

QVector<quint16> moduleWords(VirtualLine &line, const Block &b)
{
    return words(line.command(QStringLiteral("%1 %2 %3")
                                  .arg(b.type == 2 ? "getcoil" : "get")
                                  .arg(b.address)
                                  .arg(b.count)));
}

// Starts the module with its blocks set, notes what each holds, then turns the faults on.
bool start(VirtualLine &line, const QStringList &faults, QHash<int, QVector<quint16>> *expected)
{
    if (!line.start() || !prepare(line))
        return false;
    for (const Block &b : reads)
        expected->insert(b.address, moduleWords(line, b));
    for (const QString &f : faults) {
        if (line.command(f) != QLatin1String("ok"))
            return false;
    }
    return true;
}

QString describe(int i, const WorkerRecorder::Finished &f)
{
    QStringList v;
    for (quint16 w : f.values)
        v.append(QString::number(w));
    return QStringLiteral("request %1 at %2 brought %3").arg(i).arg(f.address).arg(v.join(' '));
}

} // namespace

void TestLateAnswers::valuesStayTrue_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("requests");
    QTest::newRow("550 ms late") << QStringList{"delay 550"} << 40;
    QTest::newRow("600 ms late") << QStringList{"delay 600"} << 40;
    QTest::newRow("800 ms late") << QStringList{"delay 800"} << 30;
    QTest::newRow("every answer twice") << QStringList{"duplicate 80"} << 60;
    QTest::newRow("a third 700 ms late") << QStringList{"seed 7", "late 0.3 700"} << 40;
    QTest::newRow("19200 baud, noisy") << QStringList{"seed 7", "line baud 19200", "noise 0.01"} << 60;
}

void TestLateAnswers::valuesStayTrue()
{
    QFETCH(QStringList, faults);
    QFETCH(int, requests);

    VirtualLine line;
    QHash<int, QVector<quint16>> expected;
    QVERIFY(start(line, faults, &expected));

    TModbus worker;
    WorkerRecorder recorder(worker);
    worker.addCommand(connectCommand(line.portNumber()));
    QVERIFY(recorder.waitFor(1, 30000));
    QCOMPARE(recorder.finished[0].connectResult, 0);

    // Reads of every block, with a write of new FSD ID words every fourth request.
    QList<QVector<quint16>> written;
    QList<int> expectedAddress;
    QList<QVector<quint16>> expectedValues;
    for (int i = 0; i < requests; ++i) {
        if (i % 4 == 3) {
            const QVector<quint16> w{quint16(0x4100 + i), quint16(i), quint16(0x5A00)};
            ModbusCommand cmd(Request, 50589, 3, 4, 1);
            cmd.addValues(w);
            worker.addCommand(cmd);
            written.append(w);
            expected[50589] = w;
            expectedAddress.append(50589);
            expectedValues.append(w);
            continue;
        }
        const Block &b = reads[i % (sizeof reads / sizeof reads[0])];
        worker.addCommand(ModbusCommand(Request, b.address, b.count, b.type, 0));
        expectedAddress.append(b.address);
        expectedValues.append(expected.value(b.address));
    }
    QVERIFY(recorder.waitFor(1 + requests, requests * 4000));

    int answered = 0;
    for (int i = 0; i < requests; ++i) {
        const WorkerRecorder::Finished &f = recorder.finished[1 + i];
        QCOMPARE(f.address, expectedAddress[i]);
        // A request may fail; it must never bring another block's words.
        QVERIFY2(f.error != 3 && f.error != 5 && f.error != 8,
                 qPrintable(QStringLiteral("request %1 lost the link: error %2").arg(i).arg(f.error)));
        if (f.error != 0)
            continue;
        ++answered;
        const bool write = i % 4 == 3;
        if (!write)
            QVERIFY2(f.values == expectedValues[i], qPrintable(describe(i, f)));
    }
    QVERIFY2(answered >= requests * 3 / 4, qPrintable(QString::number(answered)));

    // Each write the module took carried words of one of ours, and the last is what it holds.
    int writesSeen = 0;
    for (const QJsonObject &r : line.requests()) {
        if (r.value("fn").toInt() != 16)
            continue;
        QVector<quint16> values;
        for (const QJsonValue &v : r.value("values").toArray())
            values.append(quint16(v.toInt()));
        QVERIFY(written.contains(values));
        ++writesSeen;
    }
    QVERIFY(writesSeen >= written.size());
    QCOMPARE(moduleWords(line, reads[6]), written.last());
}

// A probe answered only after the client's last retry: its other answers keep
// coming for ten seconds and must not be taken for the reads that follow.
void TestLateAnswers::probeAnsweredAfterTheRetries()
{
    VirtualLine line;
    QHash<int, QVector<quint16>> expected;
    QVERIFY(start(line, {"delay 10600"}, &expected));

    TModbus worker;
    WorkerRecorder recorder(worker);
    worker.addCommand(connectCommand(line.portNumber()));
    QVERIFY(recorder.waitFor(1, 15000));
    QCOMPARE(line.command("delay 0"), QStringLiteral("ok"));
    if (recorder.finished[0].connectResult != 0) {
        // The client gave up just before the first answer: open the line again
        // while the late answers are still on their way.
        worker.addCommand(connectCommand(line.portNumber()));
        QVERIFY(recorder.waitFor(2, 30000));
        QCOMPARE(recorder.finished.last().connectResult, 0);
    }
    const int first = recorder.finished.size();
    const int count = 12;
    for (int i = 0; i < count; ++i) {
        const Block &b = reads[i % (sizeof reads / sizeof reads[0])];
        worker.addCommand(ModbusCommand(Request, b.address, b.count, b.type, 0));
    }
    QVERIFY(recorder.waitFor(first + count, 60000));
    int answered = 0;
    for (int i = 0; i < count; ++i) {
        const WorkerRecorder::Finished &f = recorder.finished[first + i];
        if (f.error != 0)
            continue;
        ++answered;
        QVERIFY2(f.values == expected.value(f.address), qPrintable(describe(i, f)));
    }
    QVERIFY(answered >= count / 2);
}
