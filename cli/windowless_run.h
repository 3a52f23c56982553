// SPDX-License-Identifier: GPL-3.0-or-later
// Runs of bathyra-cli that need no window. A run that only sets planning inputs and presses
// Simulate, Ascent and Gas volumes is made here, on the program's own engine, clock and
// configuration image, by the same Simulation calls as the main window's buttons, with the
// console kept in a document of its own: the window, its form and its plot are never made.
// An input is taken here only where its field would hold it as given (a number for a
// number field, true or false for a switch, true for a choice); anything else, and every
// other step, runs in the hidden main window, which gives the same results and messages.
//
// Entry points: WindowlessRun, WindowlessRun::takes.
#pragma once

#include "planner/plan_core.h"
#include "profiles/dive_profile.h"

#include <QString>
#include <functional>
#include <memory>

class ConsoleDocument;

class WindowlessRun
{
public:
    // Starts as the main window starts: the inputs of the settings store.
    explicit WindowlessRun(ConsoleDocument& console);

    // Whether a step can run without the window ("--set" with NAME=VALUE, "simulate",
    // "ascent", "gasvolumes").
    static bool takes(const QString& step, const QString& argument);
    // Runs a step that takes() accepts; a refused run is thrown as its message text.
    void run(const QString& step, const QString& argument);

    // Called after every engine cycle with the phase and the run time.
    std::function<void(const char* phase, int runTimeSeconds)> cycleHook;

private:
    void apply();
    void appendPlannedSegment();
    planner::RunEnvironment environment();

    ConsoleDocument& console_;
    planner::PlanRequest inputs_;
    std::unique_ptr<DiveProfile> profile_;
};
