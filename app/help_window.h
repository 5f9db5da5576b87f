#pragma once
// 使用说明: the help page in a window of its own, beside the main window
// (not modal: the user reads it while answering the prompts).

#include <QDialog>

class QTextBrowser;

namespace capset {

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  // `journalFolder`: where the day files are, as the page tells it.
  HelpWindow(const QString& journalFolder, QWidget* parent = nullptr);

  QTextBrowser* Page() const { return page_; }

 private:
  QTextBrowser* page_;
};

}  // namespace capset
