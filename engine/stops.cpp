// SPDX-License-Identifier: GPL-3.0-or-later
// The background questions of the engine: the no-decompression limit, and the stop search
// (initial ascent, next stop on the 3 m grid, gas switches with their wait, the working
// stop list), plus the gas-volume estimate from the published stops.
#include "engine/engine_internal.h"

namespace engine
{

namespace
{

constexpr int ndl_cap_min = 240;
constexpr int stop_search_minutes_per_cycle = 16;

// Present simulated depth in whole metres, rounded.
uint8_t sim_depth_rounded(const engine_state& s)
{
    return round_u8((s.sim_ambient_bar - s.surface_bar) * metres_per_bar);
}

// Ceiling rounded up to the 3 m grid, computed in 8 bits. A grid stop deeper than 126 m
// would reach bit 7 of the stop depth (the gas-switch mark), so the grid stops there.
uint8_t grid_stop(float steps)
{
    const uint8_t n = trunc_u8(steps);
    return n > 42 ? 126 : static_cast<uint8_t>(n * 3);
}

} // namespace

void compute_ndl(engine_state& s)
{
    s.sim_ambient_bar = s.ambient_bar;
    compute_sim_inspired(s);

    const bool plain = s.in_gf_model == 0;
    const float* const n2_factors[3] = {nullptr, step_factors_n2(1), step_factors_n2(2)};
    const float* const he_factors[3] = {nullptr, step_factors_he(1), step_factors_he(2)};
    int limit = ndl_cap_min;
    s.out_ndl_min = ndl_cap_min;

    for (int i = 0; i < compartment_count && limit > 0; ++i) {
        float n = s.tissue_n2_bar[i];
        float h = s.tissue_he_bar[i];
        float a, b;
        weighted_coefficients(i, n, h, a, b);
        // Tolerated compartment pressure at the surface.
        float m = s.surface_bar / b + a;
        if (!plain)
            m = s.surface_bar + s.gf_high * (m - s.surface_bar);

        int t = 0;
        int step = 10;
        int period = 2;
        bool failed_fine = false;
        while (t < limit) {
            float d_n2 = (s.insp_n2_bar - n) * n2_factors[period][i];
            float d_he = (s.insp_he_bar - h) * he_factors[period][i];
            if (plain) {
                d_n2 *= s.sat_factor;
                d_he *= s.sat_factor;
            }
            if (m < n + h || n + h + d_n2 + d_he > m) {
                if (step == 10) {
                    // Retry the same minute with 1-minute steps.
                    step = 1;
                    period = 1;
                    continue;
                }
                if (m > n + h)
                    t += trunc_int((m - (n + h)) / (d_n2 + d_he) + 0.5f, ndl_cap_min);
                failed_fine = true;
                break;
            }
            n += d_n2;
            h += d_he;
            t += step;
        }
        if (failed_fine && t < limit) {
            limit = t;
            s.out_ndl_min = static_cast<uint8_t>(t);
        }
    }
}

bool check_gas_switch(engine_state& s)
{
    if (s.in_setpoint_cbar != 0) { // no deco gases in closed circuit
        s.sim_switch_until_min = 0;
        return false;
    }
    const uint8_t stop = s.sim_stop_depth_m;
    int gas = 0;
    uint8_t depth = 0;
    for (int i = 0; i < gas_count; ++i) {
        const uint8_t d = s.switch_candidates_m[i];
        if (d == 0 || d < stop)
            continue;
        if (s.sim_gas_depth_m != 0 && d >= s.sim_gas_depth_m)
            continue;
        if (d > depth) { // among equal depths the lower gas number
            depth = d;
            gas = i + 1;
        }
    }
    if (gas == 0) {
        s.sim_switch_until_min = 0;
        return false;
    }
    s.sim_gas = static_cast<uint8_t>(gas);
    s.sim_gas_depth_m = depth;
    const uint8_t wait = config_cf(s, 55);
    s.sim_switch_until_min = static_cast<uint16_t>(wait + s.sim_runtime_min);
    if (wait == 0)
        return false;           // switch without a stop
    s.sim_stop_depth_m = depth; // wait at the switch depth
    return true;
}

bool add_stop_minute(engine_state& s)
{
    const uint8_t depth = s.sim_stop_depth_m;
    for (int i = 0; i < stop_count; ++i) {
        if ((s.sim_stop_depth[i] & 0x7F) == depth && s.sim_stop_time[i] < 255) {
            ++s.sim_stop_time[i];
            return true;
        }
    }
    for (int i = 0; i < stop_count; ++i) {
        if (s.sim_stop_depth[i] == 0) {
            // A stop that begins while a gas-switch wait runs (or in the minute of a
            // switch, whose wait ends in that minute) carries bit 7.
            const bool in_wait = s.sim_switch_until_min >= s.sim_runtime_min;
            s.sim_stop_depth[i] = static_cast<uint8_t>(depth | (in_wait ? 0x80 : 0));
            s.sim_stop_time[i] = 1;
            return true;
        }
    }
    return false;
}

bool find_next_stop(engine_state& s)
{
    const float depth = (s.sim_ambient_bar - s.surface_bar) * metres_per_bar;
    const float reach = depth > 10.0f ? depth - 10.0f : 0.0f; // one minute of free ascent
    const uint8_t last_stop = s.in_last_stop_m;

    if (s.in_gf_model == 0) {
        compute_sim_ceiling(s, 0.0f);
        const float c = s.sim_ceiling_bar - s.surface_bar;
        if (c < 0.0f) {
            s.sim_stop_depth_m = 0;
            return check_gas_switch(s);
        }
        uint8_t stop = grid_stop(c * 3.3383333f + 0.99f);
        if (stop == 3)
            stop = last_stop;
        s.sim_stop_depth_m = stop;
        check_gas_switch(s);
        return true; // a stop of 0 ends the search
    }

    // The tissues stay as they are while the grid is searched: their terms are computed once.
    tolerance_terms terms;
    sim_tolerance_terms(s, terms);
    s.sim_ceiling_bar = sim_ceiling_of(terms, true, s.gf_low);
    const float c = (s.sim_ceiling_bar - s.surface_bar) * metres_per_bar;
    if (c <= 0.0f) {
        s.sim_stop_depth_m = trunc_u8(reach);
        return check_gas_switch(s);
    }
    // The anchor follows the deepest GF-low ceiling met so far.
    if (s.gf_anchor_depth_m < c) {
        s.gf_anchor_depth_m = c;
        s.gf_slope = s.gf_delta / c;
    }
    if (reach > c) {
        s.sim_stop_depth_m = trunc_u8(reach);
        return check_gas_switch(s);
    }
    uint8_t stop = grid_stop(c * 0.333333f + 0.9995f);
    if (stop == 3)
        stop = last_stop;
    while (stop > 0 && stop > reach) {
        uint8_t next;
        if (stop <= last_stop)
            next = 0;
        else if (stop == 6)
            next = last_stop;
        else
            next = static_cast<uint8_t>(stop - 3);
        float g;
        if (s.gf_anchor_depth_m == 0.0f || next > s.gf_anchor_depth_m)
            g = s.gf_low;
        else
            g = s.gf_high - s.gf_slope * next;
        s.sim_ceiling_bar = sim_ceiling_of(terms, true, g);
        if (next * bar_per_metre + s.surface_bar <= s.sim_ceiling_bar) {
            s.sim_stop_depth_m = stop; // the next stop would violate the ceiling
            check_gas_switch(s);
            return true;
        }
        stop = next;
    }
    s.sim_stop_depth_m = trunc_u8(reach);
    return check_gas_switch(s);
}

void stay_future_minutes(engine_state& s)
{
    // The inspired pressures are those of this cycle's real tissue step.
    const uint8_t minutes = config_cf(s, 58);
    for (int i = 0; i < minutes; ++i) {
        ++s.sim_runtime_min;
        update_sim_tissues(s, 1);
    }
}

void start_stops(engine_state& s)
{
    copy_tissues_to_sim(s);
    s.sim_ambient_bar = s.ambient_bar;
    clear_stop_list(s);

    if (s.io_deco_status == 6)
        stay_future_minutes(s);

    if (s.sim_switch_until_min > s.sim_runtime_min)
        return; // a gas-switch wait is still running: no initial ascent

    // Ascend in 1-minute steps, then in 2-second steps, to just below the GF-low ceiling,
    // the surface or a gas switch that needs a wait.
    bool coarse = true;
    for (;;) {
        const float previous = s.sim_ambient_bar;
        s.sim_ambient_bar -= coarse ? bar_per_minute_ascent : bar_per_2s_ascent;
        if (s.sim_ambient_bar < s.surface_bar)
            s.sim_ambient_bar = s.surface_bar;

        compute_sim_ceiling(s, s.gf_low);
        if (s.sim_ceiling_bar > s.sim_ambient_bar) {
            s.sim_ambient_bar = previous;
            if (coarse) {
                coarse = false;
                continue;
            }
            return;
        }

        s.sim_stop_depth_m = sim_depth_rounded(s);
        if (s.sim_stop_depth_m == 0) {
            s.sim_ambient_bar = s.surface_bar;
            return;
        }
        if (check_gas_switch(s)) {
            s.sim_ambient_bar = s.sim_stop_depth_m * bar_per_metre + s.surface_bar;
            return;
        }
        if (coarse)
            ++s.sim_runtime_min;
        compute_sim_inspired(s);
        update_sim_tissues(s, coarse ? 1 : 0);
    }
}

void continue_stops(engine_state& s)
{
    bool finished = false;
    for (int round = 0; round < stop_search_minutes_per_cycle; ++round) {
        bool record = true;
        if (s.sim_switch_until_min > s.sim_runtime_min) {
            // Waiting at a gas switch.
            s.sim_stop_depth_m = sim_depth_rounded(s);
        } else if (find_next_stop(s)) {
            if (s.sim_stop_depth_m == 0) {
                finished = true;
                break;
            }
            s.sim_ambient_bar = s.sim_stop_depth_m * bar_per_metre + s.surface_bar;
        } else {
            s.sim_ambient_bar -= bar_per_minute_ascent;
            if (!(s.sim_ambient_bar > s.surface_bar)) {
                finished = true;
                break;
            }
            record = false;
        }
        if (record && !add_stop_minute(s)) {
            finished = true; // the list is full: end as if at the surface
            break;
        }
        ++s.sim_runtime_min;
        set_sim_gas_fractions(s);
        compute_sim_inspired(s);
        update_sim_tissues(s, 1);
    }

    if (!finished) {
        s.out_sim_stop_depth_m = s.sim_stop_depth_m;
        return;
    }
    if (s.io_deco_status == 1)
        publish_stops(s);
    compute_tts(s);
    s.io_deco_status = 0;
    s.out_sim_stop_depth_m = 0;
}

void compute_gas_volumes(engine_state& s)
{
    const bool shallow_first = config_cf(s, 54) & 1;
    const uint8_t bottom_rate = config_cf(s, 56);
    const float q = static_cast<float>(config_cf(s, 57));

    float acc[gas_count] = {};
    int g = (s.in_first_gas >= 1 && s.in_first_gas <= gas_count) ? s.in_first_gas - 1 : 0;

    if (s.in_setpoint_cbar == 0 && bottom_rate > 0)
        acc[g] = s.in_bottom_time_min * (s.in_bottom_depth_m * 0.1f + 1.0f) * bottom_rate;

    int prev = s.in_bottom_depth_m;
    for (int k = 0; k < stop_count; ++k) {
        const int idx = shallow_first ? stop_count - 1 - k : k;
        const int minutes = s.out_stop_time_min[idx];
        if (minutes == 0) {
            if (shallow_first)
                continue;
            break;
        }
        const int d = s.out_stop_depth_m[idx] & 0x7F;

        // The deepest switch depth between this stop and the previous depth (later gases
        // win ties): ascend to it on the old gas, then change.
        int gas = -1;
        int w = 0;
        for (int i = 0; i < gas_count; ++i) {
            const int sw = s.in_gas_switch_depth_m[i];
            if (sw != 0 && d <= sw && sw <= prev && sw >= w) {
                w = sw;
                gas = i;
            }
        }
        if (gas >= 0) {
            if (q > 0.0f && w < prev)
                acc[g] += (prev - w) * ((prev + w) * 0.05f + 1.0f) * 0.1f * q;
            g = gas;
            prev = w;
        }
        if (d < prev)
            acc[g] += (prev - d) * ((d + prev) * 0.05f + 1.0f) * 0.1f * q;
        prev = d;
        if (q <= 0.0f)
            acc[g] = 65535.0f;
        else
            acc[g] += minutes * (d * 0.1f + 1.0f) * q;
    }
    if (q > 0.0f)
        acc[g] += (prev * 0.05f + 1.0f) * prev * 0.1f * q;

    for (int i = 0; i < gas_count; ++i)
        s.out_gas_volume_l[i] = acc[i] <= 65534.0f ? round_u16(acc[i]) : 65535;
}

} // namespace engine
