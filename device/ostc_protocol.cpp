// SPDX-License-Identifier: GPL-3.0-or-later
// The OSTC exchanges. Every function owns the port for its duration: it opens it, closes
// it on success and before every retry, and works on temporary images so that a failure
// never leaves the caller's image half-changed.
//
// Entry points: OstcProtocol::download, upload, setClock, screenDump, sendFirmware.
#include "device/ostc_protocol.h"

#include "device/message_sink.h"
#include "device/serial_port.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace
{

// The progress and failure texts of the protocol steps (context "OstcProtocol").
QString tr(const char* text)
{
    return QCoreApplication::translate("OstcProtocol", text);
}

constexpr int bank_wait_ms = 2000; // after each written bank
constexpr int download_retry_ms = 200;
constexpr int first_written_byte = 4; // serial number and the next 2 bytes stay as they are

// Internal reason for a retry; never shown, the retry loops turn it into their own text.
const char* const wrong_echo = "wrong echo";

} // namespace

OstcProtocol::OstcProtocol(SerialPort& port, MessageSink* sink) : port_(port), sink_(sink) {}

bool OstcProtocol::hasBank2(const ConfigImage& image)
{
    const int major = image.byte(ConfigImage::firmware_major);
    const int minor = image.byte(ConfigImage::firmware_minor);
    return major > 2 || (major == 2 && minor >= 22);
}

void OstcProtocol::processEvents(bool excludeUserInput)
{
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::processEvents(excludeUserInput ? QEventLoop::ExcludeUserInputEvents
                                                     : QEventLoop::AllEvents);
}

void OstcProtocol::say(const QString& line, bool overwrite)
{
    if (sink_)
        sink_->message(line, overwrite);
}

void OstcProtocol::expectEcho(quint8 expected)
{
    if (port_.readByte() != expected)
        throw QString::fromLatin1(wrong_echo);
}

QString OstcProtocol::reason(const QString& error) const
{
    return port_.timedOut() ? tr("no answer from the computer") : error;
}

// ---- configuration banks -------------------------------------------------------------

bool OstcProtocol::download(ConfigImage& image, const QString& portName)
{
    static const quint8 read_commands[3] = {ReadBank0, ReadBank1, ReadBank2};
    QString why; // of the last failed attempt, for the diver
    for (int attempt = 0; attempt < DownloadAttempts; ++attempt) {
        // A port that will not open counts as an attempt; the next one starts at once.
        try {
            port_.open(portName);
        } catch (const QString& error) {
            why = error;
            continue;
        }
        ConfigImage read = image;
        try {
            // Banks 0 and 1 always; bank 2 only where the firmware has it.
            for (int bank = 0; bank < 3; ++bank) {
                if (bank == 2 && !hasBank2(read))
                    break;
                port_.writeByte(read_commands[bank]);
                port_.readBlock(read.data() + bank * ConfigImage::BankSize, ConfigImage::BankSize);
            }
        } catch (const QString& error) {
            why = reason(error);
            port_.closeQuietly();
            port_.sleepMs(download_retry_ms);
            continue;
        }
        // Older firmware has no CF64..CF95: they keep the defaults of the image given.
        if (!hasBank2(read))
            for (int n = 64; n < ConfigImage::CfCount; ++n)
                read.setCf(n, read.cfDefault(n));
        port_.close();
        image = read;
        return image.validate(sink_); // its stopping errors go to the caller
    }
    throw tr("Downloading OSTC configuration (%1)").arg(why);
}

void OstcProtocol::writeBank(const ConfigImage& image, int bank, quint8 command)
{
    // Command, its echo, then every byte from 4 on with its echo. A failure names the
    // bank and the byte, so that the diver knows how far the computer got.
    int at = -1; // the command itself
    try {
        port_.writeByte(command);
        port_.sleepMs(1);
        expectEcho(command);
        const quint8* bytes = image.data() + bank * ConfigImage::BankSize;
        for (at = first_written_byte; at < ConfigImage::BankSize; ++at) {
            port_.writeByte(bytes[at]);
            expectEcho(bytes[at]);
        }
    } catch (const QString& error) {
        throw at < 0 ? tr("bank %1, write command: %2").arg(bank).arg(reason(error))
                     : tr("bank %1, byte %2: %3").arg(bank).arg(at).arg(reason(error));
    }
}

void OstcProtocol::writeBanks(const ConfigImage& image, bool bank2, const QString& portName,
                              int& finished)
{
    static const quint8 commands[3] = {WriteBank0, WriteBank1, WriteBank2};
    static const char* const started[3] = {QT_TR_NOOP("CFI..."), QT_TR_NOOP("CFII..."),
                                           QT_TR_NOOP("CFIII...")};
    static const char* const done[3] = {QT_TR_NOOP("CFI done."), QT_TR_NOOP("CFII done."),
                                        QT_TR_NOOP("CFIII done.")};
    finished = 0;
    port_.open(portName);
    processEvents(false);
    for (int bank = 0; bank < (bank2 ? 3 : 2); ++bank) {
        say(tr(started[bank]));
        writeBank(image, bank, commands[bank]);
        finished = bank + 1;
        if (bank == 2)
            port_.close();
        say(tr(done[bank]), true);
        processEvents(true);
        port_.sleepMs(bank_wait_ms);
    }
}

void OstcProtocol::upload(ConfigImage& current, const QString& portName,
                          const std::function<void(const ConfigImage&)>& backup)
{
    // 1. What the device holds now, kept before anything is written.
    ConfigImage written = ConfigImage::defaultImage();
    ConfigImage readback = ConfigImage::defaultImage();
    download(written, portName);
    const ConfigImage original = written;
    const bool bank2 = hasBank2(written);

    // 2. The user's settings over it. A device without bank 2 keeps CF64..CF95 as the
    // download gave them: they are never written, so they must not be compared either.
    ConfigImage settings = current;
    if (!bank2)
        for (int n = 64; n < ConfigImage::CfCount; ++n)
            settings.setCf(n, written.cf(n));
    if (!written.takeUserSettings(settings, sink_)) {
        written.resetBattery();
        if (!written.validate(sink_))
            throw tr("Can't validate EEPROM contains");
    }
    // A custom function outside its limits is only a finding when read, but it is never
    // sent: the computer would dive with a setting its own menus cannot produce.
    for (int n = 0; n < (bank2 ? ConfigImage::CfCount : 64); ++n) {
        const QString finding = ConfigImage::checkCf(n, written.cf(n));
        if (!finding.isEmpty())
            throw QStringLiteral("%1: %2").arg(ConfigImage::cfName(n), finding);
    }
    // The configuration read is kept (a dated backup file) before any bank is written; no
    // backup, no upload.
    if (backup)
        backup(original);

    // 3. The write sequence; any wrong echo or serial error starts it again from bank 0.
    bool done = false;
    int finished = 0; // banks written whole by the last attempt
    QString why;
    for (int attempt = 0; attempt < UploadAttempts && !done; ++attempt) {
        try {
            writeBanks(written, bank2, portName, finished);
            done = true;
        } catch (const QString& error) {
            why = error;
            port_.closeQuietly();
        }
    }
    if (!done)
        restore(original, bank2, portName, finished, why);

    // 4. Read it back (an older device's port is still open) and compare, battery block
    // aside.
    download(readback, portName);
    processEvents(false);
    if (!readback.equalForReadback(written))
        throw tr("Readback differ");

    // 5. Only now does the program's image change.
    current = written;
}

void OstcProtocol::restore(const ConfigImage& original, bool bank2, const QString& portName,
                           int finished, const QString& why)
{
    // The computer may hold new banks and one partly written: while it answers, the
    // configuration it had goes back, and is read back to be sure.
    const QString failed = tr("Uploading OSTC configuration (%1)").arg(why);
    say(QStringLiteral("<font color='orange'>%1</font>")
            .arg(tr("Upload failed; writing back the computer's previous configuration...")));
    bool restored = false;
    for (int attempt = 0; attempt < UploadAttempts && !restored; ++attempt) {
        try {
            int banks = 0;
            writeBanks(original, bank2, portName, banks);
            ConfigImage readback = ConfigImage::defaultImage();
            download(readback, portName);
            restored = readback.equalForReadback(original);
        } catch (const QString&) {
            port_.closeQuietly();
        }
    }
    if (restored)
        throw failed + QStringLiteral(". ") +
            tr("The computer holds its previous configuration again.");
    QString state;
    if (finished == 0)
        state = tr("Bank 0 may be partly written.");
    else
        state = tr("Banks 0 to %1 are new, bank %2 may be partly written.")
                    .arg(finished - 1)
                    .arg(finished);
    throw failed + QStringLiteral(". ") +
        tr("The previous configuration could not be written back: %1 Upload again, or "
           "upload the backup.")
            .arg(state);
}

// ---- clock ---------------------------------------------------------------------------

QByteArray OstcProtocol::clockBytes(const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    QByteArray bytes;
    bytes.append(char(SetClock));
    bytes.append(char(t.hour())).append(char(t.minute())).append(char(t.second()));
    bytes.append(char(d.month())).append(char(d.day())).append(char(d.year() % 100));
    return bytes;
}

void OstcProtocol::setClock(const QString& portName, const QDateTime& when)
{
    port_.open(portName); // its errors go to the caller
    processEvents(false);
    const QByteArray bytes = clockBytes(when);
    QString why;
    for (int attempt = 0; attempt < ClockAttempts; ++attempt) {
        quint8 echo = 0;
        try {
            port_.writeByte(SetClock);
            port_.sleepMs(1);
            echo = port_.readByte();
        } catch (const QString& error) {
            why = reason(error);
            continue;
        }
        if (echo != SetClock) {
            why = QString::fromLatin1(wrong_echo);
            continue;
        }
        try {
            port_.writeBlock(reinterpret_cast<const quint8*>(bytes.constData()) + 1, 6);
        } catch (const QString& error) {
            port_.closeQuietly();
            throw tr("Sync failed (%1)").arg(error);
        }
        port_.sleepMs(100);
        port_.close();
        processEvents(false);
        return;
    }
    port_.closeQuietly();
    throw tr("Sync failed (%1)").arg(why);
}

// ---- screen --------------------------------------------------------------------------

QRgb OstcProtocol::colourFrom565(quint16 c)
{
    const int r5 = (c >> 11) & 0x1F;
    const int g6 = (c >> 5) & 0x3F;
    const int b5 = c & 0x1F;
    return qRgb(r5 * 255 / 31, g6 * 255 / 63, b5 * 255 / 31);
}

QImage OstcProtocol::screenDump(const QString& portName)
{
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    QString why;
    for (int attempt = 0; attempt < DumpAttempts; ++attempt) {
        QImage image(ScreenWidth, ScreenHeight, QImage::Format_RGB32);
        try {
            port_.open(portName);
            processEvents(false);
            port_.writeByte(ScreenDump);
            port_.sleepMs(1);
            if (port_.readByte() != ScreenDump) {
                why = QString::fromLatin1(wrong_echo);
                port_.closeQuietly();
                continue;
            }
            // Column by column, top to bottom, in runs; a run stops at the column end.
            int shown = -1;
            for (int x = 0; x < ScreenWidth; ++x) {
                int y = 0;
                while (y < ScreenHeight) {
                    const quint8 c = port_.readByte();
                    int run;
                    QRgb colour;
                    if (c < 0x80) {
                        run = c + 1;
                        colour = black;
                    } else if (c >= 0xC0) {
                        run = (c & 0x3F) + 1;
                        colour = white;
                    } else {
                        const quint8 high = port_.readByte();
                        const quint8 low = port_.readByte();
                        run = (c & 0x3F) + 1;
                        colour = colourFrom565(static_cast<quint16>(high << 8 | low));
                    }
                    for (const int end = std::min(y + run, int(ScreenHeight)); y < end; ++y)
                        image.setPixel(x, y, colour);
                }
                const int progress = static_cast<int>(x / 3.19f);
                if (progress != shown) {
                    shown = progress;
                    say(QStringLiteral("  %1%").arg(progress), true);
                    processEvents(true);
                }
            }
            port_.close();
            say(tr("Screen dumped."), true);
            say(QStringLiteral("<br>"));
            return image;
        } catch (const QString& error) {
            why = reason(error);
            port_.closeQuietly();
        }
    }
    throw tr("Dump screen failed (%1)").arg(why);
}

// ---- firmware ------------------------------------------------------------------------

QByteArray OstcProtocol::blockBytes(const QByteArray& data, quint32 address)
{
    QByteArray block;
    block.append(char((address >> 16) & 0x1F));
    block.append(char((address >> 8) & 0xFF));
    block.append(char(address & 0xFF));
    block.append(char(BlockSize));
    // Bytes past the end of the image are unprogrammed flash.
    for (int i = 0; i < BlockSize; ++i) {
        const qint64 at = qint64(address) + i;
        block.append(at < data.size() ? data.at(int(at)) : char(0xFF));
    }
    quint8 sum = 0;
    for (char c : block)
        sum = static_cast<quint8>(sum + static_cast<quint8>(c));
    block.append(char(static_cast<quint8>(-sum)));
    return block;
}

void OstcProtocol::failingAs(const QString& text, const std::function<void()>& steps)
{
    try {
        steps();
    } catch (const QString&) {
        port_.closeQuietly();
        throw text;
    }
}

void OstcProtocol::writeFirmwareBlock(const QByteArray& data, quint32 address)
{
    const QByteArray block = blockBytes(data, address);
    const quint8* bytes = reinterpret_cast<const quint8*>(block.constData());
    failingAs(tr("Write failed"), [&] {
        // Address and length one by one, the data as one block, then the checksum.
        for (int i = 0; i < 4; ++i)
            port_.writeByte(bytes[i]);
        port_.writeBlock(bytes + 4, BlockSize);
        port_.writeByte(bytes[4 + BlockSize]);
    });
    port_.sleepMs(20);
    if (port_.readByte() != BlockAccepted) { // a read failure passes on as it is
        port_.closeQuietly();
        throw tr("Bad checksum at 0x%1")
            .arg(QString::number(address, 16).rightJustified(6, QLatin1Char('0')).toUpper());
    }
}

void OstcProtocol::sendFirmware(const QString& portName, const QByteArray& data)
{
    const quint32 size = static_cast<quint32>(data.size());
    port_.open(portName);
    processEvents(false);

    // Wake the boot loader: one byte, a pause, two more.
    failingAs(tr("Cannot start firmware upgrade"), [this] { port_.writeByte(BootWake); });
    port_.sleepMs(500);
    failingAs(tr("Write failed"), [this] {
        port_.writeByte(BootWake);
        port_.sleepMs(10);
        port_.writeByte(BootWake);
    });
    port_.sleepMs(100);

    // It answers 'W', 'K'.
    failingAs(tr("Cannot sync firmware upgrade"), [this] {
        const quint8 w = port_.readByte();
        const quint8 k = port_.readByte();
        if (w != 'W' || k != 'K')
            throw QString();
    });

    say(QStringLiteral("<br>"));
    say(QStringLiteral("  %1%").arg(0), true);
    // Every block but the first, then block 0: the old start-up code stays in place
    // until everything else has been accepted.
    quint32 shown = 0;
    for (quint32 b = BlockSize; b < size; b += BlockSize) {
        const quint32 progress = static_cast<quint32>(quint64(b) * 100 / size);
        if (progress > shown) {
            shown = progress;
            say(QStringLiteral("  %1%").arg(progress), true);
            processEvents(true);
        }
        writeFirmwareBlock(data, b);
    }
    writeFirmwareBlock(data, 0);
    say(QStringLiteral("  %1%").arg(100), true);
    port_.sleepMs(500);
    port_.close();
}
