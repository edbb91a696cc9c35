// The named colours: 466 names with their values, the X11 colour values and
// ObtainColorName.
#pragma once

#include <array>
#include <cstdint>

#include "platform/graphics_types.h"
#include "platform/strings.h"

namespace kvo {

// Number of entries of AllKVOColorNames and AllKVOColors.
inline constexpr int32_t NumKVOColors = 466;

// AllKVOColorNames
//
// The colour names, index 0 .. 465, parallel to AllKVOColors. Order: the 16
// basic colours (Black, Maroon, ..., Aqua, White), then MoneyGreen, Cream and
// MedGray, then the others in alphabetical order ignoring case, a colour with
// numbered variants directly followed by its variants 1 to 4. All names
// differ, also when case is ignored.
inline constexpr std::array<StringView, NumKVOColors> AllKVOColorNames{{
    u"Black", u"Maroon", u"Green", u"Olive", u"Navy", u"Purple", u"Teal", u"Gray", u"Silver",
    u"Red", u"Lime", u"Yellow", u"Blue", u"Fuchsia", u"Aqua", u"White", u"MoneyGreen",
    u"Cream", u"MedGray", u"AliceBlue", u"AntiqueWhite", u"AntiqueWhite1", u"AntiqueWhite2",
    u"AntiqueWhite3", u"AntiqueWhite4", u"Aquamarine", u"Aquamarine1", u"Aquamarine2",
    u"Aquamarine3", u"Aquamarine4", u"Azure", u"Azure1", u"Azure2", u"Azure3", u"Azure4",
    u"Beige", u"Bisque", u"Bisque1", u"Bisque2", u"Bisque3", u"Bisque4", u"BlanchedAlmond",
    u"Blue1", u"Blue2", u"Blue3", u"Blue4", u"BlueViolet", u"Bronze", u"Brown", u"Brown1",
    u"Brown2", u"Brown3", u"Brown4", u"BurlyWood", u"BurlyWood1", u"BurlyWood2", u"BurlyWood3",
    u"BurlyWood4", u"CadetBlue", u"CadetBlue1", u"CadetBlue2", u"CadetBlue3", u"CadetBlue4",
    u"Carbon", u"Chartreuse", u"Chartreuse1", u"Chartreuse2", u"Chartreuse3", u"Chartreuse4",
    u"Chocolate", u"Chocolate1", u"Chocolate2", u"Chocolate3", u"Chocolate4", u"Coral",
    u"Coral1", u"Coral2", u"Coral3", u"Coral4", u"CornflowerBlue", u"CornSilk", u"CornSilk1",
    u"CornSilk2", u"CornSilk3", u"CornSilk4", u"Crimson", u"Cyan", u"Cyan1", u"Cyan2",
    u"Cyan3", u"Cyan4", u"DarkBlue", u"DarkCyan", u"DarkGoldenRod", u"DarkGoldenRod1",
    u"DarkGoldenRod2", u"DarkGoldenRod3", u"DarkGoldenRod4", u"DarkGray", u"DarkGreen",
    u"DarkKhaki", u"DarkMagenta", u"DarkOliveGreen", u"DarkOliveGreen1", u"DarkOliveGreen2",
    u"DarkOliveGreen3", u"DarkOliveGreen4", u"DarkOrange", u"DarkOrange1", u"DarkOrange2",
    u"DarkOrange3", u"DarkOrange4", u"DarkOrchid", u"DarkOrchid1", u"DarkOrchid2",
    u"DarkOrchid3", u"DarkOrchid4", u"DarkRed", u"DarkSalmon", u"DarkSeaGreen",
    u"DarkSeaGreen1", u"DarkSeaGreen2", u"DarkSeaGreen3", u"DarkSeaGreen4", u"DarkSlateBlue",
    u"DarkSlateGray", u"DarkSlateGray1", u"DarkSlateGray2", u"DarkSlateGray3",
    u"DarkSlateGray4", u"DarkTurquoise", u"DarkViolet", u"DeepPink", u"DeepPink1",
    u"DeepPink2", u"DeepPink3", u"DeepPink4", u"DeepSkyBlue", u"DeepSkyBlue1", u"DeepSkyBlue2",
    u"DeepSkyBlue3", u"DeepSkyBlue4", u"DimGray", u"DodgerBlue", u"DodgerBlue1",
    u"DodgerBlue2", u"DodgerBlue3", u"DodgerBlue4", u"FireBrick", u"FireBrick1", u"FireBrick2",
    u"FireBrick3", u"FireBrick4", u"FloralWhite", u"ForestGreen", u"Gainsboro", u"GhostWhite",
    u"Gold", u"Gold1", u"Gold2", u"Gold3", u"Gold4", u"GoldenRod", u"GoldenRod1",
    u"GoldenRod2", u"GoldenRod3", u"GoldenRod4", u"Green1", u"Green2", u"Green3", u"Green4",
    u"GreenYellow", u"HoneyDew", u"HoneyDew1", u"HoneyDew2", u"HoneyDew3", u"HoneyDew4",
    u"HotPink", u"HotPink1", u"HotPink2", u"HotPink3", u"HotPink4", u"IndianRed",
    u"IndianRed1", u"IndianRed2", u"IndianRed3", u"IndianRed4", u"Indigo", u"Ivory", u"Ivory1",
    u"Ivory2", u"Ivory3", u"Ivory4", u"Khaki", u"Khaki1", u"Khaki2", u"Khaki3", u"Khaki4",
    u"Lavender", u"LavenderBlush", u"LavenderBlush1", u"LavenderBlush2", u"LavenderBlush3",
    u"LavenderBlush4", u"LawnGreen", u"LemonChiffon", u"LemonChiffon1", u"LemonChiffon2",
    u"LemonChiffon3", u"LemonChiffon4", u"LightBlue", u"LightBlue1", u"LightBlue2",
    u"LightBlue3", u"LightBlue4", u"LightCoral", u"LightCyan", u"LightCyan1", u"LightCyan2",
    u"LightCyan3", u"LightCyan4", u"LightGoldenRod", u"LightGoldenRod1", u"LightGoldenRod2",
    u"LightGoldenRod3", u"LightGoldenRod4", u"LightGoldenRodYellow", u"LightGray",
    u"LightGreen", u"LightPink", u"LightPink1", u"LightPink2", u"LightPink3", u"LightPink4",
    u"LightSalmon", u"LightSalmon1", u"LightSalmon2", u"LightSalmon3", u"LightSalmon4",
    u"LightSeaGreen", u"LightSkyBlue", u"LightSkyBlue1", u"LightSkyBlue2", u"LightSkyBlue3",
    u"LightSkyBlue4", u"LightSlateBlue", u"LightSlateGray", u"LightSteelBlue",
    u"LightSteelBlue1", u"LightSteelBlue2", u"LightSteelBlue3", u"LightSteelBlue4",
    u"LightYellow", u"LightYellow1", u"LightYellow2", u"LightYellow3", u"LightYellow4",
    u"LimeGreen", u"Linen", u"Magenta", u"Magenta1", u"Magenta2", u"Magenta3", u"Magenta4",
    u"Maroon1", u"Maroon2", u"Maroon3", u"Maroon4", u"MediumAquamarine", u"MediumBlue",
    u"MediumOrchid", u"MediumOrchid1", u"MediumOrchid2", u"MediumOrchid3", u"MediumOrchid4",
    u"MediumPurple", u"MediumPurple1", u"MediumPurple2", u"MediumPurple3", u"MediumPurple4",
    u"MediumSeaGreen", u"MediumSlateBlue", u"MediumSpringGreen", u"MediumTurquoise",
    u"MediumVioletRed", u"MidnightBlue", u"MintCream", u"MistyRose", u"MistyRose1",
    u"MistyRose2", u"MistyRose3", u"MistyRose4", u"Moccasin", u"NavajoWhite", u"NavajoWhite1",
    u"NavajoWhite2", u"NavajoWhite3", u"NavajoWhite4", u"NavyBlue", u"OldLace", u"OliveDrab",
    u"OliveDrab1", u"OliveDrab2", u"OliveDrab3", u"OliveDrab4", u"Orange", u"Orange1",
    u"Orange2", u"Orange3", u"Orange4", u"OrangeRed", u"OrangeRed1", u"OrangeRed2",
    u"OrangeRed3", u"OrangeRed4", u"Orchid", u"Orchid1", u"Orchid2", u"Orchid3", u"Orchid4",
    u"PaleGoldenRod", u"PaleGreen", u"PaleGreen1", u"PaleGreen2", u"PaleGreen3", u"PaleGreen4",
    u"PaleTurquoise", u"PaleTurquoise1", u"PaleTurquoise2", u"PaleTurquoise3",
    u"PaleTurquoise4", u"PaleVioletRed", u"PaleVioletRed1", u"PaleVioletRed2",
    u"PaleVioletRed3", u"PaleVioletRed4", u"PapayaWhip", u"PeachPuff", u"PeachPuff1",
    u"PeachPuff2", u"PeachPuff3", u"PeachPuff4", u"Peru", u"Pink", u"Pink1", u"Pink2",
    u"Pink3", u"Pink4", u"Plum", u"Plum1", u"Plum2", u"Plum3", u"Plum4", u"PowderBlue",
    u"Purple1", u"Purple2", u"Purple3", u"Purple4", u"RebeccaPurple", u"Red1", u"Red2",
    u"Red3", u"Red4", u"RosyBrown", u"RosyBrown1", u"RosyBrown2", u"RosyBrown3", u"RosyBrown4",
    u"RoyalBlue", u"RoyalBlue1", u"RoyalBlue2", u"RoyalBlue3", u"RoyalBlue4", u"SaddleBrown",
    u"Salmon", u"Salmon1", u"Salmon2", u"Salmon3", u"Salmon4", u"SandyBrown", u"SeaGreen",
    u"SeaGreen1", u"SeaGreen2", u"SeaGreen3", u"SeaGreen4", u"SeaShell", u"SeaShell1",
    u"SeaShell2", u"SeaShell3", u"SeaShell4", u"Sienna", u"Sienna1", u"Sienna2", u"Sienna3",
    u"Sienna4", u"SkyBlue", u"SkyBlue1", u"SkyBlue2", u"SkyBlue3", u"SkyBlue4", u"SlateBlue",
    u"SlateBlue1", u"SlateBlue2", u"SlateBlue3", u"SlateBlue4", u"SlateGray", u"SlateGray1",
    u"SlateGray2", u"SlateGray3", u"SlateGray4", u"Snow", u"Snow1", u"Snow2", u"Snow3",
    u"Snow4", u"SpringGreen", u"SpringGreen1", u"SpringGreen2", u"SpringGreen3",
    u"SpringGreen4", u"SteelBlue", u"SteelBlue1", u"SteelBlue2", u"SteelBlue3", u"SteelBlue4",
    u"Tan", u"Tan1", u"Tan2", u"Tan3", u"Tan4", u"Thistle", u"Thistle1", u"Thistle2",
    u"Thistle3", u"Thistle4", u"Tomato", u"Tomato1", u"Tomato2", u"Tomato3", u"Tomato4",
    u"Turquoise", u"Turquoise1", u"Turquoise2", u"Turquoise3", u"Turquoise4", u"Violet",
    u"VioletRed", u"VioletRed1", u"VioletRed2", u"VioletRed3", u"VioletRed4", u"WebGray",
    u"WebGreen", u"WebMaroon", u"WebPurple", u"Wheat", u"Wheat1", u"Wheat2", u"Wheat3",
    u"Wheat4", u"WhiteSmoke", u"Yellow1", u"Yellow2", u"Yellow3", u"Yellow4", u"YellowGreen",
}};

// AllKVOColors
//
// The value of each name of AllKVOColorNames (0x00BBGGRR, high byte zero).
// Values repeat (Aqua, Cyan and Cyan1 are all 0x00FFFF00); a lookup by value
// takes the lowest index.
inline constexpr std::array<TColor, NumKVOColors> AllKVOColors{{
    0x00000000, 0x00000080, 0x00008000, 0x00008080, 0x00800000, 0x00800080, 0x00808000, 0x00808080,
    0x00C0C0C0, 0x000000FF, 0x0000FF00, 0x0000FFFF, 0x00FF0000, 0x00FF00FF, 0x00FFFF00, 0x00FFFFFF,
    0x00C0DCC0, 0x00F0FBFF, 0x00A4A0A0, 0x00FFF8F0, 0x00D7EBFA, 0x00DBEFFF, 0x00CCDFEE, 0x00B0C0CD,
    0x0078838B, 0x00D4FF7F, 0x00D4FF7F, 0x00C6EE76, 0x00AACD66, 0x00748B45, 0x00FFFFF0, 0x00FFFFF0,
    0x00EEEEE0, 0x00CDCDC1, 0x008B8B83, 0x00DCF5F5, 0x00C4E4FF, 0x00C4E4FF, 0x00B7D5EE, 0x009EB7CD,
    0x006B7D8B, 0x00CDEBFF, 0x00FF0000, 0x00EE0000, 0x00CD0000, 0x008B0000, 0x00E22B8A, 0x00778899,
    0x002A2AA5, 0x004040FF, 0x003B3BEE, 0x003333CD, 0x0023238B, 0x0087B8DE, 0x009BD3FF, 0x0091C5EE,
    0x007DAACD, 0x0055738B, 0x00A09E5F, 0x00FFF598, 0x00EEE58E, 0x00CDC57A, 0x008B8653, 0x00222222,
    0x0000FF7F, 0x0000FF7F, 0x0000EE76, 0x0000CD66, 0x00008B45, 0x001E69D2, 0x00247FFF, 0x002176EE,
    0x001D66CD, 0x0013458B, 0x00507FFF, 0x005672FF, 0x00506AEE, 0x00455BCD, 0x002F3E8B, 0x00ED9564,
    0x00DCF8FF, 0x00DCF8FF, 0x00CDE8EE, 0x00B1C8CD, 0x0078888B, 0x003C14DC, 0x00FFFF00, 0x00FFFF00,
    0x00EEEE00, 0x00CDCD00, 0x008B8B00, 0x008B0000, 0x008B8B00, 0x000B86B8, 0x000FB9FF, 0x000EADEE,
    0x000C95CD, 0x0008658B, 0x00A9A9A9, 0x00006400, 0x006BB7BD, 0x008B008B, 0x002F6B55, 0x0070FFCA,
    0x0068EEBC, 0x005ACDA2, 0x003D8B6E, 0x00008CFF, 0x00007FFF, 0x000076EE, 0x000066CD, 0x0000458B,
    0x00CC3299, 0x00FF3EBF, 0x00EE3AB2, 0x00CD329A, 0x008B2268, 0x0000008B, 0x007A96E9, 0x008FBC8F,
    0x00C1FFC1, 0x00B4EEB4, 0x009BCD9B, 0x00698B69, 0x008B3D48, 0x004F4F2F, 0x00FFFF97, 0x00EEEE8D,
    0x00CDCD79, 0x008B8B52, 0x00D1CE00, 0x00D30094, 0x009314FF, 0x009314FF, 0x008912EE, 0x007610CD,
    0x00500A8B, 0x00FFBF00, 0x00FFBF00, 0x00EEB200, 0x00CD9A00, 0x008B6800, 0x00696969, 0x00FF901E,
    0x00FF901E, 0x00EE861C, 0x00CD7418, 0x008B4E10, 0x002222B2, 0x003030FF, 0x002C2CEE, 0x002626CD,
    0x001A1A8B, 0x00F0FAFF, 0x00228B22, 0x00DCDCDC, 0x00FFF8F8, 0x0000D7FF, 0x0000D7FF, 0x0000C9EE,
    0x0000ADCD, 0x0000758B, 0x0020A5DA, 0x0025C1FF, 0x0022B4EE, 0x001D9BCD, 0x0014698B, 0x0000FF00,
    0x0000EE00, 0x0000CD00, 0x00008B00, 0x002FFFAD, 0x00F0FFF0, 0x00F0FFF0, 0x00E0EEE0, 0x00C1CDC1,
    0x00838B83, 0x00B469FF, 0x00B46EFF, 0x00A76AEE, 0x009060CD, 0x00623A8B, 0x005C5CCD, 0x006A6AFF,
    0x006363EE, 0x005555CD, 0x003A3A8B, 0x0082004B, 0x00F0FFFF, 0x00F0FFFF, 0x00E0EEEE, 0x00C1CDCD,
    0x00838B8B, 0x008CE6F0, 0x008FF6FF, 0x0085E6EE, 0x0073C6CD, 0x004E868B, 0x00FAE6E6, 0x00F5F0FF,
    0x00F5F0FF, 0x00E5E0EE, 0x00C5C1CD, 0x0086838B, 0x0000FC7C, 0x00CDFAFF, 0x00CDFAFF, 0x00BFE9EE,
    0x00A5C9CD, 0x0070898B, 0x00E6D8AD, 0x00FFEFBF, 0x00EEDFB2, 0x00CDC09A, 0x008B8368, 0x008080F0,
    0x00FFFFE0, 0x00FFFFE0, 0x00EEEED1, 0x00CDCDB4, 0x008B8B7A, 0x0082DDEE, 0x008BECFF, 0x0082DCEE,
    0x0070BECD, 0x004C818B, 0x00D2FAFA, 0x00D3D3D3, 0x0090EE90, 0x00C1B6FF, 0x00B9AEFF, 0x00ADA2EE,
    0x00958CCD, 0x00655F8B, 0x007AA0FF, 0x007AA0FF, 0x007295EE, 0x006281CD, 0x0042578B, 0x00AAB220,
    0x00FACE87, 0x00FFE2B0, 0x00EED3A4, 0x00CDB68D, 0x008B7B60, 0x00FF7084, 0x00998877, 0x00DEC4B0,
    0x00FFE1CA, 0x00EED2BC, 0x00CDB5A2, 0x008B7B6E, 0x00E0FFFF, 0x00E0FFFF, 0x00D1EEEE, 0x00B4CDCD,
    0x007A8B8B, 0x0032CD32, 0x00E6F0FA, 0x00FF00FF, 0x00FF00FF, 0x00EE00EE, 0x00CD00CD, 0x008B008B,
    0x00B334FF, 0x00A730EE, 0x009029CD, 0x00621C8B, 0x00AACD66, 0x00CD0000, 0x00D355BA, 0x00FF66E0,
    0x00EE5FD1, 0x00CD52B4, 0x008B377A, 0x00DB7093, 0x00FF82AB, 0x00EE799F, 0x00CD6889, 0x008B475D,
    0x0071B33C, 0x00EE687B, 0x009AFA00, 0x00CCD148, 0x008515C7, 0x00701919, 0x00FAFFF5, 0x00E1E4FF,
    0x00E1E4FF, 0x00D2D5EE, 0x00B5B7CD, 0x007B7D8B, 0x00B5E4FF, 0x00ADDEFF, 0x00ADDEFF, 0x00A1CFEE,
    0x008BB3CD, 0x005E798B, 0x00800000, 0x00E6F5FD, 0x00238E6B, 0x003EFFC0, 0x003AEEB3, 0x0032CD9A,
    0x00228B69, 0x0000A5FF, 0x0000A5FF, 0x00009AEE, 0x000085CD, 0x00005A8B, 0x000045FF, 0x000045FF,
    0x000040EE, 0x000037CD, 0x0000258B, 0x00D670DA, 0x00FA83FF, 0x00E97AEE, 0x00C969CD, 0x0089478B,
    0x00AAE8EE, 0x0098FB98, 0x009AFF9A, 0x0090EE90, 0x007CCD7C, 0x00548B54, 0x00EEEEAF, 0x00FFFFBB,
    0x00EEEEAE, 0x00CDCD96, 0x008B8B66, 0x009370DB, 0x00AB82FF, 0x009F79EE, 0x008968CD, 0x005D478B,
    0x00D5EFFF, 0x00B9DAFF, 0x00B9DAFF, 0x00ADCBEE, 0x0095AFCD, 0x0065778B, 0x003F85CD, 0x00CBC0FF,
    0x00C5B5FF, 0x00B8A9EE, 0x009E91CD, 0x006C638B, 0x00DDA0DD, 0x00FFBBFF, 0x00EEAEEE, 0x00CD96CD,
    0x008B668B, 0x00E6E0B0, 0x00FF309B, 0x00EE2C91, 0x00CD267D, 0x008B1A55, 0x00993366, 0x000000FF,
    0x000000EE, 0x000000CD, 0x0000008B, 0x008F8FBC, 0x00C1C1FF, 0x00B4B4EE, 0x009B9BCD, 0x0069698B,
    0x00E16941, 0x00FF7648, 0x00EE6E43, 0x00CD5F3A, 0x008B4027, 0x0013458B, 0x007280FA, 0x00698CFF,
    0x006282EE, 0x005470CD, 0x00394C8B, 0x0060A4F4, 0x00578B2E, 0x009FFF54, 0x0094EE4E, 0x0080CD43,
    0x00578B2E, 0x00EEF5FF, 0x00EEF5FF, 0x00DEE5EE, 0x00BFC5CD, 0x0082868B, 0x002D52A0, 0x004782FF,
    0x004279EE, 0x003968CD, 0x0026478B, 0x00F0CAA6, 0x00EBCE87, 0x00EEC07E, 0x00CDA66C, 0x008B704A,
    0x00CD5A6A, 0x00FF6F83, 0x00EE677A, 0x00CD5969, 0x008B3C47, 0x00908070, 0x00FFE2C6, 0x00EED3B9,
    0x00CDB69F, 0x008B7B6C, 0x00FAFAFF, 0x00FAFAFF, 0x00E9E9EE, 0x00C9C9CD, 0x0089898B, 0x007FFF00,
    0x007FFF00, 0x0076EE00, 0x0066CD00, 0x00458B00, 0x00B48246, 0x00FFB863, 0x00EEAC5C, 0x00CD944F,
    0x008B6436, 0x008CB4D2, 0x004FA5FF, 0x00499AEE, 0x003F85CD, 0x002B5A8B, 0x00D8BFD8, 0x00FFE1FF,
    0x00EED2EE, 0x00CDB5CD, 0x008B7B8B, 0x004763FF, 0x004763FF, 0x00425CEE, 0x00394FCD, 0x0026368B,
    0x00D0E040, 0x00FFF500, 0x00EEE500, 0x00CDC500, 0x008B8600, 0x00EE82EE, 0x009020D0, 0x00963EFF,
    0x008C3AEE, 0x007832CD, 0x0052228B, 0x00808080, 0x00008000, 0x00000080, 0x00800080, 0x00B3DEF5,
    0x00BAE7FF, 0x00AED8EE, 0x0096BACD, 0x00667E8B, 0x00F5F5F5, 0x0000FFFF, 0x0000EEEE, 0x0000CDCD,
    0x00008B8B, 0x0032CD9A,
}};

// X11Colors
//
// The 145 values of the X11 colour set, index 0 .. 144, in the order of their
// names AliceBlue, AntiqueWhite, Aqua, ..., WhiteSmoke, Yellow, YellowGreen;
// each is the value of that name in AllKVOColors.
inline constexpr std::array<TColor, 145> X11Colors{{
    0x00FFF8F0, 0x00D7EBFA, 0x00FFFF00, 0x00D4FF7F, 0x00FFFFF0, 0x00DCF5F5, 0x00C4E4FF, 0x00000000,
    0x00CDEBFF, 0x00FF0000, 0x00E22B8A, 0x002A2AA5, 0x0087B8DE, 0x00A09E5F, 0x0000FF7F, 0x001E69D2,
    0x00507FFF, 0x00ED9564, 0x00DCF8FF, 0x003C14DC, 0x00FFFF00, 0x008B0000, 0x008B8B00, 0x000B86B8,
    0x00A9A9A9, 0x00006400, 0x006BB7BD, 0x008B008B, 0x002F6B55, 0x00008CFF, 0x00CC3299, 0x0000008B,
    0x007A96E9, 0x008FBC8F, 0x008B3D48, 0x004F4F2F, 0x00D1CE00, 0x00D30094, 0x009314FF, 0x00FFBF00,
    0x00696969, 0x00FF901E, 0x002222B2, 0x00F0FAFF, 0x00228B22, 0x00FF00FF, 0x00DCDCDC, 0x00FFF8F8,
    0x0000D7FF, 0x0020A5DA, 0x00808080, 0x00008000, 0x002FFFAD, 0x00F0FFF0, 0x00B469FF, 0x005C5CCD,
    0x0082004B, 0x00F0FFFF, 0x008CE6F0, 0x00FAE6E6, 0x00F5F0FF, 0x0000FC7C, 0x00CDFAFF, 0x00E6D8AD,
    0x008080F0, 0x00FFFFE0, 0x0082DDEE, 0x00D3D3D3, 0x0090EE90, 0x00C1B6FF, 0x007AA0FF, 0x00AAB220,
    0x00FACE87, 0x00FF7084, 0x00998877, 0x00DEC4B0, 0x00E0FFFF, 0x0000FF00, 0x0032CD32, 0x00E6F0FA,
    0x00FF00FF, 0x00000080, 0x00AACD66, 0x00CD0000, 0x00D355BA, 0x00DB7093, 0x0071B33C, 0x00EE687B,
    0x009AFA00, 0x00CCD148, 0x008515C7, 0x00701919, 0x00FAFFF5, 0x00E1E4FF, 0x00B5E4FF, 0x00ADDEFF,
    0x00800000, 0x00E6F5FD, 0x00008080, 0x00238E6B, 0x0000A5FF, 0x000045FF, 0x00D670DA, 0x00AAE8EE,
    0x0098FB98, 0x00EEEEAF, 0x009370DB, 0x00D5EFFF, 0x00B9DAFF, 0x003F85CD, 0x00CBC0FF, 0x00DDA0DD,
    0x00E6E0B0, 0x00800080, 0x00993366, 0x000000FF, 0x008F8FBC, 0x00E16941, 0x0013458B, 0x007280FA,
    0x0060A4F4, 0x00578B2E, 0x00EEF5FF, 0x002D52A0, 0x00C0C0C0, 0x00F0CAA6, 0x00CD5A6A, 0x00908070,
    0x00FAFAFF, 0x007FFF00, 0x00B48246, 0x008CB4D2, 0x00D8BFD8, 0x004763FF, 0x00D0E040, 0x00EE82EE,
    0x00808080, 0x00008000, 0x00000080, 0x00800080, 0x00B3DEF5, 0x00FFFFFF, 0x00F5F5F5, 0x0000FFFF,
    0x0032CD9A,
}};

// ObtainColorName
//
// The name of the colour: the name at the lowest index of AllKVOColors whose
// value equals the whole 32-bit Color, or else ColorToHexStr(Color) (eight
// upper-case hexadecimal digits). 0x00FFFF00 gives "Aqua" (never "Cyan"), a
// system colour 0xFF00000F gives "FF00000F", 0x00123456 gives "00123456".
String ObtainColorName(TColor Color);

// FindKVOColorName
//
// The index (0 .. 465) of a name in AllKVOColorNames, comparing ASCII
// letters case-insensitively, or -1 when there is no such name. The reverse
// of ObtainColorName for names.
int32_t FindKVOColorName(StringView Name);

}  // namespace kvo
