// Questions of the road: the point at a station and offset (road.at), and
// the 逐桩坐标表 (station.table). Fields come as typed and are read and
// refused as the script's @at and @table read them.

#include "angle_text.h"
#include "field_ranges.h"
#include "json_writer.h"
#include "range_texts.h"
#include "number_text.h"
#include "road_cap_texts.h"
#include "road_ranges.h"
#include "road_texts.h"
#include "road_window_texts.h"
#include "station_ref_reading.h"
#include "station_text.h"
#include "web_ops.h"

namespace capset::web {
namespace {

const Road& WorkingRoad(const WebState& state) {
  const Road* road = state.session.WorkingRoad();
  if (road == nullptr) RefuseWhole(state.session.NoRoadText());
  return *road;
}

StationRef ReadStation(const WebState& state, const std::string& typed, const char* field) {
  const auto station = ReadStationRef(typed, state.reader.Symbols());
  if (const auto* problem = std::get_if<StationRefProblem>(&station)) {
    RefuseWhole(RoadFieldText(field, typed, StationRefProblemText(*problem)));
  }
  const StationRef ref = std::get<StationRef>(station);
  if (!Within(ref.value, kStationRange)) RefuseWhole(RoadFieldText(field, typed, RangeReason(kStationRange)));
  return ref;
}

// A number of the road's questions (an offset, a step) in its range.
double ReadNumberIn(const WebState& state, const std::string& typed, const char* field, const NumberRange& range) {
  const ReadResult read = state.reader.Read(typed);
  if (read.status != ReadResult::Status::kNumber) {
    RefuseWhole(RoadFieldText(field, typed,
                              read.status == ReadResult::Status::kNotNumber ? kRoadNotNumber : kRoadOutOfRange));
  }
  // A step of 0 or below is the station table's own refusal.
  if (!InRange(read.value, range) && !(range.low > 0 && read.value <= 0)) {
    RefuseWhole(RoadFieldText(field, typed, RoadRangeText(range, RoadField::kNone)));
  }
  return read.value;
}

Json RoadAt(WebState& state, const Args& args) {
  const std::string typed = args.Typed("station");
  const StationRef station = ReadStation(state, typed, "K");
  const std::optional<std::string> offsetTyped = args.OptionalTyped("offset");
  const double offset = offsetTyped ? ReadNumberIn(state, *offsetTyped, kOffsetWord, kOffsetRange) : 0;
  const Road& road = WorkingRoad(state);
  const Road::StationPoint at = road.AtStation(station, offset);
  if (!at.point) RefuseWhole(PlacementText(typed, at.placement, RangeOf(road)));
  const RoadPoint& p = *at.point;
  return Json{{"station", station.value},
              {"stationText", RoadStationText(station)},
              {"offset", offset},
              {"x", p.point.X},
              {"y", p.point.Y},
              {"azimuth", p.azimuth},
              {"element", ElementWord(p.kind)},
              {"xText", FixedText(p.point.X, 3)},
              {"yText", FixedText(p.point.Y, 3)},
              {"offsetText", FixedText(offset, 3)},
              {"azimuthText", AzimuthText(p.azimuth)},
              {"elementText", ElementName(p.kind)}};
}

Json StationTable(WebState& state, const Args& args) {
  const std::string from = args.Typed("from"), to = args.Typed("to");
  StationTableRequest request{};
  request.from = ReadStation(state, from, "FROM");
  request.to = ReadStation(state, to, "TO");
  request.step = ReadNumberIn(state, args.Typed("step"), "STEP", kStepRange);
  for (const std::string& offset : args.TypedList("offsets")) {
    request.offsets.push_back(ReadNumberIn(state, offset, kOffsetWord, kOffsetRange));
  }
  auto made = state.session.MakeStationTable(request, from, to);
  if (const auto* why = std::get_if<std::string>(&made)) RefuseWhole(*why);
  // Written as text as it is made: a table has up to tens of thousands of rows.
  JsonWriter w(state.rawFields);
  w.Key("rows");
  w.BeginArray();
  for (const StationTableRow& row : std::get<std::vector<StationTableRow>>(made)) {
    const RoadPoint& p = row.point;
    w.BeginObject();
    w.Field("station", row.station.value);
    w.Field("stationText", RoadStationText(row.station));
    w.Field("offset", row.offset);
    w.Field("key", row.key);
    w.Field("x", p.point.X);
    w.Field("y", p.point.Y);
    w.Field("azimuth", p.azimuth);
    w.Field("h", row.height);
    w.Field("element", ElementWord(p.kind));
    w.Field("offsetText", FixedText(row.offset, 3));
    w.Field("xText", FixedText(p.point.X, 3));
    w.Field("yText", FixedText(p.point.Y, 3));
    w.Field("azimuthText", AzimuthText(p.azimuth));
    w.Field("hText", row.height ? FixedText(*row.height, 3) : "");
    w.Field("elementText", ElementName(p.kind));
    w.EndObject();
  }
  w.EndArray();
  return Json::object();
}

}  // namespace

void AddQueryOps(OpTable& ops) {
  ops["road.at"] = RoadAt;
  ops["station.table"] = StationTable;
}

}  // namespace capset::web
