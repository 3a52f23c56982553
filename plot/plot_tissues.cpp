// SPDX-License-Identifier: GPL-3.0-or-later
// The tissue plot: the sixteen compartments' pressures against the ambient pressure, with the
// M-value lines of the model and the gas labels of each switch: see plot_interface.h.
#include "plot/plot_interface.h"

#include "engine/engine.h"
#include "planner/dive_parameters.h"
#include "plot/plot_items.h"
#include "ui_plot_dialog.h"

#include <QCoreApplication>
#include <cmath>

#include <qwt_legend.h>
#include <qwt_plot.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_engine.h>

using plot_items::ownItem;

void PlotInterface::setupTissues(double depth)
{
    QwtPlot* p = ui->qwtPlot;
    const double s = engineState().in_surface_pressure_mbar / 1000.0;
    const double e = s + depth / 10.0;

    // Axes.
    p->axisScaleEngine(QwtPlot::yLeft)->setAttribute(QwtScaleEngine::Inverted, false);

    // Curves: one per compartment, nitrogen and helium halves together.
    const QwtInterval compartments(0, engine::compartment_count - 1);
    for (int i = 1; i <= engine::compartment_count; ++i) {
        auto* t = new ProfileImpl(this, -1);
        t->enabled = true;
        QwtPlotCurve& c = t->plotCurve();
        c.setTitle(QStringLiteral("C%1+C%2").arg(i).arg(i + engine::compartment_count));
        c.setPen(colourMap.color(compartments, i - 1), 1.1);
        c.setRenderHint(QwtPlotItem::RenderAntialiased, true);
        c.attach(p);
        items.append(t);
        setupProfiles.append(t);
        tissueCurves.append(t);
    }

    // Markers: the surface pressure.
    auto* surface = new QwtPlotMarker;
    surface->setLineStyle(QwtPlotMarker::VLine);
    surface->setLinePen(QPen(Qt::black, 0.5, Qt::DotLine));
    surface->setXValue(s);
    surface->setLabel(
        QwtText(QCoreApplication::translate("PlotInterface", "Surface", "Plot label")));
    surface->setLabelOrientation(Qt::Vertical);
    surface->setLabelAlignment(Qt::AlignLeft | Qt::AlignBottom);
    ownItem(surface, p);
    fixedItems.append(surface);

    // Reference lines: tissue equal to ambient, and the M-value of each compartment.
    auto* reference = new ProfileImpl(this, -1);
    reference->enabled = true;
    {
        QwtPlotCurve& c = reference->plotCurve();
        c.setTitle(QStringLiteral("GF = 0"));
        c.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
        c.setRenderHint(QwtPlotItem::RenderAntialiased, true);
        c.setSamples(QVector<double>{s, e}, QVector<double>{s, e});
        c.attach(p);
    }
    items.append(reference);
    setupProfiles.append(reference);

    for (int i = 0; i < engine::compartment_count; ++i) {
        const engine::compartment_coefficients& k = engine::zhl16c[i];
        auto* mValue = new ProfileImpl(this, -1);
        mValue->enabled = true;
        QwtPlotCurve& c = mValue->plotCurve();
        c.setTitle(QStringLiteral("M%1").arg(i + 1));
        c.setPen(QPen(colourMap.color(compartments, i), 1, Qt::DashDotLine));
        c.setRenderHint(QwtPlotItem::RenderAntialiased, true);
        c.setItemAttribute(QwtPlotItem::Legend, false);
        c.setSamples(QVector<double>{s, e},
                     QVector<double>{k.n2_a + s / k.n2_b, k.n2_a + e / k.n2_b});
        c.attach(p);
        items.append(mValue);
        setupProfiles.append(mValue);
    }

    // Scales.
    p->setAxisScale(QwtPlot::xBottom, 0.7, e);
    p->setAxisScale(QwtPlot::yLeft, 0, e);
    replot();
}

void PlotInterface::clearTissues()
{
    for (ProfileImpl* t : tissueCurves)
        t->clear();
    // The gas labels belong to the run whose points were just removed.
    if (!tissueCurves.isEmpty())
        tissueCurves.first()->clearLabels();
}

void PlotInterface::addTissuePoint(int compartment, double ambientBar, double tissueBar)
{
    if (compartment >= 0 && compartment < tissueCurves.size())
        tissueCurves[compartment]->appendPoint(ambientBar, tissueBar);
}

void PlotInterface::flushTissues()
{
    replotNow();
}

void PlotInterface::addTissueGasLabel(double pressureBar, double y, int gas)
{
    if (tissueCurves.isEmpty())
        return;
    const bool known = gas >= 1 && gas <= engine::gas_count;
    const QString text =
        QStringLiteral("\t") +
        QCoreApplication::translate("PlotInterface", "Gas%1:", "Plot label").arg(gas) +
        (known ? planner::gasName(image(), gas) : QString());
    tissueCurves.first()->addLabel(pressureBar, y, text, gasColour(gas), false);
}
