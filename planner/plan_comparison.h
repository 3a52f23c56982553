// SPDX-License-Identifier: GPL-3.0-or-later
// Plans side by side: a list of named plans (each a request and its result, made as a new
// dive on a planning core of its own) and the figures compared across them: runtime, TTS,
// first stop, total stop time, CNS, maximum ppO2, litres per gas and, where a plan's gas
// has a cylinder, the bar it takes from it (a broken reserve rule marked "!"), each with its
// difference to the first plan; the depth and ceiling of each plan against time for an
// overlay plot; a CSV text of the table. A replayed log can be a column too.
//
// Entry points: PlanComparison (add, addLog, remove, rename, request, rows, toCsv),
// planCurves, logReplay, differenceName.
#pragma once

#include "planner/plan_core.h"

#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

namespace planner
{

// Depth and ceiling (metres) against time (minutes), one point per engine cycle.
struct PlanCurves {
    QVector<QPointF> depth;
    QVector<QPointF> ceiling;
};
// A callback for PlanRequest::onCycle that collects the curves. The ceiling is the
// tolerated ambient pressure of the leading compartment, as a depth (0 above the surface).
std::function<void(const char*, int, const engine::engine_state&)> planCurves(PlanCurves& curves);

struct ComparedPlan {
    QString name;
    PlanRequest request; // without the replayed log's pointer
    PlanResult result;
    PlanCurves curves;
    bool log = false; // a replayed log, not a planned dive
};

// One line of the table: a figure of every plan, "-" where a plan has none.
struct ComparisonRow {
    QString title;          // translated
    QVector<double> values; // NaN where a plan has none
    int decimals = 0;
    QVector<bool> broken; // a bar line: the plan's cylinder breaks its reserve rule
    bool isBroken(int index) const { return broken.value(index, false); }
};

class PlanComparison
{
public:
    // Planned and replayed with the ascent and the gas volumes. Returns the plan's index, or
    // -1 when the plan was refused (error set). The default name says what differs from the
    // first plan.
    int add(const PlanRequest& request, const QString& name = QString(), QString* error = nullptr);
    // A log replayed through the configuration of config (its depth and time are the log's).
    int addLog(DiveProfile& log, const PlanRequest& config, const QString& name,
               QString* error = nullptr);
    void remove(int index);
    void rename(int index, const QString& name);
    void clear() { plans_.clear(); }
    // The request of a plan, to put its parameters back into the main window.
    PlanRequest request(int index) const { return plans_.at(index).request; }

    int size() const { return plans_.size(); }
    const ComparedPlan& at(int index) const { return plans_.at(index); }

    // The table's lines: runtime, TTS, first stop, total stop time, CNS, max ppO2, then the
    // litres of every gas used by any plan (by gas name), each followed by the bar used of
    // that gas's cylinder when some plan has one (the request's cylinders and reserve rule,
    // counted as the contingency set counts them).
    QVector<ComparisonRow> rows() const;
    // A cell: "value" for the first plan, "value (+diff)" for the others; "-" for none;
    // " !" after it where the reserve rule breaks.
    static QString cell(const ComparisonRow& row, int index);
    // The table as CSV: a header of the names, then per line the title, each value and
    // each difference to the first plan; a value that breaks the reserve rule ends in "!".
    QString toCsv() const;

private:
    // Plans r (p's curves collected, with the ascent and the gas volumes) and keeps p with
    // its result; false with error set when the plan was refused.
    bool take(ComparedPlan p, PlanRequest r, QString* error);

    QVector<ComparedPlan> plans_;
};

// The request that walks a log as it was dived with config: a new dive to its last point,
// with no break at a stop, a switch or a setpoint change. log must outlive the plan.
PlanRequest logReplay(DiveProfile& log, const PlanRequest& config);

// What differs in b from a, for a plan's default name ("GF 40/85", "CCR", "50 m / 25 min",
// "Tx18/45 + Nx50"); a describes itself when nothing differs.
QString differenceName(const PlanRequest& a, const PlanRequest& b);

} // namespace planner
