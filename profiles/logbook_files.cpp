// SPDX-License-Identifier: GPL-3.0-or-later
// Logbook files in and out of a profile: see logbook_files.h.
#include "profiles/logbook_files.h"

#include "device/config_image.h"
#include "profiles/dive_profile.h"
#include "profiles/profile_readers.h"
#include "profiles/uddf_formats.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>

namespace logbook
{

namespace
{
const char* const cannotOpenText = QT_TRANSLATE_NOOP("Console", "Cannot open profile.");
} // namespace

void load(DiveProfile& profile, const QString& fileName, ConfigImage* configuration,
          MessageSink* console)
{
    // A file that cannot be read or is no XML says which file and why (where the XML
    // breaks); a document of another kind says so.
    const QString file = QFileInfo(fileName).fileName().toHtmlEscaped();
    const auto cannotOpen = [&file](const DiveProfileXMLReader& r, const QString& root) {
        const QString why =
            r.openError().isEmpty()
                ? QCoreApplication::translate("Console", "its root element is not <%1>")
                      .arg(root)
                      .toHtmlEscaped()
                : r.openError();
        return QCoreApplication::translate("Console", cannotOpenText) +
               QStringLiteral(" '%1': %2").arg(file, why);
    };
    std::unique_ptr<DiveProfileXMLReader> reader;
    if (fileName.endsWith(QLatin1String(".xml"))) {
        reader.reset(new DiveProfileXMLReader(console));
        if (!reader->open(fileName, QStringLiteral("DivingLog"))) {
            if (!reader->openError().isEmpty())
                throw cannotOpen(*reader, QString());
            reader.reset(new DiveProfileXMLShearWater(console));
            if (!reader->open(fileName, QStringLiteral("dive")))
                throw QCoreApplication::translate(
                    "Console", "Unsupported XML format (neither DivingLog or Shearwater)");
        }
    } else if (fileName.endsWith(QLatin1String(".udcf"))) {
        reader.reset(new DiveProfileUDCFReader(console));
        if (!reader->open(fileName, QStringLiteral("profile")))
            throw cannotOpen(*reader, QStringLiteral("profile"));
    } else if (fileName.endsWith(QLatin1String(".uddf"))) {
        reader.reset(new DiveProfileUDDFReader(console));
        if (!reader->open(fileName, QStringLiteral("uddf")))
            throw cannotOpen(*reader, QStringLiteral("uddf"));
    } else {
        throw QCoreApplication::translate("Console", "Unknown file format.");
    }

    // Read into copies so that a read that gives up half-way changes nothing.
    DiveProfile scratch;
    scratch.assign(profile);
    std::optional<ConfigImage> scratchConfig;
    if (configuration)
        scratchConfig.emplace(*configuration);
    if (!reader->read(&scratch, scratchConfig ? &*scratchConfig : nullptr))
        throw QCoreApplication::translate("Console", "Cannot load profile.");
    // A log of several samples that cannot be a dive (none below the surface, or all at
    // one time) would load as a 0 m dive without a word. The file's samples are those the
    // read added to what the profile held (a drawing stays).
    const int added = scratch.points() - profile.points();
    const auto below = [](const QVector<double>& depths) {
        return std::count_if(depths.begin(), depths.end(), [](double d) { return d > 0.0; });
    };
    if (added > 2 && below(scratch.depths()) == below(profile.depths()))
        throw QCoreApplication::translate("Console",
                                          "Cannot load profile: no sample of '%1' has a depth.")
            .arg(file);
    QVector<double> addedTimes; // both time lists are in order
    std::set_difference(scratch.times().begin(), scratch.times().end(), profile.times().begin(),
                        profile.times().end(), std::back_inserter(addedTimes));
    if (added > 2 && addedTimes.size() == added && addedTimes.first() == addedTimes.last())
        throw QCoreApplication::translate(
            "Console", "Cannot load profile: all %1 samples of '%2' are at one time.")
            .arg(added)
            .arg(file);
    profile.assign(scratch);
    if (configuration)
        *configuration = *scratchConfig;
}

void save(DiveProfile& profile, const QString& fileName, const ConfigImage* configuration,
          MessageSink* console)
{
    std::unique_ptr<DiveProfileXMLWriter> writer;
    QString rootTag;
    if (fileName.endsWith(QLatin1String(".xml"))) {
        writer.reset(new DiveProfileXMLWriter(console));
        rootTag = QStringLiteral("DivingLog");
    } else if (fileName.endsWith(QLatin1String(".uddf"))) {
        writer.reset(new DiveProfileUDDFWriter(console));
        rootTag = QStringLiteral("uddf");
    } else {
        throw QCoreApplication::translate("Console", "Unknown save file format");
    }
    if (!writer->open(fileName, rootTag))
        throw QCoreApplication::translate("Console", cannotOpenText);
    if (!writer->write(&profile, configuration))
        throw QCoreApplication::translate("Console", "Cannot save profile.");
}

} // namespace logbook
