#include "virtualline.h"
#include "testtime.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
int nextNumber = 90;
const pid_t testPid = getpid();
}

void TestChild::setupChildProcess()
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != testPid) // the test was gone before the line above
        _exit(1);
}

VirtualLine::VirtualLine(const QStringList &moduleArgs, LineCheck check)
    : args(moduleArgs), lineCheck(check)
{
}

VirtualLine::~VirtualLine()
{
    stop();
}

bool VirtualLine::start()
{
    if (!dir.isValid())
        return false;
    // Qt locks a port by its base name in one folder for the whole machine, so
    // each line gets a name of its own, here and in tests running alongside.
    number = nextNumber++;
    const qint64 pid = QCoreApplication::applicationPid();
    moduleEnd = dir.filePath(QStringLiteral("module%1-%2").arg(number).arg(pid));
    toolEnd = dir.filePath(QStringLiteral("tool%1-%2").arg(number).arg(pid));
    if (!startSocat())
        return false;

    QStringList moduleArgs{QStringLiteral("--port"), moduleEnd, QStringLiteral("--log"),
                           dir.filePath(QStringLiteral("requests.jsonl")),
                           QStringLiteral("--image-out"), imagePath()};
    if (lineCheck == LineCheck::On)
        moduleArgs << QStringLiteral("--tool-end") << toolEnd;
    module.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    module.start(QStringLiteral(ORVALIS_VIRTUAL_MODULE), moduleArgs + args);
    if (!module.waitForStarted(testTime(3000))) {
        qWarning() << "VirtualLine: the virtual module did not start";
        return false;
    }
    while (!module.canReadLine()) {
        if (!module.waitForReadyRead(testTime(5000))) {
            qWarning() << "VirtualLine: the virtual module did not get ready";
            return false;
        }
    }
    const QByteArray ready = module.readLine().trimmed();
    if (ready != "ready") {
        qWarning() << "VirtualLine: unexpected first line" << ready;
        return false;
    }
    qputenv("ORVALIS_SERIAL_PORTS", QStringLiteral("%1=%2").arg(number).arg(toolEnd).toLocal8Bit());
    return true;
}

bool VirtualLine::startSocat()
{
    socat.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    socat.start(QStringLiteral("socat"),
                {QStringLiteral("pty,raw,echo=0,link=") + moduleEnd,
                 QStringLiteral("pty,raw,echo=0,link=") + toolEnd});
    if (!socat.waitForStarted(testTime(3000))) {
        qWarning() << "VirtualLine: socat did not start";
        return false;
    }
    // A killed socat leaves its links behind, pointing nowhere.
    QElapsedTimer clock;
    clock.start();
    while (!(QFileInfo::exists(moduleEnd) && QFileInfo::exists(toolEnd))) {
        if (clock.elapsed() > testTime(5000)) {
            qWarning() << "VirtualLine: socat made no pseudo-terminals";
            return false;
        }
        QThread::msleep(10);
    }
    return true;
}

void VirtualLine::stop()
{
    for (QProcess *p : {&module, &socat}) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
    }
}

QString VirtualLine::command(const QString &line, int timeoutMs)
{
    timeoutMs = testTime(timeoutMs);
    module.write(line.toUtf8() + '\n');
    module.waitForBytesWritten(timeoutMs);
    QElapsedTimer clock;
    clock.start();
    forever {
        while (!module.canReadLine()) {
            const int left = timeoutMs - int(clock.elapsed());
            if (left <= 0 || !module.waitForReadyRead(left)) {
                // Its answer comes later and must not pass for the next one's.
                ++unanswered;
                return QString();
            }
        }
        const QString answer = QString::fromUtf8(module.readLine()).trimmed();
        if (unanswered == 0)
            return answer;
        --unanswered;
    }
}

QList<QJsonObject> VirtualLine::requests() const
{
    QList<QJsonObject> result;
    QFile log(dir.filePath(QStringLiteral("requests.jsonl")));
    if (!log.open(QIODevice::ReadOnly))
        return result;
    const QList<QByteArray> lines = log.readAll().split('\n');
    for (int i = logOffset; i < lines.size(); ++i) {
        if (!lines[i].trimmed().isEmpty())
            result.append(QJsonDocument::fromJson(lines[i]).object());
    }
    return result;
}

void VirtualLine::mark()
{
    QFile log(dir.filePath(QStringLiteral("requests.jsonl")));
    if (log.open(QIODevice::ReadOnly))
        logOffset = log.readAll().count('\n');
}

void VirtualLine::killLine()
{
    socat.kill();
    socat.waitForFinished(3000);
}

bool VirtualLine::restoreLine()
{
    if (socat.state() != QProcess::NotRunning)
        return true;
    return startSocat() && command(QStringLiteral("drop")) == QLatin1String("ok")
           && command(QStringLiteral("plug")) == QLatin1String("ok");
}
