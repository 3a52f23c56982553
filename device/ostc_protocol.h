// SPDX-License-Identifier: GPL-3.0-or-later
// The OSTC's configuration and boot-loader exchanges, one function per command:
// download and upload of the configuration banks, the clock, the screen copy and the
// firmware transfer. Failures are thrown as QString message texts; the callers
// (SerialOSTC) report them.
//
// Entry points: OstcProtocol::download, upload, setClock, screenDump, sendFirmware,
// writeFirmwareBlock, decodeScreen helpers.
#pragma once

#include "device/config_image.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <functional>

class MessageSink;
class SerialPort;

class OstcProtocol
{
public:
    // Single-byte commands of the configuration protocol.
    enum Command : quint8 {
        ReadBank0 = 'g',
        ReadBank1 = 'j',
        ReadBank2 = 'm',
        WriteBank0 = 'd',
        WriteBank1 = 'i',
        WriteBank2 = 'n',
        SetClock = 'b',
        ScreenDump = 'l',
    };
    static constexpr quint8 BootWake = 0xC1;
    static constexpr quint8 BlockAccepted = 'K';
    static constexpr int BlockSize = 64;
    static constexpr int ScreenWidth = 320;
    static constexpr int ScreenHeight = 240;
    static constexpr int DownloadAttempts = 10;
    static constexpr int UploadAttempts = 2;
    static constexpr int ClockAttempts = 10;
    static constexpr int DumpAttempts = 2;

    OstcProtocol(SerialPort& port, MessageSink* sink);

    // Bank 2 exists from firmware 2.22 on.
    static bool hasBank2(const ConfigImage& image);

    // Reads the banks into image (pass a default image: CF64..CF95 of older firmware
    // take its defaults) and returns the validation result.
    bool download(ConfigImage& image, const QString& portName);

    // Lays current's settings over the device's image, writes it, reads it back and
    // compares; only then is current replaced. backup receives the configuration read
    // from the device before any bank is written (it may throw to stop the upload). When
    // writing fails, that configuration is written back and read back; the error then
    // says what the computer holds.
    void upload(ConfigImage& current, const QString& portName,
                const std::function<void(const ConfigImage&)>& backup = {});

    // The 7 bytes of the clock command for a local date and time.
    static QByteArray clockBytes(const QDateTime& when);
    void setClock(const QString& portName, const QDateTime& when);

    // A 320 x 240 picture of the device's screen.
    QImage screenDump(const QString& portName);
    // RGB 5-6-5 to an opaque colour, each channel scaled with truncation.
    static QRgb colourFrom565(quint16 c);

    // The boot-loader transfer of a firmware image (size a multiple of 64 bytes).
    void sendFirmware(const QString& portName, const QByteArray& data);
    // One 69-byte block as it goes on the line: address bytes, length, data, checksum.
    static QByteArray blockBytes(const QByteArray& data, quint32 address);

private:
    void writeBank(const ConfigImage& image, int bank, quint8 command);
    // Opens the port and writes banks 0, 1 (and 2); finished counts the banks written whole.
    void writeBanks(const ConfigImage& image, bool bank2, const QString& portName, int& finished);
    [[noreturn]] void restore(const ConfigImage& original, bool bank2, const QString& portName,
                              int finished, const QString& why);
    void expectEcho(quint8 expected);
    // Why a transfer failed: "no answer from the computer" when nothing came back in time,
    // otherwise the error itself.
    QString reason(const QString& error) const;
    // Runs the steps; any failure in them releases the port and is thrown as text instead.
    void failingAs(const QString& text, const std::function<void()>& steps);
    void writeFirmwareBlock(const QByteArray& data, quint32 address);
    void processEvents(bool excludeUserInput);
    void say(const QString& line, bool overwrite = false);

    SerialPort& port_;
    MessageSink* sink_;
};
