// kvo base64 / kvo ascii85: the stream codecs from standard input to
// standard output, binary-safe.
#include <iostream>
#include <string>

#include "dstruct/codec.h"
#include "platform/exceptions.h"
#include "tools/kvo/command.h"

namespace kvo::tool {
namespace {

std::string HelpFor(const std::string& name) {
  const bool b64 = name == "base64";
  std::string h = "Usage: kvo " + name + " [-d] [--lines]\n\n";
  if (b64) {
    h += "Encodes standard input as Base64 (RFC 4648 alphabet, \"=\" padding) on\n"
         "standard output; with --lines the output is broken into lines of 60\n"
         "characters (45 input bytes), each ending with CR LF.\n"
         "With -d, decodes Base64 text instead: CR and LF are skipped anywhere,\n"
         "a final group without padding is accepted.\n";
  } else {
    h += "Encodes standard input as ASCII85 on standard output: four bytes as five\n"
         "characters \"!\" ... \"u\", \"z\" for four zero bytes, a short last group\n"
         "unpadded, and \"~>\" at the end; with --lines CR LF follows every 12\n"
         "groups.\n"
         "With -d, decodes such text up to \"~>\" (or the end); CR and LF are\n"
         "skipped.\n";
  }
  h += "\n  -d        decode\n"
       "  --lines   (encoding) break the output into lines\n"
       "\nExit status: 0 on success, 1 when the input to decode holds a character\n"
       "that does not belong (what could be decoded is still written), 2 on a\n"
       "usage error.\n";
  return h;
}

int Run(const std::string& name, const Args& args) {
  bool decode = false, lines = false;
  for (const std::string& a : args) {
    if (a == "-d" || a == "--decode") {
      decode = true;
    } else if (a == "--lines") {
      lines = true;
    } else {
      return UsageError(name, "unknown argument '" + a + "'");
    }
  }
  THandleStream in(0), out(1);
  try {
    if (!decode) {
      if (name == "base64") {
        EncodeBase64(&in, &out, lines);
      } else {
        EncodeASCII85(&in, &out, lines);
      }
      return kExitOk;
    }
    const int32_t r = name == "base64" ? DecodeBase64(&in, &out) : DecodeASCII85(&in, &out);
    if (r == 0) return kExitOk;
    std::cerr << "kvo " << name << ": "
              << (r == -2 ? "a \"z\" inside a group"
                  : name == "base64" ? "a character outside the alphabet; decoding stopped"
                                     : "a character outside \"!\" ... \"u\"")
              << '\n';
    return kExitFailure;
  } catch (const Exception& e) {
    std::cerr << "kvo " << name << ": " << e.what() << '\n';
    return kExitFailure;
  }
}

const Registration kBase64{Command{"base64", "Base64 encode or decode stdin to stdout",
                                   HelpFor("base64"),
                                   [](const Args& a) { return Run("base64", a); }}};
const Registration kASCII85{Command{"ascii85", "ASCII85 encode or decode stdin to stdout",
                                    HelpFor("ascii85"),
                                    [](const Args& a) { return Run("ascii85", a); }}};

}  // namespace
}  // namespace kvo::tool
