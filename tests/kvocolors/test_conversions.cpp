// Colour arithmetic, hexadecimal text, random colours, the colour models and
// the wavelength mapping.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>

#include "kvocolors/kvocolors.h"
#include "platform/random.h"
#include "tests/kvocolors/colorsys_reference.h"

namespace kvo {
namespace {

constexpr TColor kBlack = 0x000000, kWhite = 0xFFFFFF;
constexpr TColor kSysBtnFace = static_cast<TColor>(0xFF00000Fu);

TEST(ColorMixing, InterpolateClampsRatioAndTruncates) {
  struct Case {
    TColor c1, c2;
    double ratio;
    TColor expected;
  };
  const Case cases[] = {
      {0x00102030, 0x00FFFFFF, -0.5, 0x00102030},
      {0x00102030, 0x00405060, 7.0, 0x00405060},
      {static_cast<TColor>(0xFF102030u), 0x00405060, 0.0, 0x00102030},  // high byte cleared
      {0x00102030, static_cast<TColor>(0xAA405060u), 1.0, 0x00405060},
      {kBlack, kWhite, 0.5, 0x007F7F7F},           // 127.5 truncates
      {kWhite, kBlack, 0.5, 0x007F7F7F},           // (0 - 255) * 0.5 + 255 = 127.5
      {0x000000FF, 0x00000000, 0.999, 0x00000000},  // 255 - 254.745 = 0.255 -> 0
      {kBlack, kWhite, std::nan(""), kBlack},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ratio);
    EXPECT_EQ(InterpolateColor(c.c1, c.c2, c.ratio), c.expected);
  }
  EXPECT_EQ(MeanColor(kBlack, kWhite), 0x007F7F7F);
}

TEST(ColorMixing, ThreeColorsMeetInTheMiddle) {
  const TColor a = 0x00000010, b = 0x00204060, c = 0x00FFFFFF;
  EXPECT_EQ(Interpolate3Colors(a, b, c, 0.5), b);
  EXPECT_EQ(Interpolate3Colors(a, b, c, 0.0), a);
  EXPECT_EQ(Interpolate3Colors(a, b, c, 1.0), c);
  EXPECT_EQ(Interpolate3Colors(a, b, c, 9.0), c);
  EXPECT_EQ(Interpolate3Colors(a, b, c, -1.0), a);
  // 0.25 is half-way from a to b: red 0x10 + (0x60 - 0x10) / 2 = 0x38.
  EXPECT_EQ(Interpolate3Colors(a, b, c, 0.25), 0x00102038);
  // 0.75 is half-way from b to c: each channel truncate((255 - c2) / 2 + c2).
  EXPECT_EQ(Interpolate3Colors(a, b, c, 0.75), RGBToColor(0x60 + 79, 0x40 + 95, 0x20 + 111));
}

TEST(ColorMixing, InvertReverseDistance) {
  EXPECT_EQ(InvertColor(kSysBtnFace), 0x00FFFFF0);
  EXPECT_EQ(InvertColor(0x00123456), 0x00EDCBA9);
  EXPECT_EQ(ReverseRGBColor(static_cast<TColor>(0xFF123456u)), 0x00563412);
  EXPECT_DOUBLE_EQ(RGBColorDistance(kBlack, kWhite), 1.0);
  EXPECT_DOUBLE_EQ(RGBColorDistance(0x00123456, static_cast<TColor>(0xFF123456u)), 0.0);
  EXPECT_DOUBLE_EQ(RGBColorDistance(0x000000FF, 0x00000000), std::sqrt(1.0 / 3.0));
}

TEST(ColorHexText, WritesEightDigitsOrTheCountAsked) {
  EXPECT_EQ(ColorToHexStr(0x000000FF), u"000000FF");
  EXPECT_EQ(ColorToHexStr(kSysBtnFace), u"FF00000F");
  EXPECT_EQ(ColorToHexStr(0x00ABCDEF, 2), u"EF");
  EXPECT_EQ(ColorToHexStr(0x00ABCDEF, 0), u"F");
  EXPECT_EQ(ColorToHexStr(0x00ABCDEF, 12), u"00ABCDEF");
}

TEST(ColorHexText, ReadsLikeTheFileReader) {
  struct Case {
    const char16_t* text;
    uint32_t expected;
  };
  const Case cases[] = {
      {u"  $0000ff  ", 0xFF},    {u"12G4", 0x12},          {u"", 0},
      {u"     ", 0},             {u"123456789", 0x23456789}, {u"FF000005", 0xFF000005},
      {u"$ 0F", 0x0F},           {u"\t12", 0},             {u"$$12", 0},
      {u"  $00ff00ZZ", 0xFF00},  {u"abcdef", 0xABCDEF},    {u"12 34", 0x12},
      {u"ffffffff", 0xFFFFFFFF}, {u"$", 0},                {u"g", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text));
    EXPECT_EQ(static_cast<uint32_t>(HexStrToColor(c.text)), c.expected);
  }
  for (TColor v : {0, 0x00123456, static_cast<TColor>(0xFF00000Fu), -1}) {
    EXPECT_EQ(HexStrToColor(ColorToHexStr(v)), v);
  }
}

TEST(RandomColors, DrawBlueThenGreenThenRed) {
  RandSeed = 12345;
  const int32_t b = Random(256), g = Random(256), r = Random(256);
  RandSeed = 12345;
  EXPECT_EQ(RandomColor(), RGBToColor(r, g, b));

  RandSeed = 777;
  const int32_t bb = 30 + Random(11), gg = 0 + Random(256), rr = 200 + Random(1);
  RandSeed = 777;
  EXPECT_EQ(RandomColor(200, 200, 0, 255, 30, 40), RGBToColor(rr, gg, bb));
}

TEST(RandomColors, BoundsHoldAndReversedBoundsAreOrdered) {
  RandSeed = 1;
  std::set<int32_t> reds;
  for (int i = 0; i < 2000; ++i) {
    const TColor c = RandomColor(200, 100, 5, 5, 0, 3);  // red bounds reversed
    ASSERT_GE(GetRValue(c), 100);
    ASSERT_LE(GetRValue(c), 200);
    ASSERT_EQ(GetGValue(c), 5);
    ASSERT_LE(GetBValue(c), 3);
    reds.insert(GetRValue(c));
  }
  EXPECT_EQ(reds.size(), 101u);  // every value of the range is reached
  const uint32_t before = RandSeed;
  RandomColor(9, 9, 9, 9, 9, 9);
  RandSeed = before;
  Random(1);
  Random(1);
  Random(1);
  const uint32_t afterThree = RandSeed;
  RandSeed = before;
  RandomColor(9, 9, 9, 9, 9, 9);
  EXPECT_EQ(RandSeed, afterThree);  // always three draws
}

double HueDiff(double a, double b) {
  double d = std::fabs(a - b);
  return d > 180 ? 360 - d : d;
}

// Our HSL and HSV against Python's colorsys. Differences in convention: we
// give the HSV hue of a gray as -1 (colorsys says 0), and we round the
// channels half to even where colorsys returns fractions, so a channel must
// be a nearest integer of colorsys's value.
TEST(ColorModels, MatchColorsysFromRGB) {
  for (const auto& ref : colorsys_ref::kRgbRefs) {
    SCOPED_TRACE(testing::Message() << ref.r << "," << ref.g << "," << ref.b);
    double h, s, l;
    RGBtoHSL(ref.r, ref.g, ref.b, h, s, l);
    EXPECT_LT(HueDiff(h, ref.hlsH), 1e-9);
    EXPECT_NEAR(s, ref.hlsS, 1e-12);
    EXPECT_NEAR(l, ref.hlsL, 1e-12);
    double hv, sv, v;
    RGBtoHSV(ref.r, ref.g, ref.b, hv, sv, v);
    EXPECT_NEAR(sv, ref.hsvS, 1e-12);
    EXPECT_NEAR(v, ref.hsvV, 1e-12);
    if (ref.hsvS > 0) {
      EXPECT_LT(HueDiff(hv, ref.hsvH), 1e-9);
    } else {
      EXPECT_EQ(hv, ref.r == 0 && ref.g == 0 && ref.b == 0 ? 0.0 : -1.0);
    }
  }
}

TEST(ColorModels, MatchColorsysToRGB) {
  for (const auto& ref : colorsys_ref::kHueRefs) {
    SCOPED_TRACE(testing::Message() << ref.h << "," << ref.a << "," << ref.b);
    int32_t r, g, b;
    HSLtoRGB(ref.h, ref.a, ref.b, r, g, b);
    EXPECT_LE(std::fabs(r - ref.hlsR), 0.5 + 1e-9);
    EXPECT_LE(std::fabs(g - ref.hlsG), 0.5 + 1e-9);
    EXPECT_LE(std::fabs(b - ref.hlsB), 0.5 + 1e-9);
    HSVtoRGB(ref.h, ref.a, ref.b, r, g, b);
    EXPECT_LE(std::fabs(r - ref.hsvR), 0.5 + 1e-9);
    EXPECT_LE(std::fabs(g - ref.hsvG), 0.5 + 1e-9);
    EXPECT_LE(std::fabs(b - ref.hsvB), 0.5 + 1e-9);
  }
}

// Every model converts a colour there and back unchanged.
TEST(ColorModels, RoundTripsOverAGrid) {
  for (int r = 0; r <= 255; r += 15) {
    for (int g = 0; g <= 255; g += 17) {
      for (int b = 0; b <= 255; b += 5) {
        const TColor c = RGBToColor(r, g, b);
        SCOPED_TRACE(ToUtf8(ColorToHexStr(c)));
        double x, y, z;
        ColorToHSL(c, x, y, z);
        ASSERT_EQ(HSLtoColor(x, y, z), c);
        ColorToHSV(c, x, y, z);
        ASSERT_EQ(HSVtoColor(x < 0 ? 0 : x, y, z), c);
        ColorToHSI(c, x, y, z);
        ASSERT_EQ(HSItoColor(x < 0 ? 0 : x, y, z), c);
        uint8_t R, G, B;
        RGBtoCMY(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b), x, y, z);
        double k;
        CMYtoCMYK(x, y, z, k);
        CMYKtoCMY(x, y, z, k);
        CMYtoRGB(x, y, z, R, G, B);
        ASSERT_EQ(RGBToColor(R, G, B), c);
      }
    }
  }
}

TEST(ColorModels, HandExamples) {
  double h, s, v;
  RGBtoHSL(128, 128, 128, h, s, v);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(s, 0);
  EXPECT_DOUBLE_EQ(v, 128 / 255.0);
  double h2, s2, l2;
  RGBtoHSL(300, 0, 0, h, s, v);
  RGBtoHSL(255, 0, 0, h2, s2, l2);
  EXPECT_EQ(h, h2);
  EXPECT_EQ(s, s2);
  EXPECT_EQ(v, l2);

  RGBtoHSV(0, 0, 0, h, s, v);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(s, 0);
  EXPECT_EQ(v, 0);
  RGBtoHSV(128, 128, 128, h, s, v);
  EXPECT_EQ(h, -1);
  EXPECT_EQ(s, 0);
  EXPECT_DOUBLE_EQ(v, 128 / 255.0);
  RGBtoHSI(0, 0, 0, h, s, v);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(s, 0);
  EXPECT_EQ(v, 0);
  RGBtoHSI(128, 128, 128, h, s, v);
  EXPECT_EQ(h, -1);
  EXPECT_EQ(s, 0);
  EXPECT_DOUBLE_EQ(v, 128 / 255.0);
  RGBtoHSI(255, 0, 0, h, s, v);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(s, 1);
  EXPECT_DOUBLE_EQ(v, 1 / 3.0);
  RGBtoHSI(5, -5, 0, h, s, v);  // out of range, intensity 0: no division by zero
  EXPECT_EQ(h, 0);
  EXPECT_EQ(s, 0);

  // Ties for the maximum: red wins over green, green over blue.
  RGBtoHSV(255, 255, 0, h, s, v);
  EXPECT_DOUBLE_EQ(h, 60);
  RGBtoHSV(0, 255, 255, h, s, v);
  EXPECT_DOUBLE_EQ(h, 180);
}

TEST(ColorModels, HueNormalisation) {
  struct Case {
    double h;
    double same;  // the hue it must act as
  };
  // HSL and HSI wrap; HSV replaces out-of-range hues by 0.
  const Case wrapping[] = {{-30, 330}, {360, 0}, {-360, 0}, {390, 30}, {720, 0}, {-400, 320}, {1110, 30},
                           {INFINITY, 0}, {NAN, 0}};
  for (const Case& c : wrapping) {
    SCOPED_TRACE(c.h);
    if (std::isfinite(c.h) && std::fabs(c.h) < 1e10) {
      EXPECT_EQ(HSLtoColor(c.h, 1, 0.5), HSLtoColor(c.same, 1, 0.5));
      EXPECT_EQ(HSItoColor(c.h, 0.8, 0.4), HSItoColor(c.same, 0.8, 0.4));
    } else {
      EXPECT_EQ(HSLtoColor(c.h, 1, 0.5), 0x000000FF);
      EXPECT_EQ(HSItoColor(c.h, 1, 1.0 / 3), 0x000000FF);
    }
  }
  for (double h : {-30.0, 360.0, 1000.0, double(NAN)}) {
    SCOPED_TRACE(h);
    EXPECT_EQ(HSVtoColor(h, 1, 1), 0x000000FF);
  }
  EXPECT_EQ(HSLtoColor(120, 7, 0.5), 0x0000FF00);  // S clamped
  EXPECT_EQ(HSVtoColor(0, 0, 2), 0x00FFFFFF);       // V clamped
  EXPECT_EQ(HSLtoColor(0, NAN, NAN), 0x00000000);
}

TEST(ColorModels, CmyAndCmyk) {
  double c = 0.2, m = 0.5, y = 0.7, k = -1;
  CMYtoCMYK(c, m, y, k);
  EXPECT_DOUBLE_EQ(k, 0.2);
  EXPECT_DOUBLE_EQ(c, 0.0);
  EXPECT_NEAR(m, 0.3, 1e-15);
  EXPECT_NEAR(y, 0.5, 1e-15);
  c = -1, m = 2, y = 0.5;
  CMYtoCMYK(c, m, y, k);
  EXPECT_EQ(k, 0);
  EXPECT_EQ(c, 0);
  EXPECT_EQ(m, 1);
  c = 0.5, m = 0.9, y = 0;
  CMYKtoCMY(c, m, y, 0.3);
  EXPECT_DOUBLE_EQ(c, 0.8);
  EXPECT_EQ(m, 1);
  EXPECT_DOUBLE_EQ(y, 0.3);
  uint8_t r, g, b;
  CMYtoRGB(-3, 0.5, 9, r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 128);  // 127.5 rounds to even
  EXPECT_EQ(b, 0);
  RGBtoCMY(255, 0, 51, c, m, y);
  EXPECT_EQ(c, 0);
  EXPECT_EQ(m, 1);
  EXPECT_DOUBLE_EQ(y, 0.8);
}

TEST(ColorModels, Gray) {
  struct Case {
    int r, g, b, gray;
  };
  const Case cases[] = {
      {255, 255, 255, 255}, {0, 0, 255, 28}, {0, 0, 0, 0}, {5, 0, 0, 2},  // 1.5 -> 2
      {0, 0, 5, 1},         // 0.55 -> 1
      {15, 0, 0, 4},        // 4.5 -> 4 (even)
      {1, 1, 1, 1},         {100, 50, 10, 61},            // 30 + 29.5 + 1.1 = 60.6
      {-10, 0, 0, -3},      {2147483647, 2147483647, 2147483647, 2147483647},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.r << "," << c.g << "," << c.b);
    EXPECT_EQ(RGBtoGray(c.r, c.g, c.b), c.gray);
  }
  EXPECT_EQ(ColorToGrayColor(0x00FF0000), 0x001C1C1C);
  EXPECT_EQ(ColorToGray(static_cast<TColor>(0xFFFFFFFFu)), 255);
  EXPECT_EQ(RGBtoGrayColor(300, 300, 300), 0x002C2C2C);  // 300 -> low byte 0x2C
}

TEST(Wavelength, BandsAndFading) {
  struct Case {
    int32_t nm;
    TColor expected;  // with Gamma 1
  };
  const Case cases[] = {
      {379, 0x000000}, {780, 0x000000}, {645, 0x0000FF}, {440, 0xFF0000}, {490, 0xFFFF00},
      {510, 0x00FF00}, {580, 0x00FFFF}, {700, 0x0000FF}, {-5, 0x000000},  {2000000000, 0x000000},
      {740, 0x0000A6},  // f = 40 * 0.7 / 80 + 0.3 = 0.65; 255 * 0.65 = 165.75
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nm);
    EXPECT_EQ(WavelengthToColor(c.nm, 1), c.expected);
  }
  EXPECT_EQ(GetBValue(WavelengthToColor(400, 1)), 166);
  // Gamma 0.8 against the closed form.
  const TColor c = WavelengthToColor(600, 0.8);
  EXPECT_EQ(GetRValue(c), 255);
  EXPECT_EQ(GetGValue(c), std::lround(255 * std::pow(45.0 / 65, 0.8)));
  EXPECT_EQ(GetBValue(c), 0);
  EXPECT_EQ(WavelengthToColor(400, -2), 0x00FF00FF);  // channels above 255 held at 255
  EXPECT_EQ(WavelengthToColor(500, NAN), 0x00000000);
}

}  // namespace
}  // namespace kvo
