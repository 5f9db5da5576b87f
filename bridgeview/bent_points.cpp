#include "bent_points.h"

#include "bridge_page_texts.h"
#include "bridge_texts.h"
#include "cap_session.h"
#include "number_text.h"
#include "road_cap_texts.h"
#include "road_texts.h"
#include "station_text.h"

namespace capset {
namespace {

constexpr const char* kHeadings[kPointColumns] = {kPointNameHeader,    kPointXHeader,      kPointYHeader,
                                                  kPointHHeader,       kPointStationHeader, kPointOffsetHeader,
                                                  kPointElementHeader};

}  // namespace

const char* PointColumnHeading(PointColumn column) { return kHeadings[static_cast<int>(column)]; }

BentPointsTable MakeBentPointsTable(const std::string& bridge, const Bent& bent, const BentSolution& solution,
                                    const Road& road, const std::string& sep) {
  BentPointsTable table;
  if (solution.fault != RoadCapFault::kNone) {
    const StationRef station = solution.fault == RoadCapFault::kDesignNotPlaced ? bent.design : bent.station;
    table.notices.push_back(
        BentNotSolvedText(bridge, bent.name, solution.fault, solution.placement, KStationText(station), RangeOf(road)));
    return table;
  }
  if (solution.axisReversed) {
    table.notices.push_back(BentAxisReversedText(bridge, bent.name));
    return table;
  }
  for (const auto& [side, problem] : solution.edges) table.notices.push_back(BentEdgeText(bridge, bent.name, side, problem));
  table.rows.reserve(solution.points.size());
  for (const BridgePoint& p : solution.points) {
    std::array<std::string, kPointColumns> row;
    row[0] = p.Name();
    row[1] = FixedText(p.xy.X, 3, sep);
    row[2] = FixedText(p.xy.Y, 3, sep);
    row[3] = p.height ? FixedText(*p.height, 3, sep) : "-";
    if (p.status == WhereStatus::kOnRoad) {
      row[4] = RoadStationText(p.station);
      if (sep != ".") {
        const std::size_t dot = row[4].rfind('.');
        if (dot != std::string::npos) row[4].replace(dot, 1, sep);
      }
      row[5] = FixedText(p.offset, 3, sep);
      const std::optional<RoadPoint> foot = road.At(p.distance);
      row[6] = foot ? ElementName(foot->kind) : "";
    } else {
      RoadFoot foot{};
      foot.status = p.status;
      foot.distance = p.distance;
      foot.offset = p.offset;
      row[4] = WhereText(foot, road.length());
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace capset
