#include "job_file_polar.h"

#include "bridge_lines.h"
#include "bridge_texts.h"
#include "job_file_fields.h"
#include "job_file_keys.h"
#include "job_road_texts.h"
#include "marks.h"
#include "number_text.h"
#include "polar_ranges.h"
#include "polar_texts.h"
#include "range_texts.h"

namespace capset {
namespace {

namespace keys = job_keys;
using Json = nlohmann::json;
using Ordered = nlohmann::ordered_json;

class Fields : public JobPartReader {
 public:
  Fields(const char* key, const std::map<std::string, int>& lines) : JobPartReader(JobFileFault::kBadPolar, key, lines) {}

  std::string Name(const Json& object, const std::string& where) {
    const auto at = object.find(keys::kName);
    const std::string field = JobRoadField(where, keys::kName);
    if (at == object.end()) {
      Fail(JobRoadMissing(field));
    } else if (!at->is_string()) {
      Fail(JobBridgeNotAName(field));
    } else if (const auto fault = BlockNameFault(at->get<std::string>())) {
      Fail(field + " " + (*fault == BridgeFault::kBlockWord ? std::string(kPolarNameNotOneWord)
                                                              : BridgeProblemText({*fault, "", at->get<std::string>()})));
    } else {
      return at->get<std::string>();
    }
    return "";
  }
  double Within(const Json& object, const char* key, const std::string& where, FieldRange range) {
    const double value = Number(object, key, where);
    if (!problem() && !capset::Within(value, range)) Fail(JobRoadField(where, key) + NotWithinReason(value, range));
    return value;
  }
  double Azimuth(const Json& object, const char* key, const std::string& where) {
    const double value = Number(object, key, where);
    if (!problem() && !capset::Within(value, kBacksightAzimuthRange)) {
      Fail(JobRoadField(where, key) + Quoted(NumberText(value, ".")) + BeyondRangeText(kBacksightAzimuthRange, "°") +
           "。");
    }
    return value;
  }
};

std::optional<InstrumentStation> ReadStation(Fields& f, const Json& value) {
  const std::string where = kJobStation;
  if (!value.is_object()) {
    f.Fail(JobRoadNotAGroup(where));
    return std::nullopt;
  }
  InstrumentStation s;
  s.name = f.Name(value, where);
  s.xy.X = f.Within(value, keys::kPolarX, where, kCoordinateRange);
  s.xy.Y = f.Within(value, keys::kPolarY, where, kCoordinateRange);
  const bool h = value.contains(keys::kPolarH), hi = value.contains(keys::kPolarHI);
  if (h != hi) f.Fail(where + " " + kHeightWithoutHI);
  if (h && hi) {
    s.height = f.Within(value, keys::kPolarH, where, kMarkHeightRange);
    s.instrumentHeight = f.Within(value, keys::kPolarHI, where, kInstrumentHeightRange);
  }
  if (f.problem()) return std::nullopt;
  return s;
}

std::optional<Backsight> ReadBacksightGroup(Fields& f, const Json& value) {
  const std::string where = kJobBacksight;
  if (!value.is_object()) {
    f.Fail(JobRoadNotAGroup(where));
    return std::nullopt;
  }
  Backsight b;
  const bool point = value.contains(keys::kPolarX) || value.contains(keys::kPolarY);
  const bool azimuth = value.contains(keys::kPolarAzimuth);
  if (point == azimuth) {
    f.Fail(JobBacksightEitherText(where));
    return std::nullopt;
  }
  if (point) {
    b.name = f.Name(value, where);
    b.point = PlanePoint{f.Within(value, keys::kPolarX, where, kCoordinateRange),
                         f.Within(value, keys::kPolarY, where, kCoordinateRange)};
  } else {
    if (value.contains(keys::kName)) b.name = f.Name(value, where);
    b.azimuth = f.Azimuth(value, keys::kPolarAzimuth, where);
    // 360 is north: kept as 0, the one form of an azimuth.
    if (b.azimuth == 360) b.azimuth = 0;
  }
  if (f.problem()) return std::nullopt;
  return b;
}

}  // namespace

Ordered StationJson(const InstrumentStation& station) {
  Ordered out;
  out[keys::kName] = station.name;
  out[keys::kPolarX] = station.xy.X;
  out[keys::kPolarY] = station.xy.Y;
  if (station.height) {
    out[keys::kPolarH] = *station.height;
    out[keys::kPolarHI] = station.instrumentHeight;
  }
  return out;
}

Ordered BacksightJson(const Backsight& backsight) {
  Ordered out;
  if (!backsight.name.empty()) out[keys::kName] = backsight.name;
  if (backsight.point) {
    out[keys::kPolarX] = backsight.point->X;
    out[keys::kPolarY] = backsight.point->Y;
  } else {
    out[keys::kPolarAzimuth] = backsight.azimuth;
  }
  return out;
}

std::variant<JobPolar, JobFileProblem> ReadPolarJson(const Json* station, const Json* backsight,
                                                     const std::map<std::string, int>& lines) {
  JobPolar out;
  if (station) {
    Fields f(keys::kPolarStation, lines);
    out.station = ReadStation(f, *station);
    if (f.problem()) return *f.problem();
  }
  if (backsight) {
    Fields f(keys::kPolarBacksight, lines);
    out.backsight = ReadBacksightGroup(f, *backsight);
    if (f.problem()) return *f.problem();
    // A backsight on the station gives no direction: the crew could not orient on it.
    if (out.station && !ReadBacksight(*out.station, *out.backsight)) {
      f.Fail(BacksightOnStationText(out.backsight->name, out.station->name));
      return *f.problem();
    }
  }
  return out;
}

}  // namespace capset
