// SPDX-License-Identifier: GPL-3.0-or-later
// One long console line: the time of message() for lines of 2^14 to 2^20 characters, a single
// word of letters and a plain text of short words, in the main window's console (offscreen,
// window shown so that the console lays its text out as on a screen). The cost should grow
// with the length, not with its square; 2^20 characters should take well under a second.
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "bench/bench_dive.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    const benchdive::BenchHome home;
    BathyraApplication app(argc, argv);
    home.settings();
    Bathyra_Interface* w = startUp();
    w->setHeadless(true);
    w->show();

    std::printf("%10s %12s %12s\n", "chars", "word s", "words s");
    for (int power = 14; power <= 20; power += 2) {
        const int n = 1 << power;
        double seconds[2];
        for (int kind = 0; kind < 2; ++kind) {
            QString line(n, QLatin1Char('x'));
            if (kind == 1)
                for (int i = 7; i < n; i += 8)
                    line[i] = QLatin1Char(' ');
            w->clearMessages();
            QElapsedTimer timer;
            timer.start();
            w->message(line);
            QApplication::processEvents();
            seconds[kind] = timer.nsecsElapsed() / 1e9;
        }
        std::printf("%10d %12.3f %12.3f\n", n, seconds[0], seconds[1]);
        std::fflush(stdout);
    }
    delete w;
    closeAppSettings();
    return 0;
}
