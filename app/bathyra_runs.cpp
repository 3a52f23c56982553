// SPDX-License-Identifier: GPL-3.0-or-later
// Simulation slots of the main window: each applies the widgets, builds the run
// environment (console, plots, options) and hands the work to the planner's runs.
// A run holds the program's busy state: while it (or a device command, or a script) is in
// progress, every other run button is a no-op.
#include "app/bathyra_interface.h"

#include "app/app_settings.h"
#include "app/options.h"
#include "planner/decoplan.h"
#include "planner/dive_parameters.h"
#include "planner/plan_core.h"
#include "plot/plot_interface.h"
#include "profiles/dive_profile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

using planner::Simulation;

planner::RunEnvironment Bathyra_Interface::runEnvironment()
{
    planner::RunEnvironment env;
    env.image = &planner::currentImage();
    env.engine = &planner::plannerEngine();
    env.console = this;
    env.clearMessages = [this]() { clearMessages(); };
    // The window stays responsive during a run, but a run of thousands of cycles does not
    // poll the event queue at each of them: the first call and then one every 25 ms.
    auto sinceEvents = std::make_shared<QElapsedTimer>();
    env.processEvents = [sinceEvents]() {
        if (sinceEvents->isValid() && sinceEvents->elapsed() < 25)
            return;
        QCoreApplication::processEvents();
        sinceEvents->start();
    };
    env.divePlot = divePlot_;
    env.tissuePlot = tissuePlot_;
    env.profile = profile_.get();
    env.verbose = programOptions().verbose;
    env.replayMode = replayMode->isChecked();
    env.flags = planner::replayFlags();
    env.onCycle = cycleHook;
    return env;
}

planner::PlanRequest Bathyra_Interface::planRequest()
{
    applyParameters(true);
    planner::PlanRequest r;
    r.image = planner::currentImage();
    r.surfaceMbar = press_surface->value();
    r.depthMetres = dive_depth->value();
    r.bottomMinutes = dive_time->value();
    r.interval = interval->value();
    r.ascentRate = ascent->value();
    r.verbose = programOptions().verbose;
    r.flags = planner::replayFlags();
    r.replay = replayMode->isChecked() ? profile_.get() : nullptr;
    r.cylinders = cylinders_;
    return r;
}

PlotInterface* Bathyra_Interface::divePlot() const
{
    return divePlot_;
}
PlotInterface* Bathyra_Interface::tissuePlot() const
{
    return tissuePlot_;
}

void Bathyra_Interface::setCurrentProfile(std::unique_ptr<DiveProfile> profile)
{
    profile_ = std::move(profile);
}

// Step 7 of applyParameters: the dive plot window, shown when any graph is wanted.
void Bathyra_Interface::setupDivePlot()
{
    if (!divePlot_) {
        divePlot_ = new PlotInterface;
        divePlot_->setWindowTitle(QCoreApplication::translate("Window Title", "Dive profile"));
        divePlot_->setMessageSink(this);
        divePlot_->setSettings(&appSettings());
        divePlot_->setup(true, dive_depth->value());
    }
    const QCheckBox* boxes[RunPlot::SlotCount] = {depthGraph, ceilGraph, leadGraph, gfGraph,
                                                  ppO2Graph,  cnsGraph,  ndlGraph};
    bool any = false;
    for (int slot = 0; slot < RunPlot::SlotCount; ++slot) {
        divePlot_->setCurveEnabled(static_cast<RunPlot::Slot>(slot), boxes[slot]->isChecked());
        any = any || boxes[slot]->isChecked();
    }
    if (any && !headless_) {
        divePlot_->show();
        divePlot_->raise();
    }
}

void Bathyra_Interface::appendPlannedSegment()
{
    planner::DivePosition where;
    where.runTimeSeconds = planner::runState().runTime;
    where.depthMetres = planner::currentDepth(planner::plannerEngine());
    Simulation::appendPlannedSegment(profile_, replayMode->isChecked(), interval->value(),
                                     dive_depth->value(), dive_time->value(),
                                     planner::currentImage(), where);
}

// A run button: nothing while another run, a device command or a script is in progress;
// otherwise the fields are applied, the planned segment added when the run plans one, and
// the run made.
void Bathyra_Interface::runButton(bool planned, const std::function<void(Simulation&)>& run)
{
    BusyGuard busy;
    if (!busy)
        return;
    applyParameters(false);
    if (planned)
        appendPlannedSegment();
    Simulation simulation(runEnvironment());
    run(simulation);
}

void Bathyra_Interface::simulateSlot()
{
    runButton(true, [this](Simulation& s) { s.runSimulation(interval->value(), profile_.get()); });
}

void Bathyra_Interface::runProfileSlot()
{
    simulateSlot();
}

void Bathyra_Interface::ascentSlot()
{
    runButton(false, [this](Simulation& s) { s.ascendTo(0, ascent->value()); });
}

void Bathyra_Interface::gasVolumesSlot()
{
    runButton(true, [this](Simulation& s) { s.runGasVolumes(profile_.get()); });
}

void Bathyra_Interface::addRuntimeSlot()
{
    BusyGuard busy;
    if (!busy)
        return;
    applyParameters(false); // creates the dive plot window when needed
    divePlot_->setup(true, dive_depth->value());
    if (!headless_) {
        divePlot_->show();
        divePlot_->raise();
    }
    engine::engine_state& s = planner::plannerEngine();
    // Creating a plan ends by restoring the last snapshot; the simulation must stay
    // exactly where it was, so the whole state comes back afterwards.
    const engine::engine_state kept = s;
    Decoplan plan(s, planner::currentImage(), profile_.get());
    plan.create(s.in_setpoint_cbar != 0);
    s = kept;
    divePlot_->addRuntime(plan);
}

void Bathyra_Interface::clearProfileSlot()
{
    if (busy())
        return; // the run feeds these curves
    if (divePlot_)
        divePlot_->clearCurves();
}

void Bathyra_Interface::pressureDiagramSlot()
{
    if (busy())
        return;
    applyParameters(false);
    appendPlannedSegment();
    if (!tissuePlot_) {
        tissuePlot_ = new PlotInterface;
        tissuePlot_->setWindowTitle(QCoreApplication::translate("Window Title", "Tissues plot"));
        tissuePlot_->setMessageSink(this);
        tissuePlot_->setSettings(&appSettings());
        tissuePlot_->setup(false, profile_ ? profile_->diveDepth() : dive_depth->value());
    }
    if (!headless_) {
        tissuePlot_->show();
        tissuePlot_->raise();
    }
}
