#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plan files of bathyra-cli read by another tool: for each row of data/plan_files.txt the
JSON written by --plan-out FILE.json must validate against docs/plan.schema.json (with the
jsonschema module; without it, the schema's required keys and types are checked by hand),
FILE.csv and FILE-contingency.csv must read with the csv module, with one header row and
units in the header names, and the three must carry the same figures.

usage: plan_files.py BATHYRA_CLI SCHEMA TABLE"""
import csv
import json
import os
import re
import subprocess
import sys
import tempfile

cli, schema_path, table = sys.argv[1:4]
schema = json.load(open(schema_path))
failures = []

try:
    import jsonschema

    def validate(doc):
        jsonschema.validate(doc, schema)
except ImportError:  # a check of the required keys and the types, by hand
    kinds = {"string": str, "integer": int, "number": (int, float), "boolean": bool,
             "array": list, "object": dict, "null": type(None)}

    def check(doc, s, where):
        if "$ref" in s:
            s = schema["$defs"][s["$ref"].split("/")[-1]]
        types = s.get("type")
        if types:
            types = types if isinstance(types, list) else [types]
            if not any(isinstance(doc, kinds[t]) and not (t in ("integer", "number")
                       and isinstance(doc, bool)) for t in types):
                raise ValueError("%s: %r is not %s" % (where, doc, types))
        if "enum" in s and doc not in s["enum"]:
            raise ValueError("%s: %r not in %s" % (where, doc, s["enum"]))
        if isinstance(doc, dict):
            for k in s.get("required", []):
                if k not in doc:
                    raise ValueError("%s: no %s" % (where, k))
            for k, v in doc.items():
                if k in s.get("properties", {}):
                    check(v, s["properties"][k], where + "." + k)
                elif s.get("additionalProperties") is False:
                    raise ValueError("%s: unknown key %s" % (where, k))
        if isinstance(doc, list) and "items" in s:
            for i, v in enumerate(doc):
                check(v, s["items"], "%s[%d]" % (where, i))

    def validate(doc):
        check(doc, schema, "$")


def expect(ok, what):
    if not ok:
        failures.append("%s: %s" % (row_name, what))


def number(text):
    return float(text) if text != "" else None


rows = [[c.strip() for c in line.split("|")] for line in open(table, encoding="utf-8")
        if line.strip() and not line.startswith("#")]
with tempfile.TemporaryDirectory() as tmp:
    env = dict(os.environ, HOME=tmp, QT_QPA_PLATFORM="offscreen")
    for row_name, fields, names, gases in rows:
        args = []
        for f in fields.split():
            if f.startswith("--") or (args and args[-1] in ("--deeper", "--longer")):
                args.append(f)
            else:
                args += ["--set", f]
        base = os.path.join(tmp, row_name.replace(" ", "_"))
        # The CSV files without any step: --plan-out alone is enough.
        for out, steps in ((base + ".json", ["contingency"]), (base + ".csv", [])):
            run = subprocess.run([cli] + args + ["--plan-out", out] + steps, env=env,
                                 capture_output=True, text=True)
            expect(run.returncode == 0, "exit %d: %s" % (run.returncode, run.stderr))
        doc = json.load(open(base + ".json", encoding="utf-8"))
        try:
            validate(doc)
        except Exception as e:  # the validator's own report
            expect(False, "schema: %s" % str(e).splitlines()[0])
        expect([v["name"] for v in doc["variants"]] == names.split(","),
               "variants %s" % [v["name"] for v in doc["variants"]])
        expect([g["name"] for g in doc["gases"]] == gases.split(","),
               "gases %s" % [g["name"] for g in doc["gases"]])

        with open(base + ".csv", newline="", encoding="utf-8") as f:
            runtime = list(csv.DictReader(f))
        with open(base + "-contingency.csv", newline="", encoding="utf-8") as f:
            reader = csv.DictReader(f)
            header = reader.fieldnames
            variants = list(reader)
        plain = re.compile(r"^(variant|error|gas \d|gas \d reserve broken)$")
        expect(all("[" in h for h in header if not plain.match(h)), "units in %s" % header)
        expect("runtime [min]" in header and "TTS [min]" in header and "CNS [%]" in header,
               "header %s" % header)
        expect([v["variant"] for v in variants] == names.split(","), "CSV variants")
        for v, j in zip(variants, doc["variants"]):
            expect(number(v["runtime [min]"]) == round(j["runtime_min"], 1), "runtime of " + j["name"])
            expect(int(v["TTS [min]"]) == j["tts_min"], "TTS of " + j["name"])
            expect(int(v["first stop [m]"]) == j["firstStop_m"], "first stop of " + j["name"])
            expect(v["error"] == j.get("error", ""), "error of " + j["name"])
            for g in j["gases"]:
                expect(int(v["gas %d [l]" % g["number"]]) == g["litres"],
                       "litres of gas %d of %s" % (g["number"], j["name"]))
        expect(len(runtime) == len(doc["segments"]), "runtime lines %d, segments %d"
               % (len(runtime), len(doc["segments"])))
        for r, s in zip(runtime, doc["segments"]):
            expect(r["kind"] == s["kind"] and number(r["depth [m]"]) == round(s["depth_m"], 1) and
                   number(r["runtime [min]"]) == round(s["runtime_min"], 1) and
                   (r["gas"] or None) == s["gas"], "runtime line %s / %s" % (r, s))
        if not doc["variants"][0].get("error"):
            expect(runtime and runtime[-1]["kind"] == "surface", "no surface line")

for f in failures:
    print("FAIL", f)
print("%d rows, %d failures" % (len(rows), len(failures)))
sys.exit(1 if failures else 0)
