// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the documentation screenshots of the main window, the settings dialog, the
// profile editor (also in German and Russian), the help window and the about splash. Run under a
// display (Xvfb):
//   HOME=$(mktemp -d) xvfb-run -a -s "-screen 0 1280x1024x24"
//   build/docs/screenshots/programs/bathyra_screenshots docs/screenshots
#include "docs/screenshots/programs/shot_program.h"
#include "planner/dive_parameters.h"
#include "plot/plot_interface.h"
#include "profiles/dive_profile.h"
#include "tests/profiles/editor_driver.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSplashScreen>
#include <QTest>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>

namespace
{

void shoot(QWidget* widget, const QString& path)
{
    widget->show();
    widget->raise();
    QTest::qWait(300);
    if (!widget->grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}

} // namespace

int main(int argc, char** argv)
{
    BathyraApplication app(argc, argv);
    app.setStyleSheet(styleSheet());
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    Bathyra_Interface* w = startUp();
    app.setConsole(w);

    shoot(w->splash(), out.filePath("about.png"));
    w->splash()->close();
    shoot(w, out.filePath("main_window.png"));

    // A trimix dive planned end to end: two runs, an added runtime and both plots.
    const ShotField trimix[] = {
        {"gradientFactor", 1}, {"O2_1", 18},      {"He_1", 45},   {"gas_1", 1},    {"gas_2", 1},
        {"O2_2", 50},          {"depth_2", 21},   {"gas_3", 1},   {"O2_3", 100},   {"depth_3", 6},
        {"dive_depth", 60},    {"dive_time", 20}, {"gfGraph", 1}, {"ppO2Graph", 1}};
    setFields(w, trimix);
    w->pressureDiagramSlot();
    w->simulateSlot();
    w->interval->setValue(0);
    w->dive_depth->setValue(45);
    w->dive_time->setValue(5);
    w->simulateSlot();
    w->addRuntimeSlot();
    w->ascentSlot();
    w->divePlot()->resize(1000, 600);
    w->tissuePlot()->resize(1000, 600);
    shoot(w, out.filePath("main_window_simulation.png"));
    shoot(w->divePlot(), out.filePath("plot_dive.png"));
    shoot(w->tissuePlot(), out.filePath("plot_tissues.png"));
    {
        // The cross-hair over the deepest part of the dive, its tracker text in full.
        w->tissuePlot()->hide();
        w->divePlot()->raise();
        QwtPlot* plot = w->divePlot()->plot();
        plot->replot();
        const QPoint at(qRound(plot->transform(QwtPlot::xBottom, 13.5)),
                        qRound(plot->transform(QwtPlot::yLeft, 30.5)));
        QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(plot->canvas(), &move);
        // From the screen: the tracker is an overlay with a mask, which a grab of the
        // widget does not apply.
        QTest::qWait(300);
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(w->divePlot()->winId());
        if (!screen.save(out.filePath("plot_dive_crosshair.png")))
            qFatal("cannot write the cross-hair screenshot");
    }
    w->divePlot()->hide();
    w->tissuePlot()->hide();
    w->interval->setValue(-10);
    w->gas_1->setChecked(false);
    w->depth_2->setValue(0);
    w->clearMessages();

    // A CCR trimix set-up with mistakes the window points out in red.
    // The diluent 10/50, a bailout 18/45 without a switch depth, an EAN50 from 30 m (deeper
    // than its MOD) and a hypoxic nitrox from 40 m.
    const ShotField ccr[] = {
        {"ccrMode", 1},  {"gradientFactor", 1}, {"GF_low", 30},   {"GF_high", 70}, {"O2_1", 10},
        {"He_1", 50},    {"gas_2", 1},          {"O2_2", 18},     {"He_2", 45},    {"gas_3", 1},
        {"O2_3", 50},    {"depth_3", 30},       {"gas_4", 1},     {"O2_4", 15},    {"depth_4", 40},
        {"gas_5", 1},    {"O2_5", 100},         {"depth_5", 6},   {"ppo2_1", 1.3}, {"ppo2_2", 0.7},
        {"ppo2_3", 1.2}, {"dive_depth", 90},    {"dive_time", 25}};
    setFields(w, ccr);
    w->applyParameters(true);
    for (int n = 1; n <= 5; ++n)
        w->message(QStringLiteral("Gas %1: %2").arg(n).arg(w->gasName(n)));
    w->loadEngineGases();
    try {
        w->setDepth(0.0f);
        w->message("Diluent at the surface: ppO2 " +
                   QString::number(planner::plannerEngine().in_ppo2_cbar) + " cbar");
    } catch (const QString& e) {
        w->message("<font color='red'><b>" + e + "</b></font>");
    }
    shoot(w, out.filePath("main_window_ccr_trimix.png"));

    auto* settings = new Settings(w);
    shoot(settings, out.filePath("settings_dialog.png"));
    settings->reject();
    delete settings;

    w->helpSlot();
    shoot(w->helpWindow(), out.filePath("help_window.png"));

    // The main window after a translated run, and the settings dialog, in German and Russian.
    w->helpWindow()->hide();
    const struct {
        const char* code;
        int index; // in the settings dialog's language list
    } languages[] = {{"DE", 0}, {"RU", 5}};
    for (const auto& language : languages) {
        programOptions().language = QLatin1String(language.code);
        Settings::loadTranslations();
        const QString lower = QString::fromLatin1(language.code).toLower();
        w->clearMessages();
        const ShotField translated[] = {
            {"ocrMode", 1}, {"gas_1", 1},      {"O2_1", 21},       {"He_1", 35},
            {"gas_2", 1},   {"O2_2", 50},      {"He_2", 0},        {"depth_2", 21},
            {"gas_3", 1},   {"O2_3", 100},     {"He_3", 0},        {"depth_3", 6},
            {"gas_4", 0},   {"O2_4", 21},      {"He_4", 0},        {"depth_4", 0},
            {"gas_5", 0},   {"interval", -10}, {"dive_depth", 50}, {"dive_time", 20}};
        setFields(w, translated);
        w->simulateSlot();
        w->divePlot()->hide();
        w->tissuePlot()->hide();
        shoot(w, out.filePath(QStringLiteral("main_window_%1.png").arg(lower)));

        auto* dialog = new Settings(w); // loads the stored language: choose it again
        dialog->languageMenu->setCurrentIndex(language.index);
        dialog->languageSlot(language.index);
        shoot(dialog, out.filePath(QStringLiteral("settings_dialog_%1.png").arg(lower)));
        dialog->reject();
        delete dialog;
    }
    // A three-leg dive drawn in the profile editor, with a switch to the EAN50 at 21 m.
    w->ocrMode->setChecked(true);
    w->applyParameters(true);
    ProfileEditorInterface* editor = w->profileEditor();
    editor->setProfile(nullptr);
    editor->resize(1000, 620);
    editor->show();
    QTest::qWait(100);
    for (const auto& [minutes, metres] : {std::pair{25, 40}, {8, 21}, {10, 6}})
        addLeg(*editor, minutes, metres);
    setGasAt(*editor, editor->profile()->times()[3], 2);
    // The pointer near the end of the bottom: the tracker and the marked nearest point show.
    QCursor::setPos(editor->plot->canvas()->mapToGlobal(editorPixel(*editor, 25.8, 34)));
    shoot(editor, out.filePath("profile_editor.png"));
    // The same drawing after a switch to German and to Russian.
    for (const char* code : {"DE", "RU"}) {
        programOptions().language = QLatin1String(code);
        Settings::loadTranslations();
        shoot(
            editor,
            out.filePath(
                QStringLiteral("profile_editor_%1.png").arg(QString::fromLatin1(code).toLower())));
    }
    editor->hide();

    app.setConsole(nullptr);
    delete w;
    closeAppSettings();
    return 0;
}
