// SPDX-License-Identifier: GPL-3.0-or-later
// Gas volumes: the square-profile example (20 min at 30 m on gas 1, bottom consumption
// CF56 = 20 l/min: the bottom adds (30 x 0.1 + 1) x 20 x 20 = 1600 litres), the litres
// per gas as computed today, and the gas index check.

test.setup({ gradientFactor: true, GF_low: 30, GF_high: 85, dive_depth: 30, dive_time: 20,
             bottomGasUsage: 20, ascentGasUsage: 20, gas_2: true, O2_2: 50, depth_2: 21 });
mainWindow.simulateSlot();
mainWindow.gasVolumesSlot();
var first = [ostc.gas.volume(1), ostc.gas.volume(2), ostc.gas.volume(3)];
test.compare(first, [1664, 214, 0], "air + Nx50, 30 m / 20 min: litres of gases 1..3");
test.verify(mainWindow.getMessages().indexOf("OC Runtime") >= 0, "report titled OC Runtime");

// Continuing the dive appends the planned segment once more; the plan is made again from
// the same point, so only the bottom part grows, by the example's 1600 litres.
ostc.set("interval", 0);
mainWindow.gasVolumesSlot();
test.compare(ostc.gas.volume(1) - first[0], 1600, "a second 20 min at 30 m adds 1600 litres of gas 1");
test.compare(ostc.gas.volume(2), first[1], "the ascent on gas 2 is unchanged");

test.expectThrow(function () { ostc.gas.volume(0); }, "Bas gas index", "gas.volume(0)");
test.expectThrow(function () { ostc.gas.volume(6); }, "Bas gas index", "gas.volume(6)");
