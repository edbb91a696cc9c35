// Colours: conversions between colour models, the named colours, the
// ready-made palettes and the TColorArray palette component.
#pragma once

#include "kvocolors/colorarray.h"
#include "kvocolors/hextext.h"
#include "kvocolors/mixing.h"
#include "kvocolors/models.h"
#include "kvocolors/names.h"
#include "kvocolors/palettes.h"
#include "kvocolors/randomcolor.h"
#include "kvocolors/wavelength.h"
