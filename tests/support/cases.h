// Table-driven checks of calls already made: each case holds what a call
// gave, what it should have given, and a name for the failure message.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/strings.h"

namespace kvo::testing {

struct Case {
  const char* what;
  String got;
  String expected;
};

inline void CheckAll(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.got, c.expected);
  }
}

}  // namespace kvo::testing
