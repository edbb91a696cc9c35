// TStringList: an ordered list of strings, optionally kept sorted, with
// name=value access, text and comma-text forms, files and change
// notification.
//
// Indexes are 0-based (the list's own convention). Comparisons follow
// CaseSensitive: when false (the default) ASCII letters compare without
// regard to case, other characters by their UTF-16 code units; when true
// all compare by code units. No locale is consulted.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/classes.h"
#include "platform/exceptions.h"
#include "platform/strings.h"

namespace kvo {

// What Add does with a string already in a sorted list.
enum TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };

// Misuse of a string list: an index out of range, a duplicate refused, an
// insertion at a chosen place into a sorted list.
class EStringListError : public Exception {
 public:
  using Exception::Exception;
};

class TStringList : public TPersistent {
 public:
  TStringList() = default;

  // Count: the number of strings.
  int32_t Count() const { return static_cast<int32_t>(FList.size()); }

  // Strings, SetStrings
  //
  // Read or replace the string at Index (0 to Count - 1). An index outside
  // raises EStringListError "List index out of bounds (<index>)". Replacing
  // in a sorted list raises EStringListError
  // "Operation not allowed on sorted list" (it could break the order).
  const String& Strings(int32_t Index) const;
  void SetStrings(int32_t Index, const String& S);

  // Add
  //
  // Appends S, or in a sorted list inserts it at its place (after equal
  // strings) and returns its index. In a sorted list an existing equal
  // string is handled by Duplicates: dupIgnore adds nothing and returns the
  // existing index (no notification), dupError raises EStringListError
  // "String list does not allow duplicates", dupAccept adds. An unsorted
  // list accepts duplicates whatever Duplicates says.
  int32_t Add(const String& S);

  // AddStrings: Add of every string of Source in order (one notification).
  void AddStrings(const TStringList& Source);

  // Insert
  //
  // Inserts S before Index (0 to Count; Count appends). Raises
  // EStringListError for an index outside and for a sorted list.
  void Insert(int32_t Index, const String& S);

  // Delete: removes the string at Index; an index outside raises.
  void Delete(int32_t Index);

  // Clear: removes all strings (notifies only when there were any).
  void Clear();

  // IndexOf
  //
  // The index of the first string equal to S, or -1. Sorted lists use the
  // binary search of Find.
  int32_t IndexOf(const String& S) const;

  // Find
  //
  // Binary search for S; the list must be in sorted order under the current
  // comparison (Sorted guarantees it). Returns whether S is present; Index
  // is the first equal string, or the place where S would be inserted.
  bool Find(const String& S, int32_t& Index) const;

  // Sorted, SetSorted: a sorted list keeps its order on every Add; turning
  // it on sorts the list (existing duplicates stay).
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);

  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }

  // CaseSensitive, SetCaseSensitive: the comparison of sorting, searching
  // and name lookup; changing it re-sorts a sorted list.
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);

  // Sort
  //
  // Sorts the strings by the current comparison. The sort is stable:
  // strings that compare equal keep their order.
  void Sort();

  // Text, SetText
  //
  // Text is every string followed by LineBreak (CR LF by default, like the
  // library's text files), the last one too; an empty list gives "".
  // SetText replaces the contents by the lines of the text: LF, CR LF and a
  // lone CR each end a line, and a line end at the very end adds no empty
  // line ("a\r\n" is one string, "a\n\n" two). In a sorted list the lines
  // are added by Add (Duplicates applies).
  String Text() const;
  void SetText(const String& Value);
  const String& LineBreak() const { return FLineBreak; }
  void SetLineBreak(const String& Value) { FLineBreak = Value; }

  // CommaText, SetCommaText
  //
  // The strings separated by commas. A string that is empty or holds a
  // blank, a control character, a comma or a double quote is written in
  // double quotes with inner quotes doubled. Reading takes that form back;
  // as on the other platform, outside quotes a blank or control character
  // also ends an item ("a b,c" gives a, b and c), blanks around items are
  // skipped, and a comma at the end adds an empty item.
  String CommaText() const;
  void SetCommaText(const String& Value);

  // Names, ValueFromIndex
  //
  // For a string "name=value": the part before the first "=", and the part
  // after it. A string without "=" has an empty name and an empty value.
  String Names(int32_t Index) const;
  String ValueFromIndex(int32_t Index) const;

  // IndexOfName: the index of the first string whose name equals Name
  // (under the current comparison), or -1.
  int32_t IndexOfName(const String& Name) const;

  // Values, SetValues
  //
  // The value of the first string named Name, or "" when there is none.
  // SetValues replaces that string by "Name=Value", or adds it; an empty
  // Value deletes the string. In a sorted list the string is deleted and
  // added again, so that the order holds.
  String Values(const String& Name) const;
  void SetValues(const String& Name, const String& Value);

  // LoadFromFile, SaveToFile
  //
  // Read the lines of a text file (TTextFile: UTF-8 with the Latin-1
  // fallback, any line end) into the list, replacing its contents; or write
  // every string as a line (UTF-8, CR LF), creating or truncating the file.
  // Errors raise EInOutError; a failed load leaves the list unchanged.
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName) const;

  // Assign
  //
  // From another TStringList: copies the strings, Sorted, Duplicates,
  // CaseSensitive and LineBreak (not OnChange) and notifies once. Other
  // sources go to TPersistent::Assign.
  void Assign(const TPersistent* Source) override;
  void AssignTo(TPersistent* Dest) const override;

  // BeginUpdate, EndUpdate
  //
  // Between them (they nest) no notification is sent; the final EndUpdate
  // sends one if anything changed meanwhile.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();

  // Changed: fires OnChange with the list as Sender (deferred while
  // updating). Every operation that changes the list calls it once.
  void Changed();

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  std::vector<String>::const_iterator begin() const { return FList.begin(); }
  std::vector<String>::const_iterator end() const { return FList.end(); }

 private:
  int CompareStrings(const String& A, const String& B) const;
  void CheckIndex(int32_t Index, int32_t Limit) const;
  int32_t AddNoNotify(const String& S);

  std::vector<String> FList;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
  bool FCaseSensitive = false;
  String FLineBreak = u"\r\n";
  TNotifyEvent FOnChange;
  int32_t FUpdateCount = 0;
  bool FPendingChange = false;
};

}  // namespace kvo
