// kvo strings: the trimming, padding, case, replace and search functions of
// the string library on the command line.
#include <cctype>
#include <charconv>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>

#include "stringl/edit.h"
#include "tools/kvo/command.h"

namespace kvo::tool {
namespace {

const char kName[] = "strings";

// What an operation gets: its operands (as given), the parsed options and
// the text to work on. It writes one result line to `out` and tells whether
// the result counts as a hit (for the exit code of the search operations).
struct Options {
  bool ignoreCase = false;
  bool otherThan = false;
  int32_t n = 1;
  int32_t start = 1;
  bool backwards = false;
};

struct Operation {
  const char* name;
  const char* operands;  // shown in the help, e.g. "N" or "OLD NEW"
  int operandCount;
  const char* options;   // the options it accepts, e.g. "i" or "nsib"
  const char* summary;
  bool search;  // a search: exit 1 when no text gives a hit
  // Returns an error message for a bad operand, empty when all is well.
  std::function<std::string(const std::vector<String>& ops)> check;
  // Computes the result line; returns true for a hit.
  std::function<bool(const std::vector<String>& ops, const Options& o, const String& text,
                     std::string& out)>
      run;
};

std::optional<int32_t> ParseInt(const String& s) {
  const std::string u = ToUtf8(s);
  int32_t v = 0;
  auto [end, ec] = std::from_chars(u.data(), u.data() + u.size(), v);
  if (ec != std::errc() || end != u.data() + u.size() || u.empty()) return std::nullopt;
  return v;
}

std::string NeedWidth(const String& s) {
  auto v = ParseInt(s);
  if (!v || *v < 0 || *v > 255) return "width must be a whole number from 0 to 255, got '" + ToUtf8(s) + "'";
  return {};
}

std::string NeedInt(const String& s) {
  return ParseInt(s) ? std::string() : "expected a whole number, got '" + ToUtf8(s) + "'";
}

std::string NeedChar(const String& s) {
  return s.size() == 1 ? std::string()
                       : "expected a single character, got '" + ToUtf8(s) + "'";
}

std::string NoCheck(const std::vector<String>&) { return {}; }

// An operation that maps the text to a new text.
template <typename F>
auto Text(F f) {
  return [f](const std::vector<String>& ops, const Options&, const String& t, std::string& out) {
    out = ToUtf8(f(ops, t));
    return true;
  };
}

uint8_t Width(const String& s) { return static_cast<uint8_t>(*ParseInt(s)); }

const std::vector<Operation>& Operations() {
  using V = std::vector<String>;
  static const std::vector<Operation> ops = {
      {"trim", "", 0, "", "remove blanks at both ends", false, NoCheck,
       Text([](const V&, const String& t) { return StripLTBlanks(t); })},
      {"trim-left", "", 0, "", "remove leading blanks (keeps the last character)", false, NoCheck,
       Text([](const V&, const String& t) { return StripLeadingBlanks(t); })},
      {"trim-right", "", 0, "", "remove trailing blanks (keeps the first character)", false, NoCheck,
       Text([](const V&, const String& t) { return StripTrailingBlanks(t); })},
      {"strip-left", "C", 1, "", "remove every leading character C", false,
       [](const V& o) { return NeedChar(o[0]); },
       Text([](const V& o, const String& t) { return StripLeadingChars(o[0][0], t); })},
      {"strip-right", "C", 1, "", "remove trailing characters C (keeps the first character)", false,
       [](const V& o) { return NeedChar(o[0]); },
       Text([](const V& o, const String& t) { return StripTrailingChars(o[0][0], t); })},
      {"pad-left", "N", 1, "", "pad with blanks on the left to width N (or cut to N)", false,
       [](const V& o) { return NeedWidth(o[0]); },
       Text([](const V& o, const String& t) { return RightString(t, Width(o[0])); })},
      {"pad-right", "N", 1, "", "pad with blanks on the right to width N (or cut to N)", false,
       [](const V& o) { return NeedWidth(o[0]); },
       Text([](const V& o, const String& t) { return LeftString(t, Width(o[0])); })},
      {"center", "N", 1, "", "center in a field of width N (or cut to N)", false,
       [](const V& o) { return NeedWidth(o[0]); },
       Text([](const V& o, const String& t) { return CenterString(t, Width(o[0])); })},
      {"abbrev", "M", 1, "", "shorten to at most M characters, ending in \"..\"", false,
       [](const V& o) { return NeedInt(o[0]); },
       Text([](const V& o, const String& t) { return AbbrevString(t, *ParseInt(o[0])); })},
      {"capitalize", "", 0, "", "upper-case the first letter of every word", false, NoCheck,
       Text([](const V&, const String& t) { return CapitalizeString(t); })},
      {"changecase", "", 0, "", "swap upper and lower case", false, NoCheck,
       Text([](const V&, const String& t) { return ChangeCase(t); })},
      {"expand", "", 0, "", "spell out umlauts, sharp s and micro sign (\u00e4 -> ae)", false, NoCheck,
       Text([](const V&, const String& t) { return ExpandDiphthongs(t); })},
      {"reverse", "", 0, "", "reverse the characters", false, NoCheck,
       Text([](const V&, const String& t) { return ReverseString(t); })},
      {"hex", "", 0, "", "resolve escapes \\#hh (character code hh) and \\\\", false, NoCheck,
       Text([](const V&, const String& t) { return ProcessHexChars(t); })},
      {"az09", "", 0, "", "replace every character but A-Z, a-z, 0-9 by '_'", false, NoCheck,
       Text([](const V&, const String& t) { return ReduceStringToAZ09(t); })},
      {"filename", "", 0, "", "replace characters unsafe in file names by '_'", false, NoCheck,
       Text([](const V&, const String& t) { return ReduceStringToFN83CompliantChars(t); })},
      {"remove", "C", 1, "", "remove every character C", false,
       [](const V& o) { return NeedChar(o[0]); },
       Text([](const V& o, const String& t) { return RemoveCharInString(t, o[0][0]); })},
      {"collapse", "C", 1, "", "collapse runs of the character C to one", false,
       [](const V& o) { return NeedChar(o[0]); },
       Text([](const V& o, const String& t) { return RemoveMultiChars(t, o[0][0]); })},
      {"remove-control", "", 0, "", "remove control characters (codes 0-31)", false, NoCheck,
       Text([](const V&, const String& t) { return RemoveControlChars(t); })},
      {"replace", "OLD NEW", 2, "i", "replace every OLD by NEW", false, NoCheck,
       [](const V& o, const Options& opt, const String& t, std::string& out) {
         out = ToUtf8(ReplaceStringInString(t, o[0], o[1], opt.ignoreCase));
         return true;
       }},
      {"count", "SUB", 1, "i", "count the non-overlapping occurrences of SUB", true, NoCheck,
       [](const V& o, const Options& opt, const String& t, std::string& out) {
         int32_t c = CountStringInString(o[0], t, !opt.ignoreCase);
         out = std::to_string(c);
         return c > 0;
       }},
      {"pos", "SUB", 1, "nsib",
       "position of the N-th occurrence of SUB (1-based; 0: none)", true, NoCheck,
       [](const V& o, const Options& opt, const String& t, std::string& out) {
         int32_t p = opt.backwards ? NumberedPosBw(o[0], t, opt.start, opt.n, opt.ignoreCase)
                                   : NumberedPos(o[0], t, opt.start, opt.n, opt.ignoreCase);
         out = std::to_string(p);
         return p > 0;
       }},
      {"pos-last", "SUB", 1, "", "position of the last occurrence of SUB (0: none)", true, NoCheck,
       [](const V& o, const Options&, const String& t, std::string& out) {
         int32_t p = PosLast(o[0], t);
         out = std::to_string(p);
         return p > 0;
       }},
      {"contains", "SET", 1, "o",
       "whether the text has a character of SET (see below)", true,
       NoCheck,
       [](const V& o, const Options& opt, const String& t, std::string& out) {
         bool r = opt.otherThan ? StringContainsOtherThan(t, o[0]) : StringContains(t, o[0]);
         out = r ? "true" : "false";
         return r;
       }},
  };
  return ops;
}

std::string HelpText() {
  std::ostringstream h;
  h << "Usage: kvo strings OPERATION [OPERANDS] [OPTIONS] [TEXT...]\n\n"
       "Applies one string function to TEXT (the arguments joined by blanks) or,\n"
       "without TEXT, to every line of standard input; prints one result per text.\n"
       "A blank is the character with code 32 only; case-insensitive matching\n"
       "touches only the ASCII letters. Use -- before a TEXT that begins with '-'.\n\n"
       "Operations:\n";
  for (const Operation& op : Operations()) {
    std::string head = std::string(op.name) + (op.operandCount ? " " : "") + op.operands;
    h << "  " << head << std::string(head.size() < 22 ? 22 - head.size() : 1, ' ') << op.summary
      << "\n";
  }
  h << "\nOptions:\n"
       "  -i           ignore case (replace, count, pos)\n"
       "  -n N         the N-th occurrence (pos; default 1)\n"
       "  -s START     start position, 1-based (pos; default 1, with -b the end)\n"
       "  -b           search backwards from START (pos)\n"
       "  -o           'other than': true when some character is NOT in SET (contains)\n\n"
       "In SET, //dig stands for the digits, //lc for a-z, //uc for A-Z, //31dwn for\n"
       "the codes 0-31 and //128up for the codes 128-255; every other character,\n"
       "a lone '/' too, stands for itself. Characters above 255 are never in SET.\n\n"
       "Exit status: 0 on success; for count, pos, pos-last and contains 1 when no text\n"
       "gave a hit; 2 on a usage error.\n\n"
       "Examples:\n"
       "  kvo strings center 9 abc           -> '   abc   '\n"
       "  kvo strings replace ab X -i aBcAB  -> XcX\n"
       "  kvo strings pos ab -n 2 xxabyyab   -> 7\n"
       "  kvo strings contains //dig a1      -> true\n";
  return h.str();
}

int Run(const Args& args) {
  if (args.empty()) return UsageError(kName, "missing OPERATION");
  const Operation* op = nullptr;
  for (const Operation& o : Operations()) {
    if (args[0] == o.name) op = &o;
  }
  if (op == nullptr) return UsageError(kName, "unknown operation '" + args[0] + "'");

  Options opt;
  std::vector<String> operands;
  Args textArgs;
  const std::string allowed = op->options;
  bool optionsEnded = false;
  bool startGiven = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!optionsEnded && a == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && a.size() == 2 && a[0] == '-' && !std::isdigit(static_cast<unsigned char>(a[1]))) {
      const char f = a[1];
      if (allowed.find(f) == std::string::npos)
        return UsageError(kName, "option '" + a + "' does not apply to " + op->name);
      if (f == 'i') opt.ignoreCase = true;
      if (f == 'o') opt.otherThan = true;
      if (f == 'b') opt.backwards = true;
      if (f == 'n' || f == 's') {
        if (i + 1 >= args.size()) return UsageError(kName, "option '" + a + "' needs a number");
        auto v = ParseInt(FromUtf8(args[++i]));
        if (!v) return UsageError(kName, "option '" + a + "' needs a whole number, got '" + args[i] + "'");
        (f == 'n' ? opt.n : opt.start) = *v;
        startGiven |= (f == 's');
      }
      continue;
    }
    if (!optionsEnded && a.size() > 2 && a[0] == '-' && a[1] == '-')
      return UsageError(kName, "unknown option '" + a + "'");
    if (static_cast<int>(operands.size()) < op->operandCount)
      operands.push_back(FromUtf8(a));
    else
      textArgs.push_back(a);
  }
  if (static_cast<int>(operands.size()) < op->operandCount)
    return UsageError(kName, std::string(op->name) + " needs " + op->operands);
  if (std::string err = op->check(operands); !err.empty()) return UsageError(kName, err);

  bool anyHit = false;
  for (const String& text : TextsFromArgsOrStdin(textArgs)) {
    Options o = opt;
    // Backwards without -s searches from the end of each text.
    if (o.backwards && !startGiven) o.start = static_cast<int32_t>(text.size());
    std::string out;
    anyHit |= op->run(operands, o, text, out);
    std::cout << out << "\n";
  }
  return (op->search && !anyHit) ? kExitFailure : kExitOk;
}

void Demo(std::ostream& os) {
  struct Line {
    const char* call;
    std::string result;
  };
  const Line lines[] = {
      {"StripLTBlanks('  padded  ')", Show(StripLTBlanks(u"  padded  "))},
      {"CenterString('ab', 6)", Show(CenterString(u"ab", 6))},
      {"AbbrevString('abbreviation', 7)", Show(AbbrevString(u"abbreviation", 7))},
      {"CapitalizeString('hello wORLD 3rd-place')", Show(CapitalizeString(u"hello wORLD 3rd-place"))},
      {"ExpandDiphthongs('\u00c4rger \u00fcber Fu\u00df')", Show(ExpandDiphthongs(u"\u00c4rger \u00fcber Fu\u00df"))},
      {"ProcessHexChars('a\\#41b \\\\#41')", Show(ProcessHexChars(u"a\\#41b \\\\#41"))},
      {"ReplaceStringInString('aBc abC', 'bc', '-', ignore case)",
       Show(ReplaceStringInString(u"aBc abC", u"bc", u"-", true))},
      {"NumberedPos('ab', 'xxabyyab', 1, 2)", std::to_string(NumberedPos(u"ab", u"xxabyyab", 1, 2, false))},
      {"NumberedPosBw('bc', 'abcabc', 6, 2)", std::to_string(NumberedPosBw(u"bc", u"abcabc", 6, 2, false))},
      {"StringContainsOtherThan('12a', '//dig//uc')",
       StringContainsOtherThan(u"12a", u"//dig//uc") ? "true" : "false"},
  };
  for (const Line& l : lines) os << "  " << l.call << " = " << l.result << "\n";
}

const Registration reg{Command{kName, "trim, pad, change case, replace and search in text",
                               HelpText(), Run}};
const Registration demo{DemoSection{"String editing and searching", 20, Demo}};

}  // namespace
}  // namespace kvo::tool
