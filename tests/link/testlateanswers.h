#ifndef TESTLATEANSWERS_H
#define TESTLATEANSWERS_H

#include <QObject>

// A module that answers late, twice or with damaged bytes: every value the
// link hands on is the module's own, and every write carries its own words.
class TestLateAnswers : public QObject
{
    Q_OBJECT
private slots:
    void valuesStayTrue_data();
    void valuesStayTrue();
    void probeAnsweredAfterTheRetries();
};

#endif
