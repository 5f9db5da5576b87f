#pragma once
// The results log as a table: one row a record, the columns of log_row.h.
// The model holds no texts of its own; a row is formatted when the view
// asks for it (and kept while the view asks for that row's other cells).

#include <QAbstractTableModel>
#include <string>

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
  const std::string& DecimalSeparator() const { return sep_; }

 private:
  void RowsAboutToBeAdded(int first, int last) override;
  void RowsAdded(int first, int last) override;
  void RowsAboutToBeRemoved(int first, int last) override;
  void RowsRemoved(int first, int last) override;

  const RowTexts& TextsOf(int row) const;

  CapLog& log_;
  std::string sep_;
  // A view paints a row cell by cell: the row's texts are made once for all of them.
  mutable int cachedRow_ = -1;
  mutable RowTexts cachedTexts_;
};

}  // namespace capset
