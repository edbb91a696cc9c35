// Exact decimal conversion of extended-precision values (internal).
//
// The number forms of format_number.h are built on the two conversions
// here. Both work on the exact value of the binary number (an 80-bit
// extended value is m * 2^e with a 64-bit m), never on repeated
// multiplication by ten, so every finite value from the smallest denormal
// (about 3.6e-4951) to the largest (about 1.19e4932) converts exactly.
//
// Rounding: the exact value is rounded to the nearest representable decimal;
// an exact tie (only values with few binary fraction digits, such as 2.5 or
// 0.125, can be one) rounds away from zero: 2.5 -> 3, 0.125 -> 0.13.
//
// Common values (the scaled value below 2^128) take a path of 128-bit
// integer arithmetic; the others use a small arbitrary-precision integer.
//
// Not part of the public interface: use strff and its siblings.
#pragma once

#include <cstdint>
#include <string>

namespace kvo::format_detail {

// The kind of an extended value, read from its bit pattern.
enum FloatClass : uint8_t { fcZero, fcFinite, fcInfinite, fcNaN };

// An extended value taken apart: |x| = Mant * 2^Exp2 when Class is
// fcFinite (Mant != 0). Negative is the sign bit (also for -0 and NaN).
struct Decomposed {
  FloatClass Class;
  bool Negative;
  uint64_t Mant;
  int32_t Exp2;
};

// Decompose
//
// Reads the sign, class, mantissa and exponent. On x86 the 80-bit pattern is
// read directly: an exponent field of all ones is infinity (integer bit set,
// fraction zero) or NaN (anything else, including pseudo-infinities); an
// "unnormal" (exponent field neither 0 nor all ones, integer bit clear),
// which the processor rejects as an invalid operand, is taken as NaN; a
// pseudo-denormal (exponent field 0, integer bit set) has the value its bits
// give. On other platforms frexpl is used.
Decomposed Decompose(long double x);

// FixedDigits
//
// Writes |x| rounded to `decimals` (>= 0) decimal places into `out`
// (replacing its content): the integer part without leading zeros (at least
// "0"), and when decimals > 0 a "." and exactly `decimals` digits. No sign.
// Returns whether the rounded value is nonzero. `v` must be fcZero or
// fcFinite.
bool FixedDigits(const Decomposed& v, int64_t decimals, std::string& out);

// ScientificDigits
//
// Writes the first `digits` (>= 1) significant digits of |x|, rounded, into
// `out` (replacing its content; exactly `digits` characters, no point) and
// returns the decimal exponent X of the rounded value, so that
// |x| ~ d.ddd * 10^X with 1 <= d.ddd < 10. Zero gives `digits` zeros and X
// = 0. `v` must be fcZero or fcFinite.
int32_t ScientificDigits(const Decomposed& v, int64_t digits, std::string& out);

// DecimalExponent
//
// floor(log10 |x|) of the exact value, for fcFinite `v`: 3 for 1000 and for
// 9999.9, -1 for 0.1 (whose binary value lies just above 0.1).
int32_t DecimalExponent(const Decomposed& v);

}  // namespace kvo::format_detail
