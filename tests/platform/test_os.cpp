#include "platform/os.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/files.h"
#include "support/tempdir.h"

namespace kvo {
namespace {

using kvo::testing::TempDir;

using kvo::testing::Spit;

String U(const std::string& s) { return FromUtf8(s); }

// Restores an environment variable when the test ends.
class EnvGuard {
 public:
  explicit EnvGuard(const char* name) : FName(name) {
    if (const char* v = std::getenv(name)) FOld = v;
  }
  ~EnvGuard() {
    if (FOld) ::setenv(FName, FOld->c_str(), 1);
    else ::unsetenv(FName);
  }

 private:
  const char* FName;
  std::optional<std::string> FOld;
};

TEST(Os, MatchesMask) {
  struct Case {
    const char16_t* name;
    const char16_t* mask;
    bool match;
  };
  const Case cases[] = {
      {u"readme.txt", u"*.txt", true},   {u"README.TXT", u"*.txt", true},
      {u"a.txt.bak", u"*.txt", false},   {u"a.tar.gz", u"*.gz", true},
      {u"noext", u"*.*", true},          {u".hidden", u"*.*", true},
      {u"noext", u"noext.*", true},      {u"no.ext", u"noext.*", false},
      {u"b.a", u"*a.*", false},          {u"ab", u"?b", true},
      {u"b", u"?b", false},              {u"abc", u"a*c", true},
      {u"ac", u"a*c", true},             {u"abcbd", u"a*b?", true},
      {u"x", u"", false},                {u"", u"*", true},
      {u"\u00E9", u"\u00C9", false},     {u"\u00E9", u"?", true},
      {u"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", u"*a*a*a*a*a*a*a*a*c", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(String(c.name)) + " / " + ToUtf8(String(c.mask)));
    EXPECT_EQ(MatchesMask(c.name, c.mask), c.match);
  }
}

class DirectorySearch : public ::testing::Test {
 protected:
  void SetUp() override {
    Spit(tmp.file("a.txt"), "abc");
    Spit(tmp.file("B.TXT"), "");
    Spit(tmp.file("c.dat"), "");
    Spit(tmp.file(".hidden"), "");
    Spit(tmp.file("noext"), "");
    Spit(tmp.file("ro.txt"), "r");
    ::chmod(tmp.file("ro.txt").c_str(), 0444);
    ::mkdir(tmp.file("sub").c_str(), 0777);
    ::mkfifo(tmp.file("fifo").c_str(), 0666);
    ASSERT_EQ(::symlink("gone", tmp.file("dangling").c_str()), 0);
  }

  std::vector<String> Find(const std::string& mask, int32_t attr) {
    std::vector<String> names;
    TSearchRec f;
    for (int32_t r = FindFirst(U(tmp.file(mask)), attr, f); r == 0; r = FindNext(f)) names.push_back(f.Name);
    FindClose(f);
    return names;
  }

  TempDir tmp;
};

TEST_F(DirectorySearch, MasksAndAttributeFilter) {
  using V = std::vector<String>;
  const V plain = {u"B.TXT", u"a.txt", u"c.dat", u"noext", u"ro.txt"};
  struct Case {
    const char* mask;
    int32_t attr;
    V names;
  };
  const Case cases[] = {
      {"*", 0, plain},
      {"*.*", faArchive, plain},  // faArchive does not restrict
      {"*.*", faReadOnly, plain},
      {"*.txt", faArchive, {u"B.TXT", u"a.txt", u"ro.txt"}},
      {"?.txt", 0, {u"B.TXT", u"a.txt"}},
      {"NOEXT.*", 0, {u"noext"}},
      {"*", faDirectory, {u".", u"..", u"B.TXT", u"a.txt", u"c.dat", u"noext", u"ro.txt", u"sub"}},
      {"*", faHidden, {u".hidden", u"B.TXT", u"a.txt", u"c.dat", u"noext", u"ro.txt"}},
      {"*", faSysFile, {u"B.TXT", u"a.txt", u"c.dat", u"dangling", u"fifo", u"noext", u"ro.txt"}},
      {"*", faAnyFile,
       {u".", u"..", u".hidden", u"B.TXT", u"a.txt", u"c.dat", u"dangling", u"fifo", u"noext", u"ro.txt",
        u"sub"}},
      {"zzz*", faAnyFile, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.mask) + " attr " + std::to_string(c.attr));
    EXPECT_EQ(Find(c.mask, c.attr), c.names);
  }
}

TEST_F(DirectorySearch, EntryDetails) {
  struct Case {
    String name;
    int32_t attr;
    int64_t size;
  };
  const Case cases[] = {
      {u"a.txt", faArchive, 3},
      {u"ro.txt", faArchive | faReadOnly, 1},
      {u".hidden", faArchive | faHidden, 0},
      {u"sub", faDirectory, 0},
      {u"..", faDirectory, 0},
      {u"fifo", faSysFile, 0},
      {u"dangling", faSysFile, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.name));
    TSearchRec f;
    ASSERT_EQ(FindFirst(U(tmp.file("")) + c.name, faAnyFile, f), 0);
    EXPECT_EQ(f.Name, c.name);
    EXPECT_EQ(f.Attr, c.attr);
    EXPECT_EQ(f.Size, c.size);
    if (c.name != u"dangling") {
      EXPECT_EQ(FileGetAttr(U(tmp.file("")) + c.name), c.attr);
      EXPECT_EQ(f.Time, FileAge(U(tmp.file("")) + c.name));
    }
    EXPECT_NE(FindNext(f), 0);
    FindClose(f);
    FindClose(f);  // twice is harmless
    EXPECT_EQ(FindNext(f), ENOENT);
  }
  TSearchRec f;
  EXPECT_EQ(FindFirst(U(tmp.file("missing/*")), faAnyFile, f), ENOENT);
  EXPECT_EQ(FindFirst(U(tmp.file("zzz")), faAnyFile, f), ENOENT);
  EXPECT_EQ(FindNext(f), ENOENT);
}

TEST(Os, FileTimesAreUtcAndExact) {
  TempDir tmp;
  const String name = U(tmp.file("t"));
  Spit(tmp.file("t"), "x");
  // 2000-01-01 00:00:00 UTC is date/time 36526, whatever the time zone.
  ASSERT_EQ(FileSetTimeNs(name, 946684800LL * 1000000000LL + 123456789), 0);
  int64_t ns = 0;
  ASSERT_TRUE(FileGetTimeNs(name, ns));
  EXPECT_EQ(ns, 946684800LL * 1000000000LL + 123456789);
  EXPECT_DOUBLE_EQ(FileAge(name), 36526.0 + 0.123 / 86400);

  // 1950-01-01 12:00 lies before the Unix epoch but within every file
  // system's range.
  const double times[] = {45000.5, 36526.0 + 1.0 / 86400, 25569.0, 18264.5};
  for (double t : times) {
    SCOPED_TRACE(t);
    ASSERT_EQ(FileSetDate(name, t), 0);
    EXPECT_NEAR(FileAge(name), t, 1e-9);
  }
  // Before 1899-12-30 the time of day stays a positive fraction: -1.25 is
  // 1899-12-29 06:00. Only checked where the file system holds such times
  // (some stop at 1901).
  const int64_t ns1899 = (-25570LL * 86400 + 6 * 3600) * 1000000000LL;
  ASSERT_EQ(FileSetDate(name, -1.25), 0);
  ASSERT_TRUE(FileGetTimeNs(name, ns));
  if (ns == ns1899) {
    EXPECT_DOUBLE_EQ(FileAge(name), -1.25);
  }
  ASSERT_EQ(FileSetTimeNs(name, ns1899), 0);
  ASSERT_TRUE(FileGetTimeNs(name, ns));
  if (ns == ns1899) {
    EXPECT_DOUBLE_EQ(FileAge(name), -1.25);
  }

  EXPECT_EQ(FileSetDate(name, std::nan("")), EINVAL);
  EXPECT_EQ(FileAge(U(tmp.file("none"))), -1.0);
  EXPECT_EQ(FileSetDate(U(tmp.file("none")), 1.0), ENOENT);
  EXPECT_FALSE(FileGetTimeNs(U(tmp.file("none")), ns));
}

TEST(Os, AttributesDeleteAndRename) {
  TempDir tmp;
  const String f = U(tmp.file("f")), g = U(tmp.file("g"));
  Spit(tmp.file("f"), "keep");
  Spit(tmp.file("g"), "other");
  EXPECT_EQ(FileSetAttr(f, faReadOnly | faHidden), 0);
  EXPECT_EQ(FileGetAttr(f), faArchive | faReadOnly);
  EXPECT_FALSE(DeleteFile(f));  // read-only files are protected
  EXPECT_EQ(GetLastOSError(), EACCES);
  EXPECT_TRUE(FileExists(f));
  EXPECT_EQ(FileSetAttr(f, faArchive), 0);
  EXPECT_EQ(FileGetAttr(f), faArchive);

  EXPECT_FALSE(RenameFile(f, g));  // never replaces
  EXPECT_EQ(GetLastOSError(), EEXIST);
  EXPECT_TRUE(RenameFile(f, f));
  EXPECT_TRUE(RenameFile(f, U(tmp.file("h"))));
  EXPECT_FALSE(FileExists(f));
  EXPECT_TRUE(FileExists(U(tmp.file("h"))));
  EXPECT_FALSE(RenameFile(f, U(tmp.file("i"))));

  EXPECT_TRUE(DeleteFile(g));
  EXPECT_FALSE(DeleteFile(g));
  EXPECT_FALSE(DeleteFile(U(tmp.path().string())));  // a directory
  EXPECT_EQ(GetLastOSError(), EISDIR);
  EXPECT_EQ(FileGetAttr(g), -1);
  EXPECT_EQ(SysErrorMessage(ENOENT), u"No such file or directory");
}

TEST(Os, Directories) {
  TempDir tmp;
  const String deep = U(tmp.file("x/y/z/"));
  EXPECT_FALSE(CreateDir(deep));  // parents missing
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(ForceDirectories(deep));  // existing is fine
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_FALSE(FileExists(deep));
  EXPECT_FALSE(ForceDirectories(u""));
  Spit(tmp.file("file"), "");
  EXPECT_FALSE(ForceDirectories(U(tmp.file("file/sub"))));
  EXPECT_FALSE(DirectoryExists(U(tmp.file("file"))));
  EXPECT_FALSE(RemoveDir(U(tmp.file("x"))));  // not empty
  EXPECT_TRUE(RemoveDir(U(tmp.file("x/y/z"))));
  EXPECT_TRUE(CreateDir(U(tmp.file("x/y/z"))));

  const String old = GetCurrentDir();
  ASSERT_TRUE(SetCurrentDir(U(tmp.file("x"))));
  EXPECT_EQ(GetCurrentDir(), ExpandFileName(U(tmp.file("x"))));
  EXPECT_EQ(ExpandFileName(u"y/./z/../q"), GetCurrentDir() + u"/y/q");
  EXPECT_TRUE(SetCurrentDir(old));
  EXPECT_FALSE(SetCurrentDir(U(tmp.file("none"))));

  EXPECT_GT(DiskSize(U(tmp.path().string())), 0);
  EXPECT_GE(DiskFree(U(tmp.path().string())), 0);
  EXPECT_LE(DiskFree(U(tmp.path().string())), DiskSize(U(tmp.path().string())));
  EXPECT_EQ(DiskFree(U(tmp.file("none"))), -1);
}

TEST(Os, PathHelpers) {
  struct Case {
    String name, path, file, ext, dir;
  };
  const Case posix[] = {
      {u"/a/b.txt", u"/a/", u"b.txt", u".txt", u"/a"},
      {u"/a.d/b", u"/a.d/", u"b", u"", u"/a.d"},
      {u"a.tar.gz", u"", u"a.tar.gz", u".gz", u""},
      {u"/b", u"/", u"b", u"", u"/"},
      {u"a//b", u"a//", u"b", u"", u"a//"},
      {u"dir/", u"dir/", u"", u"", u"dir"},
      {u"C:\\x\\y.z", u"", u"C:\\x\\y.z", u".z", u""},  // "\" is a name character here
  };
  for (const Case& c : posix) {
    SCOPED_TRACE(ToUtf8(c.name));
    EXPECT_EQ(ExtractFilePath(c.name), c.path);
    EXPECT_EQ(ExtractFileName(c.name), c.file);
    EXPECT_EQ(ExtractFileExt(c.name), c.ext);
    EXPECT_EQ(ExtractFileDir(c.name), c.dir);
  }
  const Case windows[] = {
      {u"C:\\dir\\a.tar.gz", u"C:\\dir\\", u"a.tar.gz", u".gz", u"C:\\dir"},
      {u"C:\\my.dir\\file", u"C:\\my.dir\\", u"file", u"", u"C:\\my.dir"},
      {u"C:\\a", u"C:\\", u"a", u"", u"C:\\"},
      {u"C:a.b", u"C:", u"a.b", u".b", u"C:"},
      {u"x/y\\z", u"x/y\\", u"z", u"", u"x/y"},
  };
  for (const Case& c : windows) {
    SCOPED_TRACE(ToUtf8(c.name));
    EXPECT_EQ(ExtractFilePath(c.name, AnyPathDelims), c.path);
    EXPECT_EQ(ExtractFileName(c.name, AnyPathDelims), c.file);
    EXPECT_EQ(ExtractFileExt(c.name, AnyPathDelims), c.ext);
    EXPECT_EQ(ExtractFileDir(c.name, AnyPathDelims), c.dir);
  }
  EXPECT_EQ(ChangeFileExt(u"/a.b/c.txt", u".csv"), u"/a.b/c.csv");
  EXPECT_EQ(ChangeFileExt(u"/a.b/c", u".csv"), u"/a.b/c.csv");
  EXPECT_EQ(ChangeFileExt(u"c.txt", u""), u"c");
  EXPECT_EQ(ExpandFileName(u"/a/./b//c/../../d/"), u"/a/d/");
  EXPECT_EQ(ExpandFileName(u"/../.."), u"/");
  EXPECT_EQ(ExpandFileName(u""), u"");
  EXPECT_EQ(IncludeTrailingPathDelimiter(u"/a"), u"/a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter(u"/a/"), u"/a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter(u""), u"");  // never the root by accident
  EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/a/"), u"/a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/"), u"/");
}

TEST(Os, TempDirAndEnvironment) {
  EnvGuard tmpdir("TMPDIR"), var("KVO_TEST_VARIABLE");
  TempDir tmp;
  ::setenv("TMPDIR", tmp.path().c_str(), 1);
  EXPECT_EQ(GetTempDir(), U(tmp.path().string()) + u"/");
  ::setenv("TMPDIR", tmp.file("missing").c_str(), 1);
  EXPECT_EQ(GetTempDir(), u"/tmp/");
  ::unsetenv("TMPDIR");
  EXPECT_EQ(GetTempDir(), u"/tmp/");

  ::setenv("KVO_TEST_VARIABLE", "v\xC3\xA9=1", 1);
  EXPECT_EQ(GetEnvironmentVariable(u"KVO_TEST_VARIABLE"), u"v\u00E9=1");
  EXPECT_EQ(GetEnvironmentVariable(u"kvo_test_variable"), u"");  // names are exact on Linux
  EXPECT_EQ(GetEnvironmentVariable(u""), u"");
  EXPECT_EQ(GetEnvironmentVariable(u"KVO_TEST_VARIABLE=v"), u"");
  const std::vector<String> env = GetEnvironmentStrings();
  EXPECT_EQ(std::count(env.begin(), env.end(), String(u"KVO_TEST_VARIABLE=v\u00E9=1")), 1);
}

TEST(Os, PrioritiesReportWhetherTheyChanged) {
  // Run in a thread of its own: a lowered priority cannot always be raised
  // again without rights.
  std::thread([] {
    const int32_t start = GetThreadPriority();
    const int32_t lower = std::min(start + 1, prLowest);
    EXPECT_TRUE(SetThreadPriority(lower));  // lowering needs no rights
    EXPECT_EQ(GetThreadPriority(), lower);
    const bool raised = SetThreadPriority(prHighest);
    EXPECT_EQ(GetThreadPriority(), raised ? prHighest : lower);
    EXPECT_TRUE(SetThreadPriority(100));  // clamped to the lowest
    EXPECT_EQ(GetThreadPriority(), prLowest);
  }).join();
  EXPECT_TRUE(SetProcessPriority(GetProcessPriority()));
}

TEST(Os, TickIsMonotonic) {
  uint32_t last = GetTickCount();
  uint64_t last64 = GetTickCount64();
  for (int i = 0; i < 1000; ++i) {
    const uint32_t now = GetTickCount();
    const uint64_t now64 = GetTickCount64();
    EXPECT_LT(static_cast<uint32_t>(now - last), 0x80000000u);  // never backwards, even across a wrap
    EXPECT_GE(now64, last64);
    last = now;
    last64 = now64;
  }
}

}  // namespace
}  // namespace kvo
