#pragma once
// The sheets a crew prints, made from what the session solved: a set-out
// sheet per bent, a bridge's summary, the 逐桩坐标表 and the as-built
// check's report. Numbers are written as the tables on the screen write
// them (metres to the millimetre, stations as the drawings print them).

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "as_built_check.h"
#include "bridge_solve.h"
#include "sheet.h"
#include "station_table.h"

namespace capset {

// Polar set-out data from an instrument station, as extra columns of a
// bent's points table: the headings, and the cells of each point by its
// name ("3-Z1"); a point without cells gets blanks. `notes` (the station,
// the backsight and its check) stand under the table.
struct PolarColumns {
  std::vector<std::string> headings;
  std::map<std::string, std::vector<std::string>> cells;
  std::vector<std::string> notes;
};

struct BentSheetSource {
  const Road& road;
  const Bridge& bridge;
  std::size_t bent;               // index in bridge.bents and in the solution's bents
  const BentSolution& solution;   // a solved bent (Solved())
  bool heights;                   // the job has a profile
  std::optional<PolarColumns> polar = std::nullopt;  // none: no instrument station set
};

Sheet BentSheet(const BentSheetSource& source);
// The plan of a bent: the centreline and road-bed edges about it, its axis
// and its points, in world coordinates.
SheetPlan BentPlan(const Road& road, const Bent& bent, const BentSolution& solution);

Sheet BridgeSummarySheet(const Road& road, const Bridge& bridge, const BridgeSolution& solution);

// `request` names the table's stations, step and offsets under its title;
// without it (a table made earlier in a window) its first and last stations.
Sheet StationTableSheet(const Road& road, const std::optional<StationTableRequest>& request,
                        const std::vector<StationTableRow>& rows);

// A check as it ran: its results and the tolerances it ran with.
struct CheckReport {
  std::vector<CheckResult> results;
  double tolerance = kDefaultCheckTolerance;
  double heightTolerance = kDefaultHeightTolerance;
  std::string notice;  // what the check said beside its results
};
Sheet CheckSheet(const CheckReport& report);

// A table longer than this is not printed: about 420 pages, a mistyped
// step rather than paper anyone means to carry (a 1 m table of 3 km with
// both edges is 9,000 rows).
inline constexpr std::size_t kMostPrintedRows = 20000;
// Why `sheets` are not printed (a table beyond kMostPrintedRows); nothing
// when they may be.
std::optional<std::string> PrintRefusal(const std::vector<Sheet>& sheets);

// "道路：K0+000 ～ K2+345.678".
std::string RoadLineOf(const Road& road);
// "复核人：" and "日期：" with room to sign, after the one who set the points out.
SheetSignature SignatureLine();

}  // namespace capset
