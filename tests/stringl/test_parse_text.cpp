// Lines, line coordinates, lookups, word counts, abbreviations and the
// first non-blank or digit.
#include <gtest/gtest.h>

#include <vector>

#include "stringl/parse.h"

namespace kvo {
namespace {

std::string U8(StringView s) { return ToUtf8(s); }

// All lines ReadLnString gives from position 1 until eot is set.
std::vector<String> AllLines(StringView text, int32_t mode) {
  std::vector<String> lines;
  int32_t pos = 1;
  bool eot = false;
  while (!eot) {
    lines.push_back(ReadLnString(text, pos, eot, mode));
    if (lines.size() > text.size() + 1) break;  // a reader that never ends
  }
  return lines;
}

TEST(ReadLnString, EndsLinesByMode) {
  struct Case {
    const char16_t* text;
    int32_t mode;
    std::vector<String> lines;
  };
  const Case cases[] = {
      {u"ab\r\ncd", 4, {u"ab", u"cd"}},
      {u"ab\r\ncd", 0, {u"ab", u"cd"}},
      {u"ab\r\ncd", 1, {u"ab", u"cd"}},  // the LF is dropped from the next line
      {u"ab\r\ncd", 2, {u"ab", u"", u"cd"}},
      {u"ab\r\ncd\r\n", 4, {u"ab", u"cd", u""}},
      {u"a\rb\nc", 4, {u"abc"}},  // lone CR and LF are dropped in mode 4
      {u"a\n\rb", 3, {u"a", u"b"}},
      {u"a\r\nb", 3, {u"ab"}},
      {u"a\nb\rc", 9, {u"abc"}},  // no line end at all
      {u"a\tb\x01" u"c\nd", 0, {u"abc", u"d"}},
      {u"", 0, {u""}},
      {u"\n", 0, {u"", u""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text) + " mode " + std::to_string(c.mode));
    EXPECT_EQ(AllLines(c.text, c.mode), c.lines);
  }
}

TEST(ReadLnString, KeepsReportingTheEndAfterIt) {
  const String text = u"ab\r\ncd";
  int32_t pos = 1;
  bool eot = true;
  EXPECT_EQ(ReadLnString(text, pos, eot, 4), u"ab");
  EXPECT_FALSE(eot);
  EXPECT_EQ(pos, 5);
  EXPECT_EQ(ReadLnString(text, pos, eot, 4), u"cd");
  EXPECT_TRUE(eot);
  EXPECT_EQ(ReadLnString(text, pos, eot, 4), u"");
  EXPECT_TRUE(eot);

  pos = -7;  // counts as 1
  EXPECT_EQ(ReadLnString(text, pos, eot, 4), u"ab");
  pos = 1000;
  EXPECT_EQ(ReadLnString(text, pos, eot, 4), u"");
  EXPECT_TRUE(eot);
}

TEST(TextLineCoords, CountsLinesAndColumns) {
  struct Case {
    const char16_t* text;
    int32_t pos;
    int32_t line, column;
  };
  const Case cases[] = {
      {u"ab\r\ncd", 1, 1, 1}, {u"ab\r\ncd", 3, 1, 3}, {u"ab\r\ncd", 4, 1, 4},
      {u"ab\r\ncd", 5, 2, 1}, {u"ab\r\ncd", 6, 2, 2}, {u"ab\r\ncd", 7, 2, 3},
      {u"ab\r\ncd", 8, 0, 0}, {u"ab\r\ncd", 0, 0, 0}, {u"a\rb\nc", 3, 2, 1},
      {u"a\rb\nc", 5, 3, 1},  {u"\n\n", 3, 3, 1},     {u"", 1, 1, 1},
      {u"a\r", 3, 2, 1},      {u"", 2, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text) + " at " + std::to_string(c.pos));
    int32_t line = -1, column = -1;
    TextLineCoords(c.text, c.pos, line, column);
    EXPECT_EQ(line, c.line);
    EXPECT_EQ(column, c.column);
  }
}

TEST(StringIx, FindsTheFirstEqualChoice) {
  EXPECT_EQ(StringIx(u"Two", false, {u"one", u"two"}), 2);
  EXPECT_EQ(StringIx(u"Two", true, {u"one", u"two"}), 0);
  EXPECT_EQ(StringIx(u"two", {u"one", u"two", u"two"}), 2);
  EXPECT_EQ(StringIx(u"TWO", {u"one", u"two"}), 0);
  EXPECT_EQ(StringIx(u"", {u"a", u""}), 2);
  EXPECT_EQ(StringIx(u"x", std::span<const String>()), 0);
  // Only ASCII letters fold.
  EXPECT_EQ(StringIx(u"\u00c4", false, {u"\u00e4"}), 0);
  const std::vector<String> keys{u"featdef", u"featvals", u"featend"};
  EXPECT_EQ(StringIx(u"FEATVALS", false, keys), 2);
}

TEST(DetectCSVDelimiter, PicksTheMostFrequentEarlierFirst) {
  struct Case {
    String line;
    TCSVDelimiters expected;
  };
  const Case cases[] = {
      {u"a;b,c;d", csvSemicolon},
      {u"a b,c", csvBlank},  // tie: the blank comes first
      {u"abc", csvUnknown},
      {u"", csvUnknown},
      {u"1\t2\t3,4", csvTab},
      {u"x:y:z;", csvColon},
      {u"a,b,c d", csvComma},
      {String(u"\0\0;", 3), csvUnknown},  // code 0 is counted too
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.line));
    EXPECT_EQ(DetectCSVDelimiter(c.line), c.expected);
  }
}

TEST(CountWords, CountsRunsOfTwoOrMoreFollowedByASeparator) {
  struct Case {
    const char16_t* text;
    int32_t words;
  };
  const Case cases[] = {
      {u"hello big world.", 3}, {u"hello world", 1}, {u"a b c ", 0},  {u"", 0},
      {u"ab,cd;ef\n", 3},       {u"ab\tcd ", 1},     {u"x-ray ok.", 2}, {u"don't stop!", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text));
    EXPECT_EQ(CountWords(c.text), c.words);
  }
}

TEST(IsAbbreviation, NeedsARunOfCapitalsLongerThanTheLowerCaseCount) {
  struct Case {
    const char16_t* text;
    bool expected;
  };
  const Case cases[] = {
      {u"USA", true},  {u"GmbH", false}, {u"PCs", true},   {u"A", false},  {u"", false},
      {u"ABc1", false}, {u"U.S.A.", false}, {u"NATOx", true}, {u"CD-ROMs", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text));
    EXPECT_EQ(IsAbbreviation(c.text), c.expected);
  }
}

TEST(FindFirst, NonBlankAndDigit) {
  EXPECT_EQ(FindFirstNonBlank(u"   x y"), 4);
  EXPECT_EQ(FindFirstNonBlank(u"\tx"), 1);  // only code 32 is a blank
  EXPECT_EQ(FindFirstNonBlank(u"   "), 0);
  EXPECT_EQ(FindFirstNonBlank(u""), 0);
  EXPECT_EQ(FindFirstDigit(u"abc7d9"), 4);
  EXPECT_EQ(FindFirstDigit(u"abc"), 0);
  EXPECT_EQ(FindFirstDigit(u"\u0663"), 0);  // ASCII digits only
}

}  // namespace
}  // namespace kvo
