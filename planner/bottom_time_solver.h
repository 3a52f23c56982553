// SPDX-License-Identifier: GPL-3.0-or-later
// The longest bottom time: the longest whole-minute bottom time at the planned depth that
// keeps a target (no decompression, a runtime, a time to surface or a total stop time at
// most a limit, or every cylinder within the reserve rule: the gas volumes of the plan
// against the request's cylinders, counted as the contingency set counts them). Each candidate is a
// new dive on a planning core of its own; the search brackets the answer by doubling and closes it
// by halving, and the answer T is checked at its edge: T keeps the target and T + 1 does not.
//
// Entry points: solveBottomTime, SolveTarget, SolveAnswer, meetsTarget.
#pragma once

#include "planner/plan_core.h"

#include <QString>

namespace planner
{

struct SolveTarget {
    enum Kind { NoDecompression, Runtime, Tts, StopTime, Reserve };
    Kind kind = NoDecompression;
    int limitMinutes = 0; // R, T or D; not used for NoDecompression and Reserve

    // "TTS ≤ 45 min", "no decompression", ... (translated)
    QString text() const;
    // "ndl", "runtime=60", "tts=45", "stops=20", "reserve"; false on anything else.
    static bool parse(const QString& text, SolveTarget& target);
};

// The figures a target is judged by, of one plan.
struct SolveFigures {
    bool decompression = false;
    float runtimeMinutes = 0; // of the arrival at the surface
    int ttsMinutes = 0;       // when the bottom time ends
    float stopMinutes = 0;
    bool reserveBroken = false; // some cylinder of the request breaks the reserve rule
};
SolveFigures solveFigures(const PlanRequest& request, const PlanResult& result);
bool meetsTarget(const SolveFigures& figures, const SolveTarget& target);

struct SolveAnswer {
    QString error;       // a refused plan (mix, ...): no answer
    bool found = false;  // some bottom time of at least 1 min keeps the target
    bool capped = false; // the longest bottom time the planner takes keeps it too
    int bottomMinutes = 0;
    int plans = 0; // plans made by the search
    SolveTarget target;
    SolveFigures atAnswer; // of the answer (when found)

    // "longest bottom time: 27 min for TTS ≤ 45 min", or why there is none (translated).
    QString text() const;
};

// The longest bottom time of the request's depth and inputs (its bottom time is ignored),
// from 1 to maxMinutes. The reserve target is refused (error set) when no gas the request
// breathes has a cylinder.
SolveAnswer solveBottomTime(const PlanRequest& request, const SolveTarget& target,
                            int maxMinutes = 300);

} // namespace planner
