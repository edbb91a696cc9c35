// Counting, searching and testing within strings.
//
// Positions are 1-based; 0 means "not found". Case-insensitive variants
// compare the ASCII letters without regard to case (every other character
// must match exactly), except EqualAnsiStrings, which follows the C
// library's locale. Mind the sense of the case flags: the counting functions
// take `caseSensitive` (false compares case-insensitively), the position
// functions take `ignoreCase` (true compares case-insensitively).
// Occurrences never overlap: each search resumes behind the previous
// occurrence. None of these functions raises.
#pragma once

#include <cstdint>

#include "platform/strings.h"

namespace kvo {

// CountStringInString
//
// Number of non-overlapping occurrences of `search` in `text`, counted from
// the left. Decision: an empty `search` occurs 0 times.
//   CountStringInString(u"aa", u"aaaa", true) == 2
int32_t CountStringInString(StringView search, StringView text, bool caseSensitive);

// CountCharInString
//
// Number of characters of `text` equal to `c`.
int32_t CountCharInString(Char c, StringView text, bool caseSensitive);

// NumberedPos
//
// Position of the n-th occurrence of `search` in `text` at or after
// position `start` (clamped to at least 1), counted from the left with
// non-overlapping occurrences. 0 when `search` is empty, n <= 0, start lies
// beyond the end of the text, or there are fewer than n occurrences.
//   NumberedPos(u"ab", u"xxabyyab", 1, 2, false) == 7
int32_t NumberedPos(StringView search, StringView text, int32_t start, int32_t n,
                    bool ignoreCase);

// NumberedPosBw
//
// Start position of the n-th occurrence of `search` counted backwards from
// position `start` (clamped to 1 ... length of the text): only the
// characters 1 ... start are searched, an occurrence must end at or before
// `start`, and occurrences found from the right do not overlap. 0 when
// `search` is empty, n <= 0 or there are fewer than n occurrences.
//   NumberedPosBw(u"bc", u"abcabc", 6, 1, false) == 5   (n = 2: 2)
//   NumberedPosBw(u"bc", u"abcabc", 5, 1, false) == 2
int32_t NumberedPosBw(StringView search, StringView text, int32_t start, int32_t n,
                      bool ignoreCase);

// PosLast
//
// Position of the last of the non-overlapping occurrences of `search` found
// scanning from the left (case-sensitive); 0 when there is none or `search`
// is empty.
//   PosLast(u"bc", u"abcabc") == 5    PosLast(u"aa", u"aaa") == 1
int32_t PosLast(StringView search, StringView text);

// TestAllChar
//
// True when the text is not empty and consists of `c` only.
bool TestAllChar(StringView text, Char c);

// StringContains
//
// True when some character of `text` is in the character set `set`; false
// for an empty text. In `set` these class keywords stand for groups:
//   "//dig" digits, "//lc" 'a' ... 'z', "//uc" 'A' ... 'Z',
//   "//31dwn" codes 0 ... 31, "//128up" codes 128 ... 255;
// every other character of `set`, a lone '/' included, stands for itself.
// The set is a table of 256 flags, one per code 0 ... 255, filled once per
// call without allocation; the text is then classified with one lookup per
// character, stopping at the first hit.
// Decisions: a character above 255 in `set` is ignored; a character above
// 255 in `text` is never in the set (StringContains does not count it as a
// hit, StringContainsOtherThan does).
//   StringContains(u"a1", u"//dig") == true
bool StringContains(StringView text, StringView set);

// StringContainsOtherThan
//
// True when some character of `text` is not in `set` (same keywords and
// decisions as StringContains); false for an empty text.
//   StringContainsOtherThan(u"12a", u"//dig//uc") == true
bool StringContainsOtherThan(StringView text, StringView set);

// EqualAnsiStrings
//
// True when the two texts, each taken up to its first character with code 0,
// are equal when compared case-insensitively. Characters are compared by
// their case-folded form towlower(towupper(c)) under the process's current
// C locale (LC_CTYPE): in the default "C" locale only the ASCII letters fold;
// after setlocale the program's locale decides. A mapping whose result lies
// outside the 16-bit range leaves the character as it is.
bool EqualAnsiStrings(StringView a, StringView b);

}  // namespace kvo
