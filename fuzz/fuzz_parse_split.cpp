// Fuzzes the splitting functions and the line reader, checking their
// invariants: Tokenize (with and without escape), ExtractSubString,
// ExtractParam, ExtractWordFromString, ReadLnString in every mode and
// TextLineCoords.
//
// Input: byte 0 selects the function, byte 1 the encoding of the rest (even:
// one byte per character; odd: little-endian UTF-16 pairs), bytes 2 ... 5
// small parameters (delimiter length, escape, index), the rest the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "stringl/parse.h"

using namespace kvo;

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

String Decode(const uint8_t* data, size_t size, bool wide) {
  String s;
  if (wide) {
    for (size_t i = 0; i + 1 < size; i += 2) s += Char(data[i] | (data[i + 1] << 8));
  } else {
    for (size_t i = 0; i < size; ++i) s += Char(data[i]);
  }
  return s;
}

bool IsSubstring(const String& part, const String& whole) {
  return part.empty() || whole.find(part) != String::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 6) return 0;
  const uint8_t op = data[0] % 6;
  const String all = Decode(data + 6, size - 6, (data[1] & 1) != 0);
  // The delimiter is the first 0 ... 3 characters, the text the rest.
  const size_t dlen = std::min<size_t>(data[2] % 4, all.size());
  const String delim = all.substr(0, dlen);
  const String text = all.substr(dlen);
  const Char escape = Char(data[3]);
  const int32_t ix = static_cast<int32_t>(static_cast<int8_t>(data[4]));

  switch (op) {
    case 0: {
      TOpenStringArray tokens;
      const int32_t n = Tokenize(text, delim, tokens);
      Check(n >= 1 && n <= 1000 && static_cast<size_t>(n) == tokens.size());
      // Cutting loses nothing: the tokens joined by the delimiter are the text.
      String joined;
      for (size_t k = 0; k < tokens.size(); ++k) {
        if (k) joined += delim;
        joined += tokens[k];
      }
      Check(joined == text);
      TOpenStringArray escaped;
      const int32_t m = Tokenize(text, delim, escape, escaped);
      Check(m >= 1 && m <= n && static_cast<size_t>(m) == escaped.size());
      break;
    }
    case 1: {
      const String field = ExtractSubString(text, ix, delim);
      Check(IsSubstring(field, text));
      break;
    }
    case 2: {
      const Char d = data[5] & 1 ? u' ' : (delim.empty() ? u';' : delim[0]);
      const String p = ExtractParam(text, ix, d, escape, u"\u0001default");
      Check(p == u"\u0001default" || p.size() <= text.size());
      break;
    }
    case 3: {
      const int32_t pos = ix + static_cast<int32_t>(text.size() / 2);
      int32_t s = -1, e = -1;
      const String w = ExtractWordFromString(text, pos, s, e);
      if (w.empty()) {
        Check(s == 0 && e == 0);
      } else {
        Check(s >= 1 && s <= pos && pos <= e && static_cast<size_t>(e) <= text.size());
        Check(w == text.substr(static_cast<size_t>(s) - 1, static_cast<size_t>(e - s + 1)));
      }
      break;
    }
    case 4: {
      for (int32_t mode = -1; mode <= 5; ++mode) {
        int32_t pos = 1;
        bool eot = false;
        size_t kept = 0;
        size_t calls = 0;
        while (!eot) {
          const int32_t before = pos;
          const String line = ReadLnString(text, pos, eot, mode);
          for (Char c : line) Check(c >= 32);
          kept += line.size();
          Check(pos > before || eot);
          Check(++calls <= text.size() + 1);
        }
        size_t printable = 0;
        for (Char c : text) printable += c >= 32;
        Check(kept == printable);
      }
      break;
    }
    case 5: {
      int32_t lastLine = 1, lastCol = 0;
      for (int32_t p = 1; p <= static_cast<int32_t>(text.size()) + 1; ++p) {
        int32_t line = 0, col = 0;
        TextLineCoords(text, p, line, col);
        Check(line >= 1 && col >= 1);
        Check(line > lastLine || (line == lastLine && col == lastCol + 1));
        Check(line == lastLine || col == 1);
        lastLine = line;
        lastCol = col;
      }
      int32_t line = 0, col = 0;
      TextLineCoords(text, static_cast<int32_t>(text.size()) + 2, line, col);
      Check(line == 0 && col == 0);
      break;
    }
  }
  return 0;
}
