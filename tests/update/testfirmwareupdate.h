#ifndef TESTFIRMWAREUPDATE_H
#define TESTFIRMWAREUPDATE_H

#include <QObject>

// Firmware updates through the worker queue to the virtual module's bootloader.
class TestFirmwareUpdate : public QObject
{
    Q_OBJECT
private slots:
    void crcOfKnownVectors();
    void imageArrivesByteForByte_data();
    void imageArrivesByteForByte();
    void seventeenBytesOnTheBus();
    void pausesEvery2048Bytes();
    void linkDownFailsBeforeAnyImageByte();
    void failureInTheMiddleStopsTalking();
    void failureOfThePausingBlockStopsTalking();
    void cancelLetsTheBlockInFlightEnd();
    void otherKindsAreNotClaimed();
    void secondStartIsRefused();
    void unreadableOrHugeFileFailsAtOnce();
    void imageSizeLimits_data();
    void imageSizeLimits();
};

#endif
