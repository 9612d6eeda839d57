#ifndef TESTMEASUREMENTTABLE_H
#define TESTMEASUREMENTTABLE_H

#include <QObject>

// The measured quantities as the page, the command line and the recorder take
// them: labels, units, words and elements, without a line.
class TestMeasurementTable : public QObject
{
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void everyElementShownOnce();
    void texts();
    void pageRow();
};

#endif
