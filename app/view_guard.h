#pragma once
// The boundary of a view. Drawing and listing run inside Qt's event loop,
// where a fault that escapes ends the program and the day's unsaved work
// with it; a view that cannot make its picture or its texts shows less
// instead, and the rows say why (their status). Everything a view does with
// the numbers of the log or the road goes through Guarded.

#include <utility>

namespace capset {

// Runs `work`; true when it ended normally, false when it threw.
template <typename Work>
bool Guarded(Work&& work) noexcept {
  try {
    std::forward<Work>(work)();
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace capset
