#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a Qt signal through a self-pipe, so the event
// loop ends normally and the port, the log and the socket are closed cleanly.
class SignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatcher(QObject *parent = nullptr);
    ~SignalWatcher() override;

signals:
    void terminationRequested();

private:
    static void handle(int signal);

    static int s_fds[2];
    QSocketNotifier *m_notifier = nullptr;
};
