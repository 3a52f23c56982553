// SPDX-License-Identifier: GPL-3.0-or-later
// The user-level device commands and their console texts (translated in the SerialOSTC
// context). Errors from the protocol arrive as message texts and end here: the command
// prints its red failure line, makes sure the port is released, and returns false.
//
// Entry points: SerialOSTC::readConfiguration, writeConfiguration, setClock, screenDump,
// upgradeFirmware, saveScreenDump.
#include "device/serial_ostc.h"

#include "device/config_image.h"
#include "device/hex_image.h"
#include "device/message_sink.h"
#include "device/ostc_protocol.h"
#include "device/param_file.h"
#include "device/safe_file.h"
#include "device/serial_port.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

SerialOSTC::SerialOSTC(MessageSink* sink, ConfigImage& current, std::function<void()> refresh,
                       SerialPort* port, QObject* parent)
    : QObject(parent), sink_(sink), current_(current), refresh_(std::move(refresh)),
      port_(port ? *port : SerialPort::shared())
{
}

void SerialOSTC::sayConnecting(const QString& portName)
{
    say(tr("Connecting %1").arg(portName));
}

void SerialOSTC::say(const QString& line, bool overwrite)
{
    if (sink_)
        sink_->message(line, overwrite);
}

void SerialOSTC::failed(const QString& error)
{
    say(QStringLiteral("<font color='red'>") + tr("FAILED: ") + QStringLiteral("</font> ") + error);
}

bool SerialOSTC::transferConfiguration(const QString& portName, const QString& doneText,
                                       const std::function<void()>& transfer)
{
    try {
        sayConnecting(portName);
        transfer();
        if (refresh_)
            refresh_();
        say(doneText.arg(current_.word(ConfigImage::serial)));
        return true;
    } catch (const QString& error) {
        // A failure can come between a read and the port's close.
        port_.closeQuietly();
        failed(error);
        return false;
    }
}

bool SerialOSTC::readConfiguration(const QString& portName)
{
    return transferConfiguration(portName, tr("Reading OSTC %1 done."), [&] {
        ConfigImage image = ConfigImage::defaultImage();
        OstcProtocol(port_, sink_).download(image, portName);
        current_ = image;
    });
}

bool SerialOSTC::writeConfiguration(const QString& portName, bool autoSetDateTime)
{
    if (autoSetDateTime)
        setClock(portName);
    return transferConfiguration(portName, tr("Programming OSTC %1 done."), [&] {
        OstcProtocol(port_, sink_).upload(current_, portName, [this](const ConfigImage& read) {
            const QString file =
                backupFileName(read.word(ConfigImage::serial), QDateTime::currentDateTime());
            QDir().mkpath(QFileInfo(file).absolutePath());
            SafeFile::saveSettings(file, [&read](QSettings& settings) {
                ParamFile::save(settings, read, DiveInputs(), ReplayFlags(), nullptr);
            });
            say(tr("The computer's configuration before the upload is kept in '%1'.")
                    .arg(QDir::toNativeSeparators(file)));
        });
    });
}

QString SerialOSTC::backupFileName(quint16 serial, const QDateTime& when)
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
           QStringLiteral("/OSTC %1 before upload %2.div")
               .arg(serial)
               .arg(when.toString(QStringLiteral("yyyy-MM-dd hh-mm-ss")));
}

bool SerialOSTC::setClock(const QString& portName, const QDateTime& when)
{
    const QDateTime now = when.isValid() ? when : QDateTime::currentDateTime();
    try {
        OstcProtocol(port_, sink_).setClock(portName, now);
        say(tr("Date and time set to %1").arg(now.toString(QStringLiteral("hh:mm:ss dd.MM.yyyy"))));
        return true;
    } catch (const QString& error) {
        port_.closeQuietly();
        say(QStringLiteral("<font color='red'>%1</font>: %2").arg(tr("SYNC FAILED"), error));
        return false;
    }
}

QImage SerialOSTC::screenDump(const QString& portName)
{
    QImage image;
    try {
        sayConnecting(portName);
        image = OstcProtocol(port_, sink_).screenDump(portName);
    } catch (const QString& error) {
        port_.closeQuietly();
        say(QStringLiteral("<font color='red'>") + tr("FAILED") + QStringLiteral("</font>: ") +
            error);
        return QImage();
    }
    // The thumbnail goes into the console as an inline PNG.
    const QImage thumb = image.scaled(200, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    thumb.save(&buffer, "PNG");
    say(QStringLiteral("<img src='data:image/png;base64,%1'>")
            .arg(QString::fromLatin1(png.toBase64())));
    return image;
}

QString SerialOSTC::screenDumpFileName(const QString& chosen)
{
    static const char* const suffixes[] = {".png", ".jpeg", ".jpg", ".tiff", ".tif"};
    for (const char* s : suffixes)
        if (chosen.endsWith(QLatin1String(s), Qt::CaseSensitive))
            return chosen;
    return chosen + QStringLiteral(".png");
}

QString SerialOSTC::saveScreenDump(const QImage& image, const QString& chosen)
{
    const QString name = screenDumpFileName(chosen);
    const QString suffix = QFileInfo(name).suffix();
    const QByteArray format =
        suffix == QLatin1String("jpg") ? QByteArray("JPEG") : suffix.toUpper().toLatin1();
    // Made in memory and saved whole, so that a full disk leaves no half image.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format.constData()))
        throw SafeFile::errorText(
            name, tr("the image cannot be written as %1").arg(QString::fromLatin1(format)));
    SafeFile::save(name, bytes);
    return name;
}

QString SerialOSTC::screenDumpFolder(const QString& storedPath)
{
    if (!storedPath.isEmpty() && QDir(storedPath).exists())
        return storedPath;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString SerialOSTC::firmwareFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Bathyra/firmware");
}

QString SerialOSTC::firmwareDialogTitle()
{
    return tr("Firmware...");
}

QString SerialOSTC::saveDialogTitle()
{
    return tr("Save screen dump...");
}

QString SerialOSTC::saveDialogFilter()
{
    return tr("Image PNG (*.png);;Image JPEG (*.jpeg;*.jpg);;Image TIFF (*.tiff;*.tif)");
}

bool SerialOSTC::upgradeFirmware(const QString& portName, const QString& hexFileName)
{
    say(tr("Loading '%1'").arg(QFileInfo(hexFileName).fileName()));
    bool sending = false;
    try {
        HexImage hex(HexImage::FirmwareSize);
        hex.load(hexFileName, sink_);
        sayConnecting(portName);
        say(QStringLiteral("<font color='orange'>%1</font>").arg(tr("Starting OSTC upgrade...")));
        sending = true;
        OstcProtocol(port_, sink_).sendFirmware(portName, hex.data());
        say(QStringLiteral("<font color='green'>%1</font>")
                .arg(tr("OSTC upgrade done. rebooting...")));
        return true;
    } catch (const QString& error) {
        port_.closeQuietly();
        say(QStringLiteral("<font color='red'>%1</font>: %2").arg(tr("UPGRADE FAILED"), error));
        // Block 0 goes last, so a cut transfer leaves the boot loader in place.
        const auto protocolText = [](const char* text) {
            return QCoreApplication::translate("OstcProtocol", text);
        };
        if (sending && error != protocolText("Cannot start firmware upgrade") &&
            error != protocolText("Cannot sync firmware upgrade"))
            say(QStringLiteral("<font color='red'>%1</font>")
                    .arg(tr("The computer keeps its boot loader but not a whole program: "
                            "upgrade it again before diving.")));
        return false;
    }
}
