#pragma once

#include "registermap.h"

#include <QByteArray>
#include <QVector>

// The module's bootloader: takes checksum and length, then the image in
// 16-byte blocks that carry their own offset, and checks the whole image when
// the closing block arrives.
class Bootloader
{
public:
    enum Address {
        Status = 50521,
        Reset = 50522,
        LengthHigh = 50523,
        LengthLow = 50524,
        ChecksumHigh = 50525,
        ChecksumLow = 50526,
        Data = 50527,
    };
    static constexpr int BlockWords = 10;
    static constexpr int BlockBytes = 16;

    struct WriteResult
    {
        int exception = 0;     // Modbus exception code, 0 when accepted
        bool closed = false;   // the closing block arrived
        bool verified = false; // ... and length and CRC-32 matched
    };

    Bootloader();

    // Fresh start after a reset: status 1, nothing received.
    void enter();

    RegisterMap &registers() { return m_registers; }
    const RegisterMap &registers() const { return m_registers; }

    // A bus write that the register map already admitted.
    WriteResult write(int address, const QVector<quint16> &words);

    // Bytes received by the last transfer that was closed.
    QByteArray closedImage() const { return m_closedImage; }

private:
    WriteResult writeBlock(int address, const QVector<quint16> &words);
    void restartTransfer();
    bool headerComplete() const;

    RegisterMap m_registers;
    bool m_haveLengthHigh = false;
    bool m_haveLengthLow = false;
    bool m_haveChecksumHigh = false;
    bool m_haveChecksumLow = false;
    bool m_failed = false;
    QByteArray m_image;
    QByteArray m_closedImage;
};
