// The fixed, exponent and short exponent forms and the functions on them.
#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cstring>
#include <cfloat>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/strings.h"
#include "stringl/format_decimal.h"
#include "stringl/format_number.h"

#include "support/cases.h"

namespace kvo {
namespace {

using LD = long double;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// ---------------------------------------------------------------------------
// A reference model: the exact decimal expansion of the value (std::to_chars
// with as many fraction digits as the binary value has, which is exact),
// rounded as decimal text with ties away from zero.

struct Exact {
  std::string ip;  // integer digits, at least "0"
  std::string fp;  // every fraction digit of the exact value
};

Exact ExactDecimal(LD x) {
  x = std::fabs(x);
  int e = 0;
  std::frexp(x, &e);
  const int prec = std::max(0, 64 - e);  // x = m * 2^(e-64), m < 2^64
  std::vector<char> buf(static_cast<size_t>(prec) + 6000);
  auto r = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed, prec);
  EXPECT_EQ(r.ec, std::errc());
  std::string s(buf.data(), r.ptr);
  const size_t dot = s.find('.');
  if (dot == std::string::npos) return {s, ""};
  return {s.substr(0, dot), s.substr(dot + 1)};
}

// Adds one to a digit string; returns true when it grew by a digit.
bool Increment(std::string& d) {
  for (size_t i = d.size(); i-- > 0;) {
    if (d[i] != '9') {
      ++d[i];
      return false;
    }
    d[i] = '0';
  }
  d.insert(d.begin(), '1');
  return true;
}

std::string RefFixed(LD x, int w, int d) {
  Exact ex = ExactDecimal(x);
  std::string fp = ex.fp;
  if (static_cast<int>(fp.size()) < d + 1) fp.append(static_cast<size_t>(d + 1) - fp.size(), '0');
  std::string digits = ex.ip + fp.substr(0, static_cast<size_t>(d));
  if (fp[static_cast<size_t>(d)] >= '5') Increment(digits);
  std::string ip = digits.substr(0, digits.size() - static_cast<size_t>(d));
  while (ip.size() > 1 && ip[0] == '0') ip.erase(0, 1);
  std::string t = ip;
  if (d > 0) t += "." + digits.substr(digits.size() - static_cast<size_t>(d));
  const bool nonzero = t.find_first_not_of("0.") != std::string::npos;
  if (std::signbit(x) && nonzero) t = "-" + t;
  if (static_cast<int>(t.size()) < w) t.insert(0, static_cast<size_t>(w) - t.size(), ' ');
  return t;
}

// The exponent form of width W (shortForm: the short form of width W).
std::string RefExponent(LD x, int W, bool shortForm) {
  const int n = std::max(1, W - (shortForm ? 6 : 8));
  std::string sig;
  int e = 0;
  if (x == 0) {
    sig.assign(static_cast<size_t>(n), '0');
  } else {
    Exact ex = ExactDecimal(x);
    const std::string all = ex.ip + ex.fp;
    const size_t z = all.find_first_not_of('0');
    e = static_cast<int>(ex.ip.size()) - 1 - static_cast<int>(z);
    sig = all.substr(z, static_cast<size_t>(n));
    if (sig.size() < static_cast<size_t>(n)) sig.append(static_cast<size_t>(n) - sig.size(), '0');
    const char next = z + n < all.size() ? all[z + n] : '0';
    if (next >= '5' && Increment(sig)) {
      sig.pop_back();
      ++e;
    }
  }
  if (shortForm && std::abs(e) >= 100) return std::string(static_cast<size_t>(n) + 6, '*');
  char ebuf[8];
  std::snprintf(ebuf, sizeof ebuf, shortForm ? "%02d" : "%04d", std::abs(e));
  return std::string(std::signbit(x) && x != 0 ? "-" : " ") + sig[0] + "." + sig.substr(1) + "E" +
         (e < 0 ? "-" : "+") + ebuf;
}

using kvo::testing::Case;
using kvo::testing::CheckAll;

// ---------------------------------------------------------------------------

TEST(FormatStrff, FormsAndZeroPadding) {
  CheckAll({
      {"fixed padded", strff(3.14159, 8, 2), u"    3.14"},
      {"fixed never cut", strff(3.14159, 1, 2), u"3.14"},
      {"fixed no decimals", strff(42, 0, 0), u"42"},
      {"fixed below one", strff(0.5, 0, 3), u"0.500"},
      {"fixed negative", strff(-12.345, 8, 1), u"   -12.3"},
      {"exponent", strff(98765.432, 12, -1), u" 9.877E+0004"},
      {"exponent negative small", strff(-0.00012, 12, -5), u"-1.200E-0004"},
      {"exponent zero", strff(0, 12, -1), u" 0.000E+0000"},
      {"short", strff(98765.432, 10, -2), u" 9.877E+04"},
      {"short negative", strff(-0.00012, 10, -2), u"-1.200E-04"},
      {"short exponent 99", strff(1e99, 10, -2), u" 1.000E+99"},
      {"short exponent -99", strff(1e-99, 10, -2), u" 1.000E-99"},
      {"short exponent 150", strff(1e150, 10, -2), u"**********"},
      {"short exponent -100", strff(1e-100, 10, -2), u"**********"},
      {"short rounds into 100", strff(9.99999e99, 10, -2), u"**********"},
      {"zero pad negative", strff(-1.5, -8, 2), u"-0001.50"},
      {"zero pad integer", strff(42, -6, 0), u"000042"},
      {"zero pad short", strff(98765.432, -10, -2), u"09.877E+04"},
      {"zero pad negative short", strff(-98765.432, -10, -2), u"-9.877E+04"},
      {"zero pad no room", strff(-1.5, -2, 1), u"-1.5"},
      {"rounding carries", strff(99.96, 1, 1), u"100.0"},
      {"rounding carries exponent", strff(9.99999, 10, -2), u" 1.000E+01"},
  });
}

TEST(FormatStrff, TiesAndSignOfZero) {
  CheckAll({
      {"tie up", strff(2.5, 1, 0), u"3"},
      {"tie negative", strff(-2.5, 1, 0), u"-3"},
      {"tie half", strff(0.5, 1, 0), u"1"},
      {"tie decimals", strff(0.125, 1, 2), u"0.13"},
      {"tie negative decimals", strff(-0.125, 1, 2), u"-0.13"},
      {"tie exponent", strff(1.25, 10, -1), u" 1.3E+0000"},
      {"tie of integer", strff(25, 9, -1), u" 3.E+0001"},
      {"binary value below tie", strff(0.15, 1, 1), u"0.1"},
      {"binary value above tie", strff(0.35, 1, 1), u"0.3"},
      {"negative rounds to zero", strff(-0.001, 1, 2), u"0.00"},
      {"negative rounds to zero padded", strff(-0.004, -6, 2), u"000.00"},
      {"negative zero fixed", strff(-0.0, 5, 1), u"  0.0"},
      {"negative zero exponent", strff(-0.0, 12, -1), u" 0.000E+0000"},
      {"negative zero short", strff(-0.0, 10, -2), u" 0.000E+00"},
  });
}

TEST(FormatStrff, NarrowAndWideFields) {
  CheckAll({
      {"exponent one digit", strff(98765.432, 9, -1), u" 1.E+0005"},
      {"exponent below minimum", strff(98765.432, 3, -1), u" 1.E+0005"},
      {"short one digit", strff(98765.432, 7, -2), u" 1.E+05"},
      {"short below minimum", strff(98765.432, 0, -2), u" 1.E+05"},
      {"short stars below minimum", strff(1e300, 2, -2), u"*******"},
      {"wide exponent shows exact digits", strff(0.1, 30, -1),
       u" 1.000000000000000055511E-0001"},
      {"many decimals", strff(0.1, 1, 60),
       u"0.100000000000000005551115123125782702118158340454101562500000"},
      {"integer many decimals", strff(1, 1, 30), u"1.000000000000000000000000000000"},
  });
}

TEST(FormatStrff, ExtremesOfExtended) {
  const LD tiny = std::numeric_limits<LD>::denorm_min();
  const LD huge = std::numeric_limits<LD>::max();
  const LD lowNormal = std::numeric_limits<LD>::min();
  CheckAll({
      {"denorm_min exponent", strff(tiny, 12, -1), u" 3.645E-4951"},
      {"denorm_min negative", strff(-tiny, 12, -1), u"-3.645E-4951"},
      {"denorm_min fixed", strff(tiny, 1, 2), u"0.00"},
      {"denorm_min negative fixed", strff(-tiny, 1, 2), u"0.00"},
      {"denorm_min short", strff(tiny, 10, -2), u"**********"},
      {"max exponent", strff(huge, 12, -1), u" 1.190E+4932"},
      {"max negative exponent", strff(-huge, 26, -1), u"-1.18973149535723177E+4932"},
      {"smallest normal", strff(lowNormal, 12, -1), u" 3.362E-4932"},
      {"denormal 1e-4950 is 3 * denorm_min", strff(1e-4950L, 12, -1), u" 1.094E-4950"},
      {"denormal 1e-4940", strff(1e-4940L, 12, -1), u" 1.000E-4940"},
      {"1e4932", strff(1e4932L, 12, -1), u" 1.000E+4932"},
  });
  // The long expansions against the reference.
  EXPECT_EQ(ToUtf8(strff(huge, 1, 0)), RefFixed(huge, 1, 0));
  EXPECT_EQ(ToUtf8(strff(huge, 1, 0)).size(), 4933u);
  EXPECT_EQ(ToUtf8(strff(-huge, 1, 3)), RefFixed(-huge, 1, 3));
  EXPECT_EQ(ToUtf8(strff(tiny, 1, 16460)), RefFixed(tiny, 1, 16460));
  EXPECT_EQ(ToUtf8(strff(tiny, 60, -1)), RefExponent(tiny, 60, false));
  EXPECT_EQ(ToUtf8(strff(lowNormal, 1, 4940)), RefFixed(lowNormal, 1, 4940));
}

TEST(FormatStrff, NotANumberAndInfinity) {
  CheckAll({
      {"NaN fixed", strff(kNaN, 6, 2), u"   NaN"},
      {"negative NaN has no sign", strff(-kNaN, 6, 2), u"   NaN"},
      {"Inf exponent", strff(kInf, 4, -1), u" Inf"},
      {"Inf short", strff(kInf, 10, -2), u"       Inf"},
      {"-Inf not zero padded", strff(-kInf, -6, 0), u"  -Inf"},
      {"Inf narrow", strff(kInf, 0, 0), u"Inf"},
  });
}

TEST(FormatStrff, InvalidExtendedPatternsAreNaN) {
  struct Pattern {
    const char* what;
    uint64_t mant;
    uint16_t signExp;
    const char16_t* expected;
  };
  const Pattern patterns[] = {
      {"unnormal", 0x4000000000000000ULL, 0x3FFF, u"         NaN"},
      {"pseudo-infinity", 0, 0x7FFF, u"         NaN"},
      {"pseudo-NaN", 0x0000000000000001ULL, 0xFFFF, u"         NaN"},
      {"infinity", 0x8000000000000000ULL, 0xFFFF, u"        -Inf"},
      {"pseudo-denormal", 0x8000000000000000ULL, 0x0000, u" 3.362E-4932"},
  };
  for (const Pattern& p : patterns) {
    SCOPED_TRACE(p.what);
    LD x = 0;
    unsigned char bytes[sizeof(LD)] = {};
    std::memcpy(bytes, &p.mant, 8);
    std::memcpy(bytes + 8, &p.signExp, 2);
    std::memcpy(&x, bytes, sizeof bytes);
    EXPECT_EQ(strff(x, 12, -1), String(p.expected));
  }
}

TEST(FormatStrff, WildArgumentsAreBounded) {
  EXPECT_EQ(strff(1, std::numeric_limits<int32_t>::min(), 0).size(),
            static_cast<size_t>(MaxFormatLength));
  EXPECT_EQ(strff(1, 1, std::numeric_limits<int32_t>::max()).size(),
            static_cast<size_t>(MaxFormatLength) + 2);
  EXPECT_EQ(strff(1, std::numeric_limits<int32_t>::max(), -1).size(),
            static_cast<size_t>(MaxFormatLength));
}

// Random values against the reference model, over the whole exponent range
// for the exponent forms and a moderate one for the fixed form.
TEST(FormatStrff, MatchesExactReference) {
  std::mt19937_64 rng(20240611);
  for (int i = 0; i < 800; ++i) {
    // Any number of significant bits, so that ties and short values occur.
    const uint64_t mant = rng() >> (rng() % 64);
    if (mant == 0) continue;
    const bool neg = rng() % 2 == 0;
    {
      const int e2 = static_cast<int>(rng() % 260) - 190;
      LD x = std::ldexp(static_cast<LD>(mant), e2) * (neg ? -1 : 1);
      const int d = static_cast<int>(rng() % 30);
      SCOPED_TRACE(ToUtf8(strff(x, 40, -1)) + " d=" + std::to_string(d));
      EXPECT_EQ(ToUtf8(strff(x, 3, d)), RefFixed(x, 3, d));
    }
    {
      const int e2 = static_cast<int>(rng() % 32800) - 16460;
      LD x = std::ldexp(static_cast<LD>(mant), e2) * (neg ? -1 : 1);
      if (std::isinf(x)) continue;
      const int W = static_cast<int>(rng() % 40);
      SCOPED_TRACE(ToUtf8(strff(x, 40, -1)) + " W=" + std::to_string(W));
      EXPECT_EQ(ToUtf8(strff(x, W, -1)), RefExponent(x, W, false));
      EXPECT_EQ(ToUtf8(strff(x, W, -2)), RefExponent(x, W, true));
    }
  }
}

TEST(FormatDecimal, ExponentAtPowersOfTen) {
  for (int k = -320; k <= 308; ++k) {
    const double p = std::strtod(("1e" + std::to_string(k)).c_str(), nullptr);
    for (double x : {std::nextafter(p, 0.0), p, std::nextafter(p, kInf)}) {
      if (x == 0 || std::isinf(x)) continue;
      SCOPED_TRACE(x);
      const Exact ex = ExactDecimal(x);
      const std::string all = ex.ip + ex.fp;
      const int expected = static_cast<int>(ex.ip.size()) - 1 -
                           static_cast<int>(all.find_first_not_of('0'));
      EXPECT_EQ(format_detail::DecimalExponent(format_detail::Decompose(x)), expected);
    }
  }
}

TEST(FormatStrffForcePlus, Cases) {
  CheckAll({
      {"blank before digit", strffForcePlus(0, 4, 1), u"+0.0"},
      {"zero padded", strffForcePlus(1.5, -6, 1), u"+001.5"},
      {"negative unchanged", strffForcePlus(-1.5, 6, 1), u"  -1.5"},
      {"negative zero padded unchanged", strffForcePlus(-1.5, -8, 2), u"-0001.50"},
      {"no room: in front", strffForcePlus(0.5, 1, 2), u"+0.50"},
      {"integer in front", strffForcePlus(12, 1, 0), u"+12"},
      {"exponent sign blank", strffForcePlus(98765.432, 10, -2), u"+9.877E+04"},
      {"zero padded exponent", strffForcePlus(98765.432, -10, -2), u"+9.877E+04"},
      {"small value, negative exponent", strffForcePlus(0.00012, 10, -2), u"+1.200E-04"},
      {"negative rounding to zero", strffForcePlus(-0.001, 5, 2), u"+0.00"},
      {"single zero keeps its digit", strffForcePlus(0, -1, 0), u"+0"},
      {"zero padded one digit", strffForcePlus(5, -2, 0), u"+5"},
      {"NaN unchanged", strffForcePlus(kNaN, 5, 1), u"  NaN"},
      {"Inf", strffForcePlus(kInf, 4, 0), u"+Inf"},
      {"stars unchanged", strffForcePlus(1e150, 10, -2), u"**********"},
  });
}

TEST(FormatFormatData, Cases) {
  CheckAll({
      {"upper limit d=0", FormatData(999999999, 8, 0), u"999999999"},
      {"above d=0", FormatData(1000000000, 8, 0), u" 1.0000000E+09"},
      {"lower limit d=1", FormatData(0.1, 6, 1), u"   0.1"},
      {"below d=1", FormatData(0.09, 6, 1), u" 9.00000E-02"},
      {"below d=0", FormatData(0.5, 4, 0), u" 5.000E-01"},
      {"zero", FormatData(0, 5, 3), u"0.000"},
      {"negative zero", FormatData(-0.0, 5, 3), u"0.000"},
      {"negative", FormatData(-3, 4, 0), u"  -3"},
      {"d too large", FormatData(5, 4, 9), u" 5.000E+00"},
      {"d negative", FormatData(5, 4, -1), u" 5.000E+00"},
      {"narrow exponent", FormatData(10, 1, 8), u" 1.E+01"},
      {"NaN", FormatData(kNaN, 4, 2), u"       NaN"},
      {"Inf", FormatData(-kInf, 4, 2), u"      -Inf"},
  });
}

TEST(FormatFormatData, LimitsPerDecimals) {
  const double upper[9] = {999999999.0, 99999999.9, 9999999.99, 999999.999, 99999.9999,
                           9999.99999,  999.999999, 99.9999999, 9.99999999};
  const char16_t* upperText[9] = {u"999999999",  u"99999999.9", u"9999999.99",
                                  u"999999.999", u"99999.9999", u"9999.99999",
                                  u"999.999999", u"99.9999999", u"9.99999999"};
  const double lower[9] = {1, 0.1, 0.01, 0.001, 1e-4, 1e-5, 1e-6, 1e-7, 1e-8};
  for (int d = 0; d <= 8; ++d) {
    SCOPED_TRACE(d);
    EXPECT_EQ(FormatData(upper[d], 1, d), String(upperText[d]));
    EXPECT_EQ(FormatData(-upper[d], 1, d), u"-" + String(upperText[d]));
    EXPECT_NE(FormatData(std::nextafter(upper[d], kInf), 1, d).find(u'E'), String::npos);
    EXPECT_EQ(FormatData(lower[d], 1, d).find(u'E'), String::npos);
    EXPECT_NE(FormatData(std::nextafter(lower[d], 0.0), 1, d).find(u'E'), String::npos);
  }
}

TEST(FormatSigDigStr, Cases) {
  CheckAll({
      {"1.5", SigDigStr(1.5, 10, 4), u"     1.500"},
      {"0.000123", SigDigStr(0.000123, 10, 4), u" 0.0001230"},
      {"0.0000123", SigDigStr(0.0000123, 10, 4), u" 1.230E-05"},
      {"56789.4", SigDigStr(56789.4, 10, 4), u"     56789"},
      {"zero", SigDigStr(0, 8, 3), u"    0.00"},
      {"negative", SigDigStr(-1.5, 10, 4), u"    -1.500"},
      {"1000: e is exact", SigDigStr(1000, 5, 4), u" 1000"},
      {"1000 fewer digits", SigDigStr(1000, 10, 3), u"      1000"},
      {"0.001: e is exact", SigDigStr(0.001, 10, 4), u"  0.001000"},
      {"1e-4", SigDigStr(1e-4, 10, 4), u" 0.0001000"},
      {"1e-5", SigDigStr(1e-5, 10, 4), u" 1.000E-05"},
      {"e reaches width", SigDigStr(1e9, 10, 4), u" 1.000E+09"},
      {"e below width", SigDigStr(999999999, 10, 4), u" 999999999"},
      {"wide short form", SigDigStr(1e12, 12, 4), u" 1.00000E+12"},
      {"digits below one act as one", SigDigStr(1.5, 10, 0), u"         2"},
      {"NaN", SigDigStr(kNaN, 10, 4), u"       NaN"},
      {"trim", SigDigStr(1.5, 10, 4, true), u"1.500"},
      {"no trim", SigDigStr(1.5, 10, 4, false), u"     1.500"},
  });
}

TEST(FormatAutoFormatData, Cases) {
  CheckAll({
      {"pi", AutoFormatData(3.14159, 4), u"3.142"},
      {"123.456", AutoFormatData(123.456, 4), u"123.5"},
      {"5678.91", AutoFormatData(5678.91, 4), u"5.679E+03"},
      {"0.5", AutoFormatData(0.5, 4), u"0.500"},
      {"0.05", AutoFormatData(0.05, 4), u"5.000E-02"},
      {"zero", AutoFormatData(0, 4), u"0.000"},
      {"negative zero", AutoFormatData(-0.0, 4), u"0.000"},
      {"negative", AutoFormatData(-123.456, 4), u"-123.5"},
      {"0.1 itself", AutoFormatData(0.1, 4), u"1.000E-01"},
      {"above 0.1", AutoFormatData(0.11, 4), u"0.110"},
      {"1000 for 4 digits", AutoFormatData(1000, 4), u"1.000E+03"},
      {"just below 1000", AutoFormatData(999.9999, 4), u"1000.0"},
      {"one digit acts as two", AutoFormatData(3.14159, 1), u"3.1"},
      {"forty digits act as sixteen", AutoFormatData(3.14159, 40), u"3.141590000000000"},
      {"large exponent", AutoFormatData(1e150, 4), u"**********"},
      {"NaN", AutoFormatData(kNaN, 4), u"NaN"},
      {"-Inf", AutoFormatData(-kInf, 4), u"-Inf"},
      {"decimal comma", AutoFormatData(3.14159, 4, true), u"3,142"},
      {"decimal comma exponent", AutoFormatData(5678.91, 4, true), u"5,679E+03"},
      {"no decimal comma", AutoFormatData(3.14159, 4, false), u"3.142"},
  });
}

TEST(FormatNumber, IndependentOfLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
      std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  EXPECT_EQ(strff(3.14159, 1, 2), u"3.14");
  EXPECT_EQ(strff(98765.432, 10, -2), u" 9.877E+04");
  EXPECT_EQ(AutoFormatData(0.5, 4), u"0.500");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace kvo
