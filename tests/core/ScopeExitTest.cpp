#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "ScopeExit.h"

using namespace zar;

namespace {

enum class TExit { FallThrough, Return, Throw };

struct TLeaving {
  const char* Name;
  TExit Exit;
};

constexpr TLeaving Leavings[] = {
    {"falls through", TExit::FallThrough},
    {"returns early", TExit::Return},
    {"throws", TExit::Throw},
};

// Holds the guard that Make returns for a scope, runs Inside in it and
// leaves the scope as Exit says; true when an exception came out of it.
template <typename Make>
bool LeaveScope(TExit Exit, Make make, const std::function<void()>& Inside) {
  try {
    [&] {
      const auto guard = make();
      Inside();
      if (Exit == TExit::Return) return;
      if (Exit == TExit::Throw) throw std::runtime_error("leaving");
      Inside();
    }();
  } catch (const std::runtime_error&) {
    return true;
  }
  return false;
}

TEST(ScopeExit, RunsOnceWhenTheScopeIsLeft) {
  for (const TLeaving& leaving : Leavings) {
    SCOPED_TRACE(leaving.Name);
    int runs = 0;
    const bool thrown = LeaveScope(
        leaving.Exit, [&] { return TScopeExit([&runs] { ++runs; }); },
        [&] { EXPECT_EQ(runs, 0) << "ran before the scope was left"; });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(thrown, leaving.Exit == TExit::Throw) << "the exception must pass the guard";
  }
}

TEST(ScopeExit, FlagIsSetInsideAndRestoredAfter) {
  for (const bool initial : {false, true}) {
    for (const TLeaving& leaving : Leavings) {
      SCOPED_TRACE(testing::Message() << leaving.Name << ", flag was " << initial);
      bool flag = initial;
      LeaveScope(
          leaving.Exit, [&] { return SetForScope(flag); }, [&] { EXPECT_TRUE(flag); });
      EXPECT_EQ(flag, initial);
    }
  }
}

// An inner scope on a flag already set leaves it set for the rest of the
// outer scope, however the inner one ends.
TEST(ScopeExit, NestedFlagScopesRestoreTheOuterValue) {
  for (const TLeaving& inner : Leavings) {
    for (const TLeaving& outer : Leavings) {
      SCOPED_TRACE(testing::Message() << "inner " << inner.Name << ", outer " << outer.Name);
      bool flag = false;
      int innerScopes = 0;
      LeaveScope(
          outer.Exit, [&] { return SetForScope(flag); },
          [&] {
            ++innerScopes;
            LeaveScope(
                inner.Exit, [&] { return SetForScope(flag); }, [&] { EXPECT_TRUE(flag); });
            EXPECT_TRUE(flag) << "the inner scope cleared the outer scope's flag";
          });
      EXPECT_GE(innerScopes, 1);
      EXPECT_FALSE(flag);
    }
  }
}

}  // namespace
