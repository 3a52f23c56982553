// SPDX-License-Identifier: GPL-3.0-or-later
// Fixtures of the device tests: their data tables, the error a call throws, and a firmware
// image as Intel HEX text.
#pragma once

#include "data_table.h"

#include <QtCore>
#include <functional>

// The message text f throws, empty when it returns.
inline QString errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const QString& e) {
        return e;
    }
    return QString();
}

// Data records of recordSize bytes from address 0, an extended linear address record every
// 64 KiB, then the end record.
inline QByteArray hexFile(const QByteArray& data, int recordSize = 16)
{
    auto record = [](int type, int address, const QByteArray& bytes) {
        QByteArray r = QByteArray(1, char(bytes.size())) + char(address >> 8) + char(address) +
                       char(type) + bytes;
        quint8 sum = 0;
        for (char c : r)
            sum = quint8(sum - quint8(c));
        return ":" + (r + char(sum)).toHex().toUpper() + "\r\n";
    };
    QByteArray text;
    for (int at = 0; at < data.size(); at += recordSize)
        text += (at % 65536 ? QByteArray() : record(4, 0, QByteArray(1, 0) + char(at >> 16))) +
                record(0, at & 0xFFFF, data.mid(at, recordSize));
    return text + record(1, 0, QByteArray());
}
