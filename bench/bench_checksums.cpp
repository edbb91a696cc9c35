// Checksums on 64 MiB in memory, each beside its peer in the same run:
//   CRC32ofBuffer          vs zlib crc32
//   CRC16ofBuffer          vs a one-byte-per-step table loop
//   SHA1FromStream (memory stream) vs OpenSSL SHA1
// The *_Portable variants force the portable paths. The File benchmarks
// hash a 256 MiB file in /tmp (written once, removed at exit) against a
// plain read loop and a read loop feeding OpenSSL SHA1 (what sha1sum does).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <openssl/evp.h>
#include <openssl/sha.h>
#include <unistd.h>
#include <zlib.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "dstruct/checksum.h"
#include "dstruct/checksum_accel.h"

namespace {

constexpr size_t kSize = 64u << 20;
constexpr size_t kFileSize = 256u << 20;

const kvo::TBytes& Data() {
  static const kvo::TBytes data = [] {
    kvo::TBytes b(kSize);
    std::mt19937_64 rng(42);
    for (size_t i = 0; i < kSize; i += 8) {
      const uint64_t v = rng();
      for (int k = 0; k < 8; ++k) b[i + k] = static_cast<uint8_t>(v >> (8 * k));
    }
    return b;
  }();
  return data;
}

void SetBytes(benchmark::State& state, size_t n) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(n));
}

void BM_CRC32ofBuffer(benchmark::State& state) {
  const auto& d = Data();
  for (auto _ : state) benchmark::DoNotOptimize(kvo::CRC32ofBuffer(d, static_cast<int32_t>(d.size())));
  SetBytes(state, d.size());
}

void BM_CRC32ofBuffer_Portable(benchmark::State& state) {
  kvo::checksum_internal::ForcePortable(true);
  BM_CRC32ofBuffer(state);
  kvo::checksum_internal::ForcePortable(false);
}

void BM_Peer_ZlibCrc32(benchmark::State& state) {
  const auto& d = Data();
  for (auto _ : state) benchmark::DoNotOptimize(crc32(0L, d.data(), static_cast<uInt>(d.size())));
  SetBytes(state, d.size());
}

void BM_CRC16ofBuffer(benchmark::State& state) {
  const auto& d = Data();
  for (auto _ : state) {
    benchmark::DoNotOptimize(kvo::CRC16ofBuffer(d, static_cast<int32_t>(d.size()), kvo::crcCCITT));
  }
  SetBytes(state, d.size());
}

// The classic loop: one table lookup per byte.
void BM_Peer_CRC16ByteLoop(benchmark::State& state) {
  static const auto table = [] {
    std::array<uint16_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i << 8;
      for (int k = 0; k < 8; ++k) c = (c & 0x8000) ? ((c << 1) ^ 0x1021) : (c << 1);
      t[i] = static_cast<uint16_t>(c);
    }
    return t;
  }();
  const auto& d = Data();
  for (auto _ : state) {
    uint16_t c = 0xFFFF;
    for (uint8_t b : d) c = static_cast<uint16_t>(table[((c >> 8) ^ b) & 0xFF] ^ (c << 8));
    benchmark::DoNotOptimize(c);
  }
  SetBytes(state, d.size());
}

void BM_SHA1FromStream(benchmark::State& state) {
  kvo::TMemoryStream s;
  s.WriteBuffer(Data().data(), static_cast<int32_t>(kSize));
  for (auto _ : state) {
    s.SetPosition(0);
    benchmark::DoNotOptimize(kvo::SHA1FromStream(&s));
  }
  SetBytes(state, kSize);
}

void BM_SHA1FromStream_Portable(benchmark::State& state) {
  kvo::checksum_internal::ForcePortable(true);
  BM_SHA1FromStream(state);
  kvo::checksum_internal::ForcePortable(false);
}

void BM_Peer_OpenSSLSHA1(benchmark::State& state) {
  const auto& d = Data();
  unsigned char md[20];
  for (auto _ : state) {
    SHA1(d.data(), d.size(), md);
    benchmark::DoNotOptimize(md);
  }
  SetBytes(state, d.size());
}

// ---------------------------------------------------------------- files

// The file's name; the file is removed when the program ends.
struct TempFile {
  std::string name = "/tmp/kvo-bench-checksum-" + std::to_string(getpid()) + ".bin";
  TempFile() {
    FILE* f = std::fopen(name.c_str(), "wb");
    if (!f) std::abort();
    for (size_t at = 0; at < kFileSize; at += kSize) std::fwrite(Data().data(), 1, kSize, f);
    std::fclose(f);
  }
  ~TempFile() { std::remove(name.c_str()); }
};

const std::string& BigFile() {
  static const TempFile file;
  return file.name;
}

// Reads the file in 256 KiB blocks and hands each block to fn.
template <class Fn>
void ReadLoop(const std::string& name, Fn fn) {
  const int fd = ::open(name.c_str(), O_RDONLY);
  std::unique_ptr<uint8_t[]> buf(new uint8_t[256 * 1024]);
  ssize_t n;
  while ((n = ::read(fd, buf.get(), 256 * 1024)) > 0) fn(buf.get(), static_cast<size_t>(n));
  ::close(fd);
}

void BM_File_CalcCRC32ofFile(benchmark::State& state) {
  const kvo::String name = kvo::FromUtf8(BigFile());
  for (auto _ : state) benchmark::DoNotOptimize(kvo::CalcCRC32ofFile(name));
  SetBytes(state, kFileSize);
}

void BM_File_Peer_PlainReadLoop(benchmark::State& state) {
  const std::string& name = BigFile();
  for (auto _ : state) {
    size_t total = 0;
    ReadLoop(name, [&](const uint8_t*, size_t n) { total += n; });
    benchmark::DoNotOptimize(total);
  }
  SetBytes(state, kFileSize);
}

void BM_File_SHA1FromFile(benchmark::State& state) {
  const kvo::String name = kvo::FromUtf8(BigFile());
  for (auto _ : state) benchmark::DoNotOptimize(kvo::SHA1FromFile(name));
  SetBytes(state, kFileSize);
}

// What sha1sum does: a read loop feeding an incremental SHA-1.
void BM_File_Peer_ReadLoopOpenSSLSHA1(benchmark::State& state) {
  const std::string& name = BigFile();
  for (auto _ : state) {
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    EVP_DigestInit_ex(ctx, EVP_sha1(), nullptr);
    ReadLoop(name, [&](const uint8_t* p, size_t n) { EVP_DigestUpdate(ctx, p, n); });
    unsigned char md[20];
    unsigned len = 0;
    EVP_DigestFinal_ex(ctx, md, &len);
    EVP_MD_CTX_free(ctx);
    benchmark::DoNotOptimize(md);
  }
  SetBytes(state, kFileSize);
}

BENCHMARK(BM_CRC32ofBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CRC32ofBuffer_Portable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Peer_ZlibCrc32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CRC16ofBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Peer_CRC16ByteLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SHA1FromStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SHA1FromStream_Portable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Peer_OpenSSLSHA1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_File_CalcCRC32ofFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_File_Peer_PlainReadLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_File_SHA1FromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_File_Peer_ReadLoopOpenSSLSHA1)->Unit(benchmark::kMillisecond);

}  // namespace
