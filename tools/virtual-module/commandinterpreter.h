#pragma once

#include <QString>
#include <QStringList>

class ModuleLine;
class VirtualModule;

// Executes one line of the control language ("silent on", "get 31006 2", ...)
// on the line and returns the one-line answer: "ok ..." or "error <reason>".
// A module's command goes to the first module unless prefixed with
// "slave N"; the line's own (line, noise, seed, drop, plug, quit) take no
// prefix, and "silent" without one silences the whole line.
class CommandInterpreter
{
public:
    explicit CommandInterpreter(ModuleLine &line);

    QString execute(const QString &line);
    // Set once "quit" was answered; the channel exits after sending the answer.
    bool quitRequested() const { return m_quit; }

private:
    QString alarm(const QStringList &args);
    QString exception(const QStringList &args);
    QString lineTiming(const QStringList &args);
    QString latency(const QStringList &args);
    QString share(const QString &command, const QStringList &args);
    QString noise(const QStringList &args);
    QString seed(const QStringList &args);
    QString read(const QStringList &args, bool coils);
    QString write(const QStringList &args, bool coils);

    ModuleLine &m_line;
    VirtualModule *m_module = nullptr; // the one the command addresses
    bool m_quit = false;
};
