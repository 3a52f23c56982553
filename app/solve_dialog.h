// SPDX-License-Identifier: GPL-3.0-or-later
// The longest-bottom-time dialog of the Planning menu: a target (no decompression, runtime,
// TTS or total stop time at most a number of minutes, every cylinder within the reserve
// rule) and the answer for the main window's current depth, parameters and cylinders ("longest
// bottom time: 27 min for TTS ≤ 45 min").
//
// Entry points: SolveDialog, SolveDialog::solveSlot.
#pragma once

#include "app/plan_tool_dialog.h"
#include "planner/bottom_time_solver.h"

#include <functional>

class QComboBox;
class QLabel;
class QSpinBox;

class SolveDialog : public PlanToolDialog
{
    Q_OBJECT
public:
    explicit SolveDialog(QWidget* parent = nullptr);

    // Puts the answer into the main window's bottom time.
    std::function<void(int minutes)> useAnswer;

    QComboBox* target() const { return target_; }
    QLabel* answer() const { return answer_; }

public slots:
    void solveSlot();

private:
    QComboBox* target_;
    QSpinBox* limit_;
    QLabel* answer_;
    int found_ = 0;
};
