// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the engine's source files: clamped float-to-integer conversions,
// the physical constants and the tolerated-pressure formula.
#pragma once

#include "engine/engine.h"

namespace engine
{

// Physical constants, single precision as on the dive computer.
constexpr float water_vapour_bar = 0.0627f;
constexpr float air_n2_fraction = 0.7902f;
constexpr float metres_per_bar = 10.015f;
constexpr float bar_per_metre = 0.09985f;
constexpr float bar_per_minute_ascent = 0.9985f; // 10 m/min
constexpr float bar_per_2s_ascent = 0.0332833f;  // 10 m/min over 2 seconds

// Float to integer type T by truncation, clamped to 0..max. Every conversion in the engine
// goes through it so that no value outside the target range (nor NaN) is ever converted.
template <typename T> inline T trunc_clamped(float x, T max)
{
    if (!(x > 0.0f))
        return 0;
    if (x >= static_cast<float>(max))
        return max;
    return static_cast<T>(x);
}

inline uint8_t trunc_u8(float x)
{
    return trunc_clamped<uint8_t>(x, 255);
}
inline uint16_t trunc_u16(float x)
{
    return trunc_clamped<uint16_t>(x, 65535);
}
inline int trunc_int(float x, int max)
{
    return trunc_clamped(x, max);
}

// "Add 0.5 and truncate", the engine's rounding to integer outputs.
inline uint8_t round_u8(float x)
{
    return trunc_u8(x + 0.5f);
}
inline uint16_t round_u16(float x)
{
    return trunc_u16(x + 0.5f);
}

// The sixteen pressures of one compartment array into another: the snapshots of the tissues.
inline void copy_compartments(const float (&from)[compartment_count],
                              float (&to)[compartment_count])
{
    for (int i = 0; i < compartment_count; ++i)
        to[i] = from[i];
}

// Weighted a and b coefficients of compartment i for pressures n, h.
inline void weighted_coefficients(int i, float n, float h, float& a, float& b)
{
    const compartment_coefficients& c = zhl16c[i];
    const float p = n + h;
    if (!(p > 0.0f)) {
        // An empty compartment has no mix to weight by; its nitrogen coefficients keep the
        // tolerance negative, so it can never lead.
        a = c.n2_a;
        b = c.n2_b;
        return;
    }
    a = (c.n2_a * n + c.he_a * h) / p;
    b = (c.n2_b * n + c.he_b * h) / p;
}

// Tolerated ambient pressure of compartment i: plain ZH-L16 when gf_model is false,
// scaled by gradient factor g otherwise.
inline float tolerated_bar(int i, float n, float h, bool gf_model, float g)
{
    float a, b;
    weighted_coefficients(i, n, h, a, b);
    const float p = n + h;
    if (!gf_model)
        return (p - a) * b;
    return b * (p - g * a) / ((1.0f - g) * b + g);
}

// Quotient of an inert-gas pressure by the diluent's inert fraction. A diluent without
// inert gas has no loop pressure of its own: a positive numerator then means "as high as
// possible" (the callers lower it to the ambient pressure), anything else means 0.
inline float loop_quotient(float numerator, float inert_fraction)
{
    if (inert_fraction > 0.0f)
        return numerator / inert_fraction;
    return numerator > 0.0f ? 3.0e38f : 0.0f;
}

void take_sim_gas(engine_state& s);

} // namespace engine
