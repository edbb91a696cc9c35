// Looking strings up in lists of choices, guessing the delimiter of a CSV
// line, counting words, recognising abbreviations and finding the first
// non-blank character or digit.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "kvobase/tables.h"
#include "kvobase/types.h"
#include "platform/strings.h"
#include "stringl/parse_types.h"

namespace kvo {

// StringIx
//
// The 1-based index of the first choice equal to `s`, 0 when none is (or
// the list is empty). The first form compares exactly; the second exactly
// when `caseSensitive` is true and with the ASCII letters lower-cased on
// both sides when it is false.
//   StringIx(u"Two", false, {u"one", u"two"}) == 2   (true: 0)
int32_t StringIx(StringView s, std::span<const String> choices);
int32_t StringIx(StringView s, bool caseSensitive, std::span<const String> choices);
inline int32_t StringIx(StringView s, std::initializer_list<String> choices) {
  return StringIx(s, std::span<const String>(choices.begin(), choices.size()));
}
inline int32_t StringIx(StringView s, bool caseSensitive, std::initializer_list<String> choices) {
  return StringIx(s, caseSensitive, std::span<const String>(choices.begin(), choices.size()));
}

// DetectCSVDelimiter
//
// Counts each of the six characters of CSVDELIMITERS in the line (code 0 of
// csvUnknown included) and returns the enumerator with the highest count;
// on equal counts the earlier enumerator wins, so a line without any of
// them gives csvUnknown.
//   DetectCSVDelimiter(u"a;b,c;d") == csvSemicolon
//   DetectCSVDelimiter(u"a b,c") == csvBlank     (tie: the blank comes first)
TCSVDelimiters DetectCSVDelimiter(StringView line);

// CountWords
//
// Number of words of at least two characters: a word is a run of
// characters outside WordSeps that is followed by a separator. A run at the
// very end of the text (not followed by a separator) is not counted.
//   CountWords(u"hello big world.") == 3   CountWords(u"hello world") == 1
int32_t CountWords(StringView text);

// IsAbbreviation
//
// True when the longest run of upper-case ASCII letters is at least 2 long
// and the text has fewer lower-case ASCII letters and digits (together) than
// that run is long.
//   u"USA" true, u"PCs" true, u"GmbH" false, u"A" false
bool IsAbbreviation(StringView text);

// FindFirstNonBlank
//
// Position of the first character that is not a blank (code 32); 0 for an
// empty text or one of blanks only.
int32_t FindFirstNonBlank(StringView text);

// FindFirstDigit
//
// Position of the first ASCII digit; 0 if there is none.
int32_t FindFirstDigit(StringView text);

}  // namespace kvo
