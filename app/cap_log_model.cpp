#include "cap_log_model.h"

#include <algorithm>

#include "height_columns.h"

namespace capset {

CapLogModel::CapLogModel(CapLog& log, std::string sep, QObject* parent)
    : QAbstractTableModel(parent), log_(log), sep_(std::move(sep)) {
  for (const CapRecord& r : log_.Records()) {
    points_ = std::max(points_, AxisPointCount(r));
    heights_ = heights_ || r.heights.has_value();
  }
  log_.AddObserver(this);
}

CapLogModel::~CapLogModel() { log_.RemoveObserver(this); }

int CapLogModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : log_.Size(); }

int CapLogModel::Columns(int points) const {
  return heights_ ? WidthWithHeights(ColumnsFor(points)) : ColumnsFor(points);
}

int CapLogModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Columns(points_); }

int CapLogModel::OwnColumnOf(int column) const { return heights_ ? OwnColumn(column) : column; }

const RowTexts& CapLogModel::TextsOf(int row) const {
  if (const auto found = cache_.find(row); found != cache_.end()) return found->second;
  if (cache_.size() >= kCachedRows) cache_.clear();
  return cache_.emplace(row, LogRowTexts(log_.At(row), sep_, heights_)).first->second;
}

QVariant CapLogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= log_.Size()) return {};
  switch (role) {
    case Qt::DisplayRole: {
      const RowTexts& texts = TextsOf(index.row());
      const auto column = static_cast<std::size_t>(index.column());
      return column < texts.size() ? QString::fromStdString(texts[column]) : QString();
    }
    case Qt::ToolTipRole:
      // The status column is the long one: it shows whole in its tip.
      if (index.column() == kStatusColumn) return QString::fromStdString(TextsOf(index.row())[kStatusColumn]);
      return {};
    case Qt::TextAlignmentRole:
      return index.column() == kNumberColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
      return {};
  }
}

void CapLogModel::SetHeaderSize(int column, QSize size) {
  if (column < 0) return;
  if (static_cast<std::size_t>(column) >= headerSizes_.size()) headerSizes_.resize(column + 1);
  headerSizes_[column] = size;
}

QVariant CapLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
  // The row numbers' header is hidden: its size is asked all the same.
  if (role == Qt::SizeHintRole && orientation == Qt::Vertical && !headerSizes_.empty()) return headerSizes_[0];
  if (role == Qt::SizeHintRole && orientation == Qt::Horizontal && section >= 0 &&
      static_cast<std::size_t>(section) < headerSizes_.size() && headerSizes_[section].isValid()) {
    return headerSizes_[section];
  }
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (section >= static_cast<int>(headings_.size())) {
    headings_.clear();
    for (const std::string& h : LogHeadings(ColumnsFor(points_), heights_)) headings_.push_back(QString::fromStdString(h));
  }
  return headings_[section];
}

void CapLogModel::FitColumns() {
  int points = 0;
  bool heights = false;
  for (const CapRecord& r : log_.Records()) {
    points = std::max(points, AxisPointCount(r));
    heights = heights || r.heights.has_value();
  }
  if (heights != heights_) {
    // The H columns come or go among the others: every column moves.
    beginResetModel();
    heights_ = heights;
    points_ = points;
    cache_.clear();
    headings_.clear();
    headerSizes_.clear();
    endResetModel();
    return;
  }
  if (points > points_) {
    beginInsertColumns(QModelIndex(), Columns(points_), Columns(points) - 1);
    points_ = points;
    endInsertColumns();
  } else if (points < points_) {
    beginRemoveColumns(QModelIndex(), Columns(points), Columns(points_) - 1);
    points_ = points;
    endRemoveColumns();
  }
}

void CapLogModel::RowsAboutToBeAdded(int first, int last) { beginInsertRows(QModelIndex(), first, last); }

void CapLogModel::RowsAdded(int first, int last) {
  endInsertRows();
  // New rows may have more points along the axis than any before.
  int points = points_;
  bool heights = heights_;
  for (int row = first; row <= last; ++row) {
    points = std::max(points, AxisPointCount(log_.At(row)));
    heights = heights || log_.At(row).heights.has_value();
  }
  if (points > points_ || heights != heights_) FitColumns();
}

void CapLogModel::RowsAboutToBeRemoved(int first, int last) {
  cache_.clear();
  beginRemoveRows(QModelIndex(), first, last);
}

void CapLogModel::RowsRemoved(int, int) {
  endRemoveRows();
  FitColumns();
}

void CapLogModel::RowsAboutToBeRestored(int first, int last) {
  cache_.clear();
  beginInsertRows(QModelIndex(), first, last);
}

}  // namespace capset
