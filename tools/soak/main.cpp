// Soak driver: Backend as the interface uses it with the measurement page shown,
// against the virtual module, while faults come and go on the module. After
// each fault the operator reconnects (as the "Communication error" alert asks)
// and the measurements must flow again. The measurements are held still and
// set anew every few seconds, so every value read can be checked: it must be
// one the module held, or show as unread ("Error"), never another block's.
// Prints one line per fault, the resident memory after the first minute and at
// the end, and exits 1 when any fault was not recovered from or any value read
// was wrong.
//
//   orvalis-soak --duration SECONDS [--port N] [--control SOCKET]
//
// The port defaults to the first number in ORVALIS_SERIAL_PORTS and the control
// socket to ORVALIS_MODULE_CONTROL, both set by tools/virtual-module/launch.

#include "app/translate.h"
#include "backend/backend.h"
#include "backend/wordcodec.h"
#include "link/tmodbus.h"
#include "update/firmwareupdate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTextStream>
#include <QTimer>

namespace {

struct Fault {
    const char *name;
    QStringList on;
    QStringList off;
    int seconds;
};

// Cheap and costly faults alternate, so that a short run still sees both kinds.
const QList<Fault> faults = {
    {"silent module", {"silent on"}, {"silent off"}, 12},
    {"answers 600 ms late", {"delay 600"}, {"delay 0"}, 8},
    {"burst of corrupted answers", {"corrupt on"}, {"corrupt off"}, 1},
    {"refused voltage block", {"exception 50567 4"}, {"exception 50567 off"}, 8},
    {"line dropped", {"drop"}, {"plug"}, 12},
    {"answers 300 ms late", {"delay 300"}, {"delay 0"}, 8},
    {"every answer twice", {"duplicate 80"}, {"duplicate off"}, 8},
    {"a third of the answers 700 ms late", {"late 0.3 700"}, {"late off"}, 8},
    {"noisy line", {"noise 0.002"}, {"noise off"}, 8},
    {"line at 19200 baud", {"line baud 19200"}, {"line off"}, 8},
    {"corrupted answers", {"corrupt on"}, {"corrupt off"}, 12},
    {"refused instant values", {"exception 36812 4"}, {"exception 36812 off"}, 8},
};

const int healthySeconds = 15;
const int recoverySeconds = 45;   // from the fault's end to fresh measurements
const int usualRecovery = 20;     // what a new fault leaves before the end
const int freshReadings = 2;      // measurement updates that count as recovered

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    int duration = 0;
    int port = qEnvironmentVariable("ORVALIS_SERIAL_PORTS").section(QLatin1Char('='), 0, 0).toInt();
    QString controlPath = qEnvironmentVariable("ORVALIS_MODULE_CONTROL");
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--duration"))
            duration = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--port"))
            port = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--control"))
            controlPath = args[i + 1];
        else {
            err << "unknown option " << args[i] << "\n";
            return 2;
        }
    }
    if (duration <= 60 || port <= 0 || controlPath.isEmpty()) {
        err << "usage: orvalis-soak --duration SECONDS (more than 60) [--port N] [--control SOCKET]\n";
        return 2;
    }

    auto control = [&](const QString &command) {
        QLocalSocket socket;
        socket.connectToServer(controlPath);
        if (!socket.waitForConnected(3000))
            return QStringLiteral("no control socket");
        socket.write(command.toUtf8() + '\n');
        socket.waitForBytesWritten(3000);
        while (!socket.canReadLine()) {
            if (!socket.waitForReadyRead(3000))
                return QStringLiteral("no answer");
        }
        return QString::fromUtf8(socket.readLine()).trimmed();
    };

    FirmwareUpdate update;
    TModbus worker;
    Translate translate(nullptr);
    Backend backend(&worker, &translate, &update);

    QElapsedTimer clock;
    clock.start();
    auto seconds = [&] { return clock.elapsed() / 1000.0; };
    auto stamp = [&] { return QString::number(seconds(), 'f', 1) + QStringLiteral(" s"); };

    // The operator: connects, enters the measurement page, and after an alert
    // or a failed attempt tries again a moment later.
    bool connectPending = false;
    qint64 nextAttempt = 0;
    int attempts = 0, failedAttempts = 0, alerts = 0, readings = 0;
    auto connectNow = [&] {
        backend.refreshSerialPortList();
        const int index = backend.lstDevices().indexOf(port);
        connectPending = true;
        ++attempts;
        backend.connectDevice(index, 247, 0, 1);
    };
    QObject::connect(&backend, &Backend::connectionEnd, &app, [&](bool ok) {
        connectPending = false;
        if (ok) {
            backend.refreshMeasurementPage();
            backend.setMeasurementEnable(true);
        } else {
            ++failedAttempts;
            nextAttempt = clock.elapsed() + 3000;
        }
    });
    QObject::connect(&backend, &Backend::connectionError, &app, [&] {
        ++alerts;
        nextAttempt = clock.elapsed() + 2000;
    });
    QObject::connect(&backend, &Backend::intensityChanged, &app, [&] { ++readings; });

    // Measurements the module holds now and held just before: a read in flight
    // while they change may bring either.
    int generation = 0;
    QList<QStringList> heldVoltages, heldCurrents;
    int wrongValues = 0, checkedValues = 0;
    auto setMeasurements = [&] {
        ++generation;
        QStringList volts, amps, voltWords, ampWords;
        for (int i = 0; i < 3; ++i) {
            const float v = 200.0f + float(generation % 40) + 0.25f * float(i);
            volts.append(QString::number(double(v), 'f', 2));
            for (quint16 w : WordCodec::fromFloat(v))
                voltWords.append(QString::number(w));
        }
        for (int i = 0; i < 4; ++i) {
            const float a = 10.0f + float(generation % 30) + 0.5f * float(i);
            amps.append(QString::number(double(a), 'f', 2));
            for (quint16 w : WordCodec::fromFloat(a))
                ampWords.append(QString::number(w));
        }
        if (control("set 50540 " + voltWords.join(' ')) != QLatin1String("ok")
            || control("set 36812 " + ampWords.join(' ')) != QLatin1String("ok")) {
            err << "control: cannot set the measurements\n";
            return;
        }
        heldVoltages.append(volts);
        heldCurrents.append(amps);
        while (heldVoltages.size() > 2) {
            heldVoltages.removeFirst();
            heldCurrents.removeFirst();
        }
    };
    auto check = [&](const char *what, const QStringList &shown, const QList<QStringList> &held) {
        for (int i = 0; i < shown.size(); ++i) {
            if (shown[i].isEmpty() || shown[i] == QLatin1String("Error"))
                continue;
            ++checkedValues;
            bool known = false;
            for (const QStringList &h : held)
                known = known || h.value(i) == shown[i];
            if (!known) {
                ++wrongValues;
                out << "WRONG " << what << "[" << i << "] " << shown[i] << " at " << seconds() << " s\n";
                out.flush();
            }
        }
    };
    QObject::connect(&backend, &Backend::voltageValuesNChanged, &app,
                     [&] { check("voltageValuesN", backend.voltageValuesN(), heldVoltages); });
    QObject::connect(&backend, &Backend::intensityChanged, &app,
                     [&] { check("intensity", backend.intensity(), heldCurrents); });
    if (control("freeze on") != QLatin1String("ok"))
        err << "control: cannot hold the measurements\n";
    setMeasurements();
    QTimer changer;
    QObject::connect(&changer, &QTimer::timeout, &app, setMeasurements);
    changer.start(3000);

    enum class Phase { Healthy, Faulty, Recovering, Done };
    Phase phase = Phase::Healthy;
    qint64 phaseStart = 0;
    int faultIndex = 0;
    int readingsAtClear = 0, alertsAtFault = 0, attemptsAtFault = 0;
    int recovered = 0, lost = 0;
    long rssFirstMinute = -1;
    const qint64 end = qint64(duration) * 1000;

    out << "soak: " << duration << " s against port " << port << "\n";
    out.flush();
    connectNow();

    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &app, [&] {
        const qint64 now = clock.elapsed();
        if (rssFirstMinute < 0 && now >= 60000) {
            rssFirstMinute = residentKiB();
            out << "rss-first-minute-kib " << rssFirstMinute << "\n";
            out.flush();
        }
        if (!backend.connectionState() && !connectPending && now >= nextAttempt)
            connectNow();

        const Fault &fault = faults[faultIndex % faults.size()];
        switch (phase) {
        case Phase::Healthy:
            if (now - phaseStart < healthySeconds * 1000)
                break;
            // No new fault unless there is time to clear it and recover.
            if (now + (fault.seconds + usualRecovery) * 1000 > end) {
                if (now >= end)
                    phase = Phase::Done;
                break;
            }
            if (!backend.connectionState())
                break;
            for (const QString &c : fault.on) {
                const QString answer = control(c);
                if (answer != QLatin1String("ok"))
                    err << "control " << c << ": " << answer << "\n";
            }
            alertsAtFault = alerts;
            attemptsAtFault = attempts;
            phase = Phase::Faulty;
            phaseStart = now;
            break;
        case Phase::Faulty:
            if (now - phaseStart < fault.seconds * 1000)
                break;
            for (const QString &c : fault.off) {
                const QString answer = control(c);
                if (answer != QLatin1String("ok"))
                    err << "control " << c << ": " << answer << "\n";
            }
            readingsAtClear = readings;
            phase = Phase::Recovering;
            phaseStart = now;
            break;
        case Phase::Recovering: {
            const bool fresh = backend.connectionState() && readings - readingsAtClear >= freshReadings;
            const bool late = now - phaseStart > recoverySeconds * 1000;
            if (!fresh && !late)
                break;
            out << QStringLiteral("fault %1 \"%2\" for %3 s: alerts %4, reconnects %5, ")
                       .arg(faultIndex + 1)
                       .arg(QLatin1String(fault.name))
                       .arg(fault.seconds)
                       .arg(alerts - alertsAtFault)
                       .arg(attempts - attemptsAtFault);
            if (fresh) {
                ++recovered;
                out << "measurements again " << QString::number((now - phaseStart) / 1000.0, 'f', 1)
                    << " s after its end (at " << stamp() << ")\n";
            } else {
                ++lost;
                out << "NOT RECOVERED within " << recoverySeconds << " s (at " << stamp() << ")\n";
            }
            out.flush();
            ++faultIndex;
            phase = Phase::Healthy;
            phaseStart = now;
            break;
        }
        case Phase::Done:
            break;
        }

        if (phase == Phase::Done) {
            tick.stop();
            // The last stretch was healthy: the measurements must still be flowing
            // (they change every 3 s).
            const int before = readings;
            QTimer::singleShot(10000, &app, [&, before] {
                const bool flowing = backend.connectionState() && readings - before >= freshReadings;
                out << "rss-end-kib " << residentKiB() << "\n";
                out << "faults " << faultIndex << ", recovered " << recovered << ", not recovered " << lost
                    << "; alerts " << alerts << ", connect attempts " << attempts << " (" << failedAttempts
                    << " failed); measurement updates " << readings << "\n";
                out << "values checked " << checkedValues << ", wrong " << wrongValues << "\n";
                if (!flowing)
                    out << "measurements NOT flowing at the end\n";
                out.flush();
                app.exit(lost == 0 && recovered > 0 && flowing && wrongValues == 0 && checkedValues > 0 ? 0 : 1);
            });
        }
    });
    tick.start(100);
    return app.exec();
}
