#pragma once
// The editor of a road table's cell: as each key is typed, a text that
// would not read turns the editor the bad-cell colour and says why.

#include <QStyledItemDelegate>
#include <functional>
#include <optional>
#include <string>

#include "road_table.h"

class QLineEdit;

namespace capset {

// As each key is typed into `line`, a text that `problemIf` refuses turns
// it the bad-cell colour and its reason shows as the tooltip.
void CheckAsTyped(QLineEdit* line, std::function<std::optional<std::string>(const std::string&)> problemIf);

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
