// SPDX-License-Identifier: GPL-3.0-or-later
// Scripts of the main window: the Help menu's "Run script..." and "Run all tests...", and
// the same two runs for the command line. Each run uses a fresh script host.
#pragma once

#include <QStringList>

class Bathyra_Interface;

struct ScriptRunResult {
    int passed = 0; // checks of the support script
    int failed = 0;
    QStringList errors; // reports of scripts that ended by an uncaught error
    bool ok() const { return failed == 0 && errors.isEmpty(); }
};

// Runs one script file; the debugger window is attached only when a person can use it.
ScriptRunResult runScriptFile(Bathyra_Interface* window, const QString& file);
// Runs the suite of a folder; an empty folder name means the usual test folder.
ScriptRunResult runScriptSuite(Bathyra_Interface* window, const QString& folder = QString());
