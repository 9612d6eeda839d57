#include "testconnecthelp.h"

#include "app/translate.h"
#include "backend/backend.h"
#include "diagnostics/connecthelp.h"
#include "diagnostics/linescanner.h"
#include "diagnostics/linesearch.h"
#include "link/openfailure.h"
#include "link/tmodbus.h"
#include "support/virtualline.h"
#include "tools/drive/eventwait.h"
#include "update/firmwareupdate.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The program's wiring without a window.
struct Tool {
    Tool() : translate(nullptr), backend(&worker, &translate, &update) { backend.refreshSerialPortList(); }

    int indexOf(int port) const { return backend.lstDevices().indexOf(port); }

    // The connect's outcome: connected or not.
    bool connect(int port, int slave, int baudIndex, int parityIndex, int ms)
    {
        QSignalSpy end(&backend, &Backend::connectionEnd);
        backend.connectDevice(indexOf(port), slave, baudIndex, parityIndex);
        if (!end.wait(ms) && end.isEmpty())
            return false;
        return end.first().first().toBool();
    }

    FirmwareUpdate update;
    TModbus worker;
    Translate translate;
    Backend backend;
    LineSearch search{&backend};
    ConnectHelp help{&backend, worker.client(), &search};
};

} // namespace

void TestConnectHelp::initTestCase()
{
    QVERIFY(dir.isValid());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
}

void TestConnectHelp::openFailureKinds_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("accessible");
    QTest::addColumn<int>("kind");
    QTest::newRow("opened") << int(QSerialPort::NoError) << true << true << int(OpenFailure::None);
    QTest::newRow("not for this user") << int(QSerialPort::PermissionError) << true << false
                                       << int(OpenFailure::PermissionDenied);
    QTest::newRow("held by another") << int(QSerialPort::PermissionError) << true << true << int(OpenFailure::Busy);
    QTest::newRow("no device") << int(QSerialPort::DeviceNotFoundError) << true << true << int(OpenFailure::Missing);
    QTest::newRow("file gone") << int(QSerialPort::PermissionError) << false << false << int(OpenFailure::Missing);
    QTest::newRow("other") << int(QSerialPort::OpenError) << true << true << int(OpenFailure::Other);
}

void TestConnectHelp::openFailureKinds()
{
    QFETCH(int, error);
    QFETCH(bool, exists);
    QFETCH(bool, accessible);
    QFETCH(int, kind);
    QCOMPARE(int(OpenFailure::classify(QSerialPort::SerialPortError(error), {exists, accessible})), kind);
}

void TestConnectHelp::failedOpenSaysWhy_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing" << "is gone";
    QTest::newRow("busy") << "busy" << "is in use by another program";
}

void TestConnectHelp::failedOpenSaysWhy()
{
    QFETCH(QString, situation);
    QFETCH(QString, reason);

    VirtualLine line;
    QVERIFY(line.start());
    QSerialPort holder(line.toolPath());
    int port = line.portNumber();
    if (situation == QLatin1String("busy")) {
        QVERIFY(holder.open(QIODevice::ReadWrite));
    } else {
        port = 4242;
        qputenv("ORVALIS_SERIAL_PORTS", QStringLiteral("4242=%1").arg(dir.filePath("nothing")).toLocal8Bit());
    }
    Tool tool;
    QVERIFY(tool.indexOf(port) >= 0);
    QVERIFY(!tool.connect(port, 247, 0, 1, 5000));
    const QString text = tool.help.connectionFailReason();
    QVERIFY2(text.contains(reason), qPrintable(text));
}

void TestConnectHelp::silentModuleNamesTheSettingsTried()
{
    VirtualLine line({QStringLiteral("--slave"), QStringLiteral("133")});
    QVERIFY(line.start());
    Tool tool;
    QVERIFY(!tool.connect(line.portNumber(), 247, 1, 2, 20000));
    QVERIFY2(tool.help.connectionFailReason().startsWith(
                 "No answer from slave address 247 at 38400 baud, parity odd.\n"),
             qPrintable(tool.help.connectionFailReason()));
    // A connect that works leaves no reason behind.
    QVERIFY(tool.connect(line.portNumber(), 133, 1, 2, 15000));
    QVERIFY(tool.help.connectionFailReason().isEmpty());
}

void TestConnectHelp::portDetailsAndWatch()
{
    auto line = std::make_unique<VirtualLine>();
    QVERIFY(line->start());
    Tool tool;
    const int index = tool.indexOf(line->portNumber());
    QVERIFY(index >= 0);
    QVariantMap details = tool.help.portDetails(index);
    QCOMPARE(details.value("path").toString(), line->toolPath());
    QVERIFY(details.value("present").toBool());
    QVERIFY(tool.help.portDetails(tool.backend.lstDevices().size()).isEmpty());
    QVERIFY(!tool.help.portListStale());

    // The line goes away: the list is out of date until it is read again.
    const QString path = line->toolPath();
    line.reset();
    QVERIFY(waitUntil([&] { return tool.help.portListStale(); }, 5000));
    QVERIFY(!tool.help.portDetails(index).value("present").toBool());
    tool.backend.refreshSerialPortList();
    QVERIFY(!tool.help.portListStale());
    // And comes back.
    line = std::make_unique<VirtualLine>();
    QVERIFY(line->start());
    QVERIFY(waitUntil([&] { return tool.help.portListStale(); }, 5000));
    tool.backend.refreshSerialPortList();
    QVERIFY(tool.indexOf(line->portNumber()) >= 0);
    Q_UNUSED(path)
}

void TestConnectHelp::searchOrder()
{
    const QVector<LineScanner::Setting> all = LineScanner::order({38400, 2, 133});
    QCOMPARE(all.size(), 4 * 3 * 41);
    QCOMPARE(all[0], (LineScanner::Setting{38400, 2, 133}));
    QCOMPARE(all[1], (LineScanner::Setting{38400, 2, 247}));
    QCOMPARE(all[2], (LineScanner::Setting{38400, 2, 110}));
    QCOMPARE(all[41], (LineScanner::Setting{19200, 1, 133}));
    QCOMPARE(all[42], (LineScanner::Setting{19200, 1, 247}));
    // An address the page does not admit is not tried.
    const QVector<LineScanner::Setting> fromOdd = LineScanner::order({19200, 1, 12});
    QCOMPARE(fromOdd.size(), 4 * 3 * 41);
    QCOMPARE(fromOdd[0], (LineScanner::Setting{19200, 1, 247}));
    // At 19200 baud, the tries that find nothing fit in a minute.
    QVERIFY(all.size() * LineScanner::probeTimeout(19200) < 60000);
}

void TestConnectHelp::searchFindsTheModule()
{
    VirtualLine line({"--slave", "133", "--baud", "38400", "--parity", "odd"}, VirtualLine::LineCheck::On);
    QVERIFY(line.start());
    Tool tool;
    const int index = tool.indexOf(line.portNumber());
    QSignalSpy end(&tool.search, &LineSearch::finished);
    QElapsedTimer clock;
    clock.start();
    tool.search.start(index, 247, 0, 1);
    QVERIFY(tool.search.running());
    QVERIFY(end.wait(90000));
    QCOMPARE(end.first().value(0).toBool(), false);
    QVERIFY(end.first().value(1).toString().isEmpty());
    qInfo() << "search of the whole line:" << clock.elapsed() << "ms";
    QCOMPARE(tool.search.done(), tool.search.total());

    const QVariantList found = tool.search.results();
    QCOMPARE(found.size(), 1);
    const QVariantMap m = found.first().toMap();
    QCOMPARE(m.value("slaveAddress").toInt(), 133);
    QCOMPARE(m.value("baudrate").toInt(), 38400);
    QCOMPARE(m.value("baudIndex").toInt(), 1);
    QCOMPARE(m.value("parity").toInt(), 2);
    QCOMPARE(m.value("serialNumber").toString(), QStringLiteral("070123450012"));
    QVERIFY(!m.value("firmwareVersion").toString().isEmpty());

    // What was found connects.
    QVERIFY(tool.connect(line.portNumber(), 133, m.value("baudIndex").toInt(), m.value("parity").toInt(), 15000));
}

void TestConnectHelp::searchCancelAndNothingFound()
{
    VirtualLine line({"--silent"}, VirtualLine::LineCheck::On);
    QVERIFY(line.start());
    Tool tool;
    const int index = tool.indexOf(line.portNumber());
    QSignalSpy end(&tool.search, &LineSearch::finished);

    tool.search.start(index, 247, 0, 1);
    QVERIFY(waitUntil([&] { return tool.search.done() >= 3; }, 5000));
    QElapsedTimer clock;
    clock.start();
    tool.search.cancel();
    QVERIFY(!end.isEmpty() || end.wait(2000));
    QVERIFY(clock.elapsed() <= LineScanner::probeTimeout(19200));
    QCOMPARE(end.first().value(0).toBool(), true);
    QVERIFY(tool.search.results().isEmpty());
    QVERIFY(!tool.search.running());

    // To the end of its list with nothing found (a short list: the whole one takes a minute).
    LineScanner scanner;
    QSignalSpy finished(&scanner, &LineScanner::finished);
    scanner.start(line.portNumber(), LineScanner::order({19200, 1, 247}).mid(0, 6));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().value(0).toBool(), false);
    QVERIFY(finished.first().value(1).toString().isEmpty());
    QCOMPARE(scanner.done(), 6);
    QVERIFY(scanner.found().isEmpty());
}
