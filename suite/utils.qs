// SPDX-License-Identifier: GPL-3.0-or-later
// Support script of the Bathyra validation suite, read by every script host before the
// script it runs. It keeps the check counters, prints each failed check on the debug
// output, and at test.stop() writes the summary line "N passed, M failed" to the console
// and an HTML report (one row per check) into the documents folder.
//
//   test.compare(got, expected, check)              exact equality (arrays element by element)
//   test.fuzzyCompare(got, expected, tolerance, check)  |got - expected| <= tolerance
//   test.verify(condition, check)
//   test.expectThrow(fn, expected, check)            fn must throw; expected is a text the
//                                                    error's message contains, or its kind
//                                                    ("TypeError", "RangeError", ...)
//   test.skip(check, reason)                          a check that cannot run here
//
// The host sets test.testFileName before each script and calls test.start(), test.stop()
// around a suite and test.uncaught(file, line, text) when a script ends by an error.

var test = {
    testFileName: "",
    passed: 0,
    failed: 0,
    skipped: 0,
    rows: [],
    startTime: null,
    reportName: "Bathyra test report.html",

    start: function () {
        this.passed = 0;
        this.failed = 0;
        this.skipped = 0;
        this.rows = [];
        this.startTime = new Date();
    },

    // The file part of the running script's name.
    shortName: function () {
        var name = String(this.testFileName);
        return name.substring(name.lastIndexOf("/") + 1);
    },

    text: function (value) {
        if (value === undefined)
            return "undefined";
        if (value instanceof Array)
            return "[" + value.join(", ") + "]";
        return String(value);
    },

    record: function (ok, check, expected, got, note) {
        var row = { file: this.shortName(), check: String(check), expected: this.text(expected),
                    got: this.text(got), result: ok === null ? "skipped" : (ok ? "pass" : "FAIL"),
                    note: note || "" };
        this.rows.push(row);
        if (ok === null) {
            this.skipped++;
        } else if (ok) {
            this.passed++;
        } else {
            this.failed++;
            print("FAIL " + row.file + ": " + row.check + ": expected " + row.expected
                  + ", got " + row.got + (row.note ? " (" + row.note + ")" : ""));
        }
        return ok;
    },

    same: function (a, b) {
        if (a instanceof Array && b instanceof Array) {
            if (a.length != b.length)
                return false;
            for (var i = 0; i < a.length; ++i)
                if (!this.same(a[i], b[i]))
                    return false;
            return true;
        }
        return a === b;
    },

    compare: function (got, expected, check) {
        return this.record(this.same(got, expected), check, expected, got);
    },

    fuzzyCompare: function (got, expected, tolerance, check) {
        var ok = typeof got == "number" && Math.abs(got - expected) <= tolerance;
        return this.record(ok, check, expected + " \u00b1 " + tolerance, got);
    },

    verify: function (condition, check) {
        return this.record(condition ? true : false, check, true, condition ? true : false);
    },

    expectThrow: function (fn, expected, check) {
        try {
            fn();
        } catch (e) {
            var message = e && e.message !== undefined ? String(e.message) : String(e);
            var name = e && e.name !== undefined ? String(e.name) : "";
            var ok = expected === undefined || name == expected || message.indexOf(expected) >= 0;
            return this.record(ok, check, expected === undefined ? "an error" : expected,
                               name + ": " + message);
        }
        return this.record(false, check, expected === undefined ? "an error" : expected, "no error");
    },

    skip: function (check, reason) {
        return this.record(null, check, "", "", reason);
    },

    uncaught: function (file, line, text) {
        var saved = this.testFileName;
        this.testFileName = file;
        this.record(false, "script ended by an uncaught error at line " + line, "no error", text);
        this.testFileName = saved;
    },

    // A known starting point for a check: custom functions at their defaults, open circuit,
    // air as the only gas, a new dive, no graphs; then the given widgets (name: value).
    setup: function (widgets) {
        // Every CF a script may address (the image's bound, 71 in a default image).
        for (var i = 0; i < 96; ++i) {
            try {
                ostc.cf.set(i, ostc.cf.reset(i));
            } catch (e) {
                if (String(e.message) != "Bas CF index")
                    throw e;
                break;
            }
        }
        var base = {
            ocrMode: true, buhlmann: true, gas_1: true, first_1: true, O2_1: 21, He_1: 0, depth_1: 0,
            ppo2_1: 1.0, interval: "Reset", dive_depth: 30, dive_time: 20, press_surface: 1013,
            ascent: 10, replayMode: false, depthGraph: false, ceilGraph: false, ndlGraph: false,
            leadGraph: false, gfGraph: false, ppO2Graph: false, cnsGraph: false
        };
        for (var n = 2; n <= 5; ++n) {
            base["gas_" + n] = false;
            base["O2_" + n] = 21;
            base["He_" + n] = 0;
            base["depth_" + n] = 0;
        }
        for (var name in base)
            ostc.set(name, base[name]);
        for (var w in widgets)
            ostc.set(w, widgets[w]);
    },

    // The stops of a plan as "depth:minutes" texts, deepest first.
    stops: function (plan) {
        // The simulated profile comes first; the stops follow its deepest record.
        var list = [], bottom = -1, i;
        for (i = 0; i < plan.stops(); ++i)
            if (plan.depth(i) == plan.diveDepth())
                bottom = i;
        for (i = bottom + 1; i < plan.stops(); ++i)
            if (plan.decostop(i) && plan.stop(i) > 0)
                list.push(plan.depth(i) + ":" + plan.stop(i));
        return list;
    },

    // Simulate with these widgets and make the plan of the engine's stops.
    plan: function (widgets, ccr) {
        this.setup(widgets);
        mainWindow.simulateSlot();
        ostc.plan.create(ccr === true);
        return ostc.plan;
    },

    summary: function () {
        return this.passed + " passed, " + this.failed + " failed";
    },

    escape: function (s) {
        return String(s).replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;");
    },

    html: function () {
        var out = "<html><head><meta charset='utf-8'><title>Bathyra test report</title>\n"
            + "<style>body { font-family: sans-serif } td, th { padding: 2px 8px } "
            + "th { background: #dde4ee; text-align: left } .pass { color: #1b7a1b } "
            + ".FAIL { color: #c01010; font-weight: bold } .skipped { color: #777 }</style></head><body>\n"
            + "<h2>Bathyra validation suite</h2>\n<p>" + this.escape(ostc.version()) + ", "
            + this.escape(String(this.startTime || new Date())) + "<br><b>" + this.summary() + "</b>"
            + (this.skipped ? ", " + this.skipped + " skipped" : "") + "</p>\n"
            + "<table border='1' cellspacing='0'>\n"
            + "<tr><th>File</th><th>Check</th><th>Expected</th><th>Got</th><th>Result</th></tr>\n";
        for (var i = 0; i < this.rows.length; ++i) {
            var r = this.rows[i];
            out += "<tr><td>" + this.escape(r.file) + "</td><td>" + this.escape(r.check) + "</td><td>"
                + this.escape(r.expected) + "</td><td>" + this.escape(r.got) + "</td><td class='"
                + r.result + "'>" + r.result + (r.note ? " (" + this.escape(r.note) + ")" : "")
                + "</td></tr>\n";
        }
        return out + "</table></body></html>\n";
    },

    stop: function () {
        var file = ostc.File(this.reportName);
        file.write(this.html());
        mainWindow.message(this.summary());
        if (this.skipped)
            mainWindow.message(this.skipped + " skipped");
        mainWindow.message("Report: " + file.name());
    }
};
