#include "testlineguard.h"

#include "link/lineguard.h"

#include <QtTest>

namespace {

const qint64 Gap = LineGuard::QuietGap;

// A guard past its link's first requests, that trusts the line.
LineGuard trusting()
{
    LineGuard g;
    return g;
}

// One exchange: `sends` frames of 8 bytes out at `at`, the answer `took` later.
void exchange(LineGuard &g, qint64 at, qint64 took, int sends = 1,
              LineGuard::End end = LineGuard::End::Answered)
{
    g.requestSent(at, 8);
    for (int i = 0; i < sends; ++i)
        g.bytesWritten(8);
    if (end != LineGuard::End::NoAnswer)
        g.bytesArrived(at + took, true);
    g.requestEnded(at + took, end);
}

} // namespace

void TestLineGuard::fastAnswerLetsTheNextGoAtOnce()
{
    LineGuard g = trusting();
    exchange(g, 0, 30);
    QCOMPARE(g.waitLeft(30), qint64(0));
    QVERIFY(!g.isCareful());
}

void TestLineGuard::resentRequestWaitsForTheOtherAnswers()
{
    LineGuard g = trusting();
    exchange(g, 0, 600, 2); // the first answer, 600 ms late, ended the resent request
    QCOMPARE(g.sendsOfLastRequest(), 2);
    QVERIFY(g.waitLeft(600) >= Gap);
    // The resend's answer comes and is dropped: only the rest of its frame to wait for.
    QVERIFY(!g.bytesArrived(1100, false));
    QCOMPARE(g.waitLeft(1100), LineGuard::SettleGap);
    QCOMPARE(g.waitLeft(1100 + LineGuard::SettleGap), qint64(0));
    QVERIFY(!g.isCareful());
}

void TestLineGuard::resentRequestWithoutItsLateAnswerWaitsOutTheSilence()
{
    LineGuard g = trusting();
    exchange(g, 0, 800, 2);
    // No second answer: at least as long as the request took, and a quiet line.
    QCOMPARE(g.waitLeft(800), qint64(800));
    QCOMPARE(g.waitLeft(1600), qint64(0));
}

void TestLineGuard::noAnswerWaitsForSilence_data()
{
    QTest::addColumn<qint64>("lastByte");
    QTest::addColumn<qint64>("expectedWait");
    QTest::newRow("silent line") << qint64(-1) << qint64(0);
    QTest::newRow("bytes 100 ms before") << qint64(10400) << Gap - 100;
}

void TestLineGuard::noAnswerWaitsForSilence()
{
    QFETCH(qint64, lastByte);
    QFETCH(qint64, expectedWait);
    LineGuard g = trusting();
    exchange(g, 0, 10500, 21, LineGuard::End::NoAnswer);
    if (lastByte >= 0)
        g.bytesArrived(lastByte, true);
    QCOMPARE(g.waitLeft(10500), expectedWait);
}

void TestLineGuard::strayBytesMakeEveryRequestWaitUntilTrusted()
{
    LineGuard g = trusting();
    exchange(g, 0, 20);
    QVERIFY(g.bytesArrived(100, false)); // a second copy of the answer
    QVERIFY(g.isCareful());
    QCOMPARE(g.waitLeft(100), Gap);
    qint64 t = 100 + Gap;
    g.released();
    // Quiet waits in a row win the trust back; a stray in one starts the count again.
    for (int i = 0; i < LineGuard::CleanWindows; ++i) {
        exchange(g, t, 20);
        QVERIFY(g.isCareful());
        QCOMPARE(g.waitLeft(t + 20), Gap);
        t += 20 + Gap;
        g.released();
    }
    QVERIFY(!g.isCareful());
    exchange(g, t, 20);
    QCOMPARE(g.waitLeft(t + 20), qint64(0));
    // A reply that did not fit its request counts as a stray.
    g.released();
    exchange(g, t + 20, 20, 1, LineGuard::End::Refused);
    QVERIFY(g.isCareful());
}

void TestLineGuard::newLinkWaitsAfterItsProbe()
{
    LineGuard g = trusting();
    g.linkOpened();
    QCOMPARE(g.waitLeft(0), qint64(0)); // the probe itself goes at once
    g.released();
    exchange(g, 0, 5);
    QCOMPARE(g.waitLeft(5), Gap); // long enough to hear a repeated answer
    g.released();
    exchange(g, 5 + Gap, 5);
    QCOMPARE(g.waitLeft(10 + Gap), qint64(0));
}
