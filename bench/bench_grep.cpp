// TGrep::MatchString against std::regex_search (ECMAScript) on equivalent
// patterns over a 1 MB text, and TGrep on a pattern that makes a plain
// backtracking search take exponential time.
//
// The text: random words over letters without c, q, x and z, and numbers,
// separated by blanks, with "neeedle2024" at the very end. Each pattern
// pair is checked to give the same match before it is timed. Lazy
// multipliers in the middle of a TGrep pattern are written "+?" / "*?" for
// std::regex.
#include <benchmark/benchmark.h>

#include <random>
#include <regex>
#include <string>

#include "stringl/grep.h"

namespace {

const std::string& Text() {
  static const std::string text = [] {
    std::mt19937 rng(12345);
    const std::string letters = "abdefghijklmnoprstuvwy";
    std::string t;
    const size_t size = 1 << 20;
    while (t.size() < size - 16) {
      size_t len = 1 + rng() % 8;
      bool number = rng() % 6 == 0;
      for (size_t i = 0; i < len; ++i) {
        t += number ? static_cast<char>('0' + rng() % 10) : letters[rng() % letters.size()];
      }
      t += ' ';
    }
    t += "neeedle2024";
    return t;
  }();
  return text;
}

const kvo::String& Text16() {
  static const kvo::String text = kvo::FromLatin1(Text());
  return text;
}

struct PatternPair {
  const char16_t* grep;
  const char* ecma;
  bool ignoreCase;
};

// Absent patterns scan the whole text; the last one matches at its end.
const PatternPair kPairs[] = {
    {u"quiz", "quiz", false},
    {u"QUIZ", "QUIZ", true},
    {u"[0-9]+x", "[0-9]+?x", false},
    {u"(ab)+c", "(?:ab)+?c", false},
    {u"b[aeiou]*z", "b[aeiou]*?z", false},
    {u"ne+dle[0-9]+", "ne+?dle[0-9]+", false},
};

// Checks that both find the same match, so that the timings compare equals.
bool SameResult(kvo::TGrep& g, const std::regex& re) {
  int32_t pos = 0;
  bool ours = g.MatchString(Text16(), pos);
  std::smatch m;
  bool theirs = std::regex_search(Text(), m, re);
  if (ours != theirs) return false;
  if (!ours) return true;
  return pos == m.position(0) + 1 && g.MatchEndPos() == m.position(0) + m.length(0);
}

void BM_TGrep(benchmark::State& state) {
  const PatternPair& p = kPairs[state.range(0)];
  kvo::TGrep g;
  g.SetIgnoreCase(p.ignoreCase);
  g.SetRegExp(p.grep);
  std::regex re(p.ecma, p.ignoreCase ? std::regex::ECMAScript | std::regex::icase
                                     : std::regex::ECMAScript);
  if (!SameResult(g, re)) {
    state.SkipWithError("TGrep and std::regex disagree");
    return;
  }
  state.SetLabel(kvo::ToUtf8(p.grep));
  for (auto _ : state) {
    int32_t pos = 0;
    benchmark::DoNotOptimize(g.MatchString(Text16(), pos));
    benchmark::DoNotOptimize(pos);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(Text().size()));
}

void BM_StdRegex(benchmark::State& state) {
  const PatternPair& p = kPairs[state.range(0)];
  std::regex re(p.ecma, p.ignoreCase ? std::regex::ECMAScript | std::regex::icase
                                     : std::regex::ECMAScript);
  state.SetLabel(p.ecma);
  for (auto _ : state) {
    std::smatch m;
    benchmark::DoNotOptimize(std::regex_search(Text(), m, re));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(Text().size()));
}

constexpr int kNumPairs = static_cast<int>(sizeof kPairs / sizeof kPairs[0]);
BENCHMARK(BM_TGrep)->DenseRange(0, kNumPairs - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdRegex)->DenseRange(0, kNumPairs - 1)->Unit(benchmark::kMillisecond);

// Every number in the text, one MatchString call per match with
// SearchStartPos moved behind the previous match.
void BM_TGrep_AllNumbers(benchmark::State& state) {
  kvo::TGrep g;
  g.SetRegExp(u"[0-9]+");
  int64_t count = 0;
  for (auto _ : state) {
    count = 0;
    g.SetSearchStartPos(1);
    int32_t pos = 0;
    while (g.MatchString(Text16(), pos)) {
      ++count;
      g.SetSearchStartPos(g.MatchEndPos() + 1);
    }
    benchmark::DoNotOptimize(count);
  }
  state.counters["matches"] = static_cast<double>(count);
}

void BM_StdRegex_AllNumbers(benchmark::State& state) {
  std::regex re("[0-9]+");
  int64_t count = 0;
  for (auto _ : state) {
    count = std::distance(std::sregex_iterator(Text().begin(), Text().end(), re),
                          std::sregex_iterator());
    benchmark::DoNotOptimize(count);
  }
  state.counters["matches"] = static_cast<double>(count);
}

BENCHMARK(BM_TGrep_AllNumbers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdRegex_AllNumbers)->Unit(benchmark::kMillisecond);

// "a*a*a*a*a*a*b" on a run of n letters a: no match. A plain backtracking
// search tries every split of the run among the six multipliers from every
// start, about n^7 / 720 steps.
void BM_TGrep_Pathological(benchmark::State& state) {
  kvo::TGrep g;
  g.SetRegExp(u"a*a*a*a*a*a*b");
  const kvo::String text(static_cast<size_t>(state.range(0)), u'a');
  for (auto _ : state) {
    int32_t pos = 0;
    benchmark::DoNotOptimize(g.MatchString(text, pos));
  }
}

void BM_StdRegex_Pathological(benchmark::State& state) {
  std::regex re("a*?a*?a*?a*?a*?a*?b");
  const std::string text(static_cast<size_t>(state.range(0)), 'a');
  for (auto _ : state) {
    std::smatch m;
    benchmark::DoNotOptimize(std::regex_search(text, m, re));
  }
}

BENCHMARK(BM_TGrep_Pathological)->Arg(30)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StdRegex_Pathological)->Arg(30)->Unit(benchmark::kMicrosecond);

}  // namespace
