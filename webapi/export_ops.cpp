// The bridges' points as the desktop's files: .dat and CSV (导出桥梁点位),
// GSI-16 and PNEZD (the instrument's files), byte for byte the desktop's,
// for the page to download. What is left out (bents the road does not
// place) is told in the notices, as the desktop tells it.

#include "file_texts.h"
#include "instrument_export.h"
#include "web_ops.h"
#include "web_texts.h"

namespace capset::web {
namespace {

struct FormatRow {
  const char* word;
  const char* mime;
};

// The job's name without its ending: the base of a file named for it.
std::string JobBase(const WebState& state) {
  std::string base = FileNameOf(state.jobName);
  const std::size_t dot = base.rfind('.');
  return dot == std::string::npos || dot == 0 ? base : base.substr(0, dot);
}

// A file's bytes that are not UTF-8 cannot travel as JSON text unchanged.
bool IsUtf8(const std::string& bytes) {
  try {
    (void)Json(bytes).dump();
    return true;
  } catch (const Json::type_error&) {
    return false;
  }
}

std::string Base64(const std::string& bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    unsigned v = 0;
    for (std::size_t k = 0; k < 3; ++k) v = v << 8 | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    for (std::size_t k = 0; k < 4; ++k) out += k <= n ? kDigits[(v >> (18 - 6 * k)) & 63] : '=';
  }
  return out;
}

Json Export(WebState& state, const Args& args) {
  const std::string format = args.Text("format");
  const std::string bridge = args.OptionalText("bridge").value_or("");
  const std::vector<std::string> bents = args.TypedList("bents");
  const bool unnamed = state.jobName == kJobFileName;
  std::string name, mime;
  bool written = false;
  if (format == "dat" || format == "csv") {
    const bool csv = format == "csv";
    name = unnamed ? std::string(kBridgeExportFileName) : JobBase(state) + "-bridge.csv";
    if (!csv) name = name.substr(0, name.size() - 4) + ".dat";
    mime = csv ? "text/csv" : "text/plain";
    written = state.files.ExportBridges(name, csv ? ExportFormat::kCsv : ExportFormat::kDat, bridge, bents).has_value();
  } else if (format == "gsi" || format == "pnezd") {
    const bool gsi = format == "gsi";
    name = (unnamed ? std::string("points") : JobBase(state)) + (gsi ? ".gsi" : ".csv");
    mime = gsi ? "text/plain" : "text/csv";
    written = ExportInstrumentFile(state.session, state.store, state.reporter, name,
                                   gsi ? InstrumentFormat::kGsi16 : InstrumentFormat::kPnezd, bridge, bents)
                  .has_value();
  } else {
    throw RequestFault{RequestExportFormatText(format)};
  }
  if (!written) {
    state.RefuseIfReported();
    RefuseWhole(kNothingToExport);
  }
  const std::string bytes = state.store.Take(name).value_or("");
  Json answer{{"fileName", name}, {"mime", mime}};
  if (IsUtf8(bytes)) {
    answer["text"] = bytes;
  } else {
    answer["text"] = nullptr;
    answer["base64"] = Base64(bytes);
  }
  return answer;
}

}  // namespace

void AddExportOps(OpTable& ops) { ops["export"] = Export; }

}  // namespace capset::web
