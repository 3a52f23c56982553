// SPDX-License-Identifier: GPL-3.0-or-later
// The plot windows: the dive plot ("Dive traces": depth, ceiling and the right-axis
// quantities of every run against run time, plus computed runtimes) and the tissue plot
// ("Tissues plot": the 16 compartments against ambient pressure with their M-value
// lines). Both are one dialog class set up in one of two modes; the simulation runs feed
// them through the RunPlot face.
//
// Entry points: PlotInterface::setup, profile/newProfile, recolour, clearCurves,
// addRuntime, the tissue feed (clearTissues, addTissuePoint, flushTissues,
// addTissueGasLabel) and saveImageSlot (see plot_export.h for the file rules).
#pragma once

#include "planner/run_plot.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QSet>
#include <QTimer>
#include <QVector>

#include <qwt_color_map.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_picker.h>

#include <array>
#include <memory>

class ConfigImage;
struct DecoplanStop;
class GrowingSeries;
class MessageSink;
class PlotInterface;
class QSettings;
class QwtPlot;
class QwtPlotMarker;
class QwtPlotItem;
namespace engine
{
struct engine_state;
}
namespace Ui
{
class PlotDialog;
}

// One plotted quantity: a curve with its point vectors and its labels. A disabled
// profile ignores every operation, so a run can feed all seven slots unconditionally.
class ProfileImpl : public Profile
{
public:
    // slot: the dive-plot slot this profile was made for, or -1 (tissue curves,
    // reference lines and runtime curves).
    ProfileImpl(PlotInterface* owner, int slot);
    ~ProfileImpl() override;

    void setup(const QString& title, double scaleMax) override;
    void clear() override;
    void addPoint(double x, double y) override;
    void addLabel(double x, double y, const QString& text, const QColor& colour,
                  bool rightAxis) override;
    void addGas(double x, double y, int gas) override;
    void flush() override;
    void retire() override;

    bool enabled = false;

    // Appends a point without touching the curve; updateSamples hands the points over.
    void appendPoint(double x, double y);
    void updateSamples();
    // Removes (and deletes) every label of this profile.
    void clearLabels();
    // Hands the points appended so far over to the curve.
    void handOver();
    // The curve's points, unless fixed samples were given to it instead (reference lines).
    GrowingSeries* series();
    // A retired curve of an earlier run keeps only the points that shape its line (at most
    // plot_items::kRetiredPoints): runs pile up in one plot until it is cleared, and a long
    // replay feeds a point every 2 seconds. Once per curve; the latest run stays whole.
    void thin();

    QwtPlotCurve& plotCurve() { return curve; }
    const QwtPlotCurve& plotCurve() const { return curve; }
    const QList<QwtPlotMarker*>& labelMarkers() const { return labels; }
    const QVector<double>& xValues() const { return xs; }
    const QVector<double>& yValues() const { return ys; }
    int slot() const { return slot_; }
    bool isRetired() const { return retired_; }
    // Drawn on the right axis (one of its five quantities, set up); with the upper bound of
    // the scale it was set up with (0: automatic).
    bool onRightAxis() const { return rightScale_ >= 0.0 && curve.plot() != nullptr; }
    double rightScale() const { return rightScale_; }

private:
    PlotInterface* owner;
    QVector<double> xs, ys;
    QwtPlotCurve curve;
    QList<QwtPlotMarker*> labels;
    QSet<QString> legendTitles; // the label texts that have their legend entry
    int slot_;
    bool retired_ = false;
    bool thinned_ = false;
    double rightScale_ = -1.0; // below 0: not on the right axis
};

// The cross-hair picker: shows the position under the mouse in the plot's units.
class CrossHair : public QwtPlotPicker
{
    Q_OBJECT
public:
    CrossHair(QwtPlot* plot, bool diveMode);
    // The tracker text for a position in plot coordinates.
    QwtText trackerTextF(const QPointF& pos) const override;
    static QString positionText(const QPointF& pos, bool diveMode);

private:
    QwtPlot* plot;
    bool diveMode;
};

class PlotInterface : public QDialog, public RunPlot
{
    Q_OBJECT
public:
    // Reads the planner's process-wide configuration image and engine unless told
    // otherwise with setSources.
    PlotInterface();
    ~PlotInterface() override;

    // Where the plot reads gases, CFs, setpoint and surface pressure.
    void setSources(const ConfigImage* image, const engine::engine_state* engine);
    // Settings object holding "Planner/imagePath" (none: the path is not remembered).
    void setSettings(QSettings* settings) { settings_ = settings; }
    // Console for the "Saving plot" line of script saves (none: no line).
    void setMessageSink(MessageSink* sink) { sink_ = sink; }

    // Builds the plot for one mode; depth is the planned depth in metres.
    void setup(bool diveMode, double depth);
    bool isDiveMode() const { return diveMode_; }

    // The on/off switch of one dive-plot quantity (the main window's check boxes).
    void setCurveEnabled(Slot slot, bool on);
    bool curveEnabled(Slot slot) const;

    // RunPlot
    Profile* profile(Slot slot) override;
    // Drawn at once, or deferred while the window is hidden (until it is shown or its plot
    // is asked for) and within 40 ms of the last drawing (then a timer draws it).
    void replot() override;
    void replotNow() override;
    void addRuntime(const Decoplan& plan) override;
    void clearCurves() override;
    void clearTissues() override;
    void addTissuePoint(int compartment, double ambientBar, double tissueBar) override;
    void flushTissues() override;
    void addTissueGasLabel(double pressureBar, double y, int gas) override;

    // Draws a runtime from its records (what addRuntime does with a plan's records).
    void addRuntimeRecords(const QVector<DecoplanStop>& records, const QString& model, int tts);

    // Puts a fresh profile into a slot; the old one is retired and stays drawn when it
    // was set up (it is in curves or items), otherwise it is deleted.
    void newProfile(int slot);
    // Spreads the colour map over the depth, ceiling and runtime curves, oldest first.
    void recolour();
    // A run sets up its curves: every curve retired before keeps only its shape (thin).
    void thinEarlierRuns();

    QwtPlot* plot() const;
    const QList<Profile*>& curveList() const { return curves; }
    const QList<Profile*>& itemList() const { return items; }
    const QList<ProfileImpl*>& tissueCurveList() const { return tissueCurves; }
    CrossHair* picker() const { return crossHair; }
    const QwtLinearColorMap& colours() const { return colourMap; }
    int slotOf(const Profile* p) const;

    const ConfigImage& image() const;
    const engine::engine_state& engineState() const;

    // Name of a mix as the plot labels write it: Tx21/35, Hx10/90, Air, Nx32.
    static QString plotGasName(int o2Percent, int hePercent);
    // Label colour of gas 1..5.
    static QColor gasColour(int gas);

public slots:
    void saveImageSlot();
    // Empty name: asks for a file; otherwise saves under the documents folder (scripts).
    void saveImageSlot(const QString& fileName);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Asks for the image file; returns an empty name on cancel. Tests replace it.
    virtual QString askImageFile(const QString& startDir, const QString& filter,
                                 QString* selectedFilter);

private:
    friend class ProfileImpl;
    void redraw() const;
    void appendCurve(ProfileImpl* p);
    void appendItem(ProfileImpl* p);
    // The shared right axis: scale and title from every curve drawn on it.
    void updateRightAxis();
    static QString rightAxisName(Slot slot);
    void removeFixedItems();
    void deleteAllProfiles();
    void setupDive();
    void setupTissues(double depth);
    // Plot title and axis titles of the current mode, in the current language.
    void setTitles();

    std::unique_ptr<Ui::PlotDialog> ui;
    mutable bool redrawDue_ = false;
    mutable QElapsedTimer lastRedraw_;
    QTimer* redrawTimer_;
    QList<Profile*> curves;
    QList<Profile*> items;
    QList<ProfileImpl*> tissueCurves;
    QwtLinearColorMap colourMap;
    CrossHair* crossHair = nullptr;
    std::array<ProfileImpl*, SlotCount> slotProfiles{};

    // Surface markers of the current set-up (owned).
    QList<QwtPlotItem*> fixedItems;
    // Tissue curves, reference and M-value lines of the current set-up (also in items).
    QList<Profile*> setupProfiles;
    bool diveMode_ = true;
    const ConfigImage* image_ = nullptr;
    const engine::engine_state* engine_ = nullptr;
    QSettings* settings_ = nullptr;
    MessageSink* sink_ = nullptr;
};
