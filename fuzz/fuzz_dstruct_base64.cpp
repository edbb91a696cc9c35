// DecodeBase64 on arbitrary bytes (must not crash, must return 0 or -1 and
// never write more than 3 bytes per 4 characters), and the round trip
// EncodeBase64 -> DecodeBase64 of the same bytes, with and without lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dstruct/codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kvo;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  {
    TStringStream src(bytes, teLatin1), dst(teLatin1);
    const int32_t r = DecodeBase64(&src, &dst);
    if (r != 0 && r != -1) std::abort();
    if (dst.Size() > static_cast<int64_t>(size / 4 * 3 + 2)) std::abort();
  }
  for (bool lines : {false, true}) {
    TStringStream src(bytes, teLatin1), coded(teLatin1), back(teLatin1);
    EncodeBase64(&src, &coded, lines);
    coded.SetPosition(0);
    if (DecodeBase64(&coded, &back) != 0) std::abort();
    if (back.DataString() != bytes) std::abort();
  }
  return 0;
}
