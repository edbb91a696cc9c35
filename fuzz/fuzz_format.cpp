// Fuzz target for the formatting functions.
//
// The whole input is read by StrToTriState, as Latin-1 bytes and as UTF-16
// code units. When it holds at least 12 bytes, the first 10 are taken as the
// bit pattern of an 80-bit extended value (finite or not, including the
// patterns the processor rejects), and the next two as a field width and a
// number of decimals; every number form is applied to that value and to the
// double nearest it, and the texts are checked against properties that hold
// for any value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "stringl/format.h"

namespace {

using kvo::String;

void Check(bool ok) {
  if (!ok) std::abort();
}

bool OnlyNumberCharacters(const String& s) {
  for (char16_t c : s) {
    const bool ok = (c >= u'0' && c <= u'9') || c == u' ' || c == u'-' || c == u'+' ||
                    c == u'.' || c == u'E' || c == u'*' || c == u'N' || c == u'a' ||
                    c == u'I' || c == u'n' || c == u'f';
    if (!ok) return false;
  }
  return !s.empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const kvo::TTriState a = kvo::StrToTriState(kvo::FromLatin1(
      std::string_view(reinterpret_cast<const char*>(data), size)));
  Check(a == kvo::tsFalse || a == kvo::tsTrue || a == kvo::tsUndefined);
  String units(size / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  const kvo::TTriState b = kvo::StrToTriState(units);
  Check(b == kvo::tsFalse || b == kvo::tsTrue || b == kvo::tsUndefined);
  if (b != kvo::tsUndefined) Check(kvo::StrToTriState(kvo::TriStateToStr(b, 2)) == b);

  if (size < 12) return 0;
  long double x = 0;
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, data, 10);
  std::memcpy(&x, bytes, sizeof bytes);
  // Widths -64 ... 63 and decimals -4 ... 59: every form, modest sizes.
  const int32_t w = static_cast<int8_t>(data[10]) / 2;
  const int32_t d = static_cast<int32_t>(data[11] % 64) - 4;
  const int32_t width = w < 0 ? -w : w;

  const String t = kvo::strff(x, w, d);
  Check(OnlyNumberCharacters(t));
  Check(static_cast<int32_t>(t.size()) >= width);
  if (d < 0 && t.find(u'E') != String::npos) {
    // The exponent forms fill the field exactly once it is wide enough.
    const int32_t minimum = d == -2 ? 7 : 9;
    Check(static_cast<int32_t>(t.size()) == (width > minimum ? width : minimum));
  }
  if (d >= 0 && t.find(u'N') == String::npos && t.find(u'I') == String::npos) {
    const size_t dot = t.find(u'.');
    Check(d == 0 ? dot == String::npos : t.size() - dot - 1 == static_cast<size_t>(d));
  }
  Check(OnlyNumberCharacters(kvo::strffForcePlus(x, w, d)));

  const double y = static_cast<double>(x);
  Check(OnlyNumberCharacters(kvo::FormatData(y, w, d)));
  Check(OnlyNumberCharacters(kvo::SigDigStr(y, w, d, true)));
  Check(OnlyNumberCharacters(kvo::AutoFormatData(y, d)));
  const String list = kvo::CreateParList(kvo::TDoubleArray{y, -y}, true, 0, d, true);
  Check(list.front() == u'[' && list.back() == u',');
  kvo::TimeString(y, static_cast<uint8_t>(d & 7));
  return 0;
}
