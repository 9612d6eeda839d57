// A line of forty virtual modules timed at 19200 baud: finding them, one round
// of their alarm lamps, saving every module's settings, and the connected
// module's round trips with the line view open. Each figure goes against a
// floor measured in the same run with a bare QModbusRtuSerialMaster doing the
// same requests one after another (a silent address costs the probe's
// time-out).

#include "backend/registers.h"
#include "backend/registertable.h"
#include "backendrig.h"
#include "commissioning/settingsfiles.h"
#include "diagnostics/linescanner.h"
#include "line/linemodules.h"
#include "link/exchange.h"
#include "link/modbus.h"
#include "tools/drive/eventwait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QModbusRtuSerialMaster>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

using namespace Registers;

namespace {

struct Read {
    int slave;
    int address;
};

// Milliseconds a bare client takes for `reads`, one after another; a read
// that is not answered costs `timeoutMs`.
double bare(const QString &port, const QVector<Read> &reads, int timeoutMs)
{
    QModbusRtuSerialMaster master;
    master.setConnectionParameter(QModbusDevice::SerialPortNameParameter, port);
    master.setConnectionParameter(QModbusDevice::SerialBaudRateParameter, 19200);
    master.setConnectionParameter(QModbusDevice::SerialParityParameter, QSerialPort::EvenParity);
    master.setTimeout(timeoutMs);
    master.setNumberOfRetries(0);
    if (!master.connectDevice())
        return 0;
    QEventLoop loop;
    int done = 0;
    std::function<void()> next = [&] {
        const Read &r = reads[done];
        const RegisterTable::Block *block = RegisterTable::read(r.address);
        QModbusReply *reply = master.sendReadRequest(
            QModbusDataUnit(QModbusDataUnit::RegisterType(block->type), r.address, quint16(block->count)), r.slave);
        QObject::connect(reply, &QModbusReply::finished, &loop, [&, reply] {
            reply->deleteLater();
            if (++done == reads.size())
                loop.quit();
            else
                next();
        });
    };
    QElapsedTimer clock;
    clock.start();
    next();
    loop.exec();
    const double ms = clock.nsecsElapsed() / 1e6;
    master.disconnectDevice();
    return ms;
}

QString ratio(double measured, double floor)
{
    return QString::number(measured / floor, 'f', 3);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    qputenv("QT_LOGGING_RULES", qgetenv("BENCH_LOG").isEmpty() ? "*.debug=false" : "");

    BackendRig rig({"--slaves", "110-149", "--line-baud", "19200"});
    if (!rig.startLine())
        return 1;
    rig.backend.refreshSerialPortList();
    const QString port = rig.line.toolPath();
    QVector<int> addresses;
    for (int a = 110; a <= 149; ++a)
        addresses << a;
    const int probeMs = LineScanner::probeTimeout(19200);

    // Finding: every address probed once (247 is silent).
    QVector<Read> probes;
    for (int a : addresses + QVector<int>{247})
        probes.append({a, M_REG_STATUS});
    const double findFloor = bare(port, probes, probeMs);

    // The floors first, while the port is free: one round of the lamps, and
    // the reads of saving every module's settings.
    QVector<Read> lamps;
    for (int a : addresses) {
        for (int r : AlarmCoils)
            lamps.append({a, r});
    }
    const double lampFloor = bare(port, lamps, 3 * probeMs);
    QVector<Read> settingsReads;
    for (int a : addresses) {
        for (int r : {int(M_REG_TEMPERATURE_THRESHOLD), int(M_REG_CT_RATIO), int(M_REG_FSD_ID), int(M_REG_MODULE_TIME),
                      int(M_COIL_ACTIVE_POWER_CALC), int(M_REG_LAST_BOOT)})
            settingsReads.append({a, r});
    }
    const double saveFloor = bare(port, settingsReads, 500);
    SettingsFiles files(&rig.backend);
    LineModules line(&rig.backend, &files);
    QElapsedTimer clock;
    double probed = 0;
    QObject::connect(&line, &LineModules::changed, [&] {
        if (probed == 0 && line.findTotal() > 0 && line.findDone() == line.findTotal())
            probed = clock.nsecsElapsed() / 1e6;
    });
    QSignalSpy found(&line, &LineModules::findEnded);
    clock.start();
    line.findOnPort(rig.line.portNumber(), 19200, 1);
    if (!found.wait(120000) || line.found().size() != addresses.size()) {
        out << "the line was not found: " << line.found().size() << " modules\n";
        return 1;
    }
    const double findWhole = clock.nsecsElapsed() / 1e6;

    // The view opened on the line just found: its first round, the port still open.
    QSignalSpy round(&line, &LineModules::roundEnded);
    clock.restart();
    line.open(rig.backend.lstDevices().indexOf(rig.line.portNumber()), 0, 1);
    if (!round.wait(60000))
        return 1;
    const double lampRound = clock.nsecsElapsed() / 1e6;

    // Saving all forty modules' settings, the view open as the operator has it.
    QTemporaryDir folder;
    QSignalSpy worked(&line, &LineModules::workEnded);
    clock.restart();
    line.saveAll(folder.path());
    if (!worked.wait(300000) || worked.first().first().toInt() != 0) {
        out << "saving failed\n";
        return 1;
    }
    const double save = clock.nsecsElapsed() / 1e6;
    line.close();

    // The connected module's own round trips, the view closed and then open.
    if (!rig.connectModule(110))
        return 1;
    Modbus *client = rig.worker.client();
    client->setMonitoring(true);
    double ownMs[2] = {0, 0};
    int ownCount[2] = {0, 0};
    double refreshMs[2] = {0, 0};
    int otherReads = 0;
    int phase = 0;
    QObject::connect(client, &Modbus::exchanged, [&](const Exchange &e) {
        if (e.outcome != Exchange::Answered)
            return;
        if (e.slave == 110) {
            ownMs[phase] += e.roundTripMs;
            ++ownCount[phase];
        } else {
            ++otherReads;
        }
    });
    QSignalSpy refreshed(&rig.backend, &Backend::refreshEnd);
    const int refreshes = 20;
    for (phase = 0; phase < 2; ++phase) {
        if (phase == 1) {
            line.open(0, 0, 1);
            round.clear();
            if (!round.wait(60000))
                return 1;
        }
        for (int i = 0; i < refreshes; ++i) {
            QElapsedTimer one;
            one.start();
            rig.backend.refreshHomePage();
            if (!refreshed.wait(10000))
                return 1;
            refreshMs[phase] += one.nsecsElapsed() / 1e6;
            // Between refreshes as an operator would: the poll and the round go on.
            QEventLoop pause;
            QTimer::singleShot(100, &pause, &QEventLoop::quit);
            pause.exec();
        }
    }
    line.close();

    out << "line of " << addresses.size() << " virtual modules, timed at 19200 baud, probe time-out " << probeMs
        << " ms\n";
    out << "finding: probes " << qRound(probed) << " ms, floor " << qRound(findFloor) << " ms, ratio "
        << ratio(probed, findFloor) << " (with identities and lamps " << qRound(findWhole) << " ms)\n";
    out << "one round of lamps (" << lamps.size() << " reads): " << qRound(lampRound) << " ms, bare "
        << qRound(lampFloor) << " ms, ratio " << ratio(lampRound, lampFloor) << "\n";
    out << "saving all settings (" << settingsReads.size() << " reads): " << qRound(save) << " ms, bare "
        << qRound(saveFloor) << " ms, ratio " << ratio(save, saveFloor) << "\n";
    const double closedTrip = ownMs[0] / qMax(1, ownCount[0]);
    const double openTrip = ownMs[1] / qMax(1, ownCount[1]);
    out << "connected module's round trip: view closed " << QString::number(closedTrip, 'f', 2) << " ms ("
        << ownCount[0] << " requests), open " << QString::number(openTrip, 'f', 2) << " ms (" << ownCount[1]
        << "), ratio " << ratio(openTrip, closedTrip) << "\n";
    out << "a home page refresh: view closed " << QString::number(refreshMs[0] / refreshes, 'f', 1)
        << " ms, open " << QString::number(refreshMs[1] / refreshes, 'f', 1) << " ms (reads of the others meanwhile: "
        << otherReads << ")\n";
    return 0;
}
