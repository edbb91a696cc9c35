// Types shared by the splitting, tokenizing and parsing functions: the token
// array, the state of the quoted-name reader and the set of word separators.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/strings.h"

namespace kvo {

// TOpenStringArray
//
// Growable array of strings; the result type of Tokenize.
using TOpenStringArray = std::vector<String>;

// TQuotedStrState
//
// The state of ParseQuotedName (see parse_split.h), in this order:
//   vsStart     nothing of the name read yet (leading blanks are skipped);
//   vs1stQuote  the opening quote has been read: inside a quoted name;
//   vsQuote     a quote was read inside a quoted name: it closes the name,
//               unless a second quote follows (a doubled quote);
//   vsNormal    inside an unquoted name;
//   vsEnd       the name is complete.
enum TQuotedStrState : uint8_t { vsStart, vs1stQuote, vsQuote, vsNormal, vsEnd };

// TAnsiCharSet
//
// A constant set of 8-bit character codes (0 ... 255), held as 256 bits.
// A character above 255 is never a member. Built at compile time from the
// list of its members; characters above 255 in that list are ignored.
class TAnsiCharSet {
 public:
  constexpr TAnsiCharSet() = default;
  constexpr explicit TAnsiCharSet(std::u16string_view members) {
    for (Char c : members) {
      if (c < 256) FBits[c >> 6] |= uint64_t{1} << (c & 63);
    }
  }

  // True when `c` is a member; always false above 255.
  constexpr bool Contains(Char c) const {
    return c < 256 && ((FBits[c >> 6] >> (c & 63)) & 1) != 0;
  }

 private:
  std::array<uint64_t, 4> FBits{};
};

// WordSeps
//
// The characters that separate words (ExtractWordFromString, CountWords,
// and the word count of the HTML module): code 0, line feed (10), carriage
// return (13), the blank, the double quote and
//   # % ' ( ) * + , - . / : ; < = > [ \ ] { }
// Not separators: the tabulator, ! $ & ? @ ^ _ ` | ~, digits, letters and
// every character above 127.
namespace parse_detail {
// The members, code 0 first (hence the explicit length below).
inline constexpr char16_t kWordSepChars[] = u"\0\n\r \"#%'()*+,-./:;<=>[\\]{}";
}  // namespace parse_detail

inline constexpr TAnsiCharSet WordSeps{std::u16string_view(
    parse_detail::kWordSepChars, sizeof parse_detail::kWordSepChars / sizeof(char16_t) - 1)};

}  // namespace kvo
