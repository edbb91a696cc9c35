// Number and date/time conversions of the platform layer.
//
// Every conversion here is independent of the user's locale: the decimal
// separator is always ".", there are no thousands separators, month and day
// names are English, and digits are ASCII. Failed conversions raise
// EConvertError with a message that quotes the offending text.
//
// Dates and times are doubles counting days since 1899-12-30 00:00; the
// fraction is the time of day. Dates before 1899-12-30 are negative; for them
// the integer part still names the day and the magnitude of the fraction is
// the time of day, so -1.25 is 1899-12-29 06:00 (not 1899-12-28 18:00).
// The valid range is 0001-01-01 to 9999-12-31 (proleptic Gregorian calendar).
#pragma once

#include <cstdint>

#include "platform/strings.h"

namespace kvo {

// ---------------------------------------------------------------------------
// Integers

// IntToStr
//
// The value in decimal with a leading "-" for negatives: IntToStr(-42) is
// "-42". Overloads for the unsigned widths write the unsigned value.
String IntToStr(int32_t Value);
String IntToStr(int64_t Value);
String IntToStr(uint32_t Value);
String IntToStr(uint64_t Value);

// StrToInt, StrToInt64
//
// Reads a decimal integer: optional blanks, an optional "+" or "-", one or
// more digits 0-9, optional blanks. Only the blank (code 32) is skipped;
// tabs and other characters anywhere make the text invalid. There is no
// hexadecimal form. A text that is not of this form, or whose value is
// outside the result's range, raises EConvertError
// "'<text>' is not a valid integer value" (the text as given).
//   StrToInt(u" -17 ") == -17; StrToInt(u"2147483648") raises.
int32_t StrToInt(const String& S);
int64_t StrToInt64(const String& S);

// TryStrToInt, TryStrToInt64
//
// As StrToInt / StrToInt64, but report failure by returning false instead of
// raising; Value is set only on success.
bool TryStrToInt(const String& S, int32_t& Value);
bool TryStrToInt64(const String& S, int64_t& Value);

// IntToHex
//
// The value in upper-case hexadecimal, padded on the left with "0" to at
// least Digits characters and never cut: IntToHex(255, 4) is "00FF",
// IntToHex(0x12345, 2) is "12345". Negative values are written as their
// two's complement of the argument's width (IntToHex(-1, 1) is "FFFFFFFF",
// IntToHex(int64_t(-1), 1) is sixteen "F"). Digits below 1 act as 1 and
// above 32 as 32, so that a silly width cannot ask for a huge string.
String IntToHex(int32_t Value, int32_t Digits);
String IntToHex(int64_t Value, int32_t Digits);
String IntToHex(uint32_t Value, int32_t Digits);
String IntToHex(uint64_t Value, int32_t Digits);

// ---------------------------------------------------------------------------
// Floating point

// StrToFloat
//
// Reads a decimal floating-point number: optional blanks, an optional sign,
// digits with an optional "." and fraction (at least one digit in all:
// "5.", ".5" and "5" are accepted, "." is not), an optional exponent ("E" or
// "e", optional sign, one or more digits), optional blanks. Only "." is a
// decimal point; "," is never accepted. "INF", "NAN" and hexadecimal forms
// are not numbers here. The value is the correctly rounded double; a
// magnitude beyond the double range gives +/-infinity and one below the
// smallest denormal gives 0 (callers that need a finite value clamp it).
// Any other text raises EConvertError
// "'<text>' is not a valid floating point value".
//   StrToFloat(u" 1.5E3 ") == 1500.0; StrToFloat(u"1,5") raises.
double StrToFloat(const String& S);

// TryStrToFloat
//
// As StrToFloat, but returns false instead of raising; Value is set only on
// success.
bool TryStrToFloat(const String& S, double& Value);

// FloatToStr
//
// The general floating-point text with 15 significant digits: the C "%.15G"
// rule, independent of the locale. The value is rounded to 15 significant
// digits; with X its decimal exponent after rounding, fixed notation is used
// when -5 <= X < 15, otherwise exponent notation "d.dddE+XX" (at least two
// exponent digits, always with its sign). Trailing zeros of the fraction and
// a trailing point are removed.
//   FloatToStr(0.1 + 0.2) == "0.3"; FloatToStr(1e15) == "1E+15";
//   FloatToStr(123456789012345.0) == "123456789012345";
//   FloatToStr(0.0001) == "0.0001"; FloatToStr(0.00001) == "1E-05".
// Negative zero is written "0". Infinities and NaN are written "INF",
// "-INF" and "NAN" (StrToFloat does not read these back).
String FloatToStr(double Value);

// ---------------------------------------------------------------------------
// Date and time

// Smallest and largest valid date/time values: 0001-01-01 00:00:00.000 and
// 9999-12-31 23:59:59.999.
inline constexpr double MinDateTime = -693593.0;
inline constexpr double MaxDateTime = 2958465.99999999;

// IsLeapYear
//
// True for years divisible by 4, except centuries not divisible by 400.
bool IsLeapYear(uint16_t Year);

// EncodeDate, TryEncodeDate
//
// The date value (a whole number) of the given day. Year 1..9999, Month 1..12
// and Day within the month are valid; anything else raises EConvertError
// "Invalid argument to date encode" (TryEncodeDate returns false instead and
// leaves Value alone). EncodeDate(1899, 12, 30) == 0.
double EncodeDate(uint16_t Year, uint16_t Month, uint16_t Day);
bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, double& Value);

// EncodeTime, TryEncodeTime
//
// The fraction of a day of the given time. Hour 0..23, Min 0..59, Sec 0..59,
// MSec 0..999 are valid; anything else raises EConvertError
// "Invalid argument to time encode" (TryEncodeTime returns false instead).
double EncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec);
bool TryEncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec, double& Value);

// ComposeDateTime
//
// Joins a date (from EncodeDate) and a time (from EncodeTime) into one value,
// taking care of the sign rule for dates before 1899-12-30: the time is added
// to a date >= 0 and subtracted from a negative one.
double ComposeDateTime(double Date, double Time);

// DecodeDate, DecodeTime
//
// Split a date/time value into its parts. The value is first rounded to the
// nearest millisecond, so DecodeDate and DecodeTime always agree: a value a
// fraction of a millisecond before midnight belongs to the next day at
// 00:00:00.000. A value that is not finite or lies outside MinDateTime ..
// MaxDateTime (after that rounding) raises EConvertError
// "Invalid date/time value: <value>".
void DecodeDate(double DateTime, uint16_t& Year, uint16_t& Month, uint16_t& Day);
void DecodeTime(double DateTime, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec);

// DayOfWeek
//
// The day of the week of the value, 1 = Sunday .. 7 = Saturday (0 is
// 1899-12-30, a Saturday, giving 7). Same rounding and errors as DecodeDate.
uint16_t DayOfWeek(double DateTime);

// Now, Date, Time
//
// The current local date and time, to the millisecond; Date is its whole
// part (today at 00:00), Time its fraction (the time of day).
double Now();
double Date();
double Time();

// FormatDateTime
//
// Writes DateTime by the format string Format. Format letters are
// case-insensitive; a run of the same letter is one specifier:
//   d      day of the month without leading zero (1-31); dd with (01-31)
//   ddd    day name short (Sun-Sat); dddd day name long (Sunday-Saturday)
//   ddddd  short date "yyyy-mm-dd"; dddddd (or longer) long date
//          "dddd, mmmm d, yyyy"
//   m      month without leading zero (1-12); mm with (01-12); mmm short
//          name (Jan-Dec); mmmm (or longer) long name (January-December).
//          m or mm right after an h or hh specifier (letters in between end
//          this; literals such as ":" or quoted text do not) is the minute.
//   y, yy  year in two digits (00-99); yyy or longer, four digits
//   h      hour without leading zero (0-23); hh with (00-23)
//   n, nn  minute without / with leading zero; s, ss second likewise
//   z, zz  millisecond without leading zeros; zzz (or longer) three digits
//   t      short time "hh:nn"; tt (or longer) long time "hh:nn:ss"
//   c      short date, then (only when the time is not 00:00:00.000) a blank
//          and the long time
//   am/pm  "am" or "pm" in the letter case written in the format ("AM/PM"
//          gives "AM"/"PM"); a/p gives "a" or "p" likewise; ampm gives
//          "AM" or "PM". Any of these makes the nearest preceding h or hh
//          use the 12-hour clock (12, 1..11), provided no other "a" or
//          "h" stands between them.
//   '...' or "..."  literal text (an unclosed quote runs to the end)
// Every other character, including "/", ":", "-" and blanks, is copied as
// it is (there is no locale separator). An empty format is taken as "c".
//   FormatDateTime(u"yyyy-mm-dd hh:nn:ss.zzz", EncodeDate(2024, 2, 29) +
//                  EncodeTime(13, 5, 9, 7)) == "2024-02-29 13:05:09.007"
//   FormatDateTime(u"dddd d mmmm yyyy h:mm am/pm", ...) ==
//                  "Thursday 29 February 2024 1:05 pm"
// Raises the EConvertError of DecodeDate for an invalid value.
String FormatDateTime(const String& Format, double DateTime);

}  // namespace kvo
