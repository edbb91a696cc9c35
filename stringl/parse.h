// Splitting, tokenizing and parsing strings: splitting at delimiters and
// triggers, tokens, fields and quoted parameters, words, lines, lookups in
// lists of choices, CSV delimiter detection, word counts, tags in strings
// and uuencoding.
#pragma once

#include "stringl/parse_lines.h"
#include "stringl/parse_split.h"
#include "stringl/parse_tags.h"
#include "stringl/parse_types.h"
#include "stringl/parse_uucode.h"
#include "stringl/parse_words.h"
