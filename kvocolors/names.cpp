// Naming colours.
#include "kvocolors/names.h"

#include "kvocolors/hextext.h"

namespace kvo {

String ObtainColorName(TColor Color) {
  for (int32_t i = 0; i < NumKVOColors; ++i) {
    if (AllKVOColors[static_cast<size_t>(i)] == Color) return String(AllKVOColorNames[static_cast<size_t>(i)]);
  }
  return ColorToHexStr(Color);
}

int32_t FindKVOColorName(StringView Name) {
  auto lower = [](Char c) { return (c >= u'A' && c <= u'Z') ? static_cast<Char>(c + 32) : c; };
  for (int32_t i = 0; i < NumKVOColors; ++i) {
    const StringView n = AllKVOColorNames[static_cast<size_t>(i)];
    if (n.size() != Name.size()) continue;
    bool same = true;
    for (size_t k = 0; k < n.size() && same; ++k) same = lower(n[k]) == lower(Name[k]);
    if (same) return i;
  }
  return -1;
}

}  // namespace kvo
