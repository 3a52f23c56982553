// SPDX-License-Identifier: GPL-3.0-or-later
// Custom functions through ostc.cf: the values in the units a diver reads (tenths,
// hundredths, colours, on/off, signed minutes), and the limits of the CF table, whose
// check message a refused value raises.

test.setup({});
var cf = ostc.cf;
function cfName(n) { return "CF" + (n < 10 ? "0" : "") + n; }

test.compare(cf.name(0), "Start Dive [m]", "CF00 label");
test.compare(cf.get(16), 1.0, "CF16 default 1.0 m (tenths)");
test.compare(cf.get(46), 1.61, "CF46 default 1.61 bar (hundredths)");
test.compare(cf.get(35), "#ffffff", "CF35 default colour white");
test.compare(cf.get(40), true, "CF40 default on");
test.compare([cf.min(48), cf.max(48)], [-120, 120], "CF48 limits (signed)");
test.compare([cf.reset(2), cf.min(2), cf.max(2)], [240, 0, 600], "CF02 seconds: default and limits");

// Values that are refused with the table check's message.
var refused = [
    [5, 2, "value 2, min 3"], [5, 19, "value 19, max 18"], [16, 2.5, "value 2.5, max 2.0"],
    [46, 0.99, "value 0.99, min 1.00"], [56, 51, "value 51, max 50"], [8, 0, "value 0 %, min 1 %"],
    [48, -121, "value -121, min -120"], [2, 601, "value 601, max 600"]
];
for (var i = 0; i < refused.length; ++i) {
    var r = refused[i];
    test.expectThrow(function () { cf.set(r[0], r[1]); }, r[2], cfName(r[0]) + " = " + r[1] + " refused");
}
test.compare(cf.get(5), 7, "a refused value leaves CF05 as it was");

// Accepted values, read back in the same units.
var accepted = [[16, 2.0], [46, 1.15], [17, 0.21], [2, 600], [48, -120], [33, 95], [54, true],
                [37, "#ff0000"], [43, 13000]];
for (var k = 0; k < accepted.length; ++k) {
    cf.set(accepted[k][0], accepted[k][1]);
    test.compare(cf.get(accepted[k][0]), accepted[k][1], cfName(accepted[k][0]) + " = " + accepted[k][1]);
}
test.compare(ostc.get("GF_high"), 95, "CF33 shown in the GF high box");
test.compare(ostc.get("shallow_first"), true, "CF54 shown in the shallow-first box");
cf.set(37, "white");
test.compare(cf.get(37), "#ffffff", "colour names are packed into 8 bits");

test.expectThrow(function () { cf.set(71, 0); }, "Bas CF index", "CF71 is beyond the script bound");
test.expectThrow(function () { cf.get(-1); }, "Bas CF index", "negative CF index");
test.expectThrow(function () { cf.set(37, "no such colour"); }, "TypeError", "unknown colour name");
test.expectThrow(function () { cf.set(5, "fast"); }, "TypeError", "text for a number");

test.setup({});
test.compare(cf.get(16), 1.0, "defaults restored");
