#include "tst_slowmodule.h"

#include "app/translate.h"
#include "backend/backend.h"
#include "link/tmodbus.h"
#include "support/virtualline.h"
#include "tools/drive/eventwait.h"
#include "update/firmwareupdate.h"

#include <QElapsedTimer>
#include <QtTest>

void TestSlowModule::initTestCase()
{
    QVERIFY(dataHome.isValid());
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
}

void TestSlowModule::pollKeepsPace_data()
{
    QTest::addColumn<int>("answerMs");
    QTest::newRow("250 ms") << 250;
    QTest::newRow("400 ms") << 400;
}

void TestSlowModule::pollKeepsPace()
{
    QFETCH(int, answerMs);
    const int pollRecords = 10;   // three alarm blocks and seven measurement blocks
    const int refreshRequests = 4;

    VirtualLine line({QStringLiteral("--delay"), QString::number(answerMs)});
    QVERIFY(line.start());
    TModbus worker;
    Translate translate(nullptr);
    FirmwareUpdate update;
    Backend backend(&worker, &translate, &update);
    backend.refreshSerialPortList();
    const int index = backend.lstDevices().indexOf(line.portNumber());
    QVERIFY(index >= 0);
    backend.connectDevice(index, 247, 0, 1);
    QVERIFY(waitUntil([&] { return backend.connectionState(); }, 10000));
    backend.setMeasurementEnable(true);
    // The connect's own reads first: a poll tick meanwhile queues behind them.
    QVERIFY(waitUntil([&] { return worker.queuedCommands() == 0; }, 20000));

    // Four poll ticks before the refresh: a poll that does not wait for the
    // one before passes one poll's records in the queue at the second tick.
    // After the refresh, as long as it may take and one tick more.
    const qint64 bound = 2 * (pollRecords + refreshRequests) * answerMs;
    const qint64 refreshAt = 8000;
    qint64 refreshPosted = -1;
    qint64 refreshTook = -1;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&backend, &Backend::refreshEnd, &backend,
                     [&] { refreshTook = clock.elapsed() - refreshPosted; });
    int longest = 0;
    int longestWithRefresh = 0;
    while (clock.elapsed() < refreshAt + bound + 2000) {
        settle(50);
        const int queued = worker.queuedCommands();
        if (refreshPosted >= 0 && refreshTook < 0)
            longestWithRefresh = qMax(longestWithRefresh, queued);
        else
            longest = qMax(longest, queued);
        if (refreshPosted < 0 && clock.elapsed() >= refreshAt) {
            refreshPosted = clock.elapsed();
            backend.refreshHomePage();
        }
    }
    QVERIFY(backend.connectionState());
    QVERIFY2(longest <= pollRecords, qPrintable(QString::number(longest)));
    QVERIFY2(longestWithRefresh <= pollRecords + refreshRequests + 1,
             qPrintable(QString::number(longestWithRefresh)));
    QVERIFY(refreshTook > 0);
    QVERIFY2(refreshTook <= bound, qPrintable(QStringLiteral("%1 ms > %2 ms").arg(refreshTook).arg(bound)));
}
