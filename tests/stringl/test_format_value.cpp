// Boolean and tri-state words, durations, sortable columns, parameter lists
// and variants as text.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/strings.h"
#include "platform/variant.h"
#include "stringl/format.h"

#include "support/cases.h"

namespace kvo {
namespace {

using kvo::testing::Case;
using kvo::testing::CheckAll;

TEST(FormatBoolToStr, EveryMode) {
  struct Row {
    int32_t mode;
    const char16_t* t;
    const char16_t* f;
  };
  const Row rows[] = {{0, u"TRUE", u"FALSE"}, {1, u"T", u"F"},      {2, u".T.", u".F."},
                      {3, u"1", u"0"},        {4, u"-1", u"0"},     {5, u"FF", u"00"},
                      {6, u"YES", u"NO"},     {7, u"GOOD", u"BAD"}, {8, u"TRUE", u"FALSE"},
                      {-1, u"TRUE", u"FALSE"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.mode);
    EXPECT_EQ(BoolToStr(true, r.mode), r.t);
    EXPECT_EQ(BoolToStr(false, r.mode), r.f);
  }
  EXPECT_EQ(BinString(true, u"on", u"off"), u"on");
  EXPECT_EQ(BinString(false, u"on", u"off"), u"off");
}

TEST(FormatTriState, ReadWords) {
  struct Row {
    const char16_t* text;
    TTriState expected;
  };
  const Row rows[] = {
      {u"true", tsTrue},       {u"  YES ", tsTrue},      {u"1", tsTrue},
      {u"+1", tsTrue},         {u"TrUe", tsTrue},        {u"false", tsFalse},
      {u" -1", tsFalse},       {u"No", tsFalse},         {u"0", tsUndefined},
      {u"", tsUndefined},      {u"   ", tsUndefined},    {u"unknown", tsUndefined},
      {u"\tyes", tsUndefined}, {u"y es", tsUndefined},   {u"yess", tsUndefined},
      {u"\u00FDes", tsUndefined} /* only A-Z are folded */,
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(ToUtf8(r.text));
    EXPECT_EQ(StrToTriState(r.text), r.expected);
  }
}

TEST(FormatTriState, WordsAndRoundTrip) {
  CheckAll({
      {"mode 0 true", TriStateToStr(tsTrue, 0), u"true"},
      {"mode 0 false", TriStateToStr(tsFalse, 0), u"false"},
      {"mode 0 undefined", TriStateToStr(tsUndefined, 0), u""},
      {"mode 1", TriStateToStr(tsFalse, 1), u"-1"},
      {"mode 1 undefined", TriStateToStr(tsUndefined, 1), u"0"},
      {"mode 2", TriStateToStr(tsTrue, 2), u"yes"},
      {"mode 2 undefined", TriStateToStr(tsUndefined, 2), u"unknown"},
      {"other mode", TriStateToStr(tsTrue, 9), u"true"},
      {"value out of range", TriStateToStr(static_cast<TTriState>(7), 2), u"unknown"},
  });
  for (int32_t mode : {0, 1, 2})
    for (TTriState t : {tsFalse, tsTrue, tsUndefined}) {
      SCOPED_TRACE(mode * 10 + t);
      EXPECT_EQ(StrToTriState(TriStateToStr(t, mode)), t);
    }
}

TEST(FormatTimeString, Modes) {
  CheckAll({
      {"mode 0", TimeString(3723.456, 0), u"01:02:03.45"},
      {"mode 1", TimeString(3723.456, 1), u"01:02:03"},
      {"mode 2", TimeString(3723.456, 2), u" 1h02"},
      {"mode 3", TimeString(3723.456, 3), u" 1h02'03\""},
      {"mode 4", TimeString(3723.456, 4), u"01:02"},
      {"mode 5", TimeString(3723.456, 5), u" 1:02a"},
      {"other mode", TimeString(3723.456, 6), u""},
      {"hundredths truncated", TimeString(59.999, 0), u"00:00:59.99"},
      {"negative", TimeString(-5, 1), u"00:00:00"},
      {"NaN", TimeString(std::nan(""), 0), u"00:00:00.00"},
      {"noon", TimeString(45000, 5), u"12:30p"},
      {"midnight", TimeString(1800, 5), u"12:30a"},
      {"afternoon", TimeString(46800, 5), u" 1:00p"},
      {"two digits", TimeString(12 * 3600 + 7 * 60, 2), u"12h07"},
      {"three-digit hours", TimeString(123 * 3600.0, 1), u"123:00:00"},
      {"65536 hours not cut", TimeString(235929600.0, 1), u"65536:00:00"},
      {"minute boundary", TimeString(3599.999, 0), u"00:59:59.99"},
      {"beyond 2^64 s", TimeString(1e30, 1), u"5124095576030431:00:15"},
      {"infinity", TimeString(std::numeric_limits<double>::infinity(), 1),
       u"5124095576030431:00:15"},
  });
}

TEST(FormatSortableNumericString, Cases) {
  CheckAll({
      {"aligns point", SortableNumericString(u" 3.25", u'.', 4), u"  3.25"},
      {"longer integer", SortableNumericString(u"123.5 ", u'.', 4), u"123.5"},
      {"point beyond column", SortableNumericString(u"12345.6", u'.', 4), u"12345.6"},
      {"no point", SortableNumericString(u"42", u'.', 3), u"   42"},
      {"other character", SortableNumericString(u"3,5", u',', 3), u" 3,5"},
      {"first one counts", SortableNumericString(u"1.2.3", u'.', 3), u" 1.2.3"},
      {"negative column", SortableNumericString(u" 7 ", u'.', -2), u"7"},
  });
}

TEST(FormatCreateParList, Integers) {
  const TIntArray v{1, 2, 3};
  const TIntArray none;
  CheckAll({
      {"brackets", CreateParList(v, false, 0, true), u"[1,2,3]"},
      {"max 2", CreateParList(v, false, 2, true), u"[1,2,...]"},
      {"max equal", CreateParList(v, false, 3, true), u"[1,2,3]"},
      {"max larger", CreateParList(v, false, 9, true), u"[1,2,3]"},
      {"max negative", CreateParList(v, false, -1, true), u"[1,2,3]"},
      {"plain trailing", CreateParList(v, true, 0, false), u"1,2,3,"},
      {"plain max", CreateParList(v, false, 1, false), u"1,..."},
      {"none brackets", CreateParList(none, false, 0, true), u"[]"},
      {"none plain", CreateParList(none, false, 0, false), u""},
      {"none plain trailing", CreateParList(none, true, 0, false), u","},
  });
  const int32_t raw[] = {-7, 2147483647};
  EXPECT_EQ(CreateParList(std::span<const int32_t>(raw), false, 0, true), u"[-7,2147483647]");
  EXPECT_EQ(CreateParList(std::span<const int32_t>(raw, 0), false, 0, true), u"[]");
}

TEST(FormatCreateParList, BooleansAndDoubles) {
  const std::array<bool, 3> b{true, false, true};
  const TDoubleArray d{3.14159, 0.05, 0};
  const double raw[] = {123.456, -2};
  CheckAll({
      {"bools", CreateParList(std::span<const bool>(b), false, 0, true), u"[TRUE,FALSE,TRUE]"},
      {"bools max", CreateParList(std::span<const bool>(b), true, 1, false), u"TRUE,...,"},
      {"doubles", CreateParList(d, false, 0, 4, true), u"[3.142,5.000E-02,0.000]"},
      {"doubles max", CreateParList(d, false, 2, 3, false), u"3.14,5.00E-02,..."},
      {"raw doubles", CreateParList(std::span<const double>(raw), true, 0, 4, true),
       u"[123.5,-2.000],"},
  });
}

TEST(FormatConvertVariant, SingleValues) {
  CheckAll({
      {"null", ConvertVariant(Variant::Null()), u"NULL"},
      {"int16", ConvertVariant(Variant(int16_t{-5})), u"-5"},
      {"int32", ConvertVariant(Variant(int32_t{42})), u"42"},
      {"uint8", ConvertVariant(Variant(uint8_t{200})), u"200"},
      {"int64", ConvertVariant(Variant(int64_t{-9000000000})), u"-9000000000"},
      {"uint64 above int64", ConvertVariant(Variant(std::numeric_limits<uint64_t>::max())), u"-1"},
      {"double", ConvertVariant(Variant(1.5)), u" 1.500E+00"},
      {"single", ConvertVariant(Variant(0.25f)), u" 2.500E-01"},
      {"boolean", ConvertVariant(Variant(true)), u"TRUE"},
      {"string", ConvertVariant(Variant(String(u"abc"))), u"abc"},
      {"8-bit string", ConvertVariant(Variant(std::string("x\xE9"))), u"x\u00E9"},
      {"date", ConvertVariant(Variant::FromDate(45000)), u"(unknown type: 7)"},
      {"empty", ConvertVariant(Variant()), u"(unknown type: 0)"},
  });
}

// A one-dimensional varVariant array with bounds lo .. lo + n - 1 whose
// elements make(i) gives.
template <typename F>
Variant MakeArray(int32_t lo, int32_t n, F make) {
  Variant a = VarArrayCreate({lo, lo + n - 1}, varVariant);
  for (int32_t i = lo; i < lo + n; ++i) VarArrayPut(a, make(i), {i});
  return a;
}

TEST(FormatConvertVariant, OneLayer) {
  Variant ints = VarArrayCreate({0, 2}, varInteger);
  for (int32_t i = 0; i <= 2; ++i) VarArrayPut(ints, Variant(i + 1), {i});
  Variant twenty = VarArrayCreate({0, 19}, varInteger);
  for (int32_t i = 0; i <= 19; ++i) VarArrayPut(twenty, Variant(i), {i});
  CheckAll({
      {"three", ConvertVariant(ints), u"Array[0,2]:\r\n1,2,3"},
      {"cut at 12", ConvertVariant(twenty), u"Array[0,19]:\r\n0,1,2,3,4,5,6,7,8,9,10,11..."},
      {"empty", ConvertVariant(VarArrayCreate({0, -1}, varInteger)), u"undefined array"},
      {"empty 1-based", ConvertVariant(VarArrayCreate({1, 0}, varDouble)), u"undefined array"},
      {"negative bounds with elements",
       ConvertVariant(MakeArray(-3, 2, [](int32_t i) { return Variant(i); })),
       u"Array[-3,-2]:\r\n-3,-2"},
      {"mixed", ConvertVariant(VarArrayOf({Variant(1), Variant(String(u"a")), Variant::Null()})),
       u"Array[0,2]:\r\n1,a,NULL"},
  });
}

TEST(FormatConvertVariant, TwoLayers) {
  // 20 x 4: v[i][j] = 10 * i + j; the first layer is cut.
  Variant v = MakeArray(1, 20, [](int32_t i) {
    return MakeArray(0, 4, [i](int32_t j) { return Variant(10 * i + j); });
  });
  String expected = u"Array[1,20][0,3]:\r\n";
  for (int j = 0; j <= 3; ++j) {
    for (int i = 1; i <= 12; ++i) {
      if (i > 1) expected += u',';
      expected += FromUtf8(std::to_string(10 * i + j));
    }
    expected += u"...\r\n";
  }
  EXPECT_EQ(ConvertVariant(v), expected);

  // 2 x 11: the second layer is cut.
  Variant w = MakeArray(0, 2, [](int32_t i) {
    return MakeArray(0, 11, [i](int32_t j) { return Variant(i * 100 + j); });
  });
  String expectedW = u"Array[0,1][0,10]:\r\n";
  for (int j = 0; j <= 9; ++j)
    expectedW += FromUtf8(std::to_string(j) + "," + std::to_string(100 + j)) + u"\r\n";
  expectedW += u" ......";
  EXPECT_EQ(ConvertVariant(w), expectedW);

  // The same from a two-dimensional array.
  Variant m = VarArrayCreate({0, 1, 0, 10}, varInteger);
  for (int32_t i = 0; i <= 1; ++i)
    for (int32_t j = 0; j <= 10; ++j) VarArrayPut(m, Variant(i * 100 + j), {i, j});
  EXPECT_EQ(ConvertVariant(m), expectedW);
}

TEST(FormatConvertVariant, ThreeLayers) {
  // 2 x 2 x 5: v[i][j][k] = 100 i + 10 j + k; the third layer is cut.
  Variant v = MakeArray(0, 2, [](int32_t i) {
    return MakeArray(0, 2, [i](int32_t j) {
      return MakeArray(0, 5, [i, j](int32_t k) { return Variant(100 * i + 10 * j + k); });
    });
  });
  String expected = u"Array[0,1][0,1][0,4]:\r\n";
  for (int k = 0; k <= 2; ++k) {
    expected += FromUtf8("layer " + std::to_string(k) + ":") + u"\r\n";
    for (int j = 0; j <= 1; ++j)
      expected += FromUtf8(std::to_string(10 * j + k) + "," + std::to_string(100 + 10 * j + k)) +
                  u"\r\n";
  }
  expected += u" ... more layers";
  EXPECT_EQ(ConvertVariant(v), expected);

  // 1 x 11 x 1: the second layer is cut inside each layer.
  Variant w = MakeArray(0, 1, [](int32_t) {
    return MakeArray(0, 11, [](int32_t j) {
      return MakeArray(0, 1, [j](int32_t) { return Variant(j); });
    });
  });
  String expectedW = u"Array[0,0][0,10][0,0]:\r\nlayer 0:\r\n";
  for (int j = 0; j <= 9; ++j) expectedW += FromUtf8(std::to_string(j)) + u"\r\n";
  expectedW += u" ......\r\n";
  EXPECT_EQ(ConvertVariant(w), expectedW);
}

TEST(FormatConvertVariant, RaggedArraysRaiseThePlatformError) {
  Variant shortInner = MakeArray(0, 2, [](int32_t i) {
    return MakeArray(0, i == 0 ? 3 : 1, [](int32_t j) { return Variant(j); });
  });
  EXPECT_THROW(ConvertVariant(shortInner), EVariantBadIndexError);
  Variant notArray =
      VarArrayOf({MakeArray(0, 2, [](int32_t j) { return Variant(j); }), Variant(5)});
  EXPECT_THROW(ConvertVariant(notArray), EVariantError);
}

TEST(FormatConvertVariant, DeeperNestingIsNotLookedInto) {
  Variant deep = MakeArray(0, 1, [](int32_t) {
    return MakeArray(0, 1, [](int32_t) {
      return MakeArray(0, 1, [](int32_t) { return VarArrayOf({Variant(1)}); });
    });
  });
  EXPECT_EQ(ConvertVariant(deep),
            u"Array[0,0][0,0][0,0]:\r\nlayer 0:\r\n(unknown type: 8204)\r\n");
}

}  // namespace
}  // namespace kvo
