#include "kvobase/kvobase.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <type_traits>

namespace kvo {
namespace {

// Every enumeration is one byte.
static_assert(sizeof(TBkgFill) == 1 && sizeof(TBoundingBox) == 1 && sizeof(TColorScheme) == 1 &&
              sizeof(TDecPSep) == 1 && sizeof(TFigType) == 1 && sizeof(TScaleType) == 1 &&
              sizeof(TVerticalAlignment) == 1 && sizeof(TYearLength) == 1 &&
              sizeof(TDateOrder) == 1 && sizeof(TDateForTime) == 1 && sizeof(TShadowStyle) == 1 &&
              sizeof(TFrameStyle) == 1 && sizeof(TDistMode) == 1 && sizeof(TTimeFormat) == 1 &&
              sizeof(TDirection) == 1 && sizeof(TOrientation) == 1 && sizeof(TEdgeOp) == 1 &&
              sizeof(TAxis) == 1 && sizeof(TDims) == 1 && sizeof(TTriState) == 1 &&
              sizeof(TCrossHMode) == 1 && sizeof(TTxtLblAttachMode) == 1 &&
              sizeof(TTxtLblMode) == 1 && sizeof(TDegreeFormat) == 1 &&
              sizeof(TCSVDelimiters) == 1 && sizeof(TZoomPanMode) == 1 && sizeof(TLanguage) == 1 &&
              sizeof(TVarKind) == 1 && sizeof(TMouseBoxState) == 1 &&
              sizeof(TMouseActMode) == 1 && sizeof(TZoomState) == 1 && sizeof(TAlignment) == 1 &&
              sizeof(TFontStyle) == 1 && sizeof(TPenStyle) == 1 && sizeof(TFontStyles) == 1);

// Record layouts: fields in order, padding only for alignment.
static_assert(sizeof(TPoint) == 8 && offsetof(TPoint, Y) == 4);
static_assert(sizeof(TPointDouble) == 16 && offsetof(TPointDouble, Y) == 8);
static_assert(offsetof(TColoredPoint, Flag) == 16 && offsetof(TColoredPoint, Color) == 20 &&
              sizeof(TColoredPoint) == 24);
static_assert(sizeof(TCellPosition4D) == 16 && offsetof(TCellPosition4D, L) == 8 &&
              offsetof(TCellPosition4D, T) == 12);
static_assert(sizeof(TRectDouble) == 32 && offsetof(TRectDouble, Top) == 8 &&
              offsetof(TRectDouble, Right) == 16 && offsetof(TRectDouble, Bottom) == 24);
static_assert(std::is_standard_layout_v<TRectDouble> && std::is_trivially_copyable_v<TRectDouble>);
static_assert(sizeof(TQuad) == 4 * sizeof(TPoint));
static_assert(sizeof(TBuf4096) == 4096 && sizeof(TBuf16K) == 16384);
static_assert(std::is_same_v<TColor, int32_t>);
static_assert(DataBufferExtent == 2147483647);

TEST(Types, EnumeratorOrdinals) {
  struct Case {
    const char* name;
    int actual;
    int expected;
  };
  const Case cases[] = {
      {"bfTile", bfTile, 2},
      {"bbFaces", bbFaces, 2},
      {"csSystem", csSystem, 1},
      {"dsBoth", dsBoth, 3},
      {"ftUserText", ftUserText, 4},
      {"sctYR", sctYR, 3},
      {"vaBottom", vaBottom, 2},
      {"ylYYYY", ylYYYY, 2},
      {"doYYMMDD", doYYMMDD, 2},
      {"dtAllTicks", dtAllTicks, 3},
      {"ssBox", ssBox, 1},
      {"fsNone", fsNone, 0},
      {"fsEngraved", fsEngraved, 5},
      {"dmUserDef", dmUserDef, 5},
      {"tfAMPM", tfAMPM, 2},
      {"dirRightward", dirRightward, 3},
      {"orHoriz", orHoriz, 1},
      {"eopMean", eopMean, 3},
      {"atZAxis", atZAxis, 2},
      {"dimT", dimT, 3},
      {"tsUndefined", tsUndefined, 2},
      {"chCrossBox", chCrossBox, 4},
      {"chBox", chBox, 5},
      {"tlamBoth", tlamBoth, 3},
      {"tlsimple", tlsimple, 1},
      {"tlShadow", tlShadow, 4},
      {"dfNumeric", dfNumeric, 3},
      {"csvTab", csvTab, 5},
      {"zpmColZoomRight", zpmColZoomRight, 2},
      {"lgSpanish", lgSpanish, 4},
      {"Bool", Bool, 5},
      {"strg", strg, 6},
      {"msFinished", msFinished, 3},
      {"maZoomWindPos", maZoomWindPos, 8},
      {"maSelectRect", maSelectRect, 16},
      {"maZoomPanColors", maZoomPanColors, 18},
      {"zsDrawWin", zsDrawWin, 1},
      {"taRightJustify", taRightJustify, 1},
      {"taCenter", taCenter, 2},
      {"fsStrikeOut", fsStrikeOut, 3},
      {"psInsideFrame", psInsideFrame, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.actual, c.expected);
  }
}

TEST(Types, RectCornersShareTheSidesStorage) {
  TRectDouble r{1, 2, 3, 4};
  EXPECT_EQ(r.TopLeft(), (TPointDouble{1, 2}));
  EXPECT_EQ(r.BottomRight(), (TPointDouble{3, 4}));
  r.SetTopLeft({-5, 6});
  r.SetBottomRight({7.5, -8});
  EXPECT_EQ(r, (TRectDouble{-5, 6, 7.5, -8}));
}

TEST(Types, FontStylesAreAFlagSet) {
  TFontStyles s{fsBold, fsUnderline};
  EXPECT_TRUE(s.Contains(fsBold));
  EXPECT_FALSE(s.Contains(fsItalic));
  EXPECT_TRUE(s.Contains(fsUnderline));
  EXPECT_EQ(s.Bits(), 0x05);
  s.Include(fsStrikeOut).Exclude(fsBold);
  EXPECT_EQ(s, (TFontStyles{fsUnderline, fsStrikeOut}));
  EXPECT_EQ(TFontStyles{fsBold} + TFontStyles{fsItalic}, (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(TFontStyles({fsBold, fsItalic}) * TFontStyles{fsItalic}, TFontStyles{fsItalic});
  EXPECT_EQ(TFontStyles({fsBold, fsItalic}) - TFontStyles{fsItalic}, TFontStyles{fsBold});
  EXPECT_TRUE(TFontStyles{}.Empty());
  // Bits beyond the four styles are dropped; an out-of-range style is no member.
  EXPECT_EQ(TFontStyles::FromBits(0xFF).Bits(), 0x0F);
  EXPECT_FALSE(TFontStyles::FromBits(0xFF).Contains(static_cast<TFontStyle>(4)));
  EXPECT_TRUE(TFontStyles{}.Include(static_cast<TFontStyle>(7)).Empty());
}

TEST(Types, CheckAbortEventWritesThroughItsReference) {
  TObject sender;
  TObject* seen = nullptr;
  TOnCheckAbortEvent onCheck = [&](TObject* Sender, bool& Abort) {
    seen = Sender;
    Abort = true;
  };
  bool abort = false;
  onCheck(&sender, abort);
  EXPECT_TRUE(abort);
  EXPECT_EQ(seen, &sender);
}

TEST(Types, ProgressGlobalsStartCleared) {
  EXPECT_EQ(ProcStat, 0.0);
  EXPECT_EQ(LastProcStat, 0.0);
  EXPECT_FALSE(AbortMathProc);
  EXPECT_FALSE(static_cast<bool>(MathFeedBackProc));
}

}  // namespace
}  // namespace kvo
