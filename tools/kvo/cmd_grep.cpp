// kvo grep: TGrep over the lines of files or standard input.
#include <fstream>
#include <iostream>
#include <string>

#include "stringl/grep.h"
#include "tools/kvo/command.h"

namespace kvo::tool {
namespace {

const char kHelp[] =
    "Usage: kvo grep [-i] [--] PATTERN [FILE...]\n"
    "\n"
    "Prints the lines of the files (standard input when none is given, or for\n"
    "a FILE of \"-\") in which the TGrep pattern PATTERN matches, as\n"
    "\n"
    "  NAME:LINE:POS: TEXT\n"
    "\n"
    "NAME is the file name (\"-\" for standard input), LINE the line number and\n"
    "POS the position of the first match in the line (both from 1; positions\n"
    "count UTF-16 code units). Files are read as UTF-8 (other bytes as\n"
    "Latin-1); lines end with LF or CR LF.\n"
    "\n"
    "Patterns: literal characters, . (any character), [a-z] and [^0-9] (sets),\n"
    "(abc) (a literal group), * + ? after a character, set, . or group, ^ at\n"
    "the start, $ at the end, \\ to quote, \\#hh for the character with code hh.\n"
    "Multipliers match as little as possible, except as the last token.\n"
    "\n"
    "  -i   ignore the case of ASCII letters\n"
    "  --   end of options (for a pattern starting with -)\n"
    "\n"
    "Exit status: 0 when some line matched, 1 when none did (a file that\n"
    "cannot be read is reported and skipped), 2 on a usage error or a faulty\n"
    "pattern (its error number and text are printed).\n";

// Matches every line of `in`, printing the matching ones; returns whether
// any matched.
bool GrepStream(TGrep& grep, std::istream& in, const std::string& name) {
  bool any = false;
  std::string raw;
  for (int64_t lineNo = 1; std::getline(in, raw); ++lineNo) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    String line = FromUtf8(raw);
    int32_t pos = 0;
    if (!grep.MatchString(line, pos)) continue;
    any = true;
    std::cout << name << ':' << lineNo << ':' << pos << ": " << ToUtf8(line) << '\n';
  }
  return any;
}

int RunGrep(const Args& args) {
  bool ignoreCase = false;
  size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") {
      ++i;
      break;
    }
    if (a == "-i") {
      ignoreCase = true;
    } else if (a.size() > 1 && a[0] == '-') {
      return UsageError("grep", "unknown option '" + a + "'");
    } else {
      break;
    }
  }
  if (i >= args.size()) return UsageError("grep", "missing PATTERN");
  const String pattern = FromUtf8(args[i++]);

  TGrep grep;
  grep.SetStopOnError(false);
  grep.SetIgnoreCase(ignoreCase);
  grep.SetRegExp(pattern);
  if (grep.LastError() != 0) {
    std::cerr << "kvo grep: error " << grep.LastError()
              << " in pattern: " << ToUtf8(GrepErrorText(grep.LastError())) << "\n";
    return kExitUsage;
  }

  bool any = false;
  if (i >= args.size()) return GrepStream(grep, std::cin, "-") ? kExitOk : kExitFailure;
  for (; i < args.size(); ++i) {
    const std::string& file = args[i];
    if (file == "-") {
      any |= GrepStream(grep, std::cin, "-");
      continue;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::cerr << "kvo grep: cannot read '" << file << "'\n";
      continue;
    }
    any |= GrepStream(grep, in, file);
  }
  return any ? kExitOk : kExitFailure;
}

void Demo(std::ostream& os) {
  struct Example {
    const char16_t* pattern;
    const char16_t* text;
    bool ignoreCase;
  };
  const Example examples[] = {
      {u"b+", u"abbbc", false},
      {u"a.*b", u"axbyb", false},        // lazy in the middle
      {u"a.*", u"axbyb", false},         // greedy at the end
      {u"[0-9]+(px)?$", u"width: 120px", false},
      {u"COLOU?R", u"the colour red", true},
      {u"^b", u"abc", false},
      {u"a*a*a*a*a*a*b", u"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
      {u"a)", u"", false},
      {u"a$b", u"", false},
  };
  TGrep grep;
  grep.SetStopOnError(false);
  for (const auto& e : examples) {
    grep.SetIgnoreCase(e.ignoreCase);
    grep.SetRegExp(e.pattern);
    os << "  " << Show(e.pattern) << (e.ignoreCase ? " (ignoring case)" : "");
    if (grep.LastError() != 0) {
      os << ": error " << grep.LastError() << ", "
         << ToUtf8(GrepErrorText(grep.LastError())) << "\n";
      continue;
    }
    int32_t pos = 0;
    os << " on " << Show(e.text) << ": ";
    if (grep.MatchString(e.text, pos)) {
      String text = e.text;
      os << "match " << pos << " ... " << grep.MatchEndPos() << " "
         << Show(text.substr(static_cast<size_t>(pos - 1),
                             static_cast<size_t>(grep.MatchEndPos() - pos + 1)))
         << "\n";
    } else {
      os << "no match\n";
    }
  }

  // The bundled sample: lines that report a number after a word in capitals.
  const std::string sample = SamplePath("lines.txt");
  if (sample.empty()) return;
  std::ifstream in(sample);
  grep.SetIgnoreCase(false);
  grep.SetRegExp(u"[A-Z]+ [0-9]+");
  os << "  '[A-Z]+ [0-9]+' over samples/lines.txt:\n";
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    int32_t pos = 0;
    if (grep.MatchString(FromUtf8(line), pos))
      os << "    line " << n << ", position " << pos << ": " << line << "\n";
  }
}

const Registration kGrepCommand{Command{
    "grep", "print the lines where a TGrep pattern matches", kHelp, RunGrep}};
const Registration kGrepDemo{DemoSection{"Pattern matching (TGrep)", 40, Demo}};

}  // namespace
}  // namespace kvo::tool
