#include "platform/streams.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/exceptions.h"
#include "support/files.h"
#include "support/tempdir.h"

namespace kvo {
namespace {

using kvo::testing::TempDir;

using kvo::testing::Slurp;
using kvo::testing::Spit;

TEST(FileStream, CreateWriteReopenRead) {
  TempDir tmp;
  const String name = FromUtf8(tmp.file("data-\xC3\xA9.bin"));  // non-ASCII name
  {
    TFileStream f(name, fmCreate);
    f.WriteBuffer("hello world", 11);
    EXPECT_EQ(f.Position(), 11);
    EXPECT_EQ(f.Size(), 11);
    f.SetPosition(6);
    f.WriteBuffer("W", 1);
  }
  EXPECT_EQ(Slurp(tmp.file("data-\xC3\xA9.bin")), "hello World");

  TFileStream f(name, fmOpenRead);
  char buf[32] = {};
  EXPECT_EQ(f.Read(buf, 32), 11);  // a short read only at the end
  EXPECT_EQ(std::string(buf, 11), "hello World");
  EXPECT_EQ(f.Read(buf, 32), 0);
  EXPECT_EQ(f.Seek(-5, soEnd), 6);
  EXPECT_EQ(f.Read(buf, 2), 2);
  EXPECT_EQ(std::string(buf, 2), "Wo");
  EXPECT_EQ(f.Seek(1, soCurrent), 9);
  EXPECT_THROW(f.Seek(-1, soBeginning), EStreamError);
  EXPECT_EQ(f.Position(), 9);  // a refused seek moves nothing
}

TEST(FileStream, CreateTruncatesAndOpenWriteKeeps) {
  TempDir tmp;
  Spit(tmp.file("f"), "0123456789");
  {
    TFileStream f(FromUtf8(tmp.file("f")), fmOpenWrite);
    f.WriteBuffer("ab", 2);
  }
  EXPECT_EQ(Slurp(tmp.file("f")), "ab23456789");
  {
    TFileStream f(FromUtf8(tmp.file("f")), fmOpenReadWrite);
    f.SetPosition(4);
    f.SetSize(3);  // position beyond the new end moves to it
    EXPECT_EQ(f.Position(), 3);
    f.SetSize(5);  // extension with zeros
    EXPECT_EQ(f.Size(), 5);
  }
  EXPECT_EQ(Slurp(tmp.file("f")), std::string("ab2\0\0", 5));
  { TFileStream f(FromUtf8(tmp.file("f")), fmCreate); }
  EXPECT_EQ(Slurp(tmp.file("f")), "");
}

TEST(FileStream, OpenErrorsNameTheFileAndTheReason) {
  TempDir tmp;
  const String missing = FromUtf8(tmp.file("missing.txt"));
  try {
    TFileStream f(missing, fmOpenRead);
    FAIL() << "no exception";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), u"Cannot open file \"" + missing + u"\". No such file or directory");
  }
  const String inMissingDir = FromUtf8(tmp.file("nodir/x.txt"));
  try {
    TFileStream f(inMissingDir, fmCreate);
    FAIL() << "no exception";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), u"Cannot create file \"" + inMissingDir + u"\". No such file or directory");
  }
  // A directory opens on Linux, but is no file stream.
  EXPECT_THROW(TFileStream(FromUtf8(tmp.path().string()), fmOpenRead), EFOpenError);
  EXPECT_THROW(TFileStream(FromUtf8(tmp.file("x")) + String(1, u'\0'), fmCreate), EFCreateError);
  Spit(tmp.file("f"), "x");
  EXPECT_THROW(TFileStream(FromUtf8(tmp.file("f")), 3), EFOpenError);  // invalid access mode
}

TEST(FileStream, ReadAndWriteErrors) {
  TempDir tmp;
  Spit(tmp.file("f"), "abc");
  TFileStream f(FromUtf8(tmp.file("f")), fmOpenRead);
  EXPECT_THROW(f.WriteBuffer("x", 1), EWriteError);  // opened read-only
  char buf[8] = {};
  try {
    f.ReadBuffer(buf, 5);
    FAIL() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), u"Stream read error");
  }
  // The bytes that could be read are stored and consumed.
  EXPECT_EQ(std::string(buf, 3), "abc");
  EXPECT_EQ(f.Position(), 3);
  f.ReadBuffer(buf, 0);  // nothing asked, nothing raised
  f.WriteBuffer(buf, 0);
}

TEST(FileStream, SharingFlagsAreAdvisoryLocks) {
  TempDir tmp;
  const String name = FromUtf8(tmp.file("shared"));
  Spit(tmp.file("shared"), "data");
  {
    TFileStream a(name, fmOpenRead | fmShareDenyWrite);
    TFileStream b(name, fmOpenRead | fmShareDenyWrite);  // readers coexist
    EXPECT_THROW(TFileStream(name, fmOpenReadWrite | fmShareExclusive), EFOpenError);
    TFileStream c(name, fmOpenRead | fmShareDenyNone);  // asks for no lock
  }
  {
    TFileStream a(name, fmOpenReadWrite | fmShareExclusive);
    EXPECT_THROW(TFileStream(name, fmOpenRead | fmShareDenyWrite), EFOpenError);
    // A create refused by the lock must not truncate the holder's file.
    EXPECT_THROW(TFileStream(name, fmCreate | fmShareExclusive), EFCreateError);
  }
  EXPECT_EQ(Slurp(tmp.file("shared")), "data");
  TFileStream again(name, fmOpenRead | fmShareExclusive);  // released on destruction
}

TEST(MemoryStream, GrowsZeroFillsAndClamps) {
  TMemoryStream m;
  m.SetPosition(4);
  m.WriteBuffer("xy", 2);
  ASSERT_EQ(m.Size(), 6);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(m.Memory()), 6), std::string("\0\0\0\0xy", 6));
  char buf[4];
  EXPECT_EQ(m.Read(buf, 4), 0);  // at the end
  m.SetPosition(100);
  EXPECT_EQ(m.Read(buf, 4), 0);  // beyond the end
  EXPECT_EQ(m.Seek(-2, soEnd), 4);
  EXPECT_EQ(m.Read(buf, 4), 2);
  EXPECT_THROW(m.Seek(-7, soEnd), EStreamError);
  m.SetPosition(5);
  m.SetSize(2);
  EXPECT_EQ(m.Position(), 2);
  m.Clear();
  EXPECT_EQ(m.Size(), 0);
  EXPECT_EQ(m.Position(), 0);
  EXPECT_THROW(m.SetSize(-1), EStreamError);
}

TEST(MemoryStream, PositionOverflowIsOutOfMemoryNotACrash) {
  TMemoryStream m;
  m.SetPosition(INT64_MAX - 1);
  EXPECT_THROW(m.WriteBuffer("abc", 3), EOutOfMemory);
}

TEST(MemoryStream, LoadAndSaveFilesAndStreams) {
  TempDir tmp;
  Spit(tmp.file("in"), std::string("a\0b\xFF", 4));
  TMemoryStream m;
  m.LoadFromFile(FromUtf8(tmp.file("in")));
  EXPECT_EQ(m.Size(), 4);
  EXPECT_EQ(m.Position(), 0);
  m.SetPosition(3);
  m.SaveToFile(FromUtf8(tmp.file("out")));  // whole contents, position untouched
  EXPECT_EQ(Slurp(tmp.file("out")), std::string("a\0b\xFF", 4));
  EXPECT_EQ(m.Position(), 3);

  TStringStream src(std::string("12345"));
  src.SetPosition(3);
  TMemoryStream copy;
  copy.LoadFromStream(&src);  // from the source's start
  EXPECT_EQ(copy.Size(), 5);
  TStringStream dst(std::string("XY"));
  dst.SetPosition(2);
  copy.SaveToStream(&dst);
  EXPECT_EQ(dst.DataString(), "XY12345");
  EXPECT_THROW(m.LoadFromFile(FromUtf8(tmp.file("none"))), EFOpenError);
}

TEST(Stream, CopyFrom) {
  TStringStream src(std::string("abcdef"));
  TMemoryStream dst;
  src.SetPosition(4);
  EXPECT_EQ(dst.CopyFrom(&src, 0), 6);  // 0: the whole source, from its start
  src.SetPosition(1);
  EXPECT_EQ(dst.CopyFrom(&src, 2), 2);  // from the source's position
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(dst.Memory()), 8), "abcdefbc");
  src.SetPosition(4);
  EXPECT_THROW(dst.CopyFrom(&src, 5), EReadError);  // only 2 left: copied, then raised
  EXPECT_EQ(dst.Size(), 10);
}

TEST(StringStream, Encodings) {
  struct Case {
    TTextEncoding enc;
    String text;
    std::string bytes;
  };
  const Case cases[] = {
      {teUtf8, u"A\u00E9\u20AC", "A\xC3\xA9\xE2\x82\xAC"},
      {teLatin1, u"A\u00E9\u0141", "A\xE9\x41"},  // high byte of U+0141 dropped
      {teUtf16LE, u"A\u20AC", std::string("A\0\xAC\x20", 4)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.enc));
    TStringStream s(c.text, c.enc);
    EXPECT_EQ(s.DataString(), c.bytes);
    EXPECT_EQ(s.Position(), 0);
    if (c.enc != teLatin1) {
      EXPECT_EQ(s.DataText(), c.text);
    }
  }
  TStringStream s(u"ab", teUtf16LE);
  s.Seek(0, soEnd);
  s.WriteString(u"c");
  s.WriteBuffer("d", 1);  // odd last byte
  EXPECT_EQ(s.DataText(), u"abc");
  TStringStream raw(std::string("\xE9t\xC3\xA9"));  // bytes kept as given
  EXPECT_EQ(raw.DataText(), u"\u00E9t\u00E9");  // Latin-1 fallback, then UTF-8
}

}  // namespace
}  // namespace kvo
