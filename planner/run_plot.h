// SPDX-License-Identifier: GPL-3.0-or-later
// What a simulation run needs of a plot window: the seven quantities of the dive plot,
// the feed of the tissue plot and the computed runtimes. The plot windows implement it;
// the runs only see this face, so the run machinery needs no widgets.
#pragma once

#include <QColor>
#include <QString>

class Decoplan;

// One plotted quantity (a curve with its labels).
class Profile
{
public:
    virtual ~Profile() = default;
    virtual void setup(const QString& title, double scaleMax) = 0;
    virtual void clear() = 0;
    virtual void addPoint(double x, double y) = 0;
    virtual void addLabel(double x, double y, const QString& text, const QColor& colour,
                          bool rightAxis) = 0;
    virtual void addGas(double x, double y, int gas) = 0;
    virtual void flush() = 0;
    virtual void retire() = 0;
};

class RunPlot
{
public:
    // The seven quantities of the dive plot, in slot order.
    enum Slot { Depth, Ceiling, LeadingTissue, Gf, PpO2, Cns, NdlStop, SlotCount };

    virtual ~RunPlot() = default;

    // The legend's name of a quantity in the program's language (the leading tissue's curve
    // is named by its compartment instead, "C1" to "C16").
    static QString legendTitle(Slot slot);

    // Dive plot.
    virtual Profile* profile(Slot slot) = 0;
    // New points to show: drawn now or a little later (a run calls it every minute of run
    // time, far more often than an eye can follow).
    virtual void replot() = 0;
    // The end of a run phase: everything drawn now.
    virtual void replotNow() = 0;
    virtual void addRuntime(const Decoplan& plan) = 0;
    virtual void clearCurves() = 0;

    // Tissue plot: the 16 compartment curves and gas labels.
    virtual void clearTissues() = 0;
    virtual void addTissuePoint(int compartment, double ambientBar, double tissueBar) = 0;
    virtual void flushTissues() = 0;
    virtual void addTissueGasLabel(double pressureBar, double y, int gas) = 0;
};
