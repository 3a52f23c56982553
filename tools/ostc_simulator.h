// SPDX-License-Identifier: GPL-3.0-or-later
// An OSTC simulator for trying and testing the device commands without a dive computer.
//
// OstcDevice is the device itself as a byte-in, bytes-out state machine: three
// configuration banks (bank 2 from firmware 2.22 on), echoes, the clock, a run-length
// encoded screen stream of a dive screen, and a boot loader that checks every block's
// checksum and stores the program memory; OstcFaults switches on the failures a real
// line shows. SimulatorTransport plugs the device straight into a SerialPort (in memory,
// on a virtual clock); OstcPtyServer serves it on a pseudo-terminal.
//
// Entry points: OstcDevice::receive, OstcFaults, SimulatorTransport, OstcPtyServer.
#pragma once

#include "device/config_image.h"
#include "device/serial_transport.h"

#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QVector>
#include <atomic>
#include <mutex>
#include <thread>

struct OstcFaults {
    // Echoed commands ('d', 'i', 'n', 'b', 'l'): the echo at this index (0 is the
    // command's own echo, k the k-th data byte) comes back wrong, for this many commands
    // (-1: every one). The device drops the command after a wrong echo.
    int wrongEchoAt = -1;
    int wrongEchoTimes = 1;
    // Bytes on the line (both directions) after which the device stops answering, or
    // after which the line is dropped altogether.
    qint64 silentAfter = -1;
    qint64 closeAfter = -1;
    // Bytes on the line into a bank-writing session (from its first write command) after
    // which the line is lost: nothing more arrives or answers until the host closes the
    // port or stays quiet for IdleResetMs. For this many sessions (then it holds).
    qint64 cutWritesAfter = -1;
    int cutWritesTimes = 1;
    // A written configuration byte at this image offset is echoed but not stored.
    int ignoreWriteAt = -1;
    // A boot-loader block at this address is refused.
    qint64 refuseBlockAt = -1;
    // Image contents the program must reject or repair.
    bool badSerial = false;   // serial 50
    bool badFirmware = false; // firmware 0.5
    bool badDecoType = false; // deco type 9
    bool badBattery = false;  // cycle count 5000, minimum temperature 90.0 degrees
    // A raw pixel stream sent instead of the encoded screen.
    QByteArray screenStream;
};

class OstcDevice
{
public:
    static constexpr quint16 DefaultSerial = 4321;
    static constexpr int ProgramMemorySize = 0x20000;
    static constexpr int IdleResetMs = 500; // a command left unfinished this long is dropped

    OstcDevice(int firmwareMajor = 2, int firmwareMinor = 22,
               const QDate& today = QDate::currentDate());

    void setFaults(const OstcFaults& faults);
    const OstcFaults& faults() const { return faults_; }

    // Host bytes in, device bytes out; nowMs is the device's clock (for dropping
    // commands the host abandoned).
    QByteArray receive(const QByteArray& in, qint64 nowMs = 0);
    // The host closed its end: an unfinished command is dropped.
    void hostClosed();
    bool lineClosed() const { return closed_; }

    bool hasBank2() const;
    ConfigImage& image() { return image_; }
    const ConfigImage& image() const { return image_; }

    // Last clock set: hour, minute, second, month, day, year (empty before).
    QByteArray clock() const { return clock_; }
    int bankWrites(int bank) const { return bankWrites_[bank]; }

    // The screen as the device holds it (colours exact in RGB 5-6-5) and its stream.
    const QImage& screen() const { return screen_; }
    static QImage diveScreen();
    static QByteArray encodeScreen(const QImage& image);

    const QByteArray& programMemory() const { return program_; }
    const QVector<quint32>& blockOrder() const { return blocks_; }
    int refusedBlocks() const { return refused_; }
    bool rebooted() const { return rebooted_; }
    qint64 lineBytes() const { return lineBytes_; }

private:
    enum class Mode { Idle, WriteBank, Clock, Boot };
    void handle(quint8 byte, QByteArray& out);
    void put(QByteArray& out, quint8 byte);
    void putAll(QByteArray& out, const QByteArray& bytes);
    void echo(QByteArray& out, quint8 byte);
    bool countByte();

    ConfigImage image_;
    OstcFaults faults_;
    QImage screen_;
    QByteArray program_;
    QByteArray clock_;
    QVector<quint32> blocks_;
    QByteArray block_;
    Mode mode_ = Mode::Idle;
    int bank_ = 0;
    int position_ = 0;
    int echoIndex_ = 0;
    int wrongEchoes_ = 0;
    int wakes_ = 0;
    int refused_ = 0;
    int bankWrites_[3] = {0, 0, 0};
    bool rebooted_ = false;
    bool closed_ = false;
    qint64 lineBytes_ = 0;
    // The lost line of cutWritesAfter.
    bool writing_ = false;
    bool cut_ = false;
    int cuts_ = 0;
    qint64 writeBytes_ = 0;
    void endWritingSession();
    qint64 lastMs_ = 0;
};

// The device on an in-memory line. Time-outs and pauses advance a virtual clock, so
// tests of the retry rules run at once.
class SimulatorTransport : public SerialTransport
{
public:
    explicit SimulatorTransport(OstcDevice& device) : device_(device) {}

    void open(const QString& name) override;
    void close() override;
    bool isOpen() const override { return open_; }
    void purge() override { pending_.clear(); }
    int read(quint8* buffer, int max, int timeoutMs) override;
    int write(const quint8* buffer, int count) override;
    bool flush() override { return open_ && !device_.lineClosed(); }
    void sleepMs(int ms) override { virtualMs_ += ms; }

    qint64 virtualMs() const { return virtualMs_; }
    int opens() const { return opens_; }
    // The next count opens fail with "Unable to open port".
    void refuseOpens(int count) { refuseOpens_ = count; }

private:
    OstcDevice& device_;
    QByteArray pending_;
    bool open_ = false;
    qint64 virtualMs_ = 0;
    int opens_ = 0;
    int refuseOpens_ = 0;
};

// The device behind a pseudo-terminal, served by a thread of its own. With pacing every
// byte takes its time at 115200 baud (10 bits) in each direction.
class OstcPtyServer
{
public:
    explicit OstcPtyServer(OstcDevice& device, bool pacing = false);
    ~OstcPtyServer();

    // Opens the pseudo-terminal and starts serving; false (with the reason) on failure.
    bool start(QString* error = nullptr);
    void stop();
    QString slavePath() const { return slavePath_; }

    // Hold this while looking at the device from another thread.
    std::mutex& mutex() { return mutex_; }

private:
    void serve();

    OstcDevice& device_;
    bool pacing_;
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
    std::mutex mutex_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
