// Progress globals for long numeric computations.
//
// Plain process-wide variables that long computations of other packages use
// to report progress and to be asked to stop. The library declares and
// initialises them but never reads them. They carry no lock: code that uses
// them from several threads must serialise access itself.
#pragma once

#include "kvobase/types.h"

namespace kvo {

// Progress value of the running computation; 0 when the library is loaded.
inline double ProcStat = 0.0;
// The progress value last reported; 0 from the start.
inline double LastProcStat = 0.0;
// Set to true to ask a running computation to stop; false from the start.
inline bool AbortMathProc = false;
// Receives progress values; empty (no callback) from the start.
inline FeedBackProcType MathFeedBackProc;

}  // namespace kvo
