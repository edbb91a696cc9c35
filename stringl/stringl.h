// The string library: number formatting, string editing and searching,
// tokenizing and parsing, the TGrep pattern matcher and string scrambling.
#pragma once

#include "stringl/edit.h"
#include "stringl/format.h"
#include "stringl/grep.h"
#include "stringl/parse.h"
#include "stringl/scramble.h"
