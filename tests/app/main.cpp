#include "testtranslate.h"

#include <QCoreApplication>
#include <QtTest>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvalis-test"));
    if (argc > 1 && QByteArray(argv[1]) == "init-language")
        return initLanguageChild();
    TestTranslate translate;
    return QTest::qExec(&translate, argc, argv);
}
