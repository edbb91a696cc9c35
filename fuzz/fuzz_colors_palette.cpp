// Reads arbitrary bytes as a palette file through
// TColorArray::ReadFromOpenTextFile, with and without AdjustSize, and checks
// that the palette keeps its invariants and that a successful read stores
// back to a file that reads again to the same colours.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "kvocolors/colorarray.h"
#include "platform/textfile.h"

namespace {

std::string MakeTemp(const char* tag) {
  std::string tmpl = std::string("/tmp/kvo-fuzz-colors-") + tag + "-XXXXXX";
  const int fd = ::mkstemp(tmpl.data());
  if (fd < 0) std::abort();
  ::close(fd);
  return tmpl;
}

const std::string& InPath() {
  static const std::string path = [] {
    static std::string p = MakeTemp("in");
    std::atexit([] { std::remove(p.c_str()); });
    return p;
  }();
  return path;
}

const std::string& OutPath() {
  static const std::string path = [] {
    static std::string p = MakeTemp("out");
    std::atexit([] { std::remove(p.c_str()); });
    return p;
  }();
  return path;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const bool adjust = (data[0] & 1) != 0;
  const std::string& path = InPath();
  {
    std::remove(path.c_str());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return 0;
    std::fwrite(data + 1, 1, size - 1, f);
    std::fclose(f);
  }
  kvo::TColorArray pal;
  pal.SetSize(16);
  int changes = 0;
  pal.SetOnChange([&](kvo::TObject*) { ++changes; });
  kvo::TTextFile f(kvo::FromUtf8(path));
  f.Reset();
  const bool ok = pal.ReadFromOpenTextFile(f, adjust);
  f.Close();
  Check(pal.Size() >= 1 && pal.Size() <= kvo::MaxColorArraySize);
  if (!adjust) Check(pal.Size() == 16);
  if (!ok) return 0;

  // What was read stores and reads back unchanged.
  const kvo::String out = kvo::FromUtf8(OutPath());
  Check(pal.StoreOnFile(1, pal.Size(), out));
  kvo::TColorArray back;
  Check(back.LoadFromFile(out, true));
  Check(back.IsEqual(&pal));
  return 0;
}
