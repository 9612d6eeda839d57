#ifndef TESTSILENTMODULE_H
#define TESTSILENTMODULE_H

#include <QObject>

// A module that never answers: the serial client's own retries end the request
// about 500 ms before the watchdog would, so this runs alone, not beside a load.
class TestSilentModule : public QObject
{
    Q_OBJECT
private slots:
    void silentModuleTimesOut();
    void silentAfterAnAnswerClosesTheLinkOnce();
};

#endif
