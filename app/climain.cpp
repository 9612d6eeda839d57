#include "app/commandline.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Plain lines; QT_MESSAGE_PATTERN can name their categories.
    qSetMessagePattern(QStringLiteral("%{message}"));
    QCoreApplication::setApplicationName(QStringLiteral("orvalis-cli"));
    CommandLine commandLine;
    return commandLine.run(QCoreApplication::arguments().mid(1));
}
