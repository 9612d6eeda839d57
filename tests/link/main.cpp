#include "testclient.h"
#include "testlateanswers.h"
#include "testlineguard.h"
#include "testportdirectory.h"
#include "testsilentmodule.h"
#include "testworker.h"

#include <QCoreApplication>
#include <QtTest>

// One executable for the link; the first argument picks a group, the rest goes to Qt Test.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const QString group = args.size() > 1 && !args[1].startsWith('-') ? args.takeAt(1) : QString();

    int failed = 0;
    if (group.isEmpty() || group == "portdirectory") {
        TestPortDirectory t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "worker") {
        TestWorker t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "client") {
        TestClient t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "guard") {
        TestLineGuard t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "late") {
        TestLateAnswers t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "silent") {
        TestSilentModule t;
        failed += QTest::qExec(&t, args);
    }
    return failed == 0 ? 0 : 1;
}
