#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QVector>

// The module's real-time clock. It runs from the host's local wall time at
// start-up until the tool sets it. Times are plain wall-clock values (kept with
// UTC so that no daylight-saving rule ever shifts them).
class ModuleClock
{
public:
    ModuleClock();

    QDateTime now() const;
    void set(const QDateTime &wallTime);

    // The four module time words: s*1000+ms; hour<<8|minute;
    // month<<8|weekday<<5|day; year within the century.
    static QVector<quint16> timeWords(const QDateTime &wallTime);
    // Inverse of timeWords. The weekday bits are ignored (the date fixes the
    // weekday). Returns false for words that do not form a valid time.
    static bool fromTimeWords(const QVector<quint16> &words, QDateTime *wallTime);

    static QDateTime localWallTime();

private:
    QDateTime m_base;
    QElapsedTimer m_sinceBase;
};
