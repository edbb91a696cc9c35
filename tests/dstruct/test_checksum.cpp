// CRC-16, CRC-32 and SHA-1: published check values, and random inputs
// against zlib's crc32 and OpenSSL's SHA1 as independent oracles. Every
// test that can take a hardware path runs on both paths.
#include <gtest/gtest.h>
#include <openssl/sha.h>
#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <string>

#include "dstruct/checksum.h"
#include "dstruct/checksum_accel.h"
#include "kvobase/errors.h"
#include "support/tempdir.h"

namespace kvo {
namespace {

TBytes Bytes(const std::string& s) { return TBytes(s.begin(), s.end()); }

TBytes RandomBytes(std::mt19937& rng, size_t n) {
  TBytes b(n);
  for (auto& x : b) x = static_cast<uint8_t>(rng());
  return b;
}

uint32_t ZlibCRC(const uint8_t* p, size_t n) {
  return static_cast<uint32_t>(crc32(0L, p, static_cast<uInt>(n)));
}

TSHACode OpenSSLSHA1(const uint8_t* p, size_t n) {
  TSHACode d;
  SHA1(p, n, d.data());
  return d;
}

// Bit-at-a-time CRC-16, MSB first, polynomial 0x1021: an independent model.
uint16_t BitwiseCRC16(uint16_t crc, const TBytes& b) {
  for (uint8_t x : b) {
    crc ^= static_cast<uint16_t>(x << 8);
    for (int k = 0; k < 8; ++k) crc = (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ 0x1021)
                                                     : static_cast<uint16_t>(crc << 1);
  }
  return crc;
}

// Runs the test body once on the hardware paths (where the processor has
// them) and once forced onto the portable paths.
class BothPaths : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { checksum_internal::ForcePortable(GetParam()); }
  void TearDown() override { checksum_internal::ForcePortable(false); }
};
INSTANTIATE_TEST_SUITE_P(Paths, BothPaths, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Portable" : "Native"; });

TEST(CRC, CheckValuesAndEmptyInput) {
  struct Case {
    std::string input;
    uint16_t xmodem, ccitt;
    uint32_t crc32;
  };
  const Case cases[] = {
      {"", 0x0000, 0xFFFF, 0x00000000u},
      {"123456789", 0x31C3, 0x29B1, 0xCBF43926u},
      {"The quick brown fox jumps over the lazy dog", 0xF0C8, 0x8FDD, 0x414FA339u},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    const TBytes b = Bytes(c.input);
    const auto n = static_cast<int32_t>(b.size());
    EXPECT_EQ(CRC16ofBuffer(b, n, crcZModem), c.xmodem);
    EXPECT_EQ(CRC16ofBuffer(b, n, crcCCITT), c.ccitt);
    EXPECT_EQ(CRC32ofBuffer(b, n), c.crc32);
  }
}

TEST(CRC, TablesFollowTheirPolynomials) {
  // One step from 0 with byte 1 exposes table entry 1 of each table.
  EXPECT_EQ(CalcNextCRC16(1, 0), 0x1021);
  EXPECT_EQ(CalcNextCRC32(1, 0), 0x77073096u);
}

TEST(CRC, CountIsClampedToTheBuffer) {
  const TBytes b = Bytes("123456789");
  EXPECT_EQ(CRC32ofBuffer(b, 4), ZlibCRC(b.data(), 4));
  EXPECT_EQ(CRC32ofBuffer(b, 1000), 0xCBF43926u);
  EXPECT_EQ(CRC32ofBuffer(b, -5), 0u);
  EXPECT_EQ(CRC16ofBuffer(b, 1000, crcZModem), 0x31C3);
  EXPECT_EQ(CRC16ofBuffer(b, 0, crcCCITT), 0xFFFF);
  EXPECT_EQ(CRC16ofBuffer(b, -1, crcZModem), 0);
}

TEST(CRC, CRC16MatchesByteStepsAndBitwiseModel) {
  std::mt19937 rng(16);
  for (size_t n : {size_t{1}, size_t{15}, size_t{16}, size_t{17}, size_t{33}, size_t{1000},
                   size_t{4099}}) {
    SCOPED_TRACE(n);
    const TBytes b = RandomBytes(rng, n);
    for (TCRC16Mode mode : {crcZModem, crcCCITT}) {
      const uint16_t start = mode == crcCCITT ? 0xFFFF : 0;
      uint16_t stepped = start;
      for (uint8_t x : b) stepped = CalcNextCRC16(x, stepped);
      EXPECT_EQ(CRC16ofBuffer(b, static_cast<int32_t>(n), mode), stepped);
      EXPECT_EQ(BitwiseCRC16(start, b), stepped);
    }
  }
}

TEST_P(BothPaths, CRC32MatchesZlibOnRandomInput) {
  std::mt19937 rng(32);
  const TBytes big = RandomBytes(rng, 70000);
  // Every short length, then longer ones at odd offsets (unaligned starts).
  for (size_t n = 0; n <= 300; ++n) {
    TBytes b(big.begin(), big.begin() + static_cast<std::ptrdiff_t>(n));
    ASSERT_EQ(CRC32ofBuffer(b, static_cast<int32_t>(n)), ZlibCRC(b.data(), n)) << n;
  }
  for (int i = 0; i < 40; ++i) {
    const size_t off = rng() % 64;
    const size_t n = rng() % (big.size() - off);
    ASSERT_EQ(CRC32Update(0xFFFFFFFFu, big.data() + off, n) ^ 0xFFFFFFFFu,
              ZlibCRC(big.data() + off, n))
        << off << " " << n;
  }
}

TEST_P(BothPaths, CRC32PiecesEqualTheWhole) {
  std::mt19937 rng(7);
  const TBytes b = RandomBytes(rng, 5000);
  uint32_t stepped = 0xFFFFFFFFu;
  for (uint8_t x : b) stepped = CalcNextCRC32(x, stepped);
  EXPECT_EQ(~stepped, CRC32ofBuffer(b, 5000));
  uint32_t pieces = 0xFFFFFFFFu;
  for (size_t at = 0; at < b.size();) {
    const size_t n = std::min<size_t>(rng() % 700, b.size() - at);
    pieces = CRC32Update(pieces, b.data() + at, n);
    at += n;
  }
  EXPECT_EQ(pieces, stepped);
}

TEST_P(BothPaths, CRC32OfFile) {
  testing::TempDir dir;
  std::mt19937 rng(11);
  const TBytes data = RandomBytes(rng, 600001);  // several read blocks, odd tail
  {
    std::ofstream f(dir.file("data.bin"), std::ios::binary);
    f.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    std::ofstream e(dir.file("empty.bin"), std::ios::binary);
  }
  EXPECT_EQ(CalcCRC32ofFile(FromUtf8(dir.file("data.bin"))), ZlibCRC(data.data(), data.size()));
  EXPECT_EQ(CalcCRC32ofFile(FromUtf8(dir.file("empty.bin"))), 0u);
  EXPECT_EQ(CalcCRC32ofFile(FromUtf8(dir.file("missing.bin"))), 0u);
  EXPECT_EQ(CalcCRC32ofFile(FromUtf8(dir.path().string())), 0u);  // a directory
}

TEST_P(BothPaths, SHA1PublishedVectors) {
  struct Case {
    std::string input;
    const char16_t* hex;
  };
  const Case cases[] = {
      {"", u"DA39A3EE5E6B4B0D3255BFEF95601890AFD80709"},
      {"abc", u"A9993E364706816ABA3E25717850C26C9CD0D89D"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       u"84983E441C3BD26EBAAE4AA1F95129E5E54670F1"},
      {std::string(1000000, 'a'), u"34AA973CD4C4DAA4F61EEB2BDBAD27316534016F"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 60));
    TStringStream s(std::string_view(c.input), teLatin1);
    EXPECT_EQ(SHA1DigestToHex(SHA1FromStream(&s)), c.hex);
  }
}

TEST_P(BothPaths, SHA1MatchesOpenSSLOnRandomInput) {
  std::mt19937 rng(1);
  const TBytes big = RandomBytes(rng, 200000);
  // Lengths around the padding boundaries (55, 56, 63, 64, ...) and longer.
  for (size_t n = 0; n <= 200; ++n) {
    TSHA1Context ctx;
    ctx.Update(big.data(), n);
    ASSERT_EQ(ctx.Final(), OpenSSLSHA1(big.data(), n)) << n;
  }
  for (int i = 0; i < 20; ++i) {
    const size_t n = rng() % big.size();
    TSHA1Context ctx;
    for (size_t at = 0; at < n;) {  // fed in pieces of random sizes
      const size_t k = std::min<size_t>(rng() % 300, n - at);
      ctx.Update(big.data() + at, k);
      at += k;
    }
    ASSERT_EQ(ctx.Final(), OpenSSLSHA1(big.data(), n)) << n;
  }
}

TEST(SHA1, ContextStartsOverAfterFinal) {
  TSHA1Context ctx;
  ctx.Update("abc", 3);
  const TSHACode first = ctx.Final();
  ctx.Update("abc", 3);
  EXPECT_EQ(ctx.Final(), first);
  ctx.Update("xyz", 3);
  ctx.Reset();
  EXPECT_EQ(SHA1DigestToHex(ctx.Final()), u"DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
}

TEST(SHA1, StringIsHashedAsUtf16LittleEndian) {
  struct Case {
    String text;
    TBytes bytes;
  };
  const Case cases[] = {
      {u"", {}},
      {u"A", {0x41, 0x00}},
      {u"\u20AC", {0xAC, 0x20}},
      {u"ab\U0001F600", {0x61, 0, 0x62, 0, 0x3D, 0xD8, 0x00, 0xDE}},
      {String(3000, u'\u1234'), TBytes()},  // filled below
  };
  for (const Case& c : cases) {
    TBytes expected = c.bytes;
    if (c.text.size() == 3000) {
      for (size_t i = 0; i < 3000; ++i) expected.insert(expected.end(), {0x34, 0x12});
    }
    SCOPED_TRACE(c.text.size());
    EXPECT_EQ(SHA1FromString(c.text), OpenSSLSHA1(expected.data(), expected.size()));
  }
}

TEST(SHA1, StreamFromItsPositionToTheEnd) {
  TStringStream s(std::string_view("xxabc"), teLatin1);
  s.SetPosition(2);
  EXPECT_EQ(SHA1DigestToHex(SHA1FromStream(&s)), u"A9993E364706816ABA3E25717850C26C9CD0D89D");
  EXPECT_EQ(s.Position(), 5);
  EXPECT_THROW(SHA1FromStream(nullptr), EKVODStructError);
}

TEST(SHA1, FileEqualsStreamAndMissingFileRaises) {
  testing::TempDir dir;
  std::mt19937 rng(5);
  const TBytes data = RandomBytes(rng, 150000);
  const String name = FromUtf8(dir.file("f.bin"));
  {
    TFileStream f(name, fmCreate);
    f.WriteBuffer(data.data(), static_cast<int32_t>(data.size()));
  }
  TFileStream f(name, fmOpenRead);
  const TSHACode fromStream = SHA1FromStream(&f);
  EXPECT_EQ(SHA1FromFile(name), fromStream);
  EXPECT_EQ(fromStream, OpenSSLSHA1(data.data(), data.size()));
  EXPECT_THROW(SHA1FromFile(FromUtf8(dir.file("missing.bin"))), EFOpenError);
}

TEST(SHA1, DigestToHexIsUpperCaseInByteOrder) {
  TSHACode d{};
  for (size_t i = 0; i < d.size(); ++i) d[i] = static_cast<uint8_t>(i * 13 + 0x0A);
  EXPECT_EQ(SHA1DigestToHex(d), u"0A1724313E4B5865727F8C99A6B3C0CDDAE7F401");
}

}  // namespace
}  // namespace kvo
