// SPDX-License-Identifier: GPL-3.0-or-later
// The plan-against-log window: see log_check_window.h.
#include "app/log_check_window.h"

#include "app/options.h"
#include "app/plan_plot.h"
#include "device/message_sink.h"
#include "device/serial_ostc.h"
#include "planner/busy_state.h"
#include "planner/plan_parameters.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_zoneitem.h>

namespace
{

// A file field with its browse button.
QWidget* fileField(QWidget* parent, QLineEdit* edit, const QString& filter)
{
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(edit);
    auto* browse =
        new QPushButton(QCoreApplication::translate("LogCheckInterface", "Browse..."), box);
    browse->setAutoDefault(false);
    row->addWidget(browse);
    QObject::connect(browse, &QPushButton::clicked, parent, [parent, edit, filter] {
        const QString f = QFileDialog::getOpenFileName(parent, QString(), edit->text(), filter);
        if (!f.isEmpty())
            edit->setText(f);
    });
    return box;
}

// The plan of a parameter file, as the main window plans it after Load.
planner::PlanRequest requestOfFile(const QString& file)
{
    if (!QFileInfo(file).isFile())
        throw QCoreApplication::translate("LogCheckInterface", "No parameter file %1").arg(file);
    return planner::requestOfParamFile(QSettings(file, QSettings::IniFormat), nullptr);
}

} // namespace

LogCheckInterface::LogCheckInterface(QWidget* parent)
    : PlanToolDialog(parent), logFile_(new QLineEdit(this)), configChoice_(new QComboBox(this)),
      configFile_(new QLineEdit(this)), planChoice_(new QComboBox(this)),
      planFile_(new QLineEdit(this)), report_(new QPlainTextEdit(this)), plot_(new QwtPlot(this))
{
    setObjectName(QStringLiteral("logCheck"));
    setWindowTitle(QCoreApplication::translate("Window Title", "Plan against log"));
    const QString logs = tr("Logbook files (*.xml *.uddf *.udcf);;All files (*)");
    const QString params = tr("Dive parameters (*.div);;All files (*)");
    logFile_->setObjectName(QStringLiteral("logFile"));
    configChoice_->setObjectName(QStringLiteral("divedWith"));
    configFile_->setObjectName(QStringLiteral("divedWithFile"));
    // In the order of ConfigSource.
    configChoice_->addItems(
        {tr("Current configuration"), tr("Parameter file"), tr("Read from the computer")});
    planChoice_->addItems({tr("Current parameters"), tr("Parameter file")});

    auto* form = new QFormLayout;
    form->addRow(tr("Logged dive:"), fileField(this, logFile_, logs));
    // A choice and its file field, which is asked for only when the choice is the file.
    const auto choiceWithFile = [&](const QString& label, QComboBox* choice, QLineEdit* file) {
        auto* row = new QHBoxLayout;
        row->addWidget(choice);
        QWidget* field = fileField(this, file, params);
        row->addWidget(field, 1);
        field->setEnabled(false);
        connect(choice, QOverload<int>::of(&QComboBox::currentIndexChanged), field,
                [field](int i) { field->setEnabled(i == ParameterFile); });
        form->addRow(label, row);
    };
    choiceWithFile(tr("Dived with:"), configChoice_, configFile_);
    choiceWithFile(tr("Planned as:"), planChoice_, planFile_); // the file is choice 1 too
    auto* checkButton = new QPushButton(tr("Check"), this);
    checkButton->setObjectName(QStringLiteral("checkLogButton"));
    connect(checkButton, &QPushButton::clicked, this, &LogCheckInterface::checkSlot);
    form->addRow(QString(), checkButton);

    report_->setObjectName(QStringLiteral("logCheckReport"));
    report_->setReadOnly(true);
    report_->setMaximumHeight(170);
    plot_->setObjectName(QStringLiteral("logCheckPlot"));
    setupPlanPlot(plot_);
    plot_->setMinimumHeight(280);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(report_);
    layout->addWidget(plot_, 1);
    resize(900, 720);
}

ConfigImage LogCheckInterface::readFromComputer(const QString& port)
{
    BusyGuard busy; // the read lets events run: no other command may start meanwhile
    if (!busy)
        throw tr("Another command is running");
    ConfigImage read = ConfigImage::defaultImage();
    CollectingSink sink;
    SerialOSTC ostc(&sink, read);
    if (!ostc.readConfiguration(port)) {
        const QString why = sink.lines.isEmpty() ? QString() : sink.lines.last();
        throw tr("The configuration was not read from the computer: %1")
            .arg(QTextDocumentFragment::fromHtml(why).toPlainText().simplified());
    }
    return read;
}

planner::LogCheck LogCheckInterface::check(const QString& logFile, const planner::PlanRequest& plan,
                                           const ConfigImage* config)
{
    planner::LogCheck result;
    DiveProfile log;
    ConfigImage dived = config ? *config : plan.image;
    try {
        logbook::load(log, logFile, &dived);
    } catch (const QString& why) {
        result.error = why;
        showResult(result, QString());
        return result;
    }
    result = planner::checkLog(log, plan, &dived);
    showResult(result, QFileInfo(logFile).fileName());
    return result;
}

void LogCheckInterface::showResult(const planner::LogCheck& result, const QString& title)
{
    report_->setPlainText(result.lines().join('\n'));
    plot_->setAutoReplot(false);
    plot_->detachItems(QwtPlotItem::Rtti_PlotCurve, true);
    plot_->detachItems(QwtPlotItem::Rtti_PlotZone, true);
    if (result.error.isEmpty()) {
        // The intervals above the ceiling, shaded behind the curves.
        for (const planner::CeilingBreach& b : result.breaches) {
            auto* zone = new QwtPlotZoneItem;
            zone->setOrientation(Qt::Vertical);
            zone->setInterval(b.startMinutes, std::max(b.endMinutes, b.startMinutes + 0.2f));
            zone->setBrush(QColor(255, 0, 0, 60));
            zone->setPen(QPen(Qt::NoPen));
            zone->attach(plot_);
        }
        drawPlanCurves(plot_, tr("plan"), result.planCurves, planColour(0), false);
        drawPlanCurves(plot_, tr("log %1").arg(title), result.logCurves, planColour(1), false);
        auto* ceiling = new QwtPlotCurve(tr("ceiling of the log"));
        ceiling->setPen(planColour(1), 1, Qt::DashLine);
        ceiling->setSamples(result.logCurves.ceiling);
        ceiling->attach(plot_);
        fitPlanPlot(plot_, {&result.planCurves, &result.logCurves});
    }
    plot_->replot();
}

void LogCheckInterface::checkSlot()
{
    if (!currentRequest)
        return;
    try {
        const planner::PlanRequest current = currentRequest();
        planner::PlanRequest plan =
            planChoice_->currentIndex() == 0 ? current : requestOfFile(planFile_->text());
        plan.replay = nullptr;
        const int source = configChoice_->currentIndex();
        const ConfigImage config = source == CurrentConfiguration ? current.image
                                   : source == ParameterFile
                                       ? requestOfFile(configFile_->text()).image
                                       : readFromComputer(programOptions().port);
        check(logFile_->text(), plan, &config);
    } catch (const QString& why) {
        planner::LogCheck failed;
        failed.error = why;
        showResult(failed, QString());
    }
}
