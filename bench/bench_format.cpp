// strff, FormatData and SigDigStr against snprintf producing the same text.
//
// Each peer writes exactly the text ours gives (checked before timing) for
// the same values: "%*.*Lf" / "%*.*f" for the fixed form and "% *.*E" for
// the short exponent form (snprintf's exponent has two digits there, like
// ours). Peers "...Snprintf" only fill a char buffer; peers
// "...SnprintfString" also make the String our functions return.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "platform/strings.h"
#include "stringl/format.h"

namespace {

using kvo::String;

// Values of everyday size: 1e-3 ... 1e6 with full 53-bit mantissas.
const std::vector<double>& Values() {
  static const std::vector<double> v = [] {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mant(1.0, 10.0);
    std::vector<double> r;
    for (int i = 0; i < 256; ++i) {
      const int e = static_cast<int>(rng() % 10) - 3;
      r.push_back(mant(rng) * std::pow(10.0, e) * (rng() % 4 == 0 ? -1 : 1));
    }
    return r;
  }();
  return v;
}

String Widen(const char* s, int n) { return String(s, s + n); }

// --- the peers ------------------------------------------------------------

int PeerStrffFixed(char* buf, size_t size, long double x) {
  return std::snprintf(buf, size, "%*.*Lf", 10, 3, x);
}

int PeerStrffFixedDouble(char* buf, size_t size, double x) {
  return std::snprintf(buf, size, "%*.*f", 10, 3, x);
}

int PeerStrffShort(char* buf, size_t size, long double x) {
  return std::snprintf(buf, size, "% *.*LE", 12, 12 - 7, x);
}

// FormatData(x, 8, 3): fixed for 0.001 <= |x| <= 999999.999, else the short
// exponent form of width 14.
int PeerFormatData(char* buf, size_t size, double x) {
  const double a = std::fabs(x);
  if (a <= 999999.999 && (a >= 0.001 || x == 0)) return std::snprintf(buf, size, "%*.*f", 8, 3, x);
  return std::snprintf(buf, size, "% *.*E", 14, 14 - 7, x);
}

// SigDigStr(x, 10, 4) as a C programmer would write it: e from log10.
int PeerSigDigStr(char* buf, size_t size, double x) {
  const int w = 10, n = 4, m = 10;
  if (x == 0) return std::snprintf(buf, size, "%*.*f", w, n - 1, x);
  const int e = static_cast<int>(std::floor(std::log10(std::fabs(x)) + 1));
  if (n < e) {
    if (e >= w) return std::snprintf(buf, size, "% *.*E", m, m - 7, x);
    return std::snprintf(buf, size, "%*.*f", w, 0, x);
  }
  if (e < n - w + 3) return std::snprintf(buf, size, "% *.*E", m, m - 7, x);
  return std::snprintf(buf, size, "%*.*f", w, n - e, x);
}

// --- same text, checked once ------------------------------------------------

template <typename Ours, typename Peer>
bool SameText(benchmark::State& state, Ours ours, Peer peer) {
  char buf[64];
  for (double x : Values()) {
    const int n = peer(buf, sizeof buf, x);
    if (ours(x) != Widen(buf, n)) {
      state.SkipWithError(("different text for " + std::to_string(x) + ": " + buf).c_str());
      return false;
    }
  }
  return true;
}

template <typename Ours>
void RunOurs(benchmark::State& state, Ours ours) {
  const auto& v = Values();
  size_t i = 0;
  for (auto _ : state) {
    String s = ours(v[i++ & 255]);
    benchmark::DoNotOptimize(s.data());
  }
}

template <typename Peer>
void RunPeer(benchmark::State& state, Peer peer, bool makeString) {
  const auto& v = Values();
  size_t i = 0;
  char buf[64];
  for (auto _ : state) {
    const int n = peer(buf, sizeof buf, v[i++ & 255]);
    if (makeString) {
      String s = Widen(buf, n);
      benchmark::DoNotOptimize(s.data());
    } else {
      benchmark::DoNotOptimize(buf);
    }
  }
}

auto OursStrffFixed = [](double x) { return kvo::strff(x, 10, 3); };
auto OursStrffShort = [](double x) { return kvo::strff(x, 12, -2); };
auto OursFormatData = [](double x) { return kvo::FormatData(x, 8, 3); };
auto OursSigDigStr = [](double x) { return kvo::SigDigStr(x, 10, 4); };
auto PeerFixedLd = [](char* b, size_t n, double x) { return PeerStrffFixed(b, n, x); };
auto PeerShortLd = [](char* b, size_t n, double x) { return PeerStrffShort(b, n, x); };

void BM_StrffFixed(benchmark::State& s) {
  if (SameText(s, OursStrffFixed, PeerFixedLd)) RunOurs(s, OursStrffFixed);
}
void BM_StrffFixed_SnprintfLongDouble(benchmark::State& s) { RunPeer(s, PeerFixedLd, false); }
void BM_StrffFixed_SnprintfDouble(benchmark::State& s) { RunPeer(s, PeerStrffFixedDouble, false); }
void BM_StrffFixed_SnprintfString(benchmark::State& s) { RunPeer(s, PeerFixedLd, true); }

void BM_StrffShort(benchmark::State& s) {
  if (SameText(s, OursStrffShort, PeerShortLd)) RunOurs(s, OursStrffShort);
}
void BM_StrffShort_Snprintf(benchmark::State& s) { RunPeer(s, PeerShortLd, false); }
void BM_StrffShort_SnprintfString(benchmark::State& s) { RunPeer(s, PeerShortLd, true); }

void BM_FormatData(benchmark::State& s) {
  if (SameText(s, OursFormatData, PeerFormatData)) RunOurs(s, OursFormatData);
}
void BM_FormatData_Snprintf(benchmark::State& s) { RunPeer(s, PeerFormatData, false); }
void BM_FormatData_SnprintfString(benchmark::State& s) { RunPeer(s, PeerFormatData, true); }

void BM_SigDigStr(benchmark::State& s) {
  if (SameText(s, OursSigDigStr, PeerSigDigStr)) RunOurs(s, OursSigDigStr);
}
void BM_SigDigStr_Snprintf(benchmark::State& s) { RunPeer(s, PeerSigDigStr, false); }
void BM_SigDigStr_SnprintfString(benchmark::State& s) { RunPeer(s, PeerSigDigStr, true); }

BENCHMARK(BM_StrffFixed);
BENCHMARK(BM_StrffFixed_SnprintfLongDouble);
BENCHMARK(BM_StrffFixed_SnprintfDouble);
BENCHMARK(BM_StrffFixed_SnprintfString);
BENCHMARK(BM_StrffShort);
BENCHMARK(BM_StrffShort_Snprintf);
BENCHMARK(BM_StrffShort_SnprintfString);
BENCHMARK(BM_FormatData);
BENCHMARK(BM_FormatData_Snprintf);
BENCHMARK(BM_FormatData_SnprintfString);
BENCHMARK(BM_SigDigStr);
BENCHMARK(BM_SigDigStr_Snprintf);
BENCHMARK(BM_SigDigStr_SnprintfString);

}  // namespace
