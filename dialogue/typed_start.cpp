#include "typed_start.h"

#include "number_rules.h"

namespace capset {

TypedStart TypedStartOf(const std::map<std::string, std::string>& answers, const NumberSymbols& typed) {
  // A job file reads its answers by the plain rules with "." or ","; a
  // locale that writes its numbers otherwise (the Arabic "٫" and digits)
  // has its answers written so those rules read them the same.
  const bool plain = typed.decimal == "." || typed.decimal == ",";
  TypedStart start{plain ? typed.decimal : ".", {}};
  for (const auto& [field, answer] : answers) {
    start.answers[field] = PortableNumber(answer, typed, start.decimal);
  }
  return start;
}

}  // namespace capset
