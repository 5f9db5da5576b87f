#include "polar_table.h"

#include "angle_text.h"
#include "delimited_lines.h"
#include "number_text.h"
#include "polar_texts.h"

namespace capset {

std::vector<std::string> PolarHeadings(bool heights) {
  std::vector<std::string> h{kPolarPointHeading, kPolarAzimuthHeading, kPolarDistanceHeading, kPolarTurnHeading};
  if (heights) {
    h.push_back(kPolarHeightDiffHeading);
    h.push_back(kPolarZenithHeading);
  }
  return h;
}

std::vector<std::string> PolarCells(const PolarRow& row, bool heights, const std::string& sep) {
  const PolarReading& r = row.reading;
  std::vector<std::string> cells{row.point.name, r.azimuth ? AzimuthText(*r.azimuth, sep) : kPolarOnStation,
                                 FixedText(r.distance, 3, sep), r.turn ? AzimuthText(*r.turn, sep) : "-"};
  if (heights) {
    cells.push_back(r.heightDiff ? FixedText(*r.heightDiff, 3, sep) : "-");
    cells.push_back(r.zenith ? DmsText(*r.zenith, kTenthsOfASecond, sep) : "-");
  }
  return cells;
}

std::string PolarTsv(const std::vector<PolarRow>& rows, bool heights, const std::string& sep) {
  auto line = [](const std::vector<std::string>& cells) {
    std::string out;
    for (std::size_t i = 0; i < cells.size(); ++i) out += (i ? "\t" : "") + cells[i];
    return out + "\n";
  };
  std::string out = line(PolarHeadings(heights));
  for (const PolarRow& r : rows) out += line(PolarCells(r, heights, sep));
  return out;
}

std::string PolarCsv(const std::vector<PolarRow>& rows, bool heights) {
  std::string out = std::string(kUtf8Bom) + CsvRecord(PolarHeadings(heights));
  for (const PolarRow& r : rows) out += CsvRecord(PolarCells(r, heights, "."));
  return out;
}

}  // namespace capset
