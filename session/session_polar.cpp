// The session's instrument station and backsight, and the points whose
// polar set-out data the crew asks for.

#include <algorithm>

#include "cap_session.h"
#include "export_point_lists.h"
#include "polar_texts.h"

namespace capset {

std::optional<std::string> CapSession::SetStation(const InstrumentStation& station) {
  if (backsight_ && !ReadBacksight(station, *backsight_)) {
    return BacksightOnStationText(backsight_->name, station.name);
  }
  station_ = station;
  TellPolarChanged();
  return std::nullopt;
}

std::optional<std::string> CapSession::SetBacksight(const Backsight& backsight) {
  if (station_ && !ReadBacksight(*station_, backsight)) return BacksightOnStationText(backsight.name, station_->name);
  backsight_ = backsight;
  TellPolarChanged();
  return std::nullopt;
}

void CapSession::ReplacePolar(const std::optional<InstrumentStation>& station, const std::optional<Backsight>& backsight) {
  station_ = station;
  backsight_ = backsight;
  TellPolarChanged();
}

void CapSession::TellPolarChanged() {
  for (SessionObserver* o : observers_) o->PolarChanged();
}

std::variant<ExportPoint, std::string> CapSession::BridgePointNamed(const std::string& name) const {
  std::optional<ExportPoint> found;
  std::vector<std::string> holders;
  for (const Bridge& bridge : bridges_) {
    const std::optional<BridgeSolution> solution = SolveBridgeNow(bridge);
    if (!solution) break;  // no road: no bridge has points
    for (const ExportPoint& p : BridgeExportPoints(*solution)) {
      if (p.name != name) continue;
      found = p;
      holders.push_back(bridge.name);
      break;
    }
  }
  if (holders.size() > 1) return BridgePointInManyText(name, holders);
  if (!found) return NoSuchBridgePointText(name);
  return *found;
}

std::optional<std::vector<ExportPoint>> CapSession::PolarPoints(const std::string& bridge) const {
  std::vector<ExportPoint> points;
  if (!bridge.empty()) {
    const Bridge* b = FindBridge(bridge);
    if (b == nullptr) return std::nullopt;
    if (const auto solution = SolveBridgeNow(*b)) points = BridgeExportPoints(*solution);
    return points;
  }
  if (!bridges_.empty()) {
    for (const Bridge& b : bridges_) {
      const auto solution = SolveBridgeNow(b);
      if (!solution) break;
      const std::vector<ExportPoint> more = BridgeExportPoints(*solution);
      points.insert(points.end(), more.begin(), more.end());
    }
    return points;
  }
  std::vector<const CapRecord*> records;
  for (const CapRecord& r : log_.Records()) records.push_back(&r);
  return LogExportPoints(records);
}

}  // namespace capset
