// The road: @road … @end, @road job, @at, @where, @keypoints, @curves,
// @table. Answers are tab-separated with "." whatever the user's locale:
// metres to 6 decimals, azimuths in decimal degrees to 9; a station in a
// 长链 overlap carries the place it stands for, "1390.000000(2)".

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

#include "angle_text.h"
#include "answer_lines.h"
#include "blanks.h"
#include "block_lines.h"
#include "field_ranges.h"
#include "range_texts.h"
#include "number_text.h"
#include "road_lines.h"
#include "road_ranges.h"
#include "road_texts.h"
#include "road_window_texts.h"
#include "script.h"
#include "script_commands.h"
#include "station_table.h"

namespace capset {
namespace {

std::string Metres(double value) { return MetresField(value); }

std::string Azimuth(double degrees) { return DecimalAzimuthText(degrees, 9); }

const char* KindWord(ElementKind kind) {
  switch (kind) {
    case ElementKind::kLine: return "line";
    case ElementKind::kArc: return "arc";
    case ElementKind::kSpiral: return "spiral";
  }
  return "";
}

class RoadCommands {
 public:
  RoadCommands(const CommandTable& table, ScriptContext& context) : table_(table), context_(context) {}

  // "@road" alone opens a block; "@road" with anything but "job" after it
  // is a slip, and the block it opens is read and set aside, the road kept.
  void Block(const std::string& argument, ScriptLines& lines) {
    std::vector<std::string> typed;
    while (std::optional<std::string> line = NextBlockLine(lines, table_)) {
      typed.push_back(std::move(*line));
    }
    if (!argument.empty()) return Message(kRoadUsage);
    const auto read = ReadRoadLines(typed, context_.reader.Symbols());
    if (const auto* problems = std::get_if<std::vector<RoadLineProblem>>(&read)) {
      for (const RoadLineProblem& p : *problems) Message(p.reason);
      return;
    }
    const RoadLines& road = std::get<RoadLines>(read);
    if (const std::optional<RoadProblem> problem = context_.session.SetRoad(road.input)) {
      const int line = LineOf(road, *problem);
      Message(RoadLineMessage(line, line > 0 ? typed[line - 1] : "", RoadProblemText(*problem)));
    }
  }

  void JobRoad() {
    CapSession& session = context_.session;
    if (!session.TypedAnswers()) return Message(kNoStartJobRoad);
    if (const std::optional<RoadProblem> problem = session.StartRoadProblem()) {
      return Message(RoadProblemText(*problem));
    }
    session.ClearRoad();
  }

  void At(const std::string& argument) {
    const std::vector<std::string> words = Words(argument);
    if (words.empty() || words.size() > 2) return Message(kAtUsage);
    const auto station = ReadStationRef(words[0], context_.reader.Symbols());
    if (const auto* problem = std::get_if<StationRefProblem>(&station)) {
      return Message(RoadFieldText("K", words[0], StationRefProblemText(*problem)));
    }
    if (!StationWithin(words[0], "K", std::get<StationRef>(station))) return;
    double offset = 0;
    if (words.size() == 2 && !ReadNumberTo(words[1], kOffsetWord, offset, kOffsetRange)) return;
    const Road* road = Working();
    if (!road) return;
    const Road::StationPoint at = road->AtStation(std::get<StationRef>(station), offset);
    if (!at.point) return Message(PlacementText(words[0], at.placement, RangeOf(*road)));
    const RoadPoint& p = *at.point;
    Print({"AT", words[0], words.size() == 2 ? words[1] : "0", Metres(p.point.X), Metres(p.point.Y),
           Azimuth(p.azimuth), KindWord(p.kind)});
  }

  void Where(const std::string& argument) {
    const std::vector<std::string> words = Words(argument);
    if (words.size() != 2) return Message(kWhereUsage);
    // The point's coordinates are read as the road's own are, in their range.
    double XY[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
      const auto read = ReadRoadCell(words[i], RoadCell::kCoordinate, context_.reader.Symbols());
      if (const std::string* reason = std::get_if<std::string>(&read)) {
        return Message(RoadFieldText(i == 0 ? "X" : "Y", words[i], *reason));
      }
      XY[i] = std::get<double>(read);
    }
    const Road* road = Working();
    if (!road) return;
    const RoadFoot foot = road->Where({XY[0], XY[1]});
    if (foot.status != WhereStatus::kOnRoad) return Message(WhereText(foot, road->length()));
    Print({"WHERE", words[0], words[1], StationField(foot.station), Metres(foot.offset), KindWord(foot.kind)});
  }

  void KeyPoints() {
    const Road* road = Working();
    if (!road) return;
    for (const KeyPoint& key : road->keyPoints()) {
      Print({"KEY", KeyPointName(key), StationField(key.station), Metres(key.point.X), Metres(key.point.Y),
             Azimuth(key.azimuth)});
    }
  }

  void Curves() {
    const Road* road = Working();
    if (!road) return;
    if (road->form() != RoadForm::kIntersections) return Message(kNoCurveTable);
    for (const CurveElements& c : road->curves()) {
      Print({"CURVE", "JD" + std::to_string(c.jd), FixedText(c.turn, 9), Metres(c.T1), Metres(c.T2), Metres(c.L),
             Metres(c.Ly), Metres(c.E), Metres(c.J), Metres(c.p1), Metres(c.q1), Metres(c.p2), Metres(c.q2)});
    }
  }

  void Table(const std::string& argument) {
    const auto rows = TableRows(Words(argument), kTableUsage);
    if (!rows) return;
    for (const StationTableRow& row : *rows) {
      std::vector<std::string> fields{"TABLE", StationField(row.station), Metres(row.offset),
                                      Metres(row.point.point.X), Metres(row.point.point.Y), Azimuth(row.point.azimuth)};
      // The finished surface, when the job has a profile: "-" off it.
      if (row.withHeight) fields.push_back(row.height ? Metres(*row.height) : std::string("-"));
      Print(fields);
    }
  }

  // "csv FILE FROM TO STEP [OFFSET...]"
  void ExportTable(const std::string& argument, const TargetActions& actions) {
    std::vector<std::string> words = Words(argument);
    if (words.size() < 5 || (words[0] != "csv" && words[0] != "dat")) return Message(kExportTableUsage);
    const ExportFormat format = words[0] == "csv" ? ExportFormat::kCsv : ExportFormat::kDat;
    const std::string path = words[1];
    words.erase(words.begin(), words.begin() + 2);
    const auto rows = TableRows(words, kExportTableUsage);
    if (!rows) return;
    actions.exportTable(path, format, *rows);
  }

 public:
  // The table the words ask for (FROM TO STEP [OFFSET…]); `asked`, when
  // given, gets the request as read.
  std::optional<std::vector<StationTableRow>> TableRows(const std::vector<std::string>& words, const char* usage,
                                                        StationTableRequest* asked = nullptr) {
    if (words.size() < 3) {
      Message(usage);
      return std::nullopt;
    }
    StationTableRequest request{};
    for (int i = 0; i < 2; ++i) {
      const auto station = ReadStationRef(words[i], context_.reader.Symbols());
      if (const auto* problem = std::get_if<StationRefProblem>(&station)) {
        Message(RoadFieldText(i == 0 ? "FROM" : "TO", words[i], StationRefProblemText(*problem)));
        return std::nullopt;
      }
      (i == 0 ? request.from : request.to) = std::get<StationRef>(station);
      if (!StationWithin(words[i], i == 0 ? "FROM" : "TO", std::get<StationRef>(station))) return std::nullopt;
    }
    if (!ReadNumberTo(words[2], "STEP", request.step, kStepRange)) return std::nullopt;
    for (std::size_t i = 3; i < words.size(); ++i) {
      double offset = 0;
      if (!ReadNumberTo(words[i], kOffsetWord, offset, kOffsetRange)) return std::nullopt;
      request.offsets.push_back(offset);
    }
    if (asked) *asked = request;
    auto made = context_.session.MakeStationTable(request, words[0], words[1]);
    if (const auto* why = std::get_if<std::string>(&made)) {
      Message(*why);
      return std::nullopt;
    }
    return std::move(std::get<std::vector<StationTableRow>>(made));
  }

 private:
  // A number in its range: an offset or a step of the road's commands.
  bool ReadNumberTo(const std::string& text, const char* field, double& value, const NumberRange& range) {
    const ReadResult read = context_.reader.Read(text);
    if (read.status != ReadResult::Status::kNumber) {
      Message(RoadFieldText(field, text, read.status == ReadResult::Status::kNotNumber ? kRoadNotNumber : kRoadOutOfRange));
      return false;
    }
    // A step of 0 or below is the station table's own refusal.
    if (!InRange(read.value, range) && !(range.low > 0 && read.value <= 0)) {
      Message(RoadFieldText(field, text, RoadRangeText(range, RoadField::kNone)));
      return false;
    }
    value = read.value;
    return true;
  }

  // A station asked of the road lies in the stations' range, or is refused so.
  bool StationWithin(const std::string& typed, const char* field, StationRef station) {
    if (Within(station.value, kStationRange)) return true;
    Message(RoadFieldText(field, typed, RangeReason(kStationRange)));
    return false;
  }

  // The road the caps are solved on; when there is none, says so.
  const Road* Working() {
    const Road* road = context_.session.WorkingRoad();
    if (!road) Message(context_.session.NoRoadText());
    return road;
  }

  void Message(const std::string& text) { context_.out << "MESSAGE " << OneLine(text) << '\n' << std::flush; }

  void Print(const std::vector<std::string>& fields) { PrintFields(context_.out, fields); }

  const CommandTable& table_;
  ScriptContext& context_;
};

}  // namespace

std::optional<std::vector<StationTableRow>> ScriptTableRows(const CommandTable& table, ScriptContext& context,
                                                           const std::vector<std::string>& words, const char* usage,
                                                           StationTableRequest& asked) {
  RoadCommands road(table, context);
  return road.TableRows(words, usage, &asked);
}

void AddRoadCommands(CommandTable& table, const TargetActions& actions, ScriptContext& context) {
  using enum CommandTable::Argument;
  // The commands hold one RoadCommands for the table's life.
  auto road = std::make_shared<RoadCommands>(table, context);
  table.Add(kRoadCommand, kNone, [road](const std::string& a, ScriptLines& lines) { road->Block(a, lines); });
  table.Add(std::string(kRoadCommand) + " job", kNone, [road](const std::string&, ScriptLines&) { road->JobRoad(); });
  table.Add(kAtCommand, kNone, [road](const std::string& a, ScriptLines&) { road->At(a); });
  table.Add(kWhereCommand, kNone, [road](const std::string& a, ScriptLines&) { road->Where(a); });
  table.Add(kKeyPointsCommand, kNone, [road](const std::string&, ScriptLines&) { road->KeyPoints(); });
  table.Add(kCurvesCommand, kNone, [road](const std::string&, ScriptLines&) { road->Curves(); });
  table.Add(kTableCommand, kNone, [road](const std::string& a, ScriptLines&) { road->Table(a); });
  CommandTable::Handler exportTable;
  if (actions.exportTable) {
    exportTable = [road, &actions](const std::string& a, ScriptLines&) { road->ExportTable(a, actions); };
  }
  table.Add(std::string(kExportWord) + " table", kNone, exportTable);
}

}  // namespace capset
