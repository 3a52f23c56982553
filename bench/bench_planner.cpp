// SPDX-License-Identifier: GPL-3.0-or-later
// Plans per second through the planning core: the 72 m / 41 min trimix dive of bench_runs
// (Simulate + Ascent) planned 200 times on one core, without and with the console lines,
// and with the gas volumes. No window, no script host.
#include "bench/bench_request.h"
#include "planner/plan_core.h"
#include "planner/plan_parameters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace
{

// Best of five rounds of n plans; plans per second.
double rate(const planner::PlanRequest& request, int n)
{
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < n; ++i) {
            planner::PlanningCore core;
            const planner::PlanResult r = core.plan(request);
            if (!r.ok())
                std::fprintf(stderr, "%s\n", qPrintable(r.error));
        }
        best = std::min(best, t.nsecsElapsed() / 1e9);
    }
    return n / best;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    planner::PlanRequest request = benchdive::benchRequest();
    if (argc > 1) { // a fixed number of plans and nothing else, for a profiler
        const int n = QString::fromLocal8Bit(argv[1]).toInt();
        for (int i = 0; i < n; ++i)
            planner::PlanningCore().plan(request);
        return 0;
    }
    std::printf("72 m / 41 min tx18/45 + Nx50 @21 m + O2 @6 m, simulate + ascent, 200 plans\n");
    std::printf("  planning core                        %7.1f plans/s\n", rate(request, 200));
    request.keepMessages = true;
    std::printf("  planning core, console lines kept    %7.1f plans/s\n", rate(request, 200));
    request.keepMessages = false;
    request.gasVolumes = true;
    std::printf("  planning core, with gas volumes      %7.1f plans/s\n", rate(request, 200));
    return 0;
}
