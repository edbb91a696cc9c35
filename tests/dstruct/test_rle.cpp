// TRLEncoder: the coded form of runs, the block delivery of Encode, Decode,
// GetResult and Finish, the end of decoding, and round trips of random data.
#include <gtest/gtest.h>

#include <vector>

#include "dstruct/rle.h"
#include "kvobase/errors.h"
#include "platform/random.h"

namespace kvo {
namespace {

constexpr uint8_t L = 0xA5;

// Encodes `in` in one piece and finishes: every byte delivered.
TBytes EncodeAll(const TBytes& in, int32_t bufLeng = 256, int32_t chunk = 64) {
  TRLEncoder enc;
  enc.SetBufLeng(bufLeng);
  TBytes out, block;
  for (size_t i = 0; i < in.size(); i += static_cast<size_t>(chunk)) {
    const size_t n = std::min(in.size() - i, static_cast<size_t>(chunk));
    if (enc.Encode(std::span<const uint8_t>(in).subspan(i, n), static_cast<int32_t>(n))) {
      while (enc.BytesWaiting() >= enc.BufLeng()) {
        enc.GetResult(block);
        EXPECT_EQ(static_cast<int32_t>(block.size()), bufLeng);
        out.insert(out.end(), block.begin(), block.end());
      }
    }
  }
  int32_t got = 0;
  do {
    got = enc.Finish(block);
    EXPECT_EQ(static_cast<int32_t>(block.size()), got);
    out.insert(out.end(), block.begin(), block.end());
  } while (got == enc.BufLeng());
  return out;
}

TBytes DecodeAll(const TBytes& in, int32_t bufLeng = 256, TDecodeSt* endState = nullptr) {
  TRLEncoder dec;
  dec.SetBufLeng(bufLeng);
  TBytes out, block;
  for (uint8_t b : in) {
    if (dec.Decode(b)) {
      while (dec.BytesWaiting() >= dec.BufLeng()) {
        dec.GetResult(block);
        out.insert(out.end(), block.begin(), block.end());
      }
    }
  }
  if (endState) *endState = dec.DecodeState();
  int32_t got = 0;
  do {
    got = dec.FinishDecode(block);
    out.insert(out.end(), block.begin(), block.end());
  } while (got == dec.BufLeng());
  EXPECT_EQ(dec.BytesWaiting(), 0);
  EXPECT_EQ(dec.DecodeState(), rlData);
  return out;
}

TBytes Repeat(size_t n, uint8_t b) { return TBytes(n, b); }

TBytes Cat(std::initializer_list<TBytes> parts) {
  TBytes all;
  for (const TBytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(RLEncoder, CodesRunsAsTheFormatSays) {
  struct Case {
    const char* name;
    TBytes in;
    TBytes out;  // everything up to and including Finish
  };
  const Case cases[] = {
      {"empty: Finish writes an empty triple", {}, {L, 0, 0}},
      {"run of four, then a single", {1, 1, 1, 1, 2}, {L, 4, 1, L, 1, 2}},
      {"singles and a pair", {1, 2, 2, 3}, {1, 2, 2, L, 1, 3}},
      {"lead-in byte alone", {L, 7}, {L, 1, L, L, 1, 7}},
      {"pair of lead-in bytes", {L, L, 9}, {L, 2, L, L, 1, 9}},
      {"run of three", {4, 4, 4, 5, 5}, {L, 3, 4, L, 2, 5}},
      {"300 equal bytes", Repeat(300, 6), {L, 255, 6, L, 45, 6}},
      {"exactly 255: the pending run is empty",
       Cat({Repeat(255, 6)}), {L, 255, 6, L, 0, 6}},
      {"256 then another byte", Cat({Repeat(256, 6), {7}}), {L, 255, 6, 6, L, 1, 7}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EncodeAll(c.in), c.out);
    EXPECT_EQ(DecodeAll(c.out), c.in);
  }
}

TEST(RLEncoder, EncodeAndDecodeReportFullBlocks) {
  TRLEncoder enc;
  enc.SetBufLeng(4);
  const TBytes in{1, 2, 3};
  EXPECT_FALSE(enc.Encode(in, 3));  // 1, 2 written; 3 pending
  TBytes block{9};
  enc.GetResult(block);  // not ready: nothing
  EXPECT_EQ(block, TBytes{9});
  const TBytes more{4, 5};
  EXPECT_TRUE(enc.Encode(more, 2));  // 1, 2, 3, 4 written; 5 pending
  enc.GetResult(block);
  EXPECT_EQ(block, (TBytes{1, 2, 3, 4}));
  EXPECT_EQ(enc.BytesWaiting(), 0);
  EXPECT_EQ(enc.Finish(block), 3);
  EXPECT_EQ(block, (TBytes{L, 1, 5}));

  // NumBytes beyond the span or negative stays inside the span.
  enc.Reset();
  EXPECT_FALSE(enc.Encode(in, 1000));
  EXPECT_EQ(enc.BytesWaiting(), 2);
  EXPECT_FALSE(enc.Encode(in, -1));
  EXPECT_EQ(enc.BytesWaiting(), 2);

  TRLEncoder dec;
  dec.SetBufLeng(5);
  const TBytes coded{L, 7, 3};
  EXPECT_FALSE(dec.Decode(coded[0]));
  EXPECT_EQ(dec.DecodeState(), rlLeadin);
  EXPECT_FALSE(dec.Decode(coded[1]));
  EXPECT_EQ(dec.DecodeState(), rlCnt);
  EXPECT_TRUE(dec.Decode(coded[2]));
  EXPECT_EQ(dec.DecodeState(), rlData);
  dec.GetResult(block);
  EXPECT_EQ(block, Repeat(5, 3));
  EXPECT_EQ(dec.FinishDecode(block), 2);
  EXPECT_EQ(block, Repeat(2, 3));
}

TEST(RLEncoder, FinishDeliversLongOutputInBlocks) {
  // 100 alternating bytes: 99 written, 1 pending. Finish adds its triple
  // once and then hands out blocks until the rest is shorter than one.
  struct Case {
    int32_t bufLeng;
    int calls;
  };
  const Case cases[] = {{16, 7}, {102, 2}, {103, 1}, {4, 26}, {3, 35}, {2, 52}, {1, 103}};
  TBytes in;
  for (int i = 0; i < 100; ++i) in.push_back(static_cast<uint8_t>(i % 2));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bufLeng);
    TRLEncoder enc;
    enc.SetBufLeng(c.bufLeng);
    enc.Encode(in, 100);
    TBytes all, block;
    int calls = 0;
    int32_t got = 0;
    do {
      got = enc.Finish(block);
      ASSERT_LT(++calls, 1000);
      all.insert(all.end(), block.begin(), block.end());
    } while (got == c.bufLeng);
    EXPECT_EQ(calls, c.calls);
    ASSERT_EQ(all.size(), 102u);
    EXPECT_EQ(TBytes(all.end() - 3, all.end()), (TBytes{L, 1, 1}));
    EXPECT_EQ(DecodeAll(all), in);
    // A new ending starts with the next Finish.
    if (c.bufLeng > 3) {
      EXPECT_EQ(enc.Finish(block), 3);
      EXPECT_EQ(block, (TBytes{L, 0, 1}));
    }
  }
}

TEST(RLEncoder, IncompleteFinalGroupsStandForNothing) {
  struct Case {
    TBytes in;
    TDecodeSt state;
    TBytes out;
  };
  const Case cases[] = {
      {{1, 2}, rlData, {1, 2}},
      {{1, L}, rlLeadin, {1}},
      {{1, L, 200}, rlCnt, {1}},
      {{L, 0, 5, 2}, rlData, {2}},  // a count of 0 stands for nothing
      {{}, rlData, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in.size());
    TDecodeSt st = rlData;
    EXPECT_EQ(DecodeAll(c.in, 256, &st), c.out);
    EXPECT_EQ(st, c.state);
  }
}

TEST(RLEncoder, OutputBeyondTheBufferIsKept) {
  // BufLeng 2 holds 8 bytes, but one triple decodes to 255 and a large
  // Encode call writes far more: the buffer grows and nothing is lost.
  const TBytes coded{L, 255, 1, L, 255, 2};
  EXPECT_EQ(DecodeAll(coded, 2), Cat({Repeat(255, 1), Repeat(255, 2)}));

  TBytes in;
  for (int i = 0; i < 5000; ++i) in.push_back(static_cast<uint8_t>(i * 7));
  const TBytes out = EncodeAll(in, 2, 5000);
  EXPECT_EQ(DecodeAll(out, 2), in);
}

TEST(RLEncoder, ResetAndSetBufLeng) {
  TRLEncoder enc;
  const TBytes in{3, 3, 3, 4};
  enc.Encode(in, 4);
  enc.Reset();
  TBytes block;
  EXPECT_EQ(enc.Finish(block), 3);
  EXPECT_EQ(block, (TBytes{L, 0, 0}));  // the run was forgotten

  enc.Encode(in, 4);
  enc.SetBufLeng(0);  // ignored
  enc.SetBufLeng(-5);
  EXPECT_EQ(enc.BufLeng(), 256);
  EXPECT_EQ(enc.BytesWaiting(), 3);
  enc.SetBufLeng(256);  // same: output kept
  EXPECT_EQ(enc.BytesWaiting(), 3);
  enc.SetBufLeng(100);  // new length: output waiting is discarded
  EXPECT_EQ(enc.BufLeng(), 100);
  EXPECT_EQ(enc.BytesWaiting(), 0);
}

TEST(RLEncoder, RoundTripsRandomData) {
  RandSeed = 31337;
  for (int round = 0; round < 200; ++round) {
    // Runs of random lengths over a small alphabet that includes 0xA5.
    TBytes in;
    const int runs = Random(60);
    for (int r = 0; r < runs; ++r) {
      const uint8_t b = Random(4) == 0 ? L : static_cast<uint8_t>(Random(3));
      const int len = Random(8) == 0 ? Random(700) : Random(4) + 1;
      in.insert(in.end(), static_cast<size_t>(len), b);
    }
    const int32_t bufLeng = Random(300) + 1;
    const int32_t chunk = Random(100) + 1;
    SCOPED_TRACE(::testing::Message() << "round " << round << " BufLeng " << bufLeng);
    const TBytes coded = EncodeAll(in, bufLeng, chunk);
    ASSERT_EQ(DecodeAll(coded, Random(300) + 1), in);
    // The coded form never holds a lead-in byte outside a triple, and never
    // grows more than 3 bytes per input byte (plus the final triple).
    EXPECT_LE(coded.size(), 3 * in.size() + 3);
  }
}

}  // namespace
}  // namespace kvo
