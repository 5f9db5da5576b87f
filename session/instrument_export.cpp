#include "instrument_export.h"

#include "bridge_export_texts.h"
#include "export_formats.h"
#include "file_texts.h"
#include "instrument_texts.h"
#include "log_export_points.h"
#include "log_row.h"
#include "road_cap_texts.h"

namespace capset {
namespace {

std::vector<const CapRecord*> LogRecords(const CapSession& session) {
  std::vector<const CapRecord*> records;
  for (const CapRecord& r : session.Log().Records()) records.push_back(&r);
  return records;
}

}  // namespace

InstrumentPoints SessionInstrumentPoints(const CapSession& session, const std::string& bridge,
                                         const std::vector<std::string>& bents) {
  InstrumentPoints out;
  if (bridge.empty() && session.Bridges().empty()) {
    out.points = LogExportPoints(LogRecords(session));
    out.fromLog = true;
    if (out.points.empty()) out.refusal = kNothingForInstrument;
    return out;
  }
  // The CSV's gathering: the names two bridges share are judged here, in
  // the instruments' words.
  auto made = session.BridgeExportNow(ExportFormat::kCsv, bridge, bents);
  if (std::string* why = std::get_if<std::string>(&made)) {
    out.refusal = std::move(*why);
    return out;
  }
  out.bridges = std::move(std::get<BridgeExport>(made));
  if (const std::vector<SharedPointName> shared = SharedPointNames(out.bridges); !shared.empty()) {
    out.refusal = SharedBridgePointNames(shared);
    return out;
  }
  out.points = ExportPointsOf(out.bridges);
  return out;
}

std::optional<int> ExportInstrumentFile(CapSession& session, FileStore& store, ErrorReporter& reporter,
                                        const std::string& path, InstrumentFormat format, const std::string& bridge,
                                        const std::vector<std::string>& bents) {
  const std::string formatName = format == InstrumentFormat::kGsi16 ? kGsi16FormatName : kPnezdFormatName;
  const std::string file = FileNameOf(path);
  const InstrumentPoints found = SessionInstrumentPoints(session, bridge, bents);
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
  const int written = static_cast<int>(found.points.size());
  if (found.bridges.leftOut > 0) {
    reporter.ReportNotice(PointsLeftOutText(written, found.bridges.leftOut, found.bridges.shortBents));
  }
  return written;
}

}  // namespace capset
