// kvo format: the number and value forms of the string library; and the
// demo section on them.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <locale.h>
#include <string>

#include "stringl/format.h"
#include "tools/kvo/command.h"

namespace kvo::tool {
namespace {

const char kHelp[] =
    "Usage: kvo format FORM ARGS...\n"
    "\n"
    "Writes a number (or a duration, or reads a tri-state word) by one of the\n"
    "library's locale-independent forms and prints the text on one line, with\n"
    "its padding:\n"
    "\n"
    "  strff X WIDTH DECP        strff: DECP >= 0 fixed with DECP decimals,\n"
    "                            -2 short exponent form (two exponent digits),\n"
    "                            other negative: exponent form (four digits);\n"
    "                            a negative WIDTH pads with zeros\n"
    "  plus X WIDTH DECP         strffForcePlus: strff with a \"+\" before\n"
    "                            values that are not negative\n"
    "  data X [DECP [WIDTH]]     FormatData: fixed while at most nine digits\n"
    "                            show, else the short exponent form of width\n"
    "                            WIDTH + 6 (DECP 3 and WIDTH 0 by default)\n"
    "  sigdig X N [WIDTH]        SigDigStr with N significant digits in a field\n"
    "                            of WIDTH (by default N + 6)\n"
    "  auto X [N] [--comma]      AutoFormatData with N significant digits (4 by\n"
    "                            default; 2 ... 16); --comma writes a decimal\n"
    "                            comma\n"
    "  time SECONDS [MODE]       TimeString in MODE 0 ... 5; without MODE all\n"
    "                            six modes, one per line\n"
    "  tristate TEXT             StrToTriState: prints tsTrue, tsFalse or\n"
    "                            tsUndefined\n"
    "\n"
    "X and SECONDS are decimal numbers (\".\" only, an optional exponent;\n"
    "\"inf\" and \"nan\" are accepted). For strff and plus X is read as an 80-bit\n"
    "extended value (about 3.6e-4951 to 1.19e4932), for the others as a double.\n"
    "WIDTH, DECP and N are integers.\n"
    "\n"
    "Examples:\n"
    "  kvo format strff 3.14159 8 2      ->     3.14\n"
    "  kvo format strff -1.5 -8 2        -> -0001.50\n"
    "  kvo format sigdig 0.0000123 4 10  ->  1.230E-05\n"
    "  kvo format time 3723.456 0        -> 01:02:03.45\n"
    "\n"
    "Exit status: 0 on success, 2 on a usage error or a number that cannot be\n"
    "read or is out of range.\n";

constexpr char kName[] = "format";

// A "C" locale for strtold_l / strtod_l, so that reading never depends on
// the user's locale.
locale_t CLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc;
}

// Reads the whole of `s` as a floating-point number. Overflow fails; a
// value below the smallest normal is kept (denormals are numbers too)
// unless it underflows to zero.
template <typename T>
bool ParseFloat(const std::string& s, T& value) {
  if (s.empty() || s[0] == ' ' || s[0] == '\t' || s[0] == '\n') return false;
  errno = 0;
  char* end = nullptr;
  T v;
  if constexpr (std::is_same_v<T, long double>) {
    v = strtold_l(s.c_str(), &end, CLocale());
  } else {
    v = strtod_l(s.c_str(), &end, CLocale());
  }
  if (end != s.c_str() + s.size()) return false;
  // ERANGE with a denormal result is fine; with infinity or zero the text
  // was beyond the range.
  if (errno == ERANGE && (std::isinf(v) || v == 0)) return false;
  value = v;
  return true;
}

bool ParseInt(const std::string& s, int32_t& value) {
  const char* first = s.data();
  if (!s.empty() && s[0] == '+') ++first;
  auto r = std::from_chars(first, s.data() + s.size(), value);
  return r.ec == std::errc() && r.ptr == s.data() + s.size() && first != s.data() + s.size();
}

int BadNumber(const std::string& what, const std::string& text) {
  return UsageError(kName, "cannot read " + what + " '" + text + "'");
}

int RunStrff(const Args& a, bool plus) {
  const std::string form = plus ? "plus" : "strff";
  if (a.size() != 3) return UsageError(kName, form + " needs X WIDTH DECP");
  long double x;
  int32_t w, d;
  if (!ParseFloat(a[0], x)) return BadNumber("the number", a[0]);
  if (!ParseInt(a[1], w)) return BadNumber("the width", a[1]);
  if (!ParseInt(a[2], d)) return BadNumber("the decimals", a[2]);
  std::cout << ToUtf8(plus ? strffForcePlus(x, w, d) : strff(x, w, d)) << '\n';
  return kExitOk;
}

int RunData(const Args& a) {
  if (a.empty() || a.size() > 3) return UsageError(kName, "data needs X [DECP [WIDTH]]");
  double x;
  int32_t d = 3, w = 0;
  if (!ParseFloat(a[0], x)) return BadNumber("the number", a[0]);
  if (a.size() > 1 && !ParseInt(a[1], d)) return BadNumber("the decimals", a[1]);
  if (a.size() > 2 && !ParseInt(a[2], w)) return BadNumber("the width", a[2]);
  std::cout << ToUtf8(FormatData(x, w, d)) << '\n';
  return kExitOk;
}

int RunSigDig(const Args& a) {
  if (a.size() < 2 || a.size() > 3) return UsageError(kName, "sigdig needs X N [WIDTH]");
  double x;
  int32_t n, w;
  if (!ParseFloat(a[0], x)) return BadNumber("the number", a[0]);
  if (!ParseInt(a[1], n)) return BadNumber("the number of digits", a[1]);
  w = n < std::numeric_limits<int32_t>::max() - 6 ? n + 6 : n;
  if (a.size() > 2 && !ParseInt(a[2], w)) return BadNumber("the width", a[2]);
  std::cout << ToUtf8(SigDigStr(x, w, n)) << '\n';
  return kExitOk;
}

int RunAuto(const Args& args) {
  Args a;
  bool comma = false;
  for (const std::string& s : args) {
    if (s == "--comma") {
      comma = true;
    } else {
      a.push_back(s);
    }
  }
  if (a.empty() || a.size() > 2) return UsageError(kName, "auto needs X [N]");
  double x;
  int32_t n = 4;
  if (!ParseFloat(a[0], x)) return BadNumber("the number", a[0]);
  if (a.size() > 1 && !ParseInt(a[1], n)) return BadNumber("the number of digits", a[1]);
  std::cout << ToUtf8(AutoFormatData(x, n, comma)) << '\n';
  return kExitOk;
}

int RunTime(const Args& a) {
  if (a.empty() || a.size() > 2) return UsageError(kName, "time needs SECONDS [MODE]");
  double s;
  int32_t mode = 0;
  if (!ParseFloat(a[0], s)) return BadNumber("the seconds", a[0]);
  if (a.size() > 1) {
    if (!ParseInt(a[1], mode) || mode < 0 || mode > 255) return BadNumber("the mode", a[1]);
    std::cout << ToUtf8(TimeString(s, static_cast<uint8_t>(mode))) << '\n';
    return kExitOk;
  }
  for (uint8_t m = 0; m <= 5; ++m) std::cout << int(m) << ": " << ToUtf8(TimeString(s, m)) << '\n';
  return kExitOk;
}

int RunTriState(const Args& a) {
  static const char* const kNames[] = {"tsFalse", "tsTrue", "tsUndefined"};
  for (const String& text : TextsFromArgsOrStdin(a))
    std::cout << kNames[StrToTriState(text)] << '\n';
  return kExitOk;
}

int RunFormat(const Args& args) {
  if (args.empty()) return UsageError(kName, "missing FORM");
  const std::string& form = args[0];
  const Args rest(args.begin() + 1, args.end());
  if (form == "strff") return RunStrff(rest, false);
  if (form == "plus") return RunStrff(rest, true);
  if (form == "data") return RunData(rest);
  if (form == "sigdig") return RunSigDig(rest);
  if (form == "auto") return RunAuto(rest);
  if (form == "time") return RunTime(rest);
  if (form == "tristate") return RunTriState(rest);
  return UsageError(kName, "unknown form '" + form + "'");
}

void Demo(std::ostream& os) {
  auto show = [&os](const char* call, const String& text) {
    os << "  " << call << std::string(37 - std::min<size_t>(36, std::string(call).size()), ' ')
       << Show(text) << '\n';
  };
  show("strff(3.14159, 8, 2)", strff(3.14159, 8, 2));
  show("strff(98765.432, 12, -1)", strff(98765.432, 12, -1));
  show("strff(98765.432, -10, -2)", strff(98765.432, -10, -2));
  show("strff(2.5, 1, 0) (tie)", strff(2.5, 1, 0));
  show("strff(denorm_min, 12, -1)", strff(std::numeric_limits<long double>::denorm_min(), 12, -1));
  show("strffForcePlus(1.5, -6, 1)", strffForcePlus(1.5, -6, 1));
  show("FormatData(1000000000, 8, 0)", FormatData(1000000000, 8, 0));
  show("SigDigStr(0.000123, 10, 4)", SigDigStr(0.000123, 10, 4));
  show("AutoFormatData(5678.91, 4)", AutoFormatData(5678.91, 4));
  show("TimeString(3723.456, 0)", TimeString(3723.456, 0));
  show("TimeString(45000, 5)", TimeString(45000, 5));
  const TDoubleArray values{3.14159, 0.05, 42};
  show("CreateParList({3.14159,0.05,42},4)", CreateParList(values, false, 0, 4, true));
  os << "  StrToTriState('  YES ') = "
     << (StrToTriState(u"  YES ") == tsTrue ? "tsTrue" : "not tsTrue") << '\n';
}

const Registration reg{Command{kName, "write numbers, durations and values by the library's forms",
                               kHelp, RunFormat}};
const Registration demo{DemoSection{"Number and value formatting", 30, Demo}};

}  // namespace
}  // namespace kvo::tool
