// Checksums and digests: CRC-16 in two published variants, CRC-32 and SHA-1
// over byte buffers, strings, streams and files, with a hexadecimal
// rendering of the digest.
//
// The algorithms are the published ones:
//   CRC16ofBuffer(.., crcZModem)  CRC-16/XMODEM      ("123456789" -> 0x31C3)
//   CRC16ofBuffer(.., crcCCITT)   CRC-16/CCITT-FALSE ("123456789" -> 0x29B1)
//   CRC32ofBuffer                 CRC-32/ISO-HDLC, as zlib's crc32
//                                 ("123456789" -> 0xCBF43926)
//   SHA1...                       SHA-1 of FIPS 180-4
//
// Speed: the CRCs process 16 bytes per step with slicing tables (the result
// is the same as one table lookup per byte); CRC-32 folds with the carry-less
// multiply instruction and SHA-1 uses the processor's SHA instructions when
// the processor has them, with a portable path otherwise. The choice is made
// once at load time and never changes a result.
//
// Threads: every function here is reentrant; a TSHA1Context is used by one
// thread at a time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "kvobase/types.h"
#include "platform/streams.h"
#include "platform/strings.h"

namespace kvo {

// TCRC16Mode
//
// The CRC-16 variant of CRC16ofBuffer: both use the polynomial 0x1021,
// most significant bit first, without final xor; crcZModem starts from 0
// (CRC-16/XMODEM), crcCCITT from 0xFFFF (CRC-16/CCITT-FALSE).
enum TCRC16Mode : uint8_t { crcZModem, crcCCITT };

// TSHACode
//
// A SHA-1 digest: 20 bytes in the standard order (the first byte is the most
// significant byte of the first state word).
using TSHACode = std::array<uint8_t, 20>;

// ---------------------------------------------------------------- CRC-16

// CalcNextCRC16
//
// One step of the CRC-16 (polynomial 0x1021, MSB first):
// table[(crc >> 8) xor b] xor (crc << 8), kept to 16 bits.
uint16_t CalcNextCRC16(uint8_t b, uint16_t crc);

// CRC16ofBuffer
//
// The CRC-16 of the first `count` bytes of `buffer`, started from 0
// (crcZModem) or 0xFFFF (crcCCITT), returned unchanged (no final xor).
// A count of 0 or less feeds nothing: the result is the start value.
// Decision: a count above buffer.size() is cut to the buffer's length, so a
// wrong count never reads past the buffer. A mode other than the two
// enumerators is taken as crcZModem.
uint16_t CRC16ofBuffer(const TBytes& buffer, int32_t count, TCRC16Mode mode);

// CRC16Update
//
// Feeds `size` bytes at `data` into the running CRC-16 `crc` and returns the
// new running value: the same as CalcNextCRC16 for each byte in order, only
// faster. For checksumming data that arrives in pieces.
uint16_t CRC16Update(uint16_t crc, const void* data, size_t size);

// ---------------------------------------------------------------- CRC-32

// CalcNextCRC32
//
// One step of the reflected CRC-32 (polynomial 0xEDB88320):
// table[(crc xor b) and 0xFF] xor (crc >> 8). The running value is passed
// in and out uncomplemented: start from 0xFFFFFFFF and complement at the end
// to get the published CRC-32.
uint32_t CalcNextCRC32(uint8_t b, uint32_t crc);

// CRC32ofBuffer
//
// The CRC-32 (as zlib's crc32) of the first `count` bytes of `buffer`: start
// from 0xFFFFFFFF, feed the bytes, return the complement. The empty buffer
// (or a count of 0 or less) gives 0.
// Decision: a count above buffer.size() is cut to the buffer's length.
uint32_t CRC32ofBuffer(const TBytes& buffer, int32_t count);

// CRC32Update
//
// Feeds `size` bytes at `data` into the running, uncomplemented CRC-32 `crc`
// and returns the new running value: the same as CalcNextCRC32 for each
// byte in order. ~CRC32Update(0xFFFFFFFF, p, n) is the CRC-32 of the bytes.
uint32_t CRC32Update(uint32_t crc, const void* data, size_t size);

// CalcCRC32ofFile
//
// The CRC-32 of the whole file `fileName`, opened read-only (the file is
// never modified and no process-wide setting changes). Every failure (the
// file cannot be opened, is a directory, or a read fails) gives 0, the same
// value as for an empty file; nothing is raised.
// Decision: the file is read in blocks of 256 KiB rather than 4 KiB, which
// keeps the loop near the speed of a plain read loop; memory use still does
// not depend on the file's size.
uint32_t CalcCRC32ofFile(const String& fileName);

// ---------------------------------------------------------------- SHA-1

// TSHA1Context
//
// A running SHA-1 computation: Update feeds bytes (any number of calls, any
// sizes), Final pads, returns the digest and wipes the state; the context
// then starts again as new. Reset starts over without a result.
class TSHA1Context {
 public:
  TSHA1Context() { Reset(); }
  ~TSHA1Context();
  void Reset();
  void Update(const void* data, size_t size);
  TSHACode Final();

 private:
  uint32_t FState[5];
  uint64_t FCount;  // bytes fed so far
  uint8_t FBuffer[64];
  size_t FBufLen;
};

// SHA1FromString
//
// The digest of the text's UTF-16 form, little-endian, two bytes per
// character (all of them, no terminating zero): a text of n characters is
// hashed as 2n bytes.
TSHACode SHA1FromString(const String& text);

// SHA1FromStream
//
// The digest of the bytes of `stream` from its current position to its end
// (read until a read returns 0); the position ends at the end. Errors of the
// stream pass through. A null stream raises EKVODStructError
// "SHA1FromStream: no stream".
// Decision: the stream is read in blocks of 64 KiB (not 1 KiB), which makes
// hashing a memory or file stream several times faster; memory use is fixed.
TSHACode SHA1FromStream(TStream* stream);

// SHA1FromFile
//
// The digest of the whole file `fileName`, opened read-only as a stream and
// closed again. A file that cannot be opened raises EFOpenError; read
// errors raise EReadError.
TSHACode SHA1FromFile(const String& fileName);

// SHA1DigestToHex
//
// The 20 bytes of the digest in order, each as two upper-case hexadecimal
// digits: 40 characters, e.g. "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709"
// for the empty input.
String SHA1DigestToHex(const TSHACode& digest);

}  // namespace kvo
