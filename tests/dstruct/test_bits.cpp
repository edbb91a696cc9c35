// TBitFld and TByteMatrix: indexing at the edges, counting, random filling,
// logical combination (against a std::vector<bool> model), resizing,
// mirroring, change notification and copying.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "dstruct/bitfld.h"
#include "dstruct/bytematrix.h"
#include "dstruct/fifo.h"
#include "kvobase/errors.h"
#include "platform/exceptions.h"
#include "platform/random.h"

namespace kvo {
namespace {

constexpr TLogicOp kAllOps[] = {loAND, loOR, loXOR, loANDNot, loORNot, loXORNot};

bool ModelOp(bool t, bool s, TLogicOp op) {
  switch (op) {
    case loAND: return t && s;
    case loOR: return t || s;
    case loXOR: return t != s;
    case loANDNot: return t && !s;
    case loORNot: return t || !s;
    case loXORNot: return t == s;
  }
  return t;
}

// Bits 0 .. Size of a field.
std::vector<bool> BitsOf(const TBitFld& f) {
  std::vector<bool> v(static_cast<size_t>(f.Size()) + 1);
  for (int32_t i = 0; i <= f.Size(); ++i) v[static_cast<size_t>(i)] = f.GetBit(i);
  return v;
}

TEST(LogicOp, AppliesEachOperationToBytes) {
  struct Case {
    TLogicOp op;
    uint8_t expected;
  };
  // t = 0b1100'1010, s = 0b1010'0110
  const Case cases[] = {{loAND, 0x82}, {loOR, 0xEE},     {loXOR, 0x6C},
                        {loANDNot, 0x48}, {loORNot, 0xDB}, {loXORNot, 0x93}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.op));
    EXPECT_EQ(ApplyLogicOp(0xCA, 0xA6, c.op), c.expected);
  }
  EXPECT_EQ(loAND, 0);
  EXPECT_EQ(loXORNot, 5);
}

TEST(BitFld, ValidIndexesRunFromZeroToSizeInclusive) {
  TBitFld f;
  EXPECT_EQ(f.Size(), 1000);
  EXPECT_EQ(f.CountTrueBits(), 0);
  EXPECT_EQ(f.FirstTrueBit(), -1);
  f.SetBit(1000, true);
  EXPECT_TRUE(f.GetBit(1000));
  EXPECT_EQ(f.CountTrueBits(), 1);
  EXPECT_EQ(f.FirstTrueBit(), 1000);
  // Outside: reads false, writes nothing.
  for (int32_t ix : {1001, -1, 5000, std::numeric_limits<int32_t>::min(),
                     std::numeric_limits<int32_t>::max()}) {
    SCOPED_TRACE(ix);
    f.SetBit(ix, true);
    f.ToggleBit(ix);
    EXPECT_FALSE(f.GetBit(ix));
  }
  EXPECT_EQ(f.CountTrueBits(), 1);
  f.ToggleBit(0);
  EXPECT_EQ(f.FirstTrueBit(), 0);
  f.SetBit(0, false);
  EXPECT_EQ(f.FirstTrueBit(), 1000);
  f.Clear();
  EXPECT_EQ(f.CountTrueBits(), 0);
}

TEST(BitFld, SetSizeIgnoresNonPositiveAndKeepsBits) {
  TBitFld f;
  f.SetBit(7, true);
  f.SetBit(999, true);
  f.SetSize(0);
  f.SetSize(-5);
  EXPECT_EQ(f.Size(), 1000);
  f.SetSize(8);
  EXPECT_EQ(f.Size(), 8);
  EXPECT_TRUE(f.GetBit(7));
  EXPECT_FALSE(f.GetBit(9));
  f.SetSize(1);
  EXPECT_EQ(f.CountTrueBits(), 0);
  f.SetBit(1, true);
  EXPECT_EQ(f.CountTrueBits(), 1);
}

TEST(BitFld, GrowingNeverRevealsStaleBits) {
  TBitFld f;  // Size 1000: bit 1000 is bit 0 of byte 125
  f.Invert();
  EXPECT_EQ(f.CountTrueBits(), 1001);
  f.SetSize(1007);  // bits 1001 .. 1007 lie in the byte Invert touched
  EXPECT_EQ(f.CountTrueBits(), 1001);
  EXPECT_FALSE(f.GetBit(1001));
  EXPECT_FALSE(f.GetBit(1007));

  // Shrinking and growing again brings back clear bits, not the old ones.
  f.SetSize(995);
  f.SetSize(1000);
  EXPECT_EQ(f.CountTrueBits(), 996);
  EXPECT_FALSE(f.GetBit(996));

  // CombineWith through loORNot sets the unused bits of the last byte too.
  TBitFld a, b;
  a.SetSize(10);
  b.SetSize(10);
  a.CombineWith(&b, loORNot);
  EXPECT_EQ(a.CountTrueBits(), 11);
  a.SetSize(15);
  EXPECT_EQ(a.CountTrueBits(), 11);
}

TEST(BitFld, CountAndFirstAtByteBoundaries) {
  // Sizes around multiples of 8, where the last partial byte changes.
  for (int32_t size : {1, 6, 7, 8, 9, 15, 16, 17}) {
    SCOPED_TRACE(size);
    TBitFld f;
    f.SetSize(size);
    f.SetBit(size, true);
    EXPECT_EQ(f.CountTrueBits(), 1);
    EXPECT_EQ(f.FirstTrueBit(), size);
    f.Invert();
    EXPECT_EQ(f.CountTrueBits(), size);
    EXPECT_EQ(f.FirstTrueBit(), 0);
    TIntArray list{42, 43};
    f.MakeListOfBits(list, false);
    EXPECT_EQ(list, TIntArray{size});
  }
}

TEST(BitFld, MakeListOfBits) {
  TBitFld f;
  f.SetSize(7);
  f.SetBit(3, true);
  TIntArray list{9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
  f.MakeListOfBits(list, false);
  EXPECT_EQ(list, (TIntArray{0, 1, 2, 4, 5, 6, 7}));
  f.MakeListOfBits(list, true);
  EXPECT_EQ(list, TIntArray{3});
  f.Clear();
  f.MakeListOfBits(list, true);
  EXPECT_TRUE(list.empty());
}

TEST(BitFld, RandomFillSetsExactlyTheCount) {
  struct Case {
    int32_t size;
    bool percent;
    double amount;
    int32_t expected;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {1000, false, 600, 600},  {1000, false, 300, 300}, {1000, false, -3, 0},
      {1000, false, 1000, 1000}, {1000, false, 5000, 1000}, {1000, false, 501, 501},
      {1000, true, 50.0, 500},  {1000, true, 100.0, 1000}, {1000, true, 250.0, 1000},
      {1000, true, -1.0, 0},    {1000, true, nan, 0},      {10, true, 25.0, 2},
      {10, true, 15.0, 2},      {10, true, 45.0, 4},       {1, false, 1, 1},
      {1, false, 0, 0},
  };
  RandSeed = 12345;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.size << (c.percent ? " % " : " n ") << c.amount);
    TBitFld f;
    f.SetSize(c.size);
    f.Invert();  // fills start from any state
    if (c.percent)
      f.RandomFill(c.amount);
    else
      f.RandomFill(static_cast<int32_t>(c.amount));
    EXPECT_EQ(f.CountTrueBits(), c.expected);
    // The bits after Size end clear.
    f.SetSize(c.size + 7);
    EXPECT_EQ(f.CountTrueBits(), c.expected);
  }
}

// The filling rule with the process generator: picks round(r * Size), ties
// to even, again while the picked bit already has the wanted state.
std::vector<bool> ModelFill(int32_t size, int32_t n) {
  const bool setAll = n > size / 2;
  std::vector<bool> bits(static_cast<size_t>(size) + 1, setAll);
  int32_t changes = setAll ? size + 1 - n : n;
  while (changes > 0) {
    const size_t ix = static_cast<size_t>(std::nearbyint(Random() * size));
    if (bits[ix] == !setAll) continue;
    bits[ix] = !setAll;
    --changes;
  }
  return bits;
}

TEST(BitFld, RandomFillFollowsTheProcessGenerator) {
  for (int32_t n : {0, 3, 10, 11, 20}) {
    SCOPED_TRACE(n);
    TBitFld f;
    f.SetSize(20);
    RandSeed = 777;
    f.RandomFill(n);
    const uint32_t after = RandSeed;
    RandSeed = 777;
    EXPECT_EQ(BitsOf(f), ModelFill(20, n));
    EXPECT_EQ(RandSeed, after);
  }
}

TEST(BitFld, OperationsMatchABoolVectorModel) {
  RandSeed = 2024;
  TBitFld f;
  std::vector<bool> model(1001, false);
  for (int step = 0; step < 5000; ++step) {
    const int32_t size = static_cast<int32_t>(model.size()) - 1;
    const int32_t ix = Random(size + 20) - 10;
    const bool inside = ix >= 0 && ix <= size;
    switch (Random(8)) {
      case 0:
      case 1:
        f.SetBit(ix, true);
        if (inside) model[static_cast<size_t>(ix)] = true;
        break;
      case 2:
        f.SetBit(ix, false);
        if (inside) model[static_cast<size_t>(ix)] = false;
        break;
      case 3:
        f.ToggleBit(ix);
        if (inside) model[static_cast<size_t>(ix)].flip();
        break;
      case 4:
        if (Random(20) == 0) {
          f.Invert();
          model.flip();
        }
        break;
      case 5:
        if (Random(50) == 0) {
          const int32_t n = Random(1200) + 1;
          f.SetSize(n);
          model.resize(static_cast<size_t>(n) + 1, false);
        }
        break;
      default:
        ASSERT_EQ(f.GetBit(ix), inside && model[static_cast<size_t>(ix)]);
    }
  }
  ASSERT_EQ(BitsOf(f), model);
  int32_t count = 0, first = -1;
  TIntArray set, clear;
  for (size_t i = 0; i < model.size(); ++i) {
    (model[i] ? set : clear).push_back(static_cast<int32_t>(i));
    if (model[i] && first < 0) first = static_cast<int32_t>(i);
    count += model[i];
  }
  EXPECT_EQ(f.CountTrueBits(), count);
  EXPECT_EQ(f.FirstTrueBit(), first);
  TIntArray list;
  f.MakeListOfBits(list, true);
  EXPECT_EQ(list, set);
  f.MakeListOfBits(list, false);
  EXPECT_EQ(list, clear);
}

TEST(BitFld, CombineWithMatchesABoolVectorModel) {
  RandSeed = 99;
  for (int32_t size : {1, 8, 77, 1000}) {
    for (TLogicOp op : kAllOps) {
      SCOPED_TRACE(::testing::Message() << "size " << size << " op " << int(op));
      TBitFld a, b;
      a.SetSize(size);
      b.SetSize(size);
      a.RandomFill(size / 2);
      b.RandomFill(size / 3);
      const std::vector<bool> ta = BitsOf(a), tb = BitsOf(b);
      a.CombineWith(&b, op);
      const std::vector<bool> got = BitsOf(a);
      for (size_t i = 0; i < got.size(); ++i) ASSERT_EQ(got[i], ModelOp(ta[i], tb[i], op)) << i;
      EXPECT_EQ(BitsOf(b), tb);  // the second field is not touched
    }
  }
}

TEST(BitFld, CombineWithMismatchDoesNothing) {
  TBitFld a, b;
  a.SetBit(5, true);
  b.SetSize(999);
  for (TLogicOp op : kAllOps) {
    a.CombineWith(&b, op);
    a.CombineWith(nullptr, op);
  }
  EXPECT_EQ(a.CountTrueBits(), 1);
  EXPECT_TRUE(a.GetBit(5));
  a.CombineWith(&a, loXOR);  // with itself
  EXPECT_EQ(a.CountTrueBits(), 0);
}

TEST(BitFld, CloneAndAssignCopySizeAndBits) {
  TBitFld src, dst;
  src.SetSize(20);
  src.SetBit(20, true);
  src.SetBit(3, true);
  dst.SetBit(900, true);
  dst.Clone(&src);
  EXPECT_EQ(dst.Size(), 20);
  EXPECT_EQ(BitsOf(dst), BitsOf(src));
  dst.Clone(nullptr);
  EXPECT_EQ(dst.Size(), 20);

  TBitFld same;  // equal sizes: the bits still come over
  same.SetBit(1, true);
  TBitFld other;
  other.SetBit(2, true);
  same.Assign(&other);
  EXPECT_FALSE(same.GetBit(1));
  EXPECT_TRUE(same.GetBit(2));

  TBitFld viaAssignTo;
  src.AssignTo(&viaAssignTo);
  EXPECT_EQ(viaAssignTo.Size(), 20);
  EXPECT_TRUE(viaAssignTo.GetBit(20));

  TFifo fifo;
  EXPECT_THROW(dst.Assign(&fifo), EConvertError);
  EXPECT_THROW(src.AssignTo(&fifo), EConvertError);
  EXPECT_THROW(dst.Assign(nullptr), EConvertError);
  EXPECT_EQ(dst.Size(), 20);
}

// ---------------------------------------------------------------------------
// TByteMatrix

// A matrix with an OnChange counter.
struct CountedMatrix {
  TByteMatrix m;
  int changes = 0;
  CountedMatrix() {
    m.SetOnChange([this](TObject* sender) {
      EXPECT_EQ(sender, &m);
      ++changes;
    });
  }
};

TEST(ByteMatrix, CreatesOneCellHoldingZero) {
  TByteMatrix m;
  EXPECT_EQ(m.NrOfColumns(), 1);
  EXPECT_EQ(m.NrOfRows(), 1);
  EXPECT_EQ(m.GetByte(1, 1), 0);
  EXPECT_EQ(m.DefaultValue(), 0);
}

TEST(ByteMatrix, ResizeKeepsCellsAndReportsChanges) {
  CountedMatrix c;
  TByteMatrix& m = c.m;
  EXPECT_FALSE(m.Resize(1, 1));
  EXPECT_FALSE(m.Resize(0, 5));
  EXPECT_FALSE(m.Resize(5, -1));
  EXPECT_EQ(c.changes, 0);

  ASSERT_TRUE(m.Resize(3, 2));
  EXPECT_EQ(c.changes, 1);
  m.SetDefaultValue(0xFF);
  for (int32_t x = 1; x <= 3; ++x)
    for (int32_t y = 1; y <= 2; ++y) m.SetByte(x, y, static_cast<uint8_t>(10 * x + y));
  ASSERT_TRUE(m.Resize(2, 4));
  const uint8_t expected[2][4] = {{11, 12, 0, 0}, {21, 22, 0, 0}};  // new cells 0
  for (int32_t x = 1; x <= 2; ++x)
    for (int32_t y = 1; y <= 4; ++y) EXPECT_EQ(m.GetByte(x, y), expected[x - 1][y - 1]);
  EXPECT_EQ(m.GetByte(3, 1), 0xFF);

  m.SetNrCols(0);
  EXPECT_EQ(m.NrOfColumns(), 1);
  EXPECT_EQ(m.NrOfRows(), 4);
  m.SetNrRows(-3);
  EXPECT_EQ(m.NrOfRows(), 1);
  EXPECT_EQ(m.GetByte(1, 1), 11);
}

TEST(ByteMatrix, ResizeBeyondMemoryRaisesAndKeepsTheMatrix) {
  TByteMatrix m;
  m.SetName(u"bm");
  m.Resize(2, 2);
  m.SetByte(2, 2, 7);
  try {
    m.Resize(100000, 100000);
    FAIL() << "no exception";
  } catch (const EKVODStructError& e) {
    EXPECT_EQ(e.Message(), u"Component \"bm\": not enough memory on heap");
  }
  EXPECT_EQ(m.NrOfColumns(), 2);
  EXPECT_EQ(m.GetByte(2, 2), 7);
}

TEST(ByteMatrix, OutsideCellsReadAsDefaultAndIgnoreWrites) {
  CountedMatrix c;
  TByteMatrix& m = c.m;
  m.Resize(2, 2);
  m.SetDefaultValue(0xFF);
  c.changes = 0;
  EXPECT_EQ(m.GetByte(0, 1), 255);
  EXPECT_TRUE(m.GetBit(99, 99, 7));
  EXPECT_FALSE(m.GetBit(99, 99, 8));
  EXPECT_FALSE(m.GetBit(1, 1, -1));
  struct Pos {
    int32_t x, y, bit;
  };
  const Pos outside[] = {{0, 1, 0}, {3, 1, 0}, {1, 0, 0}, {1, 3, 0}, {1, 1, 8}, {1, 1, -1}};
  for (const Pos& p : outside) {
    SCOPED_TRACE(::testing::Message() << p.x << "," << p.y << " bit " << p.bit);
    m.SetBit(p.x, p.y, p.bit, true);
    m.ToggleBit(p.x, p.y, p.bit);
    if (p.bit == 0) m.SetByte(p.x, p.y, 9);
  }
  EXPECT_EQ(c.changes, 0);
  for (int32_t x = 1; x <= 2; ++x)
    for (int32_t y = 1; y <= 2; ++y) EXPECT_EQ(m.GetByte(x, y), 0);
}

TEST(ByteMatrix, BitAccessUsesTheByteMasks) {
  CountedMatrix c;
  TByteMatrix& m = c.m;
  m.Resize(2, 3);
  c.changes = 0;
  m.SetBit(2, 3, 0, true);
  m.SetBit(2, 3, 7, true);
  EXPECT_EQ(m.GetByte(2, 3), 0x81);
  m.ToggleBit(2, 3, 7);
  m.ToggleBit(2, 3, 4);
  EXPECT_EQ(m.GetByte(2, 3), 0x11);
  m.SetBit(2, 3, 0, false);
  EXPECT_EQ(m.GetByte(2, 3), 0x10);
  EXPECT_TRUE(m.GetBit(2, 3, 4));
  EXPECT_FALSE(m.GetBit(2, 3, 0));
  EXPECT_EQ(m.GetByte(1, 3), 0);
  EXPECT_EQ(c.changes, 5);
  m.Fill(0x3C);
  EXPECT_EQ(c.changes, 6);
  EXPECT_EQ(m.GetByte(1, 1), 0x3C);
  EXPECT_EQ(m.GetByte(2, 3), 0x3C);
}

TEST(ByteMatrix, MirrorsReverseColumnsOrRows) {
  CountedMatrix c;
  TByteMatrix& m = c.m;
  m.Resize(1, 3);
  for (int32_t y = 1; y <= 3; ++y) m.SetByte(1, y, static_cast<uint8_t>(y));
  c.changes = 0;
  m.MirrorRows();
  EXPECT_EQ(c.changes, 1);
  EXPECT_EQ(m.GetByte(1, 1), 3);
  EXPECT_EQ(m.GetByte(1, 2), 2);
  EXPECT_EQ(m.GetByte(1, 3), 1);

  // 4 x 2: columns reverse as wholes, rows stay.
  m.Resize(4, 2);
  for (int32_t x = 1; x <= 4; ++x)
    for (int32_t y = 1; y <= 2; ++y) m.SetByte(x, y, static_cast<uint8_t>(10 * x + y));
  c.changes = 0;
  m.MirrorColumns();
  EXPECT_EQ(c.changes, 1);
  for (int32_t x = 1; x <= 4; ++x)
    for (int32_t y = 1; y <= 2; ++y) EXPECT_EQ(m.GetByte(x, y), 10 * (5 - x) + y);
  m.MirrorRows();
  EXPECT_EQ(m.GetByte(1, 1), 42);
  EXPECT_EQ(m.GetByte(4, 2), 11);
}

TEST(ByteMatrix, CombineWithAppliesCellByCellWithoutNotifying) {
  for (TLogicOp op : kAllOps) {
    SCOPED_TRACE(int(op));
    CountedMatrix a;
    TByteMatrix b;
    a.m.Resize(2, 2);
    b.Resize(2, 2);
    for (int32_t x = 1; x <= 2; ++x)
      for (int32_t y = 1; y <= 2; ++y) {
        a.m.SetByte(x, y, static_cast<uint8_t>(0x5A + 37 * x + y));
        b.SetByte(x, y, static_cast<uint8_t>(0xC3 ^ (x * 16 + y)));
      }
    a.changes = 0;
    TByteMatrix before;
    before.Assign(&a.m);
    a.m.CombineWith(&b, op);
    EXPECT_EQ(a.changes, 0);
    for (int32_t x = 1; x <= 2; ++x)
      for (int32_t y = 1; y <= 2; ++y)
        EXPECT_EQ(a.m.GetByte(x, y), ApplyLogicOp(before.GetByte(x, y), b.GetByte(x, y), op));
  }
  TByteMatrix a, b;
  a.Resize(2, 3);
  a.Fill(5);
  b.Resize(3, 2);
  a.CombineWith(&b, loAND);
  a.CombineWith(nullptr, loAND);
  EXPECT_EQ(a.GetByte(2, 3), 5);
}

TEST(ByteMatrix, AssignCopiesEverythingIncludingTheHandler) {
  std::vector<TObject*> senders;
  TByteMatrix src;
  src.SetOnChange([&](TObject* sender) { senders.push_back(sender); });
  src.Resize(3, 2);
  src.SetByte(3, 2, 77);
  src.SetDefaultValue(9);
  senders.clear();
  TByteMatrix dst;
  int dstChanges = 0;
  dst.SetOnChange([&](TObject*) { ++dstChanges; });
  dst.Assign(&src);
  EXPECT_TRUE(senders.empty());
  EXPECT_EQ(dstChanges, 0);
  EXPECT_EQ(dst.NrOfColumns(), 3);
  EXPECT_EQ(dst.NrOfRows(), 2);
  EXPECT_EQ(dst.GetByte(3, 2), 77);
  EXPECT_EQ(dst.GetByte(4, 4), 9);
  // The handler came over: dst now notifies it, naming dst.
  dst.Fill(1);
  EXPECT_EQ(dstChanges, 0);
  EXPECT_EQ(senders, std::vector<TObject*>{&dst});

  TByteMatrix viaAssignTo;
  src.AssignTo(&viaAssignTo);
  EXPECT_EQ(viaAssignTo.GetByte(3, 2), 77);
  TBitFld bits;
  EXPECT_THROW(dst.Assign(&bits), EConvertError);
  EXPECT_THROW(bits.Assign(&dst), EConvertError);
}

}  // namespace
}  // namespace kvo
