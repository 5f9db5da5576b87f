#include "road_table_model.h"

#include <QBrush>
#include <QColor>

#include "look.h"

namespace capset {

RoadTableModel::RoadTableModel(RoadTable& table, bool equations, QObject* parent)
    : QAbstractTableModel(parent), table_(table), equations_(equations) {}

int RoadTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.Grid(equations_).rowCount();
}

int RoadTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.Grid(equations_).columnCount();
}

QVariant RoadTableModel::data(const QModelIndex& index, int role) const {
  const int r = index.row(), c = index.column();
  const bool name = table_.Grid(equations_).columns()[c] == Column::kPoint;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      if (name) return QString::fromStdString(table_.PointName(equations_, r));
      return QString::fromStdString(table_.Grid(equations_).row(r).cells[c]);
    case Qt::BackgroundRole:
      if (table_.CellProblem(equations_, r, c)) return QBrush(QColor(255, 205, 205));
      if (!table_.Editable(equations_, r, c)) return QBrush(QColor(236, 236, 236));
      if (!equations_ && table_.Grid(false).columns()[c] == Column::kJdStation && table_.StationNote(r)) {
        return QBrush(QColor(255, 230, 160));  // reads, but does not chain as the road does
      }
      return {};
    case Qt::ToolTipRole:
      if (const auto problem = table_.CellProblem(equations_, r, c)) return QString::fromStdString(*problem);
      if (!equations_ && table_.Grid(false).columns()[c] == Column::kJdStation) {
        if (const auto note = table_.StationNote(r)) return QString::fromStdString(*note);
      }
      return {};
    case Qt::TextAlignmentRole:
      return name ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
  }
}

QVariant RoadTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return QString::fromStdString(RoadTable::Header(table_.Grid(equations_).columns()[section]));
}

Qt::ItemFlags RoadTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (table_.Editable(equations_, index.row(), index.column())) f |= Qt::ItemIsEditable;
  return f;
}

bool RoadTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole) return false;
  if (!table_.SetText(equations_, index.row(), index.column(), value.toString().toStdString())) return false;
  // A row's kind opens and closes its other cells, and a radius checks the other.
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
  emit Edited();
  return true;
}

bool RoadTableModel::InsertAt(int row) {
  beginResetModel();
  const bool done = table_.InsertRow(equations_, row);
  endResetModel();
  if (done) emit Edited();
  return done;
}

bool RoadTableModel::RemoveAt(int row) {
  beginResetModel();
  const bool done = table_.RemoveRow(equations_, row);
  endResetModel();
  if (done) emit Edited();
  return done;
}

bool RoadTableModel::Move(int from, int to) {
  beginResetModel();
  const bool done = table_.MoveRow(equations_, from, to);
  endResetModel();
  if (done) emit Edited();
  return done;
}

int RoadTableModel::PasteAt(int row, int column, const QString& text) {
  beginResetModel();
  const int rows = table_.Paste(equations_, row, column, text.toStdString());
  endResetModel();
  if (rows > 0) emit Edited();
  return rows;
}

void RoadTableModel::Reset() {
  beginResetModel();
  endResetModel();
}

}  // namespace capset
