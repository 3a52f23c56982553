// SPDX-License-Identifier: GPL-3.0-or-later
// bathyra-ostc-sim: serves a simulated OSTC on a pseudo-terminal so that the device
// commands can be tried without a dive computer. Prints the device path to give the
// program as its port, then serves until interrupted and prints what the device saw.
#include "bathyra_version.h"
#include "tools/ostc_simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <tuple>
#include <utility>

namespace
{

bool parseVersion(const QString& text, int& major, int& minor)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    bool ok1 = false, ok2 = false;
    if (parts.size() != 2)
        return false;
    major = parts[0].toInt(&ok1);
    minor = parts[1].toInt(&ok2);
    return ok1 && ok2 && major >= 0 && major < 256 && minor >= 0 && minor < 256;
}

// A fault option's "N[:TIMES]": N, and TIMES or 1.
std::pair<qint64, int> countAndTimes(const QString& text)
{
    const QStringList p = text.split(QLatin1Char(':'));
    return {p.value(0).toLongLong(), p.size() > 1 ? p.value(1).toInt() : 1};
}

} // namespace

int main(int argc, char** argv)
{
    // Block the stop signals in every thread; main waits for them below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("bathyra-ostc-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated OSTC dive computer on a pseudo-terminal. Give the printed device path "
        "to Bathyra as its OSTC port."));
    parser.addHelpOption();
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Print the version and the licence and exit."));
    parser.addOption(version);
    const QCommandLineOption firmware(QStringLiteral("firmware"),
                                      QStringLiteral("Firmware version (2.22 has bank 2, "
                                                     "2.21 has not). Default 2.22."),
                                      QStringLiteral("M.m"), QStringLiteral("2.22"));
    const QCommandLineOption pacing(QStringLiteral("pacing"),
                                    QStringLiteral("Take 115200-baud time for every byte."));
    const QCommandLineOption wrongEcho(
        QStringLiteral("wrong-echo"),
        QStringLiteral("Echo byte N of a command wrongly (0 = the command's echo), TIMES "
                       "times (default 1, -1 = always)."),
        QStringLiteral("N[:TIMES]"));
    const QCommandLineOption silent(QStringLiteral("silent-after"),
                                    QStringLiteral("Stop answering after N bytes on the line."),
                                    QStringLiteral("N"));
    const QCommandLineOption closeAfter(QStringLiteral("close-after"),
                                        QStringLiteral("Drop the line after N bytes."),
                                        QStringLiteral("N"));
    const QCommandLineOption cutWrites(
        QStringLiteral("cut-writes-after"),
        QStringLiteral("Lose the line N bytes into a bank-writing session until the host "
                       "closes the port or stays quiet for half a second, TIMES sessions "
                       "(default 1, -1 = always)."),
        QStringLiteral("N[:TIMES]"));
    const QCommandLineOption refuse(QStringLiteral("refuse-block"),
                                    QStringLiteral("Refuse the firmware block at ADDRESS "
                                                   "(decimal or 0x hex)."),
                                    QStringLiteral("ADDRESS"));
    const QCommandLineOption badSerial(QStringLiteral("bad-serial"),
                                       QStringLiteral("Serial number 50."));
    const QCommandLineOption badFirmware(QStringLiteral("bad-firmware"),
                                         QStringLiteral("Firmware version 0.5."));
    const QCommandLineOption badDeco(QStringLiteral("bad-deco"),
                                     QStringLiteral("Decompression mode 9."));
    const QCommandLineOption badBattery(QStringLiteral("bad-battery"),
                                        QStringLiteral("Impossible battery block."));
    const QCommandLineOption program(QStringLiteral("save-program"),
                                     QStringLiteral("At exit, write the program memory the "
                                                    "boot loader stored to FILE."),
                                     QStringLiteral("FILE"));
    parser.addOptions({firmware, pacing, wrongEcho, silent, closeAfter, cutWrites, refuse,
                       badSerial, badFirmware, badDeco, badBattery, program});
    parser.process(app);
    if (parser.isSet(version)) {
        const std::string libraries = std::string("Qt ") + qVersion() + " (" BATHYRA_QT_LICENSE ")";
        std::fputs(bathyra_version_text("bathyra-ostc-sim", libraries).c_str(), stdout);
        return 0;
    }

    int major = 2, minor = 22;
    if (!parseVersion(parser.value(firmware), major, minor)) {
        std::fprintf(stderr, "bad --firmware, expected M.m\n");
        return 2;
    }
    OstcFaults faults;
    if (parser.isSet(wrongEcho)) {
        const auto [at, times] = countAndTimes(parser.value(wrongEcho));
        faults.wrongEchoAt = static_cast<int>(at);
        faults.wrongEchoTimes = times;
    }
    if (parser.isSet(silent))
        faults.silentAfter = parser.value(silent).toLongLong();
    if (parser.isSet(cutWrites))
        std::tie(faults.cutWritesAfter, faults.cutWritesTimes) =
            countAndTimes(parser.value(cutWrites));
    if (parser.isSet(closeAfter))
        faults.closeAfter = parser.value(closeAfter).toLongLong();
    if (parser.isSet(refuse))
        faults.refuseBlockAt = parser.value(refuse).toLongLong(nullptr, 0);
    faults.badSerial = parser.isSet(badSerial);
    faults.badFirmware = parser.isSet(badFirmware);
    faults.badDecoType = parser.isSet(badDeco);
    faults.badBattery = parser.isSet(badBattery);

    OstcDevice device(major, minor);
    device.setFaults(faults);
    OstcPtyServer server(device, parser.isSet(pacing));
    QString error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(server.slavePath()));
    std::fflush(stdout);
    std::fprintf(stderr, "OSTC %u, firmware %d.%d, serving on %s (Ctrl-C to stop)\n",
                 unsigned(device.image().word(ConfigImage::serial)), major, minor,
                 qPrintable(server.slavePath()));

    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.stop();

    std::lock_guard<std::mutex> lock(server.mutex());
    std::fprintf(stderr, "bank writes: %d %d %d\n", device.bankWrites(0), device.bankWrites(1),
                 device.bankWrites(2));
    const QByteArray c = device.clock();
    if (c.size() == 6)
        std::fprintf(stderr, "clock set to %02d:%02d:%02d %02d.%02d.%02d\n", c[0], c[1], c[2], c[3],
                     c[4], c[5]);
    std::fprintf(stderr, "firmware blocks accepted: %d, refused: %d%s\n",
                 int(device.blockOrder().size()), device.refusedBlocks(),
                 device.rebooted() ? ", rebooted" : "");
    if (parser.isSet(program)) {
        QFile out(parser.value(program));
        if (!out.open(QIODevice::WriteOnly) || out.write(device.programMemory()) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(parser.value(program)));
            return 1;
        }
    }
    return 0;
}
