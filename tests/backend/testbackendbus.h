#ifndef TESTBACKENDBUS_H
#define TESTBACKENDBUS_H

#include <QObject>
#include <QTemporaryDir>

#include <memory>

// Backend wired as the program wires it, against the virtual module: the exact
// requests each operation puts on the bus, and what comes back into properties.
class TestBackendBus : public QObject
{
    Q_OBJECT
public:
    TestBackendBus();
    ~TestBackendBus() override;

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void connectSetsTheModuleClock();
    void homePage();
    void communicationPage();
    void measurementAndChartsPages();
    void pollFollowsStateUpdateAndAlarms();
    void failedLastRequestDropsTheLink();
    void refusedUpdateLeavesTheLineFree();
    void cancelLeavesNoLinkAndEndsNothing();
    void companionBatchesKeepToThemselves();

private:
    struct Rig;
    bool ensureConnected();

    QTemporaryDir dataHome;
    std::unique_ptr<Rig> rig;
};

#endif
