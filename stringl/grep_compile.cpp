// TGrep: construction, error texts and the pattern compiler.
#include <algorithm>

#include "stringl/grep.h"
#include "kvobase/errors.h"
#include "stringl/hexread.h"

namespace kvo {

namespace {

constexpr const char16_t* kErrorTexts[grepErrMax + 1] = {
    u"no errors",
    u"reg.exp. must not start with $, *, ?, or +",
    u"circumflex not allowed here",
    u"no character allowed after end of line",
    u"empty set",
    u"circumflex has to be quoted in set",
    u"mismatch of set brackets",
    u"minus not allowed here",
    u"mismatch of group brackets",
    u"*, ?, + have to be applied to groups or sets only",
    u"reg.exp. needs more than 64 tokens",
    u"string or group longer than 255 characters",
    u"character code above 255 not allowed in set",
};

// Character classes of the parser: the characters that some state treats
// specially, and everything else.
enum CharClass : uint8_t {
  ccDollar, ccLParen, ccRParen, ccMult, ccDot, ccLBracket, ccBackslash,
  ccRBracket, ccCaret, ccMinus, ccOther, ccCount
};

constexpr CharClass ClassOf(Char c) {
  switch (c) {
    case u'$': return ccDollar;
    case u'(': return ccLParen;
    case u')': return ccRParen;
    case u'*': case u'+': case u'?': return ccMult;
    case u'.': return ccDot;
    case u'[': return ccLBracket;
    case u'\\': return ccBackslash;
    case u']': return ccRBracket;
    case u'^': return ccCaret;
    case u'-': return ccMinus;
    default: return ccOther;
  }
}

// What the parser does with a character. "Next" actions consume the
// character after the current one and act on it instead.
enum Act : uint8_t {
  aError,          // stop with the entry's error number
  aNone,           // only change state
  aLiteral,        // new one-character string token
  aLiteralNext,
  aAppend,         // extend the last string token (or start one)
  aAppendNext,
  aAny, aBol, aEol,
  aSet,            // open a set
  aNegate,         // "^" right after "["
  aMember, aMemberNext,
  aRange,          // "-" inside a set
  aCloseSet,
  aGroup,          // open a group
  aGroupAdd, aGroupAddNext,
  aMultLiteral,    // multiplier after a literal, "." or "^"
  aMultSetGroup,   // multiplier after a set or a group
};

struct Step {
  Act act;
  uint8_t next;   // state after the step
  uint8_t error;  // error number for aError
};

constexpr Step E(int e) { return Step{aError, 0, static_cast<uint8_t>(e)}; }
constexpr Step S(Act a, int next) { return Step{a, static_cast<uint8_t>(next), 0}; }

// States: 0 start, 1 after a literal, "." or "^", 2 after "[", 3 in a set,
// 4 after "]", 5 in a group, 6 after ")", 7 after "$".
constexpr int kStates = 8;

// clang-format off
constexpr Step kSteps[kStates][ccCount] = {
  //        $                ( group          )      * + ?                  .             [             \                  ]      ^               -               other
  /* 0 */ { E(1),            S(aGroup, 5),    E(8),  E(1),                  S(aAny, 1),   S(aSet, 2),   S(aLiteralNext, 1), E(6),  S(aBol, 1),     S(aLiteral, 1), S(aLiteral, 1) },
  /* 1 */ { S(aEol, 7),      S(aGroup, 5),    E(8),  S(aMultLiteral, 1),    S(aAny, 1),   S(aSet, 2),   S(aAppendNext, 1),  E(6),  E(2),           S(aAppend, 1),  S(aAppend, 1) },
  /* 2 */ { S(aMember, 3),   S(aMember, 3),   S(aMember, 3), S(aMember, 3), S(aMember, 3), S(aMember, 3), S(aMemberNext, 3), E(4), S(aNegate, 3),  E(7),           S(aMember, 3) },
  /* 3 */ { S(aMember, 3),   S(aMember, 3),   S(aMember, 3), S(aMember, 3), S(aMember, 3), S(aMember, 3), S(aMemberNext, 3), S(aCloseSet, 4), E(5), S(aRange, 3), S(aMember, 3) },
  /* 4 */ { S(aEol, 7),      S(aGroup, 5),    E(8),  S(aMultSetGroup, 4),   S(aAny, 1),   S(aSet, 2),   S(aLiteralNext, 1), E(6),  E(2),           E(7),           S(aLiteral, 1) },
  /* 5 */ { S(aGroupAdd, 5), S(aGroupAdd, 5), S(aNone, 6), S(aGroupAdd, 5), S(aGroupAdd, 5), S(aGroupAdd, 5), S(aGroupAddNext, 5), S(aGroupAdd, 5), E(2), S(aGroupAdd, 5), S(aGroupAdd, 5) },
  /* 6 */ { S(aEol, 7),      S(aGroup, 5),    E(8),  S(aMultSetGroup, 6),   S(aAny, 1),   S(aSet, 2),   S(aLiteralNext, 1), E(6),  E(2),           S(aLiteral, 1), S(aLiteral, 1) },
  /* 7 */ { E(3),            E(3),            E(3),  E(3),                  E(3),         E(3),         E(3),               E(3),  E(3),           E(3),           E(3) },
};
// clang-format on

constexpr Char LowerAscii(Char c) { return (c >= u'A' && c <= u'Z') ? Char(c + 32) : c; }

// Replaces each "\#hh" not preceded by a backslash by the character with
// the hexadecimal code hh, from the left, starting the search afresh after
// each replacement. A replacement can only create a new occurrence at or
// right before itself (everything left of that is unchanged and was found
// to hold only occurrences preceded by a backslash), so the search resumes
// one character before the replacement: the same result as restarting at
// the beginning, in linear time.
void ExpandHexCodes(String& t) {
  size_t from = 0;
  for (;;) {
    size_t p = t.find(u"\\#", from);
    if (p == String::npos) return;
    if (p > 0 && t[p - 1] == u'\\') {
      from = p + 2;
      continue;
    }
    size_t avail = std::min<size_t>(2, t.size() - (p + 2));
    Char code = static_cast<Char>(ReadHexNumber(StringView(t).substr(p + 2, avail)) & 0xFFu);
    t.replace(p, 2 + avail, 1, code);
    from = p > 0 ? p - 1 : 0;
  }
}

// The compiler's working state over one pattern.
class Compiler {
 public:
  Compiler(TRegExp& re, std::array<bool, TRegExp::Size + 1>& high, const String& t)
      : re_(re), high_(high), t_(t) {}

  // Returns the error number and the number of tokens built.
  int32_t Run(int32_t& count) {
    int state = 0;
    while (i_ < t_.size() && error_ == 0) {
      Char c = t_[i_];
      Step st = kSteps[state][ClassOf(c)];
      Do(st, c);
      if (error_ == 0) state = st.next;
      ++i_;
    }
    count = n_;
    return error_;
  }

 private:
  // The character after the current one, consumed; code 0 at the end.
  Char Next() {
    if (i_ + 1 >= t_.size()) {
      i_ = t_.size();
      return 0;
    }
    return t_[++i_];
  }

  TGrepToken* NewToken(TGrepTokenAct a, int32_t numChars) {
    if (n_ >= TRegExp::Size) {
      error_ = grepErrTooManyTokens;
      return nullptr;
    }
    ++n_;
    TGrepToken& tk = re_[n_];
    tk.Action = a;
    tk.NumChars = numChars;
    return &tk;
  }

  TGrepToken& Last() { return re_[n_]; }

  void AddChar(TGrepToken& tk, Char c) {
    if (tk.NumChars >= grepMaxChars) {
      error_ = grepErrStringTooLong;
      return;
    }
    tk.NumChars++;
    tk.Params[static_cast<size_t>(tk.NumChars)] = c;
  }

  void Literal(Char c) {
    if (TGrepToken* tk = NewToken(taNormal, 0)) AddChar(*tk, c);
  }

  void Append(Char c) {
    if (n_ == 0 || Last().Action != taNormal) {
      if (!NewToken(taNormal, 0)) return;
    }
    AddChar(Last(), c);
  }

  void OpenSet() {
    if (TGrepToken* tk = NewToken(taSet, -1)) {
      tk->Params.fill(u' ');
      high_[static_cast<size_t>(n_)] = false;
      negate_ = false;
      hasMember_ = false;
    }
  }

  void Member(Char c) {
    if (c > 255) {
      error_ = grepErrSetCharCode;
      return;
    }
    Last().Params[c] = u'*';
    lastMember_ = c;
    hasMember_ = true;
  }

  void Range() {
    if (!hasMember_) {  // "[^-": no start for the range
      error_ = grepErrMinus;
      return;
    }
    Char h = Next();
    if (h > 255) {
      error_ = grepErrSetCharCode;
      return;
    }
    Char lo = std::min(lastMember_, h), hi = std::max(lastMember_, h);
    for (unsigned c = lo; c <= hi; ++c) Last().Params[c] = u'*';
    if (h < lastMember_) lastMember_ = h;
  }

  void CloseSet() {
    if (!negate_) return;
    for (Char& p : Last().Params) p = (p == u'*') ? u' ' : u'*';
    high_[static_cast<size_t>(n_)] = true;
    negate_ = false;
  }

  static TGrepTokenAct MultOf(Char c) {
    return c == u'*' ? taMult0 : c == u'+' ? taMult1 : taOpti;
  }

  void MultAfterLiteral(Char c) {
    TGrepTokenAct m = MultOf(c);
    if (n_ == 0) {
      error_ = grepErrMultiplier;
      return;
    }
    TGrepToken& tk = Last();
    switch (tk.Action) {
      case taNormal:
        if (tk.NumChars == 1) {
          tk.Action = m;
        } else if (tk.NumChars > 1) {
          // The multiplier binds to the last character only.
          Char lastChar = tk.Params[static_cast<size_t>(tk.NumChars)];
          int32_t at = n_;
          if (TGrepToken* nt = NewToken(m, 1)) {
            re_[at].NumChars--;
            nt->Params[1] = lastChar;
          }
        } else {
          error_ = grepErrMultiplier;
        }
        break;
      case taSet:
        tk.Action = m;
        tk.NumChars = -1;
        break;
      case taAnyByte:
        tk.Action = m;
        tk.NumChars = 0;
        break;
      default:
        error_ = grepErrMultiplier;
    }
  }

  void MultAfterSetOrGroup(Char c) {
    TGrepTokenAct m = MultOf(c);
    if (n_ == 0) {
      error_ = grepErrMultiplier;
      return;
    }
    TGrepToken& tk = Last();
    if (tk.Action == taNormal) {
      // An empty group stays an empty string: its repetitions are empty
      // too, and an operand of 0 characters would mean "any character".
      if (tk.NumChars > 0) tk.Action = m;
    } else if (tk.Action == taSet) {
      tk.Action = m;
      tk.NumChars = -1;
    } else {
      error_ = grepErrMultiplier;
    }
  }

  void Do(const Step& st, Char c) {
    switch (st.act) {
      case aError: error_ = st.error; break;
      case aNone: break;
      case aLiteral: Literal(c); break;
      case aLiteralNext: Literal(Next()); break;
      case aAppend: Append(c); break;
      case aAppendNext: Append(Next()); break;
      case aAny: NewToken(taAnyByte, 0); break;
      case aBol: NewToken(taBol, 0); break;
      case aEol: NewToken(taEol, 0); break;
      case aSet: OpenSet(); break;
      case aNegate: negate_ = true; break;
      case aMember: Member(c); break;
      case aMemberNext: Member(Next()); break;
      case aRange: Range(); break;
      case aCloseSet: CloseSet(); break;
      case aGroup: NewToken(taNormal, 0); break;
      case aGroupAdd: AddChar(Last(), c); break;
      case aGroupAddNext: AddChar(Last(), Next()); break;
      case aMultLiteral: MultAfterLiteral(c); break;
      case aMultSetGroup: MultAfterSetOrGroup(c); break;
    }
  }

  TRegExp& re_;
  std::array<bool, TRegExp::Size + 1>& high_;
  const String& t_;
  size_t i_ = 0;
  int32_t n_ = 0;
  int32_t error_ = 0;
  bool negate_ = false;
  bool hasMember_ = false;
  Char lastMember_ = u'A';
};

}  // namespace

String GrepErrorText(int32_t ErrNum) {
  if (ErrNum < 0 || ErrNum > grepErrMax) return u"unknown error";
  return kErrorTexts[ErrNum];
}

TGrep::TGrep(TComponent* AOwner) : TComponent(AOwner) {}

TGrep::~TGrep() = default;

int32_t TGrep::CompileRegExp(const String& s) {
  FError = 0;
  String t = s;
  if (FIgnoreCase) {
    for (Char& c : t) c = LowerAscii(c);
  }
  ExpandHexCodes(t);
  FLengRegExp = 0;
  FregExp.Tokens.fill(TGrepToken{});
  FHighMembers.fill(false);
  int32_t count = 0;
  FError = Compiler(FregExp, FHighMembers, t).Run(count);
  FLengRegExp = count;
  return FError;
}

void TGrep::SetRegExp(const String& s) {
  FRegExpStr = s;
  CompileRegExp(s);
  if (FStopOnError && FError != 0) {
    throw EKVOStringlError(this, u"error in regular expression - " + GrepErrorText(FError));
  }
}

void TGrep::SetIgnoreCase(bool b) {
  FIgnoreCase = b;
  CompileRegExp(FRegExpStr);
}

TGrepToken TGrep::GetRegExpToken(int32_t regix) const {
  regix = std::min(regix, FLengRegExp);
  regix = std::max(regix, int32_t{1});
  return FregExp[regix];
}

}  // namespace kvo
