// SPDX-License-Identifier: GPL-3.0-or-later
// The planning core: see plan_core.h.
#include "planner/plan_core.h"

#include "device/message_sink.h"
#include "planner/dive_parameters.h"
#include "profiles/dive_profile.h"

#include <algorithm>

namespace planner
{

void PlanFigures::take(const Decoplan& plan)
{
    records = plan.records();
    profileRecords = plan.profileRecords();
    model = plan.model();
    ttsMinutes = plan.tts();
    ndlMinutes = plan.ndl();
    cnsPercent = plan.cns();
    runtimeMinutes = records.isEmpty() ? 0 : records.last().runtime;
    firstStopMetres = 0;
    stopMinutes = 0;
    for (int i = profileRecords; i < records.size(); ++i) {
        const DecoplanStop& r = records[i];
        if (r.kind != DecoplanStop::Level || r.duration <= 0)
            continue;
        if (firstStopMetres == 0)
            firstStopMetres = static_cast<int>(r.depth);
        stopMinutes += r.duration;
    }
}

PlanningCore::PlanningCore() : image_(ConfigImage::defaultImage())
{
    s_.config_image = image_.data();
}

PlanningCore::~PlanningCore() = default;

PlanResult PlanningCore::plan(const PlanRequest& request)
{
    PlanResult result;
    image_ = request.image;
    s_.config_image = image_.data();
    s_.in_surface_pressure_mbar = static_cast<uint16_t>(std::clamp(request.surfaceMbar, 0, 65535));

    CollectingSink sink;
    RunEnvironment env;
    env.image = &image_;
    env.engine = &s_;
    env.run = &run_;
    env.verbose = request.verbose;
    env.flags = request.flags;
    if (request.keepMessages) {
        env.console = &sink;
        env.clearMessages = [&sink]() { sink.lines.clear(); };
    }
    const bool replayMode = request.replay != nullptr;
    env.replayMode = replayMode;
    int maxPpO2 = 0;
    bool counting = true;
    env.onCycle = [&](const char* phase, int runTime) {
        if (counting)
            maxPpO2 = std::max<int>(maxPpO2, s_.in_ppo2_cbar);
        if (request.onCycle)
            request.onCycle(phase, runTime, s_);
    };
    PlanFigures* figures = &result.plan;
    env.onPlan = [&figures](const Decoplan& plan) { figures->take(plan); };

    try {
        Replay* walked = request.replay;
        if (!replayMode) {
            DivePosition where;
            where.runTimeSeconds = run_.runTime;
            where.depthMetres = currentDepth(s_);
            Simulation::appendPlannedSegment(profile_, false, request.interval, request.depthMetres,
                                             request.bottomMinutes, image_, where);
            walked = profile_.get();
        }
        DiveProfile* dive = replayMode ? request.replay : profile_.get();
        env.profile = dive;
        Simulation(env).runSimulation(request.interval, walked);
        result.bottomEndMinutes = run_.runTime / 60.0f;

        if (request.gasVolumes) {
            // On a copy: the ascent goes on from where the plan was made.
            const engine::engine_state kept = s_;
            const RunState keptClock = run_;
            counting = false;
            figures = &result.gasVolumePlan;
            Simulation(env).runGasVolumes(dive);
            for (int k = 0; k < 5; ++k)
                result.gasLitres[k] = s_.out_gas_volume_l[k];
            s_ = kept;
            run_ = keptClock;
            counting = true;
        }
        if (request.ascent) {
            Simulation(env).ascendTo(0, request.ascentRate);
            result.surfacedSeconds = run_.runTime;
            result.desaturationMinutes = s_.out_desat_time_min;
            result.noFlyMinutes = s_.io_nofly_time_min;
            result.cnsAtSurfacePercent = s_.out_cns_percent;
        }
    } catch (const QString& refusal) {
        result.error = refusal;
    }
    result.maxPpO2Bar = maxPpO2 / 100.0f;
    const int first = image_.byte(ConfigImage::first_gas);
    for (int n = 1; n <= 5; ++n)
        if (image_.gasActive(n) || n == first)
            result.gasNames[n - 1] = gasName(image_, n);
    result.messages = sink.lines;
    return result;
}

} // namespace planner
