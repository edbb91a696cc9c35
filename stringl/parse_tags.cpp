#include "stringl/parse_tags.h"

#include <algorithm>

namespace kvo {

namespace {

constexpr Char LowerAscii(Char c) { return (c >= u'A' && c <= u'Z') ? Char(c + 32) : c; }

String LowerAsciiString(StringView s) {
  String r(s);
  for (Char& c : r) c = LowerAscii(c);
  return r;
}

String TrimSpaces(StringView s) {
  size_t b = s.find_first_not_of(u' ');
  if (b == StringView::npos) return String();
  size_t e = s.find_last_not_of(u' ');
  return String(s.substr(b, e - b + 1));
}

// Name and attribute text of a tag text (the characters after '<' up to and
// including '>', or as far as the text went). `emptyElement` tells whether
// it was written as <name ... />.
struct TagParts {
  String name;  // lower-cased
  String attributes;
  bool emptyElement = false;
};

TagParts SplitTag(StringView tag) {
  TagParts r;
  // Since the tag text ends at its first '>', a "/>" can only stand at its
  // end; what is cut off comes before it (2 characters) or before the last
  // character (the '>', or the last one read).
  r.emptyElement = tag.find(u"/>") != StringView::npos;
  const size_t cut = r.emptyElement ? 2 : 1;
  const size_t bodyEnd = tag.size() >= cut ? tag.size() - cut : 0;
  const size_t blank = tag.find(u' ');
  if (blank != StringView::npos && blank < bodyEnd) {
    r.attributes = TrimSpaces(tag.substr(blank + 1, bodyEnd - blank - 1));
    r.name = LowerAsciiString(tag.substr(0, blank));
  } else if (blank != StringView::npos) {
    r.name = LowerAsciiString(tag.substr(0, std::min(blank, bodyEnd)));
  } else {
    r.name = LowerAsciiString(tag.substr(0, bodyEnd));
  }
  return r;
}

int32_t TagIndex(std::span<const String> tags, StringView name) {
  for (size_t i = 0; i < tags.size(); ++i) {
    if (tags[i] == name) return static_cast<int32_t>(i);
  }
  return static_cast<int32_t>(tags.size()) - 1;
}

// Whether the lower-cased end of `s` is `closer` (which is lower case).
bool EndsWithNoCase(StringView s, StringView closer) {
  if (s.size() < closer.size()) return false;
  const size_t off = s.size() - closer.size();
  for (size_t i = 0; i < closer.size(); ++i) {
    if (LowerAscii(s[off + i]) != closer[i]) return false;
  }
  return true;
}

}  // namespace

int32_t ReadNextTagInString(StringView text, int32_t& pos, std::span<const String> tags,
                            String& attributes, String& contents) {
  attributes.clear();
  contents.clear();
  if (tags.empty()) return -1;
  const size_t n = text.size();
  size_t i = pos < 1 ? 0 : static_cast<size_t>(pos) - 1;
  if (i > n) i = n;
  StringView tag;
  for (;;) {
    while (i < n && text[i] != u'<') ++i;
    if (i < n) ++i;  // behind the '<'
    const size_t b = i;
    while (i < n && text[i] != u'>') ++i;
    if (i < n) ++i;  // the '>' belongs to the tag text
    tag = text.substr(b, i - b);
    if (tag.empty() || tag[0] != u'!') break;
  }
  TagParts parts = SplitTag(tag);
  attributes = std::move(parts.attributes);
  const int32_t ix = TagIndex(tags, parts.name);
  if (!parts.emptyElement && !parts.name.empty() && parts.name[0] != u'/') {
    // The contents run to the first closing tag of the same name. Testing at
    // every '>' whether the contents end with it finds its first occurrence,
    // since the closing tag's only '>' is its last character.
    String closer = u"</" + parts.name + u">";
    const size_t b = i;
    bool closed = false;
    while (i < n) {
      const Char c = text[i++];
      if (c == u'>' && EndsWithNoCase(text.substr(b, i - b), closer)) {
        contents.assign(text.substr(b, i - b - closer.size()));
        closed = true;
        break;
      }
    }
    if (!closed) contents.assign(text.substr(b));
  }
  pos = static_cast<int32_t>(i) + 1;
  return ix;
}

int32_t DetectNextTagInString(StringView text, int32_t& startPos, int32_t& endPos,
                              std::span<const String> tags, String& attributes, bool& closing) {
  attributes.clear();
  closing = false;
  const size_t n = text.size();
  // 0-based inclusive range [from, last].
  const size_t last = (endPos < 1 || static_cast<size_t>(endPos) > n) ? n : static_cast<size_t>(endPos);
  size_t from = startPos < 1 ? 0 : static_cast<size_t>(startPos) - 1;
  startPos = 0;
  endPos = 0;
  if (tags.empty()) return -1;
  // `last` is one behind the last position looked at.
  while (from < last) {
    size_t lt = text.find(u'<', from);
    if (lt == StringView::npos || lt >= last) return -1;
    size_t gt = text.find(u'>', lt + 1);
    if (gt == StringView::npos || gt >= last) return -1;
    const StringView tag = text.substr(lt + 1, gt - lt);
    if (tag[0] == u'!') {
      from = gt + 1;
      continue;
    }
    TagParts parts = SplitTag(tag);
    closing = !parts.name.empty() && parts.name[0] == u'/';
    StringView name = parts.name;
    if (closing) name.remove_prefix(1);
    attributes = std::move(parts.attributes);
    startPos = static_cast<int32_t>(lt) + 1;
    endPos = static_cast<int32_t>(gt) + 1;
    return TagIndex(tags, name);
  }
  return -1;
}

}  // namespace kvo
