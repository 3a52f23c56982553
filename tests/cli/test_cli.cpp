// bathyra-cli end to end: whole dives through the real main window without a display,
// checked on the console text, the per-cycle CSV trace and the console-call log.
#include "cli_process.h"

#include "device/config_image.h"
#include "profiles/dive_profile.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class TestCli : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void initTestCase();
    void runs_data();
    void runs();
    void plainTextTablesRowByRow();
    void messageLogSettingsStoreAndPlot();
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
    for (const QPointF& p : {QPointF(0, 0), {2, 40}, {25, 40}, {27, 20}, {28, 20}, {30, 1}, {35, 1}})
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
    const QString usage = "usage: bathyra-cli";
    const QStringList noText;
    const QStringList usageErrors[] = {
        {"--verbose"}, {"dive"}, {"--set"}, {"--set", "nonsense=1", "simulate"}, {"--set", "gas_2=1", "simulate"},
        {"--params", "/nonexistent.div", "simulate"}, {"--port", "/dev/null", "screendump"},
        {"--port", "/dev/null", "firmware"}, {"download", "--save-params"}, {"download", "--port"},
        {"--port", "", "download"}};
    for (const QStringList& args : usageErrors)
        QTest::newRow(qPrintable(args.join(' '))) << args << 2 << usage << noText << 0 << noText << "" << "";

    // 30 minutes (the integer spin box truncates 30.9) at 18 m, 99.85 mbar/m, in 2-second cycles.
    QTest::newRow("air within the no-stop limit")
        << QStringList{"--set", "dive_depth=18", "--set", "dive_time=30.9", "simulate"} << 0 << ""
        << QStringList{"Standard Bühlmann ZH-L16C-1a 2002 decompression:", "==== OC Runtime ====",
                       "30:00 18.0m NDL = ", "!Deco:"}
        << 1 << QStringList{"^replay,1798,2810,"} << "^(?!replay,\\d+,2810,.*,$)" << "^replay,";
    // The published stops carry the switch mark: 21 m is 149 and 6 m is 134 with bit 7.
    QTest::newRow("trimix with deco gases and a switch delay")
        << QStringList{"--set", "gradientFactor=true", "--set", "GF_low=30", "--set", "GF_high=85", "--set",
                       "O2_1=18", "--set", "He_1=45", "--set", "gas_2=true", "--set", "O2_2=50", "--set",
                       "depth_2=21", "--set", "gas_3=true", "--set", "O2_3=100", "--set", "depth_3=6",
                       "--set", "gas_switch_delay=2", "--set", "dive_depth=70", "--set", "dive_time=25",
                       "simulate", "ascent"}
        << 0 << ""
        << QStringList{"*  GF_low (CF32) = 30 %", "Deco Gas#2 = Nx50 at 21 m", "Deco Gas#3 = Oxy at 6 m", "Deco:",
                       "SWITCH Gas#1 -> Gas#2", "SWITCH Gas#2 -> Gas#3", "ASCENT DONE"}
        << 1 << QStringList{",149:", " 134:", "^ascent,"} << "" << "^ascent,\\d+,1013,\\d+,3,";
    // A setpoint of 1.3 bar reaches the engine as 130 centibar, not 129.
    QTest::newRow("closed circuit, bail-out and gas volumes")
        << QStringList{"--set", "ccrMode=true", "--set", "ppo2_1=1.3", "--set", "gradientFactor=true", "--set",
                       "gas_2=true", "--set", "O2_2=50", "--set", "depth_2=21", "--set", "dive_depth=40",
                       "--set", "dive_time=30", "simulate", "gasvolumes"}
        << 0 << ""
        << QStringList{"CCR mode:", "Bailout Gas#2 = Nx50 at 21 m", "==== CCR Runtime ====",
                       "==== BAIL-OUT Runtime ====", "BAILOUT Gas#", "~Gas#2 \\( ?50/00\\) = \\d+"}
        << 1 << QStringList{"^gasvolumes,(?:[^,]*,){6}0,"} << "^(?!gasvolumes,)(?:[^,]*,){7}(?!130,)" << ".";
    QTest::newRow("repetitive dive after an interval")
        << QStringList{"--set", "dive_depth=30", "--set", "dive_time=15", "simulate", "ascent", "--set",
                       "interval=60", "simulate"}
        << 0 << "" << QStringList{"*  Interval with previous dive = 60'"} << 2 << noText << "" << ".";
    QTest::newRow("future time to surface")
        << QStringList{"--set", "gradientFactor=true", "--set", "extra_time=5", "--set", "dive_depth=45", "--set",
                       "dive_time=25", "simulate"}
        << 0 << "" << QStringList{"Future TTS @+5' = ", "Future RT  @+5' = "} << 1 << noText << ""
        << "^future,(?:[^,]*,){12}[1-9]";
    QTest::newRow("replayed UDDF profile breaks above the stop")
        << QStringList{"--profile", "%1/switch.uddf", "simulate"} << 0 << ""
        << QStringList{"~SWITCH Gas#1 -> Gas#2 .*BREAK ON STOP @"} << 1 << noText << "^[^,]+,2100," << ".";
    QTest::newRow("an error text stops the run")
        << QStringList{"--set", "O2_1=10", "--set", "dive_depth=30", "simulate", "ascent"} << 1 << "HYPOXIA"
        << QStringList{"Unhandled exception: HYPOXIA"} << 0 << noText << "" << "";
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
    args.replaceInStrings("%1", dir.path());
    const CliResult r = runCli(args, dir.filePath("trace.csv"));
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(err), qPrintable(r.err));
    if (code == 2)
        QVERIFY(r.err.contains("--port NAME"));
    for (const QString& text : shown) {
        const bool match = text.startsWith('~') ? folded(r.out).contains(QRegularExpression(text.mid(1)))
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
    QCOMPARE(r.header, QStringLiteral("phase,time_s,ambient_mbar,ppo2_cbar,gas,n2_pct,he_pct,setpoint_cbar,status,"
                                      "ndl_min,first_stop_m,first_stop_min,tts_min,future_tts_min,ceiling_mbar,"
                                      "leading,leading_mbar,gf_pct,gf_rel_pct,cns_pct,stops"));
}

void TestCli::plainTextTablesRowByRow()
{
    const CliResult r = runCli({"--set", "dive_depth=40", "--set", "dive_time=25", "simulate"});
    QCOMPARE(r.code, 0);
    // Each stop on one line: depth, stop time and runtime right-aligned in their columns.
    static const QRegularExpression stop("^ *\\d+ m  +(?:----|\\d+ ')  +\\d+\\.\\d '");
    const QStringList lines = r.out.split('\n');
    QVERIFY(lines.filter(QRegularExpression("^\\d+ m$")).isEmpty());
    QSet<int> depthEnds, runtimeEnds;
    for (const QString& line : lines.filter(stop))
        depthEnds << line.indexOf(" m "), runtimeEnds << stop.match(line).capturedEnd();
    QVERIFY2(lines.filter(stop).size() >= 3, qPrintable(r.out));
    QCOMPARE(depthEnds.size(), 1);
    QCOMPARE(runtimeEnds.size(), 1);
}

void TestCli::messageLogSettingsStoreAndPlot()
{
    const QString log = dir.filePath("messages.log"), store = dir.filePath("store.ini");
    const CliResult r = runCli({"--messages", log, "--settings", store, "--set", "dive_depth=45", "--set",
                                "dive_time=25", "simulate", "--save-plot", dir.filePath("dive.png")});
    QCOMPARE(r.code, 0);
    const QStringList lines = QString::fromUtf8(fileBytes(log)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.mid(0, 2), QStringList({"C", "M Standard Bühlmann ZH-L16C-1a 2002 decompression:"}));
    QCOMPARE(lines.filter(QRegularExpression("^(C|M .*|O .*)$")), lines);
    // A table is one message with its rows on escaped new lines.
    QVERIFY(!lines.filter(QRegularExpression("^M <table.*(\\\\n</table>|</tr>\\\\n)")).isEmpty());
    const QSettings settings(store, QSettings::IniFormat);
    QCOMPARE(settings.value("Dive/bottom_depth").toInt(), 45);
    QCOMPARE(settings.value("Dive/bottom_time").toInt(), 25);
    QCOMPARE(QImage(dir.filePath("dive.png")).size(), QSize(800, 450));
}

QTEST_MAIN(TestCli)
#include "test_cli.moc"
