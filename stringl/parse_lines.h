// Lines of a multi-line string: reading them one by one, and turning a
// character position into line and column.
#pragma once

#include <cstdint>

#include "platform/strings.h"

namespace kvo {

// ReadLnString
//
// Reads the next line of `text` from the 1-based position `pos` on and
// advances `pos` behind the line end. `eot` is set when the end of the text
// was reached before a line end; the call that sets it returns what was left
// behind the last line end (often the empty string), and every later call
// returns the empty string with `eot` set.
// Characters with codes of 32 and more are taken into the line; control
// characters (tabulators included) never are. `mode` says which control
// character ends the line, looking back at the character read just before
// it by the same call:
//   0  line feed (10)
//   1  carriage return (13)
//   2  carriage return or line feed
//   3  a carriage return directly after a line feed
//   4  a line feed directly after a carriage return
//   any other value: nothing, the rest of the text is one line.
// In modes 3 and 4 a lone CR or LF is dropped like any control character.
// Decision: a `pos` below 1 counts as 1.
//   over u"ab\r\ncd" in mode 4, starting at 1:
//   u"ab" (eot false), u"cd" (eot true), u"" (eot true)
String ReadLnString(StringView text, int32_t& pos, bool& eot, int32_t mode);

// TextLineCoords
//
// The line and column (both 1-based) of the character at the 1-based
// position `pos` of `text`. Lines end at LF, CR LF or a lone CR, as the text
// files of the platform read them. A line-end character belongs to the line
// it ends: in u"ab\r\ncd" position 3 (CR) is line 1 column 3, position 4 (LF)
// line 1 column 4, position 5 line 2 column 1.
// The position just behind the last character (length + 1) is allowed too,
// so the end of the text, where an appended character would go, has
// coordinates (an empty text: line 1 column 1). Any other position gives
// line = column = 0.
void TextLineCoords(StringView text, int32_t pos, int32_t& line, int32_t& column);

}  // namespace kvo
