// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the documentation screenshots of the main window, the settings dialog, the
// profile editor (also in German and Russian), the help window and the about splash. Run under a
// display (Xvfb):
//   HOME=$(mktemp -d) xvfb-run -a -s "-screen 0 1280x1024x24"
//   build/docs/screenshots/programs/bathyra_screenshots docs/screenshots
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "app/options.h"
#include "app/settings_dialog.h"
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
    w->gradientFactor->setChecked(true);
    w->O2_1->setValue(18);
    w->He_1->setValue(45);
    w->gas_1->setChecked(true);
    w->gas_2->setChecked(true);
    w->O2_2->setValue(50);
    w->depth_2->setValue(21);
    w->gas_3->setChecked(true);
    w->O2_3->setValue(100);
    w->depth_3->setValue(6);
    w->dive_depth->setValue(60);
    w->dive_time->setValue(20);
    w->gfGraph->setChecked(true);
    w->ppO2Graph->setChecked(true);
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
    w->ccrMode->setChecked(true);
    w->gradientFactor->setChecked(true);
    w->GF_low->setValue(30);
    w->GF_high->setValue(70);
    w->O2_1->setValue(10);
    w->He_1->setValue(50); // diluent
    w->gas_2->setChecked(true);
    w->O2_2->setValue(18);
    w->He_2->setValue(45); // bailout without a switch depth
    w->gas_3->setChecked(true);
    w->O2_3->setValue(50);
    w->depth_3->setValue(30); // deeper than its MOD
    w->gas_4->setChecked(true);
    w->O2_4->setValue(15);
    w->depth_4->setValue(40); // hypoxic nitrox
    w->gas_5->setChecked(true);
    w->O2_5->setValue(100);
    w->depth_5->setValue(6);
    w->ppo2_1->setValue(1.3);
    w->ppo2_2->setValue(0.7);
    w->ppo2_3->setValue(1.2);
    w->dive_depth->setValue(90);
    w->dive_time->setValue(25);
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
        w->ocrMode->setChecked(true);
        w->gas_1->setChecked(true);
        w->O2_1->setValue(21);
        w->He_1->setValue(35);
        w->gas_2->setChecked(true);
        w->O2_2->setValue(50);
        w->He_2->setValue(0);
        w->depth_2->setValue(21);
        w->gas_3->setChecked(true);
        w->O2_3->setValue(100);
        w->He_3->setValue(0);
        w->depth_3->setValue(6);
        w->gas_4->setChecked(false);
        w->O2_4->setValue(21);
        w->He_4->setValue(0);
        w->depth_4->setValue(0);
        w->gas_5->setChecked(false);
        w->interval->setValue(-10);
        w->dive_depth->setValue(50);
        w->dive_time->setValue(20);
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
