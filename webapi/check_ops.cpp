// The as-built check as the check dialog runs it: measured points pasted
// as lines (name X Y [H]) or a point file's text (CASS .dat, GSI, PNEZD,
// told apart by its name and its bytes), against every cap and bent of the
// job; tolerances in millimetres as the dialog takes them.

#include "check_run.h"
#include "check_table.h"
#include "check_texts.h"
#include "json_writer.h"
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

void WriteRow(JsonWriter& w, const CheckResult& r, const std::vector<std::string>& cells, bool heights) {
  const bool onRoad = r.foot.status == WhereStatus::kOnRoad;
  const auto& c = r.cap;
  const std::optional<double> none;
  const char* flag = c ? (c->over ? "over" : "ok") : r.farFromCaps ? "far" : nullptr;
  const auto text = [&w](const char* key, const char* value) {
    w.Key(key);
    value ? w.String(value) : w.Null();
  };
  w.BeginObject();
  w.Field("name", r.measured.name);
  w.Field("x", r.measured.point.X);
  w.Field("y", r.measured.point.Y);
  w.Field("h", r.measured.H);
  w.Field("station", onRoad ? std::optional(r.foot.station.value) : none);
  w.Field("offset", onRoad ? std::optional(r.foot.offset) : none);
  text("cap", c ? cells[5].c_str() : nullptr);
  text("nearest", c ? c->nearest.c_str() : nullptr);
  const std::string matched = c ? cells[5] + " " + c->nearest : "";
  text("matched", c ? matched.c_str() : nullptr);
  w.Field("dx", c ? std::optional(c->dX) : none);
  w.Field("dy", c ? std::optional(c->dY) : none);
  w.Field("distance", c ? std::optional(c->distance) : none);
  w.Field("dH", c ? c->dH : none);
  text("flag", flag);
  text("heightFlag", c && c->dH ? (c->heightOver ? "over" : "ok") : nullptr);
  w.Field("xText", cells[1]);
  w.Field("yText", cells[2]);
  w.Field("stationText", cells[3]);
  w.Field("offsetText", cells[4]);
  w.Field("dxText", cells[9]);
  w.Field("dyText", cells[10]);
  w.Field("distanceText", cells[11]);
  w.Field("flagText", cells[12]);
  w.Field("hText", heights ? cells[13] : "");
  w.Field("dHText", heights ? cells[15] : "");
  w.Field("heightFlagText", heights ? cells[16] : "");
  w.Key("cells");
  w.BeginArray();
  for (const std::string& cell : cells) w.String(cell);
  w.EndArray();
  w.EndObject();
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
  // Written as text as it is made: a survey may hold thousands of points.
  JsonWriter w(state.rawFields);
  w.Key("rows");
  w.BeginArray();
  for (const CheckResult& r : run.results) WriteRow(w, r, CheckCells(r, ".", heights), heights);
  w.EndArray();
  return Json{{"headings", CheckHeadingsFor(heights)},
              {"summary", SummaryOf(run.results, toleranceMm, heightToleranceMm)},
              {"csv", CheckCsv(run.results)}};
}

}  // namespace

void AddCheckOps(OpTable& ops) { ops["check.run"] = CheckRunOp; }

}  // namespace capset::web
