#include "road_cell_delegate.h"

#include <QLineEdit>
#include <QToolTip>

namespace capset {

void CheckAsTyped(QLineEdit* line, std::function<std::optional<std::string>(const std::string&)> problemIf) {
  QObject::connect(line, &QLineEdit::textEdited, line, [line, problemIf = std::move(problemIf)](const QString& text) {
    const auto problem = problemIf(text.toStdString());
    line->setStyleSheet(problem ? QStringLiteral("background: rgb(255, 205, 205)") : QString());
    line->setToolTip(problem ? QString::fromStdString(*problem) : QString());
    if (problem) {
      QToolTip::showText(line->mapToGlobal(QPoint(0, line->height())), line->toolTip(), line);
    } else {
      QToolTip::hideText();
    }
  });
}

QWidget* RoadCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  auto* line = qobject_cast<QLineEdit*>(editor);
  if (line == nullptr) return editor;
  const int row = index.row(), column = index.column();
  CheckAsTyped(line, [this, row, column](const std::string& text) { return table_.ProblemIf(equations_, row, column, text); });
  return editor;
}

}  // namespace capset
