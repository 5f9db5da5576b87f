#pragma once
// The time every row of a test is made at, so that rows and files compare
// as exact texts. The replay corpus was recorded at it (make_corpus.py).

#include "local_time.h"

namespace capset::testing {

inline constexpr LocalTime kTestTime{2026, 3, 1, 9, 30, 0};
inline constexpr char kTestTimeText[] = "2026-03-01 09:30:00";

inline Clock FixedClock() {
  return [] { return kTestTime; };
}

}  // namespace capset::testing
