// Uses a few pieces of an installed kvo and checks their results.
#include <cstdio>

#include "kvo.h"

int main() {
  kvo::String s = kvo::FromUtf8("  installed kvo  ");
  kvo::TComponent owner;
  auto* child = new kvo::TComponent(&owner);
  child->SetName(u"child");
  bool ok = kvo::ToUtf8(s) == "  installed kvo  " && owner.ComponentCount() == 1 &&
            owner.Components(0)->Name() == u"child";
  std::printf("%s\n", ok ? "consumer ok" : "consumer FAILED");
  return ok ? 0 : 1;
}
