// SPDX-License-Identifier: GPL-3.0-or-later
// The dive of the run benchmarks: 72 m / 41 min on Tx18/45 with Nx50 from 21 m and O2 from
// 6 m, GF 30/85; the widgets that set it and one Simulate + Ascent in the main window.
#pragma once

#include "app/app_settings.h"
#include "app/bathyra_interface.h"
#include "bench/bench_dive_inputs.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QTemporaryDir>

namespace benchdive
{

// A benchmark's private home: offscreen, HOME in a temporary folder (report files stay out of
// the real home). Made before the application object; settings() after it, before the window.
struct BenchHome {
    QTemporaryDir dir;
    BenchHome()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("HOME", dir.path().toLocal8Bit());
    }
    void settings() const { setAppSettingsPath(dir.filePath("bench.ini")); }
};

// Simulate + Ascent of a new dive in the main window; with plots, all seven graphs and the
// tissue plot. Returns the seconds of the two runs.
inline double windowRun(Bathyra_Interface* w, bool plots)
{
    for (const auto& s : sets) {
        QWidget* widget = w->findChild<QWidget*>(s[0]);
        if (auto* b = qobject_cast<QAbstractButton*>(widget))
            b->setChecked(QString(s[1]) == "true");
        else if (auto* spin = qobject_cast<QSpinBox*>(widget))
            spin->setValue(QString(s[1]).toInt());
    }
    for (const char* g : graphs)
        w->findChild<QAbstractButton*>(g)->setChecked(plots);
    w->findChild<QSpinBox*>("interval")->setValue(-10); // Reset: a new dive each time
    if (plots)
        w->pressureDiagramSlot();
    QElapsedTimer t;
    t.start();
    w->simulateSlot();
    w->ascentSlot();
    return t.nsecsElapsed() / 1e9;
}

} // namespace benchdive
