#pragma once
// The 逐桩坐标表 as a table: one row a point, the columns of the files
// (StationTableHeadings: with H after Y when the rows carry heights),
// numbers with the user's separator.

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "station_table.h"

namespace capset {

class StationTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit StationTableModel(std::string sep, QObject* parent = nullptr);

  void SetRows(std::vector<StationTableRow> rows);
  const std::vector<StationTableRow>& Rows() const { return rows_; }
  // The rows carry heights: the table has its H column.
  bool WithHeights() const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  std::string sep_;
  std::vector<StationTableRow> rows_;
};

}  // namespace capset
