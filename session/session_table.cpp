// The 逐桩坐标表: made on the road the caps are solved on, and written to a file.

#include "file_texts.h"
#include "road_texts.h"
#include "session_files.h"
#include "station_table_formats.h"

namespace capset {

StationRange RangeOf(const Road& road) { return {road.firstStation(), road.lastStation(), road.equations()}; }

std::string CapSession::NoRoadText() const {
  if (const std::optional<RoadProblem> problem = StartRoadProblem()) return RoadProblemText(*problem);
  return kNoRoad;
}

std::variant<std::vector<StationTableRow>, std::string> CapSession::MakeStationTable(const StationTableRequest& request,
                                                                                     const std::string& fromTyped,
                                                                                     const std::string& toTyped) const {
  const Road* road = WorkingRoad();
  if (road == nullptr) return NoRoadText();
  auto made = capset::MakeStationTable(*road, request);
  if (const auto* problem = std::get_if<StationTableProblem>(&made)) {
    const std::string& typed = problem->fault == StationTableFault::kToNotPlaced ? toTyped : fromTyped;
    return StationTableProblemText(*problem, typed, RangeOf(*road));
  }
  auto& rows = std::get<std::vector<StationTableRow>>(made);
  if (heights_) AddTableHeights(rows, *heights_);
  return std::move(rows);
}

bool SessionFiles::ExportTable(const std::string& path, ExportFormat format, const std::vector<StationTableRow>& rows) {
  // A row whose numbers cannot be written fails the file, which is then not
  // written at all, rather than the program.
  std::string text;
  try {
    text = StationTableText(format, rows);
  } catch (const ArithmeticFault& fault) {
    reporter_.ReportError(ExportFailedMessage(path, UnwritableNumberReason(fault)));
    return false;
  }
  if (const auto failure = store_.WriteWhole(path, text)) {
    reporter_.ReportError(ExportFailedMessage(path, failure->reason));
    return false;
  }
  return true;
}

}  // namespace capset
