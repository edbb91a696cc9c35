#include "dstruct/rle.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "kvobase/errors.h"

namespace kvo {

TRLEncoder::TRLEncoder(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FBuffer.assign(4 * static_cast<size_t>(FBufLeng), 0);
  } catch (const std::bad_alloc&) {
    throw EKVODStructError(this, u"not enough memory on heap");
  }
}

TRLEncoder::~TRLEncoder() = default;

void TRLEncoder::AppendRepeated(uint8_t b, int32_t count) {
  const size_t need = FBufPoi + static_cast<size_t>(count);
  if (need > FBuffer.size()) {
    try {
      FBuffer.resize(std::max(need, 2 * FBuffer.size()));
    } catch (const std::bad_alloc&) {
      throw EKVODStructError(this, u"not enough memory on heap");
    }
  }
  std::memset(FBuffer.data() + FBufPoi, b, static_cast<size_t>(count));
  FBufPoi = need;
}

void TRLEncoder::Append(uint8_t b) { AppendRepeated(b, 1); }

void TRLEncoder::AppendTriple(uint8_t count, uint8_t b) {
  Append(FLeadInByte);
  Append(count);
  Append(b);
}

void TRLEncoder::FlushRun() {
  if (FLastB != FLeadInByte && (FCount == 1 || FCount == 2))
    AppendRepeated(FLastB, FCount);
  else
    AppendTriple(FCount, FLastB);
}

void TRLEncoder::EncodeByte(uint8_t b) {
  if (FCount == 0) {
    FLastB = b;
    FCount = 1;
  } else if (b == FLastB) {
    ++FCount;
    if (FCount == 255) {
      AppendTriple(255, b);
      FCount = 0;
    }
  } else {
    FlushRun();
    FLastB = b;
    FCount = 1;
  }
}

bool TRLEncoder::Encode(std::span<const uint8_t> InBuf, int32_t NumBytes) {
  FFinishing = false;
  const size_t n = NumBytes <= 0 ? 0 : std::min(InBuf.size(), static_cast<size_t>(NumBytes));
  for (size_t i = 0; i < n; ++i) EncodeByte(InBuf[i]);
  return FBufPoi >= static_cast<size_t>(FBufLeng);
}

bool TRLEncoder::Decode(uint8_t InByte) {
  switch (FDecodeSt) {
    case rlData:
      if (InByte == FLeadInByte)
        FDecodeSt = rlLeadin;
      else
        Append(InByte);
      break;
    case rlLeadin:
      FCount = InByte;
      FDecodeSt = rlCnt;
      break;
    case rlCnt:
      AppendRepeated(InByte, FCount);
      FCount = 0;
      FDecodeSt = rlData;
      break;
  }
  return FBufPoi >= static_cast<size_t>(FBufLeng);
}

void TRLEncoder::Deliver(TBytes& OutBuf, int32_t n) {
  const size_t k = static_cast<size_t>(n);
  OutBuf.assign(FBuffer.begin(), FBuffer.begin() + static_cast<ptrdiff_t>(k));
  std::memmove(FBuffer.data(), FBuffer.data() + k, FBufPoi - k);
  FBufPoi -= k;
}

void TRLEncoder::GetResult(TBytes& OutBuf) {
  if (FBufPoi >= static_cast<size_t>(FBufLeng)) Deliver(OutBuf, FBufLeng);
}

int32_t TRLEncoder::Finish(TBytes& OutBuf) {
  if (!FFinishing) {
    AppendTriple(FCount, FLastB);
    FCount = 0;
  }
  const int32_t n = FinishDecode(OutBuf);
  FFinishing = n == FBufLeng;
  return n;
}

int32_t TRLEncoder::FinishDecode(TBytes& OutBuf) {
  if (FDecodeSt != rlData) {
    FDecodeSt = rlData;
    FCount = 0;
  }
  const int32_t n = FBufPoi < static_cast<size_t>(FBufLeng) ? static_cast<int32_t>(FBufPoi)
                                                            : FBufLeng;
  Deliver(OutBuf, n);
  return n;
}

void TRLEncoder::Reset() {
  FBufPoi = 0;
  FCount = 0;
  FLastB = 0;
  FDecodeSt = rlData;
  FFinishing = false;
}

void TRLEncoder::SetBufLeng(int32_t n) {
  if (n < 1 || n == FBufLeng) return;
  std::vector<uint8_t> buffer;
  try {
    buffer.assign(4 * static_cast<size_t>(n), 0);
  } catch (const std::bad_alloc&) {
    throw EKVODStructError(this, u"not enough memory on heap");
  }
  FBuffer.swap(buffer);
  FBufLeng = n;
  FBufPoi = 0;
  FFinishing = false;
}

}  // namespace kvo
