#include "moduleclock.h"

ModuleClock::ModuleClock()
{
    set(localWallTime());
}

QDateTime ModuleClock::now() const
{
    return m_base.addMSecs(m_sinceBase.elapsed());
}

void ModuleClock::set(const QDateTime &wallTime)
{
    m_base = wallTime;
    m_sinceBase.start();
}

QVector<quint16> ModuleClock::timeWords(const QDateTime &wallTime)
{
    const QDate d = wallTime.date();
    const QTime t = wallTime.time();
    return {
        quint16(t.second() * 1000 + t.msec()),
        quint16((t.hour() << 8) | t.minute()),
        quint16((d.month() << 8) | ((d.dayOfWeek() & 7) << 5) | (d.day() & 0x1F)),
        quint16(d.year() % 100),
    };
}

bool ModuleClock::fromTimeWords(const QVector<quint16> &words, QDateTime *wallTime)
{
    if (words.size() != 4)
        return false;
    const int millis = words[0];
    const int hour = words[1] >> 8;
    const int minute = words[1] & 0xFF;
    const int month = words[2] >> 8;
    const int day = words[2] & 0x1F;
    const int year = words[3];
    if (millis > 59999 || year > 99)
        return false;
    const QDate date(2000 + year, month, day);
    const QTime time(hour, minute, millis / 1000, millis % 1000);
    if (!date.isValid() || !time.isValid())
        return false;
    *wallTime = QDateTime(date, time, Qt::UTC);
    return true;
}

QDateTime ModuleClock::localWallTime()
{
    const QDateTime local = QDateTime::currentDateTime();
    return QDateTime(local.date(), local.time(), Qt::UTC);
}
