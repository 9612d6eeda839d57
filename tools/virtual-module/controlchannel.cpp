#include "controlchannel.h"

#include "commandinterpreter.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <unistd.h>

ControlChannel::ControlChannel(CommandInterpreter &interpreter, QObject *parent)
    : QObject(parent)
    , m_interpreter(interpreter)
{
}

void ControlChannel::listenOnStdin()
{
    // In the background of an interactive shell, reading the terminal would
    // stop the whole module; ignored, the read fails and stdin is dropped.
    signal(SIGTTIN, SIG_IGN);
    m_stdin = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_stdin, &QSocketNotifier::activated, this, &ControlChannel::readStdin);
}

bool ControlChannel::listen(const QString &socketPath, QString *error)
{
    m_server = new QLocalServer(this);
    QLocalServer::removeServer(socketPath);
    if (!m_server->listen(socketPath)) {
        *error = m_server->errorString();
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &ControlChannel::acceptConnections);
    return true;
}

void ControlChannel::readStdin()
{
    char chunk[4096];
    const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n <= 0) {
        // Closed or unreadable: stop watching, keep serving.
        m_stdin->setEnabled(false);
        return;
    }
    m_stdinBuffer.append(chunk, int(n));
    int end;
    while ((end = m_stdinBuffer.indexOf('\n')) >= 0) {
        const QByteArray line = m_stdinBuffer.left(end);
        m_stdinBuffer.remove(0, end + 1);
        const QString answer = handle(line);
        if (answer.isNull())
            continue;
        std::fputs(qPrintable(answer + QLatin1Char('\n')), stdout);
        std::fflush(stdout);
        quitIfRequested();
    }
}

void ControlChannel::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readSocket(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Lines may have arrived together with the connection.
        if (socket->bytesAvailable() > 0)
            readSocket(socket);
    }
}

void ControlChannel::readSocket(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        const QString answer = handle(socket->readLine());
        if (answer.isNull())
            continue;
        socket->write((answer + QLatin1Char('\n')).toUtf8());
        // Answer now: the client may close its side right after the command.
        socket->flush();
        quitIfRequested();
    }
}

QString ControlChannel::handle(const QByteArray &line)
{
    const QString text = QString::fromUtf8(line).trimmed();
    if (text.isEmpty())
        return QString();
    return m_interpreter.execute(text);
}

void ControlChannel::quitIfRequested()
{
    if (m_interpreter.quitRequested())
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}
