// SPDX-License-Identifier: GPL-3.0-or-later
// The simulation runs: a dive is simulated in segments (Simulate, Ascent, Gas volumes)
// that build one dive or a series of dives in the engine's state block. A run walks a
// profile through the engine in 2-second cycles (the replay), has its report written to the
// console (RunReport: trace lines, header, runtime block, future TTS) and feeds the plots.
//
// Entry points: Simulation::appendPlannedSegment, runSimulation, ascendTo, showRuntime,
// runGasVolumes, writeTraceLine; runState() holds the run clock between runs.
#pragma once

#include "device/param_file.h"
#include "planner/run_report.h"

#include <QString>
#include <functional>
#include <memory>

class ConfigImage;
class Decoplan;
class DiveProfile;
class MessageSink;
class Replay;
class RunPlot;
namespace engine
{
struct engine_state;
}

namespace planner
{

// The run clock, program-wide: shared by every run until the program ends.
struct RunState {
    int runTime = -1;         // seconds since the start of the current dive; -1 = none yet
    int snapshotRunTime = -1; // run time of the last completed plan (save_state)
};
RunState& runState();

// What a run needs from its surroundings: the main window gives its console, its plots
// and its options; a test or the command line gives its own.
struct RunEnvironment {
    ConfigImage* image = nullptr;
    engine::engine_state* engine = nullptr;
    MessageSink* console = nullptr;
    std::function<void()> clearMessages;
    std::function<void()> processEvents;
    RunPlot* divePlot = nullptr;    // null when there is no dive plot
    RunPlot* tissuePlot = nullptr;  // null until the tissue plot is opened
    DiveProfile* profile = nullptr; // the current profile (for plans and gas volumes)
    bool verbose = false;
    bool replayMode = false; // the profile is a replayed log, not planned segments
    ReplayFlags flags;
    // Called after every engine cycle of a run with the phase ("replay", "ascent",
    // "gasvolumes", "future") and the run time used for that cycle.
    std::function<void(const char* phase, int runTimeSeconds)> onCycle;
    // Called with every plan the runtime block shows, before it is written.
    std::function<void(const Decoplan& plan)> onPlan;
    // The run clock; null for the program's own (runState()).
    RunState* run = nullptr;

    RunState& clock() const { return run ? *run : runState(); }
};

// Where the dive is: its run time (-1 before any dive) and depth.
struct DivePosition {
    int runTimeSeconds = -1;
    float depthMetres = 0;
};

class Simulation
{
public:
    explicit Simulation(const RunEnvironment& env);

    // Extends or replaces the profile with the planned descent and bottom time.
    static void appendPlannedSegment(std::unique_ptr<DiveProfile>& profile, bool replayMode,
                                     int interval, float depthMetres, float bottomMinutes,
                                     const ConfigImage& image, DivePosition where = {});

    void runSimulation(int interval, Replay* profile);
    void ascendTo(int targetDepth, int rateMetresPerMinute);
    void showRuntime(float depth);
    void runGasVolumes(DiveProfile* profile);
    void writeTraceLine(float depth, const QString& label, int minutes = 0);

    // Trace-line text without writing it (for tests of the format).
    QString traceLine(float depth, const QString& label, int minutes) const;

    // Pieces of runSimulation, public for the tests.
    void writeHeader(int interval);
    float replay(Replay& profile);
    void futureTts();

private:
    void cycle(const char* phase);
    void setDepth(float depth);
    void loadEngineGases();
    void processEvents();
    void setupDiveCurves(float scaleDepth);
    void feedDivePlot(float depth, int& previousLeading, float scaleDepth);
    void feedTissuePlot();
    void switchGas(float depth, int gas);
    void retireDiveCurves();
    int cf(int n) const;

    RunEnvironment env_;
    ConfigImage& image_;
    engine::engine_state& s_;
    RunReport report_;
};

} // namespace planner
