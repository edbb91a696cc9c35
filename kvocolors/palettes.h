// The predefined and system colours, and the ready-made palettes.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "platform/graphics_types.h"
#include "platform/strings.h"

namespace kvo {

namespace colors_detail {
// A colour from its unsigned 32-bit pattern (system colours have bit 31 set).
constexpr TColor ColorOf(uint32_t v) { return static_cast<TColor>(v); }
}  // namespace colors_detail

// PredefinedColors
//
// 47 values, index 0 .. 46: the 20 colours Black, Maroon, Green, Olive, Navy,
// Purple, Teal, Gray, Silver, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White,
// MoneyGreen, SkyBlue, Cream, MedGray (their values in AllKVOColors), then
// the system colours (high byte 0xFF, low byte the system colour index) and
// the two special values "default colour" (index 29, 0x20000000) and
// "no colour" (index 40, 0x1FFFFFFF).
inline constexpr std::array<TColor, 47> PredefinedColors{{
    0x00000000, 0x00000080, 0x00008000, 0x00008080, 0x00800000, 0x00800080, 0x00808000, 0x00808080,
    0x00C0C0C0, 0x000000FF, 0x0000FF00, 0x0000FFFF, 0x00FF0000, 0x00FF00FF, 0x00FFFF00, 0x00FFFFFF,
    0x00C0DCC0, 0x00F0CAA6, 0x00F0FBFF, 0x00A4A0A0,
    colors_detail::ColorOf(0xFF00000A),  // 20 active border
    colors_detail::ColorOf(0xFF000002),  // 21 active caption
    colors_detail::ColorOf(0xFF00000C),  // 22 application workspace
    colors_detail::ColorOf(0xFF000001),  // 23 desktop background
    colors_detail::ColorOf(0xFF00000F),  // 24 button face
    colors_detail::ColorOf(0xFF000014),  // 25 button highlight
    colors_detail::ColorOf(0xFF000010),  // 26 button shadow
    colors_detail::ColorOf(0xFF000012),  // 27 button text
    colors_detail::ColorOf(0xFF000009),  // 28 caption text
    colors_detail::ColorOf(0x20000000),  // 29 default colour
    colors_detail::ColorOf(0xFF000011),  // 30 gray text
    colors_detail::ColorOf(0xFF00000D),  // 31 highlight
    colors_detail::ColorOf(0xFF00000E),  // 32 highlight text
    colors_detail::ColorOf(0xFF00000B),  // 33 inactive border
    colors_detail::ColorOf(0xFF000003),  // 34 inactive caption
    colors_detail::ColorOf(0xFF000013),  // 35 inactive caption text
    colors_detail::ColorOf(0xFF000018),  // 36 tooltip background
    colors_detail::ColorOf(0xFF000017),  // 37 tooltip text
    colors_detail::ColorOf(0xFF000004),  // 38 menu
    colors_detail::ColorOf(0xFF000007),  // 39 menu text
    colors_detail::ColorOf(0x1FFFFFFF),  // 40 no colour
    colors_detail::ColorOf(0xFF000000),  // 41 scroll bar
    colors_detail::ColorOf(0xFF000015),  // 42 3D dark shadow
    colors_detail::ColorOf(0xFF000016),  // 43 3D light
    colors_detail::ColorOf(0xFF000005),  // 44 window
    colors_detail::ColorOf(0xFF000006),  // 45 window frame
    colors_detail::ColorOf(0xFF000008),  // 46 window text
}};

// The ready-made palettes, as lists of colours (0x00BBGGRR) for
// TColorArray::FillByInterpolation.
inline constexpr std::array<TColor, 11> ColorArray_Geo1{{0xDED2BD, 0x639F63, 0x89BA88, 0xA7CFAD, 0xC5E5D2,
                                                         0xCBF1F5, 0x96CEEA, 0x6CAED8, 0x3586BD, 0x426594,
                                                         0xF0FAFC}};
inline constexpr std::array<TColor, 11> ColorArray_Geo2{{0xDFAE7F, 0xDEB68C, 0xE3BE9B, 0xE2C9AD, 0xDCCCBB,
                                                         0x90BBAC, 0x99C9C6, 0xA4D7DA, 0xA1C8DA, 0x9AB6C5,
                                                         0x96ACC8}};
inline constexpr std::array<TColor, 11> ColorArray_Geo3{{0xFF8A2B, 0xFF9C43, 0xFFAF61, 0xFFCA89, 0xF9D1A8,
                                                         0x4AA885, 0x5DCAC2, 0x74EDF4, 0x6DC7F4, 0x5F9CC0,
                                                         0x5685C7}};
inline constexpr std::array<TColor, 11> ColorArray_Rainbow{{0x400020, 0x800060, 0xEF1200, 0xF56E00, 0xFFF400,
                                                            0x00FF18, 0x00F6FF, 0x00C1FF, 0x0013FF, 0x00008D,
                                                            0x000040}};
inline constexpr std::array<TColor, 7> ColorArray_Circle{{0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000,
                                                          0xFF00FF, 0x0000FF}};
inline constexpr std::array<TColor, 7> ColorArray_MorgenStemning{{0x000000, 0x4E2F0E, 0x742880, 0x711BC2,
                                                                  0x4C61EF, 0x2AFBFF, 0xFFFFFF}};
inline constexpr std::array<TColor, 16> ColorArray_Contrast{{0x000000, 0xFF0000, 0x008000, 0x0000FF, 0x0080FF,
                                                             0x808080, 0x404080, 0xFF00FF, 0x800000, 0x00FF00,
                                                             0xC5CD18, 0x808000, 0xFF0080, 0x41E1EE, 0x800080,
                                                             0x8000FF}};

// TReadyMadePalette, ReadyMadePalettes
//
// The seven ready-made palettes by name ("Geo1", "Geo2", "Geo3", "Rainbow",
// "Circle", "MorgenStemning", "Contrast"), for listing and lookup by name.
struct TReadyMadePalette {
  StringView Name;
  std::span<const TColor> Colors;
};
inline constexpr std::array<TReadyMadePalette, 7> ReadyMadePalettes{{
    {u"Geo1", ColorArray_Geo1},
    {u"Geo2", ColorArray_Geo2},
    {u"Geo3", ColorArray_Geo3},
    {u"Rainbow", ColorArray_Rainbow},
    {u"Circle", ColorArray_Circle},
    {u"MorgenStemning", ColorArray_MorgenStemning},
    {u"Contrast", ColorArray_Contrast},
}};

}  // namespace kvo
