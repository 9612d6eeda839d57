// Time of a search of the whole line for a module set to 38400 baud, odd
// parity, slave address 133, from the connection page's defaults, against the
// virtual module with its line timing on. The reference is the floor of the
// same search: each try that finds nothing costs its time-out.

#include "diagnostics/linescanner.h"
#include "support/virtualline.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    qputenv("QT_LOGGING_RULES", qgetenv("BENCH_LOG").isEmpty() ? "*.debug=false" : "");
    const QString lineBaud = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("38400");

    VirtualLine line({"--slave", "133", "--baud", "38400", "--parity", "odd", "--line-baud", lineBaud},
                     VirtualLine::LineCheck::On);
    if (!line.start())
        return 1;

    const QVector<LineScanner::Setting> settings = LineScanner::order({19200, 1, 247});
    double floorMs = 0;
    for (const LineScanner::Setting &s : settings)
        floorMs += LineScanner::probeTimeout(s.baudRate);

    LineScanner scanner;
    QElapsedTimer clock;
    qint64 foundAt = -1;
    QObject::connect(&scanner, &LineScanner::moduleFound, [&] { foundAt = clock.elapsed(); });
    QObject::connect(&scanner, &LineScanner::finished, &app, &QCoreApplication::quit);
    clock.start();
    scanner.start(line.portNumber(), settings);
    app.exec();
    const qint64 total = clock.elapsed();

    out << "search of " << settings.size() << " settings, module at 38400 odd 133, line timing "
        << lineBaud << " baud\n";
    out << "  found after      " << foundAt << " ms (" << scanner.found().size() << " found)\n";
    out << "  whole search     " << total << " ms\n";
    out << "  floor            " << qRound(floorMs) << " ms (time-outs of every try)\n";
    out << "  ratio            " << QString::number(total / floorMs, 'f', 3) << "\n";
    out << "  at 19200 baud on a real line, silent tries alone: "
        << settings.size() * LineScanner::probeTimeout(19200) / 1000.0 << " s at most\n";
    return scanner.found().size() == 1 ? 0 : 1;
}
