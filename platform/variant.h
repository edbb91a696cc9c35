// Variant: the platform's tagged value type.
//
// A Variant holds one value together with its type code: nothing (empty),
// the null value, an integer of 8 to 64 bits, a single or double, a currency
// amount, a date/time, a Boolean, an 8-bit or a UTF-16 string, or an array
// of values with a lower and upper bound per dimension. Arrays whose element
// type is varVariant hold Variants that may be arrays themselves (arrays of
// arrays). Variants are values: copying one copies its string or its whole
// array.
//
// Conversions to text, floating point, integer and Boolean follow fixed,
// locale-independent rules (see ToString and the others below). A conversion
// that cannot be made raises EVariantTypeCastError; an array index outside
// its bounds raises EVariantBadIndexError; other misuse of arrays raises
// EVariantError. All three derive from EConvertError.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/exceptions.h"
#include "platform/strings.h"

namespace kvo {

// The type code of a Variant: an element type in the low 12 bits, and the
// flag varArray for an array of that element type.
using TVarType = uint16_t;

inline constexpr TVarType varEmpty = 0x0000;     // no value
inline constexpr TVarType varNull = 0x0001;      // the null value
inline constexpr TVarType varSmallint = 0x0002;  // 16-bit signed
inline constexpr TVarType varInteger = 0x0003;   // 32-bit signed
inline constexpr TVarType varSingle = 0x0004;    // float
inline constexpr TVarType varDouble = 0x0005;    // double
inline constexpr TVarType varCurrency = 0x0006;  // fixed point, 4 decimals
inline constexpr TVarType varDate = 0x0007;      // days since 1899-12-30
inline constexpr TVarType varBoolean = 0x000B;   // bool
inline constexpr TVarType varVariant = 0x000C;   // array elements only: any Variant
inline constexpr TVarType varShortInt = 0x0010;  // 8-bit signed
inline constexpr TVarType varByte = 0x0011;      // 8-bit unsigned
inline constexpr TVarType varWord = 0x0012;      // 16-bit unsigned
inline constexpr TVarType varLongWord = 0x0013;  // 32-bit unsigned
inline constexpr TVarType varInt64 = 0x0014;     // 64-bit signed
inline constexpr TVarType varUInt64 = 0x0015;    // 64-bit unsigned
inline constexpr TVarType varString = 0x0100;    // 8-bit string (Latin-1 bytes)
inline constexpr TVarType varUString = 0x0102;   // UTF-16 string
inline constexpr TVarType varTypeMask = 0x0FFF;  // element type of a code
inline constexpr TVarType varArray = 0x2000;     // flag: array of the element type

// Variant errors. EVariantError covers misuse of arrays (not an array, wrong
// number of indexes, invalid bounds or element type); the subclasses name a
// failed conversion and an index outside an array's bounds.
class EVariantError : public EConvertError {
 public:
  using EConvertError::EConvertError;
};
class EVariantTypeCastError : public EVariantError {
 public:
  using EVariantError::EVariantError;
};
class EVariantBadIndexError : public EVariantError {
 public:
  using EVariantError::EVariantError;
};

// Currency
//
// A fixed-point amount with four decimals, held as the amount times 10000 in
// a 64-bit integer (so 1.5 is Scaled == 15000).
struct Currency {
  int64_t Scaled = 0;

  // The amount nearest to Value (ties to even). A value that is not finite or
  // does not fit raises EVariantTypeCastError.
  static Currency FromDouble(double Value);
  double ToDouble() const { return static_cast<double>(Scaled) / 10000.0; }
  friend bool operator==(Currency, Currency) = default;
};

namespace detail {
template <typename T>
inline constexpr bool kIsCharType =
    std::is_same_v<T, char> || std::is_same_v<T, wchar_t> || std::is_same_v<T, char8_t> ||
    std::is_same_v<T, char16_t> || std::is_same_v<T, char32_t>;

// The type code of an integer type by size and signedness.
template <typename T>
constexpr TVarType IntegerCode() {
  if constexpr (std::is_signed_v<T>) {
    return sizeof(T) == 1 ? varShortInt
           : sizeof(T) == 2 ? varSmallint
           : sizeof(T) == 4 ? varInteger
                            : varInt64;
  } else {
    return sizeof(T) == 1 ? varByte
           : sizeof(T) == 2 ? varWord
           : sizeof(T) == 4 ? varLongWord
                            : varUInt64;
  }
}

struct VarArrayData;
// Owns an array's data and copies it deeply, giving arrays value semantics.
class VarArrayBox {
 public:
  explicit VarArrayBox(std::unique_ptr<VarArrayData> data);
  VarArrayBox(const VarArrayBox& other);
  VarArrayBox(VarArrayBox&& other) noexcept;
  VarArrayBox& operator=(const VarArrayBox& other);
  VarArrayBox& operator=(VarArrayBox&& other) noexcept;
  ~VarArrayBox();
  VarArrayData& Get() const { return *FData; }

 private:
  std::unique_ptr<VarArrayData> FData;
};
}  // namespace detail

class Variant {
 public:
  // An empty Variant (varEmpty).
  Variant() noexcept = default;

  // The null Variant (varNull).
  static Variant Null() noexcept;

  // A date/time value (varDate): days since 1899-12-30, fraction = time.
  static Variant FromDate(double DateTime) noexcept;

  Variant(bool Value) noexcept : FType(varBoolean), FData(Value) {}

  // Integers of every width map by size and signedness: int8_t varShortInt,
  // uint8_t varByte, int16_t varSmallint, uint16_t varWord, int32_t (and int)
  // varInteger, uint32_t varLongWord, int64_t varInt64, uint64_t varUInt64.
  // Character types are not integers here (write a string instead).
  template <typename T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !detail::kIsCharType<T>)
  Variant(T Value) noexcept : FType(detail::IntegerCode<T>()) {
    if constexpr (std::is_signed_v<T>) {
      FData = static_cast<int64_t>(Value);
    } else {
      FData = static_cast<uint64_t>(Value);
    }
  }

  Variant(float Value) noexcept : FType(varSingle), FData(static_cast<double>(Value)) {}
  Variant(double Value) noexcept : FType(varDouble), FData(Value) {}
  Variant(Currency Value) noexcept : FType(varCurrency), FData(Value.Scaled) {}

  // UTF-16 strings (varUString).
  Variant(String Value) noexcept : FType(varUString), FData(std::move(Value)) {}
  Variant(const Char* Value) : Variant(String(Value)) {}

  // 8-bit strings (varString); each byte is a Latin-1 character.
  Variant(std::string Value) noexcept : FType(varString), FData(std::move(Value)) {}
  Variant(const char* Value) : Variant(std::string(Value)) {}

  // The type code: element type in the low 12 bits, varArray for arrays.
  TVarType VarType() const noexcept { return FType; }
  bool IsEmpty() const noexcept { return FType == varEmpty; }
  bool IsNull() const noexcept { return FType == varNull; }
  bool IsArray() const noexcept { return (FType & varArray) != 0; }

  // ToString
  //
  // The value as text. Empty gives ""; integers their decimal text (varUInt64
  // its unsigned value); varDouble FloatToStr (15 significant digits);
  // varSingle the same rule with 7 significant digits (so 0.1f gives "0.1");
  // currency its exact decimal with at most four decimals and no trailing
  // zeros ("1.5"); a date FormatDateTime("c") ("2024-02-29 13:05:00", the
  // time left out at midnight; a value outside the calendar range raises
  // FormatDateTime's EConvertError); Boolean "True" / "False"; strings
  // themselves (8-bit strings read as Latin-1). Null and arrays raise
  // EVariantTypeCastError (see VarToStr for null as "").
  String ToString() const;

  // ToDouble
  //
  // The value as a double. Empty gives 0; numbers, currency and dates their
  // value (64-bit integers rounded to the nearest double); Boolean 1 or 0;
  // strings are read by StrToFloat (blanks at both ends allowed, "." only).
  // Null, arrays and strings that are not numbers raise
  // EVariantTypeCastError.
  double ToDouble() const;

  // ToInt64
  //
  // The value as a 64-bit signed integer. Empty gives 0; integers their
  // value, except that a varUInt64 above the signed range wraps to its
  // two's complement (18446744073709551615 gives -1), as text output of
  // integers in 64 bits relies on; floating-point values, currency and dates
  // are rounded to the nearest integer, ties to even (2.5 gives 2); Boolean
  // 1 or 0; strings are read as a decimal integer (StrToInt64) or, failing
  // that, as a floating-point number (StrToFloat) rounded like a double.
  // Null, arrays, unreadable strings and values outside the range (or NaN)
  // raise EVariantTypeCastError.
  int64_t ToInt64() const;

  // ToInt32
  //
  // ToInt64, then EVariantTypeCastError when the result is outside the
  // 32-bit signed range.
  int32_t ToInt32() const;

  // ToBool
  //
  // The value as a Boolean. Empty gives false; numbers, currency and dates
  // are true when not zero; strings "true" and "false" (ASCII letters in any
  // case, blanks at both ends allowed) or, failing that, a number text that
  // is true when not zero. Null, arrays and other strings raise
  // EVariantTypeCastError.
  bool ToBool() const;

  // Arrays
  //
  // DimCount: the number of dimensions, 0 for a value that is not an array.
  // LowBound / HighBound: the bounds of dimension Dim (1-based); raise
  // EVariantError when this is not an array or has no dimension Dim.
  int32_t DimCount() const noexcept;
  int32_t LowBound(int32_t Dim) const;
  int32_t HighBound(int32_t Dim) const;

  // operator[]
  //
  // Element Index of a one-dimensional array, for reading; the element has
  // the array's element type, or any type when that is varVariant, so
  // v[i][j] reads an array of arrays. Raises EVariantError when this is not
  // an array ("Variant is not an array") or has more dimensions, and
  // EVariantBadIndexError when Index is outside the bounds.
  const Variant& operator[](int32_t Index) const;

  // GetElement / PutElement
  //
  // Read or write the element at Indices, one index per dimension. PutElement
  // converts Value to the array's element type first (as VarAsType; any
  // Value is stored unchanged in a varVariant array), so a failed conversion
  // raises EVariantTypeCastError and leaves the array unchanged. Raise
  // EVariantError for a value that is not an array or a wrong number of
  // indexes, EVariantBadIndexError for an index outside its bounds.
  const Variant& GetElement(std::span<const int32_t> Indices) const;
  void PutElement(std::span<const int32_t> Indices, const Variant& Value);

  // Equality
  //
  // Empty equals empty and null equals null. Numbers of all kinds (integers,
  // floating point, currency, dates) compare by value, whatever their type
  // codes: Variant(int16_t(3)) == Variant(3.0); two integers compare
  // exactly. Booleans equal Booleans of the same value; 8-bit and UTF-16
  // strings compare by their text. Arrays are equal when their element
  // types, bounds and elements are equal. Values of different kinds (a
  // number and a string, a Boolean and a number) are never equal; there is
  // no conversion.
  friend bool operator==(const Variant& A, const Variant& B);

 private:
  friend Variant VarArrayCreate(std::span<const int32_t> Bounds, TVarType ElemType);
  const Variant* Locate(std::span<const int32_t> Indices) const;
  // The value of a number of any kind (integer, floating point, currency,
  // date) for comparisons.
  static long double NumberAsLongDouble(const Variant& V);

  using Data = std::variant<std::monostate, int64_t, uint64_t, double, bool, String, std::string,
                            detail::VarArrayBox>;
  Variant(TVarType Type, Data Payload) : FType(Type), FData(std::move(Payload)) {}

  // Which alternative holds the value, by type code: signed integers,
  // currency (times 10000) as int64_t; unsigned integers as uint64_t;
  // single, double and date as double; Boolean as bool; strings as String or
  // std::string; arrays as VarArrayBox.
  TVarType FType = varEmpty;
  Data FData;
};

using TVariantArray = std::vector<Variant>;

// The null Variant and the empty Variant.
inline Variant Null() { return Variant::Null(); }
inline Variant Unassigned() { return Variant(); }

inline TVarType VarType(const Variant& V) { return V.VarType(); }
inline bool VarIsNull(const Variant& V) { return V.IsNull(); }
inline bool VarIsEmpty(const Variant& V) { return V.IsEmpty(); }
inline bool VarIsArray(const Variant& V) { return V.IsArray(); }

// VarToStr
//
// V.ToString(), except that null gives "" instead of an error.
String VarToStr(const Variant& V);

// VarAsType
//
// V converted to the type code VarType (an element type, not an array):
// integer targets take ToInt64 and raise EVariantTypeCastError when the
// value does not fit the target's width (varUInt64 takes non-negative
// values, and unsigned 64-bit ones unchanged); varSingle, varDouble and
// varDate take ToDouble (varSingle raises when a finite value exceeds the
// float range); varCurrency ToDouble rounded to four decimals (currency is
// kept exact); varBoolean ToBool; varUString ToString; varString ToString
// with each character's low 8 bits; varVariant gives V itself; varEmpty and
// varNull give the empty and the null Variant. An array converts only to
// varVariant; other codes raise EVariantTypeCastError.
Variant VarAsType(const Variant& V, TVarType VarType);

// VarArrayCreate
//
// An array with the given bounds, a low and a high bound per dimension
// ({0, 2} is one dimension of three elements, {1, 20, 0, 3} two
// dimensions), of element type ElemType. A high bound one below the low
// bound gives an empty dimension. Every element starts as the zero of its
// type (0, "", false), or empty for varVariant. Raises EVariantError for an
// odd or empty bounds list, more than 64 dimensions, a high bound more than
// one below its low bound, more than 2147483647 elements in all, or an
// element type that is not a value type (varEmpty, varNull and codes outside
// the list above); EOutOfMemory when memory runs out.
Variant VarArrayCreate(std::span<const int32_t> Bounds, TVarType ElemType);
inline Variant VarArrayCreate(std::initializer_list<int32_t> Bounds, TVarType ElemType) {
  return VarArrayCreate(std::span<const int32_t>(Bounds.begin(), Bounds.size()), ElemType);
}

// VarArrayOf
//
// A one-dimensional varVariant array with bounds 0 .. n - 1 holding Values.
Variant VarArrayOf(std::span<const Variant> Values);
inline Variant VarArrayOf(std::initializer_list<Variant> Values) {
  return VarArrayOf(std::span<const Variant>(Values.begin(), Values.size()));
}

// Free forms of the array members (Dim is 1-based).
inline int32_t VarArrayDimCount(const Variant& A) { return A.DimCount(); }
inline int32_t VarArrayLowBound(const Variant& A, int32_t Dim) { return A.LowBound(Dim); }
inline int32_t VarArrayHighBound(const Variant& A, int32_t Dim) { return A.HighBound(Dim); }
inline Variant VarArrayGet(const Variant& A, std::initializer_list<int32_t> Indices) {
  return A.GetElement(std::span<const int32_t>(Indices.begin(), Indices.size()));
}
inline void VarArrayPut(Variant& A, const Variant& Value, std::initializer_list<int32_t> Indices) {
  A.PutElement(std::span<const int32_t>(Indices.begin(), Indices.size()), Value);
}

}  // namespace kvo
