// Simulation runs without a window: trace-line formats, headers and summaries, new,
// continued and repetitive dives, the automatic ascent, gas volumes, the replay's gas and
// setpoint changes and breaks, the plan object and its HTML table, and the guard against
// overlapping runs. The validation suite (Tests/*.qs) checks future TTS and bail-out gas
// volumes end to end.
#include "run_fixture.h"

#include "planner/decoplan.h"

#include <QtTest>

using planner::Simulation;

namespace
{

// The engine as it would publish stops (depth with bit 7, minutes) after a run.
void publish(engine::engine_state& s, std::initializer_list<std::pair<int, int>> stops)
{
    std::fill(s.out_stop_depth_m, s.out_stop_depth_m + engine::stop_count, 0);
    std::fill(s.out_stop_time_min, s.out_stop_time_min + engine::stop_count, 0);
    int i = 0;
    for (const auto& stop : stops) {
        s.out_stop_depth_m[i] = static_cast<uint8_t>(stop.first);
        s.out_stop_time_min[i++] = static_cast<uint8_t>(stop.second);
    }
    s.out_first_stop_depth_m = i ? (s.out_stop_depth_m[0] & 0x7F) : 0;
}

// A plan of the fixture's profile over the published stops.
std::unique_ptr<Decoplan> planOf(RunFixture& f, std::initializer_list<std::pair<int, int>> stops,
                                 bool ccr = false)
{
    planner::loadEngineGases(f.image, f.s);
    engine::save_state(f.s);
    publish(f.s, stops);
    auto plan = std::make_unique<Decoplan>(f.s, f.image, f.profile.get());
    plan->create(ccr);
    return plan;
}

} // namespace

class TestRuns : public QObject
{
    Q_OBJECT

private slots:
    void traceLine_data()
    {
        QTest::addColumn<float>("depth");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QVector<int>>("engine"); // ppO2, GF, CNS, ambient, N2
        QTest::addColumn<QString>("expected");
        const QVector<int> quiet{0, 0, 0, 0, 0};
        QTest::newRow("stop 3 min") << 30.0f << 3 << quiet << " 12:34  30.0m STOP = 3 '";
        QTest::newRow("75 min") << 30.0f << 75 << quiet << " 12:34  30.0m STOP =  1:15";
        QTest::newRow("60 min") << 30.0f << 60 << quiet << " 12:34  30.0m STOP = 60 '";
        QTest::newRow("no label, no time") << 4.25f << -9 << quiet << " 12:34   4.2m";
        QTest::newRow("ppO2 1.20 quiet")
            << 10.0f << -1 << QVector<int>{120, 0, 0, 0, 0} << " 12:34  10.0m";
        QTest::newRow("ppO2 1.45")
            << 10.0f << -1 << QVector<int>{145, 0, 0, 0, 0} << " 12:34  10.0m ppO2=1.45";
        QTest::newRow("ppO2 1.62 red")
            << 10.0f << -1 << QVector<int>{162, 0, 0, 0, 0}
            << " 12:34  10.0m <font color=\"red\"><b>ppO2=1.62</b></font>";
        QTest::newRow("ppO2 0.18 red")
            << 10.0f << -1 << QVector<int>{18, 0, 0, 0, 0}
            << " 12:34  10.0m <font color=\"red\"><b>ppO2=0.18</b></font>";
        QTest::newRow("GF 19 quiet")
            << 1.0f << -1 << QVector<int>{0, 19, 0, 0, 0} << " 12:34   1.0m";
        QTest::newRow("GF 20") << 1.0f << -1 << QVector<int>{0, 20, 0, 0, 0}
                               << " 12:34   1.0m GF=20%";
        QTest::newRow("GF 120 red") << 1.0f << -1 << QVector<int>{0, 120, 0, 0, 0}
                                    << " 12:34   1.0m <font color=\"red\"><b>GF=120%</b></font>";
        QTest::newRow("CNS 25") << 1.0f << -1 << QVector<int>{0, 0, 25, 0, 0}
                                << " 12:34   1.0m CNS=25%";
        QTest::newRow("CNS 101 red") << 1.0f << -1 << QVector<int>{0, 0, 101, 0, 0}
                                     << " 12:34   1.0m <font color=\"red\"><b>CNS=101%</b></font>";
        QTest::newRow("ppN2 5.53 quiet")
            << 60.0f << -1 << QVector<int>{0, 0, 0, 7004, 79} << " 12:34  60.0m";
        QTest::newRow("ppN2 5.69 red") << 62.0f << -1 << QVector<int>{0, 0, 0, 7204, 79}
                                       << " 12:34  62.0m <font color='red'><b>ppN2=5.69</b></font>";
    }
    void traceLine()
    {
        QFETCH(float, depth);
        QFETCH(int, minutes);
        QFETCH(QVector<int>, engine);
        QFETCH(QString, expected);
        RunFixture f;
        planner::runState().runTime = 754;
        f.s.in_ppo2_cbar = static_cast<uint8_t>(engine[0]);
        f.s.out_gf_percent = static_cast<uint8_t>(engine[1]);
        f.s.out_cns_percent = static_cast<uint8_t>(engine[2]);
        f.s.in_ambient_pressure_mbar = static_cast<uint16_t>(engine[3]);
        f.s.in_n2_percent = static_cast<uint8_t>(engine[4]);
        const QString label = minutes < 0 ? QString() : QStringLiteral("STOP");
        QCOMPARE(Simulation(f.environment()).traceLine(depth, label, qAbs(minutes)), expected);
    }

    void headerListsGases_data()
    {
        QTest::addColumn<int>("decoType");
        QTest::addColumn<QStringList>("expected");
        const QStringList common{"*  deco offset (CF16) = 1.0 m", "*  last stop (CF29) = 3 m",
                                 "*  dive started at Pamb = 1013 mbar",
                                 "*  Gas switch delay (CF55) = 0 min"};
        QTest::newRow("OC GF") << 4
                               << QStringList{"Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR "
                                              "decompression:",
                                              "*  GF_low (CF32) = 30 %",
                                              "*  GF_high (CF33) = 85 %"} +
                                      common +
                                      QStringList{"OC gas list:", "*  First Gas#1 = Tx18/45",
                                                  "*  Deco Gas#2 = Nx50 at 21 m"};
        QTest::newRow("CCR plain")
            << 2
            << QStringList{"Standard Bühlmann ZH-L16C-1a 2002 decompression:",
                           "*  saturation factor (CF11) = 110 %",
                           "*  desaturation factor (CF12) = 90 %"} +
                   common +
                   QStringList{"CCR mode:", "*  Setpoint1: 1.3", "*  Diluant Gas#1 = Tx18/45",
                               "*  Bailout Gas#2 = Nx50 at 21 m"};
    }
    void headerListsGases()
    {
        QFETCH(int, decoType);
        QFETCH(QStringList, expected);
        RunFixture f;
        f.image.setByte(ConfigImage::deco_type, static_cast<quint8>(decoType));
        f.image.setSetpoint(1, 130);
        f.setGas(1, 18, 45, 0);
        f.setGas(2, 50, 0, 21);
        f.setGas(3, 100, 0, 0);        // active without a switch depth: not listed
        f.setGas(4, 32, 0, 30, false); // inactive: not listed
        planner::loadEngineGases(f.image, f.s);
        Simulation(f.environment()).writeHeader(-1);
        QCOMPARE(f.console.lines, expected);
    }

    // A no-stop dive ends on the NDL line alone; a decompression dive on the table, TTS, CNS.
    void summaries()
    {
        RunFixture f;
        f.simulate(-1, 18.0f, 30.0f);
        const QStringList& out = f.console.lines;
        QVERIFY(out.contains("..."));
        QCOMPARE(out.size(), out.indexOf("==== OC Runtime ====") + 2);
        QVERIFY(out.last().startsWith(" 30:00  18.0m NDL = "));
        QVERIFY(f.trace.size() >= 900); // 30 minutes in 2-second cycles
        QCOMPARE(f.trace.first(), QStringLiteral("replay,0"));

        RunFixture g;
        g.simulate(-1, 45.0f, 25.0f);
        const int deco = g.indexOf(" Deco:");
        QVERIFY(deco > 0);
        QVERIFY(g.console.lines[deco + 1].startsWith("<table border='0'"));
        QVERIFY(g.console.lines[deco + 1].contains("<td>Gas#1</td>"));
        QVERIFY(g.s.out_tts_min > 10);
        QCOMPARE(g.console.lines[deco + 2], QStringLiteral("TTS = %1 '").arg(g.s.out_tts_min));
        QVERIFY(g.console.lines[deco + 3].startsWith("CNS = "));
    }

    // The first run resets the dive whatever the interval; a later one with interval 0
    // continues the profile and the clock after a separator.
    void firstThenContinuedRun()
    {
        RunFixture f;
        f.simulate(0, 18.0f, 5.0f);
        QVERIFY(f.indexOf("*  dive continued at depth = 0 m") > 0);
        QCOMPARE(f.indexOf("==================================="), -1);
        QCOMPARE(f.trace.first(), QStringLiteral("replay,0"));
        const int end = planner::runState().runTime;
        f.console.lines.clear();
        f.trace.clear();
        f.simulate(0, 15.0f, 5.0f);
        QCOMPARE(f.console.lines.first(), QStringLiteral("==================================="));
        QCOMPARE(f.profile->points(), 5);
        QCOMPARE(f.profile->depths().last(), 15.0);
        QCOMPARE(f.profile->times().last(), 10.0);
        QCOMPARE(f.trace.first(), QStringLiteral("replay,%1").arg(end));
    }

    // 30 m to the surface at 10 m/min without stops, switching to the deco gas at 21 m; then
    // again from the surface.
    void ascent()
    {
        RunFixture f;
        f.setGas(2, 50, 0, 21);
        f.simulate(-1, 30.0f, 5.0f);
        f.trace.clear();
        f.console.lines.clear();
        Simulation(f.environment()).ascendTo(0, 10);
        QCOMPARE(f.trace.size(), 90);
        QVERIFY(f.trace.first().startsWith("ascent,"));
        QVERIFY(f.indexOf("  21.0m SWITCH Gas#1 -> Gas#2") >= 0);
        const int done = f.indexOf("ASCENT DONE");
        QVERIFY(done > 0);
        QVERIFY(f.console.lines[done].contains("   0.0m ASCENT DONE"));
        QVERIFY(f.console.lines[done + 1].contains("   0.0m NoFly = "));
        QVERIFY(f.console.lines[done + 2].contains("   0.0m Desat = "));
        QCOMPARE(f.s.in_ambient_pressure_mbar, f.s.in_surface_pressure_mbar);
        f.console.lines.clear();
        Simulation(f.environment()).ascendTo(0, 10);
        QVERIFY(f.indexOf("DESCENT DONE") >= 0);
        QVERIFY(f.indexOf("NoFly") > f.indexOf("DESCENT DONE"));
        QVERIFY(f.indexOf("Desat") > f.indexOf("NoFly"));
    }

    // Still at depth: an ascent runs first, then the interval and a dive from 0 s over the
    // previous dive's points (only Reset replaces them).
    void repetitiveDiveAfterInterval()
    {
        RunFixture f;
        f.simulate(-1, 30.0f, 10.0f);
        f.trace.clear();
        f.simulate(60, 30.0f, 10.0f);
        QVERIFY(f.trace.first().startsWith("ascent,"));
        QVERIFY(f.trace.contains("replay,0"));
        QVERIFY(f.indexOf("*  Interval with previous dive = 60'") >= 0);
        QCOMPARE(f.profile->points(), 5);
    }

    void gasVolumes()
    {
        // EAN36 20 minutes at 30 m needs no stop: bottom (3 + 1) x 20 x 20 = 1600 litres,
        // direct ascent from 30 m (30 x 0.05 + 1) x 30 x 0.1 x 20 = 150 litres.
        RunFixture f;
        f.setGas(1, 36, 0, 0);
        f.simulate(-1, 30.0f, 20.0f);
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
        // Surfaced: nothing more to breathe.
        Simulation(f.environment()).ascendTo(0, 10);
        f.console.lines.clear();
        Simulation(f.environment()).runGasVolumes(f.profile.get());
        QCOMPARE(f.console.lines, QStringList{"Already surfaced: no more gas consumation"});
    }

    // A gas change at an odd second is made in the cycle that covers it, once; a change to
    // the gas in use says nothing.
    void gasChanges()
    {
        RunFixture f;
        f.setGas(2, 50, 0, 21);
        f.profileOf({{0, 0}, {0, 15}, {10, 15}});
        f.profile->setGas(61 / 60.0, 2);
        f.profile->setGas(4, 2);
        f.replay();
        const int i = f.indexOf("SWITCH Gas#1 -> Gas#2");
        QVERIFY(i > 0);
        QVERIFY(f.console.lines[i].startsWith("  1:02  15.0m"));
        QCOMPARE(f.count("SWITCH"), 1);
        QCOMPARE(f.s.in_current_gas, uint8_t(2));
    }

    // Gas switches off: the first gas throughout; with break on switch the replay stops once
    // gas 2 may be breathed (no deeper than 21.1 m).
    void switchesOffThenBreakOnBetterGas()
    {
        ReplayFlags flags;
        flags.gasSwitch = flags.breakOnStop = false;
        for (bool breaks : {false, true}) {
            RunFixture f;
            f.setGas(2, 50, 0, 21);
            f.profileOf({{0, 0}, {0, 30}, {10, 30}, {13, 0}});
            f.profile->setGas(11, 2);
            flags.breakOnSwitch = breaks;
            f.replay(flags);
            QCOMPARE(f.count("SWITCH Gas#"), 0);
            QCOMPARE(f.s.in_current_gas, uint8_t(1));
            const int i = f.indexOf("BREAK ON BETTER Gas#2");
            QCOMPARE(i > 0, breaks);
            if (breaks) {
                const float depth = f.console.lines[i].mid(7, 6).trimmed().chopped(1).toFloat();
                QVERIFY(depth <= 21.1f && depth > 20.0f);
            }
        }
    }

    void setpointOptionsIgnoredInOpenCircuit()
    {
        RunFixture f;
        f.profileOf({{0, 0}, {0, 20}, {10, 20}});
        f.profile->setSetpoint(5, 1.3f);
        ReplayFlags flags;
        flags.breakOnSetpoint = true;
        f.replay(flags);
        QCOMPARE(f.count("Setpoint"), 0);
        QCOMPARE(f.count("BREAK"), 0);
        QCOMPARE(f.s.in_setpoint_cbar, uint8_t(0));
    }

    // 0.7 -> 1.3 bar at 2 minutes: 130 cbar, never 129; with break on setpoint the profile's
    // own first setpoint is the one in use, so the break comes at the change.
    void closedCircuitSetpointChange()
    {
        for (bool breaks : {false, true}) {
            RunFixture f;
            f.image.setByte(ConfigImage::deco_type, 5);
            f.image.setSetpoint(1, 70);
            f.profileOf({{0, 0}, {0, 20}, {10, 20}}, 0);
            f.profile->setSetpoint(0, 0.7f);
            f.profile->setSetpoint(2, 1.3f);
            ReplayFlags flags;
            flags.breakOnSetpoint = breaks;
            f.replay(flags);
            const int i = f.indexOf("SWITCH Setpoint 0.7 -> 1.3");
            QVERIFY(i > 0);
            QVERIFY(f.console.lines[i].startsWith("  2:00  20.0m"));
            QCOMPARE(f.s.in_setpoint_cbar, uint8_t(130));
            const int b = f.indexOf("BREAK ON SETPOINT");
            QCOMPARE(b > i, breaks);
            QVERIFY(!breaks || f.console.lines[b].startsWith("  2:00  20.0m"));
        }
    }

    // A planned CCR dive starts on setpoint 1 as the replay sees it: no switch, no break.
    void plannedSetpointIsNoChange_data()
    {
        QTest::addColumn<int>("cbar");
        for (int cbar = 40; cbar <= 160; ++cbar)
            QTest::addRow("%d cbar", cbar) << cbar;
    }
    void plannedSetpointIsNoChange()
    {
        QFETCH(int, cbar);
        RunFixture f;
        f.image.setByte(ConfigImage::deco_type, 5);
        f.image.setSetpoint(1, static_cast<quint8>(cbar));
        Simulation::appendPlannedSegment(f.profile, false, -1, 10, 3, f.image);
        ReplayFlags flags;
        flags.breakOnSetpoint = true;
        f.replay(flags);
        QCOMPARE(f.count("SWITCH Setpoint"), 0);
        QCOMPARE(f.count("BREAK"), 0);
        QVERIFY(planner::runState().runTime >= 3 * 60);
        QCOMPARE(int(f.s.in_setpoint_cbar), cbar);
    }

    // The reset of the plan outputs still runs: one cycle, which ends the computation.
    void onePointProfileCompletesThePlan()
    {
        RunFixture f;
        f.profileOf({{0, 0}});
        f.replay();
        QCOMPARE(f.trace, QStringList{"replay,0"});
        QCOMPARE(f.s.io_deco_status, uint8_t(0));
        QCOMPARE(planner::runState().runTime, 2);
    }

    void breakOnStopOnlyAboveTheStop_data()
    {
        QTest::addColumn<double>("endDepth");
        QTest::addColumn<bool>("breaks");
        QTest::newRow("ascends above the stop") << 1.0 << true;
        QTest::newRow("stays below the stop") << 30.0 << false;
    }
    void breakOnStopOnlyAboveTheStop()
    {
        QFETCH(double, endDepth);
        QFETCH(bool, breaks);
        RunFixture f;
        f.profileOf({{0, 0}, {2, 40}, {30, 40}, {33, endDepth}, {40, endDepth}});
        f.replay();
        QCOMPARE(f.indexOf("BREAK ON STOP @") > 0, breaks);
        QCOMPARE(planner::runState().runTime < 40 * 60, breaks);
    }

    void planIndexRules()
    {
        RunFixture f;
        f.profileOf({{0, 0}, {1, 10}, {11, 10}});
        const auto plan = planOf(f, {});
        QCOMPARE(plan->stops(), 3); // descent, bottom, surface
        QCOMPARE(plan->stop(-1), 0.0f);
        QCOMPARE(plan->depth(-1), 0.0f);
        QCOMPARE(plan->stop(-3), plan->stop(0));
        QCOMPARE(plan->depth(5), -1.0f);
        QCOMPARE(plan->depth(-4), -1.0f);
        QCOMPARE(plan->gas(3), -1);
        QCOMPARE(plan->runtime(7), -1.0f);
        QCOMPARE(plan->setpoint(-9), -1.0f);
        QVERIFY(!plan->decostop(0)); // descending
        QVERIFY(plan->decostop(1));
        QVERIFY(!plan->decostop(3));
        QCOMPARE(plan->diveDepth(), 10.0f);
        QCOMPARE(plan->diveTime(), 11.0f); // runtime of the first record at the greatest depth
        QCOMPARE(plan->gasName(1), QStringLiteral("Air"));
        QCOMPARE(plan->gasName(2), QString());
        QCOMPARE(plan->model(), QStringLiteral("OC, GF 30/85"));
    }

    // An instant descent gives no record; runtimes and the HTML table round to tenths.
    void planRecordsAndHtml()
    {
        RunFixture f;
        f.profileOf({{0, 0}, {0, 18}, {30, 18}});
        auto plan = planOf(f, {});
        QCOMPARE(plan->stops(), 2);
        QCOMPARE(plan->records()[0].label, QStringLiteral("Gas#1"));
        QCOMPARE(plan->records()[1].label, QString()); // same gas at the surface
        QCOMPARE(plan->runtime(-1), 30.0f + 1.8f + 0.7f);

        f.profileOf({{0, 0}, {1, 10}, {12.01, 10}});
        plan = planOf(f, {});
        const QString html = plan->toHtml();
        QVERIFY(html.startsWith("<table border='0' cellspacing='0' cellpadding='5'>\n"));
        QVERIFY(html.endsWith("</table>"));
        QVERIFY(html.contains("<tr><td align='right'>0 m</td><td align='right'> &darr; <i>1 "
                              "'</i></td><td align='right'>1.0 '</td><td>Gas#1</td></tr>\n"));
        QVERIFY(html.contains("<td align='right'>11.1 '</td><td align='right'>12.1 '</td>"));
        QVERIFY(html.contains("<tr><td align='right'>0 m</td><td align='right'>----</td>"
                              "<td align='right'>13.8 '</td><td></td></tr>\n"));
        Decoplan::setTableBorder(true);
        QVERIFY(plan->toHtml().startsWith("<table border='1'"));
        Decoplan::setTableBorder(false);
    }

    // With CF54 the engine publishes shallowest first; the records stay deepest first.
    void planShallowFirst()
    {
        RunFixture f;
        f.image.setCf(54, 1);
        f.profileOf({{0, 0}, {1, 40}, {21, 40}});
        const auto plan = planOf(f, {{3, 9}, {6, 4}, {9, 2}});
        QCOMPARE(plan->stops(), 6);
        QCOMPARE(plan->depth(2), 9.0f);
        QCOMPARE(plan->depth(4), 3.0f);
        // Level to level at 10 m/min: 21 + (40 - 9) x 0.1 + 2 = 26.1 at the 9 m stop.
        QVERIFY(qAbs(plan->runtime(2) - 26.1f) < 1e-4f);
    }

    void planGasSwitch_data()
    {
        QTest::addColumn<int>("wait");
        QTest::addColumn<int>("records");
        QTest::newRow("CF55=0 adds the switch") << 0 << 6;
        QTest::newRow("CF55=2 lists none of its own") << 2 << 5;
    }
    void planGasSwitch()
    {
        QFETCH(int, wait);
        QFETCH(int, records);
        RunFixture f;
        f.image.setCf(55, static_cast<quint16>(wait));
        f.setGas(2, 50, 0, 21);
        f.profileOf({{0, 0}, {1, 40}, {21, 40}});
        f.s.in_bottom_depth_m = 40;
        const auto plan = planOf(f, {{12, 2}, {6, 5}});
        QCOMPARE(plan->stops(), records);
        if (wait == 0) {
            const DecoplanStop& sw = plan->records()[2];
            QVERIFY(sw.depth == 21.0f && sw.duration == 0.0f && sw.gas == 2);
            QCOMPARE(sw.label, QStringLiteral("SWITCH Gas#1 -> Gas#2"));
        }
        QCOMPARE(plan->gas(-2), 2);
        QCOMPARE(plan->gas(-3), 2);
    }

    // Bailed out on gas 2 from the loop, and the same dive planned on the loop.
    void planBailoutAndLoop()
    {
        RunFixture f;
        f.image.setByte(ConfigImage::deco_type, 5);
        f.image.setSetpoint(1, 130);
        f.setGas(2, 50, 0, 21);
        f.profileOf({{0, 0}, {1, 40}, {21, 40}}, 0);
        const auto loop = planOf(f, {{24, 1}, {21, 2}, {6, 5}}, true);
        QCOMPARE(loop->model(), QStringLiteral("CCR, GF 30/85"));
        for (const DecoplanStop& stop : loop->records())
            QVERIFY(stop.gas == 0 && stop.setpoint == 1.3f);
        f.s.in_current_gas = 2;
        engine::save_state(f.s);
        Decoplan plan(f.s, f.image, f.profile.get());
        plan.create(false);
        QCOMPARE(plan.model(), QStringLiteral("Bailout, GF 30/85"));
        const QVector<DecoplanStop>& r = plan.records();
        QCOMPARE(r[0].label, QStringLiteral("SP 1.30"));
        QCOMPARE(r[0].gas, 0);
        // The first open-circuit stop is breathed deeper than gas 2's change depth.
        QCOMPARE(r[2].depth, 24.0f);
        QCOMPARE(r[2].label,
                 QStringLiteral("<font color='red'><b>DEEP BAILOUT Gas#2 at 21m</b></font>"));
    }

    // Creating a plan leaves the engine as the run left it.
    void planRestoresSnapshot()
    {
        RunFixture f;
        f.simulate(-1, 45.0f, 25.0f);
        engine::save_state(f.s);
        const engine::engine_state before = f.s;
        Decoplan plan(f.s, f.image, f.profile.get());
        plan.create(false);
        QVERIFY(plan.cns() > 0.0f);
        QCOMPARE(plan.tts(), int(before.out_tts_min));
        QVERIFY(std::equal(f.s.tissue_n2_bar, f.s.tissue_n2_bar + engine::compartment_count,
                           before.tissue_n2_bar));
        QCOMPARE(f.s.cns_fraction, before.cns_fraction);
        QCOMPARE(f.s.in_step_mode, uint8_t(0));
    }
};

QTEST_MAIN(TestRuns)
#include "test_runs.moc"
