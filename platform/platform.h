// The platform layer: the base classes, text types, exceptions, streams,
// text files, string lists, variants, conversions, the pseudo-random
// generator and the operating-system services the library's modules need.
#pragma once

#include "platform/classes.h"
#include "platform/convert.h"
#include "platform/exceptions.h"
#include "platform/os.h"
#include "platform/random.h"
#include "platform/streams.h"
#include "platform/stringlist.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "platform/variant.h"
