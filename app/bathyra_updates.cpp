// SPDX-License-Identifier: GPL-3.0-or-later
// Update checks of the main window: the controller of the run, which reads and writes the
// application settings, reports failures in this console and opens its announcement
// over this window.
//
// Entry points: Bathyra_Interface::updatesPlanner, checkUpdatesSlot.
#include "app/bathyra_interface.h"

#include "app/app_settings.h"
#include "updates/updates_planner.h"

#include <QSettings>

UpdatesPlanner* Bathyra_Interface::updatesPlanner()
{
    if (!updates_)
        updates_ =
            new UpdatesPlanner([]() -> QSettings& { return appSettings(); }, this, this, this);
    return updates_;
}

void Bathyra_Interface::checkUpdatesSlot()
{
    updatesPlanner()->check();
}
