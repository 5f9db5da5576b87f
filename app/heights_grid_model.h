#pragma once
// A table of the heights pages over its Qt-free HeightsGrid: the texts as
// typed, a bad cell in the bad-cell colour with its reason as the tooltip,
// a cell that takes no text greyed; its editor turns the bad-cell colour
// and says why as each key is typed.

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include "heights_grid.h"

class QTableView;

namespace capset {

class HeightsGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // `grid` is a reference the model keeps: it must outlive the model or be
  // replaced through SetGrid.
  explicit HeightsGridModel(HeightsGrid* grid, QObject* parent = nullptr);
  void SetGrid(HeightsGrid* grid);
  HeightsGrid* Grid() const { return grid_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  bool InsertAt(int row);
  bool RemoveAt(int row);
  int PasteAt(int row, int column, const QString& text);
  void Reset();

 signals:
  void Edited();

 private:
  HeightsGrid* grid_;
};

class HeightsCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  HeightsCellDelegate(const HeightsGridModel* model, QObject* parent) : QStyledItemDelegate(parent), model_(model) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  const HeightsGridModel* model_;
};

// A view of the grid: rows of one height, columns as wide as the widest
// text each holds on a real road, a paste (Ctrl+V) lined up by the grid,
// Delete emptying the chosen cells.
QTableView* HeightsTableView(HeightsGridModel* model, QWidget* parent);
void SizeHeightsColumns(QTableView* view, const HeightsGrid& grid);

}  // namespace capset
