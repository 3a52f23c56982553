// SPDX-License-Identifier: GPL-3.0-or-later
// The decompression engine: the dive computer's own computation over one state block.
//
// Callers write the in_ fields, call the routines and read the out_ fields. The
// routines take the block and nothing else and never fail; every limit is clamped in
// place. Entry points: run_cycle, reset_dive, reset_cns, surface_interval, cns_step,
// save_state, restore_state, compute_desaturation, compute_nofly, compute_gas_volumes,
// cns_at_plan_end. Plain C++: no Qt, no allocation, no exceptions, 32-bit floats.
#pragma once

#include <cstdint>

namespace engine
{

// The sizes of the block's arrays, and of the configuration image in bytes.
constexpr int compartment_count = 16, gas_count = 5, stop_count = 32;
constexpr int config_image_size = 768;

struct engine_state {
    // ---- Inputs (written by the caller) ----
    uint16_t in_ambient_pressure_mbar = 0;
    uint16_t in_surface_pressure_mbar = 0;
    uint8_t in_n2_percent = 0;
    uint8_t in_he_percent = 0;
    uint8_t in_setpoint_cbar = 0; // 0 = open circuit
    uint8_t in_gf_model = 0;      // 0 = plain ZH-L16 with multipliers, else gradient factors
    uint8_t in_gf_low_percent = 0, in_gf_high_percent = 0;
    uint8_t in_sat_factor_percent = 0, in_desat_factor_percent = 0;
    uint8_t in_deco_distance_cbar = 0;
    uint8_t in_last_stop_m = 0;
    uint8_t in_gas_switch_depth_m[gas_count] = {}; // gas 1..5 at index 0..4
    uint8_t in_gas_n2_percent[gas_count] = {};
    uint8_t in_gas_he_percent[gas_count] = {};
    uint8_t in_current_gas = 0; // 1..5, 0 (or above 5) = in_n2_percent/in_he_percent
    uint8_t in_first_gas = 0;
    uint16_t in_dive_time_min = 0;
    uint8_t in_step_mode = 0; // 0 = 2 s, 1 = 1 min, 2 = 10 min (CNS only)
    uint8_t in_ppo2_cbar = 0;
    uint8_t in_surface_interval_10min = 0;
    uint8_t in_bottom_depth_m = 0;
    uint8_t in_bottom_time_min = 0;
    uint8_t in_nofly_ratio_percent = 0;
    uint16_t io_nofly_time_min = 0;
    uint8_t io_deco_status = 0;

    // The configuration image (768 bytes) whose CF54..CF58 the engine reads itself.
    // Null reads every such CF as 0.
    const uint8_t* config_image = nullptr;

    // ---- Outputs ----
    uint8_t out_ndl_min = 0;
    uint8_t out_stop_depth_m[stop_count] = {}; // bit 7: stop began during a gas-switch wait
    uint8_t out_stop_time_min[stop_count] = {};
    uint8_t out_stop_time_shallow_first[stop_count] = {};
    uint8_t out_first_stop_depth_m = 0;
    uint8_t out_first_stop_time_min = 0;
    uint16_t out_tts_min = 0;
    uint16_t out_future_tts_min = 0;
    uint8_t out_sim_stop_depth_m = 0;
    uint16_t out_ceiling_mbar = 0;
    uint8_t out_leading_tissue = 0; // 0..15, 255 = none
    uint16_t out_leading_tissue_mbar = 0;
    uint8_t out_gf_percent = 0;
    uint8_t out_gf_relative_percent = 0;
    uint8_t out_ead_m = 0;
    uint8_t out_end_m = 0;
    uint8_t out_diluent_ppo2_cbar = 0;
    uint8_t out_diluent_percent = 0;
    uint8_t out_cns_percent = 0;
    uint16_t out_desat_time_min = 0;
    uint8_t out_tissue_n2_desat[compartment_count] = {};
    uint8_t out_tissue_he_desat[compartment_count] = {};
    uint16_t out_gas_volume_l[gas_count] = {};

    // ---- Persistent internal state ----
    float tissue_n2_bar[compartment_count] = {}, tissue_he_bar[compartment_count] = {};
    float cns_fraction = 0.0f;
    float gf_anchor_depth_m = 0.0f; // metres below the surface; 0 = not set
    float gf_slope = 0.0f;
    // The stop search's own tissues, position, gas and working stop list.
    float sim_tissue_n2_bar[compartment_count] = {}, sim_tissue_he_bar[compartment_count] = {};
    float sim_ambient_bar = 0.0f;
    uint16_t sim_runtime_min = 0;
    uint8_t sim_gas = 0;
    uint8_t sim_gas_depth_m = 0;
    uint16_t sim_switch_until_min = 0;
    uint8_t sim_stop_depth_m = 0;
    uint8_t sim_stop_depth[stop_count] = {}, sim_stop_time[stop_count] = {};
    // Restored when a stop search ends.
    uint8_t saved_sim_gas = 0, saved_sim_gas_depth = 0;
    uint16_t saved_switch_until = 0;
    // The snapshot of save_state.
    float saved_tissue_n2_bar[compartment_count] = {}, saved_tissue_he_bar[compartment_count] = {};
    float saved_cns = 0.0f, saved_gf_anchor_m = 0.0f;

    // ---- Recomputed from the inputs every cycle ----
    float ambient_bar = 0.0f, surface_bar = 0.0f;
    float n2_fraction = 0.0f, he_fraction = 0.0f;
    float setpoint_bar = 0.0f;
    float sat_factor = 0.0f, desat_factor = 0.0f;
    float gf_low = 0.0f, gf_high = 0.0f, gf_delta = 0.0f;
    float deco_distance_bar = 0.0f;
    uint8_t switch_candidates_m[gas_count] = {};
    // Results of the last step.
    float insp_n2_bar = 0.0f, insp_he_bar = 0.0f;
    float ceiling_bar = 0.0f, sim_ceiling_bar = 0.0f;
    float sim_n2_fraction = 0.0f, sim_he_fraction = 0.0f;
};

// ---- Routines for callers ----
void run_cycle(engine_state& s);
void compute_cycle(engine_state& s);
void reset_dive(engine_state& s);
void surface_interval(engine_state& s);
void reset_cns(engine_state& s);
void cns_step(engine_state& s);
void compute_desaturation(engine_state& s);
void compute_nofly(engine_state& s);
void cns_at_plan_end(engine_state& s);
void compute_gas_volumes(engine_state& s);
void save_state(engine_state& s);
void restore_state(engine_state& s);

// ---- Internal routines, exposed for tests and the plan object ----
void read_inputs(engine_state& s);
void update_real_tissues(engine_state& s);
void update_tissues(engine_state& s, int period);
void update_sim_tissues(engine_state& s, int period);
void compute_ceiling(engine_state& s);
void compute_sim_ceiling(engine_state& s, float gf);

// The weighted a and b coefficients and the pressure of every simulated compartment: what
// the simulated ceiling needs besides the gradient factor, computed once for a stop search
// that tries several gradient factors on the same tissues.
struct tolerance_terms {
    alignas(16) float a[compartment_count];
    alignas(16) float b[compartment_count];
    alignas(16) float p[compartment_count];
};
void sim_tolerance_terms(const engine_state& s, tolerance_terms& t);
// The simulated ceiling (bar) of these terms at gradient factor gf, as compute_sim_ceiling.
float sim_ceiling_of(const tolerance_terms& t, bool gf_model, float gf);
void compute_gf_outputs(engine_state& s);
void compute_sim_inspired(engine_state& s);
void set_sim_gas_fractions(engine_state& s);
void compute_ndl(engine_state& s);
void start_stops(engine_state& s);
void stay_future_minutes(engine_state& s);
void continue_stops(engine_state& s);
bool find_next_stop(engine_state& s);
bool check_gas_switch(engine_state& s);
bool add_stop_minute(engine_state& s);
void clear_stop_list(engine_state& s);
void publish_stops(engine_state& s);
void compute_tts(engine_state& s);
void copy_tissues_to_sim(engine_state& s);

// ---- Coefficients and step factors ----
struct compartment_coefficients {
    float n2_half_time_min, n2_a, n2_b, he_half_time_min, he_a, he_b;
};
extern const compartment_coefficients zhl16c[compartment_count];

// Step factors 1 - 2^(-t/T): period 0 = 2 seconds, 1 = 1 minute, 2 = 10 minutes.
float step_factor_n2(int period, int compartment);
float step_factor_he(int period, int compartment);
// The sixteen step factors of a period, for loops over the compartments.
const float* step_factors_n2(int period);
const float* step_factors_he(int period);

// Low byte of the current value of custom function cf (0..95) in s.config_image.
uint8_t config_cf(const engine_state& s, int cf);

// CNS increment per 2 seconds at ppO2 p (centibar).
float cns_increment(uint8_t p_cbar);

} // namespace engine
