// A byte FIFO (TFifo): a ring buffer of Size() bytes that holds at most
// Size() - 1 of them (one slot always stays free, so that "empty" and "full"
// differ). Full and empty are reported through the Boolean results, never
// by raising; nothing allocates except creation and SetSize.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/classes.h"

namespace kvo {

class TFifo : public TComponent {
 public:
  // An empty FIFO of Size 256, data zeroed. Raises EKVODStructError
  // "Component \"<Name>\": FIFO structure too large" when the storage cannot
  // be had.
  explicit TFifo(TComponent* AOwner = nullptr);
  ~TFifo() override;

  // PutByte
  //
  // Appends InByte; false (and nothing stored) when the FIFO is full.
  bool PutByte(uint8_t InByte);

  // ForceByte
  //
  // Appends InByte, dropping the oldest byte first when the FIFO is full.
  // True exactly when a byte was dropped. On a FIFO of Size 1, which can
  // hold nothing, the byte is not stored and the result is false.
  bool ForceByte(uint8_t InByte);

  // LoadBack
  //
  // Puts InByte back in front of the next byte to take, so that it comes out
  // next; true. On a full FIFO it changes nothing and returns false.
  bool LoadBack(uint8_t InByte);

  // GetByte
  //
  // Takes the oldest byte into OutByte; false (OutByte unchanged) when empty.
  bool GetByte(uint8_t& OutByte);

  // SenseByte
  //
  // Looks without taking: for 0 <= ix < CountBytes(), OutByte = the byte ix
  // places after the next one to take (0 = the next one), true; otherwise
  // false and OutByte unchanged.
  bool SenseByte(int32_t ix, uint8_t& OutByte) const;

  // CountBytes
  //
  // The number of bytes waiting, 0 .. Size() - 1.
  int32_t CountBytes() const;

  // Clear
  //
  // Empties the FIFO.
  void Clear();

  int32_t Size() const { return FLength; }

  // SetSize
  //
  // Only for n > 0 and n != Size(): the ring gets n bytes.
  // Decision: the bytes waiting are kept in order, oldest first; when more
  // than n - 1 are waiting, only the oldest n - 1 stay (the newest ones are
  // dropped, as PutByte would have refused them). Raises EKVODStructError
  // "FIFO structure too large" when the storage cannot be had; the FIFO then
  // stays as it was.
  void SetSize(int32_t n);

 private:
  int32_t Advance(int32_t poi) const { return poi + 1 == FLength ? 0 : poi + 1; }
  bool Full() const;

  int32_t FInPoi = 0;    // where the next byte is put
  int32_t FOutPoi = 0;   // the next byte to take
  int32_t FLength = 256;
  std::vector<uint8_t> FData;
};

}  // namespace kvo
