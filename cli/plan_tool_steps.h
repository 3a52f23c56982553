// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of bathyra-cli built on the planning core: "solve TARGET" (the longest bottom
// time of the current parameters), "compare FILE.div..." (plans of parameter files side by
// side, optionally written as CSV) and "check" (the current profile, replayed with the current
// configuration, against the plan of the current parameters). Each writes its lines into the
// main window's console; a refusal is thrown as its text.
//
// Entry points: isPlanToolStep, runPlanToolStep.
#pragma once

#include <QString>
#include <QStringList>

class Bathyra_Interface;

namespace clitools
{

// "solve" and "compare" take arguments ("compare" every following one that is not a step
// or an option), "check" none.
bool isPlanToolStep(const QString& name);
// Takes the arguments of the step at args[i] ("solve tts 45": "tts=45"; "compare A B": one a
// line), moving i past them; returns a usage error or nothing.
QString takeArguments(const QStringList& args, int& i, QString& argument);
// Runs the step; csvOut is the --compare-out file of "compare" (none: no file).
void runPlanToolStep(Bathyra_Interface* window, const QString& name, const QStringList& arguments,
                     const QString& csvOut);

} // namespace clitools
