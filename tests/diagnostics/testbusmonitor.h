#ifndef TESTBUSMONITOR_H
#define TESTBUSMONITOR_H

#include <QObject>
#include <QTemporaryDir>

// The bus monitor against the virtual module: the same exchanges as the
// module's own log, named; errors by name; a bounded list; its files.
class TestBusMonitor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void refreshMatchesTheModuleLog();
    void errorsByName();
    void boundedPausedAndClosed();
    void savedFiles();
    void openedAfterTheFactShowsThem();
    void packedWordsDecoded_data();
    void packedWordsDecoded();
    void fullDiskKeepsTheOldFile();

private:
    QTemporaryDir dir;
};

#endif
