// SPDX-License-Identifier: GPL-3.0-or-later
// The plan sheet window (Planning > Plan sheet..., and the "Plan sheet..." button of the
// dive planning group): the contingency set of the main window's current fields as a table,
// the settings of the set (deeper, longer, the cylinders and the reserve rule), and a preview
// of the one-page slate that the print and the saved PDF, SVG or PNG show; the plan files
// (CSV, JSON) are saved from here too. The planning runs on cores of its own (the set), so the
// main window's dive, console and plots stay as they are. The cylinders go back to the main
// window, which keeps them with the parameters.
//
// Entry points: PlanSheetInterface::updateSlot, printSlot, saveSlateSlot, savePlanSlot.
#pragma once

#include "planner/plan_files.h"

#include <QPageSize>
#include <QStringList>
#include <QWidget>
#include <functional>

class Bathyra_Interface;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// The slate drawn to the widget's size, one page of the chosen size centred in it.
class SlatePreview : public QWidget
{
    Q_OBJECT
public:
    explicit SlatePreview(QWidget* parent = nullptr);
    void show(const planner::PlanSet* set, QPageSize::PageSizeId size);
    QSize sizeHint() const override { return QSize(520, 735); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const planner::PlanSet* set_ = nullptr;
    QPageSize::PageSizeId size_ = QPageSize::A4;
};

class PlanSheetInterface : public QWidget
{
    Q_OBJECT
public:
    explicit PlanSheetInterface(Bathyra_Interface* main);
    const planner::PlanSet& planSet() const { return set_; }
    QPageSize::PageSizeId pageSize() const;

public slots:
    // Plans the set again from the main window's fields and this window's settings.
    void updateSlot();
    void printSlot();
    void saveSlateSlot();
    void savePlanSlot();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void fillTable();
    void showCylinders();
    // Asks for a file (suffixes: those it may have, the first one added when it has none of
    // them) and writes the plan set into it with save; a failure is shown in a warning.
    void saveAs(const QString& title, const QString& filter, const QStringList& suffixes,
                const std::function<void(const QString&)>& save);

    Bathyra_Interface* main_;
    planner::PlanSet set_;
    QDoubleSpinBox* deeper_;
    QDoubleSpinBox* longer_;
    QComboBox* rule_;
    QComboBox* page_;
    QLabel* gasLabel_[5];
    QSpinBox* litres_[5];
    QSpinBox* bar_[5];
    QLabel* labels_[9];
    QTableWidget* table_;
    SlatePreview* preview_;
    QPushButton* buttons_[4];
};
