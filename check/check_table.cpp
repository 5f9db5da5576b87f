#include "check_table.h"

#include <cmath>

#include "check_texts.h"
#include "delimited_lines.h"
#include "number_text.h"
#include "point_height_texts.h"
#include "station_text.h"

namespace capset {
namespace {

constexpr char kCheckTag[] = "CHECK";
constexpr char kUnknown[] = "-";

bool OnRoad(const CheckResult& r) { return r.foot.status == WhereStatus::kOnRoad; }

// The cells of the plan: point, station, cap, deviations and verdict.
std::vector<std::string> PlanCells(const CheckResult& r, const std::string& sep);

}  // namespace

bool AnyMeasuredHeight(const std::vector<CheckResult>& results) {
  for (const CheckResult& r : results) {
    if (r.measured.H) return true;
  }
  return false;
}

std::vector<std::string> CheckHeadingsFor(bool heights) {
  std::vector<std::string> headings = CheckHeadings();
  if (!heights) return headings;
  headings.back() = kCheckPlanVerdictHeading;
  headings.insert(headings.end(), {kCheckMeasuredHeightHeading, kCheckDesignHeightHeading, kCheckHeightHeading,
                                   kCheckHeightVerdictHeading});
  return headings;
}

std::vector<std::string> CheckCells(const CheckResult& r, const std::string& sep, bool heights) {
  std::vector<std::string> cells = PlanCells(r, sep);
  if (!heights) return cells;
  if (r.cap && r.cap->over) cells.back() = kPlanOver;
  cells.push_back(r.measured.H ? FixedText(*r.measured.H, 3, sep) : "");
  if (r.cap && r.cap->dH) {
    cells.push_back(FixedText(*r.measured.H - *r.cap->dH, 3, sep));
    cells.push_back(FixedText(*r.cap->dH * 1000, 1, sep));
    cells.push_back(r.cap->heightOver ? kHeightOver : kCheckOk);
  } else {
    // Measured with a height, but the nearest design point has none.
    cells.insert(cells.end(), {"", "", r.measured.H && r.cap ? kNoDesignHeight : ""});
  }
  return cells;
}

namespace {

std::vector<std::string> PlanCells(const CheckResult& r, const std::string& sep) {
  std::vector<std::string> cells{r.measured.name, FixedText(r.measured.point.X, 3, sep),
                                 FixedText(r.measured.point.Y, 3, sep)};
  if (OnRoad(r)) {
    cells.push_back(RoadStationText(r.foot.station));
    cells.push_back(FixedText(r.foot.offset, 3, sep));
  } else {
    cells.insert(cells.end(), {kCheckOffRoad, ""});
  }
  if (const auto& c = r.cap) {
    cells.insert(cells.end(), {c->bent.empty() ? CheckCapText(c->name, c->row) : c->bent, FixedText(c->along, 3, sep), FixedText(c->across, 3, sep),
                               c->nearest, FixedText(c->dX * 1000, 1, sep), FixedText(c->dY * 1000, 1, sep),
                               FixedText(c->distance * 1000, 1, sep), c->over ? kCheckOver : kCheckOk});
  } else {
    if (r.farFromCaps) cells.push_back(kCheckNoCapNear);
    cells.resize(CheckHeadings().size());
  }
  return cells;
}

}  // namespace

std::string CheckTsv(const std::vector<CheckResult>& results, const std::string& sep) {
  const bool heights = AnyMeasuredHeight(results);
  std::string out;
  out += TsvRow(CheckHeadingsFor(heights)) + "\n";
  for (const CheckResult& r : results) out += TsvRow(CheckCells(r, sep, heights)) + "\n";
  return out;
}

std::string CheckCsv(const std::vector<CheckResult>& results) {
  const bool heights = AnyMeasuredHeight(results);
  std::string out = kUtf8Bom + CsvRecord(CheckHeadingsFor(heights));
  for (const CheckResult& r : results) out += CsvRecord(CheckCells(r, ".", heights));
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
    // A bent of a bridge takes the row's field as one word, "B1/3".
    fields.insert(fields.end(), {c->bent.empty() ? std::to_string(c->row) : c->bent, m(c->along), m(c->across), c->nearest, m(c->dX), m(c->dY),
                                 m(c->distance), c->over ? "over" : "ok"});
  } else {
    fields.insert(fields.end(), 7, kUnknown);
    fields.push_back(r.farFromCaps ? "far" : kUnknown);
  }
  if (r.measured.H) {
    if (r.cap && r.cap->dH) {
      fields.insert(fields.end(), {m(*r.cap->dH), r.cap->heightOver ? "over" : "ok"});
    } else {
      fields.insert(fields.end(), 2, kUnknown);
    }
  }
  return TsvRow(fields);
}

}  // namespace capset
