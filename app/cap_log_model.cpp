#include "cap_log_model.h"

namespace capset {

CapLogModel::CapLogModel(CapLog& log, std::string sep, QObject* parent)
    : QAbstractTableModel(parent), log_(log), sep_(std::move(sep)) {
  log_.AddObserver(this);
}

CapLogModel::~CapLogModel() { log_.RemoveObserver(this); }

int CapLogModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : log_.Size(); }

int CapLogModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kRowColumnCount; }

const RowTexts& CapLogModel::TextsOf(int row) const {
  if (const auto found = cache_.find(row); found != cache_.end()) return found->second;
  if (cache_.size() >= kCachedRows) cache_.clear();
  return cache_.emplace(row, ShownRowTexts(log_.At(row), sep_)).first->second;
}

QVariant CapLogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= log_.Size()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(TextsOf(index.row())[index.column()]);
    case Qt::ToolTipRole:
      // The long columns show whole in their tip.
      if (index.column() == kStatusColumn || index.column() == kAxisPointsColumn) {
        return QString::fromStdString(TextsOf(index.row())[index.column()]);
      }
      return {};
    case Qt::TextAlignmentRole:
      return index.column() == kNumberColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
      return {};
  }
}

QVariant CapLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= kRowColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return QString::fromStdString(RowHeadings()[section]);
}

void CapLogModel::RowsAboutToBeAdded(int first, int last) { beginInsertRows(QModelIndex(), first, last); }

void CapLogModel::RowsAdded(int, int) { endInsertRows(); }

void CapLogModel::RowsAboutToBeRemoved(int first, int last) {
  cache_.clear();
  beginRemoveRows(QModelIndex(), first, last);
}

void CapLogModel::RowsRemoved(int, int) { endRemoveRows(); }

void CapLogModel::RowsAboutToBeRestored(int first, int last) {
  cache_.clear();
  beginInsertRows(QModelIndex(), first, last);
}

}  // namespace capset
