#pragma once
// The log's caps as the neutral ExportPoint every writer takes: the same
// points, names and heights the log's point file writes (export_formats.h):
// "<label>-<role>", the label CapLabel's, with the row number added where
// caps share one; the group the label as written, the role C, L, R, O, I,
// P1, …. A cap not placed, or an edge not solved, gives no point. A row
// made without a profile has no heights (the log's .dat writes 0.000 for
// it, as it always has; nothing else should take 0 for a height).

#include <string>
#include <vector>

#include "cap_record.h"
#include "export_point.h"

namespace capset {

// The label each cap's points take in a file of these records, in their
// order: CapLabel's, with "_" and the row number added where placed caps
// share one (taken again until it is apart from every other).
std::vector<std::string> FileLabels(const std::vector<const CapRecord*>& records);

// One cap's points under `label`, after those already in `out`.
void AppendCapPoints(const CapRecord& record, const std::string& label, std::vector<ExportPoint>& out);

// Every placed cap's points, in the records' order.
std::vector<ExportPoint> LogExportPoints(const std::vector<const CapRecord*>& records);

}  // namespace capset
