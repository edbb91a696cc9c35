#include "stringl/trim.h"

#include <algorithm>

namespace kvo {

String StripLTBlanks(StringView text) {
  size_t b = text.find_first_not_of(u' ');
  if (b == StringView::npos) return String();
  size_t e = text.find_last_not_of(u' ');
  return String(text.substr(b, e - b + 1));
}

String StripLeadingBlanks(StringView text) {
  size_t b = 0;
  while (b + 1 < text.size() && text[b] == u' ') ++b;
  return String(text.substr(b));
}

String StripTrailingBlanks(StringView text) {
  size_t e = text.size();
  while (e > 1 && text[e - 1] == u' ') --e;
  return String(text.substr(0, e));
}

String StripLeadingChars(Char c, StringView text) {
  size_t b = 0;
  while (b < text.size() && text[b] == c) ++b;
  return String(text.substr(b));
}

String StripTrailingChars(Char c, StringView text) {
  size_t e = text.size();
  while (e > 1 && text[e - 1] == c) --e;
  return String(text.substr(0, e));
}

String EnsureTrailingBkSlash(StringView text) { return EnsureTrailingChar(u'\\', text); }

String EnsureTrailingChar(Char c, StringView text) {
  String r(text);
  if (!r.empty() && r.back() != c) r.push_back(c);
  return r;
}

String EnsureLeadingChar(Char c, StringView text) {
  if (text.empty() || text.front() == c) return String(text);
  String r;
  r.reserve(text.size() + 1);
  r.push_back(c);
  r.append(text);
  return r;
}

String LeftString(StringView text, uint8_t n) {
  if (text.size() >= n) return String(text.substr(0, n));
  String r(text);
  r.append(n - text.size(), u' ');
  return r;
}

String RightString(StringView text, uint8_t n) {
  if (text.size() >= n) return String(text.substr(0, n));
  String r(n - text.size(), u' ');
  r.append(text);
  return r;
}

String CenterString(StringView text, uint8_t n) {
  if (text.size() >= n) return String(text.substr(0, n));
  size_t k = n - text.size();
  String r(k / 2, u' ');
  r.append(text);
  r.append(k - k / 2, u' ');
  return r;
}

String AbbrevString(StringView text, int32_t maxLen) {
  size_t m = maxLen < 0 ? 0 : static_cast<size_t>(maxLen);
  if (text.size() <= m) return String(text);
  if (m < 2) return u"..";
  String r(text.substr(0, m - 2));
  r.append(u"..");
  return r;
}

String MultiChar(Char c, int32_t count) {
  return String(static_cast<size_t>(std::clamp<int32_t>(count, 1, 255)), c);
}

}  // namespace kvo
