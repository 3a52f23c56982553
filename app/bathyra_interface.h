// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the hub of the program. It owns the dive parameter widgets, the
// message console and the windows opened from it; each user action is one slot that
// hands the work to the code that does it.
//
// The parameter transfer (widgets <-> configuration image) lives in
// bathyra_parameters.cpp; the device commands in bathyra_device.cpp; the script slots in
// bathyra_script.cpp; the update checks in bathyra_updates.cpp; the profile editor command
// in bathyra_profile_editor.cpp; the planning tools in bathyra_plan_tools.cpp; window, file and
// dialog slots in bathyra_interface.cpp.
#pragma once

#include "app/interface_base.h"
#include "device/param_file.h"
#include "planner/plan_core.h"
#include "planner/simulation.h"

#include <QPointer>
#include <QSplashScreen>
#include <QTextBrowser>
#include <functional>
#include <memory>

class DiveProfile;
class LogCheckInterface;
class PlanComparisonInterface;
class PlanSheetInterface;
class PlotInterface;
class SolveDialog;
class ProfileEditorInterface;
class QSettings;
class SerialOSTC;
class UpdatesPlanner;

class Bathyra_Interface : public InterfaceBase
{
    Q_OBJECT
public:
    explicit Bathyra_Interface(QWidget* parent = nullptr);
    ~Bathyra_Interface() override;

    // Widgets to the configuration image, the engine's surface pressure and the replay flags.
    Q_INVOKABLE void applyParameters(bool noPlot);
    // Configuration image and replay flags to the widgets.
    Q_INVOKABLE virtual void showParameters();
    // Colours and information line of gas row 1..5.
    void showGasInfo(int row);
    // Short name of gas n (1..5) of the configuration image.
    Q_INVOKABLE QString gasName(int n) const;
    Q_INVOKABLE void loadEngineGases();
    // Throws a QString on a refused mix.
    Q_INVOKABLE void setDepth(float depthMetres);
    Q_INVOKABLE int bestGasForDepth(float depthMetres) const;

    // The four dive inputs of the planning group.
    DiveInputs diveInputs() const;
    // The fields as a request of the planning core (the fields applied to the image first).
    planner::PlanRequest planRequest();
    // The cylinders of the gases and the reserve rule, kept with the parameters.
    const CylinderInputs& cylinders() const { return cylinders_; }
    void setCylinders(const CylinderInputs& c) { cylinders_ = c; }

    // A request back into the fields: the image, the replay flags and the dive inputs
    // (bathyra_plan_tools.cpp, with the planning tools' windows, created on first use).
    void showRequest(const planner::PlanRequest& request);
    SolveDialog* solveDialog();
    PlanComparisonInterface* planComparison();
    LogCheckInterface* logCheck();

    // The current profile (replayed by the runs), the plot windows (created on first use).
    DiveProfile* currentProfile() const { return profile_.get(); }
    void setCurrentProfile(std::unique_ptr<DiveProfile> profile);
    PlotInterface* divePlot() const;
    PlotInterface* tissuePlot() const;
    // The plan sheet window, created on first use and kept.
    PlanSheetInterface* planSheet();
    // The profile editor, created on first use and kept.
    ProfileEditorInterface* profileEditor();
    // A parameter file (.div) into the parameters, as Load does.
    void loadParameterFile(const QString& file);
    // A logbook file (.xml, .uddf, .udcf) as the current profile, in replay mode; throws the
    // reader's failure text and leaves the profile as it was then.
    void loadProfileFile(const QString& file);
    // A file named on the command line: a parameter file by its ending ".div", else a
    // logbook file. A failure is a red console line; false then.
    bool openFile(const QString& file);
    // Without a display (the command line): plot windows are never shown.
    void setHeadless(bool on) { headless_ = on; }
    bool headless() const { return headless_; }
    // Called after every engine cycle of a run with its phase and run time.
    std::function<void(const char* phase, int runTimeSeconds)> cycleHook;

    QSplashScreen* splash() const { return splash_.get(); }
    QTextBrowser* helpWindow() const { return help_; }
    // The update controller of the run, created on first use (bathyra_updates.cpp).
    UpdatesPlanner* updatesPlanner();

public slots:
    void loadDiveSlot();
    void saveDiveSlot();
    void settingsSlot();
    void closeAllWindows();
    void editCFSlot();
    void simulateSlot();
    void ascentSlot();
    void gasVolumesSlot();
    void planSheetSlot();
    void addRuntimeSlot();
    void clearProfileSlot();
    void pressureDiagramSlot();
    void helpSlot();
    void aboutSlot();
    void checkUpdatesSlot();
    void runScriptSlot();
    void runAllTestsSlot();
    void gas1ModSlot();
    void gas2ModSlot();
    void gas3ModSlot();
    void gas4ModSlot();
    void gas5ModSlot();
    void setpointSlot();
    void editProfileSlot();
    void runProfileSlot();
    void downloadOSTCSlot();
    void uploadOSTCSlot();
    void setDateTimeSlot();
    void screenDumpSlot();
    void upgradeFWSlot();
    void solveSlot();
    void comparePlansSlot();
    void planAgainstLogSlot();

    // Writes or reads the whole parameter set.
    void save(QSettings* settings);
    void load(const QSettings* settings);

protected:
    void changeEvent(QEvent* event) override;

private:
    // The widgets of one gas row.
    struct GasRow {
        QCheckBox* enable;
        QRadioButton* first;
        QLabel* o2Label;
        QSpinBox* o2;
        QLabel* heLabel;
        QSpinBox* he;
        QLabel* depthLabel;
        QSpinBox* depth;
        QLabel* info;
    };
    GasRow gasRow(int n) const;
    // The replay controls, shown with the beta features option.
    void showBetaFeatures();
    // CF n of the image into its field (shown = raw / scale); a value the field cannot hold
    // is named in a red console line.
    void showCf(QSpinBox* box, int n);
    void showCf(QDoubleSpinBox* box, int n, int scale);
    void cfLimited(int n, const QString& asked, const QString& used);
    void connectForm();
    void setupPlanTools();
    QString startDirectory() const;

    // The device commands on the program's image, this console and showParameters().
    std::unique_ptr<SerialOSTC> deviceCommands();
    void deviceCommand(const std::function<void(SerialOSTC&)>& command);
    void runButton(bool planned, const std::function<void(planner::Simulation&)>& run);
    // Greys out the commands that change the image, the profile or the engine while busy.
    void showBusy(bool busy);

    planner::RunEnvironment runEnvironment();
    void setupDivePlot();
    void appendPlannedSegment();

    std::unique_ptr<QSplashScreen> splash_;
    std::unique_ptr<DiveProfile> profile_;
    CylinderInputs cylinders_;
    QPointer<PlotInterface> divePlot_;
    QPointer<PlotInterface> tissuePlot_;
    QPointer<ProfileEditorInterface> profileEditor_;
    QPointer<SolveDialog> solveDialog_;
    QPointer<PlanComparisonInterface> comparison_;
    QPointer<LogCheckInterface> logCheck_;
    QPointer<PlanSheetInterface> planSheet_;
    bool headless_ = false;
    QPointer<QTextBrowser> help_;
    UpdatesPlanner* updates_ = nullptr; // child object
    // What showBusy greyed out, and whether it set the busy cursor.
    QList<QPointer<QAction>> busyActions_;
    QList<QPointer<QWidget>> busyWidgets_;
    bool busyCursor_ = false;
};
