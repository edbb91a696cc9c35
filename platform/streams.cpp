#include "platform/streams.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>

#include "platform/exceptions.h"
#include "platform/os.h"

namespace kvo {

namespace {

[[noreturn]] void RaiseReadOS(int err) {
  throw EReadError(u"Stream read error. " + SysErrorMessage(err));
}
[[noreturn]] void RaiseWriteOS(int err) {
  throw EWriteError(u"Stream write error. " + SysErrorMessage(err));
}
[[noreturn]] void RaiseBadPosition() { throw EStreamError(u"Invalid stream position"); }

// Block size of CopyFrom: large enough to keep system calls rare.
constexpr int32_t kCopyBlock = 65536;

}  // namespace

// ---------------------------------------------------------------- TStream

void TStream::ReadBuffer(void* Buffer, int32_t Count) {
  if (Count <= 0) return;
  auto* p = static_cast<uint8_t*>(Buffer);
  int32_t done = 0;
  while (done < Count) {
    int32_t n = Read(p + done, Count - done);
    if (n <= 0) throw EReadError(u"Stream read error");
    done += n;
  }
}

void TStream::WriteBuffer(const void* Buffer, int32_t Count) {
  if (Count <= 0) return;
  const auto* p = static_cast<const uint8_t*>(Buffer);
  int32_t done = 0;
  while (done < Count) {
    int32_t n = Write(p + done, Count - done);
    if (n <= 0) throw EWriteError(u"Stream write error");
    done += n;
  }
}

// Asking for the position or size moves nothing observable, so the const
// readers may use the (non-const) Seek.
int64_t TStream::Position() const { return const_cast<TStream*>(this)->Seek(0, soCurrent); }

void TStream::SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }

int64_t TStream::Size() const {
  auto* self = const_cast<TStream*>(this);
  const int64_t pos = self->Seek(0, soCurrent);
  const int64_t size = self->Seek(0, soEnd);
  self->Seek(pos, soBeginning);
  return size;
}

void TStream::SetSize(int64_t) { throw EStreamError(u"Stream size cannot be changed"); }

int64_t TStream::CopyFrom(TStream* Source, int64_t Count) {
  if (Source == nullptr) return 0;
  if (Count <= 0) {
    Source->SetPosition(0);
    Count = Source->Size();
  }
  std::vector<uint8_t> buf(static_cast<size_t>(std::min<int64_t>(Count, kCopyBlock)));
  int64_t copied = 0;
  while (copied < Count) {
    const auto chunk = static_cast<int32_t>(std::min<int64_t>(Count - copied, kCopyBlock));
    const int32_t n = Source->Read(buf.data(), chunk);
    if (n > 0) WriteBuffer(buf.data(), n);
    copied += std::max(n, 0);
    if (n < chunk) throw EReadError(u"Stream read error");
  }
  return copied;
}

// ---------------------------------------------------------- THandleStream

int32_t THandleStream::Read(void* Buffer, int32_t Count) {
  if (Count <= 0) return 0;
  auto* p = static_cast<uint8_t*>(Buffer);
  int32_t done = 0;
  // A regular file may deliver less than asked only at its end; pipes and
  // terminals deliver what they have, so keep reading until 0 (the end).
  while (done < Count) {
    ssize_t n = ::read(FHandle, p + done, static_cast<size_t>(Count - done));
    if (n < 0) {
      if (errno == EINTR) continue;
      RaiseReadOS(errno);
    }
    if (n == 0) break;
    done += static_cast<int32_t>(n);
  }
  return done;
}

int32_t THandleStream::Write(const void* Buffer, int32_t Count) {
  if (Count <= 0) return 0;
  const auto* p = static_cast<const uint8_t*>(Buffer);
  int32_t done = 0;
  while (done < Count) {
    ssize_t n = ::write(FHandle, p + done, static_cast<size_t>(Count - done));
    if (n < 0) {
      if (errno == EINTR) continue;
      RaiseWriteOS(errno);
    }
    if (n == 0) break;
    done += static_cast<int32_t>(n);
  }
  return done;
}

int64_t THandleStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
  off_t r = ::lseek(FHandle, static_cast<off_t>(Offset), whence);
  if (r < 0) {
    if (errno == EINVAL) RaiseBadPosition();
    throw EStreamError(u"Stream seek error. " + SysErrorMessage(errno));
  }
  return static_cast<int64_t>(r);
}

int64_t THandleStream::Size() const {
  struct stat st {};
  if (::fstat(FHandle, &st) == 0 && S_ISREG(st.st_mode)) return static_cast<int64_t>(st.st_size);
  return TStream::Size();
}

void THandleStream::SetSize(int64_t NewSize) {
  if (NewSize < 0) throw EStreamError(u"Cannot set stream size. " + SysErrorMessage(EINVAL));
  const int64_t pos = Position();
  if (::ftruncate(FHandle, static_cast<off_t>(NewSize)) != 0)
    throw EStreamError(u"Cannot set stream size. " + SysErrorMessage(errno));
  if (pos > NewSize) Seek(NewSize, soBeginning);
}

// ------------------------------------------------------------ TFileStream

namespace {

int OpenForStream(const String& name, uint16_t mode) {
  const bool create = (mode & fmCreate) == fmCreate;
  const String what = create ? u"Cannot create file \"" : u"Cannot open file \"";
  auto fail = [&](int err) -> int {
    String msg = what + name + u"\". " + SysErrorMessage(err);
    if (create) throw EFCreateError(msg);
    throw EFOpenError(msg);
  };
  const std::string path = ToUtf8(name);
  // A name with an embedded NUL would silently name another file.
  if (path.find('\0') != std::string::npos || path.empty()) return fail(path.empty() ? ENOENT : EINVAL);

  int flags = O_CLOEXEC;
  if (create) {
    flags |= O_RDWR | O_CREAT | O_TRUNC;
  } else {
    switch (mode & 3) {
      case fmOpenRead: flags |= O_RDONLY; break;
      case fmOpenWrite: flags |= O_WRONLY; break;
      case fmOpenReadWrite: flags |= O_RDWR; break;
      default: return fail(EINVAL);
    }
  }
  // Truncation is deferred until the lock is ours, so that a create refused
  // by a lock does not destroy the holder's data.
  int fd;
  do {
    fd = ::open(path.c_str(), flags & ~O_TRUNC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return fail(errno);

  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    int err = S_ISDIR(st.st_mode) ? EISDIR : errno;
    ::close(fd);
    return fail(err);
  }

  int lock = 0;
  switch (mode & 0x00F0) {
    case fmShareExclusive:
    case fmShareDenyRead: lock = LOCK_EX; break;
    case fmShareDenyWrite: lock = LOCK_SH; break;
    default: break;
  }
  if (lock != 0 && ::flock(fd, lock | LOCK_NB) != 0) {
    int err = errno;
    if (err == EWOULDBLOCK || err == EINTR) {
      ::close(fd);
      return fail(EWOULDBLOCK);
    }
    // ENOLCK, EINVAL: no locking on this file system; go on without.
  }
  if ((flags & O_TRUNC) && S_ISREG(st.st_mode) && ::ftruncate(fd, 0) != 0) {
    int err = errno;
    ::close(fd);
    return fail(err);
  }
  return fd;
}

}  // namespace

TFileStream::TFileStream(const String& AFileName, uint16_t Mode)
    : THandleStream(OpenForStream(AFileName, Mode)), FFileName(AFileName) {}

TFileStream::~TFileStream() {
  if (FHandle >= 0) ::close(FHandle);  // also releases the lock
}

// ----------------------------------------------------------- TMemoryStream

int32_t TMemoryStream::Read(void* Buffer, int32_t Count) {
  const int64_t size = Size();
  if (Count <= 0 || FPosition >= size) return 0;
  const auto n = static_cast<int32_t>(std::min<int64_t>(Count, size - FPosition));
  std::memcpy(Buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int32_t TMemoryStream::Write(const void* Buffer, int32_t Count) {
  if (Count <= 0) return 0;
  if (FPosition > INT64_MAX - Count) throw EOutOfMemory(u"Out of memory");
  const int64_t end = FPosition + Count;
  if (end > Size()) SetSize(end);
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
  FPosition = end;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  const int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : Size();
  // Overflow of base + Offset counts as an invalid position too.
  if ((Offset < 0 && base + Offset < 0) || (Offset > 0 && base > INT64_MAX - Offset)) RaiseBadPosition();
  FPosition = base + Offset;
  return FPosition;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  if (NewSize < 0) throw EStreamError(u"Cannot set stream size. " + SysErrorMessage(EINVAL));
  try {
    if (static_cast<uint64_t>(NewSize) > FData.max_size()) throw std::length_error("size");
    FData.resize(static_cast<size_t>(NewSize));
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory(u"Out of memory");
  } catch (const std::length_error&) {
    throw EOutOfMemory(u"Out of memory");
  }
  if (FPosition > NewSize) FPosition = NewSize;
}

void TMemoryStream::Clear() {
  FData.clear();
  FData.shrink_to_fit();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
  if (Stream == nullptr) return;
  Stream->SetPosition(0);
  const int64_t count = Stream->Size();
  SetSize(count);
  FPosition = 0;
  int64_t done = 0;
  while (done < count) {
    const auto chunk = static_cast<int32_t>(std::min<int64_t>(count - done, 1 << 30));
    Stream->ReadBuffer(FData.data() + done, chunk);
    done += chunk;
  }
}

void TMemoryStream::LoadFromFile(const String& FileName) {
  TFileStream f(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&f);
}

void TMemoryStream::SaveToStream(TStream* Stream) const {
  if (Stream == nullptr) return;
  const int64_t count = Size();
  int64_t done = 0;
  while (done < count) {
    const auto chunk = static_cast<int32_t>(std::min<int64_t>(count - done, 1 << 30));
    Stream->WriteBuffer(FData.data() + done, chunk);
    done += chunk;
  }
}

void TMemoryStream::SaveToFile(const String& FileName) const {
  TFileStream f(FileName, fmCreate);
  SaveToStream(&f);
}

// ----------------------------------------------------------- TStringStream

namespace {

std::string Encode(StringView text, TTextEncoding enc) {
  switch (enc) {
    case teLatin1: return ToLatin1(text);
    case teUtf16LE: {
      std::string out(text.size() * 2, '\0');
      for (size_t i = 0; i < text.size(); ++i) {
        out[2 * i] = static_cast<char>(text[i] & 0xFF);
        out[2 * i + 1] = static_cast<char>(text[i] >> 8);
      }
      return out;
    }
    case teUtf8:
    default: return ToUtf8(text);
  }
}

}  // namespace

TStringStream::TStringStream(std::string_view Bytes, TTextEncoding AEncoding) : FEncoding(AEncoding) {
  FData.assign(Bytes.begin(), Bytes.end());
}

TStringStream::TStringStream(const String& Text, TTextEncoding AEncoding) : FEncoding(AEncoding) {
  const std::string bytes = Encode(Text, AEncoding);
  FData.assign(bytes.begin(), bytes.end());
}

std::string TStringStream::DataString() const {
  return std::string(reinterpret_cast<const char*>(FData.data()), FData.size());
}

String TStringStream::DataText() const {
  const std::string_view bytes(reinterpret_cast<const char*>(FData.data()), FData.size());
  switch (FEncoding) {
    case teLatin1: return FromLatin1(bytes);
    case teUtf16LE: {
      String out(bytes.size() / 2, u'\0');
      for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<Char>(static_cast<uint8_t>(bytes[2 * i]) |
                                   (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
      return out;
    }
    case teUtf8:
    default: return FromUtf8(bytes);
  }
}

void TStringStream::WriteString(const String& Text) {
  const std::string bytes = Encode(Text, FEncoding);
  size_t done = 0;
  while (done < bytes.size()) {
    const auto chunk = static_cast<int32_t>(std::min<size_t>(bytes.size() - done, 1 << 30));
    WriteBuffer(bytes.data() + done, chunk);
    done += static_cast<size_t>(chunk);
  }
}

}  // namespace kvo
