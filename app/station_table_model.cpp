#include "station_table_model.h"

#include <iterator>

#include "road_texts.h"
#include "station_table_formats.h"
#include "view_guard.h"

namespace capset {

StationTableModel::StationTableModel(std::string sep, QObject* parent)
    : QAbstractTableModel(parent), sep_(std::move(sep)) {}

void StationTableModel::SetRows(std::vector<StationTableRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int StationTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

bool StationTableModel::WithHeights() const { return !rows_.empty() && rows_.front().withHeight; }

int StationTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(StationTableHeadings(WithHeights()).size());
}

QVariant StationTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::TextAlignmentRole) {
    // Numbers line up on the right, names and stations read from the left.
    const int last = WithHeights() ? kStationTableHeightColumn : kStationTableHeightColumn - 1;
    const bool number = index.column() >= 2 && index.column() <= last;
    return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
  }
  if (role != Qt::DisplayRole) return {};
  // A row whose numbers cannot be written shows empty cells rather than
  // ending the program.
  QString text;
  Guarded([&] { text = QString::fromStdString(StationTableRowTexts(rows_.at(index.row()), sep_).at(index.column())); });
  return text;
}

QVariant StationTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  const std::vector<std::string> headings = StationTableHeadings(WithHeights());
  if (section < 0 || section >= static_cast<int>(headings.size())) return {};
  return QString::fromStdString(headings[static_cast<std::size_t>(section)]);
}

}  // namespace capset
