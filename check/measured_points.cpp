#include "measured_points.h"

#include <optional>
#include <string_view>

#include "blanks.h"
#include "check_texts.h"
#include "field_ranges.h"
#include "range_texts.h"

namespace capset {
namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// True when the text is well-formed UTF-8: a name that is not would come
// out as other characters in the table and in every file written from it.
bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    // The lead byte says how many continuation bytes follow.
    const int more = c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : 0;
    if (more == 0 || i + more >= text.size()) return false;
    char32_t code = c & (0x7F >> (more + 1));
    for (int k = 1; k <= more; ++k) {
      const auto d = static_cast<unsigned char>(text[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      code = (code << 6) | (d & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond U+10FFFF.
    const char32_t least = more == 2 ? 0x800 : more == 3 ? 0x10000 : 0x80;
    if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
    i += more + 1;
  }
  return true;
}

std::vector<std::string> Split(std::string_view line, char separator) {
  std::vector<std::string> fields;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = line.find(separator, from);
    fields.emplace_back(TrimBlanks(line.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from)));
    if (at == std::string_view::npos) return fields;
    from = at + 1;
  }
}

std::optional<double> NumberIn(const std::string& text, const NumberSymbols& symbols) {
  const ReadResult r = ReadNumber(text, symbols);
  if (r.status != ReadResult::Status::kNumber) return std::nullopt;
  return r.value;
}

// The lines of a text, without their line ends; a mark at the start of a
// file is no part of its first line.
std::vector<std::string_view> LinesOf(std::string_view text) {
  if (text.starts_with(kUtf8Mark)) text.remove_prefix(sizeof kUtf8Mark - 1);
  std::vector<std::string_view> lines;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t at = text.find('\n', from);
    if (at == std::string_view::npos) at = text.size();
    std::string_view line = text.substr(from, at - from);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    from = at + 1;
  }
  return lines;
}

}  // namespace

PointsReading ReadPointLines(std::string_view text, const NumberSymbols& symbols, const LineReader& read) {
  std::vector<MeasuredPoint> points;
  std::vector<std::string> problems;
  const std::vector<std::string_view> lines = LinesOf(text);
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::string_view line = lines[n];
    if (IsBlank(line)) continue;
    const int number = static_cast<int>(n) + 1;
    const std::string shown(TrimBlanks(line));
    auto refuse = [&](const std::string& reason) { problems.push_back(CheckLineProblem(number, shown, reason)); };
    const LineReading reading = read(line);
    if (!reading.fields) {
      if (!reading.problem.empty()) refuse(reading.problem);
      continue;
    }
    const PointFields* f = &*reading.fields;
    const std::optional<double> X = NumberIn(f->X, symbols), Y = NumberIn(f->Y, symbols);
    if (!X && !Y && n == 0) continue;  // a heading
    if (!IsUtf8(f->name)) {
      refuse(kPointNameNotUtf8);
    } else if (f->name.empty()) {
      refuse(kPointNameMissing);
    } else if (!X) {
      refuse(kPointXNotNumber);
    } else if (!Y) {
      refuse(kPointYNotNumber);
    } else if (f->H && !f->H->empty() && !NumberIn(*f->H, symbols)) {
      refuse(kPointHNotNumber);
    } else if (const auto beyond = PointBeyond(f->X, *X, f->Y, *Y)) {
      refuse(*beyond);
    } else {
      std::optional<double> H;
      if (f->H && !IsBlank(*f->H)) H = NumberIn(*f->H, symbols);
      if (H && !Within(*H, kCoordinateRange)) {
        refuse(NotWithinReason(std::string(TrimBlanks(*f->H)), kCoordinateRange));
        continue;
      }
      points.push_back({f->name, {*X, *Y}, H});
    }
  }
  if (!problems.empty()) return problems;
  if (points.size() > static_cast<std::size_t>(kMaxCheckPoints)) {
    return std::vector<std::string>{TooManyCheckPoints(kMaxCheckPoints)};
  }
  return points;
}


PointsReading ReadTypedPoints(const std::string& text, const NumberSymbols& symbols) {
  const bool commaSeparates = symbols.decimal != ",";
  return ReadPointLines(text, symbols, [commaSeparates](std::string_view line) {
    std::vector<std::string> fields;
    if (line.find('\t') != std::string_view::npos) {
      fields = Split(line, '\t');
    } else if (commaSeparates && line.find(',') != std::string_view::npos) {
      fields = Split(line, ',');
    } else {
      fields = Words(line);
    }
    // A height after the coordinates is the measured height.
    if (fields.size() != 3 && fields.size() != 4) return LineReading{std::nullopt, kNotATypedPoint};
    PointFields f{fields[0], fields[1], fields[2], {}};
    if (fields.size() == 4) f.H = fields[3];
    return LineReading{f, {}};
  });
}

PointsReading ReadPointFile(const std::string& bytes) {
  return ReadPointLines(bytes, NumberSymbols{}, [](std::string_view line) {
    const std::vector<std::string> fields = Split(line, ',');
    if (fields.size() != 5) return LineReading{std::nullopt, kNotAFilePoint};
    return LineReading{PointFields{fields[0], fields[3], fields[2], fields[4]}, {}};
  });
}

std::optional<std::string> PointBeyond(const std::string& typedX, double X, const std::string& typedY, double Y) {
  if (!Within(X, kCoordinateRange)) return PointXBeyond(std::string(TrimBlanks(typedX)));
  if (!Within(Y, kCoordinateRange)) return PointYBeyond(std::string(TrimBlanks(typedY)));
  return std::nullopt;
}

std::variant<double, std::string> ReadTolerance(const std::string& text, const NumberSymbols& symbols,
                                                double metresPerUnit, const char* unit) {
  const std::string typed(TrimBlanks(text));
  const std::optional<double> value = NumberIn(typed, symbols);
  if (!value) return std::string(kToleranceNotNumber);
  if (*value < 0) return std::string(kToleranceNegative);
  if (!Within(*value * metresPerUnit, kToleranceRange)) return ToleranceBeyond(typed, metresPerUnit, unit);
  return *value;
}

}  // namespace capset
