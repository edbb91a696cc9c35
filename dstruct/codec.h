// Stream codecs that turn bytes into printable text and back: Base64 with
// the standard alphabet of RFC 4648 and optional line breaks, and an ASCII85
// variant with the "z" shorthand and the "~>" end mark.
//
// Each function reads its source stream from the current position to the
// end (until a read returns 0) and writes to the destination stream at its
// position. Errors of the streams themselves (EReadError, EWriteError, ...)
// pass through; a null stream raises EKVODStructError "<function>: no
// stream". Memory use is fixed (buffers of 64 KiB), whatever the length.
//
// Decoders accept any input: they never read or write out of bounds and
// report unusable text by their result.
#pragma once

#include <cstdint>

#include "platform/streams.h"

namespace kvo {

// EncodeBase64
//
// Encodes the source in lines of 45 input bytes: each line is the RFC 4648
// encoding of its bytes (60 characters; the last line shorter, with "="
// padding to a multiple of four), followed by CR LF when lineBreaks is set.
// Empty input gives empty output; an input whose length is a multiple of 45
// ends with a full line. Without line breaks the output is the plain
// RFC 4648 encoding of the whole input.
void EncodeBase64(TStream* source, TStream* dest, bool lineBreaks);

// DecodeBase64
//
// Decodes Base64 text. CR and LF are skipped wherever they stand; the rest
// is taken in groups of four characters c1 ... c4 with table values
// p, q, r, s: the bytes are (4p + q div 16) mod 256, then, unless c3 is "=",
// (16q + r div 4) mod 256, then, unless c4 is "=" (or c3 is), (64r + s)
// mod 256. Characters between "+" and "z" that are not in the alphabet
// (such as "=" in the first two places, or "[") count as the value 127 and
// are not rejected; groups after a padded group are decoded as well.
//
// Result 0: everything decoded. Result -1: a character outside "+" ... "z"
// (a blank, a tab, a control or 8-bit character, "{"): decoding stops at the
// group holding it. The output is written in blocks of 22 groups (88
// characters without line breaks); the bytes of the block holding the bad
// group are not written, those of earlier blocks are.
//
// Decision (incomplete final group): when the characters end with 1 to 3
// characters after the last full group, the missing characters count as
// "=": two characters give one byte, three give two bytes (one when the
// third is "="), a lone character gives nothing. This decodes unpadded
// Base64 text. The characters of the incomplete group are checked like any
// other: one outside "+" ... "z" gives -1.
int32_t DecodeBase64(TStream* source, TStream* dest);

// EncodeASCII85
//
// Encodes the source in groups of four bytes. Four zero bytes become "z".
// Any other group of n bytes (4, or 1 to 3 for the last group) is taken as
// the big-endian number v of those n bytes and written as the n + 1 base-85
// digits of v, most significant first, each as the character 33 + digit; a
// short last group is not zero-padded (the byte 0x41 gives "!b"). After
// every 12th group written this way (groups written as "z" do not count) CR
// LF follows when lineBreaks is set. The output ends with "~>"; no start
// mark is written. Empty input gives "~>".
void EncodeASCII85(TStream* source, TStream* dest, bool lineBreaks);

// DecodeASCII85
//
// Decodes the encoder's text. CR and LF are skipped. A "z" at the start of
// a group gives four zero bytes. Otherwise up to five characters form a
// group; a "~" ends the group before it and ends decoding (what follows,
// normally ">", is not read). A group of k characters gives k - 1 bytes:
// the lowest k - 1 bytes of v, most significant first, where v is the
// digits (character - 33) read as a base-85 number modulo 2^32. A lone
// character gives nothing.
//
// Result 0: no bad character. A character outside "!" ... "u" inside a group
// does not stop decoding (its digit is its code - 33, modulo 2^32) but makes
// the result -1, or -2 when it is a "z"; the last bad character decides.
//
// Decision (no end mark): text that ends without "~" ends as if "~" followed
// the last character: a group cut short by the end of the text gives k - 1
// bytes like any short group, and the result is 0 unless a bad character
// was seen.
int32_t DecodeASCII85(TStream* source, TStream* dest);

}  // namespace kvo
