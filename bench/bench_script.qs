// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmark script: the 72 m / 41 min trimix dive of bench_runs planned 200 times
// (Simulate + Ascent, console cleared between plans) in one script host. Run with
//   bathyra-cli --script bench/bench_script.qs
// It prints the plans per second of its loop on the debug output.
var plans = 200;
test.setup({ gradientFactor: true, GF_low: 30, GF_high: 85, O2_1: 18, He_1: 45, gas_2: true,
             O2_2: 50, depth_2: 21, gas_3: true, O2_3: 100, depth_3: 6, dive_depth: 72, dive_time: 41 });
var start = new Date();
for (var i = 0; i < plans; ++i) {
    ostc.set("interval", "Reset");
    mainWindow.simulateSlot();
    mainWindow.ascentSlot();
    mainWindow.clearMessages();
}
var seconds = (new Date() - start) / 1000;
print("script loop: " + plans + " plans in " + seconds.toFixed(3) + " s = "
      + (plans / seconds).toFixed(1) + " plans/s");
