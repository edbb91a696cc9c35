// The number forms and the functions that choose between them.
//
// Texts are built as ASCII in a std::string (most fit its inline buffer)
// and widened to String once at the end.
#include "stringl/format_number.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "stringl/format_decimal.h"
#include "stringl/replace.h"
#include "stringl/trim.h"

namespace kvo {
namespace {

using format_detail::Decomposed;

int64_t ClampLength(int64_t n) { return std::min<int64_t>(n, MaxFormatLength); }

String Widen(const std::string& t) { return String(t.begin(), t.end()); }

void PadLeft(std::string& t, int64_t width) {
  width = ClampLength(width);
  if (width > static_cast<int64_t>(t.size()))
    t.insert(t.begin(), static_cast<size_t>(width) - t.size(), ' ');
}

bool IsValue(const Decomposed& v) {
  return v.Class == format_detail::fcZero || v.Class == format_detail::fcFinite;
}

// "NaN", "Inf" or "-Inf", right-aligned in `width`.
std::string NonFiniteText(const Decomposed& v, int64_t width) {
  std::string t = v.Class == format_detail::fcNaN ? "NaN" : (v.Negative ? "-Inf" : "Inf");
  PadLeft(t, width);
  return t;
}

// The fixed form; width <= 0 means no padding.
std::string FixedText(const Decomposed& v, int64_t width, int64_t decimals) {
  if (!IsValue(v)) return NonFiniteText(v, width);
  std::string t;
  const bool nonzero = format_detail::FixedDigits(v, ClampLength(decimals), t);
  if (nonzero && v.Negative) t.insert(t.begin(), '-');
  PadLeft(t, width);
  return t;
}

// The exponent form of width `width` (four exponent digits), or with
// `shortForm` the short exponent form of that width (two digits).
std::string ExponentText(const Decomposed& v, int64_t width, bool shortForm) {
  if (!IsValue(v)) return NonFiniteText(v, width);
  const int64_t digits =
      ClampLength(std::max<int64_t>(1, width - (shortForm ? 6 : 8)));
  std::string mant;
  const int32_t e = format_detail::ScientificDigits(v, digits, mant);
  const int32_t ae = e < 0 ? -e : e;
  if (shortForm && ae >= 100) return std::string(static_cast<size_t>(digits) + 6, '*');
  std::string t;
  t.reserve(static_cast<size_t>(digits) + 8);
  t.push_back(v.Negative && v.Class == format_detail::fcFinite ? '-' : ' ');
  t.push_back(mant[0]);
  t.push_back('.');
  t.append(mant, 1, std::string::npos);
  t.push_back('E');
  t.push_back(e < 0 ? '-' : '+');
  if (!shortForm) {
    t.push_back(static_cast<char>('0' + ae / 1000));
    t.push_back(static_cast<char>('0' + ae / 100 % 10));
  }
  t.push_back(static_cast<char>('0' + ae / 10 % 10));
  t.push_back(static_cast<char>('0' + ae % 10));
  return t;
}

// Zero padding of strff: leading blanks become "0"; a "-" behind them
// moves to the front.
void ZeroPad(std::string& t) {
  size_t i = 0;
  while (i < t.size() && t[i] == ' ') t[i++] = '0';
  if (i > 0 && i < t.size() && t[i] == '-') {
    t[i] = '0';
    t[0] = '-';
  }
}

}  // namespace

String strff(long double x, int32_t w, int32_t d) {
  const int64_t width = ClampLength(w < 0 ? -static_cast<int64_t>(w) : w);
  const Decomposed v = format_detail::Decompose(x);
  if (!IsValue(v)) return Widen(NonFiniteText(v, width));
  std::string t = d >= 0 ? FixedText(v, width, d) : ExponentText(v, width, d == -2);
  if (w < 0) ZeroPad(t);
  return Widen(t);
}

String strffForcePlus(long double x, int32_t w, int32_t d) {
  String t = strff(x, w, d);
  size_t i = 0;
  while (i + 1 < t.size() && t[i] == u' ') ++i;
  if (t.empty() || t[i] == u'-' || t[i] == u'*' || t[i] == u'N') return t;
  if (i > 0) {
    t[i - 1] = u'+';
  } else if (t[0] == u'0' && t.size() > 1 && t[1] != u'.') {
    t[0] = u'+';
  } else {
    t.insert(t.begin(), u'+');
  }
  return t;
}

String FormatData(double x, int32_t w, int32_t d) {
  // (10^9 - 1) / 10^d and 10^-d as the nearest doubles.
  static constexpr double kUpper[9] = {999999999.0, 99999999.9, 9999999.99,
                                       999999.999,  99999.9999, 9999.99999,
                                       999.999999,  99.9999999, 9.99999999};
  static constexpr double kLower[9] = {1.0,  0.1,  0.01,  0.001, 1e-4,
                                       1e-5, 1e-6, 1e-7, 1e-8};
  const Decomposed v = format_detail::Decompose(x);
  const double a = std::fabs(x);
  if (d >= 0 && d <= 8 && a <= kUpper[d] && (a >= kLower[d] || x == 0))
    return Widen(FixedText(v, w, d));
  return Widen(ExponentText(v, static_cast<int64_t>(w) + 6, true));
}

String SigDigStr(double x, int32_t w, int32_t n) {
  const int64_t digits = std::clamp<int64_t>(n, 1, MaxFormatLength);
  const Decomposed v = format_detail::Decompose(x);
  if (v.Class == format_detail::fcZero) return Widen(FixedText(v, w, digits - 1));
  const int64_t m = std::max<int64_t>(w, digits + 6);
  if (!IsValue(v)) return Widen(NonFiniteText(v, m));
  const int64_t e = static_cast<int64_t>(format_detail::DecimalExponent(v)) + 1;
  if (digits < e) {
    return Widen(e >= w ? ExponentText(v, m, true) : FixedText(v, w, 0));
  }
  if (e < digits - w + 3) return Widen(ExponentText(v, m, true));
  return Widen(FixedText(v, w, digits - e));
}

String SigDigStr(double x, int32_t w, int32_t n, bool trim) {
  String t = SigDigStr(x, w, n);
  return trim ? StripLTBlanks(t) : t;
}

String AutoFormatData(double x, int32_t n) {
  static constexpr double kPow10[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  n = std::clamp<int32_t>(n, 2, 16);
  const Decomposed v = format_detail::Decompose(x);
  if (v.Class == format_detail::fcZero) return strff(x, 1, n - 1);
  const double a = std::fabs(x);
  if (v.Class == format_detail::fcFinite && a > 0.1 && a < kPow10[n - 1]) {
    const int32_t g = a >= 1 ? format_detail::DecimalExponent(v) : 0;
    return Widen(FixedText(v, 1, n - 1 - g));
  }
  return StripLTBlanks(Widen(ExponentText(v, n + 6, true)));
}

String AutoFormatData(double x, int32_t n, bool decimalComma) {
  String t = AutoFormatData(x, n);
  return decimalComma ? ReplaceCharInString(t, u'.', u',') : t;
}

}  // namespace kvo
