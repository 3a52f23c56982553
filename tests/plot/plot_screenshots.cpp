// Draws a dive plot with two synthetic runs and a runtime, and a tissue plot of a
// synthetic dive, and saves window grabs: plot_screenshots OUTPUT_DIR. Run it under a
// real display (xvfb-run) to see what a diver sees.
#include "device/config_image.h"
#include "engine/engine.h"
#include "planner/decoplan.h"
#include "plot/plot_interface.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QStandardPaths>

#include <cmath>

namespace {

// A simple square profile with stops: depth (m) at minute t.
double depthAt(double t, double bottom, double bottomTime)
{
    if (t < bottom / 20)
        return t * 20;
    if (t < bottomTime)
        return bottom;
    double d = bottom - (t - bottomTime) * 10;
    const double stops[][2] = {{9, 2}, {6, 4}, {3, 8}};
    double at = bottomTime + (bottom - 9) / 10;
    for (const auto& s : stops) {
        if (t < at)
            return std::max(d, s[0]);
        if (t < at + s[1])
            return s[0];
        at += s[1] + 0.3;
        d = s[0] - (t - at + 0.3) * 10;
    }
    return std::max(0.0, d);
}

void run(PlotInterface& w, double bottom, double bottomTime, double start)
{
    w.setup(true, bottom);
    for (int s = 0; s < RunPlot::SlotCount; ++s)
        w.setCurveEnabled(RunPlot::Slot(s), s == RunPlot::Depth || s == RunPlot::Ceiling || s == RunPlot::Gf
                                                 || s == RunPlot::PpO2);
    w.profile(RunPlot::Depth)->setup("depth", bottom);
    w.profile(RunPlot::Ceiling)->setup("ceiling", 0);
    w.profile(RunPlot::PpO2)->setup("ppO2", bottom / 10);
    w.profile(RunPlot::Gf)->setup("GF", 100);
    w.profile(RunPlot::Depth)->addPoint(start, 0);
    w.profile(RunPlot::Depth)->addGas(start, 0, 1);
    const double end = bottomTime + bottom / 10 + 18;
    for (double t = 0; t <= end; t += 1.0 / 30) {
        const double d = depthAt(t, bottom, bottomTime);
        const double x = start + t;
        w.profile(RunPlot::Depth)->addPoint(x, d);
        const double ceiling = t < bottomTime * 0.6 ? 0 : std::max(0.0, std::min(9.0, (end - t) * 0.6) - 1);
        w.profile(RunPlot::Ceiling)->addPoint(x, std::floor(ceiling / 3) * 3);
        w.profile(RunPlot::PpO2)->addPoint(x, 0.21 * (1 + d / 10));
        w.profile(RunPlot::Gf)->addPoint(x, std::min(95.0, t > bottomTime ? (t - bottomTime) * 6 : t));
        if (std::abs(t - (bottomTime + (bottom - 6) / 10 + 2)) < 1e-6)
            w.profile(RunPlot::Depth)->addGas(x, 6, 2);
    }
    for (int s = 0; s < RunPlot::SlotCount; ++s)
        w.profile(RunPlot::Slot(s))->retire();
    w.replot();
}

DecoplanStop rec(int kind, float runtime, float depth, float duration, int gas)
{
    DecoplanStop r;
    r.kind = kind;
    r.runtime = runtime;
    r.depth = depth;
    r.duration = duration;
    r.gas = gas;
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    ConfigImage image = ConfigImage::defaultImage();
    image.setGasO2(1, 21);
    image.setGasHe(1, 0);
    image.setGasO2(2, 50);
    image.setGasHe(2, 0);
    image.setByte(ConfigImage::deco_type, 4);
    engine::engine_state engine;
    engine.in_surface_pressure_mbar = 1013;

    PlotInterface dive;
    dive.setSources(&image, &engine);
    dive.setWindowTitle("Dive profile");
    run(dive, 40, 20, 0);
    run(dive, 30, 25, 0);
    dive.addRuntimeRecords({rec(0, 20, 40, 20, 1), rec(0, 26.1, 9, 2, 1), rec(0, 26.4, 6, 0, 2),
                            rec(0, 30.4, 6, 4, 2), rec(0, 38.7, 3, 8, 2), rec(0, 39.7, 0, 0, 2)},
                           "OC, GF 30/85", 20);
    dive.resize(1000, 600);
    dive.show();

    PlotInterface tissues;
    tissues.setSources(&image, &engine);
    tissues.setWindowTitle("Tissues plot");
    tissues.setup(false, 40);
    tissues.clearTissues();
    tissues.addTissueGasLabel(1.013, 0.25, 1);
    float p[engine::compartment_count];
    for (float& v : p)
        v = 0.7902f * (1.013f - 0.0627f);
    for (double t = 0; t <= 45; t += 1.0 / 30) {
        const double amb = 1.013 + depthAt(t, 40, 20) / 10.0;
        const double inspired = (amb - 0.0627) * 0.7902;
        for (int i = 0; i < engine::compartment_count; ++i) {
            p[i] += (inspired - p[i]) * (1 - std::pow(2.0, -(2.0 / 60) / engine::zhl16c[i].n2_half_time_min));
            tissues.addTissuePoint(i, amb, p[i]);
        }
    }
    tissues.flushTissues();
    tissues.resize(1000, 600);
    tissues.show();

    app.processEvents();
    dive.grab().save(out + "/plot_dive.png");
    tissues.grab().save(out + "/plot_tissues.png");
    return 0;
}
