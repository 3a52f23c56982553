// SPDX-License-Identifier: GPL-3.0-or-later
// Program-wide options of the settings dialog, loaded at start-up by
// Settings::loadSettings and changed only when the dialog is accepted.
#pragma once

#include <QString>

struct ProgramOptions {
    QString language;             // two-letter code, "Interface/lang"
    QString port;                 // serial port name or device path, "OSTC/port"
    bool verbose = false;         // "Dive/verbose"
    bool autoSetDateTime = false; // "OSTC/autoSetDateTime"
    bool decoBorder = false;      // "Decoplan/border"
    bool betaFeatures = false;    // "Interface/betaFeatures"
};

ProgramOptions& programOptions();
