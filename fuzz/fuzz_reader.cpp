// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for one logbook reader, chosen at build time by BATHYRA_FUZZ_READER
// (1 DivingLog, 2 Shearwater, 3 UDDF, 4 UDCF). Each input is opened from memory, read into a
// fresh profile and configuration, and the profile is then queried as a replay and a plot would.
// Built as a libFuzzer target, or with fuzz_replay_main.cpp as a program that runs a corpus.
#include "device/config_image.h"
#include "device/message_sink.h"
#include "profiles/dive_profile.h"
#include "profiles/profile_readers.h"
#include "profiles/uddf_formats.h"

#include <QByteArray>
#include <QDate>
#include <QGuiApplication>
#include <qwt_plot_marker.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace
{

std::unique_ptr<DiveProfileXMLReader> makeReader(MessageSink* sink, QString* rootTag)
{
#if BATHYRA_FUZZ_READER == 1
    *rootTag = QStringLiteral("DivingLog");
    return std::make_unique<DiveProfileXMLReader>(sink);
#elif BATHYRA_FUZZ_READER == 2
    *rootTag = QStringLiteral("dive");
    return std::make_unique<DiveProfileXMLShearWater>(sink);
#elif BATHYRA_FUZZ_READER == 3
    *rootTag = QStringLiteral("uddf");
    return std::make_unique<DiveProfileUDDFReader>(sink);
#else
    *rootTag = QStringLiteral("profile");
    return std::make_unique<DiveProfileUDCFReader>(sink);
#endif
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Markers draw text: a GUI application object must exist, without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CollectingSink sink;
    QString rootTag;
    auto reader = makeReader(&sink, &rootTag);
    if (!reader->openData(QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size)),
                          rootTag))
        return 0;
    DiveProfile profile;
    ConfigImage config = ConfigImage::defaultImage(QDate(2024, 1, 1));
    if (!reader->read(&profile, &config))
        return 0;

    // Use the result the way a replay, the plot and the console do.
    float sum =
        profile.diveTime() + profile.diveDepth() + profile.averageDepth() + profile.lastDepth();
    const int end = static_cast<int>(std::min(profile.diveTime(), 1000.0f) * 60.0f);
    profile.gasChange(0);
    profile.setpointChange(0);
    for (int s = 0; s <= end; s += 7) {
        sum += profile.depth(s) + profile.recordedPpO2(s);
        sum += static_cast<float>(profile.gasChange(s)) + profile.setpointChange(s);
    }
    sum += static_cast<float>(profile.gasAt(1.0) + profile.markers().size());
    sum += static_cast<float>(profile.description().join(QString()).size());
    if (profile.points() > 0)
        profile.removePoint(profile.times().first());
    profile.setGas(0.5, 2);
    profile.setSetpoint(0.5, 1.2f);
    return sum == 12345.678f ? 1 : 0; // keeps the work from being optimised away
}
