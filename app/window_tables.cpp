#include "window_tables.h"

#include <QApplication>
#include <QClipboard>
#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QLocale>
#include <QShortcut>
#include <QTableView>
#include <QTableWidget>

#include "column_spread.h"
#include "look.h"

namespace capset {
namespace {

// The chosen cells as a spreadsheet takes them: tabs between, a line each row.
QString SelectedAsText(const QTableWidget* table) {
  const QList<QTableWidgetSelectionRange> ranges = table->selectedRanges();
  if (ranges.isEmpty()) return {};
  const QTableWidgetSelectionRange& r = ranges.front();
  QString text;
  for (int row = r.topRow(); row <= r.bottomRow(); ++row) {
    QStringList cells;
    for (int c = r.leftColumn(); c <= r.rightColumn(); ++c) cells << (table->item(row, c) ? table->item(row, c)->text() : QString());
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}

}  // namespace

// Rows of one height: nothing measures a row.
void UniformRows(QTableView* view) {
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
}

QTableWidget* ReadOnlyTable() {
  auto* t = new QTableWidget;
  auto* copy = new QShortcut(QKeySequence::Copy, t, nullptr, nullptr, Qt::WidgetShortcut);
  QObject::connect(copy, &QShortcut::activated, t, [t] { QApplication::clipboard()->setText(SelectedAsText(t)); });
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->verticalHeader()->hide();
  t->setAlternatingRowColors(true);
  t->setFont(PlainFont(12));
  UniformRows(t);
  return t;
}

// The user's number rules, as the window reads answers.
NumberSymbols LocaleSymbols() {
  const QLocale locale;
  NumberSymbols s;
  s.decimal = locale.decimalPoint().toStdString();
  s.minus = locale.negativeSign().toStdString();
  s.plus = locale.positiveSign().toStdString();
  return s;
}

void Fill(QTableWidget* widget, const TextTable& table) {
  widget->clear();
  widget->setColumnCount(static_cast<int>(table.headers.size()));
  widget->setRowCount(static_cast<int>(table.rows.size()));
  QStringList headers;
  for (const std::string& h : table.headers) headers << QString::fromStdString(h);
  widget->setHorizontalHeaderLabels(headers);
  for (int r = 0; r < widget->rowCount(); ++r) {
    for (int c = 0; c < widget->columnCount(); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(table.rows[r][c]));
      item->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
      widget->setItem(r, c, item);
    }
  }
  // Each column as wide as its longest text, measured once (not every
  // cell's size hint: a road of 1,000 JDs has thousands of rows).
  const QFontMetrics text(widget->font()), head(widget->horizontalHeader()->font());
  std::vector<int> needs;
  for (int c = 0; c < widget->columnCount(); ++c) {
    std::size_t longest = 0;
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
      if (table.rows[r][c].size() > table.rows[longest][c].size()) longest = r;
    }
    const int cell = table.rows.empty() ? 0 : text.horizontalAdvance(QString::fromStdString(table.rows[longest][c]));
    needs.push_back(std::max(cell, head.horizontalAdvance(headers[c])) + kCellPadding);
  }
  ColumnSpread::On(widget)->SetNeeds(std::move(needs));
}

QPushButton* AddButton(const char* text, QLayout* layout) {
  auto* button = new QPushButton(QString::fromUtf8(text));
  layout->addWidget(button);
  return button;
}

std::vector<QPushButton*> ButtonRow(QBoxLayout* column, std::initializer_list<const char*> texts, bool right) {
  auto* row = new QHBoxLayout;
  if (right) row->addStretch();
  std::vector<QPushButton*> buttons;
  for (const char* text : texts) buttons.push_back(AddButton(text, row));
  if (!right) row->addStretch();
  column->addLayout(row);
  return buttons;
}

QLabel* VerdictLine(QBoxLayout* column) {
  auto* label = new QLabel;
  label->setWordWrap(true);
  column->addWidget(label);
  return label;
}

void SayOnVerdictLine(QLabel* line, const QString& text, bool refused) {
  line->setStyleSheet(refused ? "color: #c00000" : "");
  line->setText(text);
}

}  // namespace capset
