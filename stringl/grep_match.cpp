// TGrep: the matcher.
//
// Match(p, k) decides whether tokens k ... last match the text from
// position p on, exactly as a plain recursive backtracking search would,
// including the order in which alternatives are tried (and so the match
// found and every token's ValidFrom). Its result depends only on (p, k), so
// a pair that failed once fails again: failed pairs are remembered in a bit
// table for the duration of one MatchString call and never searched twice.
//
// A failed multiplier says more than its own pair. When "x*" at p fails,
// every continuation from the positions of its run of repetitions failed,
// and "x*" (or "x+") at any later position of that run would only try a
// subset of them; so the whole run is marked, and a loop over a run stops
// as soon as it reaches a position already known to fail. Each (token,
// position) pair is then worked on once and each run position walked over
// once, so a call costs about tokens x length steps.
#include <algorithm>
#include <cstring>
#include <limits>

#include "stringl/grep.h"

namespace kvo {

namespace {

constexpr Char LowerAscii(Char c) { return (c >= u'A' && c <= u'Z') ? Char(c + 32) : c; }

class Matcher {
 public:
  Matcher(TRegExp& re, int32_t nTokens, const std::array<bool, TRegExp::Size + 1>& high,
          StringView s, int32_t len, bool ignoreCase, uint64_t* memo, int32_t base,
          size_t rowWords)
      : re_(re), n_(nTokens), high_(high), s_(s.data()), L_(len), ic_(ignoreCase),
        memo_(memo), base_(base), rowWords_(rowWords) {}

  // The character at position p (1 <= p <= L), lower-cased when ignoring
  // case.
  Char At(int32_t p) const {
    Char c = s_[p - 1];
    return ic_ ? LowerAscii(c) : c;
  }

  // Whether c is a member of the set held in token k's Params.
  bool Member(int32_t k, Char c) const {
    return c <= 255 ? re_[k].Params[c] == u'*' : high_[static_cast<size_t>(k)];
  }

  // Whether the n characters Params[1 ... n] stand at p.
  bool StringAt(const TGrepToken& t, int32_t p, int32_t n) const {
    if (int64_t{p} + n - 1 > L_) return false;
    for (int32_t i = 0; i < n; ++i) {
      if (At(p + i) != t.Params[static_cast<size_t>(i + 1)]) return false;
    }
    return true;
  }

  // Length of one repetition of token k's operand at q, 0 when none fits.
  int32_t Rep(int32_t k, int32_t q) const {
    const TGrepToken& t = re_[k];
    if (t.NumChars <= 0) {
      if (q > L_) return 0;
      return (t.NumChars == 0 || Member(k, At(q))) ? 1 : 0;
    }
    return StringAt(t, q, t.NumChars) ? t.NumChars : 0;
  }

  // The first position from p up to last at which token 1 can match at
  // all, judged by the first character it needs; last + 1 when there is
  // none. Lets the start loop skip positions without entering the search.
  int32_t NextStart(int32_t p, int32_t last) const {
    const TGrepToken& t = re_[1];
    const int32_t lastChar = std::min(last, L_);  // a character is needed
    switch (t.Action) {
      case taNormal:
        if (t.NumChars == 0) return p;
        return ScanFor(p, lastChar, last, t.Params[1]);
      case taSet:
        return ScanSet(p, lastChar, last);
      case taMult1:
        if (t.NumChars > 0) return ScanFor(p, lastChar, last, t.Params[1]);
        if (t.NumChars < 0) return ScanSet(p, lastChar, last);
        return p <= lastChar ? p : last + 1;
      case taAnyByte:
        return p <= lastChar ? p : last + 1;
      default:
        return p;
    }
  }

  bool Match(int32_t p, int32_t k) {
    if (Failed(k, p)) return false;
    if (MatchPair(p, k)) return true;
    MarkFailed(k, p);
    return false;
  }

  int32_t EndPos() const { return end_; }
  int32_t HighestMarked() const { return hiMarked_; }

 private:
  int32_t ScanFor(int32_t p, int32_t lastChar, int32_t last, Char c) const {
    for (; p <= lastChar; ++p) {
      if (At(p) == c) return p;
    }
    return last + 1;
  }
  int32_t ScanSet(int32_t p, int32_t lastChar, int32_t last) const {
    for (; p <= lastChar; ++p) {
      if (Member(1, At(p))) return p;
    }
    return last + 1;
  }

  bool Failed(int32_t k, int32_t p) const {
    size_t i = static_cast<size_t>(p - base_);
    return (memo_[static_cast<size_t>(k - 1) * rowWords_ + i / 64] >> (i % 64)) & 1u;
  }
  void MarkFailed(int32_t k, int32_t p) {
    size_t i = static_cast<size_t>(p - base_);
    memo_[static_cast<size_t>(k - 1) * rowWords_ + i / 64] |= uint64_t{1} << (i % 64);
    hiMarked_ = std::max(hiMarked_, p);
  }

  // The position after the longest run of repetitions of token k's operand
  // starting at p.
  int32_t RunEnd(int32_t k, int32_t p) const {
    if (re_[k].NumChars == 0) return std::max(p, L_ + 1);
    int32_t q = p;
    while (int32_t len = Rep(k, q)) q += len;
    return q;
  }

  // Tries the continuations k + 1 for the multiplier k at p, from q on and
  // then one repetition further each time (q is p for "*", p + one
  // repetition for "+"). When all fail, the multiplier is marked failed at
  // every run position from p to the last one tried: from each of them it
  // would only try a subset of what failed here.
  bool TryRun(int32_t k, int32_t p, int32_t q) {
    int32_t last;
    for (;;) {
      if (Match(q, k + 1)) return true;
      last = q;
      // The multiplier is known to fail at this later run position, so all
      // further continuations of the run fail too.
      if (q != p && Failed(k, q)) break;
      int32_t len = Rep(k, q);
      if (len == 0) break;
      q += len;
    }
    int32_t step = re_[k].NumChars > 0 ? re_[k].NumChars : 1;
    for (int32_t r = p; r <= last; r += step) MarkFailed(k, r);
    return false;
  }

  bool MatchPair(int32_t p, int32_t k) {
    TGrepToken& t = re_[k];
    switch (t.Action) {  // 1. the token's own test
      case taNormal:
        if (!StringAt(t, p, t.NumChars)) return false;
        break;
      case taAnyByte:
        if (p > L_) return false;
        break;
      case taEol:
        if (p <= L_) return false;
        break;
      case taBol:
        if (p != 1) return false;
        break;
      case taSet:
        if (p > L_ || !Member(k, At(p))) return false;
        break;
      case taMult0:
      case taOpti:
        break;
      case taMult1:
        if (Rep(k, p) == 0) return false;
        break;
    }
    t.ValidFrom = p;  // 2.
    if (k == n_) {    // 3. the last token ends the match
      switch (t.Action) {
        case taNormal: end_ = p + t.NumChars - 1; break;
        case taAnyByte:
        case taSet: end_ = p; break;
        case taEol: end_ = L_; break;
        case taBol: end_ = 0; break;  // an empty match at 1, as "$" is at L + 1
        case taMult0:
        case taMult1: end_ = RunEnd(k, p) - 1; break;
        case taOpti: end_ = p + Rep(k, p) - 1; break;  // p - 1 without a repetition
      }
      return true;
    }
    switch (t.Action) {  // 4. continue with the next token
      case taNormal: return Match(p + t.NumChars, k + 1);
      case taAnyByte:
      case taSet: return Match(p + 1, k + 1);
      case taBol: return Match(1, k + 1);
      case taEol: return Match(p, k + 1);
      case taMult0: return TryRun(k, p, p);
      case taMult1: return TryRun(k, p, p + Rep(k, p));
      case taOpti: {
        if (Match(p, k + 1)) return true;
        int32_t len = Rep(k, p);
        return len > 0 && Match(p + len, k + 1);
      }
    }
    return false;
  }

  TRegExp& re_;
  int32_t n_;
  const std::array<bool, TRegExp::Size + 1>& high_;
  const Char* s_;
  int32_t L_;
  bool ic_;
  uint64_t* memo_;
  int32_t base_;
  size_t rowWords_;
  int32_t end_ = 0;
  int32_t hiMarked_ = 0;
};

// Positions are 32-bit and run up to L + 1; longer texts are searched in
// their first kMaxLen characters.
constexpr int32_t kMaxLen = std::numeric_limits<int32_t>::max() - 2;

}  // namespace

bool TGrep::MatchString(StringView Instring, int32_t& MatchPos) {
  const int32_t L = static_cast<int32_t>(std::min<size_t>(Instring.size(), kMaxLen));
  auto fail = [&] {
    MatchPos = FMatchStartPos = FMatchEndPos = 0;
    return false;
  };

  // A lone "*" token takes the whole input, whatever its operand.
  if (FLengRegExp == 1 && FregExp[1].Action == taMult0) {
    if (L > 0 && L < FSrcStartPos) return fail();
    FMatchEndPos = L;
    FMatchStartPos = MatchPos = 1;
    FregExp[1].ValidFrom = 1;
    return true;
  }

  const int32_t start = std::max(FSrcStartPos, int32_t{1});
  if (start > L + 1) return fail();
  if (FLengRegExp == 0) {
    FMatchStartPos = MatchPos = start;
    FMatchEndPos = start - 1;
    return true;
  }

  // One bit per token and position start ... L + 1. The table is all zero
  // outside a call; only the part marked is cleared afterwards.
  const size_t rowWords = (static_cast<size_t>(L + 1 - start) + 1 + 63) / 64;
  const size_t need = rowWords * static_cast<size_t>(FLengRegExp);
  if (FFailMemo.size() < need) FFailMemo.resize(need, 0);

  Matcher m(FregExp, FLengRegExp, FHighMembers, Instring, L, FIgnoreCase, FFailMemo.data(),
            start, rowWords);
  // Start positions: start, start + 1, ... while the one tried last is below
  // L; only start when the pattern begins with "^".
  const int32_t lastStart = FregExp[1].Action == taBol ? start : std::max(start, L);
  bool found = false;
  for (int32_t p = m.NextStart(start, lastStart); p <= lastStart;
       p = m.NextStart(p + 1, lastStart)) {
    if (m.Match(p, 1)) {
      found = true;
      break;
    }
  }

  if (m.HighestMarked() >= start) {
    size_t words = static_cast<size_t>(m.HighestMarked() - start) / 64 + 1;
    for (int32_t k = 0; k < FLengRegExp; ++k) {
      std::memset(FFailMemo.data() + static_cast<size_t>(k) * rowWords, 0,
                  words * sizeof(uint64_t));
    }
  }

  if (!found) return fail();
  FMatchEndPos = m.EndPos();
  FMatchStartPos = MatchPos = FregExp[1].ValidFrom;
  return true;
}

}  // namespace kvo
