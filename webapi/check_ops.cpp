// The as-built check as the check dialog runs it: measured points pasted
// as lines (name X Y [H]) or a point file's text (CASS .dat, GSI, PNEZD,
// told apart by its name and its bytes), against every cap and bent of the
// job; tolerances in millimetres as the dialog takes them.

#include "check_run.h"
#include "check_table.h"
#include "check_texts.h"
#include "measured_points.h"
#include "number_chars.h"
#include "number_text.h"
#include "point_file_reading.h"
#include "point_height_texts.h"
#include "web_ops.h"

namespace capset::web {
namespace {

constexpr double kDefaultToleranceMm = kDefaultCheckTolerance * 1000;
constexpr double kDefaultHeightToleranceMm = kDefaultHeightTolerance * 1000;

double ToleranceMm(const WebState& state, const Args& args, const char* key, double fallback, const char* label) {
  const std::optional<std::string> typed = args.OptionalTyped(key);
  if (!typed) return fallback;
  const auto read = ReadTolerance(*typed, state.reader.Symbols(), 0.001, "mm");
  if (const auto* reason = std::get_if<std::string>(&read)) RefuseWhole(label ? std::string(label) + "：" + *reason : *reason);
  return std::get<double>(read);
}

Json Number(const std::optional<double>& value) { return value ? Json(*value) : Json(); }

Json RowJson(const CheckResult& r, const std::vector<std::string>& cells, bool heights) {
  const bool onRoad = r.foot.status == WhereStatus::kOnRoad;
  const auto& c = r.cap;
  const char* flag = c ? (c->over ? "over" : "ok") : r.farFromCaps ? "far" : nullptr;
  Json row{{"name", r.measured.name},
           {"x", r.measured.point.X},
           {"y", r.measured.point.Y},
           {"h", Number(r.measured.H)},
           {"station", onRoad ? Json(r.foot.station.value) : Json()},
           {"offset", onRoad ? Json(r.foot.offset) : Json()},
           {"cap", c ? Json(cells[5]) : Json()},
           {"nearest", c ? Json(c->nearest) : Json()},
           {"matched", c ? Json(cells[5] + " " + c->nearest) : Json()},
           {"dx", c ? Json(c->dX) : Json()},
           {"dy", c ? Json(c->dY) : Json()},
           {"distance", c ? Json(c->distance) : Json()},
           {"dH", c ? Number(c->dH) : Json()},
           {"flag", flag ? Json(flag) : Json()},
           {"heightFlag", c && c->dH ? Json(c->heightOver ? "over" : "ok") : Json()},
           {"xText", cells[1]},
           {"yText", cells[2]},
           {"stationText", cells[3]},
           {"offsetText", cells[4]},
           {"dxText", cells[9]},
           {"dyText", cells[10]},
           {"distanceText", cells[11]},
           {"flagText", cells[12]},
           {"hText", heights ? cells[13] : ""},
           {"dHText", heights ? cells[15] : ""},
           {"heightFlagText", heights ? cells[16] : ""},
           {"cells", cells}};
  return row;
}

Json CheckRunOp(WebState& state, const Args& args) {
  const std::string text = args.Text("text");
  const std::optional<std::string> fileName = args.OptionalText("fileName");
  std::vector<MeasuredPoint> points;
  if (fileName) {
    // The bytes a file of that name holds, read as the dialog reads a file.
    const std::string shown = FileNameOf(*fileName);
    state.store.Put(shown, text);
    MeasuredFile read = ReadMeasuredFile(state.store, shown, shown);
    if (!read.error.empty()) RefuseWhole(read.error);
    if (!read.notice.empty()) state.reporter.ReportNotice(read.notice);
    points = std::move(read.points);
  } else {
    PointsReading read = ReadTypedPoints(text, state.reader.Symbols());
    if (const auto* problems = std::get_if<std::vector<std::string>>(&read)) {
      RefuseWhole(CheckPointsRejected(*problems, kMaxListedCheckProblems));
    }
    points = std::move(std::get<std::vector<MeasuredPoint>>(read));
  }
  const double toleranceMm = ToleranceMm(state, args, "tolerance", kDefaultToleranceMm, nullptr);
  const double heightToleranceMm =
      ToleranceMm(state, args, "heightTolerance", kDefaultHeightToleranceMm, kHeightToleranceLabel);
  CheckRun run = state.session.Check(points, toleranceMm / 1000, heightToleranceMm / 1000);
  if (!run.error.empty()) RefuseWhole(run.error);
  if (!run.notice.empty()) state.reporter.ReportNotice(run.notice);
  const bool heights = AnyMeasuredHeight(run.results);
  Json rows = Json::array();
  for (const CheckResult& r : run.results) rows.push_back(RowJson(r, CheckCells(r, ".", heights), heights));
  return Json{{"rows", std::move(rows)},
              {"headings", CheckHeadingsFor(heights)},
              {"summary", SummaryOf(run.results, toleranceMm, heightToleranceMm)},
              {"csv", CheckCsv(run.results)}};
}

}  // namespace

void AddCheckOps(OpTable& ops) { ops["check.run"] = CheckRunOp; }

}  // namespace capset::web
