// Colour arithmetic, hexadecimal text, random colours, model conversions and
// the wavelength mapping.
#include <cmath>
#include <cstdint>

#include "kvocolors/hextext.h"
#include "kvocolors/mixing.h"
#include "kvocolors/models.h"
#include "kvocolors/randomcolor.h"
#include "kvocolors/rounding.h"
#include "kvocolors/wavelength.h"
#include "platform/random.h"

namespace kvo {

using colors_detail::Clamp01;
using colors_detail::RoundHalfEven;

namespace {

// The fractional part with the sign of its argument (frac(-1.25) = -0.25).
double Frac(double x) { return x - std::trunc(x); }

int32_t Round255(double x) { return static_cast<int32_t>(RoundHalfEven(255.0 * x)); }

// One turn of normalisation for HSL and HSI; hues that one turn does not
// bring into 0 .. 360 are reduced modulo 360. The result is in [0, 360).
double NormaliseHue(double H) {
  if (!std::isfinite(H)) return 0.0;
  if (H < 0) H += 360.0;
  if (H > 360.0) H -= 360.0;
  if (H == 360.0) return 0.0;
  if (H < 0 || H > 360.0) {
    H = std::fmod(H, 360.0);
    if (H < 0) H += 360.0;
    if (H >= 360.0) H = 0.0;
  }
  return H;
}

// The (r, g, b) triple of sector k (0 .. 5) with chroma c and second
// component x.
void Sector(int k, double c, double x, double& r, double& g, double& b) {
  switch (k) {
    case 0: r = c; g = x; b = 0; break;
    case 1: r = x; g = c; b = 0; break;
    case 2: r = 0; g = c; b = x; break;
    case 3: r = 0; g = x; b = c; break;
    case 4: r = x; g = 0; b = c; break;
    default: r = c; g = 0; b = x; break;
  }
}

int SectorOf(double H) {
  const int k = static_cast<int>(std::trunc(H / 60.0));
  return k < 0 ? 0 : (k > 5 ? 5 : k);
}

// max (with the channel that won: 0 red, 1 green, 2 blue), min and the hue
// shared by HSV and HSI. Ties favour red, then green.
struct MaxMin {
  int32_t max, min, winner;
};

MaxMin FindMaxMin(int32_t R, int32_t G, int32_t B) {
  MaxMin m{R, R, 0};
  if (G > m.max) m = {G, m.min, 1};
  if (B > m.max) m = {B, m.min, 2};
  m.min = R < G ? R : G;
  if (B < m.min) m.min = B;
  return m;
}

double HueFromWinner(const MaxMin& m, int32_t R, int32_t G, int32_t B) {
  const double d = static_cast<double>(m.max) - static_cast<double>(m.min);
  double H;
  if (m.winner == 0) {
    H = (static_cast<double>(G) - B) / d;
  } else if (m.winner == 1) {
    H = (static_cast<double>(B) - R) / d + 2.0;
  } else {
    H = (static_cast<double>(R) - G) / d + 4.0;
  }
  H *= 60.0;
  if (H < 0) H += 360.0;
  return H;
}

}  // namespace

// ---- mixing ----

TColor InterpolateColor(TColor Color1, TColor Color2, double Ratio) {
  Ratio = Clamp01(Ratio);
  auto mix = [Ratio](int32_t c1, int32_t c2) {
    return static_cast<int32_t>(std::trunc((c2 - c1) * Ratio + c1));
  };
  return RGBToColor(mix(GetRValue(Color1), GetRValue(Color2)), mix(GetGValue(Color1), GetGValue(Color2)),
                    mix(GetBValue(Color1), GetBValue(Color2)));
}

TColor Interpolate3Colors(TColor Color1, TColor Color2, TColor Color3, double Ratio) {
  Ratio = Clamp01(Ratio);
  TColor from = Color1, to = Color2;
  double t = Ratio * 2.0;
  if (Ratio > 0.5) {
    from = Color2;
    to = Color3;
    t = (Ratio - 0.5) * 2.0;
  }
  auto mix = [t](int32_t c1, int32_t c2) { return static_cast<int32_t>(std::trunc(t * (c2 - c1) + c1)); };
  return RGBToColor(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
                    mix(GetBValue(from), GetBValue(to)));
}

TColor MeanColor(TColor Color1, TColor Color2) { return InterpolateColor(Color1, Color2, 0.5); }

TColor InvertColor(TColor Color) {
  return RGBToColor(255 - GetRValue(Color), 255 - GetGValue(Color), 255 - GetBValue(Color));
}

TColor ReverseRGBColor(TColor Color) { return RGBToColor(GetBValue(Color), GetGValue(Color), GetRValue(Color)); }

double RGBColorDistance(TColor Color1, TColor Color2) {
  const int32_t dr = GetRValue(Color1) - GetRValue(Color2);
  const int32_t dg = GetGValue(Color1) - GetGValue(Color2);
  const int32_t db = GetBValue(Color1) - GetBValue(Color2);
  const int32_t sum = dr * dr + dg * dg + db * db;  // at most 195075
  return std::sqrt(sum / 195075.0);
}

// ---- hexadecimal text ----

String ColorToHexStr(TColor Color) { return ColorToHexStr(Color, 8); }

String ColorToHexStr(TColor Color, int32_t Digits) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  if (Digits > 8) Digits = 8;
  if (Digits < 1) Digits = 1;
  String s(static_cast<size_t>(Digits), u'0');
  uint32_t v = static_cast<uint32_t>(Color);
  for (int32_t i = Digits - 1; i >= 0; --i) {
    s[static_cast<size_t>(i)] = kHex[v & 15u];
    v >>= 4;
  }
  return s;
}

TColor HexStrToColor(StringView HexStr) {
  size_t lo = 0, hi = HexStr.size();
  while (lo < hi && HexStr[lo] == u' ') ++lo;
  while (hi > lo && HexStr[hi - 1] == u' ') --hi;
  if (lo == hi) return 0;
  size_t i = lo;
  if (HexStr[i] == u'$') ++i;
  while (i < hi && HexStr[i] == u' ') ++i;
  uint32_t value = 0;
  for (; i < hi; ++i) {
    Char c = HexStr[i];
    if (c >= u'a' && c <= u'z') c = static_cast<Char>(c - 32);
    uint32_t digit;
    if (c >= u'0' && c <= u'9') {
      digit = static_cast<uint32_t>(c - u'0');
    } else if (c >= u'A' && c <= u'F') {
      digit = static_cast<uint32_t>(c - u'A' + 10);
    } else {
      break;
    }
    value = (value << 4) | digit;
  }
  return static_cast<TColor>(value);
}

// ---- random colours ----

TColor RandomColor() {
  const int32_t b = Random(256);
  const int32_t g = Random(256);
  const int32_t r = Random(256);
  return RGBToColor(r, g, b);
}

TColor RandomColor(uint8_t RLow, uint8_t RHigh, uint8_t GLow, uint8_t GHigh, uint8_t BLow, uint8_t BHigh) {
  auto draw = [](uint8_t low, uint8_t high) {
    if (low > high) {
      const uint8_t t = low;
      low = high;
      high = t;
    }
    return low + Random(high - low + 1);
  };
  const int32_t b = draw(BLow, BHigh);
  const int32_t g = draw(GLow, GHigh);
  const int32_t r = draw(RLow, RHigh);
  return RGBToColor(r, g, b);
}

// ---- HSL ----

void RGBtoHSL(int32_t R, int32_t G, int32_t B, double& H, double& S, double& L) {
  const double r = Clamp01(R / 255.0), g = Clamp01(G / 255.0), b = Clamp01(B / 255.0);
  const double mx = std::fmax(r, std::fmax(g, b));
  const double mn = std::fmin(r, std::fmin(g, b));
  const double d = mx - mn;
  L = (mx + mn) / 2.0;
  if (d == 0) {
    H = 0;
    S = 0;
    return;
  }
  if (mx == r) {
    H = 6.0 * Frac(((g - b) / d) / 6.0);
  } else if (mx == g) {
    H = (b - r) / d + 2.0;
  } else {
    H = (r - g) / d + 4.0;
  }
  H *= 60.0;
  if (H < 0) H += 360.0;
  S = d / (1.0 - std::fabs(2.0 * L - 1.0));
}

void ColorToHSL(TColor Color, double& H, double& S, double& L) {
  RGBtoHSL(GetRValue(Color), GetGValue(Color), GetBValue(Color), H, S, L);
}

void HSLtoRGB(double H, double S, double L, int32_t& R, int32_t& G, int32_t& B) {
  H = NormaliseHue(H);
  S = Clamp01(S);
  L = Clamp01(L);
  const double c = (1.0 - std::fabs(2.0 * L - 1.0)) * S;
  const double x = (1.0 - std::fabs(2.0 * Frac(H / 120.0) - 1.0)) * c;
  double r, g, b;
  Sector(SectorOf(H), c, x, r, g, b);
  const double m = L - c / 2.0;
  R = Round255(r + m);
  G = Round255(g + m);
  B = Round255(b + m);
}

TColor HSLtoColor(double H, double S, double L) {
  int32_t r, g, b;
  HSLtoRGB(H, S, L, r, g, b);
  return RGBToColor(r, g, b);
}

// ---- HSV ----

void RGBtoHSV(int32_t R, int32_t G, int32_t B, double& H, double& S, double& V) {
  const MaxMin m = FindMaxMin(R, G, B);
  V = m.max / 255.0;
  if (m.max == 0) {
    H = 0;
    S = 0;
    return;
  }
  S = (static_cast<double>(m.max) - m.min) / m.max;
  if (S == 0) {
    H = -1;
    return;
  }
  H = HueFromWinner(m, R, G, B);
}

void ColorToHSV(TColor Color, double& H, double& S, double& V) {
  RGBtoHSV(GetRValue(Color), GetGValue(Color), GetBValue(Color), H, S, V);
}

void HSVtoRGB(double H, double S, double V, int32_t& R, int32_t& G, int32_t& B) {
  S = Clamp01(S);
  V = Clamp01(V);
  if (!(H >= 0 && H < 360.0)) H = 0;
  if (S == 0) {
    R = G = B = Round255(V);
    return;
  }
  const double h = H / 60.0;
  int k = static_cast<int>(std::trunc(h));
  if (k > 5) k = 5;
  const double f = h - k;
  const double p = (1.0 - S) * V;
  const double q = (1.0 - S * f) * V;
  const double t = (1.0 - (1.0 - f) * S) * V;
  double r, g, b;
  switch (k) {
    case 0: r = V; g = t; b = p; break;
    case 1: r = q; g = V; b = p; break;
    case 2: r = p; g = V; b = t; break;
    case 3: r = p; g = q; b = V; break;
    case 4: r = t; g = p; b = V; break;
    default: r = V; g = p; b = q; break;
  }
  R = Round255(r);
  G = Round255(g);
  B = Round255(b);
}

TColor HSVtoColor(double H, double S, double V) {
  int32_t r, g, b;
  HSVtoRGB(H, S, V, r, g, b);
  return RGBToColor(r, g, b);
}

// ---- HSI ----

void RGBtoHSI(int32_t R, int32_t G, int32_t B, double& H, double& S, double& I) {
  const MaxMin m = FindMaxMin(R, G, B);
  I = ((static_cast<double>(R) + G + B) / 3.0) / 255.0;
  if (m.max == 0 || I == 0) {
    H = 0;
    S = 0;
    return;
  }
  S = 1.0 - (m.min / 255.0) / I;
  if (S == 0) {
    H = -1;
    return;
  }
  H = HueFromWinner(m, R, G, B);
}

void ColorToHSI(TColor Color, double& H, double& S, double& I) {
  RGBtoHSI(GetRValue(Color), GetGValue(Color), GetBValue(Color), H, S, I);
}

void HSItoRGB(double H, double S, double I, int32_t& R, int32_t& G, int32_t& B) {
  H = NormaliseHue(H);
  S = Clamp01(S);
  I = Clamp01(I);
  const double z = 1.0 - std::fabs(2.0 * Frac(H / 120.0) - 1.0);
  const double c = 3.0 * I * S / (1.0 + z);
  const double x = c * z;
  double r, g, b;
  Sector(SectorOf(H), c, x, r, g, b);
  const double m = (1.0 - S) * I;
  R = Round255(std::fmin(r + m, 1.0));
  G = Round255(std::fmin(g + m, 1.0));
  B = Round255(std::fmin(b + m, 1.0));
}

TColor HSItoColor(double H, double S, double I) {
  int32_t r, g, b;
  HSItoRGB(H, S, I, r, g, b);
  return RGBToColor(r, g, b);
}

// ---- CMY, CMYK ----

void RGBtoCMY(uint8_t R, uint8_t G, uint8_t B, double& C, double& M, double& Y) {
  C = 1.0 - R / 255.0;
  M = 1.0 - G / 255.0;
  Y = 1.0 - B / 255.0;
}

void CMYtoRGB(double C, double M, double Y, uint8_t& R, uint8_t& G, uint8_t& B) {
  auto ch = [](double v) {
    return static_cast<uint8_t>(colors_detail::Channel(RoundHalfEven((1.0 - Clamp01(v)) * 255.0)));
  };
  R = ch(C);
  G = ch(M);
  B = ch(Y);
}

void CMYtoCMYK(double& C, double& M, double& Y, double& K) {
  C = Clamp01(C);
  M = Clamp01(M);
  Y = Clamp01(Y);
  K = C;
  if (M < K) K = M;
  if (Y < K) K = Y;
  C -= K;
  M -= K;
  Y -= K;
}

void CMYKtoCMY(double& C, double& M, double& Y, double K) {
  C = Clamp01(C + K);
  M = Clamp01(M + K);
  Y = Clamp01(Y + K);
}

// ---- gray ----

int32_t RGBtoGray(int32_t R, int32_t G, int32_t B) {
  const int64_t n = 30 * static_cast<int64_t>(R) + 59 * static_cast<int64_t>(G) + 11 * static_cast<int64_t>(B);
  // Floor division by 100 with the remainder deciding, halves to even.
  int64_t q = n / 100, rem = n % 100;
  if (rem < 0) {
    rem += 100;
    --q;
  }
  if (rem > 50 || (rem == 50 && (q & 1) != 0)) ++q;
  if (q > INT32_MAX) q = INT32_MAX;
  if (q < INT32_MIN) q = INT32_MIN;
  return static_cast<int32_t>(q);
}

TColor RGBtoGrayColor(int32_t R, int32_t G, int32_t B) {
  const int32_t g = RGBtoGray(R, G, B);
  return RGBToColor(g, g, g);
}

int32_t ColorToGray(TColor Color) { return RGBtoGray(GetRValue(Color), GetGValue(Color), GetBValue(Color)); }

TColor ColorToGrayColor(TColor Color) {
  return RGBtoGrayColor(GetRValue(Color), GetGValue(Color), GetBValue(Color));
}

// ---- wavelength ----

TColor WavelengthToColor(int32_t Wavelength, double Gamma) {
  const double l = Wavelength;
  double r = 0, g = 0, b = 0;
  if (Wavelength >= 380 && Wavelength < 440) {
    r = (440.0 - l) / 60.0;
    b = 1;
  } else if (Wavelength >= 440 && Wavelength < 490) {
    g = (l - 440.0) / 50.0;
    b = 1;
  } else if (Wavelength >= 490 && Wavelength < 510) {
    g = 1;
    b = (510.0 - l) / 20.0;
  } else if (Wavelength >= 510 && Wavelength < 580) {
    r = (l - 510.0) / 70.0;
    g = 1;
  } else if (Wavelength >= 580 && Wavelength < 645) {
    r = 1;
    g = (645.0 - l) / 65.0;
  } else if (Wavelength >= 645 && Wavelength < 780) {
    r = 1;
  }
  double f;
  if (Wavelength > 700) {
    f = (780.0 - l) * 0.7 / 80.0 + 0.3;
  } else if (Wavelength < 420) {
    f = (l - 380.0) * 0.7 / 40.0 + 0.3;
  } else {
    f = 1.0;
  }
  if (f < 0) f = 0;
  auto channel = [f, Gamma](double fraction) -> int32_t {
    if (f == 0 || fraction == 0) return 0;
    return colors_detail::Channel(RoundHalfEven(std::exp(Gamma * std::log(f * fraction)) * 255.0));
  };
  return RGBToColor(channel(r), channel(g), channel(b));
}

}  // namespace kvo
