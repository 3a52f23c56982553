// SPDX-License-Identifier: GPL-3.0-or-later
// The byte link underneath SerialPort: what differs between a real serial device, a
// pseudo-terminal and the in-memory doubles the tests and the simulator use.
//
// Entry points: SerialTransport (open, close, purge, read with a total time-out, write,
// flush, sleep). Failures of open are thrown as QString message texts; read and write
// report failure by returning -1 so that SerialPort can raise its own texts.
#pragma once

#include <QString>
#include <QtGlobal>

class SerialTransport
{
public:
    virtual ~SerialTransport() = default;

    // Opens the named device at 115200 8N1, exclusive. Throws "Unknown port",
    // "Unable to open port", "Unable to get COM port config", "Unable to set COM port
    // config" or "Unable to configure port"; a failed open leaves the device released.
    virtual void open(const QString& name) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Discards whatever is waiting in both directions.
    virtual void purge() = 0;

    // Reads up to max bytes, returning as soon as max bytes have arrived or timeoutMs
    // has passed in total. Returns the count read (0 on a time-out) or -1 on failure.
    virtual int read(quint8* buffer, int max, int timeoutMs) = 0;

    // Writes count bytes; returns the count written or -1 on failure.
    virtual int write(const quint8* buffer, int count) = 0;

    // Pushes buffered output to the line; false on failure.
    virtual bool flush() = 0;

    // The pauses the protocol needs between steps. In-memory doubles advance a virtual
    // clock instead of sleeping.
    virtual void sleepMs(int ms);
};
