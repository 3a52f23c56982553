// SPDX-License-Identifier: GPL-3.0-or-later
// The about text of the program, with its version (bathyra_version.h).
#pragma once

#include "bathyra_version.h"

#include <QString>

// The about text (rich text) shown on the splash window.
QString aboutText();
// What --version prints for the program of this name (its version, licence, Qt and Qwt).
QString versionText(const char* program);
