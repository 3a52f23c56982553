// SPDX-License-Identifier: GPL-3.0-or-later
// The longest bottom time: see bottom_time_solver.h.
#include "planner/bottom_time_solver.h"

#include "planner/contingency.h"

#include <QCoreApplication>
#include <cmath>

namespace planner
{

QString SolveTarget::text() const
{
    switch (kind) {
    case NoDecompression:
        return QCoreApplication::translate("BottomTimeSolver", "no decompression");
    case Runtime:
        return QCoreApplication::translate("BottomTimeSolver", "runtime ≤ %1 min")
            .arg(limitMinutes);
    case Tts:
        return QCoreApplication::translate("BottomTimeSolver", "TTS ≤ %1 min").arg(limitMinutes);
    case StopTime:
        return QCoreApplication::translate("BottomTimeSolver", "total stop time ≤ %1 min")
            .arg(limitMinutes);
    case Reserve:
        return QCoreApplication::translate("BottomTimeSolver",
                                           "every cylinder within the reserve rule");
    }
    return QString();
}

bool SolveTarget::parse(const QString& text, SolveTarget& target)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("ndl") || t == QLatin1String("reserve")) {
        target = SolveTarget();
        target.kind = t == QLatin1String("ndl") ? NoDecompression : Reserve;
        return true;
    }
    const QString name = t.section('=', 0, 0);
    bool ok = false;
    const int limit = t.section('=', 1).toInt(&ok);
    if (!t.contains('=') || !ok || limit < 0)
        return false;
    if (name == QLatin1String("runtime"))
        target.kind = Runtime;
    else if (name == QLatin1String("tts"))
        target.kind = Tts;
    else if (name == QLatin1String("stops"))
        target.kind = StopTime;
    else
        return false;
    target.limitMinutes = limit;
    return true;
}

namespace
{

// Whether a gas the request breathes (the first or an active one) has a cylinder.
bool hasCylinder(const PlanRequest& r)
{
    const int first = r.image.byte(ConfigImage::first_gas);
    for (int n = 1; n <= 5; ++n)
        if ((n == first || r.image.gasActive(n)) && r.cylinders.has(n))
            return true;
    return false;
}

} // namespace

SolveFigures solveFigures(const PlanRequest& request, const PlanResult& result)
{
    SolveFigures f;
    // Without decompression no runtime block is made: the ascent is direct.
    f.decompression = !result.plan.records.isEmpty();
    f.stopMinutes = result.plan.stopMinutes;
    const int directAscent =
        request.ascentRate > 0
            ? static_cast<int>(std::ceil(request.depthMetres / request.ascentRate))
            : 0;
    f.ttsMinutes = f.decompression ? result.plan.ttsMinutes : directAscent;
    f.runtimeMinutes =
        result.surfacedSeconds >= 0 ? result.surfacedSeconds / 60.0f : result.plan.runtimeMinutes;
    f.reserveBroken = cylinderUse(result.gasLitres, request.cylinders).anyBroken();
    return f;
}

bool meetsTarget(const SolveFigures& f, const SolveTarget& target)
{
    switch (target.kind) {
    case SolveTarget::NoDecompression:
        return !f.decompression;
    case SolveTarget::Runtime:
        return f.runtimeMinutes <= target.limitMinutes;
    case SolveTarget::Tts:
        return f.ttsMinutes <= target.limitMinutes;
    case SolveTarget::StopTime:
        return f.stopMinutes <= target.limitMinutes;
    case SolveTarget::Reserve:
        return !f.reserveBroken;
    }
    return false;
}

QString SolveAnswer::text() const
{
    if (!error.isEmpty())
        return error;
    if (!found)
        return QCoreApplication::translate("BottomTimeSolver", "no bottom time meets the target %1")
            .arg(target.text());
    if (capped)
        return QCoreApplication::translate("BottomTimeSolver",
                                           "longest bottom time: %1 min or more for %2")
            .arg(bottomMinutes)
            .arg(target.text());
    return QCoreApplication::translate("BottomTimeSolver", "longest bottom time: %1 min for %2")
        .arg(bottomMinutes)
        .arg(target.text());
}

SolveAnswer solveBottomTime(const PlanRequest& request, const SolveTarget& target, int maxMinutes)
{
    SolveAnswer answer;
    answer.target = target;
    if (target.kind == SolveTarget::Reserve && !hasCylinder(request)) {
        answer.error = QCoreApplication::translate(
            "BottomTimeSolver",
            "The reserve target needs a cylinder (size and fill) for a gas of the plan");
        return answer;
    }
    PlanRequest r = request;
    r.interval = -10; // every candidate is a new dive
    r.replay = nullptr;
    // The litres are the gas volumes' (in CCR mode the open-circuit bail-out).
    r.gasVolumes = target.kind == SolveTarget::Reserve;
    r.keepMessages = false;
    r.verbose = false;
    r.onCycle = nullptr;
    // Only the runtime needs the ascent itself; the other figures are known at the bottom.
    r.ascent = target.kind == SolveTarget::Runtime;

    SolveFigures last;
    // Keeps the target at this bottom time? A refused plan ends the search.
    const auto keeps = [&](int minutes) {
        r.bottomMinutes = minutes;
        PlanningCore core;
        const PlanResult result = core.plan(r);
        ++answer.plans;
        if (!result.ok()) {
            answer.error = result.error;
            return false;
        }
        last = solveFigures(r, result);
        return meetsTarget(last, target);
    };

    if (maxMinutes < 1 || !keeps(1))
        return answer;
    // Bracket: good keeps the target, bad does not (or is past the planner's range).
    int good = 1, bad = maxMinutes + 1;
    for (int t = 2; t <= maxMinutes; t *= 2) {
        if (keeps(t)) {
            good = t;
        } else {
            bad = t;
            break;
        }
        if (!answer.error.isEmpty())
            return answer;
    }
    if (!answer.error.isEmpty())
        return answer;
    if (bad > maxMinutes && good < maxMinutes) {
        if (keeps(maxMinutes))
            good = maxMinutes;
        else
            bad = maxMinutes;
    }
    while (bad - good > 1 && answer.error.isEmpty()) {
        const int mid = good + (bad - good) / 2;
        (keeps(mid) ? good : bad) = mid;
    }
    if (!answer.error.isEmpty())
        return answer;
    // The edge: the answer keeps the target and one minute more does not.
    keeps(good);
    answer.atAnswer = last;
    answer.found = true;
    answer.bottomMinutes = good;
    answer.capped = good >= maxMinutes;
    return answer;
}

} // namespace planner
