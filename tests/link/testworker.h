#ifndef TESTWORKER_H
#define TESTWORKER_H

#include <QObject>

// The worker queue on its own: no line is open, so every request fails at once.
class TestWorker : public QObject
{
    Q_OBJECT
private slots:
    void backToBackCommandsRunInOrder();
    void cancelledRecordsComeBackUnsent();
    void markerWaitsForEverythingBeforeIt();
    void followUpsRunAfterWhatIsQueued();
    void unknownKindsAreDropped();
    void connectOnUnopenablePort();
    void strayStepIsIgnored();
    void producersOnOtherThreads();
    void laterConsumerSeesEveryRecord();
    void requestRecordsReachQueuedConsumersBeforeTheNextRequest();
};

#endif
