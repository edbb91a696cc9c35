// Fuzzes the decoders and tag finders of the parsing functions: UUDecodeStr
// (and the UUEncodeStr round trip), ReadNextTagInString and
// DetectNextTagInString, checking their invariants.
//
// Input: byte 0 selects the function, byte 1 the encoding of the rest (even:
// one byte per character; odd: little-endian UTF-16 pairs).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "stringl/parse.h"

using namespace kvo;

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

String Decode(const uint8_t* data, size_t size, bool wide) {
  String s;
  if (wide) {
    for (size_t i = 0; i + 1 < size; i += 2) s += Char(data[i] | (data[i + 1] << 8));
  } else {
    for (size_t i = 0; i < size; ++i) s += Char(data[i]);
  }
  return s;
}

const std::vector<String> kTags{u"a", u"b", u"item", u""};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t op = data[0] % 3;
  const String text = Decode(data + 2, size - 2, (data[1] & 1) != 0);
  const int32_t n = static_cast<int32_t>(text.size());

  switch (op) {
    case 0: {
      const String decoded = UUDecodeStr(text);
      for (Char c : decoded) Check(c <= 255);
      // A line yields at most the 63 bytes its length character can state.
      Check(decoded.size() <= 63 * text.size());
      // Any text of bytes comes back from its encoding.
      String bytes;
      for (Char c : text) bytes += Char(c & 255);
      Check(UUDecodeStr(UUEncodeStr(bytes)) == bytes);
      Check(UUDecodeStr(UUEncodeStr(text)) ==
            (bytes == text ? text : FromLatin1(ToUtf8(text))));
      break;
    }
    case 1: {
      int32_t pos = 1;
      int calls = 0;
      while (pos <= n) {
        const int32_t before = pos;
        String attributes, contents;
        const int32_t ix = ReadNextTagInString(text, pos, kTags, attributes, contents);
        Check(ix >= 0 && ix < static_cast<int32_t>(kTags.size()));
        Check(pos > before && pos <= n + 1);
        Check(attributes.size() + contents.size() <= text.size());
        Check(++calls <= n + 1);
      }
      break;
    }
    case 2: {
      int32_t start = 1;
      int calls = 0;
      for (;;) {
        int32_t end = 0;
        String attributes;
        bool closing = false;
        const int32_t from = start;
        const int32_t ix = DetectNextTagInString(text, start, end, kTags, attributes, closing);
        if (ix < 0) {
          Check(start == 0 && end == 0);
          break;
        }
        Check(ix < static_cast<int32_t>(kTags.size()));
        Check(from <= start && start < end && end <= n);
        Check(text[static_cast<size_t>(start) - 1] == u'<' && text[static_cast<size_t>(end) - 1] == u'>');
        Check(++calls <= n);
        start = end + 1;
      }
      break;
    }
  }
  return 0;
}
