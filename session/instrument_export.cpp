#include "instrument_export.h"

#include <map>
#include <unordered_map>
#include <unordered_set>

#include "bridge_texts.h"
#include "export_formats.h"
#include "file_texts.h"
#include "instrument_texts.h"
#include "log_row.h"
#include "road_cap_texts.h"

namespace capset {
namespace {

// The label each of the log's placed caps takes: CapLabel's, with the row
// number added where caps share one, as the point file names them.
std::vector<std::string> LogLabels(const std::vector<const CapRecord*>& records) {
  std::unordered_map<std::string, int> uses;
  for (const CapRecord* r : records) {
    if (r->Placed()) ++uses[CapLabel(*r)];
  }
  std::unordered_set<std::string> taken;
  for (const auto& [label, count] : uses) taken.insert(label);
  std::vector<std::string> labels;
  for (const CapRecord* r : records) {
    std::string label = CapLabel(*r);
    if (r->Placed() && uses[label] > 1) {
      do {
        label += "_" + std::to_string(r->number);
      } while (!taken.insert(label).second);
    }
    labels.push_back(std::move(label));
  }
  return labels;
}

std::vector<ExportPoint> LogPoints(const std::vector<const CapRecord*>& records) {
  std::vector<ExportPoint> points;
  const std::vector<std::string> labels = LogLabels(records);
  for (std::size_t n = 0; n < records.size(); ++n) {
    const CapRecord& r = *records[n];
    if (!r.Placed()) continue;
    const auto xy = PointsOf(r);
    const auto heights = PointHeightsOf(r);
    for (std::size_t i = 0; i < xy.size(); ++i) {
      points.push_back({labels[n] + "-" + xy[i].first, xy[i].second, heights[i], labels[n], xy[i].first});
    }
  }
  return points;
}

std::vector<const CapRecord*> LogRecords(const CapSession& session) {
  std::vector<const CapRecord*> records;
  for (const CapRecord& r : session.Log().Records()) records.push_back(&r);
  return records;
}

}  // namespace

InstrumentPoints SessionInstrumentPoints(const CapSession& session) {
  InstrumentPoints out;
  if (session.Bridges().empty()) {
    out.points = LogPoints(LogRecords(session));
    out.fromLog = true;
    if (out.points.empty()) out.refusal = kNothingForInstrument;
    return out;
  }
  std::map<std::string, std::vector<std::string>> bridgesOf;  // point name → its bridges
  std::vector<std::string> order;
  for (const Bridge& bridge : session.Bridges()) {
    const std::optional<BridgeSolution> solution = session.SolveBridgeNow(bridge);
    if (!solution) {
      out.refusal = kBridgeNeedsRoad;
      return out;
    }
    for (const BentSolution& bent : solution->bents) {
      if (bent.points.empty()) out.bentsLeftOut.push_back(bridge.name + " " + bent.bent);
      for (const BridgePoint& p : bent.points) {
        const std::string name = p.Name();
        std::vector<std::string>& bridges = bridgesOf[name];
        if (bridges.empty()) order.push_back(name);
        if (bridges.empty() || bridges.back() != bridge.name) bridges.push_back(bridge.name);
        out.points.push_back({name, p.xy, p.height, p.bent, p.point});
      }
    }
  }
  std::vector<SharedPointName> shared;
  for (const std::string& name : order) {
    if (bridgesOf[name].size() > 1) shared.push_back({name, bridgesOf[name]});
  }
  if (!shared.empty()) {
    out.refusal = SharedBridgePointNames(shared);
  } else if (out.points.empty()) {
    out.refusal = kNothingForInstrument;
  }
  return out;
}

std::optional<int> ExportInstrumentFile(CapSession& session, FileStore& store, ErrorReporter& reporter,
                                        const std::string& path, InstrumentFormat format) {
  const std::string formatName = format == InstrumentFormat::kGsi16 ? kGsi16FormatName : kPnezdFormatName;
  const std::string file = FileNameOf(path);
  const InstrumentPoints found = SessionInstrumentPoints(session);
  if (!found.refusal.empty()) {
    reporter.ReportError(InstrumentExportRefused(formatName, file, found.refusal));
    return std::nullopt;
  }
  if (found.fromLog) {
    // Points the program knows to be wrong, and names two caps share, are
    // never written unannounced.
    const std::vector<const CapRecord*> records = LogRecords(session);
    std::vector<int> pastEnd;
    for (const CapRecord* r : records) {
      if (PastSpiralEnd(*r)) pastEnd.push_back(r->number);
    }
    if (!pastEnd.empty() && !session.Prompter().Choose(PastSpiralEndExportQuestion(pastEnd), {kExportAnyway})) {
      return std::nullopt;
    }
    const std::vector<SharedLabel> shared = SharedLabels(records);
    if (!shared.empty() && !session.Prompter().Choose(SharedLabelsQuestion(shared), {kExportWithSuffix})) {
      return std::nullopt;
    }
  }
  const InstrumentText text = InstrumentFileText(format, found.points);
  if (const auto* refused = std::get_if<InstrumentRefusal>(&text)) {
    reporter.ReportError(InstrumentExportRefused(formatName, file, refused->reason));
    return std::nullopt;
  }
  if (const auto failure = store.WriteWhole(path, std::get<std::string>(text))) {
    reporter.ReportError(ExportFailedMessage(path, failure->reason));
    return std::nullopt;
  }
  if (!found.bentsLeftOut.empty()) reporter.ReportNotice(BentsLeftOut(found.bentsLeftOut));
  return static_cast<int>(found.points.size());
}

}  // namespace capset
