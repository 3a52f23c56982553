// SPDX-License-Identifier: GPL-3.0-or-later
// Oxygen exposure (CNS), surface intervals, the CNS at the end of a planned ascent, and
// after the dive the desaturation time, the per-compartment indicators and the no-fly time.
#include "engine/engine_internal.h"

#include <cmath>

namespace engine
{

namespace
{

constexpr float ln2 = 0.6931f;

// ppO2 of the simulated mix at depth d metres, clamped to 0..2.55 bar.
float sim_mix_ppo2(const engine_state& s, float depth_m)
{
    float ppo2 =
        (1.0f - s.sim_n2_fraction - s.sim_he_fraction) * (depth_m * bar_per_metre + s.surface_bar);
    if (ppo2 < 0.0f)
        ppo2 = 0.0f;
    else if (ppo2 > 2.5f)
        ppo2 = 2.55f;
    return ppo2;
}

void cns_steps(engine_state& s, int count)
{
    for (int i = 0; i < count; ++i)
        cns_step(s);
}

// The CNS bands by ppO2 (centibar). Below 160 the increment is 1 / (base - slope * p); above,
// a fixed increment per band, and 0.0482 from 230 on.
struct cns_linear_band {
    uint8_t below_cbar;
    float base, slope;
};
constexpr cns_linear_band cns_linear_bands[] = {
    {60, 54000.0f, 540.0f},  {70, 48600.0f, 450.0f},  {80, 42300.0f, 360.0f},
    {90, 35100.0f, 270.0f},  {110, 27000.0f, 180.0f}, {150, 17100.0f, 90.0f},
    {160, 37350.0f, 225.0f},
};
struct cns_fixed_band {
    uint8_t below_cbar;
    float increment;
};
constexpr cns_fixed_band cns_fixed_bands[] = {
    {165, 0.000755f}, {170, 0.00102f}, {175, 0.00136f}, {180, 0.0018f}, {185, 0.00237f},
    {190, 0.0031f},   {195, 0.00401f}, {200, 0.00517f}, {230, 0.0209f},
};

} // namespace

float cns_increment(uint8_t p)
{
    // The reciprocal of the allowed exposure in 2-second units, linear in p within each band.
    const float x = static_cast<float>(p);
    if (p < 50)
        return 0.0f;
    for (const cns_linear_band& band : cns_linear_bands)
        if (p < band.below_cbar)
            return 1.0f / (band.base - band.slope * x);
    for (const cns_fixed_band& band : cns_fixed_bands)
        if (p < band.below_cbar)
            return band.increment;
    return 0.0482f;
}

void cns_step(engine_state& s)
{
    float m = 1.0f;
    if (s.in_step_mode == 1)
        m = 30.0f;
    else if (s.in_step_mode == 2)
        m = 300.0f;
    if (s.in_ppo2_cbar >= 50)
        s.cns_fraction += m * cns_increment(s.in_ppo2_cbar);
    if (s.cns_fraction > 2.5f)
        s.cns_fraction = 2.55f;
    else if (s.cns_fraction < 0.0f)
        s.cns_fraction = 0.0f;
    s.out_cns_percent = round_u8(s.cns_fraction * 100.0f);
}

void reset_cns(engine_state& s)
{
    s.cns_fraction = 0.0f;
    s.out_cns_percent = 0;
}

void surface_interval(engine_state& s)
{
    s.n2_fraction = air_n2_fraction;
    s.surface_bar = s.in_surface_pressure_mbar * 0.001f;
    s.ambient_bar = s.surface_bar;
    s.insp_n2_bar = (s.surface_bar - water_vapour_bar) * air_n2_fraction;
    s.insp_he_bar = 0.0f;
    // At the surface the dive computer desaturates with 0.7042 of the diving multiplier.
    s.desat_factor = s.in_desat_factor_percent * 0.007042f;
    s.sat_factor = s.in_sat_factor_percent * 0.01f;

    // The multipliers apply on the surface whatever the model.
    const uint8_t gf_model = s.in_gf_model;
    s.in_gf_model = 0;
    for (int i = 0; i < s.in_surface_interval_10min; ++i) {
        update_tissues(s, 2);
        s.cns_fraction *= 0.9258747f; // a CNS half-life of 90 minutes
    }
    s.in_gf_model = gf_model;
    s.out_cns_percent = round_u8(s.cns_fraction * 100.0f);
}

void cns_at_plan_end(engine_state& s)
{
    const uint8_t kept_gas = s.sim_gas;
    const uint8_t kept_gas_depth = s.sim_gas_depth_m;
    const uint16_t kept_switch_until = s.sim_switch_until_min;
    const uint16_t kept_runtime = s.sim_runtime_min;
    const uint8_t kept_ppo2 = s.in_ppo2_cbar;
    s.in_step_mode = 1; // one increment per minute

    s.sim_gas = s.in_first_gas <= gas_count ? s.in_first_gas : 0;
    s.sim_gas_depth_m = 0;
    set_sim_gas_fractions(s);

    if (s.in_setpoint_cbar != 0) {
        s.in_ppo2_cbar = s.in_setpoint_cbar;
        cns_steps(s, s.out_tts_min);
    } else {
        // The ascent from the bottom at 10 m/min, at the bottom's ppO2.
        s.in_ppo2_cbar = round_u8(sim_mix_ppo2(s, s.in_bottom_depth_m) * 100.0f);
        const int ascent = trunc_int(s.in_bottom_depth_m * 0.1f + 0.5f, 255);
        s.sim_runtime_min = static_cast<uint16_t>(s.sim_runtime_min + ascent);
        cns_steps(s, ascent);

        const bool shallow_first = config_cf(s, 54) & 1;
        for (int k = 0; k < stop_count; ++k) {
            const int idx = shallow_first ? stop_count - 1 - k : k;
            const int minutes = s.out_stop_time_min[idx];
            if (minutes == 0)
                continue;
            const uint8_t d = s.out_stop_depth_m[idx] & 0x7F;
            if (s.out_stop_depth_m[idx] & 0x80) {
                // The stop began at a gas switch: breathe the gas chosen there.
                s.sim_stop_depth_m = d;
                check_gas_switch(s);
                set_sim_gas_fractions(s);
            }
            s.in_ppo2_cbar = round_u8(sim_mix_ppo2(s, d) * 100.0f);
            s.sim_runtime_min = static_cast<uint16_t>(s.sim_runtime_min + minutes);
            cns_steps(s, minutes);
        }
    }

    s.sim_gas = kept_gas;
    s.sim_gas_depth_m = kept_gas_depth;
    s.sim_switch_until_min = kept_switch_until;
    s.sim_runtime_min = kept_runtime;
    s.in_ppo2_cbar = kept_ppo2;
    s.in_step_mode = 0;
}

void compute_desaturation(engine_state& s)
{
    s.n2_fraction = air_n2_fraction;
    s.surface_bar = s.in_surface_pressure_mbar * 0.001f;
    s.out_desat_time_min = 0;

    const float e = (s.surface_bar - water_vapour_bar) * air_n2_fraction; // N2 at equilibrium
    const float target = 1.05f * e;
    const float k = s.in_desat_factor_percent * 0.007042f;

    for (int i = 0; i < compartment_count; ++i) {
        const float n = s.tissue_n2_bar[i];
        const float h = s.tissue_he_bar[i];

        // Nitrogen must fall to 5 % above equilibrium.
        float halves = 0.0f;
        float t_n2 = 0.0f;
        if (n > e) {
            const float r = (target - n) / (e - n);
            if (r > 0.0f && r < 1.0f) {
                halves = std::log(1.0f - r) / -ln2;
                t_n2 = zhl16c[i].n2_half_time_min * halves / k;
            }
        }
        // Helium must fall to 0.1 bar.
        float halves_he = 0.0f;
        float t_he = 0.0f;
        if (h > 0.1f) {
            const float r = (h - 0.1f) / h;
            if (r > 0.0f && r < 1.0f) {
                halves_he = std::log(1.0f - r) / -ln2;
                t_he = zhl16c[i].he_half_time_min * halves_he / k;
            }
        }
        const uint16_t t = trunc_u16(t_n2 > t_he ? t_n2 : t_he);
        if (t > s.out_desat_time_min)
            s.out_desat_time_min = t;
        s.out_tissue_n2_desat[i] = trunc_u8(halves * 20.0f + 80.0f);
        s.out_tissue_he_desat[i] = trunc_u8(halves_he * 20.0f + 80.0f);
    }
}

void compute_nofly(engine_state& s)
{
    s.io_nofly_time_min = trunc_u16(static_cast<float>(s.io_nofly_time_min) *
                                    static_cast<float>(s.in_nofly_ratio_percent) * 0.01f);
}

} // namespace engine
