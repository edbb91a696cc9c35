// Base64 over streams (RFC 4648 alphabet, lines of 45 input bytes).
//
// Encoding writes two characters per table lookup (a 4096-entry table of
// character pairs indexed by 12 bits). Decoding takes groups whose four
// characters are all in the alphabet on a fast path and leaves everything
// else (line breaks, "=", other characters, an incomplete group) to a
// character-at-a-time path that applies the full rules.
#include <array>
#include <cstring>
#include <memory>

#include "dstruct/codec.h"
#include "dstruct/codec_io.h"

namespace kvo {
namespace {

using codec_internal::kChunk;
using codec_internal::ReadFull;

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr uint8_t kPad = '=';
constexpr int kLineBytes = 45;  // input bytes per line, giving 60 characters

constexpr std::array<std::array<uint8_t, 2>, 4096> MakePairs() {
  std::array<std::array<uint8_t, 2>, 4096> t{};
  for (size_t i = 0; i < 4096; ++i) {
    t[i][0] = static_cast<uint8_t>(kAlphabet[i >> 6]);
    t[i][1] = static_cast<uint8_t>(kAlphabet[i & 63]);
  }
  return t;
}
constexpr auto kPairs = MakePairs();

// The same pairs as 16-bit values in memory order (first character in the
// low byte on a little-endian machine), for 8-character stores.
constexpr std::array<uint16_t, 4096> MakePairs16() {
  std::array<uint16_t, 4096> t{};
  for (size_t i = 0; i < 4096; ++i) t[i] = static_cast<uint16_t>(kPairs[i][0] | (kPairs[i][1] << 8));
  return t;
}
constexpr auto kPairs16 = MakePairs16();

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
#define KVO_B64_LE 1
#endif

// Value of each character for decoding: the alphabet index; 127 for the
// other characters from "+" to "z" (they decode with that value); kOutside
// for characters outside "+" ... "z". Bit 7 set therefore means "not a plain
// alphabet character" and sends a group to the slow path.
constexpr uint8_t kOutside = 0xFF;
constexpr uint8_t kOther = 127;
constexpr std::array<uint8_t, 256> MakeDecodeTable() {
  std::array<uint8_t, 256> t{};
  for (auto& v : t) v = kOutside;
  for (int c = '+'; c <= 'z'; ++c) t[c] = kOther;
  for (uint8_t i = 0; i < 64; ++i) t[static_cast<uint8_t>(kAlphabet[i])] = i;
  return t;
}
constexpr auto kDec = MakeDecodeTable();
// The fast path tests (a | b | c | d) & 0xC0: alphabet values are below 64,
// the value 127 and kOutside both have bits 6 and 7 set.
static_assert((kOther & 0xC0) != 0 && (kOutside & 0xC0) != 0);

// kShifted[i][c]: the value of c placed for position i of a group (shifted
// by 18, 12, 6, 0), or bit 24 when c is not a plain alphabet character.
constexpr std::array<std::array<uint32_t, 256>, 4> MakeShifted() {
  std::array<std::array<uint32_t, 256>, 4> t{};
  for (size_t i = 0; i < 4; ++i) {
    for (size_t c = 0; c < 256; ++c) {
      t[i][c] = (kDec[c] & 0xC0) ? (1u << 24) : (uint32_t{kDec[c]} << (18 - 6 * i));
    }
  }
  return t;
}
constexpr auto kShifted = MakeShifted();

// Encodes `triples` groups of three bytes into 4 * triples characters.
inline uint8_t* EncodeTriples(const uint8_t* in, size_t triples, uint8_t* out) {
  size_t i = 0;
#ifdef KVO_B64_LE
  // Six bytes to eight characters per step; the 8-byte load reads two bytes
  // ahead, so it stops while at least three more triples remain.
  for (; i + 3 < triples; i += 2, in += 6, out += 8) {
    uint64_t v;
    std::memcpy(&v, in, 8);
    v = __builtin_bswap64(v);
    const uint64_t w = uint64_t{kPairs16[v >> 52]} | (uint64_t{kPairs16[(v >> 40) & 0xFFF]} << 16) |
                       (uint64_t{kPairs16[(v >> 28) & 0xFFF]} << 32) |
                       (uint64_t{kPairs16[(v >> 16) & 0xFFF]} << 48);
    std::memcpy(out, &w, 8);
  }
#endif
  for (; i < triples; ++i, in += 3, out += 4) {
    const uint32_t v = (uint32_t{in[0]} << 16) | (uint32_t{in[1]} << 8) | in[2];
    std::memcpy(out, kPairs[v >> 12].data(), 2);
    std::memcpy(out + 2, kPairs[v & 0xFFF].data(), 2);
  }
  return out;
}

// Encodes the last one or two bytes with padding.
inline uint8_t* EncodeTail(const uint8_t* in, size_t n, uint8_t* out) {
  const uint32_t v = (uint32_t{in[0]} << 16) | (n > 1 ? uint32_t{in[1]} << 8 : 0);
  out[0] = static_cast<uint8_t>(kAlphabet[v >> 18]);
  out[1] = static_cast<uint8_t>(kAlphabet[(v >> 12) & 63]);
  out[2] = n > 1 ? static_cast<uint8_t>(kAlphabet[(v >> 6) & 63]) : kPad;
  out[3] = kPad;
  return out + 4;
}

// Encodes n bytes (one line or a run of lines) to out.
inline uint8_t* EncodeRun(const uint8_t* in, size_t n, uint8_t* out) {
  out = EncodeTriples(in, n / 3, out);
  if (n % 3) out = EncodeTail(in + (n - n % 3), n % 3, out);
  return out;
}

// The group rules for four characters known to lie in "+" ... "z"; `have`
// is how many were really present (1 ... 4), the rest count as "=".
inline uint8_t* DecodeGroupSlow(const uint8_t g[4], int have, uint8_t* out) {
  if (have < 2) return out;
  const uint32_t p = kDec[g[0]], q = kDec[g[1]];
  *out++ = static_cast<uint8_t>(p * 4 + q / 16);
  if (have < 3 || g[2] == kPad) return out;
  const uint32_t r = kDec[g[2]];
  *out++ = static_cast<uint8_t>(q * 16 + r / 4);
  if (have < 4 || g[3] == kPad) return out;
  const uint32_t s = kDec[g[3]];
  *out++ = static_cast<uint8_t>(r * 64 + s);
  return out;
}

inline bool InRange(uint8_t c) { return c >= '+' && c <= 'z'; }

constexpr int kBlockGroups = 22;  // groups per output block

}  // namespace

void EncodeBase64(TStream* source, TStream* dest, bool lineBreaks) {
  codec_internal::RequireStreams(u"EncodeBase64", source, dest);
  // A whole number of lines per chunk keeps the lines independent of the
  // chunking.
  constexpr int32_t kIn = (kChunk / kLineBytes) * kLineBytes;
  constexpr int32_t kOut = (kIn / kLineBytes) * (60 + 2);
  std::unique_ptr<uint8_t[]> in(new uint8_t[kIn]);
  std::unique_ptr<uint8_t[]> out(new uint8_t[kOut]);
  for (;;) {
    const int32_t n = ReadFull(source, in.get(), kIn);
    if (n == 0) break;
    uint8_t* o = out.get();
    if (!lineBreaks) {
      o = EncodeRun(in.get(), static_cast<size_t>(n), o);
    } else {
      for (int32_t at = 0; at < n; at += kLineBytes) {
        o = EncodeRun(in.get() + at, static_cast<size_t>(std::min(kLineBytes, n - at)), o);
        *o++ = '\r';
        *o++ = '\n';
      }
    }
    dest->WriteBuffer(out.get(), static_cast<int32_t>(o - out.get()));
    if (n < kIn) break;
  }
}

int32_t DecodeBase64(TStream* source, TStream* dest) {
  codec_internal::RequireStreams(u"DecodeBase64", source, dest);
  std::unique_ptr<uint8_t[]> in(new uint8_t[kChunk]);
  // One chunk gives at most 3/4 of its size in bytes; the tail of an
  // unfinished block (below 66 bytes) is carried over.
  constexpr size_t kOutCap = kChunk / 4 * 3 + 3 * kBlockGroups + 16;
  std::unique_ptr<uint8_t[]> outBuf(new uint8_t[kOutCap]);
  uint8_t* const out0 = outBuf.get();
  uint8_t* o = out0;
  uint8_t* committed = out0;  // end of the last finished block
  int groups = 0;             // groups of the current block so far
  uint8_t pend[4];            // characters of a group under way
  int npend = 0;

  auto groupDone = [&] {
    if (++groups == kBlockGroups) {
      groups = 0;
      committed = o;
    }
  };

  for (;;) {
    const int32_t n = ReadFull(source, in.get(), kChunk);
    const uint8_t* p = in.get();
    const uint8_t* const end = p + n;
    while (p < end) {
      // Fast path: whole groups of alphabet characters, up to the end of
      // the current block.
      if (npend == 0) {
        size_t room = static_cast<size_t>(end - p) / 4;
        size_t want = static_cast<size_t>(kBlockGroups - groups);
        size_t k = room < want ? room : want;
        size_t done = 0;
#ifdef KVO_B64_LE
        // Pre-shifted tables: one OR per character, a flag above bit 23
        // for anything that is not a plain alphabet character, and one
        // 4-byte store of which 3 bytes count (the buffer has slack).
        for (; done < k; ++done, p += 4, o += 3) {
          const uint32_t x = kShifted[0][p[0]] | kShifted[1][p[1]] | kShifted[2][p[2]] |
                             kShifted[3][p[3]];
          if (x & 0xFF000000u) break;
          const uint32_t w = __builtin_bswap32(x << 8);
          std::memcpy(o, &w, 4);
        }
#endif
        for (; done < k; ++done, p += 4, o += 3) {
          const uint32_t a = kDec[p[0]], b = kDec[p[1]], c = kDec[p[2]], d = kDec[p[3]];
          if ((a | b | c | d) & 0xC0) break;
          const uint32_t v = (a << 18) | (b << 12) | (c << 6) | d;
          o[0] = static_cast<uint8_t>(v >> 16);
          o[1] = static_cast<uint8_t>(v >> 8);
          o[2] = static_cast<uint8_t>(v);
        }
        groups += static_cast<int>(done);
        if (groups == kBlockGroups) {
          groups = 0;
          committed = o;
        }
        if (done == k && k > 0) continue;
        if (p >= end) break;
      }
      // Slow path: one character.
      const uint8_t ch = *p++;
      if (ch == '\r' || ch == '\n') continue;
      pend[npend++] = ch;
      if (npend < 4) continue;
      npend = 0;
      if (!InRange(pend[0]) || !InRange(pend[1]) || !InRange(pend[2]) || !InRange(pend[3])) {
        dest->WriteBuffer(out0, static_cast<int32_t>(committed - out0));
        return -1;
      }
      o = DecodeGroupSlow(pend, 4, o);
      groupDone();
    }
    if (n < kChunk) break;
    // Hand over the finished blocks and keep the unfinished one.
    dest->WriteBuffer(out0, static_cast<int32_t>(committed - out0));
    const size_t tail = static_cast<size_t>(o - committed);
    std::memmove(out0, committed, tail);
    o = out0 + tail;
    committed = out0;
  }
  if (npend > 0) {
    for (int i = 0; i < npend; ++i) {
      if (!InRange(pend[i])) {
        dest->WriteBuffer(out0, static_cast<int32_t>(committed - out0));
        return -1;
      }
    }
    o = DecodeGroupSlow(pend, npend, o);
  }
  dest->WriteBuffer(out0, static_cast<int32_t>(o - out0));
  return 0;
}

}  // namespace kvo
