// SPDX-License-Identifier: GPL-3.0-or-later
// Documentation screenshots (need a display; not a test): the comparison window with three
// plans of a 45 m dive (GF 30/85, GF 40/85, and GF 30/85 with Nx50 from 21 m; air in 24 l
// of 232 bar, Nx50 in 7 l of 200 bar, the rule two thirds: the bar lines, Nx50 past the rule)
// as plan_comparison.png, and the plan-against-log window for a drawn log that goes straight
// from 40 m to 3 m, above the ceiling, as plan_against_log.png, and the longest-bottom-time
// dialog for TTS at that depth as solve_dialog.png, in the given folder.
#include "app/log_check_window.h"
#include "app/plan_comparison_window.h"
#include "app/solve_dialog.h"
#include "docs/screenshots/programs/shot_program.h"
#include "planner/dive_parameters.h"
#include "planner/plan_parameters.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QtTest>
#include <cstdio>

namespace
{

// Sets the main window's fields by the planning inputs' names.
void set(Bathyra_Interface* w, const QString& assignments)
{
    planner::PlanRequest r = w->planRequest();
    for (const QString& a : assignments.split(' ', Qt::SkipEmptyParts))
        planner::setPlanParameter(r, a.section('=', 0, 0), a.section('=', 1));
    w->showRequest(r);
}

bool shoot(QWidget* window, const QString& file)
{
    window->show();
    QTest::qWait(400);
    const bool saved = window->grab().save(file);
    std::printf("%s %s\n", qPrintable(file), saved ? "saved" : "NOT saved");
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    ShotHome home;
    BathyraApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    Bathyra_Interface* w = startHeadless(app, home);
    set(w, "gradientFactor=true GF_low=30 GF_high=85 O2_1=21 He_1=0 gas_2=false gas_3=false "
           "gas_4=false gas_5=false dive_depth=45 dive_time=25");
    CylinderInputs cylinders;
    cylinders.litres[0] = 24;
    cylinders.fillBar[0] = 232;
    cylinders.litres[1] = 7;
    cylinders.fillBar[1] = 200;
    w->setCylinders(cylinders);
    PlanComparisonInterface* cmp = w->planComparison();
    cmp->addCurrentSlot();
    set(w, "GF_low=40");
    cmp->addCurrentSlot();
    set(w, "GF_low=30 gas_2=true O2_2=50 depth_2=21");
    cmp->addCurrentSlot();
    cmp->resize(1000, 760);
    bool ok = shoot(cmp, out + "/plan_comparison.png");
    cmp->hide();

    set(w, "gas_2=false dive_depth=40 dive_time=25");
    DiveProfile log;
    for (const QPointF& p : {QPointF(0, 0), {2, 40}, {25, 40}, {29, 3}, {45, 3}, {46, 0}})
        log.addPoint(p.x(), p.y());
    log.setGas(0, 1);
    const QString file = home.filePath("straight_up.uddf");
    logbook::save(log, file, &planner::currentImage());
    LogCheckInterface* check = w->logCheck();
    check->logFile()->setText(file);
    check->checkSlot();
    check->resize(900, 720);
    ok = shoot(check, out + "/plan_against_log.png") && ok;
    check->hide();

    SolveDialog* solve = w->solveDialog();
    solve->target()->setCurrentIndex(planner::SolveTarget::Tts);
    solve->solveSlot();
    ok = shoot(solve, out + "/solve_dialog.png") && ok;

    delete w;
    closeAppSettings();
    return ok ? 0 : 1;
}
