// SPDX-License-Identifier: GPL-3.0-or-later
// The plan steps of bathyra-cli: `contingency` prints the contingency set of the current
// fields, `slate FILE.pdf|.svg|.png` saves its one-page slate, and the global options
// `--plan-out FILE.csv|.json` (the set written after the last step), `--deeper METRES`,
// `--longer MINUTES` and `--page A4|A5|letter|half-letter`.
//
// Entry points: parsePlanArgument, isPlanStep, runPlanStep, writePlanOut, planUsageText.
#pragma once

#include <QString>
#include <QStringList>

class Bathyra_Interface;

struct PlanCliOptions {
    QString planOut;
    float deeperMetres = 5;
    float longerMinutes = 5;
    QString page = QStringLiteral("A4");
};

extern const char* const planUsageText;
extern const char* const planOptionsText;

// Takes args[i] (and its value, moving i) when it is a plan option or step; a step is
// returned in step/argument. Returns false when args[i] is none of them; error tells why a
// recognised one is malformed.
bool parsePlanArgument(const QStringList& args, int& i, PlanCliOptions& options, QString& step,
                       QString& argument, QString& error);
bool isPlanStep(const QString& name);
// Throws the failure text (a file that cannot be written).
void runPlanStep(Bathyra_Interface* window, const QString& name, const QString& argument,
                 const PlanCliOptions& options);
// The set of the fields as they stand after the steps into options.planOut (if given).
void writePlanOut(Bathyra_Interface* window, const PlanCliOptions& options);
