#ifndef TESTBACKENDDECODE_H
#define TESTBACKENDDECODE_H

#include <QObject>
#include <QTemporaryDir>

// Backend's interface and its handling of finished records, fed directly.
class TestBackendDecode : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void metaObjectTables();
    void startValues();
    void settersCompareFirst();
    void statusTexts();
    void communicationBlocks();
    void floatsAndExtremes();
    void ratiosAndThresholds();
    void identityBlock();
    void fsdIdText();
    void failedReadsKeepOrMarkValues();
    void shortRepliesReadNothingPastTheEnd();
    void connectionSignals();
    void brokenLinkSignalOrder();
    void firmwareRecordsAreNotReleased();
    void portListAndConnectIndex();
    void switchLanguage();

private:
    QTemporaryDir dataHome;
};

#endif
