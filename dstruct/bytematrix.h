// A two-dimensional matrix of bytes (TByteMatrix) with access to single
// bits, mirroring and logical combination.
//
// Columns and rows are 1-based; bit indexes within a cell are 0 to 7, bit 0
// the least significant. Cells outside the matrix are not errors: reads give
// DefaultValue (or its bits), writes do nothing.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "dstruct/bitfld.h"
#include "platform/classes.h"

namespace kvo {

class TByteMatrix : public TComponent {
 public:
  // A 1 x 1 matrix holding 0, DefaultValue 0. Raises EKVODStructError
  // "Component \"<Name>\": not enough memory on heap" when the storage
  // cannot be had.
  explicit TByteMatrix(TComponent* AOwner = nullptr);
  ~TByteMatrix() override;

  // Resize
  //
  // Returns false and changes nothing when both sizes equal the current ones
  // or either is 0 or less. Otherwise the matrix becomes NrColumns x NrRows:
  // cells inside both the old and the new size keep their values, new cells
  // are 0 (not DefaultValue); Changed; true.
  // Raises EKVODStructError "not enough memory on heap" when the storage
  // cannot be had; the matrix then stays as it was.
  // Decision: a matrix of more than kMaxCells cells is refused with that
  // error without trying, so that an absurd size fails cleanly instead of
  // exhausting the machine's memory.
  bool Resize(int32_t NrColumns, int32_t NrRows);

  // The largest number of cells a matrix may hold (2^31 - 1 bytes).
  static constexpr int64_t kMaxCells = 0x7FFFFFFF;

  int32_t NrOfColumns() const { return FNrCols; }
  int32_t NrOfRows() const { return FNrRows; }
  // Resize to max(n, 1) columns (or rows), keeping the other count.
  void SetNrCols(int32_t n);
  void SetNrRows(int32_t n);

  // DefaultValue
  //
  // The value read for cells outside the matrix.
  uint8_t DefaultValue() const { return FDefaultVal; }
  // Stores the value and calls Changed.
  void SetDefaultValue(uint8_t Value);

  // GetByte / SetByte
  //
  // The cell at column ix, row iy, or DefaultValue outside. SetByte stores
  // the value and calls Changed; nothing outside.
  uint8_t GetByte(int32_t ix, int32_t iy) const;
  void SetByte(int32_t ix, int32_t iy, uint8_t value);

  // GetBit
  //
  // Bit ixBit of the cell (a cell outside reads as DefaultValue); false for
  // ixBit outside 0 .. 7.
  bool GetBit(int32_t ix, int32_t iy, int32_t ixBit) const;

  // SetBit / ToggleBit
  //
  // Set, clear or flip bit ixBit of the cell and call Changed; nothing when
  // the cell or the bit index is outside.
  void SetBit(int32_t ix, int32_t iy, int32_t ixBit, bool value);
  void ToggleBit(int32_t col, int32_t row, int32_t ixBit);

  // Fill
  //
  // Every cell = value; Changed.
  void Fill(uint8_t value);

  // MirrorColumns / MirrorRows
  //
  // Reverse the order of the columns (column 1 swaps with the last, and so
  // on) or of the rows; each calls Changed once.
  void MirrorColumns();
  void MirrorRows();

  // CombineWith
  //
  // Only when SecondByteMatrix is given and has the same number of columns
  // and rows: applies Operation cell by cell (this matrix is the target).
  // No OnChange. Nothing otherwise.
  void CombineWith(const TByteMatrix* SecondByteMatrix, TLogicOp Operation);

  // Changed
  //
  // Calls OnChange(this) when a handler is set.
  void Changed();

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }

  // Assign
  //
  // From a TByteMatrix: copies the sizes, DefaultValue, all cells and the
  // OnChange handler; no OnChange. Any other source: the base behaviour.
  void Assign(const TPersistent* Source) override;

  // AssignTo
  //
  // Into a TByteMatrix: Dest->Assign(this). Otherwise the base behaviour.
  void AssignTo(TPersistent* Dest) const override;

 private:
  bool Inside(int32_t ix, int32_t iy) const {
    return ix >= 1 && ix <= FNrCols && iy >= 1 && iy <= FNrRows;
  }
  // The cell at column ix, row iy (both inside), column first.
  size_t Cell(int32_t ix, int32_t iy) const {
    return static_cast<size_t>(ix - 1) * static_cast<size_t>(FNrRows) +
           static_cast<size_t>(iy - 1);
  }

  int32_t FNrCols = 1;
  int32_t FNrRows = 1;
  // The cells column by column: column c's rows are one contiguous stretch.
  std::vector<uint8_t> FByteMat;
  TNotifyEvent FOnChange;
  uint8_t FDefaultVal = 0;
};

}  // namespace kvo
