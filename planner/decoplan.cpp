// SPDX-License-Identifier: GPL-3.0-or-later
// The plan object: see decoplan.h.
#include "planner/decoplan.h"

#include "device/config_image.h"
#include "engine/engine.h"
#include "planner/dive_parameters.h"
#include "profiles/dive_profile.h"

#include <algorithm>
#include <cmath>

namespace
{

bool tableBorderSetting = false;

// A duration or runtime rounded up to a tenth of a minute. Runtimes are sums of float
// minutes, so a whole 20.3 may be stored a hair above it; that noise must not round up.
double upToTenth(float minutes)
{
    return std::ceil(minutes * 10.0 - 1e-3) / 10.0;
}

} // namespace

Decoplan::Decoplan(QObject* parent)
    : Decoplan(planner::plannerEngine(), planner::currentImage(), nullptr, parent)
{
}

Decoplan::Decoplan(engine::engine_state& engine, const ConfigImage& image,
                   const DiveProfile* profile, QObject* parent)
    : QObject(parent), engine_(&engine), image_(&image), profile_(profile)
{
}

void Decoplan::setTableBorder(bool on)
{
    tableBorderSetting = on;
}
bool Decoplan::tableBorder()
{
    return tableBorderSetting;
}

void Decoplan::create(bool ccr)
{
    engine::engine_state& s = *engine_;
    const ConfigImage& image = *image_;
    const int decoType = image.byte(ConfigImage::deco_type);
    const bool ccrType = ConfigImage::isCcrType(decoType);
    const float setpoint1 = setpointBar(image.setpoint(1));

    stops_.clear();

    // Model line.
    model_ =
        ccrType ? (ccr ? QStringLiteral("CCR") : QStringLiteral("Bailout")) : QStringLiteral("OC");
    model_ += QStringLiteral(", ");
    if (ConfigImage::isGfType(decoType))
        model_ += tr("GF %1/%2").arg(image.cf(Cf::GfLow)).arg(image.cf(Cf::GfHigh));
    else
        model_ += tr("Bh %1%/%2%").arg(image.cf(Cf::Saturation)).arg(image.cf(Cf::Desaturation));

    firstGas_ = image.byte(ConfigImage::first_gas);
    for (int n = 1; n <= 5; ++n)
        gasNames_[n - 1] =
            (image.gasActive(n) || n == firstGas_) ? planner::gasName(image, n) : QString();

    // Stops of the engine, deepest first whatever order the engine published them in.
    const bool shallowFirst = image.cf(Cf::ShallowStopFirst) != 0;
    for (int k = 0; k < engine::stop_count; ++k) {
        const int idx = shallowFirst ? engine::stop_count - 1 - k : k;
        if (s.out_stop_depth_m[idx] == 0)
            continue;
        DecoplanStop r;
        r.kind = DecoplanStop::Level;
        r.depth = s.out_stop_depth_m[idx] & 0x7F;
        r.duration = s.out_stop_time_min[idx];
        if (ccr) {
            r.gas = 0;
            r.setpoint = setpointBar(s.in_setpoint_cbar);
        } else {
            r.setpoint = 0;
            r.gas = planner::bestGasForDepth(image, r.depth);
            if (r.gas == 0)
                r.gas = stops_.isEmpty() ? s.in_current_gas : stops_.last().gas;
        }
        stops_.append(r);
    }

    // Gas switches on the way up, when the engine lists no switch stops of its own.
    if (!ccr && image.cf(Cf::GasSwitchDelay) == 0) {
        int prev = s.in_current_gas;
        for (int d = s.out_first_stop_depth_m + 1; d <= s.in_bottom_depth_m; ++d) {
            const int g = planner::bestGasForDepth(image, d);
            if (g != 0 && g != prev) {
                DecoplanStop r;
                r.kind = DecoplanStop::Level;
                r.depth = std::min<int>(image.gasDepth(g), s.in_bottom_depth_m);
                r.duration = 0;
                r.gas = g;
                r.setpoint = 0;
                stops_.prepend(r);
            }
            prev = g;
        }
    }

    // The simulated profile comes first, in time order.
    const int engineRecords = stops_.size();
    if (walkedMinutes_ >= 0) {
        DecoplanStop r;
        r.kind = DecoplanStop::Level;
        r.depth = std::round(walkedDepth_);
        r.duration = walkedMinutes_;
        r.gas = profile_ ? profile_->gasAt(walkedMinutes_) : 0;
        if (r.gas == 0 && !ccrType)
            r.gas = s.in_current_gas;
        r.setpoint = ccrType ? setpoint1 : 0.0f;
        stops_.prepend(r);
    } else if (profile_) {
        const QVector<double>& times = profile_->times();
        const QVector<double>& depths = profile_->depths();
        for (int i = profile_->points() - 1; i >= 1; --i) {
            const double t0 = times[i - 1], t1 = times[i];
            const double d0 = depths[i - 1], d1 = depths[i];
            if (!(t1 > t0))
                continue;
            DecoplanStop r;
            r.duration = static_cast<float>(t1 - t0);
            r.gas = profile_->gasAt(t0);
            if (r.gas == 0 && !ccrType)
                r.gas = s.in_first_gas;
            r.setpoint = ccrType ? setpoint1 : 0.0f;
            if (d1 == d0) {
                r.kind = DecoplanStop::Level;
                r.depth = static_cast<float>(d1);
            } else {
                r.kind = d1 > d0 ? DecoplanStop::Descending : DecoplanStop::Ascending;
                r.depth = static_cast<float>(d0);
            }
            stops_.prepend(r);
        }
    }

    // Every record before this one is the walked profile; the engine's plan follows.
    profileRecords_ = stops_.size() - engineRecords;

    // Arrival at the surface.
    DecoplanStop surface;
    surface.kind = DecoplanStop::Level;
    surface.depth = 0;
    surface.duration = 0;
    if (!stops_.isEmpty()) {
        surface.gas = stops_.last().gas;
        surface.setpoint = stops_.last().setpoint;
    } else if (ccr) {
        surface.gas = 0;
        surface.setpoint = setpoint1;
    } else {
        surface.gas = s.in_current_gas;
        surface.setpoint = 0;
    }
    stops_.append(surface);

    // Labels.
    int prevGas = 0;
    float prevSp = 0;
    for (DecoplanStop& r : stops_) {
        if (r.gas == prevGas) {
            if (r.setpoint != prevSp) {
                prevSp = r.setpoint;
                r.label = tr("SP %1").arg(r.setpoint, 0, 'f', 2);
            }
            continue;
        }
        const int w = (r.gas >= 1 && r.gas <= 5) ? image.gasDepth(r.gas) : 0;
        const bool deeperThanSwitch = w != 0 && w < r.depth;
        if (prevSp == 0) {
            if (prevGas == 0) {
                r.label = tr("Gas#%1").arg(r.gas);
            } else {
                r.label = tr("SWITCH Gas#%1 -> Gas#%2").arg(prevGas).arg(r.gas);
                if (deeperThanSwitch)
                    r.label += tr(" at %1m", "gaz switch").arg(w);
            }
        } else {
            r.label = tr("BAILOUT Gas#%1").arg(r.gas);
            if (deeperThanSwitch)
                r.label = QStringLiteral("<font color='red'><b>DEEP ") + r.label +
                          tr(" at %1m", "gaz switch").arg(w) + QStringLiteral("</b></font>");
        }
        prevGas = r.gas;
        prevSp = 0;
    }

    // Runtimes: 10 m/min between two level records.
    float acc = 0;
    for (int i = 0; i < stops_.size(); ++i) {
        DecoplanStop& r = stops_[i];
        if (r.kind != DecoplanStop::Level) {
            acc += r.duration;
        } else {
            if (i > 0 && stops_[i - 1].kind == DecoplanStop::Level)
                acc += (stops_[i - 1].depth - r.depth) * 0.1f;
            acc += r.duration;
        }
        r.runtime = acc;
    }
    if (stops_.last().depth == 0)
        stops_.last().runtime += 0.7f;

    tts_ = s.out_tts_min;
    ndl_ = s.out_ndl_min;

    // CNS at the end of the plan; the ascent of a non-CCR plan is open circuit.
    const uint8_t setpoint = s.in_setpoint_cbar;
    if (!ccr)
        s.in_setpoint_cbar = 0;
    engine::cns_at_plan_end(s);
    cns_ = s.out_cns_percent * 0.01f;
    s.in_setpoint_cbar = setpoint;
    engine::restore_state(s);
}

const DecoplanStop* Decoplan::record(int i) const
{
    const int n = stops_.size();
    if (i >= 0 && i < n)
        return &stops_[i];
    if (i < 0 && i >= -n)
        return &stops_[n + i];
    return nullptr;
}

namespace
{

// Field f of record r, or missing where there is no such record.
template <typename T> T fieldOr(const DecoplanStop* r, T DecoplanStop::*f, T missing)
{
    return r ? r->*f : missing;
}

} // namespace

float Decoplan::stop(int i) const
{
    return fieldOr(record(i), &DecoplanStop::duration, -1.0f);
}

float Decoplan::depth(int i) const
{
    return fieldOr(record(i), &DecoplanStop::depth, -1.0f);
}

int Decoplan::gas(int i) const
{
    return fieldOr(record(i), &DecoplanStop::gas, -1);
}

float Decoplan::setpoint(int i) const
{
    return fieldOr(record(i), &DecoplanStop::setpoint, -1.0f);
}

float Decoplan::runtime(int i) const
{
    return fieldOr(record(i), &DecoplanStop::runtime, -1.0f);
}

bool Decoplan::decostop(int i) const
{
    const DecoplanStop* r = record(i);
    return r && r->kind == DecoplanStop::Level;
}

QString Decoplan::gasName(int i) const
{
    return (i >= 1 && i <= 5) ? gasNames_[i - 1] : QString();
}

float Decoplan::diveDepth() const
{
    float deepest = 0;
    for (const DecoplanStop& r : stops_)
        deepest = std::max(deepest, r.depth);
    return deepest;
}

float Decoplan::diveTime() const
{
    const float deepest = diveDepth();
    for (const DecoplanStop& r : stops_)
        if (r.depth == deepest)
            return r.runtime;
    return 0;
}

QString Decoplan::toHtml() const
{
    QString html = QStringLiteral("<table border='%1' cellspacing='0' cellpadding='5'>\n")
                       .arg(tableBorderSetting ? 1 : 0);
    const bool reversed = image_->cf(Cf::ShallowStopFirst) != 0;
    const int n = stops_.size();
    for (int k = 0; k < n; ++k) {
        const DecoplanStop& r = stops_[reversed ? n - 1 - k : k];
        QString row = QStringLiteral("<tr>");
        row += QStringLiteral("<td align='right'>%1 m</td>").arg(static_cast<int>(r.depth));
        const QString duration = QString::number(upToTenth(r.duration));
        if (r.kind == DecoplanStop::Descending)
            row += QStringLiteral("<td align='right'> &darr; <i>%1 '</i></td>").arg(duration);
        else if (r.kind == DecoplanStop::Ascending)
            row += QStringLiteral("<td align='right'> &uarr; <i>%1 '</i></td>").arg(duration);
        else if (r.duration == 0)
            row += QStringLiteral("<td align='right'>----</td>");
        else
            row += QStringLiteral("<td align='right'>%1 '</td>").arg(duration);
        row += QStringLiteral("<td align='right'>%1 '</td>").arg(upToTenth(r.runtime), 0, 'f', 1);
        row += QStringLiteral("<td>%1</td>").arg(r.label);
        html += row + QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>");
    return html;
}
