// SPDX-License-Identifier: GPL-3.0-or-later
// The curves of the plot windows (a growing curve per quantity and run, with its labels) and
// the cross-hair: see plot_interface.h.
#include "plot/plot_interface.h"

#include "device/config_image.h"
#include "engine/engine.h"
#include "plot/plot_items.h"

#include <QCoreApplication>
#include <algorithm>

#include <qwt_picker_machine.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_engine.h>
#include <qwt_symbol.h>

using plot_items::kPlotCapacity;
using plot_items::kRetiredPoints;
using plot_items::ownItem;

// The points of a curve that grows at its end. The curve sees the points handed over so
// far, and their bounding rectangle grows with them: handing new points over costs only
// those, where new samples for the curve would copy and measure the whole run every time.
class GrowingSeries : public QwtSeriesData<QPointF>
{
public:
    size_t size() const override { return static_cast<size_t>(shown); }
    QPointF sample(size_t i) const override { return points[static_cast<int>(i)]; }
    QRectF boundingRect() const override { return d_boundingRect; }

    void append(double x, double y) { points.append(QPointF(x, y)); }
    void clear()
    {
        points.clear();
        shown = 0;
        d_boundingRect = QRectF(0.0, 0.0, -1.0, -1.0);
    }
    // The points handed over so far.
    QVector<QPointF> shownPoints() const { return points.mid(0, shown); }
    // Keeps only these points, all handed over (a retired curve's thinned copy).
    void replace(const QVector<QPointF>& kept)
    {
        clear();
        points = kept;
        points.squeeze();
        handOver();
    }
    void handOver()
    {
        for (; shown < points.size(); ++shown) {
            const QPointF& p = points[shown];
            QRectF& r = d_boundingRect;
            if (r.width() < 0.0)
                r = QRectF(p, QSizeF(0.0, 0.0));
            else
                r.setCoords(std::min(r.left(), p.x()), std::min(r.top(), p.y()),
                            std::max(r.right(), p.x()), std::max(r.bottom(), p.y()));
        }
    }

private:
    QVector<QPointF> points;
    int shown = 0;
};

namespace
{

// The points of a finished curve worth keeping. First the ends of every horizontal or vertical
// stretch: the points between lie on the line between them and draw nothing of their own (a
// long dive at one depth keeps two points). Beyond `maxPoints` what is left goes in groups of
// consecutive points, each keeping its first, lowest, highest and last point in their order:
// with maxPoints / 4 groups across the plot a group is narrower than a pixel of any screen,
// so the line keeps its shape, its extremes and (time running forward along it) its bounding
// rectangle.
QVector<QPointF> thinnedPoints(const QVector<QPointF>& in, int maxPoints)
{
    const auto between = [](double a, double b, double c) {
        return (a <= b && b <= c) || (a >= b && b >= c);
    };
    QVector<QPointF> out;
    const int n = in.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && i + 1 < n) {
            const QPointF &a = in[i - 1], &b = in[i], &c = in[i + 1];
            if ((a.y() == b.y() && b.y() == c.y() && between(a.x(), b.x(), c.x())) ||
                (a.x() == b.x() && b.x() == c.x() && between(a.y(), b.y(), c.y())))
                continue;
        }
        out.append(in[i]);
    }
    if (out.size() <= maxPoints)
        return out;
    const int groups = std::max(1, maxPoints / 4);
    const QVector<QPointF> left = out;
    out.clear();
    const int size = (left.size() + groups - 1) / groups;
    for (int begin = 0; begin < left.size(); begin += size) {
        const int end = std::min<int>(begin + size, left.size());
        int low = begin, high = begin;
        for (int i = begin; i < end; ++i) {
            if (left[i].y() < left[low].y())
                low = i;
            if (left[i].y() > left[high].y())
                high = i;
        }
        int kept[] = {begin, std::min(low, high), std::max(low, high), end - 1};
        for (int k = 0; k < 4; ++k)
            if (k == 0 || kept[k] != kept[k - 1])
                out.append(left[kept[k]]);
    }
    return out;
}

} // namespace

// ---------------------------------------------------------------------------------------
// ProfileImpl

ProfileImpl::ProfileImpl(PlotInterface* owner, int slot) : owner(owner), slot_(slot)
{
    xs.reserve(kPlotCapacity);
    ys.reserve(kPlotCapacity);
    curve.setData(new GrowingSeries);
}

GrowingSeries* ProfileImpl::series()
{
    return dynamic_cast<GrowingSeries*>(curve.data());
}

void ProfileImpl::handOver()
{
    GrowingSeries* points = series();
    if (!points) {
        curve.setSamples(xs, ys);
        return;
    }
    points->handOver();
    curve.itemChanged();
}

ProfileImpl::~ProfileImpl()
{
    curve.detach();
    qDeleteAll(labels);
}

void ProfileImpl::setup(const QString& title, double scaleMax)
{
    // The six curves set up at every run, drawn or not (not a new leading compartment within
    // a run), start one: the curves of the runs before it become earlier runs.
    if (slot_ >= 0 && slot_ != RunPlot::LeadingTissue && !retired_)
        owner->thinEarlierRuns();
    if (!enabled || retired_)
        return;
    QwtPlot* plot = owner->plot();
    curve.setTitle(title);
    curve.setRenderHint(QwtPlotItem::RenderAntialiased, true);
    curve.attach(plot);

    if (slot_ == RunPlot::Depth || slot_ == RunPlot::Ceiling) {
        // Depth grows downwards; both curves share the colour sequence of the runs.
        plot->axisScaleEngine(QwtPlot::yLeft)->setAttribute(QwtScaleEngine::Inverted, true);
        curve.setAxes(QwtPlot::xBottom, QwtPlot::yLeft);
        owner->appendCurve(this);
    } else {
        curve.setAxes(QwtPlot::xBottom, QwtPlot::yRight);
        rightScale_ = scaleMax > 0 ? scaleMax : 0.0;
        owner->appendItem(this);

        switch (slot_) {
        case RunPlot::LeadingTissue: {
            // The title names the compartment: C1 .. C16.
            int compartment = title.mid(1).toInt();
            if (compartment < 1 || compartment > engine::compartment_count)
                compartment = 1;
            curve.setPen(
                owner->colours().color(QwtInterval(1, engine::compartment_count), compartment), 1);
            break;
        }
        case RunPlot::Gf:
            curve.setPen(Qt::black, 1);
            break;
        case RunPlot::PpO2:
            curve.setPen(Qt::blue, 1);
            break;
        case RunPlot::Cns:
            curve.setPen(Qt::red, 1);
            break;
        default:
            curve.setPen(Qt::darkRed, 1);
            break;
        }
        owner->updateRightAxis();

        if (slot_ == RunPlot::Gf) {
            // The configured gradient factors as dotted reference lines.
            const ConfigImage& image = owner->image();
            const struct {
                int cf;
                QString text;
            } lines[] = {
                {32, QCoreApplication::translate("PlotInterface", "GF_low", "Plot label")},
                {33, QCoreApplication::translate("PlotInterface", "GF_high", "Plot label")}};
            for (const auto& line : lines) {
                auto* marker = new QwtPlotMarker;
                marker->setLineStyle(QwtPlotMarker::HLine);
                marker->setLinePen(QPen(Qt::black, 0.5, Qt::DotLine));
                marker->setYValue(image.cf(line.cf));
                marker->setLabel(QwtText(line.text));
                marker->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
                marker->setAxes(QwtPlot::xBottom, QwtPlot::yRight);
                marker->attach(plot);
                labels.append(marker);
            }
        }
    }
    clear();
}

void ProfileImpl::clear()
{
    if (!enabled || retired_)
        return;
    xs.clear();
    ys.clear();
    xs.reserve(kPlotCapacity);
    ys.reserve(kPlotCapacity);
    if (GrowingSeries* points = series())
        points->clear();
    handOver();
}

void ProfileImpl::appendPoint(double x, double y)
{
    if (!enabled || retired_)
        return;
    xs.append(x);
    ys.append(y);
    if (GrowingSeries* points = series())
        points->append(x, y);
}

void ProfileImpl::updateSamples()
{
    if (!enabled || retired_)
        return;
    handOver();
}

void ProfileImpl::addPoint(double x, double y)
{
    if (!enabled || retired_)
        return;
    appendPoint(x, y);
    // Redraw only at whole minutes of run time: the run feeds a point every 2 seconds.
    if (static_cast<long long>(x * 60) % 60 == 0) {
        handOver();
        owner->recolour();
    }
}

void ProfileImpl::flush()
{
    if (!enabled || retired_)
        return;
    handOver();
    owner->recolour();
}

void ProfileImpl::retire()
{
    if (!enabled || retired_)
        return;
    flush();
    retired_ = true;
    // The curve keeps its own copy of the samples.
    xs.clear();
    ys.clear();
    xs.squeeze();
    ys.squeeze();
    // Renewing the slot may delete this profile (when it was never set up): nothing may
    // touch it afterwards.
    const int slot = owner->slotOf(this);
    if (slot >= 0)
        owner->newProfile(slot);
}

void ProfileImpl::thin()
{
    GrowingSeries* points = series();
    if (!retired_ || thinned_ || !points)
        return;
    thinned_ = true;
    points->replace(thinnedPoints(points->shownPoints(), kRetiredPoints));
    curve.itemChanged();
}

void ProfileImpl::addLabel(double x, double y, const QString& text, const QColor& colour,
                           bool rightAxis)
{
    if (!enabled || retired_)
        return;
    auto* marker = new QwtPlotMarker;
    marker->setValue(x, y);
    marker->setAxes(QwtPlot::xBottom, rightAxis ? QwtPlot::yRight : QwtPlot::yLeft);
    const bool setpoint = text.startsWith(QLatin1String("SP"));
    marker->setSymbol(new QwtSymbol(setpoint ? QwtSymbol::Diamond : QwtSymbol::DTriangle,
                                    QBrush(Qt::black, Qt::SolidPattern), QPen(colour),
                                    QSize(10, 10)));
    marker->setTitle(text);
    // One legend entry per label text of this profile: a long dive switching back and forth
    // would otherwise lay out a legend growing by one entry at every switch. Every marker
    // stays on the plot with its title.
    const bool newTitle = !legendTitles.contains(text);
    if (newTitle)
        legendTitles.insert(text);
    marker->setItemAttribute(QwtPlotItem::Legend, newTitle);
    marker->setLegendIconSize(QSize(10, 10));
    marker->attach(owner->plot());
    labels.append(marker);
}

void ProfileImpl::addGas(double x, double y, int gas)
{
    if (!enabled || retired_)
        return;
    const ConfigImage& image = owner->image();
    QString text = QStringLiteral("\t");
    if (image.isCcr()) {
        text += QCoreApplication::translate("PlotInterface", "Setpoint:%1", "Plot label")
                    .arg(owner->engineState().in_setpoint_cbar / 100.0, 0, 'f', 2);
    } else {
        const bool known = gas >= 1 && gas <= engine::gas_count;
        text +=
            QCoreApplication::translate("PlotInterface", "Gas%1:", "Plot label").arg(gas) +
            (known ? PlotInterface::plotGasName(image.gasO2(gas), image.gasHe(gas)) : QString());
    }
    addLabel(x, y, text, PlotInterface::gasColour(gas), false);
}

void ProfileImpl::clearLabels()
{
    qDeleteAll(labels);
    labels.clear();
    legendTitles.clear();
}

// ---------------------------------------------------------------------------------------
// CrossHair

CrossHair::CrossHair(QwtPlot* plot, bool diveMode)
    : QwtPlotPicker(QwtPlot::xBottom, QwtPlot::yLeft, QwtPicker::CrossRubberBand,
                    QwtPicker::AlwaysOn, plot->canvas()),
      plot(plot), diveMode(diveMode)
{
    setStateMachine(new QwtPickerTrackerMachine);
    setEnabled(true);
}

QString CrossHair::positionText(const QPointF& pos, bool diveMode)
{
    if (diveMode)
        return QStringLiteral("%1' %2m").arg(pos.x(), 0, 'f', 1).arg(pos.y(), 0, 'f', 1);
    return QStringLiteral("%2/%1 bar").arg(pos.x(), 0, 'f', 1).arg(pos.y(), 0, 'f', 1);
}

QwtText CrossHair::trackerTextF(const QPointF& pos) const
{
    QwtText text(positionText(pos, diveMode));
    text.setBackgroundBrush(QBrush(QColor(255, 255, 255, 200)));
    // The text carries the canvas's font: the tracker's box and mask are measured with the
    // overlay widget's font, but an overlay that paints into an image paints with the
    // application's, and a larger font overran the box ("30.5r" for "30.5m").
    text.setFont(plot->canvas()->font());
    return text;
}
