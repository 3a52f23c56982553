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

constexpr CfDefinition unused_row{tInt16, 0, 0, 0, "unused"};

const CfDefinition cf_table[] = {
    /* CF00 */ {tHundredths, 100, 50, 250, "Start Dive [m]"},
    /* CF01 */ {tHundredths, 75, 10, 100, "End Dive [m]"},
    /* CF02 */ {tTime, 240, 0, 600, "End Delay [sec]"},
    /* CF03 */ {tTime, 120, 30, 240, "Power Off [min]"},
    /* CF04 */ {tTime, 5, 1, 30, "Pre-menu [min]"},
    /* CF05 */ {tInt8, 7, 3, 18, "velocity[m/min]"},
    /* CF06 */ {tInt16, 1160, 950, 0, "Wake-up  [mbar]"},
    /* CF07 */ {tInt16, 1080, 1080, 0, "max.Surf.[mbar]"},
    /* CF08 */ {tPercent, 20, 1, 99, "GF display [%]"},
    /* CF09 */ {tPercent, 20, 1, 22, "min. O2 Dis.[%]"},
    /* CF10 */ {tTime, 45, 5, 60, "Dive menus[min]"},
    /* CF11 */ {tPercent, 110, 110, 200, "Saturate x [%]"},
    /* CF12 */ {tPercent, 90, 50, 90, "Desaturate x[%]"},
    /* CF13 */ {tPercent, 60, 60, 100, "NoFly Ratio [%]"},
    /* CF14 */ {tPercent, 100, 50, 100, "GF alarm 1 [%]"},
    /* CF15 */ {tPercent, 10, 0, 100, "CNSshow surf[%]"},
    /* CF16 */ {tTenths, 10, 0, 20, "Deco Offset [m]"},
    /* CF17 */ {tHundredths, 19, 19, 21, "ppO2 low [bar]"},
    /* CF18 */ {tHundredths, 160, 0, 160, "ppO2 high [bar]"},
    /* CF19 */ {tHundredths, 140, 0, 150, "ppO2 show [bar]"},
    /* CF20 */ {tInt8, 10, 1, 120, "sampling rate"},
    /* CF21 */ {tInt8, 6, 0, 15, "Divisor Temp"},
    /* CF22 */ {tInt8, 6, 0, 15, "Divisor Decodat"},
    /* CF23 */ {tInt8, 6, 0, 15, "Divisor GF"},
    /* CF24 */ {tInt8, 0, 0, 15, "Divisor ppO2"},
    /* CF25 */ {tInt8, 0, 0, 15, "Divisor Debug"},
    /* CF26 */ {tInt8, 12, 0, 15, "Divisor CNS"},
    /* CF27 */ {tPercent, 20, 5, 75, "CNSshow dive[%]"},
    /* CF28 */ {tInt16, 0, 0, 0, "Logbook offset"},
    /* CF29 */ {tInt8, 3, 2, 6, "Last Deco at[m]"},
    /* CF30 */ {tTime, 10, 1, 15, "End Apnoe [h]"},
    /* CF31 */ {tOnOff, 0, 0, 0, "Show Batt.Volts"},
    /* CF32 */ {tPercent, 30, 5, 90, "GF Low [%]"},
    /* CF33 */ {tPercent, 85, 30, 95, "GF High [%]"},
    /* CF34 */ {tColour, 0xC7, 0, 0, "Color# Battery "},
    /* CF35 */ {tColour, 0xFF, 0, 0, "Color# Standard"},
    /* CF36 */ {tColour, 0x3E, 0, 0, "Color# Divemask"},
    /* CF37 */ {tColour, 0xE0, 0, 0, "Color# Warnings"},
    /* CF38 */ {tOnOff, 0, 0, 0, "Divemode secs. "},
    /* CF39 */ {tOnOff, 0, 0, 0, "Adjust fixed SP"},
    /* CF40 */ {tOnOff, 1, 0, 0, "Warn Ceiling"},
    /* CF41 */ {tOnOff, 1, 0, 0, "Mix type icons"},
    /* CF42 */ {tOnOff, 1, 0, 0, "Blink BetterGas"},
    /* CF43 */ {tInt16, 13000, 0, 13000, "DepthWarn[mbar]"},
    /* CF44 */ {tPercent, 101, 50, 101, "CNS warning [%]"},
    /* CF45 */ {tPercent, 101, 50, 101, "GF warning [%]"},
    /* CF46 */ {tHundredths, 161, 100, 161, "ppO2 warn [bar]"},
    /* CF47 */ {tInt8, 15, 7, 20, "Vel.warn[m/min]"},
    // -120 minutes a day, stored as a 16-bit two's complement number.
    /* CF48 */ {tSignedTime, 0, 0xFF88, 120, "Time offset/day"},
    /* CF49 */ {tOnOff, 0, 0, 0, "Show altimeter"},
    /* CF50 */ {tOnOff, 0, 0, 0, "Show Log-Marker"},
    /* CF51 */ {tOnOff, 1, 0, 0, "Show Stopwatch"},
    /* CF52 */ {tOnOff, 0, 0, 0, "ShowTissueGraph"},
    /* CF53 */ {tOnOff, 0, 0, 0, "Show Lead.Tiss."},
    /* CF54 */ {tOnOff, 0, 0, 0, "ShallowStop 1st"},
    /* CF55 */ {tInt8, 0, 0, 10, "Gas switch[min]"},
    /* CF56 */ {tInt16, 20, 5, 50, "BottomGas[/min]"},
    /* CF57 */ {tInt16, 20, 5, 50, "AscentGas[/min]"},
    /* CF58 */ {tInt8, 0, 0, 10, "Future TTS[min]"},
    /* CF59 */ {tInt16, 0, 0, 0, "Cave Bail Alarm"},
    /* CF60 */ {tOnOff, 0, 0, 0, "Graph. Velocity"},
    /* CF61 */ {tOnOff, 0, 0, 0, "Show pSCR ppO2"},
    /* CF62 */ {tPercent, 4, 0, 100, "pSCR O2 Drop[%]"},
    /* CF63 */ {tInt8, 10, 0, 100, "pSCR lung ratio"},
    /* CF64 */ {tColour, 0x4A, 0, 0, "Color# inactive"},
    /* CF65 */ {tOnOff, 0, 0, 0, "Use safety stop"},
    /* CF66 */ {tOnOff, 0, 0, 0, "Show GF in NDL"},
    /* CF67 */ {tPercent, 30, 5, 90, "Alt. GF Low [%]"},
    /* CF68 */ {tPercent, 90, 30, 95, "Alt. GF High[%]"},
    /* CF69 */ {tOnOff, 0, 0, 0, "Allow GF change"},
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
