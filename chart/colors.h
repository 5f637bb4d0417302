#pragma once

#include "chart/surface.h"

namespace rorovovo::chart {

// The chart's own colours; a rhythm's colour comes from the rhythm table.
constexpr Rgb kRed = 0xFF0000;  // the indicator's rising or falling arrow
constexpr Rgb kSilver = 0xC0C0C0;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0x000000;

}  // namespace rorovovo::chart
