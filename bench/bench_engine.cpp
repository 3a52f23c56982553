// SPDX-License-Identifier: GPL-3.0-or-later
// Engine cycles per second on one core, for two dives:
//  (a) 60 minutes at 18 m on air: every cycle is a no-decompression check;
//  (b) 25 minutes at 70 m on trimix 18/45 with 50 % from 21 m and oxygen from 6 m,
//      continued at depth until the stop search has completed.
// Each dive runs in 2-second cycles from a new dive; the figure is the best of several runs.
#include "engine/engine.h"
#include "tests/engine/engine_fixture.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

using namespace engine;

namespace
{

// Runs one dive from a new dive in 2-second cycles; returns the number of cycles.
long dive(EngineDive& d, bool trimix, int depth_m, int minutes, bool until_plan)
{
    d = EngineDive(true);
    if (trimix) {
        d.setGas(1, 18, 45, 0);
        d.setGas(2, 50, 0, 21);
        d.setGas(3, 100, 0, 6);
    }
    d.useGas(1);
    d.newDive();
    d.setDepth(static_cast<float>(depth_m));
    long cycles = minutes * 30;
    for (long i = 0; i < cycles; ++i)
        d.cycle();
    if (until_plan) {
        const uint32_t before = d.seconds;
        d.completePlan(100000);
        cycles += (d.seconds - before) / 2;
    }
    return cycles;
}

void report(const char* name, int depth, int minutes, bool trimix, bool until_plan)
{
    EngineDive d;
    double best = 0.0;
    long cycles = 0;
    for (int run = 0; run < 7; ++run) {
        const auto t0 = std::chrono::steady_clock::now();
        long n = 0;
        // Repeat the dive enough times for a measurable interval.
        for (int rep = 0; rep < 20; ++rep)
            n += dive(d, trimix, depth, minutes, until_plan);
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
