// SPDX-License-Identifier: GPL-3.0-or-later
// The report of the simulation runs in the message console: trace lines stamped with the run
// time and depth, the header that restates the model and the gas list (with a red warning for
// each gas switched to deeper than its MOD), the runtime block with the plan, the future TTS,
// the ascent's events and the gas volumes. Only text: the runs decide when each is written.
#pragma once

#include <QString>

class ConfigImage;
class Decoplan;
class DiveProfile;
namespace engine
{
struct engine_state;
}

namespace planner
{

struct RunEnvironment;

class RunReport
{
public:
    RunReport(const RunEnvironment& env, const ConfigImage& image, const engine::engine_state& s);

    void message(const QString& line) const;
    // "%3d:%02d %5.1fm", the label and its time, then ppO2, GF, CNS and ppN2 by their limits.
    QString traceLine(float depth, const QString& label, int minutes) const;
    void writeTraceLine(float depth, const QString& label, int minutes = 0);

    // A new, first or repetitive dive: the console cleared, then the model and the gases.
    void writeHeader(int interval);
    // A continued dive: the separator instead of the header.
    void writeSeparator();
    void writeModWarnings();

    void writeEllipsis(); // "..." unless verbose
    void writeRuntimeTitle();
    void writeNdl(float depth);
    void writeDecoLine(float depth);
    void writePlan(const Decoplan& plan);
    void writeFutureTts(int runTimeMinutes);

    void writeSwitch(float depth, int fromGas, int toGas);
    void writeSetpointSwitch(float depth, float fromBar, float toBar);
    void writeBreakOnStop(float depth);
    void writeBreakOnGas(float depth, int gas);
    void writeBreakOnSetpoint(float depth);
    void writeDescentDone(float depth);
    void writeStop(float depth);
    void writeAscentDone(float depth);
    void writeNoFly(float depth);

    void writeGasVolumesTitle(bool bailout);
    void writeAlreadySurfaced();
    void writeGasVolumes(const DiveProfile* profile);

private:
    void processEvents() const;
    int cf(int n) const;
    QString gasName(int n) const;

    const RunEnvironment& env_;
    const ConfigImage& image_;
    const engine::engine_state& s_;
};

} // namespace planner
