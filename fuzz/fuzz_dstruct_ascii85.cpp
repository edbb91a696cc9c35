// DecodeASCII85 on arbitrary bytes (must not crash, result 0, -1 or -2),
// and the round trip EncodeASCII85 -> DecodeASCII85, with and without lines.
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
    const int32_t r = DecodeASCII85(&src, &dst);
    if (r != 0 && r != -1 && r != -2) std::abort();
    if (dst.Size() > static_cast<int64_t>(size) * 4) std::abort();
  }
  for (bool lines : {false, true}) {
    TStringStream src(bytes, teLatin1), coded(teLatin1), back(teLatin1);
    EncodeASCII85(&src, &coded, lines);
    coded.SetPosition(0);
    if (DecodeASCII85(&coded, &back) != 0) std::abort();
    if (back.DataString() != bytes) std::abort();
  }
  return 0;
}
