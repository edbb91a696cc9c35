#include "platform/classes.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>

#include "platform/exceptions.h"

namespace kvo {

namespace {

// The dynamic class name without namespaces or template arguments.
String NameOfType(const std::type_info& t) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(t.name(), nullptr, nullptr, &status), std::free);
  std::string full = (status == 0 && demangled) ? demangled.get() : t.name();
  // Drop template arguments (balanced <...>), then the qualifying scopes.
  std::string name;
  int depth = 0;
  for (char c : full) {
    if (c == '<') ++depth;
    else if (c == '>' && depth > 0) --depth;
    else if (depth == 0) name.push_back(c);
  }
  if (auto colon = name.rfind("::"); colon != std::string::npos) name.erase(0, colon + 2);
  return FromUtf8(name);
}

[[noreturn]] void AssignError(const TPersistent* Source, const TPersistent* Dest) {
  String src = Source ? Source->ClassName() : String(u"nil");
  throw EConvertError(u"Cannot assign a " + src + u" to a " + Dest->ClassName());
}

}  // namespace

String TObject::ClassName() const { return NameOfType(typeid(*this)); }

void TPersistent::Assign(const TPersistent* Source) {
  if (Source != nullptr) {
    Source->AssignTo(this);
    return;
  }
  AssignError(Source, this);
}

void TPersistent::AssignTo(TPersistent* Dest) const { AssignError(this, Dest); }

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
  if (FOwner) FOwner->FComponents.push_back(this);
}

TComponent::~TComponent() {
  // Each owned component removes itself from FComponents as it goes.
  while (!FComponents.empty()) delete FComponents.back();
  if (FOwner) {
    auto& list = FOwner->FComponents;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
}

TComponent* TComponent::Components(int32_t Index) const {
  if (Index < 0 || Index >= ComponentCount()) return nullptr;
  return FComponents[static_cast<size_t>(Index)];
}

}  // namespace kvo
