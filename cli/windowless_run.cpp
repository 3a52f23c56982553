// SPDX-License-Identifier: GPL-3.0-or-later
// Runs of bathyra-cli without a window: see windowless_run.h.
#include "cli/windowless_run.h"

#include "app/app_settings.h"
#include "app/console_document.h"
#include "app/options.h"
#include "planner/dive_parameters.h"
#include "planner/plan_parameters.h"
#include "planner/simulation.h"

#include <QSettings>
#include <cmath>

using planner::Simulation;

namespace
{

// The dive plot's switches: without a window there is no plot to draw.
bool isGraphSwitch(const QString& name)
{
    static const QStringList graphs = {"depthGraph", "ceilGraph", "leadGraph", "gfGraph",
                                       "ppO2Graph",  "cnsGraph",  "ndlGraph"};
    return graphs.contains(name);
}

// Buttons of a choice: switching one off does nothing in the window, so only "true" is taken.
bool isChoice(const QString& name)
{
    static const QStringList choices = {"first_1", "first_2",        "first_3",
                                        "first_4", "first_5",        "ccrMode",
                                        "ocrMode", "gradientFactor", "buhlmann"};
    return choices.contains(name);
}

// The value a field holds when given `text`, as its spin box or check box would hold it;
// false when the window would refuse the text or read it otherwise (a special value text).
bool fieldValue(const QString& name, const QString& text, QVariant& value)
{
    double min = 0, max = 0;
    int decimals = 0;
    // The replay options are taken by the window alone: they matter only when replaying.
    if (name.startsWith(QLatin1String("replay")) ||
        !planner::planParameterField(name, min, max, decimals))
        return false;
    if (decimals < 0) {
        if (text != QLatin1String("true") && (text != QLatin1String("false") || isChoice(name)))
            return false;
        value = text == QLatin1String("true");
        return true;
    }
    bool ok = false;
    double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    if (decimals == 0)
        v = std::trunc(v); // an integer box takes the whole part
    else
        v = QString::number(v, 'f', decimals).toDouble(); // a decimal box rounds to its decimals
    value = std::clamp(v, min, max);
    return true;
}

} // namespace

WindowlessRun::WindowlessRun(ConsoleDocument& console)
    : console_(console), inputs_(planner::requestOfParamFile(appSettings(), &console))
{
    apply();
}

bool WindowlessRun::takes(const QString& step, const QString& argument)
{
    if (step == QLatin1String("simulate") || step == QLatin1String("ascent") ||
        step == QLatin1String("gasvolumes"))
        return true;
    if (step != QLatin1String("--set"))
        return false;
    const QString name = argument.section('=', 0, 0);
    const QString text = argument.section('=', 1);
    if (isGraphSwitch(name))
        return text == QLatin1String("true") || text == QLatin1String("false");
    QVariant value;
    return fieldValue(name, text, value);
}

// What the window's fields put into the configuration image, the engine and the replay
// options before every run.
void WindowlessRun::apply()
{
    planner::currentImage() = inputs_.image;
    planner::plannerEngine().in_surface_pressure_mbar = static_cast<uint16_t>(inputs_.surfaceMbar);
    planner::replayFlags() = inputs_.flags;
}

void WindowlessRun::appendPlannedSegment()
{
    planner::DivePosition where;
    where.runTimeSeconds = planner::runState().runTime;
    where.depthMetres = planner::currentDepth(planner::plannerEngine());
    Simulation::appendPlannedSegment(profile_, false, inputs_.interval, inputs_.depthMetres,
                                     inputs_.bottomMinutes, planner::currentImage(), where);
}

planner::RunEnvironment WindowlessRun::environment()
{
    planner::RunEnvironment env;
    env.image = &planner::currentImage();
    env.engine = &planner::plannerEngine();
    env.console = &console_;
    env.clearMessages = [this] { console_.clear(); };
    env.profile = profile_.get();
    env.verbose = programOptions().verbose;
    env.flags = planner::replayFlags();
    env.onCycle = cycleHook;
    return env;
}

void WindowlessRun::run(const QString& step, const QString& argument)
{
    if (step == QLatin1String("--set")) {
        const QString name = argument.section('=', 0, 0);
        QVariant value;
        if (fieldValue(name, argument.section('=', 1), value))
            planner::setPlanParameter(inputs_, name, value);
        apply();
    } else if (step == QLatin1String("simulate")) {
        apply();
        appendPlannedSegment();
        Simulation(environment()).runSimulation(inputs_.interval, profile_.get());
    } else if (step == QLatin1String("ascent")) {
        apply();
        Simulation(environment()).ascendTo(0, inputs_.ascentRate);
    } else if (step == QLatin1String("gasvolumes")) {
        apply();
        appendPlannedSegment();
        Simulation(environment()).runGasVolumes(profile_.get());
    }
}
