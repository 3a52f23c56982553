// SPDX-License-Identifier: GPL-3.0-or-later
// Dive parameters that do not need a window: the process-wide configuration image,
// engine state block and replay flags, gas naming, the MOD/EAD/END figures shown
// beside each gas, the copy of the gas list into the engine inputs, the check of the
// breathed mix at a depth and the choice of a deco gas during an ascent.
//
// Entry points: currentImage, plannerEngine, replayFlags, gasName, gasInfo, setpointInfo,
// loadEngineGases, setDepth, bestGasForDepth, and the rounding helpers.
#pragma once

#include "device/config_image.h"
#include "device/param_file.h"
#include "engine/engine.h"

#include <QString>

namespace planner
{

// The one configuration image of the run (built from the defaults on first use).
ConfigImage& currentImage();
// The one engine state block of the run; its configuration pointer is the current image.
engine::engine_state& plannerEngine();
// The six replay flags read by the profile replay.
ReplayFlags& replayFlags();

// A decimal widget value to an integer field: nearest integer of value * scale, so
// that 1.3 bar is 130 centibar although 1.3 * 100 is 129.99999... in binary.
int roundScaled(double value, int scale);
// The legacy file reader truncates, but truncates the decimal value the file holds:
// 1.299 gives 129 and 1.15 gives 115.
int truncScaled(double value, int scale);

// Short name of a mix: Air, Oxy, Nx32, Tx18/45, Hx10/90, Err15/00.
QString gasName(int o2Percent, int hePercent);
// Name of gas n (1..5) of an image.
QString gasName(const ConfigImage& image, int n);

// Figures of one gas row; ead/end are -1 when the switch depth is 0 (shown as ---).
struct GasInfo {
    int mod = 0;
    int ead = -1;
    int end = -1;
    bool mixInvalid = false; // N2 above 79 % or O2 + He above 100 %
};
GasInfo gasInfo(int o2Percent, int hePercent, int depthMetres, double ppO2High,
                int surfaceMbar = 1013);
// The depth (metres) of the engine's ambient pressure.
float currentDepth(const engine::engine_state& s);
// The engine's inspired ppO2 (centibar) of an O2 fraction at a depth, as setDepth computes it.
int inspiredPpO2Cbar(int o2Percent, int depthMetres, int surfaceMbar);
// Maximum operating depth: the deepest whole metre at which the engine's inspired ppO2 does
// not exceed ppO2MaxCbar, so that a gas is never flagged at the depth shown as its MOD.
int modMetres(int o2Percent, int ppO2MaxCbar, int surfaceMbar);
// "MOD:66m, EAD:---, END:---" or "MOD:22m, EAD:13m, END:21m" (numbers two wide).
QString gasInfoText(const GasInfo& info);

// The diluent line of the setpoint group. diluentO2/He in percent (0 without a diluent).
QString setpointInfoText(double setpointBar, int diluentO2Percent, int diluentHePercent);

// Gases, model parameters and the first gas of the image into the engine inputs.
void loadEngineGases(const ConfigImage& image, engine::engine_state& s);
// Ambient pressure and inspired ppO2 for a depth; throws a QString on a refused mix.
void setDepth(const ConfigImage& image, engine::engine_state& s, float depthMetres);
// The same without the check: the diver is placed there but breathes nothing yet.
void placeAt(const ConfigImage& image, engine::engine_state& s, float depthMetres);
// Throws the refusal text when the mix set by placeAt cannot be breathed there.
void checkBreathedMix(const engine::engine_state& s);
// The first gas in use (active or first) whose O2 + He exceeds 100 %, or 0.
int impossibleMixGas(const ConfigImage& image);
// Gas 1..5 to breathe at this depth during an ascent, or 0.
int bestGasForDepth(const ConfigImage& image, float depthMetres);

} // namespace planner
