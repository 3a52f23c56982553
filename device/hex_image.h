// SPDX-License-Identifier: GPL-3.0-or-later
// A firmware file in Intel HEX format loaded into a fixed-size image of the OSTC's
// program memory (unloaded bytes are 0xFF).
//
// Entry points: HexImage::load (a file, or any QIODevice), parseLine. Failures are thrown
// as QString message texts ("Bad HEX format", "Bad HEX checksum", ...).
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class MessageSink;
class QIODevice;

class HexImage
{
public:
    static constexpr quint32 FirmwareSize = 98112; // 0x17F40, the upgrade's area

    explicit HexImage(quint32 size = FirmwareSize);

    // Reports the read position before each line (position, total).
    using Progress = std::function<void(qint64, qint64)>;

    // Loads a file: "Can't open HEX file" when it cannot be opened, else the line
    // errors followed by " (line N)", and "Missing HEX end-of-file record" when the file
    // ends without one.
    // Writes the loaded summary to sink.
    void load(const QString& fileName, MessageSink* sink, const Progress& progress = {});
    void load(QIODevice& device, MessageSink* sink, const Progress& progress = {});

    // One record (the line end may still be attached).
    void parseLine(const QByteArray& line);

    quint32 size() const { return size_; }
    const QByteArray& data() const { return data_; }
    quint64 base() const { return base_; }
    quint32 loaded() const { return loaded_; }

    // "%1KB loaded (%2% of firmware area)"
    QString loadedMessage() const;

private:
    quint32 size_;
    QByteArray data_;
    quint64 base_ = 0;
    quint32 loaded_ = 0;
    bool ended_ = false; // the end-of-file record was read
};
