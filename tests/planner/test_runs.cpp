// SPDX-License-Identifier: GPL-3.0-or-later
// The planner without a window: gas names, MOD/EAD/END and diluent lines, engine inputs from
// the image, roundings, the ppO2 and mix checks of setDepth and the deco gas choice; runs
// with their trace lines, new, continued and repetitive dives, the automatic ascent, the
// replay's changes and breaks, and the plan object.
#include "data_table.h"
#include "device/config_image.h"
#include "device/message_sink.h"
#include "engine/engine.h"
#include "planner/decoplan.h"
#include "planner/dive_parameters.h"
#include "planner/plan_core.h"
#include "planner/plan_parameters.h"
#include "planner/simulation.h"
#include "profiles/dive_profile.h"

#include <QtTest>
#include <array>
#include <memory>

using namespace planner;
using Bytes = QVector<uint8_t>;
using Points = std::initializer_list<std::pair<double, double>>;

namespace
{

// Gases 1, 2, ... as {O2, He, depth, active}.
ConfigImage imageWithGases(std::initializer_list<std::array<int, 4>> gases)
{
    ConfigImage im = ConfigImage::defaultImage();
    int n = 1;
    for (const auto& g : gases) {
        im.setGasO2(n, quint8(g[0]));
        im.setGasHe(n, quint8(g[1]));
        im.setGasDepth(n, quint8(g[2]));
        im.setGasActive(n++, g[3] != 0);
    }
    im.setByte(ConfigImage::first_gas, 1);
    return im;
}

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
        runState() = RunState();
        image.setByte(ConfigImage::deco_type, quint8(decoType));
        image.setSetpoint(1, 130);
        image.setGasActive(1, true);
    }
    Simulation run(ReplayFlags flags = ReplayFlags())
    {
        RunEnvironment env;
        env.image = &image;
        env.engine = &s;
        env.console = &console;
        env.clearMessages = [this]() { console.lines.clear(); };
        env.profile = profile.get();
        env.flags = flags;
        env.onCycle = [this](const char* ph, int t) { trace << QString("%1,%2").arg(ph).arg(t); };
        return Simulation(env);
    }
    // Gas 2 is Nx50 from 21 m.
    void nitrox50()
    {
        image.setGasO2(2, 50);
        image.setGasDepth(2, 21);
        image.setGasActive(2, true);
    }
    // Simulate of the main window: the planned segment, then the run.
    void simulate(int interval, float depth, float minutes)
    {
        Simulation::appendPlannedSegment(profile, false, interval, depth, minutes, image);
        run().runSimulation(interval, profile.get());
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
    void replay(ReplayFlags flags = ReplayFlags()) { run(flags).runSimulation(-1, profile.get()); }
    int indexOf(const QString& text) const
    {
        for (int i = 0; i < console.lines.size(); ++i)
            if (console.lines[i].contains(text))
                return i;
        return -1;
    }
    // A plan of the profile over stops published as the engine would.
    std::unique_ptr<Decoplan> plan(const QVector<QPoint>& stops, bool ccr, int gas = 1)
    {
        loadEngineGases(image, s);
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

class TestPlanner : public QObject
{
    Q_OBJECT

private slots:
    void mixes_data() { dataRows("mixes.txt"); }
    void mixes()
    {
        QFETCH(QStringList, c);
        const QVector<double> mix = numbers(c[1]);
        const int o2 = int(mix[0]), he = int(mix[1]), depth = int(mix[2]);
        if (!c[3].isEmpty()) {
            QCOMPARE(gasName(o2, he), c[3]);
            QCOMPARE(gasName(imageWithGases({{0, 0, 0, 0}, {o2, he, 0, 1}}), 2), c[3]);
        }
        const GasInfo info = gasInfo(o2, he, qMax(depth, 0), mix[3]);
        if (!c[4].isEmpty())
            QCOMPARE(depth < 0 ? setpointInfoText(mix[3], o2, he) : gasInfoText(info), c[4]);
        QCOMPARE(depth >= 0 && info.mixInvalid, c[2] == "1");
    }

    void engineGasesFromImage()
    {
        ConfigImage im = imageWithGases(
            {{18, 45, 0, 1}, {50, 0, 21, 1}, {100, 0, 6, 0}, {60, 50, 9, 1}, {21, 0, 0, 1}});
        im.setByte(ConfigImage::deco_type, 5);
        im.setSetpoint(1, 130);
        for (const auto& cf :
             {std::array<int, 2>{11, 110}, {12, 90}, {16, 25}, {29, 6}, {32, 30}, {33, 85}})
            im.setCf(cf[0], quint16(cf[1]));
        engine::engine_state s;
        s.in_surface_interval_10min = 7;
        loadEngineGases(im, s);
        QCOMPARE(Bytes({s.in_sat_factor_percent, s.in_desat_factor_percent, s.in_deco_distance_cbar,
                        s.in_last_stop_m, s.in_gf_low_percent, s.in_gf_high_percent, s.in_gf_model,
                        s.in_setpoint_cbar, s.in_surface_interval_10min}),
                 Bytes({110, 90, 25, 6, 30, 85, 1, 130, 0}));
        // Gas 3 inactive, gases 1 and 5 at depth 0: no switch depth.
        QCOMPARE(Bytes(s.in_gas_n2_percent, s.in_gas_n2_percent + 5), Bytes({37, 50, 0, 0, 79}));
        QCOMPARE(Bytes(s.in_gas_he_percent, s.in_gas_he_percent + 5), Bytes({45, 0, 0, 50, 0}));
        QCOMPARE(Bytes(s.in_gas_switch_depth_m, s.in_gas_switch_depth_m + 5),
                 Bytes({0, 21, 0, 9, 0}));
        QCOMPARE(Bytes({s.in_first_gas, s.in_current_gas, s.in_n2_percent, s.in_he_percent}),
                 Bytes({1, 1, 37, 45}));
        QCOMPARE(s.config_image, im.data());
        // Open circuit: no GF model, no setpoint; a first gas outside 1..5 breathes nothing.
        im.setByte(ConfigImage::deco_type, 0);
        im.setByte(ConfigImage::first_gas, 6);
        loadEngineGases(im, s);
        QCOMPARE(Bytes({s.in_gf_model, s.in_setpoint_cbar, s.in_n2_percent, s.in_he_percent}),
                 Bytes({0, 0, 0, 0}));
    }

    // Setpoints in centibar, depths in decimetres: rounded, or truncated without losing a unit
    // to the binary fraction.
    void scaled()
    {
        QCOMPARE(
            QVector<int>({roundScaled(1.3, 100), roundScaled(1.299, 100), roundScaled(2.5, 10)}),
            QVector<int>({130, 130, 25}));
        QCOMPARE(QVector<int>({truncScaled(1.3, 100), truncScaled(1.299, 100),
                               truncScaled(0.7, 100), truncScaled(-1.15, 100)}),
                 QVector<int>({130, 129, 70, -115}));
    }

    void setDepth_data() { dataRows("set_depth.txt"); }
    void setDepth()
    {
        QFETCH(QStringList, c);
        const QVector<double> v = numbers(c[1]); // O2, He, mode, depth
        const int ambient = c[2].toInt();
        ConfigImage im = imageWithGases({{int(v[0]), int(v[1]), 0, 1}});
        if (v[2] > 0) {
            im.setByte(ConfigImage::deco_type, 2);
            im.setSetpoint(1, 130);
            im.setCf(39, quint16(v[2] - 1));
        }
        engine::engine_state s;
        loadEngineGases(im, s);
        s.in_surface_pressure_mbar = 1013;
        QString thrown;
        try {
            planner::setDepth(im, s, float(v[3]));
        } catch (const QString& e) {
            thrown = e;
        }
        QCOMPARE(thrown, c[4]);
        // The ambient pressure is set before the mix is checked.
        QVERIFY(s.in_ambient_pressure_mbar > 1000);
        QVERIFY(!ambient || s.in_ambient_pressure_mbar == ambient);
        QVERIFY(!thrown.isEmpty() || s.in_ppo2_cbar == c[3].toInt());
    }

    // The deco gas for a depth: gas 1 is first, not a deco gas; 2 at 21 m; 3 and 4 at 6 m
    // (equal depths: the higher gas); 5 inactive at 3 m. A gas without a change depth is none.
    void bestGas()
    {
        const ConfigImage im = imageWithGases(
            {{21, 0, 40, 1}, {50, 0, 21, 1}, {100, 0, 6, 1}, {99, 0, 6, 1}, {100, 0, 3, 0}});
        QCOMPARE(QVector<int>({bestGasForDepth(im, 21.05f), bestGasForDepth(im, 21.2f),
                               bestGasForDepth(im, 5.0f), bestGasForDepth(im, 0.0f)}),
                 QVector<int>({2, 0, 4, 4}));
        QCOMPARE(bestGasForDepth(imageWithGases({{21, 0, 30, 1}, {50, 0, 0, 1}}), 10.0f), 0);
    }

    void traceLine_data() { dataRows("trace_lines.txt"); }
    void traceLine()
    {
        QFETCH(QStringList, c);
        const QVector<double> v = numbers(c[1]); // depth, minutes, ppO2, GF, CNS, ambient, N2
        RunFixture f;
        runState().runTime = 754;
        f.s.in_ppo2_cbar = uint8_t(v[2]);
        f.s.out_gf_percent = uint8_t(v[3]);
        f.s.out_cns_percent = uint8_t(v[4]);
        f.s.in_ambient_pressure_mbar = uint16_t(v[5]);
        f.s.in_n2_percent = uint8_t(v[6]);
        const QString label = v[1] < 0 ? QString() : QString("STOP");
        QCOMPARE(f.run().traceLine(float(v[0]), label, qAbs(int(v[1]))).trimmed(), c[2]);
    }

    // The first run resets the dive whatever the interval; a later one with interval 0
    // continues the profile and the clock after a separator. Still at depth, a dive after
    // an interval ascends first, then starts from 0 s on a profile of its own.
    void continuedAndRepetitiveDives()
    {
        RunFixture f;
        f.simulate(0, 18.0f, 5.0f);
        QVERIFY(f.indexOf("*  dive continued at depth = 0 m") > 0);
        QCOMPARE(f.indexOf("==================================="), -1);
        const int end = runState().runTime;
        f.trace.clear();
        f.console.lines.clear();
        f.simulate(0, 15.0f, 5.0f);
        QCOMPARE(f.console.lines.first(), QString("==================================="));
        QCOMPARE(f.profile->points(), 5);
        QCOMPARE(QPointF(f.profile->times().last(), f.profile->depths().last()), QPointF(10, 15));
        QCOMPARE(f.trace.first(), QString("replay,%1").arg(end));
        f.trace.clear();
        f.simulate(60, 30.0f, 10.0f);
        QVERIFY(f.trace.first().startsWith("ascent,") && f.trace.contains("replay,0"));
        QCOMPARE(f.profile->points(), 3);
    }

    // 30 m to the surface at 10 m/min without stops, switching to the deco gas at 21 m; then
    // again from the surface. The gas volumes (checked by the validation suite) need a dive.
    void ascent()
    {
        RunFixture f;
        f.nitrox50();
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
        f.run().ascendTo(0, 10);
        QVERIFY(f.trace.size() == 90 && f.trace.first().startsWith("ascent,"));
        QVERIFY(f.indexOf("  21.0m SWITCH Gas#1 -> Gas#2") >= 0);
        const int done = f.indexOf("   0.0m ASCENT DONE");
        QVERIFY(done > 0 && f.console.lines.value(done + 1).contains("   0.0m NoFly = "));
        QVERIFY(f.console.lines.value(done + 2).contains("   0.0m Desat = "));
        QCOMPARE(f.s.in_ambient_pressure_mbar, f.s.in_surface_pressure_mbar);
        f.console.lines.clear();
        f.run().ascendTo(0, 10);
        QVERIFY(f.indexOf("DESCENT DONE") >= 0);
        QVERIFY(f.indexOf("Desat") > f.indexOf("NoFly") && f.indexOf("NoFly") > 0);
        // Surfaced: nothing more to breathe.
        f.console.lines.clear();
        f.run().runGasVolumes(f.profile.get());
        QCOMPARE(f.console.lines, QStringList{"Already surfaced: no more gas consumation"});
    }

    // A gas change at an odd second is made in the cycle that covers it, once; a change to
    // the gas in use says nothing. Gas switches off: the first gas throughout; with break on
    // switch the replay stops once gas 2 may be breathed (no deeper than 21.1 m).
    void gasChanges()
    {
        RunFixture f;
        f.nitrox50();
        f.profileOf({{0, 0}, {0, 15}, {10, 15}});
        f.profile->setGas(61 / 60.0, 2);
        f.profile->setGas(4, 2);
        f.replay();
        const QStringList switches = f.console.lines.filter("SWITCH");
        QVERIFY(switches.size() == 1 && switches[0].startsWith("  1:02  15.0m SWITCH Gas#1 -> "));
        QCOMPARE(f.s.in_current_gas, uint8_t(2));
        ReplayFlags flags;
        flags.gasSwitch = flags.breakOnStop = false;
        for (bool breaks : {false, true}) {
            RunFixture f;
            f.nitrox50();
            f.profileOf({{0, 0}, {0, 30}, {10, 30}, {13, 0}});
            f.profile->setGas(11, 2);
            flags.breakOnSwitch = breaks;
            f.replay(flags);
            QCOMPARE(f.console.lines.filter("SWITCH Gas#").size(), 0);
            QCOMPARE(f.s.in_current_gas, uint8_t(1));
            const int i = f.indexOf("BREAK ON BETTER Gas#2");
            QCOMPARE(i > 0, breaks);
            const float depth = f.console.lines.value(i).mid(7, 6).remove('m').toFloat();
            QVERIFY(!breaks || (depth <= 21.1f && depth > 20.0f));
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
            QVERIFY(runState().runTime >= 3 * 60);
            QCOMPARE(int(f.s.in_setpoint_cbar), cbar);
        }
    }

    // A one-point profile still runs the reset of the plan outputs and then the check that
    // makes a plan of them. Break on stop only once the profile goes above the first stop.
    void shortProfileAndBreakOnStop()
    {
        RunFixture f;
        f.profileOf({{0, 0}});
        f.replay();
        QCOMPARE(f.trace, QStringList({"replay,0", "replay,2"}));
        QCOMPARE(f.s.io_deco_status, uint8_t(0));
        QCOMPARE(runState().runTime, 4);
        for (double end : {1.0, 30.0}) {
            RunFixture g;
            g.profileOf({{0, 0}, {2, 40}, {30, 40}, {33, end}, {40, end}});
            g.replay();
            QCOMPARE(g.indexOf("BREAK ON STOP @") > 0, end < 3);
            QCOMPARE(runState().runTime < 40 * 60, end < 3);
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

    // Planning cores keep their own dives: a repetitive dive planned on a core that another
    // core's plans interleave with is the one planned on a core alone, and neither touches the
    // program's own engine and run clock.
    void planningCoresSideBySide()
    {
        planner::PlanRequest first, deep, second;
        for (planner::PlanRequest* r : {&first, &deep, &second})
            r->image = ConfigImage::defaultImage();
        QCOMPARE(planner::setPlanParameter(first, "dive_depth", 40), QString());
        QCOMPARE(planner::setPlanParameter(deep, "dive_depth", 70), QString());
        QCOMPARE(planner::setPlanParameter(deep, "He_1", 40), QString());
        QCOMPARE(planner::setPlanParameter(second, "interval", 90), QString());
        second.keepMessages = true;
        runState() = RunState();
        const float program = plannerEngine().tissue_n2_bar[0];

        planner::PlanningCore alone, a, b;
        alone.plan(first);
        const planner::PlanResult expected = alone.plan(second);
        a.plan(first);
        b.plan(deep);
        const planner::PlanResult interleaved = a.plan(second);
        b.plan(second);
        QVERIFY(expected.ok() && expected.plan.ttsMinutes > 0);
        QCOMPARE(interleaved.messages, expected.messages);
        QCOMPARE(interleaved.plan.ttsMinutes, expected.plan.ttsMinutes);
        QVERIFY(b.plan(second).plan.ttsMinutes != expected.plan.ttsMinutes);
        QVERIFY(runState().runTime == -1 && plannerEngine().tissue_n2_bar[0] == program);
    }

    // Planning inputs by name take what their fields take: range, decimals, switches.
    void planParameters_data() { dataRows("plan_parameters.txt"); }
    void planParameters()
    {
        QFETCH(QStringList, c);
        planner::PlanRequest r;
        r.image.setCf(Cf::GfLow, 30);
        r.image.setCf(Cf::GfHigh, 85);
        r.image.setByte(ConfigImage::deco_type, ConfigImage::GfOc);
        QCOMPARE(planner::setPlanParameter(r, c[0], c[1]), c[2]);
        QCOMPARE(planner::planParameter(r, c[0]).toString(), c[3]);
    }

    void plans_data() { dataRows("plans.txt"); }
    void plans()
    {
        QFETCH(QStringList, c);
        const QVector<double> v = numbers(c[1]);
        const int decoType = int(v[0]), depth = int(v[3]), mode = int(v[5]);
        QVector<QPoint> stops;
        for (const QString& s : c[2].split(' ', Qt::SkipEmptyParts))
            stops << QPoint(s.section(':', 0, 0).toInt(), s.section(':', 1).toInt());
        RunFixture f(decoType);
        f.image.setCf(54, quint16(v[1]));
        f.image.setCf(55, quint16(v[2]));
        if (v[4])
            f.nitrox50();
        // A profile without gases breathes the first gas, or the loop.
        const int gas = decoType == 4 && mode != 2 ? 1 : 0;
        if (depth == 0)
            f.profileOf({{0, 0}}, gas);
        else if (depth == 18)
            f.profileOf({{0, 0}, {0, 18}, {30, 18}}, gas);
        else
            f.profileOf({{0, 0}, {1, double(depth)}, {depth == 10 ? 11 : 21, double(depth)}}, gas);
        f.s.in_bottom_depth_m = uint8_t(depth);
        const auto plan = f.plan(stops, mode == 1, mode == 2 ? 2 : 1);
        QStringList actual{plan->model()};
        for (const DecoplanStop& r : plan->records())
            actual << QString::asprintf("%d %g %g %g %d %g %s", r.kind, double(r.depth),
                                        double(r.duration), double(r.runtime), r.gas,
                                        double(r.setpoint), qPrintable(r.label))
                          .trimmed();
        QCOMPARE(actual, c.mid(3));
    }
};

QTEST_MAIN(TestPlanner)
#include "test_runs.moc"
