// SPDX-License-Identifier: GPL-3.0-or-later
// A logged dive against its plan: see log_check.h.
#include "planner/log_check.h"

#include "profiles/dive_profile.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace planner
{

namespace
{

QString signedNumber(double v, int decimals)
{
    return (v >= 0 ? QStringLiteral("+") : QString()) + QString::number(v, 'f', decimals);
}

QString figureLine(const QString& title, double plan, double log, int decimals, const QString& unit)
{
    return QCoreApplication::translate("LogCheck", "%1: plan %2 %5, log %3 %5 (%4)")
        .arg(title, QString::number(plan, 'f', decimals), QString::number(log, 'f', decimals),
             signedNumber(log - plan, decimals), unit);
}

} // namespace

QVector<CeilingBreach> ceilingBreaches(const PlanCurves& curves)
{
    QVector<CeilingBreach> out;
    const int n = std::min(curves.depth.size(), curves.ceiling.size());
    bool inside = false;
    for (int i = 0; i < n; ++i) {
        const double above = curves.ceiling[i].y() - curves.depth[i].y();
        const double t = curves.depth[i].x();
        if (above > 0) {
            if (!inside) {
                out << CeilingBreach{float(t), float(t), 0};
                inside = true;
            }
            out.last().endMinutes = float(t);
            out.last().worstMetres = std::max(out.last().worstMetres, float(above));
        } else if (inside) {
            out.last().endMinutes = float(t); // back at or below the ceiling
            inside = false;
        }
    }
    return out;
}

DiveFigures logFigures(const DiveProfile& log)
{
    DiveFigures f;
    const QVector<double>& t = log.times();
    const QVector<double>& d = log.depths();
    for (double v : d)
        f.maxDepthMetres = std::max(f.maxDepthMetres, float(v));
    f.runtimeMinutes = t.isEmpty() ? 0 : float(t.last());
    int bottomEnd = -1;
    for (int i = 0; i < d.size(); ++i)
        if (d[i] >= f.maxDepthMetres - 3.0)
            bottomEnd = i;
    if (bottomEnd < 0)
        return f;
    f.bottomMinutes = float(t[bottomEnd]);
    for (int i = bottomEnd + 1; i < t.size(); ++i) {
        const double dt = t[i] - t[i - 1];
        if (dt <= 0 || std::min(d[i], d[i - 1]) <= 1.0)
            continue;
        if (std::fabs(d[i] - d[i - 1]) / dt < 1.0)
            f.stopMinutes += float(dt);
    }
    return f;
}

LogCheck checkLog(DiveProfile& log, const PlanRequest& plan, const ConfigImage* config)
{
    LogCheck check;
    // A log without a dive (a header without samples) has nothing to compare.
    const QVector<double>& depths = log.depths();
    if (log.points() < 2 || *std::max_element(depths.begin(), depths.end()) <= 0) {
        check.error = QCoreApplication::translate(
            "LogCheck", "The log holds no dive: no depth below the surface");
        return check;
    }

    // The plan: a new dive with its ascent.
    PlanRequest p = plan;
    p.replay = nullptr;
    p.interval = -10;
    p.ascent = true;
    p.gasVolumes = false;
    p.keepMessages = false;
    p.onCycle = planCurves(check.planCurves);
    PlanningCore planCore;
    const PlanResult planned = planCore.plan(p);
    if (!planned.ok()) {
        check.error = planned.error;
        return check;
    }
    check.plan.maxDepthMetres = p.depthMetres;
    check.plan.bottomMinutes = p.bottomMinutes;
    check.plan.runtimeMinutes = planned.surfacedSeconds / 60.0f;
    check.plan.stopMinutes = planned.plan.stopMinutes;
    check.plan.ttsAtBottomEndMinutes = planned.plan.ttsMinutes;
    check.plan.cnsPercent = planned.cnsAtSurfacePercent;

    // The log: replayed as it was dived, to its last point, with no break on the way.
    check.log = logFigures(log);
    PlanRequest l = logReplay(log, plan);
    if (config)
        l.image = *config;
    l.ascent = false;
    l.gasVolumes = false;
    const auto curves = planCurves(check.logCurves);
    const int bottomEndSeconds = int(std::lround(check.log.bottomMinutes * 60));
    bool ttsTaken = false;
    float cns = 0;
    l.onCycle = [&](const char* phase, int runTime, const engine::engine_state& s) {
        curves(phase, runTime, s);
        if (!ttsTaken && runTime >= bottomEndSeconds) {
            check.log.ttsAtBottomEndMinutes = s.out_tts_min;
            ttsTaken = true;
        }
        cns = s.out_cns_percent;
    };
    PlanningCore logCore;
    const PlanResult replayed = logCore.plan(l);
    if (!replayed.ok()) {
        check.error = replayed.error;
        return check;
    }
    check.log.cnsPercent = cns;
    check.breaches = ceilingBreaches(check.logCurves);
    return check;
}

QStringList LogCheck::lines() const
{
    if (!error.isEmpty())
        return {error};
    const QString m = QCoreApplication::translate("LogCheck", "m"),
                  min = QCoreApplication::translate("LogCheck", "min"), pct = QStringLiteral("%");
    QStringList out{
        figureLine(QCoreApplication::translate("LogCheck", "max depth"), plan.maxDepthMetres,
                   log.maxDepthMetres, 1, m),
        figureLine(QCoreApplication::translate("LogCheck", "bottom time"), plan.bottomMinutes,
                   log.bottomMinutes, 1, min),
        figureLine(QCoreApplication::translate("LogCheck", "runtime"), plan.runtimeMinutes,
                   log.runtimeMinutes, 1, min),
        figureLine(QCoreApplication::translate("LogCheck", "total stop time"), plan.stopMinutes,
                   log.stopMinutes, 1, min),
        figureLine(QCoreApplication::translate("LogCheck", "TTS at the end of the bottom"),
                   plan.ttsAtBottomEndMinutes, log.ttsAtBottomEndMinutes, 0, min),
        figureLine(QCoreApplication::translate("LogCheck", "CNS"), plan.cnsPercent, log.cnsPercent,
                   0, pct)};
    if (breaches.isEmpty())
        out << QCoreApplication::translate("LogCheck", "ceiling kept during the whole dive");
    for (const CeilingBreach& b : breaches)
        out << QCoreApplication::translate(
                   "LogCheck", "above the ceiling from %1 to %2 min, worst %3 m above it")
                   .arg(b.startMinutes, 0, 'f', 1)
                   .arg(b.endMinutes, 0, 'f', 1)
                   .arg(b.worstMetres, 0, 'f', 1);
    return out;
}

} // namespace planner
