#pragma once
// The session's points written as an instrument's own file (GSI-16 or
// PNEZD): every bridge's points, solved now on the working road, or the
// log's caps when the job has no bridge. The file is written whole or not
// at all; a refusal or a failure is reported naming the file and the
// reason, and the old file stays.

#include <optional>
#include <string>
#include <vector>

#include "cap_session.h"
#include "export_point.h"
#include "file_store.h"
#include "instrument_files.h"
#include "seam.h"

namespace capset {

// The points a file gets, or why none.
struct InstrumentPoints {
  std::vector<ExportPoint> points;
  std::vector<std::string> bentsLeftOut;  // "bridge bent": placed nowhere, so not in the file
  std::string refusal;                    // not empty: nothing is written
  bool fromLog = false;
};

// Every bridge's points, bridge by bridge and bent by bent, each named
// "<bent>-<point>" with its bent as the group and its point as the role;
// refused when there is no road, or when two bridges would give one name.
// Without a bridge, the log's caps as its point file names them.
InstrumentPoints SessionInstrumentPoints(const CapSession& session);

// Writes them to `path`; how many points were written, or nothing, with a
// report. The log's caps past the spiral's end and caps that share a
// label are asked about first, as the point file's export asks.
std::optional<int> ExportInstrumentFile(CapSession& session, FileStore& store, ErrorReporter& reporter,
                                        const std::string& path, InstrumentFormat format);

}  // namespace capset
