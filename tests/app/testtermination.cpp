// SIGTERM, SIGINT and SIGHUP end the program in order: the event loop quits,
// exec() returns 0 and what follows it runs; during a firmware update the log
// says first that the module stays in its bootloader. Every case is a child
// process of this program that takes a real signal.
#include "app/startup.h"
#include "app/terminationwatch.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

const char updateLine[] = "Terminated during a firmware update: the module stays in its bootloader "
                          "until the update is run again";

// The watch alone, with or without an update running.
int watchChild(int argc, char **argv, bool updateRunning)
{
    QCoreApplication app(argc, argv);
    TerminationWatch watch([updateRunning] { return updateRunning; });
    if (!watch.isWatching())
        return 2;
    QTimer::singleShot(0, [] { fprintf(stderr, "ready\n"); });
    const int result = QCoreApplication::exec();
    fprintf(stderr, "exec returned %d\n", result);
    return result;
}

struct Ended
{
    int exitCode;
    QString output;
};

// Starts the child, sends the signal once it runs its event loop, waits for its end.
Ended signalChild(const QStringList &args, int signal)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_QUICK_BACKEND", "software");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), args);
    child.waitForStarted(10000);
    QByteArray output;
    QElapsedTimer clock;
    clock.start();
    while (!output.contains("ready") && child.state() == QProcess::Running && clock.elapsed() < 20000) {
        child.waitForReadyRead(100);
        output += child.readAll();
    }
    if (output.contains("ready"))
        ::kill(pid_t(child.processId()), signal);
    const bool ended = child.waitForFinished(20000);
    if (!ended) {
        child.kill();
        child.waitForFinished(5000);
    }
    output += child.readAll();
    return {ended && child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -999,
            QString::fromUtf8(output)};
}

} // namespace

class TestTermination : public QObject
{
    Q_OBJECT
private slots:
    void signalQuitsTheEventLoop_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("updateRunning");
        QTest::newRow("SIGTERM") << SIGTERM << false;
        QTest::newRow("SIGTERM during an update") << SIGTERM << true;
        QTest::newRow("SIGINT during an update") << SIGINT << true;
        QTest::newRow("SIGHUP") << SIGHUP << false;
    }

    void signalQuitsTheEventLoop()
    {
        QFETCH(int, signal);
        QFETCH(bool, updateRunning);
        const Ended end = signalChild({"watch", updateRunning ? "update" : "idle"}, signal);
        QVERIFY2(end.output.contains("exec returned 0"), qPrintable(end.output));
        QCOMPARE(end.exitCode, 0);
        QCOMPARE(end.output.contains(updateLine), updateRunning);
    }

    // The program itself: its shutdown after exec() runs, with nothing left behind.
    void programEndsInOrderOnSigterm()
    {
        QTemporaryDir dir;
        QFile qml(dir.filePath("splash.qml"));
        QVERIFY(qml.open(QIODevice::WriteOnly));
        // Said from the event loop, which runs once the watch is set.
        qml.write("import QtQuick 2.15\nimport QtQuick.Window 2.15\n"
                  "Window { Timer { running: true; interval: 0; onTriggered: console.log(\"ready\") } }\n");
        qml.close();
        const Ended end = signalChild({"run-app", qml.fileName()}, SIGTERM);
        QCOMPARE(end.exitCode, 0);
        QVERIFY2(!end.output.contains(updateLine), qPrintable(end.output));
        for (const char *complaint : {"Destroyed while thread", "Timers cannot", "Cannot send events", "ASSERT"})
            QVERIFY2(!end.output.contains(complaint), qPrintable(end.output));
    }
};

int main(int argc, char *argv[])
{
    if (argc > 2 && QByteArray(argv[1]) == "watch")
        return watchChild(argc, argv, QByteArray(argv[2]) == "update");
    if (argc > 2 && QByteArray(argv[1]) == "run-app")
        return runApplication(argc, argv, QUrl::fromLocalFile(QString::fromLocal8Bit(argv[2])));
    QCoreApplication app(argc, argv);
    TestTermination test;
    return QTest::qExec(&test, argc, argv);
}

#include "testtermination.moc"
