// kvo crc16 / crc32 / sha1: checksums of files or standard input, and the
// demo section with the check values of a short text.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "dstruct/checksum.h"
#include "dstruct/codec.h"
#include "tools/kvo/command.h"

namespace kvo::tool {
namespace {

enum class Algo { kCRC16, kCRC32, kSHA1 };

constexpr int64_t kProgressFrom = 64ll << 20;  // files above this show progress
constexpr size_t kBlock = 256 * 1024;

std::string Hex(uint64_t v, int digits) {
  std::ostringstream os;
  os << std::uppercase << std::hex << std::setw(digits) << std::setfill('0') << v;
  return os.str();
}

// One running checksum of any of the three kinds.
struct Sum {
  Algo algo;
  uint16_t crc16;
  uint32_t crc32 = 0xFFFFFFFFu;
  TSHA1Context sha;
  Sum(Algo a, TCRC16Mode mode) : algo(a), crc16(mode == crcCCITT ? 0xFFFF : 0) {}
  void Update(const uint8_t* p, size_t n) {
    switch (algo) {
      case Algo::kCRC16: crc16 = CRC16Update(crc16, p, n); break;
      case Algo::kCRC32: crc32 = CRC32Update(crc32, p, n); break;
      case Algo::kSHA1: sha.Update(p, n); break;
    }
  }
  std::string Result() {
    switch (algo) {
      case Algo::kCRC16: return Hex(crc16, 4);
      case Algo::kCRC32: return Hex(~crc32, 8);
      case Algo::kSHA1: return ToUtf8(SHA1DigestToHex(sha.Final()));
    }
    return {};
  }
};

void ShowProgress(int64_t done, int64_t total) {
  constexpr int kWidth = 40;
  const int64_t pct = total > 0 ? done * 100 / total : 100;
  const int filled = static_cast<int>(pct * kWidth / 100);
  std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(static_cast<size_t>(filled), '#').c_str(),
               std::string(static_cast<size_t>(kWidth - filled), '.').c_str(),
               static_cast<int>(pct));
  std::fflush(stderr);
}

// Checksums one open descriptor; returns false (errno set) on a read error.
bool SumFd(int fd, Sum& sum, bool progress, int64_t total) {
  std::unique_ptr<uint8_t[]> buf(new uint8_t[kBlock]);
  int64_t done = 0;
  int lastPct = -1;
  for (;;) {
    const ssize_t n = ::read(fd, buf.get(), kBlock);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    sum.Update(buf.get(), static_cast<size_t>(n));
    done += n;
    if (progress && done * 100 / total != lastPct) {
      lastPct = static_cast<int>(done * 100 / total);
      ShowProgress(done, total);
    }
  }
  if (progress) std::fprintf(stderr, "\r%*s\r", 48, "");
  return true;
}

std::string HelpFor(const std::string& name) {
  std::string h = "Usage: kvo " + name + (name == "crc16" ? " [--ccitt]" : "") +
                  " [--] [FILE...]\n\nPrints the ";
  if (name == "crc16") {
    h += "CRC-16 (polynomial 0x1021, MSB first) of each FILE: by default\n"
         "CRC-16/XMODEM (start 0), with --ccitt CRC-16/CCITT-FALSE (start 0xFFFF),\n"
         "as 4 hexadecimal digits.\n";
  } else if (name == "crc32") {
    h += "CRC-32 (as zlib and PNG compute it) of each FILE as 8 hexadecimal\ndigits.\n";
  } else {
    h += "SHA-1 digest of each FILE as 40 hexadecimal digits.\n";
  }
  h += "\nEach line reads CHECKSUM, two blanks and the file name. Without FILE, or\n"
       "for the name -, standard input is read (shown as -). For files above\n"
       "64 MiB a progress bar is drawn on standard error when it is a terminal.\n"
       "\nExit status: 0 when every file was read, 1 when one could not be read\n"
       "(the others are still done), 2 on a usage error.\n";
  return h;
}

int Run(const std::string& name, Algo algo, const Args& args) {
  TCRC16Mode mode = crcZModem;
  Args files;
  bool options = true;
  for (const std::string& a : args) {
    if (options && a == "--") {
      options = false;
    } else if (options && algo == Algo::kCRC16 && a == "--ccitt") {
      mode = crcCCITT;
    } else if (options && a.size() > 1 && a[0] == '-') {
      return UsageError(name, "unknown option '" + a + "'");
    } else {
      files.push_back(a);
    }
  }
  if (files.empty()) files.push_back("-");
  const bool tty = ::isatty(2) != 0;
  int rc = kExitOk;
  for (const std::string& f : files) {
    Sum sum(algo, mode);
    const bool isStdin = f == "-";
    const int fd = isStdin ? 0 : ::open(f.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    bool ok = fd >= 0 && ::fstat(fd, &st) == 0;
    if (ok && S_ISDIR(st.st_mode)) {
      errno = EISDIR;
      ok = false;
    }
    if (ok) {
      const bool progress = tty && S_ISREG(st.st_mode) && st.st_size > kProgressFrom;
      ok = SumFd(fd, sum, progress, st.st_size);
    }
    const int err = errno;
    if (fd > 0) ::close(fd);
    if (!ok) {
      std::cerr << "kvo " << name << ": " << f << ": " << std::strerror(err) << '\n';
      rc = kExitFailure;
      continue;
    }
    std::cout << sum.Result() << "  " << f << '\n';
  }
  return rc;
}

const Registration kCRC16{Command{"crc16", "CRC-16 (XMODEM or CCITT-FALSE) of files or stdin",
                                  HelpFor("crc16"),
                                  [](const Args& a) { return Run("crc16", Algo::kCRC16, a); }}};
const Registration kCRC32{Command{"crc32", "CRC-32 of files or stdin", HelpFor("crc32"),
                                  [](const Args& a) { return Run("crc32", Algo::kCRC32, a); }}};
const Registration kSHA1{Command{"sha1", "SHA-1 digest of files or stdin", HelpFor("sha1"),
                                 [](const Args& a) { return Run("sha1", Algo::kSHA1, a); }}};

void Demo(std::ostream& os) {
  const std::string text = "123456789";
  const TBytes b(text.begin(), text.end());
  const auto n = static_cast<int32_t>(b.size());
  os << "Check values of the text '" << text << "':\n"
     << "  CRC-16/XMODEM       " << Hex(CRC16ofBuffer(b, n, crcZModem), 4) << '\n'
     << "  CRC-16/CCITT-FALSE  " << Hex(CRC16ofBuffer(b, n, crcCCITT), 4) << '\n'
     << "  CRC-32              " << Hex(CRC32ofBuffer(b, n), 8) << '\n';
  TStringStream s(std::string_view(text), teLatin1);
  os << "  SHA-1 (bytes)       " << ToUtf8(SHA1DigestToHex(SHA1FromStream(&s))) << '\n'
     << "  SHA-1 (UTF-16 text) " << ToUtf8(SHA1DigestToHex(SHA1FromString(FromUtf8(text))))
     << '\n';
  for (bool b64 : {true, false}) {
    TStringStream src(std::string_view(text), teLatin1), dst(teLatin1);
    if (b64) {
      EncodeBase64(&src, &dst, false);
    } else {
      EncodeASCII85(&src, &dst, false);
    }
    os << (b64 ? "  Base64              " : "  ASCII85             ") << dst.DataString() << '\n';
  }
}

const Registration kDemo{DemoSection{"Checksums and codecs", 70, Demo}};

}  // namespace
}  // namespace kvo::tool
