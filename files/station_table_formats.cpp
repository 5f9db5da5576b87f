#include "station_table_formats.h"

#include <cmath>
#include <cstdio>

#include "angle_text.h"
#include "road_texts.h"

namespace capset {
namespace {

std::string Fixed(double value, int decimals, const std::string& sep = ".") {
  if (value == 0) value = 0;
  char text[400];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string out = text;
  if (out.find_first_not_of("-0.") == std::string::npos && out[0] == '-') out.erase(0, 1);
  if (sep != ".") {
    if (const std::size_t dot = out.find('.'); dot != std::string::npos) out.replace(dot, 1, sep);
  }
  return out;
}

// 7.5 → "7.5", 3 → "3", 2.125 → "2.125": to the millimetre, no trailing zeros.
std::string ShortMetres(double value) {
  std::string text = Fixed(value, 3);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string Side(const StationTableRow& row) {
  if (row.centreline) return "C";
  return (row.offset < 0 ? "L" : "R") + ShortMetres(std::fabs(row.offset));
}

std::string StationShown(const StationTableRow& row) {
  return KStationText(row.station);
}

std::string Joined(const std::vector<std::string>& fields, char between) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += between;
    line += fields[i];
  }
  return line;
}

}  // namespace

std::vector<std::string> StationTableRowTexts(const StationTableRow& row, const std::string& sep) {
  return {StationTablePointName(row),
          StationShown(row),
          Fixed(row.offset, 3, sep),
          Fixed(row.point.point.X, 4, sep),
          Fixed(row.point.point.Y, 4, sep),
          DmsText(row.point.azimuth, kTenthsOfASecond, sep),
          row.key};
}

std::string StationTablePointName(const StationTableRow& row) {
  std::string name = StationLabel(row.station.value);
  if (row.station.occurrence > 1) name += "_" + std::to_string(row.station.occurrence);
  return name + "-" + Side(row);
}

std::string StationTableText(ExportFormat format, const std::vector<StationTableRow>& rows) {
  std::string out;
  if (format == ExportFormat::kCsv) {
    out = kUtf8Bom;
    out += Joined({std::begin(kStationTableHeadings), std::end(kStationTableHeadings)}, ',') + "\r\n";
    for (const StationTableRow& row : rows) out += Joined(StationTableRowTexts(row, "."), ',') + "\r\n";
    return out;
  }
  for (const StationTableRow& row : rows) {
    out += StationTablePointName(row) + "," + row.key + "," + Fixed(row.point.point.Y, 3) + "," +
           Fixed(row.point.point.X, 3) + ",0.000\r\n";
  }
  return out;
}

std::string StationTableTsv(const std::vector<StationTableRow>& rows, const std::string& sep) {
  std::string out = Joined({std::begin(kStationTableHeadings), std::end(kStationTableHeadings)}, '\t') + "\n";
  for (const StationTableRow& row : rows) out += Joined(StationTableRowTexts(row, sep), '\t') + "\n";
  return out;
}

}  // namespace capset
