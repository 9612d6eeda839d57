// CPU of the program's own classes while the measurement page polls, with the
// bus monitor closed and then open, in the same run against the virtual
// module. The monitor's list is read row by row as a view would. The
// reference is the client not reporting its exchanges at all, as a closed
// monitor once was; closed, the monitor now keeps them all the same.

#include "app/translate.h"
#include "backend/backend.h"
#include "diagnostics/busmonitor.h"
#include "link/tmodbus.h"
#include "support/virtualline.h"
#include "tools/drive/eventwait.h"
#include "update/firmwareupdate.h"

#include <QCoreApplication>
#include <QTextStream>

#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out.setCodec("UTF-8");
    qputenv("QT_LOGGING_RULES", qgetenv("BENCH_LOG").isEmpty() ? "*.debug=false" : "");
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 30;

    VirtualLine line;
    if (!line.start())
        return 1;
    FirmwareUpdate update;
    TModbus worker;
    Translate translate(nullptr);
    Backend backend(&worker, &translate, &update);
    BusMonitor monitor(worker.client());
    backend.refreshSerialPortList();
    backend.connectDevice(backend.lstDevices().indexOf(line.portNumber()), 247, 0, 1);
    if (!waitUntil([&] { return backend.connectionState(); }, 15000))
        return 1;
    backend.setMeasurementEnable(true);

    // What a list view asks of each new row.
    QObject::connect(&monitor, &QAbstractItemModel::rowsInserted, [&](const QModelIndex &, int first, int last) {
        for (int row = first; row <= last; ++row) {
            const QModelIndex i = monitor.index(row);
            for (int role : monitor.roleNames().keys())
                i.data(role);
        }
    });

    // CPU share, and CPU per request on the line.
    struct Figure {
        double percent;
        double usPerRequest;
    };
    auto phase = [&](bool open, bool reported = true) {
        worker.client()->setMonitoring(reported);
        monitor.setActive(open);
        settle(2000);
        const double before = cpuSeconds();
        const int requests = worker.client()->statistics().requests;
        settle(seconds * 1000);
        const double used = cpuSeconds() - before;
        const int sent = qMax(1, worker.client()->statistics().requests - requests);
        return Figure{used / seconds * 100.0, used / sent * 1e6};
    };
    auto report = [&](const char *what, const Figure &f) {
        out << what << QString::number(f.percent, 'f', 3) << " % of a core, "
            << QString::number(f.usPerRequest, 'f', 0) << " µs a request";
    };
    const Figure unreported = phase(false, false);
    const Figure closed = phase(false);
    const Figure opened = phase(true);
    out << "measurement page polling every 2 s, " << seconds << " s each\n";
    report("  not reported      ", unreported);
    out << " (reference)\n";
    report("  monitor closed    ", closed);
    out << ", ratio " << QString::number(closed.percent / unreported.percent, 'f', 2) << "\n";
    report("  monitor open      ", opened);
    out << " (" << monitor.rowCount() << " exchanges listed)\n";
    out << "  ratio open/closed " << QString::number(opened.percent / closed.percent, 'f', 2) << "\n";
    return 0;
}
