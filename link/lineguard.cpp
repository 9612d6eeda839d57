#include "link/lineguard.h"

#include <algorithm>

void LineGuard::linkOpened()
{
    careful = true;
    cleanWindows = CleanWindows - 1;
    guardNext = false;
    strayInWindow = false;
    lateExpected = 0;
    notBefore = 0;
    afterRequest = false;
}

void LineGuard::requestSent(qint64 now, int bytes)
{
    sentAt = now;
    frameBytes = std::max(1, bytes);
    written = 0;
}

void LineGuard::bytesWritten(qint64 bytes)
{
    written += bytes;
}

void LineGuard::requestEnded(qint64 now, End end)
{
    endedAt = now;
    afterRequest = true;
    const qint64 took = now - sentAt;
    sends = int(std::max<qint64>(1, (written + frameBytes - 1) / frameBytes));
    strayInWindow = false;
    lateExpected = 0;
    answeredResend = false;
    switch (end) {
    case End::Answered:
        if (sends > 1) {
            answeredResend = true;
            lateExpected = sends - 1;
            guardNext = true;
            notBefore = now + took;
        }
        break;
    case End::Refused:
        careful = true;
        cleanWindows = 0;
        guardNext = true;
        notBefore = now;
        break;
    case End::NoAnswer:
        guardNext = true;
        notBefore = now;
        break;
    }
}

bool LineGuard::bytesArrived(qint64 now, bool requestOpen)
{
    const bool newFrame = lastByteAt < 0 || now - lastByteAt > FrameGap;
    lastByteAt = now;
    if (requestOpen)
        return false;
    if (lateExpected > 0) {
        if (newFrame)
            --lateExpected;
        return false;
    }
    strayInWindow = true;
    careful = true;
    cleanWindows = 0;
    return true;
}

qint64 LineGuard::waitLeft(qint64 now) const
{
    if (!guardNext && !careful)
        return 0;
    qint64 until;
    if (guardNext && !careful && !strayInWindow && answeredResend && lateExpected == 0)
        until = lastByteAt + SettleGap; // every late answer is in
    else
        until = std::max(notBefore, lastByteAt < 0 ? 0 : lastByteAt + QuietGap);
    return std::max<qint64>(0, until - now);
}

void LineGuard::released()
{
    // Only a wait that followed a request could have seen its stray answers.
    if ((guardNext || careful) && afterRequest) {
        cleanWindows = strayInWindow ? 0 : cleanWindows + 1;
        if (careful && cleanWindows >= CleanWindows)
            careful = false;
    }
    guardNext = false;
    strayInWindow = false;
    afterRequest = false;
}
