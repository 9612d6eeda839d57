#include "teststartup.h"

#include "app/version.h"

#include <QProcess>
#include <QtTest>

TestStartUp::Run TestStartUp::runApp(const QByteArray &splash, const QByteArray &storedLanguage)
{
    const QString dataHome = dir.filePath(QStringLiteral("data"));
    // Organisation "VORDAN", application named after the executable.
    const QString appData = dataHome + "/VORDAN/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QDir(appData).removeRecursively();
    if (!storedLanguage.isEmpty()) {
        QDir().mkpath(appData);
        QFile file(appData + "/lang.config");
        file.open(QIODevice::WriteOnly);
        file.write(storedLanguage);
    }
    QFile qml(dir.filePath(QStringLiteral("splash.qml")));
    qml.open(QIODevice::WriteOnly);
    qml.write(splash);
    qml.close();

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dataHome);
    env.insert("LANGUAGE", "en_US");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_QUICK_BACKEND", "software");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"run-app", qml.fileName()});
    if (!child.waitForFinished(20000))
        child.kill();
    return {child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -999,
            QString::fromUtf8(child.readAll())};
}

void TestStartUp::storedLanguageIsSetBeforeTheFirstFile_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("language");
    QTest::newRow("German stored") << QByteArray("de-DE") << "de_DE";
    QTest::newRow("English stored") << QByteArray("en-EN") << "en_EN";
    QTest::newRow("nothing stored, English system") << QByteArray() << "en_EN";
}

void TestStartUp::storedLanguageIsSetBeforeTheFirstFile()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, language);
    QVERIFY(dir.isValid());
    // What the first file sees while it is created, then a clean end.
    const Run run = runApp(R"(import QtQuick 2.15
import QtQuick.Window 2.15
Window {
    Component.onCompleted: console.log("seen", backend.language, SW_VERSION, backend.connectionState)
    Timer { interval: 50; running: true; onTriggered: Qt.quit() }
}
)", stored);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.output.contains(QStringLiteral("seen %1 " ORVALIS_VERSION " false").arg(language)),
             qPrintable(run.output));
    // The worker thread is stopped before its objects go: nothing complains at exit.
    for (const char *complaint : {"Destroyed while thread", "Timers cannot", "Cannot send events",
                                  "ASSERT"})
        QVERIFY2(!run.output.contains(complaint), qPrintable(run.output));
}

void TestStartUp::brokenSplashEndsWithMinusOne()
{
    QVERIFY(dir.isValid());
    const Run run = runApp("import QtQuick 2.15\nItem {\n", QByteArray());
    QCOMPARE(run.exitCode, 255); // -1 as a process exit status
}
