#include "instrument_files.h"

#include <cmath>

#include "delimited_lines.h"
#include "instrument_texts.h"
#include "number_text.h"

namespace capset {
namespace {

constexpr std::size_t kGsiDataWidth = 16;
// Block numbers have four digits and run on from 0001 past 9999 as 0000.
constexpr int kBlockNumbers = 10000;
// Entered (not measured), metres with 1 mm as the last digit.
constexpr char kCoordinateInfo[] = "..10";

bool IsLetterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string Padded(std::string_view data, char fill) {
  return std::string(kGsiDataWidth - data.size(), fill) + std::string(data);
}

std::string Word(int index, std::string_view info, char sign, std::string_view data) {
  return std::to_string(index) + std::string(info) + sign + Padded(data, '0') + ' ';
}

std::string BlockNumber(int block) {
  const std::string digits = std::to_string(block % kBlockNumbers);
  return std::string(4 - digits.size(), '0') + digits;
}

std::optional<std::string> GsiLine(const ExportPoint& p, int block) {
  std::string line = "*" + Word(11, BlockNumber(block), '+', p.name);
  const auto east = GsiCoordinateWord(81, p.xy.Y), north = GsiCoordinateWord(82, p.xy.X);
  if (!east || !north) return std::nullopt;
  line += *east + *north;
  if (p.height) {
    const auto height = GsiCoordinateWord(83, *p.height);
    if (!height) return std::nullopt;
    line += *height;
  }
  return line + kFileLineEnd;
}

bool Writable(const ExportPoint& p) {
  return std::isfinite(p.xy.X) && std::isfinite(p.xy.Y) && (!p.height || std::isfinite(*p.height)) &&
         std::fabs(p.xy.X) < 1e12 && std::fabs(p.xy.Y) < 1e12 && (!p.height || std::fabs(*p.height) < 1e12);
}

}  // namespace

std::optional<std::string> GsiNameProblem(const std::string& name) {
  if (name.size() > kGsiNameWidth) return GsiNameTooLong(name, kGsiNameWidth);
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u >= 0x7F || c == '*') return GsiNameNotPlain(name);
  }
  if (name.empty()) return GsiNameNotPlain(name);
  if (name.size() > 1 && name[0] == '0' && IsLetterOrDigit(name[1])) return GsiNameLeadingZero(name);
  return std::nullopt;
}

std::optional<std::string> GsiCoordinateWord(int index, double metres) {
  if (!std::isfinite(metres)) return std::nullopt;
  // The millimetres as the point file's text has them, so the two files of
  // one point never differ by a rounding.
  const std::string text = FixedCoordinateText(metres);
  std::string digits;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      digits += c;
    } else if (c != '.' && c != '-') {
      return std::nullopt;  // an exponent: far beyond any coordinate
    }
  }
  const std::size_t first = digits.find_first_not_of('0');
  digits = first == std::string::npos ? "0" : digits.substr(first);
  if (digits.size() > kGsiDataWidth) return std::nullopt;
  const char sign = text.starts_with('-') ? '-' : '+';
  return Word(index, kCoordinateInfo, sign, digits);
}

std::string PnezdDescription(const ExportPoint& point) {
  if (point.group.empty()) return point.role;
  if (point.role.empty()) return point.group;
  return point.group + "/" + point.role;
}

InstrumentText InstrumentFileText(InstrumentFormat format, const std::vector<ExportPoint>& points) {
  std::string out;
  int block = 0;
  for (const ExportPoint& p : points) {
    if (format == InstrumentFormat::kGsi16) {
      if (const auto problem = GsiNameProblem(p.name)) return InstrumentRefusal{*problem};
      const std::optional<std::string> line = Writable(p) ? GsiLine(p, ++block) : std::nullopt;
      if (!line) return InstrumentRefusal{PointNotWritable(p.name)};
      out += *line;
    } else {
      if (!Writable(p)) return InstrumentRefusal{PointNotWritable(p.name)};
      const std::string fields[] = {p.name, FixedCoordinateText(p.xy.X), FixedCoordinateText(p.xy.Y),
                                    p.height ? FixedCoordinateText(*p.height) : std::string(), PnezdDescription(p)};
      out += CsvRecord(fields);
    }
  }
  return out;
}

}  // namespace capset
