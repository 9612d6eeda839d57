// Drives Backend, the object the interface binds to, from the command line:
// connects to a port, runs the page operations given and prints every property
// afterwards, so that any slave can be checked against what the tool shows.
//
//   orvalis-backend-check --port N [--slave A] [--parity-index I] OPERATION...
//
// OPERATION is one of refreshHomePage, refreshCommunicationPage,
// refreshMeasurementPage, refreshChartsValuePage, applyHomePage,
// applyCommunicationPage, or NAME=VALUE to set a property first.

#include "app/translate.h"
#include "backend/backend.h"
#include "link/tmodbus.h"
#include "update/firmwareupdate.h"

#include <QCoreApplication>
#include <QMetaProperty>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    int port = 0, slave = 247, parityIndex = 0;
    QStringList operations;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if ((args[i] == "--port" || args[i] == "--slave" || args[i] == "--parity-index")
            && i + 1 < args.size()) {
            const int value = args[i + 1].toInt();
            (args[i] == "--port" ? port : args[i] == "--slave" ? slave : parityIndex) = value;
            ++i;
        } else {
            operations.append(args[i]);
        }
    }
    if (port <= 0) {
        err << "--port is required\n";
        return 2;
    }

    FirmwareUpdate update;
    TModbus worker;
    Translate translate(nullptr);
    Backend backend(&worker, &translate, &update);

    // Runs the operations one after another, each once the previous one's data is in.
    auto next = [&] {
        while (!operations.isEmpty()) {
            const QString op = operations.takeFirst();
            const int eq = op.indexOf('=');
            if (eq > 0) {
                backend.setProperty(op.left(eq).toLatin1(), op.mid(eq + 1));
                continue;
            }
            if (!QMetaObject::invokeMethod(&backend, op.toLatin1())) {
                err << "unknown operation " << op << "\n";
                app.exit(2);
            }
            return;
        }
        const QMetaObject *meta = backend.metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QVariant value = meta->property(i).read(&backend);
            QString text;
            if (value.userType() == qMetaTypeId<QList<int>>()) {
                QStringList numbers;
                for (int n : value.value<QList<int>>())
                    numbers.append(QString::number(n));
                text = numbers.join('|');
            } else if (value.userType() == QMetaType::QStringList) {
                text = value.toStringList().join('|');
            } else {
                text = value.toString();
            }
            out << meta->property(i).name() << "=" << text << "\n";
        }
        out.flush();
        app.quit();
    };
    QObject::connect(&backend, &Backend::loadRegisterFinish, &app,
                     [&] { QTimer::singleShot(0, &app, next); });
    QObject::connect(&backend, &Backend::connectionEnd, &app, [&](bool ok) {
        if (!ok) {
            err << "connect failed\n";
            app.exit(1);
        }
    });
    QObject::connect(&backend, &Backend::connectionError, &app, [&] {
        err << "connection lost\n";
        app.exit(1);
    });

    backend.refreshSerialPortList();
    const int index = backend.lstDevices().indexOf(port);
    if (index < 0) {
        err << "no port " << port << " in the port list\n";
        return 1;
    }
    // From the event loop, so that an answer given at once still ends it.
    QTimer::singleShot(0, &app, [&] { backend.connectDevice(index, slave, 0, parityIndex); });
    return app.exec();
}
