#pragma once
// Undoing something when a scope is left, by return or by exception, written
// once instead of a small guard class at every place that needs one.

#include <utility>

namespace zar {

// Runs OnExit when the object goes out of scope. OnExit runs from a
// destructor, also during unwinding, so it must not throw.
template <typename F>
class [[nodiscard]] TScopeExit {
 public:
  explicit TScopeExit(F OnExit) : FOnExit(std::move(OnExit)) {}
  ~TScopeExit() { FOnExit(); }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

 private:
  F FOnExit;
};

// Sets Flag for the length of a scope and puts back the value it had, so
// that scopes nest:  const auto busy = SetForScope(FBusy);
[[nodiscard]] inline auto SetForScope(bool& Flag) {
  const bool old = std::exchange(Flag, true);
  return TScopeExit([&Flag, old] { Flag = old; });
}

}  // namespace zar
