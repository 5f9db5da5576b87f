#include "station_ref_reading.h"

#include "blanks.h"

namespace capset {
namespace {

// Counts beyond this are a typing slip: no road lays one station more than a few times.
constexpr int kMostOccurrence = 99;

StationRefProblem FromKForm(KStationProblem problem) {
  switch (problem) {
    case KStationProblem::kKmNegative: return StationRefProblem::kKmNegative;
    case KStationProblem::kKmNotWhole: return StationRefProblem::kKmNotWhole;
    case KStationProblem::kMetresMissing: return StationRefProblem::kMetresMissing;
    case KStationProblem::kMetresNotNumber: return StationRefProblem::kMetresNotNumber;
    case KStationProblem::kMetresNegative: return StationRefProblem::kMetresNegative;
    case KStationProblem::kMetresTooLarge: return StationRefProblem::kMetresTooLarge;
    case KStationProblem::kOutOfRange: break;
  }
  return StationRefProblem::kOutOfRange;
}

// "2" of "(2)": a whole number from 1, ASCII digits only; 0 when it is none.
int Occurrence(const std::string& inside) {
  const std::string digits(TrimBlanks(inside));
  if (digits.empty() || digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  const int n = std::stoi(digits);
  return n <= kMostOccurrence ? n : 0;
}

}  // namespace

std::variant<StationRef, StationRefProblem> ReadStationRef(const std::string& typed, const NumberSymbols& symbols) {
  std::string text(TrimBlanks(BlanksAsSpaces(typed)));
  if (text.empty()) return StationRefProblem::kEmpty;
  int occurrence = 0;
  if (text.back() == ')') {
    const std::size_t open = text.rfind('(');
    if (open == std::string::npos) return StationRefProblem::kOccurrenceNotWhole;
    occurrence = Occurrence(text.substr(open + 1, text.size() - open - 2));
    if (occurrence == 0) return StationRefProblem::kOccurrenceNotWhole;
    text = std::string(TrimBlanks(text.substr(0, open)));
    if (text.empty()) return StationRefProblem::kEmpty;
  }
  // A station before zero is written with its minus before the K, as every
  // view shows it: -K0+020 is 20 m back.
  const bool back = text.size() > 1 && text[0] == '-' && (text[1] == 'K' || text[1] == 'k');
  if (back) text.erase(0, 1);
  if ((text[0] == 'K' || text[0] == 'k') && text.find('+') != std::string::npos) {
    const auto read = ReadKStation(text, symbols);
    if (const double* station = std::get_if<double>(&read)) return StationRef{back ? -*station : *station, occurrence};
    return FromKForm(std::get<KStationProblem>(read));
  }
  const ReadResult read = ReadNumber(text, symbols);
  if (read.status == ReadResult::Status::kNotNumber) return StationRefProblem::kNotNumber;
  if (read.status == ReadResult::Status::kOutOfRange) return StationRefProblem::kOutOfRange;
  return StationRef{read.value, occurrence};
}

}  // namespace capset
