#include "testbackendbus.h"
#include "testbackenddecode.h"
#include "testcodecs.h"
#include "testmeasurementtable.h"
#include "testsettingstable.h"

#include <QCoreApplication>
#include <QtTest>

// The first argument picks a group, the rest goes to Qt Test.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const QString group = args.size() > 1 && !args[1].startsWith('-') ? args.takeAt(1) : QString();

    int failed = 0;
    if (group.isEmpty() || group == "decode") {
        TestBackendDecode t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "bus") {
        TestBackendBus t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "codecs") {
        TestCodecs t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "measurementtable") {
        TestMeasurementTable t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "settingstable") {
        TestSettingsTable t;
        failed += QTest::qExec(&t, args);
    }
    return failed == 0 ? 0 : 1;
}
