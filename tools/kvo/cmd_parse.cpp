// kvo tokenize: Tokenize over arguments or the lines of standard input; and
// the demo section of the splitting, parsing and scrambling functions.
#include <iostream>
#include <string>

#include "stringl/parse.h"
#include "stringl/scramble.h"
#include "tools/kvo/command.h"

namespace kvo::tool {
namespace {

const char kHelp[] =
    "Usage: kvo tokenize [--escape C] [--] DELIM [TEXT...]\n"
    "\n"
    "Cuts the TEXT (the arguments joined by blanks) or, without TEXT, each line\n"
    "of standard input at every occurrence of the delimiter text DELIM, and\n"
    "prints the number of tokens and then each token quoted, one per line:\n"
    "\n"
    "  3 tokens\n"
    "  1: 'a'\n"
    "  ...\n"
    "\n"
    "Consecutive delimiters give empty tokens; at most 1000 tokens are made,\n"
    "the last one holding the uncut rest.\n"
    "\n"
    "  --escape C   a delimiter directly preceded by the character C does not\n"
    "               split; in the tokens CC becomes C and C DELIM becomes DELIM\n"
    "  --           end of options\n"
    "\n"
    "Exit status: 0 on success, 2 on a usage error.\n";

int RunTokenize(const Args& args) {
  size_t i = 0;
  bool hasEscape = false;
  Char escape = 0;
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") {
      ++i;
      break;
    }
    if (a == "--escape") {
      if (i + 1 >= args.size()) return UsageError("tokenize", "--escape needs a character");
      const String e = FromUtf8(args[++i]);
      if (e.size() != 1) return UsageError("tokenize", "--escape needs exactly one character");
      escape = e[0];
      hasEscape = true;
    } else if (a.size() > 1 && a[0] == '-') {
      return UsageError("tokenize", "unknown option '" + a + "'");
    } else {
      break;
    }
  }
  if (i >= args.size()) return UsageError("tokenize", "missing DELIM");
  const String delim = FromUtf8(args[i++]);
  const Args rest(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  for (const String& text : TextsFromArgsOrStdin(rest)) {
    TOpenStringArray tokens;
    const int32_t n = hasEscape ? Tokenize(text, delim, escape, tokens) : Tokenize(text, delim, tokens);
    std::cout << n << (n == 1 ? " token\n" : " tokens\n");
    for (int32_t k = 0; k < n; ++k) {
      std::cout << "  " << k + 1 << ": " << Show(tokens[static_cast<size_t>(k)]) << '\n';
    }
  }
  return kExitOk;
}

void Demo(std::ostream& os) {
  TOpenStringArray tokens;
  const String text = u"a\\,b,c,,d";
  const int32_t n = Tokenize(text, u",", u'\\', tokens);
  os << "  Tokenize(" << Show(text) << ", ',', escape '\\') gives " << n << " tokens:";
  for (const String& t : tokens) os << ' ' << Show(t);
  os << '\n';
  os << "  ExtractSubString('a;b;;c', 3, ';') = " << Show(ExtractSubString(u"a;b;;c", 3, u";"))
     << '\n';
  os << "  ExtractParam('copy \"my file.txt\" dest', 1, ' ', '\"') = "
     << Show(ExtractParam(u"copy \"my file.txt\" dest", 1, u' ', u'"', u"")) << '\n';
  int32_t start = 0, end = 0;
  const String word = ExtractWordFromString(u"foo bar", 5, start, end);
  os << "  ExtractWordFromString('foo bar', 5) = " << Show(word) << " (" << start << " ... " << end
     << ")\n";
  os << "  CountWords('hello big world.') = " << CountWords(u"hello big world.") << '\n';
  os << "  UUEncodeStr('Cat') = " << Show(UUEncodeStr(u"Cat")) << '\n';

  const String secret = u"Meet me at noon";
  const String scrambled = Scramble(secret);
  os << "  Scramble(" << Show(secret) << ") = " << Show(scrambled) << '\n';
  os << "  DeScramble of that = " << Show(DeScramble(scrambled)) << '\n';
}

const Registration kTokenizeCommand{
    Command{"tokenize", "cut text into tokens at a delimiter", kHelp, RunTokenize}};
const Registration kParseDemo{DemoSection{"Tokenizing, parsing and scrambling", 50, Demo}};

}  // namespace
}  // namespace kvo::tool
