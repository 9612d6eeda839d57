#include "backend/wordcodec.h"

#include <cstring>

QString WordCodec::dec(int x)
{
    return QString::number(x);
}

QString WordCodec::d2(int x)
{
    return QStringLiteral("%1").arg(x, 2, 10, QLatin1Char('0'));
}

QString WordCodec::d4(int x)
{
    return QStringLiteral("%1").arg(x, 4, 10, QLatin1Char('0'));
}

QVector<quint16> WordCodec::fromFloat(float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return fromUnsigned32(bits);
}

float WordCodec::toFloat(quint16 high, quint16 low)
{
    const quint32 bits = toUnsigned32(high, low);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QStringList WordCodec::floatTexts(const QVector<quint16> &v, int first, int count, int decimals)
{
    QStringList texts;
    for (int k = 0; k < count; ++k) {
        const int i = first + 2 * k;
        texts.append(QString::number(double(toFloat(v[i], v[i + 1])), 'f', decimals));
    }
    return texts;
}

QVector<quint16> WordCodec::fromUnsigned32(quint32 value)
{
    return {quint16(value >> 16), quint16(value & 0xFFFF)};
}

quint32 WordCodec::toUnsigned32(quint16 high, quint16 low)
{
    return quint32(high) << 16 | low;
}

QVector<quint16> WordCodec::clockWords(const QDateTime &moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {quint16(time.second() * 1000 + time.msec()), quint16(time.hour() << 8 | time.minute()),
            quint16((date.month() & 0x0F) << 8 | (date.dayOfWeek() & 7) << 5 | (date.day() & 0x1F)),
            quint16(date.toString(QStringLiteral("yy")).toInt())};
}

QString WordCodec::dateTimeText(quint16 hourMinute, quint16 monthDay, quint16 year)
{
    return d2(monthDay & 0x1F) + "/" + d2((monthDay >> 8) & 0x0F) + "/" + d2(year & 0x7F) + " "
           + d2((hourMinute >> 8) & 0x1F) + ":" + d2(hourMinute & 0x3F);
}

QVector<quint16> WordCodec::fsdIdWords(const QString &text)
{
    const QByteArray bytes = text.left(5).toLatin1();
    auto c = [&](int i) { return i < bytes.size() ? quint16(quint8(bytes[i])) : quint16(0); };
    return {quint16(c(0) << 8 | c(1)), quint16(c(2) << 8 | c(3)), quint16(c(4) << 8)};
}

QString WordCodec::fsdIdText(quint16 w0, quint16 w1, quint16 w2)
{
    // The low byte of the last word is not used; zero bytes are left out.
    QString text;
    for (quint8 b : {quint8(w0 >> 8), quint8(w0), quint8(w1 >> 8), quint8(w1), quint8(w2 >> 8)}) {
        if (b != 0)
            text.append(QChar::fromLatin1(char(b)));
    }
    return text;
}

QVector<quint16> WordCodec::installationDateWords(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return {};
    return {quint16(parts[2].toInt()), quint16(parts[1].toInt()), quint16(parts[0].toInt())};
}

QString WordCodec::installationDateText(quint16 year, quint16 month, quint16 day)
{
    return d2(day) + "/" + d2(month) + "/" + d4(year);
}

QString WordCodec::serialNumberText(const QVector<quint16> &w)
{
    return d2(w[0]) + d2(w[1]) + dec(w[2]) + dec(w[3]) + d4(w[4]);
}

QString WordCodec::lastBootText(quint16 minute, quint16 hour, quint16 day, quint16 month, quint16 year)
{
    return d2(day) + "/" + d2(month) + "/" + d2(year) + " " + d2(hour) + ":" + d2(minute);
}

namespace {
const struct {
    int code;
    const char *text;
} ratios[] = {{800, "400/5A"}, {1200, "600/5A"}, {4000, "400/1A"}, {6000, "600/1A"}};
} // namespace

QString WordCodec::ctRatioText(int code)
{
    for (const auto &r : ratios) {
        if (r.code == code)
            return QString::fromLatin1(r.text);
    }
    return QStringLiteral("-");
}

int WordCodec::ctRatioCode(const QString &text)
{
    for (const auto &r : ratios) {
        if (text == QLatin1String(r.text))
            return r.code;
    }
    return -1;
}

QVector<int> WordCodec::ctRatioCodes()
{
    QVector<int> codes;
    for (const auto &r : ratios)
        codes.append(r.code);
    return codes;
}

QVector<quint16> WordCodec::ctRatioWords(int code)
{
    return ctRatioWords(code, code, code);
}

QVector<quint16> WordCodec::ctRatioWords(int phase1, int phase2, int phase3)
{
    return {quint16(phase1), 0, quint16(phase2), 0, quint16(phase3), 0};
}

QVector<quint16> WordCodec::thresholdWords(int voltage, int voltageDuration, int current, int currentDuration,
                                           int minimumTimeMessage, int callMonitoringSeconds)
{
    return {quint16(voltage),         quint16(voltageDuration),    quint16(current),
            quint16(currentDuration), quint16(minimumTimeMessage), callMonitoringWord(callMonitoringSeconds)};
}

QVector<quint16> WordCodec::serialSettingsWords(int parity, int baudRate, int slaveAddress)
{
    return QVector<quint16>{quint16(parity)} + fromUnsigned32(quint32(baudRate))
           + QVector<quint16>{quint16(slaveAddress)};
}

quint16 WordCodec::callMonitoringWord(int seconds)
{
    return quint16(seconds * 10);
}

int WordCodec::callMonitoringSeconds(quint16 word)
{
    return word / 10;
}
