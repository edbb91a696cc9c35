// Splitting strings: at a delimiter or trigger text, into tokens, into
// fields (plain or quoted), and picking the word around a position.
//
// Positions are 1-based; field indexes are 0-based. A blank is code 32
// only. No function here raises: a missing delimiter, trigger or field
// gives an empty (or the stated default) result.
#pragma once

#include <cstdint>

#include "platform/strings.h"
#include "stringl/parse_types.h"

namespace kvo {

// SplitString
//
// Cuts `text` at the first occurrence of `delim`: `before` receives the
// characters in front of it, `after` those behind it, each passed through
// StripLTBlanks when `trim` is true. Both are cleared first and stay empty
// when `delim` does not occur (an empty `delim` never occurs).
//   SplitString(u"key = value", u"=", true, b, a)   -> b == u"key", a == u"value"
//   SplitString(u"key = value", u"=", false, b, a)  -> u"key ", u" value"
void SplitString(StringView text, StringView delim, bool trim, String& before, String& after);

// ExtractBeforeTrigger, ExtractAfterTrigger
//
// The text in front of / behind the first occurrence of `trigger`, trimmed
// with StripLTBlanks when `trim` is true; empty when `trigger` does not
// occur (an empty trigger never occurs).
String ExtractBeforeTrigger(StringView text, StringView trigger, bool trim);
String ExtractAfterTrigger(StringView text, StringView trigger, bool trim);

// Tokenize
//
// Cuts `text` at every occurrence of `delim` (searched from the left,
// exactly) and stores the pieces in `tokens`, which is resized to their
// number; returns that number. There is always at least one token: an empty
// text gives one empty token, a text without `delim` gives itself.
// Consecutive delimiters give empty tokens, a trailing delimiter an empty
// last token. At most 1000 tokens are made: the 1000th holds the rest of
// the text, delimiters included. An empty `delim` never matches.
//   Tokenize(u"a,,b,", u",", t) == 4   t == {u"a", u"", u"b", u""}
int32_t Tokenize(StringView text, StringView delim, TOpenStringArray& tokens);

// Tokenize (with escape character)
//
// As above, except that an occurrence of `delim` directly preceded by
// `escape` does not split (the search goes on one character further). Only
// the one character in front of the delimiter is looked at, so an escaped
// escape character in front of a delimiter ("\\,") does not split either;
// and at the start of the rest still to be cut (right behind the previous
// delimiter) nothing precedes an occurrence.
// Afterwards, in each token, every pair escape+escape becomes one escape,
// and then every escape+delim becomes delim.
//   Tokenize(u"a\\,b,c", u",", u'\\', t) == 2   t == {u"a,b", u"c"}
// Decisions: both replacements compare exactly, as the splitting does (a
// case-blind replacement would turn an "\X" that never escaped the
// delimiter "x" into "x", changing the token's text). With an empty `delim`
// nothing is split and only the doubled escapes are reduced.
int32_t Tokenize(StringView text, StringView delim, Char escape, TOpenStringArray& tokens);

// ExtractSubString
//
// The field with 0-based index `ix` when `text` is cut at every occurrence
// of `delim`. Both `text` and `delim` count as ending at their first
// character with code 0. Empty when ix < 0, when the text is empty, when
// the text has fewer than ix delimiters, and when the field itself is
// empty; a field ends at the next delimiter or at the end of the text.
//   ExtractSubString(u"a;b;;c", 1, u";") == u"b"   (2 -> u"", 3 -> u"c", 4 -> u"")
// Decisions: an empty `delim` never occurs, so index 0 gives the whole text
// and every other index the empty string. Whether a field begins with the
// delimiter is tested exactly, as the search for it is: a case-blind test
// would report the field "Xb" of u"axXb" (delim u"x") as empty.
String ExtractSubString(StringView text, int32_t ix, StringView delim);

// ExtractWordFromString
//
// The word of `text` that contains the 1-based position `pos`: it begins
// behind the nearest WordSeps character before pos (or at position 1) and
// ends in front of the next one after pos (or at the end). When the
// character at pos is itself a separator, the result is that one character.
// A position outside 1 ... length gives the empty string. The second form
// also returns the word's first and last positions (both 0 when empty).
//   ExtractWordFromString(u"foo bar", 5) == u"bar"   (start 5, end 7)
//   ExtractWordFromString(u"foo bar", 4) == u" "     (start = end = 4)
String ExtractWordFromString(StringView text, int32_t pos);
String ExtractWordFromString(StringView text, int32_t pos, int32_t& start, int32_t& end);

// ParseQuotedName
//
// One step of a reader for names that may be quoted with double quotes:
// feed it the characters of a text one at a time, with `name` and `state`
// kept between the calls (start with an empty name and vsStart). Each call
// consumes the character `c`; `delim` separates names. Transitions:
//   vsStart:    blank -> skipped; delim -> vsEnd (an empty name);
//               '"' -> vs1stQuote; other -> appended, vsNormal.
//   vsNormal:   delim -> vsEnd, trailing blanks removed from the name;
//               other -> appended (blanks inside the name are kept).
//   vs1stQuote: '"' -> vsQuote; other -> appended (delim and blanks too).
//   vsQuote:    '"' -> one quote appended, back to vs1stQuote (a doubled
//               quote stands for one); anything else -> vsEnd: the quoted
//               name ended at its closing quote.
//   vsEnd:      nothing changes; reset name and state to read the next name.
// The blank test comes first in vsStart, so with the blank as delimiter runs
// of blanks count as one delimiter. To finish at the end of the input, feed
// `delim` once: a name is complete in vsEnd, and a state of vs1stQuote then
// means that the closing quote was missing (`name` holds what was read).
// When `delim` is the double quote it counts as the delimiter (names cannot
// be quoted then).
//   feeding u"  \"a \"\"b\"\" c\";" with delim ';' gives name u"a \"b\" c", vsEnd
void ParseQuotedName(Char c, Char delim, String& name, TQuotedStrState& state);

// ExtractParam
//
// The parameter with 0-based index `ix` of a parameter list `text` whose
// parameters are separated by `delim` and may be enclosed in `quote` (then
// they may contain the delimiter and blanks; a doubled quote inside stands
// for one quote character). Returns `deflt` when the list has no such
// parameter. The reading follows ParseQuotedName with `quote` in place of
// the double quote:
//   - blanks around an unquoted parameter are removed, blanks inside quotes
//     are kept; text between a closing quote and the next delimiter is
//     ignored; a missing closing quote ends the parameter at the end of the
//     text;
//   - with a delimiter other than the blank, n delimiters outside quotes
//     make n + 1 parameters (consecutive delimiters give empty ones); with
//     the blank as delimiter, parameters are separated by runs of blanks,
//     and leading or trailing blanks make no parameter;
//   - an empty text, or one of blanks only, has no parameter at all;
//     ix < 0 gives `deflt`.
//   ExtractParam(u"copy \"my file.txt\" dest", 1, u' ', u'"', u"") == u"my file.txt"
//   ExtractParam(u"a; 'x;y' ;", 1, u';', u'\'', u"?") == u"x;y"   (ix 2 -> u"", 3 -> u"?")
// Decision: when `quote` equals `delim` (or is the blank), it acts only as
// the delimiter (or blank) and parameters cannot be quoted.
String ExtractParam(StringView text, int32_t ix, Char delim, Char quote, StringView deflt);

}  // namespace kvo
