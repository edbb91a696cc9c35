// kvo combi: lists the combinations of K out of N numbers, or the
// permutations of N numbers, one per line.
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <string>

#include "dstruct/combinatorics.h"
#include "tools/kvo/command.h"

namespace kvo::tool {
namespace {

const char kHelp[] =
    "Usage: kvo combi K N\n"
    "       kvo combi -p N\n"
    "\n"
    "Prints every combination of K numbers out of 1 .. N in lexicographic\n"
    "order, or with -p every permutation of 1 .. N (the number 1 travels\n"
    "right one place per step), one per line, numbers separated by blanks.\n"
    "N runs from 1 to 255, K from 1 to N. The lists grow fast: 10 numbers\n"
    "already have 3628800 permutations.\n"
    "\n"
    "  kvo combi 2 4      1 2 / 1 3 / 1 4 / 2 3 / 2 4 / 3 4\n"
    "\n"
    "Exit status: 0 on success, 2 on a usage error.\n";

// A whole number lo .. hi, or -1.
int ParseCount(const std::string& s, int lo, int hi) {
  if (s.empty() || s.size() > 4) return -1;
  for (char c : s)
    if (c < '0' || c > '9') return -1;
  const int v = std::atoi(s.c_str());
  return v >= lo && v <= hi ? v : -1;
}

void Print(const TCombination& c) {
  std::string line;
  for (int i = 1; i <= c[0]; ++i) {
    if (i > 1) line += ' ';
    line += std::to_string(c[i]);
  }
  line += '\n';
  std::cout << line;
}

int RunCombi(const Args& args) {
  const bool perm = !args.empty() && args[0] == "-p";
  if (args.size() != 2) return UsageError("combi", "expected K N or -p N");
  TCombination c{};
  if (perm) {
    const int n = ParseCount(args[1], 1, 255);
    if (n < 0) return UsageError("combi", "N must be a whole number from 1 to 255");
    c[0] = static_cast<uint8_t>(n);
    for (int i = 1; i <= n; ++i) c[i] = static_cast<uint8_t>(i);
    do Print(c);
    while (NextPermutation(c) && std::cout);
  } else {
    const int n = ParseCount(args[1], 1, 255);
    if (n < 0) return UsageError("combi", "N must be a whole number from 1 to 255");
    const int k = ParseCount(args[0], 1, n);
    if (k < 0) return UsageError("combi", "K must be a whole number from 1 to N");
    c[0] = static_cast<uint8_t>(k);
    for (int i = 1; i <= k; ++i) c[i] = static_cast<uint8_t>(i);
    do Print(c);
    while (NextCombination(c, n) && std::cout);
  }
  std::cout.flush();
  return std::cout ? kExitOk : kExitFailure;
}

const Registration kCombi{
    Command{"combi", "list combinations (K N) or permutations (-p N)", kHelp, RunCombi}};

}  // namespace
}  // namespace kvo::tool
