#include "testbusmonitor.h"

#include "backendrig.h"

#include "app/translate.h"
#include "backend/backend.h"
#include "diagnostics/busmonitor.h"
#include "diagnostics/csvtext.h"
#include "link/tmodbus.h"
#include "support/fullfolder.h"
#include "support/virtualline.h"
#include "tools/drive/eventwait.h"
#include "update/firmwareupdate.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

namespace {

struct Rig : BackendRig {
    Rig() : monitor(worker.client()) {}

    // Until nothing has been heard for a while.
    void quiet()
    {
        int before = -1;
        waitUntil([&] {
            settle(300);
            const bool still = line.requests().size() == before && !backend.pollInProgress();
            before = line.requests().size();
            return still;
        }, 10000);
    }

    BusMonitor monitor;
};

QString key(int fn, int addr, int count)
{
    return QStringLiteral("%1 %2 %3").arg(fn).arg(addr).arg(count);
}

Exchange answered(int address)
{
    Exchange e;
    e.slave = 112;
    e.function = 3;
    e.address = address;
    e.count = 1;
    e.registerType = 4;
    e.values = {quint16(address)};
    return e;
}

} // namespace

void TestBusMonitor::initTestCase()
{
    QVERIFY(dir.isValid());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
}

void TestBusMonitor::refreshMatchesTheModuleLog()
{
    Rig rig;
    rig.monitor.setActive(true);
    QVERIFY(rig.connectModule());
    rig.quiet();
    rig.monitor.clear();
    rig.line.mark();
    QSignalSpy end(&rig.backend, &Backend::refreshEnd);
    rig.backend.refreshHomePage();
    QVERIFY(end.wait(10000));
    rig.quiet();
    rig.monitor.flush();

    QStringList logged, monitored;
    for (const QJsonObject &r : rig.line.requests())
        logged << key(r["fn"].toInt(), r["addr"].toInt(), r["count"].toInt()) + QStringLiteral(" @%1").arg(r["slave"].toInt());
    QStringList names;
    for (int i = 0; i < rig.monitor.rowCount(); ++i) {
        const Exchange &e = rig.monitor.exchangeAt(i);
        monitored << key(e.function, e.address, e.count) + QStringLiteral(" @%1").arg(e.slave);
        if (e.function == 3)
            names << BusMonitor::blockName(e);
        QCOMPARE(int(e.outcome), int(Exchange::Answered));
    }
    QCOMPARE(monitored, logged);
    QCOMPARE(names, (QStringList{"Temperature threshold, serial number, installation date",
                                 "Transformer ratios and thresholds", "FSD ID", "Firmware version"}));
    // Decoded with the table's names and units.
    const QModelIndex first = rig.monitor.index(monitored.indexOf(key(3, 50573, 11) + QStringLiteral(" @247")));
    QVERIFY2(first.data(BusMonitor::ValuesRole).toString().startsWith("temperature threshold: "),
             qPrintable(first.data(BusMonitor::ValuesRole).toString()));
    QVERIFY(first.data(BusMonitor::ValuesRole).toString().contains(" °C,"));
    const QVariantMap stats = rig.monitor.statistics();
    QVERIFY(stats["requests"].toInt() >= monitored.size());
    QVERIFY(stats["worstMs"].toDouble() >= stats["meanMs"].toDouble());
}

void TestBusMonitor::errorsByName()
{
    Rig rig;
    rig.monitor.setActive(true);
    QVERIFY(rig.connectModule());
    rig.quiet();
    QVERIFY(rig.control({"exception 50589 2"}));
    rig.monitor.clear();
    QSignalSpy end(&rig.backend, &Backend::refreshEnd);
    rig.backend.refreshHomePage();
    QVERIFY(end.wait(10000));
    rig.monitor.flush();
    QStringList outcomes;
    for (int i = 0; i < rig.monitor.rowCount(); ++i)
        outcomes << rig.monitor.index(i).data(BusMonitor::OutcomeRole).toString();
    QVERIFY2(outcomes.contains("exception 2 (illegal data address)"), qPrintable(outcomes.join(" | ")));

    // A silent module: the request ends as a time-out, after its resends.
    QVERIFY(rig.control({"silent on"}));
    rig.monitor.clear();
    QSignalSpy lost(&rig.backend, &Backend::connectionError);
    rig.backend.refreshCommunicationPage();
    QVERIFY(lost.wait(20000));
    rig.monitor.flush();
    const Exchange &e = rig.monitor.exchangeAt(0);
    QCOMPARE(int(e.outcome), int(Exchange::Timeout));
    QVERIFY2(e.sends > 1, qPrintable(QString::number(e.sends)));
    QVERIFY(rig.monitor.index(0).data(BusMonitor::OutcomeRole).toString().startsWith("time-out, sent "));
    QVERIFY(rig.monitor.statistics()["timeouts"].toInt() >= 1);
}

void TestBusMonitor::boundedPausedAndClosed()
{
    BusMonitor monitor(nullptr);
    monitor.setActive(true);
    for (int i = 0; i < 100; ++i)
        monitor.add(answered(i));
    // A burst joins the list at once, after a short wait.
    QCOMPARE(monitor.rowCount(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(monitor.rowCount(), 100, 2 * BusMonitor::batchMs + 100);

    // Closed, the newest are kept all the same, the view told of them on opening.
    monitor.setActive(false);
    const int last = 3 * BusMonitor::capacity + 149;
    for (int i = 100; i <= last; ++i)
        monitor.add(answered(i));
    QTest::qWait(2 * BusMonitor::batchMs);
    QCOMPARE(monitor.rowCount(), 100);
    monitor.setActive(true);
    QCOMPARE(monitor.rowCount(), int(BusMonitor::capacity));
    QCOMPARE(monitor.exchangeAt(0).address, last + 1 - BusMonitor::capacity);
    QCOMPARE(monitor.exchangeAt(BusMonitor::capacity - 1).address, last);
    QCOMPARE(monitor.index(BusMonitor::capacity - 1).data(BusMonitor::RawRole).toString(), QString::number(last));

    monitor.setPaused(true);
    monitor.add(answered(1));
    monitor.flush();
    QCOMPARE(monitor.exchangeAt(BusMonitor::capacity - 1).address, last);
    monitor.clear();
    QCOMPARE(monitor.rowCount(), 0);
    // A pause ends with the closing: nothing is missed while nobody looks.
    monitor.setActive(false);
    QVERIFY(!monitor.paused());
}

void TestBusMonitor::openedAfterTheFactShowsThem()
{
    Rig rig;
    QVERIFY(rig.connectModule());
    QVERIFY(rig.worker.client()->isMonitoring());
    while (rig.line.requests().size() < 100) {
        QSignalSpy end(&rig.backend, &Backend::refreshEnd);
        rig.backend.refreshHomePage();
        QVERIFY(end.wait(10000));
    }
    rig.quiet();
    QCOMPARE(rig.monitor.rowCount(), 0);

    rig.monitor.setActive(true);
    QStringList logged, monitored;
    for (const QJsonObject &r : rig.line.requests())
        logged << key(r["fn"].toInt(), r["addr"].toInt(), r["count"].toInt());
    for (int i = 0; i < rig.monitor.rowCount(); ++i) {
        const Exchange &e = rig.monitor.exchangeAt(i);
        monitored << key(e.function, e.address, e.count);
    }
    // From the connect on.
    QCOMPARE(monitored, logged);
}

void TestBusMonitor::savedFiles()
{
    BusMonitor monitor(nullptr);
    Exchange refused = answered(50589);
    refused.outcome = Exchange::Exception;
    refused.exceptionCode = 2;
    refused.values.clear();
    monitor.add(answered(50573));
    monitor.add(refused);
    monitor.flush();

    const QString jsonl = dir.filePath("bus.jsonl");
    QVERIFY(monitor.save(QUrl::fromLocalFile(jsonl).toString()));
    QFile f(jsonl);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().trimmed().split('\n');
    QVERIFY(lines[0].startsWith('{')); // no mark before JSON
    QCOMPARE(lines.size(), 2);
    const QJsonObject second = QJsonDocument::fromJson(lines[1]).object();
    QCOMPARE(second["fn"].toInt(), 3);
    QCOMPARE(second["addr"].toInt(), 50589);
    QCOMPARE(second["slave"].toInt(), 112);
    QCOMPARE(second["answer"].toString(), QStringLiteral("exception 2"));
    QCOMPARE(second["name"].toString(), QStringLiteral("FSD ID"));

    const QString csv = dir.filePath("bus.csv");
    QVERIFY(monitor.save(csv));
    QFile c(csv);
    QVERIFY(c.open(QIODevice::ReadOnly));
    QByteArray bytes = c.readAll();
    QVERIFY(bytes.startsWith(CsvText::byteOrderMark()));
    const QStringList rows = QString::fromUtf8(bytes.mid(CsvText::byteOrderMark().size())).trimmed().split('\n');
    QCOMPARE(rows.size(), 3);
    QVERIFY(rows[0].startsWith("time,function,name,address,count"));
    QVERIFY2(rows[1].contains(",\"Temperature threshold, serial number, installation date\",50573,1,"),
             qPrintable(rows[1]));
    QVERIFY2(rows[2].endsWith(",exception 2 (illegal data address),112"), qPrintable(rows[2]));

    QVERIFY(!monitor.save(dir.filePath("no/such/folder/bus.csv")));
    QVERIFY(!monitor.error().isEmpty());
}

void TestBusMonitor::packedWordsDecoded_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("address");
    QTest::addColumn<QVector<quint16>>("words");
    QTest::addColumn<QString>("shown");
    // Each phase's code, not the code and its zero word taken as one number.
    QTest::newRow("ratios") << true << 50501 << QVector<quint16>{1200, 0, 4000, 0, 6000, 0}
                            << "CT ratio phase 1: 600/5A, CT ratio phase 2: 400/1A, CT ratio phase 3: 600/1A";
    QTest::newRow("module time") << false << 31500
                                 << QVector<quint16>{58250, 0x173B, 0x0CFF, 23, 15, 1, 0, 19200, 247}
                                 << "milliseconds: 58250 ms, date and time: 31/12/23 23:59, time duration for "
                                    "means: 15 min, parity: 1, baud rate: 19200 Bd, slave address: 247";
    QTest::newRow("last boot") << false << 31000 << QVector<quint16>{0, 5, 14, 3, 7, 24, 112, 3}
                               << "milliseconds: 0, last boot: 03/07/24 14:05, firmware version: 112, hardware "
                                  "version: 3";
    QTest::newRow("FSD ID") << false << 50589 << QVector<quint16>{0x4142, 0x3100, 0x4300} << "FSD ID: AB1C";
    QTest::newRow("installation date") << true << 50581 << QVector<quint16>{2024, 7, 3}
                                       << "installation date: 03/07/2024";
}

void TestBusMonitor::packedWordsDecoded()
{
    QFETCH(bool, write);
    QFETCH(int, address);
    QFETCH(QVector<quint16>, words);
    QFETCH(QString, shown);
    Exchange e;
    e.write = write;
    e.address = address;
    e.count = words.size();
    e.registerType = 4;
    e.values = words;
    QCOMPARE(BusMonitor::valuesText(e), shown);
}

void TestBusMonitor::fullDiskKeepsTheOldFile()
{
    FullFolder full("bus.csv", "time,function\n");
    if (!full.problem().isEmpty())
        QSKIP(qPrintable(full.problem()));
    BusMonitor monitor(nullptr);
    monitor.add(answered(50573));
    monitor.flush();
    QVERIFY(!monitor.save(full.filePath("bus.csv")));
    QVERIFY2(monitor.error().endsWith("cannot be written: No space left on device"), qPrintable(monitor.error()));
    QCOMPARE(full.changed(), QString());
}
