// bathyra-cli end to end: usage errors, whole dives through the real main window without a
// display (exit code, console text, CSV trace, message log), and its device steps against
// bathyra-ostc-sim, failures included, which must leave the parameters and the store as they were.
#include "device/config_image.h"
#include "device/hex_image.h"
#include "device/param_file.h"
#include "profiles/dive_profile.h"
#include "tools/ostc_simulator.h"

#include <QDateTime>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

struct CliResult {
    int code = -1;
    QString out;
    QString err;
    QStringList trace; // the CSV trace's lines without the header
    QString header;
};

// Runs bathyra-cli; with a trace file, its lines are read into the result.
CliResult runCli(QStringList args, const QString& traceFile = {}, int timeoutMs = 300000)
{
    CliResult r;
    if (!traceFile.isEmpty()) {
        QFile::remove(traceFile);
        args = QStringList{"--trace", traceFile} + args;
    }
    QProcess p;
    p.start(QStringLiteral(BATHYRA_CLI), args);
    if (!p.waitForFinished(timeoutMs))
        return r; // killed by QProcess's destructor
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    QFile f(traceFile);
    if (!traceFile.isEmpty() && f.open(QIODevice::ReadOnly)) {
        r.trace = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
        r.header = r.trace.value(0);
        r.trace.removeFirst();
    }
    return r;
}

// The console as plain text shows HTML's collapsed blanks: compare with blanks folded.
QString folded(QString text)
{
    return text.replace(QRegularExpression("\\s+"), " ");
}
bool shows(const QString& out, const QString& text)
{
    return folded(out).contains(folded(text));
}

// The simulator with the given switches, serving on the pseudo-terminal `port`.
struct SimProcess {
    QProcess process;
    QString port;
    explicit SimProcess(const QStringList& switches = {})
    {
        process.start(QStringLiteral(BATHYRA_OSTC_SIM), switches);
        while (process.waitForStarted(10000) && !process.canReadLine() &&
               process.waitForReadyRead(10000)) {
        }
        port = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    // Stops the simulator; what it reported about the device.
    QString finish()
    {
        process.terminate();
        process.waitForFinished(10000);
        return QString::fromLocal8Bit(process.readAllStandardError());
    }
};

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every key of a parameter file with its value, for comparing two files.
QMap<QString, QString> paramKeys(const QString& path)
{
    const QSettings s(path, QSettings::IniFormat);
    QMap<QString, QString> keys;
    for (const QString& k : s.allKeys())
        keys.insert(k, s.value(k).toString());
    return keys;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    // Arguments from one string: words NAME=VALUE are --set steps, %d is the temporary
    // folder and %e an empty argument.
    QStringList arguments(const QString& line) const
    {
        QStringList args;
        for (QString word : line.split(' ', Qt::SkipEmptyParts)) {
            word.replace("%d", dir.path()).replace("%e", QString());
            if (!word.startsWith('-') && word.contains('=') && !word.startsWith('='))
                args << "--set";
            args << word;
        }
        return args;
    }

private slots:
    void initTestCase();
    // The slow device steps also run as CTest entries of their own, beside the rest.
    void init()
    {
        if (qEnvironmentVariable("BATHYRA_TEST_SKIP").split(',').contains(QTest::currentTestFunction()))
            QSKIP("run as a test of its own");
    }
    void runs_data();
    void runs();
    void messageLogSettingsStoreAndPlot();
    void backupAndRestore();
    void failedStepKeepsParametersAndStore_data();
    void failedStepKeepsParametersAndStore();
    void firmwareUpgrade();
    void clockAndScreenDump_data();
    void clockAndScreenDump();
};

void TestCli::initTestCase()
{
    // 25 minutes at 40 m on air, up to 20 m and onto Nx50, then straight up to 1 m:
    // above the engine's first stop, so the replay breaks.
    ConfigImage image = ConfigImage::defaultImage();
    image.setGasActive(1, true);
    image.setGasActive(2, true);
    image.setGasO2(2, 50);
    image.setGasDepth(2, 21);
    DiveProfile profile;
    for (const QPointF& p :
         {QPointF(0, 0), {2, 40}, {25, 40}, {27, 20}, {28, 20}, {30, 1}, {35, 1}})
        profile.addPoint(p.x(), p.y());
    profile.setGas(0, 1);
    profile.setGas(27.5, 2);
    profile.save(dir.filePath("switch.uddf"), &image);
}

void TestCli::runs_data()
{
    // Trace columns: phase, time_s, ambient_mbar, ppo2_cbar, gas, n2_pct, he_pct,
    // setpoint_cbar, ..., future_tts_min (13), ..., stops (20).
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QStringList>("shown"); // "!text": not shown; "~regex": a match shown
    QTest::addColumn<int>("dives");         // trace lines at time 0
    QTest::addColumn<QStringList>("traceHas");
    QTest::addColumn<QString>("traceNone");
    QTest::addColumn<QString>("lastRow"); // empty: no trace
    auto row = [this](const char* args, int code, const char* err, QStringList shown = {},
                      int dives = 0, QStringList traceHas = {}, const char* traceNone = "",
                      const char* lastRow = "") {
        QTest::newRow(args) << arguments(args) << code << QString(err) << shown << dives << traceHas
                            << QString(traceNone) << QString(lastRow);
    };
    // Usage errors, found before anything runs or when a --set step comes to it.
    const char* usageErrors[][2] = {
        {"--verbose", "no step given"},
        {"dive", "unknown argument \"dive\""},
        {"--set", "--set needs NAME=VALUE"},
        {"--set =1 simulate", "--set needs NAME=VALUE"},
        {"--set dive_depth simulate", "--set needs NAME=VALUE"},
        {"--params", "--params needs a file name"},
        {"--port /dev/null screendump", "screendump needs a file name"},
        {"download --port", "--port needs a port name"},
        {"--port %e download", "--port needs a port name"},
        {"--params /nonexistent.div simulate", "no parameter file /nonexistent.div"},
        {"--script %d/none.qs", "no script file"},
        {"--tests %d/none", "no test folder"},
        {"nonsense=1 simulate", "no widget named \"nonsense\""},
        {"gas_2=1 simulate", "gas_2 takes true or false"},
        {"loadButton=true", "loadButton takes true or false"}, // not a check box
        {"dive_depth=deep", "dive_depth takes a number"},
        {"dive_depth=inf", "dive_depth takes a number"},
        {"satLabel=1", "widget \"satLabel\" cannot be set"}};
    for (const auto& e : usageErrors)
        row(e[0], 2, e[1]);
    // Output files that cannot be opened end the run before its steps.
    row("--messages %d/none/x.log simulate", 2, "cannot write");
    row("--trace %d/none/x.csv simulate", 2, "cannot write");

    // 30 minutes (the integer spin box truncates 30.9) at 18 m, 99.85 mbar/m, in 2-second cycles.
    row("dive_depth=18 dive_time=30.9 simulate", 0, "",
        {"Standard Bühlmann ZH-L16C-1a 2002 decompression:", "* saturation factor (CF11) = 110 %",
         "* desaturation factor (CF12) = 90 %", "==== OC Runtime ====",
         "30:00 18.0m NDL = ", "!Deco:", "..."},
        1, {"^replay,1798,2810,"}, "^(?!replay,\\d+,2810,.*,$)", "^replay,");
    row("--verbose dive_depth=18 dive_time=10 simulate", 0, "", {"0:04 18.0m NDL = ", "!..."}, 1,
        {}, "", ".");
    // Numbers beyond a spin box's range are held at its ends.
    row("dive_depth=-3e9 dive_time=20 simulate", 0, "", {"20:00 0.0m NDL = "}, 1, {}, "", ".");
    // Gas 4 has no change depth and gas 5 is off: neither is listed. The published stops
    // carry the switch mark: 21 m is 149 and 6 m is 134 with bit 7.
    row("gradientFactor=true GF_low=30 GF_high=85 O2_1=18 He_1=45 gas_2=true O2_2=50 depth_2=21 "
        "gas_3=true O2_3=100 depth_3=6 gas_4=true O2_4=32 depth_4=0 gas_5=false depth_5=30 "
        "gas_switch_delay=2 dive_depth=70 dive_time=25 simulate ascent",
        0, "",
        {"Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression: *  GF_low (CF32) = 30 % *  "
         "GF_high (CF33) = 85 %",
         "OC gas list: *  First Gas#1 = Tx18/45 *  Deco Gas#2 = Nx50 at 21 m *  Deco Gas#3 = Oxy "
         "at 6 m",
         "!Gas#4", "!Gas#5", "~Deco:.* TTS = \\d+ ' CNS = \\d+%", "SWITCH Gas#1 -> Gas#2",
         "SWITCH Gas#2 -> Gas#3", "ASCENT DONE"},
        1, {",149:", " 134:", "^ascent,"}, "", "^ascent,\\d+,1013,\\d+,3,");
    // A setpoint of 1.3 bar reaches the engine as 130 centibar, not 129.
    row("ccrMode=true ppo2_1=1.3 gradientFactor=true gas_2=true O2_2=50 depth_2=21 "
        "dive_depth=40 dive_time=30 simulate gasvolumes",
        0, "",
        {"CCR mode:", "Bailout Gas#2 = Nx50 at 21 m", "==== CCR Runtime ====",
         "==== BAIL-OUT Runtime ====", "BAILOUT Gas#", "~Gas#2 \\( ?50/00\\) = \\d+"},
        1, {"^gasvolumes,(?:[^,]*,){6}0,"}, "^(?!gasvolumes,)(?:[^,]*,){7}(?!130,)", ".");
    // "Reset", the special text of the interval box, starts a new dive.
    row("dive_depth=30 dive_time=15 simulate interval=Reset simulate", 0, "",
        {"!Interval with previous dive"}, 2, {}, "", ".");
    row("gradientFactor=true extra_time=5 dive_depth=45 dive_time=25 simulate", 0, "",
        {"Future TTS @+5' = ", "Future RT  @+5' = "}, 1, {}, "", "^future,(?:[^,]*,){12}[1-9]");
    row("--profile %d/switch.uddf simulate", 0, "", {"~SWITCH Gas#1 -> Gas#2 .*BREAK ON STOP @"}, 1,
        {}, "^[^,]+,2100,", ".");
    // A failure of the program is an error text on the console, exit code 1.
    row("O2_1=10 dive_depth=30 simulate ascent", 1, "HYPOXIA", {"Unhandled exception: HYPOXIA"});
    row("--profile %d/none.uddf simulate", 1, "Cannot open profile.",
        {"Unhandled exception: Cannot open profile."});
    row("dive_depth=20 dive_time=10 simulate --save-plot %d/none/dive.png", 1, "Cannot open",
        {"NDL = ", "~Unhandled exception: Cannot open .*No such file"}, 1, {}, "", ".");
    // A device step without a port fails like any device step.
    row("download", 1, "", {"FAILED: Downloading OSTC configuration"});
}

void TestCli::runs()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, err);
    QFETCH(QStringList, shown);
    QFETCH(int, dives);
    QFETCH(QStringList, traceHas);
    QFETCH(QString, traceNone);
    QFETCH(QString, lastRow);
    const CliResult r = runCli(args, dir.filePath("trace.csv"));
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(err), qPrintable(r.err));
    // A usage error writes the usage text; an output file that cannot be opened does not.
    QCOMPARE(r.err.contains("--port NAME"), code == 2 && !err.startsWith("cannot write"));
    for (const QString& text : shown) {
        const bool match = text.startsWith('~')
                               ? folded(r.out).contains(QRegularExpression(text.mid(1)))
                               : shows(r.out, text.mid(text.startsWith('!')));
        QVERIFY2(match != text.startsWith('!'), qPrintable(text));
    }
    QCOMPARE(r.trace.filter(QRegularExpression("^replay,0,")).size(), dives);
    for (const QString& pattern : traceHas)
        QVERIFY2(!r.trace.filter(QRegularExpression(pattern)).isEmpty(), qPrintable(pattern));
    if (!traceNone.isEmpty())
        QCOMPARE(r.trace.filter(QRegularExpression(traceNone)).value(0), QString());
    QCOMPARE(r.trace.isEmpty(), lastRow.isEmpty());
    if (lastRow.isEmpty())
        return;
    QVERIFY2(r.trace.last().contains(QRegularExpression(lastRow)), qPrintable(r.trace.last()));
    QCOMPARE(
        r.header,
        QStringLiteral("phase,time_s,ambient_mbar,ppo2_cbar,gas,n2_pct,he_pct,setpoint_cbar,status,"
                       "ndl_min,first_stop_m,first_stop_min,tts_min,future_tts_min,ceiling_mbar,"
                       "leading,leading_mbar,gf_pct,gf_rel_pct,cns_pct,stops"));
}

void TestCli::messageLogSettingsStoreAndPlot()
{
    const QString log = dir.filePath("messages.log"), store = dir.filePath("store.ini");
    const CliResult r =
        runCli(arguments("--messages %d/messages.log --settings %d/store.ini "
                         "dive_depth=45 dive_time=25 simulate --save-plot %d/dive.png"));
    QCOMPARE(r.code, 0);
    const QStringList lines = QString::fromUtf8(fileBytes(log)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.mid(0, 2),
             QStringList({"C", "M Standard Bühlmann ZH-L16C-1a 2002 decompression:"}));
    QCOMPARE(lines.filter(QRegularExpression("^(C|M .*|O .*)$")), lines);
    // A table is one message with its rows on escaped new lines.
    QVERIFY(!lines.filter(QRegularExpression("^M <table.*(\\\\n</table>|</tr>\\\\n)")).isEmpty());
    const QSettings settings(store, QSettings::IniFormat);
    QCOMPARE(settings.value("Dive/bottom_depth").toInt(), 45);
    QCOMPARE(settings.value("Dive/bottom_time").toInt(), 25);
    QCOMPARE(QImage(dir.filePath("dive.png")).size(), QSize(800, 450));
    // Plain text: each stop on one line, depth, stop time and runtime right-aligned.
    static const QRegularExpression stop("^ *\\d+ m  +(?:----|\\d+ ')  +\\d+\\.\\d '");
    const QStringList out = r.out.split('\n');
    QVERIFY(out.filter(QRegularExpression("^\\d+ m$")).isEmpty());
    QSet<int> depthEnds, runtimeEnds;
    for (const QString& line : out.filter(stop)) {
        depthEnds << line.indexOf(" m ");
        runtimeEnds << stop.match(line).capturedEnd();
    }
    QVERIFY2(out.filter(stop).size() >= 3, qPrintable(r.out));
    QCOMPARE(depthEnds.size() + runtimeEnds.size(), 2);
}

void TestCli::backupAndRestore()
{
    SimProcess sim;
    QVERIFY(!sim.port.isEmpty());
    const QString store = path("download.ini"), backup = path("backup.div");
    CliResult r = runCli(arguments(
        "--settings %d/download.ini download --save-params %d/backup.div --port " + sim.port));
    QCOMPARE(r.code, 0);
    const ConfigImage expected = OstcDevice().image(); // the simulator's computer as it starts
    QVERIFY2(shows(r.out, QString("Connecting %1 Reading OSTC %2 done.")
                              .arg(sim.port)
                              .arg(expected.word(ConfigImage::serial))),
             qPrintable(r.out));
    QVERIFY(!(expected == ConfigImage::defaultImage())); // else the comparisons below prove nothing
    // The file holds the computer's settings key for key, not the program's defaults; the
    // store too.
    QSettings want(path("want.div"), QSettings::IniFormat);
    ParamFile::save(want, expected, DiveInputs(), ReplayFlags(), nullptr);
    const QMap<QString, QString> keys = paramKeys(want.fileName()), stored = paramKeys(store);
    QCOMPARE(paramKeys(backup), keys);
    for (const QString& k : keys.keys())
        QVERIFY2(stored.value(k) == keys.value(k), qPrintable(k));

    // Change the computer: a gas and a gradient factor edited on the backup's values.
    r = runCli(arguments("--params %d/backup.div O2_2=50 GF_low=40 upload download --save-params "
                         "%d/changed.div --port " +
                         sim.port));
    QCOMPARE(r.code, 0);
    QVERIFY2(shows(r.out, "CFI... CFI done.CFII... CFII done.CFIII... CFIII done.Programming OSTC"),
             qPrintable(r.out));
    QMap<QString, QString> edited = paramKeys(backup);
    QVERIFY(edited.value("Gas1/current/O2") != "50" && edited.value("CF32/value") != "40");
    edited["Gas1/current/O2"] = "50";
    edited["CF32/value"] = "40";
    QCOMPARE(paramKeys(path("changed.div")), edited); // nothing else moved

    // Restore: the computer holds the backup again, key for key.
    QCOMPARE(runCli(arguments("--params %d/backup.div upload --port " + sim.port)).code, 0);
    QCOMPARE(runCli(arguments("download --save-params %d/restored.div --port " + sim.port)).code,
             0);
    QCOMPARE(paramKeys(path("restored.div")), paramKeys(backup));
    QVERIFY(sim.finish().contains("bank writes: 2 2 2"));
}

void TestCli::failedStepKeepsParametersAndStore_data()
{
    QTest::addColumn<QStringList>("faults"); // the simulator's switches
    QTest::addColumn<QStringList>("step");
    QTest::addColumn<QByteArray>("hex"); // the firmware file, none if empty
    QTest::addColumn<QString>("text");
    auto row = [this](const char* tag, const char* faults, const char* step, QByteArray hex,
                      const char* text) {
        QTest::newRow(tag) << QString(faults).split(' ', Qt::SkipEmptyParts) << arguments(step)
                           << hex << QString(text);
    };
    const char* firmware = "firmware %d/fw.hex setclock";
    row("download: bad deco type", "--bad-deco", "download", {}, "FAILED: EEPROM: bad deco type");
    row("upload: wrong echo of the write command", "--wrong-echo 0:-1", "upload", {},
        "FAILED: Uploading OSTC configuration");
    // The download before the writes is 3 commands and 768 bytes.
    row("upload: line closed during the write", "--close-after 900", "upload", {},
        "FAILED: Uploading OSTC configuration");
    row("firmware: block at 64 refused", "--refuse-block 64", firmware,
        ":0400000001020304F2\n:00000001FF\n", "UPGRADE FAILED: Bad checksum at 0x000040");
    row("firmware: missing file", "", firmware, {}, "UPGRADE FAILED: Can't open HEX file");
    row("screen copy into a missing folder", "", "screendump %d/none/shot", {},
        "FAILED: Unable to write");
    // A folder in the way that is a file: no writing there, whoever runs the test.
    row("parameters into an unwritable file", "", "--save-params %d/first.div/x", {},
        "Parameters not saved");
}

void TestCli::failedStepKeepsParametersAndStore()
{
    QFETCH(QStringList, faults);
    QFETCH(QStringList, step);
    QFETCH(QByteArray, hex);
    QFETCH(QString, text);
    const QString store = path("failed.ini"), params = path("first.div"), after = path("after.div");
    QFile::remove(store);
    QCOMPARE(
        runCli(arguments("--settings %d/failed.ini dive_depth=33 --save-params %d/first.div")).code,
        0);
    const QByteArray storeBefore = fileBytes(store), paramsBefore = fileBytes(params);
    QFile::remove(path("fw.hex"));
    QFile f(path("fw.hex"));
    QVERIFY(hex.isEmpty() || (f.open(QIODevice::WriteOnly) && f.write(hex) == hex.size()));
    f.close();
    SimProcess sim(faults);
    QVERIFY(!sim.port.isEmpty());

    // Steps before the failure change the parameters; the store must not take them.
    const CliResult r = runCli(arguments("--settings %d/failed.ini --params %d/first.div "
                                         "dive_depth=50 O2_2=50 --port " +
                                         sim.port) +
                               step + QStringList{"--save-params", after});
    QCOMPARE(r.code, 1);
    QVERIFY2(shows(r.out, text), qPrintable(r.out));
    for (const char* later :
         {"Reading OSTC", "Programming OSTC", "OSTC upgrade done", "Date and time set"})
        QVERIFY2(!shows(r.out, later), later);
    QCOMPARE(fileBytes(store), storeBefore);
    QCOMPARE(fileBytes(params), paramsBefore);
    QVERIFY(!QFile::exists(after)); // the run ended at the failed step
    const QString report = sim.finish();
    QVERIFY2(report.contains("bank writes: 0 0 0"), qPrintable(report)); // no bank fully written
    QVERIFY(!report.contains("rebooted") && !report.contains("clock set"));
}

void TestCli::firmwareUpgrade()
{
    // Four bytes at 0; the rest of the firmware area is sent blank.
    QFile f(path("small.hex"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(":0400000001020304F2\n:00000001FF\n") > 0);
    f.close();
    SimProcess sim({"--save-program", path("program.bin")});
    QVERIFY(!sim.port.isEmpty());
    const CliResult r = runCli({"--port", sim.port, "firmware", path("small.hex")});
    QCOMPARE(r.code, 0);
    for (const char* text : {"Loading 'small.hex' 0.0KB loaded (0.0% of firmware area)",
                             "Starting OSTC upgrade...", "100%", "OSTC upgrade done. rebooting..."})
        QVERIFY2(shows(r.out, text), text);
    const QString report = sim.finish();
    QVERIFY2(report.contains(QString("firmware blocks accepted: %1, refused: 0, rebooted")
                                 .arg(HexImage::FirmwareSize / 64)),
             qPrintable(report));
    QCOMPARE(fileBytes(path("program.bin")).left(8), QByteArray::fromHex("01020304FFFFFFFF"));
}

// The clock set and the screen copied in one run; the copy's name gets ".png" unless it
// ends in a known image ending (lower case).
void TestCli::clockAndScreenDump_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("no suffix") << "shot"
                               << "shot.png" << QByteArray("png");
    QTest::newRow("tif") << "shot.tif"
                         << "shot.tif" << QByteArray("tiff");
    QTest::newRow("upper-case PNG") << "shot.PNG"
                                    << "shot.PNG.png" << QByteArray("png");
}

void TestCli::clockAndScreenDump()
{
    QFETCH(QString, name);
    QFETCH(QString, saved);
    QFETCH(QByteArray, format);
    SimProcess sim;
    QVERIFY(!sim.port.isEmpty());
    const QDateTime start = QDateTime::currentDateTime();
    const CliResult r =
        runCli({"--html", "--port", sim.port, "setclock", "screendump", path(name)});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains("Screen dumped."), qPrintable(r.out.left(2000)));
    QVERIFY(r.out.contains("data:image/png;base64,"));
    QImageReader reader(path(saved));
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.read().convertToFormat(QImage::Format_RGB32),
             OstcDevice::diveScreen().convertToFormat(QImage::Format_RGB32));
    const QRegularExpressionMatch m =
        QRegularExpression("Date and time set to (\\d\\d:\\d\\d:\\d\\d \\d\\d\\.\\d\\d\\.\\d{4})")
            .match(r.out);
    QVERIFY2(m.hasMatch(), qPrintable(r.out.left(2000)));
    const QDateTime sent = QDateTime::fromString(m.captured(1), "hh:mm:ss dd.MM.yyyy");
    QVERIFY(sent >= start.addSecs(-1) && sent <= QDateTime::currentDateTime());
    // The device got the same time: hour, minute, second, month, day, year % 100.
    QVERIFY(sim.finish().contains("clock set to " + sent.toString("hh:mm:ss MM.dd.yy")));
}

QTEST_MAIN(TestCli)
#include "test_cli.moc"
