#include "testmodulesettings.h"
#include "testsettingsdocument.h"
#include "testsettingsfile.h"

#include <QCoreApplication>
#include <QtTest>

// The first argument picks a group, the rest goes to Qt Test.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const QString group = args.size() > 1 && !args[1].startsWith('-') ? args.takeAt(1) : QString();

    int failed = 0;
    if (group.isEmpty() || group == "settings") {
        TestModuleSettings t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "document") {
        TestSettingsDocument t;
        failed += QTest::qExec(&t, args);
    }
    if (group.isEmpty() || group == "settingsfile") {
        TestSettingsFile t;
        failed += QTest::qExec(&t, args);
    }
    return failed == 0 ? 0 : 1;
}
