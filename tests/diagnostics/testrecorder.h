#ifndef TESTRECORDER_H
#define TESTRECORDER_H

#include <QObject>
#include <QTemporaryDir>

#include <memory>

// The measurement recorder and the alarm history, against the virtual module
// and against a Backend whose properties are set directly.
class TestRecorder : public QObject
{
    Q_OBJECT
public:
    TestRecorder();
    ~TestRecorder() override;

private slots:
    void initTestCase();
    void cleanupTestCase();

    void alarmChangesFromTheModule();
    void recordingFollowsThePolls();
    void refusedStarts_data();
    void refusedStarts();
    void dailyFileNames_data();
    void dailyFileNames();
    void newFileAtMidnight();
    void fullDiskStopsRecording();
    void fullDiskLeavesWholeRows();
    void lostFileStopsRecording_data();
    void lostFileStopsRecording();
    void historyFromProperties();
    void historyIsCapped();
    void historySavedAsCsv();

private:
    struct Rig;
    bool connectModule();

    QTemporaryDir dir;
    std::unique_ptr<Rig> rig;
};

#endif
