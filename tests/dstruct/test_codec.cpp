// Base64 and ASCII85 stream codecs: RFC 4648 vectors and OpenSSL's
// EVP_EncodeBlock as an oracle, round trips over every short length, the
// error and block rules of the decoders, and incomplete final groups.
#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <algorithm>
#include <random>
#include <string>

#include "dstruct/codec.h"
#include "kvobase/errors.h"

namespace kvo {
namespace {

std::string RandomBytes(std::mt19937& rng, size_t n, bool manyZeros = false) {
  std::string s(n, '\0');
  for (auto& c : s) c = static_cast<char>(manyZeros && rng() % 3 == 0 ? 0 : rng());
  return s;
}

// A stream that hands out at most 7 bytes per read, as a pipe may.
class TrickleStream : public TMemoryStream {
 public:
  explicit TrickleStream(const std::string& s) {
    WriteBuffer(s.data(), static_cast<int32_t>(s.size()));
    SetPosition(0);
  }
  int32_t Read(void* buf, int32_t count) override {
    return TMemoryStream::Read(buf, std::min(count, 7));
  }
};

std::string Encode64(const std::string& in, bool lines) {
  TStringStream src(std::string_view(in), teLatin1), dst(teLatin1);
  EncodeBase64(&src, &dst, lines);
  return dst.DataString();
}

std::pair<int32_t, std::string> Decode64(const std::string& in) {
  TStringStream src(std::string_view(in), teLatin1), dst(teLatin1);
  const int32_t r = DecodeBase64(&src, &dst);
  return {r, dst.DataString()};
}

std::string Encode85(const std::string& in, bool lines) {
  TStringStream src(std::string_view(in), teLatin1), dst(teLatin1);
  EncodeASCII85(&src, &dst, lines);
  return dst.DataString();
}

std::pair<int32_t, std::string> Decode85(const std::string& in) {
  TStringStream src(std::string_view(in), teLatin1), dst(teLatin1);
  const int32_t r = DecodeASCII85(&src, &dst);
  return {r, dst.DataString()};
}

std::string OpenSSLBase64(const std::string& in) {
  std::string out(4 * ((in.size() + 2) / 3) + 1, '\0');
  const int n = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                reinterpret_cast<const unsigned char*>(in.data()),
                                static_cast<int>(in.size()));
  out.resize(static_cast<size_t>(n));
  return out;
}

// ------------------------------------------------------------------ Base64

TEST(Base64, RFC4648Vectors) {
  struct Case {
    std::string plain, coded;
  };
  const Case cases[] = {{"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},
                        {"foo", "Zm9v"},  {"foob", "Zm9vYg=="},  {"fooba", "Zm9vYmE="},
                        {"foobar", "Zm9vYmFy"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.plain);
    EXPECT_EQ(Encode64(c.plain, false), c.coded);
    EXPECT_EQ(Encode64(c.plain, true), c.coded.empty() ? "" : c.coded + "\r\n");
    EXPECT_EQ(Decode64(c.coded), std::make_pair(0, c.plain));
  }
}

TEST(Base64, EachLineIsTheEncodingOfItsBytes) {
  std::mt19937 rng(64);
  for (size_t n : {size_t{44}, size_t{45}, size_t{46}, size_t{90}, size_t{1000},
                   size_t{65520}, size_t{65521}, size_t{200003}}) {
    SCOPED_TRACE(n);
    const std::string in = RandomBytes(rng, n);
    EXPECT_EQ(Encode64(in, false), OpenSSLBase64(in));
    const std::string lined = Encode64(in, true);
    size_t at = 0, lines = 0;
    for (size_t from = 0; from < n; from += 45, ++lines) {
      const std::string expect = OpenSSLBase64(in.substr(from, 45)) + "\r\n";
      ASSERT_EQ(lined.substr(at, expect.size()), expect) << "line " << lines;
      at += expect.size();
    }
    EXPECT_EQ(at, lined.size());
  }
  EXPECT_EQ(Encode64(std::string(45, 'x'), true).size(), 62u);
  EXPECT_EQ(Encode64(std::string(46, 'x'), true).size(), 62u + 6u);
}

TEST(Base64, RoundTripEveryLengthAndLineEnd) {
  std::mt19937 rng(3);
  for (size_t n = 0; n <= 400; ++n) {
    const std::string in = RandomBytes(rng, n);
    ASSERT_EQ(Decode64(Encode64(in, false)), std::make_pair(0, in)) << n;
    const std::string crlf = Encode64(in, true);
    ASSERT_EQ(Decode64(crlf), std::make_pair(0, in)) << n;
    std::string lf = crlf;
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    ASSERT_EQ(Decode64(lf), std::make_pair(0, in)) << n;
  }
  // Long inputs: groups and line breaks straddle the internal buffers.
  const std::string big = RandomBytes(rng, 300007);
  EXPECT_EQ(Decode64(Encode64(big, true)), std::make_pair(0, big));
  EXPECT_EQ(Decode64(Encode64(big, false)), std::make_pair(0, big));
}

TEST(Base64, ShortReadsDoNotEndTheInput) {
  std::mt19937 rng(9);
  const std::string in = RandomBytes(rng, 1000);
  TrickleStream src(in);
  TStringStream dst(teLatin1);
  EncodeBase64(&src, &dst, true);
  EXPECT_EQ(dst.DataString(), Encode64(in, true));
  TrickleStream back(dst.DataString());
  TStringStream plain(teLatin1);
  EXPECT_EQ(DecodeBase64(&back, &plain), 0);
  EXPECT_EQ(plain.DataString(), in);
}

TEST(Base64, DecodingRules) {
  struct Case {
    std::string coded;
    int32_t result;
    std::string plain;
  };
  const Case cases[] = {
      // Line breaks anywhere are skipped, also inside a group.
      {"Zm\r\n9v\nYmFy\r", 0, "foobar"},
      // Groups after a padded group are decoded too.
      {"QQ==QUI=QUJD", 0, "AABABC"},
      // In-range characters outside the alphabet count as 127.
      {"[[[[", 0, std::string("\x03\x0F\x3F", 3)},
      {"Q===", 0, "G"},
      // Incomplete final group: missing characters count as "=".
      {"QUJDQQ", 0, "ABCA"},
      {"QUI", 0, "AB"},
      {"QU=", 0, "A"},
      {"Q", 0, ""},
      {"\r\n", 0, ""},
      // Characters outside "+" ... "z" stop the decoding with -1.
      {"QUJD QUJD", -1, ""},
      {"QUJ\tD", -1, ""},
      {"QU{", -1, ""},
      {"QUJ\xC3", -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.coded);
    EXPECT_EQ(Decode64(c.coded), std::make_pair(c.result, c.plain));
  }
}

TEST(Base64, ErrorKeepsTheFinishedBlocksOnly) {
  // A block is 22 groups of four characters; the bytes of the block holding
  // the bad group are dropped. Bad group index g keeps g / 22 * 66 bytes.
  std::mt19937 rng(22);
  for (size_t g : {size_t{0}, size_t{21}, size_t{22}, size_t{43}, size_t{5000}, size_t{20000}}) {
    SCOPED_TRACE(g);
    const std::string in = RandomBytes(rng, 3 * g + 30);
    std::string coded = Encode64(in, false);
    coded[4 * g + 1] = ' ';
    const auto [result, out] = Decode64(coded);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(out, in.substr(0, g / 22 * 66));
  }
}

TEST(Base64, AgreesWithOpenSSLDecoder) {
  std::mt19937 rng(77);
  for (int i = 0; i < 50; ++i) {
    const std::string in = RandomBytes(rng, rng() % 3000);
    EXPECT_EQ(Decode64(OpenSSLBase64(in)), std::make_pair(0, in));
  }
}

// ------------------------------------------------------------------ ASCII85

TEST(ASCII85, Encoding) {
  struct Case {
    std::string plain, coded;
  };
  const Case cases[] = {
      {"", "~>"},
      {std::string(4, '\0'), "z~>"},
      {"A", "!b~>"},
      {"Man ", "9jqo^~>"},
      {std::string("\0\0\0\0A", 5), "z!b~>"},
      {std::string(3, '\0'), "!!!!~>"},
      {"\xFF\xFF\xFF\xFF", "s8W-!~>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.coded);
    EXPECT_EQ(Encode85(c.plain, false), c.coded);
    EXPECT_EQ(Decode85(c.coded), std::make_pair(0, c.plain));
  }
}

TEST(ASCII85, LineBreakAfterEveryTwelveGroups) {
  const std::string groups12(48, 'a');
  std::string line = Encode85(groups12, false);
  line.resize(60);
  EXPECT_EQ(Encode85(groups12, true), line + "\r\n~>");
  EXPECT_EQ(Encode85(groups12 + "aaaaa", true), line + "\r\n" + Encode85("aaaaa", false));
  // "z" groups do not count towards the twelve.
  const std::string withZeros = std::string(4, '\0') + groups12;
  EXPECT_EQ(Encode85(withZeros, true), "z" + line + "\r\n~>");
}

TEST(ASCII85, RoundTrip) {
  std::mt19937 rng(85);
  for (size_t n = 0; n <= 200; ++n) {
    const std::string in = RandomBytes(rng, n, n % 2 == 0);
    ASSERT_EQ(Decode85(Encode85(in, false)), std::make_pair(0, in)) << n;
    ASSERT_EQ(Decode85(Encode85(in, true)), std::make_pair(0, in)) << n;
  }
  const std::string big = RandomBytes(rng, 250001, true);
  EXPECT_EQ(Decode85(Encode85(big, true)), std::make_pair(0, big));
  TrickleStream src(big);
  TStringStream dst(teLatin1);
  EncodeASCII85(&src, &dst, true);
  EXPECT_EQ(dst.DataString(), Encode85(big, true));
}

TEST(ASCII85, DecodingRules) {
  struct Case {
    std::string coded;
    int32_t result;
    std::string plain;
  };
  const Case cases[] = {
      {"9j\r\nqo^~>", 0, "Man "},
      // The "~" ends decoding; nothing after it is read.
      {"!b~>9jqo^ ", 0, "A"},
      {"~>!b", 0, ""},
      {"#`%~>", 0, "Ma"},
      // No end mark: the text ends as if "~" followed.
      {"9jqo^!b", 0, "Man A"},
      {"9jqo^!", 0, "Man "},
      {"", 0, ""},
      // "z" inside a group: -2; other bad characters: -1; decoding goes on
      // and the last bad character decides.
      {"!!z!!~>", -2, std::string("\x00\x09\xCF\xD1", 4)},
      {"! !!!!z!!!", -2, ""},
      {"!z!!! !!!!", -1, ""},
      {"z!b\x80", -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.coded);
    const auto [result, out] = Decode85(c.coded);
    EXPECT_EQ(result, c.result);
    if (c.result == 0 || !c.plain.empty()) {
      EXPECT_EQ(out, c.plain);
    }
  }
  // A bad character still yields a group's bytes: digit = code - 33 mod 2^32.
  EXPECT_EQ(Decode85("! !!!").second.size(), 4u);
}

TEST(Codecs, NullStreamsRaise) {
  TMemoryStream s;
  EXPECT_THROW(EncodeBase64(nullptr, &s, false), EKVODStructError);
  EXPECT_THROW(DecodeBase64(&s, nullptr), EKVODStructError);
  EXPECT_THROW(EncodeASCII85(&s, nullptr, true), EKVODStructError);
  EXPECT_THROW(DecodeASCII85(nullptr, &s), EKVODStructError);
}

}  // namespace
}  // namespace kvo
