// ASCII85 over streams: groups of four bytes as five base-85 digits
// ("!" ... "u"), "z" for four zero bytes, short last groups unpadded, "~>"
// at the end.
#include <array>
#include <cstring>
#include <memory>

#include "dstruct/codec.h"
#include "dstruct/codec_io.h"

namespace kvo {
namespace {

using codec_internal::kChunk;
using codec_internal::ReadFull;

// 1, 85, 85^2, 85^3, 85^4.
constexpr std::array<uint32_t, 5> kPow85 = {1u, 85u, 7225u, 614125u, 52200625u};

constexpr int kGroupsPerLine = 12;

// Writes the n + 1 digits of the n-byte big-endian number at in.
inline uint8_t* EncodeGroup(const uint8_t* in, int n, uint8_t* out) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | in[i];
  for (int i = n; i >= 0; --i) {
    *out++ = static_cast<uint8_t>('!' + v / kPow85[static_cast<size_t>(i)]);
    v %= kPow85[static_cast<size_t>(i)];
  }
  return out;
}

}  // namespace

void EncodeASCII85(TStream* source, TStream* dest, bool lineBreaks) {
  codec_internal::RequireStreams(u"EncodeASCII85", source, dest);
  constexpr int32_t kIn = kChunk;  // a multiple of 4
  // Per 4 bytes at most 5 characters, plus CR LF after 12 groups, plus "~>".
  constexpr int32_t kOut = kIn / 4 * 5 + (kIn / 4 / kGroupsPerLine + 1) * 2 + 8;
  std::unique_ptr<uint8_t[]> in(new uint8_t[kIn]);
  std::unique_ptr<uint8_t[]> out(new uint8_t[kOut]);
  int count = 0;  // groups on the current line
  for (;;) {
    const int32_t n = ReadFull(source, in.get(), kIn);
    uint8_t* o = out.get();
    for (int32_t at = 0; at < n; at += 4) {
      const int len = std::min(4, n - at);
      const uint8_t* g = in.get() + at;
      if (len == 4 && (g[0] | g[1] | g[2] | g[3]) == 0) {
        *o++ = 'z';
        continue;
      }
      o = EncodeGroup(g, len, o);
      if (++count == kGroupsPerLine) {
        count = 0;
        if (lineBreaks) {
          *o++ = '\r';
          *o++ = '\n';
        }
      }
    }
    const bool last = n < kIn;
    if (last) {
      *o++ = '~';
      *o++ = '>';
    }
    dest->WriteBuffer(out.get(), static_cast<int32_t>(o - out.get()));
    if (last) break;
  }
}

int32_t DecodeASCII85(TStream* source, TStream* dest) {
  codec_internal::RequireStreams(u"DecodeASCII85", source, dest);
  std::unique_ptr<uint8_t[]> in(new uint8_t[kChunk]);
  // Each input character gives at most 4 output bytes (a "z").
  constexpr int32_t kOutCap = 64 * 1024;
  std::unique_ptr<uint8_t[]> out(new uint8_t[kOutCap]);
  uint8_t* const out0 = out.get();
  uint8_t* o = out0;
  int32_t result = 0;
  uint32_t v = 0;  // digits of the group so far, modulo 2^32
  int k = 0;       // characters in the group so far

  // Ends the current group: k characters give k - 1 bytes.
  auto flushGroup = [&] {
    for (int i = k - 2; i >= 0; --i) *o++ = static_cast<uint8_t>(v >> (8 * i));
    v = 0;
    k = 0;
  };

  bool stop = false;
  while (!stop) {
    const int32_t n = ReadFull(source, in.get(), kChunk);
    if (n == 0) break;
    for (int32_t i = 0; i < n; ++i) {
      const uint8_t ch = in[static_cast<size_t>(i)];
      if (ch == '\r' || ch == '\n') continue;
      if (ch == '~') {
        stop = true;
        break;
      }
      if (k == 0 && ch == 'z') {
        std::memset(o, 0, 4);
        o += 4;
      } else {
        if (ch < '!' || ch > 'u') result = ch == 'z' ? -2 : -1;
        v = v * 85u + static_cast<uint32_t>(ch - '!');
        if (++k == 5) flushGroup();
      }
      if (o - out0 > kOutCap - 8) {
        dest->WriteBuffer(out0, static_cast<int32_t>(o - out0));
        o = out0;
      }
    }
    if (n < kChunk) break;
  }
  flushGroup();
  dest->WriteBuffer(out0, static_cast<int32_t>(o - out0));
  return result;
}

}  // namespace kvo
