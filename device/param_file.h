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

} // namespace ParamFile
