#ifndef TESTPORTDIRECTORY_H
#define TESTPORTDIRECTORY_H

#include <QObject>

class TestPortDirectory : public QObject
{
    Q_OBJECT
private slots:
    void ruleNumbers_data();
    void ruleNumbers();
    void systemPortsGetDistinctNumbersAndOpenThatPort();
    void numbersStayWhilePortsComeAndGo();
    void collisionsGetSpareNumbers();
    void environmentAddsVirtualLines();
    void malformedEnvironmentEntriesAreSkipped();
    void repeatedEnvironmentEntryIsListedOnce();
    void relativePathsAreResolved_data();
    void relativePathsAreResolved();
    void unknownNumberFallsBackToComName();
};

#endif
