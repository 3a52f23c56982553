// Simulation runs without a window: trace-line formats, new, continued and repetitive
// dives, the automatic ascent, the replay's changes and breaks, and the plan object.
#include "device/config_image.h"
#include "device/message_sink.h"
#include "engine/engine.h"
#include "planner/decoplan.h"
#include "planner/dive_parameters.h"
#include "planner/simulation.h"
#include "profiles/dive_profile.h"

#include <QtTest>
#include <memory>

using planner::Simulation;
using Points = std::initializer_list<std::pair<double, double>>;

namespace
{

// A run environment without a window: an image (open circuit GF, gas 1 active), an
// engine at 1013 mbar, a console that keeps its lines, a profile and the trace of cycles.
struct RunFixture {
    ConfigImage image = ConfigImage::defaultImage();
    engine::engine_state s;
    CollectingSink console;
    std::unique_ptr<DiveProfile> profile;
    QStringList trace; // phase,time of every cycle

    RunFixture(int decoType = 4)
    {
        s.in_surface_pressure_mbar = s.in_ambient_pressure_mbar = 1013;
        s.config_image = image.data();
        planner::runState() = planner::RunState();
        image.setByte(ConfigImage::deco_type, quint8(decoType));
        image.setSetpoint(1, 130);
        image.setGasActive(1, true);
    }
    planner::RunEnvironment environment(ReplayFlags flags = ReplayFlags())
    {
        planner::RunEnvironment env;
        env.image = &image;
        env.engine = &s;
        env.console = &console;
        env.clearMessages = [this]() { console.lines.clear(); };
        env.profile = profile.get();
        env.flags = flags;
        env.onCycle = [this](const char* phase, int t) {
            trace << QString("%1,%2").arg(phase).arg(t);
        };
        return env;
    }
    void setGas(int n, int o2, int he, int depth, bool active = true)
    {
        image.setGasO2(n, quint8(o2));
        image.setGasHe(n, quint8(he));
        image.setGasDepth(n, quint8(depth));
        image.setGasActive(n, active);
    }
    // Simulate of the main window: the planned segment, then the run.
    void simulate(int interval, float depth, float minutes)
    {
        Simulation::appendPlannedSegment(profile, false, interval, depth, minutes, image);
        Simulation(environment()).runSimulation(interval, profile.get());
    }
    // A profile of points (minutes, metres), on gas 1 from the start unless gas is 0.
    void profileOf(Points points, int gas = 1)
    {
        profile = std::make_unique<DiveProfile>();
        for (const auto& pt : points)
            profile->addPoint(pt.first, pt.second);
        if (gas)
            profile->setGas(0, gas);
    }
    void replay(ReplayFlags flags = ReplayFlags())
    {
        Simulation(environment(flags)).runSimulation(-1, profile.get());
    }
    int indexOf(const QString& text) const
    {
        for (int i = 0; i < console.lines.size(); ++i)
            if (console.lines[i].contains(text))
                return i;
        return -1;
    }
    // A plan of the profile over stops published as the engine would (depth with bit 7).
    std::unique_ptr<Decoplan> plan(const QVector<QPoint>& stops, bool ccr, int gas = 1)
    {
        planner::loadEngineGases(image, s);
        s.in_current_gas = uint8_t(gas);
        engine::save_state(s);
        std::fill(s.out_stop_depth_m, s.out_stop_depth_m + engine::stop_count, 0);
        std::fill(s.out_stop_time_min, s.out_stop_time_min + engine::stop_count, 0);
        int i = 0;
        for (const QPoint& stop : stops) {
            s.out_stop_depth_m[i] = uint8_t(stop.x());
            s.out_stop_time_min[i++] = uint8_t(stop.y());
        }
        s.out_first_stop_depth_m = i ? (s.out_stop_depth_m[0] & 0x7F) : 0;
        auto p = std::make_unique<Decoplan>(s, image, profile.get());
        p->create(ccr);
        return p;
    }
};

} // namespace

// A plan: mode, CF54, CF55, bottom depth, gas 2 (Nx50 at 21 m) on, published stops (depth,
// minutes), 0 open circuit, 1 on the loop, 2 bailed out onto gas 2.
struct PlanCase {
    int decoType, cf54, cf55, depth;
    bool gas2;
    QVector<QPoint> stops;
    int mode;
};
Q_DECLARE_METATYPE(PlanCase)

class TestRuns : public QObject
{
    Q_OBJECT

private slots:
    void traceLine_data()
    {
        QTest::addColumn<float>("depth");
        QTest::addColumn<int>("minutes");         // below 0: no label
        QTest::addColumn<QVector<int>>("engine"); // ppO2, GF, CNS, ambient, N2
        QTest::addColumn<QString>("expected");
        auto row = [](const char* tag, float depth, int min, QVector<int> e, QString text) {
            QTest::newRow(tag) << depth << min << e << " 12:34 " + text;
        };
        const QString red = "<font color=\"red\"><b>%1</b></font>";
        row("75 min", 30, 75, {0, 0, 0, 0, 0}, " 30.0m STOP =  1:15");
        row("60 min", 30, 60, {0, 0, 0, 0, 0}, " 30.0m STOP = 60 '");
        row("no label, no time", 4.25f, -9, {0, 0, 0, 0, 0}, "  4.2m");
        row("ppO2 1.45", 10, -1, {145, 0, 0, 0, 0}, " 10.0m ppO2=1.45");
        row("ppO2 1.62 red", 10, -1, {162, 0, 0, 0, 0}, " 10.0m " + red.arg("ppO2=1.62"));
        row("ppO2 0.18 red", 10, -1, {18, 0, 0, 0, 0}, " 10.0m " + red.arg("ppO2=0.18"));
        row("GF 19 quiet", 1, -1, {0, 19, 0, 0, 0}, "  1.0m");
        row("GF 20", 1, -1, {0, 20, 0, 0, 0}, "  1.0m GF=20%");
        row("GF 120 red", 1, -1, {0, 120, 0, 0, 0}, "  1.0m " + red.arg("GF=120%"));
        row("CNS 25", 1, -1, {0, 0, 25, 0, 0}, "  1.0m CNS=25%");
        row("CNS 101 red", 1, -1, {0, 0, 101, 0, 0}, "  1.0m " + red.arg("CNS=101%"));
        row("ppN2 5.69 red", 62, -1, {0, 0, 0, 7204, 79},
            " 62.0m <font color='red'><b>ppN2=5.69</b></font>");
    }
    void traceLine()
    {
        QFETCH(float, depth);
        QFETCH(int, minutes);
        QFETCH(QVector<int>, engine);
        QFETCH(QString, expected);
        RunFixture f;
        planner::runState().runTime = 754;
        f.s.in_ppo2_cbar = uint8_t(engine[0]);
        f.s.out_gf_percent = uint8_t(engine[1]);
        f.s.out_cns_percent = uint8_t(engine[2]);
        f.s.in_ambient_pressure_mbar = uint16_t(engine[3]);
        f.s.in_n2_percent = uint8_t(engine[4]);
        const QString label = minutes < 0 ? QString() : QString("STOP");
        QCOMPARE(Simulation(f.environment()).traceLine(depth, label, qAbs(minutes)), expected);
    }

    // The first run resets the dive whatever the interval; a later one with interval 0
    // continues the profile and the clock after a separator. Still at depth, a dive after
    // an interval ascends first, then starts from 0 s over the previous dive's points.
    void continuedAndRepetitiveDives()
    {
        RunFixture f;
        f.simulate(0, 18.0f, 5.0f);
        QVERIFY(f.indexOf("*  dive continued at depth = 0 m") > 0);
        QCOMPARE(f.indexOf("==================================="), -1);
        const int end = planner::runState().runTime;
        f.trace.clear();
        f.console.lines.clear();
        f.simulate(0, 15.0f, 5.0f);
        QCOMPARE(f.console.lines.first(), QString("==================================="));
        QCOMPARE(f.profile->points(), 5);
        QCOMPARE(f.profile->depths().last(), 15.0);
        QCOMPARE(f.profile->times().last(), 10.0);
        QCOMPARE(f.trace.first(), QString("replay,%1").arg(end));
        f.trace.clear();
        f.simulate(60, 30.0f, 10.0f);
        QVERIFY(f.trace.first().startsWith("ascent,") && f.trace.contains("replay,0"));
        QCOMPARE(f.profile->points(), 7);
    }

    // 30 m to the surface at 10 m/min without stops, switching to the deco gas at 21 m; then
    // again from the surface. The gas volumes (checked by the validation suite) need a dive.
    void ascent()
    {
        RunFixture f;
        f.setGas(2, 50, 0, 21);
        f.simulate(-1, 30.0f, 5.0f);
        // Creating a plan leaves the engine as the run left it.
        engine::save_state(f.s);
        const engine::engine_state before = f.s;
        Decoplan run(f.s, f.image, f.profile.get());
        run.create(false);
        QVERIFY(run.cns() > 0.0f);
        QCOMPARE(run.tts(), int(before.out_tts_min));
        QVERIFY(std::equal(f.s.tissue_n2_bar, f.s.tissue_n2_bar + engine::compartment_count,
                           before.tissue_n2_bar));
        QCOMPARE(f.s.cns_fraction, before.cns_fraction);
        QCOMPARE(f.s.in_step_mode, uint8_t(0));
        f.trace.clear();
        f.console.lines.clear();
        Simulation(f.environment()).ascendTo(0, 10);
        QCOMPARE(f.trace.size(), 90);
        QVERIFY(f.trace.first().startsWith("ascent,"));
        QVERIFY(f.indexOf("  21.0m SWITCH Gas#1 -> Gas#2") >= 0);
        const int done = f.indexOf("   0.0m ASCENT DONE");
        QVERIFY(done > 0);
        QVERIFY(f.console.lines[done + 1].contains("   0.0m NoFly = "));
        QVERIFY(f.console.lines[done + 2].contains("   0.0m Desat = "));
        QCOMPARE(f.s.in_ambient_pressure_mbar, f.s.in_surface_pressure_mbar);
        f.console.lines.clear();
        Simulation(f.environment()).ascendTo(0, 10);
        QVERIFY(f.indexOf("DESCENT DONE") >= 0);
        QVERIFY(f.indexOf("Desat") > f.indexOf("NoFly") && f.indexOf("NoFly") > 0);
        // Surfaced: nothing more to breathe.
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
        QVERIFY(
            f.console.lines.value(f.indexOf("SWITCH Gas#1 -> Gas#2")).startsWith("  1:02  15.0m"));
        QCOMPARE(f.console.lines.filter("SWITCH").size(), 1);
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
            QCOMPARE(f.console.lines.filter("SWITCH Gas#").size(), 0);
            QCOMPARE(f.s.in_current_gas, uint8_t(1));
            const int i = f.indexOf("BREAK ON BETTER Gas#2");
            QCOMPARE(i > 0, breaks);
            if (breaks) {
                const float depth = f.console.lines[i].mid(7, 6).trimmed().chopped(1).toFloat();
                QVERIFY(depth <= 21.1f && depth > 20.0f);
            }
        }
    }

    // 0.7 -> 1.3 bar at 2 minutes: 130 cbar, never 129; with break on setpoint the profile's
    // own first setpoint is the one in use, so the break comes at the change. Open circuit
    // ignores setpoints and their breaks.
    void setpointChanges_data()
    {
        QTest::addColumn<int>("decoType");
        QTest::addColumn<bool>("breaks");
        QTest::newRow("CCR") << 5 << false;
        QTest::newRow("CCR, break on setpoint") << 5 << true;
        QTest::newRow("open circuit, break on setpoint") << 4 << true;
    }
    void setpointChanges()
    {
        QFETCH(int, decoType);
        QFETCH(bool, breaks);
        const bool ccr = decoType == 5;
        RunFixture f(decoType);
        f.image.setSetpoint(1, 70);
        f.profileOf({{0, 0}, {0, 20}, {10, 20}}, ccr ? 0 : 1);
        f.profile->setSetpoint(0, 0.7f);
        f.profile->setSetpoint(2, 1.3f);
        ReplayFlags flags;
        flags.breakOnSetpoint = breaks;
        f.replay(flags);
        const int i = f.indexOf("SWITCH Setpoint 0.7 -> 1.3");
        QCOMPARE(f.console.lines.value(i).startsWith("  2:00  20.0m"), ccr);
        QCOMPARE(f.s.in_setpoint_cbar, uint8_t(ccr ? 130 : 0));
        const int b = f.indexOf("BREAK");
        QCOMPARE(b > i && f.console.lines[b].startsWith("  2:00  20.0m BREAK ON SETPOINT"),
                 ccr && breaks);
        QCOMPARE(b >= 0, ccr && breaks);
    }

    // A planned CCR dive starts on setpoint 1 as the replay sees it: no switch, no break.
    void plannedSetpointIsNoChange()
    {
        ReplayFlags flags;
        flags.breakOnSetpoint = true;
        for (int cbar = 40; cbar <= 160; ++cbar) {
            RunFixture f(5);
            f.image.setSetpoint(1, quint8(cbar));
            Simulation::appendPlannedSegment(f.profile, false, -1, 10, 3, f.image);
            f.replay(flags);
            QVERIFY2(f.console.lines.filter(QRegularExpression("SWITCH Setpoint|BREAK")).isEmpty(),
                     qPrintable(QString::number(cbar)));
            QVERIFY(planner::runState().runTime >= 3 * 60);
            QCOMPARE(int(f.s.in_setpoint_cbar), cbar);
        }
    }

    // A one-point profile still runs the reset of the plan outputs: one cycle, which ends the
    // computation. Break on stop only once the profile goes above the first stop.
    void shortProfileAndBreakOnStop()
    {
        RunFixture f;
        f.profileOf({{0, 0}});
        f.replay();
        QCOMPARE(f.trace, QStringList{"replay,0"});
        QCOMPARE(f.s.io_deco_status, uint8_t(0));
        QCOMPARE(planner::runState().runTime, 2);
        for (double end : {1.0, 30.0}) {
            RunFixture g;
            g.profileOf({{0, 0}, {2, 40}, {30, 40}, {33, end}, {40, end}});
            g.replay();
            QCOMPARE(g.indexOf("BREAK ON STOP @") > 0, end < 3);
            QCOMPARE(planner::runState().runTime < 40 * 60, end < 3);
        }
    }

    // Records of descent, bottom and surface; out-of-range indexes; the HTML table in tenths.
    void planRecordsAndHtml()
    {
        RunFixture f;
        f.profileOf({{0, 0}, {1, 10}, {11, 10}});
        const auto plan = f.plan({}, false); // descent, bottom, surface
        QCOMPARE(plan->stop(-1), 0.0f);
        QCOMPARE(plan->stop(-3), plan->stop(0));
        QCOMPARE(QVector<float>({plan->depth(-1), plan->depth(5), plan->depth(-4), plan->runtime(7),
                                 plan->setpoint(-9)}),
                 QVector<float>({0, -1, -1, -1, -1}));
        QCOMPARE(plan->gas(3), -1);
        QVERIFY(!plan->decostop(0) && plan->decostop(1) && !plan->decostop(3));
        QCOMPARE(plan->diveDepth(), 10.0f);
        QCOMPARE(plan->diveTime(), 11.0f); // runtime of the first record at the greatest depth
        QCOMPARE(plan->gasName(1) + "|" + plan->gasName(2), QString("Air|"));
        f.profileOf({{0, 0}, {1, 10}, {12.01, 10}});
        const QString html = f.plan({}, false)->toHtml();
        QVERIFY(html.startsWith("<table border='0' cellspacing='0' cellpadding='5'>\n"));
        QVERIFY(html.endsWith("</table>"));
        QVERIFY(html.contains("<tr><td align='right'>0 m</td><td align='right'> &darr; <i>1 "
                              "'</i></td><td align='right'>1.0 '</td><td>Gas#1</td></tr>\n"));
        QVERIFY(html.contains("<td align='right'>11.1 '</td><td align='right'>12.1 '</td>"));
        QVERIFY(html.contains("<tr><td align='right'>0 m</td><td align='right'>----</td>"
                              "<td align='right'>13.8 '</td><td></td></tr>\n"));
        Decoplan::setTableBorder(true);
        QVERIFY(f.plan({}, false)->toHtml().startsWith("<table border='1'"));
        Decoplan::setTableBorder(false);
    }

    // Whole plans as "kind depth duration runtime gas setpoint label" per record, over the
    // stops the engine would publish (depth with bit 7). CF55 = 0 adds a switch record of its
    // own; with CF54 the engine publishes shallowest first and the records stay deepest first;
    // bailed out from the loop, the first open-circuit stop is breathed deeper than gas 2's
    // change depth.
    void plans_data()
    {
        QTest::addColumn<PlanCase>("c");
        QTest::addColumn<QString>("records");
        auto row = [](const char* tag, PlanCase c, const char* records) {
            QTest::newRow(tag) << c << QString(records);
        };
        row("no stop", {4, 0, 0, 10, false, {}, 0},
            "OC, GF 30/85 | -1 0 1 1 1 0 Gas#1 | 0 10 10 11 1 0 | 0 0 0 12.7 1 0");
        row("instant descent", {4, 0, 0, 18, false, {}, 0},
            "OC, GF 30/85 | 0 18 30 30 1 0 Gas#1 | 0 0 0 32.5 1 0");
        row("CF55=0 adds the switch", {4, 0, 0, 40, true, {{12, 2}, {6, 5}}, 0},
            "OC, GF 30/85 | -1 0 1 1 1 0 Gas#1 | 0 40 20 21 1 0 | 0 21 0 22.9 2 0 SWITCH Gas#1 -> "
            "Gas#2 | 0 12 2 25.8 2 0 | 0 6 5 31.4 2 0 | 0 0 0 32.7 2 0");
        row("CF55=2 lists none of its own", {4, 0, 2, 40, true, {{12, 2}, {6, 5}}, 0},
            "OC, GF 30/85 | -1 0 1 1 1 0 Gas#1 | 0 40 20 21 1 0 | 0 12 2 25.8 2 0 SWITCH Gas#1 -> "
            "Gas#2 | 0 6 5 31.4 2 0 | 0 0 0 32.7 2 0");
        row("CF54 shallowest first", {4, 1, 0, 40, false, {{3, 9}, {6, 4}, {9, 2}}, 0},
            "OC, GF 30/85 | -1 0 1 1 1 0 Gas#1 | 0 40 20 21 1 0 | 0 9 2 26.1 1 0 | 0 6 4 30.4 1 0 "
            "| 0 3 9 39.7 1 0 | 0 0 0 40.7 1 0");
        row("loop", {5, 0, 0, 40, true, {{24, 1}, {21, 2}, {6, 5}}, 1},
            "CCR, GF 30/85 | -1 0 1 1 0 1.3 SP 1.30 | 0 40 20 21 0 1.3 | 0 24 1 23.6 0 1.3 | 0 21 "
            "2 25.9 0 1.3 | 0 6 5 32.4 0 1.3 | 0 0 0 33.7 0 1.3");
        row("bailout", {5, 0, 0, 40, true, {{24, 1}, {21, 2}, {6, 5}}, 2},
            "Bailout, GF 30/85 | -1 0 1 1 0 1.3 SP 1.30 | 0 40 20 21 0 1.3 | 0 24 1 23.6 2 0 <font "
            "color='red'><b>DEEP BAILOUT Gas#2 at 21m</b></font> | 0 21 2 25.9 2 0 | 0 6 5 32.4 2 "
            "0 | 0 0 0 33.7 2 0");
        row("open circuit, switched deeper", {4, 0, 0, 40, true, {{24, 1}, {6, 5}}, 2},
            "OC, GF 30/85 | -1 0 1 1 1 0 Gas#1 | 0 40 20 21 1 0 | 0 24 1 23.6 2 0 SWITCH Gas#1 -> "
            "Gas#2 at 21m | 0 6 5 30.4 2 0 | 0 0 0 31.7 2 0");
        row("nothing on the loop", {5, 0, 0, 0, false, {}, 1},
            "CCR, GF 30/85 | 0 0 0 0.7 0 1.3 SP 1.30");
    }
    void plans()
    {
        QFETCH(PlanCase, c);
        QFETCH(QString, records);
        RunFixture f(c.decoType);
        f.image.setCf(54, quint16(c.cf54));
        f.image.setCf(55, quint16(c.cf55));
        if (c.gas2)
            f.setGas(2, 50, 0, 21);
        // A profile without gases breathes the first gas, or the loop.
        const int gas = c.decoType == 4 && c.mode != 2 ? 1 : 0;
        if (c.depth == 0)
            f.profileOf({{0, 0}}, gas);
        else if (c.depth == 18)
            f.profileOf({{0, 0}, {0, 18}, {30, 18}}, gas);
        else
            f.profileOf({{0, 0}, {1, double(c.depth)}, {c.depth == 10 ? 11 : 21, double(c.depth)}},
                        gas);
        f.s.in_bottom_depth_m = uint8_t(c.depth);
        const auto plan = f.plan(c.stops, c.mode == 1, c.mode == 2 ? 2 : 1);
        QStringList actual{plan->model()};
        for (const DecoplanStop& r : plan->records())
            actual << QString::asprintf("%d %g %g %g %d %g %s", r.kind, double(r.depth),
                                        double(r.duration), double(r.runtime), r.gas,
                                        double(r.setpoint), qPrintable(r.label))
                          .trimmed();
        QCOMPARE(actual.join(" | "), records);
    }
};

QTEST_MAIN(TestRuns)
#include "test_runs.moc"
