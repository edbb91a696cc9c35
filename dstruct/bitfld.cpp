#include "dstruct/bitfld.h"

#include <array>
#include <cmath>
#include <new>

#include "kvobase/errors.h"
#include "platform/random.h"

namespace kvo {

namespace {

// The number of set bits in each byte value.
constexpr std::array<uint8_t, 256> kBitCounts = [] {
  std::array<uint8_t, 256> t{};
  for (int v = 0; v < 256; ++v) {
    int c = 0;
    for (int b = v; b != 0; b >>= 1) c += b & 1;
    t[v] = static_cast<uint8_t>(c);
  }
  return t;
}();

constexpr size_t StorageBytes(int32_t size) { return static_cast<size_t>(size) / 8 + 2; }

// Rounds to the nearest integer, ties to even, whatever the rounding mode.
double RoundHalfEven(double x) {
  const double f = std::floor(x);
  const double d = x - f;
  if (d > 0.5) return f + 1;
  if (d < 0.5) return f;
  return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

}  // namespace

TBitFld::TBitFld(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FBitArray.assign(StorageBytes(FSize), 0);
  } catch (const std::bad_alloc&) {
    throw EKVODStructError(this, u"not enough memory on heap");
  }
}

TBitFld::~TBitFld() = default;

void TBitFld::Reallocate(int32_t n) {
  std::vector<uint8_t> bits;
  try {
    bits.assign(StorageBytes(n), 0);
  } catch (const std::bad_alloc&) {
    throw EKVODStructError(this, u"not enough memory on heap");
  }
  // Keep the bits 0 .. keep; everything above stays 0 in the new storage.
  const int32_t keep = n < FSize ? n : FSize;
  const size_t full = static_cast<size_t>(keep) / 8;  // bytes wholly inside 0 .. keep
  for (size_t i = 0; i < full && i < FBitArray.size(); ++i) bits[i] = FBitArray[i];
  const int rest = keep % 8 + 1;  // bits 0 .. keep mod 8 of byte `full`
  if (full < FBitArray.size())
    bits[full] = static_cast<uint8_t>(FBitArray[full] & ((1u << rest) - 1));
  FBitArray.swap(bits);
  FSize = n;
}

void TBitFld::SetSize(int32_t n) {
  if (n <= 0 || n == FSize) return;
  Reallocate(n);
}

bool TBitFld::GetBit(int32_t ix) const {
  if (ix < 0 || ix > FSize) return false;
  return (FBitArray[static_cast<size_t>(ix) / 8] >> (ix % 8)) & 1;
}

void TBitFld::SetBit(int32_t ix, bool value) {
  if (ix < 0 || ix > FSize) return;
  uint8_t& b = FBitArray[static_cast<size_t>(ix) / 8];
  const uint8_t mask = static_cast<uint8_t>(1u << (ix % 8));
  b = value ? static_cast<uint8_t>(b | mask) : static_cast<uint8_t>(b & ~mask);
}

void TBitFld::ToggleBit(int32_t ix) {
  if (ix < 0 || ix > FSize) return;
  FBitArray[static_cast<size_t>(ix) / 8] ^= static_cast<uint8_t>(1u << (ix % 8));
}

void TBitFld::Clear() {
  for (uint8_t& b : FBitArray) b = 0;
}

void TBitFld::Invert() {
  const size_t last = static_cast<size_t>(FSize) / 8;
  for (size_t i = 0; i <= last; ++i) FBitArray[i] = static_cast<uint8_t>(~FBitArray[i]);
}

int32_t TBitFld::CountTrueBits() const {
  const int64_t bits = static_cast<int64_t>(FSize) + 1;
  const size_t full = static_cast<size_t>(bits / 8);
  int64_t n = 0;
  for (size_t i = 0; i < full; ++i) n += kBitCounts[FBitArray[i]];
  const int rest = static_cast<int>(bits % 8);
  for (int b = 0; b < rest; ++b) n += (FBitArray[full] >> b) & 1;
  return static_cast<int32_t>(n);
}

int32_t TBitFld::FirstTrueBit() const {
  const size_t last = static_cast<size_t>(FSize) / 8;
  for (size_t i = 0; i <= last; ++i) {
    if (FBitArray[i] == 0) continue;
    for (int b = 0; b < 8; ++b) {
      if ((FBitArray[i] >> b) & 1) {
        const int64_t ix = static_cast<int64_t>(i) * 8 + b;
        return ix <= FSize ? static_cast<int32_t>(ix) : -1;
      }
    }
  }
  return -1;
}

void TBitFld::MakeListOfBits(TIntArray& BitList, bool State) const {
  const int32_t set = CountTrueBits();
  const int64_t n = State ? set : static_cast<int64_t>(FSize) + 1 - set;
  BitList.assign(static_cast<size_t>(n), 0);
  size_t k = 0;
  for (int32_t ix = 0; k < BitList.size(); ++ix)
    if (GetBit(ix) == State) BitList[k++] = ix;
}

void TBitFld::RandomFill(double Percent) {
  if (std::isnan(Percent) || Percent < 0) Percent = 0;
  if (Percent > 100) Percent = 100;
  const double n = RoundHalfEven(Percent * 0.01 * FSize);
  SetRandBitsIntern(n > FSize ? FSize : static_cast<int32_t>(n));
}

void TBitFld::RandomFill(int32_t NBits) {
  if (NBits < 0) NBits = 0;
  if (NBits > FSize) NBits = FSize;
  SetRandBitsIntern(NBits);
}

void TBitFld::SetRandBitsIntern(int32_t n) {
  // With n <= Size at least one of the Size + 1 bits stays in the starting
  // state, and at most half need changing, so each pick succeeds with a
  // probability of about one half or better.
  const bool setAll = n > FSize / 2;
  Clear();
  int64_t changes = n;
  if (setAll) {
    const size_t full = (static_cast<size_t>(FSize) + 1) / 8;
    for (size_t i = 0; i < full; ++i) FBitArray[i] = 0xFF;
    for (int64_t ix = static_cast<int64_t>(full) * 8; ix <= FSize; ++ix)
      SetBit(static_cast<int32_t>(ix), true);
    changes = static_cast<int64_t>(FSize) + 1 - n;
  }
  const bool wanted = !setAll;
  while (changes > 0) {
    const int32_t ix = static_cast<int32_t>(RoundHalfEven(Random() * FSize));
    if (GetBit(ix) == wanted) continue;
    SetBit(ix, wanted);
    --changes;
  }
}

void TBitFld::CombineWith(const TBitFld* SecondBArray, TLogicOp Operation) {
  if (SecondBArray == nullptr || SecondBArray->FSize != FSize) return;
  if (FBitArray.empty() || SecondBArray->FBitArray.empty()) return;
  const size_t last = static_cast<size_t>(FSize) / 8;
  for (size_t i = 0; i <= last; ++i)
    FBitArray[i] = ApplyLogicOp(FBitArray[i], SecondBArray->FBitArray[i], Operation);
}

void TBitFld::Clone(const TBitFld* Source) {
  if (Source == nullptr || Source == this) return;
  std::vector<uint8_t> bits;
  try {
    bits = Source->FBitArray;
  } catch (const std::bad_alloc&) {
    throw EKVODStructError(this, u"not enough memory on heap");
  }
  FBitArray.swap(bits);
  FSize = Source->FSize;
}

void TBitFld::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TBitFld*>(Source)) {
    Clone(src);
    return;
  }
  TComponent::Assign(Source);
}

void TBitFld::AssignTo(TPersistent* Dest) const {
  if (auto* dst = dynamic_cast<TBitFld*>(Dest)) {
    dst->Assign(this);
    return;
  }
  TComponent::AssignTo(Dest);
}

}  // namespace kvo
