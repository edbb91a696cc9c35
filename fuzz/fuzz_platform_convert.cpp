// Text-to-number conversions on arbitrary input: they must never crash, and
// what they accept must be consistent with their own grammar.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/convert.h"
#include "platform/exceptions.h"
#include "platform/variant.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const kvo::String text =
      kvo::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));

  int64_t i64 = 0;
  const bool isInt64 = kvo::TryStrToInt64(text, i64);
  try {
    if (kvo::StrToInt64(text) != i64 || !isInt64) std::abort();
  } catch (const kvo::EConvertError&) {
    if (isInt64) std::abort();
  }
  int32_t i32 = 0;
  if (kvo::TryStrToInt(text, i32) && (!isInt64 || i64 != i32)) std::abort();
  // An accepted integer writes back to the same value.
  if (isInt64 && kvo::StrToInt64(kvo::IntToStr(i64)) != i64) std::abort();

  double d = 0;
  const bool isFloat = kvo::TryStrToFloat(text, d);
  try {
    const double e = kvo::StrToFloat(text);
    if (!isFloat || (e != d && !(std::isnan(e) && std::isnan(d)))) std::abort();
  } catch (const kvo::EConvertError&) {
    if (isFloat) std::abort();
  }
  // Every integer text is also a floating-point text; no text gives NaN.
  if (isInt64 && !isFloat) std::abort();
  if (isFloat && std::isnan(d)) std::abort();
  if (isFloat && std::isfinite(d)) {
    // The general text of an accepted value reads back within 15 digits.
    const double back = kvo::StrToFloat(kvo::FloatToStr(d));
    if (std::fabs(back - d) > std::fabs(d) * 1e-14) std::abort();
  }

  // The same text through a variant's conversions.
  const kvo::Variant v(text);
  try {
    (void)v.ToInt64();
  } catch (const kvo::EConvertError&) {
    if (isInt64) std::abort();
  }
  try {
    (void)v.ToBool();
  } catch (const kvo::EConvertError&) {
  }
  // As a date/time format string.
  try {
    (void)kvo::FormatDateTime(text, 45351.5);
  } catch (const kvo::EConvertError&) {
    std::abort();  // a valid date never fails, whatever the format
  }
  return 0;
}
