// The exception family of the platform layer.
//
// `Exception` is the general exception class: it carries a message text
// (`Message()`, UTF-16) and gives its UTF-8 form through `what()`. The
// subclasses name the kind of failure: conversions and assignments
// (`EConvertError`), text and untyped file input/output (`EInOutError`, with
// the operating system's error code), stream failures (`EStreamError` and its
// kinds) and memory exhaustion (`EOutOfMemory`).
#pragma once

#include <exception>
#include <string>

#include "platform/strings.h"

namespace kvo {

class Exception : public std::exception {
 public:
  explicit Exception(String message) : FMessage(std::move(message)), FUtf8(ToUtf8(FMessage)) {}
  const String& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FUtf8.c_str(); }

 private:
  String FMessage;
  std::string FUtf8;
};

// A failed conversion of a value or a failed Assign/AssignTo.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A text-file or untyped-file error. ErrorCode() is the operating system's
// errno value where one caused it, otherwise a small positive code of our own
// (100 end of file, 103 file not open, 104 not open for input, 105 not open
// for output, 106 invalid numeric format).
class EInOutError : public Exception {
 public:
  EInOutError(String message, int code) : Exception(std::move(message)), FErrorCode(code) {}
  int ErrorCode() const noexcept { return FErrorCode; }

 private:
  int FErrorCode;
};

class EStreamError : public Exception {
 public:
  using Exception::Exception;
};
class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

class EOutOfMemory : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace kvo
