// The hexadecimal number reader shared by the string editing functions and
// the pattern matcher.
#pragma once

#include <cstdint>

#include "platform/strings.h"

namespace kvo {

// ReadHexNumber
//
// Reads a hexadecimal number at the start of `s`:
//   1. leading blanks (code 32 only) are skipped, but never the last
//      character of `s`;
//   2. a '$' is skipped only when it is the very first character of `s`
//      (so " $1F" reads 0: after a blank the '$' is no digit);
//   3. hexadecimal digits ('0'-'9', 'A'-'F', 'a'-'f') are read up to the
//      first character that is not one, value = value * 16 + digit.
// No digit gives 0; nothing raises.
//
// Overflow: the value is kept modulo 2^32, i.e. only the low 32 bits
// survive, so of a long run of digits the last eight decide the result
// ("1FFFFFFFF" reads 0xFFFFFFFF, "100000000" reads 0). The reader never
// fails and never reads past the end of `s`.
//
//   ReadHexNumber(u"  $ff") == 0     ReadHexNumber(u"$ff") == 255
//   ReadHexNumber(u" 4Az") == 0x4A   ReadHexNumber(u"zz") == 0
uint32_t ReadHexNumber(StringView s);

}  // namespace kvo
