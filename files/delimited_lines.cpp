#include "delimited_lines.h"

#include "number_text.h"

namespace capset {

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string CsvRecord(std::span<const std::string> fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += CsvField(fields[i]);
  }
  return line + kFileLineEnd;
}

std::string TsvRow(std::span<const std::string> fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\t';
    for (char c : fields[i]) line += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
  }
  return line;
}

std::string DatLine(std::string_view name, std::string_view code, PlanePoint point) {
  return DatLine(name, code, point, 0.0);
}

std::string DatLine(std::string_view name, std::string_view code, PlanePoint point, std::optional<double> height) {
  return std::string(name) + "," + std::string(code) + "," + FixedCoordinateText(point.Y) + "," +
         FixedCoordinateText(point.X) + "," + (height ? FixedCoordinateText(*height) : std::string()) + kFileLineEnd;
}

}  // namespace capset
