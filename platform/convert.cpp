#include "platform/convert.h"

#include <locale.h>
#include <stdlib.h>
#include <time.h>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/exceptions.h"

namespace kvo {

namespace {

constexpr Char kBlank = u' ';

bool IsAsciiDigit(Char c) { return c >= u'0' && c <= u'9'; }

Char LowerAscii(Char c) { return (c >= u'A' && c <= u'Z') ? static_cast<Char>(c + 32) : c; }

// [first, last) of S without the blanks at both ends.
void TrimBlanks(const String& S, size_t& first, size_t& last) {
  first = 0;
  last = S.size();
  while (first < last && S[first] == kBlank) ++first;
  while (last > first && S[last - 1] == kBlank) --last;
}

template <typename T>
String UnsignedToStr(T v, bool negative) {
  Char buf[24];
  Char* p = buf + 24;
  do {
    *--p = static_cast<Char>(u'0' + v % 10);
    v /= 10;
  } while (v != 0);
  if (negative) *--p = u'-';
  return String(p, buf + 24);
}

// Decimal reader shared by the integer conversions: blanks, optional sign,
// digits, blanks. The magnitude may reach MaxPos for a positive and MaxNeg
// for a negative value; beyond that the text is refused.
bool ReadInteger(const String& S, uint64_t MaxPos, uint64_t MaxNeg, bool& negative,
                 uint64_t& magnitude) {
  size_t i, end;
  TrimBlanks(S, i, end);
  negative = false;
  if (i < end && (S[i] == u'+' || S[i] == u'-')) negative = S[i++] == u'-';
  if (i == end) return false;
  const uint64_t limit = negative ? MaxNeg : MaxPos;
  uint64_t v = 0;
  for (; i < end; ++i) {
    if (!IsAsciiDigit(S[i])) return false;
    const uint64_t d = S[i] - u'0';
    if (v > (limit - d) / 10) return false;  // v * 10 + d would exceed the limit
    v = v * 10 + d;
  }
  magnitude = v;
  return true;
}

[[noreturn]] void RaiseInvalidInteger(const String& S) {
  throw EConvertError(u"'" + S + u"' is not a valid integer value");
}

template <typename T>
String HexOf(T v, int32_t Digits) {
  if (Digits < 1) Digits = 1;
  if (Digits > 32) Digits = 32;
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  String out;
  do {
    out.insert(out.begin(), kHex[v & 0xF]);
    v >>= 4;
  } while (v != 0);
  if (out.size() < static_cast<size_t>(Digits)) out.insert(0, Digits - out.size(), u'0');
  return out;
}

// The C locale, so that strtod_l never sees the user's decimal separator.
locale_t CLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc;
}

// Checks the decimal number grammar of StrToFloat and copies the number
// (without blanks) into Ascii.
bool ScanFloat(const String& S, std::string& Ascii) {
  size_t i, end;
  TrimBlanks(S, i, end);
  Ascii.clear();
  Ascii.reserve(end - i);
  if (i < end && (S[i] == u'+' || S[i] == u'-')) Ascii.push_back(static_cast<char>(S[i++]));
  size_t digits = 0;
  while (i < end && IsAsciiDigit(S[i])) Ascii.push_back(static_cast<char>(S[i++])), ++digits;
  if (i < end && S[i] == u'.') {
    Ascii.push_back('.');
    ++i;
    while (i < end && IsAsciiDigit(S[i])) Ascii.push_back(static_cast<char>(S[i++])), ++digits;
  }
  if (digits == 0) return false;
  if (i < end && (S[i] == u'e' || S[i] == u'E')) {
    Ascii.push_back('e');
    ++i;
    if (i < end && (S[i] == u'+' || S[i] == u'-')) Ascii.push_back(static_cast<char>(S[i++]));
    size_t expDigits = 0;
    while (i < end && IsAsciiDigit(S[i])) Ascii.push_back(static_cast<char>(S[i++])), ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == end;
}

// ---- calendar ------------------------------------------------------------

constexpr int64_t kMsPerDay = 86400000;
// Days from 1970-01-01 back to 1899-12-30, the zero of the date values.
constexpr int64_t kEpochShift = 25569;

// Days since 1970-01-01 of a proleptic Gregorian date (valid for all years).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<int64_t>(yoe) + era * 400 + (m <= 2);
}

constexpr uint8_t kDaysInMonth[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                         {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

// A date/time value split into its calendar day and milliseconds of the day.
struct DayAndMs {
  int64_t Day;  // days since 1899-12-30
  int64_t Ms;   // 0 .. kMsPerDay - 1
};

DayAndMs SplitDateTime(double dt) {
  // The bounds leave room for the rounding below; the exact range is checked
  // on the resulting day.
  if (!(dt > MinDateTime - 1.0 && dt < MaxDateTime + 1.0)) {
    throw EConvertError(u"Invalid date/time value: " + FloatToStr(dt));
  }
  const double whole = std::trunc(dt);
  DayAndMs r{static_cast<int64_t>(whole),
             static_cast<int64_t>(std::llround(std::fabs(dt - whole) * kMsPerDay))};
  if (r.Ms >= kMsPerDay) {  // rounded up to midnight: the next calendar day
    r.Ms -= kMsPerDay;
    r.Day += 1;
  }
  if (r.Day < static_cast<int64_t>(MinDateTime) || r.Day > static_cast<int64_t>(MaxDateTime)) {
    throw EConvertError(u"Invalid date/time value: " + FloatToStr(dt));
  }
  return r;
}

// All parts of a date/time value, as FormatDateTime needs them.
struct DateTimeParts {
  unsigned Year, Month, Day, Hour, Min, Sec, MSec, Dow;  // Dow 1 = Sunday
};

DateTimeParts PartsOf(double dt) {
  const DayAndMs s = SplitDateTime(dt);
  DateTimeParts p{};
  int64_t y;
  CivilFromDays(s.Day - kEpochShift, y, p.Month, p.Day);
  p.Year = static_cast<unsigned>(y);
  p.Hour = static_cast<unsigned>(s.Ms / 3600000);
  p.Min = static_cast<unsigned>(s.Ms / 60000 % 60);
  p.Sec = static_cast<unsigned>(s.Ms / 1000 % 60);
  p.MSec = static_cast<unsigned>(s.Ms % 1000);
  // Day 0 is a Saturday (7); Day 1 a Sunday (1).
  p.Dow = static_cast<unsigned>(((s.Day - 1) % 7 + 7) % 7 + 1);
  return p;
}

// ---- formatting ----------------------------------------------------------

constexpr const char16_t* kShortMonthNames[12] = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                  u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
constexpr const char16_t* kLongMonthNames[12] = {
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December"};
constexpr const char16_t* kShortDayNames[7] = {u"Sun", u"Mon", u"Tue", u"Wed",
                                               u"Thu", u"Fri", u"Sat"};
constexpr const char16_t* kLongDayNames[7] = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                              u"Thursday", u"Friday", u"Saturday"};

// The fixed, locale-free composite formats.
constexpr const char16_t* kShortDateFormat = u"yyyy-mm-dd";
constexpr const char16_t* kLongDateFormat = u"dddd, mmmm d, yyyy";
constexpr const char16_t* kShortTimeFormat = u"hh:nn";
constexpr const char16_t* kLongTimeFormat = u"hh:nn:ss";

void AppendNumber(String& out, unsigned v, unsigned minDigits) {
  String digits = UnsignedToStr(v, false);
  if (digits.size() < minDigits) out.append(minDigits - digits.size(), u'0');
  out += digits;
}

bool StartsWithNoCase(const String& s, size_t pos, std::u16string_view word) {
  if (s.size() - pos < word.size()) return false;
  for (size_t k = 0; k < word.size(); ++k) {
    if (LowerAscii(s[pos + k]) != word[k]) return false;
  }
  return true;
}

// Whether an hour specifier ending before position pos uses the 12-hour
// clock: the next "a" outside quotes must start an am/pm marker, and no "h"
// may come first.
bool UsesTwelveHourClock(const String& f, size_t pos) {
  Char quote = 0;
  for (size_t k = pos; k < f.size(); ++k) {
    const Char c = f[k];
    if (quote != 0) {
      if (c == quote) quote = 0;
      continue;
    }
    if (c == u'\'' || c == u'"') {
      quote = c;
    } else if (c == u'a' || c == u'A') {
      return StartsWithNoCase(f, k, u"am/pm") || StartsWithNoCase(f, k, u"a/p") ||
             StartsWithNoCase(f, k, u"ampm");
    } else if (c == u'h' || c == u'H') {
      return false;
    }
  }
  return false;
}

void FormatInto(String& out, const String& f, const DateTimeParts& p) {
  Char lastLetter = 0;  // last specifier letter, lower case
  size_t i = 0;
  while (i < f.size()) {
    const Char c = f[i];
    if (c == u'\'' || c == u'"') {
      const size_t close = f.find(c, i + 1);
      const size_t stop = close == String::npos ? f.size() : close;
      out.append(f, i + 1, stop - i - 1);
      i = close == String::npos ? f.size() : close + 1;
      continue;
    }
    Char lc = LowerAscii(c);
    if (lc < u'a' || lc > u'z') {
      out.push_back(c);
      ++i;
      continue;
    }
    if (lc == u'a') {
      // am/pm markers keep the letter case written in the format.
      const bool pm = p.Hour >= 12;
      if (StartsWithNoCase(f, i, u"am/pm")) {
        out.append(f, i + (pm ? 3 : 0), 2);
        i += 5;
      } else if (StartsWithNoCase(f, i, u"a/p")) {
        out.push_back(f[i + (pm ? 2 : 0)]);
        i += 3;
      } else if (StartsWithNoCase(f, i, u"ampm")) {
        out += pm ? u"PM" : u"AM";
        i += 4;
      } else {
        out.push_back(c);
        ++i;
      }
      lastLetter = u'a';
      continue;
    }
    size_t run = 1;
    while (i + run < f.size() && LowerAscii(f[i + run]) == lc) ++run;
    if (lc == u'm' && lastLetter == u'h' && run <= 2) lc = u'n';  // minutes after hours
    switch (lc) {
      case u'd':
        if (run == 1 || run == 2) AppendNumber(out, p.Day, static_cast<unsigned>(run));
        else if (run == 3) out += kShortDayNames[p.Dow - 1];
        else if (run == 4) out += kLongDayNames[p.Dow - 1];
        else if (run == 5) FormatInto(out, kShortDateFormat, p);
        else FormatInto(out, kLongDateFormat, p);
        break;
      case u'm':
        if (run <= 2) AppendNumber(out, p.Month, static_cast<unsigned>(run));
        else if (run == 3) out += kShortMonthNames[p.Month - 1];
        else out += kLongMonthNames[p.Month - 1];
        break;
      case u'y':
        if (run <= 2) AppendNumber(out, p.Year % 100, 2);
        else AppendNumber(out, p.Year, 4);
        break;
      case u'h': {
        unsigned h = p.Hour;
        if (UsesTwelveHourClock(f, i + run)) {
          h %= 12;
          if (h == 0) h = 12;
        }
        AppendNumber(out, h, run >= 2 ? 2 : 1);
        break;
      }
      case u'n':
        AppendNumber(out, p.Min, run >= 2 ? 2 : 1);
        break;
      case u's':
        AppendNumber(out, p.Sec, run >= 2 ? 2 : 1);
        break;
      case u'z':
        AppendNumber(out, p.MSec, run >= 3 ? 3 : 1);
        break;
      case u't':
        FormatInto(out, run == 1 ? kShortTimeFormat : kLongTimeFormat, p);
        break;
      case u'c':
        FormatInto(out, kShortDateFormat, p);
        if (p.Hour != 0 || p.Min != 0 || p.Sec != 0 || p.MSec != 0) {
          out.push_back(kBlank);
          FormatInto(out, kLongTimeFormat, p);
        }
        break;
      default:  // a letter without meaning is copied as it is
        out.append(f, i, run);
        break;
    }
    lastLetter = lc;
    i += run;
  }
}

}  // namespace

// ---- integers --------------------------------------------------------------

String IntToStr(int32_t Value) { return IntToStr(static_cast<int64_t>(Value)); }

String IntToStr(int64_t Value) {
  const bool negative = Value < 0;
  // Negate in unsigned arithmetic so that INT64_MIN has a magnitude too.
  const uint64_t magnitude =
      negative ? ~static_cast<uint64_t>(Value) + 1 : static_cast<uint64_t>(Value);
  return UnsignedToStr(magnitude, negative);
}

String IntToStr(uint32_t Value) { return UnsignedToStr(Value, false); }
String IntToStr(uint64_t Value) { return UnsignedToStr(Value, false); }

bool TryStrToInt64(const String& S, int64_t& Value) {
  bool negative;
  uint64_t m;
  constexpr uint64_t maxPos = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  if (!ReadInteger(S, maxPos, maxPos + 1, negative, m)) return false;
  Value = negative ? static_cast<int64_t>(~m + 1) : static_cast<int64_t>(m);
  return true;
}

bool TryStrToInt(const String& S, int32_t& Value) {
  bool negative;
  uint64_t m;
  constexpr uint64_t maxPos = static_cast<uint64_t>(std::numeric_limits<int32_t>::max());
  if (!ReadInteger(S, maxPos, maxPos + 1, negative, m)) return false;
  Value = static_cast<int32_t>(negative ? -static_cast<int64_t>(m) : static_cast<int64_t>(m));
  return true;
}

int32_t StrToInt(const String& S) {
  int32_t v;
  if (!TryStrToInt(S, v)) RaiseInvalidInteger(S);
  return v;
}

int64_t StrToInt64(const String& S) {
  int64_t v;
  if (!TryStrToInt64(S, v)) RaiseInvalidInteger(S);
  return v;
}

String IntToHex(int32_t Value, int32_t Digits) {
  return HexOf(static_cast<uint32_t>(Value), Digits);
}
String IntToHex(int64_t Value, int32_t Digits) {
  return HexOf(static_cast<uint64_t>(Value), Digits);
}
String IntToHex(uint32_t Value, int32_t Digits) { return HexOf(Value, Digits); }
String IntToHex(uint64_t Value, int32_t Digits) { return HexOf(Value, Digits); }

// ---- floating point --------------------------------------------------------

bool TryStrToFloat(const String& S, double& Value) {
  std::string ascii;
  if (!ScanFloat(S, ascii)) return false;
  // The grammar is checked; strtod_l only computes the correctly rounded
  // value (HUGE_VAL on overflow, 0 or a denormal on underflow).
  Value = strtod_l(ascii.c_str(), nullptr, CLocale());
  return true;
}

double StrToFloat(const String& S) {
  double v;
  if (!TryStrToFloat(S, v)) {
    throw EConvertError(u"'" + S + u"' is not a valid floating point value");
  }
  return v;
}

String FloatToStr(double Value) {
  if (std::isnan(Value)) return u"NAN";
  if (std::isinf(Value)) return Value < 0 ? u"-INF" : u"INF";
  if (Value == 0) return u"0";  // also for -0
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, Value, std::chars_format::general, 15);
  String out;
  out.reserve(static_cast<size_t>(res.ptr - buf));
  for (const char* p = buf; p != res.ptr; ++p) out.push_back(*p == 'e' ? u'E' : Char(*p));
  return out;
}

// ---- date and time ---------------------------------------------------------

bool IsLeapYear(uint16_t Year) {
  return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, double& Value) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 ||
      Day > kDaysInMonth[IsLeapYear(Year) ? 1 : 0][Month - 1]) {
    return false;
  }
  Value = static_cast<double>(DaysFromCivil(Year, Month, Day) + kEpochShift);
  return true;
}

double EncodeDate(uint16_t Year, uint16_t Month, uint16_t Day) {
  double v;
  if (!TryEncodeDate(Year, Month, Day, v)) throw EConvertError(u"Invalid argument to date encode");
  return v;
}

bool TryEncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec, double& Value) {
  if (Hour > 23 || Min > 59 || Sec > 59 || MSec > 999) return false;
  const int64_t ms = ((Hour * 60 + Min) * 60 + Sec) * int64_t{1000} + MSec;
  Value = static_cast<double>(ms) / kMsPerDay;
  return true;
}

double EncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec) {
  double v;
  if (!TryEncodeTime(Hour, Min, Sec, MSec, v)) {
    throw EConvertError(u"Invalid argument to time encode");
  }
  return v;
}

double ComposeDateTime(double Date, double Time) {
  return Date < 0 ? Date - Time : Date + Time;
}

void DecodeDate(double DateTime, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
  const DateTimeParts p = PartsOf(DateTime);
  Year = static_cast<uint16_t>(p.Year);
  Month = static_cast<uint16_t>(p.Month);
  Day = static_cast<uint16_t>(p.Day);
}

void DecodeTime(double DateTime, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec) {
  const DateTimeParts p = PartsOf(DateTime);
  Hour = static_cast<uint16_t>(p.Hour);
  Min = static_cast<uint16_t>(p.Min);
  Sec = static_cast<uint16_t>(p.Sec);
  MSec = static_cast<uint16_t>(p.MSec);
}

uint16_t DayOfWeek(double DateTime) { return static_cast<uint16_t>(PartsOf(DateTime).Dow); }

double Now() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  tm local{};
  localtime_r(&ts.tv_sec, &local);
  const double day = EncodeDate(static_cast<uint16_t>(local.tm_year + 1900),
                                static_cast<uint16_t>(local.tm_mon + 1),
                                static_cast<uint16_t>(local.tm_mday));
  // A leap second (tm_sec 60) is folded into 59.
  const double time = EncodeTime(static_cast<uint16_t>(local.tm_hour),
                                 static_cast<uint16_t>(local.tm_min),
                                 static_cast<uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec),
                                 static_cast<uint16_t>(ts.tv_nsec / 1000000));
  return day + time;  // the current date is never before 1899
}

double Date() { return std::trunc(Now()); }

double Time() {
  const double now = Now();
  return now - std::trunc(now);
}

String FormatDateTime(const String& Format, double DateTime) {
  const DateTimeParts p = PartsOf(DateTime);
  String out;
  FormatInto(out, Format.empty() ? String(u"c") : Format, p);
  return out;
}

}  // namespace kvo
