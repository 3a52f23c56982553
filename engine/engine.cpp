// SPDX-License-Identifier: GPL-3.0-or-later
// The computation cycle and its state machine (io_deco_status), the publication of the
// stop list, the time to surface, and the snapshot used for the future TTS.
#include "engine/engine_internal.h"

namespace engine
{

uint8_t config_cf(const engine_state& s, int cf)
{
    if (!s.config_image || cf < 0 || cf > 95)
        return 0;
    // CF n: default then current value, little-endian; the engine uses the low byte.
    const int offset = 256 * (cf / 32) + 128 + 4 * (cf % 32) + 2;
    return s.config_image[offset];
}

void read_inputs(engine_state& s)
{
    s.ambient_bar = s.in_ambient_pressure_mbar * 0.001f;
    s.surface_bar = s.in_surface_pressure_mbar * 0.001f;

    s.n2_fraction = s.in_n2_percent * 0.01f;
    s.he_fraction = s.in_he_percent * 0.01f;
    s.deco_distance_bar = s.in_deco_distance_cbar * 0.01f;
    s.setpoint_bar = s.in_setpoint_cbar * 0.01f;
    s.desat_factor = s.in_desat_factor_percent * 0.01f;
    s.sat_factor = s.in_sat_factor_percent * 0.01f;
    s.gf_low = s.in_gf_low_percent * 0.01f;
    s.gf_high = s.in_gf_high_percent * 0.01f;
    s.gf_delta = s.gf_high - s.gf_low;

    // A gas can be switched to in the simulation only when its switch depth is less than
    // the present depth plus 1.5 m (100 mbar per metre here), compared as signed 16 bits.
    const int16_t depth_cm = static_cast<int16_t>(
        static_cast<uint16_t>(s.in_ambient_pressure_mbar - s.in_surface_pressure_mbar + 150));
    for (int i = 0; i < gas_count; ++i) {
        const uint8_t d = s.in_gas_switch_depth_m[i];
        s.switch_candidates_m[i] = (d != 0 && depth_cm > d * 100) ? d : 0;
    }
}

void take_sim_gas(engine_state& s)
{
    s.sim_gas = s.in_current_gas <= gas_count ? s.in_current_gas : 0;
    if (s.sim_gas >= 1 && s.in_gas_switch_depth_m[s.sim_gas - 1] != 0)
        s.sim_gas_depth_m = s.in_gas_switch_depth_m[s.sim_gas - 1];
}

void set_sim_gas_fractions(engine_state& s)
{
    if (s.sim_gas >= 1 && s.sim_gas <= gas_count) {
        s.sim_n2_fraction = s.in_gas_n2_percent[s.sim_gas - 1] * 0.01f;
        s.sim_he_fraction = s.in_gas_he_percent[s.sim_gas - 1] * 0.01f;
    } else {
        s.sim_n2_fraction = s.n2_fraction;
        s.sim_he_fraction = s.he_fraction;
    }
}

void clear_stop_list(engine_state& s)
{
    for (int i = 0; i < stop_count; ++i) {
        s.sim_stop_depth[i] = 0;
        s.sim_stop_time[i] = 0;
    }
}

void publish_stops(engine_state& s)
{
    s.out_first_stop_depth_m = s.sim_stop_depth[0] & 0x7F;
    s.out_first_stop_time_min = s.sim_stop_time[0];

    int last = 0;
    for (int i = stop_count - 1; i >= 1; --i) {
        if (s.sim_stop_depth[i] != 0) {
            last = i;
            break;
        }
    }

    const bool shallow_first = config_cf(s, 54) & 1;
    for (int k = 0; k < stop_count; ++k) {
        const bool used = k <= last;
        if (shallow_first) {
            s.out_stop_depth_m[k] = used ? s.sim_stop_depth[last - k] : 0;
            s.out_stop_time_min[k] = used ? s.sim_stop_time[last - k] : 0;
        } else {
            s.out_stop_depth_m[k] = s.sim_stop_depth[k];
            s.out_stop_time_min[k] = s.sim_stop_time[k];
        }
        s.out_stop_time_shallow_first[k] = used ? s.sim_stop_time[last - k] : 0;
    }
}

void compute_tts(engine_state& s)
{
    float x = (s.ambient_bar - s.surface_bar) + 0.7f;
    if (x < 0.0f)
        x = 0.0f;
    // The ascent at 10 m/min rounded up with a margin, then every stop up to the list's end.
    uint32_t tts = trunc_u16(x + 0.99f);
    for (int i = 0; i < stop_count && s.sim_stop_depth[i] != 0; ++i)
        tts += s.sim_stop_time[i];
    const uint16_t clamped = tts > 65535u ? 65535 : static_cast<uint16_t>(tts);
    if (s.io_deco_status == 1)
        s.out_tts_min = clamped;
    else
        s.out_future_tts_min = clamped;
}

void compute_cycle(engine_state& s)
{
    read_inputs(s);
    update_real_tissues(s);
    compute_gf_outputs(s);

    switch (s.io_deco_status) {
    case 3: // reset of the plan outputs
        clear_stop_list(s);
        publish_stops(s);
        s.gf_anchor_depth_m = 0.0f;
        s.gf_slope = 0.0f;
        s.out_ndl_min = 0;
        s.sim_gas = s.saved_sim_gas = 0;
        s.sim_gas_depth_m = s.saved_sim_gas_depth = 0;
        s.saved_switch_until = 0;
        s.out_tts_min = s.out_future_tts_min = 0;
        s.sim_switch_until_min = 0;
        s.sim_runtime_min = 0;
        s.io_deco_status = 0;
        break;
    case 2:
    case 6: // start a stop search (6: the future TTS, after CF58 more minutes)
        s.sim_runtime_min = s.in_dive_time_min;
        take_sim_gas(s);
        set_sim_gas_fractions(s);
        s.saved_sim_gas = s.sim_gas;
        s.saved_sim_gas_depth = s.sim_gas_depth_m;
        s.saved_switch_until = s.sim_switch_until_min;
        start_stops(s);
        s.io_deco_status = (s.io_deco_status & 4) | 1;
        break;
    case 1:
    case 5: // continue the stop search
        continue_stops(s);
        if (s.io_deco_status == 0) {
            s.sim_gas = s.saved_sim_gas;
            s.sim_gas_depth_m = s.saved_sim_gas_depth;
            s.sim_switch_until_min = s.saved_switch_until;
        }
        break;
    default: // 0, and the unused values 4 and 7..255: no-decompression check
        take_sim_gas(s);
        set_sim_gas_fractions(s);
        compute_ndl(s);
        if (s.out_ndl_min > 0) {
            s.io_deco_status = 0;
            clear_stop_list(s);
            publish_stops(s);
            s.out_sim_stop_depth_m = 0;
        } else {
            s.io_deco_status = 2;
        }
        break;
    }
}

void run_cycle(engine_state& s)
{
    compute_cycle(s);
    s.out_desat_time_min = 65535; // unknown while diving
}

void save_state(engine_state& s)
{
    copy_compartments(s.tissue_n2_bar, s.saved_tissue_n2_bar);
    copy_compartments(s.tissue_he_bar, s.saved_tissue_he_bar);
    s.saved_cns = s.cns_fraction;
    s.saved_gf_anchor_m = s.gf_anchor_depth_m;
}

void restore_state(engine_state& s)
{
    copy_compartments(s.saved_tissue_n2_bar, s.tissue_n2_bar);
    copy_compartments(s.saved_tissue_he_bar, s.tissue_he_bar);
    s.cns_fraction = s.saved_cns;
    s.gf_anchor_depth_m = s.saved_gf_anchor_m;
    s.out_cns_percent = round_u8(s.cns_fraction * 100.0f);
    // The slope only matters while an anchor is set.
    s.gf_slope = s.gf_anchor_depth_m != 0.0f ? s.gf_delta / s.gf_anchor_depth_m : 0.0f;
}

} // namespace engine
