#include "kvobase/tables.h"

#include <gtest/gtest.h>

#include <cctype>
#include <span>
#include <string>

#include "platform/strings.h"

namespace kvo {
namespace {

String L1(std::string_view s) { return FromLatin1(s); }

TEST(Tables, NameTablesHaveOneEntryPerEnumerator) {
  // A table sized by its last enumerator must have no entry left empty.
  struct Table {
    const char* name;
    std::span<const std::u16string_view> entries;
    size_t count;
  };
  const Table tables[] = {
      {"xmlVerticalAlignment", xmlVerticalAlignment, 3},
      {"xmlAlignment", xmlAlignment, 3},
      {"xmlBkgFill", xmlBkgFill, 3},
      {"xmlBoundingBox", xmlBoundingBox, 3},
      {"xmlColorScheme", xmlColorScheme, 2},
      {"xmlFigType", xmlFigType, 5},
      {"xmlScaleType", xmlScaleType, 4},
      {"xmlYearLength", xmlYearLength, 3},
      {"xmlDateOrder", xmlDateOrder, 3},
      {"xmlDateForTime", xmlDateForTime, 4},
      {"xmlShadowStyle", xmlShadowStyle, 2},
      {"xmlFrameStyle", xmlFrameStyle, 6},
      {"xmlTimeFormat", xmlTimeFormat, 3},
      {"xmlDirection", xmlDirection, 4},
      {"xmlLanguage", xmlLanguage, 5},
      {"xmlVarKind", xmlVarKind, 7},
      {"xmlMouseBoxState", xmlMouseBoxState, 4},
      {"xmlMouseActMode", xmlMouseActMode, 19},
      {"xmlZoomState", xmlZoomState, 2},
      {"xmlCrossHMode", xmlCrossHMode, 6},
      {"xmlTxtLblMode", xmlTxtLblMode, 5},
      {"xmlTxtLblAttachMode", xmlTxtLblAttachMode, 4},
      {"xmlFontStyle", xmlFontStyle, 4},
      {"CSVDELIMITERIDS", CSVDELIMITERIDS, 6},
      {"DistModeId", DistModeId, 6},
  };
  for (const Table& t : tables) {
    SCOPED_TRACE(t.name);
    EXPECT_EQ(t.entries.size(), t.count);
    for (std::u16string_view e : t.entries) EXPECT_FALSE(e.empty());
  }
}

TEST(Tables, NameTableEntries) {
  struct Case {
    std::u16string_view actual;
    std::u16string_view expected;
  };
  const Case cases[] = {
      {xmlVarKind[Bool], u"bool"},
      {xmlVarKind[rnum], u"rnum"},
      {xmlVarKind[strg], u"strg"},
      {xmlTxtLblMode[tlsimple], u"tlsimple"},
      {xmlTxtLblMode[tlUnderline], u"tlUnderline"},
      {xmlAlignment[taRightJustify], u"taRightJustify"},
      {xmlFontStyle[fsStrikeOut], u"fsStrikeOut"},
      {xmlFrameStyle[fsNone], u"fsNone"},
      {xmlFrameStyle[fsEngraved], u"fsEngraved"},
      {xmlMouseActMode[maNone], u"maNone"},
      {xmlMouseActMode[maZoomWindPos], u"maZoomWindPos"},
      {xmlMouseActMode[maRotZOnly], u"maRotZOnly"},
      {xmlMouseActMode[maZoomPanColors], u"maZoomPanColors"},
      {xmlDateForTime[dtOnePerChart], u"dtOnePerChart"},
      {xmlTimeFormat[tfHHhMM], u"tfHHhMM"},
      {xmlCrossHMode[chCrossBox], u"chCrossBox"},
      {xmlTxtLblAttachMode[tlamYOnly], u"tlamYOnly"},
      {xmlScaleType[sctYL], u"sctYL"},
      {xmlLanguage[lgSpanish], u"lgSpanish"},
      {CSVDELIMITERIDS[csvUnknown], u"undefined"},
      {CSVDELIMITERIDS[csvSemicolon], u"semicolon"},
      {CSVDELIMITERIDS[csvTab], u"tab"},
      {DistModeId[dmJaccard], u"Jaccard coefficient"},
      {DistModeId[dmEuclidSqr], u"squared Euclidean"},
      {DistModeId[dmUserDef], u"user defined"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.expected));
    EXPECT_EQ(c.actual, c.expected);
  }
}

TEST(Tables, ResolveCSVDelimiter) {
  struct Case {
    Char c;
    TCSVDelimiters expected;
  };
  const Case cases[] = {
      {u' ', csvBlank},      {u';', csvSemicolon},  {u',', csvComma},     {u':', csvColon},
      {u'\t', csvTab},       {u'\0', csvUnknown},   {u'a', csvUnknown},   {u'.', csvUnknown},
      {u'\n', csvUnknown},   {u'|', csvUnknown},    {u'\xA0', csvUnknown}, {u'\x013B', csvUnknown},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.c));
    EXPECT_EQ(ResolveCSVDelimiter(c.c), c.expected);
  }
  // The table and the resolver agree for every real delimiter.
  for (int d = csvBlank; d <= csvTab; ++d)
    EXPECT_EQ(ResolveCSVDelimiter(CSVDELIMITERS[d]), static_cast<TCSVDelimiters>(d));
}

// Every entry of the 8-bit tables that holds a non-ASCII character, plus
// entries whose exact form matters (trailing blank, odd words).
TEST(Tables, LatinOneWords) {
  struct Case {
    const char* where;
    std::string_view actual;
    std::u16string_view expected;
  };
  const Case cases[] = {
      {"MonthShort de 1", MonthShort[lgGerman][1], u"J\u00e4n"},
      {"MonthShort de 3", MonthShort[lgGerman][3], u"M\u00e4r"},
      {"MonthShort fr 2", MonthShort[lgFrench][2], u"f\u00e9v"},
      {"MonthShort fr 8", MonthShort[lgFrench][8], u"ao\u00fb"},
      {"MonthShort fr 12", MonthShort[lgFrench][12], u"d\u00e9c"},
      {"MonthShort fr 6", MonthShort[lgFrench][6], u"juin"},
      {"MonthShort en 12", MonthShort[lgEnglish][12], u"Dec"},
      {"MonthShort es 1", MonthShort[lgSpanish][1], u"Ene"},
      {"MonthShort ?? 12", MonthShort[lgUnknown][12], u"M12"},
      {"MonthLong de 1", MonthLong[lgGerman][1], u"J\u00e4nner"},
      {"MonthLong de 3", MonthLong[lgGerman][3], u"M\u00e4rz"},
      {"MonthLong fr 2", MonthLong[lgFrench][2], u"f\u00e9vrier "},
      {"MonthLong fr 8", MonthLong[lgFrench][8], u"ao\u00fbt"},
      {"MonthLong fr 12", MonthLong[lgFrench][12], u"d\u00e9cembre"},
      {"MonthLong es 5", MonthLong[lgSpanish][5], u"mai"},
      {"MonthLong en 9", MonthLong[lgEnglish][9], u"September"},
      {"MonthLong ?? 1", MonthLong[lgUnknown][1], u"M01"},
      {"WeekDayShort en 1", WeekDayShort[lgEnglish][1], u"Mon"},
      {"WeekDayShort en 7", WeekDayShort[lgEnglish][7], u"Sun"},
      {"WeekDayShort de 7", WeekDayShort[lgGerman][7], u"So"},
      {"WeekDayShort es 3", WeekDayShort[lgSpanish][3], u"mie"},
      {"WeekDayLong es 3", WeekDayLong[lgSpanish][3], u"mi\u00e9rcoles"},
      {"WeekDayLong es 6", WeekDayLong[lgSpanish][6], u"s\u00e1bado"},
      {"WeekDayLong de 4", WeekDayLong[lgGerman][4], u"Donnerstag"},
      {"WeekDayLong ?? 7", WeekDayLong[lgUnknown][7], u"D07"},
      {"NumWords de 5", NumWords[lgGerman][5], u"f\u00fcnf"},
      {"NumWords de 12", NumWords[lgGerman][12], u"zw\u00f6lf"},
      {"NumWords fr 0", NumWords[lgFrench][0], u"z\u00e9ro"},
      {"NumWords fr 1", NumWords[lgFrench][1], u"celui"},
      {"NumWords en 12", NumWords[lgEnglish][12], u"twelve"},
      {"NumWords ?? 0", NumWords[lgUnknown][0], u"N00"},
      {"LanguageID de fr", LanguageID[lgGerman][lgFrench], u"franz\u00f6sisch"},
      {"LanguageID fr fr", LanguageID[lgFrench][lgFrench], u"fran\u00e7ais"},
      {"LanguageID es en", LanguageID[lgSpanish][lgEnglish], u"ingl\u00e9s"},
      {"LanguageID es de", LanguageID[lgSpanish][lgGerman], u"alem\u00e1n"},
      {"LanguageID es fr", LanguageID[lgSpanish][lgFrench], u"franc\u00e9s"},
      {"LanguageID es es", LanguageID[lgSpanish][lgSpanish], u"espa\u00f1ol"},
      {"LanguageID en de", LanguageID[lgEnglish][lgGerman], u"German"},
      {"ISO639_2Char de", ISO639_2Char[lgGerman], u"de"},
      {"ISO639_2Char ??", ISO639_2Char[lgUnknown], u"??"},
      {"ISO639_3Char fr", ISO639_3Char[lgFrench], u"fre"},
      {"ISO639_3Char de", ISO639_3Char[lgGerman], u"ger"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    EXPECT_EQ(L1(c.actual), c.expected);
  }
}

TEST(Tables, WordTablesKeepTheirLengthLimits) {
  for (int lg = lgUnknown; lg <= lgSpanish; ++lg) {
    SCOPED_TRACE(lg);
    EXPECT_TRUE(MonthShort[lg][0].empty() && MonthLong[lg][0].empty());
    EXPECT_TRUE(WeekDayShort[lg][0].empty() && WeekDayLong[lg][0].empty());
    for (int m = 1; m <= 12; ++m) {
      EXPECT_FALSE(MonthShort[lg][m].empty());
      EXPECT_LE(MonthShort[lg][m].size(), 4u);
      EXPECT_FALSE(MonthLong[lg][m].empty());
      EXPECT_LE(MonthLong[lg][m].size(), 10u);
    }
    for (int d = 1; d <= 7; ++d) {
      EXPECT_FALSE(WeekDayShort[lg][d].empty());
      EXPECT_LE(WeekDayShort[lg][d].size(), 3u);
      EXPECT_FALSE(WeekDayLong[lg][d].empty());
      EXPECT_LE(WeekDayLong[lg][d].size(), 10u);
    }
    for (int n = 0; n <= 12; ++n) {
      EXPECT_FALSE(NumWords[lg][n].empty());
      EXPECT_LE(NumWords[lg][n].size(), 6u);
    }
    for (int named = lgUnknown; named <= lgSpanish; ++named) {
      EXPECT_LE(LanguageID[lg][named].size(), 15u);
      if (lg == lgUnknown || named == lgUnknown) {
        EXPECT_EQ(LanguageID[lg][named], "???");
      }
    }
  }
}

TEST(Tables, HtmlLatin1Entities) {
  struct Case {
    int code;
    std::string_view expected;
  };
  const Case cases[] = {
      {160, "&nbsp;"},  {161, "&iexcl;"},  {173, "&shy;"},    {188, "&frac14;"},
      {191, "&iquest;"}, {192, "&Agrave;"}, {198, "&AElig;"},  {208, "&ETH;"},
      {215, "&times;"}, {216, "&Oslash;"}, {222, "&THORN;"},  {223, "&szlig;"},
      {240, "&eth;"},   {247, "&divide;"}, {254, "&thorn;"},  {255, "&yuml;"},
      {159, ""},        {256, ""},         {0, ""},           {-1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(HTMLLat1Entities[c.code], c.expected);
  }
  for (int code = 160; code <= 255; ++code) {
    SCOPED_TRACE(code);
    std::string_view e = HTMLLat1Entities[code];
    ASSERT_GE(e.size(), 4u);
    EXPECT_LE(e.size(), 8u);
    EXPECT_EQ(e.front(), '&');
    EXPECT_EQ(e.back(), ';');
  }
  // The letters 192..255 come in case pairs 32 codes apart (except the
  // multiplication and division signs and the two letters without one).
  for (int code = 192; code <= 222; ++code) {
    if (code == 215) continue;
    SCOPED_TRACE(code);
    std::string upper(HTMLLat1Entities[code]), lower(HTMLLat1Entities[code + 32]);
    for (char& ch : upper) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_EQ(upper, lower);
  }
}

}  // namespace
}  // namespace kvo
