#include "stringl/parse_split.h"

#include "stringl/replace.h"
#include "stringl/trim.h"

namespace kvo {

namespace {

constexpr size_t kNpos = StringView::npos;

// The first occurrence of `needle` at or after `from`; an empty needle
// never occurs.
size_t FindFrom(StringView hay, StringView needle, size_t from) {
  if (needle.empty() || from > hay.size()) return kNpos;
  return hay.find(needle, from);
}

String MaybeTrim(StringView s, bool trim) { return trim ? StripLTBlanks(s) : String(s); }

// Tokenize stops splitting once this many tokens have been cut, so the
// result holds at most kMaxTokens, the last one with the uncut rest.
constexpr size_t kMaxTokens = 1000;

// The text up to (not including) its first character with code 0.
StringView UpToNul(StringView s) {
  size_t z = s.find(Char(0));
  return z == kNpos ? s : s.substr(0, z);
}

// One step of the quoted-name reader, with the quote character given.
void QuotedStep(Char c, Char delim, Char quote, String& name, TQuotedStrState& state) {
  switch (state) {
    case vsStart:
      // The blank test comes before the delimiter test so that, with the
      // blank as delimiter, runs of blanks separate like one.
      if (c == u' ') return;
      if (c == delim) {
        state = vsEnd;
      } else if (c == quote) {
        state = vs1stQuote;
      } else {
        name += c;
        state = vsNormal;
      }
      return;
    case vsNormal:
      if (c == delim) {
        size_t e = name.find_last_not_of(u' ');
        name.erase(e == String::npos ? 0 : e + 1);
        state = vsEnd;
      } else {
        name += c;
      }
      return;
    case vs1stQuote:
      if (c == quote) {
        state = vsQuote;
      } else {
        name += c;
      }
      return;
    case vsQuote:
      if (c == quote) {
        name += quote;
        state = vs1stQuote;
      } else {
        state = vsEnd;
      }
      return;
    case vsEnd:
      return;
  }
}

}  // namespace

void SplitString(StringView text, StringView delim, bool trim, String& before, String& after) {
  before.clear();
  after.clear();
  size_t p = FindFrom(text, delim, 0);
  if (p == kNpos) return;
  before = MaybeTrim(text.substr(0, p), trim);
  after = MaybeTrim(text.substr(p + delim.size()), trim);
}

String ExtractBeforeTrigger(StringView text, StringView trigger, bool trim) {
  size_t p = FindFrom(text, trigger, 0);
  if (p == kNpos) return String();
  return MaybeTrim(text.substr(0, p), trim);
}

String ExtractAfterTrigger(StringView text, StringView trigger, bool trim) {
  size_t p = FindFrom(text, trigger, 0);
  if (p == kNpos) return String();
  return MaybeTrim(text.substr(p + trigger.size()), trim);
}

namespace {

// The splitting shared by both Tokenize forms. `escape` < 0 means none.
// `start` is where the uncut rest begins; an occurrence at `start` has
// nothing in front of it within the rest and therefore always splits.
void CutTokens(StringView text, StringView delim, int escape, TOpenStringArray& tokens) {
  tokens.clear();
  size_t start = 0;
  size_t from = 0;
  while (tokens.size() < kMaxTokens - 1) {
    size_t p = FindFrom(text, delim, from);
    if (p == kNpos) break;
    if (escape >= 0 && p > start && text[p - 1] == Char(escape)) {
      from = p + 1;
      continue;
    }
    tokens.emplace_back(text.substr(start, p - start));
    start = p + delim.size();
    from = start;
  }
  tokens.emplace_back(text.substr(start));
}

}  // namespace

int32_t Tokenize(StringView text, StringView delim, TOpenStringArray& tokens) {
  CutTokens(text, delim, -1, tokens);
  return static_cast<int32_t>(tokens.size());
}

int32_t Tokenize(StringView text, StringView delim, Char escape, TOpenStringArray& tokens) {
  CutTokens(text, delim, escape, tokens);
  const String ee{escape, escape};
  const String e(1, escape);
  String ed = e;
  ed += delim;
  for (String& t : tokens) {
    t = ReplaceStringInString(t, ee, e, false);
    if (!delim.empty()) t = ReplaceStringInString(t, ed, delim, false);
  }
  return static_cast<int32_t>(tokens.size());
}

String ExtractSubString(StringView text, int32_t ix, StringView delim) {
  const StringView t = UpToNul(text);
  const StringView d = UpToNul(delim);
  if (ix < 0 || t.empty()) return String();
  if (d.empty()) return ix == 0 ? String(t) : String();
  size_t at = 0;
  for (int32_t k = 0; k < ix; ++k) {
    size_t p = t.find(d, at);
    if (p == kNpos) return String();
    at = p + d.size();
    if (at >= t.size()) return String();
  }
  const StringView field = t.substr(at);
  if (field.starts_with(d)) return String();
  size_t e = field.find(d, 1);
  return String(field.substr(0, e));
}

String ExtractWordFromString(StringView text, int32_t pos) {
  int32_t s = 0;
  int32_t e = 0;
  return ExtractWordFromString(text, pos, s, e);
}

String ExtractWordFromString(StringView text, int32_t pos, int32_t& start, int32_t& end) {
  start = 0;
  end = 0;
  if (pos < 1 || static_cast<size_t>(pos) > text.size()) return String();
  const size_t p = static_cast<size_t>(pos) - 1;
  if (WordSeps.Contains(text[p])) {
    start = end = pos;
    return String(1, text[p]);
  }
  size_t b = p;
  while (b > 0 && !WordSeps.Contains(text[b - 1])) --b;
  size_t e = p;
  while (e + 1 < text.size() && !WordSeps.Contains(text[e + 1])) ++e;
  start = static_cast<int32_t>(b) + 1;
  end = static_cast<int32_t>(e) + 1;
  return String(text.substr(b, e - b + 1));
}

void ParseQuotedName(Char c, Char delim, String& name, TQuotedStrState& state) {
  QuotedStep(c, delim, u'"', name, state);
}

String ExtractParam(StringView text, int32_t ix, Char delim, Char quote, StringView deflt) {
  if (ix < 0 || text.find_first_not_of(u' ') == kNpos) return String(deflt);
  const size_t n = text.size();
  size_t i = 0;
  for (int32_t k = 0;; ++k) {
    String name;
    TQuotedStrState state = vsStart;
    bool endedAtDelim = false;
    while (i < n && state != vsEnd) {
      const Char c = text[i++];
      QuotedStep(c, delim, quote, name, state);
      if (state == vsEnd) {
        if (c == delim) {
          endedAtDelim = true;
        } else {
          // A closing quote followed by something else: the parameter is
          // complete; skip what remains up to the next delimiter.
          while (i < n && text[i] != delim) ++i;
          if (i < n) {
            ++i;
            endedAtDelim = true;
          }
        }
      }
    }
    // With the blank as delimiter, trailing blanks are no parameter.
    const bool exists = !(state == vsStart && delim == u' ' && !endedAtDelim);
    if (k == ix) {
      if (!exists) return String(deflt);
      if (state == vsNormal) {
        size_t e = name.find_last_not_of(u' ');
        name.erase(e == String::npos ? 0 : e + 1);
      }
      return name;
    }
    if (!endedAtDelim) return String(deflt);
  }
}

}  // namespace kvo
