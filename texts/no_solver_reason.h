#pragma once

namespace capset {

// Why no solver applies to the job, in the order the user meets the causes.
enum class NoSolverReason {
  kNoJob,         // no Start has completed yet
  kNoStation,     // KZH and KHZ both 0
  kSquareAtHZ,    // B = 90 on the HZ-end spiral
  kNoDeflection,  // P = 0 with a skewed cap
};

}  // namespace capset
