// Rounding and clamping shared by the colour conversions.
//
// Internal to the colour module, but a header of its own so that the
// conversion, wavelength and palette code round the same way.
#pragma once

#include <cmath>
#include <cstdint>

namespace kvo::colors_detail {

// RoundHalfEven
//
// x rounded to the nearest integer, an exact half going to the even
// neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0). The result does not depend on
// the floating-point environment's rounding mode. NaN gives 0; values beyond
// the 32-bit range are clamped to it, so every finite or infinite input
// gives a usable integer.
inline int64_t RoundHalfEven(double x) {
  if (!(x == x)) return 0;
  if (x >= 2147483647.0) return 2147483647;
  if (x <= -2147483648.0) return -2147483648LL;
  const double f = std::floor(x);
  const double diff = x - f;
  int64_t r = static_cast<int64_t>(f);
  if (diff > 0.5 || (diff == 0.5 && (r & 1) != 0)) ++r;
  return r;
}

// Clamp01
//
// x limited to 0 .. 1; anything that is not >= 0 (NaN included) gives 0.
inline double Clamp01(double x) {
  if (x > 1.0) return 1.0;
  if (!(x >= 0.0)) return 0.0;
  return x;
}

// Channel
//
// An integer limited to a colour channel 0 .. 255.
inline int32_t Channel(int64_t v) {
  return v < 0 ? 0 : (v > 255 ? 255 : static_cast<int32_t>(v));
}

}  // namespace kvo::colors_detail
