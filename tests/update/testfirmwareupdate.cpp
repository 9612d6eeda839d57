#include "testfirmwareupdate.h"

#include "link/tmodbus.h"
#include "support/virtualline.h"
#include "support/workerrecorder.h"
#include "update/firmwareupdate.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QtTest>

namespace {

struct Block {
    quint32 offset;
    QVector<quint16> words; // registers 2 to 9
    qint64 t;
};

// The worker, the firmware update and a stand-in for the other consumer,
// wired in the program's order, against the virtual module.
class Rig
{
public:
    Rig()
    {
        update.setTModbus(&worker);
        recorder.reset(new WorkerRecorder(worker));
        recorder->releaseFirmware = false;
        QObject::connect(&update, &FirmwareUpdate::updateProgress, &update,
                         [this](float p) { progress.append(p); });
        QObject::connect(&update, &FirmwareUpdate::updateSuccess, &update,
                         [this] { outcome = "success"; });
        QObject::connect(&update, &FirmwareUpdate::updateFail, &update,
                         [this] { outcome = outcome.isEmpty() ? "fail" : outcome + "+fail"; });
    }

    bool connect()
    {
        if (!line.start())
            return false;
        ModbusCommand cmd(Connect, 50521, 1, 4, 0);
        cmd.addValues({quint16(line.portNumber()), 247, 0, 1});
        worker.addCommand(cmd);
        if (!recorder->waitFor(1) || recorder->finished[0].connectResult != 0)
            return false;
        line.mark();
        return true;
    }

    QString writeImage(const QByteArray &bytes)
    {
        QFile file(dir.filePath(QStringLiteral("image.bin")));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    // Runs until success or failure, or gives up after timeoutMs.
    bool run(const QByteArray &image, int timeoutMs = 20000)
    {
        update.start(writeImage(image));
        return waitForOutcome(timeoutMs);
    }

    bool waitForOutcome(int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (outcome.isEmpty() && clock.elapsed() < timeoutMs)
            QTest::qWait(20);
        return !outcome.isEmpty();
    }

    QList<Block> blocks() const
    {
        QList<Block> result;
        for (const QJsonObject &r : line.requests()) {
            if (r["addr"].toInt() != 50527)
                continue;
            const QJsonArray v = r["values"].toArray();
            Block b{quint32(v[0].toInt()) << 16 | quint32(v[1].toInt()), {}, qint64(r["t"].toDouble())};
            for (int i = 2; i < v.size(); ++i)
                b.words.append(quint16(v[i].toInt()));
            result.append(b);
        }
        return result;
    }

    QByteArray received() const
    {
        QFile file(line.imagePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    VirtualLine line;
    TModbus worker;
    FirmwareUpdate update;
    QScopedPointer<WorkerRecorder> recorder;
    QTemporaryDir dir;
    QList<float> progress;
    QString outcome;
};

QByteArray randomImage(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

} // namespace

void TestFirmwareUpdate::crcOfKnownVectors()
{
    QCOMPARE(FirmwareUpdate::crc32(QByteArray()), 0u);
    QCOMPARE(FirmwareUpdate::crc32("123456789"), 0xCBF43926u);
    QCOMPARE(FirmwareUpdate::crc32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
    QCOMPARE(FirmwareUpdate::crc32(QByteArray(1, '\0')), 0xD202EF8Du);
}

void TestFirmwareUpdate::imageArrivesByteForByte_data()
{
    QTest::addColumn<int>("size");
    for (int size : {1, 15, 16, 17})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void TestFirmwareUpdate::imageArrivesByteForByte()
{
    QFETCH(int, size);
    Rig rig;
    QVERIFY(rig.connect());
    const QByteArray image = randomImage(size);
    QVERIFY(rig.run(image));
    QCOMPARE(rig.outcome, QStringLiteral("success"));
    QVERIFY(!rig.update.isRunning());
    QCOMPARE(rig.received(), image);
    QCOMPARE(rig.line.command("mode"), QStringLiteral("ok application"));

    // One progress per image block, the last exactly 1.
    QCOMPARE(rig.progress.size(), (size + 15) / 16);
    QCOMPARE(rig.progress.last(), 1.0f);

    const QList<Block> blocks = rig.blocks();
    QCOMPARE(blocks.size(), (size + 15) / 16 + 1);
    QCOMPARE(blocks.last().offset, quint32(size));
    QCOMPARE(blocks.last().words, QVector<quint16>(8, 0));
}

void TestFirmwareUpdate::seventeenBytesOnTheBus()
{
    Rig rig;
    QVERIFY(rig.connect());
    QByteArray image;
    for (int i = 0; i < 17; ++i)
        image.append(char(0xA0 + i));
    const quint32 crc = FirmwareUpdate::crc32(image);
    QVERIFY(rig.run(image));
    QCOMPARE(rig.outcome, QStringLiteral("success"));
    QCOMPARE(rig.progress, (QList<float>{16.0f / 17.0f, 1.0f}));

    // The whole exchange, in order, as the module saw it.
    struct Expected {
        int fn, addr;
        QVector<int> values;
    };
    const QList<Expected> expected = {
        {6, 50522, {1}},
        {3, 50521, {}},
        {6, 50525, {int(crc >> 16)}},
        {6, 50526, {int(crc & 0xFFFF)}},
        {6, 50523, {0}},
        {6, 50524, {17}},
        {16, 50527, {0, 0, 0xA1A0, 0xA3A2, 0xA5A4, 0xA7A6, 0xA9A8, 0xABAA, 0xADAC, 0xAFAE}},
        {16, 50527, {0, 16, 0x00B0, 0, 0, 0, 0, 0, 0, 0}},
        {16, 50527, {0, 17, 0, 0, 0, 0, 0, 0, 0, 0}},
        {3, 50521, {}},
    };
    const QList<QJsonObject> sent = rig.line.requests();
    QCOMPARE(sent.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(sent[i]["fn"].toInt(), expected[i].fn);
        QCOMPARE(sent[i]["addr"].toInt(), expected[i].addr);
        QVector<int> values;
        for (const QJsonValue &v : sent[i]["values"].toArray())
            values.append(v.toInt());
        QCOMPARE(values, expected[i].values);
    }
    // The second wait counts from posting the closing block.
    const qint64 closing = qint64(sent[8]["t"].toDouble());
    const qint64 check = qint64(sent[9]["t"].toDouble());
    QVERIFY2(check - closing >= 950 && check - closing < 1300, qPrintable(QString::number(check - closing)));
    QCOMPARE(rig.received(), image);
}

void TestFirmwareUpdate::pausesEvery2048Bytes()
{
    Rig rig;
    QVERIFY(rig.connect());
    const QByteArray image = randomImage(4096);
    QVERIFY(rig.run(image, 30000));
    QCOMPARE(rig.outcome, QStringLiteral("success"));
    QCOMPARE(rig.received(), image);

    const QList<Block> blocks = rig.blocks();
    QCOMPARE(blocks.size(), 256 + 1);
    for (int i = 0; i < 256; ++i)
        QCOMPARE(blocks[i].offset, quint32(16 * i));
    // 2200 ms after the blocks that reach 2048 and 4096 bytes; the closing
    // block waits for the second pause.
    for (int i = 1; i < blocks.size(); ++i) {
        const qint64 gap = blocks[i].t - blocks[i - 1].t;
        if (i == 128 || i == 256)
            QVERIFY2(gap >= 2150, qPrintable(QString::number(gap)));
        else
            QVERIFY2(gap < 500, qPrintable(QString("%1 after block %2").arg(gap).arg(i - 1)));
    }
    QCOMPARE(rig.progress.size(), 256);
    QCOMPARE(rig.progress[127], 0.5f);
    QCOMPARE(rig.progress.last(), 1.0f);
}

void TestFirmwareUpdate::linkDownFailsBeforeAnyImageByte()
{
    Rig rig;
    QVERIFY(rig.line.start());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Modbus bad connection state"));
    QTest::ignoreMessage(QtDebugMsg,
                         "FirmwareUpdate::commandFinish - CMD FINISH with error UnknownError");
    QVERIFY(rig.run(randomImage(40), 3000));
    QCOMPARE(rig.outcome, QStringLiteral("fail"));
    QCOMPARE(rig.update.failReason(), FirmwareUpdate::FailReason::LinkLost);
    QVERIFY(!rig.update.bootloaderEntered());
    QVERIFY(rig.progress.isEmpty());
    QVERIFY(!rig.update.isRunning());
    QTest::qWait(1300); // longer than the reset wait: nothing else is tried
    QCOMPARE(rig.recorder->finished.size(), 1);
    QVERIFY(rig.line.requests().isEmpty());
}

void TestFirmwareUpdate::failureInTheMiddleStopsTalking()
{
    Rig rig;
    QVERIFY(rig.connect());
    // The first block is still waiting for the client when its progress is
    // reported, so the module refuses exactly that block.
    QObject::connect(&rig.update, &FirmwareUpdate::updateProgress, &rig.update, [&](float p) {
        if (rig.progress.size() == 1)
            QCOMPARE(rig.line.command("exception 50527 4"), QStringLiteral("ok"));
        Q_UNUSED(p)
    });
    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression("CMD FINISH with error ProtocolError"));
    QVERIFY(rig.run(randomImage(100)));
    QCOMPARE(rig.outcome, QStringLiteral("fail"));
    QTest::qWait(1500);
    const QList<Block> blocks = rig.blocks();
    QCOMPARE(blocks.size(), 1);
    QCOMPARE(blocks[0].offset, 0u);
    QCOMPARE(rig.line.requests().last()["addr"].toInt(), 50527);
    QCOMPARE(rig.outcome, QStringLiteral("fail"));
}

void TestFirmwareUpdate::failureOfThePausingBlockStopsTalking()
{
    Rig rig;
    QVERIFY(rig.connect());
    QObject::connect(&rig.update, &FirmwareUpdate::updateProgress, &rig.update, [&] {
        if (rig.progress.size() == 128) // the block that reaches 2048 bytes
            QCOMPARE(rig.line.command("exception 50527 4"), QStringLiteral("ok"));
    });
    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression("CMD FINISH with error ProtocolError"));
    QVERIFY(rig.run(randomImage(3000)));
    QCOMPARE(rig.outcome, QStringLiteral("fail"));
    // Past the 2200 ms pause: it must not post the next block.
    QTest::qWait(2600);
    const QList<Block> blocks = rig.blocks();
    QCOMPARE(blocks.size(), 128);
    QCOMPARE(blocks.last().offset, 2032u);
    // The refused block is not counted as taken; the module is left in its bootloader.
    QCOMPARE(rig.update.confirmedBytes(), 2032u);
    QVERIFY(rig.update.bootloaderEntered());
    QCOMPARE(rig.line.requests().last()["addr"].toInt(), 50527);
    QCOMPARE(rig.progress.size(), 128);

    // A new update after the failure starts clean.
    QCOMPARE(rig.line.command("exception clear"), QStringLiteral("ok"));
    rig.outcome.clear();
    rig.progress.clear();
    rig.line.mark();
    const QByteArray image = randomImage(40);
    QVERIFY(rig.run(image));
    QCOMPARE(rig.outcome, QStringLiteral("success"));
    QCOMPARE(rig.received(), image);
}

void TestFirmwareUpdate::cancelLetsTheBlockInFlightEnd()
{
    Rig rig;
    QVERIFY(rig.connect());
    QObject::connect(&rig.update, &FirmwareUpdate::updateProgress, &rig.update, [&] {
        if (rig.progress.size() == 5) // the fifth block is posted, not yet answered
            rig.update.cancel();
    });
    QVERIFY(rig.run(randomImage(3000)));
    QCOMPARE(rig.outcome, QStringLiteral("fail"));
    QCOMPARE(rig.update.failReason(), FirmwareUpdate::FailReason::Cancelled);
    QTest::qWait(600);
    QCOMPARE(rig.blocks().size(), 5);
    QCOMPARE(rig.update.confirmedBytes(), 5u * 16);
    QVERIFY(rig.update.bootloaderEntered());
}

void TestFirmwareUpdate::otherKindsAreNotClaimed()
{
    Rig rig;
    QVERIFY(rig.connect());
    QSignalSpy released(&rig.update, &FirmwareUpdate::processCmdEnd);
    rig.worker.addCommand(ModbusCommand(Request, 50521, 1, 4, 0));
    rig.worker.addCommand(ModbusCommand(LastRequest, 50540, 6, 4, 0));
    rig.worker.addCommand(ModbusCommand(RefreshEnd, 0, 0, 0, 0));
    QVERIFY(rig.recorder->waitFor(4));
    QTest::qWait(50);
    QCOMPARE(released.count(), 0);
    QVERIFY(rig.progress.isEmpty());
    QVERIFY(rig.outcome.isEmpty());
}

void TestFirmwareUpdate::secondStartIsRefused()
{
    Rig rig;
    QVERIFY(rig.connect());
    const QByteArray first = randomImage(33);
    const QString path = rig.writeImage(first);
    rig.update.start(path);
    QTest::ignoreMessage(QtDebugMsg, "FirmwareUpdate: an update is already running, start refused");
    QFile other(rig.dir.filePath("other.bin"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write(randomImage(64));
    other.close();
    rig.update.start(other.fileName());
    QVERIFY(rig.waitForOutcome(20000));
    QCOMPARE(rig.outcome, QStringLiteral("success"));
    QCOMPARE(rig.received(), first);
    QCOMPARE(rig.progress.size(), 3);
}

void TestFirmwareUpdate::unreadableOrHugeFileFailsAtOnce()
{
    Rig rig;
    QVERIFY(rig.connect());
    QTest::ignoreMessage(QtDebugMsg, "ERROR : open file fail");
    rig.update.start(rig.dir.filePath("missing.bin"));
    QCOMPARE(rig.outcome, QStringLiteral("fail"));
    QVERIFY(!rig.update.isRunning());

    // Larger than the bootloader's 32-bit length; sparse, so it costs no disk.
    QFile huge(rig.dir.filePath("huge.bin"));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(qint64(1) << 32));
    huge.close();
    rig.outcome.clear();
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("ERROR : image too large"));
    rig.update.start(huge.fileName());
    QCOMPARE(rig.outcome, QStringLiteral("fail"));
    QVERIFY(!rig.update.isRunning());

    QTest::qWait(300);
    QVERIFY(rig.line.requests().isEmpty());
}

void TestFirmwareUpdate::imageSizeLimits_data()
{
    using Reason = FirmwareUpdate::FailReason;
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("refusal"); // the log line; none when the image is taken
    QTest::addColumn<Reason>("reason");
    // A taken image ends at the block the module refuses.
    QTest::newRow("empty") << 0 << "ERROR : empty image" << Reason::EmptyImage;
    QTest::newRow("one byte") << 1 << QString() << Reason::ModuleRefused;
    QTest::newRow("1 MiB") << 1048576 << QString() << Reason::ModuleRefused;
    QTest::newRow("1 MiB + 1") << 1048577 << "ERROR : image too large 1048577" << Reason::ImageTooLarge;
}

void TestFirmwareUpdate::imageSizeLimits()
{
    QFETCH(int, size);
    QFETCH(QString, refusal);
    QFETCH(FirmwareUpdate::FailReason, reason);
    Rig rig;
    QVERIFY(rig.connect());
    // The module refuses the first image block, so a taken image ends there.
    QCOMPARE(rig.line.command("exception 50527 4"), QStringLiteral("ok"));
    if (refusal.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("CMD FINISH with error ProtocolError"));
    else
        QTest::ignoreMessage(QtDebugMsg, qPrintable(refusal));
    QVERIFY(rig.run(QByteArray(size, '\x5A'), 5000));
    QCOMPARE(rig.outcome, QStringLiteral("fail"));
    QCOMPARE(rig.update.failReason(), reason);

    if (!refusal.isEmpty()) {
        QTest::qWait(300);
        QVERIFY(rig.line.requests().isEmpty());
        // A later failure of another kind gives its own reason.
        QTest::ignoreMessage(QtDebugMsg, "ERROR : open file fail");
        rig.update.start(rig.dir.filePath("missing.bin"));
        QCOMPARE(rig.update.failReason(), FirmwareUpdate::FailReason::Unreadable);
        return;
    }
    // The length's high and low words, each written once.
    QList<QPair<int, int>> length;
    for (const QJsonObject &r : rig.line.requests()) {
        const int addr = r["addr"].toInt();
        if (addr == 50523 || addr == 50524)
            length.append({addr, r["values"].toArray()[0].toInt()});
    }
    QCOMPARE(length, (QList<QPair<int, int>>{{50523, size >> 16}, {50524, size & 0xFFFF}}));
    const QList<Block> blocks = rig.blocks();
    QCOMPARE(blocks.size(), 1);
    QCOMPARE(blocks[0].offset, 0u);
    QCOMPARE(blocks[0].words[0], quint16(size > 1 ? 0x5A5A : 0x005A));
}
