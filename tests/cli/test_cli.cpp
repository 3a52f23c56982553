// bathyra-cli end to end: whole dives through the real main window without a display,
// checked on the console text, the per-cycle CSV trace and the console-call log.
#include "device/config_image.h"
#include "profiles/dive_profile.h"

#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Result {
    int code = -1;
    QString out;
    QString err;
    QStringList trace; // CSV lines without the header
    QString header;
};

// The console as plain text shows HTML's collapsed blanks: compare with runs of blanks
// folded to one.
QString folded(QString text) { return text.replace(QRegularExpression(" {2,}"), " "); }
bool shows(const QString& out, const QString& text) { return folded(out).contains(folded(text)); }

struct Columns {
    QStringList f;
    QString phase() const { return f.value(0); }
    int time() const { return f.value(1).toInt(); }
    int value(int i) const { return f.value(i).toInt(); }
    QString stops() const { return f.value(20); }
};

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    Result run(QStringList args, bool withTrace = true);

private slots:
    void usageErrors_data();
    void usageErrors();
    void airNoDecompression();
    void trimixWithDecoGasesAndWait();
    void closedCircuitBailoutGasVolumes();
    void plainTextTablesRowByRow();
    void repetitiveDiveAfterInterval();
    void futureTimeToSurface();
    void replayedUddfProfile();
    void errorTextStopsTheRun();
    void messageLogAndSettingsStore();
    void savesThePlot();
};

Result TestCli::run(QStringList args, bool withTrace)
{
    Result r;
    const QString trace = dir.filePath("trace.csv");
    QFile::remove(trace);
    if (withTrace)
        args.prepend(trace), args.prepend("--trace");
    QProcess p;
    p.start(QStringLiteral(BATHYRA_CLI), args);
    if (!p.waitForFinished(120000))
        return r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    QFile f(trace);
    if (withTrace && f.open(QIODevice::ReadOnly)) {
        const QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
        r.header = lines.value(0);
        r.trace = lines.mid(1);
    }
    return r;
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no step") << QStringList{"--verbose"};
    QTest::newRow("unknown argument") << QStringList{"dive"};
    QTest::newRow("set without value") << QStringList{"--set"};
    QTest::newRow("unknown widget") << QStringList{"--set", "nonsense=1", "simulate"};
    QTest::newRow("check box takes a boolean") << QStringList{"--set", "gas_2=1", "simulate"};
    QTest::newRow("missing parameter file") << QStringList{"--params", "/nonexistent.div", "simulate"};
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, args);
    const Result r = run(args, false);
    QCOMPARE(r.code, 2);
    QVERIFY(r.err.contains("usage: bathyra-cli"));
}

void TestCli::airNoDecompression()
{
    const Result r = run({"--set", "dive_depth=18", "--set", "dive_time=30.9", "simulate"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.header, QStringLiteral(
        "phase,time_s,ambient_mbar,ppo2_cbar,gas,n2_pct,he_pct,setpoint_cbar,status,ndl_min,"
        "first_stop_m,first_stop_min,tts_min,future_tts_min,ceiling_mbar,leading,leading_mbar,"
        "gf_pct,gf_rel_pct,cns_pct,stops"));
    QVERIFY(shows(r.out, "Standard Bühlmann ZH-L16C-1a 2002 decompression:"));
    QVERIFY(shows(r.out, "==== OC Runtime ===="));
    QVERIFY(shows(r.out, "30:00 18.0m NDL = "));
    QVERIFY(!shows(r.out, "Deco:"));
    // 30 minutes (the integer spin box truncated 30.9) in 2-second cycles, then the plan.
    QVERIFY(r.trace.size() >= 900);
    for (int i = 0; i < r.trace.size(); ++i) {
        const Columns c{r.trace[i].split(',')};
        QCOMPARE(c.phase(), QStringLiteral("replay"));
        QCOMPARE(c.time(), 2 * i);
        QCOMPARE(c.value(2), 1013 + 1797); // 18 m at 99.85 mbar/m
        QCOMPARE(c.stops(), QString());
    }
}

void TestCli::trimixWithDecoGasesAndWait()
{
    const Result r = run({"--set", "gradientFactor=true", "--set", "GF_low=30", "--set", "GF_high=85",
                          "--set", "O2_1=18", "--set", "He_1=45", "--set", "gas_2=true",
                          "--set", "O2_2=50", "--set", "depth_2=21", "--set", "gas_3=true",
                          "--set", "O2_3=100", "--set", "depth_3=6", "--set", "gas_switch_delay=2",
                          "--set", "dive_depth=70", "--set", "dive_time=25", "simulate", "ascent"});
    QCOMPARE(r.code, 0);
    QVERIFY(shows(r.out, "*  GF_low (CF32) = 30 %"));
    QVERIFY(shows(r.out, "Deco Gas#2 = Nx50 at 21 m"));
    QVERIFY(shows(r.out, "Deco Gas#3 = Oxy at 6 m"));
    QVERIFY(shows(r.out, "Deco:"));
    QVERIFY(shows(r.out, "SWITCH Gas#1 -> Gas#2"));
    QVERIFY(shows(r.out, "SWITCH Gas#2 -> Gas#3"));
    QVERIFY(shows(r.out, "ASCENT DONE"));
    // The published stops carry the switch mark: 21 m is 149 and 6 m is 134 with bit 7.
    bool marked21 = false, marked6 = false, ascent = false;
    for (const QString& line : r.trace) {
        const Columns c{line.split(',')};
        marked21 = marked21 || c.stops().startsWith("149:") || c.stops().contains(" 149:");
        marked6 = marked6 || c.stops().contains(" 134:");
        ascent = ascent || c.phase() == "ascent";
    }
    QVERIFY(marked21);
    QVERIFY(marked6);
    QVERIFY(ascent);
    const Columns last{r.trace.last().split(',')};
    QCOMPARE(last.value(2), 1013); // surfaced
    QCOMPARE(last.value(4), 3);    // on oxygen
}

void TestCli::closedCircuitBailoutGasVolumes()
{
    // A setpoint of 1.3 bar reaches the engine as 130 centibar, not 129.
    const Result r = run({"--set", "ccrMode=true", "--set", "ppo2_1=1.3", "--set", "gradientFactor=true", "--set", "gas_2=true",
                          "--set", "O2_2=50", "--set", "depth_2=21", "--set", "dive_depth=40",
                          "--set", "dive_time=30", "simulate", "gasvolumes"});
    QCOMPARE(r.code, 0);
    QVERIFY(shows(r.out, "CCR mode:"));
    QVERIFY(shows(r.out, "Bailout Gas#2 = Nx50 at 21 m"));
    QVERIFY(shows(r.out, "==== CCR Runtime ===="));
    QVERIFY(shows(r.out, "==== BAIL-OUT Runtime ===="));
    QVERIFY(shows(r.out, "BAILOUT Gas#"));
    QVERIFY(r.out.contains(QRegularExpression("Gas#2 \\( ?50/00\\) = +\\d+")));
    bool gasVolumes = false;
    for (const QString& line : r.trace) {
        const Columns c{line.split(',')};
        if (c.phase() == "gasvolumes") {
            gasVolumes = true;
            QCOMPARE(c.value(7), 0); // open circuit from now on
        } else {
            QCOMPARE(c.value(7), 130);
        }
    }
    QVERIFY(gasVolumes);
}

void TestCli::plainTextTablesRowByRow()
{
    const Result r = run({"--set", "dive_depth=40", "--set", "dive_time=25", "simulate"}, false);
    QCOMPARE(r.code, 0);
    // Each stop on one line: depth, stop time and runtime right-aligned in their columns.
    static const QRegularExpression stop("^ *\\d+ m  +(?:----|\\d+ ')  +\\d+\\.\\d '");
    QSet<int> depthEnds, runtimeEnds;
    int stops = 0;
    for (const QString& line : r.out.split('\n')) {
        QVERIFY2(!QRegularExpression("^\\d+ m$").match(line).hasMatch(), qPrintable(line));
        const QRegularExpressionMatch m = stop.match(line);
        if (m.hasMatch()) {
            ++stops;
            depthEnds << line.indexOf(" m ");
            runtimeEnds << m.capturedEnd();
        }
    }
    QVERIFY2(stops >= 3, qPrintable(r.out));
    QCOMPARE(depthEnds.size(), 1);
    QCOMPARE(runtimeEnds.size(), 1);
}

void TestCli::repetitiveDiveAfterInterval()
{
    const Result r = run({"--set", "dive_depth=30", "--set", "dive_time=15", "simulate", "ascent",
                          "--set", "interval=60", "simulate"});
    QCOMPARE(r.code, 0);
    QVERIFY(shows(r.out, "*  Interval with previous dive = 60'"));
    // The second dive restarts the clock at 0 with the loaded tissues: a shorter NDL.
    int restarts = 0;
    for (const QString& line : r.trace)
        if (line.startsWith("replay,0,"))
            ++restarts;
    QCOMPARE(restarts, 2);
}

void TestCli::futureTimeToSurface()
{
    const Result r = run({"--set", "gradientFactor=true", "--set", "extra_time=5",
                          "--set", "dive_depth=45", "--set", "dive_time=25", "simulate"});
    QCOMPARE(r.code, 0);
    QVERIFY(shows(r.out, "Future TTS @+5' = "));
    QVERIFY(shows(r.out, "Future RT  @+5' = "));
    const Columns last{r.trace.last().split(',')};
    QCOMPARE(last.phase(), QStringLiteral("future"));
    QVERIFY(last.value(13) > 0);
}

void TestCli::replayedUddfProfile()
{
    // 25 minutes at 40 m on air, up to 20 m and onto Nx50, then straight up to 1 m:
    // above the engine's first stop, so the replay breaks.
    ConfigImage image = ConfigImage::defaultImage();
    image.setGasActive(1, true);
    image.setGasActive(2, true);
    image.setGasO2(2, 50);
    image.setGasDepth(2, 21);
    DiveProfile profile;
    profile.addPoint(0, 0);
    profile.addPoint(2, 40);
    profile.addPoint(25, 40);
    profile.addPoint(27, 20);
    profile.addPoint(28, 20);
    profile.addPoint(30, 1);
    profile.addPoint(35, 1);
    profile.setGas(0, 1);
    profile.setGas(27.5, 2);
    const QString file = dir.filePath("switch.uddf");
    profile.save(file, &image);

    const Result r = run({"--profile", file, "simulate"});
    QCOMPARE(r.code, 0);
    QVERIFY2(shows(r.out, "SWITCH Gas#1 -> Gas#2"), qPrintable(r.out));
    QVERIFY2(shows(r.out, "BREAK ON STOP @"), qPrintable(r.out));
    QVERIFY(r.out.indexOf("SWITCH Gas#1") < r.out.indexOf("BREAK ON STOP"));
    // The replay ended before the end of the profile.
    const Columns last{r.trace.last().split(',')};
    QVERIFY(last.time() < 35 * 60);
}

void TestCli::errorTextStopsTheRun()
{
    const Result r = run({"--set", "O2_1=10", "--set", "dive_depth=30", "simulate", "ascent"});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains("HYPOXIA"));
    QVERIFY(shows(r.out, "Unhandled exception: HYPOXIA"));
    QVERIFY(r.trace.isEmpty()); // stopped before the first cycle, and ascent never ran
}

void TestCli::messageLogAndSettingsStore()
{
    const QString log = dir.filePath("messages.log");
    const QString store = dir.filePath("store.ini");
    const Result r = run({"--messages", log, "--settings", store, "--set", "dive_depth=45",
                          "--set", "dive_time=25", "simulate"}, false);
    QCOMPARE(r.code, 0);
    QFile f(log);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QStringLiteral("C"));
    QCOMPARE(lines[1], QStringLiteral("M Standard Bühlmann ZH-L16C-1a 2002 decompression:"));
    bool table = false;
    for (const QString& line : lines) {
        QVERIFY(line == "C" || line.startsWith("M ") || line.startsWith("O "));
        if (line.startsWith("M <table"))
            table = line.contains("\\n</table>") || line.contains("</tr>\\n");
    }
    QVERIFY(table);
    const QSettings settings(store, QSettings::IniFormat);
    QCOMPARE(settings.value("Dive/bottom_depth").toInt(), 45);
    QCOMPARE(settings.value("Dive/bottom_time").toInt(), 25);
}

void TestCli::savesThePlot()
{
    const QString png = dir.filePath("dive.png");
    const Result r = run({"--set", "dive_depth=30", "--set", "dive_time=20", "simulate",
                          "--save-plot", png}, false);
    QCOMPARE(r.code, 0);
    const QImage image(png);
    QCOMPARE(image.size(), QSize(800, 450));
}

QTEST_MAIN(TestCli)
#include "test_cli.moc"
