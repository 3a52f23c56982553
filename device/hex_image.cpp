// SPDX-License-Identifier: GPL-3.0-or-later
// Intel HEX loading into the firmware image. Records are checked in a fixed order
// (start character, checksum, type, then by type); data records addressed to the
// configuration and EEPROM areas (bases 0x300000 and 0xF00000) are skipped.
//
// Entry points: HexImage::load, parseLine, loadedMessage.
#include "device/hex_image.h"

#include "device/message_sink.h"

#include <QCoreApplication>
#include <QFile>

namespace
{

QString tr(const char* text)
{
    return QCoreApplication::translate("HexImage", text);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The byte at character position pos; a pair that is not hexadecimal (the line end, or
// past it) counts as 0.
quint8 pairAt(const QByteArray& line, int pos)
{
    if (pos < 0 || pos + 1 >= line.size())
        return 0;
    const int high = hexDigit(line.at(pos));
    const int low = hexDigit(line.at(pos + 1));
    if (high < 0 || low < 0)
        return 0;
    return static_cast<quint8>(high << 4 | low);
}

} // namespace

HexImage::HexImage(quint32 size) : size_(size), data_(int(size), char(0xFF)) {}

void HexImage::parseLine(const QByteArray& line)
{
    // 1. A record starts with ':'.
    if (line.isEmpty() || line.at(0) != ':')
        throw tr("Bad HEX format");

    // 2. All pairs, checksum included, sum to 0.
    quint8 sum = 0;
    for (int pos = 1; pos < line.size(); pos += 2)
        sum = static_cast<quint8>(sum + pairAt(line, pos));
    if (sum != 0)
        throw tr("Bad HEX checksum");

    // 3. Count, address, type. The record must hold all its bytes: a line cut short would
    // otherwise load the missing bytes as zeros.
    const int count = pairAt(line, 1);
    if (line.trimmed().size() < 11 + 2 * count)
        throw tr("Bad HEX record length");
    const quint32 address = quint32(pairAt(line, 3)) << 8 | pairAt(line, 5);
    const int type = pairAt(line, 7);
    const quint32 value = quint32(pairAt(line, 9)) << 8 | pairAt(line, 11);

    switch (type) {
    case 0: // data
        if (base_ == 0x300000 || base_ == 0xF00000)
            return;
        for (int k = 0; k < count; ++k) {
            // 64-bit sum: a base near 4 GiB must not wrap round into the image.
            const quint64 target = base_ + address + quint64(k);
            if (target >= size_)
                throw tr("BAD HEX address");
            char& byte = data_.data()[target];
            if (static_cast<quint8>(byte) != 0xFF)
                throw tr("Double write");
            byte = static_cast<char>(pairAt(line, 9 + 2 * k));
            ++loaded_;
        }
        return;
    case 1: // end of file
        ended_ = true;
        return;
    case 2: // extended segment address
        if (count != 2 || address != 0)
            throw tr("Bad HEX Segment Address record");
        base_ = quint64(value) * 16;
        return;
    case 4: // extended linear address
        if (count != 2 || address != 0)
            throw tr("Bad HEX Extended Linear Address Record");
        base_ = quint64(value) * 65536;
        return;
    default: // 3 (start segment address) and anything past 4
        throw tr("Bad HEX subtype");
    }
}

QString HexImage::loadedMessage() const
{
    return tr("%1KB loaded (%2% of firmware area)")
        .arg(QString::number(loaded_ / 1024.0, 'f', 1))
        .arg(QString::number(size_ ? loaded_ * 100.0 / size_ : 0.0, 'f', 1));
}

void HexImage::load(QIODevice& device, MessageSink* sink, const Progress& progress)
{
    loaded_ = 0;
    ended_ = false;
    const qint64 total = device.size();
    // Lines after the end-of-file record are not part of the image. An error names the
    // record (line) it was found in.
    for (int line = 1; !ended_ && !device.atEnd(); ++line) {
        if (progress)
            progress(device.pos(), total);
        try {
            parseLine(device.readLine());
        } catch (const QString& error) {
            throw tr("%1 (line %2)").arg(error).arg(line);
        }
    }
    if (progress)
        progress(0, total);
    // A file cut short (a broken download, a full disk) has no end-of-file record; sending
    // what came would leave the computer with part of a program.
    if (!ended_)
        throw tr("Missing HEX end-of-file record");
    if (sink)
        sink->message(loadedMessage());
}

void HexImage::load(const QString& fileName, MessageSink* sink, const Progress& progress)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw tr("Can't open HEX file");
    load(file, sink, progress);
}
