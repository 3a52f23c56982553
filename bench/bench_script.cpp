// SPDX-License-Identifier: GPL-3.0-or-later
// Plans per second through a script: bench_script.qs plans the 72 m / 41 min trimix dive
// of bench_runs 200 times in one `bathyra-cli --script` process. Printed next to the
// single plan of bench_runs (Simulate + Ascent in the main window, no plots), measured
// here the same way.
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "bench/bench_dive.h"
#include "planner/simulation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using benchdive::windowRun;

int main(int argc, char** argv)
{
    const benchdive::BenchHome home;
    BathyraApplication app(argc, argv);
    home.settings();

    Bathyra_Interface* w = startUp();
    double single = 1e9;
    for (int i = 0; i < 5; ++i) {
        planner::runState() = planner::RunState();
        single = std::min(single, windowRun(w, false));
    }
    delete w;
    closeAppSettings();

    const QString cli = QCoreApplication::applicationDirPath() + "/../cli/bathyra-cli";
    double best = 1e9;
    QByteArray loop;
    for (int i = 0; i < 3; ++i) {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(cli, {"--script", BATHYRA_BENCH_SCRIPT});
        p.waitForFinished(600000);
        const double s = t.nsecsElapsed() / 1e9;
        if (p.exitCode() != 0) {
            std::fprintf(stderr, "bathyra-cli failed:\n%s\n", p.readAllStandardError().constData());
            return 1;
        }
        if (s < best) {
            best = s;
            for (const QByteArray& line : p.readAllStandardError().split('\n'))
                if (line.startsWith("script loop"))
                    loop = line;
        }
    }
    std::printf("72 m / 41 min tx18/45 + Nx50 @21 m + O2 @6 m, simulate + ascent\n");
    std::printf("  bench_runs' single plan (main window, no plots)  %7.3f s = %6.1f plans/s\n",
                single, 1 / single);
    std::printf("  bathyra-cli --script, 200 plans (whole process)  %7.3f s = %6.1f plans/s\n",
                best, 200 / best);
    std::printf("  %s\n", loop.constData());
    return 0;
}
