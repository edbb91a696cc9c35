// Constant tables of the base module: the names of enumerations, the CSV
// delimiters, the names of distance modes, calendar and number words in five
// languages, language names and codes, and the HTML Latin-1 entities.
//
// All tables are constexpr data, fixed for the lifetime of the process and
// safe to read from any thread.
//
// Enumeration name tables (xml...) are indexed by their enumeration, one
// entry per enumerator, and hold the enumerator's identifier exactly as
// spelled in the enumeration; the single exception is xmlVarKind[Bool],
// which is "bool". They are the names used when settings are written as
// text.
//
// Calendar, number and language words are short strings of 8-bit Latin-1
// characters: each std::string_view holds one byte per character (for
// example "J\xE4n" for "Jan" with a-umlaut), so its size() is its length in
// characters. Convert with FromLatin1 (platform/strings.h) for a String.
// Month, day and number tables keep their natural index ranges: months 1..12,
// days 1..7 (1 = Monday, 7 = Sunday), numbers 0..12. Index 0 of the month
// and day tables exists only to keep that numbering and holds an empty
// string. Reading past the last index is out of bounds, as for any array.
#pragma once

#include <cstdint>
#include <string_view>

#include "kvobase/types.h"
#include "platform/graphics_types.h"
#include "platform/strings.h"

namespace kvo {

// ---------------------------------------------------------------------------
// Enumeration name tables

inline constexpr std::u16string_view xmlVerticalAlignment[vaBottom + 1] = {
    u"vaTop", u"vaCenter", u"vaBottom"};
inline constexpr std::u16string_view xmlAlignment[taCenter + 1] = {
    u"taLeftJustify", u"taRightJustify", u"taCenter"};
inline constexpr std::u16string_view xmlBkgFill[bfTile + 1] = {u"bfSimple", u"bfStretch",
                                                               u"bfTile"};
inline constexpr std::u16string_view xmlBoundingBox[bbFaces + 1] = {u"bbNone", u"bbFrame",
                                                                    u"bbFaces"};
inline constexpr std::u16string_view xmlColorScheme[csSystem + 1] = {u"csBWG", u"csSystem"};
inline constexpr std::u16string_view xmlFigType[ftUserText + 1] = {
    u"ftNoFigs", u"ftNum", u"ftTime", u"ftDateTime", u"ftUserText"};
inline constexpr std::u16string_view xmlScaleType[sctYR + 1] = {u"sctXB", u"sctXT", u"sctYL",
                                                                u"sctYR"};
inline constexpr std::u16string_view xmlYearLength[ylYYYY + 1] = {u"ylNone", u"ylYY", u"ylYYYY"};
inline constexpr std::u16string_view xmlDateOrder[doYYMMDD + 1] = {u"doMMDDYY", u"doDDMMYY",
                                                                   u"doYYMMDD"};
inline constexpr std::u16string_view xmlDateForTime[dtAllTicks + 1] = {
    u"dtNone", u"dtOnePerChart", u"dtOnePerDay", u"dtAllTicks"};
inline constexpr std::u16string_view xmlShadowStyle[ssBox + 1] = {u"ssFlying", u"ssBox"};
inline constexpr std::u16string_view xmlFrameStyle[fsEngraved + 1] = {
    u"fsNone", u"fsSimple", u"fsLowered", u"fsRaised", u"fsEmbossed", u"fsEngraved"};
inline constexpr std::u16string_view xmlTimeFormat[tfAMPM + 1] = {u"tfHHMMSS", u"tfHHhMM",
                                                                  u"tfAMPM"};
inline constexpr std::u16string_view xmlDirection[dirRightward + 1] = {
    u"dirUpward", u"dirDownward", u"dirLeftward", u"dirRightward"};
inline constexpr std::u16string_view xmlLanguage[lgSpanish + 1] = {
    u"lgUnknown", u"lgEnglish", u"lgGerman", u"lgFrench", u"lgSpanish"};
// Note "bool" in lower case for the enumerator Bool.
inline constexpr std::u16string_view xmlVarKind[strg + 1] = {u"rnum", u"dnum", u"snum", u"inum",
                                                             u"lnum", u"bool", u"strg"};
inline constexpr std::u16string_view xmlMouseBoxState[msFinished + 1] = {
    u"msNormal", u"msFirstCorner", u"msRectDraw", u"msFinished"};
inline constexpr std::u16string_view xmlMouseActMode[maZoomPanColors + 1] = {
    u"maNone",        u"maPan",         u"maPanHoriz",   u"maPanVert",      u"maPanGrid",
    u"maRubberBand",  u"maZoom",        u"maZoomWind",   u"maZoomWindPos",  u"maZoomDrag",
    u"maDragCrossH",  u"maDragLabel",   u"maRotate",     u"maRotAndZoom",   u"maRotXOnly",
    u"maRotZOnly",    u"maSelectRect",  u"maDrawMTrace", u"maZoomPanColors"};
inline constexpr std::u16string_view xmlZoomState[zsDrawWin + 1] = {u"zsNormal", u"zsDrawWin"};
inline constexpr std::u16string_view xmlCrossHMode[chBox + 1] = {
    u"chOff", u"chHoriz", u"chVert", u"chBoth", u"chCrossBox", u"chBox"};
inline constexpr std::u16string_view xmlTxtLblMode[tlShadow + 1] = {
    u"tlOff", u"tlsimple", u"tlBox", u"tlUnderline", u"tlShadow"};
inline constexpr std::u16string_view xmlTxtLblAttachMode[tlamBoth + 1] = {
    u"tlamNone", u"tlamXOnly", u"tlamYOnly", u"tlamBoth"};
inline constexpr std::u16string_view xmlFontStyle[fsStrikeOut + 1] = {
    u"fsBold", u"fsItalic", u"fsUnderline", u"fsStrikeOut"};

// ---------------------------------------------------------------------------
// CSV delimiters, indexed by TCSVDelimiters. csvUnknown has the character
// with code 0 and the name "undefined".

inline constexpr Char CSVDELIMITERS[csvTab + 1] = {u'\0', u' ', u';', u',', u':', u'\t'};
inline constexpr std::u16string_view CSVDELIMITERIDS[csvTab + 1] = {
    u"undefined", u"blank", u"semicolon", u"comma", u"colon", u"tab"};

// ResolveCSVDelimiter
//
// The delimiter whose CSVDELIMITERS entry is exactly C: blank, ';', ',', ':'
// and tab give csvBlank .. csvTab. Every other character, including code 0,
// gives csvUnknown. No trimming and no case folding.
TCSVDelimiters ResolveCSVDelimiter(Char C);

// ---------------------------------------------------------------------------
// Names of the distance modes, indexed by TDistMode.

inline constexpr std::u16string_view DistModeId[dmUserDef + 1] = {
    u"Jaccard coefficient", u"Manhattan",        u"Euclidean",
    u"squared Euclidean",   u"Dice coefficient", u"user defined"};

// ---------------------------------------------------------------------------
// Calendar and number words, indexed [TLanguage][number]. Row lgUnknown holds
// neutral placeholders (M01.., D01.., N00..). Entries are stored exactly,
// trailing blanks included (MonthLong[lgFrench][2] is "fevrier " with e-acute
// and a trailing blank). Each \xNN escape ends its literal piece so that a
// following letter is never read as a further hex digit.

// Short month names, at most 4 characters; months 1..12, index 0 empty.
inline constexpr std::string_view MonthShort[lgSpanish + 1][13] = {
    {"", "M01", "M02", "M03", "M04", "M05", "M06", "M07", "M08", "M09", "M10", "M11", "M12"},
    {"", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"", "J\xE4" "n", "Feb", "M\xE4" "r", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov",
     "Dez"},
    {"", "jan", "f\xE9" "v", "mar", "avr", "mai", "juin", "jul", "ao\xFB", "sep", "oct", "nov",
     "d\xE9" "c"},
    {"", "Ene", "Feb", "Mar", "Abr", "May", "Jun", "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"},
};

// Full month names, at most 10 characters; months 1..12, index 0 empty.
inline constexpr std::string_view MonthLong[lgSpanish + 1][13] = {
    {"", "M01", "M02", "M03", "M04", "M05", "M06", "M07", "M08", "M09", "M10", "M11", "M12"},
    {"", "January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"", "J\xE4" "nner", "Februar", "M\xE4" "rz", "April", "Mai", "Juni", "Juli", "August",
     "September", "Oktober", "November", "Dezember"},
    {"", "janvier", "f\xE9" "vrier ", "mars", "avril", "mai", "juin", "juillet", "ao\xFB" "t",
     "septembre", "octobre", "novembre", "d\xE9" "cembre"},
    {"", "enero", "febrero", "marzo", "abril", "mai", "junio", "julio", "agosto", "septiembre",
     "octubre", "noviembre", "diciembre"},
};

// Short weekday names, at most 3 characters; days 1 (Monday) .. 7 (Sunday),
// index 0 empty.
inline constexpr std::string_view WeekDayShort[lgSpanish + 1][8] = {
    {"", "D01", "D02", "D03", "D04", "D05", "D06", "D07"},
    {"", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
    {"", "Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"},
    {"", "lun", "mar", "mer", "jeu", "ven", "sam", "dim"},
    {"", "lun", "mar", "mie", "jue", "vie", "sab", "dom"},
};

// Full weekday names, at most 10 characters; days 1 (Monday) .. 7 (Sunday),
// index 0 empty.
inline constexpr std::string_view WeekDayLong[lgSpanish + 1][8] = {
    {"", "D01", "D02", "D03", "D04", "D05", "D06", "D07"},
    {"", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
    {"", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
    {"", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"},
    {"", "lunes", "martes", "mi\xE9" "rcoles", "jueves", "viernes", "s\xE1" "bado", "domingo"},
};

// Number words 0..12, at most 6 characters. (The French entry for 1 is
// "celui", as stored.)
inline constexpr std::string_view NumWords[lgSpanish + 1][13] = {
    {"N00", "N01", "N02", "N03", "N04", "N05", "N06", "N07", "N08", "N09", "N10", "N11", "N12"},
    {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten",
     "eleven", "twelve"},
    {"null", "eins", "zwei", "drei", "vier", "f\xFC" "nf", "sechs", "sieben", "acht", "neun",
     "zehn", "elf", "zw\xF6" "lf"},
    {"z\xE9" "ro", "celui", "deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf",
     "dix", "onze", "douze"},
    {"cero", "uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve", "diez",
     "once", "doce"},
};

// ---------------------------------------------------------------------------
// Languages

// LanguageID[written in][language named], at most 15 characters; every
// entry of row and column lgUnknown is "???".
inline constexpr std::string_view LanguageID[lgSpanish + 1][lgSpanish + 1] = {
    {"???", "???", "???", "???", "???"},
    {"???", "English", "German", "French", "Spanish"},
    {"???", "englisch", "deutsch", "franz\xF6" "sisch", "spanisch"},
    {"???", "anglais", "allemand", "fran\xE7" "ais", "espagnol"},
    {"???", "ingl\xE9" "s", "alem\xE1" "n", "franc\xE9" "s", "espa\xF1" "ol"},
};

// Two-letter codes of ISO 639-1 and three-letter bibliographic codes of
// ISO 639-2, indexed by TLanguage; "??" and "???" for lgUnknown.
inline constexpr std::string_view ISO639_2Char[lgSpanish + 1] = {"??", "en", "de", "fr", "es"};
inline constexpr std::string_view ISO639_3Char[lgSpanish + 1] = {"???", "eng", "ger", "fre",
                                                                 "spa"};

// ---------------------------------------------------------------------------
// HTML Latin-1 entities

// TLatin1EntityTable
//
// The character entity references of the HTML 4 Latin-1 set, indexed by the
// ISO 8859-1 character code itself: HTMLLat1Entities[160] is "&nbsp;",
// HTMLLat1Entities[255] is "&yuml;". Each entry is written whole with its
// ampersand and semicolon, at most 8 characters. A code outside 160..255
// gives an empty string (a neutral value, never an out-of-bounds read).
struct TLatin1EntityTable {
  static constexpr int32_t First = 160;
  static constexpr int32_t Last = 255;

  constexpr std::string_view operator[](int32_t Code) const {
    return Code >= First && Code <= Last ? Entries[Code - First] : std::string_view{};
  }

  std::string_view Entries[Last - First + 1];
};

inline constexpr TLatin1EntityTable HTMLLat1Entities{{
    "&nbsp;",   "&iexcl;",  "&cent;",   "&pound;",  "&curren;", "&yen;",    "&brvbar;", "&sect;",
    "&uml;",    "&copy;",   "&ordf;",   "&laquo;",  "&not;",    "&shy;",    "&reg;",    "&macr;",
    "&deg;",    "&plusmn;", "&sup2;",   "&sup3;",   "&acute;",  "&micro;",  "&para;",   "&middot;",
    "&cedil;",  "&sup1;",   "&ordm;",   "&raquo;",  "&frac14;", "&frac12;", "&frac34;", "&iquest;",
    "&Agrave;", "&Aacute;", "&Acirc;",  "&Atilde;", "&Auml;",   "&Aring;",  "&AElig;",  "&Ccedil;",
    "&Egrave;", "&Eacute;", "&Ecirc;",  "&Euml;",   "&Igrave;", "&Iacute;", "&Icirc;",  "&Iuml;",
    "&ETH;",    "&Ntilde;", "&Ograve;", "&Oacute;", "&Ocirc;",  "&Otilde;", "&Ouml;",   "&times;",
    "&Oslash;", "&Ugrave;", "&Uacute;", "&Ucirc;",  "&Uuml;",   "&Yacute;", "&THORN;",  "&szlig;",
    "&agrave;", "&aacute;", "&acirc;",  "&atilde;", "&auml;",   "&aring;",  "&aelig;",  "&ccedil;",
    "&egrave;", "&eacute;", "&ecirc;",  "&euml;",   "&igrave;", "&iacute;", "&icirc;",  "&iuml;",
    "&eth;",    "&ntilde;", "&ograve;", "&oacute;", "&ocirc;",  "&otilde;", "&ouml;",   "&divide;",
    "&oslash;", "&ugrave;", "&uacute;", "&ucirc;",  "&uuml;",   "&yacute;", "&thorn;",  "&yuml;",
}};

}  // namespace kvo
