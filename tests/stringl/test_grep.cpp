// Tests of TGrep: compilation, matching and the token accessors.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "kvobase/errors.h"
#include "platform/exceptions.h"
#include "stringl/grep.h"
#include "tests/support/tempdir.h"
#include "tests/stringl/test_grep_describe.h"

namespace kvo {
namespace {

using testing::Describe;

// Compiles without raising and returns the matcher.
void Compile(TGrep& g, const String& pattern, bool ignoreCase = false) {
  g.SetStopOnError(false);
  g.SetIgnoreCase(ignoreCase);
  g.SetRegExp(pattern);
}

TEST(GrepTest, Defaults) {
  TGrep g;
  EXPECT_FALSE(g.IgnoreCase());
  EXPECT_TRUE(g.StopOnError());
  EXPECT_EQ(g.SearchStartPos(), 1);
  EXPECT_EQ(g.MatchStartPos(), 0);
  EXPECT_EQ(g.MatchEndPos(), 0);
  EXPECT_EQ(g.NrOfRegExpTokens(), 0);
  EXPECT_EQ(g.LastError(), 0);
  EXPECT_EQ(g.RegExp(), u"");
}

TEST(GrepTest, OwnerDestroysIt) {
  TComponent owner;
  auto* g = new TGrep(&owner);
  EXPECT_EQ(g->Owner(), &owner);
  EXPECT_EQ(owner.ComponentCount(), 1);
}

struct CompileCase {
  std::u16string pattern;
  bool ignoreCase;
  int32_t error;
  std::string tokens;  // in the form of Describe()
};

TEST(GrepTest, CompilesTokens) {
  const CompileCase cases[] = {
      {u"abc*", false, 0, "'ab' *'c'"},
      {u"(abc)*", false, 0, "*'abc'"},
      {u"(ab)(cd)", false, 0, "'ab' 'cd'"},
      {u"(ab)+", false, 0, "+'ab'"},
      {u"ab+c", false, 0, "'a' +'b' 'c'"},
      {u"a*b", false, 0, "*'a' 'b'"},
      {u"a.b", false, 0, "'a' . 'b'"},
      {u".*", false, 0, "*."},
      {u"a.?", false, 0, "'a' ?."},
      {u"^a$", false, 0, "^ 'a' $"},
      {u"[a-cx]", false, 0, "[a-cx]"},
      {u"[c-a]", false, 0, "[a-c]"},
      {u"[^0-9]", false, 0, "[\\x00-/:-\\xFF]"},
      {u"[ab]?", false, 0, "?[a-b]"},
      {u"[^a]*", false, 0, "*[\\x00-`b-\\xFF]"},
      {u"a[b]c", false, 0, "'a' [b] 'c'"},
      {u"[b]-", false, 7, "[b]"},
      // Unclosed set: kept as built, a negation is not applied.
      {u"[abc", false, 0, "[a-c]"},
      {u"[^abc", false, 0, "[a-c]"},
      // Metacharacters are members inside sets; "\" quotes, also "]".
      {u"[$()*+?.[]", false, 0, "[$(-+.?[]"},
      {u"[\\]\\^]", false, 0, "[]-^]"},
      // A range ends at the next character even if it is "]"; the set then
      // stays open.
      {u"[a-]", false, 0, "[]-a]"},
      // The start of a later range is the last member, which a range only
      // moves down.
      {u"[e-g-a]", false, 0, "[a-g]"},
      {u"[c-a-e]", false, 0, "[a-e]"},
      // Groups hold literal strings.
      {u"(a*.[)", false, 0, "'a*.['"},
      {u"(a\\)b)", false, 0, "'a)b'"},
      {u"(ab", false, 0, "'ab'"},
      {u"()", false, 0, "''"},
      // A multiplier on an empty group keeps the empty string.
      {u"()*", false, 0, "''"},
      {u"x()+y", false, 0, "'x' '' 'y'"},
      // "-" outside sets is ordinary.
      {u"-x-", false, 0, "'-x-'"},
      // Backslash quoting, and a final backslash meaning code 0.
      {u"\\*a", false, 0, "'*a'"},
      {u"a\\.", false, 0, "'a.'"},
      {u"a\\", false, 0, "'a\\x00'"},
      {u"[a\\", false, 0, "[\\x00a]"},
      // Hexadecimal codes act like the typed character.
      {u"x\\#2A", false, 0, "*'x'"},
      {u"\\#41\\#62", false, 0, "'Ab'"},
      {u"\\#5C#41", false, 0, "'A'"},      // the produced "\" starts a code
      {u"\\\\#41", false, 0, "'\\#41'"},   // an escaped backslash is no code
      {u"a\\#4", false, 0, "'a\\x04'"},    // fewer than two characters left
      {u"a\\#", false, 0, "'a\\x00'"},
      {u"\\# 9z", false, 0, "'\\x09z'"},   // the hexadecimal reader skips a blank
      // Lower-casing comes before the codes.
      {u"ABC", true, 0, "'abc'"},
      {u"\\#41", true, 0, "'A'"},
      {u"[Z-a]", true, 0, "[a-z]"},
      // Errors; the tokens built until the error remain.
      {u"*abc", false, 1, ""},
      {u"+a", false, 1, ""},
      {u"?", false, 1, ""},
      {u"$", false, 1, ""},
      {u"a^", false, 2, "'a'"},
      {u"(a^)", false, 2, "'a'"},
      {u"[a]^", false, 2, "[a]"},
      {u"(a)^", false, 2, "'a'"},
      {u"a$b", false, 3, "'a' $"},
      {u"[a]$x", false, 3, "[a] $"},
      {u"[]", false, 4, "[]"},
      {u"[a^b]", false, 5, "[a]"},
      {u"a]", false, 6, "'a'"},
      {u"]", false, 6, ""},
      {u"[a]-", false, 7, "[a]"},
      {u"[-a]", false, 7, "[]"},
      {u"[^-a]", false, 7, "[]"},  // a range with no start
      {u"a)", false, 8, "'a'"},
      {u")", false, 8, ""},
      {u"^*", false, 9, "^"},
      {u"a**", false, 9, "*'a'"},
      {u"[a]*+", false, 9, "*[a]"},
      {u"(ab)?*", false, 9, "?'ab'"},
      {u"ab[cd]a^", false, 2, "'ab' [c-d] 'a'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.pattern));
    TGrep g;
    Compile(g, c.pattern, c.ignoreCase);
    EXPECT_EQ(g.LastError(), c.error);
    EXPECT_EQ(Describe(g), c.tokens);
    EXPECT_EQ(g.RegExp(), c.pattern);  // stored even when faulty
  }
}

TEST(GrepTest, CompileRegExpReturnsErrorAndLeavesRegExp) {
  TGrep g;
  g.SetRegExp(u"ab");
  EXPECT_EQ(g.CompileRegExp(u"a)"), 8);
  EXPECT_EQ(g.LastError(), 8);
  EXPECT_EQ(g.RegExp(), u"ab");
  EXPECT_EQ(g.CompileRegExp(u"x"), 0);
  EXPECT_EQ(g.LastError(), 0);
  EXPECT_EQ(Describe(g), "'x'");
}

TEST(GrepTest, RecompilingClearsOldTokens) {
  TGrep g;
  g.SetRegExp(u"[ab]c(de)*");
  g.SetRegExp(u"");
  EXPECT_EQ(g.NrOfRegExpTokens(), 0);
  TGrepToken t = g.GetRegExpToken(1);
  EXPECT_EQ(t.Action, taNormal);
  EXPECT_EQ(t.NumChars, 0);
  EXPECT_EQ(t.ValidFrom, 0);
}

TEST(GrepTest, TokenFields) {
  TGrep g;
  g.SetRegExp(u"[b-c]x+.");
  ASSERT_EQ(g.NrOfRegExpTokens(), 3);
  TGrepToken set = g.GetRegExpToken(1);
  EXPECT_EQ(set.Action, taSet);
  EXPECT_EQ(set.NumChars, -1);
  EXPECT_EQ(set.Params[u'a'], u' ');
  EXPECT_EQ(set.Params[u'b'], u'*');
  EXPECT_EQ(set.Params[u'c'], u'*');
  TGrepToken mult = g.GetRegExpToken(2);
  EXPECT_EQ(mult.Action, taMult1);
  EXPECT_EQ(mult.NumChars, 1);
  EXPECT_EQ(mult.Params[1], u'x');
  TGrepToken any = g.GetRegExpToken(3);
  EXPECT_EQ(any.Action, taAnyByte);
  EXPECT_EQ(any.NumChars, 0);
}

TEST(GrepTest, GetRegExpTokenClampsIndex) {
  TGrep g;
  g.SetRegExp(u"a.b");
  EXPECT_EQ(g.GetRegExpToken(0).Params[1], u'a');
  EXPECT_EQ(g.GetRegExpToken(-5).Params[1], u'a');
  EXPECT_EQ(g.GetRegExpToken(2).Action, taAnyByte);
  EXPECT_EQ(g.GetRegExpToken(99).Params[1], u'b');
}

TEST(GrepTest, ErrorTexts) {
  EXPECT_EQ(GrepErrorText(0), u"no errors");
  EXPECT_EQ(GrepErrorText(1), u"reg.exp. must not start with $, *, ?, or +");
  EXPECT_EQ(GrepErrorText(9), u"*, ?, + have to be applied to groups or sets only");
  EXPECT_EQ(GrepErrorText(10), u"reg.exp. needs more than 64 tokens");
  EXPECT_EQ(GrepErrorText(13), u"unknown error");
  EXPECT_EQ(GrepErrorText(-1), u"unknown error");
}

TEST(GrepTest, StopOnErrorRaisesNamedError) {
  TGrep g;
  g.SetName(u"Finder");
  try {
    g.SetRegExp(u"a)");
    FAIL() << "no exception";
  } catch (const EKVOStringlError& e) {
    EXPECT_EQ(e.Message(),
              u"Component \"Finder\": error in regular expression - mismatch of group brackets");
  }
  EXPECT_EQ(g.RegExp(), u"a)");
  EXPECT_EQ(g.LastError(), 8);
  EXPECT_EQ(Describe(g), "'a'");  // the faulty pattern's tokens are used
  int32_t pos = 0;
  EXPECT_TRUE(g.MatchString(u"xa", pos));
  EXPECT_EQ(pos, 2);
}

TEST(GrepTest, StopOnErrorFalseOnlyRecords) {
  TGrep g;
  g.SetStopOnError(false);
  EXPECT_NO_THROW(g.SetRegExp(u"[]"));
  EXPECT_EQ(g.LastError(), 4);
  g.SetRegExp(u"ok");
  EXPECT_EQ(g.LastError(), 0);
}

TEST(GrepTest, SetIgnoreCaseRecompilesWithoutRaising) {
  TGrep g;
  g.SetRegExp(u"AB");
  EXPECT_EQ(Describe(g), "'AB'");
  g.SetIgnoreCase(true);
  EXPECT_EQ(Describe(g), "'ab'");
  g.SetIgnoreCase(false);
  EXPECT_EQ(Describe(g), "'AB'");

  TGrep bad;
  bad.SetStopOnError(false);
  bad.SetRegExp(u"a$b");
  bad.SetStopOnError(true);
  EXPECT_NO_THROW(bad.SetIgnoreCase(true));
  EXPECT_EQ(bad.LastError(), 3);
}

TEST(GrepTest, Limits) {
  struct Case {
    std::u16string pattern;
    int32_t error;
    int32_t tokens;
    int32_t lastNumChars;
  };
  const std::u16string dots64(64, u'.');
  const Case cases[] = {
      {dots64, 0, 64, 0},
      {dots64 + u".", 10, 64, 0},
      {dots64 + u"a", 10, 64, 0},
      {dots64.substr(1) + u"[a", 0, 64, -1},
      {dots64 + u"[a", 10, 64, 0},
      {dots64.substr(1) + u"(a", 0, 64, 1},
      // The multiplier needs a token of its own for the last character: the
      // string stays as it was.
      {dots64.substr(1) + u"ab*", 10, 64, 2},
      {dots64.substr(2) + u"ab*", 0, 64, 1},
      {std::u16string(255, u'a'), 0, 1, 255},
      {std::u16string(256, u'a'), 11, 1, 255},
      {u"(" + std::u16string(256, u'a') + u")", 11, 1, 255},
      {u"[\u20AC]", 12, 1, -1},
      {u"[a-\u20AC]", 12, 1, -1},
      {u"[\\\u0100]", 12, 1, -1},
      {u"\u20AC\u0100", 0, 1, 2},  // strings hold any character
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.pattern.substr(0, 70)));
    TGrep g;
    Compile(g, c.pattern);
    EXPECT_EQ(g.LastError(), c.error);
    EXPECT_EQ(g.NrOfRegExpTokens(), c.tokens);
    EXPECT_EQ(g.GetRegExpToken(c.tokens).NumChars, c.lastNumChars);
  }
}

struct MatchCase {
  std::u16string pattern;
  std::u16string text;
  bool ignoreCase;
  int32_t startPos;  // SearchStartPos
  bool found;
  int32_t start, end;
};

TEST(GrepTest, MatchString) {
  const MatchCase cases[] = {
      {u"b+", u"abbbc", false, 1, true, 2, 4},
      {u"^b", u"abc", false, 1, false, 0, 0},
      {u"^a", u"abc", false, 1, true, 1, 1},
      {u"^a", u"abc", false, 2, false, 0, 0},
      {u"^", u"abc", false, 1, true, 1, 0},  // anchors match empty
      {u"^", u"", false, 1, true, 1, 0},
      {u"c$", u"abc", false, 1, true, 3, 3},
      {u"a$", u"aa", false, 1, true, 2, 2},
      {u"a$", u"ab", false, 1, false, 0, 0},
      // Lazy in the middle, greedy at the end.
      {u"a.*b", u"axbyb", false, 1, true, 1, 3},
      {u"a.*", u"axbyb", false, 1, true, 1, 5},
      {u".+b", u"aabab", false, 1, true, 1, 3},
      {u"[0-9]+", u"ab123c", false, 1, true, 3, 5},
      {u"c[0-9]*", u"abc123", false, 1, true, 3, 6},
      {u"[0-9]+x", u"12y345x", false, 1, true, 4, 7},
      {u"(ab)+", u"xababab", false, 1, true, 2, 7},
      {u"(ab)+", u"xababa", false, 1, true, 2, 5},
      {u"(ab)*c", u"ababc", false, 1, true, 1, 5},
      {u"a(bc)?d", u"abcd", false, 1, true, 1, 4},
      {u"a(bc)?d", u"ad", false, 1, true, 1, 2},
      {u"a(bc)?", u"abcd", false, 1, true, 1, 3},
      {u"a(bc)?", u"abd", false, 1, true, 1, 1},
      {u"x?y", u"y", false, 1, true, 1, 1},
      {u"x?y", u"xy", false, 1, true, 1, 2},
      {u"ab?", u"abc", false, 1, true, 1, 2},
      {u"ab?", u"ac", false, 1, true, 1, 1},
      {u"a.?", u"a", false, 1, true, 1, 1},
      {u"a.?", u"ab", false, 1, true, 1, 2},
      {u"a.", u"a", false, 1, false, 0, 0},
      {u"a[xy]+", u"axyxz", false, 1, true, 1, 4},
      {u"a[xy]*", u"az", false, 1, true, 1, 1},
      {u"x*y*", u"abc", false, 1, true, 1, 0},
      {u".", u"", false, 1, false, 0, 0},
      {u"a()b", u"xab", false, 1, true, 2, 3},
      {u"()*", u"abc", false, 2, true, 2, 1},
      // A lone "*" token takes the whole input, whatever its operand.
      {u"a*", u"xyz", false, 1, true, 1, 3},
      {u"[0-9]*", u"xyz", false, 1, true, 1, 3},
      {u"a*", u"", false, 1, true, 1, 0},
      {u"a*", u"", false, 5, true, 1, 0},
      {u"a*", u"xyz", false, 3, true, 1, 3},
      {u"a*", u"xyz", false, 4, false, 0, 0},
      // Case.
      {u"ABC", u"xabcx", true, 1, true, 2, 4},
      {u"ABC", u"XABCX", true, 1, true, 2, 4},
      {u"abc", u"XABCX", true, 1, true, 2, 4},
      {u"ABC", u"xabcx", false, 1, false, 0, 0},
      {u"[A-C]+", u"xBcAd", true, 1, true, 2, 4},
      {u"\\#41", u"A", true, 1, false, 0, 0},
      {u"\\#41", u"a", true, 1, false, 0, 0},
      {u"\\#41", u"A", false, 1, true, 1, 1},
      // Start positions.
      {u"c", u"abc", false, 3, true, 3, 3},
      {u"c", u"abc", false, 4, false, 0, 0},
      {u"b", u"abcb", false, 0, true, 2, 2},
      {u"b", u"abcb", false, -7, true, 2, 2},
      {u"b", u"abcb", false, 3, true, 4, 4},
      {u"x*", u"aaa", false, 9, false, 0, 0},
      {u"", u"abc", false, 2, true, 2, 1},
      {u"", u"abc", false, 4, true, 4, 3},
      {u"", u"abc", false, 5, false, 0, 0},
      {u"", u"abc", false, 0, true, 1, 0},
      // The end of the text, position L + 1, is a start only when the search
      // starts there.
      {u"b*$", u"aaa", false, 1, false, 0, 0},
      {u"b*$", u"aaa", false, 3, false, 0, 0},
      {u"b*$", u"aaa", false, 4, true, 4, 3},
      {u"b*$", u"aab", false, 1, true, 3, 3},
      {u"b?$", u"", false, 1, true, 1, 0},
      // Characters above code 255.
      {u"[^a]", u"a\u20AC", false, 1, true, 2, 2},
      {u"[^a]+", u"\u20AC\u0100a", false, 1, true, 1, 2},
      {u"[a-z]", u"\u20AC\u0161x", false, 1, true, 3, 3},
      {u"\u20AC+", u"x\u20AC\u20AC", false, 1, true, 2, 3},
      {u".\u0100", u"\u20AC\u0100", false, 1, true, 1, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.pattern) + " on '" + ToUtf8(c.text) + "' from " +
                 std::to_string(c.startPos));
    TGrep g;
    Compile(g, c.pattern, c.ignoreCase);
    ASSERT_EQ(g.LastError(), 0);
    g.SetSearchStartPos(c.startPos);
    int32_t pos = -1;
    EXPECT_EQ(g.MatchString(c.text, pos), c.found);
    EXPECT_EQ(pos, c.start);
    EXPECT_EQ(g.MatchStartPos(), c.start);
    EXPECT_EQ(g.MatchEndPos(), c.end);
  }
}

TEST(GrepTest, ValidFromIsStartOfEachTokensPart) {
  struct Case {
    std::u16string pattern;
    std::u16string text;
    std::vector<int32_t> validFrom;
  };
  const Case cases[] = {
      {u"a.*b.*c", u"xaybzc", {2, 3, 4, 5, 6}},
      {u"^x*y", u"xxy", {1, 1, 3}},
      {u"b+c", u"abbc", {2, 4}},
      {u"(ab)+c?d", u"zababd", {2, 6, 6}},
      {u"a*", u"bbb", {1}},  // the lone "*" shortcut
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.pattern));
    TGrep g;
    g.SetRegExp(c.pattern);
    int32_t pos = 0;
    ASSERT_TRUE(g.MatchString(c.text, pos));
    ASSERT_EQ(g.NrOfRegExpTokens(), static_cast<int32_t>(c.validFrom.size()));
    for (int32_t k = 1; k <= g.NrOfRegExpTokens(); ++k) {
      EXPECT_EQ(g.GetRegExpToken(k).ValidFrom, c.validFrom[static_cast<size_t>(k - 1)])
          << "token " << k;
    }
  }
}

TEST(GrepTest, RepeatedCallsOnOneObjectAgree) {
  // The failure memory is reused between calls: a long failing search must
  // leave nothing behind that changes a later, shorter one.
  TGrep g;
  g.SetRegExp(u"a*a*b");
  int32_t pos = 0;
  EXPECT_FALSE(g.MatchString(std::u16string(3000, u'a'), pos));
  EXPECT_TRUE(g.MatchString(u"aab", pos));
  EXPECT_EQ(pos, 1);
  EXPECT_EQ(g.MatchEndPos(), 3);
  g.SetSearchStartPos(2);
  EXPECT_TRUE(g.MatchString(std::u16string(50, u'a') + u"b", pos));
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(g.MatchEndPos(), 51);
}

TEST(GrepTest, PathologicalPatternsFinish) {
  // A plain backtracking search needs time growing with the product of the
  // repetition counts here; the remembered failures keep it linear.
  struct Case {
    std::u16string pattern;
    std::u16string text;
    bool found;
    int32_t start, end;
  };
  const std::u16string run(20000, u'a');
  const Case cases[] = {
      {u"a*a*a*a*a*a*b", run, false, 0, 0},
      {u"a*a*a*a*a*a*b", run + u"b", true, 1, 20001},
      {u".*.*.*.*x", run, false, 0, 0},
      {u"(aa)*(aa)*(aa)*c", run + u"c", true, 1, 20001},
      {u"(aa)*(aa)*(aa)*c", run + u"ac", true, 2, 20002},
      {u"a+a+a+a+a+a+b", run, false, 0, 0},
      {u"a?a?a?a?a?a?a?a?a?a?aaaaaaaaaab", run, false, 0, 0},
      {u"[a-z]*[a-z]*[a-z]*[0-9]", run + u"9", true, 1, 20001},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.pattern));
    TGrep g;
    g.SetRegExp(c.pattern);
    int32_t pos = -1;
    EXPECT_EQ(g.MatchString(c.text, pos), c.found);
    EXPECT_EQ(pos, c.start);
    EXPECT_EQ(g.MatchEndPos(), c.end);
  }
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(GrepTest, PrintRegExpWritesOneLinePerTokenAndTheError) {
  struct Case {
    std::u16string pattern;
    std::string file;
  };
  const Case cases[] = {
      {u"^ab[x-z]+.c*(de)?$",
       "    taBol: \r\n taNormal: ab\r\n  taMult1: (set) xyz\r\ntaAnyByte: \r\n"
       "  taMult0: (string) c\r\n   taOpti: (string) de\r\n    taEol: \r\nno errors\r\n"},
      {u"[ab]x)", "    taSet: ab\r\n taNormal: x\r\nmismatch of group brackets\r\n"},
      {u".*[ab]?", "  taMult0: (anychar) \r\n   taOpti: (set) ab\r\nno errors\r\n"},
      {u"", "no errors\r\n"},
      {u"\u00E9\u20AC", " taNormal: \xC3\xA9\xE2\x82\xAC\r\nno errors\r\n"},  // UTF-8
  };
  kvo::testing::TempDir dir;
  const String name = FromUtf8(dir.file("tokens.txt"));
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.pattern));
    TGrep g;
    Compile(g, c.pattern);
    g.PrintRegExp(name);  // overwrites the previous case's file
    EXPECT_EQ(ReadBytes(dir.file("tokens.txt")), c.file);
  }
}

TEST(GrepTest, PrintRegExpRaisesFileErrors) {
  kvo::testing::TempDir dir;
  TGrep g;
  g.SetRegExp(u"a");
  EXPECT_THROW(g.PrintRegExp(FromUtf8(dir.file("missing/tokens.txt"))), EInOutError);
  EXPECT_THROW(g.PrintRegExp(FromUtf8(dir.path().string())), EInOutError);
}

}  // namespace
}  // namespace kvo
