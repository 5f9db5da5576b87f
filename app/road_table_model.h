#pragma once
// A table of the road window over the Qt-free RoadTable: the texts as
// typed, a bad cell in the bad-cell colour with its reason as the tooltip,
// a cell that takes no text greyed and closed.

#include <QAbstractTableModel>

#include "road_table.h"

namespace capset {

class RoadTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // `equations`: the equations' grid of the table, else its main grid.
  RoadTableModel(RoadTable& table, bool equations, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // Row operations of the table, told to the views.
  bool InsertAt(int row);
  bool RemoveAt(int row);
  bool Move(int from, int to);
  int PasteAt(int row, int column, const QString& text);
  // The table was replaced (another form, the job's road again).
  void Reset();

 signals:
  void Edited();

 private:
  RoadTable& table_;
  bool equations_;
};

}  // namespace capset
