#include "kvobase/tables.h"

namespace kvo {

TCSVDelimiters ResolveCSVDelimiter(Char C) {
  // csvUnknown's own entry (code 0) is not a delimiter, so the walk starts
  // after it and code 0 falls through to csvUnknown like any other character.
  for (int d = csvBlank; d <= csvTab; ++d) {
    if (CSVDELIMITERS[d] == C) return static_cast<TCSVDelimiters>(d);
  }
  return csvUnknown;
}

}  // namespace kvo
