#include "dstruct/stringaccu.h"

#include <new>

#include "kvobase/errors.h"

namespace kvo {

TStringAccu::TStringAccu(TComponent* AOwner) : TComponent(AOwner) {}

TStringAccu::~TStringAccu() = default;

void TStringAccu::Add(const String& AString) {
  for (size_t i = 0; i < FStrArray.size(); ++i) {
    if (FStrArray[i] == AString) {
      if (FCntArray[i] < INT32_MAX) ++FCntArray[i];
      return;
    }
  }
  try {
    FStrArray.push_back(AString);
    try {
      FCntArray.push_back(1);
    } catch (...) {
      FStrArray.pop_back();  // keep both arrays the same length
      throw;
    }
  } catch (const std::bad_alloc&) {
    throw EKVODStructError(this, u"not enough memory on heap");
  }
  ++FSize;
}

String TStringAccu::GetString(int32_t ix) const {
  if (ix < 1 || ix > FSize) return String();
  return FStrArray[static_cast<size_t>(ix - 1)];
}

int32_t TStringAccu::GetCount(int32_t ix) const {
  if (ix < 1 || ix > FSize) return 0;
  return FCntArray[static_cast<size_t>(ix - 1)];
}

void TStringAccu::Clear() {
  FStrArray.clear();
  FCntArray.clear();
  FSize = 0;
}

}  // namespace kvo
