// Character classes of the string library.
//
// All classes are ASCII only (plus the seven German umlauts of IsUmlaut):
// characters outside them, including every character above 127, are not
// digits, letters or hexadecimal digits.
#pragma once

#include "platform/strings.h"

namespace kvo {

// IsDigit
//
// True for '0' ... '9'.
constexpr bool IsDigit(Char c) { return c >= u'0' && c <= u'9'; }

// IsLetter
//
// True for the ASCII letters 'A' ... 'Z' and 'a' ... 'z' only.
constexpr bool IsLetter(Char c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// IsDigitLetter
//
// True for an ASCII digit or letter.
constexpr bool IsDigitLetter(Char c) { return IsDigit(c) || IsLetter(c); }

// IsHexChar
//
// True for '0' ... '9', 'A' ... 'F' and 'a' ... 'f'.
constexpr bool IsHexChar(Char c) {
  return IsDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// IsUmlaut
//
// True for the seven characters of "äöüÄÖÜß" (codes 228, 246, 252, 196, 214,
// 220, 223).
constexpr bool IsUmlaut(Char c) {
  return c == 228 || c == 246 || c == 252 || c == 196 || c == 214 || c == 220 || c == 223;
}

}  // namespace kvo
