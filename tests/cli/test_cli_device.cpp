// bathyra-cli's device steps against the simulator program: reading a configuration into
// a parameter file, failures that must leave the parameters and the settings store as
// they were, the clock, the screen copy and the firmware errors.
#include "ostc_sim_process.h"

#include "device/config_image.h"
#include "tools/ostc_simulator.h"

#include <QDateTime>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString folded(QString text) { return text.replace(QRegularExpression("\\s+"), " "); }
bool shows(const QString& out, const QString& text) { return folded(out).contains(folded(text)); }

} // namespace

class TestCliDevice : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    // A settings store written by a run without device steps.
    QByteArray makeStore(const QString& store);

private slots:
    void usageErrors_data();
    void usageErrors();
    void downloadIntoParameterFile();
    void failedDownloadKeepsParametersAndStore_data();
    void failedDownloadKeepsParametersAndStore();
    void failedUploadKeepsParametersAndStore_data();
    void failedUploadKeepsParametersAndStore();
    void setClock();
    void screenDump_data();
    void screenDump();
    void firmwareFailures_data();
    void firmwareFailures();
    void saveParamsIntoUnwritableFile();
};

QByteArray TestCliDevice::makeStore(const QString& store)
{
    QFile::remove(store);
    const CliResult r = runCli({"--settings", store, "--set", "dive_depth=33", "--save-params", path("first.div")});
    if (r.code != 0)
        return QByteArray();
    return fileBytes(store);
}

void TestCliDevice::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("screendump without file") << QStringList{"--port", "/dev/null", "screendump"};
    QTest::newRow("firmware without file") << QStringList{"--port", "/dev/null", "firmware"};
    QTest::newRow("save-params without file") << QStringList{"download", "--save-params"};
    QTest::newRow("port without name") << QStringList{"download", "--port"};
    QTest::newRow("empty port name") << QStringList{"--port", "", "download"};
}

void TestCliDevice::usageErrors()
{
    QFETCH(QStringList, args);
    const CliResult r = runCli(args);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains("usage: bathyra-cli"), qPrintable(r.err));
    QVERIFY(r.err.contains("--port NAME"));
}

void TestCliDevice::downloadIntoParameterFile()
{
    SimProcess sim;
    QVERIFY(!sim.port().isEmpty());
    const QString store = path("download.ini");
    const QString backup = path("backup.div");
    QFile::remove(store);
    QFile::remove(backup);

    const CliResult r = runCli({"--settings", store, "--port", sim.port(), "download", "--save-params", backup});
    QCOMPARE(r.code, 0);
    QVERIFY2(shows(r.out, "Connecting " + sim.port()), qPrintable(r.out));
    const OstcDevice device; // the simulator's computer as it starts
    const ConfigImage& expected = device.image();
    QVERIFY(shows(r.out, QString("Reading OSTC %1 done.").arg(expected.word(ConfigImage::serial))));

    // The file and the store hold the computer's settings, not the program's defaults.
    const ConfigImage defaults = ConfigImage::defaultImage();
    for (const QString& file : {backup, store}) {
        const QSettings s(file, QSettings::IniFormat);
        QCOMPARE(s.value("OSTC/serial").toInt(), int(expected.word(ConfigImage::serial)));
        for (int n = 1; n <= ConfigImage::GasCount; ++n) {
            const QString prefix = QString("Gas%1/").arg(n - 1);
            QCOMPARE(s.value(prefix + "current/O2").toInt(), int(expected.gasO2(n)));
            QCOMPARE(s.value(prefix + "current/He").toInt(), int(expected.gasHe(n)));
            QCOMPARE(s.value(prefix + "depth").toInt(), int(expected.gasDepth(n)));
        }
        for (int cf : {11, 12, 32, 33, 54, 55})
            QCOMPARE(s.value(QString("CF%1/value").arg(cf)).toInt(), int(expected.cf(cf)));
    }
    QVERIFY(!(expected == defaults)); // otherwise the comparison above proves nothing
}

void TestCliDevice::failedDownloadKeepsParametersAndStore_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("text");
    QTest::newRow("bad serial") << "--bad-serial" << "EEPROM: bad serial";
    QTest::newRow("bad firmware") << "--bad-firmware" << "EEPROM: bad firmware version";
    QTest::newRow("bad deco type") << "--bad-deco" << "EEPROM: bad deco type";
}

void TestCliDevice::failedDownloadKeepsParametersAndStore()
{
    QFETCH(QString, fault);
    QFETCH(QString, text);
    const QString store = path("failed-download.ini");
    const QByteArray before = makeStore(store);
    QVERIFY(!before.isEmpty());
    SimProcess sim({fault});
    QVERIFY(!sim.port().isEmpty());
    const QString after = path("after.div");
    QFile::remove(after);

    // A step before the failure changes the parameters; the store must not take them.
    const CliResult r = runCli({"--settings", store, "--port", sim.port(), "--set", "dive_depth=50", "download",
                                "--save-params", after});
    QCOMPARE(r.code, 1);
    QVERIFY2(shows(r.out, "FAILED: " + text), qPrintable(r.out));
    QVERIFY(!shows(r.out, "Reading OSTC"));
    QCOMPARE(fileBytes(store), before);
    QVERIFY(!QFile::exists(after)); // the run ended at the failed step
}

void TestCliDevice::failedUploadKeepsParametersAndStore_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("text");
    QTest::newRow("wrong echo of the write command")
        << QStringList{"--wrong-echo", "0:-1"} << "Uploading OSTC configuration";
    QTest::newRow("wrong echo of a data byte")
        << QStringList{"--wrong-echo", "10:-1"} << "Uploading OSTC configuration";
    // The download before the writes is 3 commands and 768 bytes.
    QTest::newRow("line closed during the write")
        << QStringList{"--close-after", "900"} << "Uploading OSTC configuration";
    QTest::newRow("bad deco type on the device")
        << QStringList{"--bad-deco"} << "EEPROM: bad deco type";
}

void TestCliDevice::failedUploadKeepsParametersAndStore()
{
    QFETCH(QStringList, faults);
    QFETCH(QString, text);
    const QString store = path("failed-upload.ini");
    const QByteArray before = makeStore(store);
    QVERIFY(!before.isEmpty());
    const QString params = path("first.div");
    const QByteArray paramsBefore = fileBytes(params);
    SimProcess sim(faults);
    QVERIFY(!sim.port().isEmpty());
    const QString after = path("after-upload.div");
    QFile::remove(after);

    const CliResult r = runCli({"--settings", store, "--params", params, "--port", sim.port(), "--set",
                                "O2_2=50", "upload", "--save-params", after});
    QCOMPARE(r.code, 1);
    QVERIFY2(shows(r.out, "FAILED: " + text), qPrintable(r.out));
    QVERIFY(!shows(r.out, "Programming OSTC"));
    QCOMPARE(fileBytes(store), before);
    QCOMPARE(fileBytes(params), paramsBefore);
    QVERIFY(!QFile::exists(after));
    // No bank was completely written.
    QVERIFY2(sim.finish().contains("bank writes: 0 0 0"), qPrintable(sim.finish()));
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
    QVERIFY(sent.isValid());
    QVERIFY(sent >= start.addSecs(-1) && sent <= QDateTime::currentDateTime());

    // The device got the same time: hour, minute, second, month, day, year % 100.
    const QString report = sim.finish();
    QVERIFY2(report.contains(QString("clock set to %1").arg(sent.toString("hh:mm:ss MM.dd.yy"))), qPrintable(report));
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
    QFile::remove(path(saved));
    const CliResult r = runCli({"--html", "--port", sim.port(), "screendump", path(name)});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains("Screen dumped."), qPrintable(r.out.left(2000)));
    QVERIFY(r.out.contains("data:image/png;base64,"));

    QImageReader reader(path(saved));
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    const QImage screen = OstcDevice::diveScreen().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(320, 240));
    QVERIFY(image == screen);
}

void TestCliDevice::firmwareFailures_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QString>("text");
    const QByteArray good = ":0400000001020304F2\n:00000001FF\n";
    QTest::newRow("block at 64 refused") << QStringList{"--refuse-block", "64"} << good << "Bad checksum at 0x000040";
    QTest::newRow("bad HEX checksum") << QStringList{} << QByteArray(":0400000001020304F3\n") << "Bad HEX checksum";
    QTest::newRow("data outside the firmware area")
        << QStringList{} << QByteArray(":020000040001F9\n:01800000AAD5\n:00000001FF\n") << "BAD HEX address";
    QTest::newRow("missing file") << QStringList{} << QByteArray() << "Can't open HEX file";
}

void TestCliDevice::firmwareFailures()
{
    QFETCH(QStringList, faults);
    QFETCH(QByteArray, hex);
    QFETCH(QString, text);
    const QString file = path("fw.hex");
    QFile::remove(file);
    if (!hex.isEmpty()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(hex);
    }
    SimProcess sim(faults);
    QVERIFY(!sim.port().isEmpty());
    const CliResult r = runCli({"--port", sim.port(), "firmware", file, "setclock"});
    QCOMPARE(r.code, 1);
    QVERIFY2(shows(r.out, "UPGRADE FAILED: " + text), qPrintable(r.out));
    QVERIFY(!shows(r.out, "OSTC upgrade done"));
    QVERIFY(!shows(r.out, "Date and time set")); // nothing after the failed step
    const QString report = sim.finish();
    QVERIFY(!report.contains("rebooted"));
    QVERIFY(!report.contains("clock set"));
}

void TestCliDevice::saveParamsIntoUnwritableFile()
{
    const QString store = path("unwritable.ini");
    const QByteArray before = makeStore(store);
    QVERIFY(!before.isEmpty());
    // A folder in the way that is a file: no writing there, whoever runs the test.
    const QString target = path("first.div") + "/x.div";
    const CliResult r = runCli({"--settings", store, "--set", "dive_depth=50", "--save-params", target});
    QCOMPARE(r.code, 1);
    QVERIFY2(shows(r.out, "Parameters not saved"), qPrintable(r.out));
    QVERIFY(QFileInfo(path("first.div")).isFile());
    QCOMPARE(fileBytes(store), before);
}

QTEST_MAIN(TestCliDevice)
#include "test_cli_device.moc"
