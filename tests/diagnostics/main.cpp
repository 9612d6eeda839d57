#include "testbusmonitor.h"
#include "testconnecthelp.h"
#include "testrecorder.h"

#include <QCoreApplication>
#include <QtTest>

// The first argument picks a group, the rest goes to Qt Test.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const QString group = args.size() > 1 && !args[1].startsWith('-') ? args.takeAt(1) : QString();

    int failed = 0;
    if (group.isEmpty() || group == "monitor") {
        TestBusMonitor t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "recorder") {
        TestRecorder t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "connecthelp") {
        TestConnectHelp t;
        failed += QTest::qExec(&t, args);
    }
    return failed == 0 ? 0 : 1;
}
