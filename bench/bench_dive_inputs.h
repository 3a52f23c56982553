// SPDX-License-Identifier: GPL-3.0-or-later
// The inputs of the benchmark dive: 72 m / 41 min on Tx18/45 with Nx50 from 21 m and O2 from
// 6 m, GF 30/85, by the names of the main window's fields; and the seven graph switches.
#pragma once

namespace benchdive
{

const char* const sets[][2] = {{"gradientFactor", "true"},
                               {"GF_low", "30"},
                               {"GF_high", "85"},
                               {"O2_1", "18"},
                               {"He_1", "45"},
                               {"gas_2", "true"},
                               {"O2_2", "50"},
                               {"depth_2", "21"},
                               {"gas_3", "true"},
                               {"O2_3", "100"},
                               {"depth_3", "6"},
                               {"dive_depth", "72"},
                               {"dive_time", "41"}};
const char* const graphs[] = {"depthGraph", "ceilGraph", "leadGraph", "gfGraph",
                              "ppO2Graph",  "cnsGraph",  "ndlGraph"};

} // namespace benchdive
