// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in table of the OSTC's 96 custom functions: type, default, limits and the
// label shown in the editor and in console messages. The rows mirror the firmware's own
// list; labels keep their exact spacing (the firmware pads some of them).
//
// Entry points: ConfigImage::cfDefinition, ConfigImage::cfName.
#include "device/config_image.h"

#include <QCoreApplication>

namespace
{

using namespace cf_type;

// One row a line: the labels are marked for translation in the CF editor's context.
// clang-format off
constexpr CfDefinition unused_row{tInt16, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "unused")};

const CfDefinition cf_table[] = {
    /* CF00 */ {tHundredths, 100, 50, 250, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Start Dive [m]")},
    /* CF01 */ {tHundredths, 75, 10, 100, QT_TRANSLATE_NOOP("CF menu (15 char max)", "End Dive [m]")},
    /* CF02 */ {tTime, 240, 0, 600, QT_TRANSLATE_NOOP("CF menu (15 char max)", "End Delay [sec]")},
    /* CF03 */ {tTime, 120, 30, 240, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Power Off [min]")},
    /* CF04 */ {tTime, 5, 1, 30, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Pre-menu [min]")},
    /* CF05 */ {tInt8, 7, 3, 18, QT_TRANSLATE_NOOP("CF menu (15 char max)", "velocity[m/min]")},
    /* CF06 */ {tInt16, 1160, 950, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Wake-up  [mbar]")},
    /* CF07 */ {tInt16, 1080, 1080, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "max.Surf.[mbar]")},
    /* CF08 */ {tPercent, 20, 1, 99, QT_TRANSLATE_NOOP("CF menu (15 char max)", "GF display [%]")},
    /* CF09 */ {tPercent, 20, 1, 22, QT_TRANSLATE_NOOP("CF menu (15 char max)", "min. O2 Dis.[%]")},
    /* CF10 */ {tTime, 45, 5, 60, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Dive menus[min]")},
    /* CF11 */ {tPercent, 110, 110, 200, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Saturate x [%]")},
    /* CF12 */ {tPercent, 90, 50, 90, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Desaturate x[%]")},
    /* CF13 */ {tPercent, 60, 60, 100, QT_TRANSLATE_NOOP("CF menu (15 char max)", "NoFly Ratio [%]")},
    /* CF14 */ {tPercent, 100, 50, 100, QT_TRANSLATE_NOOP("CF menu (15 char max)", "GF alarm 1 [%]")},
    /* CF15 */ {tPercent, 10, 0, 100, QT_TRANSLATE_NOOP("CF menu (15 char max)", "CNSshow surf[%]")},
    /* CF16 */ {tTenths, 10, 0, 20, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Deco Offset [m]")},
    /* CF17 */ {tHundredths, 19, 19, 21, QT_TRANSLATE_NOOP("CF menu (15 char max)", "ppO2 low [bar]")},
    /* CF18 */ {tHundredths, 160, 0, 160, QT_TRANSLATE_NOOP("CF menu (15 char max)", "ppO2 high [bar]")},
    /* CF19 */ {tHundredths, 140, 0, 150, QT_TRANSLATE_NOOP("CF menu (15 char max)", "ppO2 show [bar]")},
    /* CF20 */ {tInt8, 10, 1, 120, QT_TRANSLATE_NOOP("CF menu (15 char max)", "sampling rate")},
    /* CF21 */ {tInt8, 6, 0, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divisor Temp")},
    /* CF22 */ {tInt8, 6, 0, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divisor Decodat")},
    /* CF23 */ {tInt8, 6, 0, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divisor GF")},
    /* CF24 */ {tInt8, 0, 0, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divisor ppO2")},
    /* CF25 */ {tInt8, 0, 0, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divisor Debug")},
    /* CF26 */ {tInt8, 12, 0, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divisor CNS")},
    /* CF27 */ {tPercent, 20, 5, 75, QT_TRANSLATE_NOOP("CF menu (15 char max)", "CNSshow dive[%]")},
    /* CF28 */ {tInt16, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Logbook offset")},
    /* CF29 */ {tInt8, 3, 2, 6, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Last Deco at[m]")},
    /* CF30 */ {tTime, 10, 1, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "End Apnoe [h]")},
    /* CF31 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show Batt.Volts")},
    /* CF32 */ {tPercent, 30, 5, 90, QT_TRANSLATE_NOOP("CF menu (15 char max)", "GF Low [%]")},
    /* CF33 */ {tPercent, 85, 30, 95, QT_TRANSLATE_NOOP("CF menu (15 char max)", "GF High [%]")},
    /* CF34 */ {tColour, 0xC7, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Color# Battery ")},
    /* CF35 */ {tColour, 0xFF, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Color# Standard")},
    /* CF36 */ {tColour, 0x3E, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Color# Divemask")},
    /* CF37 */ {tColour, 0xE0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Color# Warnings")},
    /* CF38 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divemode secs. ")},
    /* CF39 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Adjust fixed SP")},
    /* CF40 */ {tOnOff, 1, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Warn Ceiling")},
    /* CF41 */ {tOnOff, 1, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Mix type icons")},
    /* CF42 */ {tOnOff, 1, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Blink BetterGas")},
    /* CF43 */ {tInt16, 13000, 0, 13000, QT_TRANSLATE_NOOP("CF menu (15 char max)", "DepthWarn[mbar]")},
    /* CF44 */ {tPercent, 101, 50, 101, QT_TRANSLATE_NOOP("CF menu (15 char max)", "CNS warning [%]")},
    /* CF45 */ {tPercent, 101, 50, 101, QT_TRANSLATE_NOOP("CF menu (15 char max)", "GF warning [%]")},
    /* CF46 */ {tHundredths, 161, 100, 161, QT_TRANSLATE_NOOP("CF menu (15 char max)", "ppO2 warn [bar]")},
    /* CF47 */ {tInt8, 15, 7, 20, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Vel.warn[m/min]")},
    // -120 minutes a day, stored as a 16-bit two's complement number.
    /* CF48 */ {tSignedTime, 0, 0xFF88, 120, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Time offset/day")},
    /* CF49 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show altimeter")},
    /* CF50 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show Log-Marker")},
    /* CF51 */ {tOnOff, 1, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show Stopwatch")},
    /* CF52 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "ShowTissueGraph")},
    /* CF53 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show Lead.Tiss.")},
    /* CF54 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "ShallowStop 1st")},
    /* CF55 */ {tInt8, 0, 0, 10, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Gas switch[min]")},
    /* CF56 */ {tInt16, 20, 5, 50, QT_TRANSLATE_NOOP("CF menu (15 char max)", "BottomGas[/min]")},
    /* CF57 */ {tInt16, 20, 5, 50, QT_TRANSLATE_NOOP("CF menu (15 char max)", "AscentGas[/min]")},
    /* CF58 */ {tInt8, 0, 0, 10, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Future TTS[min]")},
    /* CF59 */ {tInt16, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Cave Bail Alarm")},
    /* CF60 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Graph. Velocity")},
    /* CF61 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show pSCR ppO2")},
    /* CF62 */ {tPercent, 4, 0, 100, QT_TRANSLATE_NOOP("CF menu (15 char max)", "pSCR O2 Drop[%]")},
    /* CF63 */ {tInt8, 10, 0, 100, QT_TRANSLATE_NOOP("CF menu (15 char max)", "pSCR lung ratio")},
    /* CF64 */ {tColour, 0x4A, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Color# inactive")},
    /* CF65 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Use safety stop")},
    /* CF66 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show GF in NDL")},
    /* CF67 */ {tPercent, 30, 5, 90, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Alt. GF Low [%]")},
    /* CF68 */ {tPercent, 90, 30, 95, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Alt. GF High[%]")},
    /* CF69 */ {tOnOff, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Allow GF change")},
    // CF70..CF95 are reserved by the firmware.
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
    unused_row,
};

// clang-format on

static_assert(sizeof(cf_table) / sizeof(cf_table[0]) == ConfigImage::CfCount,
              "one row per custom function");

} // namespace

const CfDefinition& ConfigImage::cfDefinition(int n)
{
    if (n < 0 || n >= CfCount)
        throw QCoreApplication::translate("ConfigImage", "No custom function CF%1").arg(n);
    return cf_table[n];
}

QString ConfigImage::cfName(int n)
{
    return QStringLiteral("CF%1").arg(n, 2, 10, QLatin1Char('0'));
}
