// SPDX-License-Identifier: GPL-3.0-or-later
// What the script host needs from the main window, handed in by the window's own code so
// that the script library does not depend on the window class.
#pragma once

#include "planner/plan_core.h"

#include <QString>
#include <functional>
#include <memory>

class DiveProfile;
class MessageSink;
class QObject;
class QSettings;
class QWidget;

struct ScriptWindow {
    QWidget* window = nullptr;             // `mainWindow`; its widgets are found by name
    QSettings* settings = nullptr;         // the application settings (`ostc.settings`)
    MessageSink* console = nullptr;        // where logbook readers write their notes
    std::function<void()> applyParameters; // widgets to the image, as applyParameters(false)
    std::function<void()> showParameters;  // image to the widgets
    std::function<DiveProfile*()> profile; // the current profile, null when none
    std::function<void(std::unique_ptr<DiveProfile>)> setProfile;
    std::function<QObject*()> plotWindow; // the dive plot window, null until created
    // Keeps everything a test suite may change of the diver's state (parameters, options, the
    // current profile); the function it returns puts it back. None: nothing is kept.
    std::function<std::function<void()>()> keepState;
    // The planning inputs of the window's fields, for plans made without the window.
    std::function<planner::PlanRequest()> planRequest;
};
