// Number formatting: the fixed, exponent and short exponent forms and the
// functions that choose between them.
//
// The text never depends on the locale: the decimal separator is always "."
// and there are no thousands separators.
//
// The forms
//
//   Fixed form, width w, d decimals (d >= 0): the value rounded to d places;
//   "-" directly before the first digit of a negative value; the integer
//   part without leading zeros (at least "0"); for d > 0 a "." and exactly d
//   decimals. Right-aligned in w characters by blanks; a longer text is
//   never cut; w <= 0 means no padding.
//     3.14159, w 8, d 2  ->  "    3.14"
//
//   Exponent form, width W: a sign character (blank, or "-" for a negative
//   value), the first significant digit, ".", the further digits, "E", the
//   exponent's sign and the exponent in four digits. W - 8 significant digits
//   fill the field exactly; the exponent is that of the rounded mantissa
//   (1 <= mantissa < 10). Zero is " 0.000E+0000" (for W = 12).
//     98765.432, W 12  ->  " 9.877E+0004"
//
//   Short exponent form, width W: the exponent form of width W + 2 with a
//   two-digit exponent (W - 6 significant digits). When the exponent needs
//   three or more digits the field is W asterisks instead.
//     98765.432, W 10  ->  " 9.877E+04";   1e150, W 10  ->  "**********"
//
// Decisions where the behaviour was ours to choose:
//
// - Exactness: the forms are computed from the exact value of the binary
//   number, for every finite extended value (about 3.6e-4951 to 1.19e4932).
//   A double argument (FormatData, SigDigStr, AutoFormatData) is widened to
//   extended exactly, so its exact value is what is written:
//   strff(0.15, 1, 1) is "0.1", since the double 0.15 is 0.1499999999...
// - Ties: an exact tie between two decimals rounds away from zero:
//   strff(2.5, 1, 0) is "3", strff(-0.125, 1, 2) is "-0.13".
// - Sign of zero: a minus sign is written only when the written value is not
//   zero. Negative zero and a negative value that rounds to zero give the
//   text of zero: strff(-0.001, 1, 2) is "0.00", strff(-0.0, 10, -1) is
//   " 0.0E+0000". A column of numbers never shows "-0.00".
// - Narrow exponent fields: the exponent forms write at least one
//   significant digit and always the point; a width below the minimum (9
//   for the exponent form, 7 for the short form) gives that minimal text,
//   longer than the field (" 1.E+0005", " 1.E+05").
// - Wide exponent fields: every width is honoured; digits beyond the 18 or
//   so that carry the value's precision are the exact decimal digits of the
//   binary value (0.1 has the exact expansion 0.1000000000000000000013552...).
// - Not a number and infinity: the fixed and exponent forms write "NaN",
//   "Inf" and "-Inf", right-aligned in the field (of width W for the
//   exponent forms), and never zero-padded. A NaN has no sign. On x86 an
//   80-bit pattern that the processor rejects as an operand ("unnormal",
//   pseudo-infinity, pseudo-NaN) counts as NaN.
// - Size: field widths, decimals and significant digits above
//   MaxFormatLength are taken as MaxFormatLength, so that a wild argument
//   cannot ask for gigabytes of text.
#pragma once

#include <cstdint>

#include "platform/strings.h"

namespace kvo {

// The largest field width, number of decimals or of significant digits that
// the number forms honour; larger values act as this one.
inline constexpr int32_t MaxFormatLength = 1 << 20;

// strff
//
// Writes x by the form that d selects, in a field of W = |w| characters:
//   d >= 0   the fixed form of width W with d decimals;
//   d = -2   the short exponent form of width W;
//   d < 0    (other) the exponent form of width W (four exponent digits).
// A negative w asks for zero padding: the leading blanks become "0", and a
// "-" behind them moves to the first position.
//   strff(3.14159, 8, 2)   == u"    3.14"
//   strff(-1.5, -8, 2)     == u"-0001.50"
//   strff(42, -6, 0)       == u"000042"
//   strff(98765.432, -10, -2) == u"09.877E+04"
//   strff(1e150, 10, -2)   == u"**********"
// Never raises.
String strff(long double x, int32_t w, int32_t d);

// strffForcePlus
//
// strff(x, w, d) with a "+" before a value that is not negative: the blank
// just before the number becomes "+" (" 0.0" -> "+0.0"); without such a
// blank a zero-padded text has its first "0" replaced ("0001.50" ->
// "+001.50"), and any other text gets "+" in front ("0.50" -> "+0.50").
// Decisions: a text that shows no minus sign (also a negative value that
// rounds to zero, "0.00") gets the "+"; "NaN" and a field of asterisks are
// returned unchanged; a zero-padded text of one character ("0") gets "+" in
// front rather than losing its only digit.
String strffForcePlus(long double x, int32_t w, int32_t d);

// FormatData
//
// The fixed form of width w with d decimals while it shows at most nine
// digits, otherwise the short exponent form of width w + 6:
//   d = 0:       fixed when |x| <= 999999999 and (|x| >= 1 or x = 0);
//   d = 1 to 8:  fixed when |x| <= (10^9 - 1) / 10^d and (|x| >= 10^-d or
//                x = 0);
//   other d:     always the short exponent form.
// The limits are the doubles nearest to these decimal numbers, so a value
// written as the limit is still fixed: FormatData(9.9999999, 1, 8) is fixed,
// FormatData(0.1, 6, 1) is "   0.1", FormatData(0.09, 6, 1) is the short
// exponent form of width 12 (" 9.00000E-02"). NaN and infinity take the
// exponent branch. No zero padding: a w <= 0 only means no padding.
String FormatData(double x, int32_t w, int32_t d);

// SigDigStr
//
// x with n significant digits in a field of width w, fixed where that shows
// the digits well, the short exponent form of width max(w, n + 6) otherwise.
// With e the number of digits before the point of |x| (zero or negative
// below 1), computed exactly from the decimal value (1000 has e = 4, 999.99
// has e = 3, 0.05 has e = -1):
//   x = 0:            fixed, n - 1 decimals;
//   n < e:            short exponent form when e >= w, else fixed with no
//                     decimals (the integer part is kept whole);
//   n >= e:           short exponent form when e < n - w + 3, else fixed
//                     with n - e decimals.
//   SigDigStr(1.5, 10, 4)       == u"     1.500"
//   SigDigStr(0.0000123, 10, 4) == u" 1.230E-05"
//   SigDigStr(56789.4, 10, 4)   == u"     56789"
// Decisions: n below 1 acts as 1; NaN and infinity take the exponent form;
// w <= 0 means no padding of the fixed form (never zero padding). With
// `trim` true, blanks at both ends are removed from the result.
String SigDigStr(double x, int32_t w, int32_t n);
String SigDigStr(double x, int32_t w, int32_t n, bool trim);

// AutoFormatData
//
// x with n significant digits (n clamped to 2 ... 16), no padding:
//   x = 0:                      "0." and n - 1 zeros;
//   0.1 < |x| < 10^(n-1):       fixed with n - 1 - g decimals, g the number
//                               of digits before the point minus one (0
//                               below 1): n significant digits for |x| >= 1;
//   otherwise:                  the short exponent form with n digits.
// The bounds compare exactly against the doubles 0.1 and 10^(n-1) (the
// decimal logarithm of the rule is never rounded), so 0.1 itself and 1000
// for n = 4 take the exponent form, 999.9999 (n = 4) is "1000.0".
//   AutoFormatData(3.14159, 4) == u"3.142";  AutoFormatData(0.5, 4) == u"0.500"
//   AutoFormatData(5678.91, 4) == u"5.679E+03"
// With `decimalComma` true every "." is replaced by ",".
String AutoFormatData(double x, int32_t n);
String AutoFormatData(double x, int32_t n, bool decimalComma);

}  // namespace kvo
