// A counter of distinct strings (TStringAccu): each string added is counted,
// and the distinct strings keep the order in which they first came.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/classes.h"
#include "platform/strings.h"

namespace kvo {

class TStringAccu : public TComponent {
 public:
  // An empty counter. Raises EKVODStructError "Component \"<Name>\": not
  // enough memory on heap" when storage cannot be had (also from Add).
  explicit TStringAccu(TComponent* AOwner = nullptr);
  ~TStringAccu() override;

  // Add
  //
  // Counts AString: an entry equal to it (exactly, case-sensitive) gets its
  // count increased; otherwise AString is appended with count 1. The search
  // is linear.
  // Decision: a count stops at 2^31 - 1 instead of wrapping.
  void Add(const String& AString);

  // GetString / GetCount
  //
  // The ix-th (1-based) distinct string and its count; empty or 0 outside
  // 1 .. Size().
  String GetString(int32_t ix) const;
  int32_t GetCount(int32_t ix) const;

  // Clear
  //
  // Removes every entry.
  void Clear();

  // Size
  //
  // The number of distinct strings.
  int32_t Size() const { return FSize; }

 private:
  int32_t FSize = 0;
  std::vector<String> FStrArray;
  std::vector<int32_t> FCntArray;  // parallel to FStrArray
};

}  // namespace kvo
