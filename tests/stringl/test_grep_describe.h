// Test helper: a compact text form of TGrep's compiled tokens.
//
//   'ab'        taNormal with the string ab
//   .  ^  $     taAnyByte, taBol, taEol
//   [a-cx]      taSet with its members as ranges (codes outside 33..126 as
//               \xNN)
//   *X +X ?X    taMult0, taMult1, taOpti with operand X: [..], . or 'str'
//
// Tokens are separated by one blank.
#pragma once

#include <cstdio>
#include <string>

#include "stringl/grep.h"

namespace kvo::testing {

inline std::string ShowChar(unsigned c) {
  if (c >= 33 && c <= 126) return std::string(1, static_cast<char>(c));
  char buf[8];
  std::snprintf(buf, sizeof buf, "\\x%02X", c);
  return buf;
}

inline std::string ShowSet(const TGrepToken& t) {
  std::string out = "[";
  for (unsigned c = 0; c < 256;) {
    if (t.Params[c] != u'*') {
      ++c;
      continue;
    }
    unsigned e = c;
    while (e + 1 < 256 && t.Params[e + 1] == u'*') ++e;
    out += ShowChar(c);
    if (e > c) out += "-" + ShowChar(e);
    c = e + 1;
  }
  return out + "]";
}

inline std::string ShowString(const TGrepToken& t) {
  std::string out = "'";
  for (int i = 1; i <= t.NumChars; ++i) out += ShowChar(t.Params[static_cast<size_t>(i)]);
  return out + "'";
}

inline std::string ShowOperand(const TGrepToken& t) {
  if (t.NumChars < 0) return ShowSet(t);
  if (t.NumChars == 0) return ".";
  return ShowString(t);
}

inline std::string Describe(const TGrep& g) {
  std::string out;
  for (int32_t k = 1; k <= g.NrOfRegExpTokens(); ++k) {
    TGrepToken t = g.GetRegExpToken(k);
    if (!out.empty()) out += ' ';
    switch (t.Action) {
      case taNormal: out += ShowString(t); break;
      case taAnyByte: out += "."; break;
      case taEol: out += "$"; break;
      case taBol: out += "^"; break;
      case taSet: out += ShowSet(t); break;
      case taMult0: out += "*" + ShowOperand(t); break;
      case taMult1: out += "+" + ShowOperand(t); break;
      case taOpti: out += "?" + ShowOperand(t); break;
    }
  }
  return out;
}

}  // namespace kvo::testing
