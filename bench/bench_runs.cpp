// SPDX-License-Identifier: GPL-3.0-or-later
// Wall time of Simulate + Ascent for a 72 m / 41 min trimix dive with deco gases:
//  (1) through bathyra-cli with every graph off, one process per plan (start-up included),
//  (2) in the main window on the offscreen platform with all seven graphs and the
//      tissue plot open.
// Each figure is the best of several runs.
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "bench/bench_dive.h"
#include "planner/simulation.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace benchdive;

namespace
{

double cliRun(const QString& cli)
{
    QStringList args;
    for (const auto& s : sets)
        args << "--set" << QStringLiteral("%1=%2").arg(s[0], s[1]);
    for (const char* g : graphs)
        args << "--set" << QStringLiteral("%1=false").arg(g);
    args << "simulate"
         << "ascent";
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(cli, args);
    p.waitForFinished(120000);
    return t.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    const benchdive::BenchHome home;
    BathyraApplication app(argc, argv);
    home.settings();
    const QString cli = QCoreApplication::applicationDirPath() + "/../cli/bathyra-cli";

    std::vector<double> times;
    for (int i = 0; i < 20; ++i)
        times.push_back(cliRun(cli));
    std::sort(times.begin(), times.end());
    std::printf("72 m / 41 min tx18/45 + Nx50 @21 m + O2 @6 m, simulate + ascent\n");
    std::printf("  bathyra-cli, no plots (whole process)      %7.3f s best, %.3f s median of 20\n",
                times.front(), times[times.size() / 2]);

    for (bool plots : {false, true}) {
        Bathyra_Interface* w = startUp();
        double bestGui = 1e9;
        for (int i = 0; i < 3; ++i) {
            planner::runState() = planner::RunState();
            bestGui = std::min(bestGui, windowRun(w, plots));
        }
        std::printf(plots ? "  main window, 7 graphs + tissue plot        %7.3f s\n"
                          : "  main window, no plots (the runs alone)     %7.3f s\n",
                    bestGui);
        delete w;
    }
    closeAppSettings();
    return 0;
}
