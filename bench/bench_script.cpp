// Plans per second through a script: bench_script.qs plans the 72 m / 41 min trimix dive
// of bench_runs 200 times in one `bathyra-cli --script` process. Printed next to the
// single plan of bench_runs (Simulate + Ascent in the main window, no plots), measured
// here the same way.
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "planner/simulation.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

const char* const sets[][2] = {{"gradientFactor", "true"},
                               {"GF_low", "30"},
                               {"GF_high", "85"},
                               {"O2_1", "18"},
                               {"He_1", "45"},
                               {"gas_2", "true"},
                               {"O2_2", "50"},
                               {"depth_2", "21"},
                               {"gas_3", "true"},
                               {"O2_3", "100"},
                               {"depth_3", "6"},
                               {"dive_depth", "72"},
                               {"dive_time", "41"}};
const char* const graphs[] = {"depthGraph", "ceilGraph", "leadGraph", "gfGraph",
                              "ppO2Graph",  "cnsGraph",  "ndlGraph"};

// One plan in the main window, no plots: the figure bench_runs prints as "the runs alone".
double windowPlan(Bathyra_Interface* w)
{
    for (const auto& s : sets) {
        QWidget* widget = w->findChild<QWidget*>(s[0]);
        if (auto* b = qobject_cast<QAbstractButton*>(widget))
            b->setChecked(QString(s[1]) == "true");
        else if (auto* spin = qobject_cast<QSpinBox*>(widget))
            spin->setValue(QString(s[1]).toInt());
    }
    for (const char* g : graphs)
        w->findChild<QAbstractButton*>(g)->setChecked(false);
    w->findChild<QSpinBox*>("interval")->setValue(-10);
    QElapsedTimer t;
    t.start();
    w->simulateSlot();
    w->ascentSlot();
    return t.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("HOME",
            dir.path().toLocal8Bit()); // the script's report files stay out of the real home
    BathyraApplication app(argc, argv);
    setAppSettingsPath(dir.filePath("bench.ini"));

    Bathyra_Interface* w = startUp();
    double single = 1e9;
    for (int i = 0; i < 5; ++i) {
        planner::runState() = planner::RunState();
        single = std::min(single, windowPlan(w));
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
