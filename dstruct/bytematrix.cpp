#include "dstruct/bytematrix.h"

#include <algorithm>
#include <new>
#include <utility>

#include "kvobase/errors.h"

namespace kvo {

TByteMatrix::TByteMatrix(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FByteMat.assign(1, 0);
  } catch (const std::bad_alloc&) {
    throw EKVODStructError(this, u"not enough memory on heap");
  }
}

TByteMatrix::~TByteMatrix() = default;

bool TByteMatrix::Resize(int32_t NrColumns, int32_t NrRows) {
  if (NrColumns <= 0 || NrRows <= 0) return false;
  if (NrColumns == FNrCols && NrRows == FNrRows) return false;
  const int64_t cells = static_cast<int64_t>(NrColumns) * NrRows;
  std::vector<uint8_t> mat;
  try {
    if (cells > kMaxCells) throw std::bad_alloc();
    mat.assign(static_cast<size_t>(cells), 0);
  } catch (const std::bad_alloc&) {
    throw EKVODStructError(this, u"not enough memory on heap");
  }
  const int32_t cols = std::min(NrColumns, FNrCols);
  const int32_t rows = std::min(NrRows, FNrRows);
  for (int32_t c = 0; c < cols; ++c) {
    const auto from = FByteMat.begin() + static_cast<ptrdiff_t>(c) * FNrRows;
    std::copy(from, from + rows, mat.begin() + static_cast<ptrdiff_t>(c) * NrRows);
  }
  FByteMat.swap(mat);
  FNrCols = NrColumns;
  FNrRows = NrRows;
  Changed();
  return true;
}

void TByteMatrix::SetNrCols(int32_t n) { Resize(std::max(n, 1), FNrRows); }

void TByteMatrix::SetNrRows(int32_t n) { Resize(FNrCols, std::max(n, 1)); }

void TByteMatrix::SetDefaultValue(uint8_t Value) {
  FDefaultVal = Value;
  Changed();
}

uint8_t TByteMatrix::GetByte(int32_t ix, int32_t iy) const {
  return Inside(ix, iy) ? FByteMat[Cell(ix, iy)] : FDefaultVal;
}

void TByteMatrix::SetByte(int32_t ix, int32_t iy, uint8_t value) {
  if (!Inside(ix, iy)) return;
  FByteMat[Cell(ix, iy)] = value;
  Changed();
}

bool TByteMatrix::GetBit(int32_t ix, int32_t iy, int32_t ixBit) const {
  if (ixBit < 0 || ixBit > 7) return false;
  return (GetByte(ix, iy) >> ixBit) & 1;
}

void TByteMatrix::SetBit(int32_t ix, int32_t iy, int32_t ixBit, bool value) {
  if (!Inside(ix, iy) || ixBit < 0 || ixBit > 7) return;
  uint8_t& b = FByteMat[Cell(ix, iy)];
  const uint8_t mask = static_cast<uint8_t>(1u << ixBit);
  b = value ? static_cast<uint8_t>(b | mask) : static_cast<uint8_t>(b & ~mask);
  Changed();
}

void TByteMatrix::ToggleBit(int32_t col, int32_t row, int32_t ixBit) {
  if (!Inside(col, row) || ixBit < 0 || ixBit > 7) return;
  FByteMat[Cell(col, row)] ^= static_cast<uint8_t>(1u << ixBit);
  Changed();
}

void TByteMatrix::Fill(uint8_t value) {
  std::fill(FByteMat.begin(), FByteMat.end(), value);
  Changed();
}

void TByteMatrix::MirrorColumns() {
  for (int32_t a = 1, b = FNrCols; a < b; ++a, --b)
    std::swap_ranges(FByteMat.begin() + static_cast<ptrdiff_t>(Cell(a, 1)),
                     FByteMat.begin() + static_cast<ptrdiff_t>(Cell(a, 1)) + FNrRows,
                     FByteMat.begin() + static_cast<ptrdiff_t>(Cell(b, 1)));
  Changed();
}

void TByteMatrix::MirrorRows() {
  for (int32_t c = 1; c <= FNrCols; ++c) {
    const auto first = FByteMat.begin() + static_cast<ptrdiff_t>(Cell(c, 1));
    std::reverse(first, first + FNrRows);
  }
  Changed();
}

void TByteMatrix::CombineWith(const TByteMatrix* SecondByteMatrix, TLogicOp Operation) {
  if (SecondByteMatrix == nullptr) return;
  if (SecondByteMatrix->FNrCols != FNrCols || SecondByteMatrix->FNrRows != FNrRows) return;
  for (size_t i = 0; i < FByteMat.size(); ++i)
    FByteMat[i] = ApplyLogicOp(FByteMat[i], SecondByteMatrix->FByteMat[i], Operation);
}

void TByteMatrix::Changed() {
  if (FOnChange) FOnChange(this);
}

void TByteMatrix::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TByteMatrix*>(Source)) {
    if (src == this) return;
    std::vector<uint8_t> mat;
    try {
      mat = src->FByteMat;
    } catch (const std::bad_alloc&) {
      throw EKVODStructError(this, u"not enough memory on heap");
    }
    FByteMat.swap(mat);
    FNrCols = src->FNrCols;
    FNrRows = src->FNrRows;
    FDefaultVal = src->FDefaultVal;
    FOnChange = src->FOnChange;
    return;
  }
  TComponent::Assign(Source);
}

void TByteMatrix::AssignTo(TPersistent* Dest) const {
  if (auto* dst = dynamic_cast<TByteMatrix*>(Dest)) {
    dst->Assign(this);
    return;
  }
  TComponent::AssignTo(Dest);
}

}  // namespace kvo
