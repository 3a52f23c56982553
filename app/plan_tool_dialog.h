// SPDX-License-Identifier: GPL-3.0-or-later
// The planning tools of the Planning menu (solve, compare, plan against log) are dialogs that
// work on the main window's current plan: the hub gives each the call that makes it.
#pragma once

#include "planner/plan_core.h"

#include <QDialog>
#include <functional>

class PlanToolDialog : public QDialog
{
public:
    using QDialog::QDialog;

    // The main window's current plan: its depth, bottom time, parameters, image and cylinders.
    std::function<planner::PlanRequest()> currentRequest;
};
