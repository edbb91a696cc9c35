// Number and value formatting: the fixed and exponent number forms and the
// functions built on them, Boolean and tri-state words, durations, sortable
// number columns, variants and parameter lists.
#pragma once

#include "stringl/format_number.h"
#include "stringl/format_value.h"
#include "stringl/format_variant.h"
