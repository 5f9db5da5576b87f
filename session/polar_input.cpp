#include "polar_input.h"

#include "angle_text.h"
#include "bridge_lines.h"
#include "bridge_texts.h"
#include "polar_ranges.h"
#include "polar_texts.h"
#include "range_texts.h"
#include "road_texts.h"

namespace capset {
namespace {

// A number in its range, or the reason: "X“abc”不是数值。"
std::variant<double, std::string> ReadField(const std::string& field, const std::string& typed, FieldRange range,
                                            const NumberSymbols& symbols) {
  const ReadResult read = ReadNumber(typed, symbols);
  if (read.status == ReadResult::Status::kNotNumber) return RoadFieldText(field, typed, kRoadNotNumber);
  if (read.status != ReadResult::Status::kNumber || !Within(read.value, range)) {
    return RoadFieldText(field, typed, RangeReason(range));
  }
  return read.value;
}

std::optional<std::string> NameFault(const std::string& what, const std::string& name) {
  const std::optional<BridgeFault> fault = BlockNameFault(name);
  if (!fault) return std::nullopt;
  // A name that is not text is not shown back.
  const std::string shown = *fault == BridgeFault::kWordNotText ? "" : name;
  return what + "点名" + (*fault == BridgeFault::kBlockWord ? std::string(kPolarNameNotOneWord)
                                                          : "：" + BridgeProblemText({*fault, "", shown}));
}

// X and Y as typed, or the named bridge point's.
std::variant<PlanePoint, std::string> ReadPoint(const std::string& name, const std::string& X, const std::string& Y,
                                                const NumberSymbols& symbols, const CapSession& session) {
  if (X.empty() && Y.empty()) {
    auto found = session.BridgePointNamed(name);
    if (auto* why = std::get_if<std::string>(&found)) return *why;
    return std::get<ExportPoint>(found).xy;
  }
  PlanePoint p{};
  auto x = ReadField("X", X, kCoordinateRange, symbols);
  if (auto* why = std::get_if<std::string>(&x)) return *why;
  auto y = ReadField("Y", Y, kCoordinateRange, symbols);
  if (auto* why = std::get_if<std::string>(&y)) return *why;
  p.X = std::get<double>(x);
  p.Y = std::get<double>(y);
  return p;
}

}  // namespace

std::variant<InstrumentStation, std::string> ReadStationFields(const StationFields& fields, const NumberSymbols& symbols,
                                                               const CapSession& session) {
  if (auto why = NameFault(kStationWord, fields.name)) return *why;
  InstrumentStation station;
  station.name = fields.name;
  auto xy = ReadPoint(fields.name, fields.X, fields.Y, symbols, session);
  if (auto* why = std::get_if<std::string>(&xy)) return *why;
  station.xy = std::get<PlanePoint>(xy);
  if (fields.H.empty() != fields.HI.empty()) return std::string(kHeightWithoutHI);
  if (!fields.H.empty()) {
    auto h = ReadField("H", fields.H, kMarkHeightRange, symbols);
    if (auto* why = std::get_if<std::string>(&h)) return *why;
    auto hi = ReadField("HI", fields.HI, kInstrumentHeightRange, symbols);
    if (auto* why = std::get_if<std::string>(&hi)) return *why;
    station.height = std::get<double>(h);
    station.instrumentHeight = std::get<double>(hi);
  }
  return station;
}

std::variant<Backsight, std::string> ReadBacksightFields(const BacksightFields& fields, const NumberSymbols& symbols,
                                                         const CapSession& session) {
  Backsight backsight;
  if (!fields.azimuth.empty()) {
    const ReadResult read = ReadNumber(fields.azimuth, symbols);
    if (read.status == ReadResult::Status::kNotNumber) {
      return RoadFieldText(kBacksightAzimuthWord, fields.azimuth, kRoadNotNumber);
    }
    // A typed 45.75 is a slip of the keys, not 46°15′: a crew orients on it.
    if (read.status == ReadResult::Status::kNumber && read.value >= 0 && PackedAngleSlip(read.value)) {
      return RoadFieldText(kBacksightAzimuthWord, fields.azimuth, kPackedSlip);
    }
    const double degrees = read.status == ReadResult::Status::kNumber && !DmsFault(read.value) ? DmsToDegrees(read.value) : -1;
    if (!Within(degrees, kBacksightAzimuthRange)) {
      return RoadFieldText(kBacksightAzimuthWord, fields.azimuth,
                           BeyondRangeText(kBacksightAzimuthRange, "°") + "。");
    }
    backsight.azimuth = degrees == 360 ? 0 : degrees;
    return backsight;
  }
  if (auto why = NameFault(kBacksightWord, fields.name)) return *why;
  backsight.name = fields.name;
  auto xy = ReadPoint(fields.name, fields.X, fields.Y, symbols, session);
  if (auto* why = std::get_if<std::string>(&xy)) return *why;
  backsight.point = std::get<PlanePoint>(xy);
  return backsight;
}

}  // namespace capset
