#include "cells_table_model.h"

#include "view_guard.h"

namespace capset {

void CellsTableModel::SetCells(std::vector<std::string> headings, std::size_t rows,
                               const std::function<std::vector<std::string>(std::size_t)>& cellsOf,
                               const std::function<std::string(std::size_t)>& name, const char* note) {
  beginResetModel();
  headings_ = std::move(headings);
  cells_.clear();
  cells_.reserve(rows);
  for (std::size_t i = 0; i < rows; ++i) {
    std::vector<QString> row;
    if (!Guarded([&] {
          for (const std::string& cell : cellsOf(i)) row.push_back(QString::fromStdString(cell));
        })) {
      row.assign(headings_.size(), QString());
      if (!row.empty()) {
        row.front() = QString::fromStdString(name(i));
        if (note) row.back() = QString::fromUtf8(note);
      }
    }
    row.resize(headings_.size());
    cells_.push_back(std::move(row));
  }
  endResetModel();
}

int CellsTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int CellsTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant CellsTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return Cell(index.row(), index.column());
  if (role == Qt::TextAlignmentRole && index.column() > 0) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant CellsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= static_cast<int>(headings_.size())) return {};
  return QString::fromStdString(headings_.at(static_cast<std::size_t>(section)));
}

}  // namespace capset
