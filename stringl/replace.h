// Replacing, removing and rewriting characters of strings.
//
// Every function returns a new string and leaves its arguments unchanged;
// none raises. Case changes touch only the ASCII letters, except ChangeCase,
// which follows the C library's locale.
#pragma once

#include "platform/strings.h"

namespace kvo {

// ReplaceCharInString
//
// Every `oldChar` of the text replaced by `newChar`.
String ReplaceCharInString(StringView text, Char oldChar, Char newChar);

// ReplaceStringInString
//
// Every occurrence of `search` in `text` replaced by `replacement`. The scan
// runs from the left; after a replacement it resumes right behind the
// inserted text, so occurrences do not overlap and a replacement that
// contains `search` is not replaced again.
//   ReplaceStringInString(u"aaa", u"a", u"aa", false) == u"aaaaaa"
// With `ignoreCase` the ASCII letters compare case-insensitively; the text
// outside the occurrences keeps its characters unchanged. An empty `search`
// leaves the text unchanged.
// Cost: one pass over the text, the result built once (a case-insensitive
// call lower-cases one copy of the text and of `search`).
String ReplaceStringInString(StringView text, StringView search, StringView replacement,
                             bool ignoreCase);

// RemoveCharInString
//
// Every `c` removed.
String RemoveCharInString(StringView text, Char c);

// RemoveMultiChars
//
// Every run of consecutive `c` collapsed to one `c`.
//   RemoveMultiChars(u"a  b   c", u' ') == u"a b c"
String RemoveMultiChars(StringView text, Char c);

// RemoveControlChars
//
// Every character with code 0 ... 31 removed.
String RemoveControlChars(StringView text);

// ReverseString
//
// The characters (UTF-16 code units) in reverse order.
String ReverseString(StringView text);

// CapitalizeString
//
// Upper-cases the first letter of every word. A walk with a word-start flag
// (initially set): an ASCII letter or any character above 127 is upper-cased
// when the flag is set (only 'a' ... 'z' change) and clears the flag; a digit
// clears the flag; any other character up to 127 sets it.
//   CapitalizeString(u"hello wORLD 3rd-place") == u"Hello WORLD 3rd-Place"
String CapitalizeString(StringView text);

// ChangeCase
//
// Swaps the case of every character: when the upper-case form of c equals c
// (c is upper case or has no case), c becomes its lower-case form, otherwise
// its upper-case form.
// The case forms come from towupper/towlower under the process's current C
// locale (LC_CTYPE): in the default "C" locale only the ASCII letters change;
// a program that calls setlocale gets that locale's mapping. A mapping whose
// result lies outside the 16-bit range leaves the character unchanged.
String ChangeCase(StringView text);

// ExpandDiphthongs
//
// Spells out umlauts, the sharp s and the micro sign:
//   ä -> ae, ö -> oe, ü -> ue, ß -> ss, µ (181) -> u,
//   Ä -> Ae / AE, Ö -> Oe / OE, Ü -> Ue / UE,
// where the capitals take a lower-case 'e' when the next character of the
// text is an ASCII lower-case letter, and 'E' otherwise (also at the end).
//   u"Ärger" -> u"Aerger", u"ÄRGER" -> u"AERGER", u"Fuß" -> u"Fuss"
String ExpandDiphthongs(StringView text);

// ReduceStringToAZ09
//
// Every character other than an ASCII digit or letter replaced by '_'.
String ReduceStringToAZ09(StringView text);

// ReduceStringToFN83CompliantChars
//
// Every character that is not safe in a file name replaced by '_'. Safe are
// the codes 33 ... 126 except  " * + , / : ; < = > ? [ \ ] |  ; the blank,
// code 127, control characters and everything above 127 are not.
//   ReduceStringToFN83CompliantChars(u"a b:c.txt") == u"a_b_c.txt"
String ReduceStringToFN83CompliantChars(StringView text);

// ProcessHexChars
//
// Resolves escapes, left to right:
//   \#hh  the backslash, '#' and the (up to) two characters after '#' are
//         replaced by the character whose code ReadHexNumber gives for those
//         characters (0 ... 255): '\#41' -> 'A', '\#4' at the end -> code 4,
//         '\#zz' -> code 0, '\#' at the very end -> code 0;
//   \\    becomes one backslash, and the scan goes on behind it, so '\\#41'
//         gives '\#41';
//   \x    for any other x, and a backslash at the end, stay as they are.
// An inserted character is never scanned again.
String ProcessHexChars(StringView text);

}  // namespace kvo
