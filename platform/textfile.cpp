#include "platform/textfile.h"

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/exceptions.h"
#include "platform/os.h"

namespace kvo {

namespace {

constexpr Char kCR = 13, kLF = 10, kCtrlZ = 26;
// Longest number token kept for conversion; longer ones are invalid.
constexpr size_t kMaxToken = 255;

bool IsBlank(Char c) { return c == u' ' || c == u'\t'; }
bool IsSpace(Char c) { return c == u' ' || c == u'\t' || c == kCR || c == kLF; }

String OwnMessage(int code) {
  switch (code) {
    case ioReadBeyondEof: return u"Read beyond end of file";
    case ioFileNotOpen: return u"File not open";
    case ioNotOpenForInput: return u"File not open for input";
    case ioNotOpenForOutput: return u"File not open for output";
    case ioInvalidNumber: return u"Invalid numeric format";
    default: return SysErrorMessage(code);
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseInteger(const std::string& t, int32_t& value) {
  size_t i = 0;
  bool neg = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) neg = t[i++] == '-';
  bool hex = false;
  if (i < t.size() && t[i] == '$') {
    hex = true;
    i += 1;
  } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= t.size()) return false;
  uint64_t v = 0;
  for (; i < t.size(); ++i) {
    const int d = hex ? HexValue(t[i]) : (IsDigit(t[i]) ? t[i] - '0' : -1);
    if (d < 0) return false;
    v = v * (hex ? 16 : 10) + static_cast<uint64_t>(d);
    if (v > (hex ? 0xFFFFFFFFull : 2147483648ull)) return false;
  }
  if (hex) {
    const uint32_t u = static_cast<uint32_t>(v);
    value = static_cast<int32_t>(neg ? 0u - u : u);
    return true;
  }
  if (!neg && v > 2147483647ull) return false;
  value = neg ? static_cast<int32_t>(-static_cast<int64_t>(v)) : static_cast<int32_t>(v);
  return true;
}

bool ParseDouble(const std::string& t, double& value) {
  // Syntax first: strtod alone would also take "inf", "nan" and hex forms.
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t exp = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++exp;
    if (exp == 0) return false;
  }
  if (i != t.size()) return false;
  static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  errno = 0;
  char* end = nullptr;
  const double v = ::strtod_l(t.c_str(), &end, cLocale);
  if (end != t.c_str() + t.size()) return false;
  if (errno == ERANGE && std::isinf(v)) return false;
  value = v;
  return true;
}

}  // namespace

TTextFile::~TTextFile() {
  if (FMode != tmClosed) {
    try {
      Close();
    } catch (...) {
      // A destructor cannot report; Close() would have.
    }
  }
}

void TTextFile::Raise(int code) const {
  throw EInOutError(OwnMessage(code) + u" (file \"" + FFileName + u"\")", code);
}

void TTextFile::AssignFile(const String& FileName) {
  if (FMode != tmClosed) Close();
  FFileName = FileName;
}

void TTextFile::Open(int flags, bool create) {
  if (FMode != tmClosed) Close();
  auto fail = [&](int err) {
    const String what = create ? u"Cannot create file \"" : u"Cannot open file \"";
    throw EInOutError(what + FFileName + u"\". " + SysErrorMessage(err), err);
  };
  const std::string path = ToUtf8(FFileName);
  if (path.empty()) fail(ENOENT);
  if (path.find('\0') != std::string::npos) fail(EINVAL);
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) fail(errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    const int err = S_ISDIR(st.st_mode) ? EISDIR : errno;
    ::close(fd);
    fail(err);
  }
  FFd = fd;
  FQLen = FQIdx = 0;
  FHighSurrogate = 0;
  if ((flags & O_ACCMODE) == O_RDONLY) {
    FMode = tmInput;
    FIn.assign(BufferSize, 0);
    FInPos = FInLen = 0;
    FInEnd = false;
    if (Fill(3) && FIn[FInPos] == 0xEF && FIn[FInPos + 1] == 0xBB && FIn[FInPos + 2] == 0xBF)
      FInPos += 3;
  } else {
    FMode = tmOutput;
    FOut.clear();
    FOut.reserve(BufferSize + 8);
  }
}

void TTextFile::Reset() { Open(O_RDONLY, false); }
void TTextFile::Rewrite() { Open(O_WRONLY | O_CREAT | O_TRUNC, true); }
void TTextFile::Append() { Open(O_WRONLY | O_APPEND, false); }

void TTextFile::CloseHandle() {
  const int fd = FFd;
  FFd = -1;
  FMode = tmClosed;
  FIn.clear();
  FIn.shrink_to_fit();
  FInPos = FInLen = 0;
  FQLen = FQIdx = 0;
  FOut.clear();
  FHighSurrogate = 0;
  if (fd >= 0 && ::close(fd) != 0 && errno != EINTR) Raise(errno);
}

void TTextFile::Close() {
  if (FMode == tmClosed) Raise(ioFileNotOpen);
  if (FMode == tmOutput) {
    if (FHighSurrogate != 0) {
      AppendUtf8(FOut, 0xFFFD);
      FHighSurrogate = 0;
    }
    try {
      FlushBuffer();
    } catch (...) {
      try {
        CloseHandle();
      } catch (...) {
      }
      throw;
    }
  }
  CloseHandle();
}

void TTextFile::CheckInput() {
  if (FMode == tmClosed) Raise(ioFileNotOpen);
  if (FMode != tmInput) Raise(ioNotOpenForInput);
}

void TTextFile::CheckOutput() {
  if (FMode == tmClosed) Raise(ioFileNotOpen);
  if (FMode != tmOutput) Raise(ioNotOpenForOutput);
}

// ------------------------------------------------------------------ input

bool TTextFile::Refill() {
  if (FInEnd) return false;
  if (FInPos > 0) {
    std::memmove(FIn.data(), FIn.data() + FInPos, FInLen - FInPos);
    FInLen -= FInPos;
    FInPos = 0;
  }
  for (;;) {
    const ssize_t n = ::read(FFd, FIn.data() + FInLen, FIn.size() - FInLen);
    if (n < 0) {
      if (errno == EINTR) continue;
      Raise(errno);
    }
    if (n == 0) {
      FInEnd = true;
      return false;
    }
    FInLen += static_cast<size_t>(n);
    return true;
  }
}

bool TTextFile::Fill(size_t need) {
  while (FInLen - FInPos < need)
    if (!Refill()) break;
  return FInLen - FInPos >= need;
}

bool TTextFile::DecodeNext() {
  FQLen = FQIdx = 0;
  if (FInPos == FInLen && !Refill()) return false;
  unsigned char b = FIn[FInPos];
  if (b < 0x80) {
    FQueue[FQLen++] = b;
    ++FInPos;
    return true;
  }
  // The same rules as FromUtf8, with the sequence made whole in the buffer
  // first, so that a character split by a buffer boundary still decodes.
  size_t len = 0;
  uint32_t cp = 0, min = 0;
  if ((b & 0xE0) == 0xC0) {
    len = 2, cp = b & 0x1F, min = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    len = 3, cp = b & 0x0F, min = 0x800;
  } else if ((b & 0xF8) == 0xF0) {
    len = 4, cp = b & 0x07, min = 0x10000;
  }
  bool ok = len != 0 && Fill(len);
  const unsigned char* p = FIn.data() + FInPos;  // Fill may have moved the bytes
  for (size_t k = 1; ok && k < len; ++k) {
    if ((p[k] & 0xC0) != 0x80) ok = false;
    else cp = (cp << 6) | (p[k] & 0x3F);
  }
  if (ok && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
  if (!ok) {
    FQueue[FQLen++] = p[0];  // Latin-1 fallback for a stray byte
    ++FInPos;
    return true;
  }
  if (cp >= 0x10000) {
    cp -= 0x10000;
    FQueue[FQLen++] = static_cast<Char>(0xD800 + (cp >> 10));
    FQueue[FQLen++] = static_cast<Char>(0xDC00 + (cp & 0x3FF));
  } else {
    FQueue[FQLen++] = static_cast<Char>(cp);
  }
  FInPos += len;
  return true;
}

bool TTextFile::Peek(Char& c) {
  if (FQIdx >= FQLen && !DecodeNext()) return false;
  c = FQueue[FQIdx];
  return true;
}

String TTextFile::ReadLn() {
  CheckInput();
  String line;
  Char c;
  for (;;) {
    if (FQIdx < FQLen) {
      c = FQueue[FQIdx++];
    } else {
      // Fast path: take a run of plain ASCII bytes straight from the buffer.
      if (FInPos == FInLen && !Refill()) return line;
      const size_t start = FInPos;
      while (FInPos < FInLen) {
        const unsigned char b = FIn[FInPos];
        if (b >= 0x80 || b == kCR || b == kLF) break;
        ++FInPos;
      }
      line.append(FIn.begin() + static_cast<ptrdiff_t>(start), FIn.begin() + static_cast<ptrdiff_t>(FInPos));
      if (FInPos == FInLen) continue;
      if (!DecodeNext()) return line;
      c = FQueue[FQIdx++];
    }
    if (c == kLF) return line;
    if (c == kCR) {
      Char next;
      if (Peek(next) && next == kLF) Skip();
      return line;
    }
    line.push_back(c);
  }
}

Char TTextFile::ReadChar() {
  CheckInput();
  Char c;
  if (!Peek(c)) return kCtrlZ;
  Skip();
  return c;
}

bool TTextFile::ReadToken(std::string& token) {
  token.clear();
  Char c;
  while (Peek(c) && IsSpace(c)) Skip();
  if (!Peek(c)) return false;
  bool tooLong = false;
  while (Peek(c) && !IsSpace(c)) {
    Skip();
    if (token.size() >= kMaxToken) {
      tooLong = true;
      continue;
    }
    // Characters outside ASCII are never part of a number: keep a marker
    // that no parser accepts.
    token.push_back(c < 0x80 ? static_cast<char>(c) : '\x01');
  }
  if (tooLong) token.assign(1, '\x01');
  return true;
}

int32_t TTextFile::ReadInteger() {
  CheckInput();
  std::string token;
  if (!ReadToken(token)) Raise(ioReadBeyondEof);
  int32_t v = 0;
  if (!ParseInteger(token, v)) Raise(ioInvalidNumber);
  return v;
}

double TTextFile::ReadDouble() {
  CheckInput();
  std::string token;
  if (!ReadToken(token)) Raise(ioReadBeyondEof);
  double v = 0;
  if (!ParseDouble(token, v)) Raise(ioInvalidNumber);
  return v;
}

bool TTextFile::Eof() {
  if (FMode == tmClosed) Raise(ioFileNotOpen);
  if (FMode == tmOutput) return true;
  Char c;
  return !Peek(c);
}

bool TTextFile::Eoln() {
  if (FMode == tmClosed) Raise(ioFileNotOpen);
  if (FMode == tmOutput) return true;
  Char c;
  return !Peek(c) || c == kCR || c == kLF;
}

bool TTextFile::SeekEof() {
  if (FMode == tmInput) {
    Char c;
    while (Peek(c) && IsSpace(c)) Skip();
  }
  return Eof();
}

bool TTextFile::SeekEoln() {
  if (FMode == tmInput) {
    Char c;
    while (Peek(c) && IsBlank(c)) Skip();
  }
  return Eoln();
}

// ----------------------------------------------------------------- output

void TTextFile::Write(StringView Text) {
  CheckOutput();
  for (const Char c : Text) {
    if (FHighSurrogate != 0) {
      if (c >= 0xDC00 && c <= 0xDFFF) {
        AppendUtf8(FOut, 0x10000 + ((static_cast<uint32_t>(FHighSurrogate) - 0xD800) << 10) + (c - 0xDC00u));
        FHighSurrogate = 0;
        continue;
      }
      AppendUtf8(FOut, 0xFFFD);
      FHighSurrogate = 0;
    }
    if (c < 0x80) {
      FOut.push_back(static_cast<char>(c));
    } else if (c >= 0xD800 && c <= 0xDBFF) {
      FHighSurrogate = c;
    } else if (c >= 0xDC00 && c <= 0xDFFF) {
      AppendUtf8(FOut, 0xFFFD);
    } else {
      AppendUtf8(FOut, c);
    }
    if (FOut.size() >= BufferSize) FlushBuffer();
  }
}

void TTextFile::WriteLn(StringView Text) {
  Write(Text);
  Write(u"\r\n");
}

void TTextFile::FlushBuffer() {
  size_t done = 0;
  while (done < FOut.size()) {
    const ssize_t n = ::write(FFd, FOut.data() + done, FOut.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      FOut.clear();
      Raise(err);
    }
    done += static_cast<size_t>(n);
  }
  FOut.clear();
}

void TTextFile::Flush() {
  if (FMode == tmClosed) Raise(ioFileNotOpen);
  if (FMode == tmOutput) FlushBuffer();
}

}  // namespace kvo
