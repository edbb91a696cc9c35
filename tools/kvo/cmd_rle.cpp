// kvo rle: run-length coding of standard input to standard output, and the
// demo section for the small data structures (bit fields, FIFO, run-length
// coder, string counter, combinations).
#include <cstdio>
#include <iostream>
#include <string>

#include "dstruct/bitfld.h"
#include "dstruct/combinatorics.h"
#include "dstruct/fifo.h"
#include "dstruct/rle.h"
#include "dstruct/stringaccu.h"
#include "tools/kvo/command.h"

namespace kvo::tool {
namespace {

const char kHelp[] =
    "Usage: kvo rle [-d | --decode]\n"
    "\n"
    "Run-length codes standard input to standard output; with -d decodes.\n"
    "Both are binary-safe.\n"
    "\n"
    "The coded form: every byte other than 0xA5 stands for itself; the triple\n"
    "0xA5 N B stands for N copies of byte B (N from 0 to 255). Runs of 3 to\n"
    "255 equal bytes become triples, runs of 1 or 2 stay as they are (a run of\n"
    "0xA5 is always a triple); the coded output ends with the triple of the\n"
    "last run.\n"
    "\n"
    "  -d, --decode   decode instead of encoding\n"
    "\n"
    "  printf 'aaaaaab' | kvo rle | kvo rle -d     prints aaaaaab\n"
    "\n"
    "Exit status: 0 on success; 1 when reading or writing fails, or when the\n"
    "coded input ends inside a triple (what came before it is still written;\n"
    "the incomplete triple stands for nothing); 2 on a usage error.\n";

bool WriteAll(const TBytes& bytes) {
  return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
}

// Takes the full blocks waiting in `coder` to standard output.
bool Drain(TRLEncoder& coder, TBytes& block) {
  while (coder.BytesWaiting() >= coder.BufLeng()) {
    coder.GetResult(block);
    if (!WriteAll(block)) return false;
  }
  return true;
}

int RunRle(const Args& args) {
  bool decode = false;
  for (const std::string& a : args) {
    if (a == "-d" || a == "--decode")
      decode = true;
    else if (!a.empty() && a[0] == '-')
      return UsageError("rle", "unknown option '" + a + "'");
    else
      return UsageError("rle", "no file arguments: the data comes from standard input");
  }
  TRLEncoder coder;
  TBytes in(4096), block;
  bool ok = true;
  for (;;) {
    const size_t n = std::fread(in.data(), 1, in.size(), stdin);
    if (n == 0) break;
    if (decode) {
      for (size_t i = 0; i < n && ok; ++i)
        if (coder.Decode(in[i])) ok = Drain(coder, block);
    } else {
      // Small pieces keep the waiting output within the coder's buffer.
      for (size_t i = 0; i < n && ok; i += 256) {
        const size_t k = std::min<size_t>(256, n - i);
        coder.Encode(std::span<const uint8_t>(in).subspan(i, k), static_cast<int32_t>(k));
        ok = Drain(coder, block);
      }
    }
    if (!ok) break;
  }
  if (std::ferror(stdin)) {
    std::cerr << "kvo rle: cannot read standard input\n";
    return kExitFailure;
  }
  const bool incomplete = decode && coder.DecodeState() != rlData;
  int32_t got = 0;
  do {
    got = decode ? coder.FinishDecode(block) : coder.Finish(block);
    ok = ok && WriteAll(block);
  } while (ok && got == coder.BufLeng());
  if (std::fflush(stdout) != 0 || !ok) {
    std::cerr << "kvo rle: cannot write standard output\n";
    return kExitFailure;
  }
  if (incomplete) {
    std::cerr << "kvo rle: the coded input ends inside a triple\n";
    return kExitFailure;
  }
  return kExitOk;
}

std::string Hex(const TBytes& b) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string s;
  for (uint8_t v : b) {
    if (!s.empty()) s += ' ';
    s += kDigits[v >> 4];
    s += kDigits[v & 15];
  }
  return s;
}

void Demo(std::ostream& os) {
  TBitFld bits;
  bits.SetSize(20);
  for (int32_t ix : {2, 3, 5, 7, 11, 13, 17, 19}) bits.SetBit(ix, true);
  TIntArray list;
  bits.MakeListOfBits(list, true);
  os << "  TBitFld of Size 20 (21 bits) with the primes set: " << bits.CountTrueBits()
     << " bits, first " << bits.FirstTrueBit() << ", list";
  for (int32_t v : list) os << ' ' << v;
  bits.Invert();
  os << "; inverted " << bits.CountTrueBits() << " bits\n";

  TFifo fifo;
  fifo.SetSize(4);
  for (uint8_t v : {1, 2, 3}) fifo.PutByte(v);
  const bool refused = !fifo.PutByte(4);
  const bool dropped = fifo.ForceByte(5);
  uint8_t b = 0;
  fifo.GetByte(b);
  os << "  TFifo of Size 4 holds 3 bytes: PutByte(4) refused " << (refused ? "yes" : "no")
     << ", ForceByte(5) dropped the oldest " << (dropped ? "yes" : "no")
     << ", GetByte gives " << int(b) << '\n';

  const TBytes in{1, 1, 1, 1, 2, 0xA5, 7, 7};
  TRLEncoder enc;
  enc.Encode(in, static_cast<int32_t>(in.size()));
  TBytes coded;
  enc.Finish(coded);
  os << "  TRLEncoder: " << Hex(in) << " -> " << Hex(coded) << '\n';

  TStringAccu acc;
  for (const char16_t* s : {u"a", u"b", u"a", u"A"}) acc.Add(s);
  os << "  TStringAccu after a, b, a, A:";
  for (int32_t i = 1; i <= acc.Size(); ++i)
    os << ' ' << ToUtf8(acc.GetString(i)) << '=' << acc.GetCount(i);
  os << '\n';

  TCombination c{};
  c[0] = 2;
  c[1] = 1;
  c[2] = 2;
  os << "  Combinations of 2 out of 4:";
  do os << " (" << int(c[1]) << ',' << int(c[2]) << ')';
  while (NextCombination(c, 4));
  TCombination p{};
  p[0] = 3;
  for (int i = 1; i <= 3; ++i) p[i] = static_cast<uint8_t>(i);
  os << "\n  Permutations of 3:";
  do os << " (" << int(p[1]) << ',' << int(p[2]) << ',' << int(p[3]) << ')';
  while (NextPermutation(p));
  const std::vector<double> values{1.0, 2.0, 3.0};
  os << "\n  IndexOfNearestArrayValue(2.5, [1, 2, 3]) = "
     << IndexOfNearestArrayValue(2.5, std::span<const double>(values)) << '\n';
}

const Registration kRle{Command{"rle", "run-length code standard input (-d decodes)", kHelp, RunRle}};
const Registration kRleDemo{DemoSection{"Bit fields, FIFO, run-length coding, combinations", 80, Demo}};

}  // namespace
}  // namespace kvo::tool
