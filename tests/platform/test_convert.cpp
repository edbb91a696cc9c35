#include "platform/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/exceptions.h"

namespace kvo {
namespace {

std::string U8(const String& s) { return ToUtf8(s); }

// ---- integers ----------------------------------------------------------------

TEST(IntToStr, AllWidths) {
  EXPECT_EQ(IntToStr(int32_t{0}), u"0");
  EXPECT_EQ(IntToStr(int32_t{-42}), u"-42");
  EXPECT_EQ(IntToStr(std::numeric_limits<int32_t>::min()), u"-2147483648");
  EXPECT_EQ(IntToStr(std::numeric_limits<int64_t>::min()), u"-9223372036854775808");
  EXPECT_EQ(IntToStr(std::numeric_limits<int64_t>::max()), u"9223372036854775807");
  EXPECT_EQ(IntToStr(std::numeric_limits<uint32_t>::max()), u"4294967295");
  EXPECT_EQ(IntToStr(std::numeric_limits<uint64_t>::max()), u"18446744073709551615");
}

TEST(StrToInt, Table) {
  struct Case {
    const char16_t* text;
    bool ok32;
    int32_t v32;
    bool ok64;
    int64_t v64;
  };
  const Case cases[] = {
      {u"0", true, 0, true, 0},
      {u"17", true, 17, true, 17},
      {u"+17", true, 17, true, 17},
      {u"-17", true, -17, true, -17},
      {u"  -17  ", true, -17, true, -17},  // blanks at both ends are skipped
      {u"007", true, 7, true, 7},
      {u"2147483647", true, 2147483647, true, 2147483647},
      {u"-2147483648", true, INT32_MIN, true, INT32_MIN},
      {u"2147483648", false, 0, true, 2147483648LL},
      {u"-2147483649", false, 0, true, -2147483649LL},
      {u"9223372036854775807", false, 0, true, INT64_MAX},
      {u"-9223372036854775808", false, 0, true, INT64_MIN},
      {u"9223372036854775808", false, 0, false, 0},
      {u"99999999999999999999999", false, 0, false, 0},
      {u"", false, 0, false, 0},
      {u"   ", false, 0, false, 0},
      {u"-", false, 0, false, 0},
      {u"+-1", false, 0, false, 0},
      {u"- 1", false, 0, false, 0},
      {u"1 2", false, 0, false, 0},
      {u"12abc", false, 0, false, 0},
      {u"\t12", false, 0, false, 0},  // only code 32 is a blank
      {u"1.0", false, 0, false, 0},
      {u"$FF", false, 0, false, 0},   // no hexadecimal form
      {u"0x10", false, 0, false, 0},
      {u"\x0661", false, 0, false, 0},  // ARABIC-INDIC DIGIT ONE is not a digit here
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text));
    int32_t v32 = 12345;
    int64_t v64 = 12345;
    EXPECT_EQ(TryStrToInt(c.text, v32), c.ok32);
    EXPECT_EQ(TryStrToInt64(c.text, v64), c.ok64);
    if (c.ok32) {
      EXPECT_EQ(v32, c.v32);
      EXPECT_EQ(StrToInt(c.text), c.v32);
    } else {
      EXPECT_EQ(v32, 12345);  // untouched on failure
      EXPECT_THROW(StrToInt(c.text), EConvertError);
    }
    if (c.ok64) {
      EXPECT_EQ(v64, c.v64);
      EXPECT_EQ(StrToInt64(c.text), c.v64);
    } else {
      EXPECT_EQ(v64, 12345);
      EXPECT_THROW(StrToInt64(c.text), EConvertError);
    }
  }
}

TEST(StrToInt, ErrorMessageQuotesTheText) {
  try {
    StrToInt(u" 12x");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"' 12x' is not a valid integer value");
  }
}

TEST(IntToHex, Table) {
  struct Case {
    String got;
    String expected;
  };
  const Case cases[] = {
      {IntToHex(255, 4), u"00FF"},
      {IntToHex(0, 1), u"0"},
      {IntToHex(0, 0), u"0"},
      {IntToHex(0x12345, 2), u"12345"},  // never cut
      {IntToHex(0xABCDEF, 8), u"00ABCDEF"},
      {IntToHex(-1, 1), u"FFFFFFFF"},
      {IntToHex(int64_t{-1}, 1), u"FFFFFFFFFFFFFFFF"},
      {IntToHex(int64_t{0x123456789A}, 12), u"00123456789A"},
      {IntToHex(uint32_t{0xFF00000F}, 8), u"FF00000F"},
      {IntToHex(uint64_t{0x10}, -5), u"10"},
      {IntToHex(1, 1000), String(31, u'0') + u"1"},  // widths above 32 act as 32
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.expected));
    EXPECT_EQ(c.got, c.expected);
  }
}

// ---- floating point ------------------------------------------------------------

TEST(StrToFloat, Accepted) {
  struct Case {
    const char16_t* text;
    double value;
  };
  const Case cases[] = {
      {u"0", 0.0},
      {u"1.5", 1.5},
      {u"-1.5", -1.5},
      {u"+2", 2.0},
      {u" 1.5E3 ", 1500.0},
      {u"1e-3", 0.001},
      {u"1E+2", 100.0},
      {u"5.", 5.0},
      {u".5", 0.5},
      {u"-.5e1", -5.0},
      {u"0.1", 0.1},
      {u"123456789012345678901234567890", 1.2345678901234568e29},
      {u"1.7976931348623157e308", 1.7976931348623157e308},
      {u"4.9406564584124654e-324", 4.9406564584124654e-324},  // smallest denormal
      {u"1e-400", 0.0},                                         // below: zero
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text));
    double v = -99;
    ASSERT_TRUE(TryStrToFloat(c.text, v));
    EXPECT_EQ(v, c.value);
    EXPECT_EQ(StrToFloat(c.text), c.value);
  }
}

TEST(StrToFloat, OverflowGivesInfinity) {
  EXPECT_EQ(StrToFloat(u"1e500"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(StrToFloat(u"-1e99999999999999999999"), -std::numeric_limits<double>::infinity());
}

TEST(StrToFloat, Refused) {
  const char16_t* cases[] = {
      u"",     u"  ",   u".",     u"-",    u"+.",    u"1,5",  u"1.5.2", u"1e",  u"1e+",
      u"e5",   u"1 .5", u"12abc", u"INF",  u"NaN",   u"0x1p3", u"\t1",   u"1\t", u"1..",
      u"--1",  u"1e5.5"};
  for (const char16_t* text : cases) {
    SCOPED_TRACE(U8(text));
    double v = 42;
    EXPECT_FALSE(TryStrToFloat(text, v));
    EXPECT_EQ(v, 42);
    EXPECT_THROW(StrToFloat(text), EConvertError);
  }
  try {
    StrToFloat(u"1,5");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"'1,5' is not a valid floating point value");
  }
}

TEST(FloatToStr, GeneralFormWith15Digits) {
  struct Case {
    double value;
    const char16_t* text;
  };
  const Case cases[] = {
      {0.0, u"0"},
      {-0.0, u"0"},
      {1.0, u"1"},
      {-2.5, u"-2.5"},
      {0.1 + 0.2, u"0.3"},
      {1.0 / 3.0, u"0.333333333333333"},
      {123456.789, u"123456.789"},
      {123456789012345.0, u"123456789012345"},
      {999999999999999.9, u"1E+15"},  // rounds to 16 digits: exponent form
      {1e15, u"1E+15"},
      {9007199254740992.0, u"9.00719925474099E+15"},
      {0.0001, u"0.0001"},
      {0.00001, u"1E-05"},
      {-1.5e-7, u"-1.5E-07"},
      {0.000123456789012345678, u"0.000123456789012346"},
      {1e100, u"1E+100"},
      {1.7976931348623157e308, u"1.79769313486232E+308"},
      {4.9406564584124654e-324, u"4.94065645841247E-324"},
      {std::numeric_limits<double>::infinity(), u"INF"},
      {-std::numeric_limits<double>::infinity(), u"-INF"},
      {std::numeric_limits<double>::quiet_NaN(), u"NAN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text));
    EXPECT_EQ(FloatToStr(c.value), c.text);
  }
}

TEST(FloatToStr, ReadsBackWithin15Digits) {
  const double values[] = {1.0 / 7.0, -12345.678901, 6.02214076e23, 1.602176634e-19};
  for (double v : values) {
    SCOPED_TRACE(v);
    const double back = StrToFloat(FloatToStr(v));
    EXPECT_NEAR(back, v, std::fabs(v) * 1e-14);
  }
}

// ---- date and time ---------------------------------------------------------------

TEST(DateTime, EncodeAndDecodeDates) {
  struct Case {
    uint16_t y, m, d;
    double value;
    uint16_t dow;  // 1 = Sunday
  };
  const Case cases[] = {
      {1899, 12, 30, 0, 7},         {1899, 12, 31, 1, 1},      {1900, 1, 1, 2, 2},
      {1899, 12, 29, -1, 6},        {1970, 1, 1, 25569, 5},    {2000, 1, 1, 36526, 7},
      {2024, 2, 29, 45351, 5},      {1600, 2, 29, -109512, 3}, {1, 1, 1, -693593, 2},
      {9999, 12, 31, 2958465, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
    EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.value);
    uint16_t y, m, d;
    DecodeDate(c.value, y, m, d);
    EXPECT_EQ(y, c.y);
    EXPECT_EQ(m, c.m);
    EXPECT_EQ(d, c.d);
    EXPECT_EQ(DayOfWeek(c.value), c.dow);
    EXPECT_EQ(DayOfWeek(c.value + (c.value < 0 ? -0.75 : 0.75)), c.dow);  // same day, 18:00
  }
}

TEST(DateTime, InvalidDatesAndTimesRaise) {
  struct Case {
    uint16_t y, m, d;
  };
  const Case dates[] = {{2023, 2, 29}, {1900, 2, 29}, {2024, 4, 31}, {2024, 13, 1},
                        {2024, 0, 1},  {2024, 1, 0},  {0, 1, 1},     {10000, 1, 1}};
  for (const Case& c : dates) {
    SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
    double v = 7;
    EXPECT_FALSE(TryEncodeDate(c.y, c.m, c.d, v));
    EXPECT_EQ(v, 7);
    EXPECT_THROW(EncodeDate(c.y, c.m, c.d), EConvertError);
  }
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 60, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
  try {
    EncodeDate(2023, 2, 29);
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Invalid argument to date encode");
  }
}

TEST(DateTime, LeapYears) {
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(1600));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_FALSE(IsLeapYear(2100));
}

TEST(DateTime, EncodeAndDecodeTimes) {
  struct Case {
    uint16_t h, n, s, z;
  };
  const Case cases[] = {{0, 0, 0, 0}, {12, 0, 0, 0}, {23, 59, 59, 999}, {6, 30, 15, 500},
                        {13, 5, 9, 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.h << ":" << c.n << ":" << c.s << "." << c.z);
    const double t = EncodeTime(c.h, c.n, c.s, c.z);
    EXPECT_GE(t, 0.0);
    EXPECT_LT(t, 1.0);
    // On a positive and on a negative date alike.
    for (double date : {45351.0, -109512.0}) {
      uint16_t h, n, s, z;
      DecodeTime(ComposeDateTime(date, t), h, n, s, z);
      EXPECT_EQ(h, c.h);
      EXPECT_EQ(n, c.n);
      EXPECT_EQ(s, c.s);
      EXPECT_EQ(z, c.z);
      uint16_t y, m, d;
      DecodeDate(ComposeDateTime(date, t), y, m, d);
      EXPECT_EQ(EncodeDate(y, m, d), date);
    }
  }
  EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
}

TEST(DateTime, NegativeValuesKeepTheTimeOfDay) {
  // -1.25 is 1899-12-29 06:00, not 1899-12-28 18:00.
  uint16_t y, m, d, h, n, s, z;
  DecodeDate(-1.25, y, m, d);
  DecodeTime(-1.25, h, n, s, z);
  EXPECT_EQ(FormatDateTime(u"yyyy-mm-dd hh:nn", -1.25), u"1899-12-29 06:00");
  EXPECT_EQ(d, 29);
  EXPECT_EQ(h, 6);
}

TEST(DateTime, RoundingToTheMillisecondCarriesIntoTheNextDay) {
  // Half a millisecond before midnight of 2000-01-01.
  const double v = 36526.0 + (86400000.0 - 0.4) / 86400000.0;
  EXPECT_EQ(FormatDateTime(u"yyyy-mm-dd hh:nn:ss.zzz", v), u"2000-01-02 00:00:00.000");
  EXPECT_EQ(DayOfWeek(v), 1);
  const double w = 36526.0 + (86400000.0 - 0.6) / 86400000.0;
  EXPECT_EQ(FormatDateTime(u"yyyy-mm-dd hh:nn:ss.zzz", w), u"2000-01-01 23:59:59.999");
}

TEST(DateTime, ValuesOutsideTheRangeRaise) {
  const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity(),
                        1e300,
                        -1e300,
                        2958466.0,
                        -693594.0,
                        2958465.9999999999};  // rounds to 10000-01-01
  for (double v : bad) {
    SCOPED_TRACE(v);
    uint16_t a, b, c, e;
    EXPECT_THROW(DecodeDate(v, a, b, c), EConvertError);
    EXPECT_THROW(DecodeTime(v, a, b, c, e), EConvertError);
    EXPECT_THROW(DayOfWeek(v), EConvertError);
    EXPECT_THROW(FormatDateTime(u"yyyy", v), EConvertError);
  }
  EXPECT_EQ(FormatDateTime(u"yyyy-mm-dd hh:nn:ss.zzz", MaxDateTime), u"9999-12-31 23:59:59.999");
  EXPECT_EQ(FormatDateTime(u"yyyy-mm-dd", MinDateTime), u"0001-01-01");
}

TEST(DateTime, NowDateAndTimeAgree) {
  const double date = Date();
  const double now = Now();
  const double time = Time();
  EXPECT_EQ(date, std::trunc(date));
  EXPECT_GE(time, 0.0);
  EXPECT_LT(time, 1.0);
  // Now lies on today or, right at midnight, on the next day.
  EXPECT_GE(now, date);
  EXPECT_LT(now, date + 2.0);
  EXPECT_GT(date, EncodeDate(2020, 1, 1));
}

TEST(FormatDateTime, Table) {
  // Thursday 2024-02-29 13:05:09.007 and Saturday 2000-01-01 00:00:00.000.
  const double dt = EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 7);
  const double midnight = EncodeDate(2000, 1, 1);
  const double morning = EncodeDate(2000, 1, 1) + EncodeTime(0, 7, 3, 40);
  struct Case {
    const char16_t* format;
    double value;
    const char16_t* expected;
  };
  const Case cases[] = {
      {u"yyyy-mm-dd hh:nn:ss.zzz", dt, u"2024-02-29 13:05:09.007"},
      {u"d/m/yy", dt, u"29/2/24"},
      {u"dd.mm.yyyy", midnight, u"01.01.2000"},
      {u"ddd dddd", dt, u"Thu Thursday"},
      {u"mmm mmmm", dt, u"Feb February"},
      {u"mmmmmm", dt, u"February"},
      {u"y yyy yyyyy", dt, u"24 2024 2024"},
      {u"h:n:s", morning, u"0:7:3"},
      {u"hh:nn:ss", morning, u"00:07:03"},
      {u"z zz zzz", morning, u"40 40 040"},
      {u"YYYY-MM-DD HH:NN", dt, u"2024-02-29 13:05"},  // letters in any case
      {u"hh:mm", dt, u"13:05"},                        // m after h is the minute
      {u"h 'h' mm", dt, u"13 h 05"},                   // quoted text does not end it
      {u"hh mm", dt, u"13 05"},
      {u"hh dd mm", dt, u"13 29 02"},                  // another letter ends it
      {u"mm/dd hh:mm", dt, u"02/29 13:05"},
      {u"h:nn am/pm", dt, u"1:05 pm"},
      {u"h:nn AM/PM", dt, u"1:05 PM"},
      {u"h:nn Am/Pm", midnight, u"12:00 Am"},
      {u"hh a/p", morning, u"12 a"},
      {u"h ampm", dt, u"1 PM"},
      {u"h ampm", midnight, u"12 AM"},
      {u"hh h am/pm", dt, u"13 1 pm"},         // only the h nearest before the marker
      {u"h 'am/pm'", dt, u"13 am/pm"},         // a quoted marker is text
      {u"h a x am/pm", dt, u"13 a x pm"},      // another "a" comes first
      {u"\"day\" d", dt, u"day 29"},
      {u"'it''s' d", dt, u"its 29"},
      {u"d 'open", dt, u"29 open"},             // unclosed quote runs to the end
      {u"t", dt, u"13:05"},
      {u"tt", dt, u"13:05:09"},
      {u"ddddd", dt, u"2024-02-29"},
      {u"dddddd", dt, u"Thursday, February 29, 2024"},
      {u"c", dt, u"2024-02-29 13:05:09"},
      {u"c", midnight, u"2000-01-01"},
      {u"", dt, u"2024-02-29 13:05:09"},
      {u"[d]-x-q", dt, u"[29]-x-q"},  // letters without meaning are copied
      {u"d\x00e4", dt, u"29\x00e4"},
      {u"dddd", EncodeDate(1899, 12, 30), u"Saturday"},
      {u"dddd mmmm", EncodeDate(2023, 12, 31), u"Sunday December"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.format));
    EXPECT_EQ(FormatDateTime(c.format, c.value), c.expected);
  }
}

}  // namespace
}  // namespace kvo
