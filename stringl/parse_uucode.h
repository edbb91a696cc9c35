// uuencoding of strings in the classic uuencode line format, so that the
// text can travel through channels that carry only printable ASCII and can
// be read by other uudecode implementations.
//
// Line format: a length character (32 + number of bytes in the line, at
// most 45 bytes per line), then 4 characters for every 3 bytes (the last
// group padded with zero bytes), each character 32 + a 6-bit value.
#pragma once

#include "platform/strings.h"

namespace kvo {

// UUEncodeStr
//
// The uuencoded body of `text`: lines of at most 45 bytes (61 characters),
// each ended by a line feed, followed by the zero-length line "`" and a
// line feed. A 6-bit value of 0, the length of the closing line included,
// is written as '`' (backtick) rather than as a blank, so that the text
// holds no blanks that mail or editors could strip. The empty text gives
// "`\n" alone. Put "begin 644 NAME\n" in front and "end\n" behind to get a
// file that the uudecode program reads.
// The bytes encoded: a text whose characters are all codes 0 ... 255 is
// taken one byte per character (binary data held in a string, Latin-1 text);
// a text with any character above 255 is encoded as its UTF-8 form, so that
// nothing is lost (FromUtf8 of the decoded bytes gives the text back).
//   UUEncodeStr(u"Cat") == u"#0V%T\n`\n"
String UUEncodeStr(StringView text);

// UUDecodeStr
//
// Decodes a uuencoded text, one character per decoded byte (each byte b
// becomes the character with code b), and never fails:
//   - lines end at LF, CR LF or a lone CR; empty lines are skipped;
//   - when the first non-empty line begins with "begin " it is a header and
//     is skipped;
//   - the data ends at a line of length 0 (its length character ' ' or '`'),
//     at a line "end" or at the end of the text;
//   - as classic decoders do, a character's value is (code - 32) mod 64, so
//     both ' ' and '`' give 0 and no character is rejected; a line shorter
//     than its length character says (trailing blanks stripped in transit)
//     is read as if padded with zeros; characters beyond the stated length
//     are ignored.
//   UUDecodeStr(u"begin 644 x\n#0V%T\n`\nend\n") == u"Cat"
String UUDecodeStr(StringView text);

}  // namespace kvo
