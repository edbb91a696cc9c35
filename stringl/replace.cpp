#include "stringl/replace.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <string_view>

#include "stringl/charclass.h"
#include "stringl/hexread.h"

namespace kvo {

namespace {

// File-name-safe flags for the codes 0 ... 127: 33 ... 126 except the
// characters that file systems reserve or shells split on.
constexpr std::array<bool, 128> MakeFileNameSafe() {
  std::array<bool, 128> safe{};
  for (int c = 33; c <= 126; ++c) safe[c] = true;
  for (char c : std::string_view("\"*+,/:;<=>?[\\]|")) safe[static_cast<unsigned char>(c)] = false;
  return safe;
}
constexpr std::array<bool, 128> kFileNameSafe = MakeFileNameSafe();

// One spelled-out character of ExpandDiphthongs: `from` becomes `letter`
// followed by `second` (0 for none); with `caseByNext`, `second` is the
// upper-case letter and turns lower case before an ASCII lower-case letter.
struct Diphthong {
  Char from, letter, second;
  bool caseByNext;
};

constexpr std::array<Diphthong, 8> kDiphthongs{{
    {228, u'a', u'e', false},  // ä
    {246, u'o', u'e', false},  // ö
    {252, u'u', u'e', false},  // ü
    {223, u's', u's', false},  // ß
    {196, u'A', u'E', true},   // Ä
    {214, u'O', u'E', true},   // Ö
    {220, u'U', u'E', true},   // Ü
    {181, u'u', 0, false},     // µ
}};

constexpr bool IsAsciiLower(Char c) { return c >= u'a' && c <= u'z'; }

// towupper/towlower under the current C locale, kept in the 16-bit range.
Char LocaleUpper(Char c) {
  wint_t u = std::towupper(static_cast<wint_t>(c));
  return u > 0xFFFF ? c : static_cast<Char>(u);
}
Char LocaleLower(Char c) {
  wint_t l = std::towlower(static_cast<wint_t>(c));
  return l > 0xFFFF ? c : static_cast<Char>(l);
}

}  // namespace

String ReplaceCharInString(StringView text, Char oldChar, Char newChar) {
  String r(text);
  std::replace(r.begin(), r.end(), oldChar, newChar);
  return r;
}

String RemoveCharInString(StringView text, Char c) {
  String r;
  r.reserve(text.size());
  for (Char x : text) {
    if (x != c) r.push_back(x);
  }
  return r;
}

String RemoveMultiChars(StringView text, Char c) {
  String r;
  r.reserve(text.size());
  for (Char x : text) {
    if (x == c && !r.empty() && r.back() == c) continue;
    r.push_back(x);
  }
  return r;
}

String RemoveControlChars(StringView text) {
  String r;
  r.reserve(text.size());
  for (Char x : text) {
    if (x >= 32) r.push_back(x);
  }
  return r;
}

String ReverseString(StringView text) { return String(text.rbegin(), text.rend()); }

String CapitalizeString(StringView text) {
  String r(text);
  bool wordStart = true;
  for (Char& c : r) {
    if (IsLetter(c) || c > 127) {
      if (wordStart && IsAsciiLower(c)) c = static_cast<Char>(c - 32);
      wordStart = false;
    } else if (IsDigit(c)) {
      wordStart = false;
    } else {
      wordStart = true;
    }
  }
  return r;
}

String ChangeCase(StringView text) {
  String r(text);
  for (Char& c : r) {
    Char u = LocaleUpper(c);
    c = (u == c) ? LocaleLower(c) : u;
  }
  return r;
}

String ExpandDiphthongs(StringView text) {
  String r;
  r.reserve(text.size() + text.size() / 4);
  for (size_t i = 0; i < text.size(); ++i) {
    const Char c = text[i];
    const Diphthong* d = nullptr;
    if (c >= 181 && c <= 252) {
      for (const Diphthong& x : kDiphthongs) {
        if (x.from == c) {
          d = &x;
          break;
        }
      }
    }
    if (d == nullptr) {
      r.push_back(c);
      continue;
    }
    r.push_back(d->letter);
    if (d->second == 0) continue;
    Char second = d->second;
    if (d->caseByNext && i + 1 < text.size() && IsAsciiLower(text[i + 1]))
      second = static_cast<Char>(second + 32);
    r.push_back(second);
  }
  return r;
}

String ReduceStringToAZ09(StringView text) {
  String r(text);
  for (Char& c : r) {
    if (!IsDigitLetter(c)) c = u'_';
  }
  return r;
}

String ReduceStringToFN83CompliantChars(StringView text) {
  String r(text);
  for (Char& c : r) {
    if (c >= 128 || !kFileNameSafe[c]) c = u'_';
  }
  return r;
}

String ProcessHexChars(StringView text) {
  String r;
  r.reserve(text.size());
  const size_t n = text.size();
  size_t i = 0;
  while (i < n) {
    const Char c = text[i];
    if (c == u'\\' && i + 1 < n) {
      if (text[i + 1] == u'#') {
        // At most two characters after '#' are taken, so the code is 0 ... 255.
        const size_t take = std::min<size_t>(2, n - (i + 2));
        r.push_back(static_cast<Char>(ReadHexNumber(text.substr(i + 2, take))));
        i += 2 + take;
        continue;
      }
      if (text[i + 1] == u'\\') {
        r.push_back(u'\\');
        i += 2;
        continue;
      }
    }
    r.push_back(c);
    ++i;
  }
  return r;
}

}  // namespace kvo
