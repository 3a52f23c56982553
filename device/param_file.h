// SPDX-License-Identifier: GPL-3.0-or-later
// The dive parameter file (*.div) and the parameter keys of the application settings
// file: the planning fields of the configuration image, the four dive inputs of the main
// window and the six replay options, stored through QSettings in INI format.
//
// Entry points: ParamFile::save, ParamFile::load. Both work on any QSettings store, so
// the same code serves a .div file and "Bathyra Defaults.ini".
#pragma once

class ConfigImage;
class MessageSink;
class QSettings;

// The four dive inputs of the main window that a parameter file carries.
struct DiveInputs {
    int pressure_mbar = 1013; // "Dive/pressure"
    int ascent_speed = 10;    // "Dive/ascent_speed", m/min
    int bottom_time_min = 20; // "Dive/bottom_time"
    int bottom_depth_m = 45;  // "Dive/bottom_depth"
};

// The six replay options, named after their settings keys.
struct ReplayFlags {
    bool breakOnStop = true;
    bool gasSwitch = true;
    bool breakOnSwitch = false;
    bool setpoint = true;
    bool breakOnSetpoint = false;
    bool ppo2 = true;
};

// How much of a cylinder a plan may use: all of it, half, or two thirds.
enum class ReserveRule : int { All = 0, Half = 1, TwoThirds = 2 };

// The cylinders of gases 1..5 (0 litres or 0 bar: no cylinder) and the reserve rule, kept
// beside the gas keys as "Gas0/cylinder_litres", "Gas0/cylinder_bar" (gas 1; Gas4 for gas
// 5) and "Reserve/rule"
// ("all", "half", "two_thirds"). Files without these keys have no cylinders.
struct CylinderInputs {
    int litres[5] = {};
    int fillBar[5] = {};
    ReserveRule rule = ReserveRule::TwoThirds;
    bool has(int n) const { return litres[n - 1] > 0 && fillBar[n - 1] > 0; }
    // Some gas has a cylinder.
    bool any() const
    {
        for (int n = 1; n <= 5; ++n)
            if (has(n))
                return true;
        return false;
    }
};

namespace ParamFile
{

// Writes the image fields, the dive inputs and the replay flags into s and flushes it.
// The image is validated first (findings go to sink); a stopping validation error is
// thrown as a QString before anything in s is changed. Only keys this file owns and the
// legacy layout's keys are removed, so unrelated keys ("Dive/verbose") survive.
void save(QSettings& s, const ConfigImage& image, const DiveInputs& dive, const ReplayFlags& replay,
          MessageSink* sink);

// Reads the dive inputs and the replay flags, then replaces image by the default image
// and reads the new or (when "Mode" is present) the legacy layout into it. A stopping
// error of the final validation is swallowed: the image keeps what was read. Returns
// false when that happened.
bool load(const QSettings& s, ConfigImage& image, DiveInputs& dive, ReplayFlags& replay,
          MessageSink* sink);

// The cylinder keys alone, so that callers of save/load that know no cylinders change
// nothing. Out-of-range values read as no cylinder, an unknown rule as two thirds.
void saveCylinders(QSettings& s, const CylinderInputs& cylinders);
CylinderInputs loadCylinders(const QSettings& s);

} // namespace ParamFile
