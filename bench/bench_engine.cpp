// Engine cycles per second on one core, for two dives:
//  (a) 60 minutes at 18 m on air: every cycle is a no-decompression check;
//  (b) 25 minutes at 70 m on trimix 18/45 with 50 % from 21 m and oxygen from 6 m,
//      continued at depth until the stop search has completed.
// Each dive runs in 2-second cycles from a new dive; the figure is the best of several runs.
#include "engine/engine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

using namespace engine;

namespace {

struct Setup {
    uint8_t image[config_image_size] = {};
    engine_state s;
};

void set_gas(engine_state& s, int n, int o2, int he, int depth)
{
    s.in_gas_n2_percent[n - 1] = static_cast<uint8_t>(100 - o2 - he);
    s.in_gas_he_percent[n - 1] = static_cast<uint8_t>(he);
    s.in_gas_switch_depth_m[n - 1] = static_cast<uint8_t>(depth);
}

void start(Setup& d, bool trimix)
{
    engine_state& s = d.s;
    s = engine_state();
    s.config_image = d.image;
    s.in_surface_pressure_mbar = 1013;
    s.in_ambient_pressure_mbar = 1013;
    s.in_gf_model = 1;
    s.in_gf_low_percent = 30;
    s.in_gf_high_percent = 85;
    s.in_sat_factor_percent = 110;
    s.in_desat_factor_percent = 90;
    s.in_deco_distance_cbar = 10;
    s.in_last_stop_m = 3;
    if (trimix) {
        set_gas(s, 1, 18, 45, 0);
        set_gas(s, 2, 50, 0, 21);
        set_gas(s, 3, 100, 0, 6);
    } else {
        set_gas(s, 1, 21, 0, 0);
    }
    s.in_first_gas = 1;
    s.in_current_gas = 1;
    s.in_n2_percent = s.in_gas_n2_percent[0];
    s.in_he_percent = s.in_gas_he_percent[0];
    reset_dive(s);
    reset_cns(s);
    s.io_deco_status = 3;
}

// Runs the dive; returns the number of cycles.
long dive(Setup& d, int depth_m, int minutes, bool until_plan)
{
    engine_state& s = d.s;
    s.in_ambient_pressure_mbar = static_cast<uint16_t>(1013 + depth_m * 1000 / 10.015f);
    const float o2 = 1.0f - (s.in_n2_percent + s.in_he_percent) * 0.01f;
    s.in_ppo2_cbar = static_cast<uint8_t>(o2 * s.in_ambient_pressure_mbar * 0.1f + 0.5f);
    long cycles = 0;
    uint32_t seconds = 0;
    auto cycle = [&]() {
        s.in_dive_time_min = static_cast<uint16_t>(seconds / 60);
        run_cycle(s);
        cns_step(s);
        seconds += 2;
        ++cycles;
    };
    for (int i = 0; i < minutes * 30; ++i)
        cycle();
    if (until_plan) {
        bool searched = false;
        for (;;) {
            cycle();
            if (s.io_deco_status == 1)
                searched = true;
            if (s.io_deco_status == 0 && (searched || s.out_ndl_min > 0))
                break;
        }
    }
    return cycles;
}

void report(const char* name, int depth, int minutes, bool trimix, bool until_plan)
{
    Setup d;
    double best = 0.0;
    long cycles = 0;
    for (int run = 0; run < 7; ++run) {
        start(d, trimix);
        const auto t0 = std::chrono::steady_clock::now();
        long n = 0;
        // Repeat the dive enough times for a measurable interval.
        for (int rep = 0; rep < 20; ++rep) {
            start(d, trimix);
            n += dive(d, depth, minutes, until_plan);
        }
        const auto t1 = std::chrono::steady_clock::now();
        const double secs = std::chrono::duration<double>(t1 - t0).count();
        best = std::max(best, n / secs);
        cycles = n / 20;
    }
    std::printf("%-52s %6ld cycles/dive  %12.0f cycles/s\n", name, cycles, best);
    if (until_plan)
        std::printf("%-52s first stop %u m, %u stops published, TTS %u min\n", "",
                    d.s.out_first_stop_depth_m,
                    static_cast<unsigned>(std::count_if(d.s.out_stop_depth_m,
                                                        d.s.out_stop_depth_m + stop_count,
                                                        [](uint8_t v) { return v != 0; })),
                    d.s.out_tts_min);
}

} // namespace

int main()
{
    std::printf("Bathyra engine benchmark (one core, 2-second cycles)\n");
    report("(a) 60 min at 18 m, air (no-decompression checks)", 18, 60, false, false);
    report("(b) 25 min at 70 m, tx18/45 + 50% @21 m + O2 @6 m", 70, 25, true, true);
    return 0;
}
