// ReplaceStringInString and NumberedPos on a text of 2^20 characters, each
// beside a plain std::u16string::find loop doing the same work.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "stringl/edit.h"

namespace {

using kvo::String;

// Words with a common start letter, so that first-character hits are
// frequent and the search has to compare.
const String& Text() {
  static const String text = [] {
    const char16_t* words[] = {u"alpha", u"angle", u"answer", u"apple", u"arrow",
                               u"needle", u"anchor", u"amber", u"atlas", u"aspen"};
    std::mt19937 rng(1);
    String t;
    t.reserve((1u << 20) + 16);
    while (t.size() < (1u << 20)) {
      t += words[rng() % 10];
      t += u' ';
    }
    t.resize(1u << 20);
    return t;
  }();
  return text;
}

const String kSearch = u"needle";
const String kReplacement = u"pin";

String PeerReplace(const String& t, const String& s, const String& r) {
  String out;
  out.reserve(t.size());
  size_t from = 0;
  for (size_t i = t.find(s); i != String::npos; i = t.find(s, from)) {
    out.append(t, from, i - from);
    out.append(r);
    from = i + s.size();
  }
  out.append(t, from, String::npos);
  return out;
}

String PeerLower(const String& s) {
  String r(s);
  for (char16_t& c : r)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  return r;
}

// Position of the n-th non-overlapping occurrence from position `start`.
size_t PeerNumberedPos(const String& t, const String& s, size_t start, int n) {
  size_t i = start;
  for (int k = 0; k < n; ++k) {
    i = t.find(s, i);
    if (i == String::npos) return 0;
    if (k + 1 == n) return i + 1;
    i += s.size();
  }
  return 0;
}

int Occurrences() {
  static const int n = kvo::CountStringInString(kSearch, Text(), true);
  return n;
}

void BM_Replace_kvo(benchmark::State& st) {
  const String& t = Text();
  for (auto _ : st) benchmark::DoNotOptimize(kvo::ReplaceStringInString(t, kSearch, kReplacement, false));
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * t.size() * 2);
}
void BM_Replace_peer_find(benchmark::State& st) {
  const String& t = Text();
  for (auto _ : st) benchmark::DoNotOptimize(PeerReplace(t, kSearch, kReplacement));
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * t.size() * 2);
}
void BM_ReplaceIgnoreCase_kvo(benchmark::State& st) {
  const String& t = Text();
  const String s = u"NeeDLE";
  for (auto _ : st) benchmark::DoNotOptimize(kvo::ReplaceStringInString(t, s, kReplacement, true));
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * t.size() * 2);
}
void BM_ReplaceIgnoreCase_peer_find(benchmark::State& st) {
  const String& t = Text();
  const String s = u"NeeDLE";
  // The peer works on lowered copies, then keeps the original characters.
  for (auto _ : st) {
    String lt = PeerLower(t), ls = PeerLower(s), out;
    out.reserve(t.size());
    size_t from = 0;
    for (size_t i = lt.find(ls); i != String::npos; i = lt.find(ls, from)) {
      out.append(t, from, i - from);
      out.append(kReplacement);
      from = i + ls.size();
    }
    out.append(t, from, String::npos);
    benchmark::DoNotOptimize(out);
  }
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * t.size() * 2);
}
// The last occurrence counted from the start: the whole text is scanned.
void BM_NumberedPos_kvo(benchmark::State& st) {
  const String& t = Text();
  const int n = Occurrences();
  for (auto _ : st) benchmark::DoNotOptimize(kvo::NumberedPos(kSearch, t, 1, n, false));
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * t.size() * 2);
}
void BM_NumberedPos_peer_find(benchmark::State& st) {
  const String& t = Text();
  const int n = Occurrences();
  for (auto _ : st) benchmark::DoNotOptimize(PeerNumberedPos(t, kSearch, 0, n));
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * t.size() * 2);
}
// A pattern that never occurs, with a frequent first character.
void BM_NumberedPosMiss_kvo(benchmark::State& st) {
  const String& t = Text();
  const String s = u"anchorage";
  for (auto _ : st) benchmark::DoNotOptimize(kvo::NumberedPos(s, t, 1, 1, false));
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * t.size() * 2);
}
void BM_NumberedPosMiss_peer_find(benchmark::State& st) {
  const String& t = Text();
  const String s = u"anchorage";
  for (auto _ : st) benchmark::DoNotOptimize(PeerNumberedPos(t, s, 0, 1));
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * t.size() * 2);
}

}  // namespace

BENCHMARK(BM_Replace_kvo);
BENCHMARK(BM_Replace_peer_find);
BENCHMARK(BM_ReplaceIgnoreCase_kvo);
BENCHMARK(BM_ReplaceIgnoreCase_peer_find);
BENCHMARK(BM_NumberedPos_kvo);
BENCHMARK(BM_NumberedPos_peer_find);
BENCHMARK(BM_NumberedPosMiss_kvo);
BENCHMARK(BM_NumberedPosMiss_peer_find);
