// Fuzz target for TGrep: compile an arbitrary pattern and match it against
// an arbitrary text.
//
// Input layout: byte 0 holds flags (bit 0 IgnoreCase, bit 1 StopOnError,
// bit 2 decode as Latin-1 instead of UTF-8, bits 3-7 SearchStartPos - 2),
// byte 1 the length of the pattern (modulo the bytes left); the pattern's
// bytes follow, the rest is the text. Besides the sanitizers, the match
// results are checked against the rules they must keep.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "kvobase/errors.h"
#include "stringl/grep.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t flags = data[0];
  const size_t rest = size - 2;
  const size_t plen = rest == 0 ? 0 : data[1] % (rest + 1);
  std::string_view pbytes(reinterpret_cast<const char*>(data + 2), plen);
  std::string_view tbytes(reinterpret_cast<const char*>(data + 2 + plen), rest - plen);
  const bool latin1 = flags & 4;
  const kvo::String pattern = latin1 ? kvo::FromLatin1(pbytes) : kvo::FromUtf8(pbytes);
  const kvo::String text = latin1 ? kvo::FromLatin1(tbytes) : kvo::FromUtf8(tbytes);
  const int32_t startPos = static_cast<int32_t>(flags >> 3) - 2;  // -2 ... 29

  kvo::TGrep g;
  g.SetIgnoreCase(flags & 1);
  g.SetStopOnError(flags & 2);
  try {
    g.SetRegExp(pattern);
    Check(g.LastError() == 0 || !g.StopOnError());
  } catch (const kvo::EKVOStringlError&) {
    Check(g.LastError() != 0);
  }
  Check(g.LastError() >= 0 && g.LastError() <= kvo::grepErrMax);
  Check(g.NrOfRegExpTokens() >= 0 && g.NrOfRegExpTokens() <= kvo::grepMaxTokens);

  const int32_t L = static_cast<int32_t>(text.size());
  for (int round = 0; round < 2; ++round) {
    g.SetSearchStartPos(startPos);
    int32_t pos = -1;
    if (g.MatchString(text, pos)) {
      Check(pos == g.MatchStartPos());
      Check(pos >= 1 && pos <= L + 1);
      Check(g.MatchEndPos() >= pos - 1 && g.MatchEndPos() <= L);
      for (int32_t k = 1; k <= g.NrOfRegExpTokens(); ++k) {
        int32_t v = g.GetRegExpToken(k).ValidFrom;
        Check(v >= pos && v <= L + 1);
      }
    } else {
      Check(pos == 0 && g.MatchStartPos() == 0 && g.MatchEndPos() == 0);
    }
    // Recompile with the other case setting and match again.
    g.SetIgnoreCase(!g.IgnoreCase());
  }
  return 0;
}
