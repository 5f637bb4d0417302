#pragma once

#include "chart/surface.h"

namespace rorovovo::chart {

constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kFuchsia = 0xFF00FF;
constexpr Rgb kGreen = 0x008000;
constexpr Rgb kBlue = 0x0000FF;
constexpr Rgb kAqua = 0x00FFFF;
constexpr Rgb kOlive = 0x808000;
constexpr Rgb kSilver = 0xC0C0C0;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0x000000;

}  // namespace rorovovo::chart
