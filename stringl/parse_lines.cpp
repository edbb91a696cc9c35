#include "stringl/parse_lines.h"

namespace kvo {

namespace {

constexpr Char kLF = 10;
constexpr Char kCR = 13;

// Whether control character `c`, read after `prev` (0 at the start of the
// call), ends the line in `mode`.
bool EndsLine(int32_t mode, Char c, Char prev) {
  switch (mode) {
    case 0: return c == kLF;
    case 1: return c == kCR;
    case 2: return c == kLF || c == kCR;
    case 3: return c == kCR && prev == kLF;
    case 4: return c == kLF && prev == kCR;
    default: return false;
  }
}

}  // namespace

String ReadLnString(StringView text, int32_t& pos, bool& eot, int32_t mode) {
  eot = false;
  String line;
  if (pos < 1) pos = 1;
  Char prev = 0;
  for (;;) {
    if (static_cast<size_t>(pos) > text.size()) {
      eot = true;
      break;
    }
    const Char c = text[static_cast<size_t>(pos) - 1];
    ++pos;
    if (c >= 32) {
      line += c;
    } else if (EndsLine(mode, c, prev)) {
      break;
    }
    prev = c;
  }
  return line;
}

void TextLineCoords(StringView text, int32_t pos, int32_t& line, int32_t& column) {
  line = 0;
  column = 0;
  if (pos < 1 || static_cast<size_t>(pos) > text.size() + 1) return;
  int32_t ln = 1;
  int32_t col = 1;
  const size_t target = static_cast<size_t>(pos) - 1;
  for (size_t i = 0; i < target; ++i) {
    const Char c = text[i];
    // A CR followed by LF ends the line only with the LF, so that both
    // characters belong to the line they end.
    const bool ends = c == kLF || (c == kCR && (i + 1 >= text.size() || text[i + 1] != kLF));
    if (ends) {
      ++ln;
      col = 1;
    } else {
      ++col;
    }
  }
  line = ln;
  column = col;
}

}  // namespace kvo
