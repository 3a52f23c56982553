// SPDX-License-Identifier: GPL-3.0-or-later
// Every logbook format through ostc.profile: load the small files of Tests/profiles,
// save as DivingLog XML and UDDF (the two formats Bathyra writes), load again and compare
// points, duration, maximum depth and depths along the dive. UDDF keeps the gas changes;
// DivingLog XML stores none. The copies are written into the documents folder
// ("Bathyra test files"), never into the test folder, which may be an installed one; when the
// documents folder cannot be written the save checks are skipped.

var files = [
    // file, points, minutes, max depth, gas at each whole minute
    ["divinglog_two_dives.xml", 4, 3, 20, "0000"],
    ["shearwater_setpoints.xml", 6, 50 / 60, 20, "0"],
    ["udcf_six_mixes.udcf", 7, 6, 40, "1234555"],
    ["uddf_gases.uddf", 6, 40, 30, "11111111111111111111111111111122222222222"]
];

function shape() {
    var p = ostc.profile, gases = "", depths = [];
    for (var t = 0; t <= p.diveTime() + 1e-6; t += 1)
        gases += p.gasAt(t);
    for (var s = 0; s <= 10; ++s)
        depths.push(Math.round(p.depth(p.diveTime() * s / 10) * 100) / 100);
    return { points: p.points(), time: p.diveTime(), depth: p.diveDepth(), gases: gases, depths: depths };
}

function writable(name) {
    try {
        ostc.profile.saveDocument(name);
        return true;
    } catch (e) {
        if (String(e.message).indexOf("Cannot open profile.") >= 0) {
            test.skip(name, "the documents folder cannot be written");
            return false;
        }
        throw e;
    }
}

for (var i = 0; i < files.length; ++i) {
    var f = files[i];
    ostc.profile.load("profiles/" + f[0]);
    var loaded = shape();
    test.compare(loaded.points, f[1], f[0] + ": points");
    test.fuzzyCompare(loaded.time, f[2], 1e-4, f[0] + ": minutes");
    test.fuzzyCompare(loaded.depth, f[3], 1e-4, f[0] + ": maximum depth");
    test.compare(loaded.gases, f[4], f[0] + ": gas at each minute");

    var targets = [["Bathyra test files/roundtrip.xml", false],
                   ["Bathyra test files/roundtrip.uddf", true]];
    for (var k = 0; k < targets.length; ++k) {
        ostc.profile.load("profiles/" + f[0]);
        if (!writable(targets[k][0]))
            continue;
        ostc.profile.loadDocument(targets[k][0]);
        var again = shape();
        var what = f[0] + " -> " + targets[k][0] + ": ";
        test.compare(again.points, loaded.points, what + "points");
        test.fuzzyCompare(again.time, loaded.time, 1 / 60, what + "minutes");
        test.compare(again.depths, loaded.depths, what + "depths along the dive");
        if (targets[k][1] && loaded.gases.indexOf("0") < 0)
            test.compare(again.gases, loaded.gases, what + "gas changes");
    }
}

test.expectThrow(function () { ostc.profile.load("profiles/none.txt"); }, "Unknown file format.",
                 "an unknown ending is refused");
test.expectThrow(function () { ostc.profile.load("../outside.xml"); }, "URIError",
                 "a file outside the test folder is refused");
