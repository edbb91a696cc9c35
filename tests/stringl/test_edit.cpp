// Trimming, padding, replacing and rewriting functions of the string library.
#include <gtest/gtest.h>

#include "platform/strings.h"
#include "stringl/edit.h"

#include "support/cases.h"

namespace kvo {
namespace {

using kvo::testing::Case;
using kvo::testing::CheckAll;

TEST(EditTrim, StripFunctions) {
  CheckAll({
      {"StripLTBlanks blanks only", StripLTBlanks(u"   "), u""},
      {"StripLTBlanks both ends", StripLTBlanks(u"  a b  "), u"a b"},
      {"StripLTBlanks keeps tabs", StripLTBlanks(u"\ta \t"), u"\ta \t"},
      {"StripLTBlanks empty", StripLTBlanks(u""), u""},
      {"StripLeadingBlanks blanks only", StripLeadingBlanks(u"   "), u" "},
      {"StripLeadingBlanks", StripLeadingBlanks(u"  ab "), u"ab "},
      {"StripLeadingBlanks empty", StripLeadingBlanks(u""), u""},
      {"StripTrailingBlanks blanks only", StripTrailingBlanks(u"   "), u" "},
      {"StripTrailingBlanks", StripTrailingBlanks(u" ab  "), u" ab"},
      {"StripTrailingBlanks empty", StripTrailingBlanks(u""), u""},
      {"StripLeadingChars all", StripLeadingChars(u'x', u"xxx"), u""},
      {"StripLeadingChars", StripLeadingChars(u'x', u"xxaxb"), u"axb"},
      {"StripTrailingChars all", StripTrailingChars(u'x', u"xxx"), u"x"},
      {"StripTrailingChars", StripTrailingChars(u'x', u"axbxx"), u"axb"},
  });
}

TEST(EditTrim, EnsureFunctions) {
  CheckAll({
      {"BkSlash empty stays empty", EnsureTrailingBkSlash(u""), u""},
      {"BkSlash appended", EnsureTrailingBkSlash(u"dir"), u"dir\\"},
      {"BkSlash present", EnsureTrailingBkSlash(u"dir\\"), u"dir\\"},
      {"BkSlash after slash", EnsureTrailingBkSlash(u"dir/"), u"dir/\\"},
      {"TrailingChar empty", EnsureTrailingChar(u';', u""), u""},
      {"TrailingChar appended", EnsureTrailingChar(u';', u"a"), u"a;"},
      {"TrailingChar present", EnsureTrailingChar(u';', u"a;"), u"a;"},
      {"LeadingChar empty", EnsureLeadingChar(u'.', u""), u""},
      {"LeadingChar added", EnsureLeadingChar(u'.', u"txt"), u".txt"},
      {"LeadingChar present", EnsureLeadingChar(u'.', u".txt"), u".txt"},
  });
}

TEST(EditTrim, FixedWidth) {
  CheckAll({
      {"LeftString pads", LeftString(u"ab", 4), u"ab  "},
      {"LeftString cuts", LeftString(u"abcdef", 3), u"abc"},
      {"LeftString zero", LeftString(u"ab", 0), u""},
      {"RightString pads left", RightString(u"ab", 4), u"  ab"},
      {"RightString keeps the start", RightString(u"abcdef", 3), u"abc"},
      {"RightString 255", RightString(u"a", 255), String(254, u' ') + u"a"},
      {"CenterString odd", CenterString(u"ab", 5), u" ab  "},
      {"CenterString even", CenterString(u"ab", 6), u"  ab  "},
      {"CenterString cuts", CenterString(u"abcdef", 4), u"abcd"},
      {"CenterString empty", CenterString(u"", 3), u"   "},
      {"AbbrevString longer", AbbrevString(u"abcdef", 5), u"abc.."},
      {"AbbrevString fits", AbbrevString(u"abcde", 5), u"abcde"},
      {"AbbrevString m=2", AbbrevString(u"abc", 2), u".."},
      {"AbbrevString m=1", AbbrevString(u"abc", 1), u".."},
      {"AbbrevString m=0", AbbrevString(u"a", 0), u".."},
      {"AbbrevString negative, empty", AbbrevString(u"", -5), u""},
      {"AbbrevString negative", AbbrevString(u"a", -5), u".."},
      {"MultiChar zero", MultiChar(u'-', 0), u"-"},
      {"MultiChar negative", MultiChar(u'-', -7), u"-"},
      {"MultiChar three", MultiChar(u'-', 3), u"---"},
      {"MultiChar clamped", MultiChar(u'-', 300), String(255, u'-')},
  });
}

TEST(EditReplace, RemoveAndReplace) {
  CheckAll({
      {"ReplaceChar", ReplaceCharInString(u"a,b,c", u',', u'.'), u"a.b.c"},
      {"RemoveChar", RemoveCharInString(u"a,b,,c", u','), u"abc"},
      {"RemoveMultiChars", RemoveMultiChars(u"a  b   c", u' '), u"a b c"},
      {"RemoveMultiChars ends", RemoveMultiChars(u"xxaxx", u'x'), u"xax"},
      {"RemoveControlChars", RemoveControlChars(String(u"a\tb\r\nc") + Char(0) + u"\x1F" u" "),
       u"abc "},
      {"ReverseString", ReverseString(u"abc"), u"cba"},
      {"ReverseString empty", ReverseString(u""), u""},
      {"AZ09", ReduceStringToAZ09(u"a-b c_9\u00E4"), u"a_b_c_9_"},
      {"FN83 example", ReduceStringToFN83CompliantChars(u"a b:c.txt"), u"a_b_c.txt"},
      {"FN83 safe kept", ReduceStringToFN83CompliantChars(u"!#$%&'()-.09@AZaz^_`{}~"),
       u"!#$%&'()-.09@AZaz^_`{}~"},
      {"FN83 unsafe", ReduceStringToFN83CompliantChars(u"\"*+,/:;<=>?[\\]|\x7F\t\u00E9\u4E2D"),
       String(19, u'_')},
  });
}

TEST(EditReplace, ReplaceStringInString) {
  CheckAll({
      {"simple", ReplaceStringInString(u"a-b-c", u"-", u"+", false), u"a+b+c"},
      {"longer replacement containing search", ReplaceStringInString(u"aaa", u"a", u"aa", false),
       u"aaaaaa"},
      {"non-overlapping", ReplaceStringInString(u"aaaa", u"aa", u"b", false), u"bb"},
      {"odd run", ReplaceStringInString(u"aaa", u"aa", u"b", false), u"ba"},
      {"to empty", ReplaceStringInString(u"xaybz", u"b", u"", false), u"xayz"},
      {"empty search", ReplaceStringInString(u"abc", u"", u"x", false), u"abc"},
      {"case sensitive miss", ReplaceStringInString(u"ABC", u"b", u"x", false), u"ABC"},
      {"ignore case", ReplaceStringInString(u"aBc abC", u"bC", u"-", true), u"a- a-"},
      {"ignore case keeps the rest", ReplaceStringInString(u"XaBY", u"ab", u"", true), u"XY"},
      {"no new match across the seam", ReplaceStringInString(u"aab", u"ab", u"a", false), u"aa"},
      {"whole text", ReplaceStringInString(u"abc", u"abc", u"", false), u""},
      {"search longer than text", ReplaceStringInString(u"ab", u"abc", u"x", false), u"ab"},
  });
}

TEST(EditReplace, CapitalizeString) {
  CheckAll({
      {"example", CapitalizeString(u"hello wORLD 3rd-place"), u"Hello WORLD 3rd-Place"},
      {"above 127 ends the word start", CapitalizeString(u"\u00E9cole x"), u"\u00E9cole X"},
      {"digit ends the word start", CapitalizeString(u"1a b"), u"1a B"},
      {"punctuation starts a word", CapitalizeString(u"a.b_c"), u"A.B_C"},
      {"empty", CapitalizeString(u""), u""},
  });
}

TEST(EditReplace, ChangeCaseAndLocaleCompareInTheCLocale) {
  // The test program never calls setlocale, so the "C" locale holds.
  CheckAll({
      {"ascii", ChangeCase(u"aBc-1 Z"), u"AbC-1 z"},
      {"empty", ChangeCase(u""), u""},
  });
  EXPECT_TRUE(EqualAnsiStrings(u"Hello", u"hELLO"));
  EXPECT_FALSE(EqualAnsiStrings(u"Hello", u"Hell"));
  EXPECT_FALSE(EqualAnsiStrings(u"a[", u"a{"));  // '[' and '{' are no case pair
  EXPECT_TRUE(EqualAnsiStrings(String(u"abc") + Char(0) + u"x", String(u"ABC") + Char(0) + u"y"));
  EXPECT_FALSE(EqualAnsiStrings(String(u"ab") + Char(0) + u"c", u"abc"));
  EXPECT_TRUE(EqualAnsiStrings(u"", String(1, Char(0))));
}

TEST(EditReplace, ExpandDiphthongs) {
  CheckAll({
      {"Aerger", ExpandDiphthongs(u"\u00C4rger"), u"Aerger"},
      {"AERGER", ExpandDiphthongs(u"\u00C4RGER"), u"AERGER"},
      {"Fuss", ExpandDiphthongs(u"Fu\u00DF"), u"Fuss"},
      {"small umlauts", ExpandDiphthongs(u"\u00E4\u00F6\u00FC"), u"aeoeue"},
      {"capital at end", ExpandDiphthongs(u"x\u00D6"), u"xOE"},
      {"capital before capital", ExpandDiphthongs(u"\u00DC\u00C4b"), u"UEAeb"},
      {"capital before non-ascii lower", ExpandDiphthongs(u"\u00D6\u00E4"), u"OEae"},
      {"micro sign", ExpandDiphthongs(u"5\u00B5m"), u"5um"},
      {"others untouched", ExpandDiphthongs(u"\u00E9\u00C5z"), u"\u00E9\u00C5z"},
  });
}

TEST(EditReplace, ProcessHexChars) {
  CheckAll({
      {"hex escape", ProcessHexChars(u"a\\#41b"), u"aAb"},
      {"lower-case digits", ProcessHexChars(u"\\#6a"), u"j"},
      {"double backslash", ProcessHexChars(u"a\\\\b"), u"a\\b"},
      {"other escape untouched", ProcessHexChars(u"a\\nb"), u"a\\nb"},
      {"escaped backslash before #", ProcessHexChars(u"\\\\#41"), u"\\#41"},
      {"one digit at end", ProcessHexChars(u"x\\#4"), u"x" + String(1, Char(4))},
      {"no digit", ProcessHexChars(u"\\#zzq"), String(1, Char(0)) + u"q"},
      {"# at very end", ProcessHexChars(u"a\\#"), u"a" + String(1, Char(0))},
      {"one digit then more text", ProcessHexChars(u"\\#4g!"), String(1, Char(4)) + u"!"},
      {"trailing backslash", ProcessHexChars(u"ab\\"), u"ab\\"},
      {"inserted backslash is not rescanned", ProcessHexChars(u"\\#5C#41"), u"\\#41"},
      {"blank before digit", ProcessHexChars(u"\\# 9"), String(1, Char(9))},
      {"dollar before digit", ProcessHexChars(u"\\#$9"), String(1, Char(9))},
      {"two in a row", ProcessHexChars(u"\\#41\\#42"), u"AB"},
      {"max code", ProcessHexChars(u"\\#FF"), String(1, Char(255))},
  });
}

TEST(EditHexReader, ReadHexNumber) {
  struct HexCase {
    const char16_t* text;
    uint32_t expected;
  };
  const HexCase cases[] = {
      {u"", 0},          {u"zz", 0},          {u"41", 0x41},       {u"fF", 0xFF},
      {u"$ff", 0xFF},    {u"  $ff", 0},       {u"x$1", 0},         {u"  1Ag", 0x1A},
      {u"   ", 0},       {u"  7", 7},         {u"12 34", 0x12},    {u"$", 0},
      {u"FFFFFFFF", 0xFFFFFFFFu},             {u"100000000", 0},   {u"1FFFFFFFF", 0xFFFFFFFFu},
      {u"123456789", 0x23456789u},
  };
  for (const HexCase& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text));
    EXPECT_EQ(ReadHexNumber(c.text), c.expected);
  }
}

TEST(EditCharClass, BordersOfTheClasses) {
  struct ClassCase {
    Char c;
    bool digit, letter, hex, umlaut;
  };
  const ClassCase cases[] = {
      {u'/', false, false, false, false},  {u'0', true, false, true, false},
      {u'9', true, false, true, false},    {u':', false, false, false, false},
      {u'@', false, false, false, false},  {u'A', false, true, true, false},
      {u'F', false, true, true, false},    {u'G', false, true, false, false},
      {u'Z', false, true, false, false},   {u'[', false, false, false, false},
      {u'`', false, false, false, false},  {u'a', false, true, true, false},
      {u'f', false, true, true, false},    {u'g', false, true, false, false},
      {u'z', false, true, false, false},   {u'{', false, false, false, false},
      {0xC4, false, false, false, true},   {0xDF, false, false, false, true},
      {0xE4, false, false, false, true},   {0xE5, false, false, false, false},
      {0xFF10, false, false, false, false},  // full-width digit zero
      {0x0130, false, false, false, false},  // 'I' with dot above
      {0x0141, false, false, false, false},  // low byte equals 'A'
  };
  for (const ClassCase& k : cases) {
    SCOPED_TRACE(static_cast<unsigned>(k.c));
    EXPECT_EQ(IsDigit(k.c), k.digit);
    EXPECT_EQ(IsLetter(k.c), k.letter);
    EXPECT_EQ(IsDigitLetter(k.c), k.digit || k.letter);
    EXPECT_EQ(IsHexChar(k.c), k.hex);
    EXPECT_EQ(IsUmlaut(k.c), k.umlaut);
  }
}

}  // namespace
}  // namespace kvo
