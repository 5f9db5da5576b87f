// The set-out sheet of one bent: what the crew stakes and the checker signs.

#include <algorithm>

#include "angle_text.h"
#include "bridge_texts.h"
#include "number_text.h"
#include "road_texts.h"
#include "set_out_sheets.h"
#include "sheet_texts.h"

namespace capset {
namespace {

std::string Millimetres(double metres) { return FixedText(metres, 3); }

SheetTable PointsTable(const BentSheetSource& source, std::vector<std::string>& notes) {
  SheetTable table;
  table.title = kBentPointsTitle;
  table.headings = {kPointNameHeading, kPointXHeading, kPointYHeading};
  if (source.heights) table.headings.push_back(kPointHHeading);
  table.headings.push_back(kPointStationHeading);
  table.headings.push_back(kPointOffsetHeading);
  table.align.assign(table.headings.size(), CellAlign::kRight);
  table.align[0] = CellAlign::kLeft;
  if (source.polar) {
    for (const std::string& h : source.polar->headings) {
      table.headings.push_back(h);
      table.align.push_back(CellAlign::kRight);
    }
  }
  for (const BridgePoint& p : source.solution.points) {
    const std::string name = p.Name();
    std::vector<std::string> row = {name, Millimetres(p.xy.X), Millimetres(p.xy.Y)};
    if (source.heights) {
      row.push_back(p.height ? Millimetres(*p.height) : "-");
      if (!p.height) notes.push_back(SheetPointNoHeight(name));
    }
    if (p.status == WhereStatus::kOnRoad) {
      row.push_back(KStationText(p.station));
      row.push_back(Millimetres(p.offset));
    } else {
      row.insert(row.end(), {"-", "-"});
      notes.push_back(SheetPointOffRoad(name));
    }
    if (source.polar) {
      const auto found = source.polar->cells.find(name);
      std::vector<std::string> cells = found != source.polar->cells.end() ? found->second : std::vector<std::string>{};
      cells.resize(source.polar->headings.size());
      row.insert(row.end(), cells.begin(), cells.end());
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace

std::string RoadLineOf(const Road& road) {
  return SheetRoadText(KStationText(road.StationAt(0)), KStationText(road.StationAt(road.length())));
}

SheetSignature SignatureLine() { return {{kSheetSetterField, kSheetCheckerField, kSheetDateField}}; }

Sheet BentSheet(const BentSheetSource& source) {
  const Bent& bent = source.bridge.bents[source.bent];
  const BentSolution& solution = source.solution;
  Sheet sheet;
  sheet.title = kBentSheetTitle;
  sheet.subtitle = {RoadLineOf(source.road),
                    SheetBridgeText(source.bridge.name, static_cast<int>(source.bridge.bents.size())),
                    SheetBentText(bent.name, KStationText(bent.station), DmsText(bent.B, kHundredthsWhereNeeded, "."),
                                  bent.templateName)};
  sheet.blocks.emplace_back(BentPlan(source.road, bent, solution));
  std::vector<std::string> notes;
  for (const auto& [side, problem] : solution.edges) {
    notes.push_back(BentEdgeText(source.bridge.name, bent.name, side, problem));
  }
  if (!source.heights) notes.push_back(kSheetNoProfile);
  sheet.blocks.emplace_back(PointsTable(source, notes));
  if (source.polar) {
    notes.insert(notes.begin(), source.polar->notes.begin(), source.polar->notes.end());
  } else {
    notes.push_back(kSheetNoInstrumentStation);
  }
  sheet.blocks.emplace_back(SheetNotes{kSheetNoticesHeading, notes});
  sheet.blocks.emplace_back(SignatureLine());
  return sheet;
}

}  // namespace capset
