// The road: road.set (the road block's lines), road.clear, and the road's
// summary every answer about the road gives.

#include <algorithm>
#include <cmath>

#include "angle_text.h"
#include "input_lines.h"
#include "road_lines.h"
#include "road_texts.h"
#include "station_text.h"
#include "web_ops.h"

namespace capset::web {
namespace {

// The plan's centreline: every element's ends, and points between them at
// most kPlanStep apart, unless the road is so long that kMostPlanPoints
// would not hold them: then evenly over each element within that budget.
constexpr double kPlanStep = 5;
constexpr std::size_t kMostPlanPoints = 20000;

Json PlanCentre(const Road& road) {
  Json centre = Json::array();
  const std::vector<RoadElement>& elements = road.elements();
  const auto add = [&](double distance) {
    if (const std::optional<RoadPoint> at = road.At(distance)) centre.push_back(XY(at->point));
  };
  if (elements.size() + 1 > kMostPlanPoints) {
    // Far more elements than a road has: the budget spread over its length.
    for (std::size_t i = 0; i < kMostPlanPoints; ++i) {
      add(road.length() * static_cast<double>(i) / static_cast<double>(kMostPlanPoints - 1));
    }
    return centre;
  }
  const double between = static_cast<double>(kMostPlanPoints - elements.size() - 1);
  const double step = std::max(kPlanStep, road.length() / std::max(between, 1.0));
  add(0);
  for (const RoadElement& e : elements) {
    const double pieces = std::max(1.0, std::ceil(e.length / step));
    const auto count = static_cast<long long>(pieces);
    for (long long i = 1; i < count; ++i) add(e.start + e.length * static_cast<double>(i) / pieces);
    add(e.start + e.length);
  }
  return centre;
}

const char* FormName(RoadForm form) {
  switch (form) {
    case RoadForm::kIntersections: return "jd";
    case RoadForm::kElements: return "elements";
    case RoadForm::kJob: return "job";
  }
  return "";
}

Json RoadSet(WebState& state, const Args& args) {
  const std::vector<std::string> typed = args.Lines("lines");
  const auto read = ReadRoadLines(typed, state.reader.Symbols());
  Refusal refusal;
  if (const auto* problems = std::get_if<std::vector<RoadLineProblem>>(&read)) {
    for (const RoadLineProblem& p : *problems) refusal.problems.push_back({p.line, p.reason, {}});
    throw refusal;
  }
  const RoadLines& road = std::get<RoadLines>(read);
  if (const std::optional<RoadProblem> problem = state.session.SetRoad(road.input)) {
    const int line = LineOf(road, *problem);
    refusal.problems.push_back(
        {line, RoadLineMessage(line, line > 0 ? typed[line - 1] : "", RoadProblemText(*problem)), {}});
    throw refusal;
  }
  state.roadLines.Keep(typed, road.input);
  return Json{{"road", RoadSummary(state)}};
}

Json RoadClear(WebState& state, const Args&) {
  state.session.ClearRoad();
  return Json{{"road", RoadSummary(state)}};
}

}  // namespace

const char* ElementWord(ElementKind kind) {
  switch (kind) {
    case ElementKind::kLine: return "line";
    case ElementKind::kArc: return "arc";
    case ElementKind::kSpiral: return "spiral";
  }
  return "";
}

Json StationJson(double station) { return Json{{"station", station}, {"stationText", RoadStationText(station)}}; }

Json RoadSummary(const WebState& state) {
  const Road* road = state.session.WorkingRoad();
  if (road == nullptr) return nullptr;
  Json lines = Json::array();
  if (const std::optional<RoadInput>& input = state.session.RoadSource()) {
    lines = state.roadLines.For(*input, RoadInputLines);
  }
  Json keys = Json::array();
  for (const KeyPoint& key : road->keyPoints()) {
    keys.push_back(Json{{"name", KeyPointName(key)},
                        {"station", key.station.value},
                        {"stationText", RoadStationText(key.station)},
                        {"x", key.point.X},
                        {"y", key.point.Y},
                        {"azimuth", key.azimuth},
                        {"azimuthText", AzimuthText(key.azimuth)}});
  }
  return Json{{"form", FormName(road->form())},
              {"lines", std::move(lines)},
              {"start", StationJson(road->firstStation())},
              {"end", StationJson(road->lastStation())},
              {"keyPoints", std::move(keys)},
              {"plan", Json{{"centre", PlanCentre(*road)}}}};
}

void AddRoadOps(OpTable& ops) {
  ops["road.set"] = RoadSet;
  ops["road.clear"] = RoadClear;
}

}  // namespace capset::web
