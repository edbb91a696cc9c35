// Colour arithmetic on TColor values: mixing, inverting, channel swapping
// and distance.
//
// A TColor is 0x00BBGGRR (red in bits 0-7, green 8-15, blue 16-23). Every
// function here ignores the high byte of its inputs and returns a plain RGB
// colour with a zero high byte. None raises.
#pragma once

#include <cstdint>

#include "platform/graphics_types.h"

namespace kvo {

// RGBToColor
//
// Packs three channels into a colour using their low bytes only:
// (R and 255) + 256 * (G and 255) + 65536 * (B and 255).
constexpr TColor RGBToColor(int32_t R, int32_t G, int32_t B) {
  return static_cast<TColor>((static_cast<uint32_t>(R) & 255u) | ((static_cast<uint32_t>(G) & 255u) << 8) |
                             ((static_cast<uint32_t>(B) & 255u) << 16));
}

// GetRValue, GetGValue, GetBValue
//
// The red, green and blue channel of a colour (0 .. 255).
constexpr int32_t GetRValue(TColor C) { return static_cast<int32_t>(static_cast<uint32_t>(C) & 255u); }
constexpr int32_t GetGValue(TColor C) { return static_cast<int32_t>((static_cast<uint32_t>(C) >> 8) & 255u); }
constexpr int32_t GetBValue(TColor C) { return static_cast<int32_t>((static_cast<uint32_t>(C) >> 16) & 255u); }

// InterpolateColor
//
// The colour Ratio of the way from Color1 to Color2. Ratio is clamped to
// 0 .. 1 (above 1 gives 1, anything not >= 0, NaN included, gives 0). Each
// channel is truncate((c2 - c1) * Ratio + c1), toward zero, so the mean of
// black and white is 127, not 128.
TColor InterpolateColor(TColor Color1, TColor Color2, double Ratio);

// Interpolate3Colors
//
// A two-segment blend: Ratio (clamped as above) 0 .. 0.5 runs from Color1 to
// Color2, 0.5 .. 1 from Color2 to Color3; 0.5 itself gives Color2 exactly.
// Each channel is truncated as in InterpolateColor.
TColor Interpolate3Colors(TColor Color1, TColor Color2, TColor Color3, double Ratio);

// MeanColor
//
// InterpolateColor(Color1, Color2, 0.5).
TColor MeanColor(TColor Color1, TColor Color2);

// InvertColor
//
// Each channel becomes 255 - channel: 0xFF00000F gives 0x00FFFFF0.
TColor InvertColor(TColor Color);

// ReverseRGBColor
//
// Red and blue exchanged, green kept: 0x00123456 gives 0x00563412.
TColor ReverseRGBColor(TColor Color);

// RGBColorDistance
//
// sqrt((dR^2 + dG^2 + dB^2) / (3 * 255^2)): 0 for equal colours, 1 for black
// against white.
double RGBColorDistance(TColor Color1, TColor Color2);

}  // namespace kvo
