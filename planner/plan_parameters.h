// SPDX-License-Identifier: GPL-3.0-or-later
// The planning inputs of a request by the names of the main window's fields ("GF_low",
// "O2_2", "dive_depth", "ccrMode", ...), for scripts and the command line that plan without
// the window. Each name takes the values its field takes: the same range and the same
// number of decimals, a switch true or false.
//
// Entry points: setPlanParameter, planParameter, planParameterNames, planParameterField,
// requestOfParamFile.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

class MessageSink;
class QSettings;

namespace planner
{

struct PlanRequest;

// Sets one input; returns why it was refused (unknown name, not a number, out of range),
// or an empty text.
QString setPlanParameter(PlanRequest& request, const QString& name, const QVariant& value);
// The input's value (a bool or a number); invalid for an unknown name.
QVariant planParameter(const PlanRequest& request, const QString& name);
QStringList planParameterNames();
// The field's range and its number of decimals (-1: a switch); false for an unknown name.
bool planParameterField(const QString& name, double& min, double& max, int& decimals);

// The plan of a parameter file (".div") as the main window plans it after Load: the image,
// the replay flags, surface pressure, ascent rate, bottom depth and time, and the cylinders.
// Findings of the image's validation go to sink.
PlanRequest requestOfParamFile(const QSettings& s, MessageSink* sink);

} // namespace planner
