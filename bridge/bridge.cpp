#include "bridge.h"

#include <unordered_map>

#include "road_texts.h"

namespace capset {

std::vector<BridgeLineProblem> CheckBridge(const Bridge& bridge, const TemplateLookup& templates, const Road* road) {
  if (bridge.bents.empty()) return {{0, "", {BridgeFault::kEmptyBridge}}};
  if (bridge.bents.size() > static_cast<std::size_t>(kMostBents)) return {{0, "", {BridgeFault::kTooManyBents}}};
  std::vector<BridgeLineProblem> problems;
  std::unordered_map<std::string, int> first;
  for (const Bent& bent : bridge.bents) {
    if (const std::optional<BridgeFault> fault = PointNameFault(bent.name)) {
      problems.push_back({bent.line, "", {*fault, "", bent.name}});
    } else if (const auto [at, fresh] = first.emplace(bent.name, bent.line); !fresh) {
      problems.push_back({bent.line, "", {BridgeFault::kBentNameTwice, "", bent.name, at->second}});
    }
    if (!bent.templateName.empty() && templates(bent.templateName) == nullptr) {
      problems.push_back({bent.line, "", {BridgeFault::kNoSuchTemplate, "", bent.templateName}});
    }
    if (road == nullptr) continue;
    Placement centre = road->Place(bent.station);
    if (centre.status != PlaceStatus::kPlaced) {
      problems.push_back({bent.line, "", {BridgeFault::kBentOffRoad, "", KStationText(bent.station), 0, {}, {}, centre}});
    }
    if (bent.axis == CapAxisMode::kParallel) {
      Placement design = road->Place(bent.design);
      if (design.status != PlaceStatus::kPlaced) {
        problems.push_back({bent.line, "", {BridgeFault::kDesignOffRoad, "", KStationText(bent.design), 0, {}, {}, design}});
      }
    }
  }
  return problems;
}

}  // namespace capset
