// The process-wide pseudo-random generator.
//
// The whole state is one 32-bit number, RandSeed, which callers may read and
// set; the same state always gives the same sequence of draws. Each draw first
// advances the state by the linear congruential step
//     RandSeed = RandSeed * 134775813 + 1   (mod 2^32)
// and then derives its result from the new state:
//     Random(n) = (uint64(RandSeed) * n) >> 32      for n > 0
//     Random()  = RandSeed / 2^32                    in [0, 1)
// The step has full period 2^32. The generator is fast and reproducible, not
// cryptographically strong. It is shared by the whole process and not
// synchronised: it must not be used from two threads at once.
#pragma once

#include <cstdint>

namespace kvo {

// RandSeed
//
// The generator's state. Setting it restarts the sequence that state gives.
// Its initial value is 0 until someone seeds it.
inline uint32_t RandSeed = 0;

// Random(n)
//
// A whole number 0 .. n - 1, uniform up to the rounding of the 32-bit state.
// For n <= 0 the result is 0; the state advances in every case, so the number
// of draws made does not depend on the bounds asked for.
int32_t Random(int32_t n);

// Random()
//
// A real number in [0, 1) with a resolution of 2^-32.
double Random();

// Randomize
//
// Seeds RandSeed from the clock (the nanoseconds of a monotonic and the
// real-time clock, folded to 32 bits), for sequences that differ from run to
// run.
void Randomize();

}  // namespace kvo
