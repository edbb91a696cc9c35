// The base classes: TObject, TPersistent and TComponent.
//
// TObject is the root with a virtual destructor and a class name for
// messages. TPersistent adds copying between compatible objects through
// Assign/AssignTo. TComponent adds an owner, which destroys the components it
// owns together with itself, and a Name used in error messages.
#pragma once

#include <functional>
#include <vector>

#include "platform/strings.h"

namespace kvo {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = default;
  TObject& operator=(const TObject&) = default;
  virtual ~TObject() = default;

  // ClassName
  //
  // The class's own name without namespace, for example u"TStringArray".
  String ClassName() const;
};

// An event bound to an object: called with the object that fires it.
using TNotifyEvent = std::function<void(TObject* Sender)>;

class TPersistent : public TObject {
 public:
  // Assign
  //
  // Copies the state of Source into this object. The base version hands the
  // request to Source->AssignTo(this); when neither side knows how to copy
  // (or Source is nullptr) it raises EConvertError
  // "Cannot assign a <source class> to a <destination class>" (a missing
  // source is named "nil").
  virtual void Assign(const TPersistent* Source);

  // AssignTo
  //
  // Copies this object's state into Dest. The base version raises the same
  // EConvertError as Assign. Derived classes override it for destinations
  // they know and call the base otherwise.
  virtual void AssignTo(TPersistent* Dest) const;
};

class TComponent : public TPersistent {
 public:
  // Creates a component; an owner, when given, takes it into its list and
  // destroys it together with itself.
  explicit TComponent(TComponent* AOwner = nullptr);
  // Destroys the owned components (last inserted first), then leaves the
  // owner's list.
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  const String& Name() const { return FName; }
  void SetName(const String& Value) { FName = Value; }

  // The components this one owns, in the order they were created.
  int32_t ComponentCount() const { return static_cast<int32_t>(FComponents.size()); }
  // Owned component number Index (0-based); nullptr outside the range.
  TComponent* Components(int32_t Index) const;

 private:
  TComponent* FOwner = nullptr;
  String FName;
  std::vector<TComponent*> FComponents;
};

}  // namespace kvo
