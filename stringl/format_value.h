// Words for Booleans and tri-state values, durations, sortable number
// columns and parameter lists.
//
// None of these raises. Case changes touch only the ASCII letters A-Z; a
// blank is the character with code 32 only.
#pragma once

#include <cstdint>
#include <span>

#include "kvobase/types.h"
#include "platform/strings.h"

namespace kvo {

// BoolToStr
//
// The word for b in the pair that `mode` selects:
//   0 "TRUE"/"FALSE"   1 "T"/"F"      2 ".T."/".F."   3 "1"/"0"
//   4 "-1"/"0"         5 "FF"/"00"    6 "YES"/"NO"    7 "GOOD"/"BAD"
// Any other mode gives "TRUE"/"FALSE".
String BoolToStr(bool b, int32_t mode);

// StrToTriState
//
// Reads a tri-state word, ignoring the case of ASCII letters and blanks at
// both ends: "true", "1", "+1", "yes" give tsTrue; "false", "-1", "no" give
// tsFalse; everything else, including "0" and the empty text, gives
// tsUndefined.
//   StrToTriState(u"  YES ") == tsTrue;  StrToTriState(u"0") == tsUndefined
TTriState StrToTriState(StringView text);

// TriStateToStr
//
// The word for t by `mode`:
//   mode 1:  "1" / "-1" / "0"                  (true / false / undefined)
//   mode 2:  "yes" / "no" / "unknown"
//   other:   "true" / "false" / ""             (the empty string)
// Modes 1 and 2 read back through StrToTriState unchanged; so does mode 0,
// since the empty string reads as tsUndefined. Decision: a TTriState value
// outside the three enumerators is written as tsUndefined.
String TriStateToStr(TTriState t, int32_t mode);

// BinString
//
// trueText when b is true, falseText otherwise.
String BinString(bool b, StringView trueText, StringView falseText);

// TimeString
//
// A duration of s seconds as text. Negative and NaN durations count as 0.
// With h, m, sec the whole hours, minutes and seconds and c the hundredths
// (truncated, never rounded: 59.999 s has c = 99), and Z2 a number in two
// digits with a leading zero ("07", "12", "123"), B2 the same with a leading
// blank (" 7"):
//   mode 0  Z2(h) ":" Z2(m) ":" Z2(sec) "." Z2(c)   3723.456 -> "01:02:03.45"
//   mode 1  Z2(h) ":" Z2(m) ":" Z2(sec)             "01:02:03"
//   mode 2  B2(h) "h" Z2(m)                         " 1h02"
//   mode 3  B2(h) "h" Z2(m) "'" Z2(sec) "\""        " 1h02'03\""
//   mode 4  Z2(h) ":" Z2(m)                         "01:02"
//   mode 5  B2(h12) ":" Z2(m), then "a" for h < 12, else "p"; h12 is 12
//           for h = 0, h - 12 for h > 12, else h    " 1:02a"; 45000 -> "12:30p"
//   other   the empty string.
// Decision: the hour count is not cut to 16 bits; 65536 hours or more are
// written in full ("65536:00:00"). Durations of 2^64 seconds or more and
// +infinity are written as 2^64 - 1 seconds.
String TimeString(double s, uint8_t mode);

// SortableNumericString
//
// Removes blanks at both ends of `text` and, when the first `decimalChar` is
// at position p (1-based; 0 when there is none) with p < n, puts n - p
// blanks in front, so the decimal character lands in column n whenever it
// stands within the first n characters. A text without it gets n blanks in
// front.
//   SortableNumericString(u" 3.25", u'.', 4) == u"  3.25"
// Decision: n above MaxFormatLength (format_number.h) acts as that value.
String SortableNumericString(StringView text, Char decimalChar, int32_t n);

// CreateParList
//
// The values as a comma-separated list: "[" first when `brackets` is true;
// at most `maxItems` values when maxItems > 0 (no limit otherwise), each
// followed by ","; "...," when values were left out; then the last ","
// becomes "]" with brackets and is removed without; finally "," when
// `trailingComma` is true. Integers are written in decimal, Booleans by
// BoolToStr(b, 0), doubles by AutoFormatData(x, sigDigits).
//   (1, 2, 3) with brackets            -> "[1,2,3]"
//   the same with maxItems 2           -> "[1,2,...]"
//   no brackets, trailing comma        -> "1,2,3,"
//   no values: "[]" with brackets, the empty text without (then "," with a
//   trailing comma).
String CreateParList(const TIntArray& values, bool trailingComma, int32_t maxItems,
                     bool brackets);
String CreateParList(std::span<const int32_t> values, bool trailingComma, int32_t maxItems,
                     bool brackets);
String CreateParList(std::span<const bool> values, bool trailingComma, int32_t maxItems,
                     bool brackets);
String CreateParList(const TDoubleArray& values, bool trailingComma, int32_t maxItems,
                     int32_t sigDigits, bool brackets);
String CreateParList(std::span<const double> values, bool trailingComma, int32_t maxItems,
                     int32_t sigDigits, bool brackets);

}  // namespace kvo
