#include "testportdirectory.h"

#include "link/portdirectory.h"

#include <QtTest>

using Port = PortDirectory::Port;

static Port dev(const QString &name)
{
    return {name, QStringLiteral("/dev/") + name};
}

void TestPortDirectory::ruleNumbers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("COM keeps its number") << "COM7" << 7;
    QTest::newRow("COM two digits") << "COM12" << 12;
    QTest::newRow("COM0 has none") << "COM0" << 0;
    QTest::newRow("COM beyond 16 bits") << "COM70000" << 0;
    QTest::newRow("lower-case com") << "com3" << 0;
    QTest::newRow("ttyS0 is port 1") << "ttyS0" << 1;
    QTest::newRow("ttyS31") << "ttyS31" << 32;
    QTest::newRow("ttyS99 would collide") << "ttyS99" << 0;
    QTest::newRow("ttyUSB0") << "ttyUSB0" << 100;
    QTest::newRow("ttyUSB42") << "ttyUSB42" << 142;
    QTest::newRow("ttyUSB100 has none") << "ttyUSB100" << 0;
    QTest::newRow("ttyACM1") << "ttyACM1" << 201;
    QTest::newRow("ttyAMA0") << "ttyAMA0" << 300;
    QTest::newRow("rfcomm2") << "rfcomm2" << 502;
    QTest::newRow("family without index") << "ttyUSB" << 0;
    QTest::newRow("other name") << "ttymxc0" << 0;
}

void TestPortDirectory::ruleNumbers()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(PortDirectory::ruleNumber(name), number);
}

void TestPortDirectory::systemPortsGetDistinctNumbersAndOpenThatPort()
{
    PortDirectory directory;
    const QList<int> numbers = directory.update(
        {dev("ttyS0"), dev("ttyUSB0"), dev("ttyACM0"), dev("ttymxc0"), dev("ttymxc1")}, QString());
    QCOMPARE(numbers, (QList<int>{1, 100, 200, 1000, 1001}));
    QCOMPARE(directory.portName(1), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(directory.portName(100), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(directory.portName(200), QStringLiteral("/dev/ttyACM0"));
    QCOMPARE(directory.portName(1001), QStringLiteral("/dev/ttymxc1"));
}

void TestPortDirectory::numbersStayWhilePortsComeAndGo()
{
    PortDirectory directory;
    directory.update({dev("ttymxc0"), dev("ttyUSB0"), dev("ttymxc1")}, QString());
    // The first adapter is pulled, another one appears and the odd names swap order.
    const QList<int> numbers =
        directory.update({dev("ttymxc1"), dev("ttyUSB1"), dev("ttymxc0")}, QString());
    QCOMPARE(numbers, (QList<int>{1001, 101, 1000}));
    // A pulled port keeps its number, so plugging it back opens the same device.
    QCOMPARE(directory.update({dev("ttyUSB0")}, QString()), QList<int>{100});
    QCOMPARE(directory.portName(100), QStringLiteral("/dev/ttyUSB0"));
    // A new odd name never takes a number handed out before.
    QCOMPARE(directory.update({dev("ttymxc2")}, QString()), QList<int>{1002});
}

void TestPortDirectory::collisionsGetSpareNumbers()
{
    PortDirectory directory;
    // A device really named COM100 keeps 100; ttyUSB0 must not open it.
    const QList<int> numbers =
        directory.update({Port{"COM100", "/dev/COM100"}, dev("ttyUSB0")}, QString());
    QCOMPARE(numbers, (QList<int>{100, 1000}));
    QCOMPARE(directory.portName(100), QStringLiteral("/dev/COM100"));
    QCOMPARE(directory.portName(1000), QStringLiteral("/dev/ttyUSB0"));
}

void TestPortDirectory::environmentAddsVirtualLines()
{
    PortDirectory directory;
    const QList<int> numbers = directory.update(
        {dev("ttyUSB0")}, QStringLiteral("90=/tmp/line-a; 100=/tmp/line-b;"));
    // A virtual line's number is chosen on purpose, so it wins over a rule number.
    QCOMPARE(numbers, (QList<int>{1000, 90, 100}));
    QCOMPARE(directory.portName(90), QStringLiteral("/tmp/line-a"));
    QCOMPARE(directory.portName(100), QStringLiteral("/tmp/line-b"));
    QCOMPARE(directory.portName(1000), QStringLiteral("/dev/ttyUSB0"));
    // Listing again changes nothing.
    QCOMPARE(directory.update({dev("ttyUSB0")}, QStringLiteral("90=/tmp/line-a;100=/tmp/line-b")),
             numbers);
}

void TestPortDirectory::malformedEnvironmentEntriesAreSkipped()
{
    PortDirectory directory;
    const QStringList bad = {"x=/tmp/c", "=/tmp/d", "92", "93=", "0=/tmp/e", "70000=/tmp/f",
                             "-1=/tmp/g", "9 1=/tmp/h"};
    for (const QString &entry : bad) {
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("skipped malformed.*" + QRegularExpression::escape(entry)));
    }
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("skipped.*95=/tmp/other.*already used"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("skipped.*96=/tmp/ok.*already listed"));
    const QString entries = bad.join(';') + ";95=/tmp/ok;;95=/tmp/other;96=/tmp/ok";
    QCOMPARE(directory.update({}, entries), QList<int>{95});
    QCOMPARE(directory.portName(95), QStringLiteral("/tmp/ok"));
}

void TestPortDirectory::repeatedEnvironmentEntryIsListedOnce()
{
    PortDirectory directory;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("skipped.*\"95 = /tmp/ok\".*given twice"));
    QCOMPARE(directory.update({}, "95=/tmp/ok;96=/tmp/other;95 = /tmp/ok"), (QList<int>{95, 96}));
    QCOMPARE(directory.portName(95), QStringLiteral("/tmp/ok"));
}

void TestPortDirectory::relativePathsAreResolved_data()
{
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("path"); // of port 90; a relative one is under the working directory
    QTest::addColumn<QString>("skipped");
    QTest::newRow("relative") << "90=line/tool" << QList<int>{90} << "line/tool" << "";
    QTest::newRow("dot and dot-dot") << "90=./a/../line/tool" << QList<int>{90} << "line/tool" << "";
    // One device written two ways is one path.
    QTest::newRow("same path twice") << "90=line;91=./line" << QList<int>{90} << "line"
                                     << "skipped.*91=./line.*already listed";
    QTest::newRow("absolute kept") << "90=/tmp/line" << QList<int>{90} << "/tmp/line" << "";
}

void TestPortDirectory::relativePathsAreResolved()
{
    QFETCH(QString, entries);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, path);
    QFETCH(QString, skipped);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const QString cwd = QDir::currentPath();
    PortDirectory directory;
    if (!skipped.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(skipped));
    const QList<int> listed = directory.update({}, entries);
    // Opened later from another working directory, it is still the line meant.
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(listed, numbers);
    QCOMPARE(directory.portName(90), path.startsWith('/') ? path : cwd + '/' + path);
}

void TestPortDirectory::unknownNumberFallsBackToComName()
{
    qunsetenv("ORVALIS_SERIAL_PORTS");
    PortDirectory directory;
    // 7 as a Windows user would know it, unless this machine has such a port.
    int number = 7;
    while (directory.refresh().contains(number))
        ++number;
    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression(QStringLiteral("no port numbered %1$").arg(number)));
    QCOMPARE(directory.portName(number), QStringLiteral("COM%1").arg(number));
}
