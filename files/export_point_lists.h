#pragma once
// The points of a bridge, or of the log, in the one neutral form files,
// polar data and sheets take (export_point.h), named as the point files
// name them.

#include <vector>

#include "bridge_solve.h"
#include "cap_record.h"
#include "export_point.h"

namespace capset {

// Every point of every bent solved, in the bents' order, named
// `<bent>-<point>` ("3-Z1"), grouped by its bent, its role the point's own
// name ("Z1", "C"). A bent not solved gives none.
std::vector<ExportPoint> BridgeExportPoints(const BridgeSolution& solution);

// Every point of the placed caps among `records`, named as the point file
// names them ("3-C", "K1+050-L", "3_8-C" where two caps share a label),
// grouped by the cap's label, its role "C", "L", "R", "O", "I", "P1"…; a
// point's height as its row was made with it.
std::vector<ExportPoint> LogExportPoints(const std::vector<const CapRecord*>& records);

}  // namespace capset
