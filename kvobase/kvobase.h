// The base module: shared types, the exception family, constant tables and
// progress globals, together with the graphics value types they use.
#pragma once

#include "platform/graphics_types.h"
#include "kvobase/errors.h"
#include "kvobase/progress.h"
#include "kvobase/tables.h"
#include "kvobase/types.h"
