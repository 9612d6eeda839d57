#include "commandinterpreter.h"
#include "controlchannel.h"
#include "moduleline.h"
#include "moduleoptions.h"
#include "requestlog.h"
#include "signalwatcher.h"
#include "toolend.h"
#include "virtualmodule.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // Started with stdin closed, the next file opened (the serial port, say)
    // would become fd 0 and be read as control input.
    if (fcntl(STDIN_FILENO, F_GETFD) == -1)
        open("/dev/null", O_RDONLY);

    QElapsedTimer runTime;
    runTime.start();
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("orvalis-virtual-module"));

    ModuleOptions options;
    QString error;
    if (!options.parse(app.arguments(), &error)) {
        std::fprintf(options.help ? stdout : stderr, "%s\n", qPrintable(error));
        return options.help ? 0 : 2;
    }

    RequestLog log(runTime);
    if (!options.logFile.isEmpty() && !log.open(options.logFile, &error)) {
        std::fprintf(stderr, "cannot open log %s: %s\n", qPrintable(options.logFile), qPrintable(error));
        return 1;
    }

    ToolEnd toolEnd;
    if (!options.toolEnd.isEmpty() && !toolEnd.open(options.toolEnd, &error)) {
        std::fprintf(stderr, "cannot open tool end %s: %s\n", qPrintable(options.toolEnd), qPrintable(error));
        return 1;
    }

    ModuleLine line(runTime);
    if (!options.toolEnd.isEmpty())
        line.setToolEnd(&toolEnd);
    line.setSilent(options.silent);
    line.setLineBaud(options.lineBaud);
    line.setNoise(options.noiseRate);
    if (options.seedSet)
        line.setSeed(options.seed);
    // The flags of one module's faults hold for every module on the line.
    for (int n = 0; n < options.slaves.size(); ++n) {
        auto *module = new VirtualModule(runTime, line, options.slaves.at(n), &line);
        module->setNumberOnLine(n);
        module->setLineSettings(options.parityCode, options.baudRate);
        module->setRequestLog(&log);
        module->setResetTime(options.resetTime);
        module->setImageOutput(options.imageOut);
        module->setLatency(options.latencyMin, options.latencyMax);
        module->setCorruptCrc(options.corruptCrc);
        module->setLate(options.lateProbability, options.lateMs);
        module->setDuplicate(options.duplicateProbability, options.duplicateMs);
        for (const auto &exception : options.exceptions)
            module->setForcedException(exception.first, exception.second);
        line.addModule(module);
    }

    if (!line.open(options.port, options.baudRate, options.parity, &error)) {
        std::fprintf(stderr, "cannot open port %s: %s\n", qPrintable(options.port), qPrintable(error));
        return 1;
    }

    CommandInterpreter interpreter(line);
    ControlChannel control(interpreter);
    if (!options.controlSocket.isEmpty() && !control.listen(options.controlSocket, &error)) {
        std::fprintf(stderr, "cannot listen on %s: %s\n", qPrintable(options.controlSocket),
                     qPrintable(error));
        return 1;
    }
    control.listenOnStdin();

    SignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &SignalWatcher::terminationRequested, &app, &QCoreApplication::quit);

    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    return app.exec();
}
