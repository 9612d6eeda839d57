#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class CommandInterpreter;
class QLocalServer;
class QLocalSocket;
class QSocketNotifier;

// Feeds control lines from standard input and from a local socket to the
// interpreter and answers each on the channel it came from. End of input is
// no reason to stop: the module often runs in the background with stdin closed.
class ControlChannel : public QObject
{
    Q_OBJECT

public:
    explicit ControlChannel(CommandInterpreter &interpreter, QObject *parent = nullptr);

    void listenOnStdin();
    bool listen(const QString &socketPath, QString *error);

private:
    void readStdin();
    void acceptConnections();
    void readSocket(QLocalSocket *socket);
    QString handle(const QByteArray &line);
    void quitIfRequested();

    CommandInterpreter &m_interpreter;
    QSocketNotifier *m_stdin = nullptr;
    QByteArray m_stdinBuffer;
    QLocalServer *m_server = nullptr;
};
