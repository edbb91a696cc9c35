// TGrep's matcher against a plain recursive backtracking search.
//
// The reference below searches the compiled tokens (read back through
// GetRegExpToken) exactly as the matching rules say, with no memory of
// failed attempts. The matcher must give the same result, the same match
// positions and, after a match, the same ValidFrom for every token. Random
// small patterns over a small alphabet (faulty ones included: their tokens
// are matched too) and random short inputs, with a fixed seed.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "stringl/grep.h"
#include "tests/stringl/test_grep_describe.h"

namespace kvo {
namespace {

class ReferenceMatcher {
 public:
  ReferenceMatcher(const TGrep& g, const String& text, bool ignoreCase) : s_(text) {
    n_ = g.NrOfRegExpTokens();
    for (int32_t k = 1; k <= n_; ++k) re_.push_back(g.GetRegExpToken(k));
    if (ignoreCase) {
      for (Char& c : s_) {
        if (c >= u'A' && c <= u'Z') c = static_cast<Char>(c + 32);
      }
    }
    L_ = static_cast<int32_t>(s_.size());
    validFrom_.assign(static_cast<size_t>(n_) + 1, 0);
  }

  // MatchString's rules with the decisions about out-of-range starts.
  bool Run(int32_t ssp, int32_t& start, int32_t& end) {
    start = end = 0;
    if (n_ == 1 && re_[0].Action == taMult0) {
      if (L_ > 0 && L_ < ssp) return false;
      start = 1;
      end = L_;
      validFrom_[1] = 1;
      return true;
    }
    int32_t p = std::max(ssp, 1);
    if (p > L_ + 1) return false;
    if (n_ == 0) {
      start = p;
      end = p - 1;
      return true;
    }
    for (;;) {
      if (Match(p, 1)) {
        start = validFrom_[1];
        end = end_;
        return true;
      }
      if (re_[0].Action == taBol || p >= L_) return false;
      ++p;
    }
  }

  int32_t ValidFrom(int32_t k) const { return validFrom_[static_cast<size_t>(k)]; }

 private:
  const TGrepToken& T(int32_t k) const { return re_[static_cast<size_t>(k - 1)]; }

  bool Member(int32_t k, int32_t q) const {
    Char c = s_[static_cast<size_t>(q - 1)];
    return c <= 255 && T(k).Params[c] == u'*';
  }

  bool StringAt(int32_t k, int32_t q, int32_t n) const {
    if (q + n - 1 > L_) return false;
    for (int32_t i = 0; i < n; ++i) {
      if (s_[static_cast<size_t>(q - 1 + i)] != T(k).Params[static_cast<size_t>(i + 1)]) return false;
    }
    return true;
  }

  // Length of one repetition of the operand of token k at q, or 0.
  int32_t Rep(int32_t k, int32_t q) const {
    int32_t n = T(k).NumChars;
    if (n == 0) return q <= L_ ? 1 : 0;
    if (n < 0) return (q <= L_ && Member(k, q)) ? 1 : 0;
    return StringAt(k, q, n) ? n : 0;
  }

  bool Match(int32_t p, int32_t k) {
    const TGrepToken& t = T(k);
    bool ok = true;
    switch (t.Action) {
      case taNormal: ok = StringAt(k, p, t.NumChars); break;
      case taAnyByte: ok = p <= L_; break;
      case taEol: ok = p > L_; break;
      case taBol: ok = p == 1; break;
      case taSet: ok = p <= L_ && Member(k, p); break;
      case taMult0:
      case taOpti: break;
      case taMult1: ok = Rep(k, p) > 0; break;
    }
    if (!ok) return false;
    validFrom_[static_cast<size_t>(k)] = p;
    if (k == n_) {
      switch (t.Action) {
        case taNormal: end_ = p + t.NumChars - 1; break;
        case taAnyByte:
        case taSet: end_ = p; break;
        case taEol: end_ = L_; break;
        case taBol: end_ = 0; break;  // empty, like "$" (see grep.h)
        case taMult0:
        case taMult1: {
          int32_t q = p;
          while (int32_t len = Rep(k, q)) q += len;
          end_ = q - 1;
          break;
        }
        case taOpti: end_ = Rep(k, p) > 0 ? p + Rep(k, p) - 1 : p - 1; break;
      }
      return true;
    }
    switch (t.Action) {
      case taNormal: return Match(p + t.NumChars, k + 1);
      case taAnyByte:
      case taSet: return Match(p + 1, k + 1);
      case taBol: return Match(1, k + 1);
      case taEol: return Match(p, k + 1);
      case taMult0:
      case taMult1: {
        int32_t q = p;
        if (t.Action == taMult1) q += Rep(k, p);
        for (;;) {
          if (Match(q, k + 1)) return true;
          int32_t len = Rep(k, q);
          if (len == 0) return false;
          q += len;
        }
      }
      case taOpti: {
        if (Match(p, k + 1)) return true;
        int32_t len = Rep(k, p);
        return len > 0 && Match(p + len, k + 1);
      }
    }
    return false;
  }

  String s_;
  std::vector<TGrepToken> re_;
  int32_t n_ = 0;
  int32_t L_ = 0;
  int32_t end_ = 0;
  std::vector<int32_t> validFrom_;
};

TEST(GrepRandomTest, MatchesPlainBacktrackingSearch) {
  std::mt19937 rng(20240611);
  // Pieces of patterns: literals from a small alphabet and every
  // metacharacter, so that sets, groups, ranges, quoting and errors appear.
  const std::vector<std::u16string> pieces = {
      u"a", u"b", u"A", u"c", u".", u"*", u"+", u"?", u"[", u"]", u"^", u"-",
      u"(", u")", u"$", u"\\", u"[ab]", u"[^a]", u"(ab)", u"a*", u"b+", u".*", u"\\#61"};
  const std::u16string alphabet = u"abcAB";
  auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };

  int matched = 0, compared = 0;
  for (int iter = 0; iter < 6000; ++iter) {
    std::u16string pattern;
    size_t npieces = 1 + pick(6);
    for (size_t i = 0; i < npieces; ++i) pattern += pieces[pick(pieces.size())];
    bool ignoreCase = pick(3) == 0;
    TGrep g;
    g.SetStopOnError(false);
    g.SetIgnoreCase(ignoreCase);
    g.SetRegExp(pattern);
    for (int t = 0; t < 8; ++t) {
      std::u16string text;
      size_t len = pick(13);
      for (size_t i = 0; i < len; ++i) text += alphabet[pick(alphabet.size())];
      int32_t ssp = static_cast<int32_t>(pick(len + 3));  // 0 ... L + 2
      SCOPED_TRACE(ToUtf8(pattern) + " (" + kvo::testing::Describe(g) + ") on '" +
                   ToUtf8(text) + "' from " + std::to_string(ssp) +
                   (ignoreCase ? " ignoring case" : ""));
      ReferenceMatcher ref(g, text, ignoreCase);
      int32_t refStart = 0, refEnd = 0;
      bool refFound = ref.Run(ssp, refStart, refEnd);

      g.SetSearchStartPos(ssp);
      int32_t pos = -1;
      bool found = g.MatchString(text, pos);
      ++compared;
      ASSERT_EQ(found, refFound);
      if (!found) continue;
      ++matched;
      ASSERT_EQ(pos, refStart);
      ASSERT_EQ(g.MatchStartPos(), refStart);
      ASSERT_EQ(g.MatchEndPos(), refEnd);
      for (int32_t k = 1; k <= g.NrOfRegExpTokens(); ++k) {
        ASSERT_EQ(g.GetRegExpToken(k).ValidFrom, ref.ValidFrom(k)) << "token " << k;
      }
    }
  }
  // Both outcomes must be well represented for the comparison to mean much.
  EXPECT_GT(matched, compared / 5);
  EXPECT_LT(matched, compared * 4 / 5);
}

}  // namespace
}  // namespace kvo
