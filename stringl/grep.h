// TGrep: a small regular-expression matcher.
//
// A pattern is compiled into at most 64 tokens and matched against text with
// a backtracking search that reports where the first match starts and ends.
//
// The language: literal characters; "." for any one character; sets
// "[...]" with ranges "a-z" and negation "[^...]"; groups "(...)" that hold a
// literal string (no metacharacters, no nesting); the multipliers "*" (zero
// or more), "+" (one or more) and "?" (zero or one), which bind to the
// preceding character, any-character, set or group; the anchors "^" (only at
// the very beginning) and "$" (only at the very end); "\" makes the next
// character literal (inside sets and groups too; at the very end of the
// pattern it stands for the character with code 0); "\#hh" is replaced by the
// character with hexadecimal code hh before the pattern is parsed, so the
// produced character acts as if typed (a code for "*" is a multiplier).
//
// Matching is shortest-first (lazy) for a multiplier in the middle of a
// pattern and longest (greedy) for a multiplier that is the last token:
// 'a.*b' matches 'axbyb' at 1 ... 3, while 'a.*' matches it at 1 ... 5.
// Positions are 1-based; position L + 1 stands for the end of a text of
// length L.
//
// With IgnoreCase, the pattern and the text are lower-cased (ASCII letters
// only) before use; a hexadecimal code is expanded after lower-casing, so
// "\#41" (an upper-case 'A') then never matches.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/classes.h"
#include "platform/strings.h"

namespace kvo {

// A fixed array of 256 characters, indices 0 ... 255.
using TCharArr256 = std::array<Char, 256>;

// What a compiled token does.
enum TGrepTokenAct : uint8_t {
  taNormal,   // a literal string
  taAnyByte,  // any one character
  taEol,      // end of text
  taBol,      // start of text
  taSet,      // one character of a set
  taMult0,    // zero or more repetitions of the operand
  taMult1,    // one or more repetitions of the operand
  taOpti      // zero or one repetition of the operand
};

// One compiled token.
//
//   Action      NumChars                       Params
//   taNormal    length n of the string, 0..255 Params[1..n] hold the string
//   taSet       -1                             Params[c] is '*' when the
//                                              character with code c is a
//                                              member, ' ' otherwise
//   taAnyByte,  0                              not used
//   taEol,taBol
//   taMult0,    the operand: -1 a set (members in Params as for taSet),
//   taMult1,    0 any character, n > 0 the string Params[1..n]
//   taOpti
//
// ValidFrom is the position at which the token matched in the most recent
// match attempt; after a successful MatchString it is the start of the
// token's part of the match.
struct TGrepToken {
  TGrepTokenAct Action = taNormal;
  int32_t NumChars = 0;
  TCharArr256 Params{};
  int32_t ValidFrom = 0;
};

// The compiled tokens: a fixed array of 64 tokens with indices 1 ... 64.
// Indexing outside 1 ... 64 is a programming error (checked only by the
// standard library's debug assertions).
struct TRegExp {
  static constexpr int32_t Size = 64;
  TGrepToken& operator[](int32_t i) { return Tokens[static_cast<size_t>(i - 1)]; }
  const TGrepToken& operator[](int32_t i) const { return Tokens[static_cast<size_t>(i - 1)]; }
  std::array<TGrepToken, Size> Tokens{};
};

// Limits of the compiled form.
inline constexpr int32_t grepMaxTokens = TRegExp::Size;  // tokens per pattern
inline constexpr int32_t grepMaxChars = 255;             // characters per string or group

// Error numbers of the compiler. 1 to 9 are the errors of the language;
// 10 to 12 report a pattern beyond the limits of the compiled form.
inline constexpr int32_t grepErrNone = 0;
inline constexpr int32_t grepErrBadStart = 1;       // starts with $ * ? +
inline constexpr int32_t grepErrCircumflex = 2;     // ^ not at the very start
inline constexpr int32_t grepErrAfterEol = 3;       // something after $
inline constexpr int32_t grepErrEmptySet = 4;       // []
inline constexpr int32_t grepErrSetCircumflex = 5;  // unquoted ^ inside a set
inline constexpr int32_t grepErrSetBrackets = 6;    // ] outside a set
inline constexpr int32_t grepErrMinus = 7;          // misplaced -
inline constexpr int32_t grepErrGroupBrackets = 8;  // ) outside a group
inline constexpr int32_t grepErrMultiplier = 9;     // multiplier without operand
inline constexpr int32_t grepErrTooManyTokens = 10; // more than 64 tokens
inline constexpr int32_t grepErrStringTooLong = 11; // string or group over 255 chars
inline constexpr int32_t grepErrSetCharCode = 12;   // set member above code 255
inline constexpr int32_t grepErrMax = 12;

// GrepErrorText
//
// The text of a compiler error number:
//    0 "no errors"
//    1 "reg.exp. must not start with $, *, ?, or +"
//    2 "circumflex not allowed here"
//    3 "no character allowed after end of line"
//    4 "empty set"
//    5 "circumflex has to be quoted in set"
//    6 "mismatch of set brackets"
//    7 "minus not allowed here"
//    8 "mismatch of group brackets"
//    9 "*, ?, + have to be applied to groups or sets only"
//   10 "reg.exp. needs more than 64 tokens"
//   11 "string or group longer than 255 characters"
//   12 "character code above 255 not allowed in set"
// Any other number gives "unknown error".
String GrepErrorText(int32_t ErrNum);

// TGrep
//
// A component (owner and Name) holding one compiled pattern and the result
// of the last match. One object serves one thread at a time.
class TGrep : public TComponent {
 public:
  // Creates the matcher: IgnoreCase false, StopOnError true, MatchStartPos
  // and MatchEndPos 0, SearchStartPos 1, empty pattern, no tokens.
  explicit TGrep(TComponent* AOwner = nullptr);
  ~TGrep() override;

  // RegExp / SetRegExp
  //
  // The pattern. Setting it stores it (even when faulty) and compiles it.
  // When StopOnError is true and compilation fails, raises EKVOStringlError
  // "Component \"<Name>\": error in regular expression - <error text>"; with
  // StopOnError false the error is only recorded in LastError. Either way
  // the tokens built up to the error remain and are used by MatchString.
  const String& RegExp() const { return FRegExpStr; }
  void SetRegExp(const String& s);

  // IgnoreCase / SetIgnoreCase
  //
  // Case-insensitive matching (ASCII letters only). Setting it recompiles
  // the stored pattern; an error is recorded in LastError, never raised.
  bool IgnoreCase() const { return FIgnoreCase; }
  void SetIgnoreCase(bool b);

  // SearchStartPos / SetSearchStartPos
  //
  // The first position MatchString tries (default 1). Decision: a value
  // below 1 searches from 1; a value beyond L + 1 (L the length of the text)
  // finds nothing, except for the single-"*"-token shortcut of MatchString.
  int32_t SearchStartPos() const { return FSrcStartPos; }
  void SetSearchStartPos(int32_t Value) { FSrcStartPos = Value; }

  // StopOnError / SetStopOnError
  //
  // Whether SetRegExp raises on a pattern error (default true).
  bool StopOnError() const { return FStopOnError; }
  void SetStopOnError(bool Value) { FStopOnError = Value; }

  // Start and end (last character) of the last match, 0 after a failed one.
  int32_t MatchStartPos() const { return FMatchStartPos; }
  int32_t MatchEndPos() const { return FMatchEndPos; }
  // Number of compiled tokens, 0 ... 64.
  int32_t NrOfRegExpTokens() const { return FLengRegExp; }
  // Error number of the last compilation (0 = none); see GrepErrorText.
  int32_t LastError() const { return FError; }

  // CompileRegExp
  //
  // Compiles s into the tokens and returns the error number (also stored in
  // LastError). Does not change RegExp and never raises; SetRegExp and
  // SetIgnoreCase call it. The first error stops the compilation and the
  // tokens built until then remain. A set or group still open at the end of
  // the pattern stays as built (an open "[^..." is not negated).
  //
  // Decisions where the language leaves a choice:
  // - "\#" with fewer than two characters after it takes the characters
  //   there are: "\#" at the end gives code 0, "\#4" at the end code 4.
  // - A range whose end is missing ("[a-" at the end) ends at code 0.
  // - A range directly after "[^", before any member, is refused with
  //   error 7 (it would have no start), just as "[-" is.
  // - A multiplier after an empty group "()" leaves the empty string token
  //   unchanged: repeating nothing matches nothing, so "()*", "()+" and "()?"
  //   match the empty string, like "()".
  // - A 65th token gives error 10, a 256th character of a string or group
  //   error 11, a set member or range end above code 255 error 12.
  // - Characters above code 255 in the text are members of a negated set
  //   (they were not excluded) and of no other set.
  int32_t CompileRegExp(const String& s);

  // MatchString
  //
  // Searches the first match of the compiled pattern in Instring from
  // SearchStartPos on. On success returns true, MatchPos and MatchStartPos
  // receive the first position of the match and MatchEndPos its last
  // (MatchEndPos = MatchStartPos - 1 for an empty match). On failure returns
  // false and sets MatchPos, MatchStartPos and MatchEndPos to 0.
  //
  // - A pattern of exactly one "*" token counts the whole input as the
  //   match, whatever its operand: false when the input is not empty and
  //   shorter than SearchStartPos, otherwise 1 ... L with ValidFrom 1.
  // - An empty pattern matches at SearchStartPos with an empty match.
  // - Otherwise the start positions SearchStartPos, SearchStartPos + 1, ...
  //   are tried up to L (just SearchStartPos when that is L or more), and
  //   only SearchStartPos for a pattern starting with "^". So a match that
  //   exists only at the end of the text, position L + 1, is not found from
  //   a start below L: 'b*$' does not match 'aaa' from 1.
  // - The anchors match the empty string: a pattern ending in "^" (only "^"
  //   itself, or a faulty pattern like "^*") ends its match at 0, just as
  //   one ending in "$" ends it at L.
  // - ValidFrom of every token holds the start of its part of the match
  //   after success; after a failure the ValidFrom values carry no meaning.
  //
  // The search gives the results of a plain recursive backtracking search
  // (recursion depth at most the number of tokens) but remembers, during one
  // call, the (token, position) pairs that failed to match so that none is
  // tried twice; a call costs at most about tokens x length steps instead of
  // growing with the product of the repetition counts. The memory for this
  // is kept in the object and grows with the longest text searched (one bit
  // per token and position).
  bool MatchString(StringView Instring, int32_t& MatchPos);

  // GetRegExpToken
  //
  // A copy of token regix (1-based), the index clamped first to at most
  // NrOfRegExpTokens and then to at least 1: GetRegExpToken(0) is the first
  // token, GetRegExpToken(99) the last. With no tokens it returns token 1,
  // which then is cleared (taNormal, no characters).
  TGrepToken GetRegExpToken(int32_t regix) const;

  // PrintRegExp
  //
  // Writes the compiled tokens to the text file FName (created or
  // overwritten; lines end with CR LF), one line per token with an
  // 11-character label:
  //   " taNormal: " + the string          "taAnyByte: "
  //   "    taEol: "                       "    taBol: "
  //   "    taSet: " + the members in ascending code order
  //   "  taMult0: ", "  taMult1: ", "   taOpti: " + the operand:
  //       "(set) " + the members, "(anychar) ", or "(string) " + the string
  // and then one line with the text of LastError ("no errors" for 0).
  // Characters are written as UTF-8. Errors creating or writing the file
  // raise EInOutError.
  void PrintRegExp(const String& FName) const;

 private:
  int32_t FLengRegExp = 0;
  bool FStopOnError = true;
  TRegExp FregExp;
  String FRegExpStr;
  bool FIgnoreCase = false;
  int32_t FError = 0;
  int32_t FMatchEndPos = 0;
  int32_t FMatchStartPos = 0;
  int32_t FSrcStartPos = 1;
  // For tokens with a set operand: whether characters above code 255 are
  // members (true for a negated set). Index 1 ... 64 as FregExp.
  std::array<bool, TRegExp::Size + 1> FHighMembers{};
  // Scratch bits of MatchString: failed (token, position) pairs. All zero
  // between calls.
  std::vector<uint64_t> FFailMemo;
};

}  // namespace kvo
