#ifndef TST_FAULTS_H
#define TST_FAULTS_H

#include <QObject>
#include <QTemporaryDir>

#include <memory>

// Faults on the line, end to end: Backend wired as the program wires it, the
// virtual module misbehaving on demand. After each fault the program must give
// the outcome the interface alerts on, keep its worker and connect again.
class TestLineFaults : public QObject
{
    Q_OBJECT
public:
    TestLineFaults();
    ~TestLineFaults() override;

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void silenceDuringRefresh();
    void exceptionDuringApply();
    void corruptedFramesAreRetried();
    void corruptedProbeEndsTheConnect();
    void delayJustUnderTheResponseTimeout();
    void delayJustOverTheResponseTimeout();
    void lineDroppedInAFirmwareBlock();
    void queuedCommandsAfterTheLineWentAway();
    void portVanishesBeforeConnecting();
    void imageFileVanishesAfterStart();

public:
    struct Rig;

private:
    bool connectBackend();
    void checkRecovery();

    QTemporaryDir dataHome;
    std::unique_ptr<Rig> rig;
};

// Malformed input where it enters the program: reply words, lang.config and
// firmware image files. Nothing may crash or hang; each gets a plain outcome.
class TestBadInput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void decodingSurvivesRandomRecords();
    void langConfigGarbage_data();
    void langConfigGarbage();
    void unusableImageFile_data();
    void unusableImageFile();
    void unreadableImageFile();
    void imageTooLargeToHold();

private:
    QTemporaryDir dataHome;
};

// Child processes of the tests, for inputs that could hang the caller.
int langConfigChild();
int startUpdateChild(const QString &fileName);

#endif
