#include "platform/stringlist.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/exceptions.h"
#include "support/tempdir.h"

namespace kvo {
namespace {

std::vector<String> Items(const TStringList& l) { return std::vector<String>(l.begin(), l.end()); }

TEST(StringList, EditingAndIndexErrors) {
  TStringList l;
  int changes = 0;
  l.SetOnChange([&](TObject* sender) {
    EXPECT_EQ(sender, &l);
    ++changes;
  });
  EXPECT_EQ(l.Add(u"b"), 0);
  EXPECT_EQ(l.Add(u"b"), 1);  // unsorted lists keep duplicates
  l.Insert(0, u"a");
  l.Insert(3, u"d");
  l.SetStrings(2, u"c");
  l.Delete(1);
  EXPECT_EQ(Items(l), (std::vector<String>{u"a", u"c", u"d"}));
  EXPECT_EQ(changes, 6);
  EXPECT_EQ(l.IndexOf(u"C"), 1);  // case-insensitive by default
  l.SetCaseSensitive(true);
  EXPECT_EQ(l.IndexOf(u"C"), -1);

  try {
    l.Strings(3);
    FAIL() << "no exception";
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), u"List index out of bounds (3)");
  }
  EXPECT_THROW(l.Strings(-1), EStringListError);
  EXPECT_THROW(l.Delete(3), EStringListError);
  EXPECT_THROW(l.Insert(4, u"x"), EStringListError);
  EXPECT_THROW(l.SetStrings(-1, u"x"), EStringListError);
  EXPECT_EQ(changes, 6);  // failed calls change nothing
  l.Clear();
  l.Clear();  // already empty: no notification
  EXPECT_EQ(changes, 7);
}

TEST(StringList, SortedAddFindAndDuplicates) {
  TStringList l;
  l.SetSorted(true);
  for (const char16_t* s : {u"pear", u"Apple", u"fig", u"apple"}) l.Add(s);
  EXPECT_EQ(Items(l), (std::vector<String>{u"Apple", u"fig", u"pear"}));  // dupIgnore by default
  int32_t at = -1;
  EXPECT_TRUE(l.Find(u"FIG", at));
  EXPECT_EQ(at, 1);
  EXPECT_FALSE(l.Find(u"grape", at));
  EXPECT_EQ(at, 2);  // insertion place
  EXPECT_EQ(l.Add(u"APPLE"), 0);  // ignored: index of the existing one

  l.SetDuplicates(dupError);
  EXPECT_THROW(l.Add(u"PEAR"), EStringListError);
  l.SetDuplicates(dupAccept);
  EXPECT_EQ(l.Add(u"APPLE"), 1);  // after the equal one
  EXPECT_EQ(Items(l), (std::vector<String>{u"Apple", u"APPLE", u"fig", u"pear"}));
  EXPECT_TRUE(l.Find(u"apple", at));
  EXPECT_EQ(at, 0);  // the first equal one
  EXPECT_THROW(l.Insert(0, u"x"), EStringListError);
  EXPECT_THROW(l.SetStrings(0, u"x"), EStringListError);

  l.SetCaseSensitive(true);  // re-sorts by code units: upper case first
  EXPECT_EQ(Items(l), (std::vector<String>{u"APPLE", u"Apple", u"fig", u"pear"}));
}

TEST(StringList, SortMatchesAReferenceModel) {
  std::mt19937 rng(12345);
  const String alphabet = u"aAbB_z\u00E9";
  for (int round = 0; round < 50; ++round) {
    TStringList l;
    std::vector<String> model;
    for (int i = 0; i < 40; ++i) {
      String s;
      for (size_t n = rng() % 4; n > 0; --n) s.push_back(alphabet[rng() % alphabet.size()]);
      l.Add(s);
      model.push_back(s);
    }
    auto key = [](String s) {
      for (Char& c : s)
        if (c >= u'A' && c <= u'Z') c = static_cast<Char>(c + 32);
      return s;
    };
    std::stable_sort(model.begin(), model.end(),
                     [&](const String& a, const String& b) { return key(a) < key(b); });
    l.Sort();
    ASSERT_EQ(Items(l), model);
    for (const String& s : model) {
      int32_t at = -1;
      ASSERT_TRUE(l.Find(s, at));
      EXPECT_EQ(key(l.Strings(at)), key(s));
      EXPECT_TRUE(at == 0 || key(l.Strings(at - 1)) < key(s));  // the first equal one
    }
  }
}

TEST(StringList, TextSplitsEveryLineEnd) {
  struct Case {
    String text;
    std::vector<String> lines;
  };
  const Case cases[] = {
      {u"", {}},
      {u"a", {u"a"}},
      {u"a\r\n", {u"a"}},
      {u"a\n\nb", {u"a", u"", u"b"}},
      {u"a\rb\r\nc\n", {u"a", u"b", u"c"}},
      {u"\n", {u""}},
      {u"\r\r\n", {u"", u""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text));
    TStringList l;
    int changes = 0;
    l.SetOnChange([&](TObject*) { ++changes; });
    l.SetText(c.text);
    EXPECT_EQ(Items(l), c.lines);
    EXPECT_LE(changes, 1);  // one notification for the whole text
  }
  TStringList l;
  l.SetText(u"x\ny");
  EXPECT_EQ(l.Text(), u"x\r\ny\r\n");
  l.SetLineBreak(u"\n");
  EXPECT_EQ(l.Text(), u"x\ny\n");
}

TEST(StringList, CommaText) {
  struct Case {
    std::vector<String> items;
    String text;
  };
  const Case roundTrip[] = {
      {{u"a", u"b"}, u"a,b"},
      {{u"a b", u"say \"hi\"", u"x,y"}, u"\"a b\",\"say \"\"hi\"\"\",\"x,y\""},
      {{u""}, u"\"\""},
      {{u"a", u"", u"c"}, u"a,\"\",c"},
      {{}, u""},
  };
  for (const Case& c : roundTrip) {
    SCOPED_TRACE(ToUtf8(c.text));
    TStringList l;
    for (const String& s : c.items) l.Add(s);
    EXPECT_EQ(l.CommaText(), c.text);
    TStringList back;
    back.SetCommaText(c.text);
    EXPECT_EQ(Items(back), c.items);
  }
  const Case reading[] = {
      {{u"a", u"b", u"c"}, u" a b , c "},     // blanks separate outside quotes
      {{u"a", u""}, u"a,"},                   // a final comma adds an empty item
      {{u"a", u"", u"b"}, u"a,,b"},
      {{u"open"}, u"\"open"},                 // missing closing quote
      {{u"ab", u"cd"}, u"\"ab\"cd"},
  };
  for (const Case& c : reading) {
    SCOPED_TRACE(ToUtf8(c.text));
    TStringList l;
    l.SetCommaText(c.text);
    EXPECT_EQ(Items(l), c.items);
  }
}

TEST(StringList, NamesAndValues) {
  TStringList l;
  l.SetText(u"Width=42\nplain\nheight=7=x\n=empty");
  EXPECT_EQ(l.Names(0), u"Width");
  EXPECT_EQ(l.Names(1), u"");
  EXPECT_EQ(l.ValueFromIndex(2), u"7=x");
  EXPECT_EQ(l.Values(u"WIDTH"), u"42");
  EXPECT_EQ(l.Values(u"plain"), u"");
  EXPECT_EQ(l.IndexOfName(u""), 3);
  l.SetValues(u"width", u"43");
  EXPECT_EQ(l.Strings(0), u"width=43");
  l.SetValues(u"depth", u"1");
  EXPECT_EQ(l.Strings(4), u"depth=1");
  l.SetValues(u"Height", u"");  // an empty value deletes
  EXPECT_EQ(l.IndexOfName(u"height"), -1);

  TStringList sorted;
  sorted.SetSorted(true);
  sorted.SetText(u"a=1\nm=2\nz=3");
  sorted.SetValues(u"m", u"9");  // allowed on a sorted list, order kept
  EXPECT_EQ(sorted.Text(), u"a=1\r\nm=9\r\nz=3\r\n");
}

TEST(StringList, FilesAndAssign) {
  kvo::testing::TempDir tmp;
  const String name = FromUtf8(tmp.file("list.txt"));
  TStringList l;
  l.SetText(u"one\n\u00E9\nthree");
  l.SaveToFile(name);
  std::ifstream in(tmp.file("list.txt"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "one\r\n\xC3\xA9\r\nthree\r\n");

  TStringList back;
  back.Add(u"old");
  back.LoadFromFile(name);
  EXPECT_EQ(Items(back), Items(l));
  EXPECT_THROW(back.LoadFromFile(FromUtf8(tmp.file("missing"))), EInOutError);
  EXPECT_EQ(back.Count(), 3);  // a failed load leaves the list alone

  l.SetSorted(true);
  l.SetDuplicates(dupAccept);
  TStringList copy;
  int changes = 0;
  copy.SetOnChange([&](TObject*) { ++changes; });
  copy.Assign(&l);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(copy.Sorted());
  EXPECT_EQ(copy.Duplicates(), dupAccept);
  EXPECT_EQ(Items(copy), Items(l));
  TPersistent other;
  EXPECT_THROW(copy.Assign(&other), EConvertError);
  EXPECT_THROW(copy.Assign(nullptr), EConvertError);
}

TEST(StringList, UpdatesBatchNotifications) {
  TStringList l;
  int changes = 0;
  l.SetOnChange([&](TObject*) { ++changes; });
  l.BeginUpdate();
  l.BeginUpdate();
  l.Add(u"a");
  l.Add(u"b");
  l.EndUpdate();
  EXPECT_EQ(changes, 0);
  l.EndUpdate();
  EXPECT_EQ(changes, 1);
  l.BeginUpdate();
  l.EndUpdate();  // nothing changed: nothing sent
  l.EndUpdate();  // unbalanced: harmless
  EXPECT_EQ(changes, 1);
  l.AddStrings(l);  // a list may add itself
  EXPECT_EQ(Items(l), (std::vector<String>{u"a", u"b", u"a", u"b"}));
  EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace kvo
