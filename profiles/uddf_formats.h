// SPDX-License-Identifier: GPL-3.0-or-later
// UDDF (read and written) and UDCF (read) logbook files: depth samples, gas mixes, gas switches
// and, for UDDF, setpoints and the open- or closed-circuit mode.
//
// Entry points: DiveProfileUDDFReader, DiveProfileUDCFReader (open/openData, then read) and
// DiveProfileUDDFWriter (open, then write).
#pragma once

#include "profiles/profile_readers.h"

class DiveProfileUDDFReader : public DiveProfileXMLReader
{
public:
    explicit DiveProfileUDDFReader(MessageSink* console = nullptr) : DiveProfileXMLReader(console)
    {
    }
    bool read(DiveProfile* profile, ConfigImage* configuration) override;
};

class DiveProfileUDCFReader : public DiveProfileXMLReader
{
public:
    explicit DiveProfileUDCFReader(MessageSink* console = nullptr) : DiveProfileXMLReader(console)
    {
    }
    bool read(DiveProfile* profile, ConfigImage* configuration) override;

protected:
    // UDCF writers differ in letter case ("PROFILE", "profile"): the root is matched ignoring it.
    bool acceptsRoot(const QString& tag, const QString& rootTag) const override;
};

class DiveProfileUDDFWriter : public DiveProfileXMLWriter
{
public:
    explicit DiveProfileUDDFWriter(MessageSink* console = nullptr) : DiveProfileXMLWriter(console)
    {
    }
    bool write(DiveProfile* profile, const ConfigImage* configuration) override;

    // "Tx18/45", "Air", "O2", "Nx32".
    static QString gasName(int o2, int he);
};
