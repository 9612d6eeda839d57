#ifndef TESTSTARTUP_H
#define TESTSTARTUP_H

#include <QObject>
#include <QTemporaryDir>

// The program's start-up, run in a child process on a splash screen of the test's.
class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void storedLanguageIsSetBeforeTheFirstFile_data();
    void storedLanguageIsSetBeforeTheFirstFile();
    void brokenSplashEndsWithMinusOne();

private:
    struct Run {
        int exitCode;
        QString output;
    };
    Run runApp(const QByteArray &splash, const QByteArray &storedLanguage);

    QTemporaryDir dir;
};

#endif
