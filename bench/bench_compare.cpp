// SPDX-License-Identifier: GPL-3.0-or-later
// The planning tools through the planning core, no window: the longest bottom time for
// TTS ≤ 60 min at 60 m on trimix (Tx18/45, Nx50 from 21 m, O2 from 6 m, GF 30/85), and the
// comparison of eight plans of the benchmark dive (GF 30/85 .. 65/85, with gas volumes and
// curves). Best of five rounds each; the goal is under 0.3 s.
#include "bench/bench_request.h"
#include "planner/bottom_time_solver.h"
#include "planner/plan_comparison.h"
#include "planner/plan_parameters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace
{

template <typename F> double bestSeconds(F f)
{
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer t;
        t.start();
        f();
        best = std::min(best, t.nsecsElapsed() / 1e9);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    planner::PlanRequest request = benchdive::benchRequest();
    request.depthMetres = 60;

    planner::SolveTarget target;
    target.kind = planner::SolveTarget::Tts;
    target.limitMinutes = 60;
    planner::SolveAnswer answer;
    const double solve = bestSeconds([&] { answer = planner::solveBottomTime(request, target); });
    std::printf("solve 60 m Tx18/45 + Nx50 + O2, TTS <= 60 min\n");
    std::printf("  %s, %d plans\n", qPrintable(answer.text()), answer.plans);
    std::printf("  %.3f s%s\n", solve, solve < 0.3 ? "" : "  (over 0.3 s)");

    request = benchdive::benchRequest();
    int columns = 0;
    const double compare = bestSeconds([&] {
        planner::PlanComparison cmp;
        for (int i = 0; i < 8; ++i) {
            planner::PlanRequest r = request;
            planner::setPlanParameter(r, QStringLiteral("GF_low"), 30 + 5 * i);
            cmp.add(r);
        }
        columns = cmp.rows().first().values.size();
    });
    std::printf("compare 8 plans of 72 m / 41 min (ascent, gas volumes, curves)\n");
    std::printf("  %d columns, %.3f s%s\n", columns, compare,
                compare < 0.3 ? "" : "  (over 0.3 s)");
    return 0;
}
