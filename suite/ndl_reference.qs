// SPDX-License-Identifier: GPL-3.0-or-later
// No-stop limits against a published ZH-L16C table: air, GF 100/100 (plain ZH-L16C),
// salt water, a 20 m/min descent counted in the bottom time.
//
// Bathyra descends instantly, so the deco offset (CF16) is set to 0 and the limit is the
// engine's NDL after the first minute at depth plus that minute. Tolerance: 10 % of the
// reference or 2 minutes, whichever is larger (descent time, surface pressure and the
// metres-per-bar conversion differ between the two programs).

var reference = [[12, 173], [15, 87], [18, 57], [21, 40], [24, 28], [27, 21], [30, 16]];

for (var i = 0; i < reference.length; ++i) {
    var depth = reference[i][0], expected = reference[i][1];
    var plan = test.plan({ gradientFactor: true, GF_low: 100, GF_high: 100, deco_offset: 0,
                           dive_depth: depth, dive_time: 1 });
    test.compare(test.stops(plan).length, 0, "air " + depth + " m, 1 min: no stop");
    test.fuzzyCompare(plan.ndl() + 1, expected, Math.max(2, 0.1 * expected),
                      "air " + depth + " m: no-stop limit (min)");
}
