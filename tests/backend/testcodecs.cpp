#include "testcodecs.h"

#include "backend/registertable.h"
#include "backend/wordcodec.h"

#include <QSet>
#include <QtTest>

using Words = QVector<quint16>;

void TestCodecs::floats_data()
{
    QTest::addColumn<Words>("words");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("text1");
    QTest::newRow("230 V") << Words{0x4366, 0x0000} << 230.0f << "230.00" << "230.0";
    QTest::newRow("negative") << Words{0xC120, 0x0000} << -10.0f << "-10.00" << "-10.0";
    QTest::newRow("fraction") << Words{0x3F40, 0x0000} << 0.75f << "0.75" << "0.8";
    QTest::newRow("zero") << Words{0, 0} << 0.0f << "0.00" << "0.0";
}

void TestCodecs::floats()
{
    QFETCH(Words, words);
    QFETCH(float, value);
    QFETCH(QString, text2);
    QFETCH(QString, text1);
    QCOMPARE(WordCodec::fromFloat(value), words);
    QCOMPARE(WordCodec::toFloat(words[0], words[1]), value);
    // Two floats side by side, read from the second word on.
    const Words v = Words{9} + words + words;
    QCOMPARE(WordCodec::floatTexts(v, 1, 2, 2), (QStringList{text2, text2}));
    QCOMPARE(WordCodec::floatTexts(v, 3, 1, 1), QStringList{text1});
}

void TestCodecs::clock()
{
    // Sunday 31 December 2023, 23:59:58.250: weekday 7 in bits 5 to 7.
    const QDateTime moment(QDate(2023, 12, 31), QTime(23, 59, 58, 250));
    const Words words = WordCodec::clockWords(moment);
    QCOMPARE(words, (Words{58250, 0x173B, 0x0CFF, 23}));
    QCOMPARE(WordCodec::dateTimeText(words[1], words[2], words[3]), QStringLiteral("31/12/23 23:59"));
    // Monday 5 February 2024, 07:03.
    const Words early = WordCodec::clockWords(QDateTime(QDate(2024, 2, 5), QTime(7, 3)));
    QCOMPARE(early, (Words{0, 0x0703, 0x0225, 24}));
    QCOMPARE(WordCodec::dateTimeText(early[1], early[2], early[3]), QStringLiteral("05/02/24 07:03"));
}

void TestCodecs::fsdId_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Words>("words");
    QTest::newRow("five") << "ABCDE" << Words{0x4142, 0x4344, 0x4500};
    QTest::newRow("four") << "AB1C" << Words{0x4142, 0x3143, 0x0000};
    QTest::newRow("one") << "Z" << Words{0x5A00, 0, 0};
    QTest::newRow("empty") << "" << Words{0, 0, 0};
}

void TestCodecs::fsdId()
{
    QFETCH(QString, text);
    QFETCH(Words, words);
    QCOMPARE(WordCodec::fsdIdWords(text), words);
    QCOMPARE(WordCodec::fsdIdText(words[0], words[1], words[2]), text);
    // Only five characters go out; the low byte of the last word is never read;
    // zero bytes inside are left out.
    QCOMPARE(WordCodec::fsdIdWords("ABCDEFG"), (Words{0x4142, 0x4344, 0x4500}));
    QCOMPARE(WordCodec::fsdIdText(0x4142, 0x4344, 0x4546), QStringLiteral("ABCDE"));
    QCOMPARE(WordCodec::fsdIdText(0x4142, 0x3100, 0x4300), QStringLiteral("AB1C"));
}

void TestCodecs::installationDate()
{
    QCOMPARE(WordCodec::installationDateWords("09/06/2021"), (Words{2021, 6, 9}));
    QCOMPARE(WordCodec::installationDateText(2021, 6, 9), QStringLiteral("09/06/2021"));
    QCOMPARE(WordCodec::installationDateText(999, 12, 1), QStringLiteral("01/12/0999"));
    QVERIFY(WordCodec::installationDateWords("9/6").isEmpty());
    QVERIFY(WordCodec::installationDateWords("").isEmpty());
}

void TestCodecs::readOnlyTexts()
{
    QCOMPARE(WordCodec::serialNumberText({7, 1, 23, 45, 12}), QStringLiteral("070123450012"));
    QCOMPARE(WordCodec::serialNumberText({123, 4, 0, 0, 12345}), QStringLiteral("123040012345"));
    QCOMPARE(WordCodec::lastBootText(5, 14, 3, 7, 24), QStringLiteral("03/07/24 14:05"));
}

void TestCodecs::ctRatio_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("400/5A") << 800 << "400/5A";
    QTest::newRow("600/5A") << 1200 << "600/5A";
    QTest::newRow("400/1A") << 4000 << "400/1A";
    QTest::newRow("600/1A") << 6000 << "600/1A";
}

void TestCodecs::ctRatio()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(WordCodec::ctRatioText(code), text);
    QCOMPARE(WordCodec::ctRatioCode(text), code);
    QCOMPARE(WordCodec::ctRatioText(10), QStringLiteral("-"));
    QCOMPARE(WordCodec::ctRatioCode(QStringLiteral("-")), -1);
}

void TestCodecs::scaledWords()
{
    QCOMPARE(WordCodec::fromUnsigned32(115200), (Words{1, 49664}));
    QCOMPARE(WordCodec::toUnsigned32(1, 49664), quint32(115200));
    QCOMPARE(WordCodec::callMonitoringWord(600), quint16(6000));
    QCOMPARE(WordCodec::callMonitoringSeconds(6005), 600);
}

void TestCodecs::tableIsConsistent()
{
    QSet<QString> keys;
    QSet<QPair<int, int>> places;
    for (const RegisterTable::Block &b : RegisterTable::blocks()) {
        QVERIFY2(!keys.contains(b.key), qPrintable(b.key));
        keys.insert(b.key);
        const QPair<int, int> place(int(b.access), b.address);
        QVERIFY2(!places.contains(place), qPrintable(b.key));
        places.insert(place);
        QVERIFY2(b.count > 0 && !b.name.isEmpty(), qPrintable(b.key));
        for (const RegisterTable::Field &f : b.fields)
            QVERIFY2(f.offset >= 0 && f.words > 0 && f.offset + f.words <= b.count,
                     qPrintable(b.key + ": " + f.name));
        QCOMPARE(RegisterTable::byKey(b.key), &b);
    }
    // What the decoding and the update rely on.
    QCOMPARE(RegisterTable::readCount(Registers::M_REG_MIN_MAX_VALUES), 48);
    QCOMPARE(RegisterTable::readCount(Registers::M_REG_MODULE_TIME), 9);
    QCOMPARE(RegisterTable::write(Registers::M_REG_MODULE_TIME)->count, 4);
    QCOMPARE(RegisterTable::write(Registers::M_REG_APP_DATA)->count, 10);
    QCOMPARE(RegisterTable::readCount(Registers::M_REG_STATUS), 1);
    QCOMPARE(RegisterTable::readCount(12345), 0);
}
