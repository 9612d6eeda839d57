#pragma once

#include <QByteArray>
#include <QtGlobal>

// The two checksums the module deals with: the Modbus RTU frame check and the
// CRC-32 that guards a firmware image.
class Checksum
{
public:
    // CRC-16/MODBUS: reflected 0xA001, initial 0xFFFF. Sent low byte first.
    static quint16 modbusCrc16(const QByteArray &data);

    // CRC-32/ISO-HDLC, the zlib one: reflected 0xEDB88320, initial and final
    // XOR 0xFFFFFFFF.
    static quint32 crc32(const QByteArray &data);
};
