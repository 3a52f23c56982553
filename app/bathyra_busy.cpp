// SPDX-License-Identifier: GPL-3.0-or-later
// The main window while the program is busy (a run, a device command or a script, see
// planner/busy_state.h): the commands that would change the configuration image, the current
// profile or the engine are greyed out, and the cursor shows that work is going on.
//
// Entry point: Bathyra_Interface::showBusy, called on BusyState::changed.
#include "app/bathyra_interface.h"

#include <QApplication>

void Bathyra_Interface::showBusy(bool busy)
{
    const QList<QAction*> actions = {actionLoad,         actionSave,
                                     actionSettings,     actionExit,
                                     actionSimulate,     actionAscent,
                                     actionGasVolumes,   actionAddRuntime,
                                     actionClearProfile, actionPressureDiagram,
                                     actionDownload,     actionUploadCF,
                                     setDateTimeAction,  actionEditCF,
                                     actionRunScript,    actionRun_tests};
    const QList<QWidget*> buttons = {
        loadButton,      saveButton,       settingsButton, exitButton,        simulateButton,
        ascentButton,    gasVolumesButton, addRuntime,     clearProfile,      pressurePlot,
        runProfilePB,    downloadCFButton, uploadCFButton, setDateTimeButton, screenDumpButton,
        upgradeFWButton, editCFButton,     editProfilePB};

    if (busy) {
        // Only what is enabled now is greyed out, and only that comes back afterwards.
        busyActions_.clear();
        busyWidgets_.clear();
        for (QAction* a : actions)
            if (a->isEnabled()) {
                busyActions_ << a;
                a->setEnabled(false);
            }
        for (QWidget* w : buttons)
            if (w->isEnabled()) {
                busyWidgets_ << w;
                w->setEnabled(false);
            }
        QApplication::setOverrideCursor(Qt::BusyCursor);
        busyCursor_ = true;
        return;
    }
    for (const QPointer<QAction>& a : qAsConst(busyActions_))
        if (a)
            a->setEnabled(true);
    for (const QPointer<QWidget>& w : qAsConst(busyWidgets_))
        if (w)
            w->setEnabled(true);
    busyActions_.clear();
    busyWidgets_.clear();
    if (busyCursor_)
        QApplication::restoreOverrideCursor();
    busyCursor_ = false;
}
