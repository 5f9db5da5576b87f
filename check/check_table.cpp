#include "check_table.h"

#include <cmath>

#include "check_texts.h"
#include "delimited_lines.h"
#include "number_text.h"
#include "station_text.h"

namespace capset {
namespace {

constexpr char kCheckTag[] = "CHECK";
constexpr char kUnknown[] = "-";

bool OnRoad(const CheckResult& r) { return r.foot.status == WhereStatus::kOnRoad; }

}  // namespace

std::vector<std::string> CheckCells(const CheckResult& r, const std::string& sep) {
  std::vector<std::string> cells{r.measured.name, FixedText(r.measured.point.X, 3, sep),
                                 FixedText(r.measured.point.Y, 3, sep)};
  if (OnRoad(r)) {
    cells.push_back(RoadStationText(r.foot.station));
    cells.push_back(FixedText(r.foot.offset, 3, sep));
  } else {
    cells.insert(cells.end(), {kCheckOffRoad, ""});
  }
  if (const auto& c = r.cap) {
    cells.insert(cells.end(), {CheckCapText(c->name, c->row), FixedText(c->along, 3, sep), FixedText(c->across, 3, sep),
                               c->nearest, FixedText(c->dX * 1000, 1, sep), FixedText(c->dY * 1000, 1, sep),
                               FixedText(c->distance * 1000, 1, sep), c->over ? kCheckOver : kCheckOk});
  } else {
    if (r.farFromCaps) cells.push_back(kCheckNoCapNear);
    cells.resize(CheckHeadings().size());
  }
  return cells;
}

std::string CheckTsv(const std::vector<CheckResult>& results, const std::string& sep) {
  std::string out;
  out += TsvRow(CheckHeadings()) + "\n";
  for (const CheckResult& r : results) out += TsvRow(CheckCells(r, sep)) + "\n";
  return out;
}

std::string CheckCsv(const std::vector<CheckResult>& results) {
  std::string out = kUtf8Bom + CsvRecord(CheckHeadings());
  for (const CheckResult& r : results) out += CsvRecord(CheckCells(r, "."));
  return out;
}

std::string CheckLine(const CheckResult& r) {
  auto m = [](double v) { return FixedText(v, 6, "."); };
  std::vector<std::string> fields{kCheckTag, r.measured.name};
  if (OnRoad(r)) {
    fields.push_back(m(r.foot.station.value) +
                     (r.foot.station.occurrence > 0 ? "(" + std::to_string(r.foot.station.occurrence) + ")" : ""));
    fields.push_back(m(r.foot.offset));
  } else {
    fields.insert(fields.end(), {kUnknown, kUnknown});
  }
  if (const auto& c = r.cap) {
    fields.insert(fields.end(), {std::to_string(c->row), m(c->along), m(c->across), c->nearest, m(c->dX), m(c->dY),
                                 m(c->distance), c->over ? "over" : "ok"});
  } else {
    fields.insert(fields.end(), 7, kUnknown);
    fields.push_back(r.farFromCaps ? "far" : kUnknown);
  }
  return TsvRow(fields);
}

}  // namespace capset
