#pragma once

#include <QString>
#include <QStringList>

class VirtualModule;

// Executes one line of the control language ("silent on", "get 31006 2", ...)
// on the module and returns the one-line answer: "ok ..." or "error <reason>".
class CommandInterpreter
{
public:
    explicit CommandInterpreter(VirtualModule &module);

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

    VirtualModule &m_module;
    bool m_quit = false;
};
