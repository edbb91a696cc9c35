// Trimming, padding and fixed-width layout of strings.
//
// A blank is the character with code 32 only; tabulators and other white
// space are ordinary characters here. Every function returns a new string
// and leaves its arguments unchanged; none raises.
#pragma once

#include <cstdint>

#include "platform/strings.h"

namespace kvo {

// StripLTBlanks
//
// Removes blanks at both ends. A text of blanks only gives the empty string.
//   StripLTBlanks(u"  a b  ") == u"a b"
String StripLTBlanks(StringView text);

// StripLeadingBlanks
//
// Removes leading blanks, but never the last character: a text of blanks
// only gives a single blank. The empty text stays empty.
String StripLeadingBlanks(StringView text);

// StripTrailingBlanks
//
// Removes trailing blanks, but never the first character: a text of blanks
// only gives a single blank. The empty text stays empty.
String StripTrailingBlanks(StringView text);

// StripLeadingChars
//
// Removes every leading `c`; a text of `c` only gives the empty string.
String StripLeadingChars(Char c, StringView text);

// StripTrailingChars
//
// Removes trailing `c`, but never the first character: a text of `c` only
// gives a single `c`.
String StripTrailingChars(Char c, StringView text);

// EnsureTrailingBkSlash
//
// Appends a backslash unless the text is empty or already ends with one.
// This is a string function: it appends '\' on every platform.
String EnsureTrailingBkSlash(StringView text);

// EnsureTrailingChar
//
// Appends `c` unless the text is empty or already ends with `c`.
String EnsureTrailingChar(Char c, StringView text);

// EnsureLeadingChar
//
// Puts `c` in front unless the text is empty or already begins with `c`.
String EnsureLeadingChar(Char c, StringView text);

// LeftString
//
// A text shorter than `n` is padded with blanks on the right to length `n`;
// otherwise its first `n` characters.
//   LeftString(u"ab", 4) == u"ab  "
String LeftString(StringView text, uint8_t n);

// RightString
//
// A text shorter than `n` is padded with blanks on the left to length `n`;
// otherwise its first `n` characters (the beginning, not the end, is kept,
// so a field never hides the start of a value).
//   RightString(u"ab", 4) == u"  ab"   RightString(u"abcdef", 3) == u"abc"
String RightString(StringView text, uint8_t n);

// CenterString
//
// A text at least `n` long gives its first `n` characters. Otherwise, with
// k = n - length, floor(k/2) blanks go on the left and the rest on the right.
//   CenterString(u"ab", 5) == u" ab  "
String CenterString(StringView text, uint8_t n);

// AbbrevString
//
// A text longer than `maxLen` gives its first maxLen - 2 characters followed
// by ".."; when maxLen < 2 the result is just "..". Otherwise the text is
// returned unchanged.
// Decision: a negative maxLen counts as 0, so the empty text (never longer
// than any limit) stays empty, and any other text gives "..".
String AbbrevString(StringView text, int32_t maxLen);

// MultiChar
//
// `c` repeated `count` times, with count clamped to 1 ... 255: a count of 0
// or less gives one `c`, a count above 255 gives 255 of them.
String MultiChar(Char c, int32_t count);

}  // namespace kvo
