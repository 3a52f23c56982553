// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port of the device operations and its transport on QSerialPort.
//
// Entry points: SerialPort (open, close, readByte, readBlock, writeByte, writeBlock) and
// QtSerialTransport. Every failure is thrown as one of the port's fixed message texts.
#include "device/serial_port.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>

namespace
{

QString tr(const char* text)
{
    return QCoreApplication::translate("SerialPort", text);
}

// An upper bound for handing written bytes to the driver: writes have no time-out of
// their own, but a wedged device must not freeze the program for ever.
constexpr int write_bound_ms = 10000;

} // namespace

void SerialTransport::sleepMs(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

// ---- QtSerialTransport ---------------------------------------------------------------

QtSerialTransport::QtSerialTransport() = default;

QtSerialTransport::~QtSerialTransport()
{
    close();
}

QString QtSerialTransport::deviceName(const QString& name)
{
#ifdef Q_OS_WIN
    if (!name.startsWith(QLatin1String("\\\\")))
        return QStringLiteral("\\\\.\\") + name;
#endif
    return name;
}

void QtSerialTransport::open(const QString& name)
{
    port_.setPortName(deviceName(name));
    if (!port_.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = port_.error();
        port_.clearError();
        if (error == QSerialPort::DeviceNotFoundError)
            throw QCoreApplication::translate("SerialPort", "Unknown port");
        throw tr(SerialPort::UnableToOpen);
    }
    // Anything a previous user left in the driver is stale.
    port_.clear(QSerialPort::AllDirections);

    // 115200 8N1; the other line options stay as the driver has them. A failure releases
    // the device at once so that a later open can succeed.
    const bool configured =
        port_.setBaudRate(QSerialPort::Baud115200) && port_.setDataBits(QSerialPort::Data8) &&
        port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop);
    if (!configured) {
        port_.close();
        port_.clearError();
        throw QCoreApplication::translate("SerialPort", "Unable to set COM port config");
    }
    // Line-control requests (DTR/RTS) that a pseudo-terminal refuses leave an error
    // behind that says nothing about the data path.
    port_.clearError();
}

void QtSerialTransport::close()
{
    if (port_.isOpen())
        port_.close();
    port_.clearError();
}

bool QtSerialTransport::isOpen() const
{
    return port_.isOpen();
}

void QtSerialTransport::purge()
{
    port_.clear(QSerialPort::AllDirections);
    port_.clearError();
}

bool QtSerialTransport::lineBroken() const
{
    switch (port_.error()) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::NotOpenError:
    case QSerialPort::DeviceNotFoundError:
        return true;
    default:
        return false;
    }
}

int QtSerialTransport::read(quint8* buffer, int max, int timeoutMs)
{
    if (!port_.isOpen())
        return -1;
    QElapsedTimer clock;
    clock.start();
    int got = 0;
    while (got < max) {
        const qint64 n = port_.read(reinterpret_cast<char*>(buffer) + got, max - got);
        if (n < 0)
            return got > 0 ? got : -1;
        got += static_cast<int>(n);
        if (got >= max)
            break;
        const qint64 remaining = timeoutMs - clock.elapsed();
        if (remaining <= 0)
            break;
        if (!port_.waitForReadyRead(static_cast<int>(remaining))) {
            if (lineBroken())
                return got > 0 ? got : -1;
            // A time-out (or a harmless line-control complaint) is not a failure; the
            // caller decides what too few bytes mean.
            port_.clearError();
        }
    }
    return got;
}

int QtSerialTransport::write(const quint8* buffer, int count)
{
    if (!port_.isOpen())
        return -1;
    const qint64 n = port_.write(reinterpret_cast<const char*>(buffer), count);
    if (n != count)
        return -1;
    // Hand the bytes to the driver now: nothing else drives QSerialPort's buffer while
    // the protocol waits.
    QElapsedTimer clock;
    clock.start();
    while (port_.bytesToWrite() > 0) {
        const qint64 remaining = write_bound_ms - clock.elapsed();
        if (remaining <= 0)
            return -1;
        if (!port_.waitForBytesWritten(static_cast<int>(remaining))) {
            if (lineBroken())
                return -1;
            port_.clearError();
        }
    }
    return count;
}

bool QtSerialTransport::flush()
{
    if (!port_.isOpen())
        return false;
    port_.flush();
    return !lineBroken();
}

// ---- SerialPort ----------------------------------------------------------------------

SerialPort::SerialPort() : owned_(new QtSerialTransport), transport_(owned_.get()) {}

SerialPort::SerialPort(SerialTransport* transport) : transport_(transport) {}

SerialPort::~SerialPort()
{
    closeQuietly();
}

SerialPort& SerialPort::shared()
{
    static SerialPort port;
    return port;
}

void SerialPort::open(const QString& name)
{
    if (open_)
        return;
    timedOut_ = false;
    if (name.trimmed().isEmpty())
        throw tr(SerialPort::NoPortChosen);
    transport_->open(name); // throws its own texts, device released on failure
    if (!transport_->isOpen())
        throw tr(SerialPort::NotOpen);
    transport_->purge();
    open_ = true;
}

void SerialPort::close()
{
    if (!open_)
        return;
    open_ = false;
    if (!transport_->isOpen())
        throw tr(SerialPort::NotOpen);
    transport_->close();
}

void SerialPort::closeQuietly() noexcept
{
    try {
        close();
    } catch (...) {
    }
    open_ = false;
}

void SerialPort::requireOpen() const
{
    if (!open_ || !transport_->isOpen())
        throw tr(SerialPort::NotOpen);
}

quint8 SerialPort::readByte()
{
    timedOut_ = false;
    requireOpen();
    quint8 byte = 0;
    const int n = transport_->read(&byte, 1, ReadTimeoutMs);
    if (n != 1) {
        timedOut_ = n == 0;
        throw tr("readByte error");
    }
    return byte;
}

void SerialPort::readBlock(quint8* buffer, int count)
{
    timedOut_ = false;
    requireOpen();
    int done = 0;
    while (done < count) {
        const int piece = std::min(count - done, PieceSize);
        const int n = transport_->read(buffer + done, piece, ReadTimeoutMs);
        if (n <= 0) {
            timedOut_ = n == 0;
            throw tr("readBlock error");
        }
        done += n;
    }
}

void SerialPort::writeBlock(const quint8* buffer, int count)
{
    timedOut_ = false;
    requireOpen();
    int done = 0;
    while (done < count) {
        const int piece = std::min(count - done, PieceSize);
        const int n = transport_->write(buffer + done, piece);
        if (n <= 0)
            throw tr("writeBlock error");
        done += n;
    }
}

void SerialPort::writeByte(quint8 byte)
{
    timedOut_ = false;
    requireOpen();
    if (transport_->write(&byte, 1) != 1)
        throw tr("writeByte error");
    if (!open_ || !transport_->isOpen())
        throw tr(SerialPort::NotOpen);
    if (!transport_->flush())
        throw tr("writeByte error");
}
