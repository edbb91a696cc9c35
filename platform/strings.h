// Text types of the library and conversions between encodings.
//
// The library's strings are UTF-16 (`String`, one `Char` per code unit).
// Short strings of 8-bit characters are `std::string`, each byte a Latin-1
// character. These helpers convert between the two and to and from UTF-8,
// the encoding the operating system uses for file names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kvo {

using Char = char16_t;
using String = std::u16string;
using StringView = std::u16string_view;

// ToUtf8
//
// Encodes UTF-16 text as UTF-8. A surrogate pair becomes one four-byte
// sequence; a lone surrogate (not valid UTF-16) is written as U+FFFD so that
// the result is always valid UTF-8.
std::string ToUtf8(StringView s);

// AppendUtf8
//
// Appends the UTF-8 form of one code point (at most U+10FFFF) to out.
void AppendUtf8(std::string& out, uint32_t codePoint);

// FromUtf8
//
// Decodes UTF-8 text. A byte that does not start a valid, shortest-form
// sequence is taken as the Latin-1 character of that byte, so text written
// by older 8-bit programs still reads. Code points above U+FFFF become
// surrogate pairs.
String FromUtf8(std::string_view s);

// ToLatin1
//
// One byte per character: the low 8 bits of each UTF-16 code unit. This is
// the byte-per-character rule of the stream helpers; characters above 255
// are therefore not preserved.
std::string ToLatin1(StringView s);

// FromLatin1
//
// Each byte b becomes the character with code b.
String FromLatin1(std::string_view s);

}  // namespace kvo
