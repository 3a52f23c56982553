// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison window: see plan_comparison_window.h.
#include "app/plan_comparison_window.h"

#include "app/plan_plot.h"
#include "device/safe_file.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <qwt_plot.h>
#include <qwt_plot_renderer.h>
#include <qwt_scale_div.h>

namespace
{

// A cell whose cylinder breaks the reserve rule: the plan sheet's red.
QColor brokenColour()
{
    return QColor(200, 0, 0);
}

} // namespace

PlanComparisonInterface::PlanComparisonInterface(QWidget* parent)
    : PlanToolDialog(parent), table_(new QTableWidget(this)), plot_(new QwtPlot(this))
{
    setObjectName(QStringLiteral("planComparison"));
    setWindowTitle(QCoreApplication::translate("Window Title", "Compare plans"));
    table_->setObjectName(QStringLiteral("comparisonTable"));
    table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    // Plot: depth downwards, time across, a legend entry per plan.
    plot_->setObjectName(QStringLiteral("comparisonPlot"));
    setupPlanPlot(plot_);
    plot_->setMinimumHeight(260);

    const auto button = [this](const QString& text, const char* name,
                               void (PlanComparisonInterface::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        button(tr("Add current plan"), "addPlanButton", &PlanComparisonInterface::addCurrentSlot));
    buttons->addWidget(
        button(tr("Add log..."), "addLogButton", &PlanComparisonInterface::addLogSlot));
    buttons->addWidget(
        button(tr("Remove"), "removePlanButton", &PlanComparisonInterface::removeSlot));
    buttons->addWidget(
        button(tr("Rename..."), "renamePlanButton", &PlanComparisonInterface::renameSlot));
    buttons->addWidget(
        button(tr("Make current"), "makeCurrentButton", &PlanComparisonInterface::makeCurrentSlot));
    buttons->addStretch();
    buttons->addWidget(
        button(tr("Export CSV..."), "exportCsvButton", &PlanComparisonInterface::exportCsvSlot));
    buttons->addWidget(
        button(tr("Export PDF..."), "exportPdfButton", &PlanComparisonInterface::exportPdfSlot));

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(table_);
    split->addWidget(plot_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(split);
    resize(980, 700);
    refresh();
}

void PlanComparisonInterface::refresh()
{
    const QVector<planner::ComparisonRow> rows = comparison_.rows();
    table_->clear();
    table_->setColumnCount(comparison_.size());
    table_->setRowCount(rows.size());
    QStringList names;
    for (int i = 0; i < comparison_.size(); ++i)
        names << comparison_.at(i).name;
    table_->setHorizontalHeaderLabels(names);
    QStringList titles;
    for (int r = 0; r < rows.size(); ++r) {
        titles << rows[r].title;
        for (int i = 0; i < comparison_.size(); ++i) {
            auto* item = new QTableWidgetItem(planner::PlanComparison::cell(rows[r], i));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (rows[r].isBroken(i)) { // as the plan sheet marks a broken reserve
                item->setForeground(brokenColour());
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            table_->setItem(r, i, item);
        }
    }
    table_->setVerticalHeaderLabels(titles);
    for (int i = 0; i < comparison_.size(); ++i)
        table_->horizontalHeaderItem(i)->setForeground(planColour(i));

    // Curves, one colour per plan.
    plot_->setAutoReplot(false);
    plot_->detachItems(QwtPlotItem::Rtti_PlotCurve, true);
    QVector<const planner::PlanCurves*> all;
    for (int i = 0; i < comparison_.size(); ++i) {
        const planner::ComparedPlan& p = comparison_.at(i);
        drawPlanCurves(plot_, p.name, p.curves, planColour(i), true);
        all << &p.curves;
    }
    fitPlanPlot(plot_, all);
    plot_->replot();
}

int PlanComparisonInterface::selectedPlan() const
{
    const QModelIndexList selected = table_->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        return selected.first().column();
    return table_->currentColumn();
}

void PlanComparisonInterface::refused(const QString& why)
{
    QMessageBox::warning(this, windowTitle(), why);
}

void PlanComparisonInterface::addCurrentSlot()
{
    if (!currentRequest)
        return;
    QString error;
    if (comparison_.add(currentRequest(), QString(), &error) < 0)
        return refused(error);
    refresh();
}

void PlanComparisonInterface::addLogSlot()
{
    const QString file =
        QFileDialog::getOpenFileName(this, tr("Add a logged dive"), QString(),
                                     tr("Logbook files (*.xml *.uddf *.udcf);;All files (*)"));
    if (file.isEmpty() || !currentRequest)
        return;
    planner::PlanRequest config = currentRequest();
    auto log = std::make_unique<DiveProfile>();
    try {
        logbook::load(*log, file, &config.image);
    } catch (const QString& why) {
        return refused(why);
    }
    QString error;
    if (comparison_.addLog(*log, config, QFileInfo(file).completeBaseName(), &error) < 0)
        return refused(error);
    refresh();
}

void PlanComparisonInterface::removeSlot()
{
    comparison_.remove(selectedPlan());
    refresh();
}

void PlanComparisonInterface::renameSlot()
{
    const int i = selectedPlan();
    if (i < 0 || i >= comparison_.size())
        return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Rename plan"), tr("Name:"),
                                               QLineEdit::Normal, comparison_.at(i).name, &ok);
    if (ok && !name.trimmed().isEmpty()) {
        comparison_.rename(i, name.trimmed());
        refresh();
    }
}

void PlanComparisonInterface::makeCurrentSlot()
{
    const int i = selectedPlan();
    if (i < 0 || i >= comparison_.size() || !makeCurrent)
        return;
    makeCurrent(comparison_.request(i));
}

void PlanComparisonInterface::exportCsv(const QString& file) const
{
    SafeFile::save(file, comparison_.toCsv().toUtf8());
}

void PlanComparisonInterface::exportPdf(const QString& file)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setResolution(96);
        pdf.setTitle(windowTitle());
        QPainter painter(&pdf);
        const QRect page = painter.viewport();
        QFont font = painter.font();
        font.setPointSize(8);
        painter.setFont(font);
        // The table: a line per figure, the first column its title.
        const QVector<planner::ComparisonRow> rows = comparison_.rows();
        const int lineHeight = painter.fontMetrics().height() + 4;
        const int titleWidth = page.width() / 5;
        const int columnWidth =
            comparison_.size() > 0 ? (page.width() - titleWidth) / comparison_.size() : 0;
        int y = lineHeight;
        for (int i = 0; i < comparison_.size(); ++i) {
            painter.setPen(planColour(i));
            painter.drawText(QRect(titleWidth + i * columnWidth, 0, columnWidth - 4, lineHeight),
                             Qt::AlignRight | Qt::AlignVCenter, comparison_.at(i).name);
        }
        painter.setPen(Qt::black);
        for (const planner::ComparisonRow& row : rows) {
            painter.drawText(QRect(0, y, titleWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             row.title);
            for (int i = 0; i < comparison_.size(); ++i) {
                painter.setPen(row.isBroken(i) ? brokenColour() : QColor(Qt::black));
                painter.drawText(
                    QRect(titleWidth + i * columnWidth, y, columnWidth - 4, lineHeight),
                    Qt::AlignRight | Qt::AlignVCenter, planner::PlanComparison::cell(row, i));
            }
            painter.setPen(Qt::black);
            y += lineHeight;
        }
        // The plot below it.
        QwtPlotRenderer renderer;
        renderer.render(plot_, &painter,
                        QRectF(0, y + lineHeight, page.width(), page.height() - y - lineHeight));
    }
    SafeFile::save(file, buffer.data());
}

void PlanComparisonInterface::exportSlot(const QString& filter,
                                         const std::function<void(const QString&)>& write)
{
    const QString file =
        QFileDialog::getSaveFileName(this, tr("Export the comparison"), QString(), filter);
    if (file.isEmpty())
        return;
    try {
        write(file);
    } catch (const QString& why) {
        refused(why);
    }
}

void PlanComparisonInterface::exportCsvSlot()
{
    exportSlot(tr("CSV files (*.csv)"), [this](const QString& file) { exportCsv(file); });
}

void PlanComparisonInterface::exportPdfSlot()
{
    exportSlot(tr("PDF files (*.pdf)"), [this](const QString& file) { exportPdf(file); });
}
