#include "dstruct/fifo.h"

#include <new>

#include "kvobase/errors.h"

namespace kvo {

TFifo::TFifo(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FData.assign(static_cast<size_t>(FLength), 0);
  } catch (const std::bad_alloc&) {
    throw EKVODStructError(this, u"FIFO structure too large");
  }
}

TFifo::~TFifo() = default;

bool TFifo::Full() const {
  int32_t free = FOutPoi - FInPoi;
  if (free < 1) free += FLength;
  return free == 1;
}

bool TFifo::PutByte(uint8_t InByte) {
  if (Full()) return false;
  FData[static_cast<size_t>(FInPoi)] = InByte;
  FInPoi = Advance(FInPoi);
  return true;
}

bool TFifo::ForceByte(uint8_t InByte) {
  if (FLength == 1) return false;
  bool dropped = false;
  if (Full()) {
    FOutPoi = Advance(FOutPoi);
    dropped = true;
  }
  FData[static_cast<size_t>(FInPoi)] = InByte;
  FInPoi = Advance(FInPoi);
  return dropped;
}

bool TFifo::LoadBack(uint8_t InByte) {
  if (Full()) return false;
  FOutPoi = FOutPoi == 0 ? FLength - 1 : FOutPoi - 1;
  FData[static_cast<size_t>(FOutPoi)] = InByte;
  return true;
}

bool TFifo::GetByte(uint8_t& OutByte) {
  if (FInPoi == FOutPoi) return false;
  OutByte = FData[static_cast<size_t>(FOutPoi)];
  FOutPoi = Advance(FOutPoi);
  return true;
}

bool TFifo::SenseByte(int32_t ix, uint8_t& OutByte) const {
  if (ix < 0 || ix >= CountBytes()) return false;
  // ix < CountBytes() <= FLength - 1, so the sum stays below 2 * FLength.
  int64_t p = static_cast<int64_t>(FOutPoi) + ix;
  if (p >= FLength) p -= FLength;
  OutByte = FData[static_cast<size_t>(p)];
  return true;
}

int32_t TFifo::CountBytes() const {
  int32_t n = FInPoi - FOutPoi;
  if (n < 0) n += FLength;
  return n;
}

void TFifo::Clear() {
  FInPoi = 0;
  FOutPoi = 0;
}

void TFifo::SetSize(int32_t n) {
  if (n <= 0 || n == FLength) return;
  std::vector<uint8_t> data;
  try {
    data.assign(static_cast<size_t>(n), 0);
  } catch (const std::bad_alloc&) {
    throw EKVODStructError(this, u"FIFO structure too large");
  }
  int32_t keep = CountBytes();
  if (keep > n - 1) keep = n - 1;
  int32_t p = FOutPoi;
  for (int32_t i = 0; i < keep; ++i) {
    data[static_cast<size_t>(i)] = FData[static_cast<size_t>(p)];
    p = Advance(p);
  }
  FData.swap(data);
  FLength = n;
  FOutPoi = 0;
  FInPoi = keep;
}

}  // namespace kvo
