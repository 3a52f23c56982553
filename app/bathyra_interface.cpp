// SPDX-License-Identifier: GPL-3.0-or-later
// Main window: construction, connections and the window, file and dialog slots.
// Slots of features that arrive later exist here but are not connected yet; their
// buttons and actions are disabled so that nothing pretends to work.
#include "app/bathyra_interface.h"
#include "plot/plot_interface.h"
#include "profiles/dive_profile.h"

#include "app/app_settings.h"
#include "app/options.h"
#include "app/settings_dialog.h"
#include "app/version.h"
#include "device/param_file.h"
#include "device/safe_file.h"
#include "planner/dive_parameters.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QScrollBar>
#include <QSettings>
#include <QSplashScreen>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextDocument>
#include <array>

// Resources of the static application library must be registered by hand.
static void initBathyraResources()
{
    Q_INIT_RESOURCE(bathyra);
    Q_INIT_RESOURCE(help);
}

Bathyra_Interface::Bathyra_Interface(QWidget* parent) : InterfaceBase(parent)
{
    initBathyraResources();
    connectForm();
    setupPlanTools();

    for (int n = 1; n <= 5; ++n)
        showGasInfo(n);
    setpointSlot();

    showBetaFeatures();

    splitter->setCollapsible(0, false);
    splitter->setStretchFactor(1, 1);

    // The panel never needs a horizontal scroll bar: its width is what its content asks.
    scrollArea->setMinimumWidth(scrollAreaWidgetContents->sizeHint().width() +
                                scrollArea->verticalScrollBar()->sizeHint().width() +
                                2 * scrollArea->frameWidth());
    scrollArea->adjustSize();
}

Bathyra_Interface::~Bathyra_Interface()
{
    if (busyCursor_)
        QApplication::restoreOverrideCursor();
    delete help_.data();
    delete divePlot_.data();
    delete tissuePlot_.data();
}

void Bathyra_Interface::connectForm()
{
    const auto both = [this](QAction* action, QAbstractButton* button,
                             void (Bathyra_Interface::*slot)()) {
        if (action)
            connect(action, &QAction::triggered, this, slot);
        if (button)
            connect(button, &QAbstractButton::clicked, this, slot);
    };
    both(actionLoad, loadButton, &Bathyra_Interface::loadDiveSlot);
    both(actionSave, saveButton, &Bathyra_Interface::saveDiveSlot);
    both(actionSettings, settingsButton, &Bathyra_Interface::settingsSlot);
    both(actionExit, exitButton, &Bathyra_Interface::closeAllWindows);
    both(actionHelp, helpButton, &Bathyra_Interface::helpSlot);
    both(actionAbout, aboutButton, &Bathyra_Interface::aboutSlot);

    // Simulation runs and plots.
    both(actionSimulate, simulateButton, &Bathyra_Interface::simulateSlot);
    both(actionAscent, ascentButton, &Bathyra_Interface::ascentSlot);
    both(actionGasVolumes, gasVolumesButton, &Bathyra_Interface::gasVolumesSlot);
    both(actionAddRuntime, addRuntime, &Bathyra_Interface::addRuntimeSlot);
    both(actionClearProfile, clearProfile, &Bathyra_Interface::clearProfileSlot);
    both(actionPressureDiagram, pressurePlot, &Bathyra_Interface::pressureDiagramSlot);
    both(nullptr, runProfilePB, &Bathyra_Interface::runProfileSlot);
    both(actionRunScript, nullptr, &Bathyra_Interface::runScriptSlot);
    both(actionPlanSheet, planSheetButton, &Bathyra_Interface::planSheetSlot);
    both(actionRun_tests, nullptr, &Bathyra_Interface::runAllTestsSlot);
    both(nullptr, editProfilePB, &Bathyra_Interface::editProfileSlot);

    // Device commands.
    both(actionDownload, downloadCFButton, &Bathyra_Interface::downloadOSTCSlot);
    both(actionUploadCF, uploadCFButton, &Bathyra_Interface::uploadOSTCSlot);
    both(setDateTimeAction, setDateTimeButton, &Bathyra_Interface::setDateTimeSlot);
    both(nullptr, screenDumpButton, &Bathyra_Interface::screenDumpSlot);
    both(nullptr, upgradeFWButton, &Bathyra_Interface::upgradeFWSlot);
    both(checkUpdatesAction, nullptr, &Bathyra_Interface::checkUpdatesSlot);
    both(actionEditCF, editCFButton, &Bathyra_Interface::editCFSlot);

    const std::array<void (Bathyra_Interface::*)(), 5> rowSlots = {
        &Bathyra_Interface::gas1ModSlot, &Bathyra_Interface::gas2ModSlot,
        &Bathyra_Interface::gas3ModSlot, &Bathyra_Interface::gas4ModSlot,
        &Bathyra_Interface::gas5ModSlot};
    for (int n = 1; n <= 5; ++n) {
        const GasRow row = gasRow(n);
        const auto slot = rowSlots[static_cast<size_t>(n - 1)];
        connect(row.enable, &QAbstractButton::toggled, this, slot);
        connect(row.first, &QAbstractButton::toggled, this, slot);
        connect(row.o2, QOverload<int>::of(&QSpinBox::valueChanged), this, slot);
        connect(row.he, QOverload<int>::of(&QSpinBox::valueChanged), this, slot);
        connect(row.depth, QOverload<int>::of(&QSpinBox::valueChanged), this, slot);
    }
    connect(&BusyState::instance(), &BusyState::changed, this, &Bathyra_Interface::showBusy);
    connect(ppo2_1, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &Bathyra_Interface::setpointSlot);
    connect(ccrMode, &QAbstractButton::toggled, this, &Bathyra_Interface::setpointSlot);
    // Every MOD depends on the highest ppO2 and the surface pressure; keep the five lines true.
    const auto refreshGasRows = [this] {
        for (int n = 1; n <= 5; ++n)
            showGasInfo(n);
    };
    connect(ppO2High, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, refreshGasRows);
    connect(press_surface, QOverload<int>::of(&QSpinBox::valueChanged), this, refreshGasRows);
}

QString Bathyra_Interface::startDirectory() const
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString dir = appSettings().value("Planner/divePath", documents).toString();
    return QDir(dir).exists() ? dir : documents;
}

void Bathyra_Interface::loadDiveSlot()
{
    if (busy())
        return;
    const QString file =
        QFileDialog::getOpenFileName(this, tr("Load dive parameters..."), startDirectory(),
                                     tr("Dives params (*.div)", "file format"));
    if (file.isEmpty())
        return;
    appSettings().setValue("Planner/divePath", QFileInfo(file).absolutePath());
    loadParameterFile(file);
}

void Bathyra_Interface::loadParameterFile(const QString& file)
{
    const QSettings params(file, QSettings::IniFormat);
    load(&params);
}

bool Bathyra_Interface::openFile(const QString& file)
{
    const QFileInfo info(file);
    try {
        // QSettings reads a missing file as an empty one: say so instead.
        if (!info.isFile() || !info.isReadable())
            throw tr("Cannot open %1: no readable file").arg(file);
        if (info.suffix().compare(QLatin1String("div"), Qt::CaseInsensitive) == 0)
            loadParameterFile(info.absoluteFilePath());
        else
            loadProfileFile(info.absoluteFilePath());
    } catch (const QString& text) {
        message("<font color='red'><b>" + text.toHtmlEscaped() + "</b></font>");
        return false;
    }
    return true;
}

void Bathyra_Interface::saveDiveSlot()
{
    if (busy())
        return;
    const QString file =
        QFileDialog::getSaveFileName(this, tr("Save all parameters...", "Save .div"),
                                     startDirectory(), tr("Dives params (*.div)", "file format"));
    if (file.isEmpty())
        return;
    appSettings().setValue("Planner/divePath", QFileInfo(file).absolutePath());
    applyParameters(false);
    // Written whole beside the old file and renamed over it: a full or read-only disk
    // leaves the old file and says why.
    try {
        SafeFile::saveSettings(file, [this](QSettings& params) {
            ParamFile::save(params, planner::currentImage(), diveInputs(), planner::replayFlags(),
                            this);
            ParamFile::saveCylinders(params, cylinders_);
        });
    } catch (const QString& error) {
        message("<font color='red'><b>" +
                tr("Parameters not saved: %1").arg(error.toHtmlEscaped()) + "</b></font>");
    }
}

void Bathyra_Interface::settingsSlot()
{
    if (busy())
        return;
    auto* dialog = new Settings(this);
    dialog->exec();
    delete dialog;
    // Accepted or not, the options are the stored ones now; the beta features follow at once.
    showBetaFeatures();
}

void Bathyra_Interface::showBetaFeatures()
{
    const bool beta = programOptions().betaFeatures;
    replayMode->setVisible(beta);
    replayGB->setVisible(beta);
}

void Bathyra_Interface::closeAllWindows()
{
    if (busy())
        return;
    applyParameters(true);
    if (splash_)
        splash_->close();
    QApplication::closeAllWindows();
}

// The help page in the program's language (index_de.html, ...), the English one
// (index.html) for a language without its own; the pages are UTF-8.
static QString helpPage()
{
    QFile page(QStringLiteral(":/help/Doc/index_%1.html").arg(programOptions().language.toLower()));
    if (!page.open(QIODevice::ReadOnly)) {
        page.setFileName(QStringLiteral(":/help/Doc/index.html"));
        page.open(QIODevice::ReadOnly);
    }
    return QString::fromUtf8(page.readAll());
}

void Bathyra_Interface::helpSlot()
{
    if (!help_) {
        help_ = new QTextBrowser;
        help_->setAttribute(Qt::WA_DeleteOnClose);
        help_->setAttribute(Qt::WA_QuitOnClose, false);
        help_->setWindowTitle(tr("Bathyra help"));
        help_->setWindowIcon(windowIcon());
        help_->resize(800, 600);
        help_->setOpenExternalLinks(true);
        help_->setSearchPaths({":/help/Doc"});
        help_->setHtml(helpPage());
    }
    help_->show();
    help_->raise();
}

QString aboutText()
{
    return QCoreApplication::translate(
               "Bathyra_Interface",
               "<font size='+3'><i>Bathyra</i></font> <i>v%1%2 - OSTC firmware %3.%4%5</i><br>")
               .arg(BATHYRA_VERSION, BATHYRA_VERSION_SUFFIX)
               .arg(BATHYRA_FIRMWARE_MAJOR)
               .arg(BATHYRA_FIRMWARE_MINOR, 2, 10, QLatin1Char('0'))
               .arg(BATHYRA_FIRMWARE_SUFFIX) +
           QCoreApplication::translate(
               "Bathyra_Interface",
               "<i>Bathyra</i> software purposes is:<ul><li>To play with and understand the "
               "decompression "
               "parameters of your <i>OSTC</i> computer (model, gradient factors, switch depth, "
               "etc.).<li>To plot "
               "simulated dive profiles and compare several configurations (gas mix, deco tanks, "
               "setpoints, stops, "
               "etc.)<li>To check the <i>OSTC</i> by comparing its results to other deco "
               "softwares.<li>To backup, "
               "edit and restore your <i>OSTC</i> computer configurations.</ul>") +
           QCoreApplication::translate(
               "Bathyra_Interface",
               "The Bathyra developers. Free software under the GNU General Public License, "
               "version 3 or later (%1), without any warranty. Built with Qt (%2) and Qwt (%3).")
               .arg(BATHYRA_LICENSE, BATHYRA_QT_LICENSE, BATHYRA_QWT_LICENSE);
}

void Bathyra_Interface::aboutSlot()
{
    const QFontMetrics fm(font());
    const QSize size(80 * fm.averageCharWidth() + 10, 16 * fm.lineSpacing() + 12);
    QPixmap pixmap = QPixmap(":/image/Bathyra_splash.png")
                         .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    // The text, in black, centred vertically over the picture.
    QTextDocument doc;
    doc.setDefaultFont(font());
    doc.setDefaultStyleSheet("body { color: black }");
    doc.setHtml("<body>" + aboutText() + "</body>");
    doc.setTextWidth(size.width() - 20);
    {
        QPainter painter(&pixmap);
        painter.translate(10, (size.height() - doc.size().height()) / 2);
        doc.drawContents(&painter);
    }

    splash_ = std::make_unique<QSplashScreen>(pixmap, Qt::WindowStaysOnTopHint);
    splash_->setAttribute(Qt::WA_QuitOnClose, false);
    splash_->show();
}

void Bathyra_Interface::changeEvent(QEvent* event)
{
    // A language chosen in the settings dialog applies at once; the texts computed
    // here are written again over the form's initial ones.
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        for (int n = 1; n <= 5; ++n)
            showGasInfo(n);
        setpointSlot();
        if (help_) {
            help_->setWindowTitle(tr("Bathyra help"));
            help_->setHtml(helpPage());
        }
    }
    InterfaceBase::changeEvent(event);
}
