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
  // Without a road no bridge has points: say that, not that the point is unknown.
  if (!bridges_.empty() && WorkingRoad() == nullptr) return NoRoadText();
  std::optional<ExportPoint> found;
  std::vector<std::string> holders;
  for (const Bridge& bridge : bridges_) {
    const std::optional<BridgeSolution> solution = SolveBridgeNow(bridge);
    if (!solution) break;
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

std::optional<CapSession::PolarPointList> CapSession::PolarPoints(const std::string& bridge) const {
  PolarPointList list;
  std::vector<const Bridge*> chosen;
  if (!bridge.empty()) {
    const Bridge* b = FindBridge(bridge);
    if (b == nullptr) return std::nullopt;
    chosen.push_back(b);
  } else {
    for (const Bridge& b : bridges_) chosen.push_back(&b);
  }
  if (chosen.empty()) {
    std::vector<const CapRecord*> records;
    for (const CapRecord& r : log_.Records()) records.push_back(&r);
    list.points = LogExportPoints(records);
    return list;
  }
  for (const Bridge* b : chosen) {
    const std::optional<BridgeSolution> solution = SolveBridgeNow(*b);
    if (!solution) return list;  // no road: the caller says so
    for (const BentSolution& bent : solution->bents) {
      if (!bent.Solved()) list.unsolved.emplace_back(b->name, bent.bent);
    }
    const std::vector<ExportPoint> more = BridgeExportPoints(*solution);
    list.points.insert(list.points.end(), more.begin(), more.end());
  }
  return list;
}

}  // namespace capset
