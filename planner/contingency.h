// SPDX-License-Identifier: GPL-3.0-or-later
// The contingency set of a plan: the base plan and the plans a diver carries for when the dive
// does not go as planned, each made as a new dive on a fresh PlanningCore with the program's
// own runs: deeper by N metres, longer by M minutes, both, and without each active gas other
// than the first ("lost Nx50"). In CCR mode the open-circuit bail-out is added, from the moment
// of the dive where it is worst:
//  - for a planned square dive, the end of the bottom time (the bail-out of the base plan);
//  - for a replayed profile, the profile is cut at every sampled moment (every
//    `bailoutStepSeconds` from the start, every profile point and the end), replayed up to
//    there and bailed out; the moment whose bail-out plan has the longest TTS is taken, on
//    equal TTS the one whose bail-out needs the most gas, then the earliest. Replays of a profile
//    cut at t cost time proportional to t, so the search costs about (dive minutes)^2 / 2 engine
//    minutes.
// For a replayed profile "deeper" adds N metres to every point below the surface and "longer"
// stays M more minutes at its deepest point (the rest of the profile comes that much later).
// With cylinders given (size and fill per gas) each row also carries the bar each cylinder
// loses and whether that breaks the reserve rule.
//
// Entry points: planContingencies, ContingencyOptions, ContingencyRow, cylinderUse,
// reserveBroken.
#pragma once

#include "device/param_file.h"
#include "planner/plan_core.h"

#include <QString>
#include <QVector>

namespace planner
{

struct ContingencyOptions {
    float deeperMetres = 5;
    float longerMinutes = 5;
    bool lostGases = true;
    int bailoutStepSeconds = 60; // sampling of a replayed profile for the worst bail-out
    CylinderInputs cylinders;
};

struct ContingencyRow {
    enum Kind { Base, Deeper, Longer, DeeperLonger, LostGas, Bailout };
    Kind kind = Base;
    int lostGas = 0; // gas 1..5 of a LostGas row
    QString name;
    QString error; // the run's refusal; the figures are then zero
    PlanFigures figures;
    float runtimeMinutes = 0;
    int ttsMinutes = 0;
    int firstStopMetres = 0;
    float stopMinutes = 0;
    float cnsPercent = 0;
    float maxPpO2Bar = 0;
    // Litres of gases 1..5: open circuit, or the open-circuit bail-out in CCR mode.
    int gasLitres[5] = {};
    QString gasNames[5];
    float depthMetres = 0;       // bottom depth of the row (maximum depth of a replay)
    float bottomMinutes = 0;     // bottom time (time before the ascent of a replay)
    float bailoutAtMinutes = -1; // a Bailout row: the moment it starts
    // Per cylinder, when the gas has one: bar used and whether the reserve rule breaks.
    float barUsed[5] = {};
    bool reserveBroken[5] = {};
};

// A kind as the plan files and scripts name it: "base", "deeper", "longer", "deeperLonger",
// "lostGas", "bailout".
QString variantKey(ContingencyRow::Kind kind);

// The rows in the order base, deeper, longer, deeper and longer, lost gases by number, then
// the bail-out in CCR mode. The base request's interval is ignored: every row is a new dive.
QVector<ContingencyRow> planContingencies(const PlanRequest& base,
                                          const ContingencyOptions& options = ContingencyOptions());

// What the litres of gases 1..5 take from their cylinders: the bar each cylinder loses and
// whether that breaks the reserve rule (0 and false for a gas without a cylinder).
struct CylinderUse {
    float barUsed[5] = {};
    bool reserveBroken[5] = {};
    bool anyBroken() const;
};
CylinderUse cylinderUse(const int (&litres)[5], const CylinderInputs& cylinders);

// Bar a cylinder loses for the litres used (0 without a cylinder).
float barUsed(int litres, int cylinderLitres);
// Whether using `litres` from a cylinder of `cylinderLitres` filled to `fillBar` breaks the
// rule; never without a cylinder. Computed in whole litres, exact.
bool reserveBroken(int litres, int cylinderLitres, int fillBar, ReserveRule rule);

// The translatable texts of the rule and the row names.
QString reserveRuleName(ReserveRule rule);
QString rowName(ContingencyRow::Kind kind, float deeperMetres, float longerMinutes,
                const QString& gas = QString());

} // namespace planner
