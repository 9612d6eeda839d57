#include "backendrig.h"

#include "tools/drive/eventwait.h"

#include <QDebug>

BackendRig::BackendRig(const QStringList &moduleArgs, VirtualLine::LineCheck check)
    : line(moduleArgs, check), translate(nullptr), backend(&worker, &translate, &update)
{
}

bool BackendRig::startLine()
{
    if (!started)
        started = line.start();
    return started;
}

bool BackendRig::control(const QStringList &commands)
{
    for (const QString &c : commands) {
        const QString answer = line.command(c);
        if (answer != QLatin1String("ok")) {
            qWarning() << "module:" << c << "->" << answer;
            return false;
        }
    }
    return true;
}

bool BackendRig::connectModule(int slave, int baudIndex, int parityIndex)
{
    if (!startLine())
        return false;
    backend.refreshSerialPortList();
    backend.connectDevice(backend.lstDevices().indexOf(line.portNumber()), slave, baudIndex, parityIndex);
    return waitUntil([&] { return backend.connectionState() && worker.queuedCommands() == 0; }, 15000);
}
