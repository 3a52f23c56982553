// SPDX-License-Identifier: GPL-3.0-or-later
// The plot of the planning tools: see plan_plot.h.
#include "app/plan_plot.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <qwt_legend.h>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

void setupPlanPlot(QwtPlot* plot)
{
    plot->setCanvasBackground(Qt::white);
    plot->setAxisTitle(QwtPlot::xBottom, QCoreApplication::translate("PlanPlot", "time (min)"));
    plot->setAxisTitle(QwtPlot::yLeft, QCoreApplication::translate("PlanPlot", "depth (m)"));
    plot->insertLegend(new QwtLegend, QwtPlot::RightLegend);
    auto* grid = new QwtPlotGrid;
    grid->setPen(QColor(220, 220, 220), 0, Qt::DotLine);
    grid->attach(plot);
}

QColor planColour(int n)
{
    static const QColor colours[] = {
        QColor(0, 90, 200),   QColor(220, 60, 30),  QColor(30, 150, 60),
        QColor(150, 60, 170), QColor(230, 150, 0),  QColor(0, 160, 170),
        QColor(120, 80, 40),  QColor(200, 40, 120), QColor(90, 90, 90)};
    return colours[n % (sizeof colours / sizeof colours[0])];
}

void drawPlanCurves(QwtPlot* plot, const QString& title, const planner::PlanCurves& curves,
                    const QColor& colour, bool ceiling)
{
    auto* depth = new QwtPlotCurve(title);
    depth->setPen(colour, 2);
    depth->setSamples(curves.depth);
    depth->setRenderHint(QwtPlotItem::RenderAntialiased);
    depth->attach(plot);
    if (!ceiling)
        return;
    auto* c =
        new QwtPlotCurve(QCoreApplication::translate("PlanComparison", "%1 ceiling").arg(title));
    c->setPen(colour, 1, Qt::DashLine);
    c->setSamples(curves.ceiling);
    c->setItemAttribute(QwtPlotItem::Legend, false);
    c->attach(plot);
}

void fitPlanPlot(QwtPlot* plot, const QVector<const planner::PlanCurves*>& curves)
{
    double maxDepth = 10, maxTime = 10;
    for (const planner::PlanCurves* c : curves)
        for (const QPointF& p : c->depth) {
            maxDepth = std::max(maxDepth, p.y());
            maxTime = std::max(maxTime, p.x());
        }
    plot->setAxisScale(QwtPlot::yLeft, std::ceil(maxDepth / 10 + 0.2) * 10, 0);
    plot->setAxisScale(QwtPlot::xBottom, 0, std::ceil(maxTime / 10) * 10);
}
