#ifndef TESTSETTINGSTABLE_H
#define TESTSETTINGSTABLE_H

#include <QObject>

// The settings table as data: every setting's range or choices, the address
// rule, the baud rates and parities, and that its blocks and fields exist.
class TestSettingsTable : public QObject
{
    Q_OBJECT
private slots:
    void ranges_data();
    void ranges();
    void addressRule_data();
    void addressRule();
    void linesSettings();
    void blocksAndTexts();
};

#endif
