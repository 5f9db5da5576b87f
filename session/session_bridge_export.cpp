// The points of the job's bridges to a point file or a CSV.

#include <set>

#include "bridge_texts.h"
#include "cap_session.h"
#include "session_files.h"

namespace capset {

std::variant<BridgeExport, std::string> CapSession::BridgeExportNow(ExportFormat format, const std::string& bridge,
                                                                    const std::vector<std::string>& bents) const {
  std::vector<const Bridge*> chosen;
  if (bridge.empty()) {
    if (bridges_.empty()) return std::string(kNoBridges);
    for (const Bridge& b : bridges_) chosen.push_back(&b);
  } else {
    const Bridge* found = FindBridge(bridge);
    if (found == nullptr) return NoSuchBridgeText(bridge);
    if (const std::vector<std::string> unknown = UnknownBents(*found, bents); !unknown.empty()) {
      return UnknownBentsText(bridge, unknown);
    }
    chosen.push_back(found);
  }
  if (WorkingRoad() == nullptr) return NoRoadText();
  BridgeExport exported;
  int bentsAsked = 0;
  for (const Bridge* b : chosen) {
    const BridgeExport one = BridgeExportOf(*b, *SolveBridgeNow(*b), TemplateFinder(), bents);
    bentsAsked += static_cast<int>(bents.empty() ? b->bents.size() : std::set(bents.begin(), bents.end()).size());
    Append(exported, one);
  }
  if (exported.points.empty()) return NoBridgePointPlacedText(bentsAsked);
  if (format == ExportFormat::kDat) {
    if (const std::vector<SharedPointName> shared = SharedPointNames(exported); !shared.empty()) {
      return SharedPointNamesText(shared);
    }
  }
  return exported;
}

std::optional<int> SessionFiles::ExportBridges(const std::string& path, ExportFormat format, const std::string& bridge,
                                               const std::vector<std::string>& bents) {
  auto made = session_.BridgeExportNow(format, bridge, bents);
  if (const std::string* why = std::get_if<std::string>(&made)) {
    reporter_.ReportError(*why);
    return std::nullopt;
  }
  const BridgeExport& exported = std::get<BridgeExport>(made);
  if (const auto failure = store_.WriteWhole(path, BridgeExportText(format, exported))) {
    reporter_.ReportError(ExportFailedMessage(path, failure->reason));
    return std::nullopt;
  }
  const int written = static_cast<int>(exported.points.size());
  if (exported.leftOut > 0) reporter_.ReportNotice(PointsLeftOutText(written, exported.leftOut, exported.shortBents));
  return written;
}

}  // namespace capset
