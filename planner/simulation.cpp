// SPDX-License-Identifier: GPL-3.0-or-later
// The simulation runs: see simulation.h.
#include "planner/simulation.h"

#include "device/config_image.h"
#include "engine/engine.h"
#include "planner/decoplan.h"
#include "planner/dive_parameters.h"
#include "planner/run_plot.h"
#include "profiles/dive_profile.h"

#include <QCoreApplication>
#include <cmath>

namespace planner
{

namespace
{

QString tr(const char* text, const char* disambiguation = nullptr)
{
    return QCoreApplication::translate("planner::Simulation", text, disambiguation);
}

// A depth in whole metres, rounded up, as the engine's 8-bit bottom depth.
uint8_t metresRoundedUp(float depth)
{
    const float m = std::ceil(depth);
    return static_cast<uint8_t>(m <= 0 ? 0 : (m >= 255 ? 255 : m));
}

} // namespace

RunState& runState()
{
    static RunState state;
    return state;
}

Simulation::Simulation(const RunEnvironment& env)
    : env_(env), image_(*env.image), s_(*env.engine), report_(env_, image_, s_)
{
}

QString Simulation::traceLine(float depth, const QString& label, int minutes) const
{
    return report_.traceLine(depth, label, minutes);
}

void Simulation::writeTraceLine(float depth, const QString& label, int minutes)
{
    report_.writeTraceLine(depth, label, minutes);
}

void Simulation::writeHeader(int interval)
{
    report_.writeHeader(interval);
}

int Simulation::cf(int n) const
{
    return image_.cf(n);
}

void Simulation::processEvents()
{
    if (env_.processEvents)
        env_.processEvents();
}

// A refusal names the depth where the mix would have been breathed.
void Simulation::setDepth(float depth)
{
    planner::placeAt(image_, s_, depth);
    try {
        planner::checkBreathedMix(s_);
    } catch (const QString& refusal) {
        throw tr("%1 at %2 m").arg(refusal).arg(depth, 0, 'f', 1);
    }
}

// Every run starts here: a gas in use whose O2 and He add up to more than 100 % cannot be
// breathed as it is named, so the run is refused before its first cycle.
void Simulation::loadEngineGases()
{
    if (const int g = impossibleMixGas(image_))
        throw tr("BAD MIX: Gas#%1 has O2 %2% + He %3%, more than 100%")
            .arg(g)
            .arg(image_.gasO2(g))
            .arg(image_.gasHe(g));
    planner::loadEngineGases(image_, s_);
}

// One engine cycle at the run time, which then advances by 2 seconds.
void Simulation::cycle(const char* phase)
{
    int& runTime = env_.clock().runTime;
    s_.in_dive_time_min = static_cast<uint16_t>(runTime / 60);
    engine::run_cycle(s_);
    engine::cns_step(s_);
    if (env_.onCycle)
        env_.onCycle(phase, runTime);
    runTime += 2;
}

// ---- Planned segment ----

void Simulation::appendPlannedSegment(std::unique_ptr<DiveProfile>& profile, bool replayMode,
                                      int interval, float depthMetres, float bottomMinutes,
                                      const ConfigImage& image, DivePosition where)
{
    if (replayMode)
        return; // a loaded profile is replayed as it is
    // Only a continued dive (interval 0) extends the profile: a new dive and a repetitive
    // dive are their own descent and bottom, the tissues carrying the previous dives.
    if (interval != 0 || !profile)
        profile = std::make_unique<DiveProfile>();
    double start = profile->diveTime();
    if (profile->points() == 0) {
        profile->addPoint(0, 0);
        if (image.isCcr())
            profile->setSetpoint(0, setpointBar(image.setpoint(1)));
        else
            profile->setGas(0, image.byte(ConfigImage::first_gas));
    } else if (where.runTimeSeconds >= 0) {
        // A dive that left the profile's last depth (an Ascent) goes on from where it is.
        const double now = where.runTimeSeconds / 60.0;
        if (now > start && std::fabs(where.depthMetres - profile->lastDepth()) >= 0.05f) {
            profile->addPoint(now, where.depthMetres);
            start = now;
        }
    }
    profile->addPoint(start, depthMetres); // instant descent
    profile->addPoint(start + bottomMinutes, depthMetres);
}

// ---- Plots ----

void Simulation::setupDiveCurves(float scaleDepth)
{
    RunPlot* plot = env_.divePlot;
    if (!plot)
        return;
    plot->profile(RunPlot::Depth)->setup(RunPlot::legendTitle(RunPlot::Depth), scaleDepth);
    plot->profile(RunPlot::Ceiling)->setup(RunPlot::legendTitle(RunPlot::Ceiling), 0);
    plot->profile(RunPlot::Gf)->setup(RunPlot::legendTitle(RunPlot::Gf), 100);
    plot->profile(RunPlot::PpO2)->setup(RunPlot::legendTitle(RunPlot::PpO2), scaleDepth / 10);
    plot->profile(RunPlot::Cns)->setup(RunPlot::legendTitle(RunPlot::Cns), 100);
    plot->profile(RunPlot::NdlStop)->setup(RunPlot::legendTitle(RunPlot::NdlStop), 0);
}

void Simulation::feedDivePlot(float depth, int& previousLeading, float scaleDepth)
{
    RunPlot* plot = env_.divePlot;
    if (!plot)
        return;
    const int runTime = env_.clock().runTime;
    const double x = runTime / 60.0;
    const int leading = s_.out_leading_tissue;
    if (leading != previousLeading && leading < engine::compartment_count) {
        if (previousLeading >= 0)
            plot->profile(RunPlot::LeadingTissue)->retire();
        plot->profile(RunPlot::LeadingTissue)
            ->setup(QStringLiteral("C%1").arg(leading + 1), scaleDepth / 10);
        previousLeading = leading;
    }
    plot->profile(RunPlot::Depth)->addPoint(x, depth);
    if (leading < engine::compartment_count)
        plot->profile(RunPlot::LeadingTissue)
            ->addPoint(x, s_.tissue_n2_bar[leading] + s_.tissue_he_bar[leading]);
    plot->profile(RunPlot::Ceiling)->addPoint(x, s_.out_first_stop_depth_m);
    plot->profile(RunPlot::Gf)->addPoint(x, s_.out_gf_percent);
    plot->profile(RunPlot::PpO2)->addPoint(x, s_.in_ppo2_cbar / 100.0);
    plot->profile(RunPlot::Cns)->addPoint(x, s_.out_cns_percent);
    const int ndl = s_.out_ndl_min;
    plot->profile(RunPlot::NdlStop)
        ->addPoint(x, (ndl >= 1 && ndl <= 239) ? ndl : s_.out_first_stop_time_min);
    if (runTime % 60 == 0)
        plot->replot();
}

void Simulation::feedTissuePlot()
{
    RunPlot* plot = env_.tissuePlot;
    if (!plot)
        return;
    const double ambient = s_.in_ambient_pressure_mbar * 0.001;
    for (int i = 0; i < engine::compartment_count; ++i)
        plot->addTissuePoint(i, ambient, s_.tissue_n2_bar[i] + s_.tissue_he_bar[i]);
    if (env_.clock().runTime % 60 == 0)
        plot->replot();
}

void Simulation::retireDiveCurves()
{
    if (RunPlot* plot = env_.divePlot) {
        for (int slot = 0; slot < RunPlot::SlotCount; ++slot)
            plot->profile(static_cast<RunPlot::Slot>(slot))->retire();
        plot->replotNow();
    }
    if (RunPlot* plot = env_.tissuePlot) {
        plot->flushTissues();
    }
}

// A gas switch of a replay or an ascent: the mix into the engine, the trace line and
// the labels of both plots.
void Simulation::switchGas(float depth, int g)
{
    const int o2 = image_.gasO2(g);
    const int he = image_.gasHe(g);
    s_.in_he_percent = static_cast<uint8_t>(he);
    s_.in_n2_percent = static_cast<uint8_t>(o2 + he >= 100 ? 0 : 100 - o2 - he);
    report_.writeSwitch(depth, s_.in_current_gas, g);
    s_.in_current_gas = static_cast<uint8_t>(g);
    if (env_.divePlot)
        env_.divePlot->profile(RunPlot::Depth)->addGas(env_.clock().runTime / 60.0, depth, g);
    if (env_.tissuePlot)
        env_.tissuePlot->addTissueGasLabel(s_.in_ambient_pressure_mbar * 0.001, 0.5, g);
}

// ---- Replay ----

float Simulation::replay(Replay& profile)
{
    RunState& run = env_.clock();
    DiveProfile* dive = dynamic_cast<DiveProfile*>(&profile);
    const int first = image_.byte(ConfigImage::first_gas);
    const bool ccr = image_.isCcr();
    const float diveDepth = profile.diveDepth();

    if (env_.tissuePlot) {
        env_.tissuePlot->clearTissues();
        env_.tissuePlot->replot();
    }
    float d = profile.depth(run.runTime);
    setDepth(d);
    setupDiveCurves(diveDepth);

    if (run.runTime == 0) {
        if (env_.tissuePlot)
            env_.tissuePlot->addTissueGasLabel(s_.in_surface_pressure_mbar * 0.001, 0.25, first);
        if (env_.divePlot) {
            Profile* depthCurve = env_.divePlot->profile(RunPlot::Depth);
            depthCurve->addPoint(run.runTime / 60.0, 0);
            depthCurve->addLabel(run.runTime / 60.0, 0, planner::gasName(image_, first), Qt::black,
                                 false);
        }
    }
    int gasInUse = dive ? dive->gasAt(run.runTime / 60.0f) : first;
    if (gasInUse == 0) // a log without a gas at its start breathes the gas in use
        gasInUse = s_.in_current_gas;
    int previousLeading = -1;
    // A plan is done when a no-decompression check or a stop search has completed since the
    // run reset the plan outputs; the reset alone leaves them empty (TTS 0, no stops).
    bool planDone = s_.io_deco_status == 0;

    for (;;) {
        // The end of the profile: go on at the last depth until the running plan is done.
        if (run.runTime >= profile.diveTime() * 60 && s_.io_deco_status == 0 && planDone)
            break;
        d = profile.depth(run.runTime);

        if (env_.flags.breakOnStop && s_.out_first_stop_depth_m > 0 &&
            s_.out_first_stop_depth_m > d) {
            report_.writeBreakOnStop(d);
            break;
        }

        if (env_.flags.gasSwitch) {
            const int g = profile.gasChange(run.runTime);
            if (g != 0 && g != gasInUse && g >= 1 && g <= 5) {
                switchGas(d, g);
                gasInUse = g;
            }
        }

        // Only a step that changes the setpoint in use is a setpoint change: a profile
        // starting on the setpoint already in use changes nothing.
        bool setpointChanged = false;
        if (ccr && env_.flags.setpoint) {
            const float sp = profile.setpointChange(run.runTime);
            if (sp != 0 && sp != setpointBar(s_.in_setpoint_cbar)) {
                setpointChanged = true;
                if (env_.divePlot)
                    env_.divePlot->profile(RunPlot::Depth)
                        ->addLabel(run.runTime / 60.0, d, QStringLiteral("SP%1").arg(sp, 0, 'f', 2),
                                   Qt::black, false);
                report_.writeSetpointSwitch(d, s_.in_setpoint_cbar / 100.0f, sp);
                // Nearest centibar: 1.3 bar is 130, never 129.
                const long cbar = std::lround(sp * 100.0);
                s_.in_setpoint_cbar =
                    static_cast<uint8_t>(cbar < 0 ? 0 : (cbar > 255 ? 255 : cbar));
            }
        }
        if (ccr && env_.flags.ppo2 && dive && dive->hasRecordedPpO2()) {
            const float v = dive->recordedPpO2(run.runTime) * 100.0f + 0.5f;
            s_.in_setpoint_cbar = static_cast<uint8_t>(v <= 0 ? 0 : (v >= 255 ? 255 : v));
        }

        setDepth(d);

        if (env_.flags.breakOnSwitch) {
            const int b = bestGasForDepth(image_, d);
            if (b != 0 && b != gasInUse) {
                report_.writeBreakOnGas(d, b);
                break;
            }
        }
        if (ccr && env_.flags.breakOnSetpoint && setpointChanged) {
            report_.writeBreakOnSetpoint(d);
            break;
        }

        feedDivePlot(d, previousLeading, diveDepth);

        if (s_.io_deco_status == 0) {
            run.snapshotRunTime = run.runTime;
            engine::save_state(s_);
            if (env_.verbose && planDone)
                showRuntime(d);
        }

        const bool reset = s_.io_deco_status == 3;
        cycle("replay");
        if (reset)
            planDone = false;
        else if (s_.io_deco_status == 0)
            planDone = true;
        feedTissuePlot();
        processEvents();
    }

    retireDiveCurves();
    return d;
}

// ---- Runs ----

void Simulation::runSimulation(int interval, Replay* profile)
{
    RunState& run = env_.clock();
    loadEngineGases();

    // The descent is instant: the first cycle is already at the first depth of the profile,
    // so the surface is only a place here and its mix is checked where a cycle breathes it.
    if (interval < 0 || run.runTime < 0) {
        placeAt(image_, s_, 0);
        engine::reset_dive(s_);
        engine::reset_cns(s_);
        run.runTime = run.snapshotRunTime = 0;
        s_.io_deco_status = 3;
        s_.out_first_stop_depth_m = 0;
        writeHeader(interval);
    } else if (interval == 0) {
        s_.io_deco_status = 3;
        if (run.runTime != 0)
            report_.writeSeparator();
        else
            writeHeader(interval);
    } else {
        if (s_.in_ambient_pressure_mbar > s_.in_surface_pressure_mbar)
            ascendTo(0, 10);
        // The repetitive dive starts on the first gas (the diluent at setpoint 1 in CCR mode),
        // whatever the previous dive ended on.
        loadEngineGases();
        placeAt(image_, s_, 0);
        s_.in_surface_interval_10min = static_cast<uint8_t>(std::min(interval / 10, 255));
        engine::surface_interval(s_);
        run.runTime = run.snapshotRunTime = 0;
        s_.io_deco_status = 3;
        writeHeader(interval);
    }
    report_.message(QString());

    float d = 0;
    if (profile)
        d = replay(*profile);

    report_.writeRuntimeTitle();
    showRuntime(d);
    if (cf(Cf::FutureTts) > 0 && d > 1.0f)
        futureTts();
}

void Simulation::futureTts()
{
    RunState& run = env_.clock();
    engine::restore_state(s_);
    run.runTime = run.snapshotRunTime;
    s_.io_deco_status = 0;
    cycle("future");
    s_.io_deco_status = 6;
    do {
        cycle("future");
    } while (s_.io_deco_status != 0);

    report_.writeFutureTts(run.runTime / 60);
}

void Simulation::showRuntime(float depth)
{
    if (s_.out_ndl_min > 0) {
        report_.writeNdl(depth);
        return;
    }
    report_.writeDecoLine(depth);
    s_.in_bottom_depth_m = metresRoundedUp(depth);
    const int minutes = (env_.clock().snapshotRunTime + 59) / 60;
    s_.in_bottom_time_min = static_cast<uint8_t>(minutes < 0 ? 0 : std::min(minutes, 255));

    Decoplan plan(s_, image_, env_.profile);
    if (env_.replayMode)
        plan.setWalkedLog(env_.clock().runTime / 60.0f, depth);
    plan.create(s_.in_setpoint_cbar != 0);
    if (env_.onPlan)
        env_.onPlan(plan);
    report_.writePlan(plan);
}

void Simulation::ascendTo(int target, int rate)
{
    RunState& run = env_.clock();
    loadEngineGases();
    float z = currentDepth(s_);
    int gasInUse = image_.byte(ConfigImage::first_gas);

    if (target >= z) {
        // No cycle is run here: the mix is checked by the next cycle that breathes it.
        placeAt(image_, s_, target);
        report_.writeDescentDone(target);
    } else {
        setupDiveCurves(z);
        report_.writeEllipsis();
        bool previousMoving = true;
        int previousLeading = -1;
        while (z > target + 0.05f && run.runTime < 30000) {
            feedDivePlot(z, previousLeading, z);

            if (s_.in_setpoint_cbar == 0) {
                const int g = bestGasForDepth(image_, z);
                if (g != 0 && g != gasInUse) {
                    switchGas(z, g);
                    gasInUse = g;
                    setDepth(z);
                }
            }

            if (z > s_.out_first_stop_depth_m) {
                z -= rate / 30.0f;
                const float floor = std::max<float>(s_.out_first_stop_depth_m, target);
                if (z < floor)
                    z = floor;
                setDepth(z);
                if (env_.verbose && (!previousMoving || run.runTime % 10 == 0))
                    writeTraceLine(z, QString());
                previousMoving = true;
            } else {
                if (previousMoving || (env_.verbose && run.runTime % 30 == 0))
                    report_.writeStop(z);
                previousMoving = false;
            }

            cycle("ascent");
            feedTissuePlot();
            processEvents();
        }
        if (env_.divePlot)
            feedDivePlot(z, previousLeading, z);
        retireDiveCurves();
        report_.writeAscentDone(target);
    }

    processEvents();
    if (target == 0) {
        engine::compute_desaturation(s_);
        if (s_.out_desat_time_min > 0) {
            if (s_.out_desat_time_min < 5760) {
                s_.io_nofly_time_min = s_.out_desat_time_min;
                s_.in_nofly_ratio_percent = static_cast<uint8_t>(cf(Cf::NoFlyRatio));
                engine::compute_nofly(s_);
            }
            report_.writeNoFly(target);
        }
        processEvents();
    }
}

void Simulation::runGasVolumes(DiveProfile* profile)
{
    RunState& run = env_.clock();
    loadEngineGases();
    if (s_.in_ambient_pressure_mbar <= s_.in_surface_pressure_mbar) {
        report_.writeAlreadySurfaced();
        return;
    }
    const bool bailout = s_.in_setpoint_cbar != 0;
    s_.in_setpoint_cbar = 0; // open circuit from now on
    report_.writeGasVolumesTitle(bailout);

    // Back to the last completed plan, then a fresh stop computation with today's gas list.
    engine::restore_state(s_);
    s_.io_deco_status = 0;
    run.runTime = run.snapshotRunTime;
    if (profile) {
        const int g = profile->gasAt(profile->diveTime());
        s_.in_current_gas = static_cast<uint8_t>(g != 0 ? g : s_.in_first_gas);
    } else {
        s_.in_current_gas = s_.in_first_gas;
    }
    s_.in_step_mode = 0;
    do {
        cycle("gasvolumes");
    } while (s_.io_deco_status != 0);

    const float lastDepth = profile ? profile->lastDepth() : 0.0f;
    showRuntime(lastDepth);

    const bool ccr = image_.isCcr();
    s_.in_setpoint_cbar = ccr ? image_.setpoint(1) : 0;
    s_.in_bottom_time_min = 0;
    s_.in_first_gas = s_.in_current_gas;
    // The ascent gas is counted from the depth the dive ended at, also for a dive
    // without stops, never from a stale bottom depth.
    s_.in_bottom_depth_m = metresRoundedUp(lastDepth);
    engine::compute_gas_volumes(s_);

    // Bottom volumes from the profile's points.
    float acc[5] = {};
    if (profile) {
        int gasInUse = ccr ? 0 : s_.in_first_gas;
        double prevT = 0, prevZ = 0;
        const float rate = static_cast<float>(cf(Cf::BottomGasUsage));
        for (int i = 0; i < profile->points(); ++i) {
            const double t = profile->times()[i];
            const double z = profile->depths()[i];
            if (gasInUse >= 1 && gasInUse <= 5) {
                const float m = static_cast<float>((prevZ + z) / 2);
                acc[gasInUse - 1] += (m * 0.1f + 1.0f) * static_cast<float>(t - prevT) * rate;
            }
            const int g = profile->gasChange(static_cast<int>(t * 60));
            if (g != 0) {
                if (g < 1 || g > 5)
                    throw QStringLiteral("replay gas volume: Bad gas index");
                gasInUse = g;
            }
            prevT = t;
            prevZ = z;
        }
    }
    for (int k = 0; k < 5; ++k) {
        const float total = s_.out_gas_volume_l[k] + acc[k];
        s_.out_gas_volume_l[k] = total > 65534.5f ? 65535 : static_cast<uint16_t>(total + 0.5f);
    }

    report_.writeGasVolumes(profile);
    s_.in_setpoint_cbar = 0;
}

} // namespace planner
