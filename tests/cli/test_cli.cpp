// SPDX-License-Identifier: GPL-3.0-or-later
// bathyra-cli end to end: usage errors, whole dives without a display, each made both without
// a window and in the real main window with the same bytes (exit code, console text, CSV
// trace, message log), and its device steps against
// bathyra-ostc-sim, failures included, which must leave the parameters and the store as they were.
#include "data_table.h"
#include "device/config_image.h"
#include "device/hex_image.h"
#include "device/param_file.h"
#include "full_disk.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"
#include "tools/ostc_simulator.h"

#include <QtGui>
#include <QtTest>

namespace
{

struct CliResult {
    int code = -1;
    QString out, err, header;
    QStringList trace; // the CSV trace's lines without the header
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

QByteArray readAll(const QString& file)
{
    QFile f(file);
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
    const QString samples = qEnvironmentVariable("BATHYRA_SHARED_DIR") + "/samples";
    void checkRun(const QStringList& c);
    // Arguments from one string: words NAME=VALUE are --set steps, %d is the temporary
    // folder, %s the data folder and %e an empty argument.
    QStringList arguments(const QString& line) const
    {
        QStringList args;
        for (QString word : line.split(' ', Qt::SkipEmptyParts)) {
            word.replace("%d", dir.path())
                .replace("%s/", BATHYRA_TEST_DATA)
                .replace("%S", samples)
                .replace("%e", "");
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
        const QString function = QTest::currentTestFunction();
        if (qEnvironmentVariable("BATHYRA_TEST_SKIP").split(',').contains(function))
            QSKIP("run as a test of its own");
    }
    void runs_data();
    void runs();
    // Several runs in a row: repetitive and continued dives, gases, refusals, replays.
    void sequences_data();
    void sequences();
    void messageLogSettingsStoreAndPlot();
    void helpAndVersion_data();
    void helpAndVersion();
    void suiteLeavesItsFolder();
    void backupAndRestore();
    void savedParametersKeepTheirCylinders();
    void failedStepKeepsParametersAndStore_data();
    void failedStepKeepsParametersAndStore();
    void uploadCutRestoresTheComputer();
    void savesOnFullDisk_data();
    void savesOnFullDisk();
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
    logbook::save(profile, dir.filePath("switch.uddf"), &image);
    // Parameters of 30 m for 17, 18 and 20 min with a 12 l cylinder of 200 bar for gas 1 (the
    // reserve rule two thirds).
    CylinderInputs twelve;
    twelve.litres[0] = 12;
    twelve.fillBar[0] = 200;
    for (const int minutes : {17, 18, 20}) {
        QSettings s(dir.filePath(QStringLiteral("cylinder%1.div").arg(minutes)),
                    QSettings::IniFormat);
        DiveInputs dive;
        dive.bottom_depth_m = 30;
        dive.bottom_time_min = minutes;
        ParamFile::save(s, ConfigImage::defaultImage(), dive, ReplayFlags(), nullptr);
        ParamFile::saveCylinders(s, twelve);
    }
}

void TestCli::runs_data()
{
    dataRows("runs.txt");
}

void TestCli::runs()
{
    QFETCH(QStringList, c);
    checkRun(c);
}

void TestCli::sequences_data()
{
    dataRows("sequences.txt");
}

void TestCli::sequences()
{
    QFETCH(QStringList, c);
    if (c[1].contains("%S") && !QFileInfo(samples).isDir())
        QSKIP("no shared samples folder");
    checkRun(c.mid(1));
}

void TestCli::checkRun(const QStringList& c)
{
    const QString err = c.value(2), traceNone = c.value(6), lastRow = c.value(7);
    const QStringList args = QStringList{"--messages", path("messages.log")} + arguments(c[0]);
    QFile::remove(path("messages.log"));
    // A run that needs no window makes none: the same run in the window gives the same bytes.
    const CliResult w = runCli(QStringList{"--window"} + args, path("trace.csv"));
    const QByteArray windowMessages = readAll(path("messages.log"));
    QFile::remove(path("messages.log"));
    const CliResult r = runCli(args, path("trace.csv"));
    QCOMPARE(r.out, w.out);
    QCOMPARE(r.err, w.err);
    QCOMPARE(r.trace, w.trace);
    QCOMPARE(readAll(path("messages.log")), windowMessages);
    QCOMPARE(r.code, c[1].toInt());
    QVERIFY2(r.err.contains(err), qPrintable(r.err));
    // A usage error writes the usage text; an output file that cannot be opened does not.
    QCOMPARE(r.err.contains("--port NAME"), r.code == 2 && !err.startsWith("cannot write"));
    for (const QString& text : c.value(3).split("; ", Qt::SkipEmptyParts)) {
        const bool match = text.startsWith('~')
                               ? folded(r.out).contains(QRegularExpression(text.mid(1)))
                               : shows(r.out, text.mid(text.startsWith('!')));
        QVERIFY2(match != text.startsWith('!'), qPrintable(text));
    }
    QCOMPARE(r.trace.filter(QRegularExpression("^replay,0,")).size(), c.value(4).toInt());
    for (const QString& pattern : c.value(5).split("; ", Qt::SkipEmptyParts))
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

void TestCli::helpAndVersion_data()
{
    dataRows("help_version.txt");
}

void TestCli::helpAndVersion()
{
    QFETCH(QStringList, c);
    const QMap<QString, QString> programs = {
        {"cli", BATHYRA_CLI}, {"gui", BATHYRA_GUI}, {"sim", BATHYRA_OSTC_SIM}};
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : c[6].split(' ', Qt::SkipEmptyParts))
        env.remove(name);
    p.setProcessEnvironment(env);
    p.start(programs.value(c[1]), arguments(c[2]));
    QVERIFY(p.waitForFinished(60000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), c[3].toInt());
    for (const QString& text : c[4].split("; ", Qt::SkipEmptyParts))
        QVERIFY2(out.contains(text), qPrintable(text));
    if (c[5].isEmpty())
        QVERIFY2(err.isEmpty(), qPrintable(err));
    else
        QVERIFY2(err.contains(QRegularExpression(c[5])), qPrintable(err));
}

// The validation suite run on a copy of its folder: every check passes, no save check is
// skipped, the folder is as it was (an installed one may be written by root only) and the
// round-trip copies are in the documents folder.
void TestCli::suiteLeavesItsFolder()
{
    const QString suite = path("suite");
    const auto files = [](const QString& root) {
        QStringList names;
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            names << it.next().mid(root.size());
        names.sort();
        return names;
    };
    const QString source = QStringLiteral(BATHYRA_SOURCE_DIR "/suite");
    for (const QString& name : files(source)) {
        QDir().mkpath(QFileInfo(suite + name).absolutePath());
        QVERIFY(QFile::copy(source + name, suite + name));
    }
    const QStringList before = files(suite);
    const CliResult r = runCli({"--tests", suite});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QRegularExpression("[1-9][0-9]* passed, 0 failed")), qPrintable(r.out));
    QCOMPARE(files(suite), before);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY(QFileInfo::exists(documents + "/Bathyra test files/roundtrip.uddf"));
    const QString report = fileBytes(documents + "/Bathyra test report.html");
    QVERIFY(report.contains("roundtrip.uddf: points") && !report.contains("cannot be written"));
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

// Parameters loaded with cylinders and saved again keep the cylinders and the reserve rule.
void TestCli::savedParametersKeepTheirCylinders()
{
    const QString saved = path("saved-cylinders.div");
    QCOMPARE(runCli({"--params", path("cylinder17.div"), "--save-params", saved}).code, 0);
    const CylinderInputs back = ParamFile::loadCylinders(QSettings(saved, QSettings::IniFormat));
    QCOMPARE(back.litres[0], 12);
    QCOMPARE(back.fillBar[0], 200);
    QCOMPARE(back.rule, ReserveRule::TwoThirds);
    QVERIFY(paramKeys(saved).contains("Reserve/rule"));
}

void TestCli::failedStepKeepsParametersAndStore_data()
{
    dataRows("failed_steps.txt");
}

void TestCli::failedStepKeepsParametersAndStore()
{
    QFETCH(QStringList, c);
    const QString store = path("failed.ini"), params = path("first.div"), after = path("after.div");
    QFile::remove(store);
    QCOMPARE(
        runCli(arguments("--settings %d/failed.ini dive_depth=33 --save-params %d/first.div")).code,
        0);
    const QByteArray storeBefore = fileBytes(store), paramsBefore = fileBytes(params);
    SimProcess sim(c[1].split(' ', Qt::SkipEmptyParts));
    QVERIFY(!sim.port.isEmpty());

    // Steps before the failure change the parameters; the store must not take them.
    const CliResult r = runCli(arguments("--settings %d/failed.ini --params %d/first.div "
                                         "dive_depth=50 O2_2=50 --port " +
                                         sim.port) +
                               arguments(c[2]) + QStringList{"--save-params", after});
    QCOMPARE(r.code, 1);
    QVERIFY2(shows(r.out, c[3]), qPrintable(r.out));
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

// The line is lost 400 bytes into each of the two write attempts and comes back: the
// configuration read before writing is kept in a backup file and written back.
void TestCli::uploadCutRestoresTheComputer()
{
    SimProcess sim({"--cut-writes-after", "400:2"});
    QVERIFY(!sim.port.isEmpty());
    QCOMPARE(runCli(arguments("download --save-params %d/held.div --port " + sim.port)).code, 0);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QStringList pattern{"OSTC * before upload *.div"};
    const QStringList backupsBefore = QDir(documents).entryList(pattern, QDir::Files);

    const CliResult r =
        runCli(arguments("--params %d/held.div O2_2=50 GF_low=40 upload --port " + sim.port));
    QCOMPARE(r.code, 1);
    for (const char* text : {"FAILED: Uploading OSTC configuration (bank 0, byte ",
                             "The computer holds its previous configuration again.",
                             "The computer's configuration before the upload is kept in '"})
        QVERIFY2(shows(r.out, text), qPrintable(r.out));
    QCOMPARE(runCli(arguments("download --save-params %d/after.div --port " + sim.port)).code, 0);
    QCOMPARE(paramKeys(path("after.div")), paramKeys(path("held.div")));
    const QString report = sim.finish();
    QVERIFY2(report.contains("bank writes: 1 1 1"), qPrintable(report)); // the restore only

    // The backup holds what the computer held.
    const QStringList backups = QDir(documents).entryList(pattern, QDir::Files);
    QCOMPARE(backups.size(), backupsBefore.size() + 1);
    QString backup;
    for (const QString& name : backups)
        if (!backupsBefore.contains(name))
            backup = QDir(documents).filePath(name);
    QVERIFY2(r.out.contains(backup), qPrintable(backup));
    QMap<QString, QString> held = paramKeys(path("held.div")), kept = paramKeys(backup);
    for (auto* keys : {&held, &kept})
        for (const QString& key : keys->keys())
            if (key.startsWith("Dive/") || key.startsWith("Replay/"))
                keys->remove(key);
    QCOMPARE(kept, held);
    QFile::remove(backup);
}

void TestCli::savesOnFullDisk_data()
{
    dataRows("full_disk.txt");
}

void TestCli::savesOnFullDisk()
{
    QFETCH(QStringList, c);
    const QString file = path(c[1]);
    QFile old(file);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    CliResult r;
    // %p: the port of a simulated computer, started before the disk fills.
    std::unique_ptr<SimProcess> sim(c[2].contains("%p") ? new SimProcess : nullptr);
    QVERIFY(!sim || !sim->port.isEmpty());
    {
        FullDisk full(c[3].toULong()); // the program started here inherits the limit
        QVERIFY(full.ok());
        r = runCli(arguments(QString(c[2]).replace("%p", sim ? sim->port : QString())));
    }
    if (sim)
        sim->finish();
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains("Cannot write '" + file + "': " + c[4]), qPrintable(r.err));
    QCOMPARE(fileBytes(file), QByteArray("old"));
    // and no temporary file is left beside it
    QCOMPARE(QDir(dir.path()).entryList({c[1] + "*"}, QDir::Files | QDir::Hidden),
             QStringList(c[1]));
}

void TestCli::firmwareUpgrade()
{
    // Four bytes at 0; the rest of the firmware area is sent blank.
    SimProcess sim({"--save-program", path("program.bin")});
    QVERIFY(!sim.port.isEmpty());
    const CliResult r = runCli(arguments("firmware %s/small.hex --port " + sim.port));
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
    QTest::newRow("no suffix") << "shot" << QString("shot.png") << QByteArray("png");
    QTest::newRow("tif") << "shot.tif" << QString("shot.tif") << QByteArray("tiff");
    QTest::newRow("upper-case PNG") << "shot.PNG" << QString("shot.PNG.png") << QByteArray("png");
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
