#ifndef BACKEND_WORDCODEC_H
#define BACKEND_WORDCODEC_H

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

// The module's register words and the texts and numbers they stand for, each
// encoder beside its decoder. Words as they travel: unsigned 16-bit, a 32-bit
// value or a float in two, the most significant first.
class WordCodec
{
public:
    static QString dec(int x);
    static QString d2(int x); // at least two digits
    static QString d4(int x); // at least four digits

    // IEEE 754 single precision in two words.
    static QVector<quint16> fromFloat(float value);
    static float toFloat(quint16 high, quint16 low);
    // `count` floats from word `first`, in fixed-point text with `decimals` digits.
    static QStringList floatTexts(const QVector<quint16> &v, int first, int count, int decimals);

    // A 32-bit number in two words.
    static QVector<quint16> fromUnsigned32(quint32 value);
    static quint32 toUnsigned32(quint16 high, quint16 low);

    // The four module time words of a moment: milliseconds of the minute,
    // hour and minute, month, weekday and day, two-digit year.
    static QVector<quint16> clockWords(const QDateTime &moment);
    // Words 1 to 3 of the module time as day/month/year hour:minute.
    static QString dateTimeText(quint16 hourMinute, quint16 monthDay, quint16 year);

    // Up to five Latin-1 characters, two to a word, high byte first.
    static QVector<quint16> fsdIdWords(const QString &text);
    static QString fsdIdText(quint16 w0, quint16 w1, quint16 w2);

    // "dd/MM/yyyy" as the words year, month, day; empty when not three parts.
    static QVector<quint16> installationDateWords(const QString &text);
    static QString installationDateText(quint16 year, quint16 month, quint16 day);

    // The five serial number words, read only.
    static QString serialNumberText(const QVector<quint16> &words);

    // Last boot words 1 to 5 (minute, hour, day, month, year), read only.
    static QString lastBootText(quint16 minute, quint16 hour, quint16 day, quint16 month, quint16 year);

    // Transformer ratio codes and their texts; -1 for a text that names none.
    static QString ctRatioText(int code);
    static int ctRatioCode(const QString &text);
    static QVector<int> ctRatioCodes(); // every code that names a ratio

    // The words of the written blocks that hold more than one setting, as the
    // applies post them and a restore writes them.
    static QVector<quint16> ctRatioWords(int code); // the same ratio for the three phases
    static QVector<quint16> ctRatioWords(int phase1, int phase2, int phase3);
    static QVector<quint16> thresholdWords(int voltage, int voltageDuration, int current, int currentDuration,
                                           int minimumTimeMessage, int callMonitoringSeconds);
    static QVector<quint16> serialSettingsWords(int parity, int baudRate, int slaveAddress);

    // Call monitoring time in seconds, kept by the module in tenths.
    static quint16 callMonitoringWord(int seconds);
    static int callMonitoringSeconds(quint16 word);
};

#endif
