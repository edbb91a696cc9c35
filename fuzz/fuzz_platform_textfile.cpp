// Reads arbitrary bytes through TTextFile and TStringList and checks them
// against FromUtf8 of the whole input: character by character, line by line,
// and with numbers, blanks and lines mixed in an order the input chooses.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/exceptions.h"
#include "platform/stringlist.h"
#include "platform/textfile.h"

namespace {

const std::string& TempPath() {
  static const std::string path = [] {
    std::string tmpl = "/tmp/kvo-fuzz-textfile-XXXXXX";
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0) std::abort();
    ::close(fd);
    static std::string removeAtExit;
    removeAtExit = tmpl;
    std::atexit([] { std::remove(removeAtExit.c_str()); });
    return tmpl;
  }();
  return path;
}

std::vector<kvo::String> SplitLines(const kvo::String& s) {
  std::vector<kvo::String> lines;
  size_t start = 0;
  while (start < s.size()) {
    size_t end = start;
    while (end < s.size() && s[end] != u'\r' && s[end] != u'\n') ++end;
    lines.push_back(s.substr(start, end - start));
    if (end + 1 < s.size() && s[end] == u'\r' && s[end + 1] == u'\n') ++end;
    start = end + 1;
  }
  return lines;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = TempPath();
  {
    // A fresh file each time: truncating a written file makes ext4 flush it
    // to disk on close, which would slow every run down to the disk's pace.
    std::remove(path.c_str());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return 0;
    if (size > 0) std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  const kvo::String text = kvo::FromUtf8(bytes);
  const kvo::String name = kvo::FromUtf8(path);

  kvo::TTextFile f(name);
  f.Reset();
  kvo::String chars;
  while (!f.Eof()) chars.push_back(f.ReadChar());
  Check(chars == text);

  f.Reset();
  std::vector<kvo::String> lines;
  while (!f.Eof()) lines.push_back(f.ReadLn());
  const std::vector<kvo::String> expected = SplitLines(text);
  Check(lines == expected);

  kvo::TStringList list;
  list.SetText(text);
  Check(std::vector<kvo::String>(list.begin(), list.end()) == expected);
  kvo::TStringList back;
  back.SetText(list.Text());
  Check(std::vector<kvo::String>(back.begin(), back.end()) == expected);
  back.SetCommaText(list.CommaText());

  // Mixed reading: the input's own bytes choose the operations. Every step
  // either consumes something or is followed by one that must.
  f.Reset();
  size_t op = 0;
  for (size_t steps = 0; steps < 4 * size + 16 && !f.Eof(); ++steps) {
    const uint8_t choice = size > 0 ? data[op++ % size] % 6 : 0;
    try {
      switch (choice) {
        case 0: f.ReadInteger(); break;
        case 1: f.ReadDouble(); break;
        case 2: f.ReadChar(); break;
        case 3: f.ReadLn(); break;
        case 4: f.SeekEof(); f.ReadChar(); break;
        default: f.SeekEoln(); f.Eoln(); f.ReadChar(); break;
      }
    } catch (const kvo::EInOutError& e) {
      Check(e.ErrorCode() == kvo::ioInvalidNumber || e.ErrorCode() == kvo::ioReadBeyondEof);
    }
  }
  f.Close();
  return 0;
}
