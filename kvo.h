// Every module of the kvo library.
#pragma once

#include "platform/platform.h"
#include "univconst/univconst.h"
#include "kvobase/kvobase.h"
#include "stringl/stringl.h"
#include "kvocolors/kvocolors.h"
#include "dstruct/dstruct.h"
