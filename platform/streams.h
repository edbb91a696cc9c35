// Byte streams: the abstract TStream, streams over file descriptors and
// files, memory streams and string streams.
//
// A stream is a sequence of bytes with a current position (a 64-bit byte
// offset from the start). Read and Write move the position by the bytes they
// transfer; ReadBuffer and WriteBuffer insist on the whole count. Positions
// past the end are allowed: reading there gives nothing, writing there first
// fills the gap with zero bytes (memory streams) or leaves a hole (files).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes.h"
#include "platform/strings.h"

namespace kvo {

// Origin of a Seek offset.
enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

// Mode words of TFileStream: one access mode (the low two bits) or fmCreate,
// combined (bitwise or) with at most one sharing flag.
inline constexpr uint16_t fmCreate = 0xFF00;
inline constexpr uint16_t fmOpenRead = 0x0000;
inline constexpr uint16_t fmOpenWrite = 0x0001;
inline constexpr uint16_t fmOpenReadWrite = 0x0002;
inline constexpr uint16_t fmShareCompat = 0x0000;
inline constexpr uint16_t fmShareExclusive = 0x0010;
inline constexpr uint16_t fmShareDenyWrite = 0x0020;
inline constexpr uint16_t fmShareDenyRead = 0x0030;
inline constexpr uint16_t fmShareDenyNone = 0x0040;

class TStream : public TObject {
 public:
  // Read
  //
  // Reads up to Count bytes into Buffer and returns how many were read: fewer
  // than Count only at the end of the stream, 0 there (and for Count <= 0).
  // An operating-system failure raises EReadError
  // "Stream read error. <reason>" instead of looking like the end.
  virtual int32_t Read(void* Buffer, int32_t Count) = 0;

  // Write
  //
  // Writes up to Count bytes from Buffer at the position and returns how many
  // were written (0 for Count <= 0). An operating-system failure raises
  // EWriteError "Stream write error. <reason>".
  virtual int32_t Write(const void* Buffer, int32_t Count) = 0;

  // Seek
  //
  // Moves the position to Offset relative to Origin and returns the new
  // position. A resulting position below 0 raises EStreamError
  // "Invalid stream position" and leaves the position as it was.
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  // ReadBuffer
  //
  // Reads exactly Count bytes. When fewer can be read, the bytes that could
  // be read are stored, the position stays behind them, and EReadError
  // "Stream read error" is raised.
  void ReadBuffer(void* Buffer, int32_t Count);

  // WriteBuffer
  //
  // Writes exactly Count bytes (Count <= 0 writes nothing); raises
  // EWriteError "Stream write error" when not all of them could be written.
  void WriteBuffer(const void* Buffer, int32_t Count);

  // Position, SetPosition
  //
  // The current byte offset from the start. Reading it does not change the
  // stream. SetPosition(p) is Seek(p, soBeginning).
  int64_t Position() const;
  void SetPosition(int64_t Pos);

  // Size
  //
  // The length of the stream in bytes.
  virtual int64_t Size() const;

  // SetSize
  //
  // Truncates or extends the stream (new bytes are zero). The position is
  // kept, except that a position beyond the new end moves to the new end.
  // The base class cannot resize and raises EStreamError
  // "Stream size cannot be changed"; a failure of the operating system
  // raises EStreamError "Cannot set stream size. <reason>".
  virtual void SetSize(int64_t NewSize);

  // CopyFrom
  //
  // Copies Count bytes from Source's position into this stream and returns
  // the count copied. Count <= 0 copies the whole of Source from its start
  // (Source is rewound first). When Source holds fewer than Count bytes the
  // available bytes are copied and EReadError is raised.
  int64_t CopyFrom(TStream* Source, int64_t Count);
};

// THandleStream
//
// A stream over an open file descriptor, which it does not own (the caller
// closes it). Reading and writing go straight to the operating system.
class THandleStream : public TStream {
 public:
  explicit THandleStream(int AHandle) : FHandle(AHandle) {}
  int Handle() const { return FHandle; }

  int32_t Read(void* Buffer, int32_t Count) override;
  int32_t Write(const void* Buffer, int32_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() const override;
  void SetSize(int64_t NewSize) override;

 protected:
  int FHandle;
};

// TFileStream
//
// Opens or creates a named file and closes it when destroyed. The name is
// converted to UTF-8 for the operating system.
//
// Mode: fmCreate creates the file or truncates an existing one, for reading
// and writing; otherwise the low two bits select fmOpenRead, fmOpenWrite or
// fmOpenReadWrite of an existing file (3 is invalid). Files are created with
// permissions 0666 less the process umask.
//
// Sharing on Linux: the sharing flags become advisory locks (flock), which
// bind only other streams that also ask for sharing rules:
// fmShareExclusive and fmShareDenyRead take an exclusive lock,
// fmShareDenyWrite a shared lock, fmShareCompat and fmShareDenyNone no lock.
// So two fmShareDenyWrite readers coexist, while an fmShareExclusive open
// fails as long as any locked stream holds the file (and the reverse). A
// file system without lock support opens the file without a lock.
//
// Errors: EFOpenError "Cannot open file \"<name>\". <reason>" (also for a
// directory, an invalid mode, or a lock held by another stream) and, with
// fmCreate, EFCreateError "Cannot create file \"<name>\". <reason>".
class TFileStream : public THandleStream {
 public:
  TFileStream(const String& AFileName, uint16_t Mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  const String& FileName() const { return FFileName; }

 private:
  String FFileName;
};

// TMemoryStream
//
// A stream held in memory. Memory() points at its Size() bytes (it may move
// when the stream grows). Running out of memory raises EOutOfMemory.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;

  int32_t Read(void* Buffer, int32_t Count) override;
  int32_t Write(const void* Buffer, int32_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() const override { return static_cast<int64_t>(FData.size()); }
  void SetSize(int64_t NewSize) override;

  uint8_t* Memory() { return FData.data(); }
  const uint8_t* Memory() const { return FData.data(); }

  // Clear
  //
  // Empties the stream and sets the position to 0.
  void Clear();

  // LoadFromStream, LoadFromFile
  //
  // Replace the contents by the whole of Stream (read from its start) or of
  // the named file, and set the position to 0. A failure raises the source's
  // exception (EFOpenError for a file that cannot be opened).
  void LoadFromStream(TStream* Stream);
  void LoadFromFile(const String& FileName);

  // SaveToStream, SaveToFile
  //
  // Write all bytes (from offset 0 to Size) to Stream at its position, or to
  // the named file, which is created or truncated. The own position does not
  // change.
  void SaveToStream(TStream* Stream) const;
  void SaveToFile(const String& FileName) const;

 protected:
  std::vector<uint8_t> FData;
  int64_t FPosition = 0;
};

// Encodings of text in a TStringStream.
enum TTextEncoding : uint8_t { teLatin1, teUtf8, teUtf16LE };

// TStringStream
//
// A memory stream made from text. It holds bytes; the encoding says how its
// text is turned into bytes and back: teLatin1 one byte per character (the
// low 8 bits, as the byte-per-character stream helpers do), teUtf8, or
// teUtf16LE (two bytes per character, low byte first, the form read by a
// UTF-16 stream reader). The default is teUtf8. The position starts at 0.
class TStringStream : public TMemoryStream {
 public:
  explicit TStringStream(TTextEncoding AEncoding = teUtf8) : FEncoding(AEncoding) {}
  // The bytes of Bytes, unchanged.
  explicit TStringStream(std::string_view Bytes, TTextEncoding AEncoding = teUtf8);
  // The text encoded as AEncoding says.
  explicit TStringStream(const String& Text, TTextEncoding AEncoding = teUtf8);

  TTextEncoding Encoding() const { return FEncoding; }

  // DataString
  //
  // All bytes of the stream, whatever the position.
  std::string DataString() const;

  // DataText
  //
  // All bytes decoded with the stream's encoding (UTF-8 with the Latin-1
  // fallback of FromUtf8; an odd last byte of UTF-16 is dropped).
  String DataText() const;

  // WriteString
  //
  // Encodes Text with the stream's encoding and writes it at the position.
  void WriteString(const String& Text);

 private:
  TTextEncoding FEncoding;
};

}  // namespace kvo
