#include "road_cell_delegate.h"

#include <QLineEdit>
#include <QToolTip>

namespace capset {

QWidget* RoadCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  auto* line = qobject_cast<QLineEdit*>(editor);
  if (line == nullptr) return editor;
  const int row = index.row(), column = index.column();
  connect(line, &QLineEdit::textEdited, line, [this, line, row, column](const QString& text) {
    const auto problem = table_.ProblemIf(equations_, row, column, text.toStdString());
    line->setStyleSheet(problem ? QStringLiteral("background: rgb(255, 205, 205)") : QString());
    line->setToolTip(problem ? QString::fromStdString(*problem) : QString());
    if (problem) {
      QToolTip::showText(line->mapToGlobal(QPoint(0, line->height())), line->toolTip(), line);
    } else {
      QToolTip::hideText();
    }
  });
  return editor;
}

}  // namespace capset
