// Tags in strings: reading them with their contents, and locating them.
#include <gtest/gtest.h>

#include <vector>

#include "stringl/parse.h"

namespace kvo {
namespace {

std::string U8(StringView s) { return ToUtf8(s); }

TEST(ReadNextTagInString, ReadsTagAttributesAndContents) {
  struct Case {
    const char16_t* text;
    std::vector<String> tags;
    int32_t index;
    const char16_t* attributes;
    const char16_t* contents;
    int32_t posAfter;
  };
  const Case cases[] = {
      {u"<!-- note --><Item a=\"1\">x</ITEM>", {u"item", u"other"}, 0, u"a=\"1\"", u"x", 34},
      {u"<point x=\"1\" y=\"2\" />", {u"point", u""}, 0, u"x=\"1\" y=\"2\"", u"", 22},
      {u"<br/>rest", {u"br", u""}, 0, u"", u"", 6},
      {u"</item>", {u"item", u"other"}, 1, u"", u"", 8},
      {u"<a><a>x</a></a>", {u"a", u""}, 0, u"", u"<a>x", 12},
      {u"<?xml version=\"1.0\"?>rest", {u"x", u""}, 1, u"version=\"1.0\"?", u"rest", 26},
      {u"no tags", {u"a", u"", u"z"}, 1, u"", u"", 8},
      {u"no tags", {u"a", u"z"}, 1, u"", u"", 8},
      {u"<b  x = 2 >bold", {u"b", u""}, 0, u"x = 2", u"bold", 16},
      {u"<b>unclosed <i>", {u"b", u""}, 0, u"", u"unclosed <i>", 16},
      {u"<cut off", {u"cut", u""}, 0, u"of", u"", 9},  // last character dropped
      {u"<tab\tx>y</tab\tx>", {u"tab\tx", u""}, 0, u"", u"y", 17},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.text));
    int32_t pos = 1;
    String attributes = u"old", contents = u"old";
    EXPECT_EQ(ReadNextTagInString(c.text, pos, c.tags, attributes, contents), c.index);
    EXPECT_EQ(attributes, c.attributes);
    EXPECT_EQ(contents, c.contents);
    EXPECT_EQ(pos, c.posAfter);
  }
}

TEST(ReadNextTagInString, WalksTagByTag) {
  const String text = u"<doc><title>T</title><p a=1/><p>x</p></doc>";
  const std::vector<String> tags{u"title", u"p", u"doc", u""};
  // "doc" opens an element whose contents run to "</doc>": read from inside.
  int32_t pos = 6;
  String attributes, contents;
  EXPECT_EQ(ReadNextTagInString(text, pos, tags, attributes, contents), 0);
  EXPECT_EQ(contents, u"T");
  EXPECT_EQ(ReadNextTagInString(text, pos, tags, attributes, contents), 1);
  EXPECT_EQ(attributes, u"a=1");
  EXPECT_EQ(contents, u"");
  EXPECT_EQ(ReadNextTagInString(text, pos, tags, attributes, contents), 1);
  EXPECT_EQ(contents, u"x");
  EXPECT_EQ(ReadNextTagInString(text, pos, tags, attributes, contents), 3);  // "/doc"
  EXPECT_EQ(pos, static_cast<int32_t>(text.size()) + 1);
  EXPECT_EQ(ReadNextTagInString(text, pos, tags, attributes, contents), 3);  // end: empty name
  EXPECT_EQ(pos, static_cast<int32_t>(text.size()) + 1);
}

TEST(ReadNextTagInString, EmptyTagListReadsNothing) {
  int32_t pos = 1;
  String attributes = u"x", contents = u"y";
  EXPECT_EQ(ReadNextTagInString(u"<a>b</a>", pos, std::span<const String>(), attributes, contents),
            -1);
  EXPECT_EQ(pos, 1);
  EXPECT_EQ(attributes, u"");
  EXPECT_EQ(contents, u"");
}

TEST(DetectNextTagInString, LocatesEveryTagInTurn) {
  const String text = u"ab <B x=1>c</b><!-- <x> --> <br/> <i";
  const std::vector<String> tags{u"b", u"br", u""};
  struct Step {
    int32_t index, start, end;
    const char16_t* attributes;
    bool closing;
  };
  const Step steps[] = {
      {0, 4, 10, u"x=1", false},
      {0, 12, 15, u"", true},
      // The comment is taken up to its first '>', as the tag readers do;
      // what follows ("--> ") is text.
      {1, 29, 33, u"", false},
  };
  int32_t start = 1;
  for (const Step& s : steps) {
    SCOPED_TRACE(s.start);
    int32_t end = 0;
    String attributes;
    bool closing = !s.closing;
    EXPECT_EQ(DetectNextTagInString(text, start, end, tags, attributes, closing), s.index);
    EXPECT_EQ(start, s.start);
    EXPECT_EQ(end, s.end);
    EXPECT_EQ(attributes, s.attributes);
    EXPECT_EQ(closing, s.closing);
    start = end + 1;
  }
  // "<i" has no '>': no further tag.
  int32_t end = 0;
  String attributes = u"x";
  bool closing = true;
  EXPECT_EQ(DetectNextTagInString(text, start, end, tags, attributes, closing), -1);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 0);
  EXPECT_EQ(attributes, u"");
  EXPECT_FALSE(closing);
}

TEST(DetectNextTagInString, KeepsWithinTheGivenRange) {
  const String text = u"<a><b>";
  const std::vector<String> tags{u"a", u"b", u""};
  String attributes;
  bool closing = false;
  int32_t start = 1, end = 2;  // "<a" only: the '>' lies outside
  EXPECT_EQ(DetectNextTagInString(text, start, end, tags, attributes, closing), -1);
  start = 2;
  end = 6;
  EXPECT_EQ(DetectNextTagInString(text, start, end, tags, attributes, closing), 1);
  EXPECT_EQ(start, 4);
  EXPECT_EQ(end, 6);
  start = -5;
  end = 99;  // beyond the text: to its end
  EXPECT_EQ(DetectNextTagInString(text, start, end, tags, attributes, closing), 0);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 3);
  start = 1;
  end = 0;
  EXPECT_EQ(DetectNextTagInString(text, start, end, std::span<const String>(), attributes, closing),
            -1);
}

}  // namespace
}  // namespace kvo
