// What the page asks to draw everything again: about, and state (after a
// job is opened, or at any time).

#include "angle_text.h"
#include "heights_texts.h"
#include "input_lines.h"
#include "number_text.h"
#include "ready_templates.h"
#include "web_ops.h"

#ifndef CAPSET_VERSION
#define CAPSET_VERSION "0"
#endif

namespace capset::web {
namespace {

Json About(WebState&, const Args&) {
  Json ready = Json::array();
  for (const ReadyTemplate& r : ReadyTemplates()) ready.push_back(r.tmpl.name);
  return Json{{"version", CAPSET_VERSION}, {"readyTemplates", std::move(ready)}};
}

Json State(WebState& state, const Args&) { return StateAnswer(state); }

}  // namespace

Json ProfileLinesJson(const WebState& state) {
  const std::optional<ProfileInput>& input = state.session.ProfileSource();
  if (!input) return nullptr;
  return state.profileLines.For(*input, ProfileInputLines);
}

Json SectionLinesJson(const WebState& state) {
  const CrossSectionInput& input = state.session.CrossSectionSource();
  return state.sectionLines.For(input, SectionInputLines);
}

Json PolarJson(const WebState& state) {
  Json station = nullptr, backsight = nullptr;
  if (const auto& s = state.session.Station()) {
    station = Json{{"name", s->name},
                   {"x", s->xy.X},
                   {"y", s->xy.Y},
                   {"h", s->height ? Json(*s->height) : Json()},
                   {"hi", s->height ? Json(s->instrumentHeight) : Json()},
                   {"xText", FixedText(s->xy.X, 3)},
                   {"yText", FixedText(s->xy.Y, 3)},
                   {"hText", s->height ? FixedText(*s->height, 3) : ""},
                   {"hiText", s->height ? FixedText(s->instrumentHeight, 3) : ""}};
  }
  if (const auto& b = state.session.StationBacksight()) {
    if (b->point) {
      backsight = Json{{"name", b->name},
                       {"x", b->point->X},
                       {"y", b->point->Y},
                       {"xText", FixedText(b->point->X, 3)},
                       {"yText", FixedText(b->point->Y, 3)}};
    } else {
      backsight = Json{{"azimuth", b->azimuth}, {"azimuthText", AzimuthText(b->azimuth)}};
    }
  }
  return Json{{"station", std::move(station)}, {"backsight", std::move(backsight)}};
}

Json HeightsProblemJson(const WebState& state) {
  const CapSession& session = state.session;
  const std::optional<HeightsProblem>& problem = session.HeightsProblemNow();
  if (!problem || !session.ProfileSource()) return nullptr;
  const Road* road = session.WorkingRoad();
  const std::optional<StationRange> range = road ? std::optional(RangeOf(*road)) : std::nullopt;
  return ProfileNotOnRoadText(HeightsProblemText(
      *problem, {&*session.ProfileSource(), &session.CrossSectionSource(), range ? &*range : nullptr}));
}

Json StateAnswer(const WebState& state) {
  const CapSession& session = state.session;
  Json templates = Json::array();
  for (const ReadyTemplate& r : ReadyTemplates()) templates.push_back(Json{{"name", r.tmpl.name}, {"ready", true}});
  for (const SubstructureTemplate& t : session.Templates()) templates.push_back(Json{{"name", t.name}, {"ready", false}});
  Json bridges = Json::array();
  for (const Bridge& b : session.Bridges()) bridges.push_back(b.name);
  Json answer{{"road", RoadSummary(state)},
              {"profileLines", ProfileLinesJson(state)},
              {"sectionLines", SectionLinesJson(state)},
              {"heightsProblem", HeightsProblemJson(state)},
              {"templates", std::move(templates)},
              {"bridges", std::move(bridges)}};
  Json polar = PolarJson(state);
  for (auto& [key, value] : polar.items()) answer[key] = std::move(value);
  answer["jobName"] = state.jobName;
  answer["modified"] = state.files.Modified();
  return answer;
}

void AddStateOps(OpTable& ops) {
  ops["about"] = About;
  ops["state"] = State;
}

}  // namespace capset::web
