// Heights: @profile … @end, @xsec … @end, @z, @vcurves. Answers are
// tab-separated with "." whatever the user's locale: metres and percents to
// 6 decimals, stations as the road's commands print them.

#include <memory>
#include <optional>

#include "answer_lines.h"
#include "block_lines.h"
#include "blanks.h"
#include "field_ranges.h"
#include "heights_lines.h"
#include "heights_texts.h"
#include "range_texts.h"
#include "road.h"
#include "road_window_texts.h"
#include "script.h"
#include "script_commands.h"
#include "table_stations.h"

namespace capset {
namespace {

constexpr char kProfileCommand[] = "@profile";
constexpr char kSectionCommand[] = "@xsec";
constexpr char kZCommand[] = "@z";
constexpr char kVcurvesCommand[] = "@vcurves";

// Metres and percents alike to 6 decimals.
std::string Fixed6(double value) { return MetresField(value); }

class HeightsCommands {
 public:
  HeightsCommands(const CommandTable& table, ScriptContext& context) : table_(table), context_(context) {}

  void Profile(const std::string& argument, ScriptLines& lines) {
    const std::vector<std::string> typed = BlockLines(lines);
    if (!argument.empty()) return Message(kProfileUsage);
    const auto read = ReadProfileLines(typed, context_.reader.Symbols());
    if (const auto* problems = std::get_if<std::vector<RoadLineProblem>>(&read)) return Tell(*problems);
    const ProfileLines& profile = std::get<ProfileLines>(read);
    if (const auto problem = context_.session.SetProfile(profile.input)) {
      const int line = LineOf(profile, *problem);
      const StationRange range = Range();
      const std::string reason =
          HeightsProblemText(*problem, {&profile.input, &context_.session.CrossSectionSource(), Road() ? &range : nullptr});
      Message(ProfileLineMessage(line, line > 0 ? typed[line - 1] : "", reason + kProfileKept));
    }
  }

  void Section(const std::string& argument, ScriptLines& lines) {
    const std::vector<std::string> typed = BlockLines(lines);
    if (!argument.empty()) return Message(kSectionUsage);
    const auto read = ReadSectionLines(typed, context_.reader.Symbols());
    if (const auto* problems = std::get_if<std::vector<RoadLineProblem>>(&read)) return Tell(*problems);
    const SectionLines& section = std::get<SectionLines>(read);
    if (const auto problem = context_.session.SetCrossSection(section.input)) {
      const int line = LineOf(section, *problem);
      const StationRange range = Range();
      const auto& profile = context_.session.ProfileSource();
      const std::string reason = HeightsProblemText(
          *problem, {profile ? &*profile : nullptr, &section.input, Road() ? &range : nullptr});
      Message(SectionLineMessage(line, line > 0 ? typed[line - 1] : "", reason + kSectionKept));
    }
  }

  void Z(const std::string& argument) {
    const std::vector<std::string> words = Words(argument);
    if (words.empty() || words.size() > 2) return Message(kZUsage);
    const auto read = ReadStationRef(words[0], context_.reader.Symbols());
    if (const auto* problem = std::get_if<StationRefProblem>(&read)) {
      return Message(RoadFieldText("K", words[0], StationRefProblemText(*problem)));
    }
    const StationRef station = std::get<StationRef>(read);
    if (!Within(station.value, kStationRange)) return Message(RoadFieldText("K", words[0], RangeReason(kStationRange)));
    double offset = 0;
    if (words.size() == 2) {
      const ReadResult number = context_.reader.Read(words[1]);
      if (number.status != ReadResult::Status::kNumber) {
        return Message(RoadFieldText(kOffsetWord, words[1],
                                     number.status == ReadResult::Status::kNotNumber ? kRoadNotNumber : kRoadOutOfRange));
      }
      if (!Within(number.value, kOffsetRange)) return Message(RoadFieldText(kOffsetWord, words[1], RangeReason(kOffsetRange)));
      offset = number.value;
    }
    const RoadHeights* heights = Heights();
    if (!heights) return;
    double distance = station.value;
    if (const class Road* road = Road()) {
      // Placed as the profile's own rows are, so a station beyond the road
      // is told by the profile's ends.
      const auto along = TableDistance(*road, station);
      if (const auto* placement = std::get_if<Placement>(&along)) {
        return Message(PlacementText(words[0], *placement, Range()));
      }
      distance = std::get<double>(along);
    }
    const auto at = heights->At(distance, offset);
    if (const auto* problem = std::get_if<ProfileProblem>(&at)) {
      const auto& rows = context_.session.ProfileSource()->rows;
      return Message(problem->fault == ProfileFault::kBeforeStart ? NoHeightBeforeText(words[0], rows.front().station)
                                                                  : NoHeightAfterText(words[0], rows.back().station));
    }
    const PointHeight& h = std::get<PointHeight>(at);
    Print({"Z", words[0], words.size() == 2 ? words[1] : "", Fixed6(h.elevation), Fixed6(h.grade * 100),
           Fixed6(h.section.left), Fixed6(h.section.right)});
  }

  void Vcurves(const std::string& argument) {
    if (!argument.empty()) return Message(kVcurvesUsage);
    const RoadHeights* heights = Heights();
    if (!heights) return;
    const std::vector<VerticalCurveElements> curves = heights->profile().Curves();
    if (curves.empty()) return Message(kNoVerticalCurves);
    for (const VerticalCurveElements& c : curves) {
      Print({"VCURVE", std::to_string(c.row), StationField(StationOf(c.pvi.distance)), Fixed6(c.pvi.elevation),
             Fixed6(c.grade1 * 100), Fixed6(c.grade2 * 100), Fixed6(c.omega * 100), c.crest ? "crest" : "sag",
             c.radius ? Fixed6(*c.radius) : "-", Fixed6(c.length), c.tangent ? Fixed6(*c.tangent) : "-",
             Fixed6(c.external), StationField(StationOf(c.bvc.distance)), Fixed6(c.bvc.elevation),
             StationField(StationOf(c.evc.distance)), Fixed6(c.evc.elevation)});
    }
  }

 private:
  std::vector<std::string> BlockLines(ScriptLines& lines) {
    std::vector<std::string> typed;
    while (std::optional<std::string> line = NextBlockLine(lines, table_)) typed.push_back(std::move(*line));
    return typed;
  }

  const class Road* Road() const { return context_.session.WorkingRoad(); }

  StationRange Range() const {
    const class Road* road = Road();
    return road ? RangeOf(*road) : StationRange{0, 0, {}};
  }

  StationRef StationOf(double distance) const {
    const class Road* road = Road();
    return road ? road->StationAt(distance) : StationRef{distance};
  }

  // The job's heights; when there are none, says why.
  const RoadHeights* Heights() {
    const CapSession& session = context_.session;
    if (const RoadHeights* heights = session.Heights()) return heights;
    if (!session.ProfileSource()) {
      Message(kNoProfile);
    } else if (const auto& problem = session.HeightsProblemNow()) {
      const StationRange range = Range();
      Message(ProfileNotOnRoadText(HeightsProblemText(
          *problem, {&*session.ProfileSource(), &session.CrossSectionSource(), Road() ? &range : nullptr})));
    } else {
      Message(kNoProfile);
    }
    return nullptr;
  }

  void Tell(const std::vector<RoadLineProblem>& problems) {
    for (const RoadLineProblem& p : problems) Message(p.reason);
  }

  void Message(const std::string& text) { context_.out << "MESSAGE " << OneLine(text) << '\n' << std::flush; }

  void Print(const std::vector<std::string>& fields) { PrintFields(context_.out, fields); }

  const CommandTable& table_;
  ScriptContext& context_;
};

}  // namespace

void AddHeightsCommands(CommandTable& table, ScriptContext& context) {
  using enum CommandTable::Argument;
  auto heights = std::make_shared<HeightsCommands>(table, context);
  table.Add(kProfileCommand, kNone, [heights](const std::string& a, ScriptLines& lines) { heights->Profile(a, lines); });
  table.Add(kSectionCommand, kNone, [heights](const std::string& a, ScriptLines& lines) { heights->Section(a, lines); });
  table.Add(kZCommand, kNone, [heights](const std::string& a, ScriptLines&) { heights->Z(a); });
  table.Add(kVcurvesCommand, kNone, [heights](const std::string& a, ScriptLines&) { heights->Vcurves(a); });
}

}  // namespace capset
