// Colours: conversions between colour models, the named colours, the
// ready-made palettes and the TColorArray palette component.
#pragma once
