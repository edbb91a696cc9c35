#include "stringl/parse_words.h"

#include "stringl/charclass.h"

namespace kvo {

namespace {

constexpr Char LowerAscii(Char c) { return (c >= u'A' && c <= u'Z') ? Char(c + 32) : c; }

bool EqualNoCase(StringView a, StringView b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

int32_t StringIx(StringView s, std::span<const String> choices) {
  return StringIx(s, true, choices);
}

int32_t StringIx(StringView s, bool caseSensitive, std::span<const String> choices) {
  for (size_t i = 0; i < choices.size(); ++i) {
    const bool equal = caseSensitive ? StringView(choices[i]) == s : EqualNoCase(choices[i], s);
    if (equal) return static_cast<int32_t>(i) + 1;
  }
  return 0;
}

TCSVDelimiters DetectCSVDelimiter(StringView line) {
  int32_t counts[csvTab + 1] = {};
  for (Char c : line) {
    for (int d = csvUnknown; d <= csvTab; ++d) {
      if (c == CSVDELIMITERS[d]) ++counts[d];
    }
  }
  // Strictly greater, so that on equal counts the earlier enumerator wins
  // and a line without any delimiter stays csvUnknown.
  int best = csvUnknown;
  for (int d = csvUnknown + 1; d <= csvTab; ++d) {
    if (counts[d] > counts[best]) best = d;
  }
  return static_cast<TCSVDelimiters>(best);
}

int32_t CountWords(StringView text) {
  int32_t words = 0;
  int32_t run = 0;
  for (Char c : text) {
    if (WordSeps.Contains(c)) {
      if (run >= 2) ++words;
      run = 0;
    } else {
      ++run;
    }
  }
  return words;
}

bool IsAbbreviation(StringView text) {
  int32_t run = 0;
  int32_t longest = 0;
  int32_t lowerOrDigit = 0;
  for (Char c : text) {
    if (c >= u'A' && c <= u'Z') {
      if (++run > longest) longest = run;
      continue;
    }
    run = 0;
    if ((c >= u'a' && c <= u'z') || IsDigit(c)) ++lowerOrDigit;
  }
  return longest >= 2 && lowerOrDigit < longest;
}

int32_t FindFirstNonBlank(StringView text) {
  size_t p = text.find_first_not_of(u' ');
  return p == StringView::npos ? 0 : static_cast<int32_t>(p) + 1;
}

int32_t FindFirstDigit(StringView text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsDigit(text[i])) return static_cast<int32_t>(i) + 1;
  }
  return 0;
}

}  // namespace kvo
