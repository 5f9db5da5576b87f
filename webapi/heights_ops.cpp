// The profile (纵断面) and the cross-section (横断面) as the @profile and
// @xsec lines: a bad line is refused by its number (or the row a fault of
// the whole lies on), and the one before stays.

#include "heights_lines.h"
#include "heights_texts.h"
#include "web_ops.h"

namespace capset::web {
namespace {

Json HeightsAnswer(const WebState& state) {
  return Json{{"profileLines", ProfileLinesJson(state)},
              {"sectionLines", SectionLinesJson(state)},
              {"heightsProblem", HeightsProblemJson(state)}};
}

[[noreturn]] void RefuseLines(const std::vector<RoadLineProblem>& problems) {
  Refusal refusal;
  for (const RoadLineProblem& p : problems) refusal.problems.push_back({p.line, p.reason, {}});
  throw refusal;
}

std::optional<StationRange> Range(const WebState& state) {
  const Road* road = state.session.WorkingRoad();
  return road ? std::optional(RangeOf(*road)) : std::nullopt;
}

Json ProfileSet(WebState& state, const Args& args) {
  const std::vector<std::string> typed = args.Lines("lines");
  const auto read = ReadProfileLines(typed, state.reader.Symbols());
  if (const auto* problems = std::get_if<std::vector<RoadLineProblem>>(&read)) RefuseLines(*problems);
  const ProfileLines& profile = std::get<ProfileLines>(read);
  if (const auto problem = state.session.SetProfile(profile.input)) {
    const int line = LineOf(profile, *problem);
    const std::optional<StationRange> range = Range(state);
    const std::string reason = HeightsProblemText(
        *problem, {&profile.input, &state.session.CrossSectionSource(), range ? &*range : nullptr});
    throw Refusal{{{line, ProfileLineMessage(line, line > 0 ? typed[line - 1] : "", reason + kProfileKept), {}}}};
  }
  state.profileLines.Keep(typed, profile.input);
  return HeightsAnswer(state);
}

Json ProfileClear(WebState& state, const Args&) {
  state.session.ClearProfile();
  return HeightsAnswer(state);
}

Json SectionSet(WebState& state, const Args& args) {
  const std::vector<std::string> typed = args.Lines("lines");
  const auto read = ReadSectionLines(typed, state.reader.Symbols());
  if (const auto* problems = std::get_if<std::vector<RoadLineProblem>>(&read)) RefuseLines(*problems);
  const SectionLines& section = std::get<SectionLines>(read);
  if (const auto problem = state.session.SetCrossSection(section.input)) {
    const int line = LineOf(section, *problem);
    const std::optional<StationRange> range = Range(state);
    const auto& profile = state.session.ProfileSource();
    const std::string reason = HeightsProblemText(
        *problem, {profile ? &*profile : nullptr, &section.input, range ? &*range : nullptr});
    throw Refusal{{{line, SectionLineMessage(line, line > 0 ? typed[line - 1] : "", reason + kSectionKept), {}}}};
  }
  state.sectionLines.Keep(typed, section.input);
  return HeightsAnswer(state);
}

}  // namespace

void AddHeightsOps(OpTable& ops) {
  ops["profile.set"] = ProfileSet;
  ops["profile.clear"] = ProfileClear;
  ops["section.set"] = SectionSet;
}

}  // namespace capset::web
