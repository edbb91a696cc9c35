// Variants as text.
#pragma once

#include "platform/strings.h"
#include "platform/variant.h"

namespace kvo {

// ConvertVariant
//
// A value that is not an array is written by the element rule below. An
// array is written with a header "Array" "[lo,hi]"... ":" CR LF, one bounds
// pair per layer, followed by its elements:
//   one layer     the elements separated by ",", then "..." when cut:
//                 "Array[0,2]:\r\n1,2,3"
//   two layers    one line per second-layer index j: the elements v[i][j]
//                 separated by ",", "..." when the first layer was cut, CR
//                 LF; after the last line " ......" when the second layer
//                 was cut
//   three layers  per third-layer index k: "layer <k>:" CR LF, the lines as
//                 for two layers with v[i][j][k], and " ......" CR LF when
//                 the second layer was cut; after all of them
//                 " ... more layers" when the third layer was cut.
// At most 12 positions of the first layer, 10 of the second and 3 of the
// third are written. A second (third) layer exists when the first element
// v[lo1] (v[lo1][lo2]) is itself an array; every inner array is taken to
// have the bounds of that first one, and deeper nesting is not looked at.
// Element rule, by the low 12 bits of the type code: null "NULL"; the
// integers (codes 2, 3, 16 to 21) in decimal as 64-bit signed values (an
// unsigned 64-bit value above that range comes out negative); single and
// double as strff(x, 10, -2) (" 1.500E+00"); Boolean "TRUE" / "FALSE";
// 8-bit and UTF-16 strings as themselves; any other type
// "(unknown type: <code>)", e.g. "(unknown type: 7)" for a date.
//
// Errors: an inner array shorter than the first one raises the platform's
// EVariantBadIndexError, an inner element that should be an array but is
// not raises EVariantError.
// Decisions: an array without elements (high bound below low bound) gives
// "undefined array", whatever its bounds; an array with negative bounds
// that has elements is written like any other. A multi-dimensional array
// takes its dimensions as the layers (element (i, j) of a two-dimensional
// array stands where v[i][j] would); dimensions beyond the third are read
// at their low bounds and not shown in the header.
String ConvertVariant(const Variant& v);

}  // namespace kvo
