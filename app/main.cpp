#include "link/portdirectory.h"
#include "link/tmodbus.h"

#include <QGuiApplication>
#include <QDebug>
#include <QTimer>

// Skeleton until the window exists: connects to the last port listed (the
// virtual line comes last when ORVALIS_SERIAL_PORTS names one) and
// reads the module's status register every two seconds.
int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    TModbus worker;

    const QList<int> ports = PortDirectory::shared().refresh();
    qDebug() << "Ports:" << ports;
    if (ports.isEmpty())
        return 1;

    QObject::connect(&worker, &TModbus::commandFinish, &app, [&](ModbusCommand *cmd) {
        if (cmd->getKind() == Connect)
            qDebug() << "Connect result" << cmd->getConnectResult() << "error" << cmd->getError();
        else
            qDebug() << "Status" << cmd->getValues() << "error" << cmd->getError();
        worker.onNextStepAvailable();
    });

    ModbusCommand connectCmd(Connect, 50521, 1, 4, 0);
    connectCmd.addValues({quint16(ports.last()), 247, 0, 1});
    worker.addCommand(connectCmd);

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app,
                     [&] { worker.addCommand(ModbusCommand(Request, 50521, 1, 4, 0)); });
    poll.start(2000);
    return app.exec();
}
