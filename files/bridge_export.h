#pragma once
// The points of a bridge for files: the whole bridge or the bents chosen,
// each point as the neutral ExportPoint every writer takes (its name
// "<bent>-<point>", its bent as the group, what gave it as the role), with
// the bridge it belongs to and its station and offset for the office's CSV.
//
// A point is written only where it was placed: a bent the road does not
// place (or whose axis turns back along the road) gives none, an edge the
// axis does not meet is missing; each of them is counted as left out, so the
// user is told the file is short of them rather than finding out on site.
//
// The point file (.dat) is the log's: "name,code,Y,X,H" east first, three
// decimals, the code empty, H to the millimetre and left empty where the
// point has none (no profile, or off it), never a 0 an instrument would take
// for a height; CR LF. The CSV is UTF-8 with a byte-order mark, CR LF, a
// Chinese header, one row a point: 桥名, 墩台, 点名, 类别, X, Y, H, 桩号,
// 偏距 (X, Y and H to 0.1 mm as the station table writes them, H "-" where
// there is none; the station and offset of the point's own foot on the
// centreline, "-" beyond the road's ends).

#include <string>
#include <vector>

#include "bridge_export_texts.h"
#include "bridge_solve.h"
#include "export_formats.h"
#include "export_point.h"

namespace capset {

struct BridgeFilePoint {
  std::string bridge;
  ExportPoint point;
  bool onRoad = false;  // its foot lies on the road: station and offset hold
  StationRef station{};
  double offset = 0;    // + right of the centreline
  bool operator==(const BridgeFilePoint&) const = default;
};

struct BridgeExport {
  std::vector<BridgeFilePoint> points;  // bridge by bridge, bent by bent, each bent's points in order
  int leftOut = 0;                      // points not placed, so not written
  std::vector<std::string> shortBents;  // the bents those belong to, each as BentWord gives it
};

// A bent of a bridge as one word, where a field names a bent of any
// bridge of the job: "B1/3". Bent names hold no "/", so the last one parts
// the bridge from the bent.
inline std::string BentWord(const std::string& bridge, const std::string& bent) { return bridge + "/" + bent; }

// The bent names of `chosen` that the bridge has not, in their order; none
// when every one is a bent of it.
std::vector<std::string> UnknownBents(const Bridge& bridge, const std::vector<std::string>& chosen);

// The points of a solved bridge, of its bents named in `chosen` (in the
// bridge's order, each once) or of all of them when `chosen` is empty.
// `templates` counts the points of a bent that was not placed.
BridgeExport BridgeExportOf(const Bridge& bridge, const BridgeSolution& solution, const TemplateLookup& templates,
                            const std::vector<std::string>& chosen = {});
// Another bridge's points after these.
void Append(BridgeExport& to, const BridgeExport& from);

// The points alone, as instrument files, polar data and sheets take them.
std::vector<ExportPoint> ExportPointsOf(const BridgeExport& exported);
std::vector<ExportPoint> BridgeExportPoints(const Bridge& bridge, const BridgeSolution& solution,
                                            const std::vector<std::string>& chosen = {});

// The point names given to two points (by two bridges, which may name
// their bents alike): a point file of both would hold two points of a
// name, and the instrument would call up either. Each such name once, in
// the order it first appears, with the bridges that give it (`bridges[i]`
// is point i's).
std::vector<SharedPointName> SharedPointNames(const std::vector<ExportPoint>& points,
                                              const std::vector<std::string>& bridges);
std::vector<SharedPointName> SharedPointNames(const BridgeExport& exported);

// The CSV's headings, and one point's fields under them.
std::vector<std::string> BridgeCsvHeadings();
std::vector<std::string> BridgeCsvFields(const BridgeFilePoint& p);
// A whole file of the points.
std::string BridgeExportText(ExportFormat format, const BridgeExport& exported);
// A point file of any points: one DatLine each, H empty where it has none.
std::string PointFileText(const std::vector<ExportPoint>& points);

}  // namespace capset
