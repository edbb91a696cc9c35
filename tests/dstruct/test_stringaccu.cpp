// TStringAccu: counting distinct strings in order of first appearance.
#include <gtest/gtest.h>

#include "dstruct/stringaccu.h"

namespace kvo {
namespace {

TEST(StringAccu, CountsDistinctStringsInFirstSeenOrder) {
  TStringAccu acc;
  EXPECT_EQ(acc.Size(), 0);
  for (const char16_t* s : {u"a", u"b", u"a", u"", u"A", u"a", u""}) acc.Add(s);
  struct Entry {
    String text;
    int32_t count;
  };
  const Entry expected[] = {{u"a", 3}, {u"b", 1}, {u"", 2}, {u"A", 1}};
  ASSERT_EQ(acc.Size(), 4);
  for (int32_t i = 1; i <= 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(acc.GetString(i), expected[i - 1].text);
    EXPECT_EQ(acc.GetCount(i), expected[i - 1].count);
  }
  for (int32_t ix : {0, -1, 5}) {
    SCOPED_TRACE(ix);
    EXPECT_EQ(acc.GetString(ix), u"");
    EXPECT_EQ(acc.GetCount(ix), 0);
  }
  acc.Clear();
  EXPECT_EQ(acc.Size(), 0);
  EXPECT_EQ(acc.GetCount(1), 0);
  acc.Add(u"b");
  EXPECT_EQ(acc.GetString(1), u"b");
  EXPECT_EQ(acc.GetCount(1), 1);
}

TEST(StringAccu, ComparesWholeStringsExactly) {
  TStringAccu acc;
  const String withNul(u"x\0y", 3);
  acc.Add(withNul);
  acc.Add(u"x");
  acc.Add(u"x ");
  acc.Add(withNul);
  EXPECT_EQ(acc.Size(), 3);
  EXPECT_EQ(acc.GetString(1), withNul);
  EXPECT_EQ(acc.GetCount(1), 2);
}

}  // namespace
}  // namespace kvo
