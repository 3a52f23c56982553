// The device commands against the simulated OSTC on an in-memory line (virtual clock):
// every failure text and retry rule of download, upload, clock, screen dump and firmware
// upgrade, and after every failure an unchanged current image and a released port.
#include "device/config_image.h"
#include "device/hex_image.h"
#include "device/message_sink.h"
#include "device/ostc_protocol.h"
#include "device/serial_ostc.h"
#include "device/serial_port.h"
#include "tools/ostc_simulator.h"

#include <QImageReader>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

const QString port = QStringLiteral("SIM");

// Keeps every call, overwriting ones included, to check progress lines one by one.
class RecordingSink : public CollectingSink
{
public:
    void message(const QString& line, bool overwrite) override
    {
        calls.append(qMakePair(line, overwrite));
        CollectingSink::message(line, overwrite);
    }
    using CollectingSink::message;
    QVector<QPair<QString, bool>> calls;
    bool saw(const QString& text) const { return lines.join('\n').contains(text); }
    // Progress: each whole percentage once, in order, each overwriting the last.
    bool countsToHundred() const
    {
        QVector<int> progress, expected;
        for (const auto& call : calls)
            if (call.second && call.first.endsWith('%'))
                progress.append(call.first.trimmed().chopped(1).toInt());
        for (int i = 0; i <= 100; ++i)
            expected.append(i);
        return progress == expected;
    }
};

// A device, the line to it, and a program with its current image.
struct Bench {
    explicit Bench(int major = 2, int minor = 22, const OstcFaults& faults = OstcFaults())
        : device(major, minor), transport(device), serial(&transport),
          current(ConfigImage::defaultImage()),
          ostc(
              &sink, current, [this] { ++refreshes; }, &serial)
    {
        device.setFaults(faults);
    }
    OstcDevice device;
    SimulatorTransport transport;
    SerialPort serial;
    RecordingSink sink;
    ConfigImage current;
    int refreshes = 0;
    SerialOSTC ostc;
};

QString failedLine(const QString& error)
{
    return QStringLiteral("<font color='red'>FAILED: </font> ") + error;
}

// The settings a user edits, all different from the simulator's.
void editSettings(ConfigImage& im)
{
    for (int n = 0; n < ConfigImage::CfCount; ++n)
        if (ConfigImage::checkCf(n, quint16(ConfigImage::cfDefinition(n).def + 1)).isEmpty())
            im.setCf(n, quint16(ConfigImage::cfDefinition(n).def + 1));
    im.setGasO2(1, 28);
    im.setGasHe(5, 35);
    im.setGasDepth(4, 6);
    im.setSetpoint(2, 130);
    im.setByte(ConfigImage::deco_type, 3);
    im.setByte(ConfigImage::salinity, 103);
    im.setByte(ConfigImage::first_gas, 2);
    im.setByte(ConfigImage::active_gases, 0x1F);
    im.setCustomText(QStringLiteral("Backup test"));
    // Never written to a device:
    im.setWord(ConfigImage::serial, 9999);
    im.setGasDefaultO2(2, 40);
    im.setGasDefaultHe(2, 20);
}

QByteArray firmware()
{
    QByteArray data(int(HexImage::FirmwareSize), char(0));
    for (int i = 0; i < data.size(); ++i)
        data[i] = char((i * 7 + i / 256) & 0xFF);
    return data;
}

} // namespace

class TestOstcProtocol : public QObject
{
    Q_OBJECT

private slots:
    void downloadReadsBanks_data();
    void downloadReadsBanks();
    void downloadOlderFirmwareTakesCfDefaults();
    void readStoppingErrors_data();
    void readStoppingErrors();
    void downloadRetries_data();
    void downloadRetries();
    void uploadWritesSettingsOnly_data();
    void uploadWritesSettingsOnly();
    void uploadOlderFirmwareKeepsOwnCfs();
    void uploadWrongEcho_data();
    void uploadWrongEcho();
    void uploadRepairsBadBattery();
    void uploadReadbackDiffers();
    void uploadRefusesCfOutOfLimits_data();
    void uploadRefusesCfOutOfLimits();
    void uploadSetsClockFirst();
    void setClock_data();
    void setClock();
    void screenDump();
    void screenStreamOfControlBytes();
    void screenStreamRuns();
    void screenDumpFails_data();
    void screenDumpFails();
    void screenDumpFileName_data();
    void screenDumpFileName();
    void saveScreenDumpAndFolders();
    void firmwareUpgrade();
    void firmwareFails_data();
    void firmwareFails();
    void blockBytes();
};

// ---- download ------------------------------------------------------------------------

void TestOstcProtocol::downloadReadsBanks_data()
{
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("bankReads");
    QTest::newRow("2.22 with bank 2") << 22 << 3;
    QTest::newRow("2.21 without bank 2") << 21 << 2;
}

void TestOstcProtocol::downloadReadsBanks()
{
    QFETCH(int, minor);
    QFETCH(int, bankReads);
    Bench b(2, minor);
    QVERIFY(b.ostc.readConfiguration(port));
    QCOMPARE(b.sink.lines.first(), QStringLiteral("Connecting SIM"));
    QCOMPARE(b.sink.lines.last(), QStringLiteral("Reading OSTC 4321 done."));
    QCOMPARE(b.refreshes, 1);
    QCOMPARE(b.current.bank(0), b.device.image().bank(0));
    QCOMPARE(b.current.bank(1), b.device.image().bank(1));
    if (bankReads == 3)
        QCOMPARE(b.current.bank(2), b.device.image().bank(2));
    QCOMPARE(b.device.lineBytes(), qint64(bankReads * 257));
    QVERIFY(!b.serial.isOpen());
}

void TestOstcProtocol::downloadOlderFirmwareTakesCfDefaults()
{
    Bench b(2, 21);
    editSettings(b.current); // CF64..CF95 differ from the table before the read
    QVERIFY(b.ostc.readConfiguration(port));
    for (int n = 64; n < ConfigImage::CfCount; ++n)
        QCOMPARE(b.current.cf(n), ConfigImage::cfDefinition(n).def);
    QCOMPARE(b.current.cf(33), quint16(80)); // bank 1 came from the device
}

void TestOstcProtocol::readStoppingErrors_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("error");
    QTest::newRow("serial") << 0 << "EEPROM: bad serial";
    QTest::newRow("firmware") << 1 << "EEPROM: bad firmware version";
    QTest::newRow("deco type") << 2 << "EEPROM: bad deco type";
}

void TestOstcProtocol::readStoppingErrors()
{
    QFETCH(int, fault);
    QFETCH(QString, error);
    OstcFaults f;
    f.badSerial = fault == 0;
    f.badFirmware = fault == 1;
    f.badDecoType = fault == 2;
    for (int write = 0; write < 2; ++write) {
        Bench b(2, 22, f);
        editSettings(b.current);
        const ConfigImage before = b.current;
        QVERIFY(write ? !b.ostc.writeConfiguration(port) : !b.ostc.readConfiguration(port));
        QCOMPARE(b.sink.lines.last(), failedLine(error));
        QVERIFY(b.current == before);
        QCOMPARE(b.refreshes, 0);
        QVERIFY(!b.serial.isOpen());
        QCOMPARE(b.device.bankWrites(0), 0);
    }
}

void TestOstcProtocol::downloadRetries_data()
{
    QTest::addColumn<int>("refusedOpens");
    QTest::addColumn<qint64>("silentAfter");
    QTest::addColumn<qint64>("closeAfter");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<qint64>("waitedMs");
    QTest::newRow("9 refused opens") << 9 << qint64(-1) << qint64(-1) << true << qint64(0);
    QTest::newRow("10 refused opens") << 10 << qint64(-1) << qint64(-1) << false << qint64(0);
    // A silent device costs a read time-out and the pause before each new attempt.
    QTest::newRow("silent device")
        << 0 << qint64(0) << qint64(-1) << false << qint64(10 * (SerialPort::ReadTimeoutMs + 200));
    // Bank 1 breaks off after 42 bytes: that read and the next one both time out.
    QTest::newRow("silent in bank 1")
        << 0 << qint64(300) << qint64(-1) << false << qint64(2 * 2000 + 200 + 9 * 2200);
    // A dropped line fails at once; the reopen finds no device.
    QTest::newRow("line closed in bank 0")
        << 0 << qint64(-1) << qint64(100) << false << qint64(200);
}

void TestOstcProtocol::downloadRetries()
{
    QFETCH(int, refusedOpens);
    QFETCH(qint64, silentAfter);
    QFETCH(qint64, closeAfter);
    QFETCH(bool, succeeds);
    OstcFaults f;
    f.silentAfter = silentAfter;
    f.closeAfter = closeAfter;
    Bench b(2, 22, f);
    b.transport.refuseOpens(refusedOpens);
    const ConfigImage before = b.current;
    QCOMPARE(b.ostc.readConfiguration(port), succeeds);
    QVERIFY(!b.serial.isOpen());
    if (succeeds) {
        QCOMPARE(b.current.bank(0), b.device.image().bank(0));
        return;
    }
    QCOMPARE(b.sink.lines.last(), failedLine(QStringLiteral("Downloading OSTC configuration")));
    QVERIFY(b.current == before);
    QFETCH(qint64, waitedMs);
    QCOMPARE(b.transport.virtualMs(), waitedMs);
}

// ---- upload --------------------------------------------------------------------------

void TestOstcProtocol::uploadWritesSettingsOnly_data()
{
    QTest::addColumn<int>("minor");
    QTest::newRow("2.22") << 22;
    QTest::newRow("3.0") << 100; // 3.x through the major number below
}

void TestOstcProtocol::uploadWritesSettingsOnly()
{
    QFETCH(int, minor);
    Bench b(minor == 100 ? 3 : 2, minor == 100 ? 0 : minor);
    const ConfigImage device = b.device.image();
    editSettings(b.current);
    const ConfigImage edited = b.current;
    QVERIFY(b.ostc.writeConfiguration(port));

    // The device holds its own image with the edited settings laid over it (the merge has a
    // test of its own): never the program's serial or gas defaults.
    const ConfigImage& now = b.device.image();
    ConfigImage merged = device;
    QVERIFY(merged.takeUserSettings(edited, nullptr));
    QVERIFY(now == merged);
    QCOMPARE(now.word(ConfigImage::serial), quint16(OstcDevice::DefaultSerial));
    QCOMPARE(now.gasDefaultO2(2), device.gasDefaultO2(2));
    QCOMPARE(now.customText(), QStringLiteral("Backup test"));
    for (int bank = 0; bank < 3; ++bank)
        QCOMPARE(b.device.bankWrites(bank), 1);

    // The program now holds exactly what the device holds.
    QVERIFY(b.current == now);
    QCOMPARE(b.refreshes, 1);
    QVERIFY(!b.serial.isOpen());
    const QStringList expected = {
        QStringLiteral("Connecting SIM"), QStringLiteral("CFI..."),
        QStringLiteral("CFI done."),      QStringLiteral("CFII..."),
        QStringLiteral("CFII done."),     QStringLiteral("CFIII..."),
        QStringLiteral("CFIII done."),    QStringLiteral("Programming OSTC 4321 done.")};
    QCOMPARE(b.sink.lines, expected);
    // Three pauses of 2 s after the banks, three 1 ms pauses after the commands.
    QCOMPARE(b.transport.virtualMs(), qint64(3 * 2000 + 3));
}

void TestOstcProtocol::uploadOlderFirmwareKeepsOwnCfs()
{
    Bench b(2, 21);
    const QByteArray bank2 = b.device.image().bank(2);
    editSettings(b.current); // CF64..CF95 changed, but the device has no bank 2
    QVERIFY2(b.ostc.writeConfiguration(port), qPrintable(b.sink.lines.join('\n')));
    QVERIFY(!b.sink.saw(QStringLiteral("Readback differ")));
    QCOMPARE(b.device.bankWrites(0), 1);
    QCOMPARE(b.device.bankWrites(1), 1);
    QCOMPARE(b.device.bankWrites(2), 0);
    QCOMPARE(b.device.image().bank(2), bank2);
    QCOMPARE(b.device.image().cf(40), b.current.cf(40));
    for (int n = 64; n < ConfigImage::CfCount; ++n)
        QCOMPARE(b.current.cf(n), ConfigImage::cfDefinition(n).def);
    QVERIFY(!b.sink.lines.contains(QStringLiteral("CFIII...")));
    QVERIFY(!b.serial.isOpen());
}

void TestOstcProtocol::uploadWrongEcho_data()
{
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("times");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("command echo once") << 0 << 1 << true;
    QTest::newRow("byte 100 once") << 100 << 1 << true;
    QTest::newRow("command echo twice") << 0 << 2 << false;
    QTest::newRow("byte 100 twice") << 100 << 2 << false;
    QTest::newRow("last byte always") << 252 << -1 << false;
}

void TestOstcProtocol::uploadWrongEcho()
{
    QFETCH(int, at);
    QFETCH(int, times);
    QFETCH(bool, succeeds);
    OstcFaults f;
    f.wrongEchoAt = at;
    f.wrongEchoTimes = times;
    Bench b(2, 22, f);
    editSettings(b.current);
    const ConfigImage before = b.current;
    QCOMPARE(b.ostc.writeConfiguration(port), succeeds);
    QVERIFY(!b.serial.isOpen());
    if (succeeds) {
        QCOMPARE(b.current.cf(32), before.cf(32));
        QCOMPARE(b.device.image().cf(32), before.cf(32));
        QCOMPARE(b.sink.lines.count(QStringLiteral("CFI...")), 2);
        return;
    }
    QCOMPARE(b.sink.lines.last(), failedLine(QStringLiteral("Uploading OSTC configuration")));
    QCOMPARE(b.sink.lines.count(QStringLiteral("CFI...")), 2);
    QVERIFY(b.current == before);
}

void TestOstcProtocol::uploadRepairsBadBattery()
{
    OstcFaults f;
    f.badBattery = true;
    Bench b(2, 22, f);
    QVERIFY(b.ostc.writeConfiguration(port));
    QVERIFY(b.sink.saw(QStringLiteral("Battery: bad cycle count 5000")));
    ConfigImage reset = b.device.image();
    reset.resetBattery();
    QVERIFY(reset == b.device.image());
    QCOMPARE(b.device.image().word(ConfigImage::cycle_count), quint16(1));
}

void TestOstcProtocol::uploadReadbackDiffers()
{
    OstcFaults f;
    f.ignoreWriteAt = ConfigImage::cfOffset(32) + 2; // CF32's current value
    Bench b(2, 22, f);
    editSettings(b.current);
    const ConfigImage before = b.current;
    QVERIFY(!b.ostc.writeConfiguration(port));
    QCOMPARE(b.sink.lines.last(), failedLine(QStringLiteral("Readback differ")));
    QVERIFY(b.current == before);
    QVERIFY(!b.serial.isOpen());

    // The battery block alone never makes a difference.
    OstcFaults g;
    g.ignoreWriteAt = ConfigImage::cycle_count;
    Bench c(2, 22, g);
    c.current.setWord(ConfigImage::cycle_count, 77);
    QVERIFY(c.ostc.writeConfiguration(port));
}

void TestOstcProtocol::uploadRefusesCfOutOfLimits_data()
{
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("cf");
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("error"); // empty: written
    QTest::newRow("CF05 over max") << 22 << 5 << 19 << "CF05: value 19, max 18";
    QTest::newRow("CF67 in bank 2") << 22 << 67 << 4 << "CF67: value 4 %, min 5 %";
    QTest::newRow("CF67 without bank 2") << 21 << 67 << 4 << "";
}

void TestOstcProtocol::uploadRefusesCfOutOfLimits()
{
    QFETCH(int, minor);
    QFETCH(int, cf);
    QFETCH(int, raw);
    QFETCH(QString, error);
    Bench b(2, minor);
    b.current.setCf(cf, quint16(raw));
    QCOMPARE(b.ostc.writeConfiguration(port), error.isEmpty());
    QCOMPARE(b.device.bankWrites(0), error.isEmpty() ? 1 : 0);
    if (!error.isEmpty())
        QCOMPARE(b.sink.lines.last(), failedLine(error));
    QVERIFY(!b.serial.isOpen());
}

void TestOstcProtocol::uploadSetsClockFirst()
{
    OstcFaults f;
    f.wrongEchoAt = 0; // the clock command fails, the write goes on and succeeds
    f.wrongEchoTimes = 10;
    Bench b(2, 22, f);
    QVERIFY(b.ostc.writeConfiguration(port, true));
    QCOMPARE(b.sink.lines.first(),
             QStringLiteral("<font color='red'>SYNC FAILED</font>: Sync failed"));
    QCOMPARE(b.sink.lines.last(), QStringLiteral("Programming OSTC 4321 done."));

    Bench c;
    QVERIFY(c.ostc.writeConfiguration(port, true));
    QVERIFY(c.sink.lines.first().startsWith(QStringLiteral("Date and time set to ")));
    QCOMPARE(c.device.clock().size(), 6);
}

// ---- clock ---------------------------------------------------------------------------

void TestOstcProtocol::setClock_data()
{
    QTest::addColumn<int>("wrongEchoes");
    QTest::addColumn<qint64>("silentAfter");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("first try") << 0 << qint64(-1) << true;
    QTest::newRow("9 wrong echoes") << 9 << qint64(-1) << true;
    QTest::newRow("10 wrong echoes") << 10 << qint64(-1) << false;
    QTest::newRow("silent") << 0 << qint64(0) << false;
    QTest::newRow("port will not open") << -1 << qint64(-1) << false;
}

void TestOstcProtocol::setClock()
{
    QFETCH(int, wrongEchoes);
    QFETCH(qint64, silentAfter);
    QFETCH(bool, succeeds);
    OstcFaults f;
    f.wrongEchoAt = wrongEchoes > 0 ? 0 : -1;
    f.wrongEchoTimes = wrongEchoes;
    f.silentAfter = silentAfter;
    Bench b(2, 22, f);
    if (wrongEchoes < 0) {
        // The open's own text is reported.
        b.transport.refuseOpens(1);
        QVERIFY(!b.ostc.setClock(port));
        QCOMPARE(b.sink.lines, QStringList(QStringLiteral(
                                   "<font color='red'>SYNC FAILED</font>: Unable to open port")));
        return;
    }
    const QDateTime when(QDate(2026, 12, 5), QTime(14, 3, 9));
    QCOMPARE(b.ostc.setClock(port, when), succeeds);
    QVERIFY(!b.serial.isOpen());
    if (succeeds) {
        QCOMPARE(b.device.clock(), QByteArray("\x0E\x03\x09\x0C\x05\x1A", 6));
        QCOMPARE(OstcProtocol::clockBytes(when), "b" + b.device.clock());
        QCOMPARE(b.sink.lines,
                 QStringList(QStringLiteral("Date and time set to 14:03:09 05.12.2026")));
    } else {
        QCOMPARE(b.sink.lines,
                 QStringList(QStringLiteral("<font color='red'>SYNC FAILED</font>: Sync failed")));
        QVERIFY(b.device.clock().size() < 6);
    }
}

// ---- screen --------------------------------------------------------------------------

void TestOstcProtocol::screenDump()
{
    Bench b;
    const QImage image = b.ostc.screenDump(port);
    QCOMPARE(image.size(), QSize(320, 240));
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32),
             b.device.screen().convertToFormat(QImage::Format_RGB32));
    QVERIFY(!b.serial.isOpen());

    QVERIFY(b.sink.countsToHundred());

    // Console: connecting, the finished progress line, the break, the thumbnail.
    QCOMPARE(b.sink.lines.size(), 4);
    QCOMPARE(b.sink.lines[0], QStringLiteral("Connecting SIM"));
    QCOMPARE(b.sink.lines[1], QStringLiteral("Screen dumped."));
    QCOMPARE(b.sink.lines[2], QStringLiteral("<br>"));
    const QString img = b.sink.lines[3];
    QVERIFY(img.startsWith(QStringLiteral("<img src='data:image/png;base64,")));
    const QByteArray png = QByteArray::fromBase64(img.mid(32).chopped(2).toLatin1());
    QImage thumb;
    QVERIFY(thumb.loadFromData(png, "PNG"));
    QCOMPARE(thumb.size(), QSize(200, 150));
}

void TestOstcProtocol::screenStreamOfControlBytes()
{
    // Two runs of 128 black pixels per column, the second cut to 112: the stream is
    // used up exactly, so no read runs past it.
    OstcFaults f;
    f.screenStream = QByteArray(2 * 320, char(0x7F));
    Bench b(2, 22, f);
    const QImage image = b.ostc.screenDump(port);
    QVERIFY(!image.isNull());
    for (int x = 0; x < 320; x += 17)
        for (int y = 0; y < 240; y += 13)
            QCOMPARE(image.pixel(x, y), qRgb(0, 0, 0));
    QCOMPARE(b.device.lineBytes(), qint64(2 + 640));
}

void TestOstcProtocol::screenStreamRuns()
{
    // Per column: 10 white, 20 of a colour, the rest black in two runs.
    QByteArray column;
    column.append(char(0xC0 | 9)).append(char(0x80 | 19)).append(char(0xF8)).append(char(0x1F));
    column.append(char(0x7F)).append(char(0x7F));
    OstcFaults f;
    for (int x = 0; x < 320; ++x)
        f.screenStream += column;
    Bench b(2, 22, f);
    const QImage image = b.ostc.screenDump(port);
    QCOMPARE(image.pixel(5, 9), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(5, 10), qRgb(255, 0, 255)); // 0xF81F
    QCOMPARE(image.pixel(319, 29), qRgb(255, 0, 255));
    QCOMPARE(image.pixel(319, 30), qRgb(0, 0, 0));
    QCOMPARE(OstcProtocol::colourFrom565(0x8410),
             qRgb(16 * 255 / 31, 32 * 255 / 63, 16 * 255 / 31));
}

void TestOstcProtocol::screenDumpFails_data()
{
    QTest::addColumn<int>("wrongEchoes");
    QTest::addColumn<qint64>("closeAfter");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("wrong echo once") << 1 << qint64(-1) << true;
    QTest::newRow("wrong echo twice") << 2 << qint64(-1) << false;
    QTest::newRow("line closed mid-stream") << 0 << qint64(500) << false;
}

void TestOstcProtocol::screenDumpFails()
{
    QFETCH(int, wrongEchoes);
    QFETCH(qint64, closeAfter);
    QFETCH(bool, succeeds);
    OstcFaults f;
    f.wrongEchoAt = wrongEchoes ? 0 : -1;
    f.wrongEchoTimes = wrongEchoes;
    f.closeAfter = closeAfter;
    Bench b(2, 22, f);
    const ConfigImage before = b.current;
    const QImage image = b.ostc.screenDump(port);
    QCOMPARE(!image.isNull(), succeeds);
    QVERIFY(!b.serial.isOpen());
    QVERIFY(b.current == before);
    if (!succeeds)
        QCOMPARE(b.sink.lines.last(),
                 QStringLiteral("<font color='red'>FAILED</font>: Dump screen failed"));
}

void TestOstcProtocol::screenDumpFileName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");
    for (const char* kept : {"dump.tif", "dump.tiff", "dump.jpg", "dump.jpeg", "dump.png"})
        QTest::newRow(kept) << kept << kept;
    QTest::newRow("no suffix") << "dump"
                               << "dump.png";
    QTest::newRow("upper-case PNG") << "dump.PNG"
                                    << "dump.PNG.png";
    QTest::newRow("other suffix") << "dump.bmp"
                                  << "dump.bmp.png";
}

void TestOstcProtocol::screenDumpFileName()
{
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QCOMPARE(SerialOSTC::screenDumpFileName(chosen), saved);
}

void TestOstcProtocol::saveScreenDumpAndFolders()
{
    QTemporaryDir dir;
    const QImage screen = OstcDevice::diveScreen();
    const QString png = SerialOSTC::saveScreenDump(screen, dir.filePath("a"));
    QCOMPARE(png, dir.filePath("a.png"));
    QImage back(png, "PNG");
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32),
             screen.convertToFormat(QImage::Format_RGB32));
    const QString jpg = SerialOSTC::saveScreenDump(screen, dir.filePath("b.jpg"));
    QCOMPARE(jpg, dir.filePath("b.jpg"));
    QCOMPARE(QImageReader(jpg).format(), QByteArray("jpeg"));
    QCOMPARE(SerialOSTC::saveDialogTitle(), QStringLiteral("Save screen dump..."));

    // The dump folder falls back to the documents when the last one is gone.
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(SerialOSTC::screenDumpFolder(dir.path()), dir.path());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(SerialOSTC::screenDumpFolder(dir.filePath("gone")), documents);
    QCOMPARE(SerialOSTC::screenDumpFolder(QString()), documents);
    QVERIFY(SerialOSTC::firmwareFolder().endsWith(QStringLiteral("/Bathyra/firmware")));
    QCOMPARE(SerialOSTC::firmwareDialogTitle(), QStringLiteral("Firmware..."));
}

// ---- firmware ------------------------------------------------------------------------

namespace
{

// A HEX file of the whole firmware area with linear address records every 64 KiB.
QString writeHex(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    auto record = [&](int type, quint16 address, const QByteArray& bytes) {
        QByteArray r;
        r.append(char(bytes.size())).append(char(address >> 8)).append(char(address & 0xFF));
        r.append(char(type)).append(bytes);
        quint8 sum = 0;
        for (char c : r)
            sum = quint8(sum + quint8(c));
        r.append(char(quint8(-sum)));
        f.write(":" + r.toHex().toUpper() + "\r\n");
    };
    for (int at = 0; at < data.size(); at += 16) {
        if (at % 65536 == 0)
            record(4, 0, QByteArray("\x00", 1) + char(at >> 16));
        record(0, quint16(at & 0xFFFF), data.mid(at, 16));
    }
    record(1, 0, QByteArray());
    return path;
}

} // namespace

void TestOstcProtocol::firmwareUpgrade()
{
    QTemporaryDir dir;
    const QByteArray data = firmware();
    const QString hex = writeHex(dir.filePath("ostc.hex"), data);
    Bench b;
    const ConfigImage before = b.current;
    QVERIFY2(b.ostc.upgradeFirmware(port, hex), qPrintable(b.sink.lines.join('\n')));
    QCOMPARE(b.device.programMemory().left(data.size()), data);
    QVERIFY(b.device.rebooted());

    // Blocks 64, 128, ..., 98048, then 0.
    const QVector<quint32>& order = b.device.blockOrder();
    QCOMPARE(order.size(), 1533);
    for (int i = 0; i < 1532; ++i)
        QCOMPARE(order[i], quint32(64 * (i + 1)));
    QCOMPARE(order.last(), quint32(0));

    QCOMPARE(b.sink.lines.first(), QStringLiteral("Loading 'ostc.hex'"));
    QCOMPARE(b.sink.lines[1], QStringLiteral("95.8KB loaded (100.0% of firmware area)"));
    QCOMPARE(b.sink.lines[2], QStringLiteral("Connecting SIM"));
    QCOMPARE(b.sink.lines[3],
             QStringLiteral("<font color='orange'>Starting OSTC upgrade...</font>"));
    QCOMPARE(b.sink.lines.last(),
             QStringLiteral("<font color='green'>OSTC upgrade done. rebooting...</font>"));
    QVERIFY(b.sink.countsToHundred());
    // The boot loader's pauses: 500 + 10 + 100, 20 per block, 500 at the end.
    QCOMPARE(b.transport.virtualMs(), qint64(500 + 10 + 100 + 1533 * 20 + 500));
    QVERIFY(b.current == before);
    QVERIFY(!b.serial.isOpen());
}

void TestOstcProtocol::firmwareFails_data()
{
    QTest::addColumn<qint64>("refuse");
    QTest::addColumn<qint64>("silentAfter");
    QTest::addColumn<qint64>("closeAfter");
    QTest::addColumn<bool>("missingFile");
    QTest::addColumn<QString>("error");
    QTest::newRow("block 64 refused")
        << qint64(64) << qint64(-1) << qint64(-1) << false << "Bad checksum at 0x000040";
    QTest::newRow("block 0x17F00 refused")
        << qint64(0x17F00) << qint64(-1) << qint64(-1) << false << "Bad checksum at 0x017F00";
    QTest::newRow("silent boot loader")
        << qint64(-1) << qint64(0) << qint64(-1) << false << "Cannot sync firmware upgrade";
    QTest::newRow("silent mid-transfer")
        << qint64(-1) << qint64(5000) << qint64(-1) << false << "readByte error";
    QTest::newRow("line closed at start")
        << qint64(-1) << qint64(-1) << qint64(0) << false << "Cannot start firmware upgrade";
    QTest::newRow("line closed mid-transfer")
        << qint64(-1) << qint64(-1) << qint64(5000) << false << "Write failed";
    QTest::newRow("no file") << qint64(-1) << qint64(-1) << qint64(-1) << true
                             << "Can't open HEX file";
    // A broken file never reaches the device.
    QTest::newRow("broken file") << qint64(-2) << qint64(-1) << qint64(-1) << false
                                 << "Bad HEX checksum";
}

void TestOstcProtocol::firmwareFails()
{
    QFETCH(qint64, refuse);
    QFETCH(qint64, silentAfter);
    QFETCH(qint64, closeAfter);
    QFETCH(bool, missingFile);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString hex =
        missingFile ? dir.filePath("missing.hex") : writeHex(dir.filePath("ostc.hex"), firmware());
    if (refuse == -2) {
        QFile file(hex);
        QVERIFY(file.open(QIODevice::Append));
        file.write(":0200000012340B\n");
    }
    OstcFaults f;
    f.refuseBlockAt = refuse;
    f.silentAfter = silentAfter;
    f.closeAfter = closeAfter;
    Bench b(2, 22, f);
    const ConfigImage before = b.current;
    QVERIFY(!b.ostc.upgradeFirmware(port, hex));
    QCOMPARE(b.sink.lines.last(),
             QStringLiteral("<font color='red'>UPGRADE FAILED</font>: ") + error);
    QVERIFY(!b.device.rebooted());
    QVERIFY(!b.device.blockOrder().contains(0));
    QVERIFY(b.current == before);
    QVERIFY(!b.serial.isOpen());
    if (refuse == -2 || missingFile)
        QCOMPARE(b.device.lineBytes(), qint64(0));
}

void TestOstcProtocol::blockBytes()
{
    QByteArray data(256, char(0x11));
    const QByteArray block = OstcProtocol::blockBytes(data, 0x12345);
    QCOMPARE(block.size(), 69);
    QCOMPARE(quint8(block[0]), quint8(0x01));
    QCOMPARE(quint8(block[1]), quint8(0x23));
    QCOMPARE(quint8(block[2]), quint8(0x45));
    QCOMPARE(quint8(block[3]), quint8(0x40));
    quint8 sum = 0;
    for (char c : block)
        sum = quint8(sum + quint8(c));
    QCOMPARE(sum, quint8(0));
    // Past the end of the data the block is unprogrammed flash.
    QCOMPARE(quint8(OstcProtocol::blockBytes(data, 0x100)[4]), quint8(0xFF));
}

QTEST_GUILESS_MAIN(TestOstcProtocol)
#include "test_ostc_protocol.moc"
