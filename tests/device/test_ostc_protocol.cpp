// SPDX-License-Identifier: GPL-3.0-or-later
// The device commands against the simulated OSTC on an in-memory line (virtual clock). One
// table (data/device_commands.txt) holds every command's result and every failure and retry
// rule: the console text, the time on the line, what the device and the program hold afterwards
// (the firmware block by block, an unchanged current image after a failure) and a released
// port. The screen dump's decoding and its file are checked in detail on their own.
#include "device/config_image.h"
#include "device/hex_image.h"
#include "device/message_sink.h"
#include "device/ostc_protocol.h"
#include "device/serial_ostc.h"
#include "device/serial_port.h"
#include "device_fixtures.h"
#include "tools/ostc_simulator.h"

#include <QImageReader>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

const QString port = QStringLiteral("SIM");
const QDateTime when(QDate(2026, 12, 5), QTime(14, 3, 9));
enum Command { Read, Write, WriteWithClock, Clock, Dump, Firmware };

// A device with the faults of words such as "minor=21 echo=100 times=2 silent=300 opens=10
// cf5=19 badBattery" (the fields of OstcFaults, refused opens, a current CF value; "noport": the
// command gets an empty port name), the line to
// it, and a program whose current image holds edited settings, all different from the device's
// (the serial and the default mixes are never written to a device); the bench is its console
// and keeps the progress percentages it was shown (overwriting lines).
struct Bench : CollectingSink {
    explicit Bench(const QString& text = QString())
        : spec(text), device(int(get("major", 2)), int(get("minor", 22))), transport(device),
          serial(&transport), current(ConfigImage::defaultImage()),
          ostc(
              this, current, [this] { ++refreshes; }, &serial)
    {
        OstcFaults f;
        f.wrongEchoAt = int(get("echo"));
        f.wrongEchoTimes = int(get("times", 1));
        f.silentAfter = get("silent");
        f.closeAfter = get("close");
        f.ignoreWriteAt = int(get("ignore"));
        f.refuseBlockAt = get("refuse");
        f.badSerial = spec.contains("badSerial");
        f.badDecoType = spec.contains("badDeco");
        f.badBattery = spec.contains("badBattery");
        device.setFaults(f);
        transport.refuseOpens(int(get("opens", 0)));
        initial = device.image();
        for (int n = 0; n < ConfigImage::CfCount; ++n) {
            const quint16 edited = quint16(ConfigImage::cfDefinition(n).def + 1);
            if (ConfigImage::checkCf(n, edited).isEmpty())
                current.setCf(n, edited);
            current.setCf(n, quint16(get(QStringLiteral("cf%1").arg(n), current.cf(n))));
        }
        current.setGasO2(1, 28);
        current.setSetpoint(2, 130);
        current.setCustomText(QStringLiteral("Backup test"));
        current.setWord(ConfigImage::serial, 9999);
        current.setGasDefaultO2(2, 40);
    }
    using CollectingSink::message;
    void message(const QString& line, bool overwrite) override
    {
        if (overwrite && line.endsWith('%'))
            progress.append(line.trimmed().chopped(1).toInt());
        CollectingSink::message(line, overwrite);
    }
    qint64 get(const QString& key, qint64 absent = -1) const
    {
        const auto m = QRegularExpression("\\b" + key + "=(\\S+)").match(spec);
        return m.hasMatch() ? m.captured(1).toLongLong(nullptr, 0) : absent;
    }
    const QString spec;
    OstcDevice device;
    SimulatorTransport transport;
    SerialPort serial;
    QVector<int> progress;
    ConfigImage initial, current;
    int refreshes = 0;
    SerialOSTC ostc;
};

// A firmware image of the whole area.
const QByteArray firmware = [] {
    QByteArray data(int(HexImage::FirmwareSize), char(0));
    for (int i = 0; i < data.size(); ++i)
        data[i] = char((i * 7 + i / 256) & 0xFF);
    return data;
}();

} // namespace

class TestOstcProtocol : public QObject
{
    Q_OBJECT

private slots:
    void failuresAndRetries_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("spec");  // the device's faults, see Bench
        QTest::addColumn<QString>("error"); // empty: the command succeeds
        QTest::addColumn<qint64>("ms");     // time the line took, -1 not checked
        QTest::addColumn<QString>("seen");  // a line the console also shows
        const QStringList commands{"read", "write", "write+clock", "clock", "dump", "firmware"};
        for (const QStringList& r : dataTable("device_commands.txt"))
            QTest::newRow(qPrintable(r[0] + ": " + r[1]))
                << int(commands.indexOf(r[0])) << r.value(2) << r.value(3)
                << (r.value(4).isEmpty() ? -1 : r[4].toLongLong()) << r.value(5);
    }

    void failuresAndRetries()
    {
        QFETCH(int, command);
        QFETCH(QString, spec);
        QFETCH(QString, error);
        QFETCH(qint64, ms);
        QFETCH(QString, seen);
        QTemporaryDir dir;
        QFile hex(dir.filePath("ostc.hex")); // with a broken record first where asked
        if (command == Firmware && spec != "nofile" && hex.open(QIODevice::WriteOnly))
            hex.write((spec == "badfile" ? ":0200000012340B\n" : "") + hexFile(firmware));
        hex.close();
        Bench b(spec);
        const ConfigImage before = b.current;
        const ConfigImage deviceBefore = b.device.image();
        const QString name = spec.contains("noport") ? QString() : port; // none chosen
        const bool done = command == Read    ? b.ostc.readConfiguration(name)
                          : command == Clock ? b.ostc.setClock(name, when)
                          : command == Dump  ? !b.ostc.screenDump(name).isNull()
                          : command == Firmware
                              ? b.ostc.upgradeFirmware(name, hex.fileName())
                              : b.ostc.writeConfiguration(name, command == WriteWithClock);
        QCOMPARE(done, error.isEmpty());
        QVERIFY(!b.serial.isOpen());
        if (ms >= 0)
            QCOMPARE(b.transport.virtualMs(), ms);
        QVERIFY2(b.lines.join('\n').contains(seen), qPrintable(b.lines.join('\n')));
        if (!error.isEmpty()) {
            const char* failed[] = {
                "FAILED: </font> ",     "FAILED: </font> ", "",
                "SYNC FAILED</font>: ", "FAILED</font>: ",  "UPGRADE FAILED</font>: "};
            // The failure line (details may follow the text), perhaps followed by what the
            // computer now holds.
            const QString failure = "<font color='red'>" + QString(failed[command]) + error;
            QVERIFY2(!b.lines.filter(QRegularExpression("^" + QRegularExpression::escape(failure)))
                          .isEmpty(),
                     qPrintable(b.lines.join('\n')));
            if (b.lines.join('\n').contains("holds its previous configuration again"))
                QVERIFY(b.device.image().equalForReadback(deviceBefore));
            QVERIFY(b.current == before);
            QCOMPARE(b.refreshes, 0);
            QVERIFY(b.device.clock().size() < 6 && !b.device.blockOrder().contains(0));
            if (command == Write && !error.startsWith("Upload") && !error.startsWith("Readback"))
                QCOMPARE(b.device.bankWrites(0), 0);
            if (error.contains("HEX"))
                QCOMPARE(b.device.lineBytes(), qint64(0));
            return;
        }
        // The program holds what the device holds, its battery block (and a bank 2 it does not
        // have) aside.
        ConfigImage held = b.current;
        if (!OstcProtocol::hasBank2(b.device.image()))
            held.setBank(2, b.device.image().bank(2));
        if (command <= WriteWithClock)
            QVERIFY(held.equalForReadback(b.device.image()));
        QCOMPARE(b.refreshes, command <= WriteWithClock ? 1 : 0);
        // A write leaves the device its own image with the settings laid over it (the merge has
        // its own test), without the functions a device without bank 2 does not have.
        ConfigImage settings = before, merged = b.initial;
        for (int n = 64; n < ConfigImage::CfCount && !OstcProtocol::hasBank2(merged); ++n)
            settings.setCf(n, merged.cf(n));
        merged.takeUserSettings(settings, nullptr);
        if (command == Write)
            QVERIFY(merged.equalForReadback(b.device.image()));
        if (command == Clock)
            QCOMPARE(b.device.clock(), QByteArray("\x0E\x03\x09\x0C\x05\x1A"));
        // Progress, where shown, counts each whole percentage once.
        QCOMPARE(b.progress.size() % 101, 0);
        for (int i = 0; i < b.progress.size(); ++i)
            QCOMPARE(b.progress[i], i);
        if (command != Firmware)
            return;
        QCOMPARE(b.device.programMemory().left(HexImage::FirmwareSize), firmware);
        QVERIFY(b.device.rebooted());
        // Blocks 64, 128, ..., 98048, then 0; past the end of the data a block is unprogrammed
        // flash.
        QCOMPARE(b.device.blockOrder().size(), 1533);
        for (int i = 0; i < 1533; ++i)
            QCOMPARE(b.device.blockOrder()[i], quint32((i + 1) % 1533 * 64));
        QCOMPARE(OstcProtocol::blockBytes(firmware.left(65), 64).mid(4, 3),
                 firmware.mid(64, 1) + "\xFF\xFF");
    }

    void screenDump()
    {
        Bench b;
        QCOMPARE(b.ostc.screenDump(port).convertToFormat(QImage::Format_RGB32),
                 b.device.screen().convertToFormat(QImage::Format_RGB32));
        // Console: connecting, the finished progress line, the break, the thumbnail.
        QCOMPARE(b.lines.mid(0, 3), QStringList({"Connecting SIM", "Screen dumped.", "<br>"}));
        QVERIFY(b.lines.value(3).startsWith("<img src='data:image/png;base64,"));
        // Per column: 10 white, 20 of a colour (0xF81F), then black runs of 128 of which the second
        // is cut at the column's end: the stream is used up exactly, so no read runs past it.
        OstcFaults f;
        for (int x = 0; x < 320; ++x)
            f.screenStream += QByteArray("\xC9\x93\xF8\x1F\x7F\x7F", 6);
        b.device.setFaults(f);
        const qint64 before = b.device.lineBytes();
        const QImage image = b.ostc.screenDump(port);
        QCOMPARE(image.pixel(5, 9), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(5, 10), qRgb(255, 0, 255));
        QCOMPARE(image.pixel(319, 29), qRgb(255, 0, 255));
        QCOMPARE(image.pixel(319, 30), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(200, 239), qRgb(0, 0, 0));
        QCOMPARE(b.device.lineBytes() - before, qint64(2 + 320 * 6));
    }

    void saveScreenDump()
    {
        // ".png" is added unless the name ends in one of five suffixes (case-sensitive), and the
        // image is saved in the suffix's format; a name that cannot be written gives none.
        QTemporaryDir dir;
        const QImage screen = OstcDevice::diveScreen();
        QCOMPARE(SerialOSTC::saveScreenDump(screen, dir.filePath("a.PNG")),
                 dir.filePath("a.PNG.png"));
        QCOMPARE(QImageReader(SerialOSTC::saveScreenDump(screen, dir.filePath("b.jpg"))).format(),
                 QByteArray("jpeg"));
        QVERIFY(errorOf([&] {
                    SerialOSTC::saveScreenDump(screen, dir.filePath("gone/c.png"));
                }).contains(dir.filePath("gone/c.png")));
        // The dump folder falls back to the documents when the last one is gone.
        QStandardPaths::setTestModeEnabled(true);
        QCOMPARE(SerialOSTC::screenDumpFolder(dir.filePath("gone")),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    }
};

QTEST_GUILESS_MAIN(TestOstcProtocol)
#include "test_ostc_protocol.moc"
