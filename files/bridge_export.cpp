#include "bridge_export.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "bridge_export_texts.h"
#include "delimited_lines.h"
#include "log_texts.h"
#include "number_text.h"
#include "station_text.h"

namespace capset {
namespace {

bool Chosen(const std::unordered_set<std::string>& chosen, const std::string& bent) {
  return chosen.empty() || chosen.contains(bent);
}

// The points a bent would give when placed: its centre, its edges when it
// asks for them, its template's.
int PointsAsked(const Bent& bent, const TemplateLookup& templates) {
  long long count = 1 + (bent.left && bent.right ? 2 : 0);
  if (!bent.templateName.empty() && templates) {
    if (const SubstructureTemplate* t = templates(bent.templateName)) count += PointCount(*t);
  }
  return static_cast<int>(std::min<long long>(count, 1 << 30));
}

}  // namespace

std::vector<std::string> UnknownBents(const Bridge& bridge, const std::vector<std::string>& chosen) {
  std::unordered_set<std::string> names;
  for (const Bent& b : bridge.bents) names.insert(b.name);
  std::vector<std::string> unknown;
  for (const std::string& name : chosen) {
    if (!names.contains(name) && std::find(unknown.begin(), unknown.end(), name) == unknown.end()) {
      unknown.push_back(name);
    }
  }
  return unknown;
}

BridgeExport BridgeExportOf(const Bridge& bridge, const BridgeSolution& solution, const TemplateLookup& templates,
                            const std::vector<std::string>& chosen) {
  const std::unordered_set<std::string> wanted(chosen.begin(), chosen.end());
  BridgeExport out;
  for (std::size_t k = 0; k < solution.bents.size(); ++k) {
    const BentSolution& bent = solution.bents[k];
    if (!Chosen(wanted, bent.bent)) continue;
    if (!bent.Solved()) {
      if (k < bridge.bents.size()) out.leftOut += PointsAsked(bridge.bents[k], templates);
      out.shortBents.push_back(BentWord(bridge.name, bent.bent));
      continue;
    }
    if (!bent.edges.empty()) {
      out.leftOut += static_cast<int>(bent.edges.size());
      out.shortBents.push_back(BentWord(bridge.name, bent.bent));
    }
    for (const BridgePoint& p : bent.points) {
      const bool onRoad = p.status == WhereStatus::kOnRoad;
      out.points.push_back({bridge.name,
                            {p.Name(), p.xy, p.height, p.bent, p.item},
                            onRoad,
                            onRoad ? p.station : StationRef{},
                            onRoad ? p.offset : 0});
    }
  }
  return out;
}

void Append(BridgeExport& to, const BridgeExport& from) {
  to.points.insert(to.points.end(), from.points.begin(), from.points.end());
  to.leftOut += from.leftOut;
  to.shortBents.insert(to.shortBents.end(), from.shortBents.begin(), from.shortBents.end());
}

std::vector<ExportPoint> ExportPointsOf(const BridgeExport& exported) {
  std::vector<ExportPoint> points;
  points.reserve(exported.points.size());
  for (const BridgeFilePoint& p : exported.points) points.push_back(p.point);
  return points;
}

std::vector<ExportPoint> BridgeExportPoints(const Bridge& bridge, const BridgeSolution& solution,
                                            const std::vector<std::string>& chosen) {
  return ExportPointsOf(BridgeExportOf(bridge, solution, nullptr, chosen));
}

std::vector<SharedPointName> SharedPointNames(const std::vector<ExportPoint>& points,
                                              const std::vector<std::string>& bridges) {
  std::unordered_map<std::string, std::size_t> at;
  std::vector<SharedPointName> names;
  std::vector<int> counts;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const std::string bridge = i < bridges.size() ? bridges[i] : std::string();
    const auto [it, fresh] = at.emplace(points[i].name, names.size());
    if (fresh) {
      names.push_back({points[i].name, {bridge}});
      counts.push_back(1);
      continue;
    }
    ++counts[it->second];
    std::vector<std::string>& of = names[it->second].bridges;
    if (std::find(of.begin(), of.end(), bridge) == of.end()) of.push_back(bridge);
  }
  std::vector<SharedPointName> shared;
  for (std::size_t n = 0; n < names.size(); ++n) {
    if (counts[n] > 1) shared.push_back(std::move(names[n]));
  }
  return shared;
}

std::vector<SharedPointName> SharedPointNames(const BridgeExport& exported) {
  std::vector<std::string> bridges;
  bridges.reserve(exported.points.size());
  for (const BridgeFilePoint& p : exported.points) bridges.push_back(p.bridge);
  return SharedPointNames(ExportPointsOf(exported), bridges);
}

std::vector<std::string> BridgeCsvHeadings() {
  return {std::begin(kBridgeCsvHeadings), std::end(kBridgeCsvHeadings)};
}

std::vector<std::string> BridgeCsvFields(const BridgeFilePoint& p) {
  const ExportPoint& e = p.point;
  return {p.bridge,
          e.group,
          e.name,
          e.role,
          FixedText(e.xy.X, 4),
          FixedText(e.xy.Y, 4),
          e.height ? FixedText(*e.height, 4) : std::string(kNoValue),
          p.onRoad ? RoadStationText(p.station) : std::string(kNoValue),
          p.onRoad ? FixedText(p.offset, 3) : std::string(kNoValue)};
}

std::string BridgeExportText(ExportFormat format, const BridgeExport& exported) {
  if (format == ExportFormat::kDat) return PointFileText(ExportPointsOf(exported));
  std::string out = kUtf8Bom;
  out += CsvRecord(BridgeCsvHeadings());
  for (const BridgeFilePoint& p : exported.points) out += CsvRecord(BridgeCsvFields(p));
  return out;
}

std::string PointFileText(const std::vector<ExportPoint>& points) {
  std::string out;
  for (const ExportPoint& p : points) out += DatLine(p.name, "", p.xy, p.height);
  return out;
}

}  // namespace capset
