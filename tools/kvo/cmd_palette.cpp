// kvo palette: builds, transforms, stores and loads palette files, and
// lists the ready-made palettes.
#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "kvobase/errors.h"
#include "kvocolors/kvocolors.h"
#include "tools/kvo/command.h"

namespace kvo::tool {
namespace {

const char kName[] = "palette";

const char kHelp[] =
    "Usage: kvo palette list\n"
    "       kvo palette build [--size N] [--levels N] [--from NAME | --colors C,C,...]\n"
    "                         [TRANSFORMS] [OUTPUT]\n"
    "       kvo palette load FILE [--keep-size N] [TRANSFORMS] [OUTPUT]\n"
    "\n"
    "list    prints the ready-made palettes (Geo1, Geo2, Geo3, Rainbow, Circle,\n"
    "        MorgenStemning, Contrast) with their colours.\n"
    "build   makes a palette of N colours (default 1000) interpolated from a\n"
    "        ready-made palette (default Rainbow) or from a list of colours\n"
    "        (hexadecimal 0x00BBGGRR or names); --levels N quantises it into N\n"
    "        bands.\n"
    "load    reads a palette file and resizes the palette to it; with\n"
    "        --keep-size N the palette keeps N colours and a file asking for\n"
    "        more fails.\n"
    "\n"
    "TRANSFORMS, applied in the order given:\n"
    "  --mirror        reverse the order of the colours\n"
    "  --invert        invert every colour\n"
    "  --reverse-rgb   exchange red and blue in every colour\n"
    "  --log GAMMA     logarithmic stretch of the low end (GAMMA 0 .. 1)\n"
    "\n"
    "OUTPUT:\n"
    "  --out FILE      store the palette file instead of printing it\n"
    "  --range A B     store or print only positions A .. B\n"
    "  --names         print 'position value name' lines instead of the file\n"
    "\n"
    "The palette file is a header line 'FIRST LAST' and one line per colour\n"
    "with 8 hexadecimal digits (00FF0000 is blue).\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read or written,\n"
    "2 on a usage error.\n";

std::optional<int32_t> ParseInt(const std::string& s) {
  int32_t v = 0;
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<double> ParseDouble(const std::string& s) {
  double v = 0;
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<TColor> ParseColor(std::string s) {
  if (s.rfind("0x", 0) == 0 || s.rfind("0X", 0) == 0) s = s.substr(2);
  else if (!s.empty() && s[0] == '$') s = s.substr(1);
  bool hex = !s.empty() && s.size() <= 8;
  for (char c : s) hex = hex && ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
  if (hex) return HexStrToColor(FromUtf8(s));
  const int32_t ix = FindKVOColorName(FromUtf8(s));
  if (ix < 0) return std::nullopt;
  return AllKVOColors[static_cast<size_t>(ix)];
}

const TReadyMadePalette* FindPalette(const std::string& name) {
  for (const TReadyMadePalette& p : ReadyMadePalettes) {
    if (ToUtf8(p.Name) == name) return &p;
  }
  return nullptr;
}

int List() {
  for (const TReadyMadePalette& p : ReadyMadePalettes) {
    std::cout << ToUtf8(p.Name) << " (" << p.Colors.size() << "):";
    for (TColor c : p.Colors) std::cout << " " << ToUtf8(ColorToHexStr(c, 6));
    std::cout << "\n";
  }
  return kExitOk;
}

// Applies the transforms and output options from args[i..]; the palette is
// already built or loaded.
int Finish(TColorArray& pal, const Args& args, size_t i) {
  std::string out;
  int32_t first = 1, last = pal.Size();
  bool names = false;
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--mirror") {
      pal.MirrorColors();
    } else if (a == "--invert") {
      pal.InvertColors();
    } else if (a == "--reverse-rgb") {
      pal.ReverseRGB();
    } else if (a == "--log") {
      if (i + 1 >= args.size()) return UsageError(kName, "--log needs a gamma");
      const auto g = ParseDouble(args[++i]);
      if (!g) return UsageError(kName, "--log needs a number");
      pal.LogTransform(*g);
    } else if (a == "--out") {
      if (i + 1 >= args.size()) return UsageError(kName, "--out needs a file name");
      out = args[++i];
    } else if (a == "--range") {
      if (i + 2 >= args.size()) return UsageError(kName, "--range needs two positions");
      const auto f = ParseInt(args[i + 1]), l = ParseInt(args[i + 2]);
      if (!f || !l) return UsageError(kName, "--range needs two integers");
      first = *f;
      last = *l;
      i += 2;
    } else if (a == "--names") {
      names = true;
    } else {
      return UsageError(kName, "unknown option '" + a + "'");
    }
  }
  if (!out.empty()) {
    if (!pal.StoreOnFile(first, last, FromUtf8(out))) {
      std::cerr << "kvo palette: cannot write '" << out << "'\n";
      return kExitFailure;
    }
    return kExitOk;
  }
  if (first > last) std::swap(first, last);
  if (first < 1) first = 1;
  if (last > pal.Size()) last = pal.Size();
  if (!names) std::cout << first << " " << last << "\n";
  for (int32_t p = first; p <= last; ++p) {
    const TColor c = pal.GetColorElem(p);
    if (names) {
      std::cout << p << " " << ToUtf8(ColorToHexStr(c)) << " " << ToUtf8(ObtainColorName(c)) << "\n";
    } else {
      std::cout << ToUtf8(ColorToHexStr(c)) << "\n";
    }
  }
  return kExitOk;
}

int Build(const Args& args) {
  int32_t size = 1000, levels = 0;
  std::vector<TColor> colors(ColorArray_Rainbow.begin(), ColorArray_Rainbow.end());
  size_t i = 1;
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--size" || a == "--levels") {
      if (i + 1 >= args.size()) return UsageError(kName, a + " needs a number");
      const auto v = ParseInt(args[++i]);
      if (!v) return UsageError(kName, a + " needs an integer");
      if (a == "--size") {
        if (*v < 1 || *v > MaxColorArraySize)
          return UsageError(kName, "--size must be 1 .. " + std::to_string(MaxColorArraySize));
        size = *v;
      } else {
        levels = *v;
      }
    } else if (a == "--from") {
      if (i + 1 >= args.size()) return UsageError(kName, "--from needs a palette name");
      const TReadyMadePalette* p = FindPalette(args[++i]);
      if (p == nullptr) return UsageError(kName, "no ready-made palette '" + args[i] + "' (see kvo palette list)");
      colors.assign(p->Colors.begin(), p->Colors.end());
    } else if (a == "--colors") {
      if (i + 1 >= args.size()) return UsageError(kName, "--colors needs a list");
      colors.clear();
      std::string list = args[++i] + ",";
      size_t start = 0;
      for (size_t comma; (comma = list.find(',', start)) != std::string::npos; start = comma + 1) {
        const std::string item = list.substr(start, comma - start);
        const auto c = ParseColor(item);
        if (!c) return UsageError(kName, "'" + item + "' is not a colour");
        colors.push_back(*c);
      }
    } else {
      break;
    }
  }
  TColorArray pal;
  pal.SetSize(size);
  pal.FillByInterpolation(levels, colors);
  return Finish(pal, args, i);
}

int Load(const Args& args) {
  if (args.size() < 2) return UsageError(kName, "load needs a file name");
  size_t i = 2;
  std::optional<int32_t> keep;
  if (i < args.size() && args[i] == "--keep-size") {
    if (i + 1 >= args.size()) return UsageError(kName, "--keep-size needs a number");
    keep = ParseInt(args[i + 1]);
    if (!keep || *keep < 1 || *keep > MaxColorArraySize)
      return UsageError(kName, "--keep-size must be 1 .. " + std::to_string(MaxColorArraySize));
    i += 2;
  }
  TColorArray pal;
  if (keep) pal.SetSize(*keep);
  if (!pal.LoadFromFile(FromUtf8(args[1]), !keep)) {
    std::cerr << "kvo palette: cannot read a palette from '" << args[1] << "'\n";
    return kExitFailure;
  }
  return Finish(pal, args, i);
}

int Run(const Args& args) {
  if (args.empty()) return UsageError(kName, "missing action (list, build or load)");
  if (args[0] == "list") {
    if (args.size() > 1) return UsageError(kName, "list takes no arguments");
    return List();
  }
  if (args[0] == "build") return Build(args);
  if (args[0] == "load") return Load(args);
  return UsageError(kName, "unknown action '" + args[0] + "'");
}

const Registration kPaletteCommand{
    Command{kName, "build, transform, store and load colour palettes", kHelp, Run}};

}  // namespace
}  // namespace kvo::tool
