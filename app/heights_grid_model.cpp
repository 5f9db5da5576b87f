#include "heights_grid_model.h"

#include <QBrush>
#include <QColor>
#include <QHeaderView>
#include <QLineEdit>
#include <QShortcut>
#include <QTableView>
#include <QToolTip>
#include <algorithm>

#include "column_spread.h"
#include "road_cell_delegate.h"
#include "window_tables.h"

namespace capset {

HeightsGridModel::HeightsGridModel(HeightsGrid* grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

void HeightsGridModel::SetGrid(HeightsGrid* grid) {
  beginResetModel();
  grid_ = grid;
  endResetModel();
}

int HeightsGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_->RowCount(); }

int HeightsGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_->ColumnCount(); }

QVariant HeightsGridModel::data(const QModelIndex& index, int role) const {
  const int r = index.row(), c = index.column();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return QString::fromStdString(grid_->Text(r, c));
    case Qt::BackgroundRole:
      if (grid_->CellProblem(r, c)) return QBrush(QColor(255, 205, 205));
      if (grid_->Closed(r, c)) return QBrush(QColor(236, 236, 236));
      return {};
    case Qt::ToolTipRole:
      if (const auto problem = grid_->CellProblem(r, c)) return QString::fromStdString(*problem);
      return {};
    case Qt::TextAlignmentRole: return c == 0 ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
  }
}

QVariant HeightsGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return QString::fromStdString(grid_->Header(section));
}

Qt::ItemFlags HeightsGridModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (grid_->Editable(index.row(), index.column())) f |= Qt::ItemIsEditable;
  return f;
}

bool HeightsGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole) return false;
  if (!grid_->SetText(index.row(), index.column(), value.toString().toStdString())) return false;
  // A kind opens and closes the row's other cells; a row typed in may
  // change which rows are the ends.
  emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
  emit Edited();
  return true;
}

bool HeightsGridModel::InsertAt(int row) {
  beginResetModel();
  const bool done = grid_->InsertRow(row);
  endResetModel();
  if (done) emit Edited();
  return done;
}

bool HeightsGridModel::RemoveAt(int row) {
  beginResetModel();
  const bool done = grid_->RemoveRow(row);
  endResetModel();
  if (done) emit Edited();
  return done;
}

int HeightsGridModel::PasteAt(int row, int column, const QString& text) {
  beginResetModel();
  const int rows = grid_->Paste(row, column, text.toStdString());
  endResetModel();
  if (rows > 0) emit Edited();
  return rows;
}

void HeightsGridModel::Reset() {
  beginResetModel();
  endResetModel();
}

QWidget* HeightsCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  auto* line = qobject_cast<QLineEdit*>(editor);
  if (line == nullptr) return editor;
  const int row = index.row(), column = index.column();
  CheckAsTyped(line, [this, row, column](const std::string& text) { return model_->Grid()->ProblemIf(row, column, text); });
  return editor;
}

void SizeHeightsColumns(QTableView* view, const HeightsGrid& grid) {
  const QFontMetrics text(view->font()), head(view->horizontalHeader()->font());
  std::vector<int> needs;
  for (int c = 0; c < grid.ColumnCount(); ++c) {
    needs.push_back(std::max(text.horizontalAdvance(QString::fromStdString(grid.WidestText(c))),
                             head.horizontalAdvance(QString::fromStdString(grid.Header(c)))) +
                    kCellPadding);
  }
  ColumnSpread::On(view)->SetNeeds(std::move(needs));
}

QTableView* HeightsTableView(HeightsGridModel* model, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setModel(model);
  view->setItemDelegate(new HeightsCellDelegate(model, view));
  view->verticalHeader()->hide();
  view->horizontalHeader()->setMinimumSectionSize(36);
  UniformRows(view);
  auto* clear = new QShortcut(QKeySequence::Delete, view, nullptr, nullptr, Qt::WidgetShortcut);
  QObject::connect(clear, &QShortcut::activated, view, [view, model] {
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes()) model->setData(index, QString(), Qt::EditRole);
  });
  SizeHeightsColumns(view, *model->Grid());
  return view;
}

}  // namespace capset
