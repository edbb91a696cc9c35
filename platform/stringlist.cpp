#include "platform/stringlist.h"

#include <algorithm>
#include <string>

#include "platform/textfile.h"

namespace kvo {

namespace {

Char Fold(Char c) { return (c >= u'A' && c <= u'Z') ? static_cast<Char>(c + 32) : c; }

// Sends the deferred notification at the end of a bulk operation, also when
// it ends by an exception.
class UpdateScope {
 public:
  explicit UpdateScope(TStringList& l) : FList(l) { FList.BeginUpdate(); }
  ~UpdateScope() {
    try {
      FList.EndUpdate();
    } catch (...) {
      // An exception of the handler while another one unwinds is dropped.
    }
  }
  UpdateScope(const UpdateScope&) = delete;
  UpdateScope& operator=(const UpdateScope&) = delete;

 private:
  TStringList& FList;
};

}  // namespace

int TStringList::CompareStrings(const String& A, const String& B) const {
  if (FCaseSensitive) {
    const int r = A.compare(B);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
  }
  const size_t n = std::min(A.size(), B.size());
  for (size_t i = 0; i < n; ++i) {
    const Char a = Fold(A[i]), b = Fold(B[i]);
    if (a != b) return a < b ? -1 : 1;
  }
  return A.size() < B.size() ? -1 : (A.size() == B.size() ? 0 : 1);
}

void TStringList::CheckIndex(int32_t Index, int32_t Limit) const {
  if (Index < 0 || Index >= Limit)
    throw EStringListError(u"List index out of bounds (" + FromUtf8(std::to_string(Index)) + u")");
}

void TStringList::Changed() {
  if (FUpdateCount > 0) {
    FPendingChange = true;
    return;
  }
  if (FOnChange) FOnChange(this);
}

void TStringList::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0 && FPendingChange) {
    FPendingChange = false;
    Changed();
  }
}

const String& TStringList::Strings(int32_t Index) const {
  CheckIndex(Index, Count());
  return FList[static_cast<size_t>(Index)];
}

void TStringList::SetStrings(int32_t Index, const String& S) {
  if (FSorted) throw EStringListError(u"Operation not allowed on sorted list");
  CheckIndex(Index, Count());
  FList[static_cast<size_t>(Index)] = S;
  Changed();
}

bool TStringList::Find(const String& S, int32_t& Index) const {
  // Lower bound: the first string not below S.
  size_t lo = 0, hi = FList.size();
  while (lo < hi) {
    const size_t mid = lo + (hi - lo) / 2;
    if (CompareStrings(FList[mid], S) < 0) lo = mid + 1;
    else hi = mid;
  }
  Index = static_cast<int32_t>(lo);
  return lo < FList.size() && CompareStrings(FList[lo], S) == 0;
}

int32_t TStringList::AddNoNotify(const String& S) {
  if (!FSorted) {
    FList.push_back(S);
    return Count() - 1;
  }
  int32_t at = 0;
  if (Find(S, at)) {
    if (FDuplicates == dupIgnore) return -1 - at;  // encoded: nothing added
    if (FDuplicates == dupError) throw EStringListError(u"String list does not allow duplicates");
    while (at < Count() && CompareStrings(FList[static_cast<size_t>(at)], S) == 0) ++at;
  }
  FList.insert(FList.begin() + at, S);
  return at;
}

int32_t TStringList::Add(const String& S) {
  const int32_t at = AddNoNotify(S);
  if (at < 0) return -1 - at;
  Changed();
  return at;
}

void TStringList::AddStrings(const TStringList& Source) {
  if (Source.FList.empty()) return;
  const std::vector<String> copy = Source.FList;  // Source may be this list
  UpdateScope scope(*this);
  for (const String& s : copy)
    if (AddNoNotify(s) >= 0) Changed();
}

void TStringList::Insert(int32_t Index, const String& S) {
  if (FSorted) throw EStringListError(u"Operation not allowed on sorted list");
  CheckIndex(Index, Count() + 1);
  FList.insert(FList.begin() + Index, S);
  Changed();
}

void TStringList::Delete(int32_t Index) {
  CheckIndex(Index, Count());
  FList.erase(FList.begin() + Index);
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  FList.clear();
  Changed();
}

int32_t TStringList::IndexOf(const String& S) const {
  if (FSorted) {
    int32_t at = 0;
    return Find(S, at) ? at : -1;
  }
  for (size_t i = 0; i < FList.size(); ++i)
    if (CompareStrings(FList[i], S) == 0) return static_cast<int32_t>(i);
  return -1;
}

void TStringList::Sort() {
  std::stable_sort(FList.begin(), FList.end(),
                   [this](const String& a, const String& b) { return CompareStrings(a, b) < 0; });
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (Value) Sort();
}

void TStringList::SetCaseSensitive(bool Value) {
  if (FCaseSensitive == Value) return;
  FCaseSensitive = Value;
  if (FSorted) Sort();
}

String TStringList::Text() const {
  String out;
  size_t total = 0;
  for (const String& s : FList) total += s.size() + FLineBreak.size();
  out.reserve(total);
  for (const String& s : FList) {
    out += s;
    out += FLineBreak;
  }
  return out;
}

void TStringList::SetText(const String& Value) {
  UpdateScope scope(*this);
  Clear();
  size_t start = 0;
  const size_t n = Value.size();
  while (start < n) {
    size_t end = start;
    while (end < n && Value[end] != u'\r' && Value[end] != u'\n') ++end;
    if (AddNoNotify(Value.substr(start, end - start)) >= 0) Changed();
    if (end < n && Value[end] == u'\r' && end + 1 < n && Value[end + 1] == u'\n') ++end;
    start = end + 1;
  }
}

String TStringList::CommaText() const {
  String out;
  for (size_t i = 0; i < FList.size(); ++i) {
    const String& s = FList[i];
    if (i > 0) out.push_back(u',');
    const bool quote = s.empty() || std::any_of(s.begin(), s.end(), [](Char c) {
                         return c <= u' ' || c == u'"' || c == u',';
                       });
    if (!quote) {
      out += s;
      continue;
    }
    out.push_back(u'"');
    for (Char c : s) {
      if (c == u'"') out.push_back(u'"');
      out.push_back(c);
    }
    out.push_back(u'"');
  }
  return out;
}

void TStringList::SetCommaText(const String& Value) {
  UpdateScope scope(*this);
  Clear();
  const size_t n = Value.size();
  auto isSpace = [&](size_t i) { return i < n && Value[i] <= u' '; };
  size_t p = 0;
  auto add = [&](const String& s) {
    if (AddNoNotify(s) >= 0) Changed();
  };
  while (isSpace(p)) ++p;
  while (p < n) {
    String item;
    if (Value[p] == u'"') {
      // Quoted item: "" stands for one quote; a missing closing quote takes
      // the rest of the text.
      ++p;
      while (p < n) {
        if (Value[p] == u'"') {
          if (p + 1 < n && Value[p + 1] == u'"') {
            item.push_back(u'"');
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        item.push_back(Value[p++]);
      }
    } else {
      const size_t start = p;
      while (p < n && Value[p] > u' ' && Value[p] != u',') ++p;
      item = Value.substr(start, p - start);
    }
    add(item);
    while (isSpace(p)) ++p;
    if (p < n && Value[p] == u',') {
      if (p + 1 == n) add(String());
      do {
        ++p;
      } while (isSpace(p));
    }
  }
}

String TStringList::Names(int32_t Index) const {
  const String& s = Strings(Index);
  const size_t eq = s.find(u'=');
  return eq == String::npos ? String() : s.substr(0, eq);
}

String TStringList::ValueFromIndex(int32_t Index) const {
  const String& s = Strings(Index);
  const size_t eq = s.find(u'=');
  return eq == String::npos ? String() : s.substr(eq + 1);
}

int32_t TStringList::IndexOfName(const String& Name) const {
  for (size_t i = 0; i < FList.size(); ++i) {
    const String& s = FList[i];
    const size_t eq = s.find(u'=');
    if (eq != String::npos && CompareStrings(s.substr(0, eq), Name) == 0) return static_cast<int32_t>(i);
  }
  return -1;
}

String TStringList::Values(const String& Name) const {
  const int32_t i = IndexOfName(Name);
  return i < 0 ? String() : ValueFromIndex(i);
}

void TStringList::SetValues(const String& Name, const String& Value) {
  const int32_t i = IndexOfName(Name);
  if (Value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  const String item = Name + u"=" + Value;
  if (i < 0) {
    Add(item);
  } else if (FSorted) {
    UpdateScope scope(*this);
    Delete(i);
    Add(item);
  } else {
    SetStrings(i, item);
  }
}

void TStringList::LoadFromFile(const String& FileName) {
  std::vector<String> lines;
  {
    TTextFile f(FileName);
    f.Reset();
    while (!f.Eof()) lines.push_back(f.ReadLn());
    f.Close();
  }
  UpdateScope scope(*this);
  Clear();
  for (const String& s : lines)
    if (AddNoNotify(s) >= 0) Changed();
}

void TStringList::SaveToFile(const String& FileName) const {
  TTextFile f(FileName);
  f.Rewrite();
  for (const String& s : FList) f.WriteLn(s);
  f.Close();
}

void TStringList::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TStringList*>(Source)) {
    if (src == this) return;
    FList = src->FList;
    FSorted = src->FSorted;
    FDuplicates = src->FDuplicates;
    FCaseSensitive = src->FCaseSensitive;
    FLineBreak = src->FLineBreak;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

void TStringList::AssignTo(TPersistent* Dest) const {
  if (auto* dst = dynamic_cast<TStringList*>(Dest)) {
    dst->Assign(this);
    return;
  }
  TPersistent::AssignTo(Dest);
}

}  // namespace kvo
