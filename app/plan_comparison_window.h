// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison window: the plans of a PlanComparison as columns of a table (each figure
// with its difference to the first plan) and as an overlay plot of depth and ceiling against
// time, one colour and one legend entry per plan. Add the main window's current plan, add a
// logged dive replayed with the current configuration, remove, rename, make a plan current
// again (its request goes back to the main window), export as CSV or PDF.
//
// Entry points: PlanComparisonInterface.
#pragma once

#include "app/plan_tool_dialog.h"
#include "planner/plan_comparison.h"

#include <functional>

class QwtPlot;
class QTableWidget;

class PlanComparisonInterface : public PlanToolDialog
{
    Q_OBJECT
public:
    explicit PlanComparisonInterface(QWidget* parent = nullptr);

    // The call that puts a request into the main window's fields.
    std::function<void(const planner::PlanRequest&)> makeCurrent;

    planner::PlanComparison& comparison() { return comparison_; }
    QTableWidget* table() const { return table_; }
    QwtPlot* plot() const { return plot_; }
    // The table and the plot from the comparison.
    void refresh();
    // Writes the table as CSV or the table and plot as PDF; throws the failure text.
    void exportCsv(const QString& file) const;
    void exportPdf(const QString& file);

public slots:
    void addCurrentSlot();
    void addLogSlot();
    void removeSlot();
    void renameSlot();
    void makeCurrentSlot();
    void exportCsvSlot();
    void exportPdfSlot();

private:
    int selectedPlan() const;
    void refused(const QString& why);
    // Asks for a file name with filter and writes it; a failure is shown.
    void exportSlot(const QString& filter, const std::function<void(const QString&)>& write);

    planner::PlanComparison comparison_;
    QTableWidget* table_;
    QwtPlot* plot_;
};
