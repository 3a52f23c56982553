// SPDX-License-Identifier: GPL-3.0-or-later
// The plan sheet window: see plan_sheet.h.
#include "app/plan_sheet.h"

#include "app/bathyra_interface.h"
#include "planner/dive_parameters.h"
#include "planner/plan_slate.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

SlatePreview::SlatePreview(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(300, 420);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SlatePreview::show(const planner::PlanSet* set, QPageSize::PageSizeId size)
{
    set_ = set;
    size_ = size;
    update();
}

void SlatePreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (!set_)
        return;
    // The page at the widget's size, its proportions kept, with a thin frame around it.
    const QSizeF page = QPageSize(size_).size(QPageSize::Millimeter);
    const double scale = std::min((width() - 8) / page.width(), (height() - 8) / page.height());
    const QSizeF s(page.width() * scale, page.height() * scale);
    const QRectF r(QPointF((width() - s.width()) / 2, (height() - s.height()) / 2), s);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    planner::paintSlate(p, r, *set_);
    p.setPen(Qt::gray);
    p.drawRect(r);
}

PlanSheetInterface::PlanSheetInterface(Bathyra_Interface* main)
    : QWidget(main, Qt::Window), main_(main)
{
    setObjectName("planSheet");
    auto* grid = new QGridLayout(this);

    // Settings of the set.
    auto* settings = new QGridLayout;
    for (QLabel*& l : labels_)
        l = new QLabel(this);
    deeper_ = new QDoubleSpinBox(this);
    deeper_->setObjectName("sheetDeeper");
    deeper_->setRange(0, 30);
    deeper_->setDecimals(0);
    deeper_->setValue(5);
    longer_ = new QDoubleSpinBox(this);
    longer_->setObjectName("sheetLonger");
    longer_->setRange(0, 60);
    longer_->setDecimals(0);
    longer_->setValue(5);
    settings->addWidget(labels_[0], 0, 0);
    settings->addWidget(deeper_, 0, 1);
    settings->addWidget(labels_[1], 0, 2);
    settings->addWidget(longer_, 0, 3);
    settings->addWidget(labels_[2], 1, 1);
    settings->addWidget(labels_[3], 1, 2);
    for (int k = 0; k < 5; ++k) {
        gasLabel_[k] = new QLabel(this);
        litres_[k] = new QSpinBox(this);
        litres_[k]->setObjectName(QStringLiteral("cylinderLitres_%1").arg(k + 1));
        litres_[k]->setRange(0, 100);
        bar_[k] = new QSpinBox(this);
        bar_[k]->setObjectName(QStringLiteral("cylinderBar_%1").arg(k + 1));
        bar_[k]->setRange(0, 400);
        settings->addWidget(gasLabel_[k], 2 + k, 0);
        settings->addWidget(litres_[k], 2 + k, 1);
        settings->addWidget(bar_[k], 2 + k, 2);
    }
    rule_ = new QComboBox(this);
    rule_->setObjectName("reserveRule");
    settings->addWidget(labels_[4], 7, 0);
    settings->addWidget(rule_, 7, 1, 1, 2);
    page_ = new QComboBox(this);
    page_->setObjectName("slatePage");
    page_->addItems({"A4", "A5", "Letter", "Half-letter"});
    settings->addWidget(labels_[5], 8, 0);
    settings->addWidget(page_, 8, 1, 1, 2);
    settings->setColumnStretch(4, 1);

    auto* buttons = new QHBoxLayout;
    const char* const names[] = {"sheetUpdate", "sheetPrint", "sheetSaveSlate", "sheetSavePlan"};
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = new QPushButton(this);
        buttons_[i]->setObjectName(names[i]);
        buttons->addWidget(buttons_[i]);
    }
    buttons->addStretch(1);
    connect(buttons_[0], &QPushButton::clicked, this, &PlanSheetInterface::updateSlot);
    connect(buttons_[1], &QPushButton::clicked, this, &PlanSheetInterface::printSlot);
    connect(buttons_[2], &QPushButton::clicked, this, &PlanSheetInterface::saveSlateSlot);
    connect(buttons_[3], &QPushButton::clicked, this, &PlanSheetInterface::savePlanSlot);
    connect(page_, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this]() { preview_->show(&set_, pageSize()); });

    table_ = new QTableWidget(this);
    table_->setObjectName("contingencyTable");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    preview_ = new SlatePreview(this);
    preview_->setObjectName("slatePreview");

    grid->addLayout(settings, 0, 0);
    grid->addLayout(buttons, 1, 0);
    grid->addWidget(labels_[6], 2, 0);
    grid->addWidget(table_, 3, 0);
    grid->addWidget(preview_, 0, 1, 4, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(3, 1);
    resize(1240, 820);

    retranslate();
    showCylinders();
}

QPageSize::PageSizeId PlanSheetInterface::pageSize() const
{
    static const QPageSize::PageSizeId sizes[] = {QPageSize::A4, QPageSize::A5, QPageSize::Letter,
                                                  QPageSize::Statement};
    return sizes[std::max(0, page_->currentIndex())];
}

void PlanSheetInterface::retranslate()
{
    setWindowTitle(tr("Plan sheet", "Window Title"));
    labels_[0]->setText(tr("Deeper by (m):"));
    labels_[1]->setText(tr("Longer by (min):"));
    labels_[2]->setText(tr("Cylinder (l)"));
    labels_[3]->setText(tr("Fill (bar)"));
    labels_[4]->setText(tr("Reserve rule:"));
    labels_[5]->setText(tr("Slate page:"));
    labels_[6]->setText(tr("Contingencies (bar used in red and marked \"!\" where the reserve "
                           "rule breaks):"));
    buttons_[0]->setText(tr("Update"));
    buttons_[1]->setText(tr("Print..."));
    buttons_[2]->setText(tr("Save slate..."));
    buttons_[3]->setText(tr("Save plan file..."));
    const int rule = rule_->currentIndex();
    rule_->clear();
    for (ReserveRule r : {ReserveRule::All, ReserveRule::Half, ReserveRule::TwoThirds})
        rule_->addItem(planner::reserveRuleName(r));
    rule_->setCurrentIndex(rule < 0 ? static_cast<int>(main_->cylinders().rule) : rule);
    fillTable();
}

void PlanSheetInterface::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PlanSheetInterface::showCylinders()
{
    const CylinderInputs& c = main_->cylinders();
    for (int k = 0; k < 5; ++k) {
        litres_[k]->setValue(c.litres[k]);
        bar_[k]->setValue(c.fillBar[k]);
    }
    rule_->setCurrentIndex(static_cast<int>(c.rule));
}

void PlanSheetInterface::updateSlot()
{
    CylinderInputs c;
    for (int k = 0; k < 5; ++k) {
        c.litres[k] = litres_[k]->value();
        c.fillBar[k] = bar_[k]->value();
    }
    c.rule = static_cast<ReserveRule>(std::max(0, rule_->currentIndex()));
    main_->setCylinders(c);

    planner::ContingencyOptions options;
    options.deeperMetres = static_cast<float>(deeper_->value());
    options.longerMinutes = static_cast<float>(longer_->value());
    options.cylinders = c;
    const planner::PlanRequest request = main_->planRequest();
    for (int n = 1; n <= 5; ++n) {
        const bool used =
            request.image.gasActive(n) || n == request.image.byte(ConfigImage::first_gas);
        gasLabel_[n - 1]->setText(
            used ? tr("Gas %1 (%2):").arg(n).arg(planner::gasName(request.image, n))
                 : tr("Gas %1 (off):").arg(n));
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    set_ = planner::makePlanSet(request, options);
    QApplication::restoreOverrideCursor();
    fillTable();
    preview_->show(&set_, pageSize());
}

void PlanSheetInterface::fillTable()
{
    QStringList header{tr("Variant"),        tr("Runtime (min)"), tr("TTS (min)"),
                       tr("First stop (m)"), tr("Stops (min)"),   tr("CNS (%)"),
                       tr("Max ppO2 (bar)")};
    QVector<int> gases;
    if (!set_.rows.isEmpty())
        for (int k = 0; k < 5; ++k)
            if (!set_.rows[0].gasNames[k].isEmpty()) {
                gases << k;
                header << tr("%1 (l)").arg(set_.rows[0].gasNames[k]);
                if (set_.options.cylinders.has(k + 1))
                    header << tr("%1 (bar)").arg(set_.rows[0].gasNames[k]);
            }
    table_->clear();
    table_->setColumnCount(header.size());
    table_->setHorizontalHeaderLabels(header);
    table_->setRowCount(set_.rows.size());
    const auto put = [this](int row, int col, const QString& text, bool alarm = false) {
        auto* item = new QTableWidgetItem(text);
        if (alarm) {
            item->setForeground(QColor(200, 0, 0));
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
        }
        table_->setItem(row, col, item);
    };
    for (int i = 0; i < set_.rows.size(); ++i) {
        const planner::ContingencyRow& r = set_.rows[i];
        put(i, 0, r.name);
        if (!r.error.isEmpty()) {
            put(i, 1, r.error, true);
            continue;
        }
        put(i, 1, QString::number(r.runtimeMinutes, 'f', 1));
        put(i, 2, QString::number(r.ttsMinutes));
        put(i, 3, QString::number(r.firstStopMetres));
        put(i, 4, QString::number(r.stopMinutes, 'f', 0));
        put(i, 5, QString::number(r.cnsPercent, 'f', 1));
        put(i, 6, QString::number(r.maxPpO2Bar, 'f', 2));
        int col = 7;
        for (int k : gases) {
            put(i, col++, QString::number(r.gasLitres[k]));
            if (set_.options.cylinders.has(k + 1))
                put(i, col++,
                    QString::number(r.barUsed[k], 'f', 0) + (r.reserveBroken[k] ? " !" : ""),
                    r.reserveBroken[k]);
        }
    }
    table_->resizeColumnsToContents();
}

void PlanSheetInterface::printSlot()
{
    if (set_.rows.isEmpty())
        updateSlot();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(pageSize()));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter p(&printer);
    planner::paintSlate(p,
                        printer.pageRect(QPrinter::DevicePixel)
                            .translated(-printer.pageRect(QPrinter::DevicePixel).topLeft()),
                        set_);
}

void PlanSheetInterface::saveSlateSlot()
{
    saveAs(tr("Save slate..."), tr("Slates (*.pdf *.svg *.png)", "file format"),
           {QStringLiteral("pdf"), QStringLiteral("svg"), QStringLiteral("png")},
           [this](const QString& file) { planner::saveSlate(file, set_, pageSize()); });
}

void PlanSheetInterface::savePlanSlot()
{
    saveAs(tr("Save plan file..."), tr("Plan files (*.json *.csv)", "file format"),
           {QStringLiteral("json"), QStringLiteral("csv")},
           [this](const QString& file) { planner::writePlanFile(file, set_); });
}

void PlanSheetInterface::saveAs(const QString& title, const QString& filter,
                                const QStringList& suffixes,
                                const std::function<void(const QString&)>& save)
{
    if (set_.rows.isEmpty())
        updateSlot();
    const QString file = QFileDialog::getSaveFileName(this, title, QString(), filter);
    if (file.isEmpty())
        return;
    const QString suffix = QFileInfo(file).suffix().toLower();
    try {
        save(suffixes.contains(suffix) ? file : file + QLatin1Char('.') + suffixes.first());
    } catch (const QString& error) {
        QMessageBox::warning(this, tr("Plan sheet", "Window Title"), error);
    }
}

// The main window's side: the window created on first use and kept.
PlanSheetInterface* Bathyra_Interface::planSheet()
{
    if (!planSheet_)
        planSheet_ = new PlanSheetInterface(this);
    return planSheet_;
}

void Bathyra_Interface::planSheetSlot()
{
    if (busy())
        return;
    PlanSheetInterface* sheet = planSheet();
    if (!headless()) {
        sheet->show();
        sheet->raise();
        sheet->activateWindow();
    }
    sheet->updateSlot();
}
