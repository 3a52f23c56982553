// SPDX-License-Identifier: GPL-3.0-or-later
// A repetitive dive: 30 m / 25 min on air, ascent, 60 minutes at the surface, then
// Simulate again. Tissues and CNS carry over the interval, so the second dive needs more
// decompression than the same dive fresh.
//
// With a surface interval the new dive is only its own descent and bottom (as after Reset):
// 25 minutes at 30 m again, compared with a fresh dive of the same 25 minutes.

var widgets = { gradientFactor: true, GF_low: 30, GF_high: 85, dive_depth: 30, dive_time: 25 };
var first = test.plan(widgets);
test.compare(test.stops(first), ["12:1", "9:1", "6:3", "3:6"], "first dive: stops");
test.compare(first.tts(), 15, "first dive: TTS");

mainWindow.ascentSlot();
test.verify(mainWindow.getMessages().indexOf("ASCENT DONE") >= 0, "first dive: ascent done");
ostc.set("interval", 60);
mainWindow.simulateSlot();
test.verify(mainWindow.getMessages().indexOf("Interval with previous dive = 60'") >= 0,
            "second dive: header states the interval");
var second = ostc.plan;
second.create(false);
var repetitive = { stops: test.stops(second), tts: second.tts(), cns: Math.round(second.cns() * 100) };
test.compare(repetitive.stops, ["12:1", "9:2", "6:5", "3:24"], "second dive: stops");
test.compare(repetitive.tts, 36, "second dive: TTS");
test.compare(repetitive.cns, 11, "second dive: CNS %");
test.compare(second.runtime(0), 25, "second dive: its own 25 minutes at the bottom");

var fresh = test.plan(widgets);
test.verify(repetitive.tts > fresh.tts(), "second dive needs more than the same dive fresh (TTS "
            + repetitive.tts + " > " + fresh.tts() + ")");
test.verify(repetitive.cns > Math.round(fresh.cns() * 100), "CNS carried over the interval");
