// String scrambling: the permutation tables, their seeding and the start-up
// state.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

#include "platform/random.h"
#include "stringl/scramble.h"

namespace kvo {
namespace {

String AllCodes(int from, int to) {
  String s;
  for (int c = from; c <= to; ++c) s += Char(c);
  return s;
}

// The forward table as a string of 256 characters.
String ForwardTable() { return Scramble(AllCodes(0, 255)); }

// Other tests reseed; each test that needs the built-in tables restores them.
class ScrambleTest : public ::testing::Test {
 protected:
  void TearDown() override { InitScramble(kBuiltInScrambleSeed); }
};

TEST_F(ScrambleTest, TablesArePermutationsKeepingZero) {
  for (int32_t seed : {kBuiltInScrambleSeed, 0, 1, -1, 123456789}) {
    SCOPED_TRACE(seed);
    InitScramble(seed);
    const String f = ForwardTable();
    ASSERT_EQ(f.size(), 256u);
    EXPECT_EQ(f[0], 0);
    std::set<Char> seen(f.begin() + 1, f.end());
    EXPECT_EQ(seen.size(), 255u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 255);
    EXPECT_EQ(DeScramble(f), AllCodes(0, 255));
  }
}

TEST_F(ScrambleTest, RoundTripsEveryCodeUnit) {
  const String all = AllCodes(0, 65535);
  const String scrambled = Scramble(all);
  EXPECT_EQ(scrambled.size(), all.size());
  EXPECT_EQ(DeScramble(scrambled), all);
  EXPECT_EQ(Scramble(DeScramble(all)), all);
  // Above 255 nothing changes.
  EXPECT_EQ(scrambled.substr(256), all.substr(256));
  // The permutation is not the identity on 1 ... 255.
  EXPECT_NE(scrambled.substr(0, 256), all.substr(0, 256));
  EXPECT_EQ(Scramble(u""), u"");
  EXPECT_EQ(DeScramble(u""), u"");
}

TEST_F(ScrambleTest, InitScrambleFollowsTheStatedDraws) {
  // Model of the filling rule, on the platform generator.
  const int32_t seed = 4711;
  RandSeed = static_cast<uint32_t>(seed);
  std::vector<int> f(256, 0), g(256, 0);
  for (int i = 1; i <= 255; ++i) {
    int a;
    do {
      a = Random(255) + 1;
    } while (g[a] != 0);
    f[i] = a;
    g[a] = i;
  }
  const uint32_t stateAfter = RandSeed;

  RandSeed = 99;  // InitScramble seeds the generator itself
  InitScramble(seed);
  EXPECT_EQ(RandSeed, stateAfter);  // left where the draws ended
  const String table = ForwardTable();
  for (int i = 0; i < 256; ++i) ASSERT_EQ(table[static_cast<size_t>(i)], f[static_cast<size_t>(i)]) << i;
}

TEST_F(ScrambleTest, SameSeedSameTablesOtherSeedOtherTables) {
  InitScramble(1234);
  const String a = ForwardTable();
  const String text = Scramble(u"Secret text, 42!");
  InitScramble(4321);
  EXPECT_NE(ForwardTable(), a);
  EXPECT_NE(DeScramble(text), u"Secret text, 42!");
  InitScramble(1234);
  EXPECT_EQ(ForwardTable(), a);
  EXPECT_EQ(DeScramble(text), u"Secret text, 42!");
}

TEST_F(ScrambleTest, BuiltInSeedIsAFourDigitNumber) {
  EXPECT_GE(kBuiltInScrambleSeed, 1000);
  EXPECT_LE(kBuiltInScrambleSeed, 9999);
}

// The start-up filled the tables with the built-in seed: the tables seen
// before any test reseeds equal those InitScramble(kBuiltInScrambleSeed)
// gives. Every test above restores the built-in tables when it ends, so this
// holds whatever the order of the tests.
TEST_F(ScrambleTest, StartUpUsesTheBuiltInSeed) {
  const String atStart = ForwardTable();
  InitScramble(kBuiltInScrambleSeed);
  EXPECT_EQ(ForwardTable(), atStart);
}

// At load the start-up leaves the generator where the built-in seeding
// ended. Checked in a freshly started copy of this test program, before any
// test has drawn or reseeded.
TEST(ScrambleStartUp, LeavesTheGeneratorInAFixedState) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        const uint32_t atLoad = RandSeed;
        InitScramble(kBuiltInScrambleSeed);
        std::exit(RandSeed == atLoad ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace kvo
