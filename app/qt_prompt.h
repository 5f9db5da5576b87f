#pragma once
// The prompt of the real program: a modal QInputDialog over the window; a
// question with fixed answers is a message box with one button each.

#include <QPointer>
#include <QWidget>

#include "seam.h"

namespace capset {

class QtPrompt : public Prompt {
 public:
  // The window that the dialogues are modal over; set once it exists.
  void SetParentWindow(QWidget* window) { window_ = window; }

  std::optional<std::string> Ask(const std::string& message) override;
  std::optional<int> Choose(const std::string& question, const std::vector<std::string>& choices) override;

 private:
  QPointer<QWidget> window_;
};

}  // namespace capset
