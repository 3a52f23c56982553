// SPDX-License-Identifier: GPL-3.0-or-later
// A driver around the engine for its tests and benchmark: a configuration image of its own for
// the CFs the engine reads, gases, depths and "cycle until the plan is done".
#pragma once

#include "engine/engine.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

struct EngineDive {
    engine::engine_state s;
    uint8_t image[engine::config_image_size] = {};
    uint32_t seconds = 0;
    std::function<void()> afterCycle; // called after every cycle, e.g. to check invariants

    explicit EngineDive(bool gf_model = true)
    {
        s.config_image = image;
        s.in_surface_pressure_mbar = s.in_ambient_pressure_mbar = 1013;
        s.in_gf_model = gf_model ? 1 : 0;
        s.in_gf_low_percent = 30;
        s.in_gf_high_percent = 85;
        s.in_sat_factor_percent = 110;
        s.in_desat_factor_percent = 90;
        s.in_deco_distance_cbar = 10;
        s.in_last_stop_m = 3;
        s.in_nofly_ratio_percent = 60;
        setGas(1, 21, 0, 0);
        s.in_first_gas = 1;
        useGas(1);
    }
    // A copy reads its own configuration image, never the one it was copied from.
    EngineDive(const EngineDive& other) { *this = other; }
    EngineDive& operator=(const EngineDive& other)
    {
        s = other.s;
        std::memcpy(image, other.image, sizeof image);
        s.config_image = image;
        seconds = other.seconds;
        afterCycle = other.afterCycle;
        return *this;
    }

    void setCf(int cf, uint16_t value)
    {
        const int offset = 256 * (cf / 32) + 128 + 4 * (cf % 32);
        image[offset + 2] = value & 0xFF;
        image[offset + 3] = value >> 8;
    }
    void setGas(int n, int o2, int he, int switch_depth)
    {
        s.in_gas_n2_percent[n - 1] = static_cast<uint8_t>(o2 + he > 100 ? 0 : 100 - o2 - he);
        s.in_gas_he_percent[n - 1] = static_cast<uint8_t>(he);
        s.in_gas_switch_depth_m[n - 1] = static_cast<uint8_t>(switch_depth);
    }
    void useGas(int n)
    {
        s.in_current_gas = static_cast<uint8_t>(n);
        s.in_n2_percent = s.in_gas_n2_percent[n - 1];
        s.in_he_percent = s.in_gas_he_percent[n - 1];
    }

    void newDive()
    {
        s.in_ambient_pressure_mbar = s.in_surface_pressure_mbar;
        engine::reset_dive(s);
        engine::reset_cns(s);
        s.io_deco_status = 3;
        seconds = 0;
    }

    void setDepth(float depth)
    {
        s.in_ambient_pressure_mbar =
            static_cast<uint16_t>(s.in_surface_pressure_mbar + depth * 1000.0f / 10.015f + 0.5f);
        const float o2 = 1.0f - (s.in_n2_percent + s.in_he_percent) * 0.01f;
        const float ppo2 = s.in_setpoint_cbar ? s.in_setpoint_cbar * 0.01f
                                              : o2 * s.in_ambient_pressure_mbar * 0.001f;
        s.in_ppo2_cbar = static_cast<uint8_t>((ppo2 > 2.55f ? 2.55f : ppo2) * 100.0f + 0.5f);
    }

    // One 2-second cycle (or one minute with minute steps), as a simulation run drives it.
    void cycle()
    {
        s.in_dive_time_min = static_cast<uint16_t>(seconds / 60);
        engine::run_cycle(s);
        engine::cns_step(s);
        seconds += s.in_step_mode == 0 ? 2 : 60;
        if (afterCycle)
            afterCycle();
    }

    // A new dive: down at 20 m/min and at depth until bottom_minutes, in 1-minute steps.
    void descend(float depth, int bottom_minutes)
    {
        newDive();
        s.in_step_mode = 1;
        for (int minute = 0; minute < bottom_minutes || 20.0f * minute < depth; ++minute) {
            setDepth(std::min(depth, 20.0f * (minute + 1)));
            cycle();
        }
        s.in_step_mode = 0;
    }

    // 2-second cycles at depth until a plan is complete (a stop search ended, or status 0 with
    // an NDL); a search begun in minute steps, on older tissues, does not count. False on none.
    bool completePlan(int max_cycles = 20000)
    {
        bool searched = false, stale = s.io_deco_status == 1;
        for (int i = 0; i < max_cycles; ++i) {
            cycle();
            if (stale && (stale = s.io_deco_status == 1))
                continue;
            searched = searched || s.io_deco_status == 1;
            if (s.io_deco_status == 0 && (searched || s.out_ndl_min > 0))
                return true;
        }
        return false;
    }

    // "NDL n", or the stops as published: "depth:minutes", '*' after a depth with bit 7.
    std::string plan() const
    {
        if (s.out_stop_depth_m[0] == 0)
            return "NDL " + std::to_string(s.out_ndl_min);
        std::string out;
        for (int i = 0; i < engine::stop_count && s.out_stop_depth_m[i] != 0; ++i)
            out += (i ? "," : "") + std::to_string(s.out_stop_depth_m[i] & 0x7F) +
                   (s.out_stop_depth_m[i] & 0x80 ? "*:" : ":") +
                   std::to_string(s.out_stop_time_min[i]);
        return out;
    }

    // The stop minutes and the ascent from the present depth: the TTS of a plan with stops.
    int stopsTts() const
    {
        const float x = (s.ambient_bar - s.surface_bar) + 0.7f;
        int sum = int((x > 0.0f ? x : 0.0f) + 0.99f);
        for (int i = 0; i < engine::stop_count; ++i)
            sum += s.out_stop_time_min[i];
        return sum;
    }
};
