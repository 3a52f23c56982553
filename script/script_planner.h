// SPDX-License-Identifier: GPL-3.0-or-later
// ostc.planner: plans without the window. plan(options) starts from the main window's current
// planning inputs, changes those the options name (the fields' names: dive_depth, GF_low,
// O2_2, ccrMode, ...) and plans a new dive on a planning core of its own: the program's
// current dive, console and plots stay as they are. The answer is a plain object (see
// toScript in the source for its members).
//
// Entry points: ScriptPlanner::plan, ScriptPlanner::request, planToScript, ScriptPlanner::solve,
// ScriptPlanner::contingency.
#pragma once

#include "planner/plan_core.h"

#include <QObject>
#include <QScriptValue>
#include <QScriptable>
#include <functional>
#include <optional>

class ScriptPlanner : public QObject, protected QScriptable
{
    Q_OBJECT
public:
    ScriptPlanner(std::function<planner::PlanRequest()> current, QObject* parent = nullptr);

    // The request of the current inputs changed by the options' fields; throws the text of
    // the first refused option.
    planner::PlanRequest request(const QScriptValue& options) const;

    Q_INVOKABLE QScriptValue plan(const QScriptValue& options = QScriptValue());
    Q_INVOKABLE QScriptValue names() const;

    // The longest bottom time at the planned depth for one target among the options:
    // ndl: true, runtime: R, tts: T, stopTime: D (minutes) or reserve: true (every cylinder
    // within the reserve rule: the window's cylinders, or cylinders and rule given as for
    // contingency); the other options as plan's.
    // The answer: {found, bottomTime, text, target, plans, error}.
    Q_INVOKABLE QScriptValue solve(const QScriptValue& options);
    // The contingency set of the request of the options (as plan's) as an array of row
    // objects. Options of its own: deeper (m), longer (min), lostGases (true),
    // cylinders ([{gas, litres, bar}, ...]) and rule ("all", "half", "two_thirds").
    Q_INVOKABLE QScriptValue contingency(const QScriptValue& options = QScriptValue());

private:
    // request(options), or none with the refusal thrown into the script as a RangeError.
    std::optional<planner::PlanRequest> requestOrThrow(const QScriptValue& options,
                                                       QScriptValue& thrown);

    std::function<planner::PlanRequest()> current_;
};

// The script object of a plan's result.
QScriptValue planToScript(QScriptEngine* engine, const planner::PlanResult& result);
