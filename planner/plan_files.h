// SPDX-License-Identifier: GPL-3.0-or-later
// The plan and its contingency set as data and as files other tools read: the runtime lines
// of a row (descent, bottom, ascent, gas switch, stop, surface with the ppO2 breathed there),
// the runtime and the variants as CSV (one table per file, a header row, the units in the
// header names, '.' as decimal mark) and the whole set as JSON (parameters, gases, segments
// and stops, variants; the structure is docs/plan.schema.json). Column names and JSON keys
// are fixed English words, not translated, so that scripts can rely on them.
//
// Entry points: PlanSet, makePlanSet, runtimeLines, contingencyText, runtimeCsv, contingencyCsv,
// planJson, writePlanFile.
#pragma once

#include "planner/contingency.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

namespace planner
{

struct PlanSet {
    PlanRequest request; // the base plan's inputs (request.replay is not kept alive)
    ContingencyOptions options;
    QVector<ContingencyRow> rows; // rows[0] is the base plan
    QDateTime created;
    bool replayed = false; // the base plan replays a profile
};

PlanSet makePlanSet(const PlanRequest& request, const ContingencyOptions& options);

struct RuntimeLine {
    enum Kind { Descent, Bottom, Ascent, Switch, Stop, Surface };
    Kind kind = Stop;
    float depthMetres = 0;
    float minutes = 0;        // duration; 0 for a switch and the surface
    float runtimeMinutes = 0; // at the end of the line
    int gas = 0;              // 1..5, 0 on the loop
    QString gasName;          // "" on the loop
    float setpointBar = 0;    // 0 in open circuit
    float ppO2Bar = 0;        // inspired at the line's depth
};

// The lines of a row's runtime in order. A line whose gas differs from the line before (after
// the bottom) and that is not itself a switch line gets a switch line before it.
QVector<RuntimeLine> runtimeLines(const ContingencyRow& row, const PlanRequest& request);
QString kindKey(RuntimeLine::Kind kind); // "descent", "bottom", ... as in the files
// The firmware version of the configuration, "major.minor".
QString firmwareText(const ConfigImage& image);
// MOD (m) of gas n at the image's ppO2 max (CF18).
int gasModMetres(const PlanRequest& request, int n);

// The variants as a plain text table for a console, the headers translated; a broken
// reserve is marked "!" after the bar.
QStringList contingencyText(const PlanSet& set);

QByteArray runtimeCsv(const PlanSet& set);     // the base plan's runtime lines
QByteArray contingencyCsv(const PlanSet& set); // one line per variant
QByteArray planJson(const PlanSet& set);

// By the ending: ".json" the whole set; ".csv" the runtime to the file and the variants to
// the file with "-contingency" before the ending. Throws a QString: "Cannot write '%1': %2"
// from the safe save, or the refusal of an unknown ending.
void writePlanFile(const QString& path, const PlanSet& set);
QString contingencyCsvPath(const QString& csvPath);

} // namespace planner
