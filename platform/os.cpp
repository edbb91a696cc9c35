#include "platform/os.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

extern char** environ;

namespace kvo {

// ---------------------------------------------------------------- helpers

namespace {

// Days from 1899-12-30 (date/time zero) to 1970-01-01 (Unix time zero).
constexpr double kUnixEpochDays = 25569.0;
constexpr int64_t kMsPerDay = 86400000;
constexpr int64_t kNsPerMs = 1000000;

// A name for the operating system, or false when it cannot name a file
// (empty, or holding a NUL that would silently cut it short).
bool OsName(const String& name, std::string& out) {
  out = ToUtf8(name);
  if (out.empty() || out.find('\0') != std::string::npos) {
    errno = out.empty() ? ENOENT : EINVAL;
    return false;
  }
  return true;
}

int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Unix milliseconds to the library's date/time. Date/time values before
// 1899-12-30 keep the time of day as a positive fraction (-1.25 is
// 1899-12-29 06:00), so the linear day count is folded accordingly.
double UnixMsToDateTime(int64_t ms) {
  const int64_t days = FloorDiv(ms, kMsPerDay) + static_cast<int64_t>(kUnixEpochDays);
  const double frac = static_cast<double>(ms - FloorDiv(ms, kMsPerDay) * kMsPerDay) / kMsPerDay;
  if (days >= 0) return static_cast<double>(days) + frac;
  return static_cast<double>(days) - frac;
}

bool DateTimeToUnixMs(double dt, int64_t& ms) {
  // 1e8 days is far beyond any file system's range yet keeps ms in 64 bits.
  if (!std::isfinite(dt) || std::fabs(dt) > 1.0e8) return false;
  // The whole days and the time of day (a positive fraction also for days
  // before 1899-12-30) give the linear count day + fraction. The time of day
  // is rounded to the millisecond, so that a value built from whole seconds
  // does not come out one millisecond short.
  const double day = std::trunc(dt);
  const int64_t dayMs = std::llround(std::fabs(dt - day) * kMsPerDay);
  ms = (static_cast<int64_t>(day) - static_cast<int64_t>(kUnixEpochDays)) * kMsPerDay + dayMs;
  return true;
}

// Modification time in milliseconds (rounded down), free of overflow for
// any time a file system can hold.
int64_t StatTimeMs(const struct stat& st) {
  return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
}

int SetMTime(const std::string& p, int64_t sec, long nsec) {
  struct timespec ts[2];
  ts[0].tv_sec = 0;
  ts[0].tv_nsec = UTIME_OMIT;
  ts[1].tv_sec = static_cast<time_t>(sec);
  ts[1].tv_nsec = nsec;
  if (::utimensat(AT_FDCWD, p.c_str(), ts, 0) != 0) return errno;
  return 0;
}

int32_t AttrOf(const std::string& name, const struct stat& st, bool dangling) {
  int32_t a = 0;
  if (dangling) {
    a = faSysFile;
  } else if (S_ISDIR(st.st_mode)) {
    a = faDirectory;
  } else if (S_ISREG(st.st_mode)) {
    a = faArchive;
  } else {
    a = faSysFile;
  }
  if (!dangling && !(st.st_mode & S_IWUSR)) a |= faReadOnly;
  if (!name.empty() && name[0] == '.' && name != "." && name != "..") a |= faHidden;
  return a;
}

Char FoldAscii(Char c) { return (c >= u'A' && c <= u'Z') ? static_cast<Char>(c + 32) : c; }

// Wildcard match with one backtracking point (the last "*"), so the cost is
// at most length(name) x length(mask), never exponential.
bool WildMatch(StringView name, StringView mask) {
  size_t n = 0, m = 0, starM = StringView::npos, starN = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == u'*') {
      starM = m++;
      starN = n;
    } else if (m < mask.size() && (mask[m] == u'?' || FoldAscii(mask[m]) == FoldAscii(name[n]))) {
      ++m;
      ++n;
    } else if (starM != StringView::npos) {
      m = starM + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == u'*') ++m;
  return m == mask.size();
}

}  // namespace

// ---------------------------------------------------------------- errors

int32_t GetLastOSError() { return errno; }

String SysErrorMessage(int32_t Code) {
  return FromUtf8(std::generic_category().message(Code));
}

// ------------------------------------------------------ directory search

bool MatchesMask(StringView Name, StringView Mask) {
  if (Mask.empty()) return false;
  if (WildMatch(Name, Mask)) return true;
  if (Mask.size() >= 2 && Mask.substr(Mask.size() - 2) == u".*" &&
      Name.find(u'.') == StringView::npos)
    return WildMatch(Name, Mask.substr(0, Mask.size() - 2));
  return false;
}

namespace internal {

struct TSearchState {
  int DirFd = -1;
  int32_t Attr = 0;
  std::vector<std::string> Names;  // matching names, in report order
  size_t Next = 0;
  ~TSearchState() {
    if (DirFd >= 0) ::close(DirFd);
  }
};

}  // namespace internal

namespace {

// Fills F with the next entry of the search that passes the filter.
int32_t NextEntry(TSearchRec& F) {
  auto* s = F.FindHandle.get();
  if (s == nullptr) return ENOENT;
  const int32_t exclude = ~s->Attr & (faHidden | faSysFile | faVolumeID | faDirectory);
  while (s->Next < s->Names.size()) {
    const std::string& name = s->Names[s->Next++];
    struct stat st {};
    bool dangling = false;
    if (::fstatat(s->DirFd, name.c_str(), &st, 0) != 0) {
      // A link whose target is gone still is an entry; a vanished entry is
      // skipped.
      if (::fstatat(s->DirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
      dangling = true;
    }
    const int32_t attr = AttrOf(name, st, dangling);
    if (attr & exclude) continue;
    F.Name = FromUtf8(name);
    F.Attr = attr;
    F.Size = (attr & faDirectory) || dangling ? 0 : static_cast<int64_t>(st.st_size);
    F.Time = UnixMsToDateTime(StatTimeMs(st));
    return 0;
  }
  return ENOENT;
}

}  // namespace

int32_t FindFirst(const String& Path, int32_t Attr, TSearchRec& F) {
  FindClose(F);
  const size_t slash = Path.rfind(PathDelim);
  const String dir = slash == String::npos ? String() : Path.substr(0, slash + 1);
  const String mask = slash == String::npos ? Path : Path.substr(slash + 1);

  std::string osDir = dir.empty() ? std::string(".") : ToUtf8(dir);
  if (osDir.find('\0') != std::string::npos) return EINVAL;
  auto state = std::make_shared<internal::TSearchState>();
  state->Attr = Attr;
  state->DirFd = ::open(osDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (state->DirFd < 0) return errno;
  int listFd = ::dup(state->DirFd);
  if (listFd < 0) return errno;
  DIR* d = ::fdopendir(listFd);
  if (d == nullptr) {
    int err = errno;
    ::close(listFd);
    return err;
  }
  std::vector<std::string> dots, others;
  errno = 0;
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    if (!MatchesMask(FromUtf8(name), mask)) continue;
    (name == "." || name == ".." ? dots : others).push_back(std::move(name));
  }
  ::closedir(d);
  std::sort(dots.begin(), dots.end());
  std::sort(others.begin(), others.end());
  state->Names = std::move(dots);
  state->Names.insert(state->Names.end(), std::make_move_iterator(others.begin()),
                      std::make_move_iterator(others.end()));
  F.FindHandle = std::move(state);
  const int32_t r = NextEntry(F);
  if (r != 0) FindClose(F);
  return r;
}

int32_t FindNext(TSearchRec& F) { return NextEntry(F); }

void FindClose(TSearchRec& F) { F.FindHandle.reset(); }

// ------------------------------------------------------- files and folders

bool FileExists(const String& FileName) {
  std::string p;
  struct stat st {};
  return OsName(FileName, p) && ::stat(p.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const String& Directory) {
  std::string p;
  struct stat st {};
  return OsName(Directory, p) && ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int32_t FileGetAttr(const String& FileName) {
  std::string p;
  if (!OsName(FileName, p)) return -1;
  struct stat st {};
  bool dangling = false;
  if (::stat(p.c_str(), &st) != 0) {
    if (::lstat(p.c_str(), &st) != 0) return -1;
    dangling = true;
  }
  std::string name = p;
  while (name.size() > 1 && name.back() == '/') name.pop_back();
  const size_t slash = name.find_last_of('/');
  if (slash != std::string::npos && name.size() > 1) name.erase(0, slash + 1);
  return AttrOf(name, st, dangling);
}

int32_t FileSetAttr(const String& FileName, int32_t Attr) {
  std::string p;
  if (!OsName(FileName, p)) return errno;
  struct stat st {};
  if (::stat(p.c_str(), &st) != 0) return errno;
  mode_t mode = st.st_mode & 07777;
  mode = (Attr & faReadOnly) ? (mode & ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH))
                             : (mode | S_IWUSR);
  if (mode != (st.st_mode & 07777) && ::chmod(p.c_str(), mode) != 0) return errno;
  return 0;
}

bool FileGetTimeNs(const String& FileName, int64_t& UnixNs) {
  std::string p;
  struct stat st {};
  if (!OsName(FileName, p) || ::stat(p.c_str(), &st) != 0) return false;
  // Times beyond the years 1678..2262 do not fit: saturate.
  constexpr int64_t kMaxSec = INT64_MAX / 1000000000 - 1;
  const int64_t sec = static_cast<int64_t>(st.st_mtim.tv_sec);
  if (sec > kMaxSec) UnixNs = INT64_MAX;
  else if (sec < -kMaxSec) UnixNs = INT64_MIN;
  else UnixNs = sec * 1000000000 + st.st_mtim.tv_nsec;
  return true;
}

int32_t FileSetTimeNs(const String& FileName, int64_t UnixNs) {
  std::string p;
  if (!OsName(FileName, p)) return errno;
  const int64_t sec = FloorDiv(UnixNs, 1000000000);
  return SetMTime(p, sec, static_cast<long>(UnixNs - sec * 1000000000));
}

double FileAge(const String& FileName) {
  std::string p;
  struct stat st {};
  if (!OsName(FileName, p) || ::stat(p.c_str(), &st) != 0) return -1.0;
  return UnixMsToDateTime(StatTimeMs(st));
}

int32_t FileSetDate(const String& FileName, double DateTime) {
  int64_t ms = 0;
  if (!DateTimeToUnixMs(DateTime, ms)) return EINVAL;
  std::string p;
  if (!OsName(FileName, p)) return errno;
  const int64_t sec = FloorDiv(ms, 1000);
  return SetMTime(p, sec, static_cast<long>((ms - sec * 1000) * kNsPerMs));
}

bool DeleteFile(const String& FileName) {
  std::string p;
  if (!OsName(FileName, p)) return false;
  struct stat st {};
  if (::lstat(p.c_str(), &st) != 0) return false;
  if (S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    return false;
  }
  if (!S_ISLNK(st.st_mode) && !(st.st_mode & S_IWUSR)) {
    errno = EACCES;
    return false;
  }
  return ::unlink(p.c_str()) == 0;
}

bool RenameFile(const String& OldName, const String& NewName) {
  std::string a, b;
  if (!OsName(OldName, a) || !OsName(NewName, b)) return false;
  struct stat st {};
  if (a == b) return ::lstat(a.c_str(), &st) == 0;
  if (::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // The file system cannot refuse replacement itself: test first. (A race
  // with another process remains possible there.)
  if (::lstat(b.c_str(), &st) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(a.c_str(), b.c_str()) == 0;
}

bool CreateDir(const String& Directory) {
  std::string p;
  return OsName(Directory, p) && ::mkdir(p.c_str(), 0777) == 0;
}

bool RemoveDir(const String& Directory) {
  std::string p;
  return OsName(Directory, p) && ::rmdir(p.c_str()) == 0;
}

bool ForceDirectories(const String& Directory) {
  std::string p;
  if (!OsName(Directory, p)) return false;
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(p), ec);
  if (ec) {
    errno = ec.value();
    if (!DirectoryExists(Directory)) return false;
  }
  return DirectoryExists(Directory);
}

String GetCurrentDir() {
  std::string buf(256, '\0');
  while (::getcwd(buf.data(), buf.size()) == nullptr) {
    if (errno != ERANGE) return String();
    buf.resize(buf.size() * 2);
  }
  buf.resize(std::char_traits<char>::length(buf.c_str()));
  return FromUtf8(buf);
}

bool SetCurrentDir(const String& Directory) {
  std::string p;
  return OsName(Directory, p) && ::chdir(p.c_str()) == 0;
}

int64_t DiskFree(const String& Path) {
  std::string p;
  struct statvfs s {};
  if (!OsName(Path, p) || ::statvfs(p.c_str(), &s) != 0) return -1;
  return static_cast<int64_t>(s.f_bavail) * static_cast<int64_t>(s.f_frsize);
}

int64_t DiskSize(const String& Path) {
  std::string p;
  struct statvfs s {};
  if (!OsName(Path, p) || ::statvfs(p.c_str(), &s) != 0) return -1;
  return static_cast<int64_t>(s.f_blocks) * static_cast<int64_t>(s.f_frsize);
}

String GetTempDir() {
  const char* t = std::getenv("TMPDIR");
  if (t != nullptr && *t != '\0') {
    String dir = FromUtf8(t);
    if (DirectoryExists(dir)) return IncludeTrailingPathDelimiter(ExpandFileName(dir));
  }
  return u"/tmp/";
}

// ------------------------------------------------------------ environment

String GetEnvironmentVariable(const String& Name) {
  if (Name.empty() || Name.find(u'=') != String::npos || Name.find(u'\0') != String::npos)
    return String();
  const char* v = std::getenv(ToUtf8(Name).c_str());
  return v ? FromUtf8(v) : String();
}

std::vector<String> GetEnvironmentStrings() {
  std::vector<String> out;
  for (char** e = environ; e != nullptr && *e != nullptr; ++e) out.push_back(FromUtf8(*e));
  return out;
}

// ------------------------------------------------------------ priorities

namespace {

int32_t ClampNice(int32_t n) { return std::clamp(n, prHighest, prLowest); }

int32_t NiceOf(id_t tid) {
  errno = 0;
  int v = ::getpriority(PRIO_PROCESS, tid);
  if (v == -1 && errno != 0) return prNormal;
  return v;
}

id_t ThreadId() { return static_cast<id_t>(::syscall(SYS_gettid)); }

}  // namespace

int32_t GetProcessPriority() { return NiceOf(static_cast<id_t>(::getpid())); }

bool SetProcessPriority(int32_t Nice) {
  Nice = ClampNice(Nice);
  bool ok = true, any = false;
  if (DIR* d = ::opendir("/proc/self/task")) {
    while (dirent* e = ::readdir(d)) {
      char* end = nullptr;
      long tid = std::strtol(e->d_name, &end, 10);
      if (end == e->d_name || *end != '\0' || tid <= 0) continue;
      any = true;
      if (::setpriority(PRIO_PROCESS, static_cast<id_t>(tid), Nice) != 0 && errno != ESRCH) ok = false;
    }
    ::closedir(d);
  }
  if (!any) {
    // Without /proc: at least the main thread and the calling one.
    ok = ::setpriority(PRIO_PROCESS, static_cast<id_t>(::getpid()), Nice) == 0;
    ok = ::setpriority(PRIO_PROCESS, ThreadId(), Nice) == 0 && ok;
  }
  return ok;
}

int32_t GetThreadPriority() { return NiceOf(ThreadId()); }

bool SetThreadPriority(int32_t Nice) {
  return ::setpriority(PRIO_PROCESS, ThreadId(), ClampNice(Nice)) == 0;
}

// ----------------------------------------------------------------- ticks

uint64_t GetTickCount64() {
  struct timespec ts {};
  ::clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
}

uint32_t GetTickCount() { return static_cast<uint32_t>(GetTickCount64()); }

// ------------------------------------------------------------------ paths

namespace {

// 0-based index of the last character of FileName that is in Delims, or
// npos.
size_t LastDelimiter(StringView Delims, const String& FileName) {
  return FileName.find_last_of(Delims);
}

}  // namespace

String ExtractFilePath(const String& FileName, StringView Delims) {
  const size_t i = LastDelimiter(Delims, FileName);
  return i == String::npos ? String() : FileName.substr(0, i + 1);
}

String ExtractFileName(const String& FileName, StringView Delims) {
  const size_t i = LastDelimiter(Delims, FileName);
  return i == String::npos ? FileName : FileName.substr(i + 1);
}

String ExtractFileExt(const String& FileName, StringView Delims) {
  String set(Delims);
  set.push_back(u'.');
  const size_t i = LastDelimiter(set, FileName);
  if (i == String::npos || FileName[i] != u'.') return String();
  return FileName.substr(i);
}

String ExtractFileDir(const String& FileName, StringView Delims) {
  size_t i = LastDelimiter(Delims, FileName);
  if (i == String::npos) return String();
  // Keep the separator when it is the first character (the root) or follows
  // another separator or drive colon ("C:\").
  if (i > 0 && FileName[i] != u':' && Delims.find(FileName[i - 1]) == StringView::npos)
    return FileName.substr(0, i);
  return FileName.substr(0, i + 1);
}

String ChangeFileExt(const String& FileName, const String& Extension, StringView Delims) {
  String set(Delims);
  set.push_back(u'.');
  const size_t i = LastDelimiter(set, FileName);
  if (i == String::npos || FileName[i] != u'.') return FileName + Extension;
  return FileName.substr(0, i) + Extension;
}

String ExpandFileName(const String& FileName) {
  if (FileName.empty()) return String();
  String full = FileName;
  if (full[0] != PathDelim) full = IncludeTrailingPathDelimiter(GetCurrentDir()) + full;
  const bool trailing = full.back() == PathDelim;
  std::vector<String> parts;
  size_t start = 0;
  while (start <= full.size()) {
    size_t end = full.find(PathDelim, start);
    if (end == String::npos) end = full.size();
    String part = full.substr(start, end - start);
    if (part == u"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != u".") {
      parts.push_back(std::move(part));
    }
    start = end + 1;
  }
  String out;
  for (const String& p : parts) out += PathDelim + p;
  if (out.empty()) return String(1, PathDelim);
  if (trailing) out.push_back(PathDelim);
  return out;
}

String IncludeTrailingPathDelimiter(const String& Path) {
  if (Path.empty() || Path.back() == PathDelim) return Path;
  return Path + PathDelim;
}

String ExcludeTrailingPathDelimiter(const String& Path) {
  if (Path.size() > 1 && Path.back() == PathDelim) return Path.substr(0, Path.size() - 1);
  return Path;
}

}  // namespace kvo
