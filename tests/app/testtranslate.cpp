#include "testtranslate.h"

#include "app/translate.h"

#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QStandardPaths>
#include <QtTest>

namespace {

QString probe()
{
    return QCoreApplication::translate("Probe", "Language");
}

QString germanOnly()
{
    return QCoreApplication::translate("Probe", "Only German");
}

// Texts of Qt's own catalogues, as its file dialog shows them: a button of
// Qt Quick Dialogs' dialog and the name of the home folder in its side bar.
QStringList qtTexts()
{
    return {QCoreApplication::translate("DefaultFileDialog", "Cancel"),
            QCoreApplication::translate("DefaultFileDialog", "Filename"),
            QCoreApplication::translate("QStandardPaths", "Home")};
}

} // namespace

int initLanguageChild()
{
    Translate translate(nullptr);
    translate.initLanguage();
    QTextStream(stdout) << translate.languageCode() << ' ' << probe() << '\n';
    return 0;
}

void TestTranslate::init()
{
    dataHome.reset(new QTemporaryDir);
    QVERIFY(dataHome->isValid());
    qputenv("XDG_DATA_HOME", dataHome->path().toLocal8Bit());
}

QString TestTranslate::configFile() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/lang.config";
}

QString TestTranslate::readConfig() const
{
    QFile file(configFile());
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return QString::fromLatin1(file.readAll());
}

void TestTranslate::writeConfig(const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(configFile()).path()));
    QFile file(configFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void TestTranslate::storedChoiceWins_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("German") << QByteArray("de-DE") << 1 << "Sprache";
    QTest::newRow("English") << QByteArray("en-EN") << 0 << "Language (en)";
}

void TestTranslate::storedChoiceWins()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, code);
    QFETCH(QString, text);
    writeConfig(stored);
    Translate translate(nullptr);
    translate.initLanguage();
    QCOMPARE(translate.languageCode(), code);
    QCOMPARE(probe(), text);
    QCOMPARE(readConfig(), QString::fromLatin1(stored));
}

void TestTranslate::unusableFileFallsBackToSystem_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("logged");
    QTest::newRow("line end") << QByteArray("de-DE\n") << "unespect value : \"de-DE\\n\"";
    QTest::newRow("capitals") << QByteArray("DE-DE") << "unespect value : \"DE-DE\"";
    QTest::newRow("blank before") << QByteArray(" de-DE") << "unespect value : \" de-DE\"";
    QTest::newRow("empty") << QByteArray() << "unespect value : \"\"";
}

void TestTranslate::unusableFileFallsBackToSystem()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, logged);
    writeConfig(stored);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(logged));
    Translate translate(nullptr, nullptr, 1);
    translate.initLanguage();
    // This process runs with an English system language.
    QCOMPARE(translate.languageCode(), 0);
    QCOMPARE(probe(), QStringLiteral("Language (en)"));
    QCOMPARE(readConfig(), QStringLiteral("en-EN"));
}

void TestTranslate::systemLanguageDecidesWithoutFile_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("stored");
    QTest::newRow("de-DE") << "de_DE" << "1 Sprache" << "de-DE";
    QTest::newRow("de-AT") << "de_AT" << "0 Language (en)" << "en-EN";
    QTest::newRow("de-CH") << "de_CH" << "0 Language (en)" << "en-EN";
    QTest::newRow("de") << "de" << "0 Language (en)" << "en-EN";
    QTest::newRow("en-US") << "en_US" << "0 Language (en)" << "en-EN";
}

void TestTranslate::systemLanguageDecidesWithoutFile()
{
    QFETCH(QString, system);
    QFETCH(QString, result);
    QFETCH(QString, stored);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANGUAGE", system);
    env.insert("XDG_DATA_HOME", dataHome->path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"init-language"});
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), result);
    QCOMPARE(readConfig(), stored);
}

void TestTranslate::switchingKeepsOneCatalogue()
{
    Translate translate(nullptr);
    translate.setLanguageCode(0);
    translate.setLanguageCode(1);
    QCOMPARE(probe(), QStringLiteral("Sprache"));
    QCOMPARE(germanOnly(), QStringLiteral("Nur Deutsch"));
    QCOMPARE(qtTexts(), (QStringList{"Abbrechen", "Dateiname", "Benutzerverzeichnis"}));
    QCOMPARE(readConfig(), QStringLiteral("de-DE"));
    // Switched twice, nothing is installed twice: one switch back clears all.
    translate.setLanguageCode(1);
    translate.setLanguageCode(0);
    QCOMPARE(probe(), QStringLiteral("Language (en)"));
    // Nothing of the German catalogues, ours or Qt's, is left installed.
    QCOMPARE(germanOnly(), QStringLiteral("Only German"));
    QCOMPARE(qtTexts(), (QStringList{"Cancel", "Filename", "Home"}));
    QCOMPARE(readConfig(), QStringLiteral("en-EN"));
}

void TestTranslate::missingFolderIsCreated()
{
    const QString deeper = dataHome->path() + "/not/there/yet";
    qputenv("XDG_DATA_HOME", deeper.toLocal8Bit());
    QVERIFY(!QFileInfo::exists(deeper));
    Translate translate(nullptr);
    translate.setLanguageCode(1);
    QVERIFY(configFile().startsWith(deeper));
    QCOMPARE(readConfig(), QStringLiteral("de-DE"));
}

void TestTranslate::unwritableFileStillSwitches()
{
    // A folder where the file should be: it can be neither written nor read.
    QVERIFY(QDir().mkpath(configFile()));
    Translate translate(nullptr);
    QTest::ignoreMessage(QtDebugMsg, "Fail open lang.config file (write)");
    translate.setLanguageCode(1);
    QCOMPARE(translate.languageCode(), 1);
    QCOMPARE(probe(), QStringLiteral("Sprache"));
    QVERIFY(QFileInfo(configFile()).isDir());
}

void TestTranslate::unreadableFileIsReported()
{
    QVERIFY(QDir().mkpath(configFile()));
    Translate translate(nullptr);
    QTest::ignoreMessage(QtDebugMsg, "Fail open lang.config file (read)");
    QCOMPARE(translate.readLanguageFile(), 2);
}

void TestTranslate::invalidCodeNeverReachesTheFile()
{
    writeConfig("de-DE");
    Translate translate(nullptr);
    translate.initLanguage();
    QCOMPARE(probe(), QStringLiteral("Sprache"));

    QTest::ignoreMessage(QtDebugMsg, "Invalid language");
    QTest::ignoreMessage(QtDebugMsg, "Invalid language");
    translate.setLanguageCode(5);
    QCOMPARE(probe(), QStringLiteral("Language")); // no catalogue at all
    QCOMPARE(germanOnly(), QStringLiteral("Only German"));
    QCOMPARE(readConfig(), QStringLiteral("de-DE"));

    // A valid code afterwards works as usual.
    translate.setLanguageCode(0);
    QCOMPARE(probe(), QStringLiteral("Language (en)"));
    QCOMPARE(readConfig(), QStringLiteral("en-EN"));
}

void TestTranslate::engineRetranslates()
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\nQtObject { property string text: qsTranslate(\"Probe\", \"Language\") }",
                      QUrl());
    QScopedPointer<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    Translate translate(&engine);
    translate.setLanguageCode(1);
    QCOMPARE(object->property("text").toString(), QStringLiteral("Sprache"));
    translate.setLanguageCode(0);
    QCOMPARE(object->property("text").toString(), QStringLiteral("Language (en)"));
}
