// A bridge's summary: one row a bent, for the office and the foreman.

#include <algorithm>

#include "angle_text.h"
#include "bridge_texts.h"
#include "number_text.h"
#include "cap_session.h"
#include "road_texts.h"
#include "set_out_sheets.h"
#include "sheet_texts.h"

namespace capset {

Sheet BridgeSummarySheet(const Road& road, const Bridge& bridge, const BridgeSolution& solution) {
  Sheet sheet;
  sheet.title = kBridgeSheetTitle;
  sheet.subtitle = {RoadLineOf(road), SheetBridgeText(bridge.name, static_cast<int>(bridge.bents.size()))};
  SheetTable table;
  table.title = kBridgeBentsTitle;
  table.headings = {kBentNameHeading,    kPointStationHeading,   kBentSkewHeading, kBentCentreXHeading,
                    kBentCentreYHeading, kBentPointCountHeading, kBentNotesHeading};
  table.align = {CellAlign::kLeft,  CellAlign::kRight, CellAlign::kRight, CellAlign::kRight,
                 CellAlign::kRight, CellAlign::kRight, CellAlign::kLeft};
  std::vector<std::string> notes;
  for (std::size_t k = 0; k < bridge.bents.size() && k < solution.bents.size(); ++k) {
    const Bent& bent = bridge.bents[k];
    const BentSolution& solved = solution.bents[k];
    std::vector<std::string> row = {bent.name, KStationText(bent.station), DmsText(bent.B, kHundredthsWhereNeeded, ".")};
    const auto centre = std::find_if(solved.points.begin(), solved.points.end(),
                                     [](const BridgePoint& p) { return p.point == "C"; });
    bool bad = false;
    std::string note;
    if (solved.fault != RoadCapFault::kNone) {
      const StationRef station = solved.fault == RoadCapFault::kDesignNotPlaced ? bent.design : bent.station;
      notes.push_back(BentNotSolvedText(bridge.name, bent.name, solved.fault, solved.placement, KStationText(station),
                                        RangeOf(road)));
      bad = true;
    } else if (solved.axisReversed) {
      notes.push_back(BentAxisReversedText(bridge.name, bent.name));
      bad = true;
    } else if (!solved.edges.empty()) {
      note = SheetEdgesMissing(static_cast<int>(solved.edges.size()));
    }
    const bool placed = !bad && centre != solved.points.end();
    row.push_back(placed ? FixedText(centre->xy.X, 3) : "-");
    row.push_back(placed ? FixedText(centre->xy.Y, 3) : "-");
    row.push_back(bad ? "0" : std::to_string(solved.points.size()));
    row.push_back(bad ? kSeeSheetNotes : note);
    table.rows.push_back(std::move(row));
    table.marked.push_back(bad);
  }
  sheet.blocks.emplace_back(std::move(table));
  if (!notes.empty()) sheet.blocks.emplace_back(SheetNotes{kSheetNoticesHeading, notes, true});
  return sheet;
}

}  // namespace capset
