#include "platform/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace kvo {
namespace {

// Saves and restores the process-wide state so tests do not affect each other.
class RandomTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = RandSeed; }
  void TearDown() override { RandSeed = saved_; }

 private:
  uint32_t saved_ = 0;
};

TEST_F(RandomTest, KnownDrawsFromFixedSeeds) {
  // state' = state * 134775813 + 1 (mod 2^32); Random(100) = state' * 100 >> 32.
  // Seed 1: 134775814 -> 13477581400 / 2^32 = 3.14 -> 3;
  // next 134775814 * 134775813 + 1 mod 2^32 = 3698175007 -> 86.
  struct Case {
    uint32_t seed;
    std::vector<uint32_t> states;
    std::vector<int32_t> draws;
  };
  const Case cases[] = {
      {0, {1, 134775814, 3698175007u, 870078620}, {0, 3, 86, 20}},
      {1, {134775814, 3698175007u, 870078620, 1172187917}, {3, 86, 20, 27}},
      {12345, {1655067934, 1242767767, 342459380, 2377737157u}, {38, 28, 7, 55}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seed);
    RandSeed = c.seed;
    for (size_t k = 0; k < c.draws.size(); ++k) {
      EXPECT_EQ(Random(100), c.draws[k]);
      EXPECT_EQ(RandSeed, c.states[k]);
    }
  }
}

TEST_F(RandomTest, RealDrawIsStateOverTwoToThe32) {
  RandSeed = 42;  // 42 * 134775813 + 1 mod 2^32 = 1365616851
  EXPECT_EQ(Random(), 1365616851.0 / 4294967296.0);
  RandSeed = 1;  // states 134775814, then 134775814 * 134775813 + 1 = 3698175007 (mod 2^32)
  Random();
  EXPECT_EQ(Random(), 3698175007.0 / 4294967296.0);
  // 1298181734 is the state before 0xFFFFFFFF, the largest: the draw stays below 1.
  RandSeed = 1298181734;
  const double top = Random();
  EXPECT_EQ(RandSeed, 0xFFFFFFFFu);
  EXPECT_LT(top, 1.0);
  EXPECT_EQ(top, 4294967295.0 / 4294967296.0);
  // The state after 0xFFFFFFFF is 0xFFFFFFFF * 134775813 + 1 mod 2^32.
  EXPECT_EQ(Random(), 4160191484.0 / 4294967296.0);
}

TEST_F(RandomTest, SameSeedSameSequence) {
  RandSeed = 987654321;
  std::vector<int32_t> first;
  std::vector<double> firstReal;
  for (int k = 0; k < 50; ++k) {
    first.push_back(Random(1000));
    firstReal.push_back(Random());
  }
  RandSeed = 987654321;
  for (int k = 0; k < 50; ++k) {
    EXPECT_EQ(Random(1000), first[static_cast<size_t>(k)]);
    EXPECT_EQ(Random(), firstReal[static_cast<size_t>(k)]);
  }
}

TEST_F(RandomTest, RangeOfBoundedDraws) {
  RandSeed = 2024;
  std::vector<int> seen(7, 0);
  for (int k = 0; k < 7000; ++k) {
    const int32_t r = Random(7);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 7);
    ++seen[static_cast<size_t>(r)];
  }
  for (int count : seen) EXPECT_GT(count, 800);  // about 1000 each
  // Random(1) is always 0; the largest bound stays in range.
  for (int k = 0; k < 100; ++k) EXPECT_EQ(Random(1), 0);
  RandSeed = 0xFFFFFFFFu;  // next state 4160191484
  EXPECT_EQ(Random(INT32_MAX), static_cast<int32_t>((uint64_t{4160191484u} * INT32_MAX) >> 32));
}

TEST_F(RandomTest, NonPositiveBoundGivesZeroAndStillAdvances) {
  for (int32_t n : {0, -1, INT32_MIN}) {
    SCOPED_TRACE(n);
    RandSeed = 1;
    EXPECT_EQ(Random(n), 0);
    EXPECT_EQ(RandSeed, 134775814u);
  }
}

TEST_F(RandomTest, RandomizeChangesTheSeed) {
  // Two clock readings far enough apart give different seeds; the chance
  // that three in a row all hit the seed 12345 is nil.
  int same = 0;
  for (int k = 0; k < 3; ++k) {
    RandSeed = 12345;
    Randomize();
    if (RandSeed == 12345) ++same;
  }
  EXPECT_LT(same, 3);
}

}  // namespace
}  // namespace kvo
