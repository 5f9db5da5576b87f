#pragma once
// The session's points written as an instrument's own file (GSI-16 or
// PNEZD): the bridges' points, solved now on the working road (every
// bridge's, or one bridge's chosen bents), or the log's caps when the job
// has no bridge. The file is written whole or not at all; a refusal or a
// failure is reported naming the file and the reason, and the old file
// stays.

#include <optional>
#include <string>
#include <vector>

#include "bridge_export.h"
#include "cap_session.h"
#include "export_point.h"
#include "file_store.h"
#include "instrument_files.h"
#include "seam.h"

namespace capset {

// What the file gets, or why nothing.
struct InstrumentPoints {
  std::vector<ExportPoint> points;
  std::string refusal;  // not empty: nothing is written
  bool fromLog = false;
  BridgeExport bridges;  // what was left out of the bridges, to be told
};

// The points of BridgeExportNow (`bridge` and `bents` as it takes them),
// refused when two bridges would give one point name; with no bridge asked
// and none in the job, the log's caps as its point file names them.
InstrumentPoints SessionInstrumentPoints(const CapSession& session, const std::string& bridge = {},
                                         const std::vector<std::string>& bents = {});

// Writes them to `path`; how many points were written, or nothing, with a
// report. The log's caps past the spiral's end and caps that share a
// label are asked about first, as the point file's export asks; points of
// a bridge left out (not placed) are told after.
std::optional<int> ExportInstrumentFile(CapSession& session, FileStore& store, ErrorReporter& reporter,
                                        const std::string& path, InstrumentFormat format,
                                        const std::string& bridge = {}, const std::vector<std::string>& bents = {});

}  // namespace capset
