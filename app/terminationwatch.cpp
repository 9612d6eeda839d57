#include "app/terminationwatch.h"

#include "app/applog.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const int watchedSignals[] = {SIGTERM, SIGINT, SIGHUP};
struct sigaction previous[3];
// [0] written by the handler, [1] read by the event loop.
int pair[2] = {-1, -1};

// Only what is async-signal-safe: one byte to the socket, errno as it was.
void onTerminationSignal(int number)
{
    const int saved = errno;
    const char byte = char(number);
    // Nothing to do when it fails: the socket is full of quits already.
    [[maybe_unused]] const ssize_t written = ::write(pair[0], &byte, 1);
    errno = saved;
}

} // namespace

TerminationWatch::TerminationWatch(std::function<bool()> updateRunning, QObject *parent)
    : QObject(parent), updateRunning(std::move(updateRunning))
{
    if (pair[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
        qCWarning(appLog) << "TerminationWatch: cannot watch the termination signals";
        return;
    }
    // A handler must never block on a full socket.
    ::fcntl(pair[0], F_SETFL, ::fcntl(pair[0], F_GETFL) | O_NONBLOCK);
    notifier = new QSocketNotifier(pair[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationWatch::onSignal);

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls go on: Qt and the serial port do not expect EINTR.
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        ::sigaction(watchedSignals[i], &action, &previous[i]);
}

TerminationWatch::~TerminationWatch()
{
    if (!notifier)
        return;
    for (int i = 0; i < 3; ++i)
        ::sigaction(watchedSignals[i], &previous[i], nullptr);
    delete notifier;
    ::close(pair[0]);
    ::close(pair[1]);
    pair[0] = pair[1] = -1;
}

void TerminationWatch::onSignal()
{
    char byte = 0;
    if (::read(pair[1], &byte, 1) != 1)
        return;
    if (handler) {
        handler(int(byte));
        return;
    }
    qCDebug(appLog) << "TerminationWatch: signal" << int(byte) << "- quitting";
    if (updateRunning && updateRunning())
        qCWarning(appLog, "Terminated during a firmware update: the module stays in its bootloader "
                          "until the update is run again");
    QCoreApplication::quit();
}

#else

// No such signals: the window's close is the only way out.
TerminationWatch::TerminationWatch(std::function<bool()> updateRunning, QObject *parent)
    : QObject(parent), updateRunning(std::move(updateRunning))
{
}

TerminationWatch::~TerminationWatch() = default;

void TerminationWatch::onSignal() {}

#endif
