// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse moves over the profile editor in delete mode: each move finds the point nearest in time
// and marks it. Prints the mean time per move (the mark's repaint included) for profiles of
// 3,000, 36,000 and 360,000 points (a lookup by binary search keeps it flat as they grow), and
// the time a Clear takes to be undone and redone.
// Runs without a display (QT_QPA_PLATFORM=offscreen is set when none is given).
#include "profiles/dive_profile.h"
#include "profiles/profile_editor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <qwt_plot.h>

#include <cmath>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProfileEditorInterface editor;
    editor.resize(1200, 700);
    editor.show();
    QApplication::processEvents();

    const int moves = 20000;
    std::printf("%10s %14s %16s %10s\n", "points", "us per move", "ms clear+undo", "ms redo");
    for (int points : {3000, 36000, 360000}) {
        // A 2-second log of a 30 m dive with a wavy bottom.
        DiveProfile log;
        for (int i = 0; i < points; ++i)
            log.addPoint(i / 30.0, 30 + 3 * std::sin(i / 50.0));
        editor.setProfile(&log);
        editor.delPointSlot();
        QWidget* canvas = editor.plot->canvas();
        QElapsedTimer timer;
        timer.start();
        for (int m = 0; m < moves; ++m) {
            const QPoint at(m % canvas->width(), canvas->height() / 2);
            QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, {}, {});
            QApplication::sendEvent(canvas, &move);
            QApplication::processEvents();
        }
        const double perMove = timer.nsecsElapsed() / 1000.0 / moves;
        // Clear and its undo put every point back one by one.
        timer.restart();
        editor.clearProfileSlot();
        editor.undoSlot();
        const double undo = timer.nsecsElapsed() / 1e6;
        timer.restart();
        editor.redoSlot();
        std::printf("%10d %14.1f %16.1f %10.1f\n", points, perMove, undo,
                    timer.nsecsElapsed() / 1e6);
    }
    return 0;
}
