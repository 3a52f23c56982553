// SPDX-License-Identifier: GPL-3.0-or-later
// Planning requests written as text in the planner tests' tables and cases: "name=value" pairs
// by the planning inputs' names, applied in order over a base request; "cyl_N=LITRESxBAR" sets
// gas N's cylinder and "rule=K" the reserve rule.
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
        const QString name = s.section('=', 0, 0), value = s.section('=', 1);
        if (name.startsWith("cyl_")) {
            const int k = name.mid(4).toInt() - 1;
            r.cylinders.litres[k] = value.section('x', 0, 0).toInt();
            r.cylinders.fillBar[k] = value.section('x', 1).toInt();
            continue;
        }
        if (name == "rule") {
            r.cylinders.rule = static_cast<ReserveRule>(value.toInt());
            continue;
        }
        const QString error = planner::setPlanParameter(r, name, value);
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
    }
    return r;
}
