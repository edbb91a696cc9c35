// CRC-16 (polynomial 0x1021, MSB first) and CRC-32 (reflected polynomial
// 0xEDB88320).
//
// Both process 16 bytes per step with slicing tables: table k gives the
// effect of a byte followed by k zero bytes, so the 16 lookups of one step
// are independent of each other and the loop is not bound by the latency of
// one lookup per byte. CRC-32 over longer buffers folds 64 bytes per step
// with the carry-less multiply instruction (PCLMULQDQ) when the processor
// has it; the constants are the bit-reflected x^n mod P(x) values of the
// folding method for this polynomial, with a Barrett reduction at the end.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "dstruct/checksum.h"
#include "dstruct/checksum_accel.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define KVO_CRC_X86 1
#endif

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kvo {
namespace {

// ---------------------------------------------------------------- tables

constexpr std::array<std::array<uint16_t, 256>, 16> MakeCRC16Tables() {
  std::array<std::array<uint16_t, 256>, 16> t{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t c = i << 8;
    for (int k = 0; k < 8; ++k) c = (c & 0x8000) ? ((c << 1) ^ 0x1021) : (c << 1);
    t[0][i] = static_cast<uint16_t>(c);
  }
  for (size_t k = 1; k < 16; ++k) {
    for (size_t i = 0; i < 256; ++i) {
      const uint16_t p = t[k - 1][i];
      t[k][i] = static_cast<uint16_t>((p << 8) ^ t[0][p >> 8]);
    }
  }
  return t;
}

constexpr std::array<std::array<uint32_t, 256>, 16> MakeCRC32Tables() {
  std::array<std::array<uint32_t, 256>, 16> t{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? ((c >> 1) ^ 0xEDB88320u) : (c >> 1);
    t[0][i] = c;
  }
  for (size_t k = 1; k < 16; ++k) {
    for (size_t i = 0; i < 256; ++i) {
      const uint32_t p = t[k - 1][i];
      t[k][i] = (p >> 8) ^ t[0][p & 0xFF];
    }
  }
  return t;
}

constexpr auto kCRC16 = MakeCRC16Tables();
constexpr auto kCRC32 = MakeCRC32Tables();
static_assert(kCRC16[0][1] == 0x1021);
static_assert(kCRC32[0][1] == 0x77073096u);

inline uint32_t Load32LE(const uint8_t* p) {
  uint32_t v;
  std::memcpy(&v, p, 4);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  v = __builtin_bswap32(v);
#endif
  return v;
}

// ---------------------------------------------------------------- portable

uint16_t CRC16Portable(uint16_t crc, const uint8_t* p, size_t n) {
  uint32_t c = crc;
  while (n >= 16) {
    const auto& t = kCRC16;
    c = t[15][p[0] ^ (c >> 8)] ^ t[14][p[1] ^ (c & 0xFF)] ^ t[13][p[2]] ^ t[12][p[3]] ^
        t[11][p[4]] ^ t[10][p[5]] ^ t[9][p[6]] ^ t[8][p[7]] ^ t[7][p[8]] ^ t[6][p[9]] ^
        t[5][p[10]] ^ t[4][p[11]] ^ t[3][p[12]] ^ t[2][p[13]] ^ t[1][p[14]] ^ t[0][p[15]];
    p += 16;
    n -= 16;
  }
  while (n--) c = (kCRC16[0][((c >> 8) ^ *p++) & 0xFF] ^ (c << 8)) & 0xFFFF;
  return static_cast<uint16_t>(c);
}

uint32_t CRC32Portable(uint32_t c, const uint8_t* p, size_t n) {
  while (n >= 16) {
    const auto& t = kCRC32;
    const uint32_t a = Load32LE(p) ^ c;
    const uint32_t b = Load32LE(p + 4);
    const uint32_t d = Load32LE(p + 8);
    const uint32_t e = Load32LE(p + 12);
    c = t[15][a & 0xFF] ^ t[14][(a >> 8) & 0xFF] ^ t[13][(a >> 16) & 0xFF] ^ t[12][a >> 24] ^
        t[11][b & 0xFF] ^ t[10][(b >> 8) & 0xFF] ^ t[9][(b >> 16) & 0xFF] ^ t[8][b >> 24] ^
        t[7][d & 0xFF] ^ t[6][(d >> 8) & 0xFF] ^ t[5][(d >> 16) & 0xFF] ^ t[4][d >> 24] ^
        t[3][e & 0xFF] ^ t[2][(e >> 8) & 0xFF] ^ t[1][(e >> 16) & 0xFF] ^ t[0][e >> 24];
    p += 16;
    n -= 16;
  }
  while (n--) c = kCRC32[0][(c ^ *p++) & 0xFF] ^ (c >> 8);
  return c;
}

// ---------------------------------------------------------------- PCLMUL

#ifdef KVO_CRC_X86

bool DetectCarrylessMultiply() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return false;
  const bool pclmul = (c & (1u << 1)) != 0;
  const bool sse41 = (c & (1u << 19)) != 0;
  return pclmul && sse41;
}

const bool kHavePclmul = DetectCarrylessMultiply();

// Folds n bytes (n >= 64, a multiple of 16) into the running CRC c.
__attribute__((target("pclmul,sse4.1"))) uint32_t CRC32Pclmul(uint32_t crc, const uint8_t* buf,
                                                               size_t len) {
  alignas(16) static const uint64_t k1k2[2] = {0x0154442bd4ull, 0x01c6e41596ull};
  alignas(16) static const uint64_t k3k4[2] = {0x01751997d0ull, 0x00ccaa009eull};
  alignas(16) static const uint64_t k5k0[2] = {0x0163cd6124ull, 0x0000000000ull};
  alignas(16) static const uint64_t poly[2] = {0x01db710641ull, 0x01f7011641ull};

  __m128i x0, x1, x2, x3, x4, x5, x6, x7, x8, y5, y6, y7, y8;
  x1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + 0x00));
  x2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + 0x10));
  x3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + 0x20));
  x4 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + 0x30));
  x1 = _mm_xor_si128(x1, _mm_cvtsi32_si128(static_cast<int>(crc)));
  x0 = _mm_load_si128(reinterpret_cast<const __m128i*>(k1k2));
  buf += 64;
  len -= 64;

  // Four independent 128-bit lanes, each folded 512 bits forward per step.
  while (len >= 64) {
    x5 = _mm_clmulepi64_si128(x1, x0, 0x00);
    x6 = _mm_clmulepi64_si128(x2, x0, 0x00);
    x7 = _mm_clmulepi64_si128(x3, x0, 0x00);
    x8 = _mm_clmulepi64_si128(x4, x0, 0x00);
    x1 = _mm_clmulepi64_si128(x1, x0, 0x11);
    x2 = _mm_clmulepi64_si128(x2, x0, 0x11);
    x3 = _mm_clmulepi64_si128(x3, x0, 0x11);
    x4 = _mm_clmulepi64_si128(x4, x0, 0x11);
    y5 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + 0x00));
    y6 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + 0x10));
    y7 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + 0x20));
    y8 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + 0x30));
    x1 = _mm_xor_si128(_mm_xor_si128(x1, x5), y5);
    x2 = _mm_xor_si128(_mm_xor_si128(x2, x6), y6);
    x3 = _mm_xor_si128(_mm_xor_si128(x3, x7), y7);
    x4 = _mm_xor_si128(_mm_xor_si128(x4, x8), y8);
    buf += 64;
    len -= 64;
  }

  // The four lanes into one, 128 bits forward each time.
  x0 = _mm_load_si128(reinterpret_cast<const __m128i*>(k3k4));
  x5 = _mm_clmulepi64_si128(x1, x0, 0x00);
  x1 = _mm_clmulepi64_si128(x1, x0, 0x11);
  x1 = _mm_xor_si128(_mm_xor_si128(x1, x2), x5);
  x5 = _mm_clmulepi64_si128(x1, x0, 0x00);
  x1 = _mm_clmulepi64_si128(x1, x0, 0x11);
  x1 = _mm_xor_si128(_mm_xor_si128(x1, x3), x5);
  x5 = _mm_clmulepi64_si128(x1, x0, 0x00);
  x1 = _mm_clmulepi64_si128(x1, x0, 0x11);
  x1 = _mm_xor_si128(_mm_xor_si128(x1, x4), x5);

  while (len >= 16) {
    x2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf));
    x5 = _mm_clmulepi64_si128(x1, x0, 0x00);
    x1 = _mm_clmulepi64_si128(x1, x0, 0x11);
    x1 = _mm_xor_si128(_mm_xor_si128(x1, x2), x5);
    buf += 16;
    len -= 16;
  }

  // 128 -> 64 bits.
  x2 = _mm_clmulepi64_si128(x1, x0, 0x10);
  x3 = _mm_setr_epi32(~0, 0, ~0, 0);
  x1 = _mm_srli_si128(x1, 8);
  x1 = _mm_xor_si128(x1, x2);
  x0 = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(k5k0));
  x2 = _mm_srli_si128(x1, 4);
  x1 = _mm_and_si128(x1, x3);
  x1 = _mm_clmulepi64_si128(x1, x0, 0x00);
  x1 = _mm_xor_si128(x1, x2);

  // Barrett reduction to 32 bits.
  x0 = _mm_load_si128(reinterpret_cast<const __m128i*>(poly));
  x2 = _mm_and_si128(x1, x3);
  x2 = _mm_clmulepi64_si128(x2, x0, 0x10);
  x2 = _mm_and_si128(x2, x3);
  x2 = _mm_clmulepi64_si128(x2, x0, 0x00);
  x1 = _mm_xor_si128(x1, x2);
  return static_cast<uint32_t>(_mm_extract_epi32(x1, 1));
}

#else
const bool kHavePclmul = false;
#endif

bool gForcePortable = false;

// Below this length the setup of the folding does not pay.
constexpr size_t kPclmulMin = 128;

uint32_t CRC32Run(uint32_t c, const uint8_t* p, size_t n) {
#ifdef KVO_CRC_X86
  if (n >= kPclmulMin && kHavePclmul && !gForcePortable) {
    const size_t bulk = n & ~size_t{15};
    c = CRC32Pclmul(c, p, bulk);
    p += bulk;
    n -= bulk;
  }
#endif
  return CRC32Portable(c, p, n);
}

// Bytes 0 ... n-1 of a buffer whose caller gave a count that may be wrong.
size_t ClampCount(const TBytes& buffer, int32_t count) {
  if (count <= 0) return 0;
  return std::min(static_cast<size_t>(count), buffer.size());
}

}  // namespace

namespace checksum_internal {
void ForcePortable(bool force) { gForcePortable = force; }
bool PortableForced() { return gForcePortable; }
bool CRC32UsesCarrylessMultiply() { return kHavePclmul && !gForcePortable; }
}  // namespace checksum_internal

uint16_t CalcNextCRC16(uint8_t b, uint16_t crc) {
  return static_cast<uint16_t>(kCRC16[0][((crc >> 8) ^ b) & 0xFF] ^ (crc << 8));
}

uint16_t CRC16Update(uint16_t crc, const void* data, size_t size) {
  return CRC16Portable(crc, static_cast<const uint8_t*>(data), size);
}

uint16_t CRC16ofBuffer(const TBytes& buffer, int32_t count, TCRC16Mode mode) {
  const uint16_t start = mode == crcCCITT ? 0xFFFF : 0;
  return CRC16Portable(start, buffer.data(), ClampCount(buffer, count));
}

uint32_t CalcNextCRC32(uint8_t b, uint32_t crc) {
  return kCRC32[0][(crc ^ b) & 0xFF] ^ (crc >> 8);
}

uint32_t CRC32Update(uint32_t crc, const void* data, size_t size) {
  return CRC32Run(crc, static_cast<const uint8_t*>(data), size);
}

uint32_t CRC32ofBuffer(const TBytes& buffer, int32_t count) {
  return ~CRC32Run(0xFFFFFFFFu, buffer.data(), ClampCount(buffer, count));
}

uint32_t CalcCRC32ofFile(const String& fileName) {
  const std::string name = ToUtf8(fileName);
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return 0;
  }
  constexpr size_t kBlock = 256 * 1024;
  std::unique_ptr<uint8_t[]> buf(new (std::nothrow) uint8_t[kBlock]);
  if (!buf) {
    ::close(fd);
    return 0;
  }
  uint32_t c = 0xFFFFFFFFu;
  for (;;) {
    const ssize_t n = ::read(fd, buf.get(), kBlock);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return 0;
    }
    c = CRC32Run(c, buf.get(), static_cast<size_t>(n));
  }
  ::close(fd);
  return ~c;
}

}  // namespace kvo
