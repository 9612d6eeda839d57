#ifndef TESTTRANSLATE_H
#define TESTTRANSLATE_H

#include <QObject>
#include <QTemporaryDir>

// The language choice with lang.config in a temporary data folder
// (XDG_DATA_HOME) and, where it matters, the system language of a child process.
class TestTranslate : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void storedChoiceWins_data();
    void storedChoiceWins();
    void unusableFileFallsBackToSystem_data();
    void unusableFileFallsBackToSystem();
    void systemLanguageDecidesWithoutFile_data();
    void systemLanguageDecidesWithoutFile();
    void switchingKeepsOneCatalogue();
    void missingFolderIsCreated();
    void unwritableFileStillSwitches();
    void unreadableFileIsReported();
    void invalidCodeNeverReachesTheFile();
    void engineRetranslates();

private:
    QString configFile() const;
    QString readConfig() const;
    void writeConfig(const QByteArray &content);

    QScopedPointer<QTemporaryDir> dataHome;
};

// Run in a child process: initLanguage under the child's own system language.
int initLanguageChild();

#endif
