// SPDX-License-Identifier: GPL-3.0-or-later
// Planning inputs by name: see plan_parameters.h.
#include "planner/plan_parameters.h"

#include "planner/dive_parameters.h"
#include "planner/plan_core.h"

#include <QCoreApplication>
#include <QSettings>
#include <cmath>
#include <functional>
#include <vector>

namespace planner
{

namespace
{

struct Parameter {
    QString name;
    double min = 0, max = 0;
    int decimals = 0; // -1: a switch
    std::function<void(PlanRequest&, double)> set;
    std::function<double(const PlanRequest&)> get;
};

Parameter sw(const QString& name, std::function<void(PlanRequest&, bool)> set,
             std::function<bool(const PlanRequest&)> get)
{
    return {name,
            0,
            1,
            -1,
            [set](PlanRequest& r, double v) { set(r, v != 0); },
            [get](const PlanRequest& r) { return get(r) ? 1.0 : 0.0; }};
}

// A custom function shown in a field as value / scale.
Parameter cf(const QString& name, int n, double min, double max, int scale = 1, int decimals = 0)
{
    return {name,
            min,
            max,
            decimals,
            [n, scale](PlanRequest& r, double v) {
                r.image.setCf(n, static_cast<quint16>(roundScaled(v, scale)));
            },
            [n, scale](const PlanRequest& r) { return r.image.cf(n) / double(scale); }};
}

void setDecoType(ConfigImage& image, bool ccr, bool gf)
{
    image.setByte(ConfigImage::deco_type, ccr ? (gf ? ConfigImage::GfCcr : ConfigImage::PlainCcr)
                                              : (gf ? ConfigImage::GfOc : ConfigImage::PlainOc));
}

std::vector<Parameter> makeTable()
{
    std::vector<Parameter> t;
    for (int n = 1; n <= ConfigImage::GasCount; ++n) {
        const QString k = QString::number(n);
        t.push_back(sw(
            "gas_" + k, [n](PlanRequest& r, bool on) { r.image.setGasActive(n, on); },
            [n](const PlanRequest& r) { return r.image.gasActive(n); }));
        t.push_back(sw(
            "first_" + k,
            [n](PlanRequest& r, bool on) {
                if (on)
                    r.image.setByte(ConfigImage::first_gas, static_cast<quint8>(n));
            },
            [n](const PlanRequest& r) { return r.image.byte(ConfigImage::first_gas) == n; }));
        t.push_back({"O2_" + k, 0, 100, 0,
                     [n](PlanRequest& r, double v) { r.image.setGasO2(n, quint8(v)); },
                     [n](const PlanRequest& r) { return double(r.image.gasO2(n)); }});
        t.push_back({"He_" + k, 0, 100, 0,
                     [n](PlanRequest& r, double v) { r.image.setGasHe(n, quint8(v)); },
                     [n](const PlanRequest& r) { return double(r.image.gasHe(n)); }});
        t.push_back({"depth_" + k, 0, 130, 0,
                     [n](PlanRequest& r, double v) { r.image.setGasDepth(n, quint8(v)); },
                     [n](const PlanRequest& r) { return double(r.image.gasDepth(n)); }});
    }
    for (int k = 1; k <= 3; ++k)
        t.push_back(
            {"ppo2_" + QString::number(k), 0.4, 1.6, 1,
             [k](PlanRequest& r, double v) { r.image.setSetpoint(k, quint8(roundScaled(v, 100))); },
             [k](const PlanRequest& r) { return r.image.setpoint(k) / 100.0; }});
    const auto ccr = [](const PlanRequest& r) { return r.image.isCcr(); };
    const auto gf = [](const PlanRequest& r) { return r.image.isGfModel(); };
    t.push_back(sw(
        "ccrMode", [gf](PlanRequest& r, bool on) { setDecoType(r.image, on, gf(r)); }, ccr));
    t.push_back(sw(
        "ocrMode", [gf](PlanRequest& r, bool on) { setDecoType(r.image, !on, gf(r)); },
        [ccr](const PlanRequest& r) { return !ccr(r); }));
    t.push_back(sw(
        "gradientFactor", [ccr](PlanRequest& r, bool on) { setDecoType(r.image, ccr(r), on); },
        gf));
    t.push_back(sw(
        "buhlmann", [ccr](PlanRequest& r, bool on) { setDecoType(r.image, ccr(r), !on); },
        [gf](const PlanRequest& r) { return !gf(r); }));
    t.push_back(cf("saturation", Cf::Saturation, 100, 200));
    t.push_back(cf("desaturation", Cf::Desaturation, 50, 100));
    t.push_back(cf("deco_offset", Cf::DecoOffset, 0, 3, 10, 1));
    t.push_back(cf("ppO2High", Cf::PpO2High, 0, 1.6, 100, 2));
    t.push_back(cf("last_stop", Cf::LastStop, 3, 6));
    t.push_back(cf("GF_low", Cf::GfLow, 10, 100));
    t.push_back(cf("GF_high", Cf::GfHigh, 10, 100));
    t.push_back(cf("adjustSP", Cf::AdjustSetpoint, 0, 1, 1, -1));
    t.push_back(cf("shallow_first", Cf::ShallowStopFirst, 0, 1, 1, -1));
    t.push_back(cf("gas_switch_delay", Cf::GasSwitchDelay, 0, 10));
    t.push_back(cf("bottomGasUsage", Cf::BottomGasUsage, 0, 99));
    t.push_back(cf("ascentGasUsage", Cf::AscentGasUsage, 0, 99));
    t.push_back(cf("extra_time", Cf::FutureTts, 0, 10));
    t.push_back({"interval", -10, 1200, 0, [](PlanRequest& r, double v) { r.interval = int(v); },
                 [](const PlanRequest& r) { return double(r.interval); }});
    t.push_back({"press_surface", 700, 1100, 0,
                 [](PlanRequest& r, double v) { r.surfaceMbar = int(v); },
                 [](const PlanRequest& r) { return double(r.surfaceMbar); }});
    t.push_back({"dive_time", 0, 300, 0,
                 [](PlanRequest& r, double v) { r.bottomMinutes = float(v); },
                 [](const PlanRequest& r) { return double(r.bottomMinutes); }});
    t.push_back({"dive_depth", 0, 130, 0,
                 [](PlanRequest& r, double v) { r.depthMetres = float(v); },
                 [](const PlanRequest& r) { return double(r.depthMetres); }});
    t.push_back({"ascent", 0, 99, 0, [](PlanRequest& r, double v) { r.ascentRate = int(v); },
                 [](const PlanRequest& r) { return double(r.ascentRate); }});
    const std::pair<const char*, bool ReplayFlags::*> flags[] = {
        {"replayBreakOnStop", &ReplayFlags::breakOnStop},
        {"replayGasSwitch", &ReplayFlags::gasSwitch},
        {"replayBreakOnSwitch", &ReplayFlags::breakOnSwitch},
        {"replaySetpoint", &ReplayFlags::setpoint},
        {"replayBreakOnSetpoint", &ReplayFlags::breakOnSetpoint},
        {"replayPpO2", &ReplayFlags::ppo2}};
    for (const auto& f : flags) {
        const auto member = f.second;
        t.push_back(sw(
            f.first, [member](PlanRequest& r, bool on) { r.flags.*member = on; },
            [member](const PlanRequest& r) { return r.flags.*member; }));
    }
    return t;
}

const std::vector<Parameter>& table()
{
    static const std::vector<Parameter> t = makeTable();
    return t;
}

const Parameter* find(const QString& name)
{
    for (const Parameter& p : table())
        if (p.name == name)
            return &p;
    return nullptr;
}

} // namespace

QString setPlanParameter(PlanRequest& request, const QString& name, const QVariant& value)
{
    const Parameter* p = find(name);
    if (!p)
        return QCoreApplication::translate("planner::PlanParameters", "unknown planning input %1")
            .arg(name);
    double v = 0;
    if (p->decimals < 0 && value.type() == QVariant::Bool) {
        v = value.toBool() ? 1 : 0;
    } else if (p->decimals < 0 && value.type() == QVariant::String &&
               (value.toString() == QLatin1String("true") ||
                value.toString() == QLatin1String("false"))) {
        v = value.toString() == QLatin1String("true") ? 1 : 0;
    } else {
        bool ok = false;
        v = value.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return QCoreApplication::translate("planner::PlanParameters", "%1: %2 is not a number")
                .arg(name, value.toString());
        if (p->decimals < 0 && v != 0 && v != 1)
            return QCoreApplication::translate("planner::PlanParameters",
                                               "%1: %2 is neither true nor false")
                .arg(name, value.toString());
    }
    // The field's own rounding, then its range.
    if (p->decimals >= 0) {
        const double scale = std::pow(10.0, p->decimals);
        v = std::round(v * scale) / scale;
    }
    if (v < p->min - 1e-9 || v > p->max + 1e-9)
        return QCoreApplication::translate("planner::PlanParameters", "%1: %2 is outside %3 to %4")
            .arg(name)
            .arg(value.toString())
            .arg(p->min)
            .arg(p->max);
    p->set(request, v);
    return QString();
}

QVariant planParameter(const PlanRequest& request, const QString& name)
{
    const Parameter* p = find(name);
    if (!p)
        return QVariant();
    const double v = p->get(request);
    if (p->decimals < 0)
        return v != 0;
    return v;
}

QStringList planParameterNames()
{
    QStringList names;
    for (const Parameter& p : table())
        names << p.name;
    return names;
}

bool planParameterField(const QString& name, double& min, double& max, int& decimals)
{
    const Parameter* p = find(name);
    if (!p)
        return false;
    min = p->min;
    max = p->max;
    decimals = p->decimals;
    return true;
}

PlanRequest requestOfParamFile(const QSettings& s, MessageSink* sink)
{
    PlanRequest r;
    DiveInputs dive;
    ParamFile::load(s, r.image, dive, r.flags, sink);
    r.surfaceMbar = dive.pressure_mbar;
    r.ascentRate = dive.ascent_speed;
    r.bottomMinutes = dive.bottom_time_min;
    r.depthMetres = dive.bottom_depth_m;
    r.cylinders = ParamFile::loadCylinders(s);
    return r;
}

} // namespace planner
