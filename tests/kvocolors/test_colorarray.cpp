// The TColorArray palette: construction, element access, fills and
// transformations, search, copying, notifications and the palette file.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "kvobase/errors.h"
#include "kvocolors/kvocolors.h"
#include "platform/exceptions.h"
#include "tests/support/tempdir.h"

namespace kvo {
namespace {

// A palette that counts its notifications.
class Palette : public ::testing::Test {
 protected:
  Palette() {
    pal.SetName(u"pal");
    pal.SetOnChange([this](TObject* sender) {
      EXPECT_EQ(sender, &pal);
      ++changes;
    });
  }
  void SetColors(std::initializer_list<TColor> cols) {
    pal.SetSize(static_cast<int32_t>(cols.size()));
    int32_t i = 1;
    for (TColor c : cols) pal.SetColorElem(i++, c);
    changes = 0;
  }
  std::vector<TColor> Colors() const {
    std::vector<TColor> v;
    for (int32_t i = 1; i <= pal.Size(); ++i) v.push_back(pal.GetColorElem(i));
    return v;
  }
  TColorArray pal;
  int changes = 0;
};

TEST(ColorArrayNew, IsARainbowOf1000) {
  TColorArray a;
  EXPECT_EQ(a.Size(), 1000);
  EXPECT_EQ(a.GetColorElem(1000), 0x000040);
  EXPECT_EQ(a.GetColorElem(1), InterpolateColor(ColorArray_Rainbow[0], ColorArray_Rainbow[1], 0.01));
  a.Fill(0);
  a.Restore();  // the constructor backed the rainbow up
  EXPECT_EQ(a.GetColorElem(1000), 0x000040);
}

TEST_F(Palette, ElementAccessOutsideTheRange) {
  SetColors({0x11, 0x22, 0x33});
  EXPECT_EQ(pal.GetColorElem(0), 0x11);
  EXPECT_EQ(pal.GetColorElem(-5), 0x11);
  EXPECT_EQ(pal.GetColorElem(3 + 5), 0x33);
  pal.SetColorElem(0, 0x99);
  pal.SetColorElem(4, 0x99);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x11, 0x22, 0x33}));
  pal.SetColorElem(2, 0x99);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(pal.GetColorElem(2), 0x99);
}

TEST_F(Palette, Resize) {
  SetColors({0x11, 0x22, 0x33});
  pal.Backup();
  pal.SetSize(0);
  pal.SetSize(3);
  pal.SetSize(-7);
  EXPECT_EQ(changes, 0);
  pal.SetSize(5);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x11, 0x22, 0x33, 0, 0}));
  pal.SetSize(2);
  pal.Restore();  // the backup was resized with the colours
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x11, 0x22}));
  try {
    pal.SetSize(MaxColorArraySize + 1);
    FAIL() << "no error";
  } catch (const EKVOColArrayError& e) {
    EXPECT_EQ(e.Message(), u"Component \"pal\": not enough memory");
  }
  EXPECT_EQ(pal.Size(), 2);
}

TEST_F(Palette, FillByInterpolation) {
  const TColor A = 0x00000000, B = 0x00FFFFFF;
  const TColor two[] = {A, B};
  pal.SetSize(2);
  changes = 0;
  pal.FillByInterpolation(0, two);
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x007F7F7F, B}));
  EXPECT_EQ(changes, 1);

  const TColor one[] = {0x00123456};
  pal.FillByInterpolation(3, one);
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x00123456, 0x00123456}));

  // No colours: unchanged, no notification.
  changes = 0;
  pal.FillByInterpolation(0, std::span<const TColor>());
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x00123456, 0x00123456}));

  // Bands: at most DiscreteLevels + 1 colours, in runs, ending in the last.
  pal.SetSize(1000);
  pal.FillByInterpolation(4, ColorArray_Rainbow);
  std::set<TColor> distinct;
  int runs = 1;
  for (int32_t i = 1; i <= 1000; ++i) {
    distinct.insert(pal.GetColorElem(i));
    if (i > 1 && pal.GetColorElem(i) != pal.GetColorElem(i - 1)) ++runs;
  }
  EXPECT_LE(distinct.size(), 5u);
  EXPECT_EQ(static_cast<int>(distinct.size()), runs);
  EXPECT_EQ(pal.GetColorElem(1000), 0x000040);
}

TEST_F(Palette, FillWithMoreColoursThanPositions) {
  pal.SetSize(3);
  const TColor many[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
  pal.FillByInterpolation(0, many);  // samples at 7/3, 14/3 and 7
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x03, 0x05, 0x08}));
  // With bands, a band index below the first colour takes the first colour.
  pal.FillByInterpolation(1, many);
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x01, 0x08, 0x08}));
  pal.FillByInterpolation(100, many);
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x03, 0x05, 0x08}));
}

TEST_F(Palette, LogTransform) {
  pal.SetSize(50);
  pal.FillByInterpolation(0, ColorArray_Rainbow);
  const std::vector<TColor> before = Colors();
  changes = 0;
  pal.LogTransform(0);
  EXPECT_EQ(Colors(), before);
  EXPECT_EQ(changes, 1);
  pal.LogTransform(1);
  const std::vector<TColor> after = Colors();
  EXPECT_EQ(after.front(), before.front());
  EXPECT_EQ(after.back(), before.back());
  EXPECT_NE(after, before);
  // Position i takes the colour of position round(ln(i) * N / ln(N)) + 1.
  EXPECT_EQ(after[1], before[static_cast<size_t>(std::lround(std::log(2.0) * 50 / std::log(50.0)))]);

  SetColors({0x42});
  pal.LogTransform(1);
  EXPECT_EQ(pal.GetColorElem(1), 0x42);
  EXPECT_EQ(changes, 1);
}

TEST_F(Palette, MirrorInvertReverseRestore) {
  SetColors({0x010203, 0x040506, static_cast<TColor>(0xFF070809u)});
  pal.Backup();
  pal.MirrorColors();
  EXPECT_EQ(Colors(), (std::vector<TColor>{static_cast<TColor>(0xFF070809u), 0x040506, 0x010203}));
  pal.InvertColors();
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x00F8F7F6, 0x00FBFAF9, 0x00FEFDFC}));
  pal.ReverseRGB();
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x00F6F7F8, 0x00F9FAFB, 0x00FCFDFE}));
  EXPECT_EQ(changes, 3);
  pal.Restore();
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x010203, 0x040506, static_cast<TColor>(0xFF070809u)}));
}

TEST_F(Palette, ColorToIndex) {
  SetColors({0x000000, 0x808080, 0x0000FF, 0x808080});
  double d = -1;
  EXPECT_EQ(pal.ColorToIndex(0x808080, d), 2);
  EXPECT_EQ(d, 0);
  EXPECT_EQ(pal.ColorToIndex(0x0000F0, d), 3);
  EXPECT_NEAR(d, std::sqrt(15.0 * 15 / 195075), 1e-15);
  SetColors({0, 0});
  EXPECT_EQ(pal.ColorToIndex(0xFFFFFF, d), 1);
  EXPECT_EQ(d, 1.0);
  EXPECT_EQ(changes, 0);
}

TEST_F(Palette, CopyFrom) {
  TColorArray src;
  src.SetSize(4);
  for (int32_t i = 1; i <= 4; ++i) src.SetColorElem(i, 0x10 * i);
  SetColors({1, 2, 3, 4, 5});
  pal.CopyFrom(&src, 3, 1, 4);  // reversed bounds: 1..3 ascending, only two fit
  EXPECT_EQ(Colors(), (std::vector<TColor>{1, 2, 3, 0x10, 0x20}));
  EXPECT_EQ(changes, 1);
  pal.CopyFrom(&src, -10, 99, -1);  // clamped to 1..4; destinations -1..2
  EXPECT_EQ(Colors(), (std::vector<TColor>{0x30, 0x40, 3, 0x10, 0x20}));
  pal.CopyFrom(nullptr, 1, 4, 1);
  EXPECT_EQ(changes, 2);
  // Within one palette the source is read before anything is overwritten.
  SetColors({1, 2, 3, 4, 5});
  pal.CopyFrom(&pal, 1, 3, 2);
  EXPECT_EQ(Colors(), (std::vector<TColor>{1, 1, 2, 3, 5}));
}

TEST_F(Palette, AssignAndIsEqual) {
  SetColors({1, 2, 3});
  pal.Backup();
  pal.SetColorElem(1, 9);
  TColorArray other;
  int otherChanges = 0;
  other.SetOnChange([&](TObject*) { ++otherChanges; });
  EXPECT_FALSE(other.IsEqual(&pal));
  other.Assign(&pal);
  EXPECT_EQ(otherChanges, 0);
  EXPECT_TRUE(other.IsEqual(&pal));
  EXPECT_TRUE(static_cast<bool>(other.OnChange()));  // its own handler stays
  other.Restore();
  EXPECT_EQ(other.GetColorElem(1), 1);  // the backup came along
  EXPECT_FALSE(other.IsEqual(&pal));
  pal.Backup();
  EXPECT_TRUE(pal.IsEqual(&pal));
  EXPECT_FALSE(pal.IsEqual(nullptr));
  EXPECT_THROW(pal.Assign(nullptr), EConvertError);

  TColorArray third;
  pal.AssignTo(&third);
  EXPECT_TRUE(third.IsEqual(&pal));
}

// ---- the palette file ----

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteAll(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST_F(Palette, StoreWritesHeaderAndHexLines) {
  testing::TempDir dir;
  SetColors({0xFF0000, static_cast<TColor>(0xFF00000Fu), 0x12});
  const std::string name = dir.file("p.pal");
  ASSERT_TRUE(pal.StoreOnFile(0, 3 + 10, FromUtf8(name)));
  EXPECT_EQ(ReadAll(name), "1 3\r\n00FF0000\r\nFF00000F\r\n00000012\r\n");
  ASSERT_TRUE(pal.StoreOnFile(3, 2, FromUtf8(name)));
  EXPECT_EQ(ReadAll(name), "2 3\r\nFF00000F\r\n00000012\r\n");
  ASSERT_TRUE(pal.StoreOnFile(7, 5, FromUtf8(name)));
  EXPECT_EQ(ReadAll(name), "5 3\r\n");
  EXPECT_FALSE(pal.StoreOnFile(1, 3, FromUtf8(dir.file("missing/p.pal"))));

  TColorArray back;
  ASSERT_TRUE(pal.StoreOnFile(1, 3, FromUtf8(name)));
  ASSERT_TRUE(back.LoadFromFile(FromUtf8(name), true));
  EXPECT_TRUE(back.IsEqual(&pal));
}

TEST_F(Palette, LoadCases) {
  testing::TempDir dir;
  struct Case {
    const char* name;
    std::string text;
    bool adjust;
    bool result;
    std::vector<TColor> colors;  // the palette afterwards (from {1, 2, 3})
    int changes;
  };
  const Case cases[] = {
      {"plain", "1 3\n0000FF\nff00\n  $00ff00ZZ\n", false, true, {0xFF, 0xFF00, 0xFF00}, 4},
      {"partial range", "2 3 trailing words\nA\nB\n", false, true, {1, 0xA, 0xB}, 3},
      {"too many, no adjust", "1 5\n1\n2\n3\n4\n5\n", false, false, {1, 2, 3}, 1},
      {"adjust grows", "1 5\n1\n2\n3\n4\n5\n", true, true, {1, 2, 3, 4, 5}, 7},
      {"adjust shrinks", "\t 1\r\n 2\nC\nD\n", true, true, {0xC, 0xD}, 4},
      {"missing lines are 0", "1 3\n7\n", false, true, {7, 0, 0}, 4},
      {"empty line is 0", "1 3\n\n8\n9", false, true, {0, 8, 9}, 4},
      {"below 1 consumed", "-1 2\nE\nF\n11\n12\n", false, true, {0x11, 0x12, 3}, 3},
      {"bad header", "1 x\n1\n", false, false, {1, 2, 3}, 0},
      {"empty file", "", true, false, {1, 2, 3}, 0},
      {"one number", "7", true, false, {1, 2, 3}, 0},
      {"adjust to 0 ignored", "1 0\n", true, true, {1, 2, 3}, 1},
      {"hostile size", "1 2147483647\n", true, false, {1, 2, 3}, 1},
      {"hostile range", "-2147483648 2\n", false, true, {0, 0, 3}, 3},
      {"hex header", "$1 $2\nAA\nBB\n", false, true, {0xAA, 0xBB, 3}, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetColors({1, 2, 3});
    const std::string file = dir.file("in.pal");
    WriteAll(file, c.text);
    EXPECT_EQ(pal.LoadFromFile(FromUtf8(file), c.adjust), c.result);
    EXPECT_EQ(Colors(), c.colors);
    EXPECT_EQ(changes, c.changes);
  }
  EXPECT_FALSE(pal.LoadFromFile(FromUtf8(dir.file("nothing.pal")), true));
}

TEST_F(Palette, OpenFileFormsWorkFromTheCurrentPosition) {
  testing::TempDir dir;
  const String name = FromUtf8(dir.file("two.txt"));
  SetColors({0xA1, 0xA2});
  {
    TTextFile f(name);
    f.Rewrite();
    f.WriteLn(u"# two palettes");
    ASSERT_TRUE(pal.WriteToOpenTextFile(f, 1, 2));
    ASSERT_TRUE(pal.WriteToOpenTextFile(f, 2, 2));
    f.Close();
  }
  TTextFile f(name);
  f.Reset();
  EXPECT_EQ(f.ReadLn(), u"# two palettes");
  TColorArray a, b;
  ASSERT_TRUE(a.ReadFromOpenTextFile(f, true));
  b.SetSize(2);
  b.Fill(0);
  ASSERT_TRUE(b.ReadFromOpenTextFile(f, false));
  f.Close();
  EXPECT_TRUE(a.IsEqual(&pal));
  EXPECT_EQ(b.GetColorElem(1), 0);
  EXPECT_EQ(b.GetColorElem(2), 0xA2);
  // A file open for reading cannot be written; the writer reports it.
  f.Reset();
  EXPECT_FALSE(pal.WriteToOpenTextFile(f, 1, 2));
  f.Close();
}

}  // namespace
}  // namespace kvo
