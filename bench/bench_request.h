// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark dive as a request of the planning core, set by the fields' names.
#pragma once

#include "bench/bench_dive_inputs.h"
#include "planner/plan_core.h"
#include "planner/plan_parameters.h"

#include <cstdio>

namespace benchdive
{

inline planner::PlanRequest benchRequest()
{
    planner::PlanRequest r;
    for (const auto& s : sets) {
        const QString error = planner::setPlanParameter(r, s[0], QString(s[1]));
        if (!error.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(error));
    }
    return r;
}

} // namespace benchdive
