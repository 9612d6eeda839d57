// Drives the tool's own Modbus link (worker queue and client) from the command
// line, so that it can be pointed at any slave and compared between slaves.
//
//   orvalis-link-check --port N [--slave A] [--baud-index I] [--parity-index I] OP...
//
// OP is r2:ADDR:COUNT or r4:ADDR:COUNT (read coils or holding registers), or
// w2:ADDR:V,V,... or w4:ADDR:V,V,... (write). Prints one line per operation:
//   r4 50521 -> error 0 values 0
// and exits 0 when the connect succeeded, 1 otherwise.

#include "link/tmodbus.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

bool parseOperation(const QString &text, ModbusCommand *cmd)
{
    const QStringList parts = text.split(':');
    if (parts.size() != 3 || parts[0].size() != 2)
        return false;
    const bool write = parts[0][0] == 'w';
    if (!write && parts[0][0] != 'r')
        return false;
    const int type = parts[0].mid(1).toInt();
    if (type != 2 && type != 4)
        return false;
    bool ok = false;
    const int address = parts[1].toInt(&ok);
    if (!ok)
        return false;
    if (write) {
        QVector<quint16> values;
        for (const QString &v : parts[2].split(',')) {
            values.append(quint16(v.toUInt(&ok)));
            if (!ok)
                return false;
        }
        *cmd = ModbusCommand(Request, address, values.size(), type, 1);
        cmd->addValues(values);
    } else {
        const int count = parts[2].toInt(&ok);
        if (!ok)
            return false;
        *cmd = ModbusCommand(Request, address, count, type, 0);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    int port = 0, slave = 247, baudIndex = 0, parityIndex = 0;
    QList<ModbusCommand> operations;
    QStringList labels;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        int *option = a == "--port" ? &port
                      : a == "--slave" ? &slave
                      : a == "--baud-index" ? &baudIndex
                      : a == "--parity-index" ? &parityIndex
                      : nullptr;
        if (option) {
            if (i + 1 >= args.size()) {
                err << a << " needs a value\n";
                return 2;
            }
            *option = args[++i].toInt();
            continue;
        }
        ModbusCommand cmd;
        if (!parseOperation(a, &cmd)) {
            err << "bad operation: " << a << "\n";
            return 2;
        }
        operations.append(cmd);
        labels.append(a.section(':', 0, 1).replace(':', ' '));
    }
    if (port <= 0) {
        err << "--port is required\n";
        return 2;
    }

    TModbus worker;
    int exitCode = 1;
    int next = 0;
    QObject::connect(&worker, &TModbus::commandFinish, &app, [&](ModbusCommand *cmd) {
        if (cmd->getKind() == Connect) {
            out << "connect -> result " << cmd->getConnectResult() << " error " << cmd->getError()
                << "\n";
            exitCode = cmd->getConnectResult() == 0 ? 0 : 1;
        } else if (cmd->getKind() == Request) {
            QStringList values;
            if (cmd->getIsWrite() == 0) {
                for (quint16 v : cmd->getValues())
                    values.append(QString::number(v));
            }
            out << labels.value(next++) << " -> error " << cmd->getError() << " values "
                << values.join(' ') << "\n";
        } else {
            out.flush();
            app.quit();
        }
        worker.onNextStepAvailable();
    });

    ModbusCommand connectCmd(Connect, 50521, 1, 4, 0);
    connectCmd.addValues({quint16(port), quint16(slave), quint16(baudIndex), quint16(parityIndex)});
    worker.addCommand(connectCmd);
    for (const ModbusCommand &cmd : operations)
        worker.addCommand(cmd);
    worker.addCommand(ModbusCommand(Disconnect, 0, 0, 0, 0));
    app.exec();
    return exitCode;
}
