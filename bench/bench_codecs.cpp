// Base64 and ASCII85 on 64 MiB over memory streams, beside OpenSSL's
// EVP_EncodeBlock / EVP_DecodeBlock on plain buffers in the same run.
#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <random>
#include <string>
#include <vector>

#include "dstruct/codec.h"

namespace {

constexpr size_t kSize = 64u << 20;

const std::vector<uint8_t>& Data() {
  static const std::vector<uint8_t> data = [] {
    std::vector<uint8_t> b(kSize);
    std::mt19937_64 rng(42);
    for (auto& x : b) x = static_cast<uint8_t>(rng());
    return b;
  }();
  return data;
}

// The plain Base64 text of Data(), no line breaks.
const std::vector<uint8_t>& Text() {
  static const std::vector<uint8_t> text = [] {
    std::vector<uint8_t> t(4 * ((kSize + 2) / 3) + 1);
    const int n = EVP_EncodeBlock(t.data(), Data().data(), static_cast<int>(kSize));
    t.resize(static_cast<size_t>(n));
    return t;
  }();
  return text;
}

// A memory stream holding `bytes`, positioned at 0.
void Fill(kvo::TMemoryStream& s, const std::vector<uint8_t>& bytes) {
  s.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  s.SetPosition(0);
}

void SetBytes(benchmark::State& state, size_t n) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(n));
}

void EncodeBench(benchmark::State& state, bool lines) {
  kvo::TMemoryStream src, dst;
  Fill(src, Data());
  dst.SetSize(static_cast<int64_t>(kSize) * 2);  // no reallocation while timing
  for (auto _ : state) {
    src.SetPosition(0);
    dst.SetPosition(0);
    kvo::EncodeBase64(&src, &dst, lines);
  }
  SetBytes(state, kSize);
}

void BM_EncodeBase64(benchmark::State& state) { EncodeBench(state, false); }
void BM_EncodeBase64_Lines(benchmark::State& state) { EncodeBench(state, true); }

void BM_Peer_EVP_EncodeBlock(benchmark::State& state) {
  std::vector<uint8_t> out(4 * ((kSize + 2) / 3) + 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(EVP_EncodeBlock(out.data(), Data().data(), static_cast<int>(kSize)));
  }
  SetBytes(state, kSize);
}

void BM_DecodeBase64(benchmark::State& state) {
  kvo::TMemoryStream src, dst;
  Fill(src, Text());
  dst.SetSize(static_cast<int64_t>(kSize) + 16);
  for (auto _ : state) {
    src.SetPosition(0);
    dst.SetPosition(0);
    benchmark::DoNotOptimize(kvo::DecodeBase64(&src, &dst));
  }
  SetBytes(state, kSize);
}

void BM_DecodeBase64_Lines(benchmark::State& state) {
  kvo::TMemoryStream plain, src, dst;
  Fill(plain, Data());
  kvo::EncodeBase64(&plain, &src, true);
  src.SetPosition(0);
  dst.SetSize(static_cast<int64_t>(kSize) + 16);
  for (auto _ : state) {
    src.SetPosition(0);
    dst.SetPosition(0);
    benchmark::DoNotOptimize(kvo::DecodeBase64(&src, &dst));
  }
  SetBytes(state, kSize);
}

void BM_Peer_EVP_DecodeBlock(benchmark::State& state) {
  std::vector<uint8_t> out(kSize + 16);
  const auto& t = Text();
  for (auto _ : state) {
    benchmark::DoNotOptimize(EVP_DecodeBlock(out.data(), t.data(), static_cast<int>(t.size())));
  }
  SetBytes(state, kSize);
}

void BM_EncodeASCII85(benchmark::State& state) {
  kvo::TMemoryStream src, dst;
  Fill(src, Data());
  dst.SetSize(static_cast<int64_t>(kSize) * 2);
  for (auto _ : state) {
    src.SetPosition(0);
    dst.SetPosition(0);
    kvo::EncodeASCII85(&src, &dst, true);
  }
  SetBytes(state, kSize);
}

void BM_DecodeASCII85(benchmark::State& state) {
  kvo::TMemoryStream plain, src, dst;
  Fill(plain, Data());
  kvo::EncodeASCII85(&plain, &src, true);
  dst.SetSize(static_cast<int64_t>(kSize) + 16);
  for (auto _ : state) {
    src.SetPosition(0);
    dst.SetPosition(0);
    benchmark::DoNotOptimize(kvo::DecodeASCII85(&src, &dst));
  }
  SetBytes(state, kSize);
}

BENCHMARK(BM_EncodeBase64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeBase64_Lines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Peer_EVP_EncodeBlock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeBase64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeBase64_Lines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Peer_EVP_DecodeBlock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeASCII85)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeASCII85)->Unit(benchmark::kMillisecond);

}  // namespace
