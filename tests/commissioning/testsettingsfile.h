#ifndef TESTSETTINGSFILE_H
#define TESTSETTINGSFILE_H

#include <QObject>
#include <QTemporaryDir>

#include <memory>

// Save, compare and restore through Backend against the virtual module: what
// goes on the bus and what the operator is told.
class TestSettingsFile : public QObject
{
    Q_OBJECT
public:
    TestSettingsFile();
    ~TestSettingsFile() override;

private slots:
    void initTestCase();
    void cleanupTestCase();

    void factoryValuesAreTheModules();
    void writesOnlyTheChosenSettings();
    void comparedAfterAnUpdate();
    void saveCompareRestore();
    void transformerRatiosRoundTrip();
    void refusedFilesPutNothingOnTheBus_data();
    void refusedFilesPutNothingOnTheBus();
    void serialSettingsOnlyWhenAsked();
    void savedBeforeAnUpdate();
    void fullDiskKeepsTheBackups();
    void refusedWhileDisconnected();

private:
    struct Rig;
    QTemporaryDir dir;
    std::unique_ptr<Rig> rig;
};

#endif
