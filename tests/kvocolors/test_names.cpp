// The named colours, the predefined colours, the ready-made palettes and
// ObtainColorName.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "kvocolors/kvocolors.h"

namespace kvo {
namespace {

String Lower(StringView s) {
  String r(s);
  for (Char& c : r)
    if (c >= u'A' && c <= u'Z') c = static_cast<Char>(c + 32);
  return r;
}

TEST(NamedColors, TableShape) {
  std::set<String> lowered;
  int repeated = 0;
  for (size_t i = 0; i < AllKVOColors.size(); ++i) {
    lowered.insert(Lower(AllKVOColorNames[i]));
    EXPECT_EQ(static_cast<uint32_t>(AllKVOColors[i]) >> 24, 0u) << i;
    if (std::find(AllKVOColors.begin(), AllKVOColors.begin() + static_cast<std::ptrdiff_t>(i), AllKVOColors[i]) !=
        AllKVOColors.begin() + static_cast<std::ptrdiff_t>(i))
      ++repeated;
  }
  EXPECT_EQ(lowered.size(), 466u);  // distinct, also ignoring case
  EXPECT_EQ(repeated, 49);
  // After the 19 leading colours the names are in case-blind order.
  EXPECT_TRUE(std::is_sorted(AllKVOColorNames.begin() + 19, AllKVOColorNames.end(),
                             [](StringView a, StringView b) { return Lower(a) < Lower(b); }));
  struct Case {
    int ix;
    const char16_t* name;
    TColor value;
  };
  const Case cases[] = {{0, u"Black", 0x000000},          {15, u"White", 0xFFFFFF},
                        {18, u"MedGray", 0xA4A0A0},       {19, u"AliceBlue", 0xFFF8F0},
                        {24, u"AntiqueWhite4", 0x78838B}, {465, u"YellowGreen", 0x32CD9A},
                        {86, u"Cyan", 0xFFFF00}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ix);
    EXPECT_EQ(AllKVOColorNames[static_cast<size_t>(c.ix)], c.name);
    EXPECT_EQ(AllKVOColors[static_cast<size_t>(c.ix)], c.value);
  }
}

TEST(NamedColors, X11AndPredefinedAreTableValues) {
  EXPECT_EQ(X11Colors[0], AllKVOColors[static_cast<size_t>(FindKVOColorName(u"AliceBlue"))]);
  EXPECT_EQ(X11Colors[114], AllKVOColors[static_cast<size_t>(FindKVOColorName(u"RebeccaPurple"))]);
  EXPECT_EQ(X11Colors[144], 0x32CD9A);
  for (TColor c : X11Colors) EXPECT_NE(ObtainColorName(c), ColorToHexStr(c));
  const char16_t* first20[] = {u"Black", u"Maroon", u"Green",  u"Olive",   u"Navy",  u"Purple",     u"Teal",
                               u"Gray",  u"Silver", u"Red",    u"Lime",    u"Yellow", u"Blue",      u"Fuchsia",
                               u"Aqua",  u"White",  u"MoneyGreen", u"SkyBlue", u"Cream", u"MedGray"};
  for (size_t i = 0; i < 20; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(PredefinedColors[i], AllKVOColors[static_cast<size_t>(FindKVOColorName(first20[i]))]);
  }
  EXPECT_EQ(PredefinedColors[17], 0x00F0CAA6);
  EXPECT_EQ(static_cast<uint32_t>(PredefinedColors[20]), 0xFF00000Au);
  EXPECT_EQ(PredefinedColors[29], 0x20000000);
  EXPECT_EQ(PredefinedColors[40], 0x1FFFFFFF);
  EXPECT_EQ(static_cast<uint32_t>(PredefinedColors[46]), 0xFF000008u);
}

TEST(NamedColors, ObtainColorName) {
  struct Case {
    uint32_t value;
    const char16_t* name;
  };
  const Case cases[] = {{0x00FFFF00, u"Aqua"},     {0x00FF00FF, u"Fuchsia"},  {0xFF00000F, u"FF00000F"},
                        {0x00123456, u"00123456"}, {0x00800000, u"Navy"},     {0x0000FF00, u"Lime"},
                        {0x0100FF00, u"0100FF00"}, {0x0032CD9A, u"OliveDrab3"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.name));
    EXPECT_EQ(ObtainColorName(static_cast<TColor>(c.value)), c.name);
  }
  EXPECT_EQ(FindKVOColorName(u"aqua"), 14);
  EXPECT_EQ(FindKVOColorName(u"NAVYBLUE"), FindKVOColorName(u"NavyBlue"));
  EXPECT_EQ(FindKVOColorName(u"Aqu"), -1);
  EXPECT_EQ(FindKVOColorName(u""), -1);
}

TEST(ReadyMadePalettes, Lengths) {
  EXPECT_EQ(ReadyMadePalettes.size(), 7u);
  EXPECT_EQ(ColorArray_Rainbow.back(), 0x000040);
  EXPECT_EQ(ColorArray_Contrast.size(), 16u);
  EXPECT_EQ(ReadyMadePalettes[5].Name, u"MorgenStemning");
  EXPECT_EQ(ReadyMadePalettes[5].Colors.size(), 7u);
  EXPECT_EQ(ReadyMadePalettes[5].Colors[1], 0x4E2F0E);
}

}  // namespace
}  // namespace kvo
