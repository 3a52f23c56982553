// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's planning tools of the Planning menu: the longest bottom time, the plan
// comparison and the plan-against-log window, each created on first use and kept; and the
// way back from a compared plan into the fields (showRequest).
#include "app/bathyra_interface.h"

#include "app/log_check_window.h"
#include "app/plan_comparison_window.h"
#include "app/solve_dialog.h"
#include "planner/busy_state.h"
#include "planner/dive_parameters.h"

#include <QMenu>

void Bathyra_Interface::setupPlanTools()
{
    menuPlanning->addSeparator();
    QAction* solve = menuPlanning->addAction(tr("Longest bottom time..."));
    solve->setObjectName(QStringLiteral("actionSolveBottomTime"));
    connect(solve, &QAction::triggered, this, &Bathyra_Interface::solveSlot);
    QAction* compare = menuPlanning->addAction(tr("Compare plans..."));
    compare->setObjectName(QStringLiteral("actionComparePlans"));
    connect(compare, &QAction::triggered, this, &Bathyra_Interface::comparePlansSlot);
    QAction* check = menuPlanning->addAction(tr("Plan against log..."));
    check->setObjectName(QStringLiteral("actionPlanAgainstLog"));
    connect(check, &QAction::triggered, this, &Bathyra_Interface::planAgainstLogSlot);
}

void Bathyra_Interface::showRequest(const planner::PlanRequest& r)
{
    planner::currentImage() = r.image;
    planner::replayFlags() = r.flags;
    press_surface->setValue(r.surfaceMbar);
    dive_depth->setValue(static_cast<int>(r.depthMetres));
    dive_time->setValue(static_cast<int>(r.bottomMinutes));
    ascent->setValue(r.ascentRate);
    cylinders_ = r.cylinders;
    showParameters();
}

SolveDialog* Bathyra_Interface::solveDialog()
{
    if (!solveDialog_) {
        solveDialog_ = new SolveDialog(this);
        solveDialog_->currentRequest = [this] { return planRequest(); };
        solveDialog_->useAnswer = [this](int minutes) { dive_time->setValue(minutes); };
    }
    return solveDialog_;
}

PlanComparisonInterface* Bathyra_Interface::planComparison()
{
    if (!comparison_) {
        comparison_ = new PlanComparisonInterface(this);
        comparison_->currentRequest = [this] { return planRequest(); };
        comparison_->makeCurrent = [this](const planner::PlanRequest& r) { showRequest(r); };
    }
    return comparison_;
}

LogCheckInterface* Bathyra_Interface::logCheck()
{
    if (!logCheck_) {
        logCheck_ = new LogCheckInterface(this);
        logCheck_->currentRequest = [this] { return planRequest(); };
    }
    return logCheck_;
}

void Bathyra_Interface::solveSlot()
{
    if (BusyGuard::busy())
        return;
    solveDialog()->show();
    solveDialog()->raise();
}

void Bathyra_Interface::comparePlansSlot()
{
    if (BusyGuard::busy())
        return;
    planComparison()->show();
    planComparison()->raise();
}

void Bathyra_Interface::planAgainstLogSlot()
{
    if (BusyGuard::busy())
        return;
    logCheck()->show();
    logCheck()->raise();
}
