// Splitting at delimiters and triggers, tokens, fields, words and quoted
// parameters.
#include <gtest/gtest.h>

#include <random>

#include "stringl/parse.h"

namespace kvo {
namespace {

std::string U8(StringView s) { return ToUtf8(s); }

TEST(SplitString, CutsAtFirstDelimiterAndTrimsOnRequest) {
  struct Case {
    const char16_t* text;
    const char16_t* delim;
    bool trim;
    const char16_t* before;
    const char16_t* after;
  };
  const Case cases[] = {
      {u"key = value", u"=", true, u"key", u"value"},
      {u"key = value", u"=", false, u"key ", u" value"},
      {u"a=b=c", u"=", false, u"a", u"b=c"},
      {u"a::b", u"::", false, u"a", u"b"},
      {u"=x", u"=", false, u"", u"x"},
      {u"none", u"=", false, u"", u""},
      {u"none", u"", false, u"", u""},
      {u"", u"=", true, u"", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text));
    String before = u"old", after = u"old";
    SplitString(c.text, c.delim, c.trim, before, after);
    EXPECT_EQ(before, c.before);
    EXPECT_EQ(after, c.after);
  }
}

TEST(ExtractTrigger, BeforeAndAfterFirstOccurrence) {
  EXPECT_EQ(ExtractBeforeTrigger(u" path : /usr : x", u":", true), u"path");
  EXPECT_EQ(ExtractAfterTrigger(u" path : /usr : x", u":", true), u"/usr : x");
  EXPECT_EQ(ExtractAfterTrigger(u"a-->b", u"-->", false), u"b");
  EXPECT_EQ(ExtractBeforeTrigger(u"a b", u"-", false), u"");
  EXPECT_EQ(ExtractAfterTrigger(u"a b", u"-", false), u"");
  EXPECT_EQ(ExtractAfterTrigger(u"a b", u"", false), u"");
}

TEST(Tokenize, CutsAtEveryDelimiter) {
  struct Case {
    const char16_t* text;
    const char16_t* delim;
    std::vector<String> tokens;
  };
  const Case cases[] = {
      {u"a,,b,", u",", {u"a", u"", u"b", u""}},
      {u"", u",", {u""}},
      {u"abc", u",", {u"abc"}},
      {u",", u",", {u"", u""}},
      {u"a<>b<>c", u"<>", {u"a", u"b", u"c"}},
      {u"aaa", u"aa", {u"", u"a"}},
      {u"a,b", u"", {u"a,b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text));
    TOpenStringArray tokens{u"stale"};
    EXPECT_EQ(Tokenize(c.text, c.delim, tokens), static_cast<int32_t>(c.tokens.size()));
    EXPECT_EQ(tokens, c.tokens);
  }
}

TEST(Tokenize, StopsSplittingAtTheThousandthToken) {
  String text;
  for (int i = 0; i < 1200; ++i) text += u"x,";
  TOpenStringArray tokens;
  ASSERT_EQ(Tokenize(text, u",", tokens), 1000);
  EXPECT_EQ(tokens[998], u"x");
  String rest;
  for (int i = 999; i < 1200; ++i) rest += u"x,";
  EXPECT_EQ(tokens[999], rest);  // the remaining 201 commas, uncut

  // Exactly 999 delimiters still split fully.
  String exact;
  for (int i = 0; i < 999; ++i) exact += u"y,";
  ASSERT_EQ(Tokenize(exact, u",", tokens), 1000);
  EXPECT_EQ(tokens[998], u"y");
  EXPECT_EQ(tokens[999], u"");
}

TEST(Tokenize, EscapedDelimitersDoNotSplit) {
  struct Case {
    const char16_t* text;
    const char16_t* delim;
    Char escape;
    std::vector<String> tokens;
  };
  const Case cases[] = {
      {u"a\\,b,c", u",", u'\\', {u"a,b", u"c"}},
      {u"a\\\\,b", u",", u'\\', {u"a,b"}},  // escaped escape before delim: no split
      {u"a\\\\b,c", u",", u'\\', {u"a\\b", u"c"}},
      {u"\\,", u",", u'\\', {u","}},
      {u",\\,", u",", u'\\', {u"", u","}},
      {u"a\\<>b<>c", u"<>", u'\\', {u"a<>b", u"c"}},
      {u"a\\b", u",", u'\\', {u"a\\b"}},  // a lone escape stays
      // Exact un-escaping: "qX" neither splits at "x" nor turns into "x".
      {u"aqXbqxc", u"x", u'q', {u"aqXbxc"}},
      {u"QQ", u",", u'q', {u"QQ"}},
      // At the start of the rest nothing precedes: the second "ab" splits.
      {u"xabab", u"ab", u'b', {u"x", u"", u""}},
      {u"a\\\\b", u"", u'\\', {u"a\\b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text));
    TOpenStringArray tokens;
    EXPECT_EQ(Tokenize(c.text, c.delim, c.escape, tokens), static_cast<int32_t>(c.tokens.size()));
    EXPECT_EQ(tokens, c.tokens);
  }
}

TEST(ExtractSubString, PicksZeroBasedFields) {
  struct Case {
    const char16_t* text;
    int32_t ix;
    const char16_t* delim;
    const char16_t* expected;
  };
  const Case cases[] = {
      {u"a;b;;c", 0, u";", u"a"},  {u"a;b;;c", 1, u";", u"b"},  {u"a;b;;c", 2, u";", u""},
      {u"a;b;;c", 3, u";", u"c"},  {u"a;b;;c", 4, u";", u""},   {u"a;b;;c", -1, u";", u""},
      {u";a", 0, u";", u""},       {u";a", 1, u";", u"a"},      {u"a;", 1, u";", u""},
      {u"", 0, u";", u""},         {u"abc", 0, u";", u"abc"},   {u"abc", 1, u";", u""},
      {u"x--y--z", 2, u"--", u"z"}, {u"abc", 0, u"", u"abc"},   {u"abc", 1, u"", u""},
      {u"axXb", 1, u"x", u"Xb"},  // the begins-with test is exact
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text) + " ix " + std::to_string(c.ix));
    EXPECT_EQ(ExtractSubString(c.text, c.ix, c.delim), c.expected);
  }
}

TEST(ExtractSubString, EndsTextAndDelimiterAtCodeZero) {
  const String text(u"a;b\0;c", 6);
  EXPECT_EQ(ExtractSubString(text, 1, u";"), u"b");
  EXPECT_EQ(ExtractSubString(text, 2, u";"), u"");
  EXPECT_EQ(ExtractSubString(u"a;b", 1, String(u";\0x", 3)), u"b");
}

// Against a model: for texts without code 0, field ix is token ix of
// Tokenize (empty beyond the last token).
TEST(ExtractSubString, AgreesWithTokenizeOnRandomTexts) {
  std::mt19937 rng(12345);
  const char16_t alphabet[] = u"ab;";
  const StringView delims[] = {u";", u"ab", u"aa", u";;"};
  for (int round = 0; round < 3000; ++round) {
    String text;
    const int len = static_cast<int>(rng() % 12);
    for (int i = 0; i < len; ++i) text += alphabet[rng() % 3];
    const StringView d = delims[rng() % 4];
    TOpenStringArray tokens;
    const int32_t n = Tokenize(text, d, tokens);
    for (int32_t ix = 0; ix <= n; ++ix) {
      const String expected = ix < n ? tokens[static_cast<size_t>(ix)] : String();
      ASSERT_EQ(ExtractSubString(text, ix, d), expected)
          << U8(text) << " delim " << U8(d) << " ix " << ix;
    }
  }
}

TEST(ExtractWordFromString, FindsTheWordAroundAPosition) {
  struct Case {
    const char16_t* text;
    int32_t pos;
    const char16_t* word;
    int32_t start, end;
  };
  const Case cases[] = {
      {u"foo bar", 5, u"bar", 5, 7}, {u"foo bar", 7, u"bar", 5, 7}, {u"foo bar", 1, u"foo", 1, 3},
      {u"foo bar", 4, u" ", 4, 4},   {u"foo bar", 0, u"", 0, 0},    {u"foo bar", 8, u"", 0, 0},
      {u"(a_b!c)", 3, u"a_b!c", 2, 6}, {u"x.y", 2, u".", 2, 2},     {u"", 1, u"", 0, 0},
      {u"tab\there", 2, u"tab\there", 1, 8},  // the tabulator separates no words
      {u"\u00e9t\u00e9-x", 1, u"\u00e9t\u00e9", 1, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text) + " at " + std::to_string(c.pos));
    int32_t s = -1, e = -1;
    EXPECT_EQ(ExtractWordFromString(c.text, c.pos, s, e), c.word);
    EXPECT_EQ(s, c.start);
    EXPECT_EQ(e, c.end);
    EXPECT_EQ(ExtractWordFromString(c.text, c.pos), c.word);
  }
}

TEST(WordSeps, HoldsExactlyTheListedCharacters) {
  const String members = String(1, Char(0)) + u"\n\r \"#%'()*+,-./:;<=>[\\]{}";
  for (int c = 0; c < 65536; ++c) {
    const bool expected = members.find(Char(c)) != String::npos;
    ASSERT_EQ(WordSeps.Contains(Char(c)), expected) << "code " << c;
  }
}

// Feeds `text` and then the delimiter to ParseQuotedName, stopping at vsEnd.
struct Parsed {
  String name;
  TQuotedStrState state;
  size_t consumed;  // characters of `text` used
};
Parsed Feed(StringView text, Char delim) {
  Parsed p{String(), vsStart, 0};
  while (p.consumed < text.size() && p.state != vsEnd) {
    ParseQuotedName(text[p.consumed++], delim, p.name, p.state);
  }
  if (p.state != vsEnd) ParseQuotedName(delim, delim, p.name, p.state);
  return p;
}

TEST(ParseQuotedName, ReadsPlainAndQuotedNames) {
  struct Case {
    const char16_t* text;
    Char delim;
    const char16_t* name;
    TQuotedStrState state;
    size_t consumed;
  };
  const Case cases[] = {
      {u"  abc;def", u';', u"abc", vsEnd, 6},
      {u"a b  ;x", u';', u"a b", vsEnd, 6},  // trailing blanks removed
      {u"\"a;b\";x", u';', u"a;b", vsEnd, 6},
      {u"\"say \"\"hi\"\"\" rest", u' ', u"say \"hi\"", vsEnd, 13},
      {u"  \"a \"\"b\"\" c\";", u';', u"a \"b\" c", vsEnd, 14},
      {u";x", u';', u"", vsEnd, 1},
      {u"   next", u' ', u"next", vsEnd, 7},
      {u"\"open", u';', u"open;", vs1stQuote, 5},  // missing closing quote
      {u"", u';', u"", vsEnd, 0},
      {u"a\"b;", u';', u"a\"b", vsEnd, 4},  // a quote inside a plain name is kept
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text));
    const Parsed p = Feed(c.text, c.delim);
    EXPECT_EQ(p.name, c.name);
    EXPECT_EQ(p.state, c.state);
    EXPECT_EQ(p.consumed, c.consumed);
  }
}

TEST(ParseQuotedName, DoesNothingOnceComplete) {
  String name = u"done";
  TQuotedStrState state = vsEnd;
  ParseQuotedName(u'x', u';', name, state);
  EXPECT_EQ(name, u"done");
  EXPECT_EQ(state, vsEnd);
}

TEST(ExtractParam, PicksQuotedOrPlainParameters) {
  struct Case {
    const char16_t* text;
    int32_t ix;
    Char delim;
    Char quote;
    const char16_t* expected;
  };
  const Case cases[] = {
      {u"copy \"my file.txt\" dest", 0, u' ', u'"', u"copy"},
      {u"copy \"my file.txt\" dest", 1, u' ', u'"', u"my file.txt"},
      {u"copy \"my file.txt\" dest", 2, u' ', u'"', u"dest"},
      {u"copy \"my file.txt\" dest", 3, u' ', u'"', u"?"},
      {u"  a   b  ", 1, u' ', u'"', u"b"},
      {u"  a   b  ", 2, u' ', u'"', u"?"},
      {u"a; 'x;y' ;", 0, u';', u'\'', u"a"},
      {u"a; 'x;y' ;", 1, u';', u'\'', u"x;y"},
      {u"a; 'x;y' ;", 2, u';', u'\'', u""},
      {u"a; 'x;y' ;", 3, u';', u'\'', u"?"},
      {u"a;;b", 1, u';', u'"', u""},
      {u" x  ; y ", 0, u';', u'"', u"x"},
      {u" x  ; y ", 1, u';', u'"', u"y"},
      {u"\" keep \";z", 0, u';', u'"', u" keep "},
      {u"\"it''s\"x;z", 0, u';', u'"', u"it''s"},
      {u"'it''s' junk;z", 0, u';', u'\'', u"it's"},  // text after the quote ignored
      {u"'it''s' junk;z", 1, u';', u'\'', u"z"},
      {u"'open;z", 0, u';', u'\'', u"open;z"},  // missing closing quote
      {u"'open;z", 1, u';', u'\'', u"?"},
      {u"", 0, u';', u'"', u"?"},
      {u"   ", 0, u';', u'"', u"?"},
      {u"a", -1, u';', u'"', u"?"},
      {u"a;b", 1, u';', u';', u"b"},  // quote equal to delimiter: only a delimiter
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text) + " ix " + std::to_string(c.ix));
    EXPECT_EQ(ExtractParam(c.text, c.ix, c.delim, c.quote, u"?"), c.expected);
  }
}

}  // namespace
}  // namespace kvo
