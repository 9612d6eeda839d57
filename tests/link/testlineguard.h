#ifndef TESTLINEGUARD_H
#define TESTLINEGUARD_H

#include <QObject>

// When the next request may go out, on made-up times.
class TestLineGuard : public QObject
{
    Q_OBJECT
private slots:
    void fastAnswerLetsTheNextGoAtOnce();
    void resentRequestWaitsForTheOtherAnswers();
    void resentRequestWithoutItsLateAnswerWaitsOutTheSilence();
    void noAnswerWaitsForSilence_data();
    void noAnswerWaitsForSilence();
    void strayBytesMakeEveryRequestWaitUntilTrusted();
    void newLinkWaitsAfterItsProbe();
};

#endif
