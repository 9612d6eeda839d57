#ifndef TESTMODULESETTINGS_H
#define TESTMODULESETTINGS_H

#include <QObject>

// A module's settings in a file: words in, JSON out and back, what is
// refused, what differs and what a restore writes.
class TestModuleSettings : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip();
    void fromWords();
    void namesAndUnits();
    void edges_data();
    void edges();
    void refused_data();
    void refused();
    void fileRefused();
    void differences();
    void restoreWrites_data();
    void restoreWrites();
    void restoreOrder();
    void oneRatioFile();
    void atomicSave();
    void fullDiskKeepsTheOldFile();
    void unknownSettingsKept();
    void onlyChosenSettings();
};

#endif
