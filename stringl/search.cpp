// Searching, counting and the set tests; also ReplaceStringInString, which
// is a search that copies what lies between the occurrences.
#include "stringl/search.h"

#include <array>
#include <cstring>
#include <cwctype>

#include "stringl/replace.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kvo {

namespace {

constexpr size_t npos = StringView::npos;

constexpr Char AsciiLower(Char c) { return (c >= u'A' && c <= u'Z') ? Char(c + 32) : c; }

// A copy of `s` with the ASCII letters lower-cased: positions are unchanged.
String AsciiLowerCopy(StringView s) {
  String r(s.size(), u'\0');
  for (size_t i = 0; i < s.size(); ++i) r[i] = AsciiLower(s[i]);
  return r;
}

bool SameChars(const Char* a, const Char* b, size_t n) {
  return n == 0 || std::memcmp(a, b, n * sizeof(Char)) == 0;
}

// FindFrom
//
// 0-based index of the first occurrence of `pat` (not empty) in `text` that
// starts at or after `from`, or npos. Candidates are filtered by comparing
// the first and the last character of the pattern at eight positions at once;
// only positions where both match are compared in full.
size_t FindFrom(StringView text, StringView pat, size_t from) {
  const size_t n = text.size(), m = pat.size();
  if (m == 0 || m > n || from > n - m) return npos;
  const Char* t = text.data();
  const Char* p = pat.data();
  const size_t last = n - m;  // highest possible start
  const Char p0 = p[0], pl = p[m - 1];
  size_t i = from;
#if defined(__SSE2__)
  const __m128i vfirst = _mm_set1_epi16(static_cast<short>(p0));
  const __m128i vlast = _mm_set1_epi16(static_cast<short>(pl));
  // Starts i ... i+7 are all <= last, so both loads stay inside the text.
  while (i + 8 <= last + 1) {
    __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i));
    __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i + m - 1));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi16(a, vfirst), _mm_cmpeq_epi16(b, vlast))));
    while (mask != 0) {
      unsigned bit = static_cast<unsigned>(__builtin_ctz(mask));
      size_t k = i + bit / 2;  // two mask bits per 16-bit lane
      if (m <= 2 || SameChars(t + k + 1, p + 1, m - 2)) return k;
      mask &= ~(3u << bit);
    }
    i += 8;
  }
#endif
  for (; i <= last; ++i) {
    if (t[i] == p0 && t[i + m - 1] == pl && (m <= 2 || SameChars(t + i + 1, p + 1, m - 2)))
      return i;
  }
  return npos;
}

// FindLastEndingBy
//
// 0-based start of the rightmost occurrence of `pat` (not empty) that lies
// wholly within text[0, end), or npos.
size_t FindLastEndingBy(StringView text, StringView pat, size_t end) {
  const size_t m = pat.size();
  if (m == 0 || end > text.size() || m > end) return npos;
  const Char* t = text.data();
  const Char* p = pat.data();
  for (size_t i = end - m + 1; i-- > 0;) {
    if (t[i + m - 1] == p[m - 1] && t[i] == p[0] && SameChars(t + i, p, m)) return i;
  }
  return npos;
}

// The text and pattern a search runs on: the originals, or lower-cased
// copies for a case-insensitive search. Positions are the same in both.
struct SearchPair {
  String textCopy, patCopy;
  StringView text, pat;
  SearchPair(StringView t, StringView p, bool ignoreCase) {
    if (ignoreCase) {
      textCopy = AsciiLowerCopy(t);
      patCopy = AsciiLowerCopy(p);
      text = textCopy;
      pat = patCopy;
    } else {
      text = t;
      pat = p;
    }
  }
};

// One class keyword of a character set and the contiguous code range it
// stands for.
struct SetKeyword {
  StringView name;
  Char first, last;
};

constexpr std::array<SetKeyword, 5> kSetKeywords{{
    {u"//dig", u'0', u'9'},
    {u"//lc", u'a', u'z'},
    {u"//uc", u'A', u'Z'},
    {u"//31dwn", 0, 31},
    {u"//128up", 128, 255},
}};

using CharFlags = std::array<bool, 256>;

// Fills `flags` for the set: `member` for each character of the set (with
// keywords expanded), !member for the others.
//
// Expanding the keywords in repeated passes (first occurrence of each keyword
// per pass, until a pass replaces nothing) gives exactly the keywords that a
// single left-to-right scan finds: the expansions contain no '/', and every
// keyword begins with "//" and ends in a character other than '/', so an
// expansion can neither complete a new keyword with the text around it nor
// can two keyword occurrences overlap. Only membership matters, so the scan
// marks the expansions directly instead of building the expanded text.
void FillSetFlags(StringView set, bool member, CharFlags& flags) {
  flags.fill(!member);
  size_t i = 0;
  while (i < set.size()) {
    bool matched = false;
    if (set[i] == u'/') {
      for (const SetKeyword& k : kSetKeywords) {
        if (set.substr(i, k.name.size()) == k.name) {
          for (unsigned c = k.first; c <= k.last; ++c) flags[c] = member;
          i += k.name.size();
          matched = true;
          break;
        }
      }
    }
    if (matched) continue;
    if (set[i] < 256) flags[set[i]] = member;  // characters above 255 are ignored
    ++i;
  }
}

// True at the first character of `text` whose flag is set; characters above
// 255 count as `above255`.
bool AnyFlagged(StringView text, const CharFlags& flags, bool above255) {
  for (Char c : text) {
    if (c < 256 ? flags[c] : above255) return true;
  }
  return false;
}

// Case fold under the current C locale, staying in the 16-bit range.
Char LocaleFold(Char c) {
  wint_t u = std::towupper(static_cast<wint_t>(c));
  if (u > 0xFFFF) u = c;
  wint_t l = std::towlower(u);
  if (l > 0xFFFF) l = u;
  return static_cast<Char>(l);
}

}  // namespace

int32_t CountStringInString(StringView search, StringView text, bool caseSensitive) {
  if (search.empty()) return 0;
  SearchPair sp(text, search, !caseSensitive);
  int32_t count = 0;
  for (size_t i = FindFrom(sp.text, sp.pat, 0); i != npos;
       i = FindFrom(sp.text, sp.pat, i + sp.pat.size()))
    ++count;
  return count;
}

int32_t CountCharInString(Char c, StringView text, bool caseSensitive) {
  int32_t count = 0;
  if (caseSensitive) {
    for (Char x : text) count += (x == c);
  } else {
    const Char lc = AsciiLower(c);
    for (Char x : text) count += (AsciiLower(x) == lc);
  }
  return count;
}

int32_t NumberedPos(StringView search, StringView text, int32_t start, int32_t n,
                    bool ignoreCase) {
  if (search.empty() || n <= 0) return 0;
  const size_t from = start < 1 ? 0 : static_cast<size_t>(start) - 1;
  if (from >= text.size()) return 0;
  // Only the part from `start` on is searched (and, ignoring case, copied);
  // positions found in it are shifted back into the whole text.
  SearchPair sp(text.substr(from), search, ignoreCase);
  size_t pos = 0;
  for (int32_t k = 1;; ++k) {
    size_t i = FindFrom(sp.text, sp.pat, pos);
    if (i == npos) return 0;
    if (k == n) return static_cast<int32_t>(from + i + 1);
    pos = i + sp.pat.size();
  }
}

int32_t NumberedPosBw(StringView search, StringView text, int32_t start, int32_t n,
                      bool ignoreCase) {
  if (search.empty() || n <= 0 || text.empty()) return 0;
  size_t end = start < 1 ? 1 : static_cast<size_t>(start);
  if (end > text.size()) end = text.size();
  SearchPair sp(text.substr(0, end), search, ignoreCase);
  for (int32_t k = 1;; ++k) {
    size_t i = FindLastEndingBy(sp.text, sp.pat, end);
    if (i == npos) return 0;
    if (k == n) return static_cast<int32_t>(i + 1);
    end = i;  // the next occurrence must end before this one begins
  }
}

int32_t PosLast(StringView search, StringView text) {
  if (search.empty()) return 0;
  size_t found = npos;
  for (size_t i = FindFrom(text, search, 0); i != npos; i = FindFrom(text, search, i + search.size()))
    found = i;
  return found == npos ? 0 : static_cast<int32_t>(found + 1);
}

bool TestAllChar(StringView text, Char c) {
  if (text.empty()) return false;
  for (Char x : text) {
    if (x != c) return false;
  }
  return true;
}

bool StringContains(StringView text, StringView set) {
  CharFlags flags;
  FillSetFlags(set, true, flags);
  return AnyFlagged(text, flags, false);
}

bool StringContainsOtherThan(StringView text, StringView set) {
  CharFlags flags;
  FillSetFlags(set, false, flags);
  return AnyFlagged(text, flags, true);
}

bool EqualAnsiStrings(StringView a, StringView b) {
  a = a.substr(0, a.find(u'\0'));
  b = b.substr(0, b.find(u'\0'));
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && LocaleFold(a[i]) != LocaleFold(b[i])) return false;
  }
  return true;
}

String ReplaceStringInString(StringView text, StringView search, StringView replacement,
                             bool ignoreCase) {
  if (search.empty()) return String(text);
  SearchPair sp(text, search, ignoreCase);
  String result;
  size_t copied = 0;  // text[0, copied) has been handled
  size_t i = FindFrom(sp.text, sp.pat, 0);
  if (i == npos) return String(text);
  result.reserve(text.size());
  for (; i != npos; i = FindFrom(sp.text, sp.pat, copied)) {
    result.append(text.substr(copied, i - copied));
    result.append(replacement);
    copied = i + search.size();
  }
  result.append(text.substr(copied));
  return result;
}

}  // namespace kvo
