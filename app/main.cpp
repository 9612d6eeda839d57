#include "app/startup.h"

int main(int argc, char *argv[])
{
    return runApplication(argc, argv, QUrl(QStringLiteral("qrc:/screen/VSplashScreen.qml")));
}
