// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated OSTC: its configuration memory, command handling, screen and boot
// loader, and the two lines it can be reached over (in memory and a pseudo-terminal).
//
// Entry points: OstcDevice, SimulatorTransport, OstcPtyServer.
#include "tools/ostc_simulator.h"

#include "device/ostc_protocol.h"
#include "device/serial_port.h"

#include <QCoreApplication>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace
{

constexpr quint8 refusal = 'E';

// ---- the dive screen -----------------------------------------------------------------

constexpr quint16 rgb565(int r, int g, int b)
{
    return static_cast<quint16>((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
}

void fill(QImage& im, int x, int y, int w, int h, quint16 c)
{
    const QRgb rgb = OstcProtocol::colourFrom565(c);
    for (int i = x; i < x + w && i < im.width(); ++i)
        for (int j = y; j < y + h && j < im.height(); ++j)
            im.setPixel(i, j, rgb);
}

// A seven-segment digit, the way the OSTC draws its large numbers.
void digit(QImage& im, int x, int y, int size, int d, quint16 c)
{
    static const quint8 segments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const int t = std::max(2, size / 5); // stroke
    const int w = size, h = 2 * size;
    const quint8 s = segments[d % 10];
    if (s & 0x01)
        fill(im, x, y, w, t, c); // top
    if (s & 0x02)
        fill(im, x + w - t, y, t, h / 2, c); // upper right
    if (s & 0x04)
        fill(im, x + w - t, y + h / 2, t, h / 2, c); // lower right
    if (s & 0x08)
        fill(im, x, y + h - t, w, t, c); // bottom
    if (s & 0x10)
        fill(im, x, y + h / 2, t, h / 2, c); // lower left
    if (s & 0x20)
        fill(im, x, y, t, h / 2, c); // upper left
    if (s & 0x40)
        fill(im, x, y + h / 2 - t / 2, w, t, c); // middle
}

void number(QImage& im, int x, int y, int size, const char* text, quint16 c)
{
    for (const char* p = text; *p; ++p) {
        if (*p >= '0' && *p <= '9') {
            digit(im, x, y, size, *p - '0', c);
            x += size + size / 3;
        } else if (*p == '.') {
            fill(im, x, y + 2 * size - size / 4, size / 4, size / 4, c);
            x += size / 2;
        } else if (*p == ':') {
            fill(im, x, y + size / 2, size / 5, size / 5, c);
            fill(im, x, y + 3 * size / 2, size / 5, size / 5, c);
            x += size / 2;
        } else {
            x += size / 2;
        }
    }
}

} // namespace

// ---- OstcDevice ----------------------------------------------------------------------

OstcDevice::OstcDevice(int firmwareMajor, int firmwareMinor, const QDate& today)
    : image_(ConfigImage::defaultImage(today)), screen_(diveScreen()),
      program_(ProgramMemorySize, char(0xFF))
{
    // A configured computer: its own serial and gases, a few functions changed.
    image_.setWord(ConfigImage::serial, DefaultSerial);
    image_.setByte(ConfigImage::firmware_major, quint8(firmwareMajor));
    image_.setByte(ConfigImage::firmware_minor, quint8(firmwareMinor));
    static const quint8 o2[5] = {21, 32, 50, 100, 18};
    static const quint8 he[5] = {0, 0, 0, 0, 45};
    for (int n = 1; n <= ConfigImage::GasCount; ++n) {
        image_.setGasDefaultO2(n, o2[n - 1]);
        image_.setGasDefaultHe(n, he[n - 1]);
        image_.setGasO2(n, o2[n - 1]);
        image_.setGasHe(n, he[n - 1]);
    }
    image_.setByte(ConfigImage::active_gases, 0x07);
    image_.setGasDepth(2, 30);
    image_.setGasDepth(3, 21);
    image_.setCf(32, 35);
    image_.setCf(33, 80);
    image_.setCustomText(QStringLiteral("Simulated OSTC"));
    // Without bank 2 that memory holds whatever an older firmware left there.
    if (!hasBank2())
        for (int i = 2 * ConfigImage::BankSize; i < ConfigImage::Size; ++i)
            image_.setByte(i, quint8(i * 37 + 11));
}

bool OstcDevice::hasBank2() const
{
    return OstcProtocol::hasBank2(image_);
}

void OstcDevice::setFaults(const OstcFaults& faults)
{
    faults_ = faults;
    if (faults.badSerial)
        image_.setWord(ConfigImage::serial, 50);
    if (faults.badFirmware) {
        image_.setByte(ConfigImage::firmware_major, 0);
        image_.setByte(ConfigImage::firmware_minor, 5);
    }
    if (faults.badDecoType)
        image_.setByte(ConfigImage::deco_type, 9);
    if (faults.badBattery) {
        image_.setWord(ConfigImage::cycle_count, 5000);
        image_.setWord(ConfigImage::min_temperature, 900);
    }
}

QImage OstcDevice::diveScreen()
{
    QImage im(OstcProtocol::ScreenWidth, OstcProtocol::ScreenHeight, QImage::Format_RGB32);
    im.fill(OstcProtocol::colourFrom565(0x0000));
    const quint16 white = 0xFFFF, cyan = rgb565(0, 200, 255), red = rgb565(255, 40, 40);
    const quint16 green = rgb565(40, 220, 60), grey = rgb565(120, 120, 120);
    const quint16 yellow = rgb565(255, 220, 0);
    // Frame lines of the dive mask.
    fill(im, 0, 92, 320, 2, grey);
    fill(im, 0, 178, 320, 2, grey);
    fill(im, 200, 0, 2, 92, grey);
    // Depth and dive time, large.
    number(im, 8, 10, 30, "23.4", white);
    number(im, 212, 22, 18, "41:07", white);
    // Decompression stop: depth and minutes, in the warning colour.
    number(im, 8, 110, 20, "3", red);
    number(im, 70, 110, 20, "2", red);
    fill(im, 46, 140, 12, 4, red);
    // No-stop/TTS and ppO2 in the mask colour.
    number(im, 150, 110, 16, "12", cyan);
    number(im, 230, 110, 16, "1.32", yellow);
    // Tissue bars in a row, nitrogen green, helium grey.
    for (int k = 0; k < 16; ++k) {
        const int h = 10 + (k * 7) % 40;
        fill(im, 8 + 19 * k, 236 - h, 8, h, green);
        fill(im, 16 + 19 * k, 236 - h / 2, 6, h / 2, grey);
    }
    // Battery symbol.
    fill(im, 280, 184, 30, 12, white);
    fill(im, 282, 186, 20, 8, green);
    fill(im, 310, 187, 3, 6, white);
    return im;
}

QByteArray OstcDevice::encodeScreen(const QImage& image)
{
    QByteArray out;
    for (int x = 0; x < OstcProtocol::ScreenWidth; ++x) {
        int y = 0;
        while (y < OstcProtocol::ScreenHeight) {
            const QRgb p = image.pixel(x, y);
            const quint16 c = static_cast<quint16>((qRed(p) >> 3) << 11 | (qGreen(p) >> 2) << 5 |
                                                   (qBlue(p) >> 3));
            const int limit = c == 0x0000 ? 128 : 64;
            int run = 1;
            while (y + run < OstcProtocol::ScreenHeight && run < limit &&
                   image.pixel(x, y + run) == p)
                ++run;
            if (c == 0x0000) {
                out.append(char(run - 1));
            } else if (c == 0xFFFF) {
                out.append(char(0xC0 | (run - 1)));
            } else {
                out.append(char(0x80 | (run - 1)));
                out.append(char(c >> 8));
                out.append(char(c & 0xFF));
            }
            y += run;
        }
    }
    return out;
}

void OstcDevice::endWritingSession()
{
    cut_ = false;
    writing_ = false;
    writeBytes_ = 0;
}

bool OstcDevice::countByte()
{
    if (closed_ || cut_)
        return false;
    if (writing_ && faults_.cutWritesAfter >= 0 && writeBytes_ >= faults_.cutWritesAfter &&
        (faults_.cutWritesTimes < 0 || cuts_ < faults_.cutWritesTimes)) {
        cut_ = true;
        ++cuts_;
        return false;
    }
    if (writing_)
        ++writeBytes_;
    if (faults_.closeAfter >= 0 && lineBytes_ >= faults_.closeAfter) {
        closed_ = true;
        return false;
    }
    ++lineBytes_;
    return true;
}

void OstcDevice::put(QByteArray& out, quint8 byte)
{
    if (faults_.silentAfter >= 0 && lineBytes_ >= faults_.silentAfter)
        return;
    if (countByte())
        out.append(char(byte));
}

void OstcDevice::putAll(QByteArray& out, const QByteArray& bytes)
{
    for (char c : bytes)
        put(out, quint8(c));
}

void OstcDevice::echo(QByteArray& out, quint8 byte)
{
    const bool wrong = echoIndex_ == faults_.wrongEchoAt &&
                       (faults_.wrongEchoTimes < 0 || wrongEchoes_ < faults_.wrongEchoTimes);
    ++echoIndex_;
    if (!wrong) {
        put(out, byte);
        return;
    }
    ++wrongEchoes_;
    put(out, byte ^ 0x5A);
    mode_ = Mode::Idle; // the device gives the command up
}

void OstcDevice::hostClosed()
{
    endWritingSession();
    if (mode_ != Mode::Boot)
        mode_ = Mode::Idle;
    wakes_ = 0;
}

QByteArray OstcDevice::receive(const QByteArray& in, qint64 nowMs)
{
    QByteArray out;
    if (mode_ != Mode::Idle && mode_ != Mode::Boot && nowMs - lastMs_ > IdleResetMs)
        mode_ = Mode::Idle;
    // A host quiet that long has given up: a lost line comes back.
    if (nowMs - lastMs_ > IdleResetMs)
        endWritingSession();
    lastMs_ = nowMs;
    for (char c : in) {
        if (!countByte())
            break;
        handle(quint8(c), out);
    }
    return out;
}

void OstcDevice::handle(quint8 byte, QByteArray& out)
{
    switch (mode_) {
    case Mode::Idle:
        if (byte != OstcProtocol::BootWake)
            wakes_ = 0;
        switch (byte) {
        case OstcProtocol::ReadBank0:
            putAll(out, image_.bank(0));
            break;
        case OstcProtocol::ReadBank1:
            putAll(out, image_.bank(1));
            break;
        case OstcProtocol::ReadBank2:
            if (hasBank2())
                putAll(out, image_.bank(2));
            break;
        case OstcProtocol::WriteBank0:
        case OstcProtocol::WriteBank1:
        case OstcProtocol::WriteBank2:
            bank_ = byte == OstcProtocol::WriteBank0 ? 0 : byte == OstcProtocol::WriteBank1 ? 1 : 2;
            if (!writing_) {
                writing_ = true;
                writeBytes_ = 1; // this command
            }
            if (bank_ == 2 && !hasBank2())
                break;
            mode_ = Mode::WriteBank;
            position_ = 4;
            echoIndex_ = 0;
            echo(out, byte);
            break;
        case OstcProtocol::SetClock:
            mode_ = Mode::Clock;
            clock_.clear();
            position_ = 0;
            echoIndex_ = 0;
            echo(out, byte);
            break;
        case OstcProtocol::ScreenDump: {
            echoIndex_ = 0;
            const int wrongBefore = wrongEchoes_;
            echo(out, byte);
            if (wrongEchoes_ == wrongBefore)
                putAll(out, faults_.screenStream.isEmpty() ? encodeScreen(screen_)
                                                           : faults_.screenStream);
            break;
        }
        case OstcProtocol::BootWake:
            // Three wake-up bytes in a row start the boot loader.
            if (++wakes_ == 3) {
                wakes_ = 0;
                mode_ = Mode::Boot;
                block_.clear();
                put(out, 'W');
                put(out, 'K');
            }
            break;
        default:
            break;
        }
        break;

    case Mode::WriteBank:
        if (bank_ * ConfigImage::BankSize + position_ != faults_.ignoreWriteAt)
            image_.setByte(bank_ * ConfigImage::BankSize + position_, byte);
        echo(out, byte);
        if (mode_ == Mode::WriteBank && ++position_ == ConfigImage::BankSize) {
            mode_ = Mode::Idle;
            ++bankWrites_[bank_];
        }
        break;

    case Mode::Clock:
        clock_.append(char(byte));
        if (clock_.size() == 6)
            mode_ = Mode::Idle;
        break;

    case Mode::Boot: {
        block_.append(char(byte));
        if (block_.size() < 4 + OstcProtocol::BlockSize + 1)
            break;
        const quint8* b = reinterpret_cast<const quint8*>(block_.constData());
        quint8 sum = 0;
        for (int i = 0; i < block_.size(); ++i)
            sum = static_cast<quint8>(sum + b[i]);
        const quint32 address = quint32(b[0]) << 16 | quint32(b[1]) << 8 | b[2];
        const bool ok = sum == 0 && b[3] == OstcProtocol::BlockSize &&
                        address + OstcProtocol::BlockSize <= quint32(ProgramMemorySize) &&
                        qint64(address) != faults_.refuseBlockAt;
        if (!ok) {
            block_.clear();
            ++refused_;
            put(out, refusal);
            break;
        }
        std::copy(b + 4, b + 4 + OstcProtocol::BlockSize, program_.data() + address);
        block_.clear();
        blocks_.append(address);
        put(out, OstcProtocol::BlockAccepted);
        // The start-up block comes last; with it the new program runs.
        if (address == 0) {
            rebooted_ = true;
            mode_ = Mode::Idle;
        }
        break;
    }
    }
}

// ---- SimulatorTransport --------------------------------------------------------------

void SimulatorTransport::open(const QString& name)
{
    Q_UNUSED(name);
    if (device_.lineClosed())
        throw QCoreApplication::translate("SerialPort", "Unknown port");
    if (refuseOpens_ > 0) {
        --refuseOpens_;
        throw QCoreApplication::translate("SerialPort", SerialPort::UnableToOpen);
    }
    open_ = true;
    ++opens_;
}

void SimulatorTransport::close()
{
    open_ = false;
    device_.hostClosed();
}

int SimulatorTransport::read(quint8* buffer, int max, int timeoutMs)
{
    if (!open_)
        return -1;
    const int n = std::min(max, int(pending_.size()));
    if (n == 0 && device_.lineClosed())
        return -1;
    std::copy(pending_.constData(), pending_.constData() + n, buffer);
    pending_.remove(0, n);
    if (n < max)
        virtualMs_ += timeoutMs; // a real read waits out its time-out
    return n;
}

int SimulatorTransport::write(const quint8* buffer, int count)
{
    if (!open_ || device_.lineClosed())
        return -1;
    pending_ +=
        device_.receive(QByteArray(reinterpret_cast<const char*>(buffer), count), virtualMs_);
    return device_.lineClosed() ? -1 : count;
}

// ---- OstcPtyServer -------------------------------------------------------------------

OstcPtyServer::OstcPtyServer(OstcDevice& device, bool pacing) : device_(device), pacing_(pacing) {}

OstcPtyServer::~OstcPtyServer()
{
    stop();
}

bool OstcPtyServer::start(QString* error)
{
    char name[256] = {0};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        if (error)
            *error = QStringLiteral("openpty: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    // Raw line on both ends; keeping the slave open here means the master never sees a
    // hang-up when the program closes its port between operations.
    termios tio{};
    tcgetattr(slave_, &tio);
    cfmakeraw(&tio);
    tcsetattr(slave_, TCSANOW, &tio);
    slavePath_ = QString::fromLocal8Bit(name);
    stop_ = false;
    thread_ = std::thread([this] { serve(); });
    return true;
}

void OstcPtyServer::stop()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
    master_ = slave_ = -1;
}

void OstcPtyServer::serve()
{
    using clock = std::chrono::steady_clock;
    const auto byteTime = std::chrono::nanoseconds(10 * 1000000000LL / 115200);
    const auto started = clock::now();
    auto inClock = started;
    auto outClock = started;
    quint8 buffer[4096];
    while (!stop_) {
        pollfd p{master_, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0)
            continue;
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            continue;
        }
        const auto arrived = clock::now();
        for (ssize_t i = 0; i < n && !stop_; ++i) {
            if (pacing_)
                inClock = std::max(inClock, arrived) + byteTime;
            else
                inClock = arrived;
            QByteArray out;
            bool closed;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                const qint64 ms =
                    std::chrono::duration_cast<std::chrono::milliseconds>(inClock - started)
                        .count();
                out = device_.receive(QByteArray(1, char(buffer[i])), ms);
                closed = device_.lineClosed();
            }
            if (pacing_ && !out.isEmpty()) {
                // Each answer byte leaves when the line has carried the ones before it.
                outClock = std::max(outClock, inClock);
                int sent = 0;
                while (sent < out.size() && !stop_) {
                    const auto now = clock::now();
                    int due = 0;
                    auto next = outClock;
                    while (sent + due < out.size() && next + byteTime <= now) {
                        next += byteTime;
                        ++due;
                    }
                    if (due == 0) {
                        std::this_thread::sleep_until(outClock + byteTime);
                        continue;
                    }
                    if (::write(master_, out.constData() + sent, size_t(due)) < 0)
                        break;
                    sent += due;
                    outClock = next;
                }
            } else if (!out.isEmpty()) {
                // A write that fails means the program's end is gone; nothing to do.
                (void)!::write(master_, out.constData(), size_t(out.size()));
            }
            if (closed) {
                // The line drops: the program's end sees a hang-up.
                ::close(master_);
                ::close(slave_);
                master_ = slave_ = -1;
                return;
            }
        }
    }
}
