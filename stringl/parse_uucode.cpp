#include "stringl/parse_uucode.h"

#include <algorithm>
#include <string>

namespace kvo {

namespace {

// Bytes per line: 45 bytes make 60 characters, the line length every
// uuencode implementation writes and reads.
constexpr size_t kLineBytes = 45;

constexpr Char EncodeValue(unsigned v) { return v == 0 ? u'`' : Char(32 + v); }

constexpr unsigned DecodeValue(Char c) { return static_cast<unsigned>(c - 32) & 63u; }

// Lines of `text`, split at LF, CR LF and a lone CR.
template <typename Fn>
void ForEachLine(StringView text, Fn&& fn) {
  size_t b = 0;
  while (b < text.size()) {
    size_t e = text.find_first_of(u"\r\n", b);
    if (e == StringView::npos) {
      if (!fn(text.substr(b))) return;
      break;
    }
    if (!fn(text.substr(b, e - b))) return;
    b = (text[e] == u'\r' && e + 1 < text.size() && text[e + 1] == u'\n') ? e + 2 : e + 1;
  }
}

}  // namespace

String UUEncodeStr(StringView text) {
  std::string bytes;
  bool wide = false;
  for (Char c : text) wide = wide || c > 255;
  if (wide) {
    bytes = ToUtf8(text);
  } else {
    bytes.reserve(text.size());
    for (Char c : text) bytes += static_cast<char>(c);
  }
  String out;
  out.reserve(bytes.size() / 3 * 4 + bytes.size() / kLineBytes * 2 + 8);
  for (size_t at = 0; at < bytes.size(); at += kLineBytes) {
    const size_t len = std::min(kLineBytes, bytes.size() - at);
    out += EncodeValue(static_cast<unsigned>(len));
    for (size_t g = 0; g < len; g += 3) {
      unsigned b0 = static_cast<uint8_t>(bytes[at + g]);
      unsigned b1 = g + 1 < len ? static_cast<uint8_t>(bytes[at + g + 1]) : 0;
      unsigned b2 = g + 2 < len ? static_cast<uint8_t>(bytes[at + g + 2]) : 0;
      out += EncodeValue(b0 >> 2);
      out += EncodeValue(((b0 << 4) | (b1 >> 4)) & 63);
      out += EncodeValue(((b1 << 2) | (b2 >> 6)) & 63);
      out += EncodeValue(b2 & 63);
    }
    out += u'\n';
  }
  out += u"`\n";
  return out;
}

String UUDecodeStr(StringView text) {
  String out;
  bool first = true;
  ForEachLine(text, [&](StringView line) {
    if (line.empty()) return true;
    if (first) {
      first = false;
      if (line.starts_with(u"begin ")) return true;
    }
    size_t e = line.find_last_not_of(u' ');
    if (e != StringView::npos && line.substr(0, e + 1) == u"end") return false;
    const unsigned len = DecodeValue(line[0]);
    if (len == 0) return false;
    // The value of the k-th data character; missing ones count as 0.
    auto value = [&](size_t k) { return k + 1 < line.size() ? DecodeValue(line[k + 1]) : 0u; };
    for (unsigned g = 0; g < len; g += 3) {
      const size_t k = static_cast<size_t>(g) / 3 * 4;
      const unsigned v0 = value(k), v1 = value(k + 1), v2 = value(k + 2), v3 = value(k + 3);
      out += Char(((v0 << 2) | (v1 >> 4)) & 255);
      if (g + 1 < len) out += Char(((v1 << 4) | (v2 >> 2)) & 255);
      if (g + 2 < len) out += Char(((v2 << 6) | v3) & 255);
    }
    return true;
  });
  return out;
}

}  // namespace kvo
