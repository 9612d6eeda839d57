#include "update/firmwareupdate.h"

#include "backend/registertable.h"
#include "link/modbuscommand.h"
#include "link/tmodbus.h"
#include "update/updatelog.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMetaEnum>
#include <QModbusDevice>

#include <array>

namespace {

using namespace Registers;

const int blockBytes = 16;
const quint32 pauseEvery = 2048;

// The module's flash holds no larger application image.
const qint64 largestImage = 1024 * 1024;

} // namespace

FirmwareUpdate::FirmwareUpdate(QObject *parent) : QObject(parent)
{
    // A coarse timer may fire up to 5 % early; the bootloader needs the full waits.
    waitTimer.setTimerType(Qt::PreciseTimer);
    waitTimer.setSingleShot(true);
    waitTimer.setInterval(1000);
    connect(&waitTimer, &QTimer::timeout, this, &FirmwareUpdate::onWaitResetEnd);
    pauseTimer.setTimerType(Qt::PreciseTimer);
    pauseTimer.setSingleShot(true);
    pauseTimer.setInterval(2200);
    connect(&pauseTimer, &QTimer::timeout, this, &FirmwareUpdate::onPauseEnd);
}

void FirmwareUpdate::setTModbus(TModbus *w)
{
    worker = w;
    connect(this, &FirmwareUpdate::processCmdEnd, worker, &TModbus::onNextStepAvailable,
            Qt::QueuedConnection);
    connect(worker, &TModbus::commandFinish, this, &FirmwareUpdate::commandFinish,
            Qt::QueuedConnection);
}

quint32 FirmwareUpdate::crc32(const QByteArray &data)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : data)
        crc = table[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

bool FirmwareUpdate::readImage(const QString &fileName, QByteArray *image, FailReason *why)
{
    *why = FailReason::NoReason;
    QFile file(fileName);
    // A FIFO or a device would block this thread on open or read.
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)) {
        qCDebug(updateLog) << "ERROR : open file fail";
        *why = FailReason::Unreadable;
        return false;
    }
    // An empty image passes the bootloader's length and CRC checks, yet is no application.
    if (file.size() == 0) {
        qCDebug(updateLog) << "ERROR : empty image";
        *why = FailReason::EmptyImage;
        return false;
    }
    if (file.size() > largestImage) {
        qCDebug(updateLog) << "ERROR : image too large" << file.size();
        *why = FailReason::ImageTooLarge;
        return false;
    }
    const qint64 size = file.size();
    *image = file.read(size);
    if (image->size() != size) {
        qCDebug(updateLog) << "ERROR : read file fail";
        *why = FailReason::Unreadable;
        return false;
    }
    return true;
}

void FirmwareUpdate::start(const QString &name)
{
    QByteArray data;
    FailReason why = FailReason::NoReason;
    const bool read = !running && readImage(name, &data, &why);
    start(name, read ? data : QByteArray(), why);
}

void FirmwareUpdate::start(const QString &name, const QByteArray &data, FailReason why)
{
    if (running) {
        qCDebug(updateLog) << "FirmwareUpdate: an update is already running, start refused";
        return;
    }
    qCDebug(updateLog) << "start";
    reason = FailReason::NoReason;
    sentBytes = 0;
    acknowledged = 0;
    appLength = 0;
    resetTaken = false;
    endSent = false;
    paused = false;
    running = true;
    fileName = name;
    if (data.isEmpty()) {
        fail(why);
        return;
    }
    image = data;
    appLength = quint32(image.size());
    checksum = crc32(image);
    post(M_REG_RESET, {1});
}

void FirmwareUpdate::post(int address, const QVector<quint16> &values)
{
    const RegisterTable::Block *b = RegisterTable::write(address);
    Q_ASSERT(b && b->count == values.size());
    ModbusCommand cmd(Firmware, address, values.size(), b ? b->type : HoldingRegisters, 1);
    cmd.addValues(values);
    worker->addCommand(cmd);
}

void FirmwareUpdate::postStatusCheck()
{
    const RegisterTable::Block *b = RegisterTable::read(M_REG_STATUS);
    worker->addCommand(ModbusCommand(Firmware, M_REG_STATUS, b->count, b->type, 0));
}

void FirmwareUpdate::cancel()
{
    if (running)
        fail(FailReason::Cancelled);
}

// Nothing more goes to the module once an update has failed.
void FirmwareUpdate::fail(FailReason why)
{
    reason = why;
    running = false;
    waitTimer.stop();
    pauseTimer.stop();
    paused = false;
    image.clear();
    emit updateFail();
}

void FirmwareUpdate::finish(bool success)
{
    if (success) {
        running = false;
        image.clear();
        emit updateSuccess();
    } else {
        fail();
    }
}

void FirmwareUpdate::commandFinish(ModbusCommand *cmd)
{
    if (cmd->getKind() != Firmware)
        return;

    const int error = cmd->getError();
    const int address = cmd->getAddress();
    const int status = cmd->getValues().isEmpty() ? -1 : cmd->getValues().first();

    // What the module took counts even when it ends after a cancel.
    if (error == QModbusDevice::NoError) {
        if (address == M_REG_RESET)
            resetTaken = true;
        else if (address == M_REG_APP_DATA && cmd->getValues().size() >= 2)
            acknowledged = qMin(appLength, (quint32(cmd->getValues()[0]) << 16 | cmd->getValues()[1])
                                               + quint32(blockBytes));
    }

    if (!running) {
        // A command still in the queue when the update failed.
        qCDebug(updateLog) << "FirmwareUpdate: completion after the update ended ignored";
        emit processCmdEnd();
        return;
    }

    if (error != QModbusDevice::NoError) {
        qCDebug(updateLog) << "FirmwareUpdate::commandFinish - CMD FINISH with error"
                           << QMetaEnum::fromType<QModbusDevice::Error>().valueToKey(error);
        fail(error == QModbusDevice::ProtocolError      ? FailReason::ModuleRefused
             : error == QModbusDevice::ReplyAbortedError ? FailReason::Cancelled
                                                         : FailReason::LinkLost);
        emit processCmdEnd();
        return;
    }

    switch (address) {
    case M_REG_RESET:
        qCDebug(updateLog) << "End reset wait 1s";
        waitTimer.start();
        break;
    case M_REG_STATUS:
        if (!endSent) {
            if (status == 1) {
                qCDebug(updateLog) << "End status " << status;
                post(M_REG_CHECKSUM_MSB, {quint16(checksum >> 16)});
            } else {
                qCDebug(updateLog) << "Error state bootloader";
                fail(FailReason::NoBootloader);
            }
        } else if (status == 0) {
            qCDebug(updateLog) << "Success update";
            finish(true);
        } else {
            qCDebug(updateLog) << "Error state application";
            fail(FailReason::ImageRejected);
        }
        break;
    case M_REG_CHECKSUM_MSB:
        qCDebug(updateLog) << "End M_REG_CHECKSUM_MSB ";
        post(M_REG_CHECKSUM_LSB, {quint16(checksum & 0xFFFF)});
        break;
    case M_REG_CHECKSUM_LSB:
        qCDebug(updateLog) << "End M_REG_CHECKSUM_LSB ";
        post(M_REG_APP_LENGTH_MSB, {quint16(appLength >> 16)});
        break;
    case M_REG_APP_LENGTH_MSB:
        qCDebug(updateLog) << "End M_REG_APP_LENGTH_MSB ";
        post(M_REG_APP_LENGTH_LSB, {quint16(appLength & 0xFFFF)});
        break;
    case M_REG_APP_LENGTH_LSB:
        qCDebug(updateLog) << "End M_REG_APP_LENGTH_LSB ";
        sendNextBlock();
        break;
    case M_REG_APP_DATA:
        sendNextBlock();
        break;
    default:
        break;
    }
    emit processCmdEnd();
}

void FirmwareUpdate::onWaitResetEnd()
{
    if (!running)
        return;
    qCDebug(updateLog) << "onWaitResetEnd";
    postStatusCheck();
}

void FirmwareUpdate::sendNextBlock()
{
    if (paused || !running)
        return;
    if (sentBytes < appLength) {
        // Read in place: cutting the front off would move the rest once per block.
        const int n = int(qMin(quint32(blockBytes), appLength - sentBytes));
        const char *bytes = image.constData() + sentBytes;

        // Byte 2k goes in the low half of its register, byte 2k+1 in the high half.
        QVector<quint16> block{quint16(sentBytes >> 16), quint16(sentBytes & 0xFFFF)};
        for (int k = 0; k < blockBytes / 2; ++k) {
            const quint16 low = 2 * k < n ? quint8(bytes[2 * k]) : 0;
            const quint16 high = 2 * k + 1 < n ? quint8(bytes[2 * k + 1]) : 0;
            block.append(quint16(high << 8 | low));
        }
        post(M_REG_APP_DATA, block);
        sentBytes += quint32(n);

        if ((sentBytes & (pauseEvery - 1)) == 0) {
            paused = true;
            pauseTimer.start();
        }
        emit updateProgress(float(sentBytes) / float(appLength));
    } else if (!endSent) {
        endSent = true;
        QVector<quint16> closing{quint16(sentBytes >> 16), quint16(sentBytes & 0xFFFF)};
        closing.resize(2 + blockBytes / 2);
        post(M_REG_APP_DATA, closing);
        // Counted from posting the closing block, not from its completion.
        waitTimer.start();
    }
}

void FirmwareUpdate::onPauseEnd()
{
    paused = false;
    sendNextBlock();
}
