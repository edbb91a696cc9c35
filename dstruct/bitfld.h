// A one-dimensional field of bits (TBitFld) with counting, searching, random
// filling and logical combination, and the logical operations (TLogicOp)
// that it shares with the byte matrix (dstruct/bytematrix.h).
//
// Bit numbering: bit ix of the field is bit (ix mod 8) of storage byte
// (ix div 8); bit 0 of a byte is its least significant bit.
#pragma once

#include <cstdint>
#include <vector>

#include "kvobase/types.h"
#include "platform/classes.h"

namespace kvo {

// TLogicOp
//
// The operation applied to a target byte t with a second byte s:
//   loAND     t and s        loANDNot  t and not s
//   loOR      t or s         loORNot   t or not s
//   loXOR     t xor s        loXORNot  t xor not s
enum TLogicOp : uint8_t { loAND, loOR, loXOR, loANDNot, loORNot, loXORNot };

// ApplyLogicOp
//
// The result of Operation on the target byte t and the second byte s. A value
// outside the enumeration leaves t unchanged.
constexpr uint8_t ApplyLogicOp(uint8_t t, uint8_t s, TLogicOp Operation) {
  switch (Operation) {
    case loAND: return static_cast<uint8_t>(t & s);
    case loOR: return static_cast<uint8_t>(t | s);
    case loXOR: return static_cast<uint8_t>(t ^ s);
    case loANDNot: return static_cast<uint8_t>(t & ~s);
    case loORNot: return static_cast<uint8_t>(t | ~s);
    case loXORNot: return static_cast<uint8_t>(t ^ ~s);
  }
  return t;
}

// TBitFld
//
// A field of bits with the valid indexes 0 to Size() inclusive: a field of
// Size 1000 holds 1001 addressable bits. The storage is Size div 8 + 2 bytes
// (one byte more than the bits need). Indexes outside 0 .. Size() are not
// errors: reads give false, writes do nothing. No change notification.
class TBitFld : public TComponent {
 public:
  // A field of Size 1000 with all bits clear. Raises EKVODStructError
  // "Component \"<Name>\": not enough memory on heap" when the storage
  // cannot be had.
  explicit TBitFld(TComponent* AOwner = nullptr);
  ~TBitFld() override;

  // Size
  //
  // The highest valid bit index.
  int32_t Size() const { return FSize; }

  // SetSize
  //
  // Only for n > 0 and n != Size(): the field then holds the bits 0 .. n.
  // Bits 0 .. min(old, new Size) keep their values.
  // Decision: bits that come into range when the field grows are always
  // clear, also those that lie in a byte that was already allocated and that
  // Invert or CombineWith had changed beyond the old Size: growing never
  // reveals stale bits. Raises EKVODStructError "not enough memory on heap"
  // (the field stays as it was) when the storage cannot be had.
  void SetSize(int32_t n);

  // GetBit / SetBit / ToggleBit
  //
  // Read, write or flip bit ix. Outside 0 .. Size(): false / nothing.
  bool GetBit(int32_t ix) const;
  void SetBit(int32_t ix, bool value);
  void ToggleBit(int32_t ix);

  // Clear
  //
  // Clears every bit (all storage bytes 0).
  void Clear();

  // Invert
  //
  // Complements the whole bytes 0 .. Size div 8, so every bit 0 .. Size()
  // flips (and the unused bits after Size() in the last of those bytes too;
  // they never become visible, see SetSize).
  void Invert();

  // CountTrueBits
  //
  // The number of set bits among 0 .. Size(). Whole bytes go through a
  // 256-entry table of bit counts, the last partial byte bit by bit.
  int32_t CountTrueBits() const;

  // FirstTrueBit
  //
  // The lowest index in 0 .. Size() whose bit is set, or -1.
  int32_t FirstTrueBit() const;

  // MakeListOfBits
  //
  // BitList becomes the ascending list of all indexes 0 .. Size() whose bit
  // equals State, exactly as long as the number of such bits.
  //   Size 7, bit 3 set, State false  ->  0, 1, 2, 4, 5, 6, 7
  void MakeListOfBits(TIntArray& BitList, bool State) const;

  // RandomFill(Percent)
  //
  // Fills at random with exactly n set bits, n = Percent x 0.01 x Size()
  // rounded to the nearest integer (ties to even). Percent is clamped to
  // 0 .. 100; a value that is not a number counts as 0.
  void RandomFill(double Percent);

  // RandomFill(NBits)
  //
  // Fills at random with exactly n set bits, n = NBits clamped to
  // 0 .. Size(). So at least one bit (of the Size() + 1) stays clear.
  //
  // Both RandomFill overloads: when n > Size div 2 every bit 0 .. Size() is
  // set and then Size() + 1 - n set bits are cleared, otherwise every bit is
  // cleared and n clear bits are set; each change picks the index
  // round(r x Size()) (ties to even), r a uniform draw in [0, 1), and draws
  // again while the picked bit is already in the wanted state. The bits
  // after Size() end clear.
  // Decision: r is the process-wide generator's Random() (platform/random.h),
  // so a given RandSeed always gives the same filling. The two end indexes
  // 0 and Size() are picked half as often as the others.
  void RandomFill(int32_t NBits);

  // CombineWith
  //
  // Only when SecondBArray is given and has the same Size(): applies
  // Operation byte by byte to the bytes 0 .. Size div 8 (this field is the
  // target). Nothing otherwise. SecondBArray may be this field itself.
  void CombineWith(const TBitFld* SecondBArray, TLogicOp Operation);

  // Clone
  //
  // Nothing for a null Source; otherwise takes Source's Size and all its
  // storage bytes (Size div 8 + 2). Raises like SetSize.
  void Clone(const TBitFld* Source);

  // Assign
  //
  // From a TBitFld: as Clone (the size is taken even when it equals the
  // current one). Any other source: the base behaviour (EConvertError unless
  // the source knows how to copy itself here).
  void Assign(const TPersistent* Source) override;

  // AssignTo
  //
  // Into a TBitFld: Dest->Assign(this). Otherwise the base behaviour.
  void AssignTo(TPersistent* Dest) const override;

 private:
  // Fills at random with exactly n set bits (0 <= n <= Size()).
  void SetRandBitsIntern(int32_t n);
  // Resizes the storage for a new Size, keeping the bits 0 .. min(old, new)
  // and clearing every other bit.
  void Reallocate(int32_t n);

  int32_t FSize = 1000;
  std::vector<uint8_t> FBitArray;
};

}  // namespace kvo
