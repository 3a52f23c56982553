// SPDX-License-Identifier: GPL-3.0-or-later
// Replay time against the number of gas changes and the length: generated UDCF logbook files
// at 5 m with a switch between two mixes every 10 seconds (1,250 / 2,500 / 5,000 changes, 3.5
// to 14 hours), then 14 and 28 hours without a change, each replayed by
// `bathyra-cli --profile FILE simulate` with its default graphs. Prints the
// best wall time and the best processor time (user + system, which a busy machine disturbs
// less) of several whole-process runs per file, and the ratio of each to the previous file's;
// a replay linear in its changes and its length doubles, not quadruples, when they double.
//   bench_replay [CLI [RUNS]]   another bathyra-cli, and the number of runs per file (3)
#include "bench/bench_udcf.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPair>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace
{

double childCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Wall and processor seconds of one run.
QPair<double, double> runSeconds(const QString& cli, const QString& file, int* exitCode)
{
    const double cpuBefore = childCpuSeconds();
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(cli, {"--profile", file, "simulate"});
    p.waitForFinished(-1);
    *exitCode = p.exitCode();
    return {t.nsecsElapsed() / 1e9, childCpuSeconds() - cpuBefore};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QStringList args = QCoreApplication::arguments();
    const QString cli =
        args.size() > 1 ? args[1] : QCoreApplication::applicationDirPath() + "/../cli/bathyra-cli";
    const int runs = args.size() > 2 ? std::max(1, args[2].toInt()) : 3;
    // Three dives with ever more changes, then two without any, 14 and 28 hours long.
    const struct {
        int samples;
        bool switches;
    } dives[] = {{1250, true}, {2500, true}, {5000, true}, {5040, false}, {10080, false}};
    double previousWall = 0, previousCpu = 0;
    for (const auto& dive : dives) {
        const QString file =
            dir.filePath(QStringLiteral("dive_%1_%2.udcf").arg(dive.samples).arg(dive.switches));
        QFile f(file);
        const QByteArray data = benchudcf::generateUdcf(dive.samples, dive.switches);
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
            return 1;
        f.close();
        double wall = 1e30, cpu = 1e30;
        int exitCode = 0;
        for (int i = 0; i < runs; ++i) {
            const QPair<double, double> t = runSeconds(cli, file, &exitCode);
            wall = std::min(wall, t.first);
            cpu = std::min(cpu, t.second);
        }
        if (exitCode != 0) {
            std::fprintf(stderr, "bathyra-cli failed on %s (exit code %d)\n", qPrintable(file),
                         exitCode);
            return 1;
        }
        std::printf("%5d gas changes (%4.1f h at 5 m), best of %d: wall %7.2f s, processor %7.2f s",
                    dive.switches ? dive.samples : 0, dive.samples * 10 / 3600.0, runs, wall, cpu);
        if (previousWall > 0 && dive.samples != 5040)
            std::printf("  (x%.2f, x%.2f)", wall / previousWall, cpu / previousCpu);
        std::printf("\n");
        std::fflush(stdout);
        previousWall = wall;
        previousCpu = cpu;
    }
    return 0;
}
