// SPDX-License-Identifier: GPL-3.0-or-later
// Logbook files in and out of a dive profile: the format is chosen by the file's ending
// (".xml": DivingLog or Shearwater XML, ".uddf", ".udcf"; DivingLog XML and UDDF written), the
// readers and writers beside this file do the work. The profile model itself knows no format.
#pragma once

#include <QString>

class ConfigImage;
class DiveProfile;
class MessageSink;

namespace logbook
{

// Reads a logbook file into the profile (and the gases and mode into the configuration, when
// given). Throws the failure text; a failed load leaves both as they were.
void load(DiveProfile& profile, const QString& fileName, ConfigImage* configuration,
          MessageSink* console = nullptr);
// Writes the profile whole or not at all. Throws the failure text.
void save(DiveProfile& profile, const QString& fileName, const ConfigImage* configuration,
          MessageSink* console = nullptr);

} // namespace logbook
