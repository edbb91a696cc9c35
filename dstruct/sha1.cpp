// SHA-1 (FIPS 180-4): 64-byte blocks, an 80-word schedule, padding with 0x80
// and the 64-bit big-endian bit length.
//
// Blocks are compressed by the processor's SHA instructions (SHA1RNDS4,
// SHA1NEXTE, SHA1MSG1/2) when cpuid reports them, otherwise by portable code
// with the schedule kept in a 16-word ring.
#include <algorithm>
#include <cstring>
#include <memory>

#include "dstruct/checksum.h"
#include "dstruct/checksum_accel.h"
#include "kvobase/errors.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define KVO_SHA_X86 1
#endif

namespace kvo {
namespace {

constexpr uint32_t kInit[5] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};

inline uint32_t Rol(uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

inline uint32_t Load32BE(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

void CompressPortable(uint32_t st[5], const uint8_t* data, size_t blocks) {
  uint32_t w[16];
  for (; blocks; --blocks, data += 64) {
    for (int i = 0; i < 16; ++i) w[i] = Load32BE(data + 4 * i);
    uint32_t a = st[0], b = st[1], c = st[2], d = st[3], e = st[4];
    // W[t] for t >= 16 is computed in place in the ring w[t mod 16].
    auto next = [&w](int t) {
      const uint32_t v = Rol(w[(t + 13) & 15] ^ w[(t + 8) & 15] ^ w[(t + 2) & 15] ^ w[t & 15], 1);
      w[t & 15] = v;
      return v;
    };
    auto step = [&](uint32_t f, uint32_t k, uint32_t wt) {
      const uint32_t tmp = Rol(a, 5) + f + e + k + wt;
      e = d;
      d = c;
      c = Rol(b, 30);
      b = a;
      a = tmp;
    };
    for (int t = 0; t < 16; ++t) step((b & c) | (~b & d), 0x5A827999u, w[t]);
    for (int t = 16; t < 20; ++t) step((b & c) | (~b & d), 0x5A827999u, next(t));
    for (int t = 20; t < 40; ++t) step(b ^ c ^ d, 0x6ED9EBA1u, next(t));
    for (int t = 40; t < 60; ++t) step((b & c) | (b & d) | (c & d), 0x8F1BBCDCu, next(t));
    for (int t = 60; t < 80; ++t) step(b ^ c ^ d, 0xCA62C1D6u, next(t));
    st[0] += a;
    st[1] += b;
    st[2] += c;
    st[3] += d;
    st[4] += e;
  }
}

#ifdef KVO_SHA_X86

bool DetectShaInstructions() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return false;
  const bool ssse3 = (c & (1u << 9)) != 0;
  const bool sse41 = (c & (1u << 19)) != 0;
  if (!__get_cpuid_count(7, 0, &a, &b, &c, &d)) return false;
  const bool sha = (b & (1u << 29)) != 0;
  return ssse3 && sse41 && sha;
}

const bool kHaveSha = DetectShaInstructions();

// One group of four rounds. I is the group (0 ... 19), F the round function
// (I / 5). M[I % 4] holds W[4I ... 4I+3]; the other message registers are
// advanced towards the groups ahead: W[j] = msg2(msg1(W[j-4], W[j-3]) xor
// W[j-2], W[j-1]), spread over three groups.
#define KVO_SHA1_GROUP(I, F)                                         \
  do {                                                               \
    if ((I) == 0) {                                                  \
      e = _mm_add_epi32(e, m[0]);                                    \
    } else {                                                         \
      e = _mm_sha1nexte_epu32(eprev, m[(I) % 4]);                    \
    }                                                                \
    eprev = abcd;                                                    \
    if ((I) >= 3 && (I) <= 18)                                       \
      m[((I) + 1) % 4] = _mm_sha1msg2_epu32(m[((I) + 1) % 4], m[(I) % 4]); \
    abcd = _mm_sha1rnds4_epu32(abcd, e, F);                          \
    if ((I) >= 1 && (I) <= 16)                                       \
      m[((I) + 3) % 4] = _mm_sha1msg1_epu32(m[((I) + 3) % 4], m[(I) % 4]); \
    if ((I) >= 2 && (I) <= 17)                                       \
      m[((I) + 2) % 4] = _mm_xor_si128(m[((I) + 2) % 4], m[(I) % 4]); \
  } while (0)

__attribute__((target("sha,sse4.1"))) void CompressShaNi(uint32_t st[5], const uint8_t* data,
                                                          size_t blocks) {
  const __m128i kMask = _mm_set_epi64x(0x0001020304050607ll, 0x08090a0b0c0d0e0fll);
  __m128i abcd = _mm_loadu_si128(reinterpret_cast<const __m128i*>(st));
  abcd = _mm_shuffle_epi32(abcd, 0x1B);
  __m128i e0 = _mm_set_epi32(static_cast<int>(st[4]), 0, 0, 0);
  for (; blocks; --blocks, data += 64) {
    const __m128i abcdSave = abcd;
    const __m128i eSave = e0;
    __m128i m[4];
    for (int i = 0; i < 4; ++i) {
      m[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * i)),
                              kMask);
    }
    __m128i e = e0;
    __m128i eprev = abcd;
    KVO_SHA1_GROUP(0, 0);
    KVO_SHA1_GROUP(1, 0);
    KVO_SHA1_GROUP(2, 0);
    KVO_SHA1_GROUP(3, 0);
    KVO_SHA1_GROUP(4, 0);
    KVO_SHA1_GROUP(5, 1);
    KVO_SHA1_GROUP(6, 1);
    KVO_SHA1_GROUP(7, 1);
    KVO_SHA1_GROUP(8, 1);
    KVO_SHA1_GROUP(9, 1);
    KVO_SHA1_GROUP(10, 2);
    KVO_SHA1_GROUP(11, 2);
    KVO_SHA1_GROUP(12, 2);
    KVO_SHA1_GROUP(13, 2);
    KVO_SHA1_GROUP(14, 2);
    KVO_SHA1_GROUP(15, 3);
    KVO_SHA1_GROUP(16, 3);
    KVO_SHA1_GROUP(17, 3);
    KVO_SHA1_GROUP(18, 3);
    KVO_SHA1_GROUP(19, 3);
    e0 = _mm_sha1nexte_epu32(eprev, eSave);
    abcd = _mm_add_epi32(abcd, abcdSave);
  }
  abcd = _mm_shuffle_epi32(abcd, 0x1B);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(st), abcd);
  st[4] = static_cast<uint32_t>(_mm_extract_epi32(e0, 3));
}

#undef KVO_SHA1_GROUP

#else
const bool kHaveSha = false;
#endif

void Compress(uint32_t st[5], const uint8_t* data, size_t blocks) {
#ifdef KVO_SHA_X86
  if (kHaveSha && !checksum_internal::PortableForced()) {
    CompressShaNi(st, data, blocks);
    return;
  }
#endif
  CompressPortable(st, data, blocks);
}

// Overwrites memory in a way the compiler may not drop as a dead store.
void Wipe(void* p, size_t n) {
  std::memset(p, 0, n);
  __asm__ __volatile__("" : : "r"(p) : "memory");
}

}  // namespace

bool checksum_internal::SHA1UsesShaInstructions() {
  return kHaveSha && !checksum_internal::PortableForced();
}

TSHA1Context::~TSHA1Context() { Wipe(this, sizeof(*this)); }

void TSHA1Context::Reset() {
  std::memcpy(FState, kInit, sizeof(FState));
  FCount = 0;
  FBufLen = 0;
}

void TSHA1Context::Update(const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  FCount += size;
  if (FBufLen > 0) {
    const size_t take = std::min(size, 64 - FBufLen);
    std::memcpy(FBuffer + FBufLen, p, take);
    FBufLen += take;
    p += take;
    size -= take;
    if (FBufLen < 64) return;
    Compress(FState, FBuffer, 1);
    FBufLen = 0;
  }
  if (size >= 64) {
    Compress(FState, p, size / 64);
    p += size & ~size_t{63};
    size &= 63;
  }
  if (size > 0) {
    std::memcpy(FBuffer, p, size);
    FBufLen = size;
  }
}

TSHACode TSHA1Context::Final() {
  const uint64_t bits = FCount * 8;
  uint8_t pad[128] = {0x80};
  const size_t padLen = (FBufLen < 56 ? 56 : 120) - FBufLen;
  for (int i = 0; i < 8; ++i) pad[padLen + i] = static_cast<uint8_t>(bits >> (56 - 8 * i));
  Update(pad, padLen + 8);
  TSHACode out;
  for (int i = 0; i < 5; ++i) {
    out[4 * i] = static_cast<uint8_t>(FState[i] >> 24);
    out[4 * i + 1] = static_cast<uint8_t>(FState[i] >> 16);
    out[4 * i + 2] = static_cast<uint8_t>(FState[i] >> 8);
    out[4 * i + 3] = static_cast<uint8_t>(FState[i]);
  }
  Wipe(FState, sizeof(FState));
  Wipe(FBuffer, sizeof(FBuffer));
  Reset();
  return out;
}

TSHACode SHA1FromString(const String& text) {
  TSHA1Context ctx;
  uint8_t buf[4096];
  size_t n = 0;
  for (Char ch : text) {
    buf[n++] = static_cast<uint8_t>(ch & 0xFF);
    buf[n++] = static_cast<uint8_t>(ch >> 8);
    if (n == sizeof(buf)) {
      ctx.Update(buf, n);
      n = 0;
    }
  }
  ctx.Update(buf, n);
  return ctx.Final();
}

TSHACode SHA1FromStream(TStream* stream) {
  if (!stream) throw EKVODStructError(u"SHA1FromStream: no stream");
  constexpr int32_t kBlock = 64 * 1024;
  std::unique_ptr<uint8_t[]> buf(new uint8_t[kBlock]);
  TSHA1Context ctx;
  for (;;) {
    const int32_t n = stream->Read(buf.get(), kBlock);
    if (n <= 0) break;
    ctx.Update(buf.get(), static_cast<size_t>(n));
  }
  return ctx.Final();
}

TSHACode SHA1FromFile(const String& fileName) {
  TFileStream fs(fileName, fmOpenRead | fmShareDenyNone);
  return SHA1FromStream(&fs);
}

String SHA1DigestToHex(const TSHACode& digest) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  String s;
  s.reserve(40);
  for (uint8_t b : digest) {
    s += kHex[b >> 4];
    s += kHex[b & 15];
  }
  return s;
}

}  // namespace kvo
