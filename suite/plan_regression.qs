// SPDX-License-Identifier: GPL-3.0-or-later
// Regression plans: exact stops, TTS, CNS and runtime of four dives as Bathyra computes
// them today. Any change of the engine, the planner or the plan object shows here; when a
// change is intended, the new figures are checked by hand and written into this table.
//
// Each stop is "depth:minutes", deepest first; CNS in whole percent; runtime of the
// surface record in minutes.

var dives = [
    { name: "Air 40 m / 25 min, GF 30/85",
      widgets: { gradientFactor: true, GF_low: 30, GF_high: 85, dive_depth: 40, dive_time: 25 },
      model: "OC, GF 30/85",
      stops: ["18:1", "15:1", "12:3", "9:5", "6:8", "3:19"], tts: 42, cns: 11, runtime: 66.7 },
    { name: "Air 50 m / 20 min, Nx50 @21 m, O2 @6 m, Buhlmann 110/90",
      widgets: { buhlmann: true, dive_depth: 50, dive_time: 20, gas_2: true, O2_2: 50, depth_2: 21,
                 gas_3: true, O2_3: 100, depth_3: 6 },
      model: "OC, Bh 110%/90%",
      stops: ["9:3", "6:4", "3:8"], tts: 21, cns: 15, runtime: 40.7 },
    { name: "Tx18/45 72 m / 41 min, Nx50 @21 m, O2 @6 m, GF 30/85",
      widgets: { gradientFactor: true, GF_low: 30, GF_high: 85, O2_1: 18, He_1: 45, gas_2: true,
                 O2_2: 50, depth_2: 21, gas_3: true, O2_3: 100, depth_3: 6, dive_depth: 72,
                 dive_time: 41 },
      model: "OC, GF 30/85",
      stops: ["42:2", "39:2", "36:2", "33:4", "30:4", "27:7", "24:8", "21:5", "18:5", "15:9",
              "12:11", "9:19", "6:22", "3:40"], tts: 148, cns: 140, runtime: 188.9 },
    { name: "CCR setpoint 1.3, air diluent, 45 m / 30 min, GF 30/85",
      widgets: { ccrMode: true, gradientFactor: true, GF_low: 30, GF_high: 85, ppo2_1: 1.3,
                 dive_depth: 45, dive_time: 30, gas_2: true, O2_2: 50, depth_2: 21 },
      ccr: true, model: "CCR, GF 30/85",
      stops: ["21:1", "18:1", "15:2", "12:2", "9:4", "6:5", "3:9"], tts: 30, cns: 33, runtime: 59.2 }
];

for (var i = 0; i < dives.length; ++i) {
    var d = dives[i];
    var plan = test.plan(d.widgets, d.ccr);
    test.compare(plan.model(), d.model, d.name + ": model");
    test.compare(test.stops(plan), d.stops, d.name + ": stops");
    test.compare(plan.tts(), d.tts, d.name + ": TTS");
    test.compare(Math.round(plan.cns() * 100), d.cns, d.name + ": CNS %");
    test.fuzzyCompare(plan.runtime(-1), d.runtime, 0.05, d.name + ": runtime");
    test.compare(plan.depth(-1), 0, d.name + ": ends at the surface");
}
