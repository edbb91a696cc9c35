// Small value types of the graphics layer: colour values, device points,
// horizontal alignment, font styles and line styles.
//
// These are the graphics types that the library's settings objects store and
// copy. The canvas, pen, brush and font classes that use them are built on
// top of this header.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace kvo {

// TColor
//
// A colour value laid out as 0x00BBGGRR: bits 0-7 red, 8-15 green, 16-23
// blue. A value whose high byte is 0xFF is a system colour (its low byte a
// system colour index); as a signed 32-bit value such a colour is negative.
// 0x1FFFFFFF stands for "no colour" and 0x20000000 for "the default colour".
using TColor = int32_t;

// TPoint
//
// A point in device pixels.
struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;

  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

// TAlignment
//
// Horizontal alignment of text.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

// TFontStyle
//
// One style flag of a font; a font's style is a set of them (TFontStyles).
enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// TFontStyles
//
// A set of TFontStyle flags, one bit per flag (bit n for the flag with
// ordinal n), so the set is one byte. Built from a brace list:
//   TFontStyles s{fsBold, fsItalic};  s.Contains(fsBold) == true
// Bits() gives the raw byte; FromBits() keeps only the four defined bits, so
// a set never holds a flag outside TFontStyle.
class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(std::initializer_list<TFontStyle> styles) {
    for (TFontStyle s : styles) Include(s);
  }

  static constexpr TFontStyles FromBits(uint8_t bits) {
    TFontStyles r;
    r.FBits = static_cast<uint8_t>(bits & kAllBits);
    return r;
  }
  constexpr uint8_t Bits() const { return FBits; }

  // True when the style is in the set; false for a value outside TFontStyle.
  constexpr bool Contains(TFontStyle s) const { return (FBits & Bit(s)) != 0; }
  // Adds / removes one style; a value outside TFontStyle changes nothing.
  constexpr TFontStyles& Include(TFontStyle s) {
    FBits = static_cast<uint8_t>(FBits | Bit(s));
    return *this;
  }
  constexpr TFontStyles& Exclude(TFontStyle s) {
    FBits = static_cast<uint8_t>(FBits & ~Bit(s));
    return *this;
  }
  constexpr bool Empty() const { return FBits == 0; }

  // Union, intersection and difference of two sets.
  friend constexpr TFontStyles operator+(TFontStyles a, TFontStyles b) {
    return FromBits(static_cast<uint8_t>(a.FBits | b.FBits));
  }
  friend constexpr TFontStyles operator*(TFontStyles a, TFontStyles b) {
    return FromBits(static_cast<uint8_t>(a.FBits & b.FBits));
  }
  friend constexpr TFontStyles operator-(TFontStyles a, TFontStyles b) {
    return FromBits(static_cast<uint8_t>(a.FBits & ~b.FBits));
  }
  friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

 private:
  static constexpr uint8_t kAllBits = 0x0F;
  static constexpr uint8_t Bit(TFontStyle s) {
    return s <= fsStrikeOut ? static_cast<uint8_t>(1u << s) : uint8_t{0};
  }
  uint8_t FBits = 0;
};

// TPenStyle
//
// Line style of a pen: solid, dashed, dotted, dash-dot, dash-dot-dot,
// invisible, and solid drawn inside the frame of a closed figure.
enum TPenStyle : uint8_t {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame
};

}  // namespace kvo
