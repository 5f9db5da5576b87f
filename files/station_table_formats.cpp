#include "station_table_formats.h"

#include <cmath>

#include "angle_text.h"
#include "delimited_lines.h"
#include "log_texts.h"
#include "number_text.h"
#include "point_height_texts.h"
#include "road_texts.h"
#include "station_text.h"

namespace capset {
namespace {

// 7.5 → "7.5", 3 → "3", 2.125 → "2.125": to the millimetre, no trailing zeros.
std::string ShortMetres(double value) {
  std::string text = FixedText(value, 3);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string Side(const StationTableRow& row) {
  if (row.centreline) return "C";
  return (row.offset < 0 ? "L" : "R") + ShortMetres(std::fabs(row.offset));
}

std::string StationShown(const StationTableRow& row) {
  return RoadStationText(row.station);
}

}  // namespace

std::vector<std::string> StationTableRowTexts(const StationTableRow& row, const std::string& sep) {
  std::vector<std::string> texts{StationTablePointName(row),        StationShown(row),
                                 FixedText(row.offset, 3, sep),     FixedText(row.point.point.X, 4, sep),
                                 FixedText(row.point.point.Y, 4, sep), AzimuthText(row.point.azimuth, sep),
                                 row.key};
  if (row.withHeight) {
    texts.insert(texts.begin() + kStationTableHeightColumn,
                 row.height ? FixedText(*row.height, 4, sep) : std::string(kNoValue));
  }
  return texts;
}

std::vector<std::string> StationTableHeadings(bool heights) {
  std::vector<std::string> headings(std::begin(kStationTableHeadings), std::end(kStationTableHeadings));
  if (heights) headings.insert(headings.begin() + kStationTableHeightColumn, kStationTableHeightHeading);
  return headings;
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
    out += CsvRecord(StationTableHeadings(!rows.empty() && rows.front().withHeight));
    for (const StationTableRow& row : rows) out += CsvRecord(StationTableRowTexts(row, "."));
    return out;
  }
  for (const StationTableRow& row : rows) {
    out += DatLine(StationTablePointName(row), row.key, row.point.point, row.withHeight ? row.height : 0.0);
  }
  return out;
}

std::string StationTableTsv(const std::vector<StationTableRow>& rows, const std::string& sep) {
  std::string out = TsvRow(StationTableHeadings(!rows.empty() && rows.front().withHeight)) + "\n";
  for (const StationTableRow& row : rows) out += TsvRow(StationTableRowTexts(row, sep)) + "\n";
  return out;
}

}  // namespace capset
