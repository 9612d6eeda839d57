#include "app/commandline.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvalis-cli"));
    CommandLine commandLine;
    return commandLine.run(QCoreApplication::arguments().mid(1));
}
