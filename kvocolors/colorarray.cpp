// The TColorArray palette component.
#include "kvocolors/colorarray.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "kvobase/errors.h"
#include "kvocolors/hextext.h"
#include "kvocolors/mixing.h"
#include "kvocolors/palettes.h"
#include "kvocolors/rounding.h"
#include "platform/exceptions.h"

namespace kvo {

using colors_detail::RoundHalfEven;

namespace {
constexpr int32_t kDefaultSize = 1000;
}  // namespace

TColorArray::TColorArray(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FColArray.assign(kDefaultSize, 0);
    FColArrayBak.assign(kDefaultSize, 0);
  } catch (const std::bad_alloc&) {
    throw EKVOColArrayError(this, u"not enough memory on heap");
  }
  FNColors = kDefaultSize;
  FillByInterpolation(0, ColorArray_Rainbow);
  Backup();
}

TColorArray::~TColorArray() = default;

void TColorArray::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TColorArray*>(Source)) {
    if (src == this) return;
    FColArray = src->FColArray;
    FColArrayBak = src->FColArrayBak;
    FNColors = src->FNColors;
    return;
  }
  TComponent::Assign(Source);
}

void TColorArray::AssignTo(TPersistent* Dest) const {
  if (auto* dst = dynamic_cast<TColorArray*>(Dest)) {
    dst->Assign(this);
    return;
  }
  TComponent::AssignTo(Dest);
}

void TColorArray::Changed() {
  if (FOnChange) FOnChange(this);
}

void TColorArray::SetSize(int32_t Value) {
  if (Value < 1 || Value == FNColors) return;
  if (Value > MaxColorArraySize) throw EKVOColArrayError(this, u"not enough memory");
  try {
    // Resize copies first, so a failure leaves both arrays as they were.
    std::vector<TColor> cols(FColArray), bak(FColArrayBak);
    cols.resize(static_cast<size_t>(Value), 0);
    bak.resize(static_cast<size_t>(Value), 0);
    FColArray.swap(cols);
    FColArrayBak.swap(bak);
  } catch (const std::bad_alloc&) {
    throw EKVOColArrayError(this, u"not enough memory");
  }
  FNColors = Value;
  Changed();
}

TColor TColorArray::GetColorElem(int32_t ix) const {
  if (ix < 1) ix = 1;
  if (ix > FNColors) ix = FNColors;
  return FColArray[static_cast<size_t>(ix - 1)];
}

void TColorArray::SetColorElem(int32_t ix, TColor Value) {
  if (ix < 1 || ix > FNColors) return;
  FColArray[static_cast<size_t>(ix - 1)] = Value;
  Changed();
}

void TColorArray::Fill(TColor Color) {
  std::fill(FColArray.begin(), FColArray.end(), Color);
  Changed();
}

void TColorArray::FillByInterpolation(int32_t DiscreteLevels, std::span<const TColor> Colors) {
  if (Colors.empty()) return;
  const int64_t n = static_cast<int64_t>(Colors.size()) - 1;
  const int64_t N = FNColors;
  if (n == 0) {
    std::fill(FColArray.begin(), FColArray.end(), Colors[0]);
    Changed();
    return;
  }
  for (int64_t i = 1; i <= N; ++i) {
    int64_t k = i;
    if (DiscreteLevels > 0) {
      const int64_t q = RoundHalfEven(static_cast<double>(i) / static_cast<double>(N) * DiscreteLevels);
      k = RoundHalfEven(static_cast<double>(q) * (static_cast<double>(N) / DiscreteLevels));
    }
    const double u = static_cast<double>(n) * static_cast<double>(k) / static_cast<double>(N);
    int64_t j;
    if (n <= N) {
      // C++ integer division truncates toward zero, as the rule asks; k = 0
      // (a band before the first) gives j = 0.
      j = (k - 1) * n / N;
    } else {
      // More colours than positions: sample the list at u itself, so that
      // the step of more than one colour per position does not leave t > 1
      // and the last position still gets the last colour.
      j = std::clamp<int64_t>(static_cast<int64_t>(std::floor(u)), 0, n - 1);
    }
    const double t = u - static_cast<double>(j);
    FColArray[static_cast<size_t>(i - 1)] =
        InterpolateColor(Colors[static_cast<size_t>(j)], Colors[static_cast<size_t>(j + 1)], t);
  }
  Changed();
}

void TColorArray::LogTransform(double Gamma) {
  if (Gamma > 1.0) Gamma = 1.0;
  if (!(Gamma >= 0.0)) Gamma = 0.0;
  const int32_t N = FNColors;
  if (N > 1) {
    const double scale = Gamma * N / std::log(static_cast<double>(N));
    for (int32_t i = 1; i <= N; ++i) {
      int64_t j = RoundHalfEven(std::log(static_cast<double>(i)) * scale + (1.0 - Gamma) * (i - 1)) + 1;
      j = std::clamp<int64_t>(j, 1, N);
      FColArray[static_cast<size_t>(i - 1)] = FColArray[static_cast<size_t>(j - 1)];
    }
  }
  Changed();
}

int32_t TColorArray::ColorToIndex(TColor cl, double& distance) const {
  distance = 1.0;
  int32_t result = 1;
  for (int32_t i = 1; i <= FNColors; ++i) {
    const double d = RGBColorDistance(cl, FColArray[static_cast<size_t>(i - 1)]);
    if (d < distance) {
      distance = d;
      result = i;
    }
  }
  return result;
}

void TColorArray::CopyFrom(const TColorArray* ColArraySource, int32_t SourceElemLo, int32_t SourceElemHi,
                           int32_t DestElem) {
  if (ColArraySource == nullptr) return;
  const int32_t Ns = ColArraySource->Size();
  SourceElemLo = std::clamp(SourceElemLo, 1, Ns);
  SourceElemHi = std::clamp(SourceElemHi, 1, Ns);
  if (SourceElemHi < SourceElemLo) std::swap(SourceElemLo, SourceElemHi);
  const std::vector<TColor> part(ColArraySource->FColArray.begin() + (SourceElemLo - 1),
                                 ColArraySource->FColArray.begin() + SourceElemHi);
  for (size_t off = 0; off < part.size(); ++off) {
    const int64_t dest = static_cast<int64_t>(DestElem) + static_cast<int64_t>(off);
    if (dest >= 1 && dest <= FNColors) FColArray[static_cast<size_t>(dest - 1)] = part[off];
  }
  Changed();
}

bool TColorArray::IsEqual(const TColorArray* OtherColorArray) const {
  if (OtherColorArray == nullptr) return false;
  return FNColors == OtherColorArray->FNColors && FColArray == OtherColorArray->FColArray;
}

void TColorArray::MirrorColors() {
  std::reverse(FColArray.begin(), FColArray.end());
  Changed();
}

void TColorArray::InvertColors() {
  for (TColor& c : FColArray) c = InvertColor(c);
  Changed();
}

void TColorArray::ReverseRGB() {
  for (TColor& c : FColArray) c = ReverseRGBColor(c);
  Changed();
}

void TColorArray::Backup() { FColArrayBak = FColArray; }

void TColorArray::Restore() {
  FColArray = FColArrayBak;
  Changed();
}

namespace {

String DecimalText(int64_t v) {
  const std::string s = std::to_string(v);
  return String(s.begin(), s.end());
}

}  // namespace

bool TColorArray::WriteToOpenTextFile(TTextFile& F, int32_t FirstElem, int32_t LastElem) const {
  if (FirstElem > LastElem) std::swap(FirstElem, LastElem);
  if (FirstElem < 1) FirstElem = 1;
  if (LastElem > FNColors) LastElem = FNColors;
  try {
    F.WriteLn(DecimalText(FirstElem) + u" " + DecimalText(LastElem));
    for (int32_t p = FirstElem; p <= LastElem; ++p) F.WriteLn(ColorToHexStr(FColArray[static_cast<size_t>(p - 1)]));
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

bool TColorArray::ReadFromOpenTextFile(TTextFile& F, bool AdjustSize) {
  int32_t first = 0, last = 0;
  try {
    first = F.ReadInteger();
    last = F.ReadInteger();
    F.ReadLn();
  } catch (const std::exception&) {
    return false;
  }
  try {
    if (AdjustSize && last >= 1 && last <= MaxColorArraySize) SetSize(last);
    if (last > FNColors) {
      Changed();
      return false;
    }
    // int64 so that last = 2147483647 ends the loop.
    for (int64_t p = first; p <= last; ++p) {
      if (F.Eof()) {
        // The remaining lines are missing and read as empty: 0 for every
        // position still inside the palette; the ones before it are skipped
        // without a loop over them.
        for (int64_t q = std::max<int64_t>(p, 1); q <= last; ++q) SetColorElem(static_cast<int32_t>(q), 0);
        break;
      }
      TColor c = 0;
      try {
        c = HexStrToColor(F.ReadLn());
      } catch (const std::exception&) {
        c = 0;  // an unreadable line is skipped, the next position is read
      }
      SetColorElem(static_cast<int32_t>(p), c);
    }
  } catch (const std::exception&) {
    return false;
  }
  Changed();
  return true;
}

bool TColorArray::StoreOnFile(int32_t FirstElem, int32_t LastElem, const String& FileName) const {
  try {
    TTextFile f(FileName);
    f.Rewrite();
    const bool ok = WriteToOpenTextFile(f, FirstElem, LastElem);
    f.Close();
    return ok;
  } catch (const std::exception&) {
    return false;
  }
}

bool TColorArray::LoadFromFile(const String& FileName, bool AdjustSize) {
  try {
    TTextFile f(FileName);
    f.Reset();
    const bool ok = ReadFromOpenTextFile(f, AdjustSize);
    f.Close();
    return ok;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace kvo
