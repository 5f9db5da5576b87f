#pragma once
// A station typed in K form, as the window shows stations: "K12+400",
// "K12+400.123", "k 12+ 400". Whole kilometres between the K and the "+",
// the metres below 1000 after it, with "." or the user's separator. The
// one rule for it: the batch's station list reads it, and a prompt that
// asks metres recognises it to say how to type it.

#include <optional>
#include <string>
#include <variant>

#include "number_rules.h"

namespace capset {

enum class KStationProblem {
  kKmNegative,
  kKmNotWhole,
  kMetresMissing,
  kMetresNotNumber,
  kMetresNegative,
  kMetresTooLarge,
  kOutOfRange,
};

// `text` runs from the K to the end, and its last "+" parts kilometres
// from metres. The station in metres, or why it is none.
std::variant<double, KStationProblem> ReadKStation(const std::string& text, const NumberSymbols& symbols);

// The station an answer stands for when it is a K form and nothing else
// (blanks around it aside); nothing for any other text.
std::optional<double> KStationAnswer(const std::string& answer, const NumberSymbols& symbols);

}  // namespace capset
