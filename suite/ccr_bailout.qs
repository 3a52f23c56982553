// SPDX-License-Identifier: GPL-3.0-or-later
// CCR bail-out: a closed-circuit plan (setpoint 1.3, air diluent, Nx50 bail-out gas at
// 21 m), then Gas volumes turns it into the open-circuit escape plan. Figures as computed
// today.

var ccr = test.plan({ ccrMode: true, gradientFactor: true, GF_low: 30, GF_high: 85, ppo2_1: 1.3,
                      dive_depth: 45, dive_time: 30, gas_2: true, O2_2: 50, depth_2: 21 }, true);
test.fuzzyCompare(ccr.setpoint(0), 1.3, 1e-6, "loop plan: setpoint of the bottom");
test.compare(test.stops(ccr), ["21:1", "18:1", "15:2", "12:2", "9:4", "6:5", "3:9"], "loop plan: stops");

mainWindow.gasVolumesSlot();
test.verify(mainWindow.getMessages().indexOf("BAIL-OUT Runtime") >= 0, "report titled BAIL-OUT Runtime");
var bail = ostc.plan;
bail.create(false);
test.compare(bail.model(), "Bailout, GF 30/85", "bail-out plan: model");
test.compare(test.stops(bail), ["21:1", "18:1", "15:2", "12:3", "9:4", "6:7", "3:16"], "bail-out plan: stops");
test.compare(bail.tts(), 40, "bail-out plan: TTS");
test.compare(Math.round(bail.cns() * 100), 19, "bail-out plan: CNS %");
test.verify(bail.toHtml().indexOf("BAILOUT Gas#2") >= 0, "bail-out plan: first open-circuit stop labelled BAILOUT Gas#2");
test.verify(bail.toHtml().indexOf("DEEP") < 0, "bail-out plan: Nx50 not breathed below 21 m");
// The loop gas is not open-circuit gas: only the escape is counted.
test.compare([ostc.gas.volume(1), ostc.gas.volume(2)], [206, 1228], "bail-out litres of gases 1 and 2");
