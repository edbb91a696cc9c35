// The colour of light of one wavelength.
#pragma once

#include <cstdint>

#include "platform/graphics_types.h"

namespace kvo {

// WavelengthToColor
//
// Maps a wavelength in nanometres to an RGB colour. Channel fractions by band
// (each band includes its lower edge and excludes its upper one):
//   380..440 r = (440 - l)/60, b = 1      440..490 g = (l - 440)/50, b = 1
//   490..510 g = 1, b = (510 - l)/20      510..580 r = (l - 510)/70, g = 1
//   580..645 r = 1, g = (645 - l)/65      645..780 r = 1
// and black outside 380 .. 780. An intensity factor fades the edges of
// vision: f = (780 - l) * 0.7/80 + 0.3 above 700, (l - 380) * 0.7/40 + 0.3
// below 420, 1 in between (never negative). A channel is 0 where f or its
// fraction is 0, otherwise round(255 * (f * fraction)^Gamma), halves to even:
// with Gamma 1, 400 nm gives blue 166, 645 nm pure red.
//
// Decided: a channel that the power would push beyond 255 (Gamma below 0)
// is limited to 255; a NaN Gamma gives 0 for the channel. Never raises.
TColor WavelengthToColor(int32_t Wavelength, double Gamma);

}  // namespace kvo
