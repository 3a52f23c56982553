// SPDX-License-Identifier: GPL-3.0-or-later
// The plot of the planning tools (the comparison window and the plan-against-log window):
// depth downwards against time, a legend on the right, one colour per plan.
//
// Entry points: setupPlanPlot, drawPlanCurves, planColour, fitPlanPlot.
#pragma once

#include "planner/plan_comparison.h"

#include <QColor>
#include <QVector>

class QwtPlot;

// White canvas, axis titles, the legend and a dotted grid.
void setupPlanPlot(QwtPlot* plot);
// Depth (solid) and, when wanted, ceiling (dashed) of one plan in a colour; the depth curve
// carries the legend entry.
void drawPlanCurves(QwtPlot* plot, const QString& title, const planner::PlanCurves& curves,
                    const QColor& colour, bool ceiling);
// The colour of plan n.
QColor planColour(int n);
// The axes round up to the deepest point and the latest time of the depth curves.
void fitPlanPlot(QwtPlot* plot, const QVector<const planner::PlanCurves*>& curves);
