// A light, reversible scrambling of texts: a character substitution through
// a random permutation of the codes 1 ... 255 derived from a seed. It hides
// text from a casual look; it is not encryption.
//
// The tables (forward F, inverse G, 256 entries each; F[0] = G[0] = 0) are
// shared by the whole process. Start-up: when the library is loaded, a
// static initializer calls InitScramble(kBuiltInScrambleSeed), so texts
// scrambled in one run of a program descramble in the next, and the
// process's pseudo-random generator (platform/random.h) starts from the fixed
// state that those draws leave. InitScramble must not run while another
// thread scrambles, descrambles or draws random numbers; Scramble and
// DeScramble only read the tables and may run in parallel with each other.
// Nothing here raises.
#pragma once

#include <cstdint>

#include "platform/strings.h"

namespace kvo {

// kBuiltInScrambleSeed
//
// The seed the library's start-up hands to InitScramble.
inline constexpr int32_t kBuiltInScrambleSeed = 5381;

// InitScramble
//
// Refills the tables from `seed`: sets the process's generator state
// RandSeed to the seed (its 32 bits), clears both tables, and for
// i = 1 ... 255 in this order draws a = Random(255) + 1 until a is still
// unused, then sets F[i] = a and G[a] = i. The generator is left in the
// state reached after these draws; the same seed always gives the same
// tables and the same following draws.
void InitScramble(int32_t seed);

// Scramble
//
// Each character with code 0 ... 255 replaced by the character with code
// F[code]: code 0 stays 0, codes 1 ... 255 map to 1 ... 255. The length never
// changes.
// Decision: characters above 255 are outside the tables and stay unchanged.
// So the whole 16-bit range is permuted, DeScramble(Scramble(t)) == t for
// every text, and valid UTF-16 (surrogate pairs included) stays valid.
String Scramble(StringView text);

// DeScramble
//
// The inverse of Scramble under the same seed: each character with code
// 0 ... 255 replaced by the character with code G[code]; characters above
// 255 stay unchanged.
String DeScramble(StringView text);

}  // namespace kvo
