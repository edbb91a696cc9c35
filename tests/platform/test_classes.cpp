#include "platform/classes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/exceptions.h"

namespace kvo {
namespace {

// A component that writes its name into a log when destroyed.
class TLoggedComponent : public TComponent {
 public:
  TLoggedComponent(TComponent* AOwner, std::vector<String>* Log, const String& AName)
      : TComponent(AOwner), FLog(Log) {
    SetName(AName);
  }
  ~TLoggedComponent() override { FLog->push_back(Name()); }

 private:
  std::vector<String>* FLog;
};

TEST(TComponent, OwnerDestroysOwnedComponentsLastFirst) {
  std::vector<String> log;
  auto* owner = new TLoggedComponent(nullptr, &log, u"owner");
  auto* a = new TLoggedComponent(owner, &log, u"a");
  new TLoggedComponent(owner, &log, u"b");
  new TLoggedComponent(a, &log, u"a1");  // owned by a: destroyed with it
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(a->Owner(), owner);
  EXPECT_EQ(owner->Owner(), nullptr);
  EXPECT_EQ(owner->Components(0), a);
  delete owner;
  // The owner's own destructor body runs first, then its components go.
  const std::vector<String> expected = {u"owner", u"b", u"a", u"a1"};
  EXPECT_EQ(log, expected);
}

TEST(TComponent, ComponentDestroyedFirstLeavesOwnersList) {
  std::vector<String> log;
  TComponent owner;
  auto* a = new TLoggedComponent(&owner, &log, u"a");
  auto* b = new TLoggedComponent(&owner, &log, u"b");
  auto* c = new TLoggedComponent(&owner, &log, u"c");
  delete b;
  ASSERT_EQ(owner.ComponentCount(), 2);
  EXPECT_EQ(owner.Components(0), a);
  EXPECT_EQ(owner.Components(1), c);
  EXPECT_EQ(owner.Components(2), nullptr);
  EXPECT_EQ(owner.Components(-1), nullptr);
  delete a;
  delete c;
  EXPECT_EQ(owner.ComponentCount(), 0);
  const std::vector<String> expected = {u"b", u"a", u"c"};
  EXPECT_EQ(log, expected);  // each destroyed exactly once
}

// A component that destroys a sibling while it is itself being destroyed.
class TSiblingKiller : public TComponent {
 public:
  TSiblingKiller(TComponent* AOwner, TComponent* Victim) : TComponent(AOwner), FVictim(Victim) {}
  ~TSiblingKiller() override { delete FVictim; }

 private:
  TComponent* FVictim;
};

TEST(TComponent, OwnerSurvivesComponentsThatDestroyEachOther) {
  std::vector<String> log;
  auto* owner = new TComponent();
  auto* victim = new TLoggedComponent(owner, &log, u"victim");
  new TLoggedComponent(owner, &log, u"other");
  new TSiblingKiller(owner, victim);  // destroyed first, takes the victim along
  delete owner;
  const std::vector<String> expected = {u"victim", u"other"};
  EXPECT_EQ(log, expected);
}

TEST(TComponent, Name) {
  TComponent c;
  EXPECT_EQ(c.Name(), u"");
  c.SetName(u"Matrix1");
  EXPECT_EQ(c.Name(), u"Matrix1");
}

// Persistent classes for the copying rules: TPoint2 copies from its own
// class; TSource knows how to copy itself into a TPoint2 (AssignTo); TOther
// knows nothing.
class TPoint2 : public TPersistent {
 public:
  int X = 0;
  void Assign(const TPersistent* Source) override {
    if (auto* p = dynamic_cast<const TPoint2*>(Source)) {
      X = p->X;
      return;
    }
    TPersistent::Assign(Source);
  }
};

class TSource : public TPersistent {
 public:
  int Value = 7;
  void AssignTo(TPersistent* Dest) const override {
    if (auto* p = dynamic_cast<TPoint2*>(Dest)) {
      p->X = Value;
      return;
    }
    TPersistent::AssignTo(Dest);
  }
};

class TOther : public TPersistent {};

String AssignMessage(TPersistent& dest, const TPersistent* source) {
  try {
    dest.Assign(source);
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return u"(no error)";
}

TEST(TPersistent, AssignFromOwnClassAndThroughAssignTo) {
  TPoint2 a, b;
  a.X = 5;
  b.Assign(&a);
  EXPECT_EQ(b.X, 5);
  TSource s;
  b.Assign(&s);  // TPoint2 does not know TSource; TSource::AssignTo does the copy
  EXPECT_EQ(b.X, 7);
}

TEST(TPersistent, AssignErrorsNameBothClasses) {
  struct Case {
    TPersistent* dest;
    const TPersistent* source;
    const char16_t* message;
  };
  TPoint2 point;
  TSource source;
  TOther other;
  const Case cases[] = {
      {&point, &other, u"Cannot assign a TOther to a TPoint2"},
      {&other, &point, u"Cannot assign a TPoint2 to a TOther"},
      {&source, &point, u"Cannot assign a TPoint2 to a TSource"},
      {&other, &source, u"Cannot assign a TSource to a TOther"},
      {&point, nullptr, u"Cannot assign a nil to a TPoint2"},
      {&other, nullptr, u"Cannot assign a nil to a TOther"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.message));
    EXPECT_EQ(AssignMessage(*c.dest, c.source), c.message);
  }
  try {
    other.AssignTo(&point);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Cannot assign a TOther to a TPoint2");
  }
}

template <typename T>
class TBox : public TObject {};

template <typename T>
struct TOuter {
  class TNested : public TObject {};
};

namespace inner {
class TInnerThing : public TComponent {};
}  // namespace inner

TEST(TObject, ClassNameIsTheDynamicClassWithoutNamespace) {
  TComponent component;
  inner::TInnerThing thing;
  TBox<std::vector<int>> box;
  TPoint2 point;
  const TObject* asBase = &thing;
  EXPECT_EQ(component.ClassName(), u"TComponent");
  EXPECT_EQ(asBase->ClassName(), u"TInnerThing");
  EXPECT_EQ(box.ClassName(), u"TBox");
  EXPECT_EQ(point.ClassName(), u"TPoint2");
  EXPECT_EQ(TObject().ClassName(), u"TObject");
  EXPECT_EQ(TOuter<int>::TNested().ClassName(), u"TNested");
}

}  // namespace
}  // namespace kvo
