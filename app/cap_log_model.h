#pragma once
// The results log as a table: one row a record, the columns of log_row.h,
// with those of as many points along the axis as its rows have.
// The model holds no texts of its own: a row is formatted when the view
// first asks for one of its cells, and its texts are kept for the other
// cells a while (a paint goes row by row, fitting the columns goes column
// by column over the same rows).

#include <QAbstractTableModel>
#include <QSize>
#include <string>
#include <unordered_map>
#include <vector>

#include "cap_log.h"
#include "log_row.h"

namespace capset {

class CapLogModel : public QAbstractTableModel, public LogObserver {
  Q_OBJECT

 public:
  // `sep`: the decimal separator the boxes use, so a row reads as they do.
  CapLogModel(CapLog& log, std::string sep, QObject* parent = nullptr);
  ~CapLogModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  const CapLog& Log() const { return log_; }
  // The size a column's title asks of the header, given by the view that
  // measured it, so that the header never shapes its titles to find it.
  void SetHeaderSize(int column, QSize size);
  const std::string& DecimalSeparator() const { return sep_; }
  // The row's own column (RowColumn) a column of the table shows, or -1 for
  // an H column.
  int OwnColumnOf(int column) const;

 private:
  void RowsAboutToBeAdded(int first, int last) override;
  void RowsAdded(int first, int last) override;
  void RowsAboutToBeRemoved(int first, int last) override;
  void RowsRemoved(int first, int last) override;
  void RowsAboutToBeRestored(int first, int last) override;

  const RowTexts& TextsOf(int row) const;
  // The columns of as many points along the axis as the rows have, no more.
  void FitColumns();

  CapLog& log_;
  std::string sep_;
  // Rows are added at the end, so a row's place stays its own until rows
  // are removed or put back.
  static constexpr std::size_t kCachedRows = 512;
  mutable std::unordered_map<int, RowTexts> cache_;
  int points_ = 0;  // the most points along the axis of any row
  bool heights_ = false;  // a row carries heights: every row shows the H columns
  int Columns(int points) const;
  mutable std::vector<QString> headings_;
  std::vector<QSize> headerSizes_;
};

}  // namespace capset
