#include "teststartup.h"
#include "testtranslate.h"

#include "app/startup.h"

#include <QCoreApplication>
#include <QtTest>

int main(int argc, char *argv[])
{
    // Child processes of the tests: the program's own start-up on a given splash.
    if (argc > 2 && QByteArray(argv[1]) == "run-app")
        return runApplication(argc, argv, QUrl::fromLocalFile(QString::fromLocal8Bit(argv[2])));

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvalis-test"));
    if (argc > 1 && QByteArray(argv[1]) == "init-language")
        return initLanguageChild();
    int failed = 0;
    TestTranslate translate;
    failed += QTest::qExec(&translate, argc, argv);
    TestStartUp startUp;
    failed += QTest::qExec(&startUp, argc, argv);
    return failed == 0 ? 0 : 1;
}
