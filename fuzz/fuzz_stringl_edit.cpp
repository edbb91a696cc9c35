// Fuzz target for the string editing and searching functions.
//
// The input is read as UTF-16 code units (pairs of bytes, little-endian).
// The first code unit chooses where the input splits into a text and a
// second string (a character set or a search text); the next two give a
// start position and an occurrence number. Every result is checked against
// properties that must hold whatever the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "stringl/edit.h"

namespace {

using kvo::Char;
using kvo::String;

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  String units(size / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<Char>(data[2 * i] | (data[2 * i + 1] << 8));
  if (units.size() < 3) {
    kvo::ProcessHexChars(units);
    return 0;
  }
  const size_t split = units[0] % (units.size() - 2);
  const int32_t start = static_cast<int16_t>(units[1]);
  const int32_t n = static_cast<int16_t>(units[2]) % 8;
  const String body = units.substr(3);
  const String text = body.substr(0, split);
  const String other = body.substr(split);

  // ProcessHexChars never grows the text.
  Check(kvo::ProcessHexChars(body).size() <= body.size());

  // A text character is either in the set or not; with a non-empty text at
  // least one of the two tests is true.
  const bool in = kvo::StringContains(text, other);
  const bool out = kvo::StringContainsOtherThan(text, other);
  Check(text.empty() ? (!in && !out) : (in || out));

  for (bool ignoreCase : {false, true}) {
    const int32_t p = kvo::NumberedPos(other, text, start, n, ignoreCase);
    Check(p == 0 || (p >= 1 && p >= start && static_cast<size_t>(p) + other.size() - 1 <= text.size()));
    const int32_t q = kvo::NumberedPosBw(other, text, start, n, ignoreCase);
    Check(q == 0 || (q >= 1 && static_cast<size_t>(q) + other.size() - 1 <= text.size()));
    const String r = kvo::ReplaceStringInString(text, other, u"#", ignoreCase);
    // "#" is never longer than a non-empty search text.
    Check(other.empty() ? r == text : r.size() <= text.size());
  }
  const int32_t last = kvo::PosLast(other, text);
  Check(last == 0 || static_cast<size_t>(last) + other.size() - 1 <= text.size());
  const int32_t count = kvo::CountStringInString(other, text, true);
  Check(count >= 0 && (other.empty() || static_cast<size_t>(count) * other.size() <= text.size()));

  const uint8_t width = static_cast<uint8_t>(units[1]);
  Check(kvo::CenterString(text, width).size() == width);
  const String abbrev = kvo::AbbrevString(text, start);
  Check(abbrev.size() <= text.size() || abbrev == u"..");
  kvo::ExpandDiphthongs(text);
  kvo::CapitalizeString(text);
  kvo::ChangeCase(text);
  kvo::EqualAnsiStrings(text, other);
  kvo::ReadHexNumber(text);
  return 0;
}
