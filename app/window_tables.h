#pragma once
// What the road window's tables share: the user's number rules, rows of one
// height, a read-only table that copies its chosen cells for a spreadsheet,
// and filling one from a table of texts with each column as wide as its
// longest text.

#include "number_rules.h"
#include "road_summary.h"

class QTableView;
class QTableWidget;

namespace capset {

// A cell's margins and its frame, px.
constexpr int kCellPadding = 18;

NumberSymbols LocaleSymbols();
void UniformRows(QTableView* view);
QTableWidget* ReadOnlyTable();
void Fill(QTableWidget* widget, const TextTable& table);

}  // namespace capset
