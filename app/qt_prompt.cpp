#include "qt_prompt.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app_title.h"
#include "message_fit.h"

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

std::optional<int> QtPrompt::Choose(const std::string& question, const std::vector<std::string>& choices) {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(kAppTitle), QString(), QMessageBox::Cancel, window_);
  SetFittedText(box, QString::fromStdString(question));
  std::vector<QPushButton*> buttons;
  for (const std::string& choice : choices) {
    buttons.push_back(box.addButton(QString::fromStdString(choice), QMessageBox::AcceptRole));
  }
  if (!buttons.empty()) box.setDefaultButton(buttons.front());
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace capset
