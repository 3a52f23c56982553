// Intel HEX text for the tests: single records with their checksum, and a whole
// firmware image with an extended linear address record every 64 KiB.
#pragma once

#include <QByteArray>

inline QByteArray hexRecord(int type, quint16 address, const QByteArray& data, bool lower = false)
{
    QByteArray r;
    r.append(char(data.size())).append(char(address >> 8)).append(char(address & 0xFF));
    r.append(char(type)).append(data);
    quint8 sum = 0;
    for (char c : r)
        sum = quint8(sum + quint8(c));
    r.append(char(quint8(-sum)));
    return ":" + (lower ? r.toHex() : r.toHex().toUpper()) + "\r\n";
}

inline QByteArray hexLinear(quint16 upper)
{
    return hexRecord(4, 0, QByteArray(1, char(upper >> 8)) + char(upper & 0xFF));
}

// Data records of recordSize bytes from address 0, then the end record.
inline QByteArray hexFile(const QByteArray& data, int recordSize = 16)
{
    QByteArray text;
    for (int at = 0; at < data.size(); at += recordSize) {
        if (at % 65536 == 0)
            text += hexLinear(quint16(at >> 16));
        text += hexRecord(0, quint16(at & 0xFFFF), data.mid(at, recordSize));
    }
    return text + hexRecord(1, 0, QByteArray());
}
