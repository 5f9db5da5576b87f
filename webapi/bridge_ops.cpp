// Templates and bridges: listed, set from the lines the script's @template
// and @bridge blocks take, removed; and the points of a bridge's bents,
// with polar data once the instrument station and backsight are set.

#include "bent_points.h"
#include "bridge_lines.h"
#include "bridge_page_texts.h"
#include "bridge_texts.h"
#include "input_lines.h"
#include "json_writer.h"
#include "number_text.h"
#include "polar_table.h"
#include "ready_templates.h"
#include "road_cap_texts.h"
#include "sheet_texts.h"
#include "station_text.h"
#include "web_ops.h"
#include "web_texts.h"

namespace capset::web {
namespace {

constexpr char kTemplateCommand[] = "@template";
constexpr char kBridgeCommand[] = "@bridge";

// The lines kept for `name`, or written from `now`.
template <typename Made, typename Write>
std::vector<std::string> LinesOf(const std::map<std::string, TypedLines<Made>, std::less<>>& kept,
                                 const std::string& name, const Made& now, Write write) {
  const auto typed = kept.find(name);
  return typed == kept.end() ? write(now) : typed->second.For(now, write);
}

Json TemplateJson(const SubstructureTemplate& tmpl, bool ready, const std::vector<std::string>& lines) {
  Json points = Json::array();
  for (const TemplatePoint& p : ExpandTemplate(tmpl)) {
    points.push_back(Json{{"name", p.name}, {"u", p.u}, {"v", p.v}, {"depth", p.depth ? Json(*p.depth) : Json()}});
  }
  return Json{{"name", tmpl.name}, {"ready", ready}, {"lines", lines}, {"points", std::move(points)}};
}

Json TemplatesList(WebState& state, const Args&) {
  Json list = Json::array();
  for (const ReadyTemplate& r : ReadyTemplates()) list.push_back(TemplateJson(r.tmpl, true, TemplateLines(r.tmpl)));
  for (const SubstructureTemplate& t : state.session.Templates()) {
    list.push_back(TemplateJson(t, false, LinesOf(state.templateLines, t.name, t, TemplateLines)));
  }
  return Json{{"templates", std::move(list)}};
}

// A name refused as a block's name is shown back only when it is text.
std::string Shown(const std::string& name, BridgeFault fault) { return fault == BridgeFault::kWordNotText ? "" : name; }

// The problem with its line as typed, for the message that quotes it.
BridgeLineProblem WithText(BridgeLineProblem p, const std::vector<std::string>& typed) {
  if (p.line > 0 && p.line <= static_cast<int>(typed.size())) p.text = typed[p.line - 1];
  return p;
}

Json TemplateSet(WebState& state, const Args& args) {
  const std::string name = args.Text("name");
  const std::vector<std::string> typed = args.Lines("lines");
  if (const std::optional<BridgeFault> fault = BlockNameFault(name)) {
    RefuseWhole(TemplateLineMessage(Shown(name, *fault), {0, "", {*fault, kTemplateCommand, name}}));
  }
  CapSession& session = state.session;
  const auto read = ReadTemplateLines(name, typed, state.reader.Symbols(), session.TemplateFinder());
  Refusal refusal;
  if (const auto* problems = std::get_if<std::vector<BridgeLineProblem>>(&read)) {
    for (const BridgeLineProblem& p : *problems) refusal.problems.push_back({p.line, TemplateLineMessage(name, p), {}});
    throw refusal;
  }
  const SubstructureTemplate& made = std::get<SubstructureTemplate>(read);
  for (const BridgeLineProblem& p : session.SetTemplate(made)) {
    refusal.problems.push_back({p.line, TemplateLineMessage(name, WithText(p, typed)), {}});
  }
  if (!refusal.problems.empty()) throw refusal;
  state.templateLines[name].Keep(typed, made);
  return TemplatesList(state, args);
}

Json TemplateRemove(WebState& state, const Args& args) {
  const std::string name = args.Text("name");
  CapSession& session = state.session;
  const auto& own = session.Templates();
  if (std::none_of(own.begin(), own.end(), [&](const SubstructureTemplate& t) { return t.name == name; })) {
    const bool ready = std::any_of(ReadyTemplates().begin(), ReadyTemplates().end(),
                                   [&](const ReadyTemplate& r) { return r.tmpl.name == name; });
    RefuseWhole(ready ? ReadyTemplateStaysText(name) : NoSuchTemplateText(name));
  }
  const std::vector<std::pair<std::string, std::string>> users = session.RemoveTemplate(name);
  if (!users.empty()) {
    Refusal refusal{{{0, TemplateInUseText(name, users.front().first, users.front().second), {}}}};
    Json usedBy = Json::array();
    for (const auto& user : users) usedBy.push_back(Json{{"bridge", user.first}, {"bent", user.second}});
    refusal.details["usedBy"] = std::move(usedBy);
    throw refusal;
  }
  return TemplatesList(state, args);
}

Json BridgesList(WebState& state, const Args&) {
  Json list = Json::array();
  for (const Bridge& b : state.session.Bridges()) {
    list.push_back(Json{{"name", b.name}, {"lines", LinesOf(state.bridgeLines, b.name, b, BridgeLines)}});
  }
  return Json{{"bridges", std::move(list)}};
}

Json BridgeSet(WebState& state, const Args& args) {
  const std::string name = args.Text("name");
  const std::vector<std::string> typed = args.Lines("lines");
  if (const std::optional<BridgeFault> fault = BlockNameFault(name)) {
    RefuseWhole(BridgeLineMessage(Shown(name, *fault), {0, "", {*fault, kBridgeCommand, name}}));
  }
  CapSession& session = state.session;
  const auto read = ReadBridgeLines(name, typed, state.reader.Symbols());
  Refusal refusal;
  if (const auto* problems = std::get_if<std::vector<BridgeLineProblem>>(&read)) {
    for (const BridgeLineProblem& p : *problems) refusal.problems.push_back({p.line, BridgeLineMessage(name, p), {}});
    throw refusal;
  }
  const Road* road = session.WorkingRoad();
  const std::optional<StationRange> range = road ? std::optional(RangeOf(*road)) : std::nullopt;
  const Bridge& made = std::get<Bridge>(read);
  for (const BridgeLineProblem& p : session.SetBridge(made)) {
    refusal.problems.push_back({p.line, BridgeLineMessage(name, WithText(p, typed), range), {}});
  }
  if (!refusal.problems.empty()) throw refusal;
  state.bridgeLines[name].Keep(typed, made);
  return BridgesList(state, args);
}

Json BridgeRemove(WebState& state, const Args& args) {
  const std::string name = args.Text("name");
  if (!state.session.RemoveBridge(name)) RefuseWhole(NoSuchBridgeText(name));
  return BridgesList(state, args);
}

const char* RoleOf(const BridgePoint& p) {
  if (p.point == "C") return "centre";
  if (p.point == "L" || p.point == "R") return "edge";
  return "template";
}

// A station and a backsight that gives it a direction.
bool PolarSet(const CapSession& session) {
  const auto& station = session.Station();
  const auto& backsight = session.StationBacksight();
  return station && backsight && ReadBacksight(*station, *backsight).has_value();
}

// The polar data of a bent's points, when a station and a backsight are
// set and the backsight gives a direction: the cells the bridge page adds.
std::optional<std::vector<std::vector<std::string>>> PolarCellsOf(const CapSession& session, const BentSolution& bent) {
  const auto& station = session.Station();
  const auto& backsight = session.StationBacksight();
  if (!station || !backsight) return std::nullopt;
  const std::optional<BacksightReading> b = ReadBacksight(*station, *backsight);
  if (!b) return std::nullopt;
  std::vector<ExportPoint> points;
  for (const BridgePoint& p : bent.points) points.push_back({p.Name(), p.xy, p.height, p.bent, p.point});
  std::vector<std::vector<std::string>> cells;
  for (const PolarRow& row : PolarRows(*station, b->azimuth, points)) {
    cells.push_back(PolarCells(row, station->height.has_value(), "."));
  }
  return cells;
}

// The element's word for the name the table gives it: the table has found
// the foot's element already, and a bridge has thousands of points.
const char* ElementOf(const std::string& name) {
  for (ElementKind kind : {ElementKind::kLine, ElementKind::kArc, ElementKind::kSpiral}) {
    if (name == ElementName(kind)) return ElementWord(kind);
  }
  return nullptr;
}

void WritePoint(JsonWriter& w, const BridgePoint& p, const std::array<std::string, kPointColumns>& row,
                const std::vector<std::string>* polar) {
  const bool onRoad = p.status == WhereStatus::kOnRoad;
  const std::optional<double> none;
  w.BeginObject();
  w.Field("name", p.Name());
  w.Field("bent", p.bent);
  w.Field("item", p.item);
  w.Field("role", RoleOf(p));
  w.Field("x", p.xy.X);
  w.Field("y", p.xy.Y);
  w.Field("h", p.height);
  w.Field("station", onRoad ? std::optional(p.station.value) : none);
  w.Field("offset", onRoad ? std::optional(p.offset) : none);
  w.Key("element");
  if (const char* element = onRoad ? ElementOf(row[6]) : nullptr) {
    w.String(element);
  } else {
    w.Null();
  }
  w.Field("xText", row[1]);
  w.Field("yText", row[2]);
  w.Field("hText", p.height ? row[3] : "");
  w.Field("stationText", row[4]);
  w.Field("offsetText", row[5]);
  w.Field("elementText", row[6]);
  if (polar != nullptr) {
    const bool heights = polar->size() > 4;
    w.Field("azimuthText", (*polar)[1]);
    w.Field("distanceText", (*polar)[2]);
    w.Field("turnText", (*polar)[3]);
    w.Field("dHText", heights && p.height ? (*polar)[4] : "");
    w.Field("zenithText", heights && p.height ? (*polar)[5] : "");
  }
  w.EndObject();
}

// Written as text as it is made: a bridge of a hundred bents has thousands
// of points of twenty fields each.
Json BridgePoints(WebState& state, const Args& args) {
  const std::string name = args.Text("bridge");
  const std::optional<std::string> only = args.OptionalText("bent");
  CapSession& session = state.session;
  const Bridge* bridge = session.FindBridge(name);
  if (bridge == nullptr) RefuseWhole(NoSuchBridgeText(name));
  if (only && std::none_of(bridge->bents.begin(), bridge->bents.end(), [&](const Bent& b) { return b.name == *only; })) {
    RefuseWhole(NoSuchBentText(name, *only));
  }
  const Road* road = session.WorkingRoad();
  if (road == nullptr) RefuseWhole(kBridgeNeedsRoad);
  const BridgeSolution solution = *session.SolveBridgeNow(*bridge);
  const bool polar = PolarSet(session);
  JsonWriter w(state.rawFields);
  w.Key("bents");
  w.BeginArray();
  for (std::size_t k = 0; k < solution.bents.size() && k < bridge->bents.size(); ++k) {
    const Bent& typed = bridge->bents[k];
    if (only && typed.name != *only) continue;
    const BentSolution& bent = solution.bents[k];
    const BentPointsTable table = MakeBentPointsTable(name, typed, bent, *road, ".");
    const auto cells = bent.Solved() && polar ? PolarCellsOf(session, bent) : std::nullopt;
    std::string notice;
    for (const std::string& n : table.notices) notice += (notice.empty() ? "" : "\n") + n;
    w.BeginObject();
    w.Field("name", typed.name);
    w.Field("stationText", RoadStationText(typed.station));
    w.Key("notice");
    notice.empty() ? w.Null() : w.String(notice);
    w.Key("points");
    w.BeginArray();
    for (std::size_t i = 0; i < bent.points.size() && i < table.rows.size(); ++i) {
      WritePoint(w, bent.points[i], table.rows[i], cells ? &(*cells)[i] : nullptr);
    }
    w.EndArray();
    w.EndObject();
  }
  w.EndArray();
  return Json{{"polar", polar}};
}

}  // namespace

void AddBridgeOps(OpTable& ops) {
  ops["templates.list"] = TemplatesList;
  ops["template.set"] = TemplateSet;
  ops["template.remove"] = TemplateRemove;
  ops["bridges.list"] = BridgesList;
  ops["bridge.set"] = BridgeSet;
  ops["bridge.remove"] = BridgeRemove;
  ops["bridge.points"] = BridgePoints;
}

}  // namespace capset::web
