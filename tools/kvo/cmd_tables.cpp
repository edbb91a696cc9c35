// kvo tables: prints the constant tables of the base module and the
// universal constants. The 8-bit (Latin-1) words are printed as UTF-8.
#include <cctype>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "kvobase/kvobase.h"
#include "tools/kvo/command.h"
#include "univconst/univconst.h"

namespace kvo::tool {
namespace {

const char kName[] = "tables";

const char kHelp[] =
    "Usage: kvo tables NAME [LANG]\n"
    "\n"
    "Prints one of the library's constant tables.\n"
    "\n"
    "  months [LANG]      short and long month names (1..12)\n"
    "  weekdays [LANG]    short and long weekday names (1 = Monday .. 7 = Sunday)\n"
    "  numwords [LANG]    number words 0..12\n"
    "  languages [LANG]   language names, one row per language they are written in\n"
    "  entities           HTML Latin-1 entities for codes 160..255\n"
    "  csv                CSV delimiters and their names\n"
    "  xml                the enumeration name tables\n"
    "  constants          the universal constants (21 significant digits)\n"
    "  lnfactorial [N]    ln(n!) for n = N, or for n = 0..1000\n"
    "\n"
    "LANG is a language code (en, de, fr, es, ?\?), a language name of the\n"
    "xmlLanguage table (lgGerman) or 'unknown'; without it every language is\n"
    "shown. Words are printed as UTF-8.\n";

// A Latin-1 word as UTF-8, padded with blanks to `width` characters.
std::string Word(std::string_view latin1, size_t width = 0) {
  std::string out = ToUtf8(FromLatin1(latin1));
  if (latin1.size() < width) out.append(width - latin1.size(), ' ');
  return out;
}

std::string Name(std::u16string_view s, size_t width = 0) {
  std::string out = ToUtf8(s);
  if (s.size() < width) out.append(width - s.size(), ' ');
  return out;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::optional<TLanguage> ParseLanguage(const std::string& arg) {
  const std::string a = Lower(arg);
  if (a == "unknown") return lgUnknown;
  for (int lg = lgUnknown; lg <= lgSpanish; ++lg) {
    if (a == Lower(std::string(ISO639_2Char[lg])) || a == Lower(std::string(ISO639_3Char[lg])) ||
        a == Lower(ToUtf8(xmlLanguage[lg])))
      return static_cast<TLanguage>(lg);
  }
  return std::nullopt;
}

// The languages to show: the one asked for, or all.
struct LangRange {
  int first = lgUnknown;
  int last = lgSpanish;
};

void PrintMonths(const LangRange& r) {
  for (int lg = r.first; lg <= r.last; ++lg)
    for (int m = 1; m <= 12; ++m) {
      char num[8];
      std::snprintf(num, sizeof num, "%2d", m);
      std::cout << Name(xmlLanguage[lg], 10) << "  " << num << "  " << Word(MonthShort[lg][m], 4)
                << "  " << Word(MonthLong[lg][m]) << "\n";
    }
}

void PrintWeekdays(const LangRange& r) {
  for (int lg = r.first; lg <= r.last; ++lg)
    for (int d = 1; d <= 7; ++d)
      std::cout << Name(xmlLanguage[lg], 10) << "  " << d << "  " << Word(WeekDayShort[lg][d], 3)
                << "  " << Word(WeekDayLong[lg][d]) << "\n";
}

void PrintNumWords(const LangRange& r) {
  for (int lg = r.first; lg <= r.last; ++lg)
    for (int n = 0; n <= 12; ++n) {
      char num[8];
      std::snprintf(num, sizeof num, "%2d", n);
      std::cout << Name(xmlLanguage[lg], 10) << "  " << num << "  " << Word(NumWords[lg][n])
                << "\n";
    }
}

void PrintLanguages(const LangRange& r) {
  std::cout << Name(u"written in", 10);
  for (int named = lgUnknown; named <= lgSpanish; ++named)
    std::cout << "  " << Name(xmlLanguage[named], 12);
  std::cout << "\n";
  for (int lg = r.first; lg <= r.last; ++lg) {
    std::cout << Name(xmlLanguage[lg], 10);
    for (int named = lgUnknown; named <= lgSpanish; ++named)
      std::cout << "  " << Word(LanguageID[lg][named], 12);
    std::cout << "   (" << ISO639_2Char[lg] << ", " << ISO639_3Char[lg] << ")\n";
  }
}

void PrintEntities() {
  for (int code = TLatin1EntityTable::First; code <= TLatin1EntityTable::Last; ++code) {
    char head[32];
    std::snprintf(head, sizeof head, "%3d  U+%04X  ", code, static_cast<unsigned>(code));
    const std::string_view e = HTMLLat1Entities[code];
    std::cout << head << e << std::string(e.size() < 9 ? 9 - e.size() : 1, ' ');
    // No-break space and soft hyphen would not be visible.
    if (code != 160 && code != 173) std::cout << ToUtf8(String(1, static_cast<Char>(code)));
    std::cout << "\n";
  }
}

void PrintCsv() {
  static constexpr std::u16string_view kEnumNames[] = {u"csvUnknown", u"csvBlank", u"csvSemicolon",
                                                       u"csvComma",   u"csvColon", u"csvTab"};
  for (int d = csvUnknown; d <= csvTab; ++d) {
    char code[16];
    std::snprintf(code, sizeof code, "%3d", static_cast<int>(CSVDELIMITERS[d]));
    std::cout << d << "  " << Name(kEnumNames[d], 12) << "  code " << code << "  "
              << Name(CSVDELIMITERIDS[d]) << "\n";
  }
}

void PrintXml() {
  struct Table {
    const char* name;
    std::span<const std::u16string_view> entries;
  };
  const Table tables[] = {
      {"xmlVerticalAlignment", xmlVerticalAlignment}, {"xmlAlignment", xmlAlignment},
      {"xmlBkgFill", xmlBkgFill},                     {"xmlBoundingBox", xmlBoundingBox},
      {"xmlColorScheme", xmlColorScheme},             {"xmlFigType", xmlFigType},
      {"xmlScaleType", xmlScaleType},                 {"xmlYearLength", xmlYearLength},
      {"xmlDateOrder", xmlDateOrder},                 {"xmlDateForTime", xmlDateForTime},
      {"xmlShadowStyle", xmlShadowStyle},             {"xmlFrameStyle", xmlFrameStyle},
      {"xmlTimeFormat", xmlTimeFormat},               {"xmlDirection", xmlDirection},
      {"xmlLanguage", xmlLanguage},                   {"xmlVarKind", xmlVarKind},
      {"xmlMouseBoxState", xmlMouseBoxState},         {"xmlMouseActMode", xmlMouseActMode},
      {"xmlZoomState", xmlZoomState},                 {"xmlCrossHMode", xmlCrossHMode},
      {"xmlTxtLblMode", xmlTxtLblMode},               {"xmlTxtLblAttachMode", xmlTxtLblAttachMode},
      {"xmlFontStyle", xmlFontStyle},                 {"DistModeId", DistModeId},
  };
  for (const Table& t : tables) {
    std::cout << t.name << ":";
    for (size_t i = 0; i < t.entries.size(); ++i)
      std::cout << (i ? ", " : " ") << i << "=" << ToUtf8(t.entries[i]);
    std::cout << "\n";
  }
}

std::string Extended(long double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.21Lg", v);
  return buf;
}

std::string LnFact(int n) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "uc_LnFactorial[%d] = %.15g", n, uc_LnFactorial[n]);
  return buf;
}

void PrintConstants() {
  struct Const {
    const char* name;
    long double value;
  };
  const Const consts[] = {
      {"uc_e", uc_e},
      {"uc_etom1", uc_etom1},
      {"uc_lg2", uc_lg2},
      {"uc_lg5", uc_lg5},
      {"uc_lge", uc_lge},
      {"uc_lgPi", uc_lgPi},
      {"uc_ln10", uc_ln10},
      {"uc_ln2", uc_ln2},
      {"uc_lnPi", uc_lnPi},
      {"uc_PiH", uc_PiH},
      {"uc_PiSqr", uc_PiSqr},
      {"uc_Pitom1", uc_Pitom1},
      {"uc_sqrt2", uc_sqrt2},
      {"uc_sqrt2pi", uc_sqrt2pi},
      {"uc_sqrt2pitom1", uc_sqrt2pitom1},
      {"uc_GoldenR", uc_GoldenR},
      {"uc_MinReal", uc_MinReal},
      {"uc_MaxReal", uc_MaxReal},
      {"uc_MinSingle", uc_MinSingle},
      {"uc_MaxSingle", uc_MaxSingle},
      {"uc_MinDouble", uc_MinDouble},
      {"uc_MaxDouble", uc_MaxDouble},
      {"uc_MinExtended", uc_MinExtended},
      {"uc_MaxExtended", uc_MaxExtended},
      {"uc_lnMinDouble", uc_lnMinDouble},
      {"uc_lnMaxDouble", uc_lnMaxDouble},
      {"uc_lnMaxExtended", uc_lnMaxExtended},
      {"uc_lnMinExtended", uc_lnMinExtended},
      {"uc_lnMaxInt64", uc_lnMaxInt64},
      {"uc_lnMinReal", uc_lnMinReal},
      {"uc_lnMaxReal", uc_lnMaxReal},
      {"uc_lnMinSingle", uc_lnMinSingle},
      {"uc_lnMaxSingle", uc_lnMaxSingle},
  };
  for (const Const& c : consts) {
    std::string name = c.name;
    name.resize(18, ' ');
    std::cout << name << Extended(c.value) << "\n";
  }
  std::cout << "uc_MaxInt64       " << uc_MaxInt64 << "\n";
  for (int n : {0, 1, 2, 10, 100, 1000}) std::cout << LnFact(n) << "\n";
}

int Run(const Args& args) {
  if (args.empty()) return UsageError(kName, "missing table name");
  const std::string table = args[0];
  const bool takesLang =
      table == "months" || table == "weekdays" || table == "numwords" || table == "languages";
  const bool takesNumber = table == "lnfactorial";
  if (args.size() > 2 || (args.size() == 2 && !takesLang && !takesNumber))
    return UsageError(kName, "too many arguments for table '" + table + "'");

  LangRange range;
  if (takesLang && args.size() == 2) {
    auto lg = ParseLanguage(args[1]);
    if (!lg) return UsageError(kName, "unknown language '" + args[1] + "'");
    range.first = range.last = *lg;
  }

  if (table == "months") {
    PrintMonths(range);
  } else if (table == "weekdays") {
    PrintWeekdays(range);
  } else if (table == "numwords") {
    PrintNumWords(range);
  } else if (table == "languages") {
    PrintLanguages(range);
  } else if (table == "entities") {
    PrintEntities();
  } else if (table == "csv") {
    PrintCsv();
  } else if (table == "xml") {
    PrintXml();
  } else if (table == "constants") {
    PrintConstants();
  } else if (table == "lnfactorial") {
    if (args.size() == 2) {
      int n = -1;
      const std::string& a = args[1];
      auto [end, ec] = std::from_chars(a.data(), a.data() + a.size(), n);
      if (ec != std::errc() || end != a.data() + a.size() || n < 0 || n > 1000)
        return UsageError(kName, "N must be a whole number from 0 to 1000, got '" + a + "'");
      std::cout << LnFact(n) << "\n";
    } else {
      for (int n = 0; n <= 1000; ++n) std::cout << LnFact(n) << "\n";
    }
  } else {
    return UsageError(kName, "unknown table '" + table + "'");
  }
  return kExitOk;
}

void Demo(std::ostream& os) {
  os << "Month names (MonthShort / MonthLong), English and German:\n";
  for (int lg : {lgEnglish, lgGerman}) {
    os << "  " << Name(xmlLanguage[lg], 10);
    for (int m = 1; m <= 12; ++m) os << " " << Word(MonthShort[lg][m]);
    os << "\n  " << std::string(10, ' ');
    for (int m = 1; m <= 3; ++m) os << " " << Word(MonthLong[lg][m]);
    os << " ...\n";
  }
  os << "LanguageID[lgGerman][lgFrench] = " << Word(LanguageID[lgGerman][lgFrench]) << "\n";
  os << "ResolveCSVDelimiter(';') = "
     << ToUtf8(CSVDELIMITERIDS[ResolveCSVDelimiter(u';')]) << "\n";
  os << "HTMLLat1Entities[233] = " << HTMLLat1Entities[233] << "\n";
  os << "uc_e           = " << Extended(uc_e) << "\n";
  os << "uc_ln10        = " << Extended(uc_ln10) << "\n";
  os << "uc_MaxDouble   = " << Extended(uc_MaxDouble) << "\n";
  os << "uc_MinExtended = " << Extended(uc_MinExtended) << "\n";
  os << LnFact(10) << "\n";
}

const Registration reg{Command{kName, "print the base module's constant tables", kHelp, Run}};
const Registration demo{DemoSection{"Base tables and universal constants", 10, Demo}};

}  // namespace
}  // namespace kvo::tool
