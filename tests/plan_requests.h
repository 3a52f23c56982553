// SPDX-License-Identifier: GPL-3.0-or-later
// Planning requests written as text in the planner tests' tables and cases: "name=value" pairs
// by the planning inputs' names, applied in order over a base request.
#pragma once

#include "planner/plan_core.h"
#include "planner/plan_parameters.h"

#include <QString>
#include <QtGlobal>

// r with the pairs of sets applied; a pair the planner refuses ends the test program with its
// error, since a table row that cannot be read is a fault of the table.
inline planner::PlanRequest requestWith(planner::PlanRequest r, const QString& sets)
{
    for (const QString& s : sets.split(' ', Qt::SkipEmptyParts)) {
        const QString error = planner::setPlanParameter(r, s.section('=', 0, 0), s.section('=', 1));
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
    }
    return r;
}
