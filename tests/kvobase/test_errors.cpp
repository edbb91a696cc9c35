#include "kvobase/errors.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "platform/classes.h"

namespace kvo {
namespace {

static_assert(std::is_base_of_v<Exception, EKVOError>);
static_assert(std::is_base_of_v<EKVOError, EKVOColArrayError>);
static_assert(std::is_base_of_v<EKVOError, EKVOStringlError>);
static_assert(std::is_base_of_v<EKVOError, EKVODStructError>);
static_assert(std::is_base_of_v<EKVOError, EKVOFileSysError>);
static_assert(std::is_base_of_v<EKVOError, EKVOCpuIdError>);

TEST(Errors, ComponentMessageNamesTheComponent) {
  TComponent c;
  c.SetName(u"FeatMat1");
  EXPECT_EQ(ComponentMessage(&c, u"not enough memory on heap"),
            u"Component \"FeatMat1\": not enough memory on heap");
  TComponent unnamed;
  EXPECT_EQ(ComponentMessage(&unnamed, u"x"), u"Component \"\": x");
  EXPECT_EQ(ComponentMessage(nullptr, u"no component"), u"no component");
}

// A component error of every class of the family carries the component's
// name, is caught as EKVOError and as std::exception with the UTF-8 text.
template <class E>
void ExpectComponentError(const TComponent& c) {
  try {
    throw E(&c, u"feature is not a floating point number");
  } catch (const EKVOError& e) {
    EXPECT_EQ(e.Message(), u"Component \"M\xE4t\": feature is not a floating point number");
    EXPECT_STREQ(e.what(), "Component \"M\xC3\xA4t\": feature is not a floating point number");
    EXPECT_NE(dynamic_cast<const E*>(&e), nullptr);
  }
}

TEST(Errors, EveryClassBuildsComponentMessages) {
  TComponent c;
  c.SetName(u"M\xE4t");
  ExpectComponentError<EKVOError>(c);
  ExpectComponentError<EKVOColArrayError>(c);
  ExpectComponentError<EKVOStringlError>(c);
  ExpectComponentError<EKVODStructError>(c);
  ExpectComponentError<EKVOFileSysError>(c);
  ExpectComponentError<EKVOCpuIdError>(c);
}

TEST(Errors, FreeFunctionErrorsCarryTheTextAlone) {
  try {
    throw EKVOFileSysError(u"path too long");
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), u"path too long");
  }
}

}  // namespace
}  // namespace kvo
