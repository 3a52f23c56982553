// Version of the program and of the dive computer firmware whose decompression code it
// carries, as shown in the about window.
#pragma once

#include <QString>

#ifndef BATHYRA_VERSION_NUMBER
#define BATHYRA_VERSION_NUMBER "0.1.0"
#endif
#define BATHYRA_VERSION_SUFFIX ""
#define BATHYRA_FIRMWARE_MAJOR 2
#define BATHYRA_FIRMWARE_MINOR 20
#define BATHYRA_FIRMWARE_SUFFIX ""

// The about text (rich text) shown on the splash window.
QString aboutText();
