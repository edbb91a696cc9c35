// kvo color: converts a colour between the colour models and names it; the
// demo section of the colour module.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "kvocolors/kvocolors.h"
#include "tools/kvo/command.h"

namespace kvo::tool {
namespace {

const char kName[] = "color";

const char kHelp[] =
    "Usage: kvo color COLOR [MODELS...]\n"
    "       kvo color --name NAME [MODELS...]\n"
    "       kvo color --rgb R G B | --from-hsl H S L | --from-hsv H S V |\n"
    "                 --from-hsi H S I | --wavelength NM [--gamma G] [MODELS...]\n"
    "\n"
    "Prints a colour's value (0x00BBGGRR: red in the low byte), its name (or\n"
    "its hexadecimal text when it has none) and its R, G, B channels, then the\n"
    "models asked for.\n"
    "\n"
    "COLOR is hexadecimal (0x00FFFF00, $FFFF00 or 00FFFF00) or a colour name\n"
    "(case is ignored). Hues are in degrees, the other components 0 .. 1.\n"
    "\n"
    "  --hsl --hsv --hsi --cmy --cmyk --gray   print that model\n"
    "  --all                                  print every model\n"
    "  --gamma G    gamma of --wavelength (default 0.8)\n"
    "\n"
    "Example: kvo color 0x00FFFF00 --hsl   prints Aqua with H 180, S 1, L 0.5.\n"
    "\n"
    "Exit status: 0 on success, 1 for an unknown colour name, 2 on a usage\n"
    "error.\n";

std::optional<double> ParseDouble(const std::string& s) {
  double v = 0;
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<int32_t> ParseInt(const std::string& s) {
  int32_t v = 0;
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
  return v;
}

bool IsHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// A colour from hexadecimal text (with 0x or $ prefix, or bare), only when
// the whole text is 1 to 8 hexadecimal digits.
std::optional<TColor> ParseHexColor(const std::string& s) {
  std::string digits = s;
  if (digits.rfind("0x", 0) == 0 || digits.rfind("0X", 0) == 0) {
    digits = digits.substr(2);
  } else if (!digits.empty() && digits[0] == '$') {
    digits = digits.substr(1);
  }
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  for (char c : digits)
    if (!IsHex(c)) return std::nullopt;
  return HexStrToColor(FromUtf8(digits));
}

std::string Num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  return buf;
}

void PrintColor(std::ostream& os, TColor c, bool hsl, bool hsv, bool hsi, bool cmy, bool cmyk, bool gray) {
  os << "value  0x" << ToUtf8(ColorToHexStr(c)) << "\n";
  os << "name   " << ToUtf8(ObtainColorName(c)) << "\n";
  os << "rgb    " << GetRValue(c) << " " << GetGValue(c) << " " << GetBValue(c) << "\n";
  double a, b, d;
  if (hsl) {
    ColorToHSL(c, a, b, d);
    os << "hsl    H " << Num(a) << "  S " << Num(b) << "  L " << Num(d) << "\n";
  }
  if (hsv) {
    ColorToHSV(c, a, b, d);
    os << "hsv    H " << Num(a) << "  S " << Num(b) << "  V " << Num(d) << (a < 0 ? "  (gray: no hue)" : "")
       << "\n";
  }
  if (hsi) {
    ColorToHSI(c, a, b, d);
    os << "hsi    H " << Num(a) << "  S " << Num(b) << "  I " << Num(d) << (a < 0 ? "  (gray: no hue)" : "")
       << "\n";
  }
  if (cmy || cmyk) {
    RGBtoCMY(static_cast<uint8_t>(GetRValue(c)), static_cast<uint8_t>(GetGValue(c)),
             static_cast<uint8_t>(GetBValue(c)), a, b, d);
    if (cmy) os << "cmy    C " << Num(a) << "  M " << Num(b) << "  Y " << Num(d) << "\n";
    if (cmyk) {
      double k;
      CMYtoCMYK(a, b, d, k);
      os << "cmyk   C " << Num(a) << "  M " << Num(b) << "  Y " << Num(d) << "  K " << Num(k) << "\n";
    }
  }
  if (gray) os << "gray   " << ColorToGray(c) << "  (0x" << ToUtf8(ColorToHexStr(ColorToGrayColor(c))) << ")\n";
}

int Run(const Args& args) {
  bool hsl = false, hsv = false, hsi = false, cmy = false, cmyk = false, gray = false;
  std::optional<TColor> color;
  std::optional<int32_t> wavelength;
  double gamma = 0.8;
  auto setColor = [&](TColor c) -> bool {
    if (color || wavelength) return false;
    color = c;
    return true;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto need = [&](size_t n) { return i + n < args.size(); };
    if (a == "--hsl") {
      hsl = true;
    } else if (a == "--hsv") {
      hsv = true;
    } else if (a == "--hsi") {
      hsi = true;
    } else if (a == "--cmy") {
      cmy = true;
    } else if (a == "--cmyk") {
      cmyk = true;
    } else if (a == "--gray") {
      gray = true;
    } else if (a == "--all") {
      hsl = hsv = hsi = cmy = cmyk = gray = true;
    } else if (a == "--name") {
      if (!need(1)) return UsageError(kName, "--name needs a colour name");
      const int32_t ix = FindKVOColorName(FromUtf8(args[++i]));
      if (ix < 0) {
        std::cerr << "kvo color: no colour is named '" << args[i] << "'\n";
        return kExitFailure;
      }
      if (!setColor(AllKVOColors[static_cast<size_t>(ix)])) return UsageError(kName, "more than one colour given");
    } else if (a == "--rgb") {
      if (!need(3)) return UsageError(kName, "--rgb needs R G B");
      const auto r = ParseInt(args[i + 1]), g = ParseInt(args[i + 2]), b = ParseInt(args[i + 3]);
      if (!r || !g || !b) return UsageError(kName, "--rgb needs three integers");
      i += 3;
      if (!setColor(RGBToColor(*r, *g, *b))) return UsageError(kName, "more than one colour given");
    } else if (a == "--from-hsl" || a == "--from-hsv" || a == "--from-hsi") {
      if (!need(3)) return UsageError(kName, a + " needs three numbers");
      const auto x = ParseDouble(args[i + 1]), y = ParseDouble(args[i + 2]), z = ParseDouble(args[i + 3]);
      if (!x || !y || !z) return UsageError(kName, a + " needs three numbers");
      i += 3;
      const TColor c = a == "--from-hsl"   ? HSLtoColor(*x, *y, *z)
                       : a == "--from-hsv" ? HSVtoColor(*x, *y, *z)
                                           : HSItoColor(*x, *y, *z);
      if (!setColor(c)) return UsageError(kName, "more than one colour given");
    } else if (a == "--wavelength") {
      if (!need(1)) return UsageError(kName, "--wavelength needs a number of nanometres");
      wavelength = ParseInt(args[++i]);
      if (!wavelength) return UsageError(kName, "--wavelength needs an integer");
      if (color) return UsageError(kName, "more than one colour given");
    } else if (a == "--gamma") {
      if (!need(1)) return UsageError(kName, "--gamma needs a number");
      const auto g = ParseDouble(args[++i]);
      if (!g) return UsageError(kName, "--gamma needs a number");
      gamma = *g;
    } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
      return UsageError(kName, "unknown option '" + a + "'");
    } else {
      std::optional<TColor> c = ParseHexColor(a);
      if (!c) {
        const int32_t ix = FindKVOColorName(FromUtf8(a));
        if (ix < 0) {
          std::cerr << "kvo color: '" << a << "' is neither hexadecimal nor a colour name\n";
          return kExitFailure;
        }
        c = AllKVOColors[static_cast<size_t>(ix)];
      }
      if (!setColor(*c)) return UsageError(kName, "more than one colour given");
    }
  }
  if (wavelength) {
    if (color) return UsageError(kName, "more than one colour given");
    color = WavelengthToColor(*wavelength, gamma);
  }
  if (!color) return UsageError(kName, "no colour given");
  PrintColor(std::cout, *color, hsl, hsv, hsi, cmy, cmyk, gray);
  return kExitOk;
}

void Demo(std::ostream& os) {
  os << "kvo color Aqua --hsl --hsv:\n";
  PrintColor(os, AllKVOColors[14], true, true, false, false, false, false);
  os << "\nHSL hue 330 = hue -30: 0x" << ToUtf8(ColorToHexStr(HSLtoColor(330, 1, 0.5))) << " = 0x"
     << ToUtf8(ColorToHexStr(HSLtoColor(-30, 1, 0.5))) << "\n";
  os << "Mean of black and white (truncated): 0x" << ToUtf8(ColorToHexStr(MeanColor(0, 0xFFFFFF))) << "\n";
  os << "Wavelengths 450, 530, 600, 650 nm: ";
  for (int nm : {450, 530, 600, 650}) os << ToUtf8(ObtainColorName(WavelengthToColor(nm, 1))) << " ";
  os << "\nName of 0x00FFFF00: " << ToUtf8(ObtainColorName(0x00FFFF00))
     << " (also Cyan and Cyan1; the first name wins)\n";
  TColorArray pal;
  pal.SetSize(8);
  pal.FillByInterpolation(0, ColorArray_Circle);
  os << "An 8-colour palette from the Circle colours:";
  for (int32_t i = 1; i <= pal.Size(); ++i) os << " " << ToUtf8(ObtainColorName(pal.GetColorElem(i)));
  os << "\n";
}

const Registration kColorCommand{Command{kName, "convert a colour between models and name it", kHelp, Run}};
const Registration kColorDemo{DemoSection{"Colours", 60, Demo}};

}  // namespace
}  // namespace kvo::tool
