// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the dive plot's quantities: see run_plot.h.
#include "planner/run_plot.h"

#include <QCoreApplication>

QString RunPlot::legendTitle(Slot slot)
{
    switch (slot) {
    case Depth:
        return QCoreApplication::translate("PlotInterface", "depth", "Plot legend");
    case Ceiling:
        return QCoreApplication::translate("PlotInterface", "ceiling", "Plot legend");
    case LeadingTissue:
        return QCoreApplication::translate("PlotInterface", "leading tissue", "Plot axis");
    case Gf:
        return QCoreApplication::translate("PlotInterface", "GF", "Plot legend");
    case PpO2:
        return QCoreApplication::translate("PlotInterface", "ppO2", "Plot legend");
    case Cns:
        return QCoreApplication::translate("PlotInterface", "CNS", "Plot legend");
    default:
        return QCoreApplication::translate("PlotInterface", "NDL/Stop", "Plot legend");
    }
}
