#include "platform/textfile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/exceptions.h"
#include "support/files.h"
#include "support/tempdir.h"

namespace kvo {
namespace {

using kvo::testing::TempDir;

using kvo::testing::Slurp;
using kvo::testing::Spit;

std::vector<String> ReadLines(const std::string& path) {
  TTextFile f(FromUtf8(path));
  f.Reset();
  std::vector<String> lines;
  while (!f.Eof()) lines.push_back(f.ReadLn());
  f.Close();
  return lines;
}

template <typename F>
int IoCode(F&& f) {
  try {
    f();
  } catch (const EInOutError& e) {
    return e.ErrorCode();
  }
  return 0;
}

TEST(TextFile, ReadLnTakesEveryLineEnd) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<String> lines;
  };
  const Case cases[] = {
      {"LF", "a\nb\n", {u"a", u"b"}},
      {"CR LF", "a\r\nb\r\n", {u"a", u"b"}},
      {"lone CR", "a\rb\r", {u"a", u"b"}},
      {"mixed, empty lines", "a\r\n\n\r\rb", {u"a", u"", u"", u"", u"b"}},
      {"LF CR is two ends", "a\n\rb", {u"a", u"", u"b"}},
      {"no final line end", "last", {u"last"}},
      {"empty file", "", {}},
      {"UTF-8 byte-order mark skipped", "\xEF\xBB\xBFx\n", {u"x"}},
      {"UTF-8 and Latin-1 fallback", "\xC3\xA9t\xE9\n\xF0\x9F\x98\x80", {u"\u00E9t\u00E9", u"\U0001F600"}},
      {"overlong form is Latin-1", "\xC0\xAF", {u"\u00C0\u00AF"}},
  };
  TempDir tmp;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Spit(tmp.file("t"), c.bytes);
    EXPECT_EQ(ReadLines(tmp.file("t")), c.lines);
  }
}

TEST(TextFile, LinesCrossingTheBufferAreWhole) {
  // A multibyte character, a CR LF pair and a plain line each straddle a
  // buffer boundary somewhere in this file.
  TempDir tmp;
  const size_t B = TTextFile::BufferSize;
  std::string bytes(B - 1, 'x');
  bytes += "\xE2\x82\xAC";               // U+20AC split 1 + 2
  bytes += std::string(B - 4, 'y');
  bytes += "\r\n";                       // CR at the end of the 2nd buffer
  bytes += std::string(B - 2, 'z');
  bytes += "\xF0\x9F\x98\x80";           // 4-byte sequence split 2 + 2
  bytes += "\xE9";                        // stray byte as the very last one
  Spit(tmp.file("big"), bytes);
  const std::vector<String> lines = ReadLines(tmp.file("big"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], String(B - 1, u'x') + u"\u20AC" + String(B - 4, u'y'));
  EXPECT_EQ(lines[1], String(B - 2, u'z') + u"\U0001F600\u00E9");

  // Character by character gives exactly the decoded file.
  TTextFile f(FromUtf8(tmp.file("big")));
  f.Reset();
  String all;
  while (!f.Eof()) all.push_back(f.ReadChar());
  EXPECT_EQ(all, FromUtf8(bytes));
  EXPECT_EQ(f.ReadChar(), u'\x1A');  // at the end: Ctrl-Z, no error
}

TEST(TextFile, ReadCharEolnAndSeeks) {
  TempDir tmp;
  Spit(tmp.file("t"), "ab\r\n  \t\r\n\t 7");
  TTextFile f(FromUtf8(tmp.file("t")));
  f.Reset();
  EXPECT_EQ(f.ReadChar(), u'a');
  EXPECT_FALSE(f.Eoln());
  EXPECT_EQ(f.ReadChar(), u'b');
  EXPECT_TRUE(f.Eoln());
  EXPECT_EQ(f.ReadChar(), u'\r');  // line ends are characters too
  EXPECT_EQ(f.ReadChar(), u'\n');
  EXPECT_TRUE(f.SeekEoln());      // skips the blanks, stops at CR
  EXPECT_EQ(f.ReadLn(), u"");
  EXPECT_FALSE(f.SeekEof());      // skips blanks and tabs, finds 7
  EXPECT_EQ(f.ReadChar(), u'7');
  EXPECT_TRUE(f.Eof());
  EXPECT_TRUE(f.Eoln());
  EXPECT_EQ(f.ReadLn(), u"");     // at the end: empty, no error
  f.Reset();                      // Reset rewinds an open file
  EXPECT_EQ(f.ReadLn(), u"ab");
}

TEST(TextFile, ReadNumbers) {
  TempDir tmp;
  Spit(tmp.file("n"), "  12\t-7\r\n\r\n+3 $FF 0x10 -2147483648 $FFFFFFFF\n 2.5 -1e3 .5 5. 1e-400 ");
  TTextFile f(FromUtf8(tmp.file("n")));
  f.Reset();
  EXPECT_EQ(f.ReadInteger(), 12);
  EXPECT_EQ(f.ReadInteger(), -7);
  EXPECT_TRUE(f.Eoln());  // the ending character is left in place
  const int32_t expected[] = {3, 255, 16, INT32_MIN, -1};
  for (int32_t e : expected) EXPECT_EQ(f.ReadInteger(), e);
  EXPECT_DOUBLE_EQ(f.ReadDouble(), 2.5);
  EXPECT_DOUBLE_EQ(f.ReadDouble(), -1000.0);
  EXPECT_DOUBLE_EQ(f.ReadDouble(), 0.5);
  EXPECT_DOUBLE_EQ(f.ReadDouble(), 5.0);
  EXPECT_EQ(f.ReadDouble(), 0.0);  // underflow is no error
  EXPECT_FALSE(f.Eof());
  EXPECT_TRUE(f.SeekEof());
  EXPECT_EQ(IoCode([&] { f.ReadInteger(); }), ioReadBeyondEof);
}

TEST(TextFile, BadNumbersRaise106AndAreConsumed) {
  struct Case {
    std::string text;
    bool asDouble;
  };
  const Case cases[] = {
      {"12a", false},        {"1.5", false},  {"2147483648", false}, {"$100000000", false},
      {"-", false},          {"$", false},    {"0x", false},         {"\xC3\xA9", false},
      {std::string(300, '1'), false},
      {"1,5", true},         {"e5", true},    {"1e", true},          {"1e+", true},
      {"inf", true},         {"nan", true},   {"0x1p3", true},       {"1e400", true},
      {".", true},
  };
  TempDir tmp;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Spit(tmp.file("n"), c.text + " 42");
    TTextFile f(FromUtf8(tmp.file("n")));
    f.Reset();
    EXPECT_EQ(IoCode([&] {
                if (c.asDouble) f.ReadDouble();
                else f.ReadInteger();
              }),
              ioInvalidNumber);
    EXPECT_EQ(f.ReadInteger(), 42);  // the bad token was consumed
  }
}

TEST(TextFile, WriteUtf8WithCrLfAndAppend) {
  TempDir tmp;
  const String name = FromUtf8(tmp.file("out.txt"));
  TTextFile f(name);
  f.Rewrite();
  f.WriteLn(u"caf\u00E9");
  f.Write(u"x");
  const String emoji = u"\U0001F600";
  f.Write(emoji[0]);  // a surrogate pair split across two writes
  f.Write(emoji[1]);
  f.Write(String(1, u'\xD800') + u"y\xDC00");  // lone halves
  f.WriteLn();
  f.Close();
  EXPECT_EQ(Slurp(tmp.file("out.txt")),
            "caf\xC3\xA9\r\nx\xF0\x9F\x98\x80\xEF\xBF\xBDy\xEF\xBF\xBD\r\n");

  f.Append();
  f.WriteLn(u"more");
  f.Close();
  EXPECT_EQ(ReadLines(tmp.file("out.txt")),
            (std::vector<String>{u"caf\u00E9", u"x\U0001F600\uFFFDy\uFFFD", u"more"}));

  // A high surrogate left at the end becomes U+FFFD; a large text is written
  // whole across buffer flushes.
  f.Rewrite();
  const String big(3 * TTextFile::BufferSize + 17, u'\u00E9');
  f.Write(big);
  f.Write(String(1, u'\xD83D'));
  f.Close();
  EXPECT_EQ(ReadLines(tmp.file("out.txt")), std::vector<String>{big + u"\uFFFD"});
}

TEST(TextFile, Errors) {
  TempDir tmp;
  TTextFile f(FromUtf8(tmp.file("none.txt")));
  try {
    f.Reset();
    FAIL() << "no exception";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), 2);
    EXPECT_EQ(e.Message(),
              u"Cannot open file \"" + FromUtf8(tmp.file("none.txt")) + u"\". No such file or directory");
  }
  EXPECT_EQ(IoCode([&] { f.Append(); }), 2);  // Append never creates
  EXPECT_FALSE(f.IsOpen());
  EXPECT_EQ(IoCode([&] { f.ReadLn(); }), ioFileNotOpen);
  EXPECT_EQ(IoCode([&] { f.WriteLn(u"x"); }), ioFileNotOpen);
  EXPECT_EQ(IoCode([&] { f.Eof(); }), ioFileNotOpen);
  EXPECT_EQ(IoCode([&] { f.Close(); }), ioFileNotOpen);

  f.Rewrite();
  EXPECT_EQ(IoCode([&] { f.ReadChar(); }), ioNotOpenForInput);
  EXPECT_TRUE(f.Eof());
  f.Close();
  f.Reset();
  EXPECT_EQ(IoCode([&] { f.Write(u"x"); }), ioNotOpenForOutput);
  f.Close();

  TTextFile dir(FromUtf8(tmp.path().string()));
  EXPECT_EQ(IoCode([&] { dir.Reset(); }), 21);  // EISDIR
  TTextFile inMissing(FromUtf8(tmp.file("no/such.txt")));
  EXPECT_EQ(IoCode([&] { inMissing.Rewrite(); }), 2);
  TTextFile unnamed;
  EXPECT_EQ(IoCode([&] { unnamed.Reset(); }), 2);
}

TEST(TextFile, DestructorFlushesAndAssignCloses) {
  TempDir tmp;
  {
    TTextFile f(FromUtf8(tmp.file("a")));
    f.Rewrite();
    f.Write(u"kept");
  }
  EXPECT_EQ(Slurp(tmp.file("a")), "kept");
  TTextFile f(FromUtf8(tmp.file("b")));
  f.Rewrite();
  f.Write(u"first");
  f.AssignFile(FromUtf8(tmp.file("a")));  // closes b, flushing it
  EXPECT_FALSE(f.IsOpen());
  EXPECT_EQ(Slurp(tmp.file("b")), "first");
  f.Reset();
  EXPECT_EQ(f.ReadLn(), u"kept");
}

}  // namespace
}  // namespace kvo
