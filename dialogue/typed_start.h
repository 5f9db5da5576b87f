#pragma once
// The answers of a completed Start, as typed, by field (KZH, KHZ, X, Y, T,
// R, A1, Kj, B, P: the keys of a job file), and the decimal separator they
// were typed with. A job file keeps them, and opening it gives them to
// Start again.

#include <map>
#include <string>

namespace capset {

struct TypedStart {
  std::string decimal = ".";
  std::map<std::string, std::string> answers;

  bool operator==(const TypedStart&) const = default;
};

}  // namespace capset
