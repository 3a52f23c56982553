// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the window tests: a simulated computer on a pseudo-terminal that the
// program's port points at.
#pragma once

#include "app/app_settings.h"
#include "app/bathyra_interface.h"
#include "app/options.h"
#include "modal_dialog.h"
#include "planner/dive_parameters.h"
#include "tools/ostc_simulator.h"

#include <mutex>

struct SimulatedOstc {
    OstcDevice device;
    OstcPtyServer server{device};

    SimulatedOstc()
    {
        QString error;
        if (!server.start(&error))
            qFatal("no pseudo-terminal: %s", qPrintable(error));
        programOptions().port = server.slavePath();
        programOptions().autoSetDateTime = false;
    }
    // Runs f on the device, locked against the server thread.
    template <typename F> auto locked(F f)
    {
        std::lock_guard<std::mutex> lock(server.mutex());
        return f(device);
    }
};
