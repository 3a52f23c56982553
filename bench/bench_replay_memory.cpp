// SPDX-License-Identifier: GPL-3.0-or-later
// Memory of repeated replays in one process: a generated 28-hour UDCF log (a sample every 10 s
// at 5 m) replayed 20 times in the main window with its default graphs (depth, ceiling,
// NDL/stop), each run a new dive, the console cleared after each. Prints the resident memory
// after each replay, first with the plot keeping the earlier runs' curves (what a diver sees),
// then in a second window with the plot cleared before each replay. The earlier runs' curves
// must not grow the memory by the whole run each time.
//   bench_replay_memory [REPLAYS [HOURS [wavy]]]   (20 replays of 28 hours at 5 m; wavy: the
//   dive goes between 5 and 14 m, so that every curve changes all the time)
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "bench/bench_dive.h"
#include "bench/bench_udcf.h"
#include "planner/dive_parameters.h"
#include "planner/simulation.h"
#include "plot/plot_interface.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QSpinBox>

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace
{

double residentMB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Replays the log `replays` times in a fresh window; prints the resident memory after each.
bool replays(const QString& file, int count, bool clearPlot)
{
    Bathyra_Interface* w = startUp();
    w->setHeadless(true); // as in bathyra-cli: the plot window is made but not shown
    auto profile = std::make_unique<DiveProfile>();
    try {
        logbook::load(*profile, file, &planner::currentImage(), w);
    } catch (const QString& error) {
        std::fprintf(stderr, "cannot load %s: %s\n", qPrintable(file), qPrintable(error));
        delete w;
        return false;
    }
    w->setCurrentProfile(std::move(profile));
    w->showParameters();
    w->replayMode->setChecked(true);
    std::printf("%s\n", clearPlot ? "plot cleared before each replay"
                                  : "plot keeping the earlier runs (as shown to the diver)");
    std::printf("  before the first replay  %7.1f MB\n", residentMB());
    for (int i = 1; i <= count; ++i) {
        planner::runState() = planner::RunState();
        w->findChild<QSpinBox*>(QStringLiteral("interval"))->setValue(-10); // Reset: a new dive
        if (clearPlot && w->divePlot())
            w->clearProfileSlot();
        w->simulateSlot();
        w->clearMessages();
        QCoreApplication::processEvents();
        const PlotInterface* plot = w->divePlot();
        std::printf("  replay %2d                %7.1f MB  (%d curves)\n", i, residentMB(),
                    plot ? int(plot->curveList().size() + plot->itemList().size()) : 0);
        std::fflush(stdout);
    }
    delete w;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const benchdive::BenchHome home;
    BathyraApplication app(argc, argv);
    home.settings();
    const QStringList args = QCoreApplication::arguments();
    const int count = args.size() > 1 ? std::max(1, args[1].toInt()) : 20;
    const double hours = args.size() > 2 ? std::max(0.1, args[2].toDouble()) : 28.0;
    const bool wavy = args.size() > 3 && args[3] == QLatin1String("wavy");

    const QString file = home.dir.filePath(QStringLiteral("long.udcf"));
    QFile f(file);
    const QByteArray data = benchudcf::generateUdcf(int(hours * 360), false, wavy);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        return 1;
    f.close();
    std::printf("%d replays of a %.1f-hour log (%d samples, %s), default graphs\n", count, hours,
                int(hours * 360), wavy ? "5 to 14 m" : "at 5 m");
    const bool ok = replays(file, count, false) && replays(file, count, true);
    closeAppSettings();
    return ok ? 0 : 1;
}
