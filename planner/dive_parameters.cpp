// SPDX-License-Identifier: GPL-3.0-or-later
// Dive parameters without a window: see dive_parameters.h.
#include "planner/dive_parameters.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace planner
{

namespace
{

// Truncation toward zero of a finite float, clamped to a sane int range so that an
// absurd widget value can never turn into undefined behaviour.
int truncClamp(float v)
{
    if (!std::isfinite(v))
        return 0;
    if (v > 1e6f)
        return 1000000;
    if (v < -1e6f)
        return -1000000;
    return static_cast<int>(v);
}

// The engine's pressure per metre of sea water.
constexpr float mbarPerMetre = 99.85f;

// Ambient pressure in mbar at a depth, as the engine's 16-bit input: a depth beyond about
// 645 m is held at the largest pressure, not wrapped round to a shallow one.
uint16_t ambientMbar(float depthMetres, int surfaceMbar)
{
    const int total = truncClamp(depthMetres * mbarPerMetre + 0.5f) + surfaceMbar;
    return static_cast<uint16_t>(total > 65535 ? 65535 : (total < 0 ? 0 : total));
}

// Inspired ppO2 in centibar of an open-circuit mix at an ambient pressure, rounded as the
// engine's input is.
int mixPpO2Cbar(float o2Percent, int ambient)
{
    float x = o2Percent * ambient * 0.001f;
    if (x < 0.0f)
        x = 0.0f;
    return x > 254.5f ? 255 : truncClamp(x + 0.5f);
}

int nonNegative(int v)
{
    return v < 0 ? 0 : v;
}

QString twoWide(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char(' '));
}

// Equivalent air depth and equivalent narcotic depth at absolute pressure p (bar).
int eadAt(float p, float fN2)
{
    return nonNegative(truncClamp(10.0f * (p * fN2 / 0.79f - 1.0f) + 0.5f));
}
int endAt(float p, float fHe)
{
    return nonNegative(truncClamp(10.0f * (p * (1.0f - fHe) - 1.0f) + 0.5f));
}

// Deepest depth (m) at which a mix of fraction fO2 stays at ppO2 p; 0 for no oxygen.
int maxDepth(float ppo2, float fO2)
{
    if (fO2 <= 0.0f)
        return 0;
    return nonNegative(truncClamp((ppo2 / fO2 - 1.0f) * 10.0f + 0.5f));
}

} // namespace

ConfigImage& currentImage()
{
    static ConfigImage image = ConfigImage::defaultImage();
    return image;
}

engine::engine_state& plannerEngine()
{
    static engine::engine_state state;
    state.config_image = currentImage().data();
    return state;
}

ReplayFlags& replayFlags()
{
    static ReplayFlags flags;
    return flags;
}

int roundScaled(double value, int scale)
{
    return static_cast<int>(std::floor(value * scale + 0.5));
}

int truncScaled(double value, int scale)
{
    const double v = value * scale;
    return static_cast<int>(v < 0 ? std::ceil(v - 1e-6) : std::floor(v + 1e-6));
}

QString gasName(int o, int h)
{
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    if (h != 0)
        return QString::fromLatin1(o + h == 100 ? "Hx" : "Tx") +
               QStringLiteral("%1/%2").arg(two(o), two(h));
    if (o == 21)
        return QStringLiteral("Air");
    if (o == 100)
        return QStringLiteral("Oxy");
    if (o > 21)
        return QStringLiteral("Nx%1").arg(two(o));
    return QStringLiteral("Err%1/00").arg(two(o));
}

QString gasName(const ConfigImage& image, int n)
{
    return gasName(image.gasO2(n), image.gasHe(n));
}

int inspiredPpO2Cbar(int o2Percent, int depthMetres, int surfaceMbar)
{
    return mixPpO2Cbar(static_cast<float>(o2Percent), ambientMbar(depthMetres, surfaceMbar));
}

float currentDepth(const engine::engine_state& s)
{
    return (s.in_ambient_pressure_mbar - s.in_surface_pressure_mbar) / mbarPerMetre;
}

int modMetres(int o2Percent, int ppO2MaxCbar, int surfaceMbar)
{
    if (o2Percent <= 0 || o2Percent > 100)
        return 0;
    const auto fits = [&](int d) {
        return inspiredPpO2Cbar(o2Percent, d, surfaceMbar) <= ppO2MaxCbar;
    };
    // The closed form lands on the answer or next to it; the engine's roundings settle it.
    int d = truncClamp((ppO2MaxCbar * 1000.0f / o2Percent - surfaceMbar) / mbarPerMetre);
    d = std::max(0, std::min(d, 1000));
    while (d > 0 && !fits(d))
        --d;
    while (d < 1000 && fits(d + 1))
        ++d;
    return d;
}

GasInfo gasInfo(int o2Percent, int hePercent, int depthMetres, double ppO2High, int surfaceMbar)
{
    GasInfo info;
    const float fO2 = o2Percent * 0.01f;
    const float fHe = hePercent * 0.01f;
    const float fN2 = 1.0f - fO2 - fHe;
    info.mixInvalid = fN2 > 0.79f || fO2 + fHe > 1.0f;
    info.mod = modMetres(o2Percent, roundScaled(ppO2High, 100), surfaceMbar);
    const float p = depthMetres * 0.1f + 1.0f;
    if (p > 1.0f) {
        info.ead = eadAt(p, fN2);
        info.end = endAt(p, fHe);
    }
    return info;
}

QString gasInfoText(const GasInfo& info)
{
    if (info.ead < 0)
        return QCoreApplication::translate("Bathyra_Interface", "MOD:%1m, EAD:---, END:---", "gas")
            .arg(twoWide(info.mod));
    return QCoreApplication::translate("Bathyra_Interface", "MOD:%1m, EAD:%2m, END:%3m", "gas")
        .arg(twoWide(info.mod), twoWide(info.ead), twoWide(info.end));
}

QString setpointInfoText(double setpointBar, int diluentO2Percent, int diluentHePercent)
{
    const float fO2 = diluentO2Percent * 0.01f;
    const float fHe = diluentHePercent * 0.01f;
    const int d = maxDepth(static_cast<float>(setpointBar), fO2);
    const float p = d * 0.1f + 1.0f;
    const QString o2 = twoWide(truncClamp(fO2 * 100.0f + 0.5f));
    const QString he =
        QStringLiteral("%1").arg(truncClamp(fHe * 100.0f + 0.5f), 2, 10, QLatin1Char('0'));
    if (p > 1.0f)
        return QCoreApplication::translate("Bathyra_Interface",
                                           "Dil:%1/%2, CCR max depth:%3m, EAD:%4m, END:%5m")
            .arg(o2, he, twoWide(d), twoWide(eadAt(p, 1.0f - fO2 - fHe)), twoWide(endAt(p, fHe)));
    return QCoreApplication::translate("Bathyra_Interface",
                                       "Dil:%1/%2, CCR max depth:%3m, EAD:---, END:---")
        .arg(o2, he, twoWide(d));
}

void loadEngineGases(const ConfigImage& image, engine::engine_state& s)
{
    const auto low = [&](int cf) { return static_cast<uint8_t>(image.cf(cf) & 0xFF); };
    s.in_sat_factor_percent = low(Cf::Saturation);
    s.in_desat_factor_percent = low(Cf::Desaturation);
    s.in_deco_distance_cbar = low(Cf::DecoOffset);
    s.in_last_stop_m = low(Cf::LastStop);
    s.in_gf_low_percent = low(Cf::GfLow);
    s.in_gf_high_percent = low(Cf::GfHigh);

    const int decoType = image.byte(ConfigImage::deco_type);
    s.in_gf_model = ConfigImage::isGfType(decoType) ? 1 : 0;
    s.in_setpoint_cbar = ConfigImage::isCcrType(decoType) ? image.setpoint(1) : 0;
    s.in_surface_interval_10min = 0;

    for (int i = 1; i <= engine::gas_count; ++i) {
        const int o2 = image.gasO2(i);
        const int he = image.gasHe(i);
        s.in_gas_he_percent[i - 1] = static_cast<uint8_t>(he);
        s.in_gas_n2_percent[i - 1] = static_cast<uint8_t>(o2 + he > 100 ? 0 : 100 - o2 - he);
        const int depth = image.gasDepth(i);
        s.in_gas_switch_depth_m[i - 1] =
            static_cast<uint8_t>(image.gasActive(i) && depth != 0 ? depth : 0);
    }

    const int first = image.byte(ConfigImage::first_gas);
    s.in_first_gas = static_cast<uint8_t>(first);
    s.in_current_gas = static_cast<uint8_t>(first);
    // A first gas outside 1..5 cannot index the gas list; breathe nothing from it.
    if (first >= 1 && first <= engine::gas_count) {
        s.in_n2_percent = s.in_gas_n2_percent[first - 1];
        s.in_he_percent = image.gasHe(first);
    } else {
        s.in_n2_percent = 0;
        s.in_he_percent = 0;
    }
    // The engine reads CF54..CF58 from the image itself.
    s.config_image = image.data();
}

void placeAt(const ConfigImage& image, engine::engine_state& s, float depthMetres)
{
    const uint16_t p = ambientMbar(depthMetres, s.in_surface_pressure_mbar);

    if (image.isCcr() && image.cf(Cf::AdjustSetpoint) == 0) {
        s.in_ppo2_cbar = image.setpoint(1);
    } else {
        int ppo2 = mixPpO2Cbar(100.0f - s.in_n2_percent - s.in_he_percent, p);
        if (ppo2 < s.in_setpoint_cbar)
            ppo2 = s.in_setpoint_cbar;
        if (ppo2 > p / 10)
            ppo2 = p / 10;
        s.in_ppo2_cbar = static_cast<uint8_t>(ppo2 > 255 ? 255 : ppo2);
    }
    s.in_ambient_pressure_mbar = p;
}

void checkBreathedMix(const engine::engine_state& s)
{
    const int p = s.in_ambient_pressure_mbar;
    if (s.in_ppo2_cbar < 16)
        throw QCoreApplication::translate("Bathyra_Interface",
                                          "HYPOXIA: won't simulate with ppO2 &le; 0.15 bar");
    if (s.in_n2_percent > 95)
        throw QCoreApplication::translate("Bathyra_Interface",
                                          "BAD MIX: N2 ration should be in 0 .. 95%");
    if (s.in_he_percent > 95)
        throw QCoreApplication::translate("Bathyra_Interface",
                                          "BAD MIX: He ration should be in 0 .. 95%");
    if (s.in_n2_percent + s.in_he_percent >= 100)
        throw QCoreApplication::translate("Bathyra_Interface",
                                          "BAD MIX: N2+He ratio should be less than 100%");
    if (s.in_n2_percent * 0.00001f * p >= 14.0f)
        throw QCoreApplication::translate("Bathyra_Interface",
                                          "NARCOSIS: won't simulate with ppN2 &ge; 14 bar");
    if (s.in_he_percent * 0.00001f * p >= 14.0f)
        throw QCoreApplication::translate("Bathyra_Interface",
                                          "HPNS: won't simulate with ppHe &ge; 14 bar");
}

void setDepth(const ConfigImage& image, engine::engine_state& s, float depthMetres)
{
    placeAt(image, s, depthMetres);
    checkBreathedMix(s);
}

int impossibleMixGas(const ConfigImage& image)
{
    const int first = image.byte(ConfigImage::first_gas);
    for (int i = 1; i <= ConfigImage::GasCount; ++i)
        if ((i == first || image.gasActive(i)) && image.gasO2(i) + image.gasHe(i) > 100)
            return i;
    return 0;
}

int bestGasForDepth(const ConfigImage& image, float depthMetres)
{
    const int first = image.byte(ConfigImage::first_gas);
    int best = 0;
    int bestDepth = 0;
    for (int i = 1; i <= ConfigImage::GasCount; ++i) {
        const int d = image.gasDepth(i);
        if (i == first || !image.gasActive(i) || d == 0 || depthMetres > d + 0.1f)
            continue;
        if (best == 0 || d <= bestDepth) { // ties go to the higher gas number
            best = i;
            bestDepth = d;
        }
    }
    return best;
}

} // namespace planner
