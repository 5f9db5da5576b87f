#include "qt_prompt.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>

#include "app_title.h"

namespace capset {
namespace {

// The question wraps at about 30 ideographs a line: the longest ones (some 60
// characters) take two or three lines instead of one very wide dialogue. The
// dialogue's layout sizes the window to its contents, so the width is given
// to the label.
constexpr int kQuestionWidth = 360;

}  // namespace

std::optional<std::string> QtPrompt::Ask(const std::string& message) {
  QInputDialog dialog(window_);
  dialog.setWindowTitle(QString::fromUtf8(kAppTitle));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setTextEchoMode(QLineEdit::Normal);
  dialog.setLabelText(QString::fromStdString(message));
  dialog.setTextValue(QString());
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    label->setWordWrap(true);
    label->setMinimumWidth(kQuestionWidth);
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

}  // namespace capset
