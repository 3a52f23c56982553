// SPDX-License-Identifier: GPL-3.0-or-later
// The one-page slate of a plan set, drawn with QPainter only (no widgets), so that the plan
// sheet window, its print and the command line's `slate` step draw the same page: a header
// (model and gradient factors, surface pressure, SACs, circuit, the configuration's firmware
// version), the gases (name, MOD at the ppO2 max, switch depth, cylinder), the base plan's
// runtime (depth, stop minutes, runtime, gas, ppO2 at the stop) with every gas switch on its
// own line, the variants' runtimes as extra columns, the variants' figures with bar per
// cylinder, and a footer (program version, date, whose computations these are). Black on
// white; a broken reserve is bold and marked "!" as well as red, so a grey print keeps it.
// The page is laid out 1000 units wide and scaled to the page, smaller when it would not fit.
//
// Entry points: paintSlate, saveSlate, slatePageSize.
#pragma once

#include "planner/plan_files.h"

#include <QPageSize>
#include <QRectF>
#include <QString>

class QPainter;

namespace planner
{

void paintSlate(QPainter& painter, const QRectF& page, const PlanSet& set);

// ".pdf" (one page of the given size), ".svg" or ".png" (the page at 150 dpi), through the
// safe save; throws "Cannot write '%1': %2" or the refusal of another ending.
void saveSlate(const QString& path, const PlanSet& set, QPageSize::PageSizeId size = QPageSize::A4);

// "A4", "A5", "letter", "half-letter" (case ignored) to a page size; A4 for anything else.
QPageSize::PageSizeId slatePageSize(const QString& name, bool* known = nullptr);

} // namespace planner
