// Time of a firmware update of a 64 KiB image through the program's own
// classes to the virtual module, next to the floor the protocol allows: the
// mandated waits and pauses plus one round trip per command, with the round
// trips measured in the same run over the same line. By default the virtual
// module times its line as a real one at 19200 baud; --line-baud 0 leaves the
// pseudo-terminal untimed.
//
//   bench_firmware_update [--line-baud B] [BYTES]

#include "link/tmodbus.h"
#include "support/virtualline.h"
#include "support/workerrecorder.h"
#include "update/firmwareupdate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// Mean time of one request through the worker and the client.
double roundTripMs(TModbus &worker, WorkerRecorder &recorder, const ModbusCommand &cmd, int n)
{
    const int before = recorder.finished.size();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < n; ++i)
        worker.addCommand(cmd);
    recorder.waitFor(before + n, 60000);
    return double(clock.nsecsElapsed()) / 1e6 / n;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    qputenv("QT_LOGGING_RULES", qgetenv("BENCH_LOG").isEmpty() ? "*.debug=false" : "");
    int size = 64 * 1024;
    int baud = 19200;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--line-baud"))
            baud = args.value(++i).toInt();
        else
            size = args[i].toInt();
    }

    // The connect below asks for 19200 baud, even parity, the module's own.
    VirtualLine line(baud > 0 ? QStringList{QStringLiteral("--line-baud"), QString::number(baud)} : QStringList{});
    if (!line.start())
        return 1;
    TModbus worker;
    FirmwareUpdate update;
    update.setTModbus(&worker);
    WorkerRecorder recorder(worker);
    recorder.releaseFirmware = false;

    ModbusCommand connectCmd(Connect, 50521, 1, 4, 0);
    connectCmd.addValues({quint16(line.portNumber()), 247, 0, 1});
    worker.addCommand(connectCmd);
    if (!recorder.waitFor(1) || recorder.finished[0].connectResult != 0) {
        out << "connect failed\n";
        return 1;
    }

    // Frames of the same sizes as the update's: one-register writes and reads,
    // and ten-register writes like an image block.
    ModbusCommand single(Request, 31504, 1, 4, 1);
    single.addValue(5);
    ModbusCommand block(Request, 50501, 10, 4, 1);
    block.addValues({1200, 0, 1200, 0, 1200, 0, 1, 1, 1, 1});
    const double rttSingle = roundTripMs(worker, recorder, single, 200);
    const double rttRead = roundTripMs(worker, recorder, ModbusCommand(Request, 50521, 1, 4, 0), 200);
    const double rttBlock = roundTripMs(worker, recorder, block, 200);

    QTemporaryDir dir;
    QByteArray image(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        image[i] = char(QRandomGenerator::global()->bounded(256));
    QFile file(dir.filePath("image.bin"));
    file.open(QIODevice::WriteOnly);
    file.write(image);
    file.close();

    bool done = false, ok = false;
    QObject::connect(&update, &FirmwareUpdate::updateSuccess, [&] { done = ok = true; });
    QObject::connect(&update, &FirmwareUpdate::updateFail, [&] { done = true; });
    QElapsedTimer clock;
    clock.start();
    update.start(file.fileName());
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double elapsed = double(clock.nsecsElapsed()) / 1e6;

    QFile received(line.imagePath());
    received.open(QIODevice::ReadOnly);
    const bool identical = received.readAll() == image;

    // Every 128th block starts a 2200 ms pause counted from its posting, so its
    // own round trip runs inside the pause; the closing block's runs inside the
    // 1000 ms wait that follows it.
    const int blocks = (size + 15) / 16;
    const int pauses = size / 2048;
    const double waits = 1000 + 1000 + 2200.0 * pauses;
    const double floor = waits + rttSingle /* reset */ + 2 * rttRead /* status checks */
                         + 4 * rttSingle /* checksum and length */
                         + rttBlock * (blocks - pauses + (size % 2048 ? 1 : 0));
    out << "line: " << (baud > 0 ? QStringLiteral("timed at %1 baud").arg(baud) : QStringLiteral("untimed"))
        << "\n";
    out << "image: " << size << " bytes, " << blocks << " blocks, " << pauses << " pauses\n";
    out << "result: " << (ok ? "success" : "FAILED") << ", received "
        << (identical ? "byte for byte" : "DIFFERENT") << "\n";
    out << QString("round trips: write 1 register %1 ms, read 1 register %2 ms, write 10 registers %3 ms\n")
               .arg(rttSingle, 0, 'f', 2).arg(rttRead, 0, 'f', 2).arg(rttBlock, 0, 'f', 2);
    out << QString("update time: %1 ms\n").arg(elapsed, 0, 'f', 0);
    out << QString("floor:       %1 ms (waits and pauses %2 ms)\n").arg(floor, 0, 'f', 0).arg(waits, 0, 'f', 0);
    out << QString("ratio:       %1\n").arg(elapsed / floor, 0, 'f', 3);
    return ok && identical ? 0 : 1;
}
