// SPDX-License-Identifier: GPL-3.0-or-later
// Real logbook exports (the shared sample folder, copied beside the suite by the build
// when the checkout has it): each loads with the duration, samples and maximum depth its
// description gives. Skipped when the samples are not there.

ostc.run(ostc.testDir() + "/samples/index.js");
test.testFileName = "logbook_samples.qs";

var samples = [
    // file, points, seconds, max depth (m)
    ["divinglog/TestDiveDivingLog5.08allmetric.xml", 65, 1950, 24.69],
    ["divinglog/TestDiveDivingLog5.08allimperial.xml", 65, 1950, 24.69],
    ["shearwater/cc-shearwater.xml", 619, 6180, 58.4],
    ["shearwater/shearwater--date-ddmmyyy.xml", 330, 3290, 35.3],
    ["uddf/TestDiveDivingLog5.08.uddf", 65, 1920, 24.69],
    ["uddf/test42.uddf", 2485, 4970, 38.97],
    ["uddf/test-apd-inspiration.uddf", 695, 6240, 60.2],
    ["uddf/dive105.uddf", 381, 3800, 28.08],
    ["udcf/TestDiveDivingLog5.08.udcf", 65, 1920, 24.69],
    ["udcf/DB_UDCF_1_1.udcf", 199, 3960, 28.65]
];

if (typeof sharedSamples == "undefined" || !sharedSamples) {
    test.skip("shared sample logbooks", "not present beside the suite");
} else {
    for (var i = 0; i < samples.length; ++i) {
        var s = samples[i];
        ostc.profile.load("samples/" + s[0]);
        test.compare(ostc.profile.points(), s[1], s[0] + ": samples");
        test.fuzzyCompare(ostc.profile.diveTime() * 60, s[2], 0.01, s[0] + ": seconds");
        test.fuzzyCompare(ostc.profile.diveDepth(), s[3], 0.005, s[0] + ": maximum depth");
    }
    test.expectThrow(function () { ostc.profile.load("samples/udcf/DB_UDCF_41_1.udcf"); },
                     "Cannot open profile.", "a broken UDCF file is refused");
}
