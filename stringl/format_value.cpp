// Boolean and tri-state words, durations, sortable columns, parameter lists.
#include "stringl/format_value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "platform/convert.h"
#include "stringl/format_number.h"
#include "stringl/trim.h"

namespace kvo {
namespace {

struct BoolWords {
  const char16_t* True;
  const char16_t* False;
};

constexpr std::array<BoolWords, 8> kBoolWords{{
    {u"TRUE", u"FALSE"},
    {u"T", u"F"},
    {u".T.", u".F."},
    {u"1", u"0"},
    {u"-1", u"0"},
    {u"FF", u"00"},
    {u"YES", u"NO"},
    {u"GOOD", u"BAD"},
}};

// Words by mode, indexed by TTriState (tsFalse, tsTrue, tsUndefined).
constexpr std::array<std::array<const char16_t*, 3>, 3> kTriStateWords{{
    {u"false", u"true", u""},
    {u"-1", u"1", u"0"},
    {u"no", u"yes", u"unknown"},
}};

struct TriStateWord {
  std::u16string_view Word;
  TTriState Value;
};

constexpr std::array<TriStateWord, 7> kTriStateInput{{
    {u"true", tsTrue},
    {u"1", tsTrue},
    {u"+1", tsTrue},
    {u"yes", tsTrue},
    {u"false", tsFalse},
    {u"-1", tsFalse},
    {u"no", tsFalse},
}};

// The longest accepted word; anything longer is undefined without copying.
constexpr size_t kLongestTriStateWord = 5;

// TimeString layouts by mode. H hours, M minutes, S seconds, C hundredths
// in two digits with a leading zero; b hours and d hours of the 12-hour
// clock with a leading blank; P "a" or "p"; every other character literal.
constexpr std::array<const char*, 6> kTimeLayouts{
    "H:M:S.C", "H:M:S", "bhM", "bhM'S\"", "H:M", "d:MP"};

void AppendZ2(String& out, uint64_t n) {
  if (n < 10) out += u'0';
  out += IntToStr(n);
}

void AppendB2(String& out, uint64_t n) {
  if (n < 10) out += u' ';
  out += IntToStr(n);
}

template <typename T, typename Write>
String ParList(std::span<const T> values, bool trailingComma, int32_t maxItems, bool brackets,
               Write write) {
  String r = brackets ? u"[" : u"";
  size_t count = values.size();
  if (maxItems > 0 && static_cast<size_t>(maxItems) < count) count = static_cast<size_t>(maxItems);
  if (count == 0) r += u',';
  for (size_t i = 0; i < count; ++i) {
    r += write(values[i]);
    r += u',';
  }
  if (count < values.size()) r += u"...,";
  if (brackets) {
    r.back() = u']';
  } else {
    r.pop_back();
  }
  if (trailingComma) r += u',';
  return r;
}

}  // namespace

String BoolToStr(bool b, int32_t mode) {
  const BoolWords& w = mode >= 0 && mode < static_cast<int32_t>(kBoolWords.size())
                           ? kBoolWords[static_cast<size_t>(mode)]
                           : kBoolWords[0];
  return b ? w.True : w.False;
}

TTriState StrToTriState(StringView text) {
  const size_t first = text.find_first_not_of(u' ');
  if (first == StringView::npos) return tsUndefined;
  const size_t last = text.find_last_not_of(u' ');
  const StringView core = text.substr(first, last - first + 1);
  if (core.size() > kLongestTriStateWord) return tsUndefined;
  Char lower[kLongestTriStateWord];
  for (size_t i = 0; i < core.size(); ++i) {
    const Char c = core[i];
    lower[i] = c >= u'A' && c <= u'Z' ? static_cast<Char>(c - u'A' + u'a') : c;
  }
  const StringView word(lower, core.size());
  for (const TriStateWord& w : kTriStateInput)
    if (w.Word == word) return w.Value;
  return tsUndefined;
}

String TriStateToStr(TTriState t, int32_t mode) {
  const size_t row = mode == 1 || mode == 2 ? static_cast<size_t>(mode) : 0;
  const size_t col = t == tsFalse || t == tsTrue ? static_cast<size_t>(t) : size_t{tsUndefined};
  return kTriStateWords[row][col];
}

String BinString(bool b, StringView trueText, StringView falseText) {
  return String(b ? trueText : falseText);
}

String TimeString(double s, uint8_t mode) {
  if (!(s >= 0)) s = 0;  // negative or NaN
  // 2^64 as a double; every double below it converts to uint64 exactly.
  constexpr double kTwo64 = 18446744073709551616.0;
  uint64_t whole = UINT64_MAX;
  double frac = 0;
  if (s < kTwo64) {
    whole = static_cast<uint64_t>(s);
    frac = s - std::trunc(s);  // exact
  }
  const uint64_t h = whole / 3600;
  const uint64_t m = whole % 3600 / 60;
  const uint64_t sec = whole % 60;
  const uint64_t c = std::min<uint64_t>(static_cast<uint64_t>(frac * 100), 99);
  if (mode >= kTimeLayouts.size()) return String();
  const uint64_t h12 = h == 0 ? 12 : (h > 12 ? h - 12 : h);
  String r;
  for (const char* p = kTimeLayouts[mode]; *p != 0; ++p) {
    switch (*p) {
      case 'H': AppendZ2(r, h); break;
      case 'b': AppendB2(r, h); break;
      case 'd': AppendB2(r, h12); break;
      case 'M': AppendZ2(r, m); break;
      case 'S': AppendZ2(r, sec); break;
      case 'C': AppendZ2(r, c); break;
      case 'P': r += h < 12 ? u'a' : u'p'; break;
      default: r += static_cast<Char>(*p); break;
    }
  }
  return r;
}

String SortableNumericString(StringView text, Char decimalChar, int32_t n) {
  String t = StripLTBlanks(text);
  const size_t at = t.find(decimalChar);
  const int64_t p = at == String::npos ? 0 : static_cast<int64_t>(at) + 1;
  const int64_t column = std::min<int64_t>(n, MaxFormatLength);
  if (p < column) t.insert(t.begin(), static_cast<size_t>(column - p), u' ');
  return t;
}

String CreateParList(const TIntArray& values, bool trailingComma, int32_t maxItems,
                     bool brackets) {
  return CreateParList(std::span<const int32_t>(values), trailingComma, maxItems, brackets);
}

String CreateParList(std::span<const int32_t> values, bool trailingComma, int32_t maxItems,
                     bool brackets) {
  return ParList(values, trailingComma, maxItems, brackets,
                 [](int32_t v) { return IntToStr(v); });
}

String CreateParList(std::span<const bool> values, bool trailingComma, int32_t maxItems,
                     bool brackets) {
  return ParList(values, trailingComma, maxItems, brackets,
                 [](bool v) { return BoolToStr(v, 0); });
}

String CreateParList(const TDoubleArray& values, bool trailingComma, int32_t maxItems,
                     int32_t sigDigits, bool brackets) {
  return CreateParList(std::span<const double>(values), trailingComma, maxItems, sigDigits,
                       brackets);
}

String CreateParList(std::span<const double> values, bool trailingComma, int32_t maxItems,
                     int32_t sigDigits, bool brackets) {
  return ParList(values, trailingComma, maxItems, brackets,
                 [sigDigits](double v) { return AutoFormatData(v, sigDigits); });
}

}  // namespace kvo
