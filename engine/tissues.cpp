// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen ZH-L16C compartments: coefficients, step factors, inspired pressures for
// open and closed circuit, the Haldane step, ceilings, gradient outputs, EAD/END and the
// new-dive reset.
#include "engine/engine_internal.h"

#include <cmath>
#include <cstring>

namespace engine
{

// Compartment 1 is the 4-minute nitrogen compartment.
const compartment_coefficients zhl16c[compartment_count] = {
    {4.0f, 1.2599f, 0.5050f, 1.51f, 1.7424f, 0.4245f},
    {8.0f, 1.0000f, 0.6514f, 3.02f, 1.3830f, 0.5747f},
    {12.5f, 0.8618f, 0.7222f, 4.72f, 1.1919f, 0.6527f},
    {18.5f, 0.7562f, 0.7825f, 6.99f, 1.0458f, 0.7223f},
    {27.0f, 0.6200f, 0.8126f, 10.21f, 0.9220f, 0.7582f},
    {38.3f, 0.5043f, 0.8434f, 14.48f, 0.8205f, 0.7957f},
    {54.3f, 0.4410f, 0.8693f, 20.53f, 0.7305f, 0.8279f},
    {77.0f, 0.4000f, 0.8910f, 29.11f, 0.6502f, 0.8553f},
    {109.0f, 0.3750f, 0.9092f, 41.2f, 0.5950f, 0.8757f},
    {146.0f, 0.3500f, 0.9222f, 55.19f, 0.5545f, 0.8903f},
    {187.0f, 0.3295f, 0.9319f, 70.69f, 0.5333f, 0.8997f},
    {239.0f, 0.3065f, 0.9403f, 90.34f, 0.5189f, 0.9073f},
    {305.0f, 0.2835f, 0.9477f, 115.29f, 0.5181f, 0.9122f},
    {390.0f, 0.2610f, 0.9544f, 147.42f, 0.5176f, 0.9171f},
    {498.0f, 0.2480f, 0.9602f, 188.24f, 0.5172f, 0.9217f},
    {635.0f, 0.2327f, 0.9653f, 240.03f, 0.5119f, 0.9267f},
};

namespace
{

// Step factors 1 - 2^(-t/T) for t = 2 s, 1 min and 10 min, computed once in double
// precision from the tabled half-times and kept as floats.
struct step_factor_tables {
    float n2[3][compartment_count];
    float he[3][compartment_count];
    step_factor_tables()
    {
        static const double half_time_n2[compartment_count] = {
            4, 8, 12.5, 18.5, 27, 38.3, 54.3, 77, 109, 146, 187, 239, 305, 390, 498, 635};
        static const double half_time_he[compartment_count] = {
            1.51, 3.02,  4.72,  6.99,  10.21,  14.48,  20.53,  29.11,
            41.2, 55.19, 70.69, 90.34, 115.29, 147.42, 188.24, 240.03};
        static const double minutes[3] = {1.0 / 30.0, 1.0, 10.0};
        for (int p = 0; p < 3; ++p)
            for (int i = 0; i < compartment_count; ++i) {
                n2[p][i] = static_cast<float>(1.0 - std::pow(2.0, -minutes[p] / half_time_n2[i]));
                he[p][i] = static_cast<float>(1.0 - std::pow(2.0, -minutes[p] / half_time_he[i]));
            }
    }
};

const step_factor_tables& factors()
{
    static const step_factor_tables tables;
    return tables;
}

int clamp_period(int period)
{
    return period < 0 ? 0 : (period > 2 ? 2 : period);
}

// Four compartments at a time. Every lane does the operations of the one-compartment
// formulas in the same order (IEEE single precision, no reassociation), so the figures are
// those of tolerated_bar and weighted_coefficients to the last bit.
typedef float lanes __attribute__((vector_size(16)));
typedef int lane_mask __attribute__((vector_size(16)));
constexpr int lane_count = 4;
constexpr int lane_groups = compartment_count / lane_count;
static_assert(compartment_count % lane_count == 0, "whole groups of compartments");

lanes load(const float* p)
{
    lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
void store(float* p, lanes v)
{
    std::memcpy(p, &v, sizeof v);
}
lanes splat(float x)
{
    return lanes{x, x, x, x};
}
lanes select(lane_mask m, lanes yes, lanes no)
{
    lane_mask y, n;
    std::memcpy(&y, &yes, sizeof y);
    std::memcpy(&n, &no, sizeof n);
    const lane_mask r = (y & m) | (n & ~m);
    lanes out;
    std::memcpy(&out, &r, sizeof out);
    return out;
}
// max as "take the new value when it is greater", lane by lane then across the lanes.
float greatest(lanes v, float start)
{
    float c = start;
    for (int k = 0; k < lane_count; ++k)
        c = v[k] > c ? v[k] : c;
    return c;
}

struct coefficient_lanes {
    float n2_a[compartment_count], he_a[compartment_count];
    float n2_b[compartment_count], he_b[compartment_count];
};
const coefficient_lanes& coefficients()
{
    static const coefficient_lanes c = [] {
        coefficient_lanes t{};
        for (int i = 0; i < compartment_count; ++i) {
            t.n2_a[i] = zhl16c[i].n2_a;
            t.he_a[i] = zhl16c[i].he_a;
            t.n2_b[i] = zhl16c[i].n2_b;
            t.he_b[i] = zhl16c[i].he_b;
        }
        return t;
    }();
    return c;
}

// One Haldane step of the given period on the arrays n2/he at the current inspired
// pressures; the plain model multiplies on-gassing by CF11 and off-gassing by CF12.
void step_compartments(engine_state& s, float* n2, float* he, int period)
{
    const step_factor_tables& f = factors();
    const int p = clamp_period(period);
    const bool plain = s.in_gf_model == 0;
    const lanes insp_n2 = splat(s.insp_n2_bar), insp_he = splat(s.insp_he_bar);
    const lanes desat = splat(s.desat_factor), sat = splat(s.sat_factor);
    const lanes zero = splat(0.0f);
    for (int g = 0; g < compartment_count; g += lane_count) {
        lanes d_n2 = (insp_n2 - load(n2 + g)) * load(f.n2[p] + g);
        lanes d_he = (insp_he - load(he + g)) * load(f.he[p] + g);
        if (plain) {
            d_n2 *= select(d_n2 < zero, desat, sat);
            d_he *= select(d_he < zero, desat, sat);
        }
        store(n2 + g, load(n2 + g) + d_n2);
        store(he + g, load(he + g) + d_he);
    }
}

// Replaces an EAD or END outside 0..245.5 m by 0 (not clamped to the limit).
uint8_t equivalent_depth(float metres)
{
    if (metres < 0.0f || metres > 245.5f)
        return 0;
    return round_u8(metres);
}

} // namespace

float step_factor_n2(int period, int compartment)
{
    return factors().n2[clamp_period(period)][compartment];
}

float step_factor_he(int period, int compartment)
{
    return factors().he[clamp_period(period)][compartment];
}

const float* step_factors_n2(int period)
{
    return factors().n2[clamp_period(period)];
}

const float* step_factors_he(int period)
{
    return factors().he[clamp_period(period)];
}

void update_tissues(engine_state& s, int period)
{
    step_compartments(s, s.tissue_n2_bar, s.tissue_he_bar, period);
}

void update_sim_tissues(engine_state& s, int period)
{
    step_compartments(s, s.sim_tissue_n2_bar, s.sim_tissue_he_bar, period);
}

void update_real_tissues(engine_state& s)
{
    // Inspired pressures at the real ambient pressure.
    float loop_inert_bar = s.ambient_bar;
    if (s.setpoint_bar != 0.0f) {
        float diluent_ppo2 = (1.0f - s.n2_fraction - s.he_fraction) * s.ambient_bar;
        if (diluent_ppo2 < 0.0f)
            diluent_ppo2 = 0.0f;
        else if (diluent_ppo2 > 2.545f)
            diluent_ppo2 = 2.55f;
        s.out_diluent_ppo2_cbar = round_u8(diluent_ppo2 * 100.0f);

        loop_inert_bar =
            loop_quotient(s.ambient_bar - s.setpoint_bar, s.he_fraction + s.n2_fraction);
        if (loop_inert_bar < 0.0f)
            loop_inert_bar = 0.0f;
        if (loop_inert_bar > s.ambient_bar)
            loop_inert_bar = s.ambient_bar;
        s.out_diluent_percent =
            s.ambient_bar > 0.0f ? round_u8(loop_inert_bar / s.ambient_bar * 100.0f) : 0;
    }

    if (loop_inert_bar <= water_vapour_bar) {
        s.insp_n2_bar = 0.0f;
        s.insp_he_bar = 0.0f;
        s.out_ead_m = 0;
        s.out_end_m = 0;
    } else {
        s.insp_n2_bar = s.n2_fraction * (loop_inert_bar - water_vapour_bar);
        s.insp_he_bar = (loop_inert_bar - water_vapour_bar) * s.he_fraction;
        const float ead =
            ((s.insp_n2_bar / air_n2_fraction + water_vapour_bar) - s.surface_bar) * metres_per_bar;
        const float end = ((s.ambient_bar - s.insp_he_bar) - s.surface_bar) * metres_per_bar;
        s.out_ead_m = equivalent_depth(ead);
        s.out_end_m = equivalent_depth(end);
    }

    // The real tissues breathe the mix of in_n2_percent/in_he_percent, whatever the gas number.
    update_tissues(s, s.in_step_mode == 0 ? 0 : 1);
    compute_ceiling(s);

    s.out_ceiling_mbar = trunc_u16(s.ceiling_bar * 1000.0f);
    if (s.out_leading_tissue < compartment_count) {
        const int i = s.out_leading_tissue;
        s.out_leading_tissue_mbar = trunc_u16((s.tissue_n2_bar[i] + s.tissue_he_bar[i]) * 1000.0f);
    } else {
        s.out_leading_tissue_mbar = 0;
    }
}

void compute_sim_inspired(engine_state& s)
{
    float p = s.sim_ambient_bar;
    // The deco distance lets the simulated diver breathe as if that much deeper.
    if (p > s.surface_bar)
        p += s.deco_distance_bar;
    if (s.in_setpoint_cbar != 0 && s.setpoint_bar != 0.0f) {
        p = loop_quotient(p - s.setpoint_bar, s.sim_he_fraction + s.sim_n2_fraction);
        if (p > s.sim_ambient_bar)
            p = s.sim_ambient_bar;
    }
    if (p <= water_vapour_bar) {
        s.insp_n2_bar = 0.0f;
        s.insp_he_bar = 0.0f;
    } else {
        s.insp_n2_bar = s.sim_n2_fraction * (p - water_vapour_bar);
        s.insp_he_bar = (p - water_vapour_bar) * s.sim_he_fraction;
    }
}

void compute_ceiling(engine_state& s)
{
    const bool gf = s.in_gf_model != 0;
    float ceiling = 0.0f;
    uint8_t leading = 255;
    for (int i = 0; i < compartment_count; ++i) {
        float tol = tolerated_bar(i, s.tissue_n2_bar[i], s.tissue_he_bar[i], gf, s.gf_high);
        if (tol < 0.0f)
            tol = 0.0f;
        if (tol > ceiling) { // ties keep the lower index
            ceiling = tol;
            leading = static_cast<uint8_t>(i);
        }
    }
    s.ceiling_bar = ceiling;
    s.out_leading_tissue = leading;
}

void sim_tolerance_terms(const engine_state& s, tolerance_terms& t)
{
    const coefficient_lanes& c = coefficients();
    for (int g = 0; g < compartment_count; g += lane_count) {
        const lanes n = load(s.sim_tissue_n2_bar + g);
        const lanes h = load(s.sim_tissue_he_bar + g);
        const lanes n2_a = load(c.n2_a + g), n2_b = load(c.n2_b + g);
        const lanes p = n + h;
        // An empty compartment keeps its nitrogen coefficients (see weighted_coefficients).
        const lane_mask filled = p > splat(0.0f);
        store(t.a + g, select(filled, (n2_a * n + load(c.he_a + g) * h) / p, n2_a));
        store(t.b + g, select(filled, (n2_b * n + load(c.he_b + g) * h) / p, n2_b));
        store(t.p + g, p);
    }
}

float sim_ceiling_of(const tolerance_terms& t, bool gf_model, float gf)
{
    lanes ceiling = splat(0.0f);
    if (!gf_model) {
        for (int g = 0; g < compartment_count; g += lane_count) {
            const lanes tol = (load(t.p + g) - load(t.a + g)) * load(t.b + g);
            ceiling = tol > ceiling ? tol : ceiling;
        }
    } else {
        const lanes g_lanes = splat(gf);
        const lanes rest = splat(1.0f - gf);
        for (int g = 0; g < compartment_count; g += lane_count) {
            const lanes b = load(t.b + g);
            const lanes tol = b * (load(t.p + g) - g_lanes * load(t.a + g)) / (rest * b + g_lanes);
            ceiling = tol > ceiling ? tol : ceiling;
        }
    }
    return greatest(ceiling, 0.0f);
}

void compute_sim_ceiling(engine_state& s, float gf)
{
    tolerance_terms t;
    sim_tolerance_terms(s, t);
    s.sim_ceiling_bar = sim_ceiling_of(t, s.in_gf_model != 0, gf);
}

void compute_gf_outputs(engine_state& s)
{
    if (s.out_leading_tissue >= compartment_count) {
        s.out_gf_percent = 0;
        s.out_gf_relative_percent = 0;
        return;
    }
    const int i = s.out_leading_tissue;
    const float n = s.tissue_n2_bar[i];
    const float h = s.tissue_he_bar[i];
    const float p = n + h;
    const bool gf_model = s.in_gf_model != 0;

    float gf = 0.0f;
    if (s.ambient_bar < p) {
        float limit = s.ceiling_bar;
        if (gf_model)
            limit = tolerated_bar(i, n, h, false, 0.0f);
        gf = (p - s.ambient_bar) / (p - limit) * 100.0f;
        if (!(gf >= 0.0f))
            gf = 0.0f;
        else if (gf > 254.5f)
            gf = 255.0f;
    }
    s.out_gf_percent = round_u8(gf);

    if (!gf_model) {
        s.out_gf_relative_percent = s.out_gf_percent;
        return;
    }
    // The gradient factor allowed at the present depth, on the line from the anchor.
    float allowed = s.gf_high;
    if (!(s.gf_anchor_depth_m < 3.0f)) {
        const float r = s.ambient_bar - s.surface_bar;
        const float a = s.gf_anchor_depth_m * bar_per_metre;
        if (r <= 0.0f)
            allowed = s.gf_high;
        else if (r >= a)
            allowed = s.gf_low;
        else
            allowed = ((a - r) / a) * s.gf_delta + s.gf_low;
    }
    float relative = gf / allowed;
    if (!(relative >= 0.0f))
        relative = 0.0f;
    else if (relative > 254.5f)
        relative = 255.0f;
    s.out_gf_relative_percent = round_u8(relative);
}

void reset_dive(engine_state& s)
{
    s.n2_fraction = air_n2_fraction;
    s.ambient_bar = s.in_ambient_pressure_mbar * 0.001f;
    for (int i = 0; i < compartment_count; ++i) {
        s.tissue_he_bar[i] = 0.0f;
        s.tissue_n2_bar[i] = (s.ambient_bar - water_vapour_bar) * air_n2_fraction;
    }
    s.ceiling_bar = 0.0f;
    clear_stop_list(s);
    s.io_deco_status = 0;
    // A new dive shows no limit, no ascent and no leading compartment yet.
    s.out_ndl_min = s.out_gf_percent = s.out_gf_relative_percent = s.out_leading_tissue = 0;
    s.out_tts_min = 0;
}

void copy_tissues_to_sim(engine_state& s)
{
    copy_compartments(s.tissue_n2_bar, s.sim_tissue_n2_bar);
    copy_compartments(s.tissue_he_bar, s.sim_tissue_he_bar);
    s.sim_ceiling_bar = 0.0f;
}

} // namespace engine
