#pragma once
// The answers of a completed Start, as typed, by field (KZH, KHZ, X, Y, T,
// R, A1, Kj, B, P: the keys of a job file), and the decimal separator they
// were typed with. A job file keeps them, and opening it gives them to
// Start again.

#include <map>
#include <string>

#include "number_rules.h"

namespace capset {

struct TypedStart {
  std::string decimal = ".";
  std::map<std::string, std::string> answers;

  bool operator==(const TypedStart&) const = default;
};

// The answers as typed by `typed`'s rules, kept so that a job file can hold
// them: the decimal separator is "." or ",", and an answer those rules would
// not read as typed is written in plain digits.
TypedStart TypedStartOf(const std::map<std::string, std::string>& answers, const NumberSymbols& typed);

}  // namespace capset
