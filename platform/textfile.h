// TTextFile: buffered text files, read and written line by line or
// character by character.
//
// Encoding: characters are written as UTF-8. Reading decodes UTF-8; a byte
// that is not part of a valid, shortest-form sequence is taken as the
// Latin-1 character of that byte (exactly as FromUtf8 decodes the whole
// file), so files of older 8-bit programs still read. A character above
// U+FFFF is delivered as its two UTF-16 code units. A UTF-8 byte-order mark
// at the very start of a file opened with Reset is skipped; no mark is ever
// written.
//
// Line ends: WriteLn ends a line with CR LF. Reading takes LF, CR LF and a
// lone CR as one line end each. ReadChar delivers line ends as the
// characters they are (CR and LF).
//
// Errors raise EInOutError. Its ErrorCode() is the operating system's errno
// value where the system failed (2 no such file, 13 permission denied, 21 is
// a directory, ...), or one of the codes below. Messages:
// "Cannot open file \"<name>\". <reason>" (Reset, Append),
// "Cannot create file \"<name>\". <reason>" (Rewrite), otherwise
// "<reason> (file \"<name>\")".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/strings.h"

namespace kvo {

// Error codes of our own (see EInOutError).
inline constexpr int ioReadBeyondEof = 100;     // no number before the end of the file
inline constexpr int ioFileNotOpen = 103;       // the file is closed
inline constexpr int ioNotOpenForInput = 104;   // reading a file open for writing
inline constexpr int ioNotOpenForOutput = 105;  // writing a file open for reading
inline constexpr int ioInvalidNumber = 106;     // the text read is not a number

// How a text file is open.
enum TTextFileMode : uint8_t { tmClosed, tmInput, tmOutput };

class TTextFile {
 public:
  // Read and write buffer size in bytes.
  static constexpr size_t BufferSize = 65536;

  TTextFile() = default;
  // The same as AssignFile(FileName) on a new object.
  explicit TTextFile(const String& FileName) : FFileName(FileName) {}
  // Closes an open file; errors of that last flush are swallowed (call
  // Close to see them).
  ~TTextFile();
  TTextFile(const TTextFile&) = delete;
  TTextFile& operator=(const TTextFile&) = delete;

  // AssignFile
  //
  // Names the file for the next Reset, Rewrite or Append. An open file is
  // closed first (as Close does, errors included).
  void AssignFile(const String& FileName);
  const String& FileName() const { return FFileName; }

  TTextFileMode Mode() const { return FMode; }
  bool IsOpen() const { return FMode != tmClosed; }

  // Reset
  //
  // Opens the file for reading from its start. On an open file it closes it
  // first, so Reset also rewinds.
  void Reset();

  // Rewrite
  //
  // Creates the file, or truncates an existing one, and opens it for
  // writing (permissions 0666 less the umask). Closes an open file first.
  void Rewrite();

  // Append
  //
  // Opens an existing file for writing at its end; a missing file raises
  // (errno 2). Closes an open file first.
  void Append();

  // Close
  //
  // Writes what is buffered and closes the file. Raises ioFileNotOpen when
  // the file is not open. After a failed flush the file is closed all the
  // same (the unwritten text is lost, and the error is raised).
  void Close();

  // ReadLn
  //
  // Reads the characters up to the next line end, consumes the line end and
  // returns the characters. At the end of the file it returns an empty
  // string (no error), so a file's last line needs no line end.
  String ReadLn();

  // ReadChar
  //
  // Reads one character (one UTF-16 code unit), line-end characters
  // included. At the end of the file it returns Ctrl-Z (U+001A), as the
  // other platform does, without an error.
  Char ReadChar();

  // ReadInteger
  //
  // The numeric text input: skips blanks, tabs and line ends (CR, LF), then
  // reads a token up to the next blank, tab, line end or the end of the
  // file, and converts it. A token is an optional "+" or "-" followed by
  // decimal digits (range -2147483648 to 2147483647), or by "$", "0x" or
  // "0X" and at most 32 bits of hexadecimal digits (taken as a two's
  // complement 32-bit value, so $FFFFFFFF is -1). A token that is anything
  // else ("12a", "1.5", an out-of-range value, more than 255 characters)
  // is consumed and raises
  // ioInvalidNumber; reaching the end of the file before any token raises
  // ioReadBeyondEof. The character that ended the token is not consumed.
  int32_t ReadInteger();

  // ReadDouble
  //
  // Like ReadInteger for a floating-point token: an optional sign, digits
  // with an optional "." and fraction (at least one digit before or after
  // the point), and an optional exponent "e" or "E" with an optional sign
  // and at least one digit. The decimal separator is always "."; no locale
  // is consulted. A value too large for a double raises ioInvalidNumber; a
  // value too small for one gives 0 (or the nearest subnormal).
  double ReadDouble();

  // Eof
  //
  // True when nothing more can be read. For a file open for writing it is
  // true (nothing to read); a closed file raises ioFileNotOpen.
  bool Eof();

  // Eoln
  //
  // True when the next character is CR or LF, or at the end of the file.
  // True for a file open for writing; a closed file raises ioFileNotOpen.
  bool Eoln();

  // SeekEof
  //
  // Skips blanks, tabs and line ends, then returns Eof().
  bool SeekEof();

  // SeekEoln
  //
  // Skips blanks and tabs (not line ends), then returns Eoln().
  bool SeekEoln();

  // Write
  //
  // Writes the text as UTF-8. A surrogate pair split across two calls is
  // still written as one character; a surrogate without its partner becomes
  // U+FFFD. Raises ioNotOpenForOutput on a file open for reading and
  // ioFileNotOpen on a closed one.
  void Write(StringView Text);
  void Write(Char C) { Write(StringView(&C, 1)); }

  // WriteLn
  //
  // Writes the text followed by CR LF.
  void WriteLn(StringView Text = StringView());

  // Flush
  //
  // Hands the buffered text to the operating system. Nothing to do for a
  // file open for reading; a closed file raises ioFileNotOpen.
  void Flush();

 private:
  void Open(int flags, bool create);
  void CheckInput();
  void CheckOutput();
  [[noreturn]] void Raise(int code) const;
  bool Refill();               // reads more bytes; false at the end
  bool Fill(size_t need);      // makes `need` bytes available if the file has them
  bool DecodeNext();           // decodes one code point into FQueue
  bool Peek(Char& c);          // next code unit without consuming it
  void Skip() { ++FQIdx; }     // consumes the peeked code unit
  bool ReadToken(std::string& token);
  void FlushBuffer();
  void CloseHandle();

  String FFileName;
  TTextFileMode FMode = tmClosed;
  int FFd = -1;
  // Input: the bytes not yet decoded are FIn[FInPos, FInLen); FQueue holds
  // the code units of the last decoded code point not yet consumed.
  std::vector<unsigned char> FIn;
  size_t FInPos = 0, FInLen = 0;
  bool FInEnd = false;
  Char FQueue[2] = {0, 0};
  int FQLen = 0, FQIdx = 0;
  // Output: encoded bytes not yet written, and a high surrogate waiting for
  // its low half.
  std::string FOut;
  Char FHighSurrogate = 0;
};

}  // namespace kvo
