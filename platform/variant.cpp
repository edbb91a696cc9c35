#include "platform/variant.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <new>

#include "platform/convert.h"

namespace kvo {

namespace detail {

struct VarArrayData {
  TVarType ElemType;
  std::vector<int32_t> Low;     // low bound per dimension
  std::vector<int32_t> Count;   // element count per dimension
  std::vector<Variant> Items;   // row-major: the last index varies fastest
};

VarArrayBox::VarArrayBox(std::unique_ptr<VarArrayData> data) : FData(std::move(data)) {}
VarArrayBox::VarArrayBox(const VarArrayBox& other)
    : FData(std::make_unique<VarArrayData>(*other.FData)) {}
VarArrayBox::VarArrayBox(VarArrayBox&& other) noexcept = default;
VarArrayBox& VarArrayBox::operator=(const VarArrayBox& other) {
  if (this != &other) FData = std::make_unique<VarArrayData>(*other.FData);
  return *this;
}
VarArrayBox& VarArrayBox::operator=(VarArrayBox&& other) noexcept = default;
VarArrayBox::~VarArrayBox() = default;

}  // namespace detail

namespace {

constexpr int32_t kMaxDims = 64;

struct TypeName {
  TVarType Code;
  const char16_t* Name;
};

constexpr TypeName kTypeNames[] = {
    {varEmpty, u"Empty"},     {varNull, u"Null"},         {varSmallint, u"Smallint"},
    {varInteger, u"Integer"}, {varSingle, u"Single"},     {varDouble, u"Double"},
    {varCurrency, u"Currency"}, {varDate, u"Date"},       {varBoolean, u"Boolean"},
    {varVariant, u"Variant"}, {varShortInt, u"ShortInt"}, {varByte, u"Byte"},
    {varWord, u"Word"},       {varLongWord, u"LongWord"}, {varInt64, u"Int64"},
    {varUInt64, u"UInt64"},   {varString, u"String"},     {varUString, u"UnicodeString"},
};

const char16_t* ElemTypeName(TVarType code) {
  for (const auto& t : kTypeNames) {
    if (t.Code == code) return t.Name;
  }
  return nullptr;
}

String TypeNameOf(TVarType code) {
  const TVarType elem = code & varTypeMask;
  const char16_t* name = ElemTypeName(elem);
  String s = name ? String(name) : u"Unknown(" + IntToStr(static_cast<int32_t>(elem)) + u")";
  return (code & varArray) ? u"Array of " + s : s;
}

[[noreturn]] void RaiseCast(TVarType from, TVarType to) {
  throw EVariantTypeCastError(u"Could not convert variant of type (" + TypeNameOf(from) +
                              u") into type (" + TypeNameOf(to) + u")");
}

bool IsSignedCode(TVarType t) {
  return t == varSmallint || t == varInteger || t == varShortInt || t == varInt64;
}
bool IsUnsignedCode(TVarType t) {
  return t == varByte || t == varWord || t == varLongWord || t == varUInt64;
}
bool IsFloatCode(TVarType t) { return t == varSingle || t == varDouble || t == varDate; }
bool IsNumberCode(TVarType t) {
  return IsSignedCode(t) || IsUnsignedCode(t) || IsFloatCode(t) || t == varCurrency;
}
bool IsStringCode(TVarType t) { return t == varString || t == varUString; }

// Element types an array may have.
bool IsArrayElemCode(TVarType t) {
  return IsNumberCode(t) || t == varBoolean || t == varVariant || IsStringCode(t);
}

// Rounds to the nearest integer, ties to even, when the result fits in 64
// bits.
bool RoundToInt64(double x, int64_t& out) {
  if (!std::isfinite(x)) return false;
  double r = std::nearbyint(x);  // the default rounding mode rounds ties to even
  if (r < -9223372036854775808.0 || r >= 9223372036854775808.0) return false;
  out = static_cast<int64_t>(r);
  return true;
}

// The integer nearest to Scaled / 10000, ties to even.
int64_t RoundCurrency(int64_t scaled) {
  int64_t q = scaled / 10000, r = scaled % 10000;  // r has the sign of scaled
  if (r > 5000 || (r == 5000 && (q & 1) != 0)) ++q;
  if (r < -5000 || (r == -5000 && (q & 1) != 0)) --q;
  return q;
}

String CurrencyToStr(int64_t scaled) {
  const bool negative = scaled < 0;
  const uint64_t mag = negative ? ~static_cast<uint64_t>(scaled) + 1 : static_cast<uint64_t>(scaled);
  String s = IntToStr(mag / 10000);
  uint64_t frac = mag % 10000;
  if (frac != 0) {
    String f = IntToStr(frac + 10000).substr(1);  // four digits with leading zeros
    while (f.back() == u'0') f.pop_back();
    s += u"." + f;
  }
  return negative ? u"-" + s : s;
}

String SingleToStr(float f) {
  if (!std::isfinite(f) || f == 0) return FloatToStr(f);
  char buf[48];
  const auto res = std::to_chars(buf, buf + sizeof buf, f, std::chars_format::general, 7);
  String out;
  for (const char* p = buf; p != res.ptr; ++p) out.push_back(*p == 'e' ? u'E' : Char(*p));
  return out;
}

bool IsBlankAround(const String& s, const char16_t* word) {
  size_t b = 0, e = s.size();
  while (b < e && s[b] == u' ') ++b;
  while (e > b && s[e - 1] == u' ') --e;
  const std::u16string_view w(word);
  if (e - b != w.size()) return false;
  for (size_t k = 0; k < w.size(); ++k) {
    Char c = s[b + k];
    if (c >= u'A' && c <= u'Z') c = static_cast<Char>(c + 32);
    if (c != w[k]) return false;
  }
  return true;
}

}  // namespace

Currency Currency::FromDouble(double Value) {
  const double scaled = std::nearbyint(Value * 10000.0);
  int64_t out;
  if (!RoundToInt64(scaled, out)) RaiseCast(varDouble, varCurrency);
  return Currency{out};
}

Variant Variant::Null() noexcept { return Variant(varNull, Data()); }

Variant Variant::FromDate(double DateTime) noexcept { return Variant(varDate, Data(DateTime)); }

// ---- conversions -----------------------------------------------------------

String Variant::ToString() const {
  switch (FType) {
    case varEmpty:
      return String();
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varInt64:
      return IntToStr(std::get<int64_t>(FData));
    case varByte:
    case varWord:
    case varLongWord:
    case varUInt64:
      return IntToStr(std::get<uint64_t>(FData));
    case varSingle:
      return SingleToStr(static_cast<float>(std::get<double>(FData)));
    case varDouble:
      return FloatToStr(std::get<double>(FData));
    case varDate:
      return FormatDateTime(u"c", std::get<double>(FData));
    case varCurrency:
      return CurrencyToStr(std::get<int64_t>(FData));
    case varBoolean:
      return std::get<bool>(FData) ? u"True" : u"False";
    case varUString:
      return std::get<String>(FData);
    case varString:
      return FromLatin1(std::get<std::string>(FData));
    default:
      RaiseCast(FType, varUString);
  }
}

double Variant::ToDouble() const {
  switch (FType) {
    case varEmpty:
      return 0;
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varInt64:
      return static_cast<double>(std::get<int64_t>(FData));
    case varByte:
    case varWord:
    case varLongWord:
    case varUInt64:
      return static_cast<double>(std::get<uint64_t>(FData));
    case varSingle:
    case varDouble:
    case varDate:
      return std::get<double>(FData);
    case varCurrency:
      return static_cast<double>(std::get<int64_t>(FData)) / 10000.0;
    case varBoolean:
      return std::get<bool>(FData) ? 1 : 0;
    case varUString:
    case varString: {
      double v;
      if (!TryStrToFloat(ToString(), v)) RaiseCast(FType, varDouble);
      return v;
    }
    default:
      RaiseCast(FType, varDouble);
  }
}

int64_t Variant::ToInt64() const {
  int64_t out = 0;
  switch (FType) {
    case varEmpty:
      return 0;
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varInt64:
      return std::get<int64_t>(FData);
    case varByte:
    case varWord:
    case varLongWord:
    case varUInt64:
      return static_cast<int64_t>(std::get<uint64_t>(FData));  // wraps above INT64_MAX
    case varSingle:
    case varDouble:
    case varDate:
      if (!RoundToInt64(std::get<double>(FData), out)) RaiseCast(FType, varInt64);
      return out;
    case varCurrency:
      return RoundCurrency(std::get<int64_t>(FData));
    case varBoolean:
      return std::get<bool>(FData) ? 1 : 0;
    case varUString:
    case varString: {
      const String s = ToString();
      if (TryStrToInt64(s, out)) return out;
      double d;
      if (TryStrToFloat(s, d) && RoundToInt64(d, out)) return out;
      RaiseCast(FType, varInt64);
    }
    default:
      RaiseCast(FType, varInt64);
  }
}

int32_t Variant::ToInt32() const {
  const int64_t v = ToInt64();
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) {
    RaiseCast(FType, varInteger);
  }
  return static_cast<int32_t>(v);
}

bool Variant::ToBool() const {
  switch (FType) {
    case varEmpty:
      return false;
    case varBoolean:
      return std::get<bool>(FData);
    case varCurrency:
      return std::get<int64_t>(FData) != 0;
    case varUString:
    case varString: {
      const String s = ToString();
      if (IsBlankAround(s, u"true")) return true;
      if (IsBlankAround(s, u"false")) return false;
      double d;
      if (!TryStrToFloat(s, d)) RaiseCast(FType, varBoolean);
      return d != 0;
    }
    default:
      if (IsSignedCode(FType)) return std::get<int64_t>(FData) != 0;
      if (IsUnsignedCode(FType)) return std::get<uint64_t>(FData) != 0;
      if (IsFloatCode(FType)) return std::get<double>(FData) != 0;
      RaiseCast(FType, varBoolean);
  }
}

String VarToStr(const Variant& V) { return V.IsNull() ? String() : V.ToString(); }

Variant VarAsType(const Variant& V, TVarType VarType) {
  const TVarType from = V.VarType();
  if (VarType == varVariant || from == VarType) return V;
  if (V.IsArray()) RaiseCast(from, VarType);
  switch (VarType) {
    case varEmpty:
      return Variant();
    case varNull:
      return Variant::Null();
    case varShortInt:
    case varSmallint:
    case varInteger:
    case varInt64:
    case varByte:
    case varWord:
    case varLongWord: {
      const int64_t v = V.ToInt64();
      if (from == varUInt64 && v < 0) RaiseCast(from, VarType);  // no wrapping here
      switch (VarType) {
        case varShortInt:
          if (v < INT8_MIN || v > INT8_MAX) break;
          return Variant(static_cast<int8_t>(v));
        case varSmallint:
          if (v < INT16_MIN || v > INT16_MAX) break;
          return Variant(static_cast<int16_t>(v));
        case varInteger:
          if (v < INT32_MIN || v > INT32_MAX) break;
          return Variant(static_cast<int32_t>(v));
        case varInt64:
          return Variant(v);
        case varByte:
          if (v < 0 || v > UINT8_MAX) break;
          return Variant(static_cast<uint8_t>(v));
        case varWord:
          if (v < 0 || v > UINT16_MAX) break;
          return Variant(static_cast<uint16_t>(v));
        default:  // varLongWord
          if (v < 0 || v > UINT32_MAX) break;
          return Variant(static_cast<uint32_t>(v));
      }
      RaiseCast(from, VarType);
    }
    case varUInt64: {
      if (IsUnsignedCode(from)) return Variant(static_cast<uint64_t>(V.ToInt64()));
      if (IsFloatCode(from)) {
        const double r = std::nearbyint(V.ToDouble());
        if (!(r >= 0 && r < 18446744073709551616.0)) RaiseCast(from, VarType);
        return Variant(static_cast<uint64_t>(r));
      }
      const int64_t v = V.ToInt64();
      if (v < 0) RaiseCast(from, VarType);
      return Variant(static_cast<uint64_t>(v));
    }
    case varSingle: {
      const double d = V.ToDouble();
      if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max()) {
        RaiseCast(from, VarType);
      }
      return Variant(static_cast<float>(d));
    }
    case varDouble:
      return Variant(V.ToDouble());
    case varDate:
      return Variant::FromDate(V.ToDouble());
    case varCurrency:
      if (IsSignedCode(from) || IsUnsignedCode(from) || from == varBoolean) {
        // Integers convert exactly while the amount fits.
        const int64_t v = V.ToInt64();
        if ((from == varUInt64 && v < 0) || v > INT64_MAX / 10000 || v < INT64_MIN / 10000) {
          RaiseCast(from, VarType);
        }
        return Variant(Currency{v * 10000});
      }
      return Variant(Currency::FromDouble(V.ToDouble()));
    case varBoolean:
      return Variant(V.ToBool());
    case varUString:
      return Variant(V.ToString());
    case varString:
      return Variant(ToLatin1(V.ToString()));
    default:
      RaiseCast(from, VarType);
  }
}

// ---- arrays ----------------------------------------------------------------

namespace {

Variant ZeroOf(TVarType elem) {
  switch (elem) {
    case varVariant:
      return Variant();
    case varBoolean:
      return Variant(false);
    case varUString:
      return Variant(String());
    case varString:
      return Variant(std::string());
    case varCurrency:
      return Variant(Currency{});
    case varDate:
      return Variant::FromDate(0);
    default:
      return VarAsType(Variant(int32_t{0}), elem);
  }
}

[[noreturn]] void RaiseNotArray() { throw EVariantError(u"Variant is not an array"); }

}  // namespace

Variant VarArrayCreate(std::span<const int32_t> Bounds, TVarType ElemType) {
  if (Bounds.empty() || Bounds.size() % 2 != 0) {
    throw EVariantError(u"Variant array bounds must be pairs of low and high bound");
  }
  if (Bounds.size() / 2 > static_cast<size_t>(kMaxDims)) {
    throw EVariantError(u"Variant array has more than 64 dimensions");
  }
  if (!IsArrayElemCode(ElemType)) {
    throw EVariantError(u"Invalid variant array element type: " +
                        IntToStr(static_cast<int32_t>(ElemType)));
  }
  auto data = std::make_unique<detail::VarArrayData>();
  data->ElemType = ElemType;
  int64_t total = 1;
  for (size_t k = 0; k < Bounds.size(); k += 2) {
    const int64_t count = int64_t{Bounds[k + 1]} - Bounds[k] + 1;
    if (count < 0) {
      throw EVariantError(u"Invalid variant array bounds: " + IntToStr(Bounds[k]) + u".." +
                          IntToStr(Bounds[k + 1]));
    }
    total *= count;  // stays below 2^63: each factor is checked against the limit below
    if (total > std::numeric_limits<int32_t>::max()) {
      throw EVariantError(u"Variant array has too many elements");
    }
    data->Low.push_back(Bounds[k]);
    data->Count.push_back(static_cast<int32_t>(count));
  }
  try {
    data->Items.assign(static_cast<size_t>(total), ZeroOf(ElemType));
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory(u"Out of memory");
  }
  return Variant(static_cast<TVarType>(varArray | ElemType),
                 detail::VarArrayBox(std::move(data)));
}

Variant VarArrayOf(std::span<const Variant> Values) {
  Variant a = VarArrayCreate({0, static_cast<int32_t>(Values.size()) - 1}, varVariant);
  for (size_t k = 0; k < Values.size(); ++k) {
    const int32_t index = static_cast<int32_t>(k);
    a.PutElement(std::span<const int32_t>(&index, 1), Values[k]);
  }
  return a;
}

int32_t Variant::DimCount() const noexcept {
  if (!IsArray()) return 0;
  return static_cast<int32_t>(std::get<detail::VarArrayBox>(FData).Get().Low.size());
}

int32_t Variant::LowBound(int32_t Dim) const {
  if (!IsArray()) RaiseNotArray();
  const auto& a = std::get<detail::VarArrayBox>(FData).Get();
  if (Dim < 1 || Dim > static_cast<int32_t>(a.Low.size())) {
    throw EVariantError(u"Variant array has no dimension " + IntToStr(Dim));
  }
  return a.Low[Dim - 1];
}

int32_t Variant::HighBound(int32_t Dim) const {
  const int32_t low = LowBound(Dim);
  const auto& a = std::get<detail::VarArrayBox>(FData).Get();
  return static_cast<int32_t>(int64_t{low} + a.Count[Dim - 1] - 1);
}

const Variant* Variant::Locate(std::span<const int32_t> Indices) const {
  if (!IsArray()) RaiseNotArray();
  const auto& a = std::get<detail::VarArrayBox>(FData).Get();
  if (Indices.size() != a.Low.size()) {
    throw EVariantError(u"Variant array has " + IntToStr(static_cast<int32_t>(a.Low.size())) +
                        u" dimension(s), " + IntToStr(static_cast<int32_t>(Indices.size())) +
                        u" index(es) given");
  }
  int64_t offset = 0;
  for (size_t k = 0; k < Indices.size(); ++k) {
    const int64_t rel = int64_t{Indices[k]} - a.Low[k];
    if (rel < 0 || rel >= a.Count[k]) {
      throw EVariantBadIndexError(
          u"Variant array index out of bounds: " + IntToStr(Indices[k]) + u" not in " +
          IntToStr(a.Low[k]) + u".." + IntToStr(static_cast<int32_t>(int64_t{a.Low[k]} + a.Count[k] - 1)));
    }
    offset = offset * a.Count[k] + rel;
  }
  return &a.Items[static_cast<size_t>(offset)];
}

const Variant& Variant::operator[](int32_t Index) const {
  return *Locate(std::span<const int32_t>(&Index, 1));
}

const Variant& Variant::GetElement(std::span<const int32_t> Indices) const {
  return *Locate(Indices);
}

void Variant::PutElement(std::span<const int32_t> Indices, const Variant& Value) {
  Variant* slot = const_cast<Variant*>(Locate(Indices));
  const TVarType elem = FType & varTypeMask;
  // Convert (or copy) first, so that a failure or Value being part of this
  // array leaves the array intact.
  Variant converted = VarAsType(Value, elem);
  *slot = std::move(converted);
}

// ---- equality --------------------------------------------------------------

bool operator==(const Variant& A, const Variant& B) {
  const TVarType ta = A.FType, tb = B.FType;
  if (A.IsArray() || B.IsArray()) {
    if (ta != tb) return false;
    const auto& x = std::get<detail::VarArrayBox>(A.FData).Get();
    const auto& y = std::get<detail::VarArrayBox>(B.FData).Get();
    return x.Low == y.Low && x.Count == y.Count && x.Items == y.Items;
  }
  if (ta == varEmpty || ta == varNull || tb == varEmpty || tb == varNull) return ta == tb;
  if (ta == varBoolean || tb == varBoolean) {
    return ta == tb && std::get<bool>(A.FData) == std::get<bool>(B.FData);
  }
  if (IsStringCode(ta) || IsStringCode(tb)) {
    return IsStringCode(ta) && IsStringCode(tb) && A.ToString() == B.ToString();
  }
  if (!IsNumberCode(ta) || !IsNumberCode(tb)) return false;
  const bool ia = IsSignedCode(ta) || IsUnsignedCode(ta);
  const bool ib = IsSignedCode(tb) || IsUnsignedCode(tb);
  if (ia && ib) {
    // Compare exactly: a negative signed value never equals an unsigned one.
    const bool na = IsSignedCode(ta) && std::get<int64_t>(A.FData) < 0;
    const bool nb = IsSignedCode(tb) && std::get<int64_t>(B.FData) < 0;
    if (na != nb) return false;
    const uint64_t ua = IsSignedCode(ta) ? static_cast<uint64_t>(std::get<int64_t>(A.FData))
                                         : std::get<uint64_t>(A.FData);
    const uint64_t ub = IsSignedCode(tb) ? static_cast<uint64_t>(std::get<int64_t>(B.FData))
                                         : std::get<uint64_t>(B.FData);
    return ua == ub;
  }
  if (ta == varCurrency && tb == varCurrency) {
    return std::get<int64_t>(A.FData) == std::get<int64_t>(B.FData);
  }
  return Variant::NumberAsLongDouble(A) == Variant::NumberAsLongDouble(B);
}

long double Variant::NumberAsLongDouble(const Variant& V) {
  // long double holds every 64-bit integer exactly.
  const TVarType t = V.FType;
  if (IsSignedCode(t)) return static_cast<long double>(std::get<int64_t>(V.FData));
  if (IsUnsignedCode(t)) return static_cast<long double>(std::get<uint64_t>(V.FData));
  if (t == varCurrency) return static_cast<long double>(std::get<int64_t>(V.FData)) / 10000.0L;
  return static_cast<long double>(std::get<double>(V.FData));
}

}  // namespace kvo
