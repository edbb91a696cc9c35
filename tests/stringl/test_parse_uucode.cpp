// uuencoding of strings in the classic line format.
#include <gtest/gtest.h>

#include <random>

#include "stringl/parse.h"

namespace kvo {
namespace {

// Bytes 0 ... 49 as written by another uuencode implementation (backticks
// for zero): a full 45-byte line and a 5-byte line.
const String kBytes0To49Encoded =
    uR"uu(M``$"`P0%!@<("0H+#`T.#Q`1$A,4%187&!D:&QP='A\@(2(C)"4F)R@I*BLL
%+2XO,#$`
)uu";

String Bytes0To(int n) {
  String s;
  for (int i = 0; i < n; ++i) s += Char(i);
  return s;
}

TEST(UUEncodeStr, WritesTheClassicLineFormat) {
  struct Case {
    String text;
    String encoded;
  };
  const Case cases[] = {
      {u"Cat", u"#0V%T\n`\n"},
      {u"", u"`\n"},
      {u"A", u"!00``\n`\n"},
      {String(3, Char(0)), u"#````\n`\n"},
      {Bytes0To(50), kBytes0To49Encoded + u"`\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.encoded));
    EXPECT_EQ(UUEncodeStr(c.text), c.encoded);
  }
}

TEST(UUEncodeStr, LinesHoldAtMost45BytesAndNoBlanks) {
  const String text(1000, u' ');
  const String enc = UUEncodeStr(text);
  EXPECT_EQ(enc.find(u' '), String::npos);
  size_t b = 0;
  int lines = 0;
  while (b < enc.size()) {
    size_t e = enc.find(u'\n', b);
    ASSERT_NE(e, String::npos);
    EXPECT_LE(e - b, 61u);
    b = e + 1;
    ++lines;
  }
  EXPECT_EQ(lines, 1000 / 45 + 1 + 1);  // 22 full lines, one of 10 bytes, the end line
}

TEST(UUDecodeStr, ReadsWhatOtherEncodersWrite) {
  struct Case {
    const char16_t* name;
    String encoded;
    String decoded;
  };
  const Case cases[] = {
      {u"backticks", kBytes0To49Encoded + u"`\n", Bytes0To(50)},
      {u"blanks for zero", u"-2&5L;&\\L('=O<FQD(0  \n \n", u"Hello, world!"},
      {u"trailing blanks stripped", u"-2&5L;&\\L('=O<FQD(0\n", u"Hello, world!"},
      {u"begin and end lines", u"begin 644 cat.txt\r\n#0V%T\r\n`\r\nend\r\n", u"Cat"},
      {u"no end line", u"#0V%T", u"Cat"},
      {u"empty lines skipped", u"\n\n#0V%T\n\n#0V%T\n", u"CatCat"},
      {u"stops at end", u"#0V%T\nend\n#0V%T\n", u"Cat"},
      {u"stops at zero length", u"#0V%T\n`\n#0V%T\n", u"Cat"},
      {u"extra characters ignored", u"!00``garbage\n", u"A"},
      {u"lone CR", u"#0V%T\r#0V%T\r", u"CatCat"},
      {u"empty", u"", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.name));
    EXPECT_EQ(UUDecodeStr(c.encoded), c.decoded);
  }
}

TEST(UUCode, RoundTripsEveryByteAndWideText) {
  std::mt19937 rng(2024);
  for (int len : {0, 1, 2, 3, 44, 45, 46, 89, 90, 91, 1000}) {
    String bytes;
    for (int i = 0; i < len; ++i) bytes += Char(rng() % 256);
    SCOPED_TRACE(len);
    EXPECT_EQ(UUDecodeStr(UUEncodeStr(bytes)), bytes);
    // Wrapped in a file frame as for the uudecode program.
    EXPECT_EQ(UUDecodeStr(u"begin 644 f\n" + UUEncodeStr(bytes) + u"end\n"), bytes);
  }
  // Text beyond code 255 travels as UTF-8.
  const String wide = u"\u00e4 \u20ac \U0001F600";
  const String decoded = UUDecodeStr(UUEncodeStr(wide));
  EXPECT_EQ(decoded, FromLatin1(ToUtf8(wide)));
  EXPECT_EQ(FromUtf8(ToLatin1(decoded)), wide);
}

}  // namespace
}  // namespace kvo
