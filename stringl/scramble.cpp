#include "stringl/scramble.h"

#include <array>

#include "platform/random.h"

namespace kvo {

namespace {

struct ScrambleTables {
  std::array<uint8_t, 256> forward{};
  std::array<uint8_t, 256> inverse{};
};

// Zero until the first InitScramble; constant-initialized, so it is valid
// before any dynamic initialization of the library runs.
ScrambleTables gTables;
bool gReady = false;

// Code units above 255 are not in the tables and pass unchanged.
String Substitute(StringView text, const std::array<uint8_t, 256>& table) {
  // A static initializer of another part of the process may scramble before
  // the start-up below has run; the tables are filled as at start-up then.
  if (!gReady) InitScramble(kBuiltInScrambleSeed);
  String out(text);
  for (Char& c : out) {
    if (c < 256) c = table[c];
  }
  return out;
}

// Module start-up: fill the tables with the built-in seed when the library
// is loaded, which also leaves the process's generator in a fixed state.
const bool gStartUp = (InitScramble(kBuiltInScrambleSeed), true);

}  // namespace

void InitScramble(int32_t seed) {
  RandSeed = static_cast<uint32_t>(seed);
  gTables = ScrambleTables{};
  for (int i = 1; i <= 255; ++i) {
    int a;
    // Entry 0 of the inverse table stays 0 and a is never 0, so G[a] == 0
    // marks a code not used yet; every draw can hit one, so this ends.
    do {
      a = Random(255) + 1;
    } while (gTables.inverse[a] != 0);
    gTables.forward[i] = static_cast<uint8_t>(a);
    gTables.inverse[a] = static_cast<uint8_t>(i);
  }
  gReady = true;
}

String Scramble(StringView text) { return Substitute(text, gTables.forward); }

String DeScramble(StringView text) { return Substitute(text, gTables.inverse); }

}  // namespace kvo
