// SPDX-License-Identifier: GPL-3.0-or-later
// A logged dive against its plan: the log replayed through the engine with the configuration
// it was dived with, beside the plan made for it, figure by figure (maximum depth, bottom
// time, runtime, total stop time, TTS at the end of the bottom, CNS), and every interval in
// which the diver was shallower than the computed ceiling (the tolerated ambient pressure of
// the leading compartment), with the worst depth above it.
//
// Entry points: checkLog, LogCheck::lines, ceilingBreaches, logFigures.
#pragma once

#include "planner/plan_comparison.h"

#include <QStringList>
#include <QVector>

class DiveProfile;

namespace planner
{

// An interval spent shallower than the ceiling.
struct CeilingBreach {
    float startMinutes = 0;
    float endMinutes = 0;
    float worstMetres = 0; // the most the diver was above the ceiling
};

// The figures compared, of the plan or of the log.
struct DiveFigures {
    float maxDepthMetres = 0;
    float bottomMinutes = 0;  // until the ascent from the bottom starts
    float runtimeMinutes = 0; // until the surface
    float stopMinutes = 0;
    int ttsAtBottomEndMinutes = 0;
    float cnsPercent = 0;
};

struct LogCheck {
    QString error; // the plan or the replay was refused
    DiveFigures plan, log;
    QVector<CeilingBreach> breaches;
    PlanCurves planCurves, logCurves;

    // The report, one line per figure ("max depth: plan 40.0 m, log 41.2 m (+1.2)"), then
    // one line per interval above the ceiling, or a line saying there was none (translated).
    QStringList lines() const;
};

// The intervals of curves whose depth is shallower than their ceiling.
QVector<CeilingBreach> ceilingBreaches(const PlanCurves& curves);

// Maximum depth, bottom time (until the last moment within 3 m of the maximum depth),
// runtime (until the last point) and total stop time (time after the bottom spent deeper
// than 1 m moving by less than 1 m/min) of a log.
DiveFigures logFigures(const DiveProfile& log);

// plan: the parameters of the plan (its image is also the configuration of the log, unless
// config is given).
LogCheck checkLog(DiveProfile& log, const PlanRequest& plan, const ConfigImage* config = nullptr);

} // namespace planner
