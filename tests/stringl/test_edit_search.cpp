// Counting, searching and character-set tests of the string library, with a
// randomized comparison against straightforward reference models.
#include <gtest/gtest.h>

#include <random>

#include "platform/strings.h"
#include "stringl/edit.h"

namespace kvo {
namespace {

struct PosCase {
  const char* what;
  int32_t got;
  int32_t expected;
};

void CheckAll(const std::vector<PosCase>& cases) {
  for (const PosCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.got, c.expected);
  }
}

TEST(EditSearch, Counting) {
  CheckAll({
      {"non-overlapping", CountStringInString(u"aa", u"aaaa", true), 2},
      {"odd run", CountStringInString(u"aa", u"aaaaa", true), 2},
      {"case sensitive", CountStringInString(u"Ab", u"abABAb", true), 1},
      {"case insensitive", CountStringInString(u"Ab", u"abABAb", false), 3},
      {"empty search", CountStringInString(u"", u"abc", true), 0},
      {"empty text", CountStringInString(u"a", u"", false), 0},
      {"non-letters exact", CountStringInString(u"[", u"{[", false), 1},
      {"char", CountCharInString(u'a', u"aAba", true), 2},
      {"char insensitive", CountCharInString(u'a', u"aAba", false), 3},
      {"char non-ascii exact", CountCharInString(0xE4, u"\u00E4\u00C4", false), 1},
  });
}

TEST(EditSearch, NumberedPos) {
  CheckAll({
      {"example", NumberedPos(u"ab", u"xxabyyab", 1, 2, false), 7},
      {"first", NumberedPos(u"ab", u"xxabyyab", 1, 1, false), 3},
      {"n = 0", NumberedPos(u"ab", u"xxabyyab", 1, 0, false), 0},
      {"n < 0", NumberedPos(u"ab", u"xxabyyab", 1, -1, false), 0},
      {"too few", NumberedPos(u"ab", u"xxabyyab", 1, 3, false), 0},
      {"start after first", NumberedPos(u"ab", u"xxabyyab", 4, 1, false), 7},
      {"start at occurrence", NumberedPos(u"ab", u"xxabyyab", 3, 1, false), 3},
      {"start clamped up", NumberedPos(u"ab", u"xxabyyab", -5, 1, false), 3},
      {"start beyond end", NumberedPos(u"b", u"ab", 3, 1, false), 0},
      {"start at last char", NumberedPos(u"b", u"ab", 2, 1, false), 2},
      {"non-overlapping", NumberedPos(u"aa", u"aaaa", 1, 2, false), 3},
      {"empty search", NumberedPos(u"", u"abc", 1, 1, false), 0},
      {"ignore case", NumberedPos(u"AB", u"xaByAb", 1, 2, true), 5},
      {"case matters", NumberedPos(u"AB", u"xaByAb", 1, 1, false), 0},
      {"search longer than text", NumberedPos(u"abc", u"ab", 1, 1, false), 0},
  });
}

TEST(EditSearch, NumberedPosBw) {
  CheckAll({
      {"example", NumberedPosBw(u"bc", u"abcabc", 6, 1, false), 5},
      {"example n = 2", NumberedPosBw(u"bc", u"abcabc", 6, 2, false), 2},
      {"must end by start", NumberedPosBw(u"bc", u"abcabc", 5, 1, false), 2},
      {"n = 0", NumberedPosBw(u"bc", u"abcabc", 6, 0, false), 0},
      {"too few", NumberedPosBw(u"bc", u"abcabc", 6, 3, false), 0},
      {"start clamped down", NumberedPosBw(u"bc", u"abcabc", 1000, 1, false), 5},
      {"start clamped up", NumberedPosBw(u"a", u"abcabc", -3, 1, false), 1},
      {"non-overlapping from the right", NumberedPosBw(u"aa", u"aaa", 3, 1, false), 2},
      {"non-overlapping second", NumberedPosBw(u"aa", u"aaa", 3, 2, false), 0},
      {"ignore case", NumberedPosBw(u"BC", u"abcaBc", 6, 2, true), 2},
      {"empty text", NumberedPosBw(u"a", u"", 1, 1, false), 0},
      {"empty search", NumberedPosBw(u"", u"abc", 3, 1, false), 0},
  });
}

TEST(EditSearch, PosLastAndTestAllChar) {
  CheckAll({
      {"PosLast", PosLast(u"bc", u"abcabc"), 5},
      {"PosLast non-overlapping", PosLast(u"aa", u"aaa"), 1},
      {"PosLast none", PosLast(u"x", u"abc"), 0},
      {"PosLast empty", PosLast(u"", u"abc"), 0},
      {"PosLast case sensitive", PosLast(u"A", u"Aa"), 1},
  });
  EXPECT_FALSE(TestAllChar(u"", u'x'));
  EXPECT_TRUE(TestAllChar(u"xxx", u'x'));
  EXPECT_FALSE(TestAllChar(u"xxX", u'x'));
}

TEST(EditSearch, LongTextsCrossTheVectorBlocks) {
  // Occurrences at every offset near block borders of the vectorized scan.
  for (size_t len = 1; len <= 40; ++len) {
    for (size_t at = 0; at + 3 <= len; ++at) {
      String t(len, u'x');
      t.replace(at, 3, u"abc");
      SCOPED_TRACE(testing::Message() << "len " << len << " at " << at);
      EXPECT_EQ(NumberedPos(u"abc", t, 1, 1, false), static_cast<int32_t>(at + 1));
      EXPECT_EQ(PosLast(u"abc", t), static_cast<int32_t>(at + 1));
      EXPECT_EQ(NumberedPos(u"c", t, 1, 1, false), static_cast<int32_t>(at + 3));
      EXPECT_EQ(NumberedPos(u"abc", t, static_cast<int32_t>(at + 2), 1, false), 0);
    }
  }
}

TEST(EditSets, StringContains) {
  struct SetCase {
    const char* what;
    String text, set;
    bool contains, otherThan;
  };
  const Char c0 = 0, c31 = 31, c32 = 32, c127 = 127, c128 = 128, c255 = 255, c256 = 256;
  const std::vector<SetCase> cases = {
      {"no digit", u"abc", u"//dig", false, true},
      {"a digit", u"a1", u"//dig", true, true},
      {"digits only", u"123", u"//dig", true, false},
      {"two keywords", u"12a", u"//dig//uc", true, true},
      {"two keywords cover", u"12AZ", u"//dig//uc", true, false},
      {"lower case", u"az", u"//lc", true, false},
      {"plain characters", u"xyz", u"zyx", true, false},
      {"lone slash", u"/", u"/", true, false},
      {"slash in text, keyword in set", u"/", u"//dig", false, true},
      {"broken keyword is plain", u"d/", u"//di", true, false},
      {"keyword repeated", u"5", u"//dig//dig", true, false},
      {"extra slash before keyword", u"/7", u"///dig", true, false},
      {"control characters", String(1, c0) + c31, u"//31dwn", true, false},
      {"blank is not control", String(1, c32), u"//31dwn", false, true},
      {"128up", String(1, c128) + c255, u"//128up", true, false},
      {"127 not in 128up", String(1, c127), u"//128up", false, true},
      {"text above 255 never in the set", String(1, c256), u"//128up", false, true},
      {"set character above 255 ignored", String(1, c256), String(1, c256), false, true},
      {"set char above 255 does not alias its low byte", u"A", String(1, Char(0x141)), false,
       true},
      {"empty text", u"", u"abc", false, false},
      {"empty set", u"a", u"", false, true},
  };
  for (const SetCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(StringContains(c.text, c.set), c.contains);
    EXPECT_EQ(StringContainsOtherThan(c.text, c.set), c.otherThan);
  }
}

// ---- Reference models, written as plainly as the rules read ----

Char Lower(Char c) { return (c >= u'A' && c <= u'Z') ? Char(c + 32) : c; }

bool MatchAt(const String& t, size_t i, const String& s, bool ignoreCase) {
  if (i + s.size() > t.size()) return false;
  for (size_t k = 0; k < s.size(); ++k) {
    Char a = t[i + k], b = s[k];
    if (ignoreCase ? Lower(a) != Lower(b) : a != b) return false;
  }
  return true;
}

// 0-based first match at or after `from`, or npos.
size_t RefFind(const String& t, const String& s, size_t from, bool ignoreCase) {
  for (size_t i = from; i + s.size() <= t.size(); ++i)
    if (MatchAt(t, i, s, ignoreCase)) return i;
  return String::npos;
}

int32_t RefNumberedPos(const String& s, const String& t, int32_t start, int32_t n, bool ic) {
  if (start < 1) start = 1;
  if (s.empty() || n <= 0 || static_cast<size_t>(start) > t.size()) return 0;
  String rest = t.substr(static_cast<size_t>(start) - 1);
  size_t from = 0, found = String::npos;
  for (int32_t k = 0; k < n; ++k) {
    found = RefFind(rest, s, from, ic);
    if (found == String::npos) return 0;
    from = found + s.size();
  }
  return static_cast<int32_t>(found) + start;
}

// Reverses both strings and searches forwards.
int32_t RefNumberedPosBw(const String& s, const String& t, int32_t start, int32_t n, bool ic) {
  if (s.empty() || n <= 0 || t.empty()) return 0;
  start = std::clamp<int32_t>(start, 1, static_cast<int32_t>(t.size()));
  String rt(t.rend() - start, t.rend());
  String rs(s.rbegin(), s.rend());
  int32_t p = RefNumberedPos(rs, rt, 1, n, ic);
  if (p == 0) return 0;
  return start - p - static_cast<int32_t>(s.size()) + 2;
}

int32_t RefPosLast(const String& s, const String& t) {
  if (s.empty()) return 0;
  int32_t last = 0;
  for (size_t i = RefFind(t, s, 0, false); i != String::npos; i = RefFind(t, s, i + s.size(), false))
    last = static_cast<int32_t>(i) + 1;
  return last;
}

int32_t RefCount(const String& s, const String& t, bool caseSensitive) {
  if (s.empty()) return 0;
  int32_t n = 0;
  for (size_t i = RefFind(t, s, 0, !caseSensitive); i != String::npos;
       i = RefFind(t, s, i + s.size(), !caseSensitive))
    ++n;
  return n;
}

// Replaces through NumberedPos on the text built so far, resuming right
// after each inserted replacement.
String RefReplace(const String& t, const String& s, const String& r, bool ic) {
  if (s.empty()) return t;
  String out = t;
  int32_t from = 1;
  for (;;) {
    int32_t p = RefNumberedPos(s, out, from, 1, ic);
    if (p == 0) return out;
    out.replace(static_cast<size_t>(p) - 1, s.size(), r);
    from = p + static_cast<int32_t>(r.size());
  }
}

// Expands the keywords in passes, then tests membership character by
// character.
bool RefContains(const String& text, String set, bool otherThan) {
  struct Kw {
    String name;
    unsigned first, last;
  };
  const Kw kws[] = {{u"//dig", '0', '9'}, {u"//lc", 'a', 'z'}, {u"//uc", 'A', 'Z'},
                    {u"//31dwn", 0, 31}, {u"//128up", 128, 255}};
  for (bool replaced = true; replaced;) {
    replaced = false;
    for (const Kw& k : kws) {
      size_t p = set.find(k.name);
      if (p == String::npos) continue;
      String exp;
      for (unsigned c = k.first; c <= k.last; ++c) exp.push_back(static_cast<Char>(c));
      set.replace(p, k.name.size(), exp);
      replaced = true;
    }
  }
  for (Char c : text) {
    bool in = c < 256 && set.find(c) != String::npos;
    if (in != otherThan) return true;
  }
  return false;
}

String RandomText(std::mt19937& rng, const String& alphabet, size_t maxLen) {
  std::uniform_int_distribution<size_t> len(0, maxLen);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  String s(len(rng), u' ');
  for (Char& c : s) c = alphabet[pick(rng)];
  return s;
}

TEST(EditRandomized, SearchFunctionsMatchTheReferenceModel) {
  std::mt19937 rng(20240611u);
  const String alphabet = u"aAbB";
  std::uniform_int_distribution<int32_t> startDist(-2, 80);
  std::uniform_int_distribution<int32_t> nDist(-1, 6);
  for (int iter = 0; iter < 20000; ++iter) {
    const String t = RandomText(rng, alphabet, 70);
    const String s = RandomText(rng, alphabet, 4);
    const String r = RandomText(rng, u"aBx", 3);
    const int32_t start = startDist(rng), n = nDist(rng);
    const bool flag = (rng() & 1) != 0;
    SCOPED_TRACE(testing::Message() << "t=" << ToUtf8(t) << " s=" << ToUtf8(s) << " r="
                                    << ToUtf8(r) << " start=" << start << " n=" << n
                                    << " flag=" << flag);
    ASSERT_EQ(NumberedPos(s, t, start, n, flag), RefNumberedPos(s, t, start, n, flag));
    ASSERT_EQ(NumberedPosBw(s, t, start, n, flag), RefNumberedPosBw(s, t, start, n, flag));
    ASSERT_EQ(PosLast(s, t), RefPosLast(s, t));
    ASSERT_EQ(CountStringInString(s, t, flag), RefCount(s, t, flag));
    ASSERT_EQ(ReplaceStringInString(t, s, r, flag), RefReplace(t, s, r, flag));
  }
}

TEST(EditRandomized, SetTestsMatchTheReferenceModel) {
  std::mt19937 rng(77u);
  // Pieces that make keywords, broken keywords and stray slashes likely.
  const std::vector<String> pieces = {u"//dig", u"//lc", u"//uc", u"//31dwn", u"//128up",
                                      u"/",     u"//",   u"d",    u"ig",      u"1",
                                      u"x",     u"A",    u"\u0100", String(1, Char(5)),
                                      String(1, Char(200))};
  const String textAlphabet = String(u"aZ5/ \u00E9\u0101") + Char(3) + Char(130);
  std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> count(0, 6);
  for (int iter = 0; iter < 5000; ++iter) {
    String set;
    for (int k = count(rng); k > 0; --k) set += pieces[pick(rng)];
    const String text = RandomText(rng, textAlphabet, 6);
    SCOPED_TRACE(testing::Message() << "set=" << ToUtf8(set) << " text=" << ToUtf8(text));
    ASSERT_EQ(StringContains(text, set), RefContains(text, set, false));
    ASSERT_EQ(StringContainsOtherThan(text, set), RefContains(text, set, true));
  }
}

}  // namespace
}  // namespace kvo
