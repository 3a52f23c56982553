// SPDX-License-Identifier: GPL-3.0-or-later
// The dive and tissue plot windows: see plot_interface.h.
#include "plot/plot_interface.h"

#include "bathyra_version.h"
#include "device/config_image.h"
#include "device/message_sink.h"
#include "engine/engine.h"
#include "planner/decoplan.h"
#include "planner/dive_parameters.h"
#include "plot/plot_export.h"
#include "plot/plot_items.h"
#include "ui_plot_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

#include <qwt_legend.h>
#include <qwt_picker_machine.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_engine.h>
#include <qwt_symbol.h>

using plot_items::ownItem;

// ---------------------------------------------------------------------------------------
// PlotInterface

PlotInterface::PlotInterface()
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      ui(new Ui::PlotDialog), colourMap(Qt::red, Qt::magenta)
{
    ui->setupUi(this);
    redrawTimer_ = new QTimer(this);
    redrawTimer_->setSingleShot(true);
    connect(redrawTimer_, &QTimer::timeout, this, [this] { redraw(); });
    colourMap.addColorStop(0.25, Qt::yellow);
    colourMap.addColorStop(0.5, Qt::green);
    colourMap.addColorStop(0.75, Qt::blue);

    QwtPlot* p = ui->qwtPlot;
    // Every plot item belongs to a profile or to this window.
    p->setAutoDelete(false);
    p->setAutoReplot(false);
    p->setCanvasBackground(Qt::white);
    p->insertLegend(new QwtLegend, QwtPlot::RightLegend);

    connect(ui->saveImage, &QPushButton::clicked, this, [this] { saveImageSlot(); });

    for (int i = 0; i < SlotCount; ++i)
        slotProfiles[i] = new ProfileImpl(this, i);
}

PlotInterface::~PlotInterface()
{
    // Profiles detach their curves; this must happen while the plot still exists.
    delete crossHair;
    crossHair = nullptr;
    deleteAllProfiles();
    removeFixedItems();
}

void PlotInterface::setSources(const ConfigImage* image, const engine::engine_state* engine)
{
    image_ = image;
    engine_ = engine;
}

const ConfigImage& PlotInterface::image() const
{
    return image_ ? *image_ : planner::currentImage();
}

const engine::engine_state& PlotInterface::engineState() const
{
    return engine_ ? *engine_ : planner::plannerEngine();
}

QwtPlot* PlotInterface::plot() const
{
    if (redrawDue_)
        redraw();
    return ui->qwtPlot;
}

int PlotInterface::slotOf(const Profile* p) const
{
    for (int i = 0; i < SlotCount; ++i)
        if (slotProfiles[i] == p)
            return i;
    return -1;
}

Profile* PlotInterface::profile(Slot slot)
{
    if (slot < 0 || slot >= SlotCount)
        return nullptr;
    return slotProfiles[slot];
}

void PlotInterface::setCurveEnabled(Slot slot, bool on)
{
    if (slot >= 0 && slot < SlotCount)
        slotProfiles[slot]->enabled = on;
}

bool PlotInterface::curveEnabled(Slot slot) const
{
    return slot >= 0 && slot < SlotCount && slotProfiles[slot]->enabled;
}

void PlotInterface::newProfile(int slot)
{
    if (slot < 0 || slot >= SlotCount)
        return;
    ProfileImpl* old = slotProfiles[slot];
    auto* fresh = new ProfileImpl(this, slot);
    fresh->enabled = old && old->enabled;
    slotProfiles[slot] = fresh;
    if (!old)
        return;
    old->retire();
    // A profile that was never set up draws nothing and belongs to no list.
    if (!curves.contains(old) && !items.contains(old))
        delete old;
}

void PlotInterface::appendCurve(ProfileImpl* p)
{
    if (!curves.contains(p))
        curves.append(p);
    recolour();
}

void PlotInterface::appendItem(ProfileImpl* p)
{
    if (!items.contains(p))
        items.append(p);
}

void PlotInterface::recolour()
{
    const int n = curves.size();
    for (int i = 0; i < n; ++i) {
        const double position = n > 1 ? double(i) / (n - 1) : 0.0;
        static_cast<ProfileImpl*>(curves[i])->plotCurve().setPen(
            colourMap.color(QwtInterval(0, 1), position), 1);
    }
}

void PlotInterface::thinEarlierRuns()
{
    for (QList<Profile*>* list : {&curves, &items})
        for (Profile* p : *list)
            static_cast<ProfileImpl*>(p)->thin();
}

void PlotInterface::replot()
{
    if (!isVisible() || (lastRedraw_.isValid() && lastRedraw_.elapsed() < 40)) {
        redrawDue_ = true;
        if (isVisible() && !redrawTimer_->isActive())
            redrawTimer_->start(40);
        return;
    }
    redraw();
}

void PlotInterface::replotNow()
{
    if (!isVisible()) {
        redrawDue_ = true;
        return;
    }
    redraw();
}

void PlotInterface::redraw() const
{
    redrawDue_ = false;
    redrawTimer_->stop();
    // Tissue points are collected without redrawing; they are shown at each replot.
    for (ProfileImpl* t : tissueCurves)
        t->updateSamples();
    ui->qwtPlot->replot();
    lastRedraw_.start();
}

void PlotInterface::showEvent(QShowEvent* event)
{
    if (redrawDue_)
        redraw();
    QDialog::showEvent(event);
}

void PlotInterface::deleteAllProfiles()
{
    tissueCurves.clear();
    setupProfiles.clear();
    for (int i = 0; i < SlotCount; ++i) {
        if (slotProfiles[i] && !curves.contains(slotProfiles[i]) &&
            !items.contains(slotProfiles[i]))
            delete slotProfiles[i];
        slotProfiles[i] = nullptr;
    }
    qDeleteAll(curves);
    curves.clear();
    qDeleteAll(items);
    items.clear();
}

void PlotInterface::removeFixedItems()
{
    qDeleteAll(fixedItems);
    fixedItems.clear();
}

// The five right-axis quantities share one axis: it spans every curve drawn on it, this run's
// and the earlier runs', with the largest of their scales, and scales automatically when any
// of them does. Its title names them, grouped by unit.
void PlotInterface::updateRightAxis()
{
    QwtPlot* p = ui->qwtPlot;
    bool any = false;
    bool automatic = false;
    double upper = 0.0;
    bool carried[SlotCount] = {};
    for (Profile* item : items) {
        auto* impl = static_cast<ProfileImpl*>(item);
        if (!impl->onRightAxis())
            continue;
        any = true;
        automatic = automatic || impl->rightScale() <= 0.0;
        upper = std::max(upper, impl->rightScale());
        carried[impl->slot()] = true;
    }
    p->enableAxis(QwtPlot::yRight, any);
    if (!any)
        return;
    if (automatic)
        p->setAxisAutoScale(QwtPlot::yRight, true);
    else
        p->setAxisScale(QwtPlot::yRight, 0, upper);

    const struct {
        const char* unit;
        QVector<Slot> members;
    } groups[] = {{QT_TRANSLATE_NOOP("PlotInterface", "[Bar]"), {PpO2, LeadingTissue}},
                  {QT_TRANSLATE_NOOP("PlotInterface", "[%]"), {Gf, Cns}},
                  {QT_TRANSLATE_NOOP("PlotInterface", "[min]"), {NdlStop}}};
    QStringList title;
    for (const auto& group : groups) {
        QStringList names;
        for (Slot slot : group.members)
            if (carried[slot])
                names << rightAxisName(slot);
        if (!names.isEmpty())
            title << names.join(QStringLiteral(", ")) + ' ' +
                         QCoreApplication::translate("PlotInterface", group.unit);
    }
    p->setAxisTitle(QwtPlot::yRight, title.join(QStringLiteral("; ")));
}

QString PlotInterface::rightAxisName(Slot slot)
{
    return legendTitle(slot);
}

void PlotInterface::clearCurves()
{
    bool enabledBefore[SlotCount];
    for (int i = 0; i < SlotCount; ++i)
        enabledBefore[i] = slotProfiles[i] && slotProfiles[i]->enabled;
    deleteAllProfiles();
    ui->qwtPlot->enableAxis(QwtPlot::yRight, false);
    for (int i = 0; i < SlotCount; ++i) {
        slotProfiles[i] = new ProfileImpl(this, i);
        slotProfiles[i]->enabled = enabledBefore[i];
    }
    replotNow();
}

QString PlotInterface::plotGasName(int o2, int he)
{
    if (he > 0)
        return QStringLiteral("%1%2/%3").arg(o2 + he == 100 ? "Hx" : "Tx").arg(o2).arg(he);
    if (o2 == 21)
        return QCoreApplication::translate("PlotInterface", "Air", "Plot label");
    return QStringLiteral("Nx%1").arg(o2);
}

QColor PlotInterface::gasColour(int gas)
{
    switch (gas) {
    case 1:
        return Qt::white;
    case 2:
        return Qt::green;
    case 3:
        return Qt::red;
    case 4:
        return Qt::yellow;
    case 5:
        return Qt::magenta;
    default:
        return Qt::black;
    }
}

void PlotInterface::setup(bool diveMode, double depth)
{
    diveMode_ = diveMode;
    QwtPlot* p = ui->qwtPlot;

    // A fresh cross-hair for this mode.
    delete crossHair;
    crossHair = new CrossHair(p, diveMode);

    // Whatever the previous set-up drew as reference.
    removeFixedItems();
    for (Profile* old : setupProfiles) {
        items.removeAll(old);
        delete old;
    }
    setupProfiles.clear();
    tissueCurves.clear();

    if (diveMode)
        setupDive();
    else
        setupTissues(depth);
    setTitles();
}

void PlotInterface::setTitles()
{
    QwtPlot* p = ui->qwtPlot;
    // Title: program, firmware and model, then the mode.
    const bool variant1a = engine::zhl16c[0].n2_half_time_min == 4.0f;
    const QString head = QStringLiteral("<small><i>Bathyra %1 - OSTC firmware %2.%3%4</i></small>")
                             .arg(QStringLiteral(BATHYRA_VERSION BATHYRA_VERSION_SUFFIX))
                             .arg(BATHYRA_FIRMWARE_MAJOR)
                             .arg(BATHYRA_FIRMWARE_MINOR, 2, 10, QLatin1Char('0'))
                             .arg(QStringLiteral(BATHYRA_FIRMWARE_SUFFIX)) +
                         QStringLiteral(" - ZH-L16C 2002") +
                         (variant1a ? QStringLiteral(" (1a)") : QStringLiteral(" (1b)"));
    const QString mode =
        diveMode_ ? QCoreApplication::translate("PlotInterface", "Dive traces", "Plot title")
                  : QCoreApplication::translate("PlotInterface", "Tissues plot", "Plot title");
    p->setTitle(QwtText(head + QStringLiteral("<br>") + mode, QwtText::RichText));

    // Axes.
    if (diveMode_) {
        p->setAxisTitle(QwtPlot::yLeft,
                        QCoreApplication::translate("PlotInterface", "Depth [m]", "Plot axis"));
        p->setAxisTitle(QwtPlot::xBottom,
                        QCoreApplication::translate("PlotInterface", "time [min]", "Plot axis"));
        updateRightAxis();
    } else {
        p->setAxisTitle(QwtPlot::xBottom,
                        QCoreApplication::translate("PlotInterface", "P. ambient [absolute, bar]",
                                                    "Plot axis"));
        p->setAxisTitle(
            QwtPlot::yLeft,
            QCoreApplication::translate("PlotInterface", "P. tissue [N2+He, bar]", "Plot axis"));
    }
}

void PlotInterface::changeEvent(QEvent* event)
{
    // A language chosen in the settings dialog: this window's texts follow at once.
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (diveMode_)
            setWindowTitle(QCoreApplication::translate("Window Title", "Dive profile"));
        else
            setWindowTitle(QCoreApplication::translate("Window Title", "Tissues plot"));
        setTitles();
        // The legend: every quantity's curve of the current run in the new language.
        for (int slot = 0; slot < SlotCount; ++slot) {
            ProfileImpl* curve = slotProfiles[slot];
            if (slot != LeadingTissue && curve && curve->plotCurve().plot())
                curve->plotCurve().setTitle(legendTitle(static_cast<Slot>(slot)));
        }
        ui->qwtPlot->replot();
    }
    QDialog::changeEvent(event);
}

void PlotInterface::setupDive()
{
    QwtPlot* p = ui->qwtPlot;
    // Curves: a fresh profile in each slot; the previous run's stay drawn.
    for (Slot s : {Depth, Gf, PpO2, Cns, NdlStop, Ceiling, LeadingTissue})
        newProfile(s);

    // Axes.
    p->setAxisAutoScale(QwtPlot::yLeft, true);
    p->setAxisAutoScale(QwtPlot::xBottom, true);
    p->axisScaleEngine(QwtPlot::yLeft)->setAttribute(QwtScaleEngine::Inverted, true);

    // Markers: the surface.
    auto* surface = new QwtPlotMarker;
    surface->setLineStyle(QwtPlotMarker::HLine);
    surface->setLinePen(QPen(Qt::black, 0, Qt::DashLine));
    surface->setYValue(0);
    surface->setAxes(QwtPlot::xBottom, QwtPlot::yLeft);
    ownItem(surface, p);
    fixedItems.append(surface);
}

void PlotInterface::addRuntime(const Decoplan& plan)
{
    addRuntimeRecords(plan.records(), plan.model(), plan.tts());
}

void PlotInterface::addRuntimeRecords(const QVector<DecoplanStop>& records, const QString& model,
                                      int tts)
{
    QwtPlot* p = ui->qwtPlot;
    const ConfigImage& img = image();

    // The plan's figures, read from its records the way the plan computes them.
    float diveDepth = 0, diveTime = 0;
    for (const DecoplanStop& rec : records)
        if (rec.depth > diveDepth) {
            diveDepth = rec.depth;
            diveTime = rec.runtime;
        }
    const float total = records.isEmpty() ? -1.0f : records.last().runtime;

    // A runtime curve takes its place in the colour sequence of the runs.
    auto* r = new ProfileImpl(this, -1);
    r->enabled = true;
    curves.append(r);
    QwtPlotCurve& c = r->plotCurve();
    c.setRenderHint(QwtPlotItem::RenderAntialiased, true);
    c.setItemAttribute(QwtPlotItem::Legend, true);
    c.setAxes(QwtPlot::xBottom, QwtPlot::yLeft);
    c.attach(p);
    p->axisScaleEngine(QwtPlot::yLeft)->setAttribute(QwtScaleEngine::Inverted, true);

    c.setTitle(model + QStringLiteral(", %1 ' @ %2 m").arg(diveTime).arg(diveDepth) +
               QStringLiteral("\n\t") +
               QCoreApplication::translate("PlotInterface", "TTS  = %1", "Plot label").arg(tts) +
               QStringLiteral("\n\t") +
               QCoreApplication::translate("PlotInterface", "Total= %2", "Plot label").arg(total));

    // After a surface interval the plan starts again at the surface, later on.
    const double offset = engineState().in_surface_interval_10min * 10.0;
    r->appendPoint(0, 0);
    if (offset > 0)
        r->appendPoint(offset, 0);

    const auto gasLabel = [&](int gas) {
        return QStringLiteral("\t") +
               QCoreApplication::translate("PlotInterface", "Gas%1:", "Plot label").arg(gas) +
               ((gas >= 1 && gas <= engine::gas_count) ? planner::gasName(img, gas) : QString());
    };
    const auto spLabel = [](float sp) { return QStringLiteral("SP:%1").arg(sp, 0, 'f', 2); };

    int gas = records.isEmpty() ? 0 : records.first().gas;
    float sp = records.isEmpty() ? 0 : records.first().setpoint;
    bool onLoop = sp > 0;
    if (gas > 0)
        r->addLabel(offset, 0, gasLabel(gas), gasColour(gas), false);
    if (sp > 0)
        r->addLabel(offset, 0, spLabel(sp), Qt::black, false);

    // The curve follows the records: a level (stop, bottom, switch, surface) from its
    // arrival to its runtime, a moving segment from the end of the previous record at its
    // start depth to the start of the next one. Travel between two levels is 10 m/min;
    // after a moving segment the level is reached when that segment ends.
    double previousRuntime = 0, previousDepth = 0;
    bool previousLevel = true; // the surface at the start
    for (const DecoplanStop& rec : records) {
        const bool level = rec.kind == DecoplanStop::Level;
        double x = offset + previousRuntime;
        if (level) {
            if (previousLevel)
                x += 0.1 * std::abs(rec.depth - previousDepth);
            r->appendPoint(x, rec.depth);
            r->addLabel(x, rec.depth,
                        QStringLiteral("%1 '").arg(static_cast<int>(rec.duration + 0.5f)),
                        Qt::black, false);
        }
        if (rec.gas != gas) {
            gas = rec.gas;
            QString text = gasLabel(gas);
            // Leaving the loop for an open-circuit gas is a bail-out.
            if (rec.setpoint <= 0 && onLoop)
                text += QStringLiteral(" (Bail)");
            if (gas > 0)
                r->addLabel(x, rec.depth, text, gasColour(gas), false);
        }
        if (rec.setpoint != sp) {
            sp = rec.setpoint;
            if (sp > 0) {
                onLoop = true;
                r->addLabel(x, rec.depth, spLabel(sp), Qt::black, false);
            }
        }
        r->appendPoint(level ? offset + rec.runtime : x, rec.depth);
        previousRuntime = rec.runtime;
        previousDepth = rec.depth;
        previousLevel = level;
    }

    r->updateSamples();
    recolour();
    replotNow();
}

void PlotInterface::saveImageSlot()
{
    saveImageSlot(QString());
}

QString PlotInterface::askImageFile(const QString& startDir, const QString& filter,
                                    QString* selectedFilter)
{
    return QFileDialog::getSaveFileName(
        this,
        QCoreApplication::translate("PlotInterface", "Dump image to...", "Save plot as image"),
        startDir, filter, selectedFilter);
}

void PlotInterface::saveImageSlot(const QString& fileName)
{
    QString file;
    if (fileName.isEmpty()) {
        QString startDir = settings_
                               ? settings_->value(QStringLiteral("Planner/imagePath")).toString()
                               : QString();
        if (startDir.isEmpty() || !QDir(startDir).exists())
            startDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QString selectedFilter;
        const QString chosen =
            askImageFile(startDir, plotexport::imageFileFilter(), &selectedFilter);
        if (chosen.isEmpty())
            return;
        if (settings_)
            settings_->setValue(QStringLiteral("Planner/imagePath"),
                                QFileInfo(chosen).absolutePath());
        file = plotexport::fileNameForFilter(chosen, selectedFilter);
    } else {
        file = plotexport::documentsImagePath(fileName);
        if (sink_)
            sink_->message(QCoreApplication::translate("PlotInterface", "Saving plot %1", "Console")
                               .arg(file));
        QDir().mkpath(QFileInfo(file).absolutePath());
    }
    plotexport::renderPlotToFile(plot(), file);
}
