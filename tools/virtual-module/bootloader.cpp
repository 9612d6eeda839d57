#include "bootloader.h"

#include "checksum.h"

#include <algorithm>

namespace {
constexpr int IllegalDataValue = 3;
}

Bootloader::Bootloader()
{
    using Table = RegisterMap::Table;
    using Access = RegisterMap::Access;
    m_registers.define(Table::Holding, Status, 1, Access::ReadOnly, 1);
    m_registers.define(Table::Holding, Reset, Data - Reset + BlockWords, Access::ReadWrite);
    enter();
}

void Bootloader::enter()
{
    m_registers.setValues(RegisterMap::Table::Holding, Reset,
                          QVector<quint16>(Data - Reset + BlockWords, 0));
    restartTransfer();
}

void Bootloader::restartTransfer()
{
    m_haveLengthHigh = m_haveLengthLow = false;
    m_haveChecksumHigh = m_haveChecksumLow = false;
    m_failed = false;
    m_image.clear();
}

bool Bootloader::headerComplete() const
{
    return m_haveLengthHigh && m_haveLengthLow && m_haveChecksumHigh && m_haveChecksumLow;
}

Bootloader::WriteResult Bootloader::write(int address, const QVector<quint16> &words)
{
    const int last = address + words.size() - 1;
    if (last >= Data)
        return writeBlock(address, words);

    // Checksum and length words: any of them opens a new transfer.
    for (int i = 0; i < words.size(); ++i) {
        const int a = address + i;
        m_registers.setValue(RegisterMap::Table::Holding, a, words.at(i));
        if (a >= LengthHigh && a <= ChecksumLow) {
            if (!m_image.isEmpty() || m_failed)
                restartTransfer();
            switch (a) {
            case LengthHigh: m_haveLengthHigh = true; break;
            case LengthLow: m_haveLengthLow = true; break;
            case ChecksumHigh: m_haveChecksumHigh = true; break;
            case ChecksumLow: m_haveChecksumLow = true; break;
            }
        }
    }
    return {};
}

Bootloader::WriteResult Bootloader::writeBlock(int address, const QVector<quint16> &words)
{
    WriteResult result;
    // A block is always one whole 10-register write at the data address.
    if (address != Data || words.size() != BlockWords || !headerComplete()) {
        m_failed = true;
        result.exception = IllegalDataValue;
        return result;
    }
    const auto reg = [this](int a) { return quint32(m_registers.value(RegisterMap::Table::Holding, a)); };
    const quint32 length = (reg(LengthHigh) << 16) | reg(LengthLow);
    const quint32 checksum = (reg(ChecksumHigh) << 16) | reg(ChecksumLow);
    const quint32 offset = (quint32(words[0]) << 16) | words[1];
    if (offset != quint32(m_image.size())) {
        m_failed = true;
        result.exception = IllegalDataValue;
        return result;
    }
    m_registers.setValues(RegisterMap::Table::Holding, Data, words);

    if (offset >= length) {
        // Closing block: everything announced has arrived.
        result.closed = true;
        result.verified = !m_failed && quint32(m_image.size()) == length
                          && Checksum::crc32(m_image) == checksum;
        m_closedImage = m_image;
        restartTransfer();
        return result;
    }

    // Each register carries two image bytes, the first one in its low half.
    const int count = int(std::min<quint32>(BlockBytes, length - offset));
    for (int n = 0; n < count; ++n) {
        const quint16 word = words[2 + n / 2];
        m_image.append(char((n % 2 == 0) ? (word & 0xFF) : (word >> 8)));
    }
    return result;
}
