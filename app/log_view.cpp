#include "log_view.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <algorithm>

#include "export_formats.h"
#include "window_texts.h"

namespace capset {

LogView::LogView(CapLog& log, std::string sep, QWidget* parent)
    : QTableView(parent), log_(log), model_(new CapLogModel(log, std::move(sep), this)) {
  setObjectName("LogView");
  setModel(model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setAlternatingRowColors(true);
  verticalHeader()->hide();  // the number column numbers the rows
  horizontalHeader()->setStretchLastSection(true);

  auto* copy = new QAction(QString::fromUtf8(kCopyItem), this);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(copy, &QAction::triggered, this, &LogView::CopySelection);
  auto* remove = new QAction(QString::fromUtf8(kDeleteItem), this);
  remove->setShortcut(QKeySequence::Delete);
  remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(remove, &QAction::triggered, this, &LogView::DeleteSelection);
  addAction(copy);
  addAction(remove);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
    if (!current.isValid()) return;
    if (const CapSolution* s = log_.At(current.row()).Solution()) emit CapSelected(*s);
  });
}

std::vector<int> LogView::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::ranges::sort(rows);
  return rows;
}

void LogView::CopySelection() {
  std::vector<const CapRecord*> records;
  for (int row : SelectedRows()) records.push_back(&log_.At(row));
  if (records.empty()) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(TsvText(records, model_->DecimalSeparator())));
}

void LogView::DeleteSelection() { log_.Remove(SelectedRows()); }

}  // namespace capset
