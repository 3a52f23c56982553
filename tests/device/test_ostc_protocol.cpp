// The device commands against the simulated OSTC on an in-memory line (virtual clock). One
// table holds every command's result and every failure and retry rule: the console text and
// progress, the time on the line, what the device and the program hold afterwards (the
// firmware block by block, an unchanged current image after a failure) and a released port.
// The screen dump's decoding and its file are checked in detail on their own.
#include "device/config_image.h"
#include "device/hex_image.h"
#include "device/message_sink.h"
#include "device/ostc_protocol.h"
#include "device/serial_ostc.h"
#include "device/serial_port.h"
#include "hex_records.h"
#include "tools/ostc_simulator.h"

#include <QImageReader>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <numeric>

namespace
{

const QString port = QStringLiteral("SIM");
const QDateTime when(QDate(2026, 12, 5), QTime(14, 3, 9));
enum Command { Read, Write, WriteWithClock, Clock, Dump, Firmware };

// The console, with the progress percentages it was shown (overwriting lines).
class ProgressSink : public CollectingSink
{
public:
    using CollectingSink::message;
    void message(const QString& line, bool overwrite) override
    {
        if (overwrite && line.endsWith('%'))
            progress.append(line.trimmed().chopped(1).toInt());
        CollectingSink::message(line, overwrite);
    }
    QVector<int> progress;
};

// Words such as "minor=21 echo=100 times=2 silent=300 opens=10 cf5=19 badBattery": the
// device's firmware and faults (the fields of OstcFaults), refused opens, a current CF value.
struct Spec : QMap<QString, QString> {
    explicit Spec(const QString& text)
    {
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
            insert(word.section('=', 0, 0), word.section('=', 1));
    }
    qint64 operator()(const QString& key, qint64 absent = -1) const
    {
        return contains(key) ? value(key).toLongLong(nullptr, 0) : absent;
    }
};

// The settings a user edits, all different from the simulator's; the serial and the
// default mixes are never written to a device.
void editSettings(ConfigImage& im)
{
    for (int n = 0; n < ConfigImage::CfCount; ++n)
        if (ConfigImage::checkCf(n, quint16(ConfigImage::cfDefinition(n).def + 1)).isEmpty())
            im.setCf(n, quint16(ConfigImage::cfDefinition(n).def + 1));
    im.setGasO2(1, 28);
    im.setSetpoint(2, 130);
    im.setCustomText(QStringLiteral("Backup test"));
    im.setWord(ConfigImage::serial, 9999);
    im.setGasDefaultO2(2, 40);
}

// A device, the line to it, and a program with its current image of edited settings.
struct Bench {
    explicit Bench(const QString& text = QString())
        : spec(text), device(int(spec("major", 2)), int(spec("minor", 22))), transport(device),
          serial(&transport), current(ConfigImage::defaultImage()),
          ostc(
              &sink, current, [this] { ++refreshes; }, &serial)
    {
        OstcFaults f;
        f.wrongEchoAt = int(spec("echo"));
        f.wrongEchoTimes = int(spec("times", 1));
        f.silentAfter = spec("silent");
        f.closeAfter = spec("close");
        f.ignoreWriteAt = int(spec("ignore"));
        f.refuseBlockAt = spec("refuse");
        f.badSerial = spec.contains("badSerial");
        f.badDecoType = spec.contains("badDeco");
        f.badBattery = spec.contains("badBattery");
        device.setFaults(f);
        transport.refuseOpens(int(spec("opens", 0)));
        initial = device.image();
        editSettings(current);
        for (int n = 0; n < ConfigImage::CfCount; ++n)
            current.setCf(n, quint16(spec(QStringLiteral("cf%1").arg(n), current.cf(n))));
    }
    bool run(int command, const QString& hexFile = QString())
    {
        if (command == Read)
            return ostc.readConfiguration(port);
        if (command == Write || command == WriteWithClock)
            return ostc.writeConfiguration(port, command == WriteWithClock);
        if (command == Clock)
            return ostc.setClock(port, when);
        if (command == Dump)
            return !ostc.screenDump(port).isNull();
        return ostc.upgradeFirmware(port, hexFile);
    }
    const Spec spec;
    OstcDevice device;
    SimulatorTransport transport;
    SerialPort serial;
    ProgressSink sink;
    ConfigImage initial, current;
    int refreshes = 0;
    SerialOSTC ostc;
};

// Each whole percentage once, in order.
const QVector<int> zeroToHundred = [] {
    QVector<int> all(101);
    std::iota(all.begin(), all.end(), 0);
    return all;
}();

// A firmware image of the whole area, in a HEX file (with a broken record at the end).
QByteArray firmware()
{
    QByteArray data(int(HexImage::FirmwareSize), char(0));
    for (int i = 0; i < data.size(); ++i)
        data[i] = char((i * 7 + i / 256) & 0xFF);
    return data;
}

QString firmwareFile(const QTemporaryDir& dir, bool broken = false)
{
    QFile f(dir.filePath("ostc.hex"));
    f.open(QIODevice::WriteOnly);
    f.write(hexFile(firmware()) + (broken ? ":0200000012340B\n" : ""));
    return f.fileName();
}

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
        auto row = [](const char* name, Command command, const char* spec, const char* error,
                      qint64 ms = -1, const char* seen = "") {
            QTest::newRow(name) << int(command) << QString(spec) << QString(error) << ms
                                << QString(seen);
        };
        const char* download = "Downloading OSTC configuration";
        const char* upload = "Uploading OSTC configuration";
        // The banks a device has are read: bank 2 from firmware 2.22 on.
        row("read: 2.22", Read, "", "", 0, "Reading OSTC 4321 done.");
        // The banks are written and read back with a pause of 2 s after each bank and of 1 ms
        // after each command; a device before 2.22 has no bank 2 and keeps its own CF64..CF95.
        row("write: 2.22", Write, "", "", 3 * 2001, "CFIII...\nCFIII done.\nProgramming OSTC 4321");
        row("write: 2.21", Write, "minor=21", "", 2 * 2001, "CFII done.\nProgramming OSTC 4321");
        row("write: 3.0", Write, "major=3 minor=0", "", 3 * 2001, "CFIII done.");
        // Stopping errors of the image read, before anything is written.
        row("read: bad serial", Read, "badSerial", "EEPROM: bad serial");
        row("write: bad deco type", Write, "badDeco", "EEPROM: bad deco type");
        // Ten attempts at a read; a silent device costs a read time-out and a pause before each
        // new attempt, a dropped line fails at once and the reopen finds no device.
        row("read: 9 refused opens", Read, "opens=9", "", 0);
        row("read: 10 refused opens", Read, "opens=10", download, 0);
        row("read: silent device", Read, "silent=0", download,
            10 * (SerialPort::ReadTimeoutMs + 200));
        row("read: silent in bank 1", Read, "silent=300", download, 2 * 2000 + 200 + 9 * 2200);
        row("read: line closed in bank 0", Read, "close=100", download, 200);
        // Two attempts at the write sequence, each from bank 0.
        row("write: command echo once", Write, "echo=0", "");
        row("write: command echo twice", Write, "echo=0 times=2", upload);
        row("write: byte 100 twice", Write, "echo=100 times=2", upload);
        row("write: last byte always", Write, "echo=252 times=-1", upload);
        // The readback compares everything but the battery block, which is repaired when bad.
        row("write: CF32 not stored", Write, "ignore=386", "Readback differ");
        row("write: bad battery repaired", Write, "badBattery", "", -1,
            "Battery: bad cycle count 5000");
        row("write: battery block not stored", Write, "badBattery ignore=50", "");
        // Custom functions outside their limits are never sent (CF64.. where the device has them).
        row("write: CF05 over max", Write, "cf5=19", "CF05: value 19, max 18");
        row("write: CF67 in bank 2", Write, "cf67=4", "CF67: value 4 %, min 5 %");
        row("write: CF67 without bank 2", Write, "minor=21 cf67=4", "");
        // Ten attempts at the clock; before a write its failure is reported and the write goes on.
        row("clock: first try", Clock, "", "", 101, "Date and time set to 14:03:09 05.12.2026");
        row("clock: 10 wrong echoes", Clock, "echo=0 times=10", "Sync failed");
        row("clock: silent", Clock, "silent=0", "Sync failed");
        row("clock: port will not open", Clock, "opens=1", "Unable to open port");
        row("write: clock set first", WriteWithClock, "", "", -1, "Date and time set to ");
        row("write: clock fails first", WriteWithClock, "echo=0 times=10", "", -1,
            "<font color='red'>SYNC FAILED</font>: Sync failed");
        // Two attempts at a screen dump.
        row("dump: wrong echo once", Dump, "echo=0", "");
        row("dump: wrong echo twice", Dump, "echo=0 times=2", "Dump screen failed");
        row("dump: line closed mid-stream", Dump, "close=500", "Dump screen failed");
        // One attempt at a firmware upgrade; a missing or broken file never reaches the device.
        // The boot loader's pauses: 500 + 10 + 100, 20 per block, 500 at the end.
        row("firmware: whole image", Firmware, "", "", 500 + 10 + 100 + 1533 * 20 + 500,
            "<font color='green'>OSTC upgrade done. rebooting...</font>");
        row("firmware: block 64 refused", Firmware, "refuse=64", "Bad checksum at 0x000040");
        row("firmware: silent boot loader", Firmware, "silent=0", "Cannot sync firmware upgrade");
        row("firmware: silent mid-transfer", Firmware, "silent=5000", "readByte error");
        row("firmware: line closed at start", Firmware, "close=0", "Cannot start firmware upgrade");
        row("firmware: line closed mid-transfer", Firmware, "close=5000", "Write failed");
        row("firmware: no file", Firmware, "nofile", "Can't open HEX file");
        row("firmware: broken file", Firmware, "badfile", "Bad HEX checksum");
    }

    void failuresAndRetries()
    {
        QFETCH(int, command);
        QFETCH(QString, spec);
        QFETCH(QString, error);
        QFETCH(qint64, ms);
        QFETCH(QString, seen);
        QTemporaryDir dir;
        QString hex = dir.filePath("missing.hex");
        if (command == Firmware && spec != "nofile")
            hex = firmwareFile(dir, spec == "badfile");
        Bench b(spec);
        const ConfigImage before = b.current;
        QCOMPARE(b.run(command, hex), error.isEmpty());
        QVERIFY(!b.serial.isOpen());
        if (ms >= 0)
            QCOMPARE(b.transport.virtualMs(), ms);
        QVERIFY2(b.sink.lines.join('\n').contains(seen), qPrintable(b.sink.lines.join('\n')));
        if (error.isEmpty()) {
            // The program holds what the device holds, its battery block (and a bank 2 it does
            // not have) aside.
            ConfigImage held = b.current;
            if (!OstcProtocol::hasBank2(b.device.image()))
                held.setBank(2, b.device.image().bank(2));
            if (command <= WriteWithClock)
                QVERIFY(held.equalForReadback(b.device.image()));
            QCOMPARE(b.refreshes, command <= WriteWithClock ? 1 : 0);
            // A write leaves the device its own image with the settings laid over it (the merge
            // has its own test), without the functions a device without bank 2 does not have.
            ConfigImage settings = before, merged = b.initial;
            for (int n = 64; n < ConfigImage::CfCount && !OstcProtocol::hasBank2(merged); ++n)
                settings.setCf(n, merged.cf(n));
            merged.takeUserSettings(settings, nullptr);
            if (command == Write)
                QVERIFY(merged.equalForReadback(b.device.image()));
            if (command == Clock)
                QCOMPARE(b.device.clock(), QByteArray("\x0E\x03\x09\x0C\x05\x1A"));
            // Progress, where shown, counts each whole percentage once.
            QVERIFY(b.sink.progress.isEmpty() || b.sink.progress == zeroToHundred);
            if (command != Firmware)
                return;
            QCOMPARE(b.device.programMemory().left(HexImage::FirmwareSize), firmware());
            QVERIFY(b.device.rebooted());
            // Blocks 64, 128, ..., 98048, then 0; past the end of the data a block is
            // unprogrammed flash.
            QVector<quint32> order;
            for (quint32 at = 64; at < HexImage::FirmwareSize; at += 64)
                order << at;
            QCOMPARE(b.device.blockOrder(), order << 0);
            QCOMPARE(OstcProtocol::blockBytes(firmware().left(65), 64).mid(4, 3),
                     firmware().mid(64, 1) + "\xFF\xFF");
            return;
        }
        const char* failed[] = {
            "FAILED: </font> ",     "FAILED: </font> ", "",
            "SYNC FAILED</font>: ", "FAILED</font>: ",  "UPGRADE FAILED</font>: "};
        QCOMPARE(b.sink.lines.last(), "<font color='red'>" + QString(failed[command]) + error);
        QVERIFY(b.current == before);
        QCOMPARE(b.refreshes, 0);
        QVERIFY(b.device.clock().size() < 6 && !b.device.rebooted());
        QVERIFY(!b.device.blockOrder().contains(0));
        if (command == Write && !error.startsWith("Upload") && !error.startsWith("Readback"))
            QCOMPARE(b.device.bankWrites(0), 0);
        if (error.contains("HEX"))
            QCOMPARE(b.device.lineBytes(), qint64(0));
    }

    void screenDump()
    {
        Bench b;
        QCOMPARE(b.ostc.screenDump(port).convertToFormat(QImage::Format_RGB32),
                 b.device.screen().convertToFormat(QImage::Format_RGB32));
        // Console: connecting, the finished progress line, the break, the thumbnail.
        QCOMPARE(b.sink.lines.mid(0, 3), QStringList({"Connecting SIM", "Screen dumped.", "<br>"}));
        QVERIFY(b.sink.lines.value(3).startsWith("<img src='data:image/png;base64,"));
        // Per column: 10 white, 20 of a colour, then black runs of 128 of which the second is
        // cut at the column's end: the stream is used up exactly, so no read runs past it.
        OstcFaults f;
        for (int x = 0; x < 320; ++x)
            f.screenStream += QByteArray("\xC9\x93\xF8\x1F\x7F\x7F", 6);
        b.device.setFaults(f);
        const qint64 before = b.device.lineBytes();
        const QImage image = b.ostc.screenDump(port);
        QCOMPARE(image.pixel(5, 9), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(5, 10), qRgb(255, 0, 255)); // 0xF81F
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
        QCOMPARE(SerialOSTC::screenDumpFileName("d.jpeg"), QStringLiteral("d.jpeg"));
        QCOMPARE(SerialOSTC::saveScreenDump(screen, dir.filePath("a.PNG")),
                 dir.filePath("a.PNG.png"));
        QCOMPARE(QImageReader(SerialOSTC::saveScreenDump(screen, dir.filePath("b.jpg"))).format(),
                 QByteArray("jpeg"));
        QCOMPARE(SerialOSTC::saveScreenDump(screen, dir.filePath("gone/c.png")), QString());
        // The dump folder falls back to the documents when the last one is gone.
        QStandardPaths::setTestModeEnabled(true);
        QCOMPARE(SerialOSTC::screenDumpFolder(dir.filePath("gone")),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    }
};

QTEST_GUILESS_MAIN(TestOstcProtocol)
#include "test_ostc_protocol.moc"
