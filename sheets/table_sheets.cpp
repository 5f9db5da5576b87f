// The 逐桩坐标表 and the as-built check's report as printed sheets: the
// same cells as the tables on the screen and their CSV files.

#include "check_run.h"
#include "check_table.h"
#include "number_text.h"
#include "road_texts.h"
#include "set_out_sheets.h"
#include "sheet_texts.h"
#include "station_table_formats.h"

namespace capset {
namespace {

// Names and words to the left, numbers to the right.
std::vector<CellAlign> AlignOf(const std::vector<std::vector<std::string>>& rows, std::size_t columns) {
  std::vector<CellAlign> align(columns, CellAlign::kRight);
  for (std::size_t c = 0; c < columns; ++c) {
    for (const auto& row : rows) {
      if (c >= row.size() || row[c].empty() || row[c] == "-") continue;
      const char first = row[c][0];
      const bool number = (first >= '0' && first <= '9') || first == '-' || first == '+' || first == 'K' ||
                          first == 'k';
      if (!number) align[c] = CellAlign::kLeft;
    }
  }
  if (columns > 0) align[0] = CellAlign::kLeft;
  return align;
}

std::string ShortNumber(double value) { return NumberText(value, "."); }

}  // namespace

Sheet StationTableSheet(const Road& road, const std::optional<StationTableRequest>& request,
                        const std::vector<StationTableRow>& rows) {
  Sheet sheet;
  sheet.title = kStationSheetTitle;
  sheet.subtitle = {RoadLineOf(road)};
  if (request) {
    std::string offsets;
    for (double o : request->offsets) offsets += (offsets.empty() ? "" : " ") + ShortNumber(o);
    sheet.subtitle.push_back(SheetTableRequestText(KStationText(request->from), KStationText(request->to),
                                                   ShortNumber(request->step), offsets));
  } else if (!rows.empty()) {
    sheet.subtitle.push_back(SheetTableSpanText(KStationText(rows.front().station), KStationText(rows.back().station)));
  }
  SheetTable table;
  table.title = kStationRowsTitle;
  const bool heights = !rows.empty() && rows.front().withHeight;
  table.headings = StationTableHeadings(heights);
  for (const StationTableRow& row : rows) table.rows.push_back(StationTableRowTexts(row, "."));
  table.align = AlignOf(table.rows, table.headings.size());
  sheet.blocks.emplace_back(std::move(table));
  return sheet;
}

std::optional<std::string> PrintRefusal(const std::vector<Sheet>& sheets) {
  for (const Sheet& sheet : sheets) {
    for (const SheetBlock& block : sheet.blocks) {
      const auto* table = std::get_if<SheetTable>(&block);
      if (table && table->rows.size() > kMostPrintedRows) {
        return TooManyRowsToPrint(static_cast<long long>(table->rows.size()), static_cast<long long>(kMostPrintedRows));
      }
    }
  }
  return std::nullopt;
}

Sheet CheckSheet(const CheckReport& report) {
  Sheet sheet;
  sheet.title = kCheckSheetTitle;
  sheet.subtitle = {SheetTolerancesText(ShortNumber(report.tolerance * 1000), ShortNumber(report.heightTolerance * 1000))};
  const bool heights = AnyMeasuredHeight(report.results);
  SheetTable table;
  table.title = kCheckRowsTitle;
  table.headings = CheckHeadingsFor(heights);
  for (const CheckResult& r : report.results) {
    table.rows.push_back(CheckCells(r, ".", heights));
    table.marked.push_back(r.cap && (r.cap->over || r.cap->heightOver));
  }
  table.align = AlignOf(table.rows, table.headings.size());
  std::vector<std::string> notes = {SummaryOf(report.results, report.tolerance * 1000, report.heightTolerance * 1000)};
  if (!report.notice.empty()) notes.push_back(report.notice);
  if (OverCount(report.results) > 0 || HeightOverCount(report.results) > 0) notes.push_back(kSheetOverNote);
  sheet.blocks.emplace_back(SheetNotes{kSheetNoticesHeading, notes});
  sheet.blocks.emplace_back(std::move(table));
  sheet.blocks.emplace_back(SignatureLine());
  return sheet;
}

}  // namespace capset
