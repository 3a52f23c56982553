// SPDX-License-Identifier: GPL-3.0-or-later
// The device commands the main window (and the command-line tool) run: read and write
// the configuration, set the clock, copy the screen, upgrade the firmware. Each command
// reports progress and failure in the message console, catches its own errors and
// leaves the current configuration image untouched unless it succeeds.
//
// Entry points: SerialOSTC::readConfiguration, writeConfiguration, setClock, screenDump,
// upgradeFirmware; screenDumpFileName and saveScreenDump for the window's save dialog.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <functional>

class ConfigImage;
class MessageSink;
class SerialPort;

class SerialOSTC : public QObject
{
    Q_OBJECT

public:
    // sink: the console; current: the program's configuration image; refresh: shows the
    // image in the parameter widgets after a successful read or write (may be empty);
    // port: the serial port (the process-wide one when null).
    SerialOSTC(MessageSink* sink, ConfigImage& current, std::function<void()> refresh = {},
               SerialPort* port = nullptr, QObject* parent = nullptr);

    // Read configuration: the device's image replaces the current one.
    bool readConfiguration(const QString& portName);

    // Write configuration: the current image's settings go to the device and, once read
    // back equal, the merged image becomes the current one. With autoSetDateTime the
    // clock is set first (its failure is reported and the write goes on).
    bool writeConfiguration(const QString& portName, bool autoSetDateTime = false);
    // Where an upload keeps the configuration read before it writes: a dated .div file
    // in the documents folder.
    static QString backupFileName(quint16 serial, const QDateTime& when);

    // Set clock to when (the local time when invalid).
    bool setClock(const QString& portName, const QDateTime& when = QDateTime());

    // Screen dump: the full-size picture, and its thumbnail in the console; a null image
    // on failure. The window then offers to save it (saveScreenDump).
    QImage screenDump(const QString& portName);

    // The name a chosen save name is saved under: ".png" is appended unless it ends in
    // ".png", ".jpeg", ".jpg", ".tiff" or ".tif" (case-sensitive).
    static QString screenDumpFileName(const QString& chosen);
    // Saves the full-size image under screenDumpFileName(chosen) in the format of its
    // suffix, whole or not at all; returns the name used. Throws the file name and the
    // reason (QString) when writing failed, the old file left as it was.
    static QString saveScreenDump(const QImage& image, const QString& chosen);
    // The folder the save dialog opens in: the stored "Planner/dumpPath" when that
    // folder exists, else the user's documents folder.
    static QString screenDumpFolder(const QString& storedPath);
    // Where the upgrade's file dialog opens: "/Bathyra/firmware" below the user's
    // application data location, where downloaded firmware is kept.
    static QString firmwareFolder();
    // The save dialog's title and filter, for the window.
    static QString saveDialogTitle();
    static QString saveDialogFilter();

    // The upgrade's file dialog title and filter.
    static QString firmwareDialogTitle();
    static QString firmwareDialogFilter() { return QStringLiteral("*.hex"); }

    // Upgrade: loads the HEX file into a 98112-byte image and sends it to the boot
    // loader.
    bool upgradeFirmware(const QString& portName, const QString& hexFileName);

private:
    void say(const QString& line, bool overwrite = false);
    void sayConnecting(const QString& portName);
    void failed(const QString& error);
    // A configuration transfer: "Connecting", the transfer, the form's refresh and doneText
    // with the computer's serial; a failure releases the port and prints the red line.
    bool transferConfiguration(const QString& portName, const QString& doneText,
                               const std::function<void()>& transfer);

    MessageSink* sink_;
    ConfigImage& current_;
    std::function<void()> refresh_;
    SerialPort& port_;
};
