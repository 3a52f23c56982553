// bathyra-cli's device steps against the simulator program: a backup into a parameter file
// and its restore, the firmware upgrade, the clock and the screen copy, and failures that
// must leave the parameters and the settings store as they were. The protocol's own pauses
// make some of these runs take tens of seconds.
#include "cli_process.h"

#include "device/config_image.h"
#include "device/hex_image.h"
#include "tools/ostc_simulator.h"

#include <QDateTime>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// One Intel HEX record.
QByteArray record(int type, quint16 address, const QByteArray& data)
{
    QByteArray bytes = QByteArray(1, char(data.size())) + char(address >> 8) + char(address & 0xFF) + char(type) + data;
    quint8 sum = 0;
    for (char c : bytes)
        sum = quint8(sum + quint8(c));
    return ':' + (bytes + char(quint8(-sum))).toHex().toUpper() + '\n';
}

QByteArray pattern(int size, int seed)
{
    QByteArray data;
    for (int i = 0; i < size; ++i)
        data.append(char((i * 7 + seed) % 255)); // never 0xFF
    return data;
}

} // namespace

class TestCliDevice : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

private slots:
    void backupAndRestore();
    void failedStepKeepsParametersAndStore_data();
    void failedStepKeepsParametersAndStore();
    void firmwareUpgrade();
    void setClock();
    void screenDump_data();
    void screenDump();
};

void TestCliDevice::backupAndRestore()
{
    SimProcess sim;
    QVERIFY(!sim.port().isEmpty());
    const QString store = path("download.ini"), backup = path("backup.div");
    CliResult r = runCli({"--settings", store, "--port", sim.port(), "download", "--save-params", backup});
    QCOMPARE(r.code, 0);
    const ConfigImage expected = OstcDevice().image(); // the simulator's computer as it starts
    QVERIFY2(shows(r.out, QString("Connecting %1 Reading OSTC %2 done.")
                              .arg(sim.port())
                              .arg(expected.word(ConfigImage::serial))),
             qPrintable(r.out));
    QVERIFY(!(expected == ConfigImage::defaultImage())); // else the comparisons below prove nothing
    // The file and the store hold the computer's settings, not the program's defaults.
    for (const QString& file : {backup, store}) {
        const QSettings s(file, QSettings::IniFormat);
        QCOMPARE(s.value("OSTC/serial").toInt(), int(expected.word(ConfigImage::serial)));
        for (int n = 1; n <= ConfigImage::GasCount; ++n) {
            QCOMPARE(s.value(QString("Gas%1/current/O2").arg(n - 1)).toInt(), int(expected.gasO2(n)));
            QCOMPARE(s.value(QString("Gas%1/current/He").arg(n - 1)).toInt(), int(expected.gasHe(n)));
            QCOMPARE(s.value(QString("Gas%1/depth").arg(n - 1)).toInt(), int(expected.gasDepth(n)));
        }
        for (int cf : {11, 12, 32, 33, 54, 55})
            QCOMPARE(s.value(QString("CF%1/value").arg(cf)).toInt(), int(expected.cf(cf)));
    }

    // Change the computer: a gas and a gradient factor edited on the backup's values.
    r = runCli({"--params", backup, "--port", sim.port(), "--set", "O2_2=50", "--set", "GF_low=40", "upload",
                "download", "--save-params", path("changed.div")});
    QCOMPARE(r.code, 0);
    QVERIFY2(shows(r.out, "CFI... CFI done.CFII... CFII done.CFIII... CFIII done.Programming OSTC"), qPrintable(r.out));
    QMap<QString, QString> edited = paramKeys(backup);
    QVERIFY(edited.value("Gas1/current/O2") != "50" && edited.value("CF32/value") != "40");
    edited["Gas1/current/O2"] = "50";
    edited["CF32/value"] = "40";
    QCOMPARE(paramKeys(path("changed.div")), edited); // nothing else moved

    // Restore: the computer holds the backup again, key for key.
    QCOMPARE(runCli({"--params", backup, "--port", sim.port(), "upload"}).code, 0);
    QCOMPARE(runCli({"--port", sim.port(), "download", "--save-params", path("restored.div")}).code, 0);
    QCOMPARE(paramKeys(path("restored.div")), paramKeys(backup));
    QVERIFY(sim.finish().contains("bank writes: 2 2 2"));
}

void TestCliDevice::failedStepKeepsParametersAndStore_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QStringList>("step");
    QTest::addColumn<QByteArray>("hex"); // the firmware file, none if empty
    QTest::addColumn<QString>("text");
    const QStringList download{"download"}, upload{"upload"}, firmware{"firmware", "%1/fw.hex", "setclock"};
    QTest::newRow("download: bad serial") << QStringList{"--bad-serial"} << download << QByteArray()
                                          << "FAILED: EEPROM: bad serial";
    QTest::newRow("download: bad firmware") << QStringList{"--bad-firmware"} << download << QByteArray()
                                            << "FAILED: EEPROM: bad firmware version";
    QTest::newRow("download: bad deco type") << QStringList{"--bad-deco"} << download << QByteArray()
                                             << "FAILED: EEPROM: bad deco type";
    QTest::newRow("upload: wrong echo of the write command") << QStringList{"--wrong-echo", "0:-1"} << upload
                                                             << QByteArray() << "FAILED: Uploading OSTC configuration";
    QTest::newRow("upload: wrong echo of a data byte") << QStringList{"--wrong-echo", "10:-1"} << upload
                                                       << QByteArray() << "FAILED: Uploading OSTC configuration";
    // The download before the writes is 3 commands and 768 bytes.
    QTest::newRow("upload: line closed during the write") << QStringList{"--close-after", "900"} << upload
                                                          << QByteArray() << "FAILED: Uploading OSTC configuration";
    QTest::newRow("upload: bad deco type") << QStringList{"--bad-deco"} << upload << QByteArray()
                                           << "FAILED: EEPROM: bad deco type";
    const QByteArray good = ":0400000001020304F2\n:00000001FF\n";
    QTest::newRow("firmware: block at 64 refused") << QStringList{"--refuse-block", "64"} << firmware << good
                                                   << "UPGRADE FAILED: Bad checksum at 0x000040";
    QTest::newRow("firmware: bad HEX checksum") << QStringList() << firmware << QByteArray(":0400000001020304F3\n")
                                                << "UPGRADE FAILED: Bad HEX checksum";
    QTest::newRow("firmware: data outside the firmware area")
        << QStringList() << firmware << QByteArray(":020000040001F9\n:01800000AAD5\n:00000001FF\n")
        << "UPGRADE FAILED: BAD HEX address";
    QTest::newRow("firmware: missing file") << QStringList() << firmware << QByteArray()
                                            << "UPGRADE FAILED: Can't open HEX file";
    // A folder in the way that is a file: no writing there, whoever runs the test.
    QTest::newRow("parameters into an unwritable file") << QStringList() << QStringList{"--save-params", "%1/first.div/x"}
                                                        << QByteArray() << "Parameters not saved";
}

void TestCliDevice::failedStepKeepsParametersAndStore()
{
    QFETCH(QStringList, faults);
    QFETCH(QStringList, step);
    QFETCH(QByteArray, hex);
    QFETCH(QString, text);
    const QString store = path("failed.ini"), params = path("first.div"), after = path("after.div");
    QFile::remove(store);
    QCOMPARE(runCli({"--settings", store, "--set", "dive_depth=33", "--save-params", params}).code, 0);
    const QByteArray storeBefore = fileBytes(store), paramsBefore = fileBytes(params);
    QFile::remove(path("fw.hex"));
    QFile f(path("fw.hex"));
    QVERIFY(hex.isEmpty() || (f.open(QIODevice::WriteOnly) && f.write(hex) == hex.size()));
    f.close();
    SimProcess sim(faults);
    QVERIFY(!sim.port().isEmpty());

    // Steps before the failure change the parameters; the store must not take them.
    const QStringList args = QStringList{"--settings", store, "--params", params, "--port", sim.port(), "--set",
                                         "dive_depth=50", "--set", "O2_2=50"}
                             + step.replaceInStrings("%1", dir.path()) + QStringList{"--save-params", after};
    const CliResult r = runCli(args);
    QCOMPARE(r.code, 1);
    QVERIFY2(shows(r.out, text), qPrintable(r.out));
    for (const char* later : {"Reading OSTC", "Programming OSTC", "OSTC upgrade done", "Date and time set"})
        QVERIFY2(!shows(r.out, later), later);
    QCOMPARE(fileBytes(store), storeBefore);
    QCOMPARE(fileBytes(params), paramsBefore);
    QVERIFY(!QFile::exists(after)); // the run ended at the failed step
    const QString report = sim.finish();
    QVERIFY2(report.contains("bank writes: 0 0 0"), qPrintable(report)); // no bank completely written
    QVERIFY(!report.contains("rebooted") && !report.contains("clock set"));
}

void TestCliDevice::firmwareUpgrade()
{
    // Block 0, a piece in the middle and one above 64 KB through a linear address.
    const QByteArray first = pattern(64, 1), middle = pattern(200, 2), high = pattern(16, 3);
    QByteArray hex = record(0, 0x0000, first.left(32)) + record(0, 0x0020, first.mid(32));
    for (int i = 0; i < middle.size(); i += 16)
        hex += record(0, quint16(0x1000 + i), middle.mid(i, 16));
    hex += record(4, 0, QByteArray::fromHex("0001")) + record(0, 0x0100, high) + record(1, 0, {});
    QFile f(path("small.hex"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(hex) == hex.size());
    f.close();

    SimProcess sim({"--save-program", path("program.bin")});
    QVERIFY(!sim.port().isEmpty());
    const CliResult r = runCli({"--port", sim.port(), "firmware", path("small.hex")});
    QCOMPARE(r.code, 0);
    const int loaded = first.size() + middle.size() + high.size();
    QVERIFY2(shows(r.out, QString("Loading 'small.hex' %1KB loaded (%2% of firmware area)")
                              .arg(loaded / 1024.0, 0, 'f', 1)
                              .arg(loaded * 100.0 / HexImage::FirmwareSize, 0, 'f', 1)),
             qPrintable(r.out));
    QVERIFY(shows(r.out, "Starting OSTC upgrade..."));
    QVERIFY(shows(r.out, "100%"));
    QVERIFY(shows(r.out, "OSTC upgrade done. rebooting..."));
    const QString report = sim.finish();
    QVERIFY2(report.contains(QString("firmware blocks accepted: %1, refused: 0, rebooted").arg(HexImage::FirmwareSize / 64)),
             qPrintable(report));
    const QByteArray memory = fileBytes(path("program.bin"));
    QVERIFY(memory.size() >= int(HexImage::FirmwareSize));
    QCOMPARE(memory.mid(0, 64), first);
    QCOMPARE(memory.mid(0x1000, middle.size()), middle);
    QCOMPARE(memory.mid(0x10100, high.size()), high);
    QCOMPARE(memory.mid(64, 64), QByteArray(64, char(0xFF))); // not in the file
}

void TestCliDevice::setClock()
{
    SimProcess sim;
    QVERIFY(!sim.port().isEmpty());
    const QDateTime start = QDateTime::currentDateTime();
    const CliResult r = runCli({"--port", sim.port(), "setclock"});
    QCOMPARE(r.code, 0);
    const QRegularExpressionMatch m =
        QRegularExpression("Date and time set to (\\d\\d:\\d\\d:\\d\\d \\d\\d\\.\\d\\d\\.\\d{4})").match(r.out);
    QVERIFY2(m.hasMatch(), qPrintable(r.out));
    const QDateTime sent = QDateTime::fromString(m.captured(1), "hh:mm:ss dd.MM.yyyy");
    QVERIFY(sent >= start.addSecs(-1) && sent <= QDateTime::currentDateTime());
    // The device got the same time: hour, minute, second, month, day, year % 100.
    const QString report = sim.finish();
    QVERIFY2(report.contains("clock set to " + sent.toString("hh:mm:ss MM.dd.yy")), qPrintable(report));
}

void TestCliDevice::screenDump_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("no suffix") << "shot" << "shot.png" << QByteArray("png");
    QTest::newRow("tif") << "shot.tif" << "shot.tif" << QByteArray("tiff");
    QTest::newRow("upper-case PNG") << "shot.PNG" << "shot.PNG.png" << QByteArray("png");
}

void TestCliDevice::screenDump()
{
    QFETCH(QString, name);
    QFETCH(QString, saved);
    QFETCH(QByteArray, format);
    SimProcess sim;
    QVERIFY(!sim.port().isEmpty());
    const CliResult r = runCli({"--html", "--port", sim.port(), "screendump", path(name)});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains("Screen dumped."), qPrintable(r.out.left(2000)));
    QVERIFY(r.out.contains("data:image/png;base64,"));
    QImageReader reader(path(saved));
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.read().convertToFormat(QImage::Format_RGB32),
             OstcDevice::diveScreen().convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(TestCliDevice)
#include "test_cli_device.moc"
