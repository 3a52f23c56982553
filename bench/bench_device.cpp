// SPDX-License-Identifier: GPL-3.0-or-later
// Device transfers against the simulated OSTC on a pseudo-terminal with 115200-baud
// pacing: configuration download, upload (with its readback) and a full 98112-byte
// firmware upgrade. Each duration is printed beside its floor: the pauses the protocol
// imposes plus the time its bytes take on the line (10 bits per byte).
#include "device/config_image.h"
#include "device/message_sink.h"
#include "device/ostc_protocol.h"
#include "device/serial_port.h"
#include "tools/ostc_simulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

constexpr double byte_ms = 10.0 * 1000.0 / 115200.0;

// overlapped: bytes that travel while the host sits in a pause (its writes return as soon
// as the driver has taken them), for the tighter floor of such a line.
void report(const char* what, double measured, double waits, qint64 bytes, qint64 overlapped = 0)
{
    const double floor = waits + bytes * byte_ms;
    std::printf("%-28s %9.1f ms   floor %9.1f ms (%7.1f ms pauses + %6lld bytes %7.1f ms)"
                "   overhead %+6.1f %%\n",
                what, measured, floor, waits, static_cast<long long>(bytes), bytes * byte_ms,
                (measured - floor) * 100.0 / floor);
    if (overlapped > 0) {
        const double tight = waits + (bytes - overlapped) * byte_ms;
        std::printf("%-28s %9s      floor %9.1f ms with %lld bytes inside the pauses"
                    "             overhead %+6.1f %%\n",
                    "", "", tight, static_cast<long long>(overlapped),
                    (measured - tight) * 100.0 / tight);
    }
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int downloads = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    OstcDevice device(2, 22);
    OstcPtyServer server(device, true);
    QString why;
    if (!server.start(&why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    const QString port = server.slavePath();
    SerialPort serial;
    CollectingSink sink;
    OstcProtocol protocol(serial, &sink);
    std::printf("simulated OSTC on %s, 115200 baud pacing\n", qPrintable(port));
    QByteArray data(98112, char(0));
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i * 31 + 7);

    try {
        // Download: three banks, a command byte and 256 answer bytes each.
        std::vector<double> times;
        for (int i = 0; i < downloads; ++i) {
            ConfigImage image = ConfigImage::defaultImage();
            QElapsedTimer t;
            t.start();
            protocol.download(image, port);
            times.push_back(t.nsecsElapsed() / 1e6);
        }
        report("download (median)", median(times), 0, 3 * 257);

        // Upload: download, three banks of 252 echoed bytes after an echoed command,
        // 2 s after each bank and 1 ms after each command, then the readback.
        ConfigImage current = ConfigImage::defaultImage();
        protocol.download(current, port);
        current.setCf(32, 40);
        QElapsedTimer t;
        t.start();
        protocol.upload(current, port);
        report("upload with readback", t.nsecsElapsed() / 1e6, 3 * 2000 + 3,
               2 * 3 * 257 + 3 * (2 + 2 * 252));

        // Firmware: three wake-up bytes and 'W','K', 1533 blocks of 69 bytes with their
        // acknowledgement, 500 + 10 + 100 ms before and 20 ms per block, 500 ms after.
        t.restart();
        protocol.sendFirmware(port, data);
        report("firmware upgrade 98112 bytes", t.nsecsElapsed() / 1e6,
               500 + 10 + 100 + 1533 * 20 + 500, 3 + 2 + 1533 * 70,
               // each block and its 'K' (6.1 ms) fit in the 20 ms pause after it; the
               // second and third wake-up bytes and 'W','K' in the pauses around them
               1533 * 70 + 4);
    } catch (const QString& e) {
        std::fprintf(stderr, "failed: %s\n", qPrintable(e));
        return 1;
    }
    server.stop(); // the device is ours alone from here
    std::lock_guard<std::mutex> lock(server.mutex());
    const bool stored = device.programMemory().left(data.size()) == data;
    std::printf("blocks accepted %d, refused %d, rebooted %s, program memory %s\n",
                int(device.blockOrder().size()), device.refusedBlocks(),
                device.rebooted() ? "yes" : "no", stored ? "matches" : "DIFFERS");
    return stored ? 0 : 1;
}
