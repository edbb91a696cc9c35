// Fuzz target for the run-length coder.
//
// The first byte chooses the block length (1 ... 256). The rest is decoded
// as coded input, collecting every block, and then encoded and decoded
// again: the round trip must give the rest back exactly, every block must
// have the block length, and the coded form must stay within 3 bytes per
// input byte plus the final triple.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "dstruct/rle.h"

namespace {

using kvo::TBytes;
using kvo::TRLEncoder;

void Check(bool ok) {
  if (!ok) std::abort();
}

void DrainBlocks(TRLEncoder& coder, TBytes& out) {
  TBytes block;
  while (coder.BytesWaiting() >= coder.BufLeng()) {
    coder.GetResult(block);
    Check(static_cast<int32_t>(block.size()) == coder.BufLeng());
    out.insert(out.end(), block.begin(), block.end());
  }
}

template <typename FinishFn>
void FinishAll(TRLEncoder& coder, TBytes& out, FinishFn finish) {
  TBytes block;
  int32_t got = 0;
  size_t calls = 0;
  do {
    got = finish(block);
    Check(static_cast<int32_t>(block.size()) == got && got <= coder.BufLeng());
    out.insert(out.end(), block.begin(), block.end());
    Check(++calls < (1u << 24));
  } while (got == coder.BufLeng());
  Check(coder.BytesWaiting() == 0);
}

TBytes Decode(std::span<const uint8_t> coded, int32_t bufLeng) {
  TRLEncoder dec;
  dec.SetBufLeng(bufLeng);
  TBytes out;
  for (uint8_t b : coded) {
    const bool ready = dec.Decode(b);
    Check(ready == (dec.BytesWaiting() >= bufLeng));
    DrainBlocks(dec, out);
  }
  FinishAll(dec, out, [&](TBytes& block) { return dec.FinishDecode(block); });
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int32_t bufLeng = data[0] + 1;
  const std::span<const uint8_t> rest(data + 1, size - 1);

  // Arbitrary bytes as coded input: at most 255 bytes per input byte.
  const TBytes decoded = Decode(rest, bufLeng);
  Check(decoded.size() <= 255 * rest.size());

  // Round trip, fed in pieces of varying size.
  TRLEncoder enc;
  enc.SetBufLeng(bufLeng);
  TBytes coded;
  size_t i = 0, piece = 1;
  while (i < rest.size()) {
    const size_t n = std::min(piece, rest.size() - i);
    enc.Encode(rest.subspan(i, n), static_cast<int32_t>(n));
    DrainBlocks(enc, coded);
    i += n;
    piece = piece * 3 % 1000 + 1;
  }
  FinishAll(enc, coded, [&](TBytes& block) { return enc.Finish(block); });
  Check(coded.size() <= 3 * rest.size() + 3);
  const TBytes back = Decode(coded, 257 - bufLeng);
  Check(back.size() == rest.size() && std::equal(back.begin(), back.end(), rest.begin()));
  return 0;
}
