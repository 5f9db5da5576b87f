#include "session_sheets.h"

#include "bridge_texts.h"
#include "polar_columns.h"
#include "road_texts.h"
#include "sheet_texts.h"

namespace capset {

std::variant<Sheet, std::string> SessionBentSheet(const CapSession& session, const std::string& bridgeName,
                                                  const std::string& bentName) {
  const Road* road = session.WorkingRoad();
  if (road == nullptr) return session.NoRoadText();
  const Bridge* bridge = session.FindBridge(bridgeName);
  if (bridge == nullptr) return NoSuchBridgeText(bridgeName);
  std::size_t k = 0;
  while (k < bridge->bents.size() && bridge->bents[k].name != bentName) ++k;
  if (k == bridge->bents.size()) return NoSuchBentText(bridge->name, bentName);
  const BridgeSolution solution = *session.SolveBridgeNow(*bridge);
  const BentSolution& bent = solution.bents[k];
  if (bent.fault != RoadCapFault::kNone) {
    const Bent& typed = bridge->bents[k];
    const StationRef station = bent.fault == RoadCapFault::kDesignNotPlaced ? typed.design : typed.station;
    return BentNotSolvedText(bridge->name, bent.bent, bent.fault, bent.placement, KStationText(station),
                             RangeOf(*road));
  }
  if (bent.axisReversed) return BentAxisReversedText(bridge->name, bent.bent);
  const bool heights = session.ProfileSource().has_value();
  return BentSheet({*road, *bridge, k, bent, heights, SessionPolarColumns(session, bent.points)});
}

std::variant<Sheet, std::string> SessionBridgeSheet(const CapSession& session, const std::string& bridgeName) {
  const Road* road = session.WorkingRoad();
  if (road == nullptr) return session.NoRoadText();
  const Bridge* bridge = session.FindBridge(bridgeName);
  if (bridge == nullptr) return NoSuchBridgeText(bridgeName);
  return BridgeSummarySheet(*road, *bridge, *session.SolveBridgeNow(*bridge));
}

}  // namespace capset
