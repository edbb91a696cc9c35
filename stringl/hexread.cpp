#include "stringl/hexread.h"

namespace kvo {

namespace {

// Value of a hexadecimal digit, or -1 for any other character.
constexpr int HexDigitValue(Char c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

}  // namespace

uint32_t ReadHexNumber(StringView s) {
  size_t i = 0;
  // Blanks are skipped up to, but not including, the last character.
  while (i + 1 < s.size() && s[i] == u' ') ++i;
  if (i == 0 && !s.empty() && s[0] == u'$') ++i;
  uint32_t value = 0;
  for (; i < s.size(); ++i) {
    int d = HexDigitValue(s[i]);
    if (d < 0) break;
    value = value * 16u + static_cast<uint32_t>(d);  // unsigned: wraps mod 2^32
  }
  return value;
}

}  // namespace kvo
