#pragma once
// A read-only table of text cells made once when its rows are set: the
// check's results and the polar data both show rows of numbers a user
// copies from, and making each cell's text once keeps scrolling cheap and
// lets a row whose numbers cannot be written still show its name.

#include <QAbstractTableModel>
#include <QString>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace capset {

class CellsTableModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // The cell's text; numbers (every column after the first) to the right.
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 protected:
  // Replaces the headings and the rows. `cellsOf(i)` gives row i's cells;
  // when it throws, the row keeps only `name(i)` in its first cell and
  // `note` in its last (empty: none), and the table still shows.
  void SetCells(std::vector<std::string> headings, std::size_t rows,
                const std::function<std::vector<std::string>(std::size_t)>& cellsOf,
                const std::function<std::string(std::size_t)>& name, const char* note = nullptr);
  const std::vector<std::string>& Headings() const { return headings_; }
  const QString& Cell(int row, int column) const { return cells_.at(row).at(column); }

 private:
  std::vector<std::string> headings_;
  std::vector<std::vector<QString>> cells_;
};

}  // namespace capset
