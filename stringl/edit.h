// String editing, testing and searching: trimming and padding, replacing
// and removing, counting and searching, character sets and classes, and the
// hexadecimal reader these share with the pattern matcher.
#pragma once

#include "stringl/charclass.h"
#include "stringl/hexread.h"
#include "stringl/replace.h"
#include "stringl/search.h"
#include "stringl/trim.h"
