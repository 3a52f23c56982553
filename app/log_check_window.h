// SPDX-License-Identifier: GPL-3.0-or-later
// The plan-against-log window: a logbook file, the configuration it was dived with (the
// current image, a parameter file, or read from the computer over the settings' port into an
// image of its own: the program's current image stays as it is) and the plan made for it (the
// current parameters or a parameter file). Check replays the log through the engine and shows the
// figures of plan and log side by side, the intervals spent above the computed ceiling, and one
// plot with the plan's depth, the log's depth and ceiling and the intervals shaded.
//
// Entry points: LogCheckInterface, LogCheckInterface::check.
#pragma once

#include "app/plan_tool_dialog.h"
#include "planner/log_check.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QwtPlot;

class LogCheckInterface : public PlanToolDialog
{
    Q_OBJECT
public:
    explicit LogCheckInterface(QWidget* parent = nullptr);

    // The choices of "Dived with:".
    // "The current configuration" is the image of currentRequest's plan.
    enum ConfigSource { CurrentConfiguration, ParameterFile, ReadFromComputer };

    // Checks the log file against the plan, with the configuration config (or the plan's
    // image); shows and returns the result. A file that cannot be read is the error.
    planner::LogCheck check(const QString& logFile, const planner::PlanRequest& plan,
                            const ConfigImage* config);
    // The computer's configuration, read over port into an image of its own; throws the
    // failure (the protocol's reason) as a text.
    static ConfigImage readFromComputer(const QString& port);
    QComboBox* divedWith() const { return configChoice_; }
    QPlainTextEdit* report() const { return report_; }
    QLineEdit* logFile() const { return logFile_; }

public slots:
    void checkSlot();

private:
    void showResult(const planner::LogCheck& result, const QString& title);

    QLineEdit* logFile_;
    QComboBox* configChoice_;
    QLineEdit* configFile_;
    QComboBox* planChoice_;
    QLineEdit* planFile_;
    QPlainTextEdit* report_;
    QwtPlot* plot_;
};
