#ifndef TESTCLIENT_H
#define TESTCLIENT_H

#include <QObject>

// The client and the worker against the virtual module over a pseudo-terminal pair.
class TestClient : public QObject
{
    Q_OBJECT
private slots:
    void lineSettingsFromIndexes();
    void requestWhileClosedEndsAtOnce();
    void unopenablePortSaysWhy();
    void connectProbesAndAppendsAfterParameters();
    void readsAndWritesReachTheModule();
    void exceptionAnswerKeepsTheLink();
    void corruptedFrameIsRetried();
    void probeGoesOutOnceAndGivesUpSoon();
    void delayedAnswerArrives();
    void watchdogEndsAHungRequest();
    void lineGoingAwayEndsTheRequestOnce();
};

#endif
