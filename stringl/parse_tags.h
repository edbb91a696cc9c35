// Finding XML-like tags in a string.
//
// The same forgiving rules as the stream and text-file tag readers:
//   - the tag text is everything after a '<' up to and including the next
//     '>'; tags whose text begins with '!' (comments, declarations) are
//     skipped, processing instructions ('?') are not;
//   - the tag name is the part of the tag text before its first blank
//     (code 32 only; a tabulator is part of the name), lower-cased (ASCII
//     letters only), without the closing '>' or "/>";
//   - the attribute text is what lies between that blank and the closing
//     '>' or "/>", with blanks removed at both ends; empty without a blank;
//   - the tag index is the 0-based index of the first entry of `tags` equal
//     to the name, or the last index when none is (so callers reserve the
//     last entry for tags they do not handle). Entries match only when
//     written in lower case.
// There is no nesting model and no entity decoding.
// Decision: an empty tag list has no index to give; both functions then
// return -1 and read nothing.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "platform/strings.h"

namespace kvo {

// ReadNextTagInString
//
// Reads the next tag of `text` from the 1-based position `pos` on (a
// position below 1 counts as 1) and returns its tag index.
//   - An empty-element tag ('<br/>', '<p x="1" />'): the contents stay
//     empty.
//   - A closing tag ('</item>', name '/item'): the contents stay empty.
//   - Any other tag opens an element: the contents are the raw text behind
//     it up to the first closing tag of the same name (compared without
//     regard to ASCII case), which is consumed; without one, the contents
//     are the whole rest of the text.
// `pos` is left behind the '>' of the tag, or of its closing tag. When no
// '<' is left, or a tag is cut off by the end of the text, the tag is taken
// as far as it goes (its last character dropped, as if it were the '>'):
// at the end of the text the name is empty, so the index is that of an
// empty entry of `tags` if there is one, else the last index.
//   u"<!-- x --><Item a=\"1\">x</ITEM>" with {u"item", u"other"}:
//   0, attributes u"a=\"1\"", contents u"x"
int32_t ReadNextTagInString(StringView text, int32_t& pos, std::span<const String> tags,
                            String& attributes, String& contents);
inline int32_t ReadNextTagInString(StringView text, int32_t& pos, std::initializer_list<String> tags,
                                   String& attributes, String& contents) {
  return ReadNextTagInString(text, pos, std::span<const String>(tags.begin(), tags.size()),
                             attributes, contents);
}

// DetectNextTagInString
//
// Finds the next complete tag within positions `startPos` ... `endPos` of
// `text` (1-based, inclusive) without reading any contents, and tells where
// it is: on success `startPos` is the position of its '<' and `endPos` that
// of its '>', `attributes` its attribute text and `closing` whether it is a
// closing tag ('</name ...>'); the result is its tag index, where a closing
// tag is looked up by its name without the '/'. A caller walks all tags by
// calling again with startPos = endPos + 1 and the old end.
// Input: a `startPos` below 1 counts as 1; an `endPos` below 1 or beyond the
// text means the end of the text.
// Returns -1 when no complete tag lies in the range (a '<' without a
// following '>' is no tag); startPos and endPos are then 0, attributes
// empty and closing false.
//   u"ab <B x=1>c</b>" from 1 with {u"b", u""}: 0, startPos 4, endPos 10,
//   attributes u"x=1", closing false; then from 11: 0, 12 ... 15, closing true
int32_t DetectNextTagInString(StringView text, int32_t& startPos, int32_t& endPos,
                              std::span<const String> tags, String& attributes, bool& closing);
inline int32_t DetectNextTagInString(StringView text, int32_t& startPos, int32_t& endPos,
                                     std::initializer_list<String> tags, String& attributes,
                                     bool& closing) {
  return DetectNextTagInString(text, startPos, endPos,
                               std::span<const String>(tags.begin(), tags.size()), attributes,
                               closing);
}

}  // namespace kvo
