// The library's exception family.
//
// EKVOError is the base of every exception the library raises itself; it
// carries a message text and nothing else. Each module with errors of its
// own has a subclass that adds nothing, so catching EKVOError catches all:
//   EKVOColArrayError  colours (palettes)
//   EKVOStringlError   string library
//   EKVODStructError   data structures
//   EKVOFileSysError   file system
//   EKVOCpuIdError     CPU identification
// Errors of the platform's input/output layer (EInOutError, EStreamError
// and its kinds) are not part of this family and pass through unchanged.
//
// Messages of components. An error raised by a method of a component names
// the component: "Component \"<Name>\": <text>". Every class of the family
// builds that message from its (component, text) constructor:
//   throw EKVODStructError(this, u"feature is not a floating point number");
// ComponentMessage gives the same text for other uses. Errors raised by free
// functions carry the text alone (the one-argument constructor).
#pragma once

#include "platform/classes.h"
#include "platform/exceptions.h"
#include "platform/strings.h"

namespace kvo {

// ComponentMessage
//
// "Component \"" + Component->Name() + "\": " + Text. The name is used as it
// is, also when empty ("Component \"\": text"). A null Component (no
// component to name) gives Text alone.
String ComponentMessage(const TComponent* Component, StringView Text);

class EKVOError : public Exception {
 public:
  // An error with the message text as given.
  explicit EKVOError(String Message);
  // An error raised by a method of Component: the message is
  // ComponentMessage(Component, Text).
  EKVOError(const TComponent* Component, StringView Text);
  ~EKVOError() override;
};

class EKVOColArrayError : public EKVOError {
 public:
  using EKVOError::EKVOError;
  ~EKVOColArrayError() override;
};

class EKVOStringlError : public EKVOError {
 public:
  using EKVOError::EKVOError;
  ~EKVOStringlError() override;
};

class EKVODStructError : public EKVOError {
 public:
  using EKVOError::EKVOError;
  ~EKVODStructError() override;
};

class EKVOFileSysError : public EKVOError {
 public:
  using EKVOError::EKVOError;
  ~EKVOFileSysError() override;
};

class EKVOCpuIdError : public EKVOError {
 public:
  using EKVOError::EKVOError;
  ~EKVOCpuIdError() override;
};

}  // namespace kvo
