// Combinations, permutations and the nearest-value search.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <vector>

#include "dstruct/combinatorics.h"

namespace kvo {
namespace {

TCombination Start(int k) {
  TCombination c{};
  c[0] = static_cast<uint8_t>(k);
  for (int i = 1; i <= k; ++i) c[i] = static_cast<uint8_t>(i);
  return c;
}

std::vector<int> Items(const TCombination& c) { return {c.begin() + 1, c.begin() + 1 + c[0]}; }

TEST(Combination, StepsInLexicographicOrder) {
  TCombination c = Start(2);
  std::vector<std::vector<int>> seen{Items(c)};
  while (NextCombination(c, 4)) seen.push_back(Items(c));
  const std::vector<std::vector<int>> expected{{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(Items(c), (std::vector<int>{3, 4}));  // unchanged after false
}

TEST(Combination, VisitsBinomialManyDistinctSortedSets) {
  struct Case {
    int k, n;
    int64_t count;
  };
  const Case cases[] = {{1, 1, 1}, {3, 3, 1}, {1, 5, 5}, {3, 7, 35}, {5, 10, 252}, {2, 255, 32385}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.k << " of " << c.n);
    TCombination comb = Start(c.k);
    std::set<std::vector<int>> all;
    std::vector<int> prev;
    do {
      std::vector<int> cur = Items(comb);
      ASSERT_TRUE(std::is_sorted(cur.begin(), cur.end()));
      ASSERT_EQ(std::adjacent_find(cur.begin(), cur.end()), cur.end());
      ASSERT_GE(cur.front(), 1);
      ASSERT_LE(cur.back(), c.n);
      ASSERT_LT(prev, cur);
      prev = cur;
      all.insert(cur);
    } while (NextCombination(comb, c.n));
    EXPECT_EQ(static_cast<int64_t>(all.size()), c.count);
  }
}

TEST(Combination, DegenerateArgumentsGiveFalseUnchanged) {
  TCombination c = Start(3);
  EXPECT_FALSE(NextCombination(c, 3));
  EXPECT_EQ(Items(c), (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(NextCombination(c, 2));  // k > N
  EXPECT_FALSE(NextCombination(c, -7));
  EXPECT_EQ(Items(c), (std::vector<int>{1, 2, 3}));
  TCombination empty{};
  EXPECT_FALSE(NextCombination(empty, 10));
  EXPECT_EQ(empty, TCombination{});
  // N above 255 counts as 255: numbers never wrap past a byte.
  TCombination big = Start(1);
  big[1] = 254;
  EXPECT_TRUE(NextCombination(big, 100000));
  EXPECT_EQ(big[1], 255);
  EXPECT_FALSE(NextCombination(big, 100000));
  EXPECT_EQ(big[1], 255);
}

TEST(Permutation, StepsInTheStatedOrder) {
  TCombination p = Start(3);
  std::vector<std::vector<int>> seen{Items(p)};
  while (NextPermutation(p)) seen.push_back(Items(p));
  const std::vector<std::vector<int>> expected{{1, 2, 3}, {2, 1, 3}, {2, 3, 1},
                                               {1, 3, 2}, {3, 1, 2}, {3, 2, 1}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(Items(p), (std::vector<int>{3, 2, 1}));
}

TEST(Permutation, VisitsAllFactorialManyPermutations) {
  for (int n = 1; n <= 7; ++n) {
    SCOPED_TRACE(n);
    TCombination p = Start(n);
    std::set<std::vector<int>> all{Items(p)};
    int steps = 0;
    while (NextPermutation(p)) {
      ++steps;
      std::vector<int> cur = Items(p);
      std::vector<int> sorted = cur;
      std::sort(sorted.begin(), sorted.end());
      ASSERT_EQ(sorted, Items(Start(n)));
      all.insert(cur);
    }
    int fact = 1;
    for (int i = 2; i <= n; ++i) fact *= i;
    EXPECT_EQ(steps, fact - 1);
    EXPECT_EQ(static_cast<int>(all.size()), fact);
    if (n == 5) {
      EXPECT_EQ(Items(p), (std::vector<int>{5, 4, 3, 2, 1}));
    }
  }
}

TEST(Permutation, InvalidContentGivesFalseAndStaysInside) {
  TCombination empty{};
  EXPECT_FALSE(NextPermutation(empty));
  // 1 is missing.
  TCombination p{};
  p[0] = 3;
  p[1] = 2;
  p[2] = 2;
  p[3] = 3;
  const TCombination before = p;
  EXPECT_FALSE(NextPermutation(p));
  EXPECT_EQ(p, before);
  // All 255 places used: 2 .. 255, then 1 at the end. The step moves 2 one
  // place right and brings 1 back to the front, inside elements 1 .. 255.
  TCombination full{};
  full[0] = 255;
  for (int i = 1; i <= 254; ++i) full[i] = static_cast<uint8_t>(i + 1);
  full[255] = 1;
  ASSERT_TRUE(NextPermutation(full));
  EXPECT_EQ(full[1], 1);
  EXPECT_EQ(full[2], 3);
  EXPECT_EQ(full[3], 2);
  EXPECT_EQ(full[4], 4);
  EXPECT_EQ(full[255], 255);
}

TEST(NearestValue, DoublesTakeTheFirstOfEqualDistances) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double x;
    std::vector<double> a;
    int32_t expected;
  };
  const Case cases[] = {
      {2.5, {1.0, 2.0, 3.0}, 1},
      {2.5, {}, -1},
      {-4, {5, -3, -5, 0}, 1},
      {7, {7, 7}, 0},
      {0, {nan, 3, nan}, 1},
      {0, {inf, -inf}, -1},
      {nan, {1, 2}, -1},
      {0, {1.7e308, 1.69e308}, 1},  // a distance of 1.7e308 never counts
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(IndexOfNearestArrayValue(c.x, std::span<const double>(c.a)), c.expected);
  }
}

TEST(NearestValue, IntegersNeverWrap) {
  const int32_t mx = std::numeric_limits<int32_t>::max();
  const int32_t mn = std::numeric_limits<int32_t>::min();
  struct Case {
    int32_t x;
    std::vector<int32_t> a;
    int32_t expected;
  };
  const Case cases[] = {
      {10, {3, 12, 8}, 1},
      {10, {}, -1},
      {0, {-2, 2}, 0},
      // mx - mn wraps to -1 in 32 bits; exactly it is the largest distance.
      {mn, {mx, mn + 5}, 1},
      {mx, {mn, 0, mx - 1}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(IndexOfNearestArrayValue(c.x, std::span<const int32_t>(c.a)), c.expected);
  }
}

}  // namespace
}  // namespace kvo
