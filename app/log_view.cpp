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
  undo_ = new QAction(QString::fromUtf8(kUndoDeleteItem), this);
  undo_->setShortcut(QKeySequence::Undo);
  undo_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  // A removal may come from elsewhere too (a batch that replaces its rows).
  auto canUndo = [this] { undo_->setEnabled(log_.CanUndoRemove()); };
  canUndo();
  connect(model_, &QAbstractItemModel::rowsRemoved, this, canUndo);
  connect(model_, &QAbstractItemModel::rowsInserted, this, canUndo);
  connect(undo_, &QAction::triggered, this, &LogView::UndoDelete);
  addAction(copy);
  addAction(remove);
  addAction(undo_);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
    if (!current.isValid()) return;
    if (log_.At(current.row()).Placed()) emit CapRowSelected(current.row());
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

void LogView::DeleteSelection() {
  const std::vector<int> rows = SelectedRows();
  if (rows.empty()) return;
  log_.Remove(rows);
  emit RowsDeleted(static_cast<int>(rows.size()));
}

void LogView::UndoDelete() {
  if (log_.UndoRemove()) emit DeleteUndone();
}

}  // namespace capset
