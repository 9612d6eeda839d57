// Round trips per second reading one block of 48 holding registers from the
// virtual module over a pseudo-terminal, three ways in the same run:
//   the whole path   Backend -> worker -> client -> line -> module -> decode
//   bare Qt client   QModbusRtuSerialMaster alone, one request after another
//   libmodbus        a plain libmodbus master (for information)
// then the whole path against the bare Qt client again with the virtual module
// timing its line as a real one at 19200 and 115200 baud.

#include "app/translate.h"
#include "backend/backend.h"
#include "link/tmodbus.h"
#include "support/virtualline.h"
#include "update/firmwareupdate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QModbusDataUnit>
#include <QModbusReply>
#include <QModbusRtuSerialMaster>
#include <QSerialPort>
#include <QTextStream>

#include <modbus/modbus.h>

#include <algorithm>

namespace {

// Where a round trip's time goes, seen from the tool's end of the line: from
// the request written to the answer's last bytes read (the line and the
// module), and from there to the next request written (the tool, with the
// client's wait for the silence between frames).
struct Split
{
    qint64 outNs = -1, inNs = -1;
    qint64 lineNs = 0, toolNs = 0;
    int count = 0;
    QVector<qint64> gaps;
    QVector<qint64> cycles; // from one request written to the next

    // The median round trip: the machine's hiccups (other work on it) move
    // the mean more than anything the path does.
    double medianMs() const
    {
        QVector<qint64> c = cycles;
        if (c.isEmpty())
            return 0;
        std::nth_element(c.begin(), c.begin() + c.size() / 2, c.end());
        return c.at(c.size() / 2) / 1e6;
    }

    void watch(QSerialPort *port, const QElapsedTimer &clock)
    {
        QObject::connect(port, &QSerialPort::bytesWritten, port, [this, &clock] {
            const qint64 now = clock.nsecsElapsed();
            if (outNs >= 0)
                cycles.append(now - outNs);
            if (outNs >= 0 && inNs > outNs) {
                lineNs += inNs - outNs;
                toolNs += now - inNs;
                gaps.append(now - inNs);
                ++count;
            }
            outNs = now;
        });
        QObject::connect(port, &QSerialPort::readyRead, port, [this, &clock] { inNs = clock.nsecsElapsed(); });
    }
    double lineMs() const { return count ? lineNs / 1e6 / count : 0; }
    double toolMs() const { return count ? toolNs / 1e6 / count : 0; }
    QString gapSpread() const
    {
        QVector<qint64> g = gaps;
        std::sort(g.begin(), g.end());
        if (g.isEmpty())
            return {};
        auto at = [&](double q) { return g.at(qMin(g.size() - 1, int(q * g.size()))) / 1e6; };
        const int late = int(std::count_if(g.begin(), g.end(), [](qint64 v) { return v > 3000000; }));
        return QString("median %1, 90th percentile %2, 99th %3, longest %4 ms; %5 over 3 ms")
            .arg(at(0.5), 0, 'f', 3).arg(at(0.9), 0, 'f', 3).arg(at(0.99), 0, 'f', 3).arg(at(1.0), 0, 'f', 3).arg(late);
    }
};

const int address = 36924; // the current and power extremes, 48 registers
const int count = 48;

// Rate of the whole path, and that of the reads the Backend's status poll
// (three reads every 2 s, which the bare client does not do) did not share
// the line with: the time from one read's end to the next's.
struct Whole
{
    double rate = 0;
    double cleanRate = 0;
    int pollReads = 0;
    Split split;
};

struct Bare
{
    double rate = 0;
    Split split;
};

Whole wholePath(VirtualLine &line, int n)
{
    FirmwareUpdate update;
    TModbus worker;
    Translate translate(nullptr);
    Backend backend(&worker, &translate, &update);
    backend.refreshSerialPortList();
    {
        // Connect, and let the clock setting that follows go by.
        QEventLoop connecting;
        QObject::connect(&backend, &Backend::loadRegisterFinish, &connecting, &QEventLoop::quit);
        backend.connectDevice(backend.lstDevices().indexOf(line.portNumber()), 247, 0, 1);
        connecting.exec();
    }

    QEventLoop loop;
    int done = 0, clean = 0, pollReads = 0;
    qint64 cleanNs = 0, lastEnd = 0;
    bool shared = false;
    QElapsedTimer clock;
    Whole result;
    if (QSerialPort *port = worker.client()->device().findChild<QSerialPort *>())
        result.split.watch(port, clock);
    QObject::connect(&worker, &TModbus::commandFinish, &loop, [&](ModbusCommand *cmd) {
        if (cmd->getAddress() != address) {
            shared = true;
            ++pollReads;
            return;
        }
        const qint64 now = clock.nsecsElapsed();
        if (!shared) {
            cleanNs += now - lastEnd;
            ++clean;
        }
        shared = false;
        lastEnd = now;
        if (++done == n)
            loop.quit();
    });
    clock.start();
    // One at a time, as the pages do: each read is posted when the previous ends.
    QObject::connect(&backend, &Backend::processCmdEnd, &loop, [&] {
        if (done < n)
            worker.addCommand(ModbusCommand(Request, address, count, 4, 0));
    });
    worker.addCommand(ModbusCommand(Request, address, count, 4, 0));
    loop.exec();
    result.rate = n / (clock.nsecsElapsed() / 1e9);
    result.cleanRate = clean / (cleanNs / 1e9);
    result.pollReads = pollReads;
    return result;
}

Bare bareClient(VirtualLine &line, int n)
{
    QModbusRtuSerialMaster master;
    master.setConnectionParameter(QModbusDevice::SerialPortNameParameter, line.toolPath());
    master.setConnectionParameter(QModbusDevice::SerialBaudRateParameter, 19200);
    master.setConnectionParameter(QModbusDevice::SerialParityParameter, QSerialPort::EvenParity);
    master.setTimeout(500);
    master.setNumberOfRetries(20);
    if (!master.connectDevice())
        return {};
    QEventLoop loop;
    int done = 0;
    Bare result;
    QElapsedTimer clock;
    if (QSerialPort *port = master.findChild<QSerialPort *>())
        result.split.watch(port, clock);
    std::function<void()> next = [&] {
        QModbusReply *reply = master.sendReadRequest(
            QModbusDataUnit(QModbusDataUnit::HoldingRegisters, address, count), 247);
        QObject::connect(reply, &QModbusReply::finished, &loop, [&, reply] {
            reply->deleteLater();
            if (++done == n)
                loop.quit();
            else
                next();
        });
    };
    clock.start();
    next();
    loop.exec();
    result.rate = n / (clock.nsecsElapsed() / 1e9);
    return result;
}

double plainLibmodbus(VirtualLine &line, int n)
{
    modbus_t *ctx = modbus_new_rtu(line.toolPath().toLocal8Bit().constData(), 19200, 'N', 8, 1);
    if (!ctx || modbus_set_slave(ctx, 247) != 0 || modbus_connect(ctx) != 0)
        return 0;
    uint16_t words[count];
    QElapsedTimer clock;
    clock.start();
    int ok = 0;
    for (int i = 0; i < n; ++i)
        ok += modbus_read_registers(ctx, address, count, words) == count;
    const double rate = ok / (clock.nsecsElapsed() / 1e9);
    modbus_close(ctx);
    modbus_free(ctx);
    return rate;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QTextStream out(stdout);
    // [READS] [--untimed-only]: the timed lines take a minute and more.
    int n = 1000;
    bool timedLines = true;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--untimed-only")
            timedLines = false;
        else
            n = QByteArray(argv[i]).toInt();
    }

    VirtualLine line({"--parity", "none"});
    if (!line.start())
        return 1;
    line.command("freeze on"); // the same work for the module every time

    const Bare bareRun = bareClient(line, n);
    const Whole wholeRun = wholePath(line, n);
    const double whole = wholeRun.rate;
    const double lib = plainLibmodbus(line, n);
    const Bare bareRun2 = bareClient(line, n); // again, to see the spread
    const double bare = bareRun.rate, bare2 = bareRun2.rate;

    out << "round trips per second, " << n << " reads of " << count << " registers:\n";
    out << QString("  bare Qt client   %1 and %2\n").arg(bare, 0, 'f', 1).arg(bare2, 0, 'f', 1);
    out << QString("  whole path       %1 (%2 of its reads not sharing the line with the %3 poll reads: %4)\n")
               .arg(whole, 0, 'f', 1).arg(n - wholeRun.pollReads).arg(wholeRun.pollReads)
               .arg(wholeRun.cleanRate, 0, 'f', 1);
    out << QString("  libmodbus        %1\n").arg(lib, 0, 'f', 1);
    const double bareBest = qMax(bare, bare2);
    out << QString("whole path / bare Qt client: %1x the time per round trip; poll left out %2x\n")
               .arg(bareBest / whole, 0, 'f', 3).arg(bareBest / wholeRun.cleanRate, 0, 'f', 3);
    out << QString("whole path / libmodbus:      %1x\n").arg(lib / whole, 0, 'f', 3);
    const auto splitLine = [&](const char *name, const Split &split) {
        out << QString("  %1 request out to answer in %2 ms, answer in to next request out %3 ms\n")
                   .arg(QString::fromLatin1(name), -16)
                   .arg(split.lineMs(), 0, 'f', 4)
                   .arg(split.toolMs(), 0, 'f', 4);
        out << "      " << split.gapSpread() << "\n";
    };
    const double bareMedian = qMin(bareRun.split.medianMs(), bareRun2.split.medianMs());
    out << QString("median round trip: bare Qt client %1 and %2 ms, whole path %3 ms; whole path / bare Qt client %4x\n")
               .arg(bareRun.split.medianMs(), 0, 'f', 4)
               .arg(bareRun2.split.medianMs(), 0, 'f', 4)
               .arg(wholeRun.split.medianMs(), 0, 'f', 4)
               .arg(wholeRun.split.medianMs() / bareMedian, 0, 'f', 3);
    out << "where a round trip goes (means):\n";
    splitLine("bare Qt client", bareRun.split);
    splitLine("whole path", wholeRun.split);
    splitLine("bare, again", bareRun2.split);
    if (!timedLines)
        return 0;

    // The same comparison on a line that takes its time: frames at the baud
    // rate, 11 bits a character, and the silence that ends each.
    for (int baud : {19200, 115200}) {
        const int m = baud == 19200 ? qMax(20, n / 5) : qMax(50, n / 2);
        VirtualLine timed({"--parity", "none", "--line-baud", QString::number(baud)});
        if (!timed.start())
            return 1;
        timed.command("freeze on");
        const double b1 = bareClient(timed, m).rate;
        const Whole wr = wholePath(timed, m);
        const double w = wr.rate;
        const double b2 = bareClient(timed, m).rate;
        const double best = qMax(b1, b2);
        out << QString("line timed at %1 baud, %2 reads: bare Qt client %3 and %4, whole path %5 /s; "
                       "whole path / bare Qt client %6x the time per round trip (%7 ms against %8 ms); "
                       "with the %9 poll reads left out %10x (%11 ms)\n")
                   .arg(baud)
                   .arg(m)
                   .arg(b1, 0, 'f', 2)
                   .arg(b2, 0, 'f', 2)
                   .arg(w, 0, 'f', 2)
                   .arg(best / w, 0, 'f', 3)
                   .arg(1000.0 / w, 0, 'f', 2)
                   .arg(1000.0 / best, 0, 'f', 2)
                   .arg(wr.pollReads)
                   .arg(best / wr.cleanRate, 0, 'f', 3)
                   .arg(1000.0 / wr.cleanRate, 0, 'f', 2);
    }
    return 0;
}
