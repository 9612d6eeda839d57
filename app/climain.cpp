#include "app/commandline.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    // A report is drawn with Qt's fonts, which need a (screenless) GUI application.
    bool report = false;
    for (int i = 1; i < argc; ++i)
        report = report || std::strcmp(argv[i], "report") == 0 || std::strcmp(argv[i], "report-all") == 0;
    if (report && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application(report ? new QGuiApplication(argc, argv)
                                                         : new QCoreApplication(argc, argv));
    // Plain lines; QT_MESSAGE_PATTERN can name their categories.
    qSetMessagePattern(QStringLiteral("%{message}"));
    QCoreApplication::setApplicationName(QStringLiteral("orvalis-cli"));
    CommandLine commandLine;
    return commandLine.run(QCoreApplication::arguments().mid(1));
}
