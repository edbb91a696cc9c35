// kvo scramble / kvo descramble: the string scrambler over arguments or the
// lines of standard input.
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <iostream>
#include <string>

#include "stringl/scramble.h"
#include "tools/kvo/command.h"

namespace kvo::tool {
namespace {

std::string HelpFor(const std::string& name, const std::string& what) {
  return "Usage: kvo " + name + " [--seed N] [--] [TEXT...]\n"
         "\n" + what +
         " the TEXT (the arguments joined by blanks) or, without arguments,\n"
         "each line of standard input, and prints one line per text.\n"
         "\n"
         "Scrambling replaces each character with code 1 ... 255 through a fixed\n"
         "random permutation derived from a seed; code 0 and characters above 255\n"
         "stay as they are. It is a character substitution, not encryption.\n"
         "\n"
         "  --seed N   the seed (a 32-bit signed integer) instead of the library's\n"
         "             built-in one (" + std::to_string(kBuiltInScrambleSeed) + ")\n"
         "  --         end of options\n"
         "\n"
         "Escapes: since scrambled text is full of control characters, output\n"
         "writes the codes 0 ... 31 and 127 ... 159 as \\xNN and a backslash as \\\\;\n"
         "input reads \\xNN (two hexadecimal digits) and \\\\ back, any other\n"
         "backslash stands for itself. Text is read and written as UTF-8. So\n"
         "\n"
         "  kvo scramble 'Hello' | kvo descramble\n"
         "\n"
         "prints Hello again.\n"
         "\n"
         "Exit status: 0 on success, 2 on a usage error.\n";
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Resolves \xNN and \\ in `s`; any other backslash stays.
String Unescape(const String& s) {
  String out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == u'\\' && i + 1 < s.size()) {
      if (s[i + 1] == u'\\') {
        out += u'\\';
        ++i;
        continue;
      }
      if (s[i + 1] == u'x' && i + 3 < s.size() && s[i + 2] < 128 && s[i + 3] < 128) {
        const int hi = HexValue(static_cast<char>(s[i + 2]));
        const int lo = HexValue(static_cast<char>(s[i + 3]));
        if (hi >= 0 && lo >= 0) {
          out += Char(hi * 16 + lo);
          i += 3;
          continue;
        }
      }
    }
    out += s[i];
  }
  return out;
}

// UTF-8 with control characters as \xNN and the backslash as \\.
std::string Escape(const String& s) {
  std::string out;
  String plain;
  auto flush = [&] {
    out += ToUtf8(plain);
    plain.clear();
  };
  for (Char c : s) {
    if (c < 32 || (c >= 127 && c <= 159)) {
      flush();
      static const char kHex[] = "0123456789ABCDEF";
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else if (c == u'\\') {
      flush();
      out += "\\\\";
    } else {
      plain += c;
    }
  }
  flush();
  return out;
}

int Run(const std::string& name, const Args& args, String (*fn)(StringView)) {
  size_t i = 0;
  bool seeded = false;
  int32_t seed = 0;
  for (; i < args.size(); ++i) {
    std::string a = args[i];
    if (a == "--") {
      ++i;
      break;
    }
    std::string value;
    if (a == "--seed") {
      if (i + 1 >= args.size()) return UsageError(name, "--seed needs a number");
      value = args[++i];
    } else if (a.rfind("--seed=", 0) == 0) {
      value = a.substr(7);
    } else if (a.size() > 1 && a[0] == '-') {
      return UsageError(name, "unknown option '" + a + "'");
    } else {
      break;
    }
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) {
      return UsageError(name, "--seed needs a 32-bit integer, not '" + value + "'");
    }
    seed = static_cast<int32_t>(v);
    seeded = true;
  }
  if (seeded) InitScramble(seed);
  const Args rest(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  for (const String& text : TextsFromArgsOrStdin(rest)) {
    std::cout << Escape(fn(Unescape(text))) << '\n';
  }
  return kExitOk;
}

int RunScramble(const Args& args) { return Run("scramble", args, Scramble); }
int RunDescramble(const Args& args) { return Run("descramble", args, DeScramble); }

const Registration kScrambleCommand{Command{"scramble", "scramble text (reversible substitution)",
                                            HelpFor("scramble", "Scrambles"), RunScramble}};
const Registration kDescrambleCommand{Command{"descramble", "undo kvo scramble",
                                              HelpFor("descramble", "Descrambles"),
                                              RunDescramble}};

}  // namespace
}  // namespace kvo::tool
