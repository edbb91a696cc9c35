// Operating-system services over POSIX and std::filesystem: directory search
// with masks and attributes, file attributes and times, files and folders,
// free space, the temporary folder, the environment, process and thread
// priorities, a millisecond tick, and the path-splitting helpers.
//
// File names are Strings; they are converted to UTF-8 for the operating
// system, and names read from it are decoded with FromUtf8 (a name that is
// not valid UTF-8 therefore reads with Latin-1 characters and may not name
// the same file again).
//
// Functions that report success by a Boolean leave the reason in errno
// (GetLastOSError); SysErrorMessage turns it into text.
//
// Date/time values of files are days since 1899-12-30 (the library's
// date/time form) in UTC, not in local time, so that getting and setting a
// file's time is exact across daylight-saving changes and independent of the
// time zone.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/strings.h"

namespace kvo {

// ---------------------------------------------------------------- errors

// GetLastOSError
//
// The calling thread's last operating-system error code (errno).
int32_t GetLastOSError();

// SysErrorMessage
//
// The text of an operating-system error code, such as
// "No such file or directory" for ENOENT. Independent of the user's locale
// as long as the program has not switched LC_MESSAGES.
String SysErrorMessage(int32_t Code);

// ------------------------------------------------------------ attributes

inline constexpr int32_t faReadOnly = 0x01;   // the owner may not write
inline constexpr int32_t faHidden = 0x02;     // the name begins with "."
inline constexpr int32_t faSysFile = 0x04;    // device, FIFO, socket, dangling link
inline constexpr int32_t faVolumeID = 0x08;   // never set on Linux
inline constexpr int32_t faDirectory = 0x10;  // a directory
inline constexpr int32_t faArchive = 0x20;    // a regular file
inline constexpr int32_t faAnyFile = 0x3F;

// ------------------------------------------------------ directory search

namespace internal {
struct TSearchState;
}

// One entry found by FindFirst/FindNext. Name is the entry's own name (no
// directory), Size its length in bytes (0 for directories), Attr its fa...
// flags, Time its modification time (UTC date/time). The search state is
// shared by copies and released by FindClose or by the last copy.
struct TSearchRec {
  String Name;
  int64_t Size = 0;
  int32_t Attr = 0;
  double Time = 0.0;
  std::shared_ptr<internal::TSearchState> FindHandle;
};

// MatchesMask
//
// Whether a file name matches a search mask: ASCII letters compare without
// regard to case, "*" matches any run of characters (dots included), "?"
// exactly one character, every other character itself. A mask ending in
// ".*" also matches a name without any dot that matches the mask without its
// ".*"; so "*.*" matches every name and "readme.*" matches "README".
// An empty mask matches nothing.
bool MatchesMask(StringView Name, StringView Mask);

// FindFirst
//
// Starts a search of Path = directory part + mask (for example
// "/data/*.txt"; a Path without "/" searches the current directory) and
// fills F with the first entry; returns 0, or an errno value: ENOENT when
// nothing matches, or the reason the directory cannot be read.
//
// Attribute filter (as on the other platform): ordinary entries are always
// reported; entries flagged hidden, system, volume or directory only when
// Attr contains each of those flags. faReadOnly and faArchive in Attr do not
// restrict anything. So faAnyFile reports everything, and faArchive only
// plain, non-hidden files.
//
// Entries come in a fixed order: "." and ".." first (they are reported like
// on the other platform: as directories, not hidden, when the mask and the
// filter admit them), then the other names sorted by their UTF-8 bytes.
// The directory is read once at FindFirst; attributes follow symbolic links
// (a dangling link is reported as a system entry). The directory part is
// used as given (the file system is case-sensitive).
int32_t FindFirst(const String& Path, int32_t Attr, TSearchRec& F);

// FindNext
//
// Fills F with the next entry; 0, or ENOENT when there are no more (also
// after FindClose or for a record that never started a search).
int32_t FindNext(TSearchRec& F);

// FindClose
//
// Ends the search and releases its resources; calling it twice is harmless.
void FindClose(TSearchRec& F);

// ------------------------------------------------------- files and folders

// FileExists: an existing entry that is not a directory (links followed).
bool FileExists(const String& FileName);
// DirectoryExists: an existing directory (links followed).
bool DirectoryExists(const String& Directory);

// FileGetAttr
//
// The fa... flags of a file or directory as FindFirst reports them, or -1
// when it does not exist.
int32_t FileGetAttr(const String& FileName);

// FileSetAttr
//
// Applies the read-only flag: set, every write permission is removed;
// clear, the owner's write permission is granted. The other flags cannot be
// set on Linux and are ignored. Returns 0 or an errno value.
int32_t FileSetAttr(const String& FileName, int32_t Attr);

// FileAge
//
// The modification time of an existing file or directory as a UTC
// date/time (to the millisecond), or -1 when it does not exist.
double FileAge(const String& FileName);

// FileSetDate
//
// Sets the modification time (UTC date/time, to the millisecond); the
// access time is left alone. Returns 0 or an errno value (EINVAL for a
// value that is not finite or out of range).
int32_t FileSetDate(const String& FileName, double DateTime);

// FileGetTimeNs, FileSetTimeNs
//
// The modification time as nanoseconds since 1970-01-01 UTC, exactly as the
// file system holds it, for copying a time without loss. Get returns false
// when the entry does not exist; Set returns 0 or an errno value.
bool FileGetTimeNs(const String& FileName, int64_t& UnixNs);
int32_t FileSetTimeNs(const String& FileName, int64_t UnixNs);

// DeleteFile
//
// Removes a file (a symbolic link itself, not its target). Like the other
// platform it refuses a directory (EISDIR) and a read-only file (EACCES),
// although Linux would remove the latter: read-only files are protected.
bool DeleteFile(const String& FileName);

// RenameFile
//
// Renames or moves a file or directory. It never replaces an existing
// entry: an existing NewName fails with EEXIST (renaming a name to itself
// succeeds when it exists).
bool RenameFile(const String& OldName, const String& NewName);

// CreateDir creates one directory (its parent must exist); RemoveDir
// removes an empty one; both return success.
bool CreateDir(const String& Directory);
bool RemoveDir(const String& Directory);

// ForceDirectories
//
// Creates a directory with all missing parents; true when it exists
// afterwards (also when it existed before). An empty name gives false.
bool ForceDirectories(const String& Directory);

// GetCurrentDir (without a trailing "/", except the root) and
// SetCurrentDir (true on success).
String GetCurrentDir();
bool SetCurrentDir(const String& Directory);

// DiskFree, DiskSize
//
// The bytes available to the (unprivileged) caller, and the total size, of
// the file system holding Path; -1 when it cannot be queried.
int64_t DiskFree(const String& Path);
int64_t DiskSize(const String& Path);

// GetTempDir
//
// The directory for temporary files with a trailing "/": TMPDIR when it is
// set to an existing directory (made absolute), otherwise "/tmp/".
String GetTempDir();

// ------------------------------------------------------------ environment

// GetEnvironmentVariable
//
// The value of a variable (the name compares exactly, as Linux does), or an
// empty string when it is not set or the name is empty or holds "=".
String GetEnvironmentVariable(const String& Name);

// GetEnvironmentStrings
//
// The whole environment as "NAME=VALUE" entries, in the process's order.
std::vector<String> GetEnvironmentStrings();

// ------------------------------------------------------------ priorities
//
// Priorities are nice values: prHighest (-20) is the highest, prLowest (19)
// the lowest, prNormal (0) the default; values outside are clamped. Raising
// a priority (lowering the nice value) needs rights; without them the
// setters change nothing and return false, which is not an error.

inline constexpr int32_t prHighest = -20;
inline constexpr int32_t prNormal = 0;
inline constexpr int32_t prLowest = 19;

// GetProcessPriority: the nice value of the process's main thread.
int32_t GetProcessPriority();
// SetProcessPriority: gives every thread of the process this nice value
// (Linux keeps one per thread), so it also resets thread priorities set
// before; to restore both, restore the process first, then the thread.
bool SetProcessPriority(int32_t Nice);
// GetThreadPriority / SetThreadPriority: the calling thread only.
int32_t GetThreadPriority();
bool SetThreadPriority(int32_t Nice);

// ----------------------------------------------------------------- ticks

// GetTickCount
//
// Milliseconds of a monotonic clock (not the wall clock), wrapping around
// at 2^32 (about 49.7 days) like the other platform's counter. Compare two
// readings by unsigned difference.
uint32_t GetTickCount();
// GetTickCount64: the same clock without wrapping.
uint64_t GetTickCount64();

// ------------------------------------------------------------------ paths
//
// The splitting helpers take the set of separator characters as an optional
// argument. The default, PathDelims, is the Linux separator "/" alone, right
// for names handed to the operating system. AnyPathDelims ("/", "\" and the
// drive colon) splits Windows-style paths found in data as well, for
// example "C:\dir\a.txt".

inline constexpr Char PathDelim = u'/';
inline constexpr StringView PathDelims = u"/";
inline constexpr StringView AnyPathDelims = u"/\\:";

// ExtractFilePath: everything up to and including the last separator
// ("/a/b.txt" gives "/a/"); empty when there is none.
String ExtractFilePath(const String& FileName, StringView Delims = PathDelims);
// ExtractFileName: everything after the last separator.
String ExtractFileName(const String& FileName, StringView Delims = PathDelims);
// ExtractFileExt: the name part's last "." and what follows ("a.tar.gz"
// gives ".gz"); empty when the name part has no dot. A dot in a directory
// name is never taken.
String ExtractFileExt(const String& FileName, StringView Delims = PathDelims);
// ExtractFileDir: ExtractFilePath without its final separator, unless that
// separator is the root or follows another separator or a drive colon
// ("/a/b" gives "/a", "/a" gives "/", "C:\a" gives "C:\" with
// AnyPathDelims).
String ExtractFileDir(const String& FileName, StringView Delims = PathDelims);
// ChangeFileExt: replaces the extension (see ExtractFileExt) by Extension,
// which should include its dot, or appends it when there is none;
// ChangeFileExt("a.txt", u"") removes it.
String ChangeFileExt(const String& FileName, const String& Extension,
                     StringView Delims = PathDelims);

// ExpandFileName
//
// The absolute form of a name: relative names are taken against the current
// directory; ".", ".." and doubled "/" are resolved textually (symbolic
// links are not followed; ".." stops at the root). A trailing "/" is kept.
// An empty name stays empty.
String ExpandFileName(const String& FileName);

// IncludeTrailingPathDelimiter
//
// Appends "/" unless the name already ends with one. An empty name stays
// empty: it means the current directory, and turning it into "/" would
// silently name the root.
String IncludeTrailingPathDelimiter(const String& Path);

// ExcludeTrailingPathDelimiter
//
// Removes one final "/" unless the name is the root "/" itself.
String ExcludeTrailingPathDelimiter(const String& Path);

}  // namespace kvo
