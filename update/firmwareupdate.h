#ifndef FIRMWAREUPDATE_H
#define FIRMWAREUPDATE_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class ModbusCommand;
class TModbus;

// Loads a firmware image into the module through its bootloader registers,
// one queued command at a time: each completion posts the next command.
class FirmwareUpdate : public QObject
{
    Q_OBJECT
public:
    // Why the last update failed, where the operator can act on it.
    enum class FailReason {
        NoReason,
        EmptyImage,
        ImageTooLarge,
        Unreadable,      // the image file could not be read
        LinkLost,        // no answer, or the line went, during the update
        ModuleRefused,   // the module answered a step with an exception
        NoBootloader,    // the module did not report its bootloader after the reset
        ImageRejected,   // the bootloader did not start the new application
        Cancelled,       // stopped by the operator
        NoBackup         // the settings could not be kept, so nothing was sent
    };
    Q_ENUM(FailReason)

    explicit FirmwareUpdate(QObject *parent = nullptr);

    void setTModbus(TModbus *worker);
    void start(const QString &fileName);
    // With the image already read by readImage(); an empty one fails with `why`.
    void start(const QString &fileName, const QByteArray &image, FailReason why);
    void commandFinish(ModbusCommand *cmd);
    // Stops posting: what is in flight ends as it will and is still counted.
    void cancel();
    bool isRunning() const { return running; }
    // The module took the reset: until an update ends well, it is in its bootloader.
    bool bootloaderEntered() const { return resetTaken; }
    // Image bytes the module acknowledged, and the image's size.
    quint32 confirmedBytes() const { return acknowledged; }
    quint32 imageBytes() const { return appLength; }
    // Set before updateFail, back to NoReason when an update starts.
    FailReason failReason() const { return reason; }

    // The whole image, when it is one start() takes: a readable plain file,
    // not empty, within the module's flash. Sends nothing.
    static bool readImage(const QString &fileName, QByteArray *image, FailReason *why);

    // CRC-32 of zlib and Ethernet (ISO-HDLC).
    static quint32 crc32(const QByteArray &data);

signals:
    void processCmdEnd();
    void updateFail();
    void updateSuccess();
    void updateProgress(float progression);

private:
    void onWaitResetEnd();
    void sendNextBlock();
    void onPauseEnd();

    void post(int address, const QVector<quint16> &values);
    void postStatusCheck();
    void fail(FailReason why = FailReason::NoReason);
    void finish(bool success);

    TModbus *worker = nullptr;
    QString fileName;
    quint32 appLength = 0;
    quint32 checksum = 0;
    quint32 sentBytes = 0;
    QByteArray image;
    quint32 acknowledged = 0;
    bool resetTaken = false;
    bool endSent = false;
    bool paused = false;
    bool running = false;
    FailReason reason = FailReason::NoReason;

    // Held so that a failed update can stop them.
    QTimer waitTimer;
    QTimer pauseTimer;
};

#endif
