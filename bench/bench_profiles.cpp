// SPDX-License-Identifier: GPL-3.0-or-later
// Loading time of long logbook files: a generated UDDF dive of 36,000 waypoints (10 hours at
// 1-second sampling) with gas switches and setpoint changes, and the same doubled. Prints the
// best of several loads for each size and their ratio; loading should grow linearly.
#include "device/config_image.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"
#include "profiles/uddf_formats.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{

// A square-ish decompression dive: descent, bottom, long staged ascent; a switch among four
// mixes every 20 minutes and a setpoint change every 30 minutes.
QByteArray generateUddf(int waypoints)
{
    QByteArray out;
    out.reserve(waypoints * 120);
    out +=
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<uddf version=\"3.2.0\">\n <gasdefinitions>\n";
    const char* mixes[] = {
        "<mix id=\"tx\"><name>Tx18/45</name><o2>0.18</o2><he>0.45</he></mix>\n",
        "<mix id=\"ean50\"><name>Nx50</name><o2>0.50</o2><he>0</he><depth>21</depth></mix>\n",
        "<mix id=\"o2\"><name>O2</name><o2>1.0</o2><depth>6</depth></mix>\n",
        "<mix id=\"air\"><name>Air</name><o2>0.21</o2></mix>\n"};
    for (const char* m : mixes)
        out += m;
    out += " </gasdefinitions>\n <profiledata><repetitiongroup><dive><samples>\n";
    const char* refs[] = {"tx", "ean50", "o2", "air"};
    for (int i = 0; i < waypoints; ++i) {
        const double depth = 40.0 + 20.0 * std::sin(i / 900.0);
        out += "<waypoint><divetime>";
        out += QByteArray::number(i);
        out += "</divetime><depth>";
        out += QByteArray::number(depth, 'g', 6);
        out += "</depth>";
        if (i == 0)
            out += "<divemode type=\"closedcircuit\"/>";
        if (i % 1200 == 0) {
            out += "<switchmix ref=\"";
            out += refs[(i / 1200) % 4];
            out += "\"/>";
        }
        if (i % 1800 == 0)
            out += (i / 1800) % 2 ? "<setpo2>130000</setpo2>" : "<setpo2>70000</setpo2>";
        out += "</waypoint>\n";
    }
    out += " </samples></dive></repetitiongroup></profiledata>\n</uddf>\n";
    return out;
}

double bestLoadMs(const QString& path, int runs, int* points)
{
    double best = 1e30;
    for (int r = 0; r < runs; ++r) {
        ConfigImage config = ConfigImage::defaultImage(QDate(2024, 1, 1));
        DiveProfile profile;
        QElapsedTimer timer;
        timer.start();
        logbook::load(profile, path, &config);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
        *points = profile.points();
    }
    return best;
}

// Best parse time and best read time (into an empty profile) of the reader's two steps.
void bestStepsMs(const QString& path, int runs, double* parseMs, double* readMs)
{
    *parseMs = *readMs = 1e30;
    for (int r = 0; r < runs; ++r) {
        DiveProfileUDDFReader reader;
        QElapsedTimer timer;
        timer.start();
        if (!reader.open(path, QStringLiteral("uddf")))
            return;
        *parseMs = std::min(*parseMs, timer.nsecsElapsed() / 1e6);
        ConfigImage config = ConfigImage::defaultImage(QDate(2024, 1, 1));
        DiveProfile profile;
        timer.restart();
        reader.read(&profile, &config);
        *readMs = std::min(*readMs, timer.nsecsElapsed() / 1e6);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the curves need a GUI application, not a display
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const int base = 36000;
    double ms[2] = {0, 0};
    for (int k = 0; k < 2; ++k) {
        const int n = base << k;
        const QString path = dir.filePath(QStringLiteral("bench_%1.uddf").arg(n));
        QFile f(path);
        const QByteArray data = generateUddf(n);
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
            return 1;
        f.close();
        int points = 0;
        try {
            ms[k] = bestLoadMs(path, 5, &points);
        } catch (const QString& e) {
            std::fprintf(stderr, "load failed: %s\n", qPrintable(e));
            return 1;
        }
        double parseMs = 0, readMs = 0;
        bestStepsMs(path, 5, &parseMs, &readMs);
        std::printf("UDDF %6d waypoints (%5.1f MB): best of 5 loads %8.1f ms, %d points"
                    " (XML parse %.1f ms, reading the document %.1f ms)\n",
                    n, data.size() / 1e6, ms[k], points, parseMs, readMs);
    }
    std::printf("doubled / single: %.2f (linear growth is 2.00)\n", ms[1] / ms[0]);
    return 0;
}
