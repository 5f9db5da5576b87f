#pragma once
// What the road window's tables share: the user's number rules, rows of one
// height, a read-only table that copies its chosen cells for a spreadsheet,
// and filling one from a table of texts with each column as wide as its
// longest text.

#include "number_rules.h"
#include "road_summary.h"

#include <initializer_list>
#include <vector>

class QBoxLayout;
class QString;
class QLabel;
class QLayout;
class QPushButton;
class QTableView;
class QTableWidget;

namespace capset {

// A cell's margins and its frame, px.
constexpr int kCellPadding = 18;

NumberSymbols LocaleSymbols();
void UniformRows(QTableView* view);
QTableWidget* ReadOnlyTable();
void Fill(QTableWidget* widget, const TextTable& table);

// A push button of `text` (UTF-8) added to `layout`.
QPushButton* AddButton(const char* text, QLayout* layout);
// A row of buttons added to `column`, at its left, or at its right (as 应用 and 关闭 stand).
std::vector<QPushButton*> ButtonRow(QBoxLayout* column, std::initializer_list<const char*> texts, bool right = false);
// The line under a table that says whether it reads, and why not.
QLabel* VerdictLine(QBoxLayout* column);
// What that line says: a refusal in red, anything else plain.
void SayOnVerdictLine(QLabel* line, const QString& text, bool refused);

}  // namespace capset
