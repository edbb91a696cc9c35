// Random colours drawn from the process-wide generator of platform/random.h
// (RandSeed, Random(n)): the same seed gives the same colours.
#pragma once

#include <cstdint>

#include "platform/graphics_types.h"

namespace kvo {

// RandomColor
//
// Three draws Random(256): the first is blue, the second green, the third
// red.
TColor RandomColor();

// RandomColor (bounded)
//
// Draws blue in BLow .. BHigh, then green in GLow .. GHigh, then red in
// RLow .. RHigh, each inclusive (low + Random(high - low + 1)).
// Decided: a channel whose low bound exceeds its high bound draws between the
// two bounds as if they were given in order (RandomColor(200, 100, ...) draws
// red in 100 .. 200). Exactly three draws are made in every case.
TColor RandomColor(uint8_t RLow, uint8_t RHigh, uint8_t GLow, uint8_t GHigh, uint8_t BLow,
                   uint8_t BHigh);

}  // namespace kvo
