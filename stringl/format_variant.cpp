// Variants as text.
#include "stringl/format_variant.h"

#include <algorithm>
#include <vector>

#include "platform/convert.h"
#include "stringl/format_number.h"
#include "stringl/format_value.h"

namespace kvo {
namespace {

// Positions written per layer; more are cut and marked.
constexpr int64_t kMaxPositions[3] = {12, 10, 3};

String UnknownType(TVarType code) {
  String r = u"(unknown type: ";
  r += IntToStr(static_cast<int32_t>(code));
  r += u')';
  return r;
}

String ElementText(const Variant& e) {
  const TVarType code = e.VarType();
  if (e.IsArray())  // nesting deeper than three layers is not looked into
    return UnknownType(code);
  switch (code & varTypeMask) {
    case varNull:
      return u"NULL";
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
    case varUInt64:
      return IntToStr(e.ToInt64());
    case varSingle:
    case varDouble:
      return strff(e.ToDouble(), 10, -2);
    case varBoolean:
      return BoolToStr(e.ToBool(), 0);
    case varString:
    case varUString:
      return e.ToString();
    default:
      return UnknownType(code & varTypeMask);
  }
}

struct Layer {
  int64_t Lo;
  int64_t Hi;
  int64_t End() const { return std::min(Hi, Lo + kMaxPositions[Index] - 1); }
  bool Cut() const { return Hi > End(); }
  int Index;
};

}  // namespace

String ConvertVariant(const Variant& v) {
  if (!v.IsArray()) return ElementText(v);
  std::vector<Layer> layers;
  std::vector<int32_t> indexes;  // for multi-dimensional arrays
  const int32_t dims = v.DimCount();
  layers.push_back({v.LowBound(1), v.HighBound(1), 0});
  if (layers[0].Hi < layers[0].Lo) return u"undefined array";
  if (dims >= 2) {
    for (int32_t d = 2; d <= std::min<int32_t>(dims, 3); ++d)
      layers.push_back({v.LowBound(d), v.HighBound(d), d - 1});
    for (int32_t d = 1; d <= dims; ++d) indexes.push_back(v.LowBound(d));
  } else {
    const Variant& first = v[static_cast<int32_t>(layers[0].Lo)];
    if (first.IsArray()) {
      layers.push_back({first.LowBound(1), first.HighBound(1), 1});
      if (layers[1].Hi >= layers[1].Lo) {
        const Variant& second = first[static_cast<int32_t>(layers[1].Lo)];
        if (second.IsArray()) layers.push_back({second.LowBound(1), second.HighBound(1), 2});
      }
    }
  }
  auto element = [&](int64_t i, int64_t j, int64_t k) -> String {
    const int32_t at[3] = {static_cast<int32_t>(i), static_cast<int32_t>(j),
                           static_cast<int32_t>(k)};
    if (!indexes.empty()) {
      for (size_t d = 0; d < layers.size(); ++d) indexes[d] = at[d];
      return ElementText(v.GetElement(indexes));
    }
    const Variant* e = &v[at[0]];
    for (size_t d = 1; d < layers.size(); ++d) e = &(*e)[at[d]];
    return ElementText(*e);
  };

  String r = u"Array";
  for (const Layer& l : layers) {
    r += u'[';
    r += IntToStr(l.Lo);
    r += u',';
    r += IntToStr(l.Hi);
    r += u']';
  }
  r += u":\r\n";
  // One line of the first layer's elements at second and third index j, k.
  auto line = [&](int64_t j, int64_t k) {
    for (int64_t i = layers[0].Lo; i <= layers[0].End(); ++i) {
      if (i > layers[0].Lo) r += u',';
      r += element(i, j, k);
    }
    if (layers[0].Cut()) r += u"...";
  };
  if (layers.size() == 1) {
    line(0, 0);
    return r;
  }
  const Layer& l2 = layers[1];
  if (layers.size() == 2) {
    for (int64_t j = l2.Lo; j <= l2.End(); ++j) {
      line(j, 0);
      r += u"\r\n";
    }
    if (l2.Cut()) r += u" ......";
    return r;
  }
  const Layer& l3 = layers[2];
  for (int64_t k = l3.Lo; k <= l3.End(); ++k) {
    r += u"layer ";
    r += IntToStr(k);
    r += u":\r\n";
    for (int64_t j = l2.Lo; j <= l2.End(); ++j) {
      line(j, k);
      r += u"\r\n";
    }
    if (l2.Cut()) r += u" ......\r\n";
  }
  if (l3.Cut()) r += u" ... more layers";
  return r;
}

}  // namespace kvo
