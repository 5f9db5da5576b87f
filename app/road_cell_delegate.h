#pragma once
// The editor of a road table's cell: as each key is typed, a text that
// would not read turns the editor the bad-cell colour and says why.

#include <QStyledItemDelegate>

#include "road_table.h"

namespace capset {

class RoadCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  RoadCellDelegate(const RoadTable& table, bool equations, QObject* parent = nullptr)
      : QStyledItemDelegate(parent), table_(table), equations_(equations) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  const RoadTable& table_;
  bool equations_;
};

}  // namespace capset
