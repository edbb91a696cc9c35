#include "kvobase/errors.h"

#include <utility>

namespace kvo {

String ComponentMessage(const TComponent* Component, StringView Text) {
  if (Component == nullptr) return String(Text);
  String m = u"Component \"";
  m += Component->Name();
  m += u"\": ";
  m += Text;
  return m;
}

EKVOError::EKVOError(String Message) : Exception(std::move(Message)) {}
EKVOError::EKVOError(const TComponent* Component, StringView Text)
    : Exception(ComponentMessage(Component, Text)) {}

// Out-of-line destructors anchor each class's type information in the
// library, so that a handler in another binary matches the thrown type.
EKVOError::~EKVOError() = default;
EKVOColArrayError::~EKVOColArrayError() = default;
EKVOStringlError::~EKVOStringlError() = default;
EKVODStructError::~EKVODStructError() = default;
EKVOFileSysError::~EKVOFileSysError() = default;
EKVOCpuIdError::~EKVOCpuIdError() = default;

}  // namespace kvo
