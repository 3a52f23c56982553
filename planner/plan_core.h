// SPDX-License-Identifier: GPL-3.0-or-later
// The planning core: one plan from a request, without a window. A request carries the
// configuration image and the planning inputs of the main window (depth, bottom time,
// interval, ascent rate, options) and, where wanted, a profile to replay; the result carries
// the plan records, TTS, CNS, NDL, no-fly and desaturation times, gas volumes and, on
// request, the console lines. Each core has its own engine state and run clock, so plans can
// be made one after another (repetitive and continued dives keep the tissues of the last
// plan) or side by side in different cores, without touching the program's current dive.
// The runs are the program's own (Simulation): Simulate, then Gas volumes on a copy, then
// Ascent, exactly as the buttons of the main window run them.
//
// Entry points: PlanningCore::plan, PlanRequest, PlanResult.
#pragma once

#include "device/config_image.h"
#include "device/param_file.h"
#include "engine/engine.h"
#include "planner/decoplan.h"
#include "planner/simulation.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>
#include <functional>
#include <memory>

class DiveProfile;

namespace planner
{

struct PlanRequest {
    ConfigImage image = ConfigImage::defaultImage();
    int surfaceMbar = 1013;
    float depthMetres = 45;
    float bottomMinutes = 20;
    int interval = -10;      // below 0 a new dive, 0 a continued dive, above 0 the surface interval
    int ascentRate = 10;     // m/min of the ascent to the surface
    bool ascent = true;      // ascend to the surface after the plan (the Ascent button)
    bool gasVolumes = false; // also the gas volumes of the plan (the Gas volumes button)
    bool verbose = false;
    ReplayFlags flags;
    // A profile to replay instead of the planned descent and bottom time (the replay mode);
    // owned by the caller, which keeps it alive during plan().
    DiveProfile* replay = nullptr;
    bool keepMessages = false; // collect the console lines into the result
    // The cylinders of the gases and the reserve rule (none by default): what the comparison
    // and the longest bottom time judge the gas volumes by. The run itself does not use them.
    CylinderInputs cylinders;
    // Called after every engine cycle with the phase, the run time and the engine state.
    std::function<void(const char* phase, int runTimeSeconds, const engine::engine_state& s)>
        onCycle;
};

// One runtime block: the plan the engine published at a moment of the run.
struct PlanFigures {
    QVector<DecoplanStop> records;
    int profileRecords = 0; // records before the engine's switches and stops
    QString model;
    int ttsMinutes = 0;
    int ndlMinutes = 0;
    float cnsPercent = 0;
    float runtimeMinutes = 0; // of the arrival at the surface
    int firstStopMetres = 0;  // 0 without stops
    float stopMinutes = 0;    // the stops' total

    void take(const Decoplan& plan);
};

struct PlanResult {
    QString error; // why the run was refused; empty when the plan was made
    bool ok() const { return error.isEmpty(); }

    PlanFigures plan;           // the runtime block shown when the bottom time ends
    PlanFigures gasVolumePlan;  // the open-circuit plan of the gas volumes (when asked)
    QString gasNames[5];        // of the gases in use, empty for the others
    float maxPpO2Bar = 0;       // breathed during the bottom and the ascent
    float bottomEndMinutes = 0; // run time when the plan was made
    // After the simulated ascent (-1 when there was none).
    int surfacedSeconds = -1;
    int desaturationMinutes = 0;
    int noFlyMinutes = 0;
    float cnsAtSurfacePercent = 0;
    // Litres of gas 1..5 (bottom and ascent) when the gas volumes were asked for; in CCR
    // mode, the open-circuit bail-out from the end of the plan.
    int gasLitres[5] = {};
    QStringList messages;
};

class PlanningCore
{
public:
    PlanningCore();
    ~PlanningCore();
    Q_DISABLE_COPY(PlanningCore)

    PlanResult plan(const PlanRequest& request);

    // The state the last plan left (tissues, CNS, clock), the start of a repetitive dive.
    const engine::engine_state& engine() const { return s_; }
    const RunState& clock() const { return run_; }
    const DiveProfile* profile() const { return profile_.get(); }

private:
    ConfigImage image_;
    engine::engine_state s_;
    RunState run_;
    std::unique_ptr<DiveProfile> profile_;
};

} // namespace planner
