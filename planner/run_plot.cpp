// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the dive plot's quantities: see run_plot.h.
#include "planner/run_plot.h"

#include <QCoreApplication>

QString RunPlot::legendTitle(Slot slot)
{
    // In the order of Slot; anything past the end is the NDL/stop curve.
    static const struct {
        const char* source;
        const char* comment;
    } titles[SlotCount] = {
        QT_TRANSLATE_NOOP3("PlotInterface", "depth", "Plot legend"),
        QT_TRANSLATE_NOOP3("PlotInterface", "ceiling", "Plot legend"),
        QT_TRANSLATE_NOOP3("PlotInterface", "leading tissue", "Plot axis"),
        QT_TRANSLATE_NOOP3("PlotInterface", "GF", "Plot legend"),
        QT_TRANSLATE_NOOP3("PlotInterface", "ppO2", "Plot legend"),
        QT_TRANSLATE_NOOP3("PlotInterface", "CNS", "Plot legend"),
        QT_TRANSLATE_NOOP3("PlotInterface", "NDL/Stop", "Plot legend"),
    };
    const auto& title = titles[slot >= Depth && slot < SlotCount ? slot : NdlStop];
    return QCoreApplication::translate("PlotInterface", title.source, title.comment);
}
