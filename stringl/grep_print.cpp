// TGrep: the token dump file.
#include "platform/textfile.h"
#include "stringl/grep.h"

namespace kvo {

namespace {

// Line labels, 11 characters each, indexed by TGrepTokenAct.
constexpr const char16_t* kLabels[] = {
    u" taNormal: ", u"taAnyByte: ", u"    taEol: ", u"    taBol: ",
    u"    taSet: ", u"  taMult0: ", u"  taMult1: ", u"   taOpti: ",
};

void AppendMembers(String& line, const TGrepToken& t) {
  for (size_t c = 0; c < 256; ++c) {
    if (t.Params[c] == u'*') line += static_cast<Char>(c);
  }
}

void AppendString(String& line, const TGrepToken& t) {
  for (int32_t i = 1; i <= t.NumChars; ++i) line += t.Params[static_cast<size_t>(i)];
}

}  // namespace

void TGrep::PrintRegExp(const String& FName) const {
  TTextFile f(FName);
  f.Rewrite();
  for (int32_t k = 1; k <= FLengRegExp; ++k) {
    const TGrepToken& t = FregExp[k];
    String line = kLabels[t.Action];
    switch (t.Action) {
      case taNormal: AppendString(line, t); break;
      case taSet: AppendMembers(line, t); break;
      case taMult0:
      case taMult1:
      case taOpti:
        if (t.NumChars < 0) {
          line += u"(set) ";
          AppendMembers(line, t);
        } else if (t.NumChars == 0) {
          line += u"(anychar) ";
        } else {
          line += u"(string) ";
          AppendString(line, t);
        }
        break;
      default: break;
    }
    f.WriteLn(line);
  }
  f.WriteLn(GrepErrorText(FError));
  f.Close();
}

}  // namespace kvo
