// SPDX-License-Identifier: GPL-3.0-or-later
// Draws both plot windows from real simulation runs (a 40 m dive of 20 minutes on air
// with a nitrox 50 deco gas, its computed plan, then the ascent) and saves window grabs:
// plot_screenshots OUTPUT_DIR [LANGUAGE]. With a language (de, ru, ...) the dive plot is drawn
// in it, from the translations beside the program, and saved as plot_dive_<language>.png.
// Run it under a real display (xvfb-run).
#include "device/config_image.h"
#include "device/message_sink.h"
#include "engine/engine.h"
#include "planner/decoplan.h"
#include "planner/simulation.h"
#include "plot/plot_interface.h"
#include "profiles/dive_profile.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPixmap>
#include <QStandardPaths>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    const QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]).toLower() : QString();
    QTranslator translator, qtTranslator;
    if (!language.isEmpty()) {
        // Qt's own texts (the Close button) as the program shows them.
        if (qtTranslator.load("qt_" + language,
                              QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtTranslator);
        if (!translator.load("bathyra_" + language, QCoreApplication::applicationDirPath()))
            qFatal("no translation for %s", qPrintable(language));
        QCoreApplication::installTranslator(&translator);
    }

    ConfigImage image = ConfigImage::defaultImage();
    image.setByte(ConfigImage::deco_type, 4);
    image.setGasO2(1, 21);
    image.setGasHe(1, 0);
    image.setGasActive(1, true);
    image.setGasO2(2, 50);
    image.setGasHe(2, 0);
    image.setGasDepth(2, 21);
    image.setGasActive(2, true);
    engine::engine_state s;
    s.in_surface_pressure_mbar = 1013;
    s.in_ambient_pressure_mbar = 1013;
    s.config_image = image.data();
    planner::runState() = planner::RunState();

    PlotInterface dive;
    dive.setSources(&image, &s);
    dive.setWindowTitle(QCoreApplication::translate("Window Title", "Dive profile"));
    dive.setup(true, 40);
    for (RunPlot::Slot slot : {RunPlot::Depth, RunPlot::Ceiling, RunPlot::Gf})
        dive.setCurveEnabled(slot, true);

    PlotInterface tissues;
    tissues.setSources(&image, &s);
    tissues.setWindowTitle(QCoreApplication::translate("Window Title", "Tissues plot"));
    tissues.setup(false, 40);

    CollectingSink console;
    std::unique_ptr<DiveProfile> profile;
    planner::RunEnvironment env;
    env.image = &image;
    env.engine = &s;
    env.console = &console;
    env.clearMessages = [&] { console.lines.clear(); };
    env.divePlot = &dive;
    env.tissuePlot = &tissues;

    planner::Simulation::appendPlannedSegment(profile, false, -1, 40.0f, 20.0f, image);
    env.profile = profile.get();
    {
        planner::Simulation sim(env);
        sim.runSimulation(-1, profile.get());
    }
    Decoplan plan(s, image, profile.get());
    plan.create(false);
    dive.addRuntime(plan);
    {
        planner::Simulation sim(env);
        sim.ascendTo(0, 10);
    }

    dive.resize(1000, 600);
    dive.show();
    tissues.resize(1000, 600);
    tissues.show();
    app.processEvents();
    if (!language.isEmpty()) {
        dive.grab().save(out + "/plot_dive_" + language + ".png");
        return 0;
    }
    dive.grab().save(out + "/plot_dive.png");
    tissues.grab().save(out + "/plot_tissues.png");
    return 0;
}
