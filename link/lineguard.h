#ifndef LINK_LINEGUARD_H
#define LINK_LINEGUARD_H

#include <QtGlobal>

// When the next request may go out, so that no late or repeated answer is
// taken for it. Modbus RTU carries no request number: an answer is told from
// another only by slave, function and length. Qt's client resends a request
// that got no answer within the response time-out and takes the first frame
// that fits, so with a slow module the answer to the first send ends the
// request while the answer to the resend is still on its way.
//
// - After a request that went out more than once, the next one waits until
//   the answers to the other sends have arrived (and been dropped: no request
//   is open) or, failing that, until the line has been silent for QuietGap and
//   at least as long as the last request took.
// - After a time-out or a reply that did not fit its request, it waits for
//   QuietGap of silence.
// - Bytes that nothing explains (a repeated answer, noise) make every request
//   wait for QuietGap of silence, until CleanWindows such waits in a row saw
//   nothing stray. A new link starts that way, so its probe tells.
//
// Plain logic on times in milliseconds; Modbus feeds it from the line.
class LineGuard
{
public:
    enum class End { Answered, Refused, NoAnswer };

    static constexpr qint64 QuietGap = 600;
    // Silence after the last expected late answer: the rest of its frame.
    static constexpr qint64 SettleGap = 50;
    // Bursts closer than this are pieces of one frame.
    static constexpr qint64 FrameGap = 100;
    static constexpr int CleanWindows = 16;

    void linkOpened();
    void requestSent(qint64 now, int frameBytes);
    void bytesWritten(qint64 bytes);
    void requestEnded(qint64 now, End end);
    // Returns true when the bytes are stray: no open request and none expected.
    bool bytesArrived(qint64 now, bool requestOpen);
    // Milliseconds the next request must still wait; 0 when it may go.
    qint64 waitLeft(qint64 now) const;
    // The next request goes out now.
    void released();

    bool isCareful() const { return careful; }
    int sendsOfLastRequest() const { return sends; }

private:
    qint64 sentAt = 0;
    qint64 endedAt = 0;
    qint64 lastByteAt = -1;
    qint64 notBefore = 0;
    qint64 written = 0;
    int frameBytes = 8;
    int sends = 1;
    int lateExpected = 0;   // answers to the other sends still to come
    bool answeredResend = false; // the last request was answered after a resend
    bool guardNext = false;
    bool careful = false;
    bool strayInWindow = false;
    bool afterRequest = false; // a request ended since the last one went out
    int cleanWindows = 0;
};

#endif
