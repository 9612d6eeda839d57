#ifndef TERMINATIONWATCH_H
#define TERMINATIONWATCH_H

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a quit of the event loop, so that the
// shutdown after exec() runs as after the window closed. The handler only
// writes the signal's number to a socket pair, which the event loop reads.
// One at a time: the handlers are the process's.
class TerminationWatch : public QObject
{
    Q_OBJECT
public:
    // updateRunning tells whether a firmware update runs at the moment the signal is taken.
    explicit TerminationWatch(std::function<bool()> updateRunning, QObject *parent = nullptr);
    // Puts the handlers back as they were.
    ~TerminationWatch() override;

    // False where the signals could not be taken (or on a system without them).
    bool isWatching() const { return notifier != nullptr; }

    // Called with the signal's number instead of quitting, for a program that
    // winds down its own way. Each signal calls it again.
    void setHandler(std::function<void(int)> handler) { this->handler = std::move(handler); }

private:
    void onSignal();

    std::function<bool()> updateRunning;
    std::function<void(int)> handler;
    QSocketNotifier *notifier = nullptr;
};

#endif
