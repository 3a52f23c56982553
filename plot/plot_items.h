// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the plot window's source files: the item ownership rule, the capacity
// reserved for a run's points and the points an earlier run's curve keeps. Internal to plot/.
#pragma once

#include <qwt_plot.h>
#include <qwt_plot_item.h>

namespace plot_items
{

constexpr double kPlotCapacity = 1000;
// The most points a curve of an earlier run keeps (see ProfileImpl::thin).
constexpr int kRetiredPoints = 4000;

// Markers and reference curves are owned by the window, never by the plot.
inline void ownItem(QwtPlotItem* item, QwtPlot* plot)
{
    item->setRenderHint(QwtPlotItem::RenderAntialiased, true);
    item->attach(plot);
}

} // namespace plot_items
