// Simulation runs and their reports: trace-line formats, header variants, new, continued
// and repetitive dives, the automatic ascent, the future TTS and the gas volumes.
#include "run_fixture.h"

#include <QtTest>

using planner::Simulation;

class TestSimulation : public QObject {
    Q_OBJECT

private slots:
    void traceLine_data();
    void traceLine();
    void headerListsGases_data();
    void headerListsGases();
    void noDecompressionDive();
    void decompressionDive();
    void firstRunResetsWhateverTheInterval();
    void continuedDiveAppendsAndSeparates();
    void ascentWithoutStops();
    void ascentAtTheSurface();
    void repetitiveDiveAfterInterval();
    void futureTts();
    void gasVolumesSquareProfile();
    void gasVolumesBailout();
    void gasVolumesAtTheSurface();
    void runsDoNotOverlap();
};

void TestSimulation::traceLine_data()
{
    QTest::addColumn<int>("runTime");
    QTest::addColumn<float>("depth");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("ppo2");
    QTest::addColumn<int>("gf");
    QTest::addColumn<int>("cns");
    QTest::addColumn<int>("ambient");
    QTest::addColumn<int>("n2");
    QTest::addColumn<QString>("expected");

    QTest::newRow("stop 3 min") << 754 << 30.0f << "STOP" << 3 << 0 << 0 << 0 << 0 << 0
                                << " 12:34  30.0m STOP = 3 '";
    QTest::newRow("75 min") << 754 << 30.0f << "STOP" << 75 << 0 << 0 << 0 << 0 << 0
                            << " 12:34  30.0m STOP =  1:15";
    QTest::newRow("60 min") << 754 << 30.0f << "STOP" << 60 << 0 << 0 << 0 << 0 << 0
                            << " 12:34  30.0m STOP = 60 '";
    QTest::newRow("no label, no time") << 5 << 4.25f << "" << 9 << 0 << 0 << 0 << 0 << 0
                                       << "  0:05   4.2m";
    QTest::newRow("ppO2 1.20 quiet") << 0 << 10.0f << "" << 0 << 120 << 0 << 0 << 0 << 0
                                     << "  0:00  10.0m";
    QTest::newRow("ppO2 1.45") << 0 << 10.0f << "" << 0 << 145 << 0 << 0 << 0 << 0
                               << "  0:00  10.0m ppO2=1.45";
    QTest::newRow("ppO2 1.62 red") << 0 << 10.0f << "" << 0 << 162 << 0 << 0 << 0 << 0
                                   << "  0:00  10.0m <font color=\"red\"><b>ppO2=1.62</b></font>";
    QTest::newRow("ppO2 0.18 red") << 0 << 10.0f << "" << 0 << 18 << 0 << 0 << 0 << 0
                                   << "  0:00  10.0m <font color=\"red\"><b>ppO2=0.18</b></font>";
    QTest::newRow("GF 19 quiet") << 0 << 1.0f << "" << 0 << 0 << 19 << 0 << 0 << 0
                                 << "  0:00   1.0m";
    QTest::newRow("GF 20") << 0 << 1.0f << "" << 0 << 0 << 20 << 0 << 0 << 0
                           << "  0:00   1.0m GF=20%";
    QTest::newRow("GF 120 red") << 0 << 1.0f << "" << 0 << 0 << 120 << 0 << 0 << 0
                                << "  0:00   1.0m <font color=\"red\"><b>GF=120%</b></font>";
    QTest::newRow("CNS 25") << 0 << 1.0f << "" << 0 << 0 << 0 << 25 << 0 << 0
                            << "  0:00   1.0m CNS=25%";
    QTest::newRow("CNS 101 red") << 0 << 1.0f << "" << 0 << 0 << 0 << 101 << 0 << 0
                                 << "  0:00   1.0m <font color=\"red\"><b>CNS=101%</b></font>";
    QTest::newRow("ppN2 5.53 quiet") << 0 << 60.0f << "" << 0 << 0 << 0 << 0 << 7004 << 79
                                     << "  0:00  60.0m";
    QTest::newRow("ppN2 5.69 red") << 0 << 62.0f << "" << 0 << 0 << 0 << 0 << 7204 << 79
                                   << "  0:00  62.0m <font color='red'><b>ppN2=5.69</b></font>";
}

void TestSimulation::traceLine()
{
    QFETCH(int, runTime);
    QFETCH(float, depth);
    QFETCH(QString, label);
    QFETCH(int, minutes);
    QFETCH(int, ppo2);
    QFETCH(int, gf);
    QFETCH(int, cns);
    QFETCH(int, ambient);
    QFETCH(int, n2);
    QFETCH(QString, expected);
    RunFixture f;
    planner::runState().runTime = runTime;
    f.s.in_ppo2_cbar = static_cast<uint8_t>(ppo2);
    f.s.out_gf_percent = static_cast<uint8_t>(gf);
    f.s.out_cns_percent = static_cast<uint8_t>(cns);
    f.s.in_ambient_pressure_mbar = static_cast<uint16_t>(ambient);
    f.s.in_n2_percent = static_cast<uint8_t>(n2);
    QCOMPARE(Simulation(f.environment()).traceLine(depth, label, minutes), expected);
}

void TestSimulation::headerListsGases_data()
{
    QTest::addColumn<int>("decoType");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("OC GF") << 4
                           << QStringList{"Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:",
                                          "*  GF_low (CF32) = 30 %", "*  GF_high (CF33) = 85 %",
                                          "*  deco offset (CF16) = 1.0 m", "*  last stop (CF29) = 3 m",
                                          "*  dive started at Pamb = 1013 mbar",
                                          "*  Gas switch delay (CF55) = 0 min", "OC gas list:",
                                          "*  First Gas#1 = Tx18/45",
                                          "*  Deco Gas#2 = Nx50 at 21 m"};
    QTest::newRow("CCR plain") << 2
                               << QStringList{"Standard Bühlmann ZH-L16C-1a 2002 decompression:",
                                              "*  saturation factor (CF11) = 110 %",
                                              "*  desaturation factor (CF12) = 90 %",
                                              "*  deco offset (CF16) = 1.0 m", "*  last stop (CF29) = 3 m",
                                              "*  dive started at Pamb = 1013 mbar",
                                              "*  Gas switch delay (CF55) = 0 min", "CCR mode:",
                                              "*  Setpoint1: 1.3", "*  Diluant Gas#1 = Tx18/45",
                                              "*  Bailout Gas#2 = Nx50 at 21 m"};
}

void TestSimulation::headerListsGases()
{
    QFETCH(int, decoType);
    QFETCH(QStringList, expected);
    RunFixture f;
    f.image.setByte(ConfigImage::deco_type, static_cast<quint8>(decoType));
    f.image.setSetpoint(1, 130);
    f.setGas(1, 18, 45, 0);
    f.setGas(2, 50, 0, 21);
    f.setGas(3, 100, 0, 0);    // active without a switch depth: not listed
    f.setGas(4, 32, 0, 30, false); // inactive: not listed
    planner::loadEngineGases(f.image, f.s);
    Simulation(f.environment()).writeHeader(-1);
    QCOMPARE(f.console.lines, expected);
}

void TestSimulation::noDecompressionDive()
{
    RunFixture f;
    f.simulate(-1, 18.0f, 30.0f);
    const QStringList& out = f.console.lines;
    QVERIFY(out.first().contains("GRADIENT FACTOR"));
    QVERIFY(out.contains("..."));
    const int title = out.indexOf("==== OC Runtime ====");
    QVERIFY(title > 0);
    QCOMPARE(out.size(), title + 2); // the summary is the NDL line alone
    QVERIFY(out.last().contains(" NDL = "));
    QVERIFY(out.last().startsWith(" 30:00  18.0m NDL"));
    // 30 minutes of profile in 2-second cycles, plus the completion of the last plan.
    QVERIFY(f.trace.size() >= 900);
    QCOMPARE(f.trace.first(), QStringLiteral("replay,0"));
}

void TestSimulation::decompressionDive()
{
    RunFixture f;
    f.simulate(-1, 45.0f, 25.0f);
    const int deco = f.indexOf(" Deco:");
    QVERIFY(deco > 0);
    const QStringList& out = f.console.lines;
    QVERIFY(out[deco + 1].startsWith("<table border='0' cellspacing='0' cellpadding='5'>"));
    QVERIFY(out[deco + 1].contains("<td>Gas#1</td>"));
    QVERIFY(out[deco + 2].startsWith("TTS = "));
    QCOMPARE(out[deco + 2], QStringLiteral("TTS = %1 '").arg(f.s.out_tts_min));
    QVERIFY(out[deco + 3].startsWith("CNS = "));
    QVERIFY(f.s.out_tts_min > 10);
}

void TestSimulation::firstRunResetsWhateverTheInterval()
{
    RunFixture f;
    f.simulate(0, 18.0f, 5.0f);
    // A reset dive with the header, whose line 5 still follows the interval.
    QVERIFY(f.indexOf("*  dive continued at depth = 0 m") > 0);
    QCOMPARE(f.indexOf("==================================="), -1);
    QCOMPARE(f.trace.first(), QStringLiteral("replay,0"));
}

void TestSimulation::continuedDiveAppendsAndSeparates()
{
    RunFixture f;
    f.simulate(-1, 18.0f, 5.0f);
    const int end = planner::runState().runTime;
    f.console.lines.clear();
    f.trace.clear();
    f.simulate(0, 15.0f, 5.0f);
    QCOMPARE(f.console.lines.first(), QStringLiteral("==================================="));
    QCOMPARE(f.profile->points(), 5);
    QCOMPARE(f.profile->depths().last(), 15.0);
    QCOMPARE(f.profile->times().last(), 10.0);
    // The second run continues the clock.
    QCOMPARE(f.trace.first(), QStringLiteral("replay,%1").arg(end));
}

void TestSimulation::ascentWithoutStops()
{
    RunFixture f;
    f.simulate(-1, 30.0f, 5.0f);
    f.trace.clear();
    f.console.lines.clear();
    Simulation(f.environment()).ascendTo(0, 10);
    QCOMPARE(f.trace.size(), 90); // 3 minutes at 10 m/min
    QVERIFY(f.trace.first().startsWith("ascent,"));
    const QStringList& out = f.console.lines;
    const int done = f.indexOf("ASCENT DONE");
    QVERIFY(done > 0);
    QVERIFY(out[done].contains("   0.0m ASCENT DONE"));
    QVERIFY(out[done + 1].contains("   0.0m NoFly = "));
    QVERIFY(out[done + 2].contains("   0.0m Desat = "));
    QCOMPARE(f.s.in_ambient_pressure_mbar, f.s.in_surface_pressure_mbar);
}

void TestSimulation::ascentAtTheSurface()
{
    RunFixture f;
    f.simulate(-1, 30.0f, 5.0f);
    Simulation(f.environment()).ascendTo(0, 10);
    f.console.lines.clear();
    Simulation(f.environment()).ascendTo(0, 10);
    QVERIFY(f.indexOf("DESCENT DONE") >= 0);
    QVERIFY(f.indexOf("NoFly") > f.indexOf("DESCENT DONE"));
    QVERIFY(f.indexOf("Desat") > f.indexOf("NoFly"));
}

void TestSimulation::repetitiveDiveAfterInterval()
{
    RunFixture f;
    f.simulate(-1, 30.0f, 10.0f);
    const float loaded = f.s.tissue_n2_bar[5];
    f.trace.clear();
    f.simulate(60, 30.0f, 10.0f);
    // Still at depth: an ascent runs first, then the interval and a dive from 0 s.
    QVERIFY(f.trace.first().startsWith("ascent,"));
    QVERIFY(f.trace.contains("replay,0"));
    QVERIFY(f.indexOf("*  Interval with previous dive = 60'") >= 0);
    // The new dive walks the previous dive's points as well (only Reset replaces them).
    QCOMPARE(f.profile->points(), 5);
    QVERIFY(loaded > (1.013f - 0.0627f) * 0.7902f);
}

void TestSimulation::futureTts()
{
    RunFixture f;
    f.image.setCf(58, 5);
    f.simulate(-1, 45.0f, 25.0f);
    const int future = f.indexOf("    Future TTS @+5' = ");
    QVERIFY(future > 0);
    QCOMPARE(f.console.lines[future - 1], QString());
    QVERIFY(f.console.lines[future + 1].startsWith("    Future RT  @+5' = "));
    QVERIFY(f.trace.last().startsWith("future,"));
    const int tts = f.console.lines[f.indexOf("TTS = ")].section(' ', 2, 2).toInt();
    QVERIFY(f.s.out_future_tts_min > tts);
}

void TestSimulation::gasVolumesSquareProfile()
{
    // EAN36 20 minutes at 30 m needs no stop: bottom (3 + 1) x 20 x 20 = 1600 litres,
    // direct ascent from 30 m (30 x 0.05 + 1) x 30 x 0.1 x 20 = 150 litres.
    RunFixture f;
    f.setGas(1, 36, 0, 0);
    f.simulate(-1, 30.0f, 20.0f);
    QVERIFY(f.s.out_ndl_min > 0);
    f.console.lines.clear();
    Simulation(f.environment()).runGasVolumes(f.profile.get());
    QCOMPARE(int(f.s.out_gas_volume_l[0]), 1750);
    QCOMPARE(f.console.lines.first(), QStringLiteral("==== OC Runtime ===="));
    QVERIFY(f.indexOf("Max depth                     = 30 m") > 0);
    QCOMPARE(f.indexOf("Average before ascent"), -1);
    QVERIFY(f.indexOf("Time before ascent            = 20 min") > 0);
    QVERIFY(f.indexOf("Bottom gas consumption (CF56) =    20 l/min") > 0);
    QVERIFY(f.indexOf("Gas#1 ( 36/00) =   1750") > 0);
    QCOMPARE(f.indexOf("Gas#2"), -1);
}

void TestSimulation::gasVolumesBailout()
{
    RunFixture f;
    f.image.setByte(ConfigImage::deco_type, 5);
    f.image.setSetpoint(1, 130);
    f.setGas(1, 21, 0, 0);
    f.setGas(2, 50, 0, 21);
    f.simulate(-1, 40.0f, 25.0f);
    f.console.lines.clear();
    Simulation(f.environment()).runGasVolumes(f.profile.get());
    QCOMPARE(f.console.lines.first(), QStringLiteral("==== BAIL-OUT Runtime ===="));
    // No bottom volume for the loop; bail-out ascent volumes only, on both gases.
    QVERIFY(f.s.out_gas_volume_l[0] > 0);
    QVERIFY(f.s.out_gas_volume_l[0] < 25 * 5 * 20);
    QVERIFY(f.s.out_gas_volume_l[1] > 0);
    QCOMPARE(f.s.in_setpoint_cbar, uint8_t(0));
}

void TestSimulation::gasVolumesAtTheSurface()
{
    RunFixture f;
    f.simulate(-1, 18.0f, 10.0f);
    Simulation(f.environment()).ascendTo(0, 10);
    f.console.lines.clear();
    Simulation(f.environment()).runGasVolumes(f.profile.get());
    QCOMPARE(f.console.lines, QStringList{"Already surfaced: no more gas consumation"});
}

void TestSimulation::runsDoNotOverlap()
{
    planner::runState() = planner::RunState();
    planner::RunGuard outer;
    QVERIFY(bool(outer));
    {
        planner::RunGuard inner;
        QVERIFY(!inner);
    }
    QVERIFY(planner::runState().running); // the inner guard did not release the outer run
}

QTEST_MAIN(TestSimulation)
#include "test_simulation.moc"
