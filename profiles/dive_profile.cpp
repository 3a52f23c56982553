// SPDX-License-Identifier: GPL-3.0-or-later
// DiveProfile: points, changes, the plot items that draw them, and load/save by file ending.
//
// The curves read the point vectors through a series view instead of a copied sample array, so
// adding a point costs the same whatever the profile's length (readers fill profiles of tens of
// thousands of points). Markers are rebuilt at once while a plot is attached and on first use
// otherwise. The change cursors are shared by every profile and remember the key of the last
// change handed out, never an iterator, so a profile changed or deleted under them is harmless.
#include "profiles/dive_profile.h"

#include "device/config_image.h"

#include <QColor>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPen>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_series_data.h>
#include <qwt_symbol.h>
#include <qwt_text.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>

Replay::~Replay() = default;

// A live view of two parallel vectors as curve samples; the bounding rectangle is cached until
// the profile says the data changed.
class ProfileSeries : public QwtSeriesData<QPointF>
{
public:
    ProfileSeries(const QVector<double>* x, const QVector<double>* y) : x_(x), y_(y) {}
    size_t size() const override { return static_cast<size_t>(std::min(x_->size(), y_->size())); }
    QPointF sample(size_t i) const override
    {
        return QPointF(x_->at(static_cast<int>(i)), y_->at(static_cast<int>(i)));
    }
    QRectF boundingRect() const override
    {
        if (d_boundingRect.width() < 0.0)
            d_boundingRect = qwtBoundingRect(*this);
        return d_boundingRect;
    }
    void invalidate() { d_boundingRect = QRectF(0.0, 0.0, -1.0, -1.0); }

private:
    const QVector<double>* x_;
    const QVector<double>* y_;
};

namespace
{

// Where a change cursor stands: before the first entry, after a given key, or at the end.
struct ChangeCursor {
    enum State { AtEnd, AtStart, AfterKey } state = AtEnd;
    int key = 0;

    template <typename Map> typename Map::const_iterator current(const Map& map) const
    {
        switch (state) {
        case AtStart:
            return map.constBegin();
        case AfterKey:
            return map.upperBound(key);
        case AtEnd:
            break;
        }
        return map.constEnd();
    }

    template <typename Map> typename Map::mapped_type take(const Map& map, int seconds)
    {
        if (seconds == 0)
            state = AtStart;
        auto it = current(map);
        if (it == map.constEnd()) {
            state = AtEnd;
            return typename Map::mapped_type(0);
        }
        if (it.key() > seconds)
            return typename Map::mapped_type(0);
        state = AfterKey;
        key = it.key();
        return it.value();
    }
};

ChangeCursor gasCursor;
ChangeCursor setpointCursor;

const QColor& gasColour(int gas)
{
    static const QColor colours[6] = {Qt::black, Qt::white, Qt::red,
                                      Qt::green, Qt::blue,  Qt::yellow};
    // Gas numbers outside the table (a script may set any number) draw black.
    return (gas >= 0 && gas < 6) ? colours[gas] : colours[0];
}

} // namespace

DiveProfile::DiveProfile()
    : depthCurve_(new QwtPlotCurve(QString())), ppO2Curve_(new QwtPlotCurve(QString())),
      depthSeries_(new ProfileSeries(&times_, &depths_)),
      ppO2Series_(new ProfileSeries(&times_, &ppO2_))
{
    depthCurve_->setData(depthSeries_);
    ppO2Curve_->setData(ppO2Series_);
}

DiveProfile::~DiveProfile()
{
    clearMarkers();
    delete depthCurve_;
    delete ppO2Curve_;
}

int DiveProfile::secondsKey(double minutes)
{
    const double s = minutes * 60.0 + 0.5;
    if (!std::isfinite(s))
        return 0;
    if (s >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (s <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(s); // truncation
}

void DiveProfile::resetChangeCursors()
{
    gasCursor.state = ChangeCursor::AtStart;
    setpointCursor.state = ChangeCursor::AtStart;
}

QStringList DiveProfile::description() const
{
    return QStringList(QStringLiteral("%1' @ %2m")
                           .arg(static_cast<double>(diveTime()))
                           .arg(static_cast<double>(diveDepth()), 0, 'f', 1));
}

bool DiveProfile::coversSecond(int) const
{
    return true;
}
QString DiveProfile::eventAt(int) const
{
    return QString();
}
double DiveProfile::surfaceIntervalBefore() const
{
    return 0.0;
}

float DiveProfile::diveTime() const
{
    return times_.isEmpty() ? 0.0f : static_cast<float>(times_.last());
}

float DiveProfile::lastDepth() const
{
    // An empty profile is at the surface.
    return depths_.isEmpty() ? 0.0f : static_cast<float>(depths_.last());
}

float DiveProfile::diveDepth() const
{
    double m = 0.0;
    for (double d : depths_)
        m = std::max(m, d);
    return static_cast<float>(m);
}

float DiveProfile::averageDepth() const
{
    const int n = times_.size();
    if (n == 0)
        return 0.0f;
    if (n == 1)
        return static_cast<float>(depths_[0]);
    double area = 0.0;
    for (int i = 1; i < n; ++i)
        area += (depths_[i] + depths_[i - 1]) * 0.5 * (times_[i] - times_[i - 1]);
    const float t = diveTime();
    // A profile whose points all sit at time 0 has no duration to average over.
    return t != 0.0f ? static_cast<float>(area / t) : static_cast<float>(depths_.last());
}

float DiveProfile::depth(int seconds) const
{
    if (times_.isEmpty())
        return 0.0f; // never asked by a run; the surface
    const float t = static_cast<float>(seconds / 60.0);
    const auto it =
        std::upper_bound(times_.constBegin(), times_.constEnd(), static_cast<double>(t));
    if (it == times_.constEnd())
        return static_cast<float>(depths_.last());
    const int i = static_cast<int>(it - times_.constBegin());
    if (i == 0)
        return static_cast<float>(depths_[0]);
    if (times_[i] == times_[i - 1])
        return static_cast<float>(depths_[i]);
    const float f = static_cast<float>((times_[i - 1] - t) / (times_[i - 1] - times_[i]));
    return static_cast<float>(f * (depths_[i] - depths_[i - 1]) + depths_[i - 1]);
}

bool DiveProfile::hasRecordedPpO2() const
{
    return ppO2_.size() > 1;
}

float DiveProfile::recordedPpO2(int seconds) const
{
    if (!hasRecordedPpO2())
        return 0.0f;
    const double t = (seconds - 0.5) / 60.0;
    const auto it = std::upper_bound(times_.constBegin(), times_.constEnd(), t);
    if (it == times_.constEnd())
        return 0.0f;
    const int i = static_cast<int>(it - times_.constBegin());
    const int index = i == 0 ? 0 : i - 1;
    return index < ppO2_.size() ? static_cast<float>(ppO2_[index]) : 0.0f;
}

int DiveProfile::gasAt(double minutes) const
{
    const int key = secondsKey(minutes);
    auto it = gasChanges_.upperBound(key);
    if (it == gasChanges_.constBegin())
        return 0;
    return (--it).value();
}

int DiveProfile::gasChange(int seconds)
{
    return gasCursor.take(gasChanges_, seconds);
}

float DiveProfile::setpointChange(int seconds)
{
    return setpointCursor.take(setpointChanges_, seconds);
}

void DiveProfile::addPoint(double minutes, double metres, double ppO2)
{
    // A point without a finite time or depth cannot be ordered or drawn.
    if (!std::isfinite(minutes) || !std::isfinite(metres))
        return;
    const int i = static_cast<int>(
        std::upper_bound(times_.constBegin(), times_.constEnd(), minutes) - times_.constBegin());
    times_.insert(i, minutes);
    depths_.insert(i, metres);
    const bool withPpO2 = ppO2 > 0 && std::isfinite(ppO2);
    if (withPpO2)
        ppO2_.insert(std::min(i, ppO2_.size()), ppO2);
    dataChanged(withPpO2);
}

void DiveProfile::removePoint(double minutes)
{
    int kept = 0;
    const int n = times_.size();
    const int withPpO2 = ppO2_.size();
    QVector<double> keptPpO2;
    keptPpO2.reserve(withPpO2);
    for (int i = 0; i < n; ++i) {
        // The 1e-9 absorbs the binary error of times such as 10.1 against 10.
        if (std::fabs(times_[i] - minutes) <= 0.1 + 1e-9)
            continue;
        times_[kept] = times_[i];
        depths_[kept] = depths_[i];
        if (i < withPpO2)
            keptPpO2.append(ppO2_[i]);
        ++kept;
    }
    times_.resize(kept);
    depths_.resize(kept);
    const bool hadPpO2 = !ppO2_.isEmpty();
    ppO2_ = keptPpO2;
    const int key = secondsKey(minutes);
    if (gasChanges_.remove(key))
        gasNeedsFullNormalise_ = true;
    if (setpointChanges_.remove(key))
        setpointNeedsFullNormalise_ = true;
    dataChanged(hadPpO2);
    changesChanged();
}

// Keeps the map free of consecutive equal values. The map was normalised before the change at
// key, so only the neighbours of key can have become equal.
template <typename Map, typename V>
static void normaliseNear(Map& map, int key, bool erased, V start)
{
    if (erased) {
        auto next = map.lowerBound(key);
        if (next == map.end() || next == map.begin())
            return;
        auto prev = next;
        --prev;
        if (prev.value() == next.value())
            map.erase(next);
        return;
    }
    auto it = map.find(key);
    if (it == map.end())
        return;
    const V before = it == map.begin() ? start : std::prev(it).value();
    if (it.value() == before) {
        auto next = map.erase(it);
        if (next != map.end() && next.value() == before)
            map.erase(next);
        return;
    }
    auto next = std::next(it);
    if (next != map.end() && next.value() == it.value())
        map.erase(next);
}

template <typename Map, typename V> static void normaliseAll(Map& map, V start)
{
    V previous = start;
    for (auto it = map.begin(); it != map.end();) {
        if (it.value() == previous) {
            it = map.erase(it);
        } else {
            previous = it.value();
            ++it;
        }
    }
}

void DiveProfile::normaliseAround(QMap<int, int>& map, int key, bool erased)
{
    normaliseNear(map, key, erased, -1);
}

void DiveProfile::normaliseAround(QMap<int, float>& map, int key, bool erased)
{
    normaliseNear(map, key, erased, 0.0f);
}

void DiveProfile::setGas(double minutes, int gas)
{
    const int key = secondsKey(minutes);
    if (gas == 0)
        gasChanges_.remove(key);
    else
        gasChanges_.insert(key, gas);
    if (gasNeedsFullNormalise_) {
        normaliseAll(gasChanges_, -1);
        gasNeedsFullNormalise_ = false;
    } else {
        normaliseAround(gasChanges_, key, gas == 0);
    }
    gasChange(0);
    changesChanged();
}

void DiveProfile::setSetpoint(double minutes, float bar)
{
    const int key = secondsKey(minutes);
    // A setpoint that is not a number would never compare equal to anything; it means nothing.
    const bool erase = bar == 0.0f || std::isnan(bar);
    if (erase)
        setpointChanges_.remove(key);
    else
        setpointChanges_.insert(key, bar);
    if (setpointNeedsFullNormalise_) {
        normaliseAll(setpointChanges_, 0.0f);
        setpointNeedsFullNormalise_ = false;
    } else {
        normaliseAround(setpointChanges_, key, erase);
    }
    setpointChange(0);
    changesChanged();
}

void DiveProfile::assign(const DiveProfile& other)
{
    if (&other == this)
        return;
    times_ = other.times_;
    depths_ = other.depths_;
    ppO2_ = other.ppO2_;
    gasChanges_ = other.gasChanges_;
    setpointChanges_ = other.setpointChanges_;
    gasNeedsFullNormalise_ = other.gasNeedsFullNormalise_;
    setpointNeedsFullNormalise_ = other.setpointNeedsFullNormalise_;
    depthSeries_->invalidate();
    ppO2Series_->invalidate();
    // Markers are redrawn; the curves are not replotted.
    if (depthCurve_->plot())
        rebuildMarkers();
    else
        markersStale_ = true;
}

void DiveProfile::attach(QwtPlot* plot)
{
    depthCurve_->attach(plot);
    ppO2Curve_->attach(plot);
    if (markersStale_) {
        rebuildMarkers();
    } else {
        for (QwtPlotMarker* m : markers_)
            m->attach(plot);
    }
}

const QList<QwtPlotMarker*>& DiveProfile::markers() const
{
    if (markersStale_)
        rebuildMarkers();
    return markers_;
}

void DiveProfile::dataChanged(bool ppO2Too)
{
    depthSeries_->invalidate();
    if (ppO2Too)
        ppO2Series_->invalidate();
    if (depthCurve_->plot())
        replot();
}

void DiveProfile::changesChanged()
{
    if (depthCurve_->plot()) {
        rebuildMarkers();
        replot();
    } else {
        // Nobody sees the markers now: rebuild them when they are attached or asked for, so a
        // reader adding thousands of changes does not rebuild them thousands of times.
        markersStale_ = true;
    }
}

void DiveProfile::replot() const
{
    if (QwtPlot* plot = depthCurve_->plot())
        plot->replot();
}

void DiveProfile::clearMarkers() const
{
    qDeleteAll(markers_);
    markers_.clear();
}

void DiveProfile::rebuildMarkers() const
{
    markersStale_ = false;
    clearMarkers();
    QwtPlot* plot = depthCurve_->plot();
    const bool withPpO2 = hasRecordedPpO2();

    for (auto it = gasChanges_.constBegin(); it != gasChanges_.constEnd(); ++it) {
        auto* marker = new QwtPlotMarker();
        marker->setSymbol(new QwtSymbol(QwtSymbol::DTriangle, QBrush(gasColour(it.value())),
                                        QPen(Qt::black), QSize(10, 10)));
        marker->setValue(it.key() / 60.0, depth(it.key()));
        marker->setAxes(QwtPlot::xBottom, QwtPlot::yLeft);
        marker->setLabel(QwtText(QStringLiteral("Gas#%1").arg(it.value())));
        marker->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        marker->attach(plot);
        markers_.append(marker);
    }
    for (auto it = setpointChanges_.constBegin(); it != setpointChanges_.constEnd(); ++it) {
        const float p = it.value();
        const QColor colour = p < 0.9f ? Qt::green : (p < 1.1f ? Qt::yellow : Qt::red);
        auto* marker = new QwtPlotMarker();
        marker->setSymbol(
            new QwtSymbol(QwtSymbol::Diamond, QBrush(colour), QPen(Qt::black), QSize(10, 10)));
        if (withPpO2) {
            marker->setValue(it.key() / 60.0, recordedPpO2(it.key()));
            marker->setAxes(QwtPlot::xBottom, QwtPlot::yRight);
        } else {
            marker->setValue(it.key() / 60.0, depth(it.key()));
            marker->setAxes(QwtPlot::xBottom, QwtPlot::yLeft);
        }
        marker->setLabel(QwtText(QStringLiteral("SP:%1").arg(static_cast<double>(p), 0, 'f', 2)));
        marker->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
        marker->attach(plot);
        markers_.append(marker);
    }
    if (withPpO2) {
        ppO2Curve_->setAxes(QwtPlot::xBottom, QwtPlot::yRight);
        ppO2Curve_->setPen(QPen(Qt::red));
    }
}
