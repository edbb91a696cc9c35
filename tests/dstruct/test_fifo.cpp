// TFifo: the ring's capacity of Size - 1, forcing, loading back, looking
// ahead, resizing with bytes waiting, and a randomized run against a
// std::deque model.
#include <gtest/gtest.h>

#include <deque>

#include "dstruct/fifo.h"
#include "platform/random.h"

namespace kvo {
namespace {

std::deque<uint8_t> Contents(const TFifo& f) {
  std::deque<uint8_t> d;
  uint8_t b = 0;
  for (int32_t i = 0; f.SenseByte(i, b); ++i) d.push_back(b);
  EXPECT_EQ(static_cast<int32_t>(d.size()), f.CountBytes());
  return d;
}

TEST(Fifo, HoldsSizeMinusOneBytes) {
  TFifo f;
  EXPECT_EQ(f.Size(), 256);
  EXPECT_EQ(f.CountBytes(), 0);
  uint8_t b = 99;
  EXPECT_FALSE(f.GetByte(b));
  EXPECT_EQ(b, 99);

  f.SetSize(4);
  EXPECT_TRUE(f.PutByte(1));
  EXPECT_TRUE(f.PutByte(2));
  EXPECT_TRUE(f.PutByte(3));
  EXPECT_FALSE(f.PutByte(4));
  EXPECT_EQ(f.CountBytes(), 3);
  EXPECT_TRUE(f.ForceByte(5));  // drops 1
  ASSERT_TRUE(f.GetByte(b));
  EXPECT_EQ(b, 2);
  EXPECT_FALSE(f.ForceByte(6));  // there was room
  EXPECT_EQ(Contents(f), (std::deque<uint8_t>{3, 5, 6}));
  f.Clear();
  EXPECT_EQ(f.CountBytes(), 0);
  EXPECT_FALSE(f.GetByte(b));
}

TEST(Fifo, SenseByteLooksWithoutTaking) {
  TFifo f;
  f.PutByte(7);
  f.PutByte(8);
  uint8_t b = 0;
  ASSERT_TRUE(f.SenseByte(0, b));
  EXPECT_EQ(b, 7);
  ASSERT_TRUE(f.SenseByte(1, b));
  EXPECT_EQ(b, 8);
  b = 42;
  EXPECT_FALSE(f.SenseByte(2, b));
  EXPECT_FALSE(f.SenseByte(-1, b));
  EXPECT_EQ(b, 42);
  EXPECT_EQ(f.CountBytes(), 2);
}

TEST(Fifo, LoadBackMakesTheByteComeOutNext) {
  TFifo f;
  f.SetSize(3);
  f.PutByte(10);
  f.PutByte(11);
  uint8_t b = 0;
  ASSERT_TRUE(f.GetByte(b));
  EXPECT_EQ(b, 10);
  EXPECT_TRUE(f.LoadBack(b));  // wraps the out index below 0
  EXPECT_EQ(Contents(f), (std::deque<uint8_t>{10, 11}));
  EXPECT_FALSE(f.LoadBack(12));  // full
  EXPECT_EQ(Contents(f), (std::deque<uint8_t>{10, 11}));
}

TEST(Fifo, SizeOneHoldsNothing) {
  TFifo f;
  f.SetSize(1);
  EXPECT_FALSE(f.PutByte(1));
  EXPECT_FALSE(f.ForceByte(1));
  EXPECT_FALSE(f.LoadBack(1));
  EXPECT_EQ(f.CountBytes(), 0);
  uint8_t b = 0;
  EXPECT_FALSE(f.GetByte(b));
}

TEST(Fifo, SetSizeKeepsTheOldestBytesThatFit) {
  struct Case {
    int32_t newSize;
    std::deque<uint8_t> expected;
  };
  const Case cases[] = {
      {0, {3, 4, 5, 6, 7}},     // ignored
      {-2, {3, 4, 5, 6, 7}},    // ignored
      {8, {3, 4, 5, 6, 7}},     // same size
      {100, {3, 4, 5, 6, 7}},   // grows
      {6, {3, 4, 5, 6, 7}},     // exactly fits
      {4, {3, 4, 5}},           // the newest drop
      {1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.newSize);
    TFifo f;
    f.SetSize(8);
    // Wrap the ring: the bytes waiting straddle the end of the array.
    for (uint8_t v = 0; v < 5; ++v) f.PutByte(v);
    uint8_t b = 0;
    for (int i = 0; i < 3; ++i) f.GetByte(b);
    for (uint8_t v = 5; v < 8; ++v) f.PutByte(v);
    ASSERT_EQ(Contents(f), (std::deque<uint8_t>{3, 4, 5, 6, 7}));
    f.SetSize(c.newSize);
    EXPECT_EQ(Contents(f), c.expected);
    // The ring still works at its new size.
    const int32_t size = f.Size();
    int32_t room = size - 1 - f.CountBytes();
    for (int32_t i = 0; i < room; ++i) EXPECT_TRUE(f.PutByte(0xEE));
    EXPECT_FALSE(f.PutByte(0xEF));
  }
}

TEST(Fifo, RandomOperationsMatchADequeModel) {
  RandSeed = 4711;
  TFifo f;
  f.SetSize(7);
  std::deque<uint8_t> model;
  size_t capacity = 6;
  for (int step = 0; step < 20000; ++step) {
    const uint8_t v = static_cast<uint8_t>(Random(256));
    uint8_t got = 0;
    switch (Random(9)) {
      case 0:
      case 1: {
        const bool ok = model.size() < capacity;
        ASSERT_EQ(f.PutByte(v), ok);
        if (ok) model.push_back(v);
        break;
      }
      case 2: {
        const bool drop = capacity > 0 && model.size() == capacity;
        ASSERT_EQ(f.ForceByte(v), drop);
        if (drop) model.pop_front();
        if (capacity > 0) model.push_back(v);
        break;
      }
      case 3: {
        const bool ok = model.size() < capacity;
        ASSERT_EQ(f.LoadBack(v), ok);
        if (ok) model.push_front(v);
        break;
      }
      case 4:
      case 5:
        ASSERT_EQ(f.GetByte(got), !model.empty());
        if (!model.empty()) {
          ASSERT_EQ(got, model.front());
          model.pop_front();
        }
        break;
      case 6: {
        const int32_t ix = Random(10) - 1;
        const bool ok = ix >= 0 && static_cast<size_t>(ix) < model.size();
        ASSERT_EQ(f.SenseByte(ix, got), ok);
        if (ok) {
          ASSERT_EQ(got, model[static_cast<size_t>(ix)]);
        }
        break;
      }
      case 7:
        if (Random(30) == 0) {
          const int32_t n = Random(12) + 1;
          f.SetSize(n);
          capacity = static_cast<size_t>(n) - 1;
          if (model.size() > capacity) model.resize(capacity);
        }
        break;
      default:
        if (Random(50) == 0) {
          f.Clear();
          model.clear();
        }
    }
    ASSERT_EQ(f.CountBytes(), static_cast<int32_t>(model.size())) << "step " << step;
  }
  EXPECT_EQ(Contents(f), model);
}

}  // namespace
}  // namespace kvo
