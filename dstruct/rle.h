// A block-oriented run-length coder (TRLEncoder).
//
// The coded format is a byte stream:
//   - every byte other than the lead-in byte 0xA5 stands for itself;
//   - the triple 0xA5, n, b stands for n copies of the byte b
//     (n from 0 to 255; n = 0 stands for nothing).
// The encoder writes a run of 3 to 255 equal bytes as a triple, a run of 1 or
// 2 bytes as the bytes themselves, except a run of 0xA5, which is always a
// triple; a run longer than 255 is cut into triples of 255 and the rest.
//
// Output collects in one buffer shared by both directions and is taken in
// blocks of BufLeng() bytes: each time Encode or Decode returns true, call
// GetResult (as long as BytesWaiting() >= BufLeng()). At the end, Finish
// (encoding) or FinishDecode (decoding) delivers the rest. An object works in
// one direction at a time, with Reset between.
//
//   TRLEncoder enc;
//   if (enc.Encode(data, n)) enc.GetResult(block);   // repeat per chunk
//   while (enc.Finish(block) == enc.BufLeng()) { ... }
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "kvobase/types.h"
#include "platform/classes.h"

namespace kvo {

// The decoder's state: expecting data, a count after the lead-in byte, or
// the byte to repeat.
enum TDecodeSt : uint8_t { rlData, rlLeadin, rlCnt };

class TRLEncoder : public TComponent {
 public:
  // The lead-in byte of a triple.
  static constexpr uint8_t kLeadIn = 0xA5;

  // BufLeng 256, buffer empty, state reset. Raises EKVODStructError
  // "Component \"<Name>\": not enough memory on heap" when the buffer cannot
  // be had.
  explicit TRLEncoder(TComponent* AOwner = nullptr);
  ~TRLEncoder() override;

  // Encode
  //
  // Encodes the bytes 0 .. NumBytes - 1 of InBuf in order; true when at
  // least BufLeng() bytes are waiting. NumBytes is clamped to 0 .. the size
  // of InBuf.
  // Decision: the buffer (4 x BufLeng bytes to begin with) grows when a
  // caller lets more output collect than it holds, so a large Encode call
  // or long decoded runs with a small BufLeng never lose or overrun output;
  // blocks are then taken with repeated GetResult calls. Raises
  // EKVODStructError "not enough memory on heap" only when that growth
  // fails.
  bool Encode(std::span<const uint8_t> InBuf, int32_t NumBytes);

  // Decode
  //
  // Takes one byte of coded input; true when at least BufLeng() bytes are
  // waiting. Any byte sequence is accepted.
  bool Decode(uint8_t InByte);

  // GetResult
  //
  // Only when at least BufLeng() bytes are waiting: OutBuf becomes the first
  // BufLeng() of them, and the rest move to the front. Otherwise nothing
  // (OutBuf unchanged).
  void GetResult(TBytes& OutBuf);

  // Finish
  //
  // Ends encoding: appends the pending run as the triple 0xA5, count, byte
  // (even one of count 0, 1 or 2), and sets the count to 0. Then, when fewer
  // than BufLeng() bytes are waiting, OutBuf becomes all of them, the buffer
  // is emptied and their number is returned; otherwise one block is
  // delivered as GetResult does and BufLeng() is returned: call Finish
  // again until it returns less than BufLeng().
  // Decision: those further calls only deliver what is still waiting and add
  // no triple of their own. (Adding an empty triple per call would keep a
  // buffer of BufLeng 3 or less from ever running dry, so the caller's loop
  // would not end.) The next Encode or Reset starts a new ending.
  int32_t Finish(TBytes& OutBuf);

  // FinishDecode
  //
  // Ends decoding: delivers the decoded bytes still waiting, in the way
  // Finish does (all of them when fewer than BufLeng(), otherwise one block)
  // and returns their number, but adds nothing to the output. Call it until
  // it returns less than BufLeng().
  // Decision: an incomplete final group (a lead-in byte alone, or a lead-in
  // byte and a count without the byte to repeat) stands for nothing: it is
  // dropped and the decoder returns to rlData. DecodeState() tells, before
  // the call, whether the coded input ended inside such a group.
  int32_t FinishDecode(TBytes& OutBuf);

  // Reset
  //
  // No bytes waiting, run count 0, run byte 0, decoder state rlData.
  void Reset();

  // BytesWaiting
  //
  // The number of output bytes collected and not yet delivered.
  int64_t BytesWaiting() const { return static_cast<int64_t>(FBufPoi); }

  // DecodeState
  //
  // rlData between groups; rlLeadin after a lead-in byte; rlCnt after a
  // lead-in byte and its count.
  TDecodeSt DecodeState() const { return FDecodeSt; }

  int32_t BufLeng() const { return FBufLeng; }

  // SetBufLeng
  //
  // Only when n differs from BufLeng(): stores it and empties the buffer
  // (output still waiting is discarded).
  // Decision: n below 1 is ignored, since a block of no bytes would make
  // every Encode and Decode report a block ready forever.
  // Raises EKVODStructError "not enough memory on heap" when the buffer
  // cannot be had; everything then stays as it was.
  void SetBufLeng(int32_t n);

 private:
  // Appends the pending run: the byte once or twice for runs of 1 or 2 bytes
  // other than the lead-in, a triple otherwise.
  void FlushRun();
  void EncodeByte(uint8_t b);
  void Append(uint8_t b);
  void AppendTriple(uint8_t count, uint8_t b);
  void AppendRepeated(uint8_t b, int32_t count);
  // Delivers the first n waiting bytes into OutBuf.
  void Deliver(TBytes& OutBuf, int32_t n);

  int32_t FBufLeng = 256;
  // The waiting output is FBuffer[0 .. FBufPoi - 1]; FBuffer.size() is the
  // room, at least 4 x FBufLeng.
  std::vector<uint8_t> FBuffer;
  size_t FBufPoi = 0;
  const uint8_t FLeadInByte = kLeadIn;
  TDecodeSt FDecodeSt = rlData;
  uint8_t FCount = 0;
  uint8_t FLastB = 0;
  // Set while a Finish has appended its triple and output is still waiting.
  bool FFinishing = false;
};

}  // namespace kvo
