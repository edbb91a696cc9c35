// Colours as hexadecimal text.
#pragma once

#include <cstdint>

#include "platform/graphics_types.h"
#include "platform/strings.h"

namespace kvo {

// ColorToHexStr
//
// The whole 32-bit value as exactly 8 upper-case hexadecimal digits, most
// significant first, no prefix: red gives "000000FF", the system colour
// 0xFF00000F gives "FF00000F".
//
// The form with Digits writes that many digits of the value's low end:
// Digits above 8 act as 8, below 1 as 1 (ColorToHexStr(0x1234, 2) is "34").
String ColorToHexStr(TColor Color);
String ColorToHexStr(TColor Color, int32_t Digits);

// HexStrToColor
//
// Reads a colour from hexadecimal text. Blanks (code 32 only; tabs are not
// blanks) are removed from both ends; an empty remainder gives 0. A leading
// "$" is skipped, then further blanks. Digits 0-9, A-F and a-f are read up to
// the first other character, which ends the number; the value read so far is
// the result ("12G4" gives 0x12, "$0000ff" gives 255). The accumulator is 32
// bits wide: digits beyond the eighth push the leading ones out
// ("123456789" gives 0x23456789). The value is not masked, so "FF000005"
// gives the system colour 0xFF000005. Never raises.
TColor HexStrToColor(StringView HexStr);

}  // namespace kvo
