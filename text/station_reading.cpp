#include "station_reading.h"

#include "blanks.h"

namespace capset {
namespace {

std::string Trimmed(std::string_view text) { return std::string(TrimBlanks(text)); }

bool AllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

std::variant<double, KStationProblem> ReadKStation(const std::string& text, const NumberSymbols& symbols) {
  const std::size_t plus = text.rfind('+');
  const std::string km = Trimmed(std::string_view(text).substr(1, plus - 1));
  const std::string metres = Trimmed(std::string_view(text).substr(plus + 1));
  if (km.starts_with('-') || km.starts_with("\u2212")) return KStationProblem::kKmNegative;
  if (!AllDigits(km)) return KStationProblem::kKmNotWhole;
  if (metres.empty()) return KStationProblem::kMetresMissing;
  // The window writes the metres with "."; the user's separator is read too.
  ReadResult m = ReadNumber(metres, NumberSymbols{});
  if (m.status == ReadResult::Status::kNotNumber) m = ReadNumber(metres, symbols);
  if (m.status == ReadResult::Status::kNotNumber) return KStationProblem::kMetresNotNumber;
  if (m.status == ReadResult::Status::kOutOfRange) return KStationProblem::kOutOfRange;
  if (m.value < 0) return KStationProblem::kMetresNegative;
  if (m.value >= 1000) return KStationProblem::kMetresTooLarge;
  const ReadResult whole = ReadNumber(km, NumberSymbols{});
  if (whole.status != ReadResult::Status::kNumber) return KStationProblem::kOutOfRange;
  return whole.value * 1000 + m.value;
}

std::optional<double> KStationAnswer(const std::string& answer, const NumberSymbols& symbols) {
  const std::string text = Trimmed(BlanksAsSpaces(answer));
  if (text.empty() || (text[0] != 'K' && text[0] != 'k') || text.find('+') == std::string::npos) return std::nullopt;
  const auto read = ReadKStation(text, symbols);
  if (const double* station = std::get_if<double>(&read)) return *station;
  return std::nullopt;
}

}  // namespace capset
