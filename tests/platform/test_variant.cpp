#include "platform/variant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "platform/convert.h"

namespace kvo {

// Readable failure output for Variant comparisons.
void PrintTo(const Variant& v, std::ostream* os) {
  *os << "Variant(type " << v.VarType();
  try {
    if (!v.IsArray() && !v.IsNull()) *os << ", \"" << ToUtf8(v.ToString()) << "\"";
  } catch (const Exception&) {
    *os << ", unprintable";
  }
  *os << ")";
}

namespace {

std::string U8(const String& s) { return ToUtf8(s); }

TEST(Variant, TypeCodesOfConstructors) {
  struct Case {
    Variant v;
    TVarType type;
    const char* what;
  };
  const Case cases[] = {
      {Variant(), 0, "empty"},
      {Null(), 1, "null"},
      {Variant(int16_t{-2}), 2, "int16"},
      {Variant(5), 3, "int"},
      {Variant(int32_t{5}), 3, "int32"},
      {Variant(1.5f), 4, "float"},
      {Variant(1.5), 5, "double"},
      {Variant(Currency{15000}), 6, "currency"},
      {Variant::FromDate(45351.5), 7, "date"},
      {Variant(true), 11, "bool"},
      {Variant(int8_t{-1}), 16, "int8"},
      {Variant(uint8_t{255}), 17, "uint8"},
      {Variant(uint16_t{65535}), 18, "uint16"},
      {Variant(uint32_t{7}), 19, "uint32"},
      {Variant(int64_t{7}), 20, "int64"},
      {Variant(7LL), 20, "long long"},
      {Variant(uint64_t{7}), 21, "uint64"},
      {Variant(std::string("abc")), 256, "std::string"},
      {Variant("abc"), 256, "const char*"},
      {Variant(String(u"abc")), 258, "String"},
      {Variant(u"abc"), 258, "const Char*"},
      {VarArrayCreate({0, 2}, varInteger), 0x2003, "array of int"},
      {VarArrayOf({1, u"x"}), 0x200C, "array of variant"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.v.VarType(), c.type);
    EXPECT_EQ(VarType(c.v), c.type);
    EXPECT_EQ(VarIsArray(c.v), (c.type & varArray) != 0);
    EXPECT_EQ(c.v.VarType() & varTypeMask, c.type & 0xFFF);
  }
  EXPECT_TRUE(VarIsEmpty(Variant()));
  EXPECT_FALSE(VarIsEmpty(Null()));
  EXPECT_TRUE(VarIsNull(Null()));
  EXPECT_FALSE(VarIsNull(Variant(String())));
  EXPECT_TRUE(VarIsEmpty(Unassigned()));
}

TEST(Variant, ToStringTable) {
  struct Case {
    Variant v;
    const char16_t* text;
  };
  const Case cases[] = {
      {Variant(), u""},
      {Variant(-42), u"-42"},
      {Variant(std::numeric_limits<int64_t>::min()), u"-9223372036854775808"},
      {Variant(std::numeric_limits<uint64_t>::max()), u"18446744073709551615"},
      {Variant(0.1 + 0.2), u"0.3"},
      {Variant(1e20), u"1E+20"},
      {Variant(0.1f), u"0.1"},  // seven significant digits for singles
      {Variant(3.4e38f), u"3.4E+38"},
      {Variant(Currency{15000}), u"1.5"},
      {Variant(Currency{-1}), u"-0.0001"},
      {Variant(Currency{120000}), u"12"},
      {Variant::FromDate(EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 0, 0)),
       u"2024-02-29 13:05:00"},
      {Variant::FromDate(EncodeDate(2024, 2, 29)), u"2024-02-29"},
      {Variant(true), u"True"},
      {Variant(false), u"False"},
      {Variant(u"h\x00e9llo"), u"h\x00e9llo"},
      {Variant(std::string("caf\xe9")), u"caf\x00e9"},  // 8-bit strings are Latin-1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text));
    EXPECT_EQ(c.v.ToString(), c.text);
  }
}

TEST(Variant, ToDoubleAndToInt64Table) {
  struct Case {
    Variant v;
    double d;
    int64_t i;
    const char* what;
  };
  const Case cases[] = {
      {Variant(), 0, 0, "empty"},
      {Variant(int16_t{-300}), -300, -300, "int16"},
      {Variant(uint32_t{4000000000u}), 4e9, 4000000000LL, "uint32"},
      {Variant(2.5), 2.5, 2, "ties to even down"},
      {Variant(3.5), 3.5, 4, "ties to even up"},
      {Variant(-2.5), -2.5, -2, "negative tie"},
      {Variant(2.6f), static_cast<double>(2.6f), 3, "single"},
      {Variant(Currency{25000}), 2.5, 2, "currency tie"},
      {Variant(Currency{35001}), 3.5001, 4, "currency"},
      {Variant(Currency{-25000}), -2.5, -2, "negative currency tie"},
      {Variant::FromDate(1.75), 1.75, 2, "date"},
      {Variant(true), 1, 1, "true"},
      {Variant(false), 0, 0, "false"},
      {Variant(u" 42 "), 42, 42, "integer text"},
      {Variant(u"2.5"), 2.5, 2, "float text"},
      {Variant(u"-1.5E2"), -150, -150, "exponent text"},
      {Variant(std::string("17")), 17, 17, "8-bit text"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.v.ToDouble(), c.d);
    EXPECT_EQ(c.v.ToInt64(), c.i);
  }
  // A 64-bit unsigned value above the signed range wraps.
  EXPECT_EQ(Variant(std::numeric_limits<uint64_t>::max()).ToInt64(), -1);
  EXPECT_EQ(Variant(uint64_t{1} << 63).ToInt64(), std::numeric_limits<int64_t>::min());
  // Integer text is read exactly, not through a double.
  EXPECT_EQ(Variant(u"9007199254740993").ToInt64(), 9007199254740993LL);
}

TEST(Variant, ToBoolTable) {
  struct Case {
    Variant v;
    bool b;
    const char* what;
  };
  const Case cases[] = {
      {Variant(), false, "empty"},        {Variant(0), false, "0"},
      {Variant(-1), true, "-1"},          {Variant(0.0), false, "0.0"},
      {Variant(0.25), true, "0.25"},      {Variant(Currency{1}), true, "currency"},
      {Variant(u"TRUE"), true, "TRUE"},   {Variant(u" false "), false, "false"},
      {Variant(u"tRuE"), true, "tRuE"},   {Variant(u"0"), false, "text 0"},
      {Variant(u"2.5"), true, "text 2.5"}, {Variant(uint64_t{1}), true, "uint64"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.v.ToBool(), c.b);
  }
}

TEST(Variant, FailedConversionsRaise) {
  const Variant arr = VarArrayCreate({0, 1}, varInteger);
  struct Case {
    Variant v;
    bool str, dbl, i64, boolean;
    const char* what;
  };
  const Case cases[] = {
      {Null(), true, true, true, true, "null"},
      {arr, true, true, true, true, "array"},
      {Variant(u"abc"), false, true, true, true, "letters"},
      {Variant(u"1,5"), false, true, true, true, "comma"},
      {Variant(u""), false, true, true, true, "empty text"},
      {Variant(u"yes"), false, true, true, true, "yes"},
      {Variant(std::nan("")), false, false, true, false, "NaN"},
      {Variant(1e300), false, false, true, false, "huge double"},
      {Variant(u"1e300"), false, false, true, false, "huge text"},
      {Variant::FromDate(1e300), false, false, true, false, "date out of range"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.str) {
      EXPECT_THROW(c.v.ToString(), EVariantTypeCastError);
    }
    if (c.dbl) {
      EXPECT_THROW(c.v.ToDouble(), EVariantTypeCastError);
    }
    if (c.i64) {
      EXPECT_THROW(c.v.ToInt64(), EVariantTypeCastError);
    }
    if (c.boolean) {
      EXPECT_THROW(c.v.ToBool(), EVariantTypeCastError);
    }
  }
  EXPECT_THROW(Variant::FromDate(1e300).ToString(), EConvertError);  // no such date
  EXPECT_THROW(Variant(int64_t{1} << 31).ToInt32(), EVariantTypeCastError);
  EXPECT_EQ(Variant(-2147483647 - 1).ToInt32(), INT32_MIN);
  EXPECT_EQ(Variant(u"12").ToInt32(), 12);
  try {
    Variant(u"abc").ToDouble();
    FAIL() << "no exception";
  } catch (const EConvertError& e) {  // catchable as the platform's conversion error
    EXPECT_EQ(e.Message(), u"Could not convert variant of type (UnicodeString) into type (Double)");
  }
  try {
    Null().ToString();
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Could not convert variant of type (Null) into type (UnicodeString)");
  }
  EXPECT_EQ(VarToStr(Null()), u"");
  EXPECT_EQ(VarToStr(Variant(7)), u"7");
}

TEST(Variant, VarAsTypeChecksRanges) {
  EXPECT_EQ(VarAsType(Variant(300), varSmallint).VarType(), varSmallint);
  EXPECT_EQ(VarAsType(Variant(u"255"), varByte), Variant(uint8_t{255}));
  EXPECT_EQ(VarAsType(Variant(2.5), varInteger), Variant(2));
  EXPECT_EQ(VarAsType(Variant(7), varUString), Variant(u"7"));
  EXPECT_EQ(VarAsType(Variant(u"caf\x00e9"), varString), Variant(std::string("caf\xe9")));
  EXPECT_EQ(VarAsType(Variant(3), varCurrency), Variant(Currency{30000}));
  EXPECT_EQ(VarAsType(Variant(1.23456), varCurrency), Variant(Currency{12346}));
  EXPECT_EQ(VarAsType(Variant(u"true"), varBoolean), Variant(true));
  EXPECT_EQ(VarAsType(Variant(1.5), varDate).VarType(), varDate);
  EXPECT_EQ(VarAsType(Variant(std::numeric_limits<uint64_t>::max()), varUInt64),
            Variant(std::numeric_limits<uint64_t>::max()));
  EXPECT_TRUE(VarAsType(Variant(5), varNull).IsNull());
  struct Bad {
    Variant v;
    TVarType to;
    const char* what;
  };
  const Bad bad[] = {
      {Variant(128), varShortInt, "int8 overflow"},
      {Variant(-1), varByte, "negative byte"},
      {Variant(70000), varWord, "word overflow"},
      {Variant(int64_t{1} << 32), varLongWord, "longword overflow"},
      {Variant(int64_t{1} << 31), varInteger, "integer overflow"},
      {Variant(-1), varUInt64, "negative uint64"},
      {Variant(-0.6), varUInt64, "negative double to uint64"},
      {Variant(std::numeric_limits<uint64_t>::max()), varInt64, "uint64 to int64"},
      {Variant(1e300), varSingle, "single overflow"},
      {Variant(1e300), varCurrency, "currency overflow"},
      {VarArrayCreate({0, 0}, varInteger), varInteger, "array to integer"},
      {Variant(1), 0x0FFF, "unknown code"},
  };
  for (const Bad& b : bad) {
    SCOPED_TRACE(b.what);
    EXPECT_THROW(VarAsType(b.v, b.to), EVariantTypeCastError);
  }
}

TEST(Variant, CopiesAreIndependent) {
  Variant a = VarArrayOf({1, u"two", VarArrayOf({3, 4})});
  Variant b = a;
  EXPECT_EQ(a, b);
  VarArrayPut(b, Variant(u"changed"), {1});
  EXPECT_EQ(a[1], Variant(u"two"));
  EXPECT_EQ(b[1], Variant(u"changed"));
  EXPECT_NE(a, b);
  b = a;  // copy assignment replaces the array
  EXPECT_EQ(b[1], Variant(u"two"));
  Variant c = std::move(b);
  EXPECT_EQ(c, a);
  Variant s = Variant(u"text");
  Variant t = s;
  t = Variant(5);
  EXPECT_EQ(s, Variant(u"text"));
}

TEST(Variant, Equality) {
  EXPECT_EQ(Variant(), Variant());
  EXPECT_EQ(Null(), Null());
  EXPECT_NE(Variant(), Null());
  EXPECT_EQ(Variant(int16_t{3}), Variant(3.0));
  EXPECT_EQ(Variant(uint8_t{3}), Variant(int64_t{3}));
  EXPECT_EQ(Variant(Currency{30000}), Variant(3));
  EXPECT_EQ(Variant(Currency{15000}), Variant(1.5));
  EXPECT_NE(Variant(-1), Variant(std::numeric_limits<uint64_t>::max()));
  // Exact for large integers: 2^53 + 1 is not the double 2^53.
  EXPECT_NE(Variant(int64_t{9007199254740993}), Variant(9007199254740992.0));
  EXPECT_EQ(Variant(int64_t{9007199254740992}), Variant(9007199254740992.0));
  EXPECT_EQ(Variant("abc"), Variant(u"abc"));
  EXPECT_NE(Variant(u"1"), Variant(1));
  EXPECT_NE(Variant(true), Variant(1));
  EXPECT_EQ(Variant(true), Variant(true));
  EXPECT_NE(Variant(), Variant(0));
  EXPECT_NE(Variant(std::nan("")), Variant(std::nan("")));
  EXPECT_EQ(VarArrayCreate({1, 2}, varInteger), VarArrayCreate({1, 2}, varInteger));
  EXPECT_NE(VarArrayCreate({1, 2}, varInteger), VarArrayCreate({0, 1}, varInteger));
  EXPECT_NE(VarArrayCreate({1, 2}, varInteger), VarArrayCreate({1, 2}, varDouble));
}

TEST(VariantArray, BoundsAndZeroElements) {
  struct Case {
    std::vector<int32_t> bounds;
    TVarType elem;
    Variant zero;
  };
  const Case cases[] = {
      {{0, 2}, varInteger, Variant(0)},
      {{1, 20}, varDouble, Variant(0.0)},
      {{-5, -3}, varUString, Variant(String())},
      {{0, 0}, varBoolean, Variant(false)},
      {{2, 3}, varString, Variant(std::string())},
      {{0, 1}, varVariant, Variant()},
      {{0, 1}, varCurrency, Variant(Currency{})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.elem);
    const Variant a = VarArrayCreate(std::span<const int32_t>(c.bounds), c.elem);
    EXPECT_EQ(a.VarType(), varArray | c.elem);
    EXPECT_EQ(VarArrayDimCount(a), 1);
    EXPECT_EQ(VarArrayLowBound(a, 1), c.bounds[0]);
    EXPECT_EQ(VarArrayHighBound(a, 1), c.bounds[1]);
    for (int32_t i = c.bounds[0]; i <= c.bounds[1]; ++i) {
      EXPECT_EQ(a[i].VarType(), c.elem == varVariant ? varEmpty : c.elem);
      EXPECT_EQ(a[i], c.zero);
    }
  }
  const Variant empty = VarArrayCreate({0, -1}, varVariant);
  EXPECT_EQ(VarArrayLowBound(empty, 1), 0);
  EXPECT_EQ(VarArrayHighBound(empty, 1), -1);
  EXPECT_THROW(empty[0], EVariantBadIndexError);
  EXPECT_EQ(VarArrayDimCount(Variant(5)), 0);
  const Variant extreme = VarArrayCreate({INT32_MAX, INT32_MAX}, varByte);
  EXPECT_EQ(VarArrayHighBound(extreme, 1), INT32_MAX);
  EXPECT_EQ(extreme[INT32_MAX], Variant(uint8_t{0}));
}

TEST(VariantArray, PutConvertsToTheElementType) {
  Variant a = VarArrayCreate({1, 3}, varInteger);
  VarArrayPut(a, Variant(u"42"), {1});
  VarArrayPut(a, Variant(2.5), {2});
  VarArrayPut(a, Variant(true), {3});
  EXPECT_EQ(a[1].VarType(), varInteger);
  EXPECT_EQ(a[1], Variant(42));
  EXPECT_EQ(a[2], Variant(2));
  EXPECT_EQ(a[3], Variant(1));
  EXPECT_THROW(VarArrayPut(a, Variant(u"abc"), {1}), EVariantTypeCastError);
  EXPECT_THROW(VarArrayPut(a, Variant(int64_t{1} << 40), {1}), EVariantTypeCastError);
  EXPECT_EQ(a[1], Variant(42));  // unchanged after a failed put
  EXPECT_THROW(VarArrayPut(a, VarArrayOf({1}), {1}), EVariantTypeCastError);

  Variant s = VarArrayCreate({0, 1}, varUString);
  VarArrayPut(s, Variant(1.5), {0});
  EXPECT_EQ(s[0], Variant(u"1.5"));
  EXPECT_EQ(s[0].VarType(), varUString);
}

TEST(VariantArray, MultipleDimensions) {
  Variant m = VarArrayCreate({1, 3, -1, 0}, varDouble);
  EXPECT_EQ(VarArrayDimCount(m), 2);
  EXPECT_EQ(VarArrayLowBound(m, 2), -1);
  EXPECT_EQ(VarArrayHighBound(m, 2), 0);
  for (int32_t i = 1; i <= 3; ++i) {
    for (int32_t j = -1; j <= 0; ++j) VarArrayPut(m, Variant(i * 10.0 + j), {i, j});
  }
  for (int32_t i = 1; i <= 3; ++i) {
    for (int32_t j = -1; j <= 0; ++j) EXPECT_EQ(VarArrayGet(m, {i, j}), Variant(i * 10.0 + j));
  }
  EXPECT_THROW(VarArrayGet(m, {1}), EVariantError);        // wrong number of indexes
  EXPECT_THROW(m[1], EVariantError);
  EXPECT_THROW(VarArrayGet(m, {4, 0}), EVariantBadIndexError);
  EXPECT_THROW(VarArrayGet(m, {1, 1}), EVariantBadIndexError);
  EXPECT_THROW(VarArrayLowBound(m, 3), EVariantError);
  EXPECT_THROW(VarArrayHighBound(m, 0), EVariantError);
}

TEST(VariantArray, ArraysOfArrays) {
  // Two layers: 3 columns of 2 rows each, read as v[i][j].
  Variant v = VarArrayCreate({1, 3}, varVariant);
  for (int32_t i = 1; i <= 3; ++i) {
    Variant inner = VarArrayCreate({0, 1}, varInteger);
    for (int32_t j = 0; j <= 1; ++j) VarArrayPut(inner, Variant(i * 10 + j), {j});
    VarArrayPut(v, inner, {i});
  }
  EXPECT_TRUE(VarIsArray(v[1]));
  EXPECT_EQ(VarArrayLowBound(v[1], 1), 0);
  EXPECT_EQ(VarArrayHighBound(v[1], 1), 1);
  EXPECT_EQ(v[2][1], Variant(21));
  EXPECT_EQ(v[3][0].VarType(), varInteger);
  // Putting an array into one of its own elements copies it first.
  VarArrayPut(v, v, {1});
  EXPECT_EQ(v[1][2][1], Variant(21));

  // The errors a reader of nested arrays meets: an element that is not an
  // array, and an index beyond a shorter inner array.
  Variant ragged = VarArrayOf({VarArrayOf({1, 2, 3}), VarArrayOf({4}), 5});
  EXPECT_EQ(ragged[0][2], Variant(3));
  EXPECT_THROW(ragged[1][2], EVariantBadIndexError);
  EXPECT_THROW(ragged[2][0], EVariantError);
  try {
    ragged[2][0];
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Variant is not an array");
  }
  try {
    ragged[1][2];
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Variant array index out of bounds: 2 not in 0..0");
  }
}

TEST(VariantArray, InvalidCreationRaises) {
  EXPECT_THROW(VarArrayCreate({0, -2}, varInteger), EVariantError);
  EXPECT_THROW(VarArrayCreate({}, varInteger), EVariantError);
  EXPECT_THROW(VarArrayCreate({0, 1, 2}, varInteger), EVariantError);
  EXPECT_THROW(VarArrayCreate({0, 1}, varEmpty), EVariantError);
  EXPECT_THROW(VarArrayCreate({0, 1}, varNull), EVariantError);
  EXPECT_THROW(VarArrayCreate({0, 1}, 0x0042), EVariantError);
  EXPECT_THROW(VarArrayCreate({0, 1}, varArray | varInteger), EVariantError);
  // Too many elements in all is refused before anything is allocated.
  EXPECT_THROW(VarArrayCreate({INT32_MIN, INT32_MAX}, varByte), EVariantError);
  EXPECT_THROW(VarArrayCreate({0, 65535, 0, 65535}, varByte), EVariantError);
  std::vector<int32_t> many(2 * 65, 0);  // 65 dimensions of one element
  EXPECT_THROW(VarArrayCreate(std::span<const int32_t>(many), varByte), EVariantError);
  many.resize(2 * 64);
  EXPECT_EQ(VarArrayDimCount(VarArrayCreate(std::span<const int32_t>(many), varByte)), 64);
  // Index access on a value that is not an array.
  EXPECT_THROW(Variant(5)[0], EVariantError);
  EXPECT_THROW(VarArrayLowBound(Variant(5), 1), EVariantError);
  Variant scalar(5);
  EXPECT_THROW(VarArrayPut(scalar, Variant(1), {0}), EVariantError);
}

TEST(Currency, FromDoubleRoundsToFourDecimals) {
  EXPECT_EQ(Currency::FromDouble(1.5).Scaled, 15000);
  EXPECT_EQ(Currency::FromDouble(-0.00005).Scaled, 0);  // tie to even
  EXPECT_EQ(Currency::FromDouble(1.5).ToDouble(), 1.5);
  EXPECT_THROW(Currency::FromDouble(std::nan("")), EConvertError);
  EXPECT_THROW(Currency::FromDouble(1e16), EConvertError);
}

}  // namespace
}  // namespace kvo
