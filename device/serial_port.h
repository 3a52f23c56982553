// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port shared by all device operations: byte and block transfers with the
// fixed failure texts, over an injected SerialTransport (QtSerialTransport by default).
//
// Entry points: SerialPort::open, close, readByte, readBlock, writeByte, writeBlock,
// sleepMs; QtSerialTransport, the transport on QSerialPort.
#pragma once

#include "device/serial_transport.h"

#include <QCoreApplication>
#include <QSerialPort>
#include <memory>

// A real serial device (or a pseudo-terminal) through QSerialPort.
class QtSerialTransport : public SerialTransport
{
public:
    QtSerialTransport();
    ~QtSerialTransport() override;

    void open(const QString& name) override;
    void close() override;
    bool isOpen() const override;
    void purge() override;
    int read(quint8* buffer, int max, int timeoutMs) override;
    int write(const quint8* buffer, int count) override;
    bool flush() override;

    // The name handed to the platform: on Windows a COM name gets the device prefix
    // "\\.\" unless it already starts with two backslashes; elsewhere it is unchanged.
    static QString deviceName(const QString& name);

private:
    bool lineBroken() const;
    QSerialPort port_;
};

class SerialPort
{
public:
    // Failure texts used in several places (translated in the "SerialPort" context); the
    // simulator's port throws the same.
    static constexpr const char* UnableToOpen =
        QT_TRANSLATE_NOOP("SerialPort", "Unable to open port");
    static constexpr const char* NotOpen = QT_TRANSLATE_NOOP("SerialPort", "Port not open");
    static constexpr const char* NoPortChosen =
        QT_TRANSLATE_NOOP("SerialPort", "No port chosen: choose the OSTC's port in the settings");

    static constexpr int ReadTimeoutMs = 2000; // total per read call
    static constexpr int PieceSize = 4096;     // largest single transfer

    SerialPort();                                    // on a QtSerialTransport
    explicit SerialPort(SerialTransport* transport); // not owned
    ~SerialPort();

    // The one port object of the process, used by the device commands.
    static SerialPort& shared();

    // Opens the port unless it is already open (then nothing happens, no purge). An empty
    // name is "No port chosen: ..." at once.
    void open(const QString& name);
    // Closes the port when it is open.
    void close();
    // close() that never throws: used on the way out of a failed operation.
    void closeQuietly() noexcept;
    bool isOpen() const { return open_; }

    // One byte; "readByte error" when the read fails or brings nothing within the
    // time-out (a silent device must not look like one that sent a zero).
    quint8 readByte();
    // count bytes in pieces of at most 4096; "readBlock error" when a read fails or
    // delivers nothing within its time-out, so a silent device cannot hold it forever.
    void readBlock(quint8* buffer, int count);
    // count bytes in pieces of at most 4096, no flush; "writeBlock error" on failure.
    void writeBlock(const quint8* buffer, int count);
    // One byte, flushed; "writeByte error" on failure.
    void writeByte(quint8 byte);

    // The last transfer failed because its read brought nothing within the time-out: the
    // computer did not answer (a read that failed on the line is not that).
    bool timedOut() const { return timedOut_; }

    void sleepMs(int ms) { transport_->sleepMs(ms); }
    SerialTransport* transport() const { return transport_; }

private:
    void requireOpen() const;

    std::unique_ptr<SerialTransport> owned_;
    SerialTransport* transport_;
    bool open_ = false;
    bool timedOut_ = false;
};
